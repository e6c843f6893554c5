// The three box-shape windows driven through their controls offscreen: the events of each with
// their differences, the read-outs and their language, the drawing's flags, the trapezoid's depth
// bars, the pyramid's frustum controls, bad input, help, print and Esc.
#include <QAbstractButton>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "WindowTest.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

using BoxShapeWindows = WindowsTest;

TEST_F(BoxShapeWindows, TheMainWindowOpensThemAtTheirOuterSizeAndEscClosesThem) {
  const struct {
    FormBase* form;
    const char* opener;
    QSize size;
  } cases[] = {{forms::quaderbox, "quader", {577, 418}},
               {forms::trapezbox, "trapez", {633, 423}},
               {forms::pyramidebox, "pyramide", {595, 445}}};
  for (const auto& c : cases) {
    EXPECT_FALSE(c.form->isVisible());
    forms::Form1->findChild<QAbstractButton*>(c.opener)->click();
    EXPECT_TRUE(c.form->isVisible()) << c.opener;
    Repaint(c.form);
    EXPECT_EQ(c.form->frameGeometry().size(), c.size) << c.opener;
    QTest::keyClick(c.form, Qt::Key_Escape);
    EXPECT_FALSE(c.form->isVisible()) << c.opener;
  }
}

TEST_F(BoxShapeWindows, CuboidComputesAtShowAndKeepsTheLanguageOfItsLastComputation) {
  Tquaderbox* f = forms::quaderbox;
  // Nothing computed before the first show: the labels hold their initial texts.
  EXPECT_EQ(f->Label10->text(), "Resonanzfrequenzen");
  Show(f);
  EXPECT_EQ(f->Label8->text(), "Tiefe  408 mm");
  EXPECT_EQ(f->Label10->text(), "Resonanzfrequenz(en) (Hz) :  958    749    937");
  SetLanguage("english");
  Repaint(f);
  EXPECT_EQ(f->Label1->text(), "inner volume (liter)");
  EXPECT_EQ(f->Label8->text(), "Tiefe  408 mm");  // still the German of the last computation
  f->CheckBox->click();
  EXPECT_EQ(f->Label8->text(), "depth  453 mm");
  EXPECT_EQ(f->Label7->text(), "outside volume 90.6 l");
}

TEST_F(BoxShapeWindows, CuboidInvalidInputsShowPlaceholdersAndHideTheDrawing) {
  Tquaderbox* f = forms::quaderbox;
  Show(f);
  ASSERT_TRUE(f->LastFigure().has_value());
  Type(f->Edit2, "8");
  Repaint(f);
  EXPECT_EQ(TextsOf({f->Label7, f->Label8, f->Label9, f->Label10}), QStringList({"-", "?", "-", "-"}));
  EXPECT_FALSE(f->LastFigure().has_value());
  // Width and height still follow their bars.
  f->breite->setValue(650);
  f->hoehe->setValue(1200);
  EXPECT_EQ(f->Label5->text(), "Breite  650 mm");
  EXPECT_EQ(f->Label6->text(), QString::fromUtf8("Höhe 1200 mm"));
  Type(f->Edit2, "21");
  Repaint(f);
  EXPECT_NE(f->Label8->text(), "?");
  EXPECT_TRUE(f->LastFigure().has_value());
}

TEST_F(BoxShapeWindows, DrawingFollowsTheOptionAndTheDrawButtonUntilClosed) {
  Option("AutohousingSim", false);
  Tquaderbox* f = forms::quaderbox;
  Show(f);
  EXPECT_FALSE(f->LastFigure().has_value());
  f->Button2->click();
  Repaint(f);
  ASSERT_TRUE(f->LastFigure().has_value());
  // The drawing is painted: the front's bottom edge is dark in the window's image.
  const QImage image = f->grab().toImage();
  const FigureLine bottom = f->LastFigure()->lines[0];
  EXPECT_LT(qGray(image.pixel((bottom.x1 + bottom.x2) / 2, bottom.y1)), 80);
  EXPECT_GT(qGray(image.pixel((bottom.x1 + bottom.x2) / 2, bottom.y1 - 3)), 150);
  EXPECT_EQ(f->LastFigure()->texts[0].text, "d=25.3cm");  // the driver's diameter
  // Input changes and repaints keep it; a larger window draws it larger.
  Type(f->Edit1, "80");
  const double scale = f->LastFigure()->scale;
  f->resize(800, 700);
  Repaint(f);
  EXPECT_GT(f->LastFigure()->scale, scale);
  // Closing clears the flag: shown again, nothing is drawn.
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_FALSE(f->DrawnFlag());
  Show(f);
  EXPECT_FALSE(f->LastFigure().has_value());
  // The option is read again at every paint.
  Option("AutohousingSim", true);
  Repaint(f);
  EXPECT_TRUE(f->LastFigure().has_value());
}

TEST_F(BoxShapeWindows, TrapezoidComputesAtCreateAndHidesKeepingTheDrawnFlag) {
  Ttrapezbox* f = forms::trapezbox;
  EXPECT_EQ(f->Label8->text(), "Breite  586 mm");  // computed at creation
  Option("AutohousingSim", false);
  Show(f);
  EXPECT_FALSE(f->LastFigure().has_value());
  f->Button2->click();
  Repaint(f);
  EXPECT_TRUE(f->LastFigure().has_value());
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_TRUE(f->DrawnFlag());
  Show(f);
  EXPECT_TRUE(f->LastFigure().has_value());
  // Closing by the frame clears it.
  f->close();
  EXPECT_FALSE(f->DrawnFlag());
  // Shown in English, the read-outs follow at once.
  Show(f, "english");
  EXPECT_EQ(f->Label8->text(), "width  586 mm");
}

TEST_F(BoxShapeWindows, TrapezoidDepthBarsHoldEachOtherThroughTheirHandlers) {
  Ttrapezbox* f = forms::trapezbox;
  Show(f);
  // At the start nothing stops the top depth above the bottom depth's 400.
  EXPECT_EQ(f->tiefeo->maximum(), 1000);
  f->tiefeo->setValue(500);
  EXPECT_EQ(f->tiefeu->minimum(), 500);
  EXPECT_EQ(f->tiefeu->value(), 500);
  EXPECT_EQ(f->tiefeo->maximum(), 500);
  // Equal depths are invalid: dashes, the depths still follow.
  EXPECT_EQ(TextsOf({f->Label8, f->Label9, f->Label5, f->Label7}),
            QStringList({"-", QString::fromUtf8("° ?"), "Tiefe (oben)  500 mm", "Tiefe (unten)  500 mm"}));
  Repaint(f);
  EXPECT_FALSE(f->LastFigure().has_value());
  f->tiefeu->setValue(700);
  EXPECT_EQ(f->tiefeo->maximum(), 700);
  EXPECT_EQ(f->Label9->text(), "Neigungswinkel 63.4 °");  // arctan(400 / 200)
  // A 60 mm thickness is out of range: invalid again, the slanted panel still follows.
  Type(f->Editdicke, "60");
  EXPECT_EQ(f->Label8->text(), "-");
  f->hoehe->setValue(300);
  EXPECT_EQ(f->Label13->text(), QString::fromUtf8("Höhe der Seitenplatte  361 mm"));
  EXPECT_EQ(f->Label6->text(), QString::fromUtf8("Höhe  300 mm"));
}

TEST_F(BoxShapeWindows, PyramidFrustumControlsAndReadoutsAtEveryPaint) {
  Tpyramidebox* f = forms::pyramidebox;
  Show(f);
  EXPECT_EQ(f->Label6->text(), QString::fromUtf8("Außenvolumen 40.6 l"));
  EXPECT_FALSE(f->ScrollBar3->isEnabled());
  EXPECT_FALSE(f->Label8->isVisible());
  f->CheckBox1->click();
  EXPECT_TRUE(f->ScrollBar3->isEnabled());
  EXPECT_TRUE(f->Label8->isVisible());
  EXPECT_EQ(f->Label6->text(), QString::fromUtf8("Außenvolumen 45.5 l"));
  f->ScrollBar1->setValue(200);
  EXPECT_EQ(f->ScrollBar3->maximum(), 180);
  f->ScrollBar3->setValue(180);
  f->ScrollBar1->setValue(100);
  EXPECT_EQ(f->ScrollBar3->maximum(), 90);
  EXPECT_EQ(f->ScrollBar3->value(), 90);
  EXPECT_EQ(f->Label8->text(), QString::fromUtf8("Kantenlänge oben innen   90 mm, außen  132 mm"));
  // Without the frustum the bottom edge leaves the top edge alone.
  f->CheckBox1->click();
  f->ScrollBar1->setValue(1000);
  EXPECT_EQ(f->ScrollBar3->maximum(), 90);
  EXPECT_FALSE(f->ScrollBar3->isEnabled());
  EXPECT_FALSE(f->Label8->isVisible());
  // A change of language reaches the read-outs at the next paint.
  SetLanguage("english");
  Repaint(f);
  EXPECT_TRUE(f->Label3->text().startsWith("inner shelf length 1000 mm, ouside shelf length"));
  f->ScrollBar2->setValue(16);
  EXPECT_EQ(f->Label1->text(), "corners: 16");
  Type(f->Edit2, "5");
  EXPECT_EQ(f->Label5->text(), "-");
  EXPECT_EQ(f->Label1->text(), "corners: 16");
}

TEST_F(BoxShapeWindows, HelpTopicsAndPrintQuestion) {
  forms::quaderbox->Button3->click();
  forms::trapezbox->Button3->click();
  forms::pyramidebox->Button4->click();
  ASSERT_EQ(seam.helpRequests.size(), 3);
  EXPECT_EQ(seam.helpRequests[0].topic, "QTX_contents0010");
  EXPECT_EQ(seam.helpRequests[1].topic, "QTX_contents0011");
  EXPECT_EQ(seam.helpRequests[2].topic, "QTX_contents0012");
  forms::quaderbox->Button4->click();
  SetLanguage("english");
  Repaint(forms::pyramidebox);
  forms::pyramidebox->Button3->click();
  seam.answer = [](const QString&) { return platform::Answer::No; };
  forms::trapezbox->Button4->click();
  EXPECT_EQ(seam.questions, QStringList({"Fenster drucken?", "print window?", "print window?"}));
  EXPECT_EQ(seam.printed, QList<QWidget*>({forms::quaderbox, forms::pyramidebox}));
}

TEST_F(BoxShapeWindows, DraggingABarReadsTheSettingsOnlyWhenTheyChanged) {
  OpenSettings().WriteInteger("Options", "color", 1);
  Tquaderbox* f = forms::quaderbox;
  Show(f);
  EXPECT_EQ(f->palette().color(QPalette::Window), QColor(Qt::white));
  platform::FileSeam files;
  platform::InstallFileSeam(&files);
  for (int width = 400; width < 500; ++width) {
    f->breite->setValue(width);
    f->repaint();
  }
  EXPECT_LE(files.reads, 1);
  EXPECT_TRUE(f->LastFigure().has_value());
  // Switched off by another window: the next paint knows it.
  Option("AutohousingSim", false);
  f->repaint();
  EXPECT_FALSE(f->LastFigure().has_value());
  platform::InstallFileSeam(nullptr);
}

TEST_F(BoxShapeWindows, BadTextsInEveryEditNeverShowNanOrInf) {
  Show(forms::quaderbox);
  Show(forms::trapezbox);
  Show(forms::pyramidebox);
  for (QLineEdit* edit : {forms::quaderbox->Edit1, forms::quaderbox->Edit2, forms::quaderbox->Edit3,
                          forms::quaderbox->Edit4, forms::trapezbox->Editvol, forms::trapezbox->Editdicke,
                          forms::trapezbox->Edit1, forms::trapezbox->Edit2, forms::pyramidebox->Edit1,
                          forms::pyramidebox->Edit2}) {
    for (const QString& text : {"abc", "-", "0", "123456789012345678901234567890", "1e999"}) {
      Type(edit, text);
      Repaint(edit->window());
      ExpectNoNonFiniteTexts(edit->window());
    }
    edit->setText("30");
  }
}

}  // namespace
}  // namespace velomare::test

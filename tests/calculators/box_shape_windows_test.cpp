// The three box-shape windows driven through their controls: outer size, the language of the
// read-outs, the drawing's flags, the depth bars, the frustum controls, bad input, help and print.
#include <QImage>

#include "WindowTest.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

class BoxShapeWindows : public WindowsTest {
 protected:
  // The three windows shown, and every edit of theirs.
  static QList<QLineEdit*> ShowAllAndTheirEdits() {
    Show(forms::quaderbox);
    Show(forms::trapezbox);
    Show(forms::pyramidebox);
    return {forms::quaderbox->Edit1, forms::quaderbox->Edit2, forms::quaderbox->Edit3, forms::quaderbox->Edit4,
            forms::trapezbox->Editvol, forms::trapezbox->Editdicke, forms::trapezbox->Edit1, forms::trapezbox->Edit2,
            forms::pyramidebox->Edit1, forms::pyramidebox->Edit2};
  }
};

TEST_F(BoxShapeWindows, TheMainWindowOpensThemAtTheirOuterSizeAndEscClosesThem) {
  const struct { FormBase* form; const char* opener; QSize size; } cases[] = {
      {forms::quaderbox, "quader", {577, 418}}, {forms::trapezbox, "trapez", {633, 423}},
      {forms::pyramidebox, "pyramide", {595, 445}}};
  for (const auto& c : cases) {
    forms::Form1->findChild<QAbstractButton*>(c.opener)->click();
    EXPECT_TRUE(c.form->isVisible()) << c.opener;
    Repaint(c.form);
    EXPECT_EQ(c.form->frameGeometry().size(), c.size) << c.opener;
    QTest::keyClick(c.form, Qt::Key_Escape);
    EXPECT_FALSE(c.form->isVisible()) << c.opener;
  }
}

TEST_F(BoxShapeWindows, CuboidComputesAtShowKeepsTheLanguageOfItsComputationAndShowsPlaceholders) {
  Tquaderbox* f = forms::quaderbox;
  EXPECT_EQ(f->Label10->text(), "Resonanzfrequenzen");  // nothing computed before the first show
  Show(f);
  EXPECT_EQ(f->Label10->text(), "Resonanzfrequenz(en) (Hz) :  958    749    937");
  SetLanguage("english");
  Repaint(f);
  EXPECT_EQ(f->Label8->text(), "Tiefe  408 mm");  // still the German of the last computation
  f->CheckBox->click();
  EXPECT_EQ(f->Label8->text(), "depth  453 mm");
  Type(f->Edit2, "8");
  Repaint(f);
  EXPECT_EQ(TextsOf({f->Label7, f->Label8, f->Label9, f->Label10}), QStringList({"-", "?", "-", "-"}));
  EXPECT_FALSE(f->LastFigure().has_value());
  f->hoehe->setValue(1200);  // the height still follows its bar
  EXPECT_EQ(f->Label6->text(), "height 1200 mm");
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
  // Closing clears the flag: shown again, nothing is drawn until the option is set again.
  f->Button1->click();
  EXPECT_FALSE(f->DrawnFlag());
  Show(f);
  EXPECT_FALSE(f->LastFigure().has_value());
  Option("AutohousingSim", true);
  Repaint(f);
  EXPECT_TRUE(f->LastFigure().has_value());
}

TEST_F(BoxShapeWindows, TrapezoidComputesAtCreateAndHidesKeepingTheDrawnFlag) {
  Ttrapezbox* f = forms::trapezbox;
  EXPECT_EQ(f->Label8->text(), "Breite  586 mm");  // computed at creation
  EXPECT_EQ(f->Label9->text(), "Neigungswinkel 76.0 °");
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
  EXPECT_TRUE(f->DrawnFlag() && f->LastFigure().has_value());
  f->close();  // closing by the frame clears it
  EXPECT_FALSE(f->DrawnFlag());
  Show(f, "english");
  EXPECT_EQ(f->Label8->text(), "width  586 mm");
  EXPECT_EQ(f->Label3->text(), "cross-serction of flat rods (mm)");
}

TEST_F(BoxShapeWindows, TrapezoidDepthBarsHoldEachOtherThroughTheirHandlers) {
  Ttrapezbox* f = forms::trapezbox;
  Show(f);
  EXPECT_EQ(f->tiefeo->maximum(), 1000);  // nothing stops the top depth at the start
  f->tiefeo->setValue(500);
  EXPECT_EQ(QList<int>({f->tiefeu->minimum(), f->tiefeu->value(), f->tiefeo->maximum()}), QList<int>({500, 500, 500}));
  EXPECT_EQ(TextsOf({f->Label8, f->Label9, f->Label5, f->Label7}),
            QStringList({"-", QString::fromUtf8("° ?"), "Tiefe (oben)  500 mm", "Tiefe (unten)  500 mm"}));
  f->tiefeu->setValue(700);
  EXPECT_EQ(f->tiefeo->maximum(), 700);
  EXPECT_EQ(f->Label9->text(), "Neigungswinkel 63.4 °");  // arctan(400 / 200)
  Type(f->Editdicke, "60");
  f->hoehe->setValue(300);
  EXPECT_EQ(f->Label13->text(), QString::fromUtf8("Höhe der Seitenplatte  361 mm"));
}

TEST_F(BoxShapeWindows, PyramidFrustumControlsAndReadoutsAtEveryPaint) {
  Tpyramidebox* f = forms::pyramidebox;
  Show(f);
  EXPECT_FALSE(f->ScrollBar3->isEnabled() || f->Label8->isVisible());
  f->CheckBox1->click();
  EXPECT_TRUE(f->ScrollBar3->isEnabled() && f->Label8->isVisible());
  EXPECT_EQ(f->Label6->text(), QString::fromUtf8("Außenvolumen 45.5 l"));
  f->ScrollBar1->setValue(200);
  f->ScrollBar3->setValue(180);
  f->ScrollBar1->setValue(100);
  EXPECT_EQ(f->ScrollBar3->maximum(), 90);
  EXPECT_EQ(f->Label8->text(), QString::fromUtf8("Kantenlänge oben innen   90 mm, außen  132 mm"));
  // Without the frustum the bottom edge leaves the top edge alone.
  f->CheckBox1->click();
  f->ScrollBar1->setValue(1000);
  EXPECT_EQ(f->ScrollBar3->maximum(), 90);
  EXPECT_FALSE(f->Label8->isVisible());
  SetLanguage("english");
  Repaint(f);
  EXPECT_TRUE(f->Label3->text().startsWith("inner shelf length 1000 mm, ouside shelf length"));
  f->ScrollBar2->setValue(16);
  Type(f->Edit2, "5");
  EXPECT_EQ(f->Label5->text(), "-");
  EXPECT_EQ(f->Label1->text(), "corners: 16");
}

TEST_F(BoxShapeWindows, HelpTopicsAndPrintQuestion) {
  QStringList topics;
  for (QPushButton* help : {forms::quaderbox->Button3, forms::trapezbox->Button3, forms::pyramidebox->Button4}) {
    help->click();
    topics << seam.helpRequests.last().topic;
  }
  EXPECT_EQ(topics, QStringList({"QTX_contents0010", "QTX_contents0011", "QTX_contents0012"}));
  forms::quaderbox->Button4->click();
  SetLanguage("english");
  Repaint(forms::pyramidebox);
  forms::pyramidebox->Button3->click();
  AnswerNo();
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
  Option("AutohousingSim", false);  // switched off by another window: the next paint knows it
  f->repaint();
  EXPECT_FALSE(f->LastFigure().has_value());
  platform::InstallFileSeam(nullptr);
}

TEST_F(BoxShapeWindows, BadTextsInEveryEditNeverShowNanOrInf) {
  for (QLineEdit* edit : ShowAllAndTheirEdits()) {
    for (const QString& text : BadNumberTexts()) {
      Type(edit, text);
      Repaint(edit->window());
      ExpectNoNonFiniteTexts(edit->window());
    }
    edit->setText("30");
  }
}

TEST_F(BoxShapeWindows, CaptionsInBothLanguagesAndHiddenUntilOpened) {
  const struct { FormBase* form; const char* opener; const char* german; const char* english; } cases[] = {
      {forms::quaderbox, "quader", "Gehäuse: Quader / Standbox", "rectangle standing box"},
      {forms::trapezbox, "trapez", "Gehäuse: Trapezförmig / Car-Subwoofer", "trapezoid car woofer box"},
      {forms::pyramidebox, "pyramide", "Gehäuse: Pyramide", "pyramide box"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(c.form->isVisible()) << c.opener;
    forms::Form1->findChild<QAbstractButton*>(c.opener)->click();
    Repaint(c.form);
    EXPECT_EQ(c.form->windowTitle(), QString::fromUtf8(c.german));
    SetLanguage("english");
    Repaint(c.form);
    EXPECT_EQ(c.form->windowTitle(), QString::fromUtf8(c.english));
    SetLanguage("deutsch");
  }
}

TEST_F(BoxShapeWindows, CuboidReadoutsOfTheStartAndItsEnglishCaptions) {
  Tquaderbox* f = forms::quaderbox;
  EXPECT_EQ(f->Label7->text(), QString::fromUtf8("Außenvolumen "));
  Show(f);
  EXPECT_EQ(f->Label8->text(), "Tiefe  408 mm");
  EXPECT_EQ(f->Label9->text(), "Verlust durch Eckleisten 7.4 l");
  EXPECT_EQ(f->Label7->text(), QString::fromUtf8("Außenvolumen 81.6 l"));
  EXPECT_EQ(f->Label1->text(), "Innenvolumen in l");

  SetLanguage("english");
  Repaint(f);
  EXPECT_EQ(f->Label1->text(), "inner volume (liter)");
  EXPECT_EQ(f->Label3->text(), "cross-section of flat rods (mm)");
  EXPECT_EQ(f->CheckBox->text(), "use flat rods in corners");
  EXPECT_EQ(f->Button1->text(), "&close");
  f->CheckBox->click();
  EXPECT_EQ(f->Label7->text(), "outside volume 90.6 l");
  EXPECT_EQ(f->Label10->text(), "resonance frequencies (Hz) :  958    749    834");
}

TEST_F(BoxShapeWindows, CuboidWidthFollowsItsBarAndTooThickPanelsLeaveNoInnerWidth) {
  Tquaderbox* f = forms::quaderbox;
  Show(f);
  ASSERT_TRUE(f->LastFigure().has_value());
  Type(f->Edit2, "8");
  f->breite->setValue(650);
  EXPECT_EQ(f->Label5->text(), "Breite  650 mm");
  f->hoehe->setValue(1200);
  EXPECT_EQ(f->Label6->text(), QString::fromUtf8("Höhe 1200 mm"));
  // 100 mm panels on a 200 mm wide box leave no inner width.
  Type(f->Edit2, "100");
  f->breite->setValue(200);
  EXPECT_EQ(f->Label8->text(), "?");
  Type(f->Edit2, "21");
  Repaint(f);
  EXPECT_NE(f->Label8->text(), "?");
  EXPECT_TRUE(f->LastFigure().has_value());
}

TEST_F(BoxShapeWindows, ADrawnCuboidStaysThroughInputChangesAndClosingHidesIt) {
  Option("AutohousingSim", false);
  Tquaderbox* f = forms::quaderbox;
  Show(f);
  f->Button2->click();
  Type(f->Edit1, "80");
  Repaint(f);
  EXPECT_TRUE(f->LastFigure().has_value());
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
}

TEST_F(BoxShapeWindows, DrawingScalesWithTheWindowAndTakesTheDriverDiameter) {
  Tquaderbox* f = forms::quaderbox;
  Show(f);
  ASSERT_TRUE(f->LastFigure().has_value());
  EXPECT_EQ(f->LastFigure()->texts[0].text, "d=25.3cm");
  const double before = f->LastFigure()->scale;
  f->resize(800, 700);
  Repaint(f);
  EXPECT_GT(f->LastFigure()->scale, before);
  SetLanguage("english");
  Repaint(f);
  EXPECT_EQ(f->LastFigure()->texts[1].text, "front");
}

TEST_F(BoxShapeWindows, TrapezoidWithEqualDepthsShowsDashesAndNoDrawing) {
  Ttrapezbox* f = forms::trapezbox;
  Show(f);
  f->tiefeo->setValue(500);
  EXPECT_EQ(TextsOf({f->Label10, f->Label11, f->Label12}), QStringList({"-", "-", "-"}));
  Repaint(f);
  EXPECT_FALSE(f->LastFigure().has_value());
  f->tiefeu->setValue(700);
  // A 60 mm thickness is out of range: invalid again, the height still follows.
  Type(f->Editdicke, "60");
  EXPECT_EQ(f->Label8->text(), "-");
  f->hoehe->setValue(300);
  EXPECT_EQ(f->Label6->text(), QString::fromUtf8("Höhe  300 mm"));
}

TEST_F(BoxShapeWindows, PyramidStartReadoutsBarLimitsAndEnglishCaptions) {
  Tpyramidebox* f = forms::pyramidebox;
  EXPECT_FALSE(f->Button2->isEnabled());
  Show(f);
  EXPECT_EQ(f->Label1->text(), "Ecken:  4");
  EXPECT_EQ(f->Label6->text(), QString::fromUtf8("Außenvolumen 40.6 l"));
  EXPECT_EQ(f->Label4->text(), "Plattendicke in mm");
  f->CheckBox1->click();
  f->ScrollBar1->setValue(200);
  EXPECT_EQ(f->ScrollBar3->maximum(), 180);
  f->ScrollBar3->setValue(180);
  f->ScrollBar1->setValue(100);
  EXPECT_EQ(f->ScrollBar3->value(), 90);
  f->CheckBox1->click();
  EXPECT_FALSE(f->ScrollBar3->isEnabled());
  SetLanguage("english");
  Repaint(f);
  EXPECT_EQ(f->Label1->text(), "corners:  4");
  EXPECT_EQ(f->Label2->text(), "inner volume (liter)");
  EXPECT_EQ(f->CheckBox1->text(), "frustum of pyr.");
  f->ScrollBar2->setValue(16);
  EXPECT_EQ(f->Label1->text(), "corners: 16");
  // Sixteen flat faces lean at 3.8 deg; the leg runs to the apex from a corner 790 mm out.
  f->ScrollBar1->setValue(300);
  EXPECT_EQ(TextsOf({f->Label5, f->Label7, f->Label9}),
            QStrings({"pyramid tilt angle 3.8°", "leg length of triangular shelf  802 mm", "height of shelf  787 mm"}));
}

TEST_F(BoxShapeWindows, LongNegativeAndSmallTextsNeverShowNanOrInf) {
  for (QLineEdit* edit : ShowAllAndTheirEdits()) {
    for (const QString& text : {QString("-12"), QString("123456789012345678901234567890"), QString("5")}) {
      Type(edit, text);
      Repaint(edit->window());
      ExpectNoNonFiniteTexts(edit->window());
    }
    edit->setText("30");
  }
}

}  // namespace
}  // namespace velomare::test

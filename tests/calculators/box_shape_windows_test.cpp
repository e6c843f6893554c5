// The three box-shape windows driven through their controls offscreen: the events of each with
// their differences, the read-outs in both languages, the drawing's flags, the trapezoid's depth
// bars, the pyramid's frustum controls, bad input, help, print and Esc.
#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include "TestSupport.h"
#include "app/AllForms.h"
#include "common/Settings.h"

namespace velomare::test {
namespace {

class BoxShapeWindows : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n");
    StartProgram();
  }
  static void Paint(QWidget* w) {
    w->grab();
    QCoreApplication::processEvents();
  }
  static void Show(FormBase* w) {
    w->ShowForm();
    Paint(w);
  }
  static void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    if (text.isEmpty())
      QTest::keyClick(edit, Qt::Key_Delete);
    else
      QTest::keyClicks(edit, text);
  }
  void SetOption(const char* key, const char* value) { OpenSettings().WriteString("Options", key, value); }
  void SetLanguage(const char* language) { OpenSettings().WriteString("Info", "Sprache", language); }
  static QString Text(QLabel* label) { return label->text(); }
};

TEST_F(BoxShapeWindows, SizesCaptionsAndTheMainWindowOpensThem) {
  struct Case {
    FormBase* form;
    const char* opener;
    int w, h;
    const char* german;
    const char* english;
  } cases[] = {
      {forms::quaderbox, "quader", 577, 418, "Gehäuse: Quader / Standbox", "rectangle standing box"},
      {forms::trapezbox, "trapez", 633, 423, "Gehäuse: Trapezförmig / Car-Subwoofer", "trapezoid car woofer box"},
      {forms::pyramidebox, "pyramide", 595, 445, "Gehäuse: Pyramide", "pyramide box"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(c.form->isVisible());
    forms::Form1->findChild<QAbstractButton*>(c.opener)->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(c.form->isVisible()) << c.opener;
    Paint(c.form);
    EXPECT_EQ(c.form->frameGeometry().size(), QSize(c.w, c.h));
    EXPECT_EQ(c.form->windowTitle(), QString::fromUtf8(c.german));
    SetLanguage("english");
    Paint(c.form);
    EXPECT_EQ(c.form->windowTitle(), QString::fromUtf8(c.english));
    SetLanguage("deutsch");
    // Esc presses the cancel button, which takes the window away.
    QTest::keyClick(c.form, Qt::Key_Escape);
    EXPECT_FALSE(c.form->isVisible()) << c.opener;
  }
}

TEST_F(BoxShapeWindows, CuboidComputesAtShowAndKeepsTheLanguageOfItsLastComputation) {
  Tquaderbox* f = forms::quaderbox;
  // Nothing computed before the first show: the labels hold their initial texts.
  EXPECT_EQ(Text(f->Label10), "Resonanzfrequenzen");
  EXPECT_EQ(Text(f->Label7), QString::fromUtf8("Außenvolumen "));
  Show(f);
  EXPECT_EQ(Text(f->Label8), "Tiefe  408 mm");
  EXPECT_EQ(Text(f->Label9), "Verlust durch Eckleisten 7.4 l");
  EXPECT_EQ(Text(f->Label7), QString::fromUtf8("Außenvolumen 81.6 l"));
  EXPECT_EQ(Text(f->Label10), "Resonanzfrequenz(en) (Hz) :  958    749    937");
  EXPECT_EQ(Text(f->Label1), "Innenvolumen in l");

  SetLanguage("english");
  Paint(f);
  EXPECT_EQ(Text(f->Label1), "inner volume (liter)");
  EXPECT_EQ(Text(f->Label3), "cross-section of flat rods (mm)");
  EXPECT_EQ(f->CheckBox->text(), "use flat rods in corners");
  EXPECT_EQ(f->Button1->text(), "&close");
  EXPECT_EQ(Text(f->Label8), "Tiefe  408 mm");  // still the German of the last computation
  f->CheckBox->click();
  EXPECT_EQ(Text(f->Label8), "depth  453 mm");
  EXPECT_EQ(Text(f->Label7), "outside volume 90.6 l");
  EXPECT_EQ(Text(f->Label10), "resonance frequencies (Hz) :  958    749    834");
}

TEST_F(BoxShapeWindows, CuboidInvalidInputsShowPlaceholdersAndHideTheDrawing) {
  Tquaderbox* f = forms::quaderbox;
  Show(f);
  ASSERT_TRUE(f->LastFigure().has_value());
  Type(f->Edit2, "8");
  Paint(f);
  EXPECT_EQ(Text(f->Label7), "-");
  EXPECT_EQ(Text(f->Label8), "?");
  EXPECT_EQ(Text(f->Label9), "-");
  EXPECT_EQ(Text(f->Label10), "-");
  EXPECT_FALSE(f->LastFigure().has_value());
  // Width and height still follow their bars.
  f->breite->setValue(650);
  f->hoehe->setValue(1200);
  EXPECT_EQ(Text(f->Label5), "Breite  650 mm");
  EXPECT_EQ(Text(f->Label6), QString::fromUtf8("Höhe 1200 mm"));
  // 100 mm panels on a 200 mm wide box leave no inner width.
  Type(f->Edit2, "100");
  f->breite->setValue(200);
  EXPECT_EQ(Text(f->Label8), "?");
  Type(f->Edit2, "21");
  Paint(f);
  EXPECT_NE(Text(f->Label8), "?");
  EXPECT_TRUE(f->LastFigure().has_value());
}

TEST_F(BoxShapeWindows, DrawingFollowsTheOptionAndTheDrawButtonUntilClosed) {
  SetOption("AutohousingSim", "0");
  Tquaderbox* f = forms::quaderbox;
  Show(f);
  EXPECT_FALSE(f->LastFigure().has_value());
  f->Button2->click();
  Paint(f);
  ASSERT_TRUE(f->LastFigure().has_value());
  // The drawing is painted: the front's bottom edge is dark in the window's image.
  const QImage image = f->grab().toImage();
  const FigureLine bottom = f->LastFigure()->lines[0];
  EXPECT_LT(qGray(image.pixel((bottom.x1 + bottom.x2) / 2, bottom.y1)), 80);
  EXPECT_GT(qGray(image.pixel((bottom.x1 + bottom.x2) / 2, bottom.y1 - 3)), 150);
  // Input changes and repaints keep it.
  Type(f->Edit1, "80");
  Paint(f);
  EXPECT_TRUE(f->LastFigure().has_value());
  // Closing clears the flag: shown again, nothing is drawn.
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_FALSE(f->DrawnFlag());
  Show(f);
  EXPECT_FALSE(f->LastFigure().has_value());
  // The option is read again at every paint.
  SetOption("AutohousingSim", "1");
  Paint(f);
  EXPECT_TRUE(f->LastFigure().has_value());
}

TEST_F(BoxShapeWindows, DrawingScalesWithTheWindowAndTakesTheDriverDiameter) {
  Tquaderbox* f = forms::quaderbox;
  Show(f);
  ASSERT_TRUE(f->LastFigure().has_value());
  EXPECT_EQ(f->LastFigure()->texts[0].text, "d=25.3cm");
  const double before = f->LastFigure()->scale;
  f->resize(800, 700);
  Paint(f);
  EXPECT_GT(f->LastFigure()->scale, before);
  SetLanguage("english");
  Paint(f);
  EXPECT_EQ(f->LastFigure()->texts[1].text, "front");
}

TEST_F(BoxShapeWindows, TrapezoidComputesAtCreateAndHidesKeepingTheDrawnFlag) {
  Ttrapezbox* f = forms::trapezbox;
  EXPECT_EQ(Text(f->Label8), "Breite  586 mm");  // computed at creation
  EXPECT_EQ(Text(f->Label9), "Neigungswinkel 76.0 °");
  SetOption("AutohousingSim", "0");
  Show(f);
  EXPECT_FALSE(f->LastFigure().has_value());
  f->Button2->click();
  Paint(f);
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
  SetLanguage("english");
  Show(f);
  EXPECT_EQ(Text(f->Label8), "width  586 mm");
  EXPECT_EQ(Text(f->Label3), "cross-serction of flat rods (mm)");
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
  // Equal depths are invalid: dashes, the depths and the height still follow.
  EXPECT_EQ(Text(f->Label8), "-");
  EXPECT_EQ(Text(f->Label10), "-");
  EXPECT_EQ(Text(f->Label11), "-");
  EXPECT_EQ(Text(f->Label12), "-");
  EXPECT_EQ(Text(f->Label9), QString::fromUtf8("° ?"));
  EXPECT_EQ(Text(f->Label5), "Tiefe (oben)  500 mm");
  EXPECT_EQ(Text(f->Label7), "Tiefe (unten)  500 mm");
  Paint(f);
  EXPECT_FALSE(f->LastFigure().has_value());
  f->tiefeu->setValue(700);
  EXPECT_EQ(f->tiefeo->maximum(), 700);
  EXPECT_EQ(Text(f->Label9), "Neigungswinkel 63.4 °");  // arctan(400 / 200)
  // A 60 mm thickness is out of range: invalid again, the slanted panel still follows.
  Type(f->Editdicke, "60");
  EXPECT_EQ(Text(f->Label8), "-");
  f->hoehe->setValue(300);
  EXPECT_EQ(Text(f->Label13), QString::fromUtf8("Höhe der Seitenplatte  361 mm"));
  EXPECT_EQ(Text(f->Label6), QString::fromUtf8("Höhe  300 mm"));
}

TEST_F(BoxShapeWindows, PyramidFrustumControlsAndReadoutsAtEveryPaint) {
  Tpyramidebox* f = forms::pyramidebox;
  EXPECT_FALSE(f->Button2->isEnabled());
  Show(f);
  EXPECT_EQ(Text(f->Label1), "Ecken:  4");
  EXPECT_EQ(Text(f->Label6), QString::fromUtf8("Außenvolumen 40.6 l"));
  EXPECT_EQ(Text(f->Label4), "Plattendicke in mm");
  EXPECT_FALSE(f->ScrollBar3->isEnabled());
  EXPECT_FALSE(f->Label8->isVisible());
  f->CheckBox1->click();
  EXPECT_TRUE(f->ScrollBar3->isEnabled());
  EXPECT_TRUE(f->Label8->isVisible());
  EXPECT_EQ(Text(f->Label6), QString::fromUtf8("Außenvolumen 45.5 l"));
  f->ScrollBar1->setValue(200);
  EXPECT_EQ(f->ScrollBar3->maximum(), 180);
  f->ScrollBar3->setValue(180);
  f->ScrollBar1->setValue(100);
  EXPECT_EQ(f->ScrollBar3->maximum(), 90);
  EXPECT_EQ(f->ScrollBar3->value(), 90);
  EXPECT_EQ(Text(f->Label8), QString::fromUtf8("Kantenlänge oben innen   90 mm, außen  132 mm"));
  // Without the frustum the bottom edge leaves the top edge alone.
  f->CheckBox1->click();
  f->ScrollBar1->setValue(1000);
  EXPECT_EQ(f->ScrollBar3->maximum(), 90);
  EXPECT_FALSE(f->ScrollBar3->isEnabled());
  EXPECT_FALSE(f->Label8->isVisible());
  // A change of language reaches the read-outs at the next paint.
  SetLanguage("english");
  Paint(f);
  EXPECT_EQ(Text(f->Label1), "corners:  4");
  EXPECT_EQ(Text(f->Label2), "inner volume (liter)");
  EXPECT_EQ(f->CheckBox1->text(), "frustum of pyr.");
  EXPECT_TRUE(Text(f->Label3).startsWith("inner shelf length 1000 mm, ouside shelf length"));
  f->ScrollBar2->setValue(16);
  EXPECT_EQ(Text(f->Label1), "corners: 16");
  Type(f->Edit2, "5");
  EXPECT_EQ(Text(f->Label5), "-");
  EXPECT_EQ(Text(f->Label1), "corners: 16");
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
  Paint(forms::pyramidebox);
  forms::pyramidebox->Button3->click();
  seam.answer = [](const QString&) { return platform::Answer::No; };
  forms::trapezbox->Button4->click();
  EXPECT_EQ(seam.questions, QStringList({"Fenster drucken?", "print window?", "print window?"}));
  EXPECT_EQ(seam.printed, QList<QWidget*>({forms::quaderbox, forms::pyramidebox}));
}

TEST_F(BoxShapeWindows, DraggingABarReadsTheSettingsOnlyWhenTheyChanged) {
  Tquaderbox* f = forms::quaderbox;
  Show(f);
  platform::FileSeam files;
  platform::InstallFileSeam(&files);
  for (int width = 400; width < 500; ++width) {
    f->breite->setValue(width);
    f->repaint();
  }
  EXPECT_LE(files.reads, 1);
  EXPECT_TRUE(f->LastFigure().has_value());
  // Switched off by another window: the next paint knows it.
  SetOption("AutohousingSim", "0");
  f->repaint();
  EXPECT_FALSE(f->LastFigure().has_value());
  platform::InstallFileSeam(nullptr);
}

TEST_F(BoxShapeWindows, ColourSchemeSetsTheWindowBackground) {
  SetOption("color", "1");
  Show(forms::quaderbox);
  EXPECT_EQ(forms::quaderbox->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(BoxShapeWindows, BadTextsInEveryEditNeverShowNanOrInf) {
  const QStringList bad = {"abc", "", "-", "0", "-12", "123456789012345678901234567890", "1e999", "5"};
  Show(forms::quaderbox);
  Show(forms::trapezbox);
  Show(forms::pyramidebox);
  const QList<QLineEdit*> edits = {forms::quaderbox->Edit1,   forms::quaderbox->Edit2,  forms::quaderbox->Edit3,
                                   forms::quaderbox->Edit4,   forms::trapezbox->Editvol, forms::trapezbox->Editdicke,
                                   forms::trapezbox->Edit1,   forms::trapezbox->Edit2,  forms::pyramidebox->Edit1,
                                   forms::pyramidebox->Edit2};
  for (QLineEdit* edit : edits) {
    for (const QString& text : bad) {
      Type(edit, text);
      QWidget* window = edit->window();
      Paint(window);
      for (QLabel* label : window->findChildren<QLabel*>()) {
        static const QRegularExpression notANumber(QStringLiteral("\\b-?(nan|inf)\\b"),
                                                   QRegularExpression::CaseInsensitiveOption);
        EXPECT_FALSE(label->text().contains(notANumber)) << label->text().toStdString();
      }
    }
    edit->setText("30");
  }
}

}  // namespace
}  // namespace velomare::test

// The impedance-correction window driven through its controls: the committed driver, the lines
// as the model gives them, the coil button, the diagram, the read-out, help, print, bad input.
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "driver/model/CommittedDriver.h"
#include "filters/model/ImpedanceCorrection.h"

namespace velomare::test {
namespace {

const QColor kBlue(0, 0, 255);

class ImpWindow : public WindowTest<TImp, &forms::Imp> {
 protected:
  void ShowDesigned(const char* language = "deutsch") {
    SetLanguage(language);
    Activate();
    Repaint();
  }
  std::array<QLineEdit*, 6> Edits() {
    return {form()->Edit1, form()->Edit2, form()->Edit3, form()->Edit4, form()->Edit5, form()->Edit6};
  }
  void TypeExample() {
    const char* texts[] = {"6", "100", "500", "60", "40", "4,7"};
    for (std::size_t i = 0; i < 6; ++i) Type(Edits()[i], texts[i]);
  }
  QStringList Lines() { return TextsOf({form()->Label13, form()->Label14, form()->Label15, form()->Label16}); }
  // What the model gives for the texts the edits hold.
  QStringList ModelLines(bool english) {
    std::array<std::string, 6> texts;
    for (std::size_t i = 0; i < 6; ++i) texts[i] = Edits()[i]->text().toStdString();
    const ImpLines l = ImpResultLines(ComputeImpNetworks(ReadImpInputs(texts)), english);
    return QStrings({l.r1, l.c1, l.r2, l.c2});
  }
};

TEST_F(ImpWindow, IsBuiltAtTheDesignedOuterSizeWithTheDesignedTexts) {
  EXPECT_EQ(form()->frameGeometry().size(), QSize(700, 475));
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur");
  EXPECT_EQ(form()->Edit6->text(), "4,7");
  EXPECT_EQ(form()->Label8->text(), "Watt (8 Ohm)");
  EXPECT_EQ(Lines(), (QStringList{"Widerstand R1 ", "Kondensator C1 ", "Widerstand R2 ", "Kondensator C2 "}));
  EXPECT_EQ(form()->Image1->geometry(), QRect(328, 8, 287, 140));
  EXPECT_EQ(form()->Button5->geometry(), QRect(249, 141, 25, 25));
}

// The R1–L–C1 branch of the wiring picture runs down x = 80 from R1's box (bottom at y = 50) to
// C1's upper plate (y = 96); between them the coil L is four loops bulging to the right, with
// plain wire above and below it. A column 5 px right of the branch crosses each loop once.
TEST_F(ImpWindow, WiringPictureDrawsTheCoilAsFourLoopsBetweenR1AndC1) {
  ShowDesigned();
  const QImage image = form()->Image1->grab().toImage();
  int loops = 0;
  bool inLoop = false;
  for (int y = 51; y < 96; ++y) {
    const bool ink = image.pixelColor(85, y) == QColor(Qt::black);
    if (ink && !inLoop) ++loops;
    inLoop = ink;
  }
  EXPECT_EQ(loops, 4);
  for (int y : {51, 55, 85, 95}) EXPECT_EQ(image.pixelColor(80, y), QColor(Qt::black)) << "the wire at y = " << y;
}

TEST_F(ImpWindow, ShowTakesTheCommittedReAndLe) {
  ShowDesigned();
  EXPECT_EQ(form()->Label15->text(), "Widerstand R2=10.2 Ohm; 4.5 W");
  form()->hide();
  ChassisRe = 5.6;
  ChassisLe = 1234.6;
  ShowDesigned();
  EXPECT_EQ(form()->Edit1->text(), "5,6");
  EXPECT_EQ(form()->Edit3->text(), "1235");
  EXPECT_EQ(form()->Label8->text(), "Watt (8 Ohm)");
  // Committed values of zero or below leave the edits.
  Type(form()->Edit1, "4");
  Type(form()->Edit3, "300");
  form()->hide();
  ChassisRe = 0;
  ChassisLe = -5;
  ShowDesigned();
  EXPECT_EQ(form()->Edit1->text(), "4");
  EXPECT_EQ(form()->Edit3->text(), "300");
}

TEST_F(ImpWindow, ShowTakesTheCommittedReAndLeWhenAboveZero) {
  ShowDesigned();
  EXPECT_EQ(form()->Edit1->text() + " " + form()->Edit3->text(), "6,8 1500");  // the built-in driver
  EXPECT_EQ(form()->Label8->text(), "Watt (10 Ohm)");
  Type(form()->Edit1, "4");
  form()->hide();
  ChassisRe = 0;
  ChassisLe = 1234.6;
  ShowDesigned();
  EXPECT_EQ(form()->Edit1->text() + " " + form()->Edit3->text(), "4 1235");
}

TEST_F(ImpWindow, EveryKeystrokeShowsTheModelsLinesAndPowerLabel) {
  for (const char* language : {"deutsch", "english"}) {
    ShowDesigned(language);
    TypeExample();
    EXPECT_EQ(Lines(), ModelLines(language[0] == 'e')) << language;
    Type(form()->Edit5, "7");
    EXPECT_EQ(Lines(), ModelLines(language[0] == 'e')) << language;
  }
  Type(form()->Edit1, "16");
  EXPECT_EQ(form()->Label8->text(), "Watt (23 Ohm)");
  Type(form()->Edit1, "0,3");
  EXPECT_EQ(form()->Label8->text(), "Watt (23 Ohm)") << "kept where the model gives nothing";
}

TEST_F(ImpWindow, EveryKeystrokeRecomputesTheLinesInTheLanguage) {
  ShowDesigned();
  TypeExample();
  EXPECT_EQ(Lines(), (QStringList{"Widerstand R1=9.7 Ohm; 16.7 W", "Kondensator C1=1497.06 µF; 27.9 V",
                                  "Widerstand R2=9.0 Ohm; 3.9 W", "Kondensator C2=6.17 µF; 24.5 V"}));
  EXPECT_EQ(form()->Label8->text(), "Watt (9 Ohm)");
  Type(form()->Edit5, "7");
  EXPECT_EQ(form()->Label13->text(), "R1 ");
  EXPECT_EQ(form()->Label14->text(), "Kondensator C1=1497.06 µF; 27.9 V");
  Type(form()->Edit4, "10");
  EXPECT_EQ(Lines(), (QStringList{"R1 ", "C1 ", "R2 ", "C2 "}));
  form()->hide();
  ShowDesigned("english");
  TypeExample();
  EXPECT_EQ(Lines(), (QStringList{"resistor R1=9.7 ohms; 16.7 W", "capacitor C1=1497.06 µF; 27.9 V",
                                  "resistor R2=9.0 ohms; 3.9 W", "capacitor C2=6.17 µF / 24.5 V"}));
}

TEST_F(ImpWindow, PowerLabelFollowsReOnlyAboveHalfAnOhm) {
  ShowDesigned();
  Type(form()->Edit1, "6");
  EXPECT_EQ(form()->Label8->text(), "Watt (9 Ohm)");
  Type(form()->Edit1, "0,3");
  EXPECT_EQ(form()->Label8->text(), "Watt (9 Ohm)");
  Type(form()->Edit1, "abc");
  EXPECT_EQ(form()->Label8->text(), "Watt (8 Ohm)");
  Type(form()->Edit1, "16");
  EXPECT_EQ(form()->Label8->text(), "Watt (23 Ohm)");
  // Only Re moves it.
  Type(form()->Edit2, "5");
  EXPECT_EQ(form()->Label8->text(), "Watt (23 Ohm)");
}

TEST_F(ImpWindow, CoilButtonWritesTheCoilOfTheCommittedQesAndRecomputes) {
  ShowDesigned();
  TypeExample();
  ChassisQes = 0.513;
  QTest::mouseClick(form()->Button5, Qt::LeftButton);
  EXPECT_EQ(form()->Edit6->text(), "8,17");
  EXPECT_EQ(Lines(), ModelLines(false));
  // The edit's handler recomputed C1 from the new coil: 10^9 / (4 pi^2 60^2 8.17) = 861.2 µF.
  EXPECT_EQ(form()->Label14->text(), "Kondensator C1=861.22 µF; 27.9 V");
  ChassisQes = 0;
  QTest::mouseClick(form()->Button5, Qt::LeftButton);
  EXPECT_EQ(form()->Edit6->text(), "0");
  EXPECT_EQ(Lines(), (QStringList{"R1 ", "C1 ", "R2 ", "C2 "}));
  // With no valid network the button writes 0.
  ChassisQes = 0.4;
  Type(form()->Edit6, "4,7");
  Type(form()->Edit4, "10");
  QTest::mouseClick(form()->Button5, Qt::LeftButton);
  EXPECT_EQ(form()->Edit6->text(), "0");
}

TEST_F(ImpWindow, DiagramIsDrawnWhileAutoFilterSimIsSetAndSurvivesRepaints) {
  ShowDesigned();
  TypeExample();
  Repaint();
  EXPECT_TRUE(form()->DiagramShown());
  const int blue = Pixels(kBlue);
  EXPECT_GT(blue, 400);
  // The 1-ohm line at y = 430.
  EXPECT_EQ(form()->grab().toImage().pixelColor(100, 430), QColor(Qt::black));
  form()->resize(form()->size() + QSize(1, 1));
  form()->resize(form()->size() - QSize(1, 1));
  Repaint();
  EXPECT_EQ(Pixels(kBlue), blue);
  // Invalid input: nothing is drawn.
  Type(form()->Edit2, "0");
  EXPECT_EQ(Pixels(kBlue), 0);
  Type(form()->Edit2, "100");
  Type(form()->Edit5, "7");
  EXPECT_GT(Pixels(kBlue), 400) << "a negative R1 still draws";
}

TEST_F(ImpWindow, WithoutAutoFilterSimOnlyTheButtonDrawsUntilAnInputChanges) {
  Option("AutoFilterSim", false);
  ShowDesigned();
  TypeExample();
  EXPECT_EQ(Pixels(kBlue), 0);
  QTest::mouseClick(form()->Button3, Qt::LeftButton);
  EXPECT_GT(Pixels(kBlue), 400);
  // Repaints, resizes and a new activation keep it.
  form()->resize(form()->size() + QSize(10, 10));
  Repaint();
  Reactivate();
  EXPECT_GT(Pixels(kBlue), 400);
  Type(form()->Edit2, "120");
  EXPECT_EQ(Pixels(kBlue), 0);
  // The option is re-read at the next activation.
  Option("AutoFilterSim", true);
  Reactivate();
  EXPECT_GT(Pixels(kBlue), 400);
}

TEST_F(ImpWindow, DiagramFollowsAutoFilterSimAndTheInputs) {
  ShowDesigned();
  TypeExample();
  // The first point, 14.1 ohms at 10 Hz, lies at (15, 345).
  EXPECT_EQ(form()->grab().toImage().pixelColor(15, 345), kBlue);
  EXPECT_GT(Pixels(kBlue), 400);
  Type(form()->Edit5, "7,8");  // Zmax at 1.3 Re: no R1, no curve
  EXPECT_EQ(Pixels(kBlue), 0);
  Option("AutoFilterSim", false);  // read again at every activation
  Reactivate();
  Type(form()->Edit5, "7");
  EXPECT_EQ(Pixels(kBlue), 0);
  QTest::mouseClick(form()->Button3, Qt::LeftButton);
  EXPECT_GT(Pixels(kBlue), 400) << "a negative R1 still draws";
  Reactivate();
  EXPECT_GT(Pixels(kBlue), 400);
  Type(form()->Edit2, "120");
  EXPECT_EQ(Pixels(kBlue), 0);
}

TEST_F(ImpWindow, CaptionReadsOutTheCursorInThePlotAreaOnly) {
  ShowDesigned();
  MoveMouse({216, 283});
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur (Cursor 100,0 Hz / 101,5 Ohm)");
  EXPECT_EQ(form()->cursor().shape(), Qt::CrossCursor);
  // A repaint keeps the read-out.
  Repaint();
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur (Cursor 100,0 Hz / 101,5 Ohm)");
  MoveMouse({216, 150});
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur");
  EXPECT_EQ(form()->cursor().shape(), Qt::ArrowCursor);
  form()->hide();
  ShowDesigned("english");
  Reactivate();  // offscreen, a window hidden while active is not activated again by its show
  EXPECT_EQ(form()->windowTitle(), "impedance correction");
  MoveMouse({216, 283});
  EXPECT_EQ(form()->windowTitle(), "impedance correction (cursor 100,0 Hz / 101,5 ohms)");
}

TEST_F(ImpWindow, TinyWindowShowsThePlainCaption) {
  ShowDesigned();
  for (QSize outer : {QSize(700, 255), QSize(700, 200), QSize(30, 475), QSize(120, 120)}) {
    ResizeOuter(outer);
    MoveMouse({20, 240});
    EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur") << outer.width() << "x" << outer.height();
    Repaint();
  }
}

TEST_F(ImpWindow, AnyTextInAnyEditShowsNoNanOrInfAndEveryLineFits) {
  ShowDesigned();
  TypeExample();
  TypeIntoEach({form()->Edit1, form()->Edit2, form()->Edit3, form()->Edit4, form()->Edit5, form()->Edit6},
               BadNumberTexts(), [&](const QString&) {
                 for (QLabel* l : {form()->Label8, form()->Label13, form()->Label14, form()->Label15, form()->Label16})
                   EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
               });
}

TEST_F(ImpWindow, LongAndTinyNumbersFromTheExampleShowNoNanOrInfInTheLinesOrTheReadOut) {
  ShowDesigned();
  for (QLineEdit* edit : Edits()) {
    for (const char* text : {"-7", "99999999999999999999", "0,00000000000000001", "123456789012345678901234567890", "7,8"}) {
      SCOPED_TRACE(edit->objectName().toStdString() + " <- " + text);
      TypeExample();
      Type(edit, QString::fromLatin1(text));
      Repaint();
      MoveMouse({300, 300});
      QStringList shown = Lines();
      shown << form()->Label8->text() << form()->windowTitle();
      for (const QString& line : shown) EXPECT_FALSE(ShowsNonFinite(line.toStdString())) << line.toStdString();
      for (QLabel* l : {form()->Label8, form()->Label13, form()->Label14, form()->Label15, form()->Label16})
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
    }
  }
}

TEST_F(ImpWindow, EscAndTheCloseButtonHideTheWindow) {
  ShowDesigned();
  QTest::mouseClick(form()->Button1, Qt::LeftButton);
  EXPECT_FALSE(form()->isVisible());
  ShowDesigned();
  QTest::keyClick(form()->Edit2, Qt::Key_Return);
  EXPECT_FALSE(form()->isVisible());
  ShowDesigned();
  form()->Edit3->setFocus();
  QTest::keyClick(form()->Edit3, Qt::Key_Escape);
  EXPECT_FALSE(form()->isVisible());
}

TEST_F(ImpWindow, PrintAskedAndRefusedPrintsNothing) {
  ShowDesigned();
  QTest::mouseClick(form()->Button2, Qt::LeftButton);
  ASSERT_FALSE(seam.helpRequests.isEmpty());
  EXPECT_EQ(seam.helpRequests.last().file, "VELO.HLP");
  AnswerNo();
  QTest::mouseClick(form()->Button4, Qt::LeftButton);
  EXPECT_EQ(seam.questions.value(0), "Fenster drucken?");
  EXPECT_TRUE(seam.printed.isEmpty());
}

TEST_F(ImpWindow, TextsInBothLanguages) {
  ShowDesigned();
  TImp* f = form();
  const auto texts = [f] {
    return QStringList{f->Label1->text(), f->Label2->text(), f->Label3->text(), f->Label4->text(),
                       f->Label5->text(), f->Label6->text(), f->Button1->text(), f->Button3->text(),
                       f->Button4->text(), f->Button2->text(), f->Label7->text(), f->Label12->text()};
  };
  EXPECT_EQ(texts(), (QStringList{"Gleichstromwiderstand Re", "abgegebene Leistung P", "Schwingspuleninduktivität Le",
                                  "Frequenz der Überhöhung", "Überhöhung bei Resonanz", "Spule L im Korrekturteil",
                                  "S&chliessen", "&Simulation", "&Drucken", "&Hilfe", "Ohm ", "mH"}));
  f->hide();
  ShowDesigned("english");
  EXPECT_EQ(texts(), (QStringList{"speaker coil resistance Re", "output power P", "speaker coil inductivity Le",
                                  "resonance frequency (raising)", "raising impedance (resonance)",
                                  "coil L in corr. part", "&close", "&simulation", "&print", "&help", "Ohm ", "mH"}));
  for (QLabel* l : {f->Label1, f->Label2, f->Label3, f->Label4, f->Label5, f->Label6})
    EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
}

TEST_F(ImpWindow, CloseHelpAndPrint) {
  ShowDesigned();
  ExpectHelpAndPrint(form()->Button2, "QTX_contents0017", form()->Button4);
  form()->Edit3->setFocus();
  QTest::keyClick(form()->Edit3, Qt::Key_Return);
  EXPECT_FALSE(form()->isVisible());
}

}  // namespace
}  // namespace velomare::test

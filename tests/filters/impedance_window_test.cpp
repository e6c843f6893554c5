// The impedance-correction window driven through its controls: the committed driver, the lines
// as the model gives them, the coil button, the diagram, the read-out, help, print, bad input.
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

TEST_F(ImpWindow, CoilButtonWritesTheCoilOfTheCommittedQesAndRecomputes) {
  ShowDesigned();
  TypeExample();
  ChassisQes = 0.513;
  QTest::mouseClick(form()->Button5, Qt::LeftButton);
  EXPECT_EQ(form()->Edit6->text(), "8,17");
  EXPECT_EQ(Lines(), ModelLines(false));
  ChassisQes = 0;
  QTest::mouseClick(form()->Button5, Qt::LeftButton);
  EXPECT_EQ(form()->Edit6->text(), "0");
  EXPECT_EQ(Lines(), (QStringList{"R1 ", "C1 ", "R2 ", "C2 "}));
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
  MoveMouse({216, 150});
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur");
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

TEST_F(ImpWindow, CloseHelpAndPrint) {
  ShowDesigned();
  ExpectHelpAndPrint(form()->Button2, "QTX_contents0017", form()->Button4);
  form()->Edit3->setFocus();
  QTest::keyClick(form()->Edit3, Qt::Key_Return);
  EXPECT_FALSE(form()->isVisible());
}

}  // namespace
}  // namespace velomare::test

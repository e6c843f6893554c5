// The impedance-correction window driven through its controls: show with the committed driver,
// the result lines and the power label as the model gives them, the coil button, the diagram with
// and without "AutoFilterSim", the caption read-out, closing, help, print and bad input.
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

const std::array<const char*, 6> kExample = {"6", "100", "500", "60", "40", "4,7"};
const QColor kBlue(0, 0, 255);

class ImpWindow : public WindowTest<TImp, &forms::Imp> {
 protected:
  // Shows the window, which opens at its designed outer size whatever frame the platform adds.
  void ShowDesigned(const char* language = "deutsch") {
    SetLanguage(language);
    form()->ShowForm();
    Activate();
    Repaint();
  }
  std::array<QLineEdit*, 6> Edits() {
    return {form()->Edit1, form()->Edit2, form()->Edit3, form()->Edit4, form()->Edit5, form()->Edit6};
  }
  void TypeAll(const std::array<const char*, 6>& texts) {
    for (std::size_t i = 0; i < 6; ++i) Type(Edits()[i], QString::fromUtf8(texts[i]));
  }
  QStringList Lines() {
    return {form()->Label13->text(), form()->Label14->text(), form()->Label15->text(), form()->Label16->text()};
  }
  // What the model gives for the texts the edits hold.
  QStringList ModelLines(bool english) {
    std::array<std::string, 6> texts;
    for (std::size_t i = 0; i < 6; ++i) texts[i] = Edits()[i]->text().toStdString();
    const ImpLines l = ImpResultLines(ComputeImpNetworks(ReadImpInputs(texts)), english);
    return {QString::fromStdString(l.r1), QString::fromStdString(l.c1), QString::fromStdString(l.r2),
            QString::fromStdString(l.c2)};
  }
};

TEST_F(ImpWindow, ShowTakesTheCommittedReAndLeWhenAboveZero) {
  EXPECT_EQ(form()->frameGeometry().size(), QSize(700, 475));
  ShowDesigned();
  // The built-in driver: Re 6.8, Le 1500 µH.
  EXPECT_EQ(form()->Edit1->text(), "6,8");
  EXPECT_EQ(form()->Edit3->text(), "1500");
  EXPECT_EQ(form()->Label8->text(), "Watt (10 Ohm)");
  EXPECT_EQ(Lines(), ModelLines(false));
  form()->hide();
  ChassisRe = 5.6;
  ChassisLe = 1234.6;
  ShowDesigned();
  EXPECT_EQ(form()->Edit1->text(), "5,6");
  EXPECT_EQ(form()->Edit3->text(), "1235");
  Type(form()->Edit1, "4");
  form()->hide();
  ChassisRe = 0;
  ChassisLe = -5;
  ShowDesigned();
  EXPECT_EQ(form()->Edit1->text(), "4");
  EXPECT_EQ(form()->Edit3->text(), "1235");
}

TEST_F(ImpWindow, EveryKeystrokeShowsTheModelsLinesInTheLanguage) {
  for (const char* language : {"deutsch", "english"}) {
    ShowDesigned(language);
    TypeAll(kExample);
    EXPECT_EQ(Lines(), ModelLines(language[0] == 'e')) << language;
    Type(form()->Edit5, "7");
    EXPECT_EQ(Lines(), ModelLines(language[0] == 'e')) << language;
    form()->hide();
  }
  EXPECT_EQ(form()->Label13->text(), "R1 ");
  EXPECT_EQ(form()->Label16->text(), "capacitor C2=6.17 µF / 24.5 V");
}

TEST_F(ImpWindow, PowerLabelFollowsReOnlyAndKeepsItselfWhereTheModelGivesNothing) {
  ShowDesigned();
  const struct {
    const char* re;
    const char* label;
  } rows[] = {{"6", "Watt (9 Ohm)"}, {"0,3", "Watt (9 Ohm)"}, {"abc", "Watt (8 Ohm)"}, {"16", "Watt (23 Ohm)"}};
  for (const auto& row : rows) {
    Type(form()->Edit1, row.re);
    EXPECT_EQ(form()->Label8->text(), row.label) << row.re;
  }
  Type(form()->Edit2, "5");
  EXPECT_EQ(form()->Label8->text(), "Watt (23 Ohm)");
}

TEST_F(ImpWindow, CoilButtonWritesTheCoilOfTheCommittedQesAndRecomputes) {
  ShowDesigned();
  TypeAll(kExample);
  ChassisQes = 0.513;
  QTest::mouseClick(form()->Button5, Qt::LeftButton);
  EXPECT_EQ(form()->Edit6->text(), "8,17");
  // C1 from the new coil: 10^9 / (4 pi^2 60^2 8.17) = 861.2 µF.
  EXPECT_EQ(form()->Label14->text(), "Kondensator C1=861.22 µF; 27.9 V");
  ChassisQes = 0;
  QTest::mouseClick(form()->Button5, Qt::LeftButton);
  EXPECT_EQ(form()->Edit6->text(), "0");
  EXPECT_EQ(Lines(), (QStringList{"R1 ", "C1 ", "R2 ", "C2 "}));
}

TEST_F(ImpWindow, DiagramIsDrawnWhileAutoFilterSimIsSetAndSurvivesRepaints) {
  ShowDesigned();
  TypeAll(kExample);
  EXPECT_TRUE(form()->DiagramShown());
  const int blue = Pixels(kBlue);
  EXPECT_GT(blue, 400);
  // The first point, 14.1 ohms at 10 Hz, lies at (15, 345); the 1-ohm line at y = 430.
  const QImage image = form()->grab().toImage();
  EXPECT_EQ(image.pixelColor(15, 345), kBlue);
  EXPECT_EQ(image.pixelColor(100, 430), QColor(Qt::black));
  form()->resize(form()->size() + QSize(1, 1));
  form()->resize(form()->size() - QSize(1, 1));
  EXPECT_EQ(Pixels(kBlue), blue);
  // Invalid input, and Zmax at 1.3 Re (no R1): nothing is drawn; a negative R1 still draws.
  Type(form()->Edit2, "0");
  EXPECT_EQ(Pixels(kBlue), 0);
  Type(form()->Edit2, "100");
  Type(form()->Edit5, "7,8");
  EXPECT_EQ(Pixels(kBlue), 0);
  Type(form()->Edit5, "7");
  EXPECT_GT(Pixels(kBlue), 400);
}

TEST_F(ImpWindow, WithoutAutoFilterSimOnlyTheButtonDrawsUntilAnInputChanges) {
  Option("AutoFilterSim", false);
  ShowDesigned();
  TypeAll(kExample);
  EXPECT_EQ(Pixels(kBlue), 0);
  QTest::mouseClick(form()->Button3, Qt::LeftButton);
  EXPECT_GT(Pixels(kBlue), 400);
  // Resizes and a return to the window keep it; a changed input drops it.
  form()->resize(form()->size() + QSize(10, 10));
  Reactivate();
  EXPECT_GT(Pixels(kBlue), 400);
  Type(form()->Edit2, "120");
  EXPECT_EQ(Pixels(kBlue), 0);
  // The option is re-read at every activation.
  Option("AutoFilterSim", true);
  Reactivate();
  EXPECT_GT(Pixels(kBlue), 400);
}

TEST_F(ImpWindow, CaptionReadsOutTheCursorInThePlotAreaOnly) {
  ShowDesigned();
  MoveMouse({216, 283});
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur (Cursor 100,0 Hz / 101,5 Ohm)");
  EXPECT_EQ(form()->cursor().shape(), Qt::CrossCursor);
  Repaint();
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur (Cursor 100,0 Hz / 101,5 Ohm)");
  MoveMouse({216, 150});
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur");
  EXPECT_EQ(form()->cursor().shape(), Qt::ArrowCursor);
  // A window too small for a plot area keeps the plain caption.
  ResizeOuter({700, 200});
  MoveMouse({20, 240});
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur");
  ResizeOuter(TImp::kDesignedOuterSize);
  ShowDesigned("english");
  MoveMouse({216, 283});
  EXPECT_EQ(form()->windowTitle(), "impedance correction (cursor 100,0 Hz / 101,5 ohms)");
}

TEST_F(ImpWindow, AnyTextInAnyEditShowsNoNanOrInfAndEveryLineFits) {
  ShowDesigned();
  for (QLineEdit* edit : Edits()) {
    for (const char* text : {"abc", "", "0", "-7", "1e999", "99999999999999999999", "0,00000000000000001"}) {
      TypeAll(kExample);
      Type(edit, QString::fromLatin1(text));
      MoveMouse({300, 300});
      ExpectNoNonFiniteTexts(form());
      for (QLabel* l : {form()->Label8, form()->Label13, form()->Label14, form()->Label15, form()->Label16})
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
    }
  }
}

TEST_F(ImpWindow, CloseEnterEscHelpAndPrint) {
  ShowDesigned();
  QTest::mouseClick(form()->Button1, Qt::LeftButton);
  EXPECT_FALSE(form()->isVisible());
  for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
    ShowDesigned();
    form()->Edit3->setFocus();
    QTest::keyClick(form()->Edit3, Qt::Key(key));
    EXPECT_FALSE(form()->isVisible()) << key;
  }
  ShowDesigned();
  QTest::mouseClick(form()->Button2, Qt::LeftButton);
  ASSERT_EQ(seam.helpRequests.size(), 1);
  EXPECT_EQ(seam.helpRequests[0].topic, "QTX_contents0017");
  EXPECT_EQ(seam.helpRequests[0].file, "VELO.HLP");
  seam.answer = [](const QString&) { return platform::Answer::No; };
  QTest::mouseClick(form()->Button4, Qt::LeftButton);
  EXPECT_EQ(seam.questions.last(), "Fenster drucken?");
  EXPECT_TRUE(seam.printed.isEmpty());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  QTest::mouseClick(form()->Button4, Qt::LeftButton);
  ASSERT_EQ(seam.printed.size(), 1);
  EXPECT_EQ(seam.printed[0], form());
}

}  // namespace
}  // namespace velomare::test

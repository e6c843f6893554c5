// The open-baffle window driven through its controls offscreen.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/OpenBaffle.h"
#include "enclosures/model/ResponsePlot.h"

namespace velomare::test {
namespace {

class OpenWindow : public WindowTest<Toffen, &forms::offen> {};

TEST_F(OpenWindow, EveryKeystrokeRetunesAndTheDiagramFollowsAutoBoxSim) {
  Toffen* f = form();
  Activate();
  Repaint();
  EXPECT_EQ(f->Label3->text(), "untere Grenzfrequ. der Abstimmung 170 Hz");
  EXPECT_EQ(f->Label5->text(), "Einbaugüte Qtc= 0.1 bei 29 Hz ");
  ASSERT_TRUE(DiagramShown());
  EXPECT_EQ(f->Diagram->Plot()->cutoffFrequency, 188);
  Type(f->Edit1, "20");
  EXPECT_EQ(f->Label3->text(), "untere Grenzfrequ. der Abstimmung 850 Hz");
  EXPECT_DOUBLE_EQ(f->OpenBaffleHalfPath(), 0.1);
  // The path's bounds are the diagram's: a tuning without a diagram or Qtc label outside them.
  Type(f->Edit1, "10");
  EXPECT_EQ(f->Label3->text(), "untere Grenzfrequ. der Abstimmung 1700 Hz");
  for (const auto& [path, drawn] : {std::pair{"10", false}, {"1000", true}, {"1001", false}}) {
    Type(f->Edit1, path);
    EXPECT_EQ(DiagramShown(), drawn) << path;
    EXPECT_EQ(f->Label5->isVisible(), drawn) << path;
  }
  Type(f->Edit1, "abc");
  EXPECT_EQ(f->Label3->text(), "-");
  EXPECT_EQ(f->OpenBaffleHalfPath(), 0.0);
  Option("AutoBoxSim", false);
  Type(f->Edit1, "100");
  Reactivate();
  Type(f->Edit1, "90");
  EXPECT_FALSE(DiagramShown());
  f->Edit1->setFocus();
  QTest::keyClick(f->Edit1, Qt::Key_Return);  // Enter in the edit simulates
  EXPECT_TRUE(DiagramShown());
}

TEST_F(OpenWindow, InvalidDriverDrawsNothingButKeepsTheTuning) {
  Toffen* f = form();
  ChassisQts = 0.09;
  Activate();
  EXPECT_FALSE(DiagramShown() || f->Label5->isVisible());
  EXPECT_EQ(f->Label3->text(), "untere Grenzfrequ. der Abstimmung 170 Hz");  // the tuning stays
  ChassisQts = 0.1;
  f->Button2->click();
  EXPECT_TRUE(DiagramShown());
  ChassisFs = 450;  // a resonance above 400 Hz: a diagram without the amplitude
  f->Button2->click();
  EXPECT_TRUE(DiagramShown());
  EXPECT_FALSE(f->Label5->isVisible());
}

TEST_F(OpenWindow, MouseReadsCursorAndCurveIntoTheCaption) {
  Toffen* f = form();
  Activate();
  // 635 x 465: x 391 is where 100 Hz is drawn, 99.8 Hz by the exact inverse; y 180 the 0 dB line.
  MoveMouse(QPoint(391, 180));
  EXPECT_EQ(Title(), "offenes Gehäuse (Cursor 99,8Hz / 0,0dB)");
  MoveMouse(QPoint(189, 300), Qt::LeftButton);  // 29.0 Hz by the exact inverse, alpha 1.0001
  EXPECT_EQ(Title(), "offenes Gehäuse (Kurve -23,2 dB bei 29,0 Hz)");
  MoveMouse(QPoint(300, 95));
  EXPECT_EQ(Title(), "offenes Gehäuse ");
  Type(f->Edit1, "-100");  // no valid path: level 0
  MoveMouse(QPoint(391, 260), Qt::LeftButton);
  EXPECT_EQ(Title(), "offenes Gehäuse (Kurve 0,0 dB bei 99,8 Hz)");
  // Too short a window draws nothing and hides the Qtc label.
  Type(f->Edit1, "100");
  ResizeOuter({635, 140});
  EXPECT_FALSE(DiagramShown());
  EXPECT_FALSE(f->Label5->isVisible());
  MoveMouse(QPoint(300, 120), Qt::LeftButton);  // and reads zero
  EXPECT_EQ(Title(), "offenes Gehäuse (Kurve 0,0 dB bei 0,0 Hz)");
  MoveMouse(QPoint(300, 120));
  EXPECT_EQ(Title(), "offenes Gehäuse (Cursor 0,0Hz / 0,0dB)");
  ResizeOuter({635, 465});
  EXPECT_TRUE(f->Label5->isVisible());
  EXPECT_TRUE(DiagramShown());
}

TEST_F(OpenWindow, StoreAndExportRefuseWhatTheModelRefusesAndTypedTextOnlyTests) {
  Toffen* f = form();
  Activate();
  Choose(f->exportbox, 2);
  ASSERT_EQ(FilledComparisonSlots(), std::vector<int>{3});
  EXPECT_EQ(ComparisonCurveOf(3)[29], OpenBaffleFileLevels(OpenBaffleDriverFromCommitted(), 0.5)[28]);
  Type(f->Edit1, "10");  // a path the diagram refuses is still stored, again from the same item
  Choose(f->exportbox, 2);
  EXPECT_DOUBLE_EQ(ComparisonHeaderOf(3).PortLength1, 0.05);
  EXPECT_TRUE(seam.messages.isEmpty());

  EmptyComparisonSlot(3);
  Type(f->Edit1, "1");  // below two centimetres: no data anywhere
  for (int i = 0; i < 5; ++i) Choose(f->exportbox, i);
  EXPECT_EQ(seam.messages, QStringList(5, "keine simulationsdaten / no data"));
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
  seam.messages.clear();
  QTest::keyClicks(f->exportbox->lineEdit(), "x");  // typed text picks nothing but says so while it fails
  EXPECT_EQ(seam.messages.value(0), "keine simulationsdaten / no data");
  Type(f->Edit1, "2");
  seam.messages.clear();
  ChassisVas = 0.09;  // a driver the model refuses
  Choose(f->exportbox, 1);
  f->Button5->click();
  EXPECT_EQ(seam.messages, QStringList(2, "keine simulationsdaten / no data"));
  EXPECT_TRUE(FilledComparisonSlots().empty());
}

TEST_F(OpenWindow, ExportWritesTheOpenBaffleFileInEitherLanguageAndHelpPrintAndEscAnswer) {
  Toffen* f = form();
  Activate();
  const QString path = TempPath("baffle");
  const std::string bytes = ExportFile(path);
  EXPECT_EQ(seam.fileDialogs.value(0).defaultName, "open");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 413);
  EXPECT_NE(bytes.find("\r\n\r\nEinbau in offenes Geh\xE4use\r\n\r\nAbstand (m)\t0,50\r\n\r\nf (Hz)\tlevel (dB)\r\n1\t-103,13\r\n"),
            std::string::npos)
      << bytes.substr(0, 300);
  EXPECT_EQ(bytes.substr(bytes.size() - 13), "\r\n400\t-0,81\r\n");
  ExpectHelpAndPrint(form()->Button3, "QTX_contents0007", form()->Button4);
  SetLanguage("english");
  Reactivate();
  f->Button5->click();
  const std::string english = ReadFileBytes((path + ".txt").toStdString());
  EXPECT_NE(english.find("\r\n\r\nin open box\r\n\r\ndistance (m)\t0.50\r\n\r\nf (Hz)\tlevel (dB)\r\n1\t-103.13\r\n"),
            std::string::npos);
  QTest::keyClick(form(), Qt::Key_Escape);
  EXPECT_FALSE(form()->isVisible());
}

TEST_F(OpenWindow, SaveBoxKeepsTheWholePathAndRestoresItOncePerShow) {
  OpenSettings().WriteInteger("Offen", "Abstand", 300);
  Toffen* f = form();
  Activate();
  EXPECT_EQ(f->Edit1->text(), "100");  // without "SaveBox" neither restored nor written
  Type(f->Edit1, "400");
  f->Button1->click();
  EXPECT_EQ(OpenSettings().ReadInteger("Offen", "Abstand", 0), 300);

  Option("SaveBox", true);
  Activate();
  Type(f->Edit1, "250");
  f->Button1->click();
  EXPECT_EQ(OpenSettings().ReadInteger("Offen", "Abstand", 0), 250);
  Type(f->Edit1, "100");
  Activate();
  EXPECT_EQ(f->Label3->text(), "untere Grenzfrequ. der Abstimmung  68 Hz");
  Type(f->Edit1, "100,5");  // not a whole number: not kept
  f->Button1->click();
  EXPECT_EQ(OpenSettings().ReadInteger("Offen", "Abstand", 0), 250);
  // Every whole number from 1 to 1000 comes back; a damaged value leaves the edit's text.
  for (const auto& [stored, shown] : {std::pair{"1", "1"}, {"1000", "1000"}, {"1001", "77"}, {"0", "77"}}) {
    f->close();
    OpenSettings().WriteString("Offen", "Abstand", stored);
    Type(f->Edit1, "77");
    Activate();
    EXPECT_EQ(f->Edit1->text(), shown) << stored;
  }
}

TEST_F(OpenWindow, BadInputNeverShowsNanOrInfAndNeverStoresIt) {
  Toffen* f = form();
  Activate();
  const auto check = [&](const QString&) {
    f->Button2->click();
    Repaint();
    for (int x : {1, 15, 300, 634})
      for (Qt::MouseButtons b : {Qt::MouseButtons(Qt::NoButton), Qt::MouseButtons(Qt::LeftButton)}) {
        MoveMouse(QPoint(x, 300), b);
        ExpectNoNonFiniteTexts(f);
      }
    Choose(f->exportbox, 0);
    for (int i = 1; i <= 400; ++i) ASSERT_TRUE(std::isfinite(ComparisonCurveOf(1)[i]));
    EXPECT_TRUE(std::isfinite(ComparisonHeaderOf(1).PortLength1));
  };
  TypeIntoEach({f->Edit1}, BadNumberTexts() << "1,5", check);
  SetLanguage("english");
  Reactivate();
  TypeIntoEach({f->Edit1}, BadNumberTexts() << "1,5", check);
}

TEST_F(OpenWindow, DesignedComponentsTextsAndStates) {
  Toffen* f = form();
  Activate();
  EXPECT_EQ(f->objectName(), "offen");
  EXPECT_EQ(f->frameGeometry().size(), QSize(635, 465));
  EXPECT_EQ(Title(), "offenes Gehäuse");
  EXPECT_EQ(f->Edit1->text(), "100");
  EXPECT_EQ(f->Label2->text(), "cm");
  EXPECT_EQ(f->Label3->text(), "untere Grenzfrequ. der Abstimmung 170 Hz");
  EXPECT_EQ(f->Label3->toolTip(), "fu der Schallwand unabhängig vom Chassis");
  EXPECT_TRUE(f->CheckBox1->isChecked());
  EXPECT_FALSE(f->CheckBox1->isEnabled());
  EXPECT_FALSE(f->CheckBox1->isVisible());
  EXPECT_FALSE(f->Button5->isVisible());
  EXPECT_EQ(f->exportbox->currentText(), "export");
  EXPECT_EQ(f->exportbox->count(), 5);
  EXPECT_EQ(f->exportbox->itemText(4), "file");
  for (QPushButton* b : {f->Button1, f->Button2, f->Button3, f->Button4, f->Button5}) EXPECT_EQ(b->size(), QSize(73, 25));
  // Tab order from the first button round to the export list.
  QWidget* w = f->Button1;
  const QList<QWidget*> order = {f->Button2, f->Button3, f->Edit1, f->CheckBox1, f->Button4, f->Button5, f->exportbox};
  for (QWidget* next : order) {
    w = w->nextInFocusChain();
    while (w->focusProxy() == nullptr && w->parentWidget() != f && w != next) w = w->nextInFocusChain();
    EXPECT_EQ(w, next) << next->objectName().toStdString();
  }

  Repaint();
  EXPECT_EQ(f->Button1->text(), "S&chliessen");
  EXPECT_EQ(f->Button4->text(), "&Drucken");
  EXPECT_EQ(f->Label1->text(), "kürzester Abstand zwischen Vorder- u. Rückseite der Membran");
  EXPECT_TRUE(f->Label5->isVisible());
  EXPECT_EQ(f->Label5->text(), "Einbaugüte Qtc= 0.1 bei 29 Hz ");

  SetLanguage("english");
  Reactivate();
  Repaint();
  EXPECT_EQ(Title(), "open box");
  EXPECT_EQ(f->Button1->text(), "&close");
  EXPECT_EQ(f->Button2->text(), "&simulation");
  EXPECT_EQ(f->Button3->text(), "&help");
  EXPECT_EQ(f->Button4->text(), "print");
  EXPECT_EQ(f->Label1->text(), "shortest distance between front and back of speaker membrane");
  EXPECT_EQ(f->Label4->text(), "this calculation is without increasing resonance frequency fs.");
  EXPECT_EQ(f->Label3->text(), "lower cut tuning frequency 170 Hz");
  EXPECT_EQ(f->Label5->text(), "Quality in box Qtc= 0.1 at 29 Hz ");
  // Neutral and German design texts stay.
  EXPECT_EQ(f->Label2->text(), "cm");
  EXPECT_EQ(f->CheckBox1->text(), "Chassiswerte in Simulation einbeziehen");
  EXPECT_EQ(f->Button5->text(), "e&xport");
  EXPECT_EQ(f->Label3->toolTip(), "fu der Schallwand unabhängig vom Chassis");
}

TEST_F(OpenWindow, WithoutAutoBoxSimOnlyTheSimulationButtonDrawsAndAChangeTakesTheDiagramAway) {
  Option("AutoBoxSim", false);
  Toffen* f = form();
  Activate();
  EXPECT_FALSE(DiagramShown());
  EXPECT_FALSE(f->Label5->isVisible());
  f->Edit1->setFocus();
  QTest::keyClick(f->Edit1, Qt::Key_Return);  // Enter in the edit simulates
  ASSERT_TRUE(DiagramShown());
  EXPECT_TRUE(f->Label5->isVisible());
  // Covering, resizing and returning to the window keep it.
  f->repaint();
  ResizeOuter({700, 520});
  ASSERT_TRUE(DiagramShown());
  EXPECT_EQ(f->Diagram->Plot()->curve.front(), std::make_pair(15, f->frameGeometry().height() - 45));
  Reactivate();
  EXPECT_TRUE(DiagramShown());
  Type(f->Edit1, "90");
  EXPECT_FALSE(DiagramShown());
  EXPECT_FALSE(f->Label5->isVisible());
  EXPECT_EQ(f->Label3->text(), "untere Grenzfrequ. der Abstimmung 189 Hz");
}

TEST_F(OpenWindow, MouseReadsIntoAnEnglishCaptionWithACrossOverTheDiagramOnly) {
  Toffen* f = form();
  Activate();
  MoveMouse(QPoint(391, 180));
  EXPECT_EQ(f->cursor().shape(), Qt::CrossCursor);
  MoveMouse(QPoint(300, 95));
  EXPECT_EQ(f->cursor().shape(), Qt::ArrowCursor);
  SetLanguage("english");
  Reactivate();
  EXPECT_EQ(Title(), "open box");
  MoveMouse(QPoint(391, 260));
  EXPECT_EQ(Title(), "open box (cursor 99,8Hz / -10,0dB)");
  MoveMouse(QPoint(391, 260), Qt::LeftButton);
  EXPECT_EQ(Title(), "open box (curve -7,2 dB at 99,8 Hz)");
  // No valid path: level 0.
  Type(f->Edit1, "-100");
  MoveMouse(QPoint(391, 260), Qt::LeftButton);
  EXPECT_EQ(Title(), "open box (curve 0,0 dB at 99,8 Hz)");
  MoveMouse(QPoint(700, 260));
  EXPECT_EQ(Title(), "open box");
}

TEST_F(OpenWindow, StoringFillsTheSlotEveryTimeItIsPickedWithoutAMessage) {
  Toffen* f = form();
  Activate();
  Choose(f->exportbox, 2);
  ASSERT_TRUE(ComparisonSlotFilled(3));
  EXPECT_EQ(FilledComparisonSlots(), std::vector<int>{3});
  const ComparisonHeader& h = ComparisonHeaderOf(3);
  EXPECT_EQ(h.BoxType, BoxType::OpenBaffle);
  EXPECT_DOUBLE_EQ(h.PortLength1, 0.5);
  EXPECT_EQ(h.DriverLabel, ChassisManufacturer + " " + ChassisName);
  EXPECT_DOUBLE_EQ(h.DriverSpl, ChassisSpl);
  // Alpha 1, not clamped: 20 log10(Qts) - 10 log10(1 + (170 / 29)^2) at 29 Hz.
  EXPECT_NEAR(ComparisonCurveOf(3)[29], 20 * std::log10(0.41) - 10 * std::log10(1 + std::pow(170.0 / 29, 2)), 1e-9);
  EXPECT_LT(ComparisonCurveOf(3)[1], -100);
  // Every stored level: the driver as a second-order high pass with the compliance ratio term 1,
  // plus the baffle's first-order high pass at 340 / (2 x 1 m) = 170 Hz.
  const double qts = ChassisQts, fs = ChassisFs;
  EXPECT_TRUE(StoredLevelsAre(
      3,
      [&](int hertz) {
        const double x = hertz / fs, r = 170.0 / hertz;
        return 20 * std::log10(std::pow(x, 4) / std::hypot(std::pow(x, 4) - x * x, std::pow(x, 3) / qts)) -
               10 * std::log10(1 + r * r);
      },
      1e-9));
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_EQ(f->exportbox->currentText(), "# 3");
  // The same entry again stores again; a path the diagram refuses is still stored.
  Type(f->Edit1, "10");
  Choose(f->exportbox, 2);
  EXPECT_DOUBLE_EQ(ComparisonHeaderOf(3).PortLength1, 0.05);
  EXPECT_TRUE(seam.messages.isEmpty());
}

TEST_F(OpenWindow, NoDataBelowTwoCentimetresOrForABadDriverAndTypedTextOnlyTests) {
  Toffen* f = form();
  Activate();
  Type(f->Edit1, "1");
  for (int i = 0; i < 5; ++i) Choose(f->exportbox, i);
  EXPECT_EQ(seam.messages.size(), 5);
  EXPECT_EQ(seam.messages.value(4), "keine simulationsdaten / no data");
  EXPECT_TRUE(FilledComparisonSlots().empty());
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
  // Typed text in the list picks nothing: the test runs, and says so while it fails.
  seam.messages.clear();
  QTest::keyClicks(f->exportbox->lineEdit(), "x");
  EXPECT_EQ(seam.messages.value(0), "keine simulationsdaten / no data");
  Type(f->Edit1, "2");
  seam.messages.clear();
  QTest::keyClicks(f->exportbox->lineEdit(), "y");
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_TRUE(FilledComparisonSlots().empty());
  Choose(f->exportbox, 0);
  EXPECT_TRUE(ComparisonSlotFilled(1));
  for (auto bad : {std::pair{&ChassisQts, 0.009}, std::pair{&ChassisFs, 1.0}, std::pair{&ChassisVas, 0.09}}) {
    const double kept = *bad.first;
    *bad.first = bad.second;
    seam.messages.clear();
    Choose(f->exportbox, 1);
    f->Button5->click();
    EXPECT_EQ(seam.messages, QStringList({"keine simulationsdaten / no data", "keine simulationsdaten / no data"}));
    *bad.first = kept;
  }
  EXPECT_FALSE(ComparisonSlotFilled(2));
}

TEST_F(OpenWindow, ExportWritesTheOpenBaffleFileInEitherLanguageAndReportsOnlyAWrittenFile) {
  Toffen* f = form();
  Activate();
  const QString path = TempPath("baffle");
  FileDialogAnswers(path);
  Choose(f->exportbox, 4);
  ASSERT_EQ(seam.fileDialogs.size(), 1);
  EXPECT_EQ(seam.fileDialogs[0].title, "export simulation");
  EXPECT_EQ(seam.fileDialogs[0].defaultName, "open");
  EXPECT_EQ(seam.messages.value(0), "Dateiexport erfolgreich / file export successful");
  const std::string bytes = ReadFileBytes((path + ".txt").toStdString());
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 413);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 413);
  // Sensitivity of the default driver from fs, Vas and Qes: 112 + 10 log10(pi^2 29^3 0.244 / (0.513 * 10088402)).
  const double spl = 112 + 10 * std::log10(M_PI * M_PI * 29 * 29 * 29 * 0.244 / (0.513 * 10088402));
  const std::string splLine = "SPL (dB)\t" + FormatFixedComma(spl, 0, 1) + "\r\n";
  EXPECT_NE(bytes.find(splLine), std::string::npos) << bytes.substr(0, 200);
  EXPECT_NE(bytes.find("\r\n29\t-23,23\r\n"), std::string::npos);

  // English, the same name: asked first; No keeps the file.
  SetLanguage("english");
  Reactivate();
  AnswerNo();
  Choose(f->exportbox, 4);
  EXPECT_EQ(seam.questions.value(0), "überschreibe / overwrite " + path + ".txt ?");
  EXPECT_EQ(seam.messages.value(1), "Datei nicht überschrieben / file not replaced");
  EXPECT_EQ(ReadFileBytes((path + ".txt").toStdString()), bytes);
  seam.answer = nullptr;

  // A folder that cannot be written: the failure, never the success.
  seam.messages.clear();
  FileDialogAnswers(TempPath("no/such/x.txt"));
  Choose(f->exportbox, 4);
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_FALSE(seam.messages[0].contains("erfolgreich"));
  EXPECT_TRUE(seam.messages[0].contains(" / "));
}

TEST_F(OpenWindow, PrintAsksFirstAndHelpOpensTheTopic) {
  Toffen* f = form();
  Activate();
  AnswerNo();
  f->Button4->click();
  EXPECT_EQ(seam.questions.value(0), "Fenster drucken?");
  EXPECT_TRUE(seam.printed.isEmpty());
  seam.answer = nullptr;
  f->Button4->click();
  ASSERT_EQ(seam.printed.size(), 1);
  EXPECT_EQ(seam.printed[0], f);
}

TEST_F(OpenWindow, SaveBoxRestoresThePathAndKeepsNoPathItCannotUse) {
  Option("SaveBox", true);
  Toffen* f = form();
  Activate();
  Type(f->Edit1, "250");
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(OpenSettings().ReadInteger("Offen", "Abstand", 0), 250);
  Type(f->Edit1, "100");
  Activate();
  EXPECT_EQ(f->Edit1->text(), "250");
  Type(f->Edit1, "300");
  Reactivate();
  EXPECT_EQ(f->Edit1->text(), "300");
  for (const char* notKept : {"2500", "100,5", "abc"}) {
    Type(f->Edit1, notKept);
    f->Button1->click();
    EXPECT_EQ(OpenSettings().ReadInteger("Offen", "Abstand", 0), 250) << notKept;
    Activate();
  }
  // A damaged stored value is ignored; the edit keeps its text.
  for (const char* damaged : {"1500", "0", "5000", "zwanzig"}) {
    f->close();
    OpenSettings().WriteString("Offen", "Abstand", damaged);
    Type(f->Edit1, "77");
    Activate();
    EXPECT_EQ(f->Edit1->text(), "77") << damaged;
  }
}

}  // namespace
}  // namespace velomare::test

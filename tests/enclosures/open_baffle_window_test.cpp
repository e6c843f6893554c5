// The open-baffle window driven through its controls offscreen.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "WindowTest.h"
#include "app/AllForms.h"
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
  Type(f->Edit1, "20");
  EXPECT_EQ(f->Label3->text(), "untere Grenzfrequ. der Abstimmung 850 Hz");
  EXPECT_DOUBLE_EQ(f->OpenBaffleHalfPath(), 0.1);
  // The path's bounds are the diagram's: a tuning without a diagram or Qtc label outside them.
  for (const auto& [path, drawn] : {std::pair{"10", false}, {"1000", true}, {"1001", false}}) {
    Type(f->Edit1, path);
    EXPECT_EQ(DiagramShown(), drawn) << path;
    EXPECT_EQ(f->Label5->isVisible(), drawn) << path;
  }
  Type(f->Edit1, "abc");
  EXPECT_EQ(f->Label3->text(), "-");
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
  ChassisFs = 450;  // a resonance above 400 Hz: a diagram without the amplitude
  ChassisQts = 0.1;
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
  ResizeOuter({635, 465});
  EXPECT_TRUE(f->Label5->isVisible());
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
  TypeIntoEach({f->Edit1}, BadNumberTexts() << "1,5", [&](const QString&) {
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
  });
}

}  // namespace
}  // namespace velomare::test

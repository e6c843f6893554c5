// The closed-box window driven through its controls offscreen. The export dialog flow that every
// box window shares (replace question, failure, cancel) is checked here for all of them.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/ResponsePlot.h"

namespace velomare::test {
namespace {

class ClosedWindow : public WindowTest<Tclosed, &forms::closed> {};

TEST_F(ClosedWindow, EveryControlRunsTheDesignOfItsModeAndTheDiagramFollowsAutoBoxSim) {
  Tclosed* f = form();
  EXPECT_FALSE(DiagramShown());  // the options are read at the first activation
  Activate();
  Type(f->Edit1, "1");
  EXPECT_EQ(f->Edit2->text(), "49,3");
  ASSERT_TRUE(DiagramShown());
  EXPECT_EQ(f->Diagram->Plot()->peakFrequency, 100);  // Qtc 1, fc 70.7 Hz: the level peaks at fc sqrt(2)
  f->ComboBox1->setCurrentIndex(1);
  EXPECT_EQ(f->Edit2->text(), "98,6");
  f->ComboBox1->setEditText("x");  // a typed text that is no item: one driver
  EXPECT_EQ(f->Edit2->text(), "49,3");
  Type(f->Edit3, "-6,8");  // Qts' = 0: nothing is drawn
  EXPECT_FALSE(DiagramShown());
  Option("AutoBoxSim", false);  // without it only the button draws
  Type(f->Edit3, "0");
  Reactivate();
  Type(f->Edit1, "0,8");
  EXPECT_FALSE(DiagramShown());
  f->Button2->click();
  ResizeOuter({800, 560});
  ASSERT_TRUE(DiagramShown());  // drawn for the new size
  EXPECT_EQ(f->Diagram->Plot()->curve.front(), std::make_pair(15, f->frameGeometry().height() - 45));
  Type(f->Edit1, "0,707");
  Type(f->Edit3, "6,8");  // Qts' above the Qtc: the bare labels
  EXPECT_EQ(f->Label5->text(), "fc");
  Type(f->Edit3, "0");
  const std::pair<QLabel*, const char*> presets[] = {{f->linkwitz, "0,50"}, {f->bessel, "0,577"}, {f->butterw, "0,707"}};
  for (const auto& [label, qtc] : presets) {
    Click(label);
    EXPECT_EQ(f->Edit1->text(), qtc) << label->objectName().toStdString();
  }
  f->Label5->setText("stale");
  Click(f->butterw);  // the edit holds the value already
  EXPECT_EQ(f->Label5->text(), "Resonanzfrequenz fc = 50,0 Hz");
  MoveMouse(QPoint(3, 3), Qt::NoButton, f->bessel);
  EXPECT_EQ(f->bessel->palette().color(QPalette::WindowText), QColor(128, 0, 128));  // purple
  // Volume mode: the Qtc edit and the presets are disabled, the volume drives the design.
  f->CheckBox1->setChecked(false);
  EXPECT_FALSE(f->Edit1->isEnabled());
  Type(f->Edit2, "123,6");
  EXPECT_EQ(f->Edit1->text(), "0,707");
  Click(f->linkwitz);
  EXPECT_EQ(f->Edit1->text(), "0,707");
}

TEST_F(ClosedWindow, MouseOverTheDiagramReadsFrequencyAndLevelIntoTheCaption) {
  Tclosed* f = form();
  Activate();
  // x 431 is where 100 Hz is drawn, 99.6 Hz by the exact inverse; y 188 the 0 dB line, 0.08 dB.
  MoveMouse(QPoint(431, 188));
  EXPECT_EQ(Title(), "geschlossenes Gehäuse (Cursor 99,6Hz / 0,1dB)");
  EXPECT_EQ(f->cursor().shape(), Qt::CrossCursor);
  MoveMouse(QPoint(431, 188), Qt::LeftButton);
  EXPECT_EQ(Title(), "geschlossenes Gehäuse (Kurve -0,3 dB bei 99,6 Hz)");
  f->log->setChecked(false);  // the linear axis at its left edge: 0 Hz, where the curve has no level
  MoveMouse(QPoint(15, 300), Qt::LeftButton);
  EXPECT_EQ(Title(), "geschlossenes Gehäuse (Kurve 0,0 dB bei 0,0 Hz)");
  ResizeOuter({30, 145});  // too small: no diagram, zero read
  EXPECT_FALSE(DiagramShown());
  MoveMouse(QPoint(20, 120));
  EXPECT_EQ(Title(), "geschlossenes Gehäuse (Cursor 0,0Hz / 0,0dB)");
  MoveMouse(QPoint(20, 120), Qt::LeftButton);
  EXPECT_EQ(Title(), "geschlossenes Gehäuse (Kurve 0,0 dB bei 0,0 Hz)");
}

TEST_F(ClosedWindow, StoringFillsTheChosenSlotAndAFailedDesignIsNeitherStoredNorExportedNorPrinted) {
  Tclosed* f = form();
  Activate();
  f->ComboBox1->setCurrentIndex(2);
  Choose(f->exportbox, 1);
  ASSERT_EQ(FilledComparisonSlots(), std::vector<int>{2});
  const ComparisonHeader& h = ComparisonHeaderOf(2);
  EXPECT_EQ(h.BoxType, BoxType::Closed);
  EXPECT_EQ(h.Multiple, 3);
  EXPECT_NEAR(h.Volume1, 3 * 123.64, 0.1);
  const PlotGeometry g{700, 500, 100};
  EXPECT_EQ(g.Y(ComparisonCurveOf(2)[100]), f->Diagram->Plot()->curve[100 - 10 + 1].second);
  f->ComboBox1->setCurrentIndex(0);
  Choose(f->exportbox, 1);  // the item already shown acts again
  EXPECT_EQ(ComparisonHeaderOf(2).Multiple, 1);
  EXPECT_TRUE(seam.messages.isEmpty());

  const double stored = ComparisonCurveOf(2)[50];
  f->ComboBox1->setCurrentIndex(3);  // the failed Qtc keeps the old volume beside the new count
  Type(f->Edit1, "0,3");
  Choose(f->exportbox, 1);
  Choose(f->exportbox, 4);
  f->Button4->click();
  EXPECT_EQ(seam.messages, QStringList({"keine simulationsdaten / no data", "keine simulationsdaten / no data",
                                        "Keine richtigen Werte zum Simulieren vorhanden"}));
  EXPECT_EQ(ComparisonCurveOf(2)[50], stored);
  f->CheckBox1->setChecked(false);  // volume mode, 0,1 litres: refused before any dialog
  Type(f->Edit2, "0,1");
  f->exportbutton->click();
  EXPECT_EQ(seam.messages.value(3), "keine simulationsdaten / no data");
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
  EXPECT_TRUE(seam.composedPages.isEmpty());
}

TEST_F(ClosedWindow, ExportWritesTheFileAsksBeforeReplacingAndReportsOnlyAWrittenFile) {
  Tclosed* f = form();
  Activate();
  const QString path = TempPath("mybox");
  const std::string bytes = ExportFile(path);
  ASSERT_EQ(seam.fileDialogs.size(), 1);
  EXPECT_EQ(seam.fileDialogs[0].title, "export simulation");
  EXPECT_EQ(f->exportbox->currentText(), "file");
  EXPECT_EQ(seam.fileDialogs.value(0).defaultName, "closed");
  EXPECT_TRUE(seam.fileDialogs.value(0).filter.startsWith("ANSI-Export (*.txt)"));
  EXPECT_EQ(seam.messages.value(0), "Dateiexport erfolgreich / file export successful");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 416);
  EXPECT_NE(bytes.find("Qtc\t0,707\r\nvolumen (l)\t123,6"), std::string::npos);

  AnswerNo();  // the same name again: No keeps the file
  SetLanguage("english");
  f->grab();
  Type(f->Edit1, "1");
  f->exportbutton->click();
  EXPECT_EQ(seam.questions.value(0), "überschreibe / overwrite " + path + ".txt ?");
  EXPECT_EQ(seam.messages.value(1), "Datei nicht überschrieben / file not replaced");
  EXPECT_EQ(ReadFileBytes((path + ".txt").toStdString()), bytes);
  seam.answer = nullptr;
  f->exportbutton->click();
  const std::string english = ReadFileBytes((path + ".txt").toStdString());
  EXPECT_NE(english.find("in closed box\r\n\r\nQtc\t1.000\r\nvolumen (l)\t49.3"), std::string::npos);

  seam.messages.clear();
  FileDialogAnswers(TempPath("no/such/x.txt"));
  f->exportbutton->click();
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].contains(" / "));
  EXPECT_FALSE(seam.messages.value(0, "erfolgreich").contains("erfolgreich"));
  seam.messages.clear();
  FileDialogAnswers();  // cancel writes nothing and says nothing
  f->exportbutton->click();
  EXPECT_TRUE(seam.messages.isEmpty());
}

TEST_F(ClosedWindow, PrintComposesAPageInPortraitOrLandscapeAndHelpPictureAndEscAnswer) {
  Tclosed* f = form();
  Activate();
  seam.printPdfPath = TempPath("page.pdf");
  f->Button4->click();
  EXPECT_EQ(seam.questions.value(0), "Simulation drucken? / Print simulation?");
  ASSERT_EQ(seam.composedPages.size(), 1);
  EXPECT_EQ(ReadFileBytes(seam.printPdfPath.toStdString()).substr(0, 4), "%PDF");
  seam.printLandscape = true;
  f->Button4->click();
  EXPECT_GT(seam.composedPages.value(1).width, seam.composedPages.value(1).height);
  ExpectHelpAndPrint(f->Button3, "QTX_contents0004");
  Click(f->Label1);
  EXPECT_TRUE(reinterpret_cast<QWidget*>(forms::gueten)->isVisible());
  QTest::keyClick(f, Qt::Key_Escape);
  EXPECT_FALSE(f->isVisible());
}

TEST_F(ClosedWindow, SaveBoxKeepsVolumeAndResistanceAndRestoresThemOncePerShow) {
  Tclosed* f = form();
  Option("SaveBox", true);
  Activate();
  f->CheckBox1->setChecked(false);
  Type(f->Edit2, "16,2");
  Type(f->Edit3, "0,5");
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  platform::IniFile ini = OpenSettings();
  EXPECT_EQ(ini.ReadString("Geschlossen", "Volumen", ""), "16.2");
  EXPECT_EQ(ini.ReadString("Geschlossen", "Serienwiderstand", ""), "0.5");
  Type(f->Edit2, "50");
  Type(f->Edit3, "0");
  Activate();
  EXPECT_EQ(TextsOf({f->Edit2, f->Edit3}), QStringList({"16.2", "0.5"}));
  Type(f->Edit2, "33");  // returning to the visible window keeps what the user typed since
  Reactivate();
  EXPECT_EQ(f->Edit2->text(), "33");
  Type(f->Edit2, "12a");  // a volume text that is no number is not kept
  f->Button1->click();
  EXPECT_EQ(OpenSettings().ReadString("Geschlossen", "Volumen", ""), "16.2");
}

TEST_F(ClosedWindow, ANewDriverRunsTheTipAtTheNextActivationEvenWithARestore) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nSaveBox=1\r\n[Geschlossen]\r\nVolumen=40\r\nSerienwiderstand=0\r\n");
  Tclosed* f = form();
  ChassisQts = 0.8;  // committed by the driver window while the box window was hidden
  Activate();
  EXPECT_FALSE(f->CheckBox1->isChecked());
  EXPECT_EQ(TextsOf({f->Edit2, f->Edit1}), QStringList({"100", "1,484"}));  // 0.8 sqrt(1 + 244 / 100)
  ASSERT_TRUE(DiagramShown());  // labels and diagram agree with the new driver
  ChassisQts = 0.5;
  f->Button1->click();
  Activate();
  EXPECT_TRUE(f->CheckBox1->isChecked());
  EXPECT_EQ(f->Edit1->text(), "0,707");
  ChassisQts = 0.66;  // and the tip button at once
  f->Button5->click();
  EXPECT_FALSE(f->CheckBox1->isChecked());
}

TEST_F(ClosedWindow, AKeptVolumeComesBackInVolumeModeAndEditsLabelsDiagramAndExportAgree) {
  Tclosed* f = form();
  // Default driver in 50 l: fc = 29 sqrt(1 + 244 / 50) = 70.3 Hz whatever Rs, total 50 + 2.1 l;
  // Qtc = Qts' sqrt(5.88) with Qts' = 0.41 (6.8 + Rs) / 6.8. The -3 dB point and the 60 Hz row
  // from the second-order high pass at u = f / 70.32: 20 log10(u^2 / sqrt((1 - u^2)^2 + (u / Qtc)^2)).
  const struct {
    const char* rs;
    const char* qtc;
    const char* fg;
    int firstFrequencyAboveMinus3;
    const char* exported;
    const char* row60;
  } cases[] = {
      {"0.5", "1,067", "53,8", 54, "Qtc\t1,067\r\nvolumen (l)\t50,000\r\nchassis\t1\r\nRseriell\t0,500\r\n",
       "\r\n60\t-1,29\r\n"},  // not 154,4 l
      {"0", "0,994", "55,4", 56, "Qtc\t0,994\r\nvolumen (l)\t50,000\r\nchassis\t1\r\nRseriell\t0,000\r\n",
       "\r\n60\t-1,84\r\n"},  // not the tip's 123,637 l
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rs);
    // The window as it starts for this driver (Qts < 0.7): Qtc mode, no resistance; then closed.
    Type(f->Edit3, "0");
    f->Button5->click();
    ASSERT_TRUE(f->CheckBox1->isChecked());
    f->Button1->click();
    settings->WriteSettings(std::string("[Options]\r\nAboutAtStart=0\r\nSaveBox=1\r\n[Geschlossen]\r\nVolumen=50\r\n") +
                            "Serienwiderstand=" + c.rs + "\r\n");
    Activate();
    EXPECT_FALSE(f->CheckBox1->isChecked());
    EXPECT_TRUE(f->Edit2->isEnabled());
    EXPECT_EQ(TextsOf({f->Edit2, f->Edit3, f->Edit1}), QStringList({"50", c.rs, c.qtc}));
    EXPECT_EQ(TextsOf({f->Label4, f->Label5, f->Label11}),
              QStringList({QString("Untere Grenzfrequenz fg = ") + c.fg + " Hz", "Resonanzfrequenz fc = 70,3 Hz",
                           "l, insges. 52,1 l"}));
    ASSERT_TRUE(DiagramShown());
    EXPECT_EQ(f->Diagram->Plot()->cutoffFrequency, c.firstFrequencyAboveMinus3);
    const std::string bytes = ExportFile(TempPath(QString("kept") + c.qtc));
    EXPECT_NE(bytes.find(c.exported), std::string::npos);
    EXPECT_NE(bytes.find(c.row60), std::string::npos);
  }
  // A driver committed later still runs the tip: Qtc 0,707 for Qts 0.41 without resistance.
  CommitDriver({{&TChassisform::Edit5, "4"}});
  Activate();
  EXPECT_TRUE(f->CheckBox1->isChecked());
  EXPECT_EQ(TextsOf({f->Edit1, f->Edit2}), QStringList({"0,707", "123,6"}));
}

TEST_F(ClosedWindow, BadInputNeverShowsNanOrInfAndNeverStoresIt) {
  Tclosed* f = form();
  Activate();
  const auto check = [&](const QString& text) {
    f->ComboBox1->setEditText(text);
    MoveMouse(QPoint(300, 300), Qt::LeftButton);
    Choose(f->exportbox, 0);
    for (int i = 1; i <= 400; ++i) ASSERT_TRUE(std::isfinite(ComparisonCurveOf(1)[i]));
    if (f->Diagram->Plot()) {
      for (const auto& [x, y] : f->Diagram->Plot()->curve) ASSERT_LE(std::abs(y), 100000000);
    }
  };
  TypeIntoEach({f->Edit1, f->Edit3}, BadNumberTexts(), check);
  f->CheckBox1->setChecked(false);
  TypeIntoEach({f->Edit2, f->Edit3}, BadNumberTexts(), check);
}

TEST_F(ClosedWindow, ANewVoiceCoilResistanceOrDisplacementRedesignsLabelsAndExportAlike) {
  Tclosed* f = form();
  Activate();
  Type(f->Edit3, "2");
  EXPECT_EQ(f->Edit2->text(), "314,6");  // Qts' = 0.41 x 8.8 / 6.8 = 0.531
  // Re 4 raises Qts' to 0.615: the tip's Qtc 0.707 needs 244 / ((0.707 / 0.615)^2 - 1) = 758.8 l,
  // fc = 0.707 x 29 / 0.615 = 33.3 Hz.
  CommitDriver({{&TChassisform::Edit5, "4"}});
  Activate();
  EXPECT_EQ(f->Edit1->text(), "0,707");
  EXPECT_EQ(f->Edit2->text(), "758,8");
  EXPECT_EQ(f->Label5->text().toStdString(), "Resonanzfrequenz fc = 33,3 Hz");
  EXPECT_EQ(f->Label11->text(), "l, insges. 760,9 l");
  const std::string bytes = ExportFile(TempPath("re4.txt"));
  EXPECT_NE(bytes.find("Qtc\t0,707\r\nvolumen (l)\t758,789\r\n"), std::string::npos);
  // 60 Hz is 1.80 fc: 20 log10(1.80^2 / sqrt((1.80^2 - 1)^2 + (1.80 / 0.707)^2)) = -0.40 dB.
  EXPECT_NE(bytes.find("\r\n60\t-0,40\r\n"), std::string::npos);
  // The displacement only moves the total.
  CommitDriver({{&TChassisform::Edit8, "3"}});
  Activate();
  EXPECT_EQ(f->Label11->text(), "l, insges. 761,8 l");
}

TEST_F(ClosedWindow, StartsInQtcModeWithTheDefaultDriverAndItsButterworthBox) {
  Tclosed* f = form();
  EXPECT_TRUE(f->CheckBox1->isChecked());
  EXPECT_EQ(f->Edit1->text(), "0,707");
  EXPECT_EQ(f->Edit2->text(), "123,6");
  EXPECT_EQ(f->Label4->text(), "Untere Grenzfrequenz fg = 50,0 Hz");
  EXPECT_EQ(f->Label5->text(), "Resonanzfrequenz fc = 50,0 Hz");
  EXPECT_EQ(f->Label11->text(), "l, insges. 125,7 l");
  EXPECT_EQ(f->labelfxmax->text(), "");
  EXPECT_EQ(f->ComboBox1->currentText(), "1");
  EXPECT_EQ(f->exportbox->currentText(), "export");
  EXPECT_TRUE(f->log->isChecked());
  EXPECT_FALSE(f->exportbutton->isVisible());
  EXPECT_EQ(Title(), "geschlossenes Gehäuse");
  EXPECT_EQ(f->frameGeometry().size(), QSize(700, 500));
}

TEST_F(ClosedWindow, QtcVolumeAndDriverCountRecomputeAtEveryKeystroke) {
  Tclosed* f = form();
  Activate();
  Type(f->Edit1, "1");
  EXPECT_EQ(f->Edit2->text(), "49,3");
  EXPECT_EQ(f->Label5->text(), "Resonanzfrequenz fc = 70,7 Hz");
  EXPECT_EQ(f->labelfxmax->text(), "Xmax bei 50,0Hz");
  f->ComboBox1->setCurrentIndex(1);
  EXPECT_EQ(f->Edit2->text(), "98,6");
  f->ComboBox1->setEditText("x");  // a typed text that is no item: one driver
  EXPECT_EQ(f->Edit2->text(), "49,3");
  // Volume mode: the Qtc edit and the presets are disabled, the volume drives the design.
  f->CheckBox1->setChecked(false);
  EXPECT_FALSE(f->Edit1->isEnabled());
  EXPECT_FALSE(f->butterw->isEnabled());
  EXPECT_TRUE(f->Edit2->isEnabled());
  Type(f->Edit2, "123,6");
  EXPECT_EQ(f->Edit1->text(), "0,707");
  EXPECT_EQ(f->Label4->text(), "Untere Grenzfrequenz fg = 50,0 Hz");
  // The preset labels do nothing while disabled.
  Click(f->linkwitz);
  EXPECT_EQ(f->Edit1->text(), "0,707");
}

TEST_F(ClosedWindow, SeriesResistanceRaisesQtsAndATextThatIsNoNumberFailsTheQtcDesign) {
  Tclosed* f = form();
  Activate();
  Type(f->Edit3, "6,8");  // Qts' doubles to 0.82, above the Qtc of 0.707
  EXPECT_EQ(f->Label4->text(), "fg");
  EXPECT_EQ(f->Label5->text(), "fc");
  EXPECT_EQ(f->Label11->text(), "l");
  Type(f->Edit1, "1,64");  // Qtc twice Qts': Vb = Vas / 3
  EXPECT_EQ(f->Edit2->text(), "81,3");
  Type(f->Edit3, "abc");
  EXPECT_EQ(f->Label5->text(), "fc");
}

TEST_F(ClosedWindow, PresetUnderTheMouseTurnsPurpleUntilTheMouseMovesOverTheWindow) {
  Tclosed* f = form();
  Activate();
  MoveMouse(QPoint(3, 3), Qt::NoButton, f->bessel);
  EXPECT_EQ(f->bessel->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  EXPECT_NE(f->linkwitz->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  MoveMouse(QPoint(600, 300));
  EXPECT_NE(f->bessel->palette().color(QPalette::WindowText), QColor(128, 0, 128));
}

TEST_F(ClosedWindow, WithAutoBoxSimTheDiagramFollowsEveryChange) {
  Tclosed* f = form();
  EXPECT_FALSE(DiagramShown());  // the options are read at the first activation
  Activate();
  ASSERT_TRUE(DiagramShown());
  Type(f->Edit1, "1");
  ASSERT_TRUE(DiagramShown());
  EXPECT_EQ(f->Diagram->Plot()->peakFrequency, 100);  // Qtc 1, fc 70.7 Hz: the level peaks at fc sqrt(2)
  f->log->setChecked(false);
  ASSERT_TRUE(DiagramShown());
  EXPECT_EQ(f->Diagram->Plot()->curve.size(), 201u);
  Type(f->Edit1, "abc");  // the diagram keeps the last volume with the new Qtc: drawn as the model says
  Type(f->Edit3, "-6,8");  // Qts' = 0: nothing is drawn
  EXPECT_FALSE(DiagramShown());
}

TEST_F(ClosedWindow, WithoutAutoBoxSimTheSimulationButtonShowsTheDiagramUntilTheNextChange) {
  Option("AutoBoxSim", false);
  Tclosed* f = form();
  Activate();
  EXPECT_FALSE(DiagramShown());
  f->Button2->click();
  ASSERT_TRUE(DiagramShown());
  ResizeOuter({800, 560});
  ASSERT_TRUE(DiagramShown());
  EXPECT_EQ(f->Diagram->Plot()->curve.front(), std::make_pair(15, f->frameGeometry().height() - 45));
  f->repaint();
  Reactivate();
  EXPECT_TRUE(DiagramShown());
  Type(f->Edit1, "0,8");
  EXPECT_FALSE(DiagramShown());
}

TEST_F(ClosedWindow, TheCaptionReadOutClearsOutsideTheDiagramStaysThroughPaintsAndSpeaksEnglish) {
  Tclosed* f = form();
  Activate();
  MoveMouse(QPoint(431, 95));
  EXPECT_EQ(Title(), "geschlossenes Gehäuse ");
  EXPECT_EQ(f->cursor().shape(), Qt::ArrowCursor);
  // The caption stays through paints until the next move.
  MoveMouse(QPoint(15, 400));
  f->grab();
  EXPECT_EQ(Title(), "geschlossenes Gehäuse (Cursor 10,0Hz / -23,8dB)");
  SetLanguage("english");
  Reactivate();
  EXPECT_EQ(Title(), "closed box");
  MoveMouse(QPoint(431, 188));
  EXPECT_EQ(Title(), "closed box (cursor 99,6Hz / 0,1dB)");
  // Linear axis at its left edge: 0 Hz, where the curve has no level.
  f->log->setChecked(false);
  MoveMouse(QPoint(15, 300), Qt::LeftButton);
  EXPECT_EQ(Title(), "closed box (curve 0,0 dB at 0,0 Hz)");
}

TEST_F(ClosedWindow, StoringFillsTheChosenSlotWithTheDiagramsCurve) {
  Tclosed* f = form();
  ChassisManufacturer = "VISATON";
  ChassisName = "W 300";
  Activate();
  f->ComboBox1->setCurrentIndex(2);
  Choose(f->exportbox, 1);
  ASSERT_TRUE(ComparisonSlotFilled(2));
  EXPECT_EQ(FilledComparisonSlots(), std::vector<int>{2});
  const ComparisonHeader& h = ComparisonHeaderOf(2);
  EXPECT_EQ(h.BoxType, BoxType::Closed);
  EXPECT_EQ(h.Multiple, 3);
  EXPECT_NEAR(h.Volume1, 3 * 123.64, 0.1);
  EXPECT_EQ(h.DriverLabel, "VISATON W 300");
  EXPECT_DOUBLE_EQ(h.DriverSpl, ChassisSpl);
  // The stored level at 100 Hz is the diagram's level at 100 Hz.
  const auto& plot = *f->Diagram->Plot();
  const PlotGeometry g{700, 500, 100};
  EXPECT_EQ(g.Y(ComparisonCurveOf(2)[100]), plot.curve[100 - 10 + 1].second);
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_EQ(f->exportbox->currentText(), "# 2");
  // Every stored level is the second-order high pass of the Qtc shown (Small 1972): with
  // A = 1 + N Vas/Vb = (Qtc/Qts)^2 its corner is fs sqrt(A) and its quality Qts sqrt(A).
  ASSERT_EQ(TextsOf({f->Edit1, f->Edit3}), QStringList({"0,707", "0"}));
  const double qts = ChassisQts, fs = ChassisFs, a = std::pow(0.707 / qts, 2);
  EXPECT_TRUE(StoredLevelsAre(
      2,
      [&](int hertz) {
        const double x = hertz / fs;
        return 20 * std::log10(std::pow(x, 4) / std::hypot(std::pow(x, 4) - a * x * x, std::pow(x, 3) / qts));
      },
      1e-9));
}

TEST_F(ClosedWindow, PrintComposesAPageInPortraitOrLandscape) {
  Tclosed* f = form();
  Activate();
  AnswerNo();
  f->Button4->click();
  EXPECT_EQ(seam.questions.value(0), "Simulation drucken? / Print simulation?");
  EXPECT_TRUE(seam.composedPages.isEmpty());
  seam.answer = nullptr;
  seam.printPdfPath = TempPath("page.pdf");
  f->Button4->click();
  ASSERT_EQ(seam.composedPages.size(), 1);
  EXPECT_FALSE(seam.composedPages[0].landscape);
  EXPECT_EQ(ReadFileBytes(seam.printPdfPath.toStdString()).substr(0, 4), "%PDF");
  seam.printLandscape = true;
  f->Button4->click();
  ASSERT_EQ(seam.composedPages.size(), 2);
  EXPECT_GT(seam.composedPages[1].width, seam.composedPages[1].height);
  seam.printerUsable = false;
  f->Button4->click();
  // Since printing without a printer writes a PDF file, the message also says that nothing was printed.
  EXPECT_EQ(seam.messages.value(0), "Der Drucker kann nicht benutzt werden. Es wurde nichts gedruckt.");
}

TEST_F(ClosedWindow, WithoutSaveBoxNothingIsRestoredOrSaved) {
  OpenSettings().WriteString("Geschlossen", "Volumen", "77");
  Tclosed* f = form();
  Activate();
  EXPECT_EQ(f->Edit2->text(), "123,6");
  f->Button1->click();
  EXPECT_EQ(OpenSettings().ReadString("Geschlossen", "Serienwiderstand", "none"), "none");
}

TEST_F(ClosedWindow, TextsInBothLanguagesHelpPictureAndEscape) {
  Tclosed* f = form();
  Activate();
  f->grab();
  EXPECT_EQ(f->Button1->text(), "S&chliessen");
  EXPECT_EQ(f->CheckBox1->text(), QString::fromUtf8("Einbaugüte Qtc"));
  EXPECT_EQ(f->Label20->toolTip(), "Ohmscher Widerstand vor dem Lautsprecher");
  EXPECT_EQ(f->exportbutton->text(), "E&xport");
  SetLanguage("english");
  f->grab();
  EXPECT_EQ(f->Button1->text(), "&close");
  EXPECT_EQ(f->Button2->text(), "&simulation");
  EXPECT_EQ(f->log->text(), "logarithmic");
  EXPECT_EQ(f->log->toolTip(), "simulation is logarithmic instead of linear (better)");
  EXPECT_EQ(f->Label2->text(), "ohm,number of speakers");
  EXPECT_EQ(f->Label6->text(), "volume");
  EXPECT_EQ(f->Label1->toolTip(), "help to quality Qtc-characteristics");
  EXPECT_EQ(f->Button5->text(), "&Tip");
  Type(f->Edit1, "1");
  EXPECT_EQ(f->Label11->text(), "liter, total 51,4 l");
  EXPECT_EQ(f->labelfxmax->text(), "Xmax at 50,0Hz");

  f->Button3->click();
  ASSERT_EQ(seam.helpRequests.size(), 1);
  EXPECT_EQ(seam.helpRequests[0].topic, "QTX_contents0004");
  Click(f->Label1);
  EXPECT_TRUE(reinterpret_cast<QWidget*>(forms::gueten)->isVisible());
  Activate();
  QTest::keyClick(f, Qt::Key_Escape);
  EXPECT_FALSE(f->isVisible());
}

TEST_F(ClosedWindow, TipChoosesTheModeByQts) {
  Tclosed* f = form();
  Activate();
  ChassisQts = 0.66;
  f->Button5->click();
  EXPECT_FALSE(f->CheckBox1->isChecked());
  EXPECT_EQ(f->Edit2->text(), "100");
  ChassisQts = 0.65;
  f->Button5->click();
  EXPECT_TRUE(f->CheckBox1->isChecked());
  EXPECT_EQ(f->Edit1->text(), "0,707");
}

}  // namespace
}  // namespace velomare::test

// The closed-box window driven through its controls offscreen: start values, both design modes,
// presets, the diagram's life under "AutoBoxSim", the caption read-out, store, export and print
// through the seam, the kept section, the driver-change tip and bad input, in both languages.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <regex>

#include "TestSupport.h"
#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/ResponsePlot.h"

namespace velomare::test {
namespace {

class ClosedWindow : public WindowTest<Tclosed, &forms::closed> {
 protected:
  void MoveMouse(QWidget* target, QPoint at, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
  }
  void Click(QLabel* label) {
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  }
  bool Shown() { return form()->Diagram->Plot().has_value(); }
  // What a choice in the list does: the item is shown, then the list reports it.
  void Choose(int index) {
    form()->exportbox->setCurrentIndex(index);
    emit form()->exportbox->activated(index);
  }
  QString Dir(const char* name) { return QDir(temp.path()).filePath(name); }

  QTemporaryDir temp;
};

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
  EXPECT_EQ(f->windowTitle().toStdString(), "geschlossenes Gehäuse");
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

TEST_F(ClosedWindow, PresetsRerunTheDesignEvenWhenTheEditHoldsTheValue) {
  Tclosed* f = form();
  Activate();
  Click(f->linkwitz);
  EXPECT_EQ(f->Edit1->text(), "0,50");
  Click(f->bessel);
  EXPECT_EQ(f->Edit1->text(), "0,577");
  Click(f->butterw);
  EXPECT_EQ(f->Edit1->text(), "0,707");
  f->Label5->setText("stale");
  Click(f->butterw);
  EXPECT_EQ(f->Label5->text(), "Resonanzfrequenz fc = 50,0 Hz");
}

TEST_F(ClosedWindow, PresetUnderTheMouseTurnsPurpleUntilTheMouseMovesOverTheWindow) {
  Tclosed* f = form();
  Activate();
  MoveMouse(f->bessel, QPoint(3, 3));
  EXPECT_EQ(f->bessel->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  EXPECT_NE(f->linkwitz->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  MoveMouse(f, QPoint(600, 300));
  EXPECT_NE(f->bessel->palette().color(QPalette::WindowText), QColor(128, 0, 128));
}

TEST_F(ClosedWindow, WithAutoBoxSimTheDiagramFollowsEveryChange) {
  Tclosed* f = form();
  EXPECT_FALSE(Shown());  // the options are read at the first activation
  Activate();
  ASSERT_TRUE(Shown());
  Type(f->Edit1, "1");
  ASSERT_TRUE(Shown());
  EXPECT_EQ(f->Diagram->Plot()->peakFrequency, 100);  // Qtc 1, fc 70.7 Hz: the level peaks at fc sqrt(2)
  f->log->setChecked(false);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(f->Diagram->Plot()->curve.size(), 201u);
  Type(f->Edit1, "abc");  // the diagram keeps the last volume with the new Qtc: drawn as the model says
  Type(f->Edit3, "-6,8");  // Qts' = 0: nothing is drawn
  EXPECT_FALSE(Shown());
}

TEST_F(ClosedWindow, WithoutAutoBoxSimTheSimulationButtonShowsTheDiagramUntilTheNextChange) {
  Option("AutoBoxSim", false);
  Tclosed* f = form();
  Activate();
  EXPECT_FALSE(Shown());
  f->Button2->click();
  ASSERT_TRUE(Shown());
  f->resize(800, 560);
  QCoreApplication::processEvents();
  ASSERT_TRUE(Shown());
  EXPECT_EQ(f->Diagram->Plot()->curve.front(), std::make_pair(15, f->frameGeometry().height() - 45));
  f->repaint();
  Reactivate();
  EXPECT_TRUE(Shown());
  Type(f->Edit1, "0,8");
  EXPECT_FALSE(Shown());
}

TEST_F(ClosedWindow, MouseOverTheDiagramReadsFrequencyAndLevelIntoTheCaption) {
  Tclosed* f = form();
  Activate();
  // x 431 is where 100 Hz is drawn, 99.6 Hz by the exact inverse; y 188 the 0 dB line, 0.08 dB.
  MoveMouse(f, QPoint(431, 188));
  EXPECT_EQ(f->windowTitle().toStdString(), "geschlossenes Gehäuse (Cursor 99,6Hz / 0,1dB)");
  EXPECT_EQ(f->cursor().shape(), Qt::CrossCursor);
  MoveMouse(f, QPoint(431, 188), Qt::LeftButton);
  EXPECT_EQ(f->windowTitle().toStdString(), "geschlossenes Gehäuse (Kurve -0,3 dB bei 99,6 Hz)");
  MoveMouse(f, QPoint(431, 95));
  EXPECT_EQ(f->windowTitle().toStdString(), "geschlossenes Gehäuse ");
  EXPECT_EQ(f->cursor().shape(), Qt::ArrowCursor);
  // The caption stays through paints until the next move.
  MoveMouse(f, QPoint(15, 400));
  f->grab();
  EXPECT_EQ(f->windowTitle().toStdString(), "geschlossenes Gehäuse (Cursor 10,0Hz / -23,8dB)");
  OpenSettings().WriteString("Info", "Sprache", "english");
  Reactivate();
  EXPECT_EQ(f->windowTitle().toStdString(), "closed box");
  MoveMouse(f, QPoint(431, 188));
  EXPECT_EQ(f->windowTitle().toStdString(), "closed box (cursor 99,6Hz / 0,1dB)");
  // Linear axis at its left edge: 0 Hz, where the curve has no level.
  f->log->setChecked(false);
  MoveMouse(f, QPoint(15, 300), Qt::LeftButton);
  EXPECT_EQ(f->windowTitle().toStdString(), "closed box (curve 0,0 dB at 0,0 Hz)");
}

TEST_F(ClosedWindow, TooSmallAWindowDrawsNothingAndReadsZero) {
  Tclosed* f = form();
  Activate();
  f->resize(QSize(30, 145) - (f->frameGeometry().size() - f->size()));
  QCoreApplication::processEvents();
  EXPECT_FALSE(Shown());
  MoveMouse(f, QPoint(20, 120), Qt::LeftButton);
  EXPECT_EQ(f->windowTitle().toStdString(), "geschlossenes Gehäuse (Kurve 0,0 dB bei 0,0 Hz)");
}

TEST_F(ClosedWindow, StoringFillsTheChosenSlotWithTheDiagramsCurve) {
  Tclosed* f = form();
  ChassisManufacturer = "VISATON";
  ChassisName = "W 300";
  Activate();
  f->ComboBox1->setCurrentIndex(2);
  Choose(1);
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
  // The item already shown acts again.
  f->ComboBox1->setCurrentIndex(0);
  Choose(1);
  EXPECT_EQ(ComparisonHeaderOf(2).Multiple, 1);
}

TEST_F(ClosedWindow, AFailedDesignIsNeitherStoredNorExportedNorPrinted) {
  Tclosed* f = form();
  Activate();
  Type(f->Edit1, "1");
  Choose(0);
  ASSERT_TRUE(ComparisonSlotFilled(1));
  const double stored = ComparisonCurveOf(1)[50];
  // The new Qtc fails; the old volume stays beside the new driver count.
  f->ComboBox1->setCurrentIndex(3);
  Type(f->Edit1, "0,3");
  Choose(0);
  EXPECT_EQ(seam.messages.value(0), "keine simulationsdaten / no data");
  EXPECT_EQ(ComparisonCurveOf(1)[50], stored);
  Choose(4);
  EXPECT_EQ(seam.messages.value(1), "keine simulationsdaten / no data");
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
  f->Button4->click();
  EXPECT_EQ(seam.messages.value(2), "Keine richtigen Werte zum Simulieren vorhanden");
  EXPECT_TRUE(seam.composedPages.isEmpty());
  // Volume mode, 0,1 litres: refused before any dialog.
  f->CheckBox1->setChecked(false);
  Type(f->Edit2, "0,1");
  f->exportbutton->click();
  EXPECT_EQ(seam.messages.value(3), "keine simulationsdaten / no data");
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
}

TEST_F(ClosedWindow, ExportWritesTheFileAsksBeforeReplacingAndReportsOnlyAWrittenFile) {
  Tclosed* f = form();
  Activate();
  const QString path = Dir("mybox");
  seam.fileName = [&](const platform::FileDialogRequest&, bool) { return std::optional<QString>(path); };
  Choose(4);
  ASSERT_EQ(seam.fileDialogs.size(), 1);
  EXPECT_EQ(seam.fileDialogs[0].title, "export simulation");
  EXPECT_EQ(seam.fileDialogs[0].defaultName, "closed");
  EXPECT_TRUE(seam.fileDialogs[0].filter.startsWith("ANSI-Export (*.txt)"));
  EXPECT_EQ(seam.messages.value(0), "Dateiexport erfolgreich / file export successful");
  const std::string bytes = ReadFileBytes((path + ".txt").toStdString());
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 416);
  EXPECT_NE(bytes.find("Qtc\t0,707\r\nvolumen (l)\t123,6"), std::string::npos);
  EXPECT_EQ(f->exportbox->currentText(), "file");

  // Again to the same name: the question, and No keeps the file.
  seam.answer = [](const QString&) { return platform::Answer::No; };
  OpenSettings().WriteString("Info", "Sprache", "english");
  f->grab();  // a paint reads the language
  Type(f->Edit1, "1");
  f->exportbutton->click();
  EXPECT_EQ(seam.questions.value(0), "überschreibe / overwrite " + path + ".txt ?");
  EXPECT_EQ(seam.messages.value(1), "Datei nicht überschrieben / file not replaced");
  EXPECT_EQ(ReadFileBytes((path + ".txt").toStdString()), bytes);
  seam.answer = nullptr;
  f->exportbutton->click();
  const std::string english = ReadFileBytes((path + ".txt").toStdString());
  EXPECT_NE(english.find("in closed box\r\n\r\nQtc\t1.000\r\nvolumen (l)\t49.3"), std::string::npos) << english.substr(0, 300);

  // A folder that does not exist: a failure message, no success message.
  seam.messages.clear();
  seam.fileName = [&](const platform::FileDialogRequest&, bool) { return std::optional<QString>(Dir("no/such/x.txt")); };
  f->exportbutton->click();
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].contains(" / "));
  EXPECT_FALSE(seam.messages[0].contains("erfolgreich"));
  // Cancel writes nothing and says nothing.
  seam.messages.clear();
  seam.fileName = nullptr;
  f->exportbutton->click();
  EXPECT_TRUE(seam.messages.isEmpty());
}

TEST_F(ClosedWindow, PrintComposesAPageInPortraitOrLandscape) {
  Tclosed* f = form();
  Activate();
  seam.answer = [](const QString&) { return platform::Answer::No; };
  f->Button4->click();
  EXPECT_EQ(seam.questions.value(0), "Simulation drucken? / Print simulation?");
  EXPECT_TRUE(seam.composedPages.isEmpty());
  seam.answer = nullptr;
  seam.printPdfPath = Dir("page.pdf");
  f->Button4->click();
  ASSERT_EQ(seam.composedPages.size(), 1);
  EXPECT_FALSE(seam.composedPages[0].landscape);
  EXPECT_EQ(ReadFileBytes(seam.printPdfPath.toStdString()).substr(0, 4), "%PDF");
  seam.printLandscape = true;
  f->Button4->click();
  ASSERT_EQ(seam.composedPages.size(), 2);
  EXPECT_GT(seam.composedPages[1].width, seam.composedPages[1].height);
}

TEST_F(ClosedWindow, SaveBoxKeepsVolumeAndResistanceAndRestoresThemOncePerShow) {
  Option("SaveBox", true);
  Tclosed* f = form();
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
  EXPECT_EQ(f->Edit2->text(), "16.2");
  EXPECT_EQ(f->Edit3->text(), "0.5");
  // Returning to the visible window keeps what the user typed since.
  Type(f->Edit2, "33");
  Reactivate();
  EXPECT_EQ(f->Edit2->text(), "33");
  // A volume text that is no number is not kept as a number.
  Type(f->Edit2, "12a");
  f->Button1->click();
  EXPECT_EQ(OpenSettings().ReadString("Geschlossen", "Volumen", ""), "16.2");
}

TEST_F(ClosedWindow, WithoutSaveBoxNothingIsRestoredOrSaved) {
  OpenSettings().WriteString("Geschlossen", "Volumen", "77");
  Tclosed* f = form();
  Activate();
  EXPECT_EQ(f->Edit2->text(), "123,6");
  f->Button1->click();
  EXPECT_EQ(OpenSettings().ReadString("Geschlossen", "Serienwiderstand", "none"), "none");
}

TEST_F(ClosedWindow, ANewDriverRunsTheTipAtTheNextActivationEvenWithARestore) {
  Option("SaveBox", true);
  OpenSettings().WriteString("Geschlossen", "Volumen", "40");
  OpenSettings().WriteString("Geschlossen", "Serienwiderstand", "0");
  Tclosed* f = form();
  ChassisQts = 0.8;  // committed by the driver window while the box window was hidden
  Activate();
  EXPECT_FALSE(f->CheckBox1->isChecked());
  EXPECT_EQ(f->Edit2->text(), "100");
  // Labels and diagram agree with the new driver.
  EXPECT_EQ(f->Edit1->text(), "1,484");  // 0.8 sqrt(1 + 244 / 100)
  ASSERT_TRUE(Shown());
  ChassisQts = 0.5;
  f->Button1->click();
  Activate();
  EXPECT_TRUE(f->CheckBox1->isChecked());
  EXPECT_EQ(f->Edit1->text(), "0,707");
}

TEST_F(ClosedWindow, BadInputNeverShowsNanOrInfAndNeverStoresIt) {
  Tclosed* f = form();
  Activate();
  const QStringList bad = {"abc", "", "-", "1e999", QString(30, '9'), "-5", ",", "0,0000001"};
  const std::regex nanOrInf("\\b(nan|inf)", std::regex::icase);
  for (bool qtcMode : {true, false}) {
    f->CheckBox1->setChecked(qtcMode);
    for (QLineEdit* edit : {f->Edit1, f->Edit2, f->Edit3}) {
      for (const QString& text : bad) {
        if (edit->isEnabled()) Type(edit, text);
        f->ComboBox1->setEditText(text);
        MoveMouse(f, QPoint(300, 300), Qt::LeftButton);
        Choose(0);
        for (QLabel* label : {f->Label4, f->Label5, f->Label11, f->labelfxmax})
          EXPECT_FALSE(std::regex_search(label->text().toStdString(), nanOrInf)) << label->text().toStdString();
        for (const QString& t : {f->Edit1->text(), f->Edit2->text(), f->windowTitle()})
          EXPECT_FALSE(std::regex_search(t.toStdString(), nanOrInf)) << t.toStdString();
        if (ComparisonSlotFilled(1)) {
          for (int i = 1; i <= 400; ++i) ASSERT_TRUE(std::isfinite(ComparisonCurveOf(1)[i]));
        }
        if (f->Diagram->Plot()) {
          for (const auto& [x, y] : f->Diagram->Plot()->curve) ASSERT_LE(std::abs(y), 100000000);
        }
      }
      f->ComboBox1->setCurrentIndex(0);
      Type(edit, edit == f->Edit3 ? "0" : (edit == f->Edit1 ? "0,707" : "100"));
    }
  }
}

TEST_F(ClosedWindow, TextsInBothLanguagesHelpPictureAndEscape) {
  Tclosed* f = form();
  Activate();
  f->grab();
  EXPECT_EQ(f->Button1->text(), "S&chliessen");
  EXPECT_EQ(f->CheckBox1->text(), QString::fromUtf8("Einbaugüte Qtc"));
  EXPECT_EQ(f->Label20->toolTip(), "Ohmscher Widerstand vor dem Lautsprecher");
  EXPECT_EQ(f->exportbutton->text(), "E&xport");
  OpenSettings().WriteString("Info", "Sprache", "english");
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

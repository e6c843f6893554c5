// The vented bandpass window driven through its controls offscreen.
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <cmath>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/model/ComparisonStore.h"
#include "filters/FixedPicture.h"

namespace velomare::test {
namespace {

class VentpassWindow : public WindowTest<Tventpass, &forms::ventpass> {
 protected:
  std::string Marker() {
    for (const PlotItem& item : form()->Diagram->Plot()->items)
      if (item.kind == PlotItem::Text && item.text.rfind("max ", 0) == 0) return item.text;
    return {};
  }
};

TEST_F(VentpassWindow, DerivedFieldsFollowEachKeystrokeOnceAndQlTheVolumesOrTheScrollBar) {
  Tventpass* f = form();
  Activate();
  EXPECT_EQ(TextsOf({f->Edit4, f->Edit9, f->Edit8, f->Edit10}), QStringList({"78.5", "32.3", "153.9", "55.1"}));
  // Each derived field is written once per keystroke: "1" then "11", the nested pass writes nothing.
  QSignalSpy area(f->Edit4, &QLineEdit::textChanged);
  QSignalSpy tuningWrites(f->Edit9, &QLineEdit::textChanged);
  Type(f->Edit2, "11");
  EXPECT_EQ(QList<qsizetype>({area.count(), tuningWrites.count()}), QList<qsizetype>({2, 2}));
  EXPECT_EQ(f->Edit4->text(), "95.0");
  // The cross-section boxes switch the entry; Ql follows the volumes or the scroll bar.
  f->CheckBox3->click();
  EXPECT_FALSE(f->Edit2->isEnabled());
  EXPECT_TRUE(f->Edit4->isEnabled());
  Type(f->Edit4, "70");
  EXPECT_EQ(f->Edit2->text(), "9.4");
  const QString tuning = f->Edit9->text();  // clearing a tube length keeps the tuning shown
  Type(f->Edit3, "");
  EXPECT_EQ(f->Edit9->text(), tuning);
  Type(f->Edit1, "5900");  // Ql follows the volumes, or the scroll bar without "&Auto Ql"
  EXPECT_EQ(f->ScrollBar3->value(), 1);
  f->CheckBox2->click();
  f->ScrollBar3->setValue(30);
  EXPECT_EQ(f->Label16->text(), "Verlustfaktor Ql = 30");
}

TEST_F(VentpassWindow, DiagramMarksItsMaximumAndFollowsAutoBoxSim) {
  Activate();
  ASSERT_TRUE(DiagramShown());
  EXPECT_EQ(Marker(), "max 2.6dB @ 40Hz");

  Option("AutoBoxSim", false);
  Reactivate();
  Type(form()->Edit1, "150");
  EXPECT_FALSE(DiagramShown());
  QTest::keyClick(form(), Qt::Key_Return);  // the default button
  EXPECT_TRUE(DiagramShown());
  Type(form()->Edit5, "150");  // equal tunings of both chambers: no simulation
  Type(form()->Edit6, "10");
  Type(form()->Edit7, "4");
  EXPECT_EQ(form()->Edit9->text(), form()->Edit10->text());
  form()->Button2->click();
  EXPECT_FALSE(DiagramShown());
}

TEST_F(VentpassWindow, PresetsActOnEveryChoiceAndTheListKeepsShowingIt) {
  Tventpass* f = form();
  ChassisQts = 0.4;  // the worked example's driver
  ChassisVas = 50;
  ChassisFs = 30;
  Activate();
  Choose(f->ComboBox1, 0);
  EXPECT_EQ(f->Edit1->text(), "54.1");
  EXPECT_EQ(f->Edit3->text(), "44.6");
  EXPECT_EQ(f->Edit6->text(), "17.3");
  EXPECT_EQ(f->Edit5->text(), "27.0");
  EXPECT_EQ(f->Edit7->text(), "65.0");
  EXPECT_EQ(f->ComboBox1->currentText(), "BR1-2-2");
  Type(f->Edit2, "12");  // the same item again acts again, from the chamber 1 diameter as it is now
  Choose(f->ComboBox1, 0);
  EXPECT_EQ(f->ComboBox1->currentText(), "BR1-2-2");
  EXPECT_EQ(f->Edit6->text(), "20.8");
  Choose(f->ComboBox1, 2);
  EXPECT_EQ(f->ComboBox1->currentText(), "cBP2");
  EXPECT_EQ(f->Edit1->text(), "13.3");
  Type(f->Edit1, "77");  // code that sets the index runs nothing
  f->ComboBox1->setCurrentIndex(1);
  EXPECT_EQ(f->Edit1->text(), "77");
  ChassisFs = 0;  // a driver the rules cannot use leaves every field as it was
  Choose(f->ComboBox1, 1);
  EXPECT_EQ(f->Edit1->text(), "77");
}

TEST_F(VentpassWindow, SlotsFillSilentlyAndTheListRefusesWithoutData) {
  Tventpass* f = form();
  Activate();
  Choose(f->exportbox, 1);
  EXPECT_TRUE(seam.messages.isEmpty());
  ASSERT_TRUE(ComparisonSlotFilled(2));
  EXPECT_EQ(ComparisonHeaderOf(2).BoxType, BoxType::VentedBandpass);
  EXPECT_EQ(ComparisonHeaderOf(2).PortLength2, 5.0);
  Type(f->Edit3, "");  // a kept tuning after clearing a tube length is no data
  Choose(f->exportbox, 2);
  EXPECT_EQ(seam.messages.value(0), "keine simulationsdaten / no data");
  EXPECT_FALSE(ComparisonSlotFilled(3));
  Type(f->Edit3, "4");
  // A tiny chamber is stored but not exported.
  Type(f->Edit5, "100");
  Type(f->Edit1, "0,05");
  ASSERT_TRUE(DiagramShown());
  Choose(f->exportbox, 3);
  EXPECT_TRUE(ComparisonSlotFilled(4));
  seam.messages.clear();
  ExportFile(TempPath("tiny.txt"));
  EXPECT_EQ(seam.messages.value(0), "keine simulationsdaten / no data");
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(TempPath("tiny.txt")));
}

TEST_F(VentpassWindow, ExportFileInGermanAndEnglishWithTheTubeSeparatorsReversed) {
  Activate();
  std::vector<std::string> lines = SplitCrLfLines(ExportFile(TempPath("de.txt")));
  EXPECT_EQ(seam.fileDialogs.value(0).defaultName, "ventedbandpass");
  ASSERT_EQ(lines.size(), 419u);
  EXPECT_EQ(lines[8], "Einbau in ventilierten Bandpass 6. Ordnung");
  EXPECT_EQ(lines[10], "volumen 1 (l)\t200,000");
  EXPECT_EQ(lines[13], "Rohrdurchmesser 1 (cm)\t10.0");
  EXPECT_EQ(lines[19], "1\t-122,51");
  SetLanguage("english");
  Repaint();
  lines = SplitCrLfLines(ExportFile(TempPath("en.txt")));
  EXPECT_EQ(lines.at(8), "vented band pass box 6th order");
  EXPECT_EQ(lines.at(13), "tube diameter 1 (cm)\t10,0");
  EXPECT_EQ(lines.at(19), "1\t-122.51");
}

TEST_F(VentpassWindow, PushPullWorksWhenItsBoxIsCheckedAndPrintAndHelpGoThroughThePlatform) {
  Tventpass* f = form();
  Activate();
  // Nothing in the program enables the box; its effects still hold when it is checked.
  f->CheckBox1->setChecked(true);
  EXPECT_TRUE(f->Image2->isVisible());
  Repaint();
  EXPECT_EQ(f->windowTitle(), "Ventilierter Bandpass 6. Ordnung mit Push-Pull-Prinzip");
  Choose(f->exportbox, 0);
  EXPECT_EQ(ComparisonHeaderOf(1).Multiple, 2);
  EXPECT_EQ(SplitCrLfLines(ExportFile(TempPath("pp.txt"))).at(8), "Einbau in ventilierten Bandpass 6. Ordnung mit Push-Pull (Isobarik)");
  ExpectHelpAndPrint(form()->Button5, "QTX_contents0023", form()->Button4);
  QTest::keyClick(form(), Qt::Key_Escape);  // the cancel button
  EXPECT_FALSE(form()->isVisible());
}

TEST_F(VentpassWindow, BadInputNeverShowsNanOrInfAndNothingIsStored) {
  Tventpass* f = form();
  Activate();
  const std::string before = settings->ReadSettings();
  TypeIntoEach({f->Edit1, f->Edit2, f->Edit3, f->Edit5, f->Edit6, f->Edit7}, BadNumberTexts(),
               [&](const QString&) { Choose(f->exportbox, 0); });
  f->CheckBox3->click();
  f->CheckBox4->click();
  TypeIntoEach({f->Edit4, f->Edit8}, BadNumberTexts());
  for (int preset : {0, 1, 2}) Choose(f->ComboBox1, preset);
  ExpectNoNonFiniteTexts(f);
  f->close();
  EXPECT_EQ(settings->ReadSettings().find("ventpass"), std::string::npos);
  EXPECT_EQ(settings->ReadSettings().find("Bandpass]"), before.find("Bandpass]"));
}

TEST_F(VentpassWindow, DesignedControlsAndStatesBeforeAndAfterTheFirstActivation) {
  Tventpass* f = form();
  EXPECT_EQ(f->objectName(), "ventpass");
  EXPECT_EQ(f->frameGeometry().size(), QSize(769, 550));
  // Until the first activation the fields show their designed defaults.
  EXPECT_EQ(f->Edit9->text(), "20");
  EXPECT_EQ(f->Edit10->text(), "30");
  EXPECT_EQ(f->Edit4->text(), "70");
  Activate();
  EXPECT_EQ(f->Label4->text(), "BETA");
  EXPECT_TRUE(f->Label4->font().bold());
  EXPECT_EQ(f->ComboBox1->currentText(), "Tip");
  EXPECT_EQ(f->ComboBox1->count(), 3);
  EXPECT_EQ(f->exportbox->currentText(), "export");
  EXPECT_EQ(f->exportbox->count(), 5);
  EXPECT_FALSE(f->Button3->isEnabled());
  EXPECT_FALSE(f->Button3->isVisible());
  EXPECT_FALSE(f->CheckBox1->isEnabled());
  EXPECT_FALSE(f->CheckBox1->isChecked());
  EXPECT_TRUE(f->CheckBox2->isChecked());
  EXPECT_TRUE(f->CheckBox2->toolTip().isEmpty());  // hints are off in this window
  EXPECT_FALSE(f->Edit9->isEnabled());
  EXPECT_FALSE(f->Edit10->isEnabled());
  EXPECT_TRUE(f->Edit2->isEnabled());
  EXPECT_FALSE(f->Edit4->isEnabled());
  EXPECT_TRUE(f->Edit6->isEnabled());
  EXPECT_FALSE(f->Edit8->isEnabled());
  EXPECT_TRUE(f->Image1->isVisible());
  EXPECT_FALSE(f->Image2->isVisible());
  EXPECT_EQ(f->Image1->geometry(), QRect(568, 5, 193, 121));
  EXPECT_EQ(f->Image2->geometry(), f->Image1->geometry());
  EXPECT_EQ(f->ScrollBar3->minimum(), 1);
  EXPECT_EQ(f->ScrollBar3->maximum(), 100);
  // The first activation fills the derived fields, with a decimal point.
  EXPECT_EQ(f->Edit4->text(), "78.5");
  EXPECT_EQ(f->Edit9->text(), "32.3");
  EXPECT_EQ(f->Edit8->text(), "153.9");
  EXPECT_EQ(f->Edit10->text(), "55.1");
  EXPECT_EQ(f->ScrollBar3->value(), 4);
  EXPECT_EQ(f->Label16->text(), "Verlustfaktor Ql = 4");
}

TEST_F(VentpassWindow, TextsInBothLanguagesFromOneTable) {
  Tventpass* f = form();
  SetLanguage("deutsch");
  Activate();
  Repaint();
  EXPECT_EQ(f->windowTitle(), "Ventilierter Bandpass 6. Ordnung");
  EXPECT_EQ(f->GroupBox1->title(), "Kammer 1 (Rear)");
  EXPECT_EQ(f->GroupBox2->title(), "Kammer 2 (Front)");
  EXPECT_EQ(f->GroupBox3->title(), "Berechnung");
  EXPECT_EQ(f->Label1->text(), "Volumen (l)");
  EXPECT_EQ(f->Label12->text(), "Rohrdurchmesser (cm)");
  EXPECT_EQ(f->Label13->text(), "Rohrlänge (cm)");
  EXPECT_EQ(f->Label5->text(), "Abstimmfrequenz (Hz)");
  EXPECT_EQ(f->CheckBox4->text(), "Rohrquerschnitt (qcm)");
  EXPECT_EQ(f->Button1->text(), "S&chliessen");
  EXPECT_EQ(f->Button2->text(), "&Simulation");
  EXPECT_EQ(f->Button4->text(), "&Drucken");
  EXPECT_EQ(f->Button5->text(), "&Hilfe");
  EXPECT_TRUE(LayoutProblems(f, "deutsch").isEmpty()) << LayoutProblems(f, "deutsch").join("\n").toStdString();
  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->windowTitle(), "vented band pass box 6th order");
  EXPECT_EQ(f->GroupBox1->title(), "chamber 1 (rear)");
  EXPECT_EQ(f->GroupBox2->title(), "chamber 2 (front)");
  EXPECT_EQ(f->GroupBox3->title(), "Calculation");
  EXPECT_EQ(f->Label11->text(), "volume (l)");
  EXPECT_EQ(f->Label2->text(), "tube diameter (cm)");
  EXPECT_EQ(f->Label3->text(), "tube length (cm)");
  EXPECT_EQ(f->Label14->text(), "tuning frequency (Hz)");
  EXPECT_EQ(f->CheckBox3->text(), "tube cross-section (sqcm)");
  EXPECT_EQ(f->Button1->text(), "&close");
  EXPECT_EQ(f->Button2->text(), "&simulation");
  EXPECT_EQ(f->Button4->text(), "&print");
  EXPECT_EQ(f->Button5->text(), "&help");
  EXPECT_EQ(f->Label16->text(), "loss factor quality Ql = 4");
  // These keep their designed texts in both languages.
  EXPECT_EQ(f->CheckBox1->text(), "Push-Pull (Isobarik)");
  EXPECT_EQ(f->CheckBox2->text(), "&Auto Ql");
  EXPECT_EQ(f->Label4->text(), "BETA");
  EXPECT_EQ(f->ComboBox1->currentText(), "Tip");
  EXPECT_EQ(f->ComboBox1->itemText(0), "BR1-2-2");
  EXPECT_EQ(f->exportbox->currentText(), "export");
  EXPECT_EQ(f->Button3->text(), "e&xport");
  // The colour scheme is read at every paint too.
  OpenSettings().WriteInteger("Options", "color", 1);
  Repaint();
  EXPECT_EQ(f->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_TRUE(LayoutProblems(f, "english").isEmpty()) << LayoutProblems(f, "english").join("\n").toStdString();
}

TEST_F(VentpassWindow, DiagramIsTheBandpassDiagramWithItsMaximumMarker) {
  Activate();
  ASSERT_TRUE(DiagramShown());
  const ResponsePlot& plot = *form()->Diagram->Plot();
  // 391 curve points from 10 to 400 Hz after the bottom-left corner.
  EXPECT_EQ(plot.curve.size(), 392u);
  EXPECT_EQ(plot.curve.front(), std::make_pair(15, 550 - 45));
  EXPECT_EQ(Marker(), "max 2.6dB @ 40Hz");
  bool top = false, twenty = false, twoHundred = false;
  for (const PlotItem& item : plot.items) {
    if (item.kind == PlotItem::Line && item.y1 == 175 && item.y2 == 175) top = true;
    if (item.kind == PlotItem::Text && item.text == "20Hz") twenty = true;
    if (item.kind == PlotItem::Text && item.text == "200Hz") twoHundred = true;
  }
  EXPECT_TRUE(top && twenty && twoHundred);
  // Clamped to +12 dB at the top: 40 dB over H - 220 pixels.
  for (const auto& [x, y] : plot.curve) EXPECT_GE(y, 175 + (550 - 220) / 4 - (550 - 220) * 12 / 40);
  // The worked example's driver: the maximum of 6.4 dB at 35 Hz.
  ChassisQts = 0.4;
  ChassisVas = 50;
  ChassisFs = 30;
  form()->Button2->click();
  EXPECT_EQ(Marker(), "max 6.4dB @ 35Hz");
}

TEST_F(VentpassWindow, WithoutAutoBoxSimOnlyTheSimulationButtonDrawsAndARepaintKeepsIt) {
  Option("AutoBoxSim", false);
  Activate();
  EXPECT_FALSE(DiagramShown());
  QTest::keyClick(form(), Qt::Key_Return);  // the default button
  EXPECT_TRUE(DiagramShown());
  Repaint();
  EXPECT_TRUE(DiagramShown());
  form()->resize(form()->width() + 20, form()->height());
  EXPECT_TRUE(DiagramShown());
  Type(form()->Edit1, "150");
  EXPECT_FALSE(DiagramShown());
  // Every activation reads the option again.
  Option("AutoBoxSim", true);
  Reactivate();
  EXPECT_TRUE(DiagramShown());
  // Equal tunings are no simulation: nothing drawn, not even by the button.
  Type(form()->Edit5, "150");
  Type(form()->Edit6, "10");
  Type(form()->Edit7, "4");
  EXPECT_EQ(form()->Edit9->text(), form()->Edit10->text());
  EXPECT_FALSE(DiagramShown());
  form()->Button2->click();
  EXPECT_FALSE(DiagramShown());
}

TEST_F(VentpassWindow, CrossSectionBoxesSwitchTheEntryAndTheNextChangeFollows) {
  Tventpass* f = form();
  Activate();
  f->CheckBox3->click();
  EXPECT_FALSE(f->Edit2->isEnabled());
  EXPECT_TRUE(f->Edit4->isEnabled());
  EXPECT_EQ(f->Edit2->text(), "10");  // nothing recomputed yet
  Type(f->Edit4, "70");
  EXPECT_EQ(f->Edit2->text(), "9.4");
  f->CheckBox4->click();
  EXPECT_FALSE(f->Edit6->isEnabled());
  EXPECT_TRUE(f->Edit8->isEnabled());
  f->CheckBox4->click();
  EXPECT_TRUE(f->Edit6->isEnabled());
  EXPECT_FALSE(f->Edit8->isEnabled());
  // Clearing a tube length keeps the tuning shown.
  const QString tuning = f->Edit9->text();
  EXPECT_EQ(tuning, "31.1");
  Type(f->Edit3, "");
  EXPECT_EQ(f->Edit9->text(), tuning);
}

TEST_F(VentpassWindow, SlotsFillSilentlyWithTheDesignAndTheListRefusesEqualTunings) {
  Tventpass* f = form();
  Activate();
  Choose(f->exportbox, 1);
  EXPECT_TRUE(seam.messages.isEmpty());
  ASSERT_TRUE(ComparisonSlotFilled(2));
  EXPECT_EQ(ComparisonHeaderOf(2).Multiple, 1);
  EXPECT_EQ(ComparisonHeaderOf(2).BoxQl, 4);
  EXPECT_EQ(ComparisonHeaderOf(2).DriverSpl, ChassisSpl);
  EXPECT_NEAR(ComparisonCurveOf(2)[1], -122.51, 0.005);
  EXPECT_EQ(f->exportbox->currentText(), "# 2");
  // Every stored level is the sixth-order bandpass of the chambers as designed: 200 l behind a
  // 10 cm tube 4 cm long, 100 l before a 14 cm tube 5 cm long (Helmholtz, end correction 1.463 r),
  // Ql 4; the denominator's coefficients at s = j f, the numerator f^4 |F2^2 - F1^2|.
  ASSERT_EQ(TextsOf({f->Edit1, f->Edit2, f->Edit3, f->Edit5, f->Edit6, f->Edit7}),
            QStringList({"200", "10", "4", "100", "14", "5"}));
  ASSERT_EQ(f->Label16->text(), "Verlustfaktor Ql = 4");
  const auto tuning = [](double v, double d, double l) { return std::sqrt(94400 * d * d / 4 / v / (l + 1.463 * d / 2)); };
  const double f1 = tuning(200, 10, 4), f2 = tuning(100, 14, 5), q = 4, v1 = 200, v2 = 100;
  const double fs = ChassisFs, qts = ChassisQts, vas = ChassisVas, f11 = f1 * f1, f22 = f2 * f2;
  const double a5 = f11 / (f2 * q) + fs / qts + f2 / q;
  const double a4 = fs * fs * (vas / v2 + vas / v1 + 1) + fs * (f11 / (f2 * qts * q) + f2 / (qts * q)) + f11 + f22;
  const double a3 = 2 * f11 * f2 / q + (f22 + f11) * fs / qts +
                    fs * fs * (f11 / (f2 * q) * (vas / v2 + 1) + f2 / q * (vas / v1 + 1));
  const double a2 = f11 * f22 + 2 * f11 * f2 * fs / (qts * q) + fs * fs * (f22 * (vas / v1 + 1) + f11 * (vas / v2 + 1));
  const double a1 = f11 * f2 * (2 * fs * fs / q + f2 * fs / qts), a0 = f11 * f22 * fs * fs;
  EXPECT_TRUE(StoredLevelsAre(
      2,
      [&](int hertz) {
        const double w = hertz;
        const double re = -std::pow(w, 6) + a4 * std::pow(w, 4) - a2 * w * w + a0;
        const double im = a5 * std::pow(w, 5) - a3 * std::pow(w, 3) + a1 * w;
        return 20 * std::log10(std::pow(w, 4) * std::abs(f22 - f11) / std::hypot(re, im));
      },
      1e-9));
  // Equal tunings: refused.
  Type(f->Edit5, "200");
  Type(f->Edit6, "10");
  Type(f->Edit7, "4");
  Choose(f->exportbox, 0);
  Choose(f->exportbox, 4);
  EXPECT_EQ(seam.messages, QStringList({"keine simulationsdaten / no data", "keine simulationsdaten / no data"}));
  EXPECT_FALSE(ComparisonSlotFilled(1));
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
}

TEST_F(VentpassWindow, ExportFileLineByLineInGermanAndEnglish) {
  Activate();
  std::vector<std::string> lines = SplitCrLfLines(ExportFile(TempPath("de.txt")));
  ASSERT_EQ(seam.fileDialogs.size(), 1);
  EXPECT_EQ(seam.fileDialogs[0].title, "export simulation");
  EXPECT_EQ(seam.messages.value(0), "Dateiexport erfolgreich / file export successful");
  ASSERT_EQ(lines.size(), 419u);
  EXPECT_EQ(lines[0], "Velomare simulations export file, Version 3.2.5");
  EXPECT_EQ(lines[1], "VISATON\tW 300 NG (8 Ohm)");
  EXPECT_EQ(lines[2], "Qts\t0,41");
  EXPECT_EQ(lines[6], "SPL (dB)\t" + DotToComma(FormatFixed(ChassisSpl, 2, 1)));
  EXPECT_EQ(lines[11], "volumen 2 (l)\t100,000");
  EXPECT_EQ(lines[12], "Ql\t4");
  EXPECT_EQ(lines[14], "Rohrl\xE4nge 1\t4.0");
  EXPECT_EQ(lines[15], "Rohrdurchmesser 2 (cm)\t14.0");
  EXPECT_EQ(lines[16], "Rohrl\xE4nge 2 (cm)\t5.0");
  EXPECT_EQ(lines[17], "");
  EXPECT_EQ(lines[18], "f (Hz)\tlevel (dB)");
  EXPECT_EQ(lines[418].substr(0, 4), "400\t");

  SetLanguage("english");
  Repaint();
  lines = SplitCrLfLines(ExportFile(TempPath("en.txt")));
  ASSERT_EQ(lines.size(), 419u);
  EXPECT_EQ(lines[2], "Qts\t0.41");
  EXPECT_EQ(lines[10], "volumen 1 (l)\t200.000");
  EXPECT_EQ(lines[14], "tube length 1(cm)\t4,0");
  EXPECT_EQ(lines[15], "tube diameter 2 (cm)\t14,0");
  EXPECT_EQ(lines[16], "tube length 2 (cm)\t5,0");
}

TEST_F(VentpassWindow, ExportAsksBeforeReplacingAndReportsAFailedWrite) {
  Activate();
  const std::string path = TempPath("old.txt").toStdString();
  WriteFileBytes(path, "old");
  AnswerNo();
  ExportFile(TempPath("old.txt"));
  EXPECT_EQ(seam.questions.value(0), QString::fromStdString("überschreibe / overwrite " + path + " ?"));
  EXPECT_EQ(seam.messages.value(0), "Datei nicht überschrieben / file not replaced");
  EXPECT_EQ(ReadFileBytes(path), "old");
  seam.messages.clear();
  ExportFile(TempPath("no/such/folder/x.txt"));
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_FALSE(seam.messages[0].contains("erfolgreich"));
  EXPECT_TRUE(seam.messages[0].contains("could not be written"));
}

TEST_F(VentpassWindow, PushPullWorksWhenItsBoxIsChecked) {
  Tventpass* f = form();
  Activate();
  f->CheckBox1->setChecked(true);
  EXPECT_EQ(f->Image2->geometry(), f->Image1->geometry());
  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->windowTitle(), "vented band pass box 6th order with push-pull");
  const std::vector<std::string> lines = SplitCrLfLines(ExportFile(TempPath("pp-en.txt")));
  ASSERT_EQ(lines.size(), 419u);
  EXPECT_EQ(lines[8], "in vented band pass box 6th order with push-pull");
  f->CheckBox1->setChecked(false);
  EXPECT_FALSE(f->Image2->isVisible());
}

TEST_F(VentpassWindow, QlFollowsTheVolumesOrTheScrollBar) {
  Tventpass* f = form();
  Activate();
  Type(f->Edit1, "5900");
  EXPECT_EQ(f->ScrollBar3->value(), 1);
  f->CheckBox2->click();
  f->ScrollBar3->setValue(30);
  EXPECT_EQ(f->State().ql, 30);
  EXPECT_EQ(f->Label16->text(), "Verlustfaktor Ql = 30");
  f->CheckBox2->click();
  EXPECT_EQ(f->ScrollBar3->value(), 1);
  EXPECT_EQ(f->State().ql, 1);
}

TEST_F(VentpassWindow, PrintAndHelpGoThroughThePlatform) {
  Activate();
  form()->Button4->click();
  EXPECT_EQ(seam.questions.value(0), "Fenster drucken?");
  ASSERT_EQ(seam.printed.size(), 1);
  EXPECT_EQ(seam.printed[0], form());
  SetLanguage("english");
  Repaint();
  AnswerNo();
  form()->Button4->click();
  EXPECT_EQ(seam.questions.value(1), "print window?");
  EXPECT_EQ(seam.printed.size(), 1);
}

}  // namespace
}  // namespace velomare::test

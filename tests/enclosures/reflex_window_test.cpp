// The bass-reflex window driven through its controls offscreen.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/ReflexTuning.h"
#include "enclosures/model/ResponsePlot.h"

namespace velomare::test {
namespace {

class ReflexWindow : public WindowTest<TReflex, &forms::Reflex> {
 protected:
  // The worked example's driver, and the rule of thumb for it.
  void ExampleDriver() {
    ChassisQts = 0.35;
    ChassisVas = 50;
    ChassisFs = 30;
    ChassisRe = 6;
    ChassisVol = 0.5;
    ChassisQes = 0.38;
    ChassisManufacturer = "ACME";
    ChassisName = "W1";
    form()->Button4->click();
  }
  bool HasPlotText(const std::string& text) {
    const auto& items = form()->Diagram->Plot()->items;
    return std::any_of(items.begin(), items.end(), [&](const PlotItem& i) { return i.kind == PlotItem::Text && i.text == text; });
  }
};

TEST_F(ReflexWindow, RuleOfThumbAlignmentsAndEveryControlRecomputeAtOnceAndTheLabelsOpenTheirWindows) {
  TReflex* f = form();
  EXPECT_EQ(TextsOf({f->Edit2, f->Edit3}), QStringList({"283,3", "3,4"}));  // the default driver's
  Activate();
  ASSERT_TRUE(DiagramShown());
  EXPECT_TRUE(HasPlotText("-3dB bei  30 Hz"));
  EXPECT_TRUE(HasPlotText("200"));  // no unit on this window's frequency labels
  EXPECT_DOUBLE_EQ(ReflexTuningFrequency(), static_cast<double>(f->Design().tuning));
  ExampleDriver();
  EXPECT_EQ(f->Edit2->text(), "36,9");
  EXPECT_EQ(f->Edit3->text(), "52,6");
  EXPECT_EQ(f->Label5->text(), "Rohrabstimmfrequenz fr = 32.6 Hz");
  EXPECT_EQ(f->Label8->text(), "l, total 41.5 l");
  Type(f->Edit3, "20");  // the length edit: "l, insges. " and a new tuning
  EXPECT_EQ(f->Label8->text(), "l, insges. 39.0 l");
  // The alignments write volume then length, and the list shows its prompt again.
  Choose(f->abstimm, 2);
  EXPECT_EQ(f->Edit2->text(), "27,1");
  EXPECT_EQ(f->abstimm->currentText(), "Abstimmung");
  EXPECT_NEAR(static_cast<double>(f->Design().tuning), 30.0, 0.1);  // back from the texts as shown
  Type(f->Edit2, "50");
  Choose(f->abstimm, 0);
  Choose(f->abstimm, 0);  // "Tip" again, though shown before, runs again
  EXPECT_EQ(f->Edit2->text(), "36,9");
  ChassisVas = 0;  // a driver without Vas leaves both edits
  Choose(f->abstimm, 3);
  EXPECT_EQ(TextsOf({f->Edit2, f->Edit3}), QStringList({"36,9", "52,6"}));
  ChassisVas = 50;
  f->Box1->setCurrentIndex(1);  // two ports of the same size double the area
  EXPECT_EQ(f->Label7->text(), QString::fromUtf8("Rohrfläche = 157.1 cm²"));
  f->Box1->setEditText("3");  // a typed count counts 0: no area, no tuning
  EXPECT_EQ(f->Design().portCount, 0);
  EXPECT_EQ(f->Label7->text(), QString::fromUtf8("cm² "));
  f->Box1->setCurrentIndex(0);
  Type(f->Edit2, "10");  // the volume edit drives the automatic Ql
  EXPECT_EQ(f->Label3->text(), "Verlustfaktor Ql = 18");
  EXPECT_EQ(f->ScrollBar1->value(), 18);
  f->ScrollBar1->setValue(60);  // while "&Auto Ql" is checked the scroll bar springs back
  EXPECT_EQ(f->ScrollBar1->value(), 18);
  Type(f->Edit4, "6");  // a series resistance raises Qts'
  EXPECT_NEAR(static_cast<double>(f->Design().qtsEffective), 0.7, 1e-12);
  Click(f->Label1);  // the diameter label shows the port calculator, which takes this window's tuning
  ASSERT_TRUE(QTest::qWaitForWindowActive(forms::Durch));
  EXPECT_GT(ReflexTuningFrequency(), 10);
  EXPECT_EQ(forms::Durch->Edit2->text().toStdString(), FormatFixedComma(ReflexTuningFrequency(), 1, 1));
  forms::Durch->hide();
  Activate();
  ExpectHelpAndPrint(f->Button3, "QTX_contents0005");
}

TEST_F(ReflexWindow, StoreExportAndPrintRefuseAStaleDesignAndTheDiagramReadsOnBothAxes) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  Choose(f->exportbox, 2);
  ASSERT_TRUE(ComparisonSlotFilled(3));
  const ComparisonHeader& h = ComparisonHeaderOf(3);
  EXPECT_EQ(h.BoxType, BoxType::BassReflex);
  EXPECT_NEAR(h.Volume1, 36.9, 1e-9);
  EXPECT_NEAR(h.PortLength1, 52.6, 1e-9);
  EXPECT_EQ(h.DriverLabel, "ACME W1");
  const double stored = ComparisonCurveOf(3)[40];
  const PlotGeometry g{790, 580, 100};  // the stored level at 100 Hz is the diagram's
  EXPECT_EQ(g.Y(std::max(-30.0, ComparisonCurveOf(3)[100])), f->Diagram->Plot()->curve[100 - 10 + 1].second);

  Type(f->Edit1, "1");  // a diameter of 1 cm fails the guard: the old curve must not go out
  Choose(f->exportbox, 2);
  Choose(f->exportbox, 4);
  f->Button5->click();
  EXPECT_EQ(seam.messages, QStringList({"keine simulationsdaten / no data", "keine simulationsdaten / no data",
                                        "Keine Werte zum Simulieren vorhanden / No values for simulation"}));
  EXPECT_EQ(ComparisonCurveOf(3)[40], stored);
  EXPECT_TRUE(seam.fileDialogs.isEmpty() && seam.composedPages.isEmpty());
  Type(f->Edit1, "10");  // the page is composed whatever axis the window shows
  f->log->setChecked(false);
  f->Button5->click();
  EXPECT_EQ(seam.composedPages.size(), 1);
  // The diagram on both axes and the caption read-out.
  ASSERT_TRUE(DiagramShown());
  const auto& items = f->Diagram->Plot()->items;  // "200" of the linear axis at 0.989 of Q
  const auto label200 = std::find_if(items.begin(), items.end(), [](const PlotItem& i) { return i.text == "200"; });
  ASSERT_NE(label200, items.end());
  EXPECT_EQ(label200->x1, static_cast<int>(0.989 * 760) + 5);
  f->log->setChecked(true);
  // x = 487: 10^(1 + 472 / (0.6221 x 760)) = 99.6 Hz; y = 208: -40 (208 - 100 - 108.75) / 435 = 0.07 dB.
  f->FormMouseMove(Qt::NoButton, 487, 208);
  EXPECT_EQ(Title(), "Baßreflex-Gehäuse (Cursor 99,6Hz / 0,1dB)");
  f->FormMouseMove(Qt::LeftButton, 487, 300);
  EXPECT_TRUE(f->windowTitle().startsWith(QString::fromUtf8("Baßreflex-Gehäuse (Kurve 99,6Hz / ")));
  f->log->setChecked(false);
  f->FormMouseMove(Qt::LeftButton, 15, 300);  // 0 Hz: level 0,0
  EXPECT_EQ(Title(), "Baßreflex-Gehäuse (Kurve 0,0Hz / 0,0dB)");
}

TEST_F(ReflexWindow, ExportFileIn419LinesByLanguage) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  const QString path = TempPath("box");
  const std::string bytes = ExportFile(path);
  EXPECT_EQ(seam.fileDialogs.value(0).defaultName, "reflex");
  EXPECT_EQ(seam.messages.value(0), "Dateiexport erfolgreich / file export successful");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 419);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 419);
  EXPECT_NE(bytes.find("SPL (dB)\t87,4\r\n"), std::string::npos) << bytes.substr(0, 200);
  EXPECT_NE(bytes.find("Einbau in Bassreflex-Geh\xe4use\r\n\r\nvolumen (l)\t36,900\r\nchassis\t1\r\nQl\t10\r\n"
                       "Rseriell (Ohm)\t0,000\r\nRohre\t1\r\nDurchmesser (cm)\t10,0\r\nL\xe4nge (cm)\t52,6\r\n\r\n"
                       "f (Hz)\tlevel (dB)\r\n1\t-"),
            std::string::npos);
  SetLanguage("english");
  Reactivate();
  f->exportbutton->click();
  EXPECT_EQ(seam.questions.value(0), "überschreibe / overwrite " + path + ".txt ?");
  const std::string english = ReadFileBytes((path + ".txt").toStdString());
  EXPECT_NE(english.find("in vented reflex box\r\n\r\nvolumen (l)\t36.900\r\nchassis\t1\r\nQl\t10\r\n"
                         "Rserial (ohms)\t0.000\r\ntubes\t1\r\ndiameter (cm)\t10.0\r\nlength (cm)\t52.6\r\n"),
            std::string::npos);
  // A folder that cannot be written: a message, never the success text.
  seam.messages.clear();
  FileDialogAnswers(TempPath("no/x.txt"));
  f->exportbutton->click();
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_FALSE(seam.messages[0].contains("erfolgreich"));
}

TEST_F(ReflexWindow, TheGrossVolumeFollowsTheDriversOwnVolumeAndCount) {
  TReflex* f = form();
  Activate();
  // The default driver's rule of thumb: 283.3 l, one 10 cm port 3.4 cm long (78.54 cm² x 3.4 cm
  // = 0.267 l), and the driver's own 2.1 l.
  EXPECT_EQ(f->Label8->text(), "l, total 285.7 l");
  // The displacement window, opened from the main window, hands 2.69 l to the driver.
  forms::Form1->Button_eigenvol->click();
  forms::displacement->Button1->click();
  f->hide();
  Activate();
  EXPECT_EQ(f->Label8->text(), "l, total 286.3 l");  // 283.3 + 2.69 + 0.267
  // 5 l typed into the driver window and committed; then two drivers, and a length edit's prefix.
  CommitDriver({{&TChassisform::Edit8, "5"}});
  Activate();
  EXPECT_EQ(f->Label8->text(), "l, total 288.6 l");
  f->ComboBox1->setCurrentIndex(1);
  EXPECT_EQ(f->Label8->text(), "l, total 293.6 l");  // 283.3 + 2 x 5 + 0.267
  Type(f->Edit3, "10");
  ChassisVol = 1;
  f->hide();
  Activate();
  EXPECT_EQ(f->Label8->text(), "l, insges. 286.1 l");  // 283.3 + 2 x 1 + 0.785
  // A refused rule of thumb keeps its bare label: a 2 cm port passes the design's guard, which
  // recomputes at once, but not the rule's.
  Type(f->Edit1, "2");
  f->Button4->click();
  EXPECT_EQ(f->Label8->text(), "l ");
}

TEST_F(ReflexWindow, BadInputNeverShowsNanOrInf) {
  TReflex* f = form();
  Activate();
  TypeIntoEach({f->Edit1, f->Edit2, f->Edit3, f->Edit4}, BadNumberTexts(), [&](const QString&) {
    f->FormMouseMove(Qt::LeftButton, 300, 300);
    if (f->Diagram->Plot()) {
      for (const PlotItem& item : f->Diagram->Plot()->items) EXPECT_EQ(item.text.find("nan"), std::string::npos);
    }
  });
  Type(f->Edit4, "-7");  // Rs below -Re
  f->Button4->click();
  ExpectNoNonFiniteTexts(f);
  ChassisRe = 0;
  Type(f->Edit4, "0");
  EXPECT_FALSE(f->Design().lastDesignValid);
}

TEST_F(ReflexWindow, AQlSetByHandComesBackAfterARestartWithTheSectionThatClosingWrites) {
  TReflex* f = form();
  Option("SaveBox", true);
  // As a previous run left it; "&Auto Ql" is checked until the first activation.
  platform::IniFile ini = OpenSettings();
  for (const auto& [key, value] : {std::pair{"Durchmesser", "10"}, {"Laenge", "10"}, {"Anzahl", "3"},
                                   {"Volumen", "100"}, {"Serienwiderstand", "0"}, {"Ql", "77"}, {"AutoQl", "0"}})
    ini.WriteString("Bassreflex", key, value);
  Activate();
  EXPECT_FALSE(f->CheckBox2->isChecked());
  EXPECT_EQ(f->ScrollBar1->value(), 77);  // not the automatic 6 of 100 l
  EXPECT_EQ(f->Design().ql, 77);
  EXPECT_EQ(f->Label3->text().toStdString(), "Verlustfaktor Ql = 77");
  EXPECT_EQ(TextsOf({f->Edit2, f->Edit3}), QStringList({"100", "10"}));  // and the rest of the section
  EXPECT_EQ(f->Design().portCount, 3);
  Type(f->Edit2, "55");  // closing writes the section back
  f->Button1->click();
  EXPECT_EQ(OpenSettings().ReadString("Bassreflex", "Volumen", ""), "55");
}

TEST_F(ReflexWindow, StartsWithTheRuleOfThumbForTheDefaultDriver) {
  TReflex* f = form();
  EXPECT_EQ(f->Edit2->text(), "283,3");
  EXPECT_EQ(f->Edit3->text(), "3,4");
  EXPECT_EQ(f->Edit1->text(), "10");
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Baßreflex-Gehäuse "));
  EXPECT_FALSE(f->exportbutton->isVisibleTo(f));
  EXPECT_FALSE(f->Button4->isVisibleTo(f));
  EXPECT_FALSE(f->kammern->isEnabled());
  EXPECT_EQ(f->exportbox->currentText(), "export");
  Activate();
  EXPECT_EQ(f->frameGeometry().size(), QSize(790, 580));
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Baßreflex-Gehäuse"));
  EXPECT_EQ(f->abstimm->currentText(), "Abstimmung");
}

TEST_F(ReflexWindow, RuleOfThumbAndEveryControlRecomputeAtOnce) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  EXPECT_EQ(f->Edit2->text(), "36,9");
  EXPECT_EQ(f->Edit3->text(), "52,6");
  EXPECT_EQ(f->Label5->text(), "Rohrabstimmfrequenz fr = 32.6 Hz");
  EXPECT_EQ(f->Label4->text(), "Untere Grenzfrequenz fg = 33.9 Hz");
  EXPECT_EQ(f->Label7->text(), QString::fromUtf8("Rohrfläche = 78.5 cm²"));
  EXPECT_EQ(f->Label8->text(), "l, total 41.5 l");
  EXPECT_EQ(f->Label3->text(), "Verlustfaktor Ql = 10");
  EXPECT_EQ(f->ScrollBar1->value(), 10);
  // The length edit: "l, insges. " and a new tuning.
  Type(f->Edit3, "20");
  EXPECT_EQ(f->Label8->text(), "l, insges. 39.0 l");
  EXPECT_NE(f->Label5->text(), "Rohrabstimmfrequenz fr = 32.6 Hz");
  // The volume edit drives the automatic Ql.
  Type(f->Edit2, "10");
  EXPECT_EQ(f->Label3->text(), "Verlustfaktor Ql = 18");
  // Without "&Auto Ql" the scroll bar sets Ql; checking it again recomputes from the volume.
  f->CheckBox2->setChecked(false);
  f->ScrollBar1->setValue(40);
  EXPECT_EQ(f->Design().ql, 40);
  EXPECT_EQ(f->Label3->text(), "Verlustfaktor Ql = 40");
  f->CheckBox2->setChecked(true);
  EXPECT_EQ(f->ScrollBar1->value(), 18);
  // A series resistance raises Qts' and lowers fg.
  Type(f->Edit4, "6");
  EXPECT_EQ(f->Label4->text(), "Untere Grenzfrequenz fg = 12.9 Hz");  // 0.26 x 30 x 0.7^-1.4
}

TEST_F(ReflexWindow, AlignmentsWriteVolumeThenLengthAndTheListShowsItsPromptAgain) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  Choose(f->abstimm, 1);
  EXPECT_EQ(f->Edit2->text(), "27,8");
  EXPECT_NEAR(static_cast<double>(f->Design().tuning), 34.2, 0.1);
  EXPECT_EQ(f->abstimm->currentText(), "Abstimmung");
  SetLanguage("english");
  Reactivate();
  EXPECT_EQ(f->abstimm->currentText(), "setup");
  EXPECT_EQ(f->windowTitle(), "reflex vented box");
}

TEST_F(ReflexWindow, DiagramOnBothAxesAndTheCaptionReadOut) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  ASSERT_TRUE(DiagramShown());
  f->log->setChecked(false);
  ASSERT_TRUE(DiagramShown());
  EXPECT_EQ(f->Diagram->Plot()->curve.size(), 201u);  // 1 to 200 Hz after the corner
  // 1,5 cm: drawn on the logarithmic axis only.
  Type(f->Edit3, "1,5");
  EXPECT_FALSE(DiagramShown());
  f->log->setChecked(true);
  EXPECT_TRUE(DiagramShown());
  // Outside the area the plain caption returns.
  f->FormMouseMove(Qt::NoButton, 487, 208);
  f->FormMouseMove(Qt::NoButton, 400, 50);
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Baßreflex-Gehäuse"));
}

TEST_F(ReflexWindow, WithoutAutoBoxSimOnlyTheSimulationButtonDraws) {
  TReflex* f = form();
  Option("AutoBoxSim", false);
  Activate();
  EXPECT_FALSE(DiagramShown());
  f->Button2->click();
  EXPECT_TRUE(DiagramShown());
  Type(f->Edit2, "200");
  EXPECT_FALSE(DiagramShown());
}

TEST_F(ReflexWindow, StoreExportAndPrintRefuseAStaleDesign) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  Choose(f->exportbox, 2);
  ASSERT_TRUE(ComparisonSlotFilled(3));
  EXPECT_TRUE(seam.messages.isEmpty());
  // Every stored level is the vented box's fourth-order high pass with the box losses of Ql,
  // worked out from the design the edits show: Vb 36,9 l, one 10 cm port 52,6 cm long, Ql 10.
  ASSERT_EQ(TextsOf({f->Edit2, f->Edit3, f->Edit1, f->Edit4}), QStringList({"36,9", "52,6", "10", "0"}));
  ASSERT_EQ(f->Label3->text(), "Verlustfaktor Ql = 10");
  const double qts = 0.35, fs = 30, vas = 50, vb = 36.9, ql = 10, area = M_PI * 25;
  const double fb = std::sqrt(30000 * area / (vb * (52.6 + 0.846 * std::sqrt(area))));
  const double h2 = fb * fb / (fs * fs), loss = fb / (ql * fs);
  const double b = h2 / qts + loss, c = h2 + 1 + loss / qts + vas / vb, e = 1 / qts + loss;
  EXPECT_TRUE(StoredLevelsAre(
      3,
      [&](int hertz) {
        const double x = hertz / fs, re = std::pow(x, 4) - c * x * x + h2, im = b * x - e * std::pow(x, 3);
        return 20 * std::log10(std::pow(x, 4) / std::hypot(re, im));
      },
      1e-9));
  const ComparisonHeader& h = ComparisonHeaderOf(3);
  EXPECT_EQ(h.Multiple, 1);
  EXPECT_NEAR(h.PortArea1, 78.54, 0.01);
  EXPECT_EQ(h.BoxQl, 0);
  EXPECT_EQ(f->exportbox->currentText(), "# 3");
  // A diameter of 1 cm fails the guard; printing asks first.
  Type(f->Edit1, "1");
  f->Button5->click();
  EXPECT_EQ(seam.questions.value(0), "Simulation drucken? / Print simulation?");
  EXPECT_TRUE(seam.composedPages.isEmpty());
  // A port of 1,5 cm length likewise.
  Type(f->Edit1, "10");
  Type(f->Edit3, "1,5");
  seam.messages.clear();
  Choose(f->exportbox, 0);
  EXPECT_EQ(seam.messages.value(0), "keine simulationsdaten / no data");
  EXPECT_FALSE(ComparisonSlotFilled(1));
}

TEST_F(ReflexWindow, PrintsThePageInPortraitAndLandscapeAndReportsAnUnusablePrinter) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  f->log->setChecked(false);  // the page is logarithmic whatever the window shows
  AnswerNo();
  f->Button5->click();
  EXPECT_TRUE(seam.composedPages.isEmpty());
  seam.answer = nullptr;
  seam.printPdfPath = TempPath("page.pdf");
  f->Button5->click();
  ASSERT_EQ(seam.composedPages.size(), 1);
  EXPECT_EQ(ReadFileBytes(seam.printPdfPath.toStdString()).substr(0, 4), "%PDF");
  seam.printLandscape = true;
  f->Button5->click();
  ASSERT_EQ(seam.composedPages.size(), 2);
  EXPECT_TRUE(seam.composedPages[1].landscape);
  seam.printerUsable = false;
  f->Button5->click();
  EXPECT_EQ(seam.messages.size(), 1);
}

TEST_F(ReflexWindow, SaveBoxRestoresOncePerShowAndWritesAtClosing) {
  TReflex* f = form();
  Option("SaveBox", true);
  // Nothing stored yet: the fallbacks, then the rule of thumb.
  Activate();
  EXPECT_EQ(f->Edit1->text(), "10");
  EXPECT_EQ(f->Edit2->text(), "283,3");
  Type(f->Edit2, "");
  f->Box1->setCurrentIndex(2);
  Type(f->Edit3, "abc");
  f->CheckBox2->setChecked(false);
  f->ScrollBar1->setValue(33);
  f->Button1->click();
  const platform::IniFile ini = OpenSettings();
  EXPECT_EQ(ini.ReadString("Bassreflex", "Volumen", ""), "100");
  EXPECT_EQ(ini.ReadString("Bassreflex", "Laenge", ""), "10");
  EXPECT_EQ(ini.ReadInteger("Bassreflex", "Anzahl", 0), 3);
  EXPECT_EQ(ini.ReadInteger("Bassreflex", "Ql", 0), 33);
  EXPECT_FALSE(ini.ReadBool("Bassreflex", "AutoQl", true));
  // Shown again: the stored values come back, three ports, no rule of thumb.
  Type(f->Edit2, "55");
  Activate();
  EXPECT_EQ(f->Edit2->text(), "100");
  EXPECT_EQ(f->Edit3->text(), "10");
  EXPECT_EQ(f->Design().portCount, 3);
  EXPECT_EQ(f->ScrollBar1->value(), 33);
  EXPECT_FALSE(f->CheckBox2->isChecked());
  // Returning to the visible window keeps what was typed.
  Type(f->Edit2, "77");
  Reactivate();
  EXPECT_EQ(f->Edit2->text(), "77");
  OpenSettings().WriteString("Bassreflex", "Durchmesser", "150");
  OpenSettings().WriteString("Bassreflex", "Volumen", "x");
  f->hide();
  Option("SaveBox", false);  // closing writes nothing now
  Activate();
  EXPECT_EQ(f->Edit2->text(), "77");
}

TEST_F(ReflexWindow, TextsInBothLanguages) {
  TReflex* f = form();
  SetLanguage("english");
  Activate();
  EXPECT_EQ(f->Label1->text(), "tube diameter");
  EXPECT_EQ(f->Label6->text(), "cm,tube length");
  EXPECT_EQ(f->Button1->text(), "&close");
  EXPECT_EQ(f->log->toolTip(), "logarithmical dawing (better)");
  EXPECT_EQ(f->label_9->toolTip(), "Anzahl der Rohre (pro Kammer)");
  EXPECT_EQ(f->kammern->toolTip(), "jedes Chassis hat eine eigene Kammer");
  EXPECT_TRUE(f->Label3->text().startsWith("loss factor quality Ql = "));
  SetLanguage("deutsch");
  Reactivate();
  EXPECT_EQ(f->Label1->text(), "Rohrdurchmesser");
  EXPECT_EQ(f->Label11->text(), "Anzahl Chassis :");
  EXPECT_TRUE(f->Label3->text().startsWith("Verlustfaktor Ql = "));
}

}  // namespace
}  // namespace velomare::test

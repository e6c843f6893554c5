// The bass-reflex window driven through its controls offscreen: the rule of thumb at start, every
// control recomputing at once, the alignments, the diagram on both axes and its caption read-out,
// the port calculator's tuning, store, export and print through the seam (refused while the last
// recompute failed its guard), the kept section, and bad input, in both languages.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "TestSupport.h"
#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/NumberText.h"
#include "common/Settings.h"
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
  static void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
  }
  std::vector<std::string> PlotTexts() {
    std::vector<std::string> texts;
    if (form()->Diagram->Plot())
      for (const PlotItem& item : form()->Diagram->Plot()->items)
        if (item.kind == PlotItem::Text) texts.push_back(item.text);
    return texts;
  }
  bool HasText(const std::string& text) {
    const auto t = PlotTexts();
    return std::find(t.begin(), t.end(), text) != t.end();
  }
  QString Dir(const char* name) { return QDir(temp.path()).filePath(name); }
  QTemporaryDir temp;
};

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
  ASSERT_TRUE(f->Diagram->Plot());
  EXPECT_TRUE(HasText("-3dB bei  30 Hz"));
  EXPECT_TRUE(HasText("200"));  // no unit on this window's frequency labels
  EXPECT_DOUBLE_EQ(ReflexTuningFrequency(), static_cast<double>(f->Design().tuning));
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
  TypeInto(f->Edit3, "20");
  EXPECT_EQ(f->Label8->text(), "l, insges. 39.0 l");
  EXPECT_NE(f->Label5->text(), "Rohrabstimmfrequenz fr = 32.6 Hz");
  // Two ports of the same size double the area.
  f->Box1->setCurrentIndex(1);
  EXPECT_EQ(f->Label7->text(), QString::fromUtf8("Rohrfläche = 157.1 cm²"));
  // A typed count counts 0: no area, no tuning.
  f->Box1->setEditText("3");
  EXPECT_EQ(f->Design().portCount, 0);
  EXPECT_EQ(f->Label7->text(), QString::fromUtf8("cm² "));
  f->Box1->setCurrentIndex(0);
  // The volume edit drives the automatic Ql.
  TypeInto(f->Edit2, "10");
  EXPECT_EQ(f->Label3->text(), "Verlustfaktor Ql = 18");
  EXPECT_EQ(f->ScrollBar1->value(), 18);
  // Without "&Auto Ql" the scroll bar sets Ql; checking it again recomputes from the volume.
  f->CheckBox2->setChecked(false);
  f->ScrollBar1->setValue(40);
  EXPECT_EQ(f->Design().ql, 40);
  EXPECT_EQ(f->Label3->text(), "Verlustfaktor Ql = 40");
  f->CheckBox2->setChecked(true);
  EXPECT_EQ(f->ScrollBar1->value(), 18);
  // While "&Auto Ql" is checked the scroll bar springs back.
  f->ScrollBar1->setValue(60);
  EXPECT_EQ(f->ScrollBar1->value(), 18);
  // A series resistance raises Qts' and lowers fg.
  TypeInto(f->Edit4, "6");
  EXPECT_NEAR(static_cast<double>(f->Design().qtsEffective), 0.7, 1e-12);
  EXPECT_EQ(f->Label4->text(), "Untere Grenzfrequenz fg = 12.9 Hz");  // 0.26 x 30 x 0.7^-1.4
}

TEST_F(ReflexWindow, AlignmentsWriteVolumeThenLengthAndTheListShowsItsPromptAgain) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  Choose(f->abstimm, 2);
  EXPECT_EQ(f->Edit2->text(), "27,1");
  EXPECT_EQ(f->abstimm->currentText(), "Abstimmung");
  // The tuning shown is computed back from the texts as shown: close to fs.
  EXPECT_NEAR(static_cast<double>(f->Design().tuning), 30.0, 0.1);
  Choose(f->abstimm, 1);
  EXPECT_EQ(f->Edit2->text(), "27,8");
  EXPECT_NEAR(static_cast<double>(f->Design().tuning), 34.2, 0.1);
  // Choosing "Tip" again, though shown before, runs it again.
  TypeInto(f->Edit2, "50");
  Choose(f->abstimm, 0);
  EXPECT_EQ(f->Edit2->text(), "36,9");
  Choose(f->abstimm, 0);
  EXPECT_EQ(f->Edit2->text(), "36,9");
  // A driver without Vas leaves both edits.
  ChassisVas = 0;
  Choose(f->abstimm, 3);
  EXPECT_EQ(f->Edit2->text(), "36,9");
  EXPECT_EQ(f->Edit3->text(), "52,6");
  OpenSettings().WriteString("Info", "Sprache", "english");
  Reactivate();
  EXPECT_EQ(f->abstimm->currentText(), "setup");
  EXPECT_EQ(f->windowTitle(), "reflex vented box");
}

TEST_F(ReflexWindow, DiagramOnBothAxesAndTheCaptionReadOut) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  ASSERT_TRUE(f->Diagram->Plot());
  f->log->setChecked(false);
  ASSERT_TRUE(f->Diagram->Plot());
  EXPECT_EQ(f->Diagram->Plot()->curve.size(), 201u);  // 1 to 200 Hz after the corner
  // "200" of the linear axis at 0.989 of Q.
  const auto& items = f->Diagram->Plot()->items;
  const auto label200 = std::find_if(items.begin(), items.end(), [](const PlotItem& i) { return i.text == "200"; });
  ASSERT_NE(label200, items.end());
  EXPECT_EQ(label200->x1, static_cast<int>(0.989 * 760) + 5);
  // 1,5 cm: drawn on the logarithmic axis only.
  TypeInto(f->Edit3, "1,5");
  EXPECT_FALSE(f->Diagram->Plot());
  f->log->setChecked(true);
  EXPECT_TRUE(f->Diagram->Plot());
  // Cursor mode reads the pointer's height; outside the area the plain caption returns.
  // x = 487: 10^(1 + 472 / (0.6221 x 760)) = 99.6 Hz; y = 208: -40 (208 - 100 - 108.75) / 435 = 0.07 dB.
  f->FormMouseMove(Qt::NoButton, 487, 208);
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Baßreflex-Gehäuse (Cursor 99,6Hz / 0,1dB)"));
  f->FormMouseMove(Qt::LeftButton, 487, 300);
  EXPECT_TRUE(f->windowTitle().startsWith(QString::fromUtf8("Baßreflex-Gehäuse (Kurve 99,6Hz / ")));
  f->FormMouseMove(Qt::NoButton, 400, 50);
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Baßreflex-Gehäuse"));
  f->log->setChecked(false);
  f->FormMouseMove(Qt::LeftButton, 15, 300);  // 0 Hz: level 0,0
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Baßreflex-Gehäuse (Kurve 0,0Hz / 0,0dB)"));
}

TEST_F(ReflexWindow, WithoutAutoBoxSimOnlyTheSimulationButtonDraws) {
  TReflex* f = form();
  Option("AutoBoxSim", false);
  Activate();
  EXPECT_FALSE(f->Diagram->Plot());
  f->Button2->click();
  EXPECT_TRUE(f->Diagram->Plot());
  TypeInto(f->Edit2, "200");
  EXPECT_FALSE(f->Diagram->Plot());
}

TEST_F(ReflexWindow, StoreExportAndPrintRefuseAStaleDesign) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  Choose(f->exportbox, 2);
  ASSERT_TRUE(ComparisonSlotFilled(3));
  EXPECT_TRUE(seam.messages.isEmpty());
  const ComparisonHeader& h = ComparisonHeaderOf(3);
  EXPECT_EQ(h.BoxType, BoxType::BassReflex);
  EXPECT_EQ(h.Multiple, 1);
  EXPECT_NEAR(h.Volume1, 36.9, 1e-9);
  EXPECT_NEAR(h.PortArea1, 78.54, 0.01);
  EXPECT_NEAR(h.PortLength1, 52.6, 1e-9);
  EXPECT_EQ(h.BoxQl, 0);
  EXPECT_EQ(h.DriverLabel, "ACME W1");
  EXPECT_EQ(f->exportbox->currentText(), "# 3");
  const double stored = ComparisonCurveOf(3)[40];
  // The stored level at 100 Hz is the diagram's.
  const PlotGeometry g{790, 580, 100};
  EXPECT_EQ(g.Y(std::max(-30.0, ComparisonCurveOf(3)[100])), f->Diagram->Plot()->curve[100 - 10 + 1].second);

  // A diameter of 1 cm fails the guard: the old curve must not go out under the new values.
  TypeInto(f->Edit1, "1");
  Choose(f->exportbox, 2);
  EXPECT_EQ(seam.messages.value(0), "keine simulationsdaten / no data");
  EXPECT_EQ(ComparisonCurveOf(3)[40], stored);
  Choose(f->exportbox, 4);
  EXPECT_EQ(seam.messages.value(1), "keine simulationsdaten / no data");
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
  f->Button5->click();
  EXPECT_EQ(seam.questions.value(0), "Simulation drucken? / Print simulation?");
  EXPECT_EQ(seam.messages.value(2), "Keine Werte zum Simulieren vorhanden / No values for simulation");
  EXPECT_TRUE(seam.composedPages.isEmpty());
  // A port of 1,5 cm length likewise.
  TypeInto(f->Edit1, "10");
  TypeInto(f->Edit3, "1,5");
  Choose(f->exportbox, 0);
  EXPECT_EQ(seam.messages.value(3), "keine simulationsdaten / no data");
  EXPECT_FALSE(ComparisonSlotFilled(1));
}

TEST_F(ReflexWindow, ExportFileIn419LinesByLanguage) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  const QString path = Dir("box");
  seam.fileName = [&](const platform::FileDialogRequest&, bool) { return std::optional<QString>(path); };
  Choose(f->exportbox, 4);
  ASSERT_EQ(seam.fileDialogs.size(), 1);
  EXPECT_EQ(seam.fileDialogs[0].defaultName, "reflex");
  EXPECT_EQ(seam.messages.value(0), "Dateiexport erfolgreich / file export successful");
  const std::string bytes = ReadFileBytes((path + ".txt").toStdString());
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 419);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 419);
  EXPECT_NE(bytes.find("SPL (dB)\t87,4\r\n"), std::string::npos) << bytes.substr(0, 200);
  EXPECT_NE(bytes.find("Einbau in Bassreflex-Geh\xe4use\r\n\r\nvolumen (l)\t36,900\r\nchassis\t1\r\nQl\t10\r\n"
                       "Rseriell (Ohm)\t0,000\r\nRohre\t1\r\nDurchmesser (cm)\t10,0\r\nL\xe4nge (cm)\t52,6\r\n\r\n"
                       "f (Hz)\tlevel (dB)\r\n1\t-"),
            std::string::npos);

  OpenSettings().WriteString("Info", "Sprache", "english");
  Reactivate();
  f->exportbutton->click();
  EXPECT_EQ(seam.questions.value(0), "überschreibe / overwrite " + path + ".txt ?");
  const std::string english = ReadFileBytes((path + ".txt").toStdString());
  EXPECT_NE(english.find("in vented reflex box\r\n\r\nvolumen (l)\t36.900\r\nchassis\t1\r\nQl\t10\r\n"
                         "Rserial (ohms)\t0.000\r\ntubes\t1\r\ndiameter (cm)\t10.0\r\nlength (cm)\t52.6\r\n"),
            std::string::npos);
  // A folder that cannot be written: a message, never the success text.
  seam.messages.clear();
  seam.fileName = [&](const platform::FileDialogRequest&, bool) { return std::optional<QString>(Dir("no/x.txt")); };
  f->exportbutton->click();
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_FALSE(seam.messages[0].contains("erfolgreich"));
}

TEST_F(ReflexWindow, PrintsThePageInPortraitAndLandscapeAndReportsAnUnusablePrinter) {
  TReflex* f = form();
  Activate();
  ExampleDriver();
  f->log->setChecked(false);  // the page is logarithmic whatever the window shows
  seam.answer = [](const QString&) { return platform::Answer::No; };
  f->Button5->click();
  EXPECT_TRUE(seam.composedPages.isEmpty());
  seam.answer = nullptr;
  seam.printPdfPath = Dir("page.pdf");
  if (const char* dir = std::getenv("VELOMARE_SCREENSHOTS")) seam.printPdfPath = QString(dir) + "/reflex-page.pdf";
  f->Button5->click();
  ASSERT_EQ(seam.composedPages.size(), 1);
  EXPECT_EQ(ReadFileBytes(seam.printPdfPath.toStdString()).substr(0, 4), "%PDF");
  seam.printLandscape = true;
  f->Button5->click();
  ASSERT_EQ(seam.composedPages.size(), 2);
  EXPECT_TRUE(seam.composedPages[1].landscape);
}

TEST_F(ReflexWindow, SaveBoxRestoresOncePerShowAndWritesAtClosing) {
  TReflex* f = form();
  Option("SaveBox", true);
  // Nothing stored yet: the fallbacks, then the rule of thumb.
  Activate();
  EXPECT_EQ(f->Edit1->text(), "10");
  EXPECT_EQ(f->Edit2->text(), "283,3");
  TypeInto(f->Edit2, "");
  f->Box1->setCurrentIndex(2);
  TypeInto(f->Edit3, "abc");
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
  TypeInto(f->Edit2, "55");
  Activate();
  EXPECT_EQ(f->Edit2->text(), "100");
  EXPECT_EQ(f->Edit3->text(), "10");
  EXPECT_EQ(f->Design().portCount, 3);
  EXPECT_EQ(f->ScrollBar1->value(), 33);
  EXPECT_FALSE(f->CheckBox2->isChecked());
  // Returning to the visible window keeps what was typed.
  TypeInto(f->Edit2, "77");
  Reactivate();
  EXPECT_EQ(f->Edit2->text(), "77");
  // A stored diameter of 150 cm restores "10".
  OpenSettings().WriteString("Bassreflex", "Durchmesser", "150");
  OpenSettings().WriteString("Bassreflex", "Volumen", "x");
  f->hide();
  Option("SaveBox", false);  // closing writes nothing now
  Activate();
  EXPECT_EQ(f->Edit2->text(), "77");
}

TEST_F(ReflexWindow, BadInputNeverShowsNanOrInf) {
  TReflex* f = form();
  Activate();
  for (const char* text : {"abc", "", "-", "1e999", "123456789012345678901234567890", "0,0000000000000001", "0",
                           "-5"}) {
    for (QLineEdit* edit : {f->Edit1, f->Edit2, f->Edit3, f->Edit4}) {
      TypeInto(edit, text);
      for (QLabel* label : {f->Label3, f->Label4, f->Label5, f->Label7, f->Label8}) {
        EXPECT_FALSE(label->text().contains("nan", Qt::CaseInsensitive)) << text;
        EXPECT_FALSE(label->text().contains("inf", Qt::CaseInsensitive)) << text;
      }
      for (const std::string& t : PlotTexts()) EXPECT_EQ(t.find("nan"), std::string::npos);
      f->FormMouseMove(Qt::LeftButton, 300, 300);
      EXPECT_FALSE(f->windowTitle().contains("nan"));
    }
  }
  TypeInto(f->Edit4, "-7");  // Rs below -Re
  f->Button4->click();
  EXPECT_FALSE(f->Label8->text().contains("nan"));
  ChassisRe = 0;
  TypeInto(f->Edit4, "0");
  EXPECT_FALSE(f->Design().lastDesignValid);
}

TEST_F(ReflexWindow, TheDiameterLabelShowsThePortCalculatorAndHelpOpensItsTopic) {
  TReflex* f = form();
  Activate();
  QTest::mouseClick(f->Label1, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  ASSERT_TRUE(QTest::qWaitForWindowActive(forms::Durch));
  // The port calculator takes this window's tuning, with one decimal.
  EXPECT_GT(ReflexTuningFrequency(), 10);
  EXPECT_EQ(forms::Durch->Edit2->text().toStdString(), FormatFixedComma(ReflexTuningFrequency(), 1, 1));
  forms::Durch->hide();
  Activate();
  f->Button3->click();
  ASSERT_EQ(seam.helpRequests.size(), 1);
  EXPECT_EQ(seam.helpRequests[0].topic, "QTX_contents0005");
  EXPECT_GT(ReflexTuningFrequency(), 10);
}

TEST_F(ReflexWindow, TextsInBothLanguages) {
  TReflex* f = form();
  OpenSettings().WriteString("Info", "Sprache", "english");
  Activate();
  EXPECT_EQ(f->Label1->text(), "tube diameter");
  EXPECT_EQ(f->Label6->text(), "cm,tube length");
  EXPECT_EQ(f->Button1->text(), "&close");
  EXPECT_EQ(f->log->toolTip(), "logarithmical dawing (better)");
  EXPECT_EQ(f->label_9->toolTip(), "Anzahl der Rohre (pro Kammer)");
  EXPECT_EQ(f->kammern->toolTip(), "jedes Chassis hat eine eigene Kammer");
  EXPECT_TRUE(f->Label3->text().startsWith("loss factor quality Ql = "));
  if (const char* dir = std::getenv("VELOMARE_SCREENSHOTS")) f->grab().save(QString(dir) + "/reflex-active-en.png");
  f->log->setChecked(false);
  if (const char* dir = std::getenv("VELOMARE_SCREENSHOTS")) f->grab().save(QString(dir) + "/reflex-linear-en.png");
  OpenSettings().WriteString("Info", "Sprache", "deutsch");
  Reactivate();
  EXPECT_EQ(f->Label1->text(), "Rohrdurchmesser");
  EXPECT_EQ(f->Label11->text(), "Anzahl Chassis :");
  EXPECT_TRUE(f->Label3->text().startsWith("Verlustfaktor Ql = "));
  f->log->setChecked(true);
  if (const char* dir = std::getenv("VELOMARE_SCREENSHOTS")) f->grab().save(QString(dir) + "/reflex-active-de.png");
}

}  // namespace
}  // namespace velomare::test

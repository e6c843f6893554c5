// The vented bandpass window driven through its controls offscreen.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

#include "WindowTest.h"
#include "app/AllForms.h"
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
  EXPECT_EQ(f->Edit6->text(), "17.3");
  EXPECT_EQ(f->ComboBox1->currentText(), "BR1-2-2");
  Type(f->Edit2, "12");  // the same item again acts again, from the chamber 1 diameter as it is now
  Choose(f->ComboBox1, 0);
  EXPECT_EQ(f->Edit6->text(), "20.8");
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

}  // namespace
}  // namespace velomare::test

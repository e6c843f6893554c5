// The attenuator window driven through its controls: pad and estimate as the model gives them,
// the spectrum list and the user spectrum read, stored and kept, toggle, help, print, bad input.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "filters/model/AttenuatorPad.h"
#include "filters/model/PowerEstimate.h"

namespace velomare::test {
namespace {

class AttenuatorWindow : public WindowTest<TDampfform, &forms::Dampfform> {
 protected:
  void ShowActive(const char* language = "deutsch") {
    Show(language);
    Activate();
  }
  std::vector<int> Bars() {
    std::vector<int> values;
    for (const BarGauge* g : form()->spec) values.push_back(g->Value());
    return values;
  }
  std::string SpectrumSection() {
    const std::string bytes = settings->ReadSettings();
    const auto at = bytes.find("[spectrum]");
    return at == std::string::npos ? std::string() : bytes.substr(at);
  }
};

TEST_F(AttenuatorWindow, TheEstimateFollowsTheFiltersAndIsCopiedIntoThePowerField) {
  ShowActive();
  TDampfform* f = form();
  EstimateInput start;
  start.spectrum = BuiltInSpectrum(3);
  start.totalPower = "80";
  start.highPassOrder = 2;
  start.highPassPosition = 11;
  start.lowPassPosition = 20;
  const EstimateResult model = EstimatePower(start);
  const BandLevels bars = SpectrumBarValues(model.filteredLevel);
  EXPECT_EQ(Bars(), std::vector<int>(bars.begin(), bars.end()));
  EXPECT_EQ(f->Label29->text().toStdString(), model.Label29);
  f->CheckBox1->click();
  EXPECT_EQ(Bars()[12], 39) << "the unfiltered spectrum";
  f->CheckBox1->click();
  QTest::mouseClick(f->Label29, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
  EXPECT_EQ(f->Edit2->text(), "11.65");
  EXPECT_TRUE(f->Label4->text().endsWith("1.27 W")) << f->Label4->text().toStdString();
  f->RadioHP1->click();
  f->RadioTP5->click();
  f->ScrollBar2->setValue(23);
  EXPECT_EQ(f->fgo->text(), "32Hz");
  EXPECT_EQ(Bars()[1], 28) << "the low pass's 0.0625 is -12 dB";
  f->Button4->click();
  EXPECT_EQ(f->Edit2->text().toStdString(), EstimateForPowerField(f->EstimatedPower()));
  const double last = f->EstimatedPower();
  Type(f->Edit3, "abc");
  EXPECT_EQ(f->Label29->text(), "-");
  EXPECT_EQ(f->EstimatedPower(), last) << "the last estimate stays";
}

TEST_F(AttenuatorWindow, ThePadFollowsEveryInputAndBadInputKeepsTheStaleLabels) {
  ShowActive();
  TDampfform* f = form();
  Type(f->Edit1, "4");
  Type(f->Edit2, "50");
  f->ScrollBar1->setValue(300);
  const LPadResult pad = ComputeLPad({"4", "50", 300, false});
  EXPECT_EQ(f->Label4->text().toStdString() + f->Label30->text().toStdString(), pad.Label4 + *pad.Label30);
  EXPECT_EQ(f->Gauge1->Value() + f->Gauge3->Value(), pad.Gauge1 + *pad.Gauge3);
  const QStringList kept = TextsOf({f->Label3, f->Label30, f->Label10});
  Type(f->Edit1, "abc");
  f->ScrollBar1->setValue(10);
  EXPECT_EQ(f->Label4->text() + f->Label5->text() + f->Label6->text() + f->Label8->text(), "R1R2R3Watt");
  EXPECT_EQ(f->Gauge1->Value(), 0);
  // The attenuation label, the new impedance, the two-resistor line and Gauge3 keep the 30 dB run.
  EXPECT_EQ(TextsOf({f->Label3, f->Label30, f->Label10}), kept);
  EXPECT_EQ(f->Gauge3->Value(), *pad.Gauge3);
  Type(f->Edit1, "8");
  TypeIntoEach({f->Edit1, f->Edit2, f->Edit3}, BadNumberTexts());
}

TEST_F(AttenuatorWindow, OnlyTheUsersChoiceAppliesASpectrumAlsoTheSameEntryAgain) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n[spectrum]\r\nName=Flach\r\n32=-100\r\n");
  ShowActive();
  TDampfform* f = form();
  f->RadioHP1->click();
  Choose(f->ComboBox1, 6);
  EXPECT_EQ(f->ComboBox1->currentText(), "") << "the choice empties the list's edit field";
  EXPECT_TRUE(Bars()[0] == 0 && Bars()[1] == 40);
  // The settings window stores another spectrum; the window takes its name at the next
  // activation, its levels only when the user chooses the entry again.
  OpenSettings().WriteString("spectrum", "32", "0");
  OpenSettings().WriteString("spectrum", "Name", "Neu");
  Reactivate();
  EXPECT_EQ(f->ComboBox1->itemText(6), "Neu");
  EXPECT_EQ(Bars()[0], 0) << "a re-selection by the program applies nothing";
  Choose(f->ComboBox1, 6);
  EXPECT_EQ(Bars()[0], 40);
  // Painting only paints; a change reads the spectrum again.
  OpenSettings().WriteString("spectrum", "Name", "Gemalt");
  Repaint();
  EXPECT_EQ(f->ComboBox1->itemText(6), "Neu");
  Type(f->Edit1, "6");
  EXPECT_EQ(f->ComboBox1->itemText(6), "Gemalt");
}

TEST_F(AttenuatorWindow, ClosingStoresTheSpectrumNormalisedAndTheToggleDoesNot) {
  TDampfform* f = form();
  forms::Form1->daempf->click();
  EXPECT_TRUE(f->isVisible());
  forms::Form1->daempf->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(SpectrumSection(), "") << "hiding through the toggle stores nothing";
  ShowActive();
  f->Edit1->setFocus();
  QTest::keyClick(f->Edit1, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_FALSE(f->isVisible());
  const std::string section = SpectrumSection();
  EXPECT_EQ(section.rfind("[spectrum]\r\nName=Dance\r\n32=-6.00\r\n45=0.00\r\n63=-2.00\r\n", 0), 0u) << section;
}

TEST_F(AttenuatorWindow, ANewerSpectrumSavedAfterTheLastReadSurvivesTheClose) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n[spectrum]\r\nName=Alt\r\n32=-3\r\n");
  ShowActive();
  // The settings window (or another instance) stores a new spectrum while this one stays open.
  OpenSettings().WriteString("spectrum", "Name", "Neuer");
  OpenSettings().WriteString("spectrum", "32", "-20");
  form()->Button1->click();
  EXPECT_EQ(OpenSettings().ReadString("spectrum", "32", ""), "-20.00");
  EXPECT_EQ(form()->ComboBox1->itemText(6), "Neuer");
}

TEST_F(AttenuatorWindow, AFailedStoreLeavesTheFileAndSaysSo) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n[spectrum]\r\n32=5\r\n");
  ShowActive();
  const std::string before = settings->ReadSettings();
  platform::FileSeam files;
  files.failWrite = [](const std::string&) { return true; };
  platform::InstallFileSeam(&files);
  form()->Button1->click();
  platform::InstallFileSeam(nullptr);
  EXPECT_EQ(settings->ReadSettings(), before);
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].startsWith("Das Spektrum konnte nicht")) << seam.messages[0].toStdString();
}

TEST_F(AttenuatorWindow, EnglishHelpAndPrint) {
  ShowActive("english");
  TDampfform* f = form();
  EXPECT_EQ(f->windowTitle(), "attenuator (pad)");
  EXPECT_EQ(f->ComboBox1->itemText(3), "music-like 100kHz (default)");
  EXPECT_EQ(f->Label29->text(), "output power = 11.65 W, acc. 14.56 %");
  // A click on the group itself does nothing.
  QTest::mouseClick(f->GroupBox1, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
  EXPECT_EQ(f->Label29->text(), "output power = 11.65 W, acc. 14.56 %");
  f->hide();
  ShowActive();
  ExpectHelpAndPrint(f->Button2, "QTX_contents0018", f->Button3);
}

}  // namespace
}  // namespace velomare::test

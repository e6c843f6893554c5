// The attenuator window driven through its controls: the start state, the pad and the estimate
// on every input, the spectrum list acting on the user's choice only, the user spectrum read at
// show, activation and change and stored normalised on close (a newer one is kept), the toggle
// from the main window, close, help, print, both languages, and bad input.
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
  // The user picks an entry of the spectrum list, also the one already shown.
  void Choose(int entry) { ChooseItem(form()->ComboBox1, entry); }
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

TEST_F(AttenuatorWindow, StartStateShowsTheModelsEstimateBarsAndPad) {
  TDampfform* f = form();
  EXPECT_EQ(f->size(), QSize(627, 509));
  EXPECT_EQ(f->SpectrumChoice(), 3);
  EXPECT_EQ(f->fgu->text(), "2,0KHz");
  EXPECT_EQ(f->fgo->text(), "90Hz");
  const QColor colours[6] = {Qt::red, QColor(128, 128, 0), Qt::yellow, QColor(0, 128, 0), Qt::blue, Qt::magenta};
  for (int i = 0; i < 24; ++i) {
    EXPECT_EQ(f->spec[i]->Maximum(), 40);
    EXPECT_EQ(f->spec[i]->BarColour(), colours[i / 4]) << i;
  }
  EXPECT_EQ(f->spec[11]->toolTip(), "1,4k");

  ShowActive();
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
  EXPECT_EQ(f->ComboBox1->count(), 7);
  EXPECT_EQ(f->ComboBox1->currentText(), QString::fromUtf8("Musik-ähnlich 100kHz (Vorgabe)"));
  EXPECT_EQ(f->ComboBox1->itemText(6), "Dance");
  const LPadResult pad = ComputeLPad({"8", "10", 10, false});
  EXPECT_EQ(f->Label4->text().toStdString(), pad.Label4);
  EXPECT_EQ(f->Label3->text().toStdString(), *pad.Label3);
  EXPECT_EQ(f->Gauge1->Value(), pad.Gauge1);
  EXPECT_EQ(f->Gauge3->Value(), *pad.Gauge3);
  EXPECT_EQ(f->Gauge1->PercentText(), "79%");
}

TEST_F(AttenuatorWindow, ThePadFollowsEveryInputAndBadInputKeepsTheStaleLabels) {
  ShowActive();
  TDampfform* f = form();
  Type(f->Edit1, "4");
  Type(f->Edit2, "50");
  f->ScrollBar1->setValue(300);
  EXPECT_EQ(f->Label3->text(), QString::fromUtf8("Dämpfung (30.0 dB) :"));
  EXPECT_TRUE(f->Label4->text().startsWith("R1 = 3.87 Ohm"));
  EXPECT_EQ(f->Label30->text(), "neue Impedanz Z = 126.49 Ohm");
  EXPECT_EQ(f->Gauge1->Value(), 0);
  EXPECT_EQ(f->Gauge3->Value(), 3);
  const QString label10 = f->Label10->text();

  Type(f->Edit1, "abc");
  f->ScrollBar1->setValue(10);
  EXPECT_EQ(f->Label4->text() + f->Label5->text() + f->Label6->text() + f->Label8->text(), "R1R2R3Watt");
  EXPECT_EQ(f->Gauge1->Value(), 0);
  // The attenuation label, the new impedance, the two-resistor line and Gauge3 keep the 30 dB run.
  EXPECT_EQ(f->Label3->text(), QString::fromUtf8("Dämpfung (30.0 dB) :"));
  EXPECT_EQ(f->Label30->text(), "neue Impedanz Z = 126.49 Ohm");
  EXPECT_EQ(f->Label10->text(), label10);
  EXPECT_EQ(f->Gauge3->Value(), 3);

  for (const char* bad : {"", "0", "-8", "1e999", "99999999999999999999", "123456789012345678901234567890123"}) {
    Type(f->Edit1, "8");
    Type(f->Edit2, bad);
    Type(f->Edit3, bad);
    ExpectNoNonFiniteTexts(f);
  }
  Type(f->Edit2, "100000");
  EXPECT_EQ(f->Label4->text(), "R1 = 0.87 Ohm, 10874.9 W");
}

TEST_F(AttenuatorWindow, FiltersCutOffBandsAndTheBarsFollowTheirControls) {
  ShowActive();
  TDampfform* f = form();
  f->RadioHP1->click();
  EXPECT_EQ(f->Label29->text(), "abgegebene Leistung = 80.00 W, entspr. 100.00 %");
  f->RadioTP5->click();
  f->ScrollBar2->setValue(23);
  EXPECT_EQ(f->fgo->text(), "32Hz");
  f->ScrollBar3->setValue(0);
  EXPECT_EQ(f->fgu->text(), "90kHz");
  EXPECT_EQ(Bars()[0], 37) << "0.5 of full power is -3 dB";
  EXPECT_EQ(Bars()[1], 28) << "0.0625 is -12 dB";

  f->RadioTP1->click();
  f->RadioHP3->click();
  f->ScrollBar3->setValue(11);
  EXPECT_EQ(f->Label29->text(), "abgegebene Leistung = 11.65 W, entspr. 14.56 %");
  f->CheckBox1->click();
  EXPECT_EQ(Bars(), (std::vector<int>{40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 39, 37, 36, 34, 33, 31, 30, 25,
                                      20, 16, 11, 6}));
  EXPECT_EQ(f->Label29->text(), "abgegebene Leistung = 11.65 W, entspr. 14.56 %");

  Type(f->Edit3, "abc");
  EXPECT_EQ(f->Label29->text(), "-");
  EXPECT_NEAR(f->EstimatedPower(), 80 * 0.14560, 4e-4) << "the last estimate stays";
}

TEST_F(AttenuatorWindow, TheEstimateIsCopiedIntoThePowerFieldByTheLabelAndTheButton) {
  ShowActive();
  TDampfform* f = form();
  QTest::mouseClick(f->Label29, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
  EXPECT_EQ(f->Edit2->text(), "11.65");
  EXPECT_TRUE(f->Label4->text().endsWith("1.27 W")) << f->Label4->text().toStdString();

  f->RadioHP1->click();
  Choose(0);
  EXPECT_EQ(f->ComboBox1->currentText(), "") << "the choice empties the list's edit field";
  f->Button4->click();
  EXPECT_EQ(f->Edit2->text(), "80.00");
  EXPECT_EQ(f->ComboBox1->currentIndex(), 0);
  EXPECT_EQ(f->ComboBox1->currentText(), QString::fromUtf8("weißes Rauschen 20kHz"));
}

TEST_F(AttenuatorWindow, OnlyTheUsersChoiceAppliesASpectrumAlsoTheSameEntryAgain) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n[spectrum]\r\nName=Flach\r\n32=-100\r\n");
  ShowActive();
  TDampfform* f = form();
  EXPECT_EQ(f->ComboBox1->itemText(6), "Flach");
  f->RadioHP1->click();
  Choose(6);
  EXPECT_EQ(f->SpectrumChoice(), 6);
  EXPECT_EQ(Bars()[0], 0);
  EXPECT_EQ(Bars()[1], 40);

  // The settings window stores another spectrum; the window takes its name at the next
  // activation, its levels only when the user chooses the entry again.
  OpenSettings().WriteString("spectrum", "32", "0");
  OpenSettings().WriteString("spectrum", "Name", "Neu");
  Reactivate();
  EXPECT_EQ(f->ComboBox1->itemText(6), "Neu");
  EXPECT_EQ(Bars()[0], 0) << "a re-selection by the program applies nothing";
  f->ComboBox1->setCurrentIndex(6);
  f->RefreshFromSettings();
  EXPECT_EQ(Bars()[0], 0);
  Choose(6);
  EXPECT_EQ(Bars()[0], 40);

  Choose(4);
  EXPECT_EQ(f->SpectrumChoice(), 4);
  EXPECT_EQ(Bars()[1], 39) << "pink noise, -1.5 dB truncated to -1";
}

TEST_F(AttenuatorWindow, PaintingOnlyPaints) {
  ShowActive();
  TDampfform* f = form();
  OpenSettings().WriteString("spectrum", "Name", "Gemalt");
  f->repaint();
  f->grab();
  EXPECT_EQ(f->ComboBox1->itemText(6), "Dance");
  Type(f->Edit1, "6");
  EXPECT_EQ(f->ComboBox1->itemText(6), "Gemalt") << "a change reads the spectrum again";
}

TEST_F(AttenuatorWindow, ClosingStoresTheSpectrumNormalisedAndTheToggleDoesNot) {
  TDampfform* f = form();
  forms::Form1->daempf->click();
  EXPECT_TRUE(f->isVisible());
  forms::Form1->daempf->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(SpectrumSection(), "") << "hiding through the toggle stores nothing";

  forms::Form1->Dmpfungsglied1->trigger();
  EXPECT_TRUE(f->isVisible());
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  const std::string section = SpectrumSection();
  EXPECT_EQ(section.rfind("[spectrum]\r\nName=Dance\r\n32=-6.00\r\n45=0.00\r\n63=-2.00\r\n", 0), 0u) << section;
  EXPECT_NE(section.find("\r\n90k=-100.00\r\n"), std::string::npos);

  OpenSettings().WriteString("spectrum", "2k", "3");
  OpenSettings().WriteString("spectrum", "45", "-6,5");
  for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    ShowActive();
    f->Edit1->setFocus();
    QTest::keyClick(f->Edit1, Qt::Key(key));
    QCoreApplication::processEvents();
    EXPECT_FALSE(f->isVisible()) << key;
  }
  EXPECT_NE(SpectrumSection().find("\r\n2k=0.00\r\n"), std::string::npos);
  EXPECT_NE(SpectrumSection().find("\r\n45=-6.50\r\n"), std::string::npos);

  ShowActive();
  f->close();
  EXPECT_FALSE(f->isVisible());
}

TEST_F(AttenuatorWindow, ANewerSpectrumSavedAfterTheLastReadSurvivesTheClose) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n[spectrum]\r\nName=Alt\r\n32=-3\r\n");
  ShowActive();
  TDampfform* f = form();
  EXPECT_EQ(f->ComboBox1->itemText(6), "Alt");
  // The settings window (or another instance) stores a new spectrum while this one stays open.
  OpenSettings().WriteString("spectrum", "Name", "Neuer");
  OpenSettings().WriteString("spectrum", "32", "-20");
  f->Button1->click();
  const platform::IniFile ini = OpenSettings();
  EXPECT_EQ(ini.ReadString("spectrum", "Name", ""), "Neuer");
  EXPECT_EQ(ini.ReadString("spectrum", "32", ""), "-20.00");
  EXPECT_EQ(f->ComboBox1->itemText(6), "Neuer");
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
  // Nothing to normalise: nothing written, nothing said.
  ShowActive();
  form()->Button1->click();
  ShowActive();
  form()->Button1->click();
  EXPECT_EQ(seam.messages.size(), 1);
}

TEST_F(AttenuatorWindow, BothLanguagesHelpAndPrint) {
  ShowActive("english");
  TDampfform* f = form();
  EXPECT_EQ(f->windowTitle(), "attenuator (pad)");
  EXPECT_EQ(f->ComboBox1->itemText(3), "music-like 100kHz (default)");
  EXPECT_EQ(f->Label29->text(), "output power = 11.65 W, acc. 14.56 %");
  EXPECT_EQ(f->Label8->text(), "1 resistor version : U = 8.94 Vrms, I = 1.00 Arms, P = 8.91 W");
  ExpectNoNonFiniteTexts(f);

  // The caption follows at the next paint, the list's entries at the next show.
  SetLanguage("deutsch");
  Repaint();
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Dämpfungsglied"));
  EXPECT_EQ(f->ComboBox1->itemText(3), "music-like 100kHz (default)");
  f->hide();
  ShowActive();
  EXPECT_EQ(f->ComboBox1->itemText(3), QString::fromUtf8("Musik-ähnlich 100kHz (Vorgabe)"));

  f->Button2->click();
  ASSERT_EQ(seam.helpRequests.size(), 1);
  EXPECT_EQ(seam.helpRequests[0].topic, "QTX_contents0018");
  seam.answer = [](const QString&) { return platform::Answer::No; };
  f->Button3->click();
  EXPECT_TRUE(seam.printed.isEmpty());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  f->Button3->click();
  ASSERT_EQ(seam.printed.size(), 1);
  EXPECT_EQ(seam.printed[0], f);
  // A click on the group itself does nothing.
  const QString estimate = f->Label29->text();
  QTest::mouseClick(f->GroupBox1, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
  EXPECT_EQ(f->Label29->text(), estimate);
  EXPECT_TRUE(f->isVisible());
}

}  // namespace
}  // namespace velomare::test

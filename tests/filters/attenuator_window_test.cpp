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

#include "TextRecordingPage.h"
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

TEST_F(AttenuatorWindow, StartStateShowsTheDefaultSpectrumTheEstimateAndTheColouredBars) {
  TDampfform* f = form();
  EXPECT_EQ(f->size(), QSize(627, 509));
  EXPECT_EQ(f->Image1->size(), QSize(300, 77));
  EXPECT_EQ(f->SpectrumChoice(), 3);
  EXPECT_EQ(f->fgu->text(), "2,0KHz");
  EXPECT_EQ(f->fgo->text(), "90Hz");
  EXPECT_TRUE(f->RadioHP3->isChecked());
  EXPECT_TRUE(f->RadioTP1->isChecked());
  EXPECT_TRUE(f->CheckBox1->isChecked());
  EXPECT_EQ(f->ScrollBar1->minimum(), 1);
  EXPECT_EQ(f->ScrollBar1->maximum(), 300);
  EXPECT_EQ(f->ScrollBar1->pageStep(), 10);
  EXPECT_EQ(Bars(), (std::vector<int>{0, 0, 0, 0, 0, 0, 4, 10, 16, 22, 28, 34, 36, 37, 36, 34, 33, 31, 30, 25, 20, 16,
                                      11, 6}));
  const QColor colours[6] = {Qt::red, QColor(128, 128, 0), Qt::yellow, QColor(0, 128, 0), Qt::blue, Qt::magenta};
  for (int i = 0; i < 24; ++i) {
    EXPECT_EQ(f->spec[i]->objectName(), QString("spec%1").arg(i + 1));
    EXPECT_TRUE(f->spec[i]->Vertical());
    EXPECT_EQ(f->spec[i]->Maximum(), 40);
    EXPECT_EQ(f->spec[i]->BarColour(), colours[i / 4]) << i;
  }
  EXPECT_EQ(f->spec[11]->toolTip(), "1,4k");
  EXPECT_EQ(f->spec[23]->toolTip(), "90k");
  ShowActive();
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Dämpfungsglied"));
  EXPECT_EQ(f->Label29->text(), "abgegebene Leistung = 11.65 W, entspr. 14.56 %");
  EXPECT_EQ(f->ComboBox1->count(), 7);
  EXPECT_EQ(f->ComboBox1->currentText(), QString::fromUtf8("Musik-ähnlich 100kHz (Vorgabe)"));
  EXPECT_EQ(f->ComboBox1->itemText(6), "Dance");
  EXPECT_EQ(f->Label4->text(), "R1 = 0.87 Ohm, 1.09 W");
  EXPECT_EQ(f->Label3->text(), QString::fromUtf8("Dämpfung (1.0 dB) :"));
  EXPECT_EQ(f->Gauge1->Value(), 79);
  EXPECT_EQ(f->Gauge3->Value(), 89);
  EXPECT_EQ(f->Gauge1->PercentText(), "79%");
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

TEST_F(AttenuatorWindow, TheEstimateIsCopiedIntoThePowerFieldByTheButton) {
  ShowActive();
  TDampfform* f = form();
  f->RadioHP1->click();
  Choose(f->ComboBox1, 0);
  EXPECT_EQ(f->ComboBox1->currentText(), "") << "the choice empties the list's edit field";
  f->Button4->click();
  EXPECT_EQ(f->Edit2->text(), "80.00");
  EXPECT_EQ(f->ComboBox1->currentIndex(), 0);
  EXPECT_EQ(f->ComboBox1->currentText(), QString::fromUtf8("weißes Rauschen 20kHz"));
}

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
  EXPECT_EQ(f->Label3->text(), QString::fromUtf8("Dämpfung (30.0 dB) :"));
  EXPECT_TRUE(f->Label4->text().startsWith("R1 = 3.87 Ohm")) << f->Label4->text().toStdString();
  EXPECT_EQ(f->Label30->text(), "neue Impedanz Z = 126.49 Ohm");
  EXPECT_EQ(f->Gauge1->Value(), 0);
  EXPECT_EQ(f->Gauge3->Value(), 3);
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
  // Both power edits bad at once.
  for (const char* bad : {"", "0", "-8", "1e999", "99999999999999999999", "123456789012345678901234567890123"}) {
    Type(f->Edit1, "8");
    Type(f->Edit2, bad);
    Type(f->Edit3, bad);
    ExpectNoNonFiniteTexts(f);
  }
  Type(f->Edit2, "100000");
  EXPECT_EQ(f->Label4->text(), "R1 = 0.87 Ohm, 10874.9 W");
}

TEST_F(AttenuatorWindow, OnlyTheUsersChoiceAppliesASpectrumAlsoTheSameEntryAgain) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n[spectrum]\r\nName=Flach\r\n32=-100\r\n");
  ShowActive();
  TDampfform* f = form();
  EXPECT_EQ(f->ComboBox1->itemText(6), "Flach");
  f->RadioHP1->click();
  Choose(f->ComboBox1, 6);
  EXPECT_EQ(f->SpectrumChoice(), 6);
  EXPECT_EQ(f->ComboBox1->currentText(), "") << "the choice empties the list's edit field";
  EXPECT_TRUE(Bars()[0] == 0 && Bars()[1] == 40);
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
  Choose(f->ComboBox1, 6);
  EXPECT_EQ(Bars()[0], 40);
  Choose(f->ComboBox1, 4);
  EXPECT_EQ(f->SpectrumChoice(), 4);
  EXPECT_EQ(Bars()[1], 39) << "pink noise, -1.5 dB truncated to -1";
  Choose(f->ComboBox1, 6);
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
  EXPECT_NE(section.find("\r\n90k=-100.00\r\n"), std::string::npos);
}

TEST_F(AttenuatorWindow, TheMenuOpensItAndEveryWayOfClosingStoresTheSpectrumNormalised) {
  TDampfform* f = form();
  forms::Form1->Dmpfungsglied1->trigger();
  EXPECT_TRUE(f->isVisible());
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(SpectrumSection().rfind("[spectrum]\r\nName=Dance\r\n", 0), 0u) << SpectrumSection();
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
  EXPECT_EQ(form()->ComboBox1->itemText(6), "Alt");
  // The settings window (or another instance) stores a new spectrum while this one stays open.
  OpenSettings().WriteString("spectrum", "Name", "Neuer");
  OpenSettings().WriteString("spectrum", "32", "-20");
  form()->Button1->click();
  EXPECT_EQ(OpenSettings().ReadString("spectrum", "Name", ""), "Neuer");
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
  // Nothing to normalise: nothing written, nothing said.
  ShowActive();
  form()->Button1->click();
  ShowActive();
  form()->Button1->click();
  EXPECT_EQ(seam.messages.size(), 1);
}

TEST_F(AttenuatorWindow, EnglishHelpAndPrint) {
  ShowActive("english");
  TDampfform* f = form();
  EXPECT_EQ(f->windowTitle(), "attenuator (pad)");
  EXPECT_EQ(f->ComboBox1->itemText(3), "music-like 100kHz (default)");
  EXPECT_EQ(f->Label29->text(), "output power = 11.65 W, acc. 14.56 %");
  EXPECT_EQ(f->Button1->text(), "&close");
  EXPECT_EQ(f->Label2->text(), "received tweeter power (in W) :");
  EXPECT_EQ(f->GroupBox1->title(), "estimating of power");
  EXPECT_EQ(f->RadioTP2->text(), "1st o. (6dB/Okt)");
  EXPECT_EQ(f->Button4->toolTip(), "use value of power estimation");
  EXPECT_EQ(f->Label8->text(), "1 resistor version : U = 8.94 Vrms, I = 1.00 Arms, P = 8.91 W");
  ExpectNoNonFiniteTexts(f);
  // A click on the group itself does nothing.
  QTest::mouseClick(f->GroupBox1, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
  EXPECT_EQ(f->Label29->text(), "output power = 11.65 W, acc. 14.56 %");
  EXPECT_TRUE(f->isVisible());
  // The caption follows at the next paint, the list's entries at the next show.
  SetLanguage("deutsch");
  Repaint();
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Dämpfungsglied"));
  EXPECT_EQ(f->ComboBox1->itemText(3), "music-like 100kHz (default)");
  f->hide();
  ShowActive();
  EXPECT_EQ(f->ComboBox1->itemText(3), QString::fromUtf8("Musik-ähnlich 100kHz (Vorgabe)"));
  EXPECT_EQ(f->Label7->text(), "relative Leistung nach den Widerständen");
  ExpectHelpAndPrint(f->Button2, "QTX_contents0018", f->Button3);
}

// The picture shows the L-pad and the series resistor, each before its speaker Z: every name
// wholly on the picture and clear of the others, and the two speakers named alike at one height.
TEST_F(AttenuatorWindow, ThePadPictureNamesEveryPartOnThePicture) {
  ShowActive();
  const QList<RecordedText> texts = TextsDrawnBy(form()->Image1);
  QStringList names;
  for (const RecordedText& t : texts) names << t.text;
  EXPECT_EQ(names, QStringList({"R1", "R2", "Z", "R3", "Z"}));
  EXPECT_EQ(TextsOutside(texts, form()->Image1->width(), form()->Image1->height()), QStringList());
  EXPECT_EQ(OverlappingTexts(texts), QStringList());
  ASSERT_EQ(texts.size(), 5);
  EXPECT_EQ(texts[2].rect.top(), texts[4].rect.top()) << "both speakers are named at one height";
}

TEST_F(AttenuatorWindow, PrintRefusedPrintsNothing) {
  ShowActive();
  AnswerNo();
  form()->Button3->click();
  EXPECT_TRUE(seam.printed.isEmpty());
}

}  // namespace
}  // namespace velomare::test

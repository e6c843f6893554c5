#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "OptionsTest.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/ComparisonStore.h"
#include "filters/model/FilterBranches.h"

namespace velomare::test {
namespace {

// The section "spectrum" as a save writes the built-in spectrum "Dance", typed out by hand.
std::string DanceSection() {
  return "[spectrum]\r\nName=Dance\r\n32=-6\r\n45=0\r\n63=-2\r\n90=-4\r\n125=-6\r\n180=-10\r\n250=-9\r\n"
         "360=-12\r\n500=-15\r\n710=-18\r\n1k=-12\r\n1k4=-14\r\n2k=-12\r\n2k8=-10\r\n4k=-8\r\n5k7=-6\r\n"
         "8k=-24\r\n11k=-30\r\n16k=-40\r\n22k=-60\r\n32k=-100\r\n45k=-100\r\n64k=-100\r\n90k=-100\r\n";
}

using Options = OptionsTest;

TEST_F(Options, MissingFileShowsTheDefaultsAndSaveWritesEveryKeyInOrder) {
  Toptions* w = Open();
  EXPECT_TRUE(w->RadioKomma->isChecked());
  EXPECT_FALSE(w->RadioKomma->isEnabled());
  EXPECT_FALSE(w->CheckBox13->isEnabled());
  settings->WriteSettings("[Chassis]\r\nname=x\r\n");
  w->hide();
  w = Open();
  EXPECT_TRUE(w->Reset->isEnabled());
  w->CheckBox8->setChecked(true);
  w->CheckEnde->setChecked(true);
  w->CheckBox2->setChecked(false);
  w->closebut->click();
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(NoCheckEnd);
  EXPECT_EQ(settings->ReadSettings(),
            "[Chassis]\r\nname=x\r\n\r\n[Options]\r\nAutoBoxSim=1\r\nAutoFilterSim=0\r\nAutohousingSim=1\r\n"
            "AboutAtStart=1\r\nFastFilter=1\r\nSaveBox=1\r\nSaveFilter=0\r\nNoCheckEnd=1\r\noverwrite=0\r\n"
            "autoupdatecheck=0\r\nalwaysshowversion=0\r\ncolor=0\r\n\r\n[Info]\r\nSprache=deutsch\r\n\r\n" +
                DanceSection());
}

TEST_F(Options, JunkInTheFileGivesDefaultsAndTheSaveWritesCleanValues) {
  settings->WriteSettings(
      "[Options]\r\nAutoBoxSim=ja\r\nSaveBox=yes\r\nSaveBox=1\r\ncolor=7\r\n\x01\x02garbage\xff\r\n"
      "overwrite=1\r\n[Info]\r\nSprache=English\r\n");
  Toptions* w = Open();
  EXPECT_TRUE(w->CheckBox1->isChecked());
  EXPECT_FALSE(w->CheckBox8->isChecked());  // the first of repeated keys counts
  EXPECT_TRUE(w->CheckBox13->isChecked());
  EXPECT_TRUE(w->Farbe1->isChecked());
  EXPECT_TRUE(w->radio_de->isChecked());  // only "english" is English
  w->closebut->click();
  const std::string file = settings->ReadSettings();
  // The repeated key and the garbage line stay; the first key's value is written back clean.
  for (const char* line : {"AutoBoxSim=1\r\n", "color=0\r\n", "overwrite=1\r\n", "Sprache=deutsch\r\n"})
    EXPECT_NE(file.find(line), std::string::npos) << line;
}

TEST_F(Options, LanguageChoiceHoldsInThisWindowUntilSavedOrShownAgain) {
  Toptions* w = Open();
  w->radio_en->click();
  EXPECT_TRUE(w->RadioPunkt->isChecked());
  Repaint(w);  // the file still says German: a paint must not undo the choice
  EXPECT_EQ(w->windowTitle(), "program options");
  Repaint(forms::about);
  EXPECT_EQ(forms::about->windowTitle(), "über Velomare");
  w->Button1->click();
  EXPECT_EQ(settings->ReadSettings().find("Sprache"), std::string::npos);
  w = Open();
  EXPECT_EQ(w->windowTitle(), "Programm-Einstellungen");
  w->radio_en->click();
  w->closebut->click();
  Repaint(forms::about);
  EXPECT_EQ(forms::about->windowTitle(), "about Velomare");
}

TEST_F(Options, SaveWritesTheCheckedColourEvenAfterAnotherWindowRepainted) {
  settings->WriteSettings("[Options]\r\ncolor=1\r\n");
  Toptions* w = Open();
  EXPECT_TRUE(w->Farbe2->isChecked());
  w->Farbe3->click();
  EXPECT_EQ(w->palette().color(QPalette::Window), QColor(0, 128, 128));
  forms::wahl->show();
  Repaint(forms::wahl);  // re-reads "color" 1 from the file
  EXPECT_EQ(ColorScheme, 1);
  Repaint(w);
  EXPECT_EQ(w->palette().color(QPalette::Window), QColor(0, 128, 128));
  w->closebut->click();
  EXPECT_NE(settings->ReadSettings().find("color=2\r\n"), std::string::npos);
}

TEST_F(Options, AFailedSaveSaysSoAndKeepsTheWindowAndTheOldFile) {
  settings->WriteSettings("[Options]\r\nNoCheckEnd=0\r\n");
  Toptions* w = Open();
  const std::string before = settings->ReadSettings();
  w->radio_en->click();
  w->CheckEnde->setChecked(true);
  platform::FileSeam full;
  full.failWrite = [](const std::string&) { return true; };
  platform::InstallFileSeam(&full);
  w->closebut->click();
  platform::InstallFileSeam(nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(NoCheckEnd);
  EXPECT_EQ(seam.messages, QStringList{"The settings could not be saved."});
  EXPECT_EQ(settings->ReadSettings(), before);
}

TEST_F(Options, ResetAsksThenDeletesTheOneSettingsFile) {
  settings->WriteSettings("[Options]\r\ncolor=2\r\n");
  Toptions* w = Open();
  seam.answer = [](const QString&) { return platform::Answer::No; };
  w->Reset->click();
  EXPECT_EQ(seam.questions.value(0), "Konfigurationsdatei löschen?");
  EXPECT_TRUE(w->isVisible());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  w->Reset->click();
  EXPECT_FALSE(w->isVisible());
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(settings->SettingsPath())));
  w = Open();
  EXPECT_TRUE(w->Farbe1->isChecked());
  // A file that cannot be deleted: the window says so and stays open.
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(settings->SettingsPath()) + "/inside"));
  w->hide();
  w = Open();
  w->radio_en->click();
  w->Reset->click();
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(seam.messages.value(0), "The configuration file could not be deleted.");
}

TEST_F(Options, DataPageListsSlotsAndBranchesAndClearsThem) {
  StartProgram();
  ComparisonHeader header{.BoxType = BoxType::BassReflex, .DriverLabel = "VISATON W 300"};
  StoreComparisonCurve(2, ComparisonLevels{}, header);
  header.BoxType = BoxType::VentedBandpass;
  StoreComparisonCurve(4, ComparisonLevels{}, header);
  TPLevel[0] = HPLevel[0] = HPPhase[0] = 1.0;
  Toptions* w = Open();
  const auto boxes = [w] {
    std::vector<bool> on;
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{w->CheckBox14, w->CheckBox15, w->CheckBox18,
             w->CheckBox19, w->CheckBox20, w->CheckBox22, w->CheckBox23, w->Button14, w->Button15, w->Button16})
      on.push_back(qobject_cast<QCheckBox*>(b) ? b->isChecked() : b->isEnabled());
    return on;
  };
  EXPECT_EQ(boxes(), (std::vector<bool>{false, true, true, false, false, true, true, true, false, false}));
  EXPECT_EQ(w->Label4->text(), "   ");
  EXPECT_EQ(w->Label7->text(), "BP 6.O.: VISATON W 300");
  w->radio_en->click();
  EXPECT_EQ(w->Label5->text(), "Reflex VISATON W 300");
  w->CheckBox6->setChecked(false);
  EXPECT_EQ(w->Label3->text(), "fast simulation");  // only at the next refresh
  w->TabbedNotebook1->setCurrentIndex(4);
  EXPECT_EQ(w->Label3->text(), "slow simulation after save");
  w->Button8->click();
  w->Button13->click();
  EXPECT_EQ(boxes(), (std::vector<bool>{false, false, true, false, false, false, false, true, false, false}));
  EXPECT_EQ(w->Label5->text(), "   ");
  EXPECT_FALSE(ComparisonSlotFilled(2));
  EXPECT_DOUBLE_EQ(HPPhase[0], 0.0);
}

TEST_F(Options, ConvertButtonMovesOneHertzDataToTheFastGridOnce) {
  StartProgram();
  for (int f = 1; f <= 20001; ++f) {
    TPLevel[f] = -0.1 * f;
    TPPhase[f] = 1.0 / f;
  }
  TPLevel[0] = 1.0;
  Toptions* w = Open();
  ASSERT_TRUE(w->Button14->isEnabled());
  w->Button14->click();
  EXPECT_DOUBLE_EQ(TPLevel[101], static_cast<float>(-11.0));
  EXPECT_DOUBLE_EQ(TPLevel[290], static_cast<float>(-2000.0));
  EXPECT_DOUBLE_EQ(TPPhase[101], static_cast<float>(1.0 / 110));  // through single precision
  EXPECT_DOUBLE_EQ(TPLevel[291], 0.0);
  EXPECT_FALSE(w->Button14->isEnabled());
  // Exported again on the fast grid while the page still offers the conversion.
  TPLevel[101] = -7;
  w->Button14->setEnabled(true);
  w->Button14->click();
  EXPECT_DOUBLE_EQ(TPLevel[101], -7);
  EXPECT_FALSE(w->Button14->isEnabled());
}

TEST_F(Options, EveryPageInBothLanguagesKeepsItsLayout) {
  Toptions* w = Open();
  for (QRadioButton* language : {w->radio_de, w->radio_en}) {
    language->click();
    for (int page = 0; page < w->TabbedNotebook1->count(); ++page) {
      w->TabbedNotebook1->setCurrentIndex(page);
      Repaint(w);
      const QStringList problems = LayoutProblems(w, language->objectName());
      EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    }
  }
}

}  // namespace
}  // namespace velomare::test

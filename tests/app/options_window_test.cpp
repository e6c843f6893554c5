// The settings window driven through its controls: the options saved and read back, the data
// page, the spectrum page (the save with the options, export and import of spectrum files) and
// the update page (the check on demand and at start-up, answered through the platform seam or a
// loopback server, one check at a time, a start that a slow server does not hold up, the link).
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "LoopbackServer.h"
#include "TestSupport.h"
#include "app/AllForms.h"
#include "app/Startup.h"
#include "common/BandSpectrum.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/ComparisonStore.h"
#include "filters/model/FilterBranches.h"

namespace velomare::test {
namespace {

class OptionsTest : public ProgramTest {
 protected:
  // Starts the program when it is not running yet, opens the window, paints it once and turns
  // to the page given (0 to 4), or stays on the page shown for -1.
  Toptions* Open(int page = -1) {
    if (!started) StartProgram();
    forms::Form1->Optionen1->trigger();
    EXPECT_TRUE(forms::options->isVisible());
    Repaint(forms::options);
    if (page >= 0) forms::options->TabbedNotebook1->setCurrentIndex(page);
    return forms::options;
  }
};

// The section "spectrum" as a save writes the built-in spectrum "Dance", typed out by hand.
std::string DanceSection() {
  return "[spectrum]\r\nName=Dance\r\n32=-6\r\n45=0\r\n63=-2\r\n90=-4\r\n125=-6\r\n180=-10\r\n250=-9\r\n"
         "360=-12\r\n500=-15\r\n710=-18\r\n1k=-12\r\n1k4=-14\r\n2k=-12\r\n2k8=-10\r\n4k=-8\r\n5k7=-6\r\n"
         "8k=-24\r\n11k=-30\r\n16k=-40\r\n22k=-60\r\n32k=-100\r\n45k=-100\r\n64k=-100\r\n90k=-100\r\n";
}

using Options = OptionsTest;

// The section "Options" of a settings file's bytes, up to the next section.
std::string OptionsSection(const std::string& file) {
  const auto from = file.find("[Options]");
  if (from == std::string::npos) return {};
  const auto to = file.find('[', from + 1);
  return file.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

TEST_F(Options, MissingFileShowsTheDefaultsAndSaveWritesEveryKeyInOrder) {
  Toptions* w = Open();
  EXPECT_EQ(w->windowTitle(), "Programm-Einstellungen");
  EXPECT_TRUE(w->radio_de->isChecked());
  EXPECT_TRUE(w->RadioKomma->isChecked());
  EXPECT_FALSE(w->RadioKomma->isEnabled());
  EXPECT_TRUE(w->Farbe1->isChecked());
  for (QCheckBox* on : {w->CheckBox1, w->CheckBox2, w->CheckBox3, w->CheckBox4, w->CheckBox6}) EXPECT_TRUE(on->isChecked());
  for (QCheckBox* off : {w->CheckBox8, w->CheckBox9, w->CheckEnde, w->CheckBox13, w->CheckBox24, w->CheckBox25})
    EXPECT_FALSE(off->isChecked());
  EXPECT_FALSE(w->CheckBox13->isEnabled());
  EXPECT_TRUE(w->CheckBox7->isChecked());
  EXPECT_EQ(w->TabbedNotebook1->count(), 5);
  EXPECT_EQ(w->TabbedNotebook1->tabText(4), "Datensätze");
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
  for (const char* line : {"AutoBoxSim=1\r\n", "color=0\r\n", "overwrite=1\r\n"})
    EXPECT_NE(OptionsSection(file).find(line), std::string::npos) << line;
  // The repeated key and the garbage line stay; the first key's value is written back clean.
  for (const char* line : {"AutoBoxSim=1\r\n", "color=0\r\n", "overwrite=1\r\n", "Sprache=deutsch\r\n"})
    EXPECT_NE(file.find(line), std::string::npos) << line;
}

TEST_F(Options, LanguageChoiceHoldsInThisWindowUntilSavedOrShownAgain) {
  Toptions* w = Open();
  w->radio_en->click();
  EXPECT_EQ(w->OptionsLanguage(), "english");
  EXPECT_TRUE(w->RadioPunkt->isChecked());
  Repaint(w);  // the file still says German: a paint must not undo the choice
  EXPECT_EQ(w->windowTitle(), "program options");
  EXPECT_EQ(w->closebut->text(), "&save");
  EXPECT_EQ(w->TabbedNotebook1->tabText(4), "data sets (records)");
  Repaint(forms::about);
  EXPECT_EQ(forms::about->windowTitle(), "über Velomare");
  w->Button1->click();
  EXPECT_FALSE(w->isVisible());
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
  EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::white));
  w->Farbe3->click();
  EXPECT_EQ(ColorScheme, 2);
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
  EXPECT_TRUE(w->CheckEnde->isChecked());
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
  EXPECT_NE(settings->ReadSettings(), "");
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  w->Reset->click();
  EXPECT_FALSE(w->isVisible());
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(settings->SettingsPath())));
  w = Open();
  EXPECT_FALSE(w->Reset->isEnabled());
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
  EXPECT_EQ(w->Label5->text(), "BR: VISATON W 300");
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
  EXPECT_NE(TPPhase[101], 1.0 / 110);
  EXPECT_DOUBLE_EQ(TPLevel[291], 0.0);
  EXPECT_DOUBLE_EQ(TPPhase[0], 1.0);
  EXPECT_TRUE(w->CheckBox19->isChecked());
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
      SavePicture(w, QString("options_%1_%2").arg(language->objectName()).arg(page));
    }
  }
}

constexpr int kSpectrumPage = 2;

class SpectrumPage : public OptionsTest {
 protected:
  Toptions* Open() { return OptionsTest::Open(kSpectrumPage); }
  static QString Level(Toptions* w, int row) { return w->StringGrid1->item(row - 1, 1)->text(); }
  static void SetLevel(Toptions* w, int row, const QString& text) { w->StringGrid1->item(row - 1, 1)->setText(text); }
  std::string Section() const {
    const std::string file = settings->ReadSettings();
    const auto from = file.find("[spectrum]");
    return from == std::string::npos ? std::string() : file.substr(from);
  }
};

TEST_F(SpectrumPage, ANewInstallationShowsDanceWithTheBandLabelsAndHeader) {
  Toptions* w = Open();
  ASSERT_EQ(w->StringGrid1->rowCount(), 24);
  ASSERT_EQ(w->StringGrid1->columnCount(), 2);
  EXPECT_EQ(w->StringGrid1->horizontalHeaderItem(0)->text(), "Frequenz");
  EXPECT_EQ(w->StringGrid1->horizontalHeaderItem(1)->text(), "dB");
  EXPECT_EQ(w->StringGrid1->columnWidth(0), 90);
  EXPECT_EQ(w->StringGrid1->columnWidth(1), 70);
  EXPECT_EQ(w->StringGrid1->rowHeight(0), 16);
  EXPECT_EQ(w->StringGrid1->item(0, 0)->text(), "32 Hz");
  EXPECT_EQ(w->StringGrid1->item(2, 0)->text(), "64 Hz");
  EXPECT_EQ(w->StringGrid1->item(23, 0)->text(), "90 kHz");
  EXPECT_FALSE(w->StringGrid1->item(0, 0)->flags() & Qt::ItemIsEditable);
  EXPECT_TRUE(w->StringGrid1->item(0, 1)->flags() & Qt::ItemIsEditable);
  EXPECT_EQ(Level(w, 1), "-6");
  EXPECT_EQ(Level(w, 2), "0");
  EXPECT_EQ(Level(w, 24), "-100");
  EXPECT_EQ(w->Edit1->text(), "Dance");
  EXPECT_EQ(w->Label1->text(), "Spektrum-Name : ");
  w->radio_en->click();
  EXPECT_EQ(w->StringGrid1->horizontalHeaderItem(0)->text(), "frequency");
  EXPECT_EQ(w->Label1->text(), "spectrum name :");
  EXPECT_EQ(w->Button3->text(), "save spectrum file");
  EXPECT_EQ(w->Button6->text(), "load spectrum file");
}

TEST_F(SpectrumPage, SaveWritesTheSectionInRowOrderWithBadCellsAsMinus100) {
  settings->WriteSettings("[spectrum]\r\nName=Alt\r\n2k=-7\r\n[Other]\r\nkeep=1\r\n");
  Toptions* w = Open();
  EXPECT_EQ(w->Edit1->text(), "Alt");
  EXPECT_EQ(Level(w, 13), "-7");
  SetLevel(w, 13, "abc");
  SetLevel(w, 1, "-6,5");
  SetLevel(w, 2, "1e999");
  SetLevel(w, 3, "");
  TypeInto(w->Edit1, "Mein Mix");
  w->closebut->click();
  EXPECT_FALSE(w->isVisible());
  std::string expected = "[spectrum]\r\nName=Mein Mix\r\n32=-6,5\r\n45=-100\r\n63=-100\r\n";
  const SpectrumTexts dance = DanceSpectrum();
  for (int i = 3; i < kSpectrumBandCount; ++i)
    expected += std::string(kSpectrumBands[i].key) + "=" + (i == 12 ? "-100" : dance.levels[i]) + "\r\n";
  expected += "[Other]\r\nkeep=1\r\n";
  // The section stays where it was, before the options appended after the last one.
  EXPECT_EQ(Section().substr(0, expected.size()), expected);
  EXPECT_NE(settings->ReadSettings().find("[Options]"), std::string::npos);
  // The cell kept what was typed until the next show.
  EXPECT_EQ(Level(w, 13), "abc");
  w = Open();
  EXPECT_EQ(Level(w, 13), "-100");
  EXPECT_EQ(Level(w, 1), "-6,5");
}

TEST_F(SpectrumPage, ACellStillBeingEditedIsSavedToo) {
  Toptions* w = Open();
  ASSERT_TRUE(ShowAndActivate(w));
  w->StringGrid1->setFocus();
  w->StringGrid1->setCurrentCell(4, 1);  // row 5, "125 Hz": the editor opens at once
  QCoreApplication::processEvents();
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  TypeInto(editor, "-2.5");
  w->closebut->click();
  EXPECT_NE(Section().find("\r\n125=-2.5\r\n"), std::string::npos) << Section();
}

TEST_F(SpectrumPage, CancelDiscardsEdits) {
  Toptions* w = Open();
  SetLevel(w, 5, "3");
  TypeInto(w->Edit1, "weg");
  w->Button1->click();
  EXPECT_TRUE(Section().empty());
  EXPECT_EQ(Level(Open(), 5), "-6");
  EXPECT_EQ(w->Edit1->text(), "Dance");
}

TEST_F(SpectrumPage, ExportAsksTheDialogAndWritesOnlyTheChosenFile) {
  Toptions* w = Open();
  TypeInto(w->Edit1, "Jazz");
  SetLevel(w, 24, "-99");
  SetLevel(w, 23, "x");
  FileDialogAnswers(TempPath("jazz"));  // no extension typed: the dialog adds "spe"
  const std::string before = settings->ReadSettings();
  w->Button3->click();
  ASSERT_EQ(seam.fileDialogs.size(), 1);
  const platform::FileDialogRequest& request = seam.fileDialogs[0];
  EXPECT_EQ(request.title, "export spectrum-file");
  EXPECT_EQ(request.defaultName, "Jazz");
  EXPECT_EQ(request.defaultExtension, "spe");
  EXPECT_TRUE(request.filter.contains("*.spe"));
  const std::string bytes = ReadFileBytes(TempPath("jazz.spe").toStdString());
  EXPECT_EQ(bytes.find("[spectrum]\r\nName=Jazz\r\n32=-6\r\n"), 0u) << bytes;
  EXPECT_NE(bytes.find("\r\n64k=-100\r\n90k=-99\r\n"), std::string::npos);
  EXPECT_EQ(settings->ReadSettings(), before);
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_TRUE(seam.questions.isEmpty());
  // The name in the file is the name edit's, whatever the file is called; an existing file is
  // replaced only after a question.
  TypeInto(w->Edit1, "Anders");
  seam.answer = [](const QString&) { return platform::Answer::No; };
  w->Button3->click();
  ASSERT_EQ(seam.questions.size(), 1);
  EXPECT_TRUE(seam.questions[0].contains("jazz.spe"));
  EXPECT_NE(ReadFileBytes(TempPath("jazz.spe").toStdString()).find("Name=Jazz\r\n"), std::string::npos);
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  w->Button3->click();
  EXPECT_NE(ReadFileBytes(TempPath("jazz.spe").toStdString()).find("Name=Anders\r\n"), std::string::npos);
  // A file that cannot be written: the window says so in its language.
  w->radio_en->click();
  FileDialogAnswers(TempPath("no/such/folder/s.spe"));
  w->Button3->click();
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].startsWith("The file ")) << seam.messages[0].toStdString();
  EXPECT_TRUE(seam.messages.value(0).endsWith("could not be written. Please choose another folder or name."));
}

TEST_F(SpectrumPage, ImportFillsTheGridAndTheNameButNotTheSettingsFile) {
  WriteFileBytes(TempPath("rock.spe").toStdString(), "[spectrum]\nName=R\xf6" "ck\n32=2\n2k=-1,5\n");
  Toptions* w = Open();
  FileDialogAnswers(TempPath("rock"));  // the extension is added since no file "rock" exists
  const std::string before = settings->ReadSettings();
  w->Button6->click();
  ASSERT_EQ(seam.fileDialogs.size(), 1);
  EXPECT_EQ(seam.fileDialogs[0].title, "import spectrum-file");
  EXPECT_TRUE(seam.fileDialogs[0].mustExist);
  EXPECT_EQ(seam.fileDialogs[0].defaultExtension, "spe");
  EXPECT_EQ(w->Edit1->text(), "Röck");
  EXPECT_EQ(Level(w, 1), "2");
  EXPECT_EQ(Level(w, 13), "-1,5");
  EXPECT_EQ(Level(w, 2), "0");  // missing: "Dance"
  EXPECT_EQ(settings->ReadSettings(), before);
  EXPECT_TRUE(seam.messages.isEmpty());
  // Saved, the imported texts reach the settings file unchanged, the umlaut as Windows-1252.
  w->closebut->click();
  EXPECT_NE(Section().find("Name=R\xf6" "ck\r\n32=2\r\n"), std::string::npos);
  EXPECT_NE(Section().find("\r\n2k=-1,5\r\n"), std::string::npos);
}

TEST_F(SpectrumPage, AFileWithoutSpectrumIsRefusedAndWhatWasTypedStays) {
  WriteFileBytes(TempPath("driver.vmx").toStdString(), "[Chassis]\r\nQts=0,4\r\n");
  WriteFileBytes(TempPath("picture.spe").toStdString(), std::string("\x89PNG\r\n\x1a\n\0\0", 10));
  WriteFileBytes(TempPath("empty.spe").toStdString(), "");
  Toptions* w = Open();
  SetLevel(w, 7, "-1");
  TypeInto(w->Edit1, "Getippt");
  int shown = 0;
  for (const char* name : {"driver.vmx", "picture.spe", "empty.spe"}) {
    FileDialogAnswers(TempPath(name));
    w->Button6->click();
    ASSERT_EQ(seam.messages.size(), ++shown) << name;
    EXPECT_TRUE(seam.messages.last().contains("keine Spektrum-Datei")) << seam.messages.last().toStdString();
    EXPECT_EQ(Level(w, 7), "-1");
    EXPECT_EQ(w->Edit1->text(), "Getippt");
  }
  w->radio_en->click();
  FileDialogAnswers(TempPath("empty.spe"));
  w->Button6->click();
  EXPECT_TRUE(seam.messages.last().contains("is not a spectrum file")) << seam.messages.last().toStdString();
  // Cancelling either dialog changes nothing.
  FileDialogAnswers();
  w->Button6->click();
  w->Button3->click();
  EXPECT_EQ(seam.messages.size(), shown + 1);
  EXPECT_EQ(Level(w, 7), "-1");
  EXPECT_EQ(w->Edit1->text(), "Getippt");
}

TEST_F(SpectrumPage, TopAndEndOfTheGridInBothLanguagesKeepTheirLayout) {
  Toptions* w = Open();
  ASSERT_TRUE(ShowAndActivate(w));
  for (QRadioButton* language : {w->radio_de, w->radio_en}) {
    language->click();
    w->TabbedNotebook1->setCurrentIndex(kSpectrumPage);
    QScrollBar* bar = w->StringGrid1->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0) << "the grid must scroll";
    for (bool end : {false, true}) {
      bar->setValue(end ? bar->maximum() : 0);
      Repaint(w);
      const QStringList problems = LayoutProblems(w, language->objectName());
      EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
      if (end) {
        const QRect last = w->StringGrid1->visualItemRect(w->StringGrid1->item(23, 0));
        EXPECT_LE(last.bottom(), w->StringGrid1->viewport()->height()) << "90 kHz is visible at the end";
      }
      SavePicture(w, QString("spectrum_%1_%2").arg(language->objectName(), end ? "end" : "top"));
    }
  }
}

constexpr int kUpdatePage = 3;

class UpdatePage : public OptionsTest {
 protected:
  Toptions* Open() { return OptionsTest::Open(kUpdatePage); }
  void Serve(const QByteArray& body, int status = 200) {
    seam.http = [body, status](const QString&) {
      return platform::HttpResult{status >= 200 && status < 300, status, body, {}};
    };
  }
  // Presses the check button and lets the answer arrive.
  void Check(Toptions* w) {
    w->Button17->click();
    for (int i = 0; i < 5 && w->UpdateCheckRunning(); ++i) QCoreApplication::processEvents();
    ASSERT_FALSE(w->UpdateCheckRunning());
  }
  static QColor Colour(QLabel* label) { return label->palette().color(QPalette::WindowText); }
};

TEST_F(UpdatePage, BeforeAnyCheckTheWebVersionIsAQuestionMark) {
  Toptions* w = Open();
  EXPECT_EQ(w->Label11->text(), "Versionsnummer der gestarteten Software : 3.2.5.0");
  EXPECT_EQ(w->Label9->text(), "Version im Internet :?");
  EXPECT_EQ(w->Label13->text(), "");
  EXPECT_EQ(w->Label10->text(), "Direkter Link zur Internetseite");
  EXPECT_EQ(w->Label2->text(), "http://www.velomare.example/velomar.htm");
  EXPECT_EQ(w->Button17->text(), "Neue Version? Check!");
  w->radio_en->click();
  EXPECT_EQ(w->Label11->text(), "version on PC : 3.2.5.0");
  EXPECT_EQ(w->Label9->text(), "version in internet : ?");
  EXPECT_EQ(w->Label10->text(), "direct link to Internetsite:");
  EXPECT_EQ(w->Button17->text(), "Check for new version");
  EXPECT_TRUE(seam.httpRequests.isEmpty());  // no check unless asked for
}

TEST_F(UpdatePage, TheSameVersionIsReportedAndShownInAMessageOnlyWhenAskedFor) {
  Serve("3250");
  Toptions* w = Open();
  EXPECT_EQ(w->Label9->text(), "Version im Internet :?");
  EXPECT_TRUE(seam.httpRequests.isEmpty());  // no check at start unless stored so
  Check(w);
  EXPECT_EQ(seam.httpRequests, QStringList{"http://www.velomare.example/velomareversion.txt"});
  EXPECT_EQ(w->Label13->text(), "Internet-Verbindung erfolgreich hergestellt, Installierte Version ist neuste Fassung");
  EXPECT_EQ(w->Label9->text(), "Version im Internet : 3.2.5.0");
  EXPECT_EQ(w->Label11->text(), "Versionsnummer der gestarteten Software : 3.2.5.0");
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_TRUE(LayoutProblems(w, "deutsch").isEmpty()) << LayoutProblems(w, "deutsch").join("\n").toStdString();
  // The box on the page counts while the window is open, saved or not.
  w->CheckBox25->setChecked(true);
  w->radio_en->click();
  Check(w);
  EXPECT_EQ(w->Label11->text(), "version on PC : 3.2.5.0");
  EXPECT_EQ(w->Label13->text(), "internet connection successful, your software is up to date");
  EXPECT_EQ(w->Label9->text(), "version in internet :3.2.5.0");
  EXPECT_EQ(seam.messages, QStringList{"your software is up to date"});
  EXPECT_TRUE(seam.questions.isEmpty());
}

TEST_F(UpdatePage, ANewerVersionAlwaysOffersTheDownloadPage) {
  Serve("3251");
  Toptions* w = Open();
  AnswerNo();
  Check(w);
  EXPECT_EQ(seam.questions, QStringList{"Neue Version im Internet verfügbar, Download-Seite aufrufen?"});
  EXPECT_TRUE(seam.opened.isEmpty());
  EXPECT_EQ(w->Label9->text(), "Version im Internet : 3.2.5.1");
  EXPECT_EQ(w->Label13->text(), "");  // unchanged
  EXPECT_TRUE(seam.messages.isEmpty());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  Check(w);
  EXPECT_EQ(seam.opened, QStringList{"http://www.velomare.example/velomar.htm"});
  // The text routines compose the labels again after a language change.
  w->radio_en->click();
  EXPECT_EQ(w->Label9->text(), "version in internet : 3.2.5.1");
  w->radio_de->click();
  EXPECT_EQ(w->Label9->text(), "Version im Internet :3.2.5.1");
}

TEST_F(UpdatePage, EveryKindOfAnswerGivesItsReport) {
  struct Case {
    QByteArray body;
    int status;
    const char* web;     // Label9 after "version in internet :"
    const char* result;  // Label13, or nullptr for "unchanged"
    bool asks;
  };
  const char* kNoConnection = "internet connection not successful";
  const char* kUnreadable = "could not read version from internet";
  const char* kCurrent = "internet connection successful, your software is up to date";
  const Case cases[] = {
      {"", 0, "?", kNoConnection, false},
      {"", 200, "?", kNoConnection, false},
      {"3250", 404, "?", kNoConnection, false},
      {"3.250", 200, "3.2.5.0", kCurrent, false},
      {"-3250", 200, "3.2.5.0", kCurrent, false},
      {" 3250 ", 200, "3.2.5.0", kCurrent, false},
      {"3250\r\n", 200, "3.2.5.0", kCurrent, false},
      {"999", 200, "?", nullptr, false},
      {"10000", 200, "?", nullptr, true},
      {QByteArray(1024, '9'), 200, "?", kUnreadable, false},
      {QByteArray("\x00\x01\xff\xfe", 4), 200, "?", kNoConnection, false},
      {"3,2,5,0", 200, "?", kNoConnection, false},
      {"3249", 302, "3.2.4.9", "internet connection successful, installed version is newer than the web-version", false},
  };
  AnswerNo();
  Toptions* w = Open();
  w->radio_en->click();
  w->CheckBox25->setChecked(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body.left(20).toStdString() + " / " + std::to_string(c.status));
    w->Label13->setText("before");
    seam.messages.clear();
    seam.questions.clear();
    Serve(c.body, c.status);
    Check(w);
    EXPECT_EQ(w->Label9->text(), QString("version in internet :") + c.web);
    EXPECT_EQ(w->Label13->text(), c.result ? c.result : "before");
    EXPECT_EQ(seam.messages.size(), c.result ? 1 : 0);
    EXPECT_EQ(seam.questions.size(), c.asks ? 1 : 0);
    ExpectNoNonFiniteTexts(w);
  }
}

TEST_F(UpdatePage, ASecondPressWhileACheckRunsStartsNothing) {
  Serve("3250");
  Toptions* w = Open();
  w->Button17->click();
  w->Button17->click();
  EXPECT_TRUE(w->UpdateCheckRunning());
  QCoreApplication::processEvents();
  EXPECT_FALSE(w->UpdateCheckRunning());
  EXPECT_EQ(seam.httpRequests.size(), 1);
  w->Button17->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(seam.httpRequests.size(), 2);
}

TEST_F(UpdatePage, TheStartUpCheckReportsInTheStoredLanguageAndBy_alwaysshowversion) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nautoupdatecheck=1\r\n[Info]\r\nSprache=english\r\n");
  Serve("3250");
  StartProgram();
  ASSERT_EQ(seam.httpRequests.size(), 1);
  QCoreApplication::processEvents();
  EXPECT_FALSE(forms::options->UpdateCheckRunning());
  EXPECT_EQ(forms::options->Label13->text(), "internet connection successful, your software is up to date");
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_FALSE(forms::options->isVisible());
}

TEST_F(UpdatePage, TheStartUpCheckShowsItsMessageWhenStoredSo) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nautoupdatecheck=1\r\nalwaysshowversion=1\r\n");
  Serve("", 0);
  StartProgram();
  QCoreApplication::processEvents();
  EXPECT_EQ(seam.messages, QStringList{"Konnte Verbindung zum Internet nicht herstellen"});
  Serve("4000");
  forms::options->Button17->click();  // hidden window: the stored value still counts
  QCoreApplication::processEvents();
  EXPECT_EQ(seam.questions.size(), 1);
}

TEST_F(UpdatePage, NoCheckAtStartUnlessSwitchedOn) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nautoupdatecheck=0\r\n");
  StartProgram();
  QCoreApplication::processEvents();
  EXPECT_TRUE(seam.httpRequests.isEmpty());
}

TEST_F(UpdatePage, ASlowServerHoldsUpNeitherTheStartNorTheWindowsNorTheEnd) {
  auto silent = std::make_unique<LoopbackServer>();
  seam.httpRoute = [url = silent->Url()](const QString&) { return url; };
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nautoupdatecheck=1\r\nalwaysshowversion=1\r\n");
  QElapsedTimer timer;
  timer.start();
  StartProgram();
  EXPECT_LT(timer.elapsed(), 3000);
  EXPECT_TRUE(forms::Form1->isVisible());
  QPointer<Toptions> options = forms::options;
  // The main window answers while the server keeps silent.
  QTest::qWait(300);
  forms::Form1->Optionen1->trigger();
  EXPECT_TRUE(options->isVisible());
  EXPECT_TRUE(options->UpdateCheckRunning());
  EXPECT_EQ(silent->Requests(), 1);
  EXPECT_EQ(options->Label13->text(), "");
  // Quitting now: the windows go at once, and the answer that comes later finds none of them.
  timer.restart();
  DestroyForms();
  started = false;
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_TRUE(options.isNull());
  silent.reset();  // the connection closes: the check ends with no one to report to
  QTest::qWait(300);
  EXPECT_TRUE(seam.messages.isEmpty());
}

TEST_F(UpdatePage, TheLinkTurnsPurpleUnderTheMouseAndBlueAgainAfterASecond) {
  Toptions* w = Open();
  ASSERT_TRUE(ShowAndActivate(w));
  const QColor blue(0, 0, 255), purple(128, 0, 128);
  EXPECT_EQ(Colour(w->Label2), blue);
  MoveMouse(w->Label2, {2, 2});
  EXPECT_EQ(Colour(w->Label2), purple);
  EXPECT_TRUE(w->LinkHover());
  for (int tick = 1; tick <= 3; ++tick) w->Timer1Timer();  // half a second each
  EXPECT_EQ(Colour(w->Label2), blue);
  // A movement starts the count again.
  MoveMouse(w->Label2, {2, 2});
  w->Timer1Timer();
  w->Timer1Timer();
  MoveMouse(w->Label2, {2, 2});
  w->Timer1Timer();
  w->Timer1Timer();
  EXPECT_EQ(Colour(w->Label2), purple);
  w->Timer1Timer();
  EXPECT_EQ(Colour(w->Label2), blue);
  EXPECT_FALSE(w->LinkHover());
  // By the timer itself: blue again between 1.0 and 1.5 s after the last movement.
  MoveMouse(w->Label2, {2, 2});
  QTest::qWait(900);
  EXPECT_EQ(Colour(w->Label2), purple);
  QTest::qWait(800);
  EXPECT_EQ(Colour(w->Label2), blue);
  // Over the page's background it turns blue at once; over Label10 too.
  MoveMouse(w->Label2, {2, 2});
  MoveMouse(w->TabbedNotebook1->widget(kUpdatePage), {2, 2});
  EXPECT_EQ(Colour(w->Label2), blue);
  MoveMouse(w->Label2, {2, 2});
  MoveMouse(w->Label10, {2, 2});
  EXPECT_EQ(Colour(w->Label2), blue);
  QTest::mouseRelease(w->Label2, Qt::LeftButton, {}, {2, 2});
  EXPECT_EQ(seam.opened, QStringList{"http://www.velomare.example/velomar.htm"});
}

TEST_F(UpdatePage, AfterAFailedCheckInBothLanguagesKeepsItsLayout) {
  Serve("", 0);
  Toptions* w = Open();
  for (QRadioButton* language : {w->radio_de, w->radio_en}) {
    language->click();
    Check(w);
    Repaint(w);
    ExpectNoNonFiniteTexts(w);
    const QStringList problems = LayoutProblems(w, language->objectName());
    EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    SavePicture(w, QString("update_%1").arg(language->objectName()));
  }
}

}  // namespace
}  // namespace velomare::test

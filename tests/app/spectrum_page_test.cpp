// The settings window's spectrum page driven through its controls: loading at each show, the
// save together with the options, cancel, and export and import of spectrum files.
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include "OptionsTest.h"
#include "common/BandSpectrum.h"

namespace velomare::test {
namespace {

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
  EXPECT_EQ(w->StringGrid1->item(2, 0)->text(), "64 Hz");
  EXPECT_EQ(w->StringGrid1->item(23, 0)->text(), "90 kHz");
  EXPECT_FALSE(w->StringGrid1->item(0, 0)->flags() & Qt::ItemIsEditable);
  EXPECT_EQ(Level(w, 1), "-6");
  EXPECT_EQ(Level(w, 24), "-100");
  EXPECT_EQ(w->Edit1->text(), "Dance");
  w->radio_en->click();
  EXPECT_EQ(w->StringGrid1->horizontalHeaderItem(0)->text(), "frequency");
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

TEST_F(SpectrumPage, CancelDiscardsEditsAndImports) {
  Toptions* w = Open();
  SetLevel(w, 5, "3");
  TypeInto(w->Edit1, "weg");
  w->Button1->click();
  EXPECT_TRUE(Section().empty());
  w = Open();
  EXPECT_EQ(Level(w, 5), "-6");
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
  EXPECT_EQ(seam.fileDialogs.value(0).defaultName, "Jazz");
  const std::string bytes = ReadFileBytes(TempPath("jazz.spe").toStdString());
  EXPECT_EQ(bytes.find("[spectrum]\r\nName=Jazz\r\n32=-6\r\n"), 0u) << bytes;
  EXPECT_NE(bytes.find("\r\n64k=-100\r\n90k=-99\r\n"), std::string::npos);
  EXPECT_EQ(settings->ReadSettings(), before);
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
  EXPECT_TRUE(seam.messages.value(0).endsWith("could not be written. Please choose another folder or name."));
}

TEST_F(SpectrumPage, ImportFillsTheGridAndTheNameButNotTheSettingsFile) {
  WriteFileBytes(TempPath("rock.spe").toStdString(), "[spectrum]\nName=R\xf6" "ck\n32=2\n2k=-1,5\n");
  Toptions* w = Open();
  FileDialogAnswers(TempPath("rock"));  // the extension is added since no file "rock" exists
  const std::string before = settings->ReadSettings();
  w->Button6->click();
  EXPECT_TRUE(seam.fileDialogs.value(0).mustExist);
  EXPECT_EQ(w->Edit1->text(), "Röck");
  EXPECT_EQ(Level(w, 1), "2");
  EXPECT_EQ(Level(w, 13), "-1,5");
  EXPECT_EQ(Level(w, 2), "0");  // missing: "Dance"
  EXPECT_EQ(settings->ReadSettings(), before);
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
  seam.fileName = nullptr;
  w->Button6->click();
  w->Button3->click();
  EXPECT_EQ(seam.messages.size(), shown + 1);
  EXPECT_EQ(w->Edit1->text(), "Getippt");
}

TEST_F(SpectrumPage, TheGridScrollsTo90kHz) {
  Toptions* w = Open();
  ASSERT_TRUE(ShowAndActivate(w));
  QScrollBar* bar = w->StringGrid1->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0) << "the grid must scroll";
  bar->setValue(bar->maximum());
  Repaint(w);
  EXPECT_TRUE(LayoutProblems(w, "deutsch").isEmpty()) << LayoutProblems(w, "deutsch").join("\n").toStdString();
  const QRect last = w->StringGrid1->visualItemRect(w->StringGrid1->item(23, 0));
  EXPECT_LE(last.bottom(), w->StringGrid1->viewport()->height());
}

}  // namespace
}  // namespace velomare::test

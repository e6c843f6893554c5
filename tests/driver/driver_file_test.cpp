// Driver files through the driver-data window's buttons: the exact bytes, the round trip, the
// file names, overwrite, the stale "other TSPs" section, damaged files, delete and failed writes.
#include <QStatusBar>
#include <filesystem>

#include <sys/stat.h>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "driver/model/DriverFile.h"

namespace velomare::test {
namespace {

const std::string kDefaultDriverFile =
    "[Info]\r\nVersion=Velomar Version 3.2.5\r\nSprache=deutsch\r\n"
    "\r\n[Units]\r\nVolumen (Vas, vol)=l (Liter)\r\nL\xE4nge (dia)=cm (Zentimeter)\r\n"
    "Flaeche (Sd)=qcm (Quadratzentimeter)\r\nSPL=dB (1W1m)\r\neff=Wirkungsgrad in %\r\nMms=g (Gramm)\r\n"
    "Cms=mm/N (Millimeter pro Newton)\r\nRms=kg/s (Kilogramm pro Sekunde)\r\nCmes=\xB5" "F (Mikrofarad)\r\n"
    "BL=N/A (Newton pro Ampere)\r\n"
    "\r\n[Chassis]\r\nmanufactor=VISATON\r\nname=W 300 NG (8 Ohm)\r\nQts=0,410\r\nQes=0,513\r\nQms=2,040\r\n"
    "Vas=244,0\r\nfs=29,0\r\nRe=6,8\r\ndia=25,3\r\nvol=2,10\r\nLe=1500\r\n"
    "\r\n[other TSPs]\r\nQms=2.042039\r\nZ=8\r\nSd=502.7255\r\nSPL=92.54944\r\neff=1.134864\r\nEBP=56.53021\r\n"
    "BL=10.2238\r\nMms=44.0439\r\nCms=0.6838463\r\nRms=3.930064\r\nCmes=414.0288\r\n";

class DriverFile : public WindowTest<TChassisform, &forms::Chassisform> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Show();
  }
  std::string Path(const char* name) { return TempPath(name).toStdString(); }
  void Save(const std::string& path) {
    FileDialogAnswers(QString::fromStdString(path));
    form()->Button3->click();
  }
  void Open(const std::string& path) {
    FileDialogAnswers(QString::fromStdString(path));
    form()->Button5->click();
  }
  QString Status() { return form()->StatusBar1->currentMessage(); }
  QStringList EditTexts() {
    TChassisform* f = form();
    return TextsOf({f->Edit9, f->Edit6, f->Edit1, f->Edit2, f->Edit11, f->Edit3, f->Edit4, f->Edit5, f->Edit7,
                    f->Edit8, f->Edit10});
  }
};

TEST_F(DriverFile, SavesTheBuiltInDriverByteForByte) {
  const std::string path = Path("w300.vmx");
  Save(path);
  EXPECT_EQ(ReadFileBytes(path), kDefaultDriverFile);
  EXPECT_EQ(Status(), QString::fromStdString("Datei " + path + " gespeichert"));
  ASSERT_EQ(seam.fileDialogs.size(), 1);
  EXPECT_EQ(seam.fileDialogs[0].defaultName, "Chassis.vmx");
  EXPECT_FALSE(form()->Button7->isEnabled());  // a save does not enable delete
}

TEST_F(DriverFile, AFileWrittenHereOpensBackToTheSameEditTexts) {
  TChassisform* f = form();
  // The name is written whole, though only 30 characters are committed.
  const QStringList saved = {"Bässe & Co", QString(36, 'N'), "0.38", "0,45", "6", "80,25", "33,5", "3,3", "21",
                             "1,4", "950"};
  const QList<QLineEdit*> edits = {f->Edit9, f->Edit6, f->Edit1, f->Edit2, f->Edit11, f->Edit3,
                                   f->Edit4, f->Edit5, f->Edit7, f->Edit8, f->Edit10};
  for (int i = 0; i < edits.size(); ++i) edits[i]->setText(saved[i]);
  const std::string path = Path("round.vmx");
  Save(path);

  f->Button2->click();  // the built-in driver again
  ASSERT_NE(EditTexts(), saved);
  Open(path);
  EXPECT_EQ(EditTexts(), saved);
  EXPECT_EQ(Status(), QString::fromStdString("Datei " + path + " geöffnet"));
  EXPECT_TRUE(f->Button7->isEnabled());
  EXPECT_TRUE(seam.fileDialogs.last().mustExist);
}

TEST_F(DriverFile, FileNamesGetTheExtensionUnlessTheyEndInItExactly) {
  for (auto [name, kept] : {std::pair{"a.vmx", true}, {"a.VMX", true}, {".vmx", false}, {"a.vmx ", false}})
    EXPECT_EQ(IsDriverFileName(name), kept) << name;
  for (auto [typed, written] : {std::pair{"woofer", "woofer.vmx"}, {"woofer.VMX", "woofer.VMX"}, {"b.Vmx", "b.Vmx.vmx"}}) {
    Save(Path(typed));
    EXPECT_TRUE(std::filesystem::exists(Path(written))) << typed;
  }
  EXPECT_FALSE(std::filesystem::exists(Path("woofer")));
}

TEST_F(DriverFile, OverwriteAsksAndNoLeavesTheFile) {
  const std::string path = Path("keep.vmx");
  WriteFileBytes(path, "[Chassis]\r\nQts=0,3\r\n");
  AnswerNo();
  Save(path);
  ASSERT_EQ(seam.questions.size(), 1);
  EXPECT_EQ(seam.questions[0], QString::fromStdString("Datei " + path + " überschreiben?"));
  EXPECT_EQ(ReadFileBytes(path), "[Chassis]\r\nQts=0,3\r\n");
  EXPECT_EQ(Status(), "Datei nicht gespeichert");

  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  Save(path);
  EXPECT_EQ(Status(), QString::fromStdString("Datei " + path + " überschrieben"));
  EXPECT_NE(ReadFileBytes(path).find("Qts=0,410"), std::string::npos);
}

TEST_F(DriverFile, StaleDerivedValuesAreRemovedAndOtherContentKept) {
  const std::string path = Path("stale.vmx");
  WriteFileBytes(path, "[Notes]\r\nbought=2019\r\n");
  Save(path);  // with the derived values
  form()->Edit1->setText("abc");  // implausible: OK disabled
  ASSERT_FALSE(form()->BitBtn1->isEnabled());
  Save(path);
  EXPECT_EQ(ReadFileBytes(path), "[Notes]\r\nbought=2019\r\n\r\n" +
                       kDefaultDriverFile.substr(0, kDefaultDriverFile.find("\r\n[other TSPs]"))
                           .replace(kDefaultDriverFile.find("Qts=0,410"), 9, "Qts=abc"));
}

TEST_F(DriverFile, DamagedOrForeignFilesGiveAMessageAndChangeNothing) {
  const std::string good = Path("good.vmx");
  Save(good);
  Open(good);
  ASSERT_TRUE(form()->Button7->isEnabled());
  form()->Edit6->setText("typed");
  const QStringList before = EditTexts();
  const QString status = Status();

  struct Case {
    const char* name;
    std::string bytes;
    const char* message;
  };
  const Case cases[] = {
      {"empty.vmx", "", "keine Velomar-Datei"},
      {"blank.vmx", "\r\n  \r\n", "keine Velomar-Datei"},
      {"nochassis.vmx", "[Info]\r\nVersion=Velomar Version 3.2.5\r\n", "keine Velomar-Datei"},
      {"binary.vmx", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "beschädigt"},
      {"cutkey.vmx", "[Chassis]\r\nmanufactor=VISATON\r\nna", "beschädigt"},
      {"cutsection.vmx", "[Info]\r\nVersion=Velomar Version 3.2.5\r\n\r\n[Chas", "beschädigt"},
      {"delete.vmx", "[Chassis]\r\nQts=0,4\x7F\r\n", "beschädigt"},
      {"huge.vmx", "[Chassis]\r\nQts=0,4\r\n;" + std::string(1024 * 1024, 'x') + "\r\n", "keine Velomar-Datei"},
      {"truncated.vmx", kDefaultDriverFile.substr(0, 200), "keine Velomar-Datei"},
      // Special files are refused without a byte read: opening a FIFO that has no writer, or
      // reading a device without end, would otherwise stall the program.
      {"folder.vmx", "", "beschädigt"},
      {"p.vmx", "", "beschädigt"},
      {"z.vmx", "", "beschädigt"},
  };
  std::filesystem::create_directory(Path("folder.vmx"));
  ASSERT_EQ(::mkfifo(Path("p.vmx").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", Path("z.vmx"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Path(c.name);
    if (!std::filesystem::exists(path)) WriteFileBytes(path, c.bytes);
    seam.messages.clear();
    Open(path);
    ASSERT_EQ(seam.messages.size(), 1);
    const QString message = seam.messages[0];
    EXPECT_TRUE(message.contains(QString::fromUtf8(c.message)) && message.contains(path.c_str())) << message.toStdString();
    EXPECT_TRUE(EditTexts() == before && Status() == status && form()->Button7->isEnabled());
    EXPECT_EQ(form()->OpenedFileName(), QString::fromStdString(good));
  }

  SetLanguage("english");
  Repaint();
  seam.messages.clear();
  Open(Path("empty.vmx"));
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].contains("is not a Velomar file"));
}

TEST_F(DriverFile, HandWrittenFilesOpenWithTheirDefaults) {
  const std::string path = Path("hand.vmx");
  WriteFileBytes(path, "[Chassis]\r\nQts=0,4\r\n");
  Open(path);
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_EQ(EditTexts(), QStringList({"keine", "keine", "0,4", "0", "0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_FALSE(form()->BitBtn1->isEnabled());

  // Line ends of LF alone, a decimal point, keys in any case.
  WriteFileBytes(path, "[chassis]\nmanufactor=X\nNAME=Y\nQts=0.4\nQes=0.5\nQms=3\nVas=50\nfs=40\nRe=6\ndia=17\nvol=1\nLe=700\n");
  Open(path);
  EXPECT_EQ(EditTexts(), QStringList({"X", "Y", "0.4", "0.5", "3", "50", "40", "6", "17", "1", "700"}));
  EXPECT_TRUE(form()->BitBtn1->isEnabled());
}

TEST_F(DriverFile, AHandAnnotatedFileOpensUpToTheSizeLimit) {
  // Exactly 1 MiB still opens; one byte more is no driver file.
  const std::string path = Path("annotated.vmx");
  std::string full = "[Chassis]\r\nmanufactor=X\r\nname=Y\r\nQts=0,4\r\n;";
  full += std::string(1024 * 1024 - full.size() - 2, 'x') + "\r\n";
  ASSERT_EQ(full.size(), 1024u * 1024u);
  WriteFileBytes(path, full);
  form()->Edit1->setText("1");
  Open(path);
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_EQ(form()->Edit1->text(), "0,4");
  WriteFileBytes(path, full + "x");
  Open(path);
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].contains("keine Velomar-Datei"));
}

TEST_F(DriverFile, ALinkedDriverFileIsWrittenThroughAndStaysALink) {
  std::filesystem::create_directory(Path("library"));
  const std::string target = Path("library/w300.vmx");
  WriteFileBytes(target, "[Notes]\r\nbought=2019\r\n");
  std::filesystem::create_symlink("library/w300.vmx", Path("current.vmx"));
  Save(Path("current.vmx"));
  EXPECT_TRUE(std::filesystem::is_symlink(Path("current.vmx")));
  EXPECT_EQ(ReadFileBytes(target), "[Notes]\r\nbought=2019\r\n\r\n" + kDefaultDriverFile);
  EXPECT_EQ(Status(), QString::fromStdString("Datei " + Path("current.vmx") + " überschrieben"));
}

TEST_F(DriverFile, DeleteAsksAndReportsEvenAFailureAndAFileThatIsGoneDisablesIt) {
  const std::string path = Path("old.vmx");
  Save(path);
  Open(path);
  AnswerNo();
  form()->Button7->click();
  EXPECT_EQ(seam.questions.last(), QString::fromStdString("Dateie " + path + "löschen?"));
  EXPECT_TRUE(std::filesystem::exists(path));
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  form()->Button7->click();
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(Status(), QString::fromStdString("Datei " + path + " gelöscht"));

  // The file went away behind the window's back: the deletion fails and says so.
  Save(path);
  Open(path);
  std::filesystem::remove(path);
  form()->Button7->click();
  EXPECT_EQ(Status(), QString::fromStdString("Datei " + path + " nicht gelöscht"));
  EXPECT_FALSE(form()->Button7->isEnabled());

  Save(path);
  Open(path);
  Open(Path("gone.vmx"));
  EXPECT_FALSE(form()->Button7->isEnabled());
  EXPECT_EQ(Status(), QString::fromStdString("Datei " + Path("gone.vmx") + " existiert nicht"));
  EXPECT_TRUE(seam.messages.isEmpty());
}

TEST_F(DriverFile, AFailedWriteSaysSoKeepsTheOldBytesAndNeverShowsTheSuccessText) {
  // Root reads every file whatever its mode, so the unreadable file is put in by the seam.
  const std::string locked = Path("locked.vmx"), old = "[Chassis]\r\nQts=0,3\r\n[Notes]\r\nmine\r\n";
  WriteFileBytes(locked, old);
  platform::FileSeam files;
  files.failRead = [locked](const std::string& p) { return p == locked; };
  platform::InstallFileSeam(&files);
  for (const std::string& path : {Path("no-such-folder/w.vmx"), locked}) {
    seam.messages.clear();
    Save(path);
    ASSERT_EQ(seam.messages.size(), 1) << path;
    EXPECT_TRUE(seam.messages[0].contains("konnte nicht geschrieben werden")) << path;
    EXPECT_EQ(Status(), "Datei nicht gespeichert");
  }
  platform::InstallFileSeam(nullptr);
  EXPECT_FALSE(std::filesystem::exists(Path("no-such-folder")));
  EXPECT_EQ(ReadFileBytes(locked), old);

  // A cancelled dialog does nothing at all.
  seam.fileName = nullptr;
  form()->StatusBar1->showMessage("before");
  form()->Button3->click();
  form()->Button5->click();
  EXPECT_EQ(Status(), "before");
  EXPECT_EQ(seam.messages.size(), 1);
}

TEST_F(DriverFile, DialogsNameTheFileTypeAndAnOpenedFileShowsNewValues) {
  const std::string path = Path("named.vmx");
  Save(path);
  ASSERT_EQ(seam.fileDialogs.size(), 1);
  EXPECT_EQ(seam.fileDialogs[0].title, "Velomar-Datei speichern");
  EXPECT_EQ(seam.fileDialogs[0].filter, "Velomar-Datei (*.vmx)");
  form()->Edit1->setText("0,3");
  form()->Button2->click();  // reset: the built-in driver's values are the old ones again
  WriteFileBytes(path, "[Chassis]\r\nQts=0,38\r\n");
  Open(path);
  EXPECT_EQ(form()->Label24->text(), "neue Werte");
  EXPECT_EQ(seam.fileDialogs.last().title, "Velomar-Datei öffnen");
}

TEST_F(DriverFile, OnlyTheExactExtensionInEitherCaseIsKept) {
  EXPECT_FALSE(IsDriverFileName("a.Vmx"));
  Save(Path("woofer.Vmx"));
  EXPECT_TRUE(std::filesystem::exists(Path("woofer.Vmx.vmx")));
  EXPECT_FALSE(std::filesystem::exists(Path("woofer.Vmx")));
}

TEST_F(DriverFile, OverwriteInEnglish) {
  const std::string path = Path("keep.vmx");
  WriteFileBytes(path, "[Chassis]\r\nQts=0,3\r\n");
  SetLanguage("english");
  Repaint();
  Save(path);
  EXPECT_EQ(seam.questions.last(), QString::fromStdString("overwrite " + path + " ?"));
  EXPECT_EQ(Status(), QString::fromStdString("file " + path + " overwritten"));
  EXPECT_EQ(seam.fileDialogs.last().title, "save Velomar file");
}

TEST_F(DriverFile, AValidDriverIsSavedAfterTheOtherContentWithItsDerivedValues) {
  const std::string path = Path("stale.vmx");
  WriteFileBytes(path, "[Notes]\r\nbought=2019\r\n");
  Save(path);
  const std::string bytes = ReadFileBytes(path);
  EXPECT_EQ(bytes.rfind("[Notes]\r\nbought=2019\r\n\r\n[Info]", 0), 0u);
  EXPECT_NE(bytes.find("[other TSPs]\r\nQms=2.042039"), std::string::npos);
}

TEST_F(DriverFile, AFileWithFiftyKilobytesOfNotesOpens) {
  const std::string chassis = "[Chassis]\r\nmanufactor=X\r\nname=Y\r\nQts=0,4\r\n";
  std::string notes;
  while (notes.size() < 50 * 1024) notes += "; measured 2019 on the bench, free air, 1 V drive\r\n";
  const std::string path = Path("annotated.vmx");
  WriteFileBytes(path, chassis + notes);
  Open(path);
  EXPECT_TRUE(seam.messages.isEmpty());
  EXPECT_EQ(form()->Edit1->text(), "0,4");
}

TEST_F(DriverFile, DeleteKeepsItsButtonAfterNoAndLosesItAfterDeletingInEitherLanguage) {
  const std::string path = Path("old.vmx");
  Save(path);
  Open(path);
  AnswerNo();
  form()->Button7->click();
  EXPECT_TRUE(form()->Button7->isEnabled());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  form()->Button7->click();
  EXPECT_FALSE(form()->Button7->isEnabled());

  SetLanguage("english");
  Repaint();
  Save(path);
  Open(path);
  form()->Button7->click();
  EXPECT_EQ(seam.questions.last(), QString::fromStdString("delete " + path + "?"));
  EXPECT_EQ(Status(), QString::fromStdString("file " + path + " deleted"));
}

}  // namespace
}  // namespace velomare::test

// Driver files through the driver-data window's buttons: the exact bytes, the round trip, the
// file names, overwrite, the stale "other TSPs" section, damaged files, delete and failed writes.
#include <QStatusBar>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <numbers>
#include <random>

#include <sys/stat.h>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "driver/model/DriverFile.h"
#include "platform/plain/IniFile.h"

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

// The bytes with each text replaced once.
std::string With(std::string bytes, std::initializer_list<std::pair<std::string_view, std::string_view>> changes) {
  for (const auto& [from, to] : changes) {
    const std::size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) bytes.replace(at, from.size(), to);
  }
  return bytes;
}

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

TEST_F(DriverFile, ReplacingAFileThatHoldsNoTextWritesTheDriverAloneAndItOpensAgain) {
  const std::string path = Path("picture.vmx");
  WriteFileBytes(path, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  Save(path);
  EXPECT_EQ(ReadFileBytes(path), kDefaultDriverFile);
  EXPECT_EQ(Status(), QString::fromStdString("Datei " + path + " überschrieben"));
  seam.messages.clear();
  Open(path);
  EXPECT_TRUE(seam.messages.isEmpty()) << seam.messages.value(0).toStdString();
  EXPECT_EQ(Status(), QString::fromStdString("Datei " + path + " geöffnet"));
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
      // A cut line among whole ones is a line of text, skipped; the last line tells a cut file.
      {"cutnote.vmx", "[Chassis]\r\nQts=0,4\r\ngekauft 20", "beschädigt"},
      // Too large is the reason, though the section is there.
      {"huge.vmx", "[Chassis]\r\nQts=0,4\r\n;" + std::string(1024 * 1024, 'x') + "\r\n",
       "ist zu groß (mehr als 1 MiB) und wurde nicht geöffnet."},
      {"truncated.vmx", kDefaultDriverFile.substr(0, 200), "keine Velomar-Datei"},
      // Special files are refused without a byte read: opening a FIFO that has no writer, or
      // reading a device without end, would otherwise stall the program.
      {"folder.vmx", "", "kann nicht gelesen werden."},
      {"p.vmx", "", "kann nicht gelesen werden."},
      {"z.vmx", "", "kann nicht gelesen werden."},
      {"private.vmx", "[Chassis]\r\nQts=0,4\r\n", "kann nicht gelesen werden."},
      {"ioerror.vmx", "[Chassis]\r\nQts=0,4\r\n", "kann nicht gelesen werden."},
  };
  std::filesystem::create_directory(Path("folder.vmx"));
  ASSERT_EQ(::mkfifo(Path("p.vmx").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", Path("z.vmx"));
  // No permission, for root too: the override of permission bits is given up meanwhile.
  WriteFileBytes(Path("private.vmx"), "[Chassis]\r\nQts=0,4\r\n");
  ASSERT_EQ(::chmod(Path("private.vmx").c_str(), 0), 0);
  const OrdinaryUser user;
  platform::FileSeam files;
  files.failRead = [this](const std::string& p) { return p == Path("ioerror.vmx"); };
  platform::InstallFileSeam(&files);
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
  platform::InstallFileSeam(nullptr);

  // The reasons in English.
  SetLanguage("english");
  Repaint();
  seam.messages.clear();
  Open(Path("empty.vmx"));
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].contains("is not a Velomar file"));
  for (const auto& [name, message] : {std::pair{"huge.vmx", " is too large (more than 1 MiB) and was not opened."},
                                      {"p.vmx", " cannot be read."}}) {
    seam.messages.clear();
    Open(Path(name));
    EXPECT_EQ(seam.messages, QStringList{QString::fromStdString("The file " + Path(name) + message)});
  }
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
  // Exactly 1 MiB still opens; one byte more is too large.
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
  EXPECT_EQ(seam.messages, QStringList{QString::fromStdString(
                              "Die Datei " + path + " ist zu groß (mehr als 1 MiB) und wurde nicht geöffnet.")});
}

TEST_F(DriverFile, NotesAndTextLinesAreSkippedAsInTheSettingsFileAndASaveKeepsThem) {
  // What a person adds by hand: notes before and inside the section, a line of text, a cut
  // section line that ended in a line end, a note as the last line without a line end.
  const std::string hand =
      "# W300 aus dem Keller\r\n[Chassis]\r\nGekauft 2019 auf dem Flohmarkt\r\n; Qts gemessen\r\nQts=0,4\r\n"
      "[Chas\r\nname=Keller\r\n# Ende";
  const std::string path = Path("annotated.vmx");
  WriteFileBytes(path, hand);
  Open(path);
  EXPECT_TRUE(seam.messages.isEmpty()) << seam.messages.value(0).toStdString();
  EXPECT_EQ(EditTexts(), QStringList({"keine", "Keller", "0,4", "0", "0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(Status(), QString::fromStdString("Datei " + path + " geöffnet"));

  // The settings file reads the same bytes the same way.
  settings->WriteSettings(hand);
  EXPECT_EQ(OpenSettings().ReadString("Chassis", "Qts", "-"), "0,4");
  EXPECT_EQ(OpenSettings().ReadString("Chassis", "name", "-"), "Keller");

  // Saved into, the file keeps every line a person wrote and opens again as it was saved.
  form()->Edit2->setText("0,5");
  const QStringList saved = EditTexts();
  Save(path);
  EXPECT_EQ(Status(), QString::fromStdString("Datei " + path + " überschrieben"));
  const std::vector<std::string> lines = SplitCrLfLines(ReadFileBytes(path));
  for (const char* kept : {"# W300 aus dem Keller", "Gekauft 2019 auf dem Flohmarkt", "; Qts gemessen", "[Chas", "# Ende"})
    EXPECT_EQ(std::count(lines.begin(), lines.end(), kept), 1) << kept;
  form()->Button2->click();
  Open(path);
  EXPECT_TRUE(seam.messages.isEmpty()) << seam.messages.value(0).toStdString();
  EXPECT_EQ(EditTexts(), saved);
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

TEST_F(DriverFile, ALightMembraneIsSavedWithItsOwnRmsHoweverTheFsWasEntered) {
  // Mms 0.046 g: the read-out shows "Rms ?", the file this driver's sqrt(Mms / Cms) / Qms.
  const std::string own = With(kDefaultDriverFile.substr(0, kDefaultDriverFile.find("[other TSPs]")),
                               {{"fs=29,0", "fs=900"}}) +
                          "[other TSPs]\r\nQms=2.042039\r\nZ=8\r\nSd=502.7255\r\nSPL=137.3048\r\n"
                          "eff=33921.68\r\nEBP=1754.386\r\nBL=1.835228\r\nMms=0.04572953\r\nCms=0.6838463\r\n"
                          "Rms=0.1266354\r\nCmes=13.34093\r\n";
  for (const bool typed : {false, true}) {  // typed, 90 Hz computed the last Rms read-out
    form()->Button2->click();
    typed ? Type(form()->Edit4, "900") : form()->Edit4->setText("900");
    EXPECT_EQ(form()->Label27->text(), "Rms ? ");
    ASSERT_TRUE(form()->BitBtn1->isEnabled());
    Save(Path("ribbon.vmx"));
    EXPECT_EQ(ReadFileBytes(Path("ribbon.vmx")), own) << typed;
  }
}

TEST_F(DriverFile, BelowHalfAnOhmTheFileStatesNoNominalImpedanceAndAnOlderOneGoes) {
  const std::string path = Path("lowohm.vmx");
  Save(path);
  form()->Edit5->setText("0,3");
  EXPECT_EQ(form()->Label8->text(), "Ohm ");
  ASSERT_TRUE(form()->BitBtn1->isEnabled());
  Save(path);
  EXPECT_EQ(ReadFileBytes(path), With(kDefaultDriverFile, {{"Re=6,8", "Re=0,3"}, {"Z=8\r\n", ""},
                                                           {"BL=10.2238", "BL=2.147428"},
                                                           {"Cmes=414.0288", "Cmes=9384.654"}}));
  form()->Edit5->setText("6,8");
  Save(path);
  EXPECT_EQ(ReadFileBytes(path), kDefaultDriverFile);  // back in its place
}

TEST_F(DriverFile, EveryDerivedValueInASweepFollowsFromTheChassisValuesOfItsOwnFile) {
  // Woofers and tweeters entered one after the other, so the window's last values are another
  // driver's: every third with a voice coil below half an ohm, every second with a membrane
  // of a few milligrams. Each file is checked by relations the written digits must meet.
  constexpr double kPi = std::numbers::pi;
  std::mt19937 random(44);
  const auto pick = [&random](double low, double high) { return std::uniform_real_distribution(low, high)(random); };
  const auto text = [](double v) { return QString::number(v, 'f', 3).replace('.', ','); };
  const std::string path = Path("sweep.vmx");
  int lightMembranes = 0;
  for (int i = 0; i < 120; ++i) {
    SCOPED_TRACE(i);
    const bool light = i % 2 == 1;
    const double typedQts = pick(0.06, 1.2);
    TChassisform* f = form();
    f->Edit1->setText(text(typedQts));
    f->Edit2->setText(text(typedQts + pick(0.01, 3)));
    f->Edit3->setText(text(light ? pick(0.11, 2) : pick(2, 800)));
    f->Edit4->setText(text(light ? pick(400, 20000) : pick(6, 120)));
    f->Edit5->setText(text(i % 3 == 0 ? pick(0.11, 0.49) : pick(2, 16)));
    f->Edit7->setText(text(light ? pick(1.1, 5) : pick(8, 60)));
    ASSERT_TRUE(f->BitBtn1->isEnabled());
    Save(path);

    const platform::IniFile ini(path);
    const auto chassis = [&ini](const char* key) {
      return QString::fromStdString(ini.ReadString("Chassis", key, "")).replace(',', '.').toDouble();
    };
    const double qts = chassis("Qts"), qes = chassis("Qes"), vas = chassis("Vas"), fs = chassis("fs"),
                 re = chassis("Re"), dia = chassis("dia");
    std::vector<std::string> keys;
    std::map<std::string, double> v;
    const std::vector<std::string> lines = SplitCrLfLines(ReadFileBytes(path));
    for (auto line = std::find(lines.begin(), lines.end(), "[other TSPs]") + 1; line < lines.end(); ++line) {
      const std::size_t eq = line->find('=');
      keys.push_back(line->substr(0, eq));
      v[keys.back()] = LeadingNumber(line->substr(eq + 1));
    }
    std::vector<std::string> expected = {"Qms", "Z", "Sd", "SPL", "eff", "EBP", "BL", "Mms", "Cms", "Rms", "Cmes"};
    if (re < 0.5) expected.erase(expected.begin() + 1);
    ASSERT_EQ(keys, expected);
    lightMembranes += v["Mms"] <= 0.1;

    // Seven significant digits each: a relation of a few of them holds to some 1e-6.
    const auto near = [](double a, double b) { EXPECT_NEAR(a / b, 1.0, 4e-6); };
    near(1 / qts, 1 / qes + 1 / v["Qms"]);
    near(v["Sd"], kPi / 4 * dia * dia);
    near(v["EBP"], fs / qes);
    EXPECT_NEAR(v["SPL"], 112 + 10 * std::log10(v["eff"] / 100), 1e-4);  // SPL has 4 decimals or more
    near(v["eff"], 100 * kPi * kPi * std::pow(fs, 3) * vas * 0.001 / (qes * 10088402));
    near(v["Cms"] * v["Sd"] * v["Sd"] / vas, 708.32165);
    near(std::pow(2 * kPi * fs, 2) * v["Mms"] * 1e-3 * v["Cms"] * 1e-3, 1.0);   // fs of Mms and Cms
    near(v["Rms"], 2 * kPi * fs * v["Mms"] * 1e-3 / v["Qms"]);                   // Rms = w0 Mms / Qms
    near(2 * kPi * fs * re * v["Cmes"] * 1e-6, qes);                             // Qes = w0 Re Cmes
    near(v["BL"] * v["BL"] * kPi * fs * qes * vas / (v["Sd"] * v["Sd"] * re), 0.6936);
  }
  EXPECT_GT(lightMembranes, 40);
}

}  // namespace
}  // namespace velomare::test

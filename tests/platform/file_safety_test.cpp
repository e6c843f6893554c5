// The one reader and the one writer of every file: special files never block, reads keep to their
// limit, writes replace a file whole or leave it untouched, through links, with the expected modes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <tuple>

#include "TestSupport.h"
#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "platform/plain/IniFile.h"

namespace velomare::test {
namespace {

namespace fs = std::filesystem;
using platform::FileSeam;
using platform::IniFile;
using platform::ReadRegularFile;
using platform::ReadStatus;

// The names in the folder, so that a stray temporary file shows.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class FileSafety : public ::testing::Test {
 protected:
  void TearDown() override { platform::InstallFileSeam(nullptr); }
  std::string Path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
  QTemporaryDir dir;
};

TEST_F(FileSafety, SpecialFilesAreRefusedWithoutBlocking) {
  ASSERT_EQ(::mkfifo(Path("p.ini").c_str(), 0600), 0);
  fs::create_directory(Path("folder.ini"));
  fs::create_symlink("/dev/zero", Path("z.ini"));
  for (const char* name : {"p.ini", "folder.ini", "z.ini"}) {
    SCOPED_TRACE(name);
    const std::string path = Path(name);
    auto read = std::async(std::launch::async, [path] { return ReadRegularFile(path, 1024).status; });
    if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
      // A reader stuck on the FIFO is let go by a writer, so the suite can report the fault.
      const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) ::close(fd);
      FAIL() << "the read blocked";
    }
    EXPECT_EQ(read.get(), ReadStatus::NotRegular);
    const IniFile ini(path);
    EXPECT_FALSE(ini.Loaded());
    EXPECT_EQ(ini.ReadString("Info", "Sprache", "deutsch"), "deutsch");
  }
  // Writing does not replace them either: whatever they are, they are not ours to replace.
  EXPECT_FALSE(IniFile(Path("p.ini")).WriteString("Info", "Sprache", "english"));
  EXPECT_EQ(fs::symlink_status(Path("p.ini")).type(), fs::file_type::fifo);
}

TEST_F(FileSafety, ReadsKeepToTheLimitAndTellMissingFromFailed) {
  WriteFileBytes(Path("full.ini"), std::string(1000, 'x'));
  const auto atLimit = ReadRegularFile(Path("full.ini"), 1000);
  EXPECT_EQ(atLimit.status, ReadStatus::Ok);
  EXPECT_EQ(atLimit.bytes.size(), 1000u);
  const auto overLimit = ReadRegularFile(Path("full.ini"), 999);
  EXPECT_EQ(overLimit.status, ReadStatus::TooLarge);
  EXPECT_TRUE(overLimit.bytes.empty());

  EXPECT_EQ(ReadRegularFile(Path("none.ini"), 10).status, ReadStatus::Missing);
  fs::create_symlink(Path("nowhere.ini"), Path("dangling.ini"));
  EXPECT_EQ(ReadRegularFile(Path("dangling.ini"), 10).status, ReadStatus::Missing);

  FileSeam seam;
  seam.failRead = [](const std::string& p) { return p.find("full") != std::string::npos; };
  platform::InstallFileSeam(&seam);
  EXPECT_EQ(ReadRegularFile(Path("full.ini"), 5000).status, ReadStatus::Failed);
  EXPECT_EQ(seam.reads, 1);
}

TEST_F(FileSafety, AReaderHoldingTheOldFileKeepsItsBytesAndThePathNamesANewFile) {
  const std::string path = Path("velomar.ini");
  WriteFileBytes(path, "[Info]\r\nSprache=deutsch\r\n");
  std::ifstream held(path, std::ios::binary);  // opened before the write, read after it
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  ASSERT_TRUE(IniFile(path).WriteString("Info", "Sprache", "english"));
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(held), {}), "[Info]\r\nSprache=deutsch\r\n");
  EXPECT_EQ(ReadFileBytes(path), "[Info]\r\nSprache=english\r\n");
}

TEST_F(FileSafety, AFailedWriteLeavesTheOldBytesAndNoTemporaryFile) {
  const std::string folder = Path("settings");
  fs::create_directory(folder);
  const std::string path = folder + "/velomar.ini", old = "[Info]\r\nSprache=deutsch\r\n";
  WriteFileBytes(path, old);
  fs::create_directory(folder + "/folder.ini");  // a folder where the file should be: the rename fails
  EXPECT_FALSE(IniFile(folder + "/folder.ini").WriteString("A", "b", "c"));
  EXPECT_FALSE(IniFile(path + "/x.ini").WriteString("A", "b", "c"));  // a file where a folder should be
  FileSeam seam;  // the disk fills while the bytes are written
  seam.failWrite = [](const std::string&) { return true; };
  platform::InstallFileSeam(&seam);
  EXPECT_FALSE(IniFile(path).WriteString("Info", "Sprache", "english"));
  platform::InstallFileSeam(nullptr);
  EXPECT_EQ(ReadFileBytes(path), old);
  EXPECT_EQ(Entries(folder), (std::vector<std::string>{"folder.ini", "velomar.ini"}));

  // A folder that cannot be written, as an ordinary user meets it.
  const OrdinaryUser user;
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(IniFile(path).WriteString("Info", "Sprache", "english"));
  fs::permissions(folder, fs::perms::owner_all);
  EXPECT_EQ(ReadFileBytes(path), old);
  EXPECT_EQ(Entries(folder), (std::vector<std::string>{"folder.ini", "velomar.ini"}));
}

TEST_F(FileSafety, AnExistingFileThatCannotBeReadIsNeverReplaced) {
  const std::string path = Path("velomar.ini");
  const std::string old = "[Chassis]\r\nname=Mine\r\n[Options]\r\ncolor=2\r\n";
  WriteFileBytes(path, old);
  FileSeam seam;
  seam.failRead = [](const std::string&) { return true; };
  platform::InstallFileSeam(&seam);
  IniFile ini(path);
  EXPECT_EQ(ini.LoadStatus(), ReadStatus::Failed);
  EXPECT_FALSE(ini.WriteString("Info", "Sprache", "english"));
  ini.BeginUpdate();
  ini.WriteString("Info", "Version", "x");
  EXPECT_FALSE(ini.CommitUpdate());
  ini.EraseSection("Chassis");
  EXPECT_EQ(ReadFileBytes(path), old);
  platform::InstallFileSeam(nullptr);
  IniFile small(path, 10);  // a file too large to read is kept the same way
  EXPECT_EQ(small.LoadStatus(), ReadStatus::TooLarge);
  EXPECT_FALSE(small.WriteString("Info", "Sprache", "english"));
  EXPECT_EQ(ReadFileBytes(path), old);
}

TEST_F(FileSafety, ALinkedSettingsFileIsWrittenThroughAndStaysALink) {
  // Dotfiles kept in a repository and linked into place, through a relative link and a chain.
  TempSettingsFolder settingsFolder;
  const std::string root = settingsFolder.Root(), target = root + "/dotfiles/velomar.ini";
  fs::create_directory(root + "/velomare");
  fs::create_directory(root + "/dotfiles");
  WriteFileBytes(target, "[Mine]\r\nx=1\r\n");
  fs::create_symlink("../dotfiles/velomar.ini", root + "/velomare/link.ini");
  fs::create_symlink("link.ini", settingsFolder.SettingsPath());
  ASSERT_TRUE(OpenSettings().WriteString("Info", "Sprache", "english"));
  EXPECT_TRUE(fs::is_symlink(settingsFolder.SettingsPath()) && fs::is_symlink(root + "/velomare/link.ini"));
  EXPECT_EQ(ReadFileBytes(target), "[Mine]\r\nx=1\r\n\r\n[Info]\r\nSprache=english\r\n");
  EXPECT_EQ(Entries(root + "/dotfiles"), std::vector<std::string>{"velomar.ini"});
  EXPECT_EQ(RefreshLanguage(), "english");
  fs::remove(target);  // a link to a file not yet there creates that file
  ASSERT_TRUE(OpenSettings().WriteString("Info", "Sprache", "deutsch"));
  EXPECT_TRUE(fs::is_symlink(settingsFolder.SettingsPath()));
  EXPECT_EQ(ReadFileBytes(target), "[Info]\r\nSprache=deutsch\r\n");
}

TEST_F(FileSafety, NewFilesFollowTheUmaskAndExistingOnesKeepTheirMode) {
  const auto modeOf = [](const std::string& p) { return static_cast<unsigned>(fs::status(p).permissions()); };
  const mode_t previous = ::umask(022);
  EXPECT_TRUE(IniFile(Path("a.ini")).WriteString("A", "k", "1"));
  ::umask(077);
  EXPECT_TRUE(IniFile(Path("b.ini")).WriteString("A", "k", "1"));
  ::umask(previous);
  EXPECT_EQ(modeOf(Path("a.ini")), 0644u);
  EXPECT_EQ(modeOf(Path("b.ini")), 0600u);

  ::chmod(Path("a.ini").c_str(), 0640);
  EXPECT_TRUE(IniFile(Path("a.ini")).WriteString("A", "k", "2"));
  EXPECT_EQ(modeOf(Path("a.ini")), 0640u);
  EXPECT_EQ(IniFile(Path("a.ini")).ReadString("A", "k", ""), "2");
  EXPECT_TRUE(platform::WriteFileAtomically(Path("c.txt"), "x"));  // one byte is a whole file too
  EXPECT_EQ(ReadFileBytes(Path("c.txt")), "x");
}

TEST_F(FileSafety, TheStartOfALongFileIsItsWholeLinesWithinTheLimit) {
  // A line cut by the limit is dropped, not read in part.
  const std::tuple<const char*, std::size_t, const char*> cases[] = {
      {"ab\ncd\n", 100, "ab\ncd\n"}, {"ab\ncd\n", 6, "ab\ncd\n"}, {"ab\ncd", 6, "ab\ncd"},
      {"ab\r\ncd\nef", 7, "ab\r\ncd\n"}, {"abcdef", 3, ""}};
  for (const auto& [bytes, limit, start] : cases) {
    WriteFileBytes(Path("long.txt"), bytes);
    const auto read = platform::ReadRegularFileStart(Path("long.txt"), limit);
    EXPECT_EQ(read.status, ReadStatus::Ok) << bytes << " / " << limit;
    EXPECT_EQ(read.bytes, start) << bytes << " / " << limit;
  }
  EXPECT_EQ(platform::ReadRegularFileStart(Path("none.txt"), 10).status, ReadStatus::Missing);
}

// A file the user made read-only is kept by every save, the settings, a driver file, a
// simulation export and a spectrum file alike, and the save reports the failure as it does for
// a folder it may not write into, with no success text.
class ReadOnlyFiles : public WindowsTest {};

TEST_F(ReadOnlyFiles, AFileTheUserMayNotWriteIsKeptAndTheSaveSaysSo) {
  const struct {
    const char* name;
    std::string path;
    std::function<void()> save;
    QString failure;  // in the one message shown
  } rows[] = {
      {"settings", settings->SettingsPath(),
       [] { forms::Form1->Optionen1->trigger(); forms::options->radio_en->click(); forms::options->closebut->click(); },
       "The settings could not be saved."},
      {"driver file", TempPath("w.vmx").toStdString(),
       [] { forms::Chassisform->ShowForm(); forms::Chassisform->Button3->click(); }, "konnte nicht geschrieben werden"},
      {"simulation export", TempPath("sim.txt").toStdString(),
       [] {
         forms::ventpass->ShowForm();
         ASSERT_TRUE(ShowAndActivate(forms::ventpass));
         ChooseItem(forms::ventpass->exportbox, 4);
       },
       "could not be written"},
      {"spectrum file", TempPath("s.spe").toStdString(),
       [] { forms::Form1->Optionen1->trigger(); forms::options->Button3->click(); }, "could not be written"},
  };
  const OrdinaryUser user;
  seam.answer = [](const QString&) { return platform::Answer::Yes; };  // replace the file
  const std::string old = "[Mine]\r\nkept=1\r\n";
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    WriteFileBytes(row.path, old);
    ASSERT_EQ(::chmod(row.path.c_str(), 0444), 0);
    const std::string parent = fs::path(row.path).parent_path().string();
    const std::vector<std::string> before = Entries(parent);
    FileDialogAnswers(QString::fromStdString(row.path));
    seam.messages.clear();
    row.save();
    EXPECT_EQ(ReadFileBytes(row.path), old);
    EXPECT_EQ(fs::status(row.path).permissions(), fs::perms(0444));
    EXPECT_EQ(Entries(parent), before);  // no temporary file left
    ASSERT_EQ(seam.messages.size(), 1);
    EXPECT_TRUE(seam.messages[0].contains(row.failure)) << seam.messages[0].toStdString();
    EXPECT_FALSE(seam.messages[0].contains("erfolgreich") || seam.messages[0].contains("successful"));
    ::chmod(row.path.c_str(), 0644);
  }
  EXPECT_EQ(forms::Chassisform->StatusBar1->currentMessage(), "Datei nicht gespeichert");
}

}  // namespace
}  // namespace velomare::test

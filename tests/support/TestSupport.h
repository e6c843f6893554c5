#pragma once
// Shared by the tests: a fresh settings folder for every test, a platform seam that answers in
// place of a person, and the whole program started in-process.
#include <gtest/gtest.h>

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

// Failure messages show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class QComboBox;
class QLineEdit;

namespace velomare::test {

// Points the settings folder at a new empty temporary folder for the object's lifetime.
class TempSettingsFolder {
 public:
  TempSettingsFolder();
  ~TempSettingsFolder();
  std::string Root() const { return dir_.path().toStdString(); }  // the XDG_CONFIG_HOME value
  std::string SettingsPath() const { return Root() + "/velomare/velomar.ini"; }
  void WriteSettings(const std::string& bytes) const;  // raw bytes of velomar.ini
  std::string ReadSettings() const;                    // raw bytes, empty when missing
 private:
  QByteArray previous_;  // null when the variable was not set
  QTemporaryDir dir_;
};

// A file path in a temporary folder of the test's own, for models that read and write files.
class TempFileTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string path = dir.filePath("velomar.ini").toStdString();
};

// A clean program state: settings folder, committed driver, program settings, seam.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Creates the 35 windows as the program does at start.
  void StartProgram();
  void AnswerNo() { seam.answer = [](const QString&) { return platform::Answer::No; }; }
  QString TempPath(const QString& name) const { return temp.path() + "/" + name; }
  // The next file dialogs answer with `path`; without one they are cancelled.
  void FileDialogAnswers(std::optional<QString> path = std::nullopt) {
    seam.fileName = [path](const platform::FileDialogRequest&, bool) { return path; };
  }
  std::unique_ptr<TempSettingsFolder> settings;
  platform::Seam seam;
  bool started = false;
  QTemporaryDir temp;
};

// Replaces an edit's text the way a user does: select all, then type. Characters that a test key
// cannot carry are inserted, as pasting does.
void TypeInto(QLineEdit* edit, const QString& text);
// Chooses an entry of a list as a user does, which chooses it even when it is the entry already
// shown: the list reports the choice (activated), not only a change of its index.
void ChooseItem(QComboBox* box, int index);
// Shows a window as the user opens it and waits until it is the active window, so its activation
// handler has run. False when it never became active.
bool ShowAndActivate(QWidget* window);
// `other` takes the focus, then `window` gets it back: a return to a window already visible.
bool ReactivateAfter(QWidget* other, QWidget* window);
// The layout rules every window is held to, in the language it shows now; each returned line
// names the window, the control (a child widget with an object name not starting "qt_") and the
// language. Every visible control lies inside its parent (client area, group box or panel); the
// text of a label, button, check box, radio button or group box fits it in its own font
// (word-wrapped and rich-text labels excepted); no two visible siblings overlap unless declared
// at creation: FormBase::OverlapOnPurpose(diagram, label) for a pair, (diagram) for any sibling.
QStringList LayoutProblems(QWidget* window, const QString& language);

// For its lifetime the process writes and reads files as an ordinary user does: root's override
// of permission bits (the capabilities to ignore them) is taken from the effective set and given
// back at the end. Run without root, it changes nothing.
class OrdinaryUser {
 public:
  OrdinaryUser();
  ~OrdinaryUser();
  OrdinaryUser(const OrdinaryUser&) = delete;
  OrdinaryUser& operator=(const OrdinaryUser&) = delete;

 private:
  unsigned effective_ = 0;
  bool changed_ = false;
};

// The number a text starts with (after blanks), with "." or "," as its decimal separator:
// "1.4 kHz" and "1,4" are 1.4; NaN when the text does not start with a number. Read with
// std::from_chars, not stod: QApplication sets the C library's locale from the desktop, where
// stod stops at the "." of "1.4". (Tests write numbers with the program's FormatFixed.)
double LeadingNumber(std::string_view text);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The lines of a file's bytes, each ended by CR LF; a last line without CR LF is marked
// "<no CR LF>" so that a comparison shows it.
std::vector<std::string> SplitCrLfLines(const std::string& bytes);

// A comparison slot against the levels the test works out itself at 1, 2, ..., 400 Hz: the slot
// is marked filled (element 0 is 1.0) and every level, the last one (400 Hz) too, lies within
// `tolerance` dB of `levelAt`. A failure names the first levels that differ.
::testing::AssertionResult StoredLevelsAre(int slot, const std::function<double(int hertz)>& levelAt, double tolerance);

// Paints the window once, as the screen would (which applies its texts), and runs what the paint
// posted.
void Repaint(QWidget* window);
// Fails for every title, label and edit text of the window that shows "nan" or "inf".
void ExpectNoNonFiniteTexts(QWidget* window);
// Whether a model's read-out shows "nan" or "inf" as a word ("Resonanz" holds "nan" and passes).
bool ShowsNonFinite(const std::string& text);
// Clicks the window's button of that object name (an up-down's arrow "UpDown1Up" too).
void ClickButton(QWidget* window, const QString& name);
// A mouse move to `at`, in the window's coordinates, with `held` buttons down.
void MoveMouse(QWidget* window, QPoint at, Qt::MouseButtons held = Qt::NoButton);
// Points a pointer crosses inside a control: near each corner, on each edge's middle and the centre.
QList<QPoint> PointsInside(const QWidget* control);
// A point of `parent` over none of its visible children, searched row by row from the top left.
std::optional<QPoint> EmptySpot(const QWidget* parent);
// The pixels of a fresh grab of the window that have exactly `colour`, from row `fromRow` down.
int CountPixels(QWidget* window, QColor colour, int fromRow = 0);
// Sizes the window so that its outer size, frame included, is `outer`, and lets it handle the size.
void ResizeOuter(QWidget* window, QSize outer);
// Saves a picture of the window as `name`.png, to look at, into the folder VELOMARE_SCREENSHOTS
// names (scripts/screenshots.sh), else into a temporary folder; the file read back must be a
// real picture of the window: readable, not empty, the window's size.
void SavePicture(QWidget* window, const QString& name);

}  // namespace velomare::test

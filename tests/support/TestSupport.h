#pragma once
// Shared by the tests: a fresh settings folder for every test, a platform seam that answers in
// place of a person, and the whole program started in-process.
#include <gtest/gtest.h>

#include <QColor>
#include <QString>

class QComboBox;
class QLineEdit;
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

// Failure messages show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class QLineEdit;
class QWidget;

namespace velomare::test {

// Points the settings folder at a new empty temporary folder for the object's lifetime.
class TempSettingsFolder {
 public:
  TempSettingsFolder();
  ~TempSettingsFolder();
  std::string Root() const;             // the XDG_CONFIG_HOME value
  std::string SettingsPath() const;     // <root>/velomare/velomar.ini
  void WriteSettings(const std::string& bytes) const;  // raw bytes of velomar.ini
  std::string ReadSettings() const;     // raw bytes, empty when missing

 private:
  QTemporaryDir dir_;
  std::string previous_;
  bool hadPrevious_ = false;
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

  std::unique_ptr<TempSettingsFolder> settings;
  platform::Seam seam;
  bool started = false;
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
// Paints the window once, as the screen would, and runs what the paint posted.
void PaintNow(QWidget* window);
// The layout rules every window is held to, in the language it shows now. A control is a child
// widget with an object name (Qt's own inner widgets, named "qt_...", are not controls). Each
// returned line names the window, the control and the language:
// - every visible control lies inside its parent: a window's controls inside its client area,
//   the controls of a group box or panel inside that group box or panel;
// - the text of a label, button, check box, radio button or group box fits its control in the
//   control's own font (word-wrapped and rich-text labels excepted);
// - no two visible controls with the same parent overlap, unless the window declared the pair
//   at creation: FormBase::OverlapOnPurpose(diagram, label) for one pair, or
//   FormBase::OverlapOnPurpose(diagram) when any sibling may lie on it. A group box or panel
//   never needs it for its own children, which are not its siblings.
QStringList LayoutProblems(QWidget* window, const QString& language);

// Reads a whole file as bytes.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The lines of a file's bytes, each ended by CR LF; a last line without CR LF is marked
// "<no CR LF>" so that a comparison shows it.
std::vector<std::string> SplitCrLfLines(const std::string& bytes);

// Paints the window (which applies its texts) and lets the events settle.
void Repaint(QWidget* window);
// Writes "Sprache" to the settings file; the windows take it at their next paint.
void SetLanguageSetting(const char* language);
// Fails for every title, label and edit text of the window that shows "nan" or "inf".
void ExpectNoNonFiniteTexts(QWidget* window);
// Clicks the window's button of that object name (an up-down's arrow "UpDown1Up" too).
void ClickButton(QWidget* window, const QString& name);
// A mouse move to `at`, in the window's coordinates, with `held` buttons down.
void MoveMouse(QWidget* window, QPoint at, Qt::MouseButtons held = Qt::NoButton);
// The pixels of a fresh grab of the window that have exactly `colour`, from row `fromRow` down.
int CountPixels(QWidget* window, QColor colour, int fromRow = 0);
// Sizes the window so that its outer size, frame included, is `outer`.
void ResizeOuter(QWidget* window, QSize outer);

}  // namespace velomare::test

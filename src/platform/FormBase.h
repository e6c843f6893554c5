#pragma once
// What every window shares: the texts of its controls in two languages, applied from the
// "Sprache" setting whenever the window is shown or painted; the colour scheme for the windows
// that paint with it; the print question; the help topic; and hooks named like the handlers of
// the windows (FormShow, FormPaint, FormActivate, FormCloseQuery, FormClose).
#include <QFont>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPainter;

namespace velomare {

// One text of a window: the control's object name (empty for the window caption), its German
// and its English text, and whether the text is the control's caption or its hint (tooltip).
struct UiText {
  enum Role { Caption, Hint };
  const char* control;
  const char* german;
  const char* english;
  Role role = Caption;
};

// The top of the first row of controls inside a group box: below its title and its top frame line,
// which the style draws down to y = 19 at the windows' font sizes.
inline constexpr int kGroupBoxFirstRow = 20;

class FormBase : public QWidget {
  Q_OBJECT
 public:
  explicit FormBase(QWidget* parent = nullptr);

  // Makes the window visible (modeless) and brings it to the front.
  void ShowForm();
  // Hides the window through its close path (FormCloseQuery, FormClose).
  bool CloseForm() { return close(); }

  // Asks "Fenster drucken?" / "print window?" and prints the window's image on Yes.
  void ConfirmAndPrintForm();
  // Opens the window's help topic in the program's help file.
  void ShowHelpTopic();

  // Sets the texts of the table in the current language, reading the language first.
  void ApplyLanguage();

  // Controls that overlap on purpose, such as a diagram area under the labels drawn on it or a
  // bevel behind a row of edits, say so once at creation; the layout test then accepts the
  // pair. With `over` left out, every sibling may lie on `under`.
  static void OverlapOnPurpose(QWidget* under, QWidget* over = nullptr);
  static bool OverlapsOnPurpose(const QWidget* a, const QWidget* b);

 protected:
  // The window's text table; empty by default.
  virtual std::span<const UiText> Texts() const { return {}; }
  // Texts that are not captions or hints of a control (a dialog title, say).
  virtual void ApplyCustomText(const char* /*control*/, const QString& /*text*/) {}
  // Sets the texts of a table of the window's own in one language, for texts that change only at
  // certain moments rather than at every paint; an empty control names the window caption.
  void ApplyTextTable(std::span<const UiText> table, bool english);

  virtual void FormShow() {}
  virtual void FormPaint(QPainter&) {}
  virtual void FormActivate() {}
  virtual bool FormCloseQuery() { return true; }
  virtual void FormClose() {}

  // The form's name and its caption in both languages (a window with one caption passes
  // nullptr as the English one).
  void InitForm(const char* formName, const char* germanCaption, const char* englishCaption);

  // The windows that paint with the user's colour scheme say so at creation.
  void SetUsesColorScheme(bool on) { usesColorScheme_ = on; }
  // Gives the window the background of a colour scheme (1 white, 2 desktop, else button face).
  void PaintWithScheme(int colorScheme);
  void SetHelpTopic(const char* topic) { helpTopic_ = topic; }
  // True at the first activation after the window became visible (restore saved values once).
  bool FirstActivationSinceShow() const { return firstActivationSinceShow_; }

  // Writes a text only when it differs from the one shown, so that an edit's change handler runs
  // only for a real change and a chain of handlers that write each other comes to rest.
  static void SetTextIfChanged(QLabel* label, const std::string& text);
  static void SetTextIfChanged(QLineEdit* edit, const std::string& text);
  // A link label's colour: blue (0, 0, 255), purple (128, 0, 128) while the mouse is over it.
  static void ColourLink(QLabel* label, bool hover);
  // Sets a control's text colour, only when it differs (a palette change repaints the control).
  static void SetTextColour(QWidget* control, const QColor& colour);

  // Creates a child control of type W with its object name, placed at (x, y, w, h).
  template <class W>
  W* Make(const char* name, QWidget* parent, int x, int y, int w, int h) {
    W* widget = new W(parent ? parent : this);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, w, h);
    return widget;
  }
  // Radio buttons that choose one of a set: exactly one of them stays checked, a click on the
  // checked one keeps it, and the set reaches no other radio, not even one in a group box inside
  // the same parent (which Qt's own exclusivity would take in).
  // Buttons made later join through the returned group's addButton.
  QButtonGroup* RadioGroup(std::initializer_list<QAbstractButton*> buttons);
  // The keys users know from dialogs: Esc presses the cancel button; Return and Enter press the
  // push button that holds the focus, else the default button. The same button may be both;
  // either may be null. Every window's push buttons answer Return and Enter while they hold the
  // focus, whether or not the window names a default button.
  void SetCancelAndDefaultButtons(QPushButton* cancel, QPushButton* defaultButton);
  // A control's hover rule (a hint, a link colour): `hover` runs when the pointer enters the
  // enabled control and at every movement over it. Those movements end at the control, so the
  // window's own rule for movements over its background, which puts hints and colours back,
  // sees only movements over the background. A movement with a mouse button held goes its usual
  // way (a pressed button follows the pointer). While the control is disabled it takes no part:
  // the window behind it sees the movements over it.
  static void OnHover(QWidget* control, std::function<void()> hover);
  // The client area's size, fixed; the window cannot be resized or maximised.
  void SetFixedClientSize(int w, int h);
  void CentreOnScreen();
  // The window's designed outer size, frame included, which its diagrams and read-outs are laid
  // out from. The client area takes it until the frame is known; the first show then fits the
  // window so that its outer size, frame included, is that size, and centres it. Later shows
  // keep the size the user gave it.
  void DeclareOuterSize(QSize outer);
  // The window's outer size, frame included, as the designs measure windows; the client size
  // where the platform reports no frame (before the first show, say).
  QSize OuterSize() const { return frameGeometry().size(); }

  // The desktop's background colour, which the main window and colour scheme 2 use.
  static QColor DesktopColour() { return QColor(0, 128, 128); }

  // The windows' font: the system sans-serif at the given pixel height.
  static QFont WindowFont(int pixelSize);

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplyColorScheme();
  // Fits the declared outer size once, as soon as the platform reports the frame.
  void FitDeclaredOuterSize();

  bool usesColorScheme_ = false;
  bool firstActivationSinceShow_ = false;
  bool activatedSinceShow_ = false;
  QSize declaredOuterSize_;
  // Set by the declaration, cleared once the outer size is fitted.
  bool outerSizePending_ = false;
  const char* helpTopic_ = nullptr;
  QPointer<QPushButton> cancelButton_;
  QPointer<QPushButton> defaultButton_;
  const char* captionGerman_ = nullptr;
  const char* captionEnglish_ = nullptr;
};

}  // namespace velomare

#include "platform/FormBase.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPaintEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QShowEvent>
#include <utility>

#include "common/Settings.h"
#include "common/Version.h"
#include "platform/Platform.h"

namespace velomare {

FormBase::FormBase(QWidget* parent) : QWidget(parent, Qt::Window) {
  setFont(WindowFont(11));
  setAttribute(Qt::WA_QuitOnClose, false);
}

QFont FormBase::WindowFont(int pixelSize) {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  return font;
}

void FormBase::InitForm(const char* formName, const char* germanCaption, const char* englishCaption) {
  setObjectName(QString::fromLatin1(formName));
  captionGerman_ = germanCaption;
  captionEnglish_ = englishCaption ? englishCaption : germanCaption;
  setWindowTitle(QString::fromUtf8(germanCaption));
}

void FormBase::ShowForm() {
  show();
  // The offscreen platform of the tests cannot raise windows and says so on every call.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    raise();
    activateWindow();
  }
}

QButtonGroup* FormBase::RadioGroup(std::initializer_list<QAbstractButton*> buttons) {
  auto* group = new QButtonGroup(this);
  group->setExclusive(true);
  for (QAbstractButton* button : buttons) group->addButton(button);
  return group;
}

void FormBase::SetCancelAndDefaultButtons(QPushButton* cancel, QPushButton* defaultButton) {
  cancelButton_ = cancel;
  defaultButton_ = defaultButton;
  // Drawn as the default; while it holds the focus it answers Return and Enter itself.
  if (defaultButton) defaultButton->setDefault(true);
}

void FormBase::keyPressEvent(QKeyEvent* event) {
  // The number block's Enter carries the keypad modifier; any other modifier makes another key.
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  QPushButton* target = nullptr;
  if (plain && event->key() == Qt::Key_Escape) target = cancelButton_;
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    // Outside a dialog a push button passes Return and Enter on to its window even while it
    // holds the focus: the window presses it, as a dialog would.
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    target = focused && focused->isVisible() ? focused : defaultButton_.data();
  }
  if (!target) {
    QWidget::keyPressEvent(event);
    return;
  }
  // A disabled default button (OK before the values are valid) swallows the key.
  if (target->isEnabled() && target->isVisible()) target->click();
}

namespace {
// Kept on the control it watches and removed with it.
class HoverRule final : public QObject {
 public:
  HoverRule(QWidget* control, std::function<void()> hover)
      : QObject(control), control_(control), hover_(std::move(hover)) {
    control->setMouseTracking(true);
    control->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != control_) return false;
    if (!control_->isEnabled()) return PassToWindowBehind(event);
    if (event->type() == QEvent::Enter) {
      hover_();
      return false;
    }
    if (event->type() == QEvent::MouseMove && static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
      hover_();
      return true;
    }
    return false;
  }

 private:
  // A disabled control takes no part: its movements belong to the window behind it, which Qt
  // would not hand them to.
  bool PassToWindowBehind(QEvent* event) {
    QWidget* behind = control_->parentWidget();
    if (event->type() != QEvent::MouseMove || !behind) return false;
    const auto* move = static_cast<QMouseEvent*>(event);
    QMouseEvent passed(QEvent::MouseMove, control_->mapToParent(move->position()), move->scenePosition(),
                       move->globalPosition(), move->button(), move->buttons(), move->modifiers());
    QCoreApplication::sendEvent(behind, &passed);
    return true;
  }

  QWidget* control_;
  std::function<void()> hover_;
};
}  // namespace

void FormBase::OnHover(QWidget* control, std::function<void()> hover) {
  if (control) new HoverRule(control, std::move(hover));
}

void FormBase::SetFixedClientSize(int w, int h) {
  setFixedSize(w, h);
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void FormBase::CentreOnScreen() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

void FormBase::DeclareOuterSize(QSize outer) {
  declaredOuterSize_ = outer;
  outerSizePending_ = true;
  resize(declaredOuterSize_);
  CentreOnScreen();
}

void FormBase::FitDeclaredOuterSize() {
  if (!outerSizePending_ || !isVisible()) return;
  const QSize frame = frameGeometry().size() - size();
  // Some platforms report the frame only after the window manager has framed the window.
  if (frame.width() <= 0 && frame.height() <= 0) return;
  outerSizePending_ = false;
  const QSize outer = declaredOuterSize_;
  if (frame.width() < outer.width() / 2 && frame.height() < outer.height() / 2) {
    resize(outer - frame);
    CentreOnScreen();
  }
}

void FormBase::ApplyLanguage() {
  RefreshLanguage();
  const bool english = IsEnglish();
  if (captionGerman_) {
    const QString caption = QString::fromUtf8(english ? captionEnglish_ : captionGerman_);
    if (windowTitle() != caption) setWindowTitle(caption);
  }
  ApplyTextTable(Texts(), english);
}

void FormBase::ApplyTextTable(std::span<const UiText> table, bool english) {
  for (const UiText& entry : table) {
    const QString text = QString::fromUtf8(english ? entry.english : entry.german);
    const QString name = QString::fromLatin1(entry.control);
    if (name.isEmpty()) {
      if (windowTitle() != text) setWindowTitle(text);
      continue;
    }
    QObject* target = findChild<QObject*>(name);
    if (!target) {
      ApplyCustomText(entry.control, text);
      continue;
    }
    if (entry.role == UiText::Hint) {
      if (auto* w = qobject_cast<QWidget*>(target)) {
        if (w->toolTip() != text) w->setToolTip(text);
      } else if (auto* a = qobject_cast<QAction*>(target)) {
        if (a->toolTip() != text) a->setToolTip(text);
      }
      continue;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
      if (button->text() != text) button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
      if (label->text() != text) label->setText(text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
      if (action->text() != text) action->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(target)) {
      if (menu->title() != text) menu->setTitle(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(target)) {
      if (group->title() != text) group->setTitle(text);
    } else {
      ApplyCustomText(entry.control, text);
    }
  }
}

void FormBase::ColourLink(QLabel* label, bool hover) {
  SetTextColour(label, hover ? QColor(128, 0, 128) : QColor(0, 0, 255));
}

void FormBase::SetTextColour(QWidget* control, const QColor& colour) {
  QPalette p = control->palette();
  if (p.color(QPalette::WindowText) == colour) return;
  p.setColor(QPalette::WindowText, colour);
  control->setPalette(p);
}

void FormBase::SetTextIfChanged(QLabel* label, const std::string& text) {
  const QString q = QString::fromStdString(text);
  if (label->text() != q) label->setText(q);
}

void FormBase::SetTextIfChanged(QLineEdit* edit, const std::string& text) {
  const QString q = QString::fromStdString(text);
  if (edit->text() != q) edit->setText(q);
}

namespace {
// The names of the siblings a control may overlap ("*" for any), kept on the control itself.
constexpr const char* kOverlapProperty = "velomareOverlapsOnPurpose";
}  // namespace

void FormBase::OverlapOnPurpose(QWidget* under, QWidget* over) {
  if (!under) return;
  QStringList names = under->property(kOverlapProperty).toStringList();
  names << (over ? over->objectName() : QStringLiteral("*"));
  under->setProperty(kOverlapProperty, names);
}

bool FormBase::OverlapsOnPurpose(const QWidget* a, const QWidget* b) {
  const auto allows = [](const QWidget* under, const QWidget* over) {
    const QStringList names = under->property(kOverlapProperty).toStringList();
    return names.contains(QStringLiteral("*")) || names.contains(over->objectName());
  };
  return a && b && (allows(a, b) || allows(b, a));
}

void FormBase::ApplyColorScheme() { PaintWithScheme(RefreshColorScheme()); }

void FormBase::PaintWithScheme(int colorScheme) {
  QColor colour;
  switch (SchemeOf(colorScheme)) {
    case SchemeColour::White: colour = Qt::white; break;
    case SchemeColour::Desktop: colour = DesktopColour(); break;
    case SchemeColour::ButtonFace: colour = QApplication::palette().color(QPalette::Button); break;
  }
  if (palette().color(QPalette::Window) != colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
  }
}

void FormBase::ConfirmAndPrintForm() {
  const QString question = QString::fromUtf8(Lang("Fenster drucken?", "print window?"));
  if (platform::AskYesNo(this, question) == platform::Answer::Yes) platform::PrintWindowImage(this);
}

void FormBase::ShowHelpTopic() {
  if (helpTopic_)
    platform::Help(this, QString::fromUtf8(kHelpFile), platform::HelpCommand::Topic, QString::fromLatin1(helpTopic_));
}

void FormBase::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  FitDeclaredOuterSize();
  activatedSinceShow_ = false;
  ApplyLanguage();
  FormShow();
}

void FormBase::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  FitDeclaredOuterSize();
}

void FormBase::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  activatedSinceShow_ = false;
}

void FormBase::paintEvent(QPaintEvent* event) {
  if (usesColorScheme_) ApplyColorScheme();
  ApplyLanguage();
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().color(QPalette::Window));
  FormPaint(painter);
}

void FormBase::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void FormBase::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    firstActivationSinceShow_ = !activatedSinceShow_;
    activatedSinceShow_ = true;
    FormActivate();
  }
}

}  // namespace velomare

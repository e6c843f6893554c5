#include "app/Tassistent.h"

#include <QApplication>
#include <QEvent>
#include <QHideEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "app/AllForms.h"

namespace velomare {
namespace {

constexpr int kClientWidth = 372;
constexpr int kClientHeight = 150;
constexpr int kScreenMargin = 24;
constexpr int kLineX = 12;
constexpr int kLineWidth = kClientWidth - 2 * kLineX;
constexpr int kLineHeight = 18;

const QColor kFuchsia(255, 0, 255);

QWidget* WindowOf(AssistantWindow window) {
  switch (window) {
    case AssistantWindow::Chassisform: return forms::Chassisform;
    case AssistantWindow::wahl: return forms::wahl;
    case AssistantWindow::offen: return forms::offen;
    case AssistantWindow::closed: return forms::closed;
    case AssistantWindow::Reflex: return forms::Reflex;
    case AssistantWindow::bandkiste: return forms::bandkiste;
    case AssistantWindow::Expo: return forms::Expo;
    case AssistantWindow::ventpass: return forms::ventpass;
    case AssistantWindow::quaderbox: return forms::quaderbox;
    case AssistantWindow::trapezbox: return forms::trapezbox;
    case AssistantWindow::pyramidebox: return forms::pyramidebox;
    case AssistantWindow::TP: return forms::TP;
  }
  return nullptr;
}

}  // namespace

const QColor& Tassistent::LineColour() {
  static const QColor white(255, 255, 255);
  return white;
}

const QColor& Tassistent::HoverColour() {
  static const QColor silver(192, 192, 192);
  return silver;
}

Tassistent::Tassistent(QWidget* parent) : FormBase(parent) {
  InitForm("assistent", "Assistent", nullptr);
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setFont(WindowFont(12));
  setMouseTracking(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, kFuchsia);
  p.setColor(QPalette::WindowText, LineColour());
  setPalette(p);

  Label1 = Make<QLabel>("Label1", this, kLineX, 10, kLineWidth, 22);
  QFont title = WindowFont(14);
  title.setBold(true);
  Label1->setFont(title);
  Label2 = Make<QLabel>("Label2", this, kLineX, 38, kLineWidth, kLineHeight);
  Label3 = Make<QLabel>("Label3", this, kLineX, 58, kLineWidth, kLineHeight);
  Label4 = Make<QLabel>("Label4", this, kLineX, 76, kLineWidth, kLineHeight);
  Label5 = Make<QLabel>("Label5", this, kLineX, 94, kLineWidth, kLineHeight);
  Label6 = Make<QLabel>("Label6", this, kClientWidth - kLineX - 90, 122, 90, kLineHeight);
  Label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label6->setText("Abbrechen");
  QLabel* const lines[] = {Label3, Label4, Label5, Label6};
  for (int i = 0; i < 4; ++i) {
    QLabel* line = lines[i];
    line->installEventFilter(this);
    OnHover(line, [this, line, number = i + 3] {
      if (AssistantLineLightsUp(state_.AssistantStep, number)) SetTextColour(line, HoverColour());
    });
  }

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(kAssistantTickMs);
  connect(Timer1, &QTimer::timeout, this, &Tassistent::Timer1Timer);
  connect(qApp, &QGuiApplication::focusWindowChanged, this, &Tassistent::KeepOnTopUnlessModal);

  SetFixedClientSize(kClientWidth, kClientHeight);
  // In a corner, so that the windows it opens in the middle of the screen stay in view.
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.right() - kClientWidth - kScreenMargin, area.bottom() - kClientHeight - kScreenMargin);
  }
}

void Tassistent::FormShow() {
  KeepOnTopUnlessModal();
  Apply(AssistantShow(state_));
  Timer1->start();
}

void Tassistent::FormClose() { Stop(); }

void Tassistent::hideEvent(QHideEvent* event) {
  FormBase::hideEvent(event);
  // Hidden by any means, the walk stops: no tick or click acts on an invisible assistant. A
  // minimised window is still visible and keeps walking.
  if (!event->spontaneous()) Stop();
}

void Tassistent::Stop() {
  AssistantClose(state_);
  Timer1->stop();
}

AssistantVisibility Tassistent::Snapshot() const {
  AssistantVisibility visible;
  for (int i = 0; i < kAssistantWindowCount; ++i) {
    const auto window = static_cast<AssistantWindow>(i);
    const QWidget* form = WindowOf(window);
    visible.Set(window, form && form->isVisible());
  }
  return visible;
}

void Tassistent::Timer1Timer() {
  // A window shown by this tick may open a modal dialog whose event loop runs further ticks; the
  // step has moved on by then, and those nested ticks wait for the next one.
  if (busy_ || !state_.AssistantActive || !isVisible()) return;
  // Also here: a dialog that closes does not always move the focus to one of our windows.
  KeepOnTopUnlessModal();
  Apply(AssistantTick(state_, Snapshot()));
}

void Tassistent::Label3Click() {
  if (!busy_) Apply(AssistantClick(state_, 3));
}
void Tassistent::Label4Click() {
  if (!busy_) Apply(AssistantClick(state_, 4));
}
void Tassistent::Label5Click() {
  if (!busy_) Apply(AssistantClick(state_, 5));
}
void Tassistent::Label6Click() { CloseForm(); }

void Tassistent::Apply(const AssistantOutput& out) {
  busy_ = true;
  QLabel* const lines[] = {Label1, Label2, Label3, Label4, Label5};
  for (int i = 0; i < 5; ++i)
    if (out.lines[i]) SetTextIfChanged(lines[i], *out.lines[i]);
  if (out.linesWhite) AllLinesWhite();
  for (AssistantWindow window : out.show)
    if (auto* form = qobject_cast<FormBase*>(WindowOf(window))) form->ShowForm();
  busy_ = false;
  if (out.close) CloseForm();
}

void Tassistent::AllLinesWhite() {
  for (QLabel* line : {Label3, Label4, Label5, Label6}) SetTextColour(line, LineColour());
}

bool Tassistent::eventFilter(QObject* watched, QEvent* event) {
  QLabel* const lines[] = {Label3, Label4, Label5, Label6};
  for (int i = 0; i < 4; ++i) {
    if (watched != lines[i]) continue;
    const int line = i + 3;
    if (event->type() == QEvent::MouseButtonRelease) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton && lines[i]->rect().contains(mouse->position().toPoint())) {
        switch (line) {
          case 3: Label3Click(); break;
          case 4: Label4Click(); break;
          case 5: Label5Click(); break;
          default: Label6Click(); break;
        }
        return true;
      }
    }
  }
  return FormBase::eventFilter(watched, event);
}

void Tassistent::mouseMoveEvent(QMouseEvent* event) {
  AllLinesWhite();
  FormBase::mouseMoveEvent(event);
}

void Tassistent::KeepOnTopUnlessModal() {
  QWindow* window = windowHandle();
  if (!window) return;
  // Changing the flag on the native window keeps it mapped; the widget's own flags would hide it.
  const bool onTop = QApplication::activeModalWidget() == nullptr;
  if (window->flags().testFlag(Qt::WindowStaysOnTopHint) != onTop) window->setFlag(Qt::WindowStaysOnTopHint, onTop);
}

}  // namespace velomare

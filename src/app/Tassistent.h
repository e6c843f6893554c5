#pragma once
// The assistant: a small borderless window on top of the others that walks a beginner through a
// subwoofer or a multi-way design, opening the tool windows in turn. The walk lives in
// app/model/Assistant.h; the window runs its timer, tells it which windows are visible, shows
// the windows it names and applies its lines.
#include "app/model/Assistant.h"
#include "platform/FormBase.h"

class QLabel;
class QTimer;

namespace velomare {

class Tassistent : public FormBase {
  Q_OBJECT
 public:
  explicit Tassistent(QWidget* parent = nullptr);

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
  QTimer* Timer1;

  void Timer1Timer();
  void Label3Click();
  void Label4Click();
  void Label5Click();
  void Label6Click();

  const AssistantState& State() const { return state_; }

  static const QColor& LineColour();   // white
  static const QColor& HoverColour();  // silver

 protected:
  void FormShow() override;
  void FormClose() override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void Apply(const AssistantOutput& out);
  AssistantVisibility Snapshot() const;
  void Stop();
  void AllLinesWhite();
  // Steps back from the top while another window's modal dialog is up, so that the dialog is not
  // covered by the assistant.
  void KeepOnTopUnlessModal();

  AssistantState state_;
  bool busy_ = false;  // a tick or click is being applied
};

}  // namespace velomare

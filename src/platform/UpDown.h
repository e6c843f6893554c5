#pragma once
// The up-down control beside an edit: two small arrow buttons, one above the other. It keeps no
// value and no position that means anything; each press reports its direction, and the owner
// works out the edit's new text from the edit's present value (ChangingEx).
//
// How to use it: create it with FormBase::Make<UpDown>("UpDown1", ...) and connect ChangingEx to
// the handler of the same name. The arrow buttons are children named after the control with
// "Up" and "Down" appended ("UpDown1Up", "UpDown1Down"), so tests and the layout check can reach
// them; holding a button down repeats its step.
#include <QWidget>

#include "common/UpDownDirection.h"

class QToolButton;

namespace velomare {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  explicit UpDown(QWidget* parent = nullptr);

  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 signals:
  // Every press of an arrow; a press always has a direction.
  void ChangingEx(velomare::UpDownDirection direction);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void NameButtons(const QString& name);

  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace velomare

#pragma once
// The about box: the program, its version, a description, the maker's links and a print button.
#include "platform/FormBase.h"

class QLabel;
class QPushButton;

namespace velomare {

class Tabout : public FormBase {
  Q_OBJECT
 public:
  explicit Tabout(QWidget* parent = nullptr);

  QLabel *Label1, *Image1, *Label16, *Label8, *Label7, *Label3, *Label4, *Label5, *Label6, *Label9, *Label10;
  QPushButton *Button1, *Button2;

  void Button1Click();
  void Label8Click();
  void Label7Click();

 protected:
  std::span<const UiText> Texts() const override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace velomare

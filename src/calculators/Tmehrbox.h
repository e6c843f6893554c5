#pragma once
// Several speakers wired together: N equal speakers of impedance Z as p parallel groups of s in
// series, one option per divisor of N, with the recommended option, a nearby count that groups
// better and the total impedance. The groupings are the model's (SpeakerGrouping).
#include <functional>
#include <string>

#include <QWidget>

#include "platform/FormBase.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace velomare {

// The example the window explains: the + and - terminals at the left, a top and a bottom rail,
// and between them three branches of two speakers in series. Black on white, painted whole at
// every paint; a click runs `onClick`.
class SpeakerWiringPicture : public QWidget {
 public:
  explicit SpeakerWiringPicture(QWidget* parent = nullptr);
  static constexpr int kWidth = 248;
  static constexpr int kHeight = 130;
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class Tmehrbox : public FormBase {
  Q_OBJECT
 public:
  explicit Tmehrbox(QWidget* parent = nullptr);

  QLineEdit* Edit1;
  QScrollBar *ScrollBar1, *ScrollBar2;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
  SpeakerWiringPicture* Image1;
  QPushButton *Button1, *Button2, *Button3, *Button4;

  // A new count: the option goes back to 1 and its range to the count's divisors.
  void SetGroupingRange();
  // Reads Z, N and the option and writes the result labels; a Z that is no number or not above
  // 0 leaves them as they are.
  void ComputeSpeakerGrouping();

  void Edit1Change() { ComputeSpeakerGrouping(); }
  void ScrollBar1Change();
  void ScrollBar2Change() { ComputeSpeakerGrouping(); }
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Image1Click();

  // The window's values as last read and computed.
  double Z = 4.0;
  int N = 2;
  int k = 1;
  int p = 0;
  int s = 0;
  double Zt = 0;

 protected:
  std::span<const UiText> Texts() const override;
  void FormPaint(QPainter& painter) override;
};

}  // namespace velomare

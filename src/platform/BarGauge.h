#pragma once
// A bar display: the part of its range up to the value filled in the bar colour on a silver
// ground, horizontal (filling from the left) or vertical (filling from the bottom). A value
// outside the range shows an empty or a full bar. With the percent text on, the filled share is
// written in the middle as a whole percentage ("79%").
#include <QColor>
#include <QWidget>

namespace velomare {

class BarGauge : public QWidget {
 public:
  explicit BarGauge(QWidget* parent = nullptr);
  void SetRange(int minimum, int maximum);
  void SetValue(int value);
  void SetBarColour(const QColor& colour);
  void SetVertical(bool vertical);
  void SetShowPercent(bool on);
  int Value() const { return value_; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  const QColor& BarColour() const { return colour_; }
  bool Vertical() const { return vertical_; }
  // The filled share of the bar, 0 to 1.
  double FilledShare() const;
  // The percent text as it is drawn (empty with the percent text off).
  QString PercentText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int minimum_ = 0, maximum_ = 100, value_ = 0;
  QColor colour_ = Qt::black;
  bool vertical_ = false;
  bool showPercent_ = false;
};

}  // namespace velomare

#pragma once
// A printer page that keeps every text drawn on it with the rectangle it covers, so that a test
// can see what a composed page really shows: a text's rectangle runs from its pen position over its
// advance, from the font's ascent above the baseline to its descent below, as the text engine laid
// it out at the page's resolution. Straight lines are kept by their ends; polylines, fills and
// pictures are taken and forgotten.
//
//   TextRecordingPage page(600);
//   seam.printDevice = &page;
//   window->Button4->click();
//   for (const auto& text : page.Texts()) ...
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QRectF>
#include <QString>
#include <memory>

class QPaintEngine;
class QWidget;

namespace velomare::test {

struct RecordedText {
  QString text;
  QRectF rect;  // in the page's pixels
};

class TextRecordingPage : public QPaintDevice {
 public:
  explicit TextRecordingPage(int dotsPerInch);
  ~TextRecordingPage() override;
  QPaintEngine* paintEngine() const override;
  const QList<RecordedText>& Texts() const { return texts_; }
  const QList<QLineF>& Lines() const { return lines_; }
  void Clear() {
    texts_.clear();
    lines_.clear();
  }

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  int dotsPerInch_;
  QList<RecordedText> texts_;
  QList<QLineF> lines_;
  std::unique_ptr<QPaintEngine> engine_;
};

// Every text that the widget's own paint handler draws (its children left out), in drawing order,
// with its rectangle in the widget's pixels.
QList<RecordedText> TextsDrawnBy(QWidget* widget);
// Every straight line that the widget's own paint handler draws, by its ends in the widget's pixels.
QList<QLineF> LinesDrawnBy(QWidget* widget);

// The texts whose rectangles reach outside the page's area (0, 0, width, height), and the pairs of
// texts whose rectangles overlap, each as one line naming the texts and their rectangles.
QStringList TextsOutside(const QList<RecordedText>& texts, int width, int height);
QStringList OverlappingTexts(const QList<RecordedText>& texts);

}  // namespace velomare::test

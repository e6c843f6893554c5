#pragma once
// A printer page that keeps every text drawn on it with the rectangle it covers, so that a test
// can see what a composed page really shows: a text's rectangle runs from its pen position over its
// advance, from the font's ascent above the baseline to its descent below, as the text engine laid
// it out at the page's resolution. Straight lines are kept by their ends and their pen's width, so
// that a test can tell whether a text lies on one; polylines, fills and pictures are taken and
// forgotten.
//
//   TextRecordingPage page(600);
//   seam.printDevice = &page;
//   window->Button4->click();
//   EXPECT_EQ(TextsOnLines(page.Texts(), page.Lines()), QStringList());
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>

class QPaintEngine;
class QWidget;

namespace velomare::test {

struct RecordedText {
  QString text;
  QRectF rect;  // in the page's pixels
};

// A straight line by its ends, in the page's pixels, and the width of the pen that drew it.
struct RecordedLine : QLineF {
  double width = 1;
  // What the line covers: the segment widened by half the pen's width on each side and at each end
  // (Qt's default square caps), as the bounding rectangle for a slanted line.
  QRectF Painted() const;
};

class TextRecordingPage : public QPaintDevice {
 public:
  explicit TextRecordingPage(int dotsPerInch);
  ~TextRecordingPage() override;
  QPaintEngine* paintEngine() const override;
  const QList<RecordedText>& Texts() const { return texts_; }
  const QList<RecordedLine>& Lines() const { return lines_; }
  void Clear() {
    texts_.clear();
    lines_.clear();
  }

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  int dotsPerInch_;
  QList<RecordedText> texts_;
  QList<RecordedLine> lines_;
  std::unique_ptr<QPaintEngine> engine_;
};

// Every text that the widget's own paint handler draws (its children left out), in drawing order,
// with its rectangle in the widget's pixels.
QList<RecordedText> TextsDrawnBy(QWidget* widget);
// Every straight line that the widget's own paint handler draws, by its ends in the widget's pixels.
QList<QLineF> LinesDrawnBy(QWidget* widget);

// The texts whose rectangles reach outside the page's area (0, 0, width, height), the pairs of
// texts whose rectangles overlap, the pairs that overlap or touch at an edge or a corner, and the
// texts whose rectangles overlap or touch what one of the lines covers; each as one line naming the
// texts (and lines) with their rectangles.
QStringList TextsOutside(const QList<RecordedText>& texts, int width, int height);
QStringList OverlappingTexts(const QList<RecordedText>& texts);
QStringList TouchingTexts(const QList<RecordedText>& texts);
QStringList TextsOnLines(const QList<RecordedText>& texts, const QList<RecordedLine>& lines);

}  // namespace velomare::test

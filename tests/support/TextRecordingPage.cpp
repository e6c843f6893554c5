#include "TextRecordingPage.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>

namespace velomare::test {
namespace {

class TextRecordingEngine : public QPaintEngine {
 public:
  TextRecordingEngine(QList<RecordedText>* texts, QList<RecordedLine>* lines)
      : QPaintEngine(AllFeatures), texts_(texts), lines_(lines) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  Type type() const override { return User; }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
  void drawLines(const QLineF* lines, int count) override {
    for (int i = 0; i < count; ++i) Record(lines[i]);
  }
  void drawLines(const QLine* lines, int count) override {
    for (int i = 0; i < count; ++i) Record(QLineF(lines[i]));
  }
  void drawRects(const QRectF*, int) override {}
  void drawRects(const QRect*, int) override {}
  void drawPath(const QPainterPath&) override {}
  void drawPoints(const QPointF*, int) override {}
  void drawEllipse(const QRectF&) override {}
  void drawTextItem(const QPointF& at, const QTextItem& item) override {
    // The engine gets the position in the painter's coordinates; the page's are after its transform.
    const QRectF local(at.x(), at.y() - item.ascent(), item.width(), item.ascent() + item.descent());
    *texts_ << RecordedText{item.text(), painter()->combinedTransform().mapRect(local)};
  }

 private:
  void Record(const QLineF& line) {
    const QTransform& transform = painter()->combinedTransform();
    const QPen& pen = painter()->pen();
    RecordedLine recorded;
    static_cast<QLineF&>(recorded) = transform.map(line);
    // A cosmetic pen's width is in device pixels whatever the transform; width 0 draws one.
    recorded.width =
        pen.isCosmetic() ? std::max(1.0, pen.widthF()) : pen.widthF() * std::sqrt(std::abs(transform.determinant()));
    *lines_ << recorded;
  }

  QList<RecordedText>* texts_;
  QList<RecordedLine>* lines_;
};

QString Described(const RecordedText& text) {
  const QRectF& r = text.rect;
  return QStringLiteral("\"%1\" (%2, %3)-(%4, %5)")
      .arg(text.text)
      .arg(r.left())
      .arg(r.top())
      .arg(r.right())
      .arg(r.bottom());
}

// Closed rectangles: sharing an edge or a corner counts.
bool Touch(const QRectF& a, const QRectF& b) {
  return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

QStringList PairsWhere(const QList<RecordedText>& texts,
                       const std::function<bool(const QRectF&, const QRectF&)>& meet) {
  QStringList pairs;
  for (qsizetype i = 0; i < texts.size(); ++i)
    for (qsizetype j = i + 1; j < texts.size(); ++j)
      if (meet(texts[i].rect, texts[j].rect)) pairs << Described(texts[i]) + " over " + Described(texts[j]);
  return pairs;
}

}  // namespace

QRectF RecordedLine::Painted() const {
  const double half = width / 2;
  return QRectF(p1(), p2()).normalized().adjusted(-half, -half, half, half);
}

TextRecordingPage::TextRecordingPage(int dotsPerInch)
    : dotsPerInch_(dotsPerInch), engine_(std::make_unique<TextRecordingEngine>(&texts_, &lines_)) {}

TextRecordingPage::~TextRecordingPage() = default;

QPaintEngine* TextRecordingPage::paintEngine() const { return engine_.get(); }

int TextRecordingPage::metric(PaintDeviceMetric metric) const {
  // Large enough for any page at this resolution: the composer is told the page's size apart.
  const int side = 20 * dotsPerInch_;
  switch (metric) {
    case PdmWidth:
    case PdmHeight: return side;
    case PdmWidthMM:
    case PdmHeightMM: return 508;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return dotsPerInch_;
    case PdmDepth: return 32;
    case PdmNumColors: return 0x7fffffff;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return QPaintDevice::metric(metric);
  }
}

namespace {
// The widget alone (no background, no children) rendered onto a recording page.
void RenderOwnPaint(QWidget* widget, TextRecordingPage& page) {
  widget->render(&page, QPoint(), QRegion(), QWidget::RenderFlags());
}
}  // namespace

QList<RecordedText> TextsDrawnBy(QWidget* widget) {
  TextRecordingPage page(96);
  RenderOwnPaint(widget, page);
  return page.Texts();
}

QList<QLineF> LinesDrawnBy(QWidget* widget) {
  TextRecordingPage page(96);
  RenderOwnPaint(widget, page);
  return {page.Lines().begin(), page.Lines().end()};
}

QStringList TextsOutside(const QList<RecordedText>& texts, int width, int height) {
  QStringList outside;
  const QRectF page(0, 0, width, height);
  for (const RecordedText& text : texts)
    if (!page.contains(text.rect)) outside << Described(text);
  return outside;
}

QStringList OverlappingTexts(const QList<RecordedText>& texts) {
  return PairsWhere(texts, [](const QRectF& a, const QRectF& b) { return a.intersects(b); });
}

QStringList TouchingTexts(const QList<RecordedText>& texts) { return PairsWhere(texts, Touch); }

QStringList TextsOnLines(const QList<RecordedText>& texts, const QList<RecordedLine>& lines) {
  QStringList meeting;
  for (const RecordedText& text : texts)
    for (const RecordedLine& line : lines)
      if (Touch(text.rect, line.Painted()))
        meeting << Described(text) + QStringLiteral(" on the line (%1, %2)-(%3, %4) %5 wide")
                                         .arg(line.x1())
                                         .arg(line.y1())
                                         .arg(line.x2())
                                         .arg(line.y2())
                                         .arg(line.width);
  return meeting;
}

}  // namespace velomare::test

#include "TextRecordingPage.h"

#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

namespace velomare::test {
namespace {

class TextRecordingEngine : public QPaintEngine {
 public:
  TextRecordingEngine(QList<RecordedText>* texts, QList<QLineF>* lines)
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
    for (int i = 0; i < count; ++i) *lines_ << painter()->combinedTransform().map(lines[i]);
  }
  void drawLines(const QLine* lines, int count) override {
    for (int i = 0; i < count; ++i) *lines_ << painter()->combinedTransform().map(QLineF(lines[i]));
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
  QList<RecordedText>* texts_;
  QList<QLineF>* lines_;
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

}  // namespace

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
  return page.Lines();
}

QStringList TextsOutside(const QList<RecordedText>& texts, int width, int height) {
  QStringList outside;
  const QRectF page(0, 0, width, height);
  for (const RecordedText& text : texts)
    if (!page.contains(text.rect)) outside << Described(text);
  return outside;
}

QStringList OverlappingTexts(const QList<RecordedText>& texts) {
  QStringList pairs;
  for (qsizetype i = 0; i < texts.size(); ++i)
    for (qsizetype j = i + 1; j < texts.size(); ++j)
      if (texts[i].rect.intersects(texts[j].rect)) pairs << Described(texts[i]) + " over " + Described(texts[j]);
  return pairs;
}

}  // namespace velomare::test

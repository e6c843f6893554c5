#include "filters/DiagramPainter.h"

#include <QFontMetrics>
#include <QLine>
#include <QPainter>
#include <QStaticText>
#include <QVector>
#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

namespace velomare {

QColor DiagramQColor(DiagramColour colour) {
  switch (colour) {
    case DiagramColour::Black: break;
    case DiagramColour::Blue: return QColor(0, 0, 255);
    case DiagramColour::Green: return QColor(0, 128, 0);
  }
  return Qt::black;
}

void PaintDiagramText(QPainter& painter, const DiagramText& text) {
  // The labels repeat from paint to paint: their laid-out form is kept, which halves the cost
  // of a diagram's texts. One thread paints; the cache is bounded.
  static std::unordered_map<std::string, QStaticText> laidOut;
  auto found = laidOut.find(text.text);
  if (found == laidOut.end()) {
    if (laidOut.size() > 1024) laidOut.clear();
    QStaticText staticText(QString::fromStdString(text.text));
    staticText.setTextFormat(Qt::PlainText);
    found = laidOut.emplace(text.text, staticText).first;
  }
  painter.drawStaticText(QPoint(text.x, text.y), found->second);
}

namespace {
// A -3 dB marker near the top of the frequency range stands so far right that its text, written
// rightwards from the marker line, would be cut by the window's edge. Such a text is written
// leftwards from the line instead, unless that puts it on another text of the diagram.
std::vector<DiagramText> TextsInsideTheWindow(const QPainter& painter, const FilterDiagram& diagram) {
  std::vector<DiagramText> texts = diagram.texts;
  const QPaintDevice* device = painter.device();
  if (!device) return texts;
  const QFontMetrics metrics(painter.font());
  const auto box = [&metrics](const DiagramText& t) {
    return QRect(t.x, t.y, metrics.horizontalAdvance(QString::fromStdString(t.text)), metrics.height());
  };
  for (DiagramText& text : texts) {
    const QRect wanted = box(text);
    if (wanted.right() < device->width()) continue;
    const QRect left = wanted.translated(-wanted.width() - 2, 0);
    if (left.left() < 0) continue;
    const bool meetsAnother = std::any_of(texts.begin(), texts.end(), [&](const DiagramText& other) {
      return &other != &text && box(other).intersects(left);
    });
    if (!meetsAnother) text.x = left.left();
  }
  return texts;
}
}  // namespace

void PaintFilterDiagram(QPainter& painter, const FilterDiagram& diagram) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::black);
  for (const DiagramText& text : TextsInsideTheWindow(painter, diagram)) PaintDiagramText(painter, text);
  for (DiagramColour colour : {DiagramColour::Black, DiagramColour::Blue, DiagramColour::Green}) {
    QVector<QLine> lines;
    lines.reserve(static_cast<int>(diagram.lines.size()));
    for (const DiagramLine& l : diagram.lines)
      if (l.colour == colour) lines.push_back(QLine(l.x1, l.y1, l.x2, l.y2));
    if (lines.isEmpty()) continue;
    painter.setPen(DiagramQColor(colour));
    painter.drawLines(lines);
  }
  painter.restore();
}

}  // namespace velomare

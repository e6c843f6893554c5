#include "filters/DiagramPainter.h"

#include <QFontMetrics>
#include <QLine>
#include <QPainter>
#include <QVector>

namespace velomare {

QColor DiagramQColor(DiagramColour colour) {
  switch (colour) {
    case DiagramColour::Black: break;
    case DiagramColour::Blue: return QColor(0, 0, 255);
    case DiagramColour::Green: return QColor(0, 128, 0);
  }
  return Qt::black;
}

void PaintFilterDiagram(QPainter& painter, const FilterDiagram& diagram) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::black);
  const int ascent = painter.fontMetrics().ascent();
  for (const DiagramText& text : diagram.texts)
    painter.drawText(QPoint(text.x, text.y + ascent), QString::fromStdString(text.text));
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

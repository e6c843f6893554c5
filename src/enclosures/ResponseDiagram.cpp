#include "enclosures/ResponseDiagram.h"

#include <QEvent>
#include <QPainter>
#include <QPolygon>

namespace velomare {

ResponseDiagram::ResponseDiagram(QWidget* window, int top) : QWidget(window), top_(top) {
  setObjectName(QStringLiteral("ResponseDiagram"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  window->installEventFilter(this);
  lower();
  FollowWindow();
}

void ResponseDiagram::FollowWindow() {
  const QRect area(0, top_, parentWidget()->width(), std::max(0, parentWidget()->height() - top_));
  if (geometry() != area) setGeometry(area);
}

bool ResponseDiagram::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) FollowWindow();
  return false;
}

void ResponseDiagram::ShowPlot(std::optional<ResponsePlot> plot) {
  if (!plot && !plot_) return;
  plot_ = std::move(plot);
  update();
}

void ResponseDiagram::paintEvent(QPaintEvent*) {
  if (!plot_) return;
  QPainter painter(this);
  painter.translate(-x(), -y());
  PaintResponsePlot(painter, *plot_);
}

void PaintResponsePlot(QPainter& painter, const ResponsePlot& plot) {
  painter.save();
  painter.setBrush(Qt::white);
  painter.setBackground(Qt::white);
  painter.setBackgroundMode(Qt::OpaqueMode);
  const QFontMetrics metrics(painter.font());
  for (const PlotItem& item : plot.items) {
    switch (item.kind) {
      case PlotItem::Line:
        painter.drawLine(item.x1, item.y1, item.x2, item.y2);
        break;
      case PlotItem::Text:
        // The position is the text's top-left corner; the opaque background mode puts it on white.
        painter.drawText(item.x1, item.y1 + metrics.ascent(), QString::fromStdString(item.text));
        break;
      case PlotItem::Curve: {
        QPolygon line;
        line.reserve(static_cast<int>(plot.curve.size()));
        for (const auto& [x, y] : plot.curve) line << QPoint(x, y);
        painter.drawPolyline(line);
        break;
      }
      case PlotItem::Square:
        // Corners (x - 2, y - 2) and (x + 3, y + 3), right and bottom edges exclusive: 5 x 5 pixels.
        painter.fillRect(QRect(item.x1 - 2, item.y1 - 2, 5, 5), painter.brush());
        painter.drawRect(QRect(item.x1 - 2, item.y1 - 2, 4, 4));
        break;
    }
  }
  painter.restore();
}

}  // namespace velomare

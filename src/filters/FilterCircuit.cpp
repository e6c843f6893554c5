#include "filters/FilterCircuit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace velomare {

void FilterCircuit::SetElements(std::vector<CircuitElement> elements) {
  elements_ = std::move(elements);
  update();
}

namespace {

// Symbols drawn in a box of the given size around a centre, along x (series) or y (shunt).
void DrawInductor(QPainter& p, QPointF centre, bool horizontal, double length) {
  const double half = length / 2, arcs = 4, arc = length / arcs;
  QPainterPath path;
  for (int i = 0; i < arcs; ++i) {
    const double start = -half + i * arc;
    const QRectF box = horizontal ? QRectF(centre.x() + start, centre.y() - arc / 2, arc, arc)
                                  : QRectF(centre.x() - arc / 2, centre.y() + start, arc, arc);
    if (horizontal) {
      path.moveTo(box.left(), centre.y());
      path.arcTo(box, 180, -180);
    } else {
      path.moveTo(centre.x(), box.top());
      path.arcTo(box, 90, -180);
    }
  }
  p.drawPath(path);
}

void DrawCapacitor(QPainter& p, QPointF c, bool horizontal, double length) {
  const double gap = 3, plate = length * 0.45;
  if (horizontal) {
    p.drawLine(QPointF(c.x() - length / 2, c.y()), QPointF(c.x() - gap, c.y()));
    p.drawLine(QPointF(c.x() + gap, c.y()), QPointF(c.x() + length / 2, c.y()));
    p.drawLine(QPointF(c.x() - gap, c.y() - plate), QPointF(c.x() - gap, c.y() + plate));
    p.drawLine(QPointF(c.x() + gap, c.y() - plate), QPointF(c.x() + gap, c.y() + plate));
  } else {
    p.drawLine(QPointF(c.x(), c.y() - length / 2), QPointF(c.x(), c.y() - gap));
    p.drawLine(QPointF(c.x(), c.y() + gap), QPointF(c.x(), c.y() + length / 2));
    p.drawLine(QPointF(c.x() - plate, c.y() - gap), QPointF(c.x() + plate, c.y() - gap));
    p.drawLine(QPointF(c.x() - plate, c.y() + gap), QPointF(c.x() + plate, c.y() + gap));
  }
}

}  // namespace

void FilterCircuit::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink = palette().color(QPalette::WindowText);
  p.setPen(QPen(ink, 1.2));
  QFont small = font();
  small.setPixelSize(10);
  p.setFont(small);

  const double w = width(), h = height();
  const double margin = 10;
  const int slotCount = static_cast<int>(elements_.size()) + 1;  // the load takes the last slot
  const double slot = (w - 2 * margin - 8) / slotCount;
  // The names of the line's elements stand above their symbols, clear of the capacitor plates,
  // which reach 0.45 of a symbol above the line.
  const double nameHeight = QFontMetricsF(small).height();
  const double bottom = h - 5;
  const double symbol = std::min(slot * 0.7, (bottom - nameHeight - 1) * 0.5);
  const double top = nameHeight + 1 + 0.45 * symbol, middle = (top + bottom) / 2;

  // Source terminals and the ground line.
  p.drawEllipse(QPointF(margin, top), 2.5, 2.5);
  p.drawEllipse(QPointF(margin, bottom), 2.5, 2.5);
  p.drawLine(QPointF(margin + 2.5, bottom), QPointF(w - margin, bottom));

  double x = margin + 2.5;
  for (const CircuitElement& e : elements_) {
    const double centre = x + slot / 2;
    if (e.series) {
      p.drawLine(QPointF(x, top), QPointF(centre - symbol / 2, top));
      p.drawLine(QPointF(centre + symbol / 2, top), QPointF(x + slot, top));
      if (e.inductor)
        DrawInductor(p, QPointF(centre, top), true, symbol);
      else
        DrawCapacitor(p, QPointF(centre, top), true, symbol);
      p.drawText(QRectF(centre - slot / 2, 0, slot, nameHeight), Qt::AlignHCenter | Qt::AlignTop,
                 QString::fromLatin1(e.name));
    } else {
      p.drawLine(QPointF(x, top), QPointF(x + slot, top));
      p.drawEllipse(QPointF(centre, top), 1.8, 1.8);
      p.drawEllipse(QPointF(centre, bottom), 1.8, 1.8);
      p.drawLine(QPointF(centre, top), QPointF(centre, middle - symbol / 2));
      p.drawLine(QPointF(centre, middle + symbol / 2), QPointF(centre, bottom));
      if (e.inductor)
        DrawInductor(p, QPointF(centre, middle), false, symbol);
      else
        DrawCapacitor(p, QPointF(centre, middle), false, symbol);
      p.drawText(QRectF(centre + symbol * 0.45 + 3, middle - 8, slot / 2, 16), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::fromLatin1(e.name));
    }
    x += slot;
  }
  // The load.
  const double load = x + slot / 2;
  p.drawLine(QPointF(x, top), QPointF(load, top));
  p.drawLine(QPointF(load, top), QPointF(load, middle - symbol / 2));
  p.drawLine(QPointF(load, middle + symbol / 2), QPointF(load, bottom));
  p.drawRect(QRectF(load - symbol / 5, middle - symbol / 2, 2 * symbol / 5, symbol));
  p.drawText(QRectF(load + symbol / 5 + 3, middle - 8, slot / 2, 16), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Z"));
}

}  // namespace velomare

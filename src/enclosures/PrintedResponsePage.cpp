#include "enclosures/PrintedResponsePage.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <optional>
#include <vector>

#include "enclosures/ResponseDiagram.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr int kTitleX = 70;
constexpr int kTitleY = 30;
// The title ends where the diagram's frame does.
constexpr int kRightMargin = 15;
// Below this the title stays legible no more; a longer title loses the middle of its driver names
// instead, so the design values at its end stay on the page.
constexpr double kSmallestTitlePoints = 5.0;
// White kept around every text, between it and another text or a line, in printer pixels.
constexpr int kGap = 2;

// The pixels a text covers when drawn with its top-left corner at (x, y) the way the diagram
// draws it: the baseline at y plus the whole-pixel ascent, the glyphs' box around it.
QRect TextBox(const QFont& font, int x, int y, const QString& text) {
  const QFontMetricsF exact(font);
  const double baseline = y + QFontMetrics(font).ascent();
  return QRectF(x, baseline - exact.ascent(), exact.horizontalAdvance(text), exact.ascent() + exact.descent())
      .toAlignedRect();
}

// The pixels a straight line of the pen's width covers, its square caps included.
QRect LineBox(QPoint from, QPoint to, int width) {
  const double half = width / 2.0;
  return QRectF(QPointF(from), QPointF(to)).normalized().adjusted(-half, -half, half, half).toAlignedRect();
}

// What lies on the page so far (texts, and the lines no text may lie on), and where a new text finds
// room within an area of the page.
class PlacedTexts {
 public:
  bool Free(const QRect& box, const QRect& area) const { return area.contains(box) && !Covered(box); }
  // Moved left or up just enough to lie in the area; the diagram places its texts from their
  // top-left corners, so they only ever run past the right or the bottom edge.
  static QRect Into(QRect box, const QRect& area) {
    if (box.right() > area.right()) box.moveRight(area.right());
    if (box.bottom() > area.bottom()) box.moveBottom(area.bottom());
    if (box.left() < area.left()) box.moveLeft(area.left());
    if (box.top() < area.top()) box.moveTop(area.top());
    return box;
  }
  // Moved up above each thing it covers in turn; nothing when that leaves the area.
  std::optional<QRect> FreeAbove(QRect box, const QRect& area) const {
    while (const QRect* covered = Covered(box)) {
      box.moveBottom(covered->top() - kGap - 1);
      if (box.top() < area.top()) return std::nullopt;
    }
    return box;
  }
  // Moved right past each thing it covers in turn; nothing when that leaves the area.
  std::optional<QRect> FreeRight(QRect box, const QRect& area) const {
    while (const QRect* covered = Covered(box)) {
      box.moveLeft(covered->right() + kGap + 1);
      if (box.right() > area.right()) return std::nullopt;
    }
    return box;
  }
  void Take(const QRect& box) { boxes_.push_back(box); }

 private:
  // The first thing that the box, with its white around it, would touch.
  const QRect* Covered(const QRect& box) const {
    const QRect withGap = box.adjusted(-kGap, -kGap, kGap, kGap);
    const auto it = std::find_if(boxes_.begin(), boxes_.end(), [&](const QRect& b) { return b.intersects(withGap); });
    return it == boxes_.end() ? nullptr : &*it;
  }

  std::vector<QRect> boxes_;
};

bool IsAxisLabel(const PlotItem& item) { return item.kind == PlotItem::Text && item.leader < 0; }

// The axis labels keep their places, moved into the area where they run past its edge and right
// past what they would cover. The marker texts move up out of the way of what they would cover,
// and their leader lines follow them.
void PlaceDiagramTexts(ResponsePlot& plot, const QFont& font, PlacedTexts& placed, const QRect& area, bool markers) {
  for (PlotItem& item : plot.items) {
    if (item.kind != PlotItem::Text || IsAxisLabel(item) == markers) continue;
    const QRect wanted = TextBox(font, item.x1, item.y1, QString::fromStdString(item.text));
    QRect box = PlacedTexts::Into(wanted, area);
    if (!placed.Free(box, area))
      box = (markers ? placed.FreeAbove(box, area) : placed.FreeRight(box, area)).value_or(box);
    placed.Take(box);
    const QPoint moved = box.topLeft() - wanted.topLeft();
    item.x1 += moved.x();
    item.y1 += moved.y();
    if (markers) {
      PlotItem& leader = plot.items[static_cast<std::size_t>(item.leader)];
      leader.x2 += moved.x();
      leader.y2 += moved.y();
    }
  }
}

// The printer's font, made smaller until the title fits `width` pixels (never larger).
QFont TitleFont(QFont font, const QString& title, int width) {
  double points = QFontInfo(font).pointSizeF();
  for (;;) {
    const double advance = QFontMetricsF(font).horizontalAdvance(title);
    if (advance <= width || points <= kSmallestTitlePoints) return font;
    // Text widths do not scale exactly with the size (hinting): step down until it fits.
    points = std::max(kSmallestTitlePoints, std::min(points * width / advance, points - 0.1));
    font.setPointSizeF(points);
  }
}

struct PlacedTitle {
  QFont font;
  QString text;
  QPoint corner;  // where it is drawn from, the top-left corner as the diagram's texts have it
  QRect box;
};

// The title at (70, 30), fitted to the width from there to the frame's right end; the diagram
// makes room below it.
PlacedTitle PlaceTitle(const QFont& printerFont, const QString& title, const QRect& page) {
  const int width = page.width() - kRightMargin - kTitleX;
  PlacedTitle t{TitleFont(printerFont, title, width), title, QPoint(kTitleX, kTitleY), {}};
  t.text = QFontMetricsF(t.font).elidedText(title, Qt::ElideMiddle, width);
  t.box = TextBox(t.font, kTitleX, kTitleY, t.text);
  const QRect onPage = PlacedTexts::Into(t.box, page);
  t.corner += onPage.topLeft() - t.box.topLeft();
  t.box = onPage;
  return t;
}

// The diagram as drawn on the page: the plot in page pixels, and the geometry it was computed with,
// whose frame lies `offset` away on the page.
struct FittedDiagram {
  ResponsePlot plot;
  PlotGeometry geometry;
  QPoint offset;
};

// The diagram the page would have with its fixed printer-pixel offsets (the page width, and the
// page height in landscape or its upper half in portrait) leaves its labels no room on paper, where
// the font is sized in points: the level labels at x = 1 run under the left frame line, the title
// over the top line, and in landscape the frequency labels off the sheet. The same diagram is
// therefore computed for the room left beside its labels and moved there: the frame starts right
// of the widest level label (which keeps x = 1 and its height beside its line), its top line lies
// below the title, and its bottom line above the frequency labels, which stay on the sheet. Where
// there is room the fixed places stay; contents, axes, curve and markers are the same, only the
// frame's place and size change.
std::optional<FittedDiagram> FitDiagram(const ResponsePlotStyle& style, const platform::PrintedPage& page,
                                        const QFont& font, int lineWidth, const QRect& title,
                                        const LevelFunction& level) {
  const int areaHeight = PrintedDiagramHeight(page.height, page.landscape);
  const std::optional<ResponsePlot> fixed = ComputeResponsePlot(style, page.width, areaHeight, level);
  if (!fixed) return std::nullopt;
  const PlotGeometry fixedGeometry{page.width, areaHeight, style.top};
  int levelLabelsRight = 0, frequencyLabelHeight = 0, frequencyLabelBelow = 0;
  for (const PlotItem& item : fixed->items) {
    if (!IsAxisLabel(item)) continue;
    const QRect box = TextBox(font, item.x1, item.y1, QString::fromStdString(item.text));
    if (item.x1 < fixedGeometry.Left()) {
      levelLabelsRight = std::max(levelLabelsRight, box.right());
    } else if (item.y1 > fixedGeometry.Bottom()) {
      frequencyLabelBelow = item.y1 - fixedGeometry.Bottom();
      frequencyLabelHeight = std::max(frequencyLabelHeight, box.bottom() + 1 - item.y1);
    }
  }
  // How far a frame line's pixels reach beside the line itself, on each side.
  const QRect reach = LineBox({0, 0}, {0, 0}, lineWidth);
  const int reachLeft = -reach.left(), reachUp = -reach.top(), reachDown = reach.bottom();
  const int left = std::max(fixedGeometry.Left(), levelLabelsRight + kGap + 1 + reachLeft);
  const int top = std::max(style.top, title.bottom() + kGap + 1 + std::max(style.labelRaise, reachUp));
  const int below = std::max(frequencyLabelBelow, reachDown + kGap + 1);
  const int bottom = std::min(fixedGeometry.Bottom(), page.height - below - frequencyLabelHeight);
  const QPoint offset(left - fixedGeometry.Left(), top - style.top);
  const PlotGeometry geometry{page.width - offset.x(), bottom - offset.y() + (areaHeight - fixedGeometry.Bottom()),
                              style.top};
  std::optional<ResponsePlot> plot = ComputeResponsePlot(style, geometry.width, geometry.height, level);
  if (!plot) return std::nullopt;
  for (PlotItem& item : plot->items) {
    const bool levelLabel = IsAxisLabel(item) && item.x1 < geometry.Left();
    const bool frequencyLabel = IsAxisLabel(item) && item.y1 > geometry.Bottom();
    if (!levelLabel) item.x1 += offset.x();
    item.y1 += offset.y() + (frequencyLabel ? below - frequencyLabelBelow : 0);
    if (item.kind == PlotItem::Line) {
      item.x2 += offset.x();
      item.y2 += offset.y();
    }
  }
  for (auto& [x, y] : plot->curve) {
    x += offset.x();
    y += offset.y();
  }
  return FittedDiagram{std::move(*plot), geometry, offset};
}

// The frame and level grid lines as they cover the page, which no text may touch.
void TakeFrameAndLevelLines(const FittedDiagram& diagram, int lineWidth, PlacedTexts& placed) {
  const PlotGeometry& g = diagram.geometry;
  const QPoint at = diagram.offset;
  for (const int y : {g.top, g.GridY(0.25), g.GridY(0.5), g.GridY(0.75), g.Bottom()})
    placed.Take(LineBox(QPoint(g.Left(), y) + at, QPoint(g.Right(), y) + at, lineWidth));
  placed.Take(LineBox(QPoint(g.Left(), g.top) + at, QPoint(g.Left(), g.Bottom()) + at, lineWidth));
}

void ComposeResponsePage(QPainter& painter, const platform::PrintedPage& page, const std::string& title,
                         const ResponsePlotStyle& style, const LevelFunction& level) {
  // One screen pixel's worth of line at the printer's resolution, so the grid stays visible on
  // paper; the font is the printer's.
  const int lineWidth = std::max(1, page.dotsPerInch / 96);
  painter.setPen(QPen(Qt::black, lineWidth));
  const QFont font = painter.font();
  const QRect sheet(0, 0, page.width, page.height);
  // The diagram makes room below the title, so none of its texts can reach it.
  const PlacedTitle placedTitle = PlaceTitle(font, QString::fromStdString(title), sheet);
  if (std::optional<FittedDiagram> diagram = FitDiagram(style, page, font, lineWidth, placedTitle.box, level)) {
    PlacedTexts placed;
    TakeFrameAndLevelLines(*diagram, lineWidth, placed);
    PlaceDiagramTexts(diagram->plot, font, placed, sheet, false);
    // The marker texts name points of the curve: they stay within the frame.
    const PlotGeometry& g = diagram->geometry;
    const QRect frame(QPoint(0, g.top + diagram->offset.y()), QPoint(sheet.right(), g.Bottom() + diagram->offset.y()));
    PlaceDiagramTexts(diagram->plot, font, placed, frame, true);
    PaintResponsePlot(painter, diagram->plot);
  }
  // On white, as the diagram's labels are.
  painter.save();
  painter.setFont(placedTitle.font);
  painter.setBackground(Qt::white);
  painter.setBackgroundMode(Qt::OpaqueMode);
  const QPoint corner = placedTitle.corner;
  painter.drawText(corner.x(), corner.y() + QFontMetrics(placedTitle.font).ascent(), placedTitle.text);
  painter.restore();
}

}  // namespace

bool PrintResponsePage(QWidget* owner, const std::string& title, const ResponsePlotStyle& style,
                       const LevelFunction& level) {
  return platform::PrintComposedPage(owner, [&](QPainter& painter, const platform::PrintedPage& page) {
    ComposeResponsePage(painter, page, title, style, level);
  });
}

}  // namespace velomare

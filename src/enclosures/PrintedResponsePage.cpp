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
// Space kept between a moved text and the one it made way for, in printer pixels.
constexpr int kGap = 2;

// The pixels a text covers when drawn with its top-left corner at (x, y) the way the diagram
// draws it: the baseline at y plus the whole-pixel ascent, the glyphs' box around it.
QRect TextBox(const QFont& font, int x, int y, const QString& text) {
  const QFontMetricsF exact(font);
  const double baseline = y + QFontMetrics(font).ascent();
  return QRectF(x, baseline - exact.ascent(), exact.horizontalAdvance(text), exact.ascent() + exact.descent())
      .toAlignedRect();
}

// The texts placed on the page so far, and where a new one finds room within an area of the page.
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
  // Moved up above each text it covers in turn; nothing when that leaves the area.
  std::optional<QRect> FreeAbove(QRect box, const QRect& area) const {
    while (const QRect* covered = Covered(box)) {
      box.moveBottom(covered->top() - kGap - 1);
      if (box.top() < area.top()) return std::nullopt;
    }
    return box;
  }
  // Moved right past each text it covers in turn; nothing when that leaves the area.
  std::optional<QRect> FreeRight(QRect box, const QRect& area) const {
    while (const QRect* covered = Covered(box)) {
      box.moveLeft(covered->right() + kGap + 1);
      if (box.right() > area.right()) return std::nullopt;
    }
    return box;
  }
  // The first x past every text the box covers.
  int RightOfCovered(const QRect& box) const {
    int x = box.left();
    for (const QRect& b : boxes_)
      if (b.intersects(box)) x = std::max(x, b.right() + kGap + 1);
    return x;
  }
  void Take(const QRect& box) { boxes_.push_back(box); }

 private:
  const QRect* Covered(const QRect& box) const {
    const auto it = std::find_if(boxes_.begin(), boxes_.end(), [&](const QRect& b) { return b.intersects(box); });
    return it == boxes_.end() ? nullptr : &*it;
  }

  std::vector<QRect> boxes_;
};

// The axis labels keep their places, moved into the area where they run past its edge and right
// past another label they would cover. The marker texts move up out of the way of what they would
// cover, and their leader lines follow them.
void PlaceDiagramTexts(ResponsePlot& plot, const QFont& font, PlacedTexts& placed, const QRect& area, bool markers) {
  for (PlotItem& item : plot.items) {
    if (item.kind != PlotItem::Text || (item.leader >= 0) != markers) continue;
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

  void MoveTo(const QRect& to) {
    corner += to.topLeft() - box.topLeft();
    box = to;
  }
};

// The title at (70, 30) when it is free there; else moved up above the diagram's labels; else, on a
// printer whose font is too tall for the room above the diagram, to the right of what it covers,
// fitted to the width left there.
PlacedTitle PlaceTitle(const QFont& printerFont, const QString& title, const QRect& page, const PlacedTexts& placed) {
  const auto fitted = [&](int x) {
    const int width = page.width() - kRightMargin - x;
    PlacedTitle t{TitleFont(printerFont, title, width), title, QPoint(x, kTitleY), {}};
    t.text = QFontMetricsF(t.font).elidedText(title, Qt::ElideMiddle, width);
    t.box = TextBox(t.font, x, kTitleY, t.text);
    t.MoveTo(PlacedTexts::Into(t.box, page));
    return t;
  };
  PlacedTitle t = fitted(kTitleX);
  if (placed.Free(t.box, page)) return t;
  if (const auto above = placed.FreeAbove(t.box, page)) {
    t.MoveTo(*above);
    return t;
  }
  const PlacedTitle moved = fitted(placed.RightOfCovered(t.box));
  return placed.Free(moved.box, page) ? moved : t;
}

void ComposeResponsePage(QPainter& painter, const platform::PrintedPage& page, const std::string& title,
                         const ResponsePlotStyle& style, const LevelFunction& level) {
  // One screen pixel's worth of line at the printer's resolution, so the grid stays visible on
  // paper; the font is the printer's.
  const int lineWidth = std::max(1, page.dotsPerInch / 96);
  painter.setPen(QPen(Qt::black, lineWidth));
  const QFont font = painter.font();
  const QRect sheet(0, 0, page.width, page.height);
  PlacedTexts placed;
  const int height = PrintedDiagramHeight(page.height, page.landscape);
  std::optional<ResponsePlot> plot = ComputeResponsePlot(style, page.width, height, level);
  if (plot) PlaceDiagramTexts(*plot, font, placed, sheet, false);
  const PlacedTitle placedTitle = PlaceTitle(font, QString::fromStdString(title), sheet, placed);
  placed.Take(placedTitle.box);
  if (plot) {
    // The marker texts name points of the curve: they stay above the diagram's bottom line.
    const int aboveBottomLine = PlotGeometry{page.width, height, style.top}.Bottom() - lineWidth;
    PlaceDiagramTexts(*plot, font, placed, QRect(0, 0, page.width, aboveBottomLine), true);
    PaintResponsePlot(painter, *plot);
  }
  // On white, as the diagram's labels are, should it reach into the diagram.
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

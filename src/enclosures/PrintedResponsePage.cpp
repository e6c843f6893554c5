#include "enclosures/PrintedResponsePage.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

#include "enclosures/ResponseDiagram.h"
#include "platform/Platform.h"

namespace velomare {

bool PrintResponsePage(QWidget* owner, const std::string& title, const ResponsePlotStyle& style,
                       const LevelFunction& level) {
  return platform::PrintComposedPage(owner, [&](QPainter& painter, const platform::PrintedPage& page) {
    // One screen pixel's worth of line at the printer's resolution, so the grid stays visible on
    // paper; the font is the application's, which the printer scales to its resolution.
    painter.setPen(QPen(Qt::black, std::max(1, page.dotsPerInch / 96)));
    const QFontMetrics metrics(painter.font());
    painter.drawText(QRect(70, 30, metrics.horizontalAdvance(QString::fromStdString(title)) + 1, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::fromStdString(title));
    const int height = PrintedDiagramHeight(page.height, page.landscape);
    if (const auto plot = ComputeResponsePlot(style, page.width, height, level)) PaintResponsePlot(painter, *plot);
  });
}

}  // namespace velomare

#pragma once
// Paints the line-and-text diagrams that the filter models lay out (FilterDiagram): texts by their
// top-left corner in the painter's font, lines in their colours, without antialiasing, as the
// windows' pixel layouts assume.
#include <QColor>

#include "filters/model/FilterResponse.h"

class QPainter;

namespace velomare {

QColor DiagramQColor(DiagramColour colour);
void PaintFilterDiagram(QPainter& painter, const FilterDiagram& diagram);
// One text by its top-left corner, in the painter's font and pen.
void PaintDiagramText(QPainter& painter, const DiagramText& text);

}  // namespace velomare

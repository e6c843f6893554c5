#pragma once
// The printed page of an enclosure window: a title line at (70, 30) and the response diagram over
// the page width, on the whole page in landscape and on its upper half in portrait, all in printer
// pixels. The window asks its question and tests its values first, then:
//
//   PrintResponsePage(this, title, ClosedBoxPrintStyle(), [&](double f) { return Level(f); });
//
// The fixed offsets are printer pixels while the printer's font is sized in points, so on paper the
// texts can outgrow the places the diagram gives them. The page therefore keeps every text whole
// and off the frame and level lines, and lets none touch another: the title gets a smaller font
// when it is wider than the diagram; the diagram is fitted into the room its labels leave (right of
// the level labels, below the title, above the frequency labels); and a text that would still
// leave the sheet or cover something moves the least it has to.
#include <string>

#include "enclosures/model/ResponsePlot.h"

class QWidget;

namespace velomare {

// False when the printer could not be used (the user has been told).
bool PrintResponsePage(QWidget* owner, const std::string& title, const ResponsePlotStyle& style,
                       const LevelFunction& level);

}  // namespace velomare

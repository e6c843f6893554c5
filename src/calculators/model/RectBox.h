#pragma once
// The cuboid standing box: from the net inner volume, the outer width and height and the panel
// thickness, the outer depth; optionally with corner rods glued inside along every edge.
#include <optional>
#include <string>
#include <string_view>

#include "calculators/model/BoxShape.h"

namespace velomare {

inline constexpr FieldRange kRectVolumeRange{5, 2000, false};
inline constexpr FieldRange kRectThicknessRange{5, 100, true};
inline constexpr FieldRange kRectRodRange{10, 100, false};

struct RectBoxInput {
  double volume = 60;     // net inner volume V, l
  double thickness = 21;  // panel thickness t
  double rodA = 35;       // rod cross-section a x b; 0 leaves the rods out
  double rodB = 50;
  double width = 400;   // outer width W
  double height = 500;  // outer height H
  bool useRods = false;  // the depth includes the rods
};

// The edit texts through their range tests, the scroll-bar positions and the check box.
RectBoxInput ReadRectBoxInput(std::string_view volumeText, std::string_view thicknessText, std::string_view rodAText,
                              std::string_view rodBText, double width, double height, bool useRods);

struct RectBoxResult {
  bool valid = false;
  double depth = 0;           // outer depth D (with the rods when they are used)
  double depthWithRods = 0;   // outer depth with the rods
  double rodVolume = 0;       // volume of the rods along the height and the width
  double loss = 0;            // volume lost to the rods
  double outsideVolume = 0;
  double fWidth = 0, fHeight = 0, fDepth = 0;  // c / L over each inner dimension
};

// Invalid when V <= 1, W or H below 100, t below 10, the panels leave no inner width or height,
// or the rods fill the inner section; then nothing else is computed.
RectBoxResult ComputeRectBox(const RectBoxInput& in);

// The read-outs Label5 (width), Label6 (height), Label8 (depth), Label9 (loss), Label7 (outside
// volume) and Label10 (frequencies) in one language. Invalid inputs show "-", "?", "-", "-" in
// the last four; the width and the height always follow the inputs.
struct RectBoxReadouts {
  std::string width, height, depth, loss, outsideVolume, frequencies;
};
RectBoxReadouts RectBoxTexts(const RectBoxInput& in, const RectBoxResult& result, bool english);

// The box to draw, or nothing while the inputs are invalid or the box is too small to draw.
std::optional<ObliqueBox> RectBoxDrawing(const RectBoxInput& in, const RectBoxResult& result);

}  // namespace velomare

#pragma once
// The trapezoid car-woofer box: a side section that is a right trapezoid (vertical front of
// height h, bottom depth dBot, shorter top depth dTop, slanted back). From the net inner volume,
// the section and the panel thickness, the outer width; optionally with corner rods inside.
#include <optional>
#include <string>
#include <string_view>

#include "calculators/model/BoxShape.h"

namespace velomare {

inline constexpr FieldRange kTrapezVolumeRange{5, 2000, false};
inline constexpr FieldRange kTrapezThicknessRange{5, 50, true};
inline constexpr FieldRange kTrapezRodRange{10, 70, true};

struct TrapezBoxInput {
  double volume = 60;      // net inner volume V, l
  double thickness = 21;   // panel thickness t
  double rod1 = 35;        // rod cross-section r1 x r2; the rods count only when both exceed 10
  double rod2 = 50;
  double depthTop = 300;     // outer depth at the top
  double depthBottom = 400;  // outer depth at the bottom
  double height = 400;       // outer height h
  bool useRods = false;      // the width includes the rods
};

TrapezBoxInput ReadTrapezBoxInput(std::string_view volumeText, std::string_view thicknessText,
                                  std::string_view rod1Text, std::string_view rod2Text, double depthTop,
                                  double depthBottom, double height, bool useRods);

struct TrapezBoxResult {
  double slantedPanel = 0;  // height of the slanted back panel; computed whatever the other inputs
  bool valid = false;
  double width = 0;          // outer width W (with the rods when they are used)
  double widthWithRods = 0;
  double loss = 0;           // volume lost to the rods
  double angle = 0;          // tilt of the slanted back against the bottom, degrees
  double outsideVolume = 0;
  double fWidth = 0, fHeight = 0;  // c / L over the inner width and height; 0 for a narrow box
};

// Invalid when V, t are 0, dTop or h is 50 or less, the depths are equal or crossed, the panels
// leave no inner height or section, or the rods fill the inner section.
TrapezBoxResult ComputeTrapezBox(const TrapezBoxInput& in);

// Label5 (top depth), Label7 (bottom depth), Label6 (height), Label13 (slanted panel), Label12
// (loss), Label8 (width), Label10 (outside volume), Label11 (frequencies), Label9 (angle). The
// first four always follow the inputs; invalid inputs show "-" in Label8, Label10, Label11,
// Label12 and "° ?" in Label9.
struct TrapezBoxReadouts {
  std::string depthTop, depthBottom, height, slantedPanel, loss, width, outsideVolume, frequencies, angle;
};
TrapezBoxReadouts TrapezBoxTexts(const TrapezBoxInput& in, const TrapezBoxResult& result, bool english);

std::optional<ObliqueBox> TrapezBoxDrawing(const TrapezBoxInput& in, const TrapezBoxResult& result);

}  // namespace velomare

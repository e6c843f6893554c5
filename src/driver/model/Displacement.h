#pragma once
// The space a driver takes up inside a box, estimated from thirteen dimensions read off the
// driver: the basket flange, the cone, the magnet, the magnet ring and the side bridges of the
// basket. All lengths in millimetres, volumes in litres.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velomare {

struct DisplacementInput {
  double d1 = 0;  // basket (flange) diameter
  double d2 = 0;  // membrane diameter
  double d3 = 0;  // voice-coil diameter
  double d4 = 0;  // magnet diameter
  double d5 = 0;  // magnet-ring diameter
  double w = 0;   // flange thickness
  double x = 0;   // cone height
  double y = 0;   // magnet thickness
  double z = 0;   // magnet-ring width
  double n = 0;   // number of side bridges
  double s = 0;   // bridge length
  double t = 0;   // bridge thickness
  double b = 0;   // bridge width
};

// The thirteen edit texts in the order of the window's edits (Edit1 .. Edit13): d1, d2, d3, d4,
// d5, w, x, y, z, n, s, t, b. A text that is not a number counts as 0.
DisplacementInput ReadDisplacementInput(const std::array<std::string, 13>& texts);

struct DisplacementResult {
  double flange = 0;   // cylinder d1 x w
  double cone = 0;     // frustum from d2 to d3 over x
  double magnet = 0;   // cylinder d4 x |y - z|
  double ring = 0;     // cylinder d5 x z
  double bridges = 0;  // n x s x t x b
  double total = 0;
  // False when the sum is not a finite number (absurdly large or non-finite inputs); then
  // nothing of it is shown or handed over.
  bool valid = true;
};

// Each part is 0 as soon as one of the inputs it uses is below 0 (0 itself is allowed); the
// parts are not checked for fitting inside one another.
DisplacementResult ComputeDisplacementVolume(const DisplacementInput& in);

// "V=2,69 Liter": at least two characters and two decimals, a decimal comma in either language.
// "V=? Liter" when the result is not valid.
std::string DisplacementVolumeText(const DisplacementResult& result);

// The text handed to the driver-data window's volume edit ("2,69"); nothing when not valid.
std::optional<std::string> DisplacementAcceptText(const DisplacementResult& result);

// The value handed to the committed driver; nothing when not valid.
std::optional<double> DisplacementAcceptVolume(const DisplacementResult& result);

}  // namespace velomare

#pragma once
// The pyramid box: a pyramid, or a frustum, standing on a regular polygon of 3 to 16 corners.
// From the net inner volume, the inner bottom edge, the corner count, the panel thickness and,
// for the frustum, the inner top edge: the heights, the outer edges, the tilt, the outside volume
// and the sizes of the side panels.
#include <string>
#include <string_view>

#include "calculators/model/BoxShape.h"

namespace velomare {

inline constexpr FieldRange kPyramidVolumeRange{1, 1000, true};
inline constexpr FieldRange kPyramidThicknessRange{5, 100, true};

struct PyramidBoxInput {
  double volume = 30;      // net inner volume V, l
  double thickness = 21;   // panel thickness t
  double bottomEdge = 300;  // inner bottom edge s
  int corners = 4;          // n
  double topEdge = 100;     // inner top edge e of the frustum
  bool frustum = false;
};

PyramidBoxInput ReadPyramidBoxInput(std::string_view volumeText, std::string_view thicknessText, double bottomEdge,
                                    int corners, double topEdge, bool frustum);

struct PyramidBoxResult {
  bool valid = false;
  double outerBottomEdge = 0, outerTopEdge = 0;
  double innerHeight = 0, outerHeight = 0;
  double angle = 0;  // degrees
  double outsideVolume = 0;
  double leg = 0;          // slanted edge of the side panels
  double panelHeight = 0;  // height of the side panels
};

// Invalid when n < 3, t <= 5 or V <= 2 (and for edges that are not positive). The tilt, the leg
// (the slanted edge of a side panel) and the panel height (the slant height of a face) follow
// from the n-cornered polygon; the outer height keeps the apex allowance t / sin(alpha) with the
// square's alpha = arctan(2 hIn / s) for every corner count.
PyramidBoxResult ComputePyramidBox(const PyramidBoxInput& in);

// Label1 (corners), Label3 (edges and heights), Label5 (angle), Label6 (outside volume),
// Label7 (leg), Label8 (top edges), Label9 (panel height); "-" in all but Label1 while invalid.
struct PyramidBoxReadouts {
  std::string corners, edges, angle, outsideVolume, leg, topEdges, panelHeight;
};
PyramidBoxReadouts PyramidBoxTexts(const PyramidBoxInput& in, const PyramidBoxResult& result, bool english);

// The largest top edge the frustum may have for a bottom edge: 90 %, whole millimetres.
int PyramidTopEdgeLimit(int bottomEdge);

}  // namespace velomare

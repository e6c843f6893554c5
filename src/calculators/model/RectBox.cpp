#include "calculators/model/RectBox.h"

#include <cmath>

namespace velomare {

RectBoxInput ReadRectBoxInput(std::string_view volumeText, std::string_view thicknessText, std::string_view rodAText,
                              std::string_view rodBText, double width, double height, bool useRods) {
  RectBoxInput in;
  in.volume = ReadRangedField(volumeText, kRectVolumeRange);
  in.thickness = ReadRangedField(thicknessText, kRectThicknessRange);
  in.rodA = ReadRangedField(rodAText, kRectRodRange);
  in.rodB = ReadRangedField(rodBText, kRectRodRange);
  in.width = width;
  in.height = height;
  in.useRods = useRods;
  return in;
}

RectBoxResult ComputeRectBox(const RectBoxInput& in) {
  RectBoxResult r;
  const double t = in.thickness, a = in.rodA, b = in.rodB;
  // A thickness from 5 to under 10 passes the edit's range and is still refused here.
  if (!(in.volume > 1 && in.width >= 100 && in.height >= 100 && t >= 10)) return r;
  const double innerWidth = in.width - 2 * t, innerHeight = in.height - 2 * t;
  if (!(innerWidth > 0 && innerHeight > 0)) return r;
  const double section = innerWidth * innerHeight;
  const double depth = 2 * t + in.volume * kCubicMmPerLitre / section;

  double depthWithRods = depth;
  if (a >= 10 && b >= 10) {
    // Four rods along the inner height between the rods at top and bottom, four along the inner
    // width; the four along the depth narrow the section the volume is spread over.
    r.rodVolume = 0.000004 * a * b * ((innerHeight - 2 * a) + (innerWidth - 2 * b));
    const double sectionWithRods = section - 4 * a * b;
    const double volumeWithRods = in.volume + r.rodVolume;
    if (!(sectionWithRods > 0 && volumeWithRods > 0)) return RectBoxResult{};
    depthWithRods = 2 * t + volumeWithRods * kCubicMmPerLitre / sectionWithRods;
  }
  r.depthWithRods = depthWithRods;
  r.loss = section * (depthWithRods - depth) / kCubicMmPerLitre;
  r.depth = in.useRods ? depthWithRods : depth;
  r.outsideVolume = in.width * in.height * r.depth / kCubicMmPerLitre;
  r.fWidth = kShapeSpeedOfSound / innerWidth;
  r.fHeight = kShapeSpeedOfSound / innerHeight;
  r.fDepth = kShapeSpeedOfSound / (r.depth - 2 * t);
  r.valid = std::isfinite(r.depth) && std::isfinite(r.outsideVolume) && std::isfinite(r.loss) &&
            std::isfinite(r.fDepth);
  return r.valid ? r : RectBoxResult{};
}

RectBoxReadouts RectBoxTexts(const RectBoxInput& in, const RectBoxResult& r, bool english) {
  RectBoxReadouts out;
  out.width = (english ? "width " : "Breite ") + ShapeNumber(in.width, 4, 0) + " mm";
  out.height = (english ? "height " : "Höhe ") + ShapeNumber(in.height, 4, 0) + " mm";
  if (!r.valid) {
    out.outsideVolume = "-";
    out.depth = "?";
    out.loss = "-";
    out.frequencies = "-";
    return out;
  }
  out.depth = (english ? "depth " : "Tiefe ") + ShapeNumber(r.depth, 4, 0) + " mm";
  out.loss = (english ? "volume loss with rods " : "Verlust durch Eckleisten ") + ShapeNumber(r.loss, 2, 1) + " l";
  out.outsideVolume = (english ? "outside volume " : "Außenvolumen ") + ShapeNumber(r.outsideVolume, 4, 1) + " l";
  const std::string nW = ShapeNumber(r.fWidth, 4, 0);
  std::string nH = ShapeNumber(r.fHeight, 4, 0);
  std::string nD = ShapeNumber(r.fDepth, 4, 0);
  // A dimension that resonates like the width is named once; height and depth are not compared.
  if (nD == nW) nD.clear();
  if (nH == nW) nH.clear();
  out.frequencies = (english ? "resonance frequencies (Hz) : " : "Resonanzfrequenz(en) (Hz) : ") + nW + "   " + nH +
                    "   " + nD;
  return out;
}

std::optional<ObliqueBox> RectBoxDrawing(const RectBoxInput& in, const RectBoxResult& r) {
  if (!r.valid || !(in.width >= 100 && in.height >= 100 && r.depth > 50)) return std::nullopt;
  return ObliqueBox{in.width, in.height, r.depth, r.depth};
}

}  // namespace velomare

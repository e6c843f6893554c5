#include "calculators/model/TrapezBox.h"

#include <cmath>
#include <numbers>

namespace velomare {

TrapezBoxInput ReadTrapezBoxInput(std::string_view volumeText, std::string_view thicknessText,
                                  std::string_view rod1Text, std::string_view rod2Text, double depthTop,
                                  double depthBottom, double height, bool useRods) {
  TrapezBoxInput in;
  in.volume = ReadRangedField(volumeText, kTrapezVolumeRange);
  in.thickness = ReadRangedField(thicknessText, kTrapezThicknessRange);
  in.rod1 = ReadRangedField(rod1Text, kTrapezRodRange);
  in.rod2 = ReadRangedField(rod2Text, kTrapezRodRange);
  in.depthTop = depthTop;
  in.depthBottom = depthBottom;
  in.height = height;
  in.useRods = useRods;
  return in;
}

TrapezBoxResult ComputeTrapezBox(const TrapezBoxInput& in) {
  TrapezBoxResult r;
  const double t = in.thickness, h = in.height, dTop = in.depthTop, dBot = in.depthBottom;
  const double r1 = in.rod1, r2 = in.rod2;
  const double underRoot = h * h + (dBot - dTop) * (dBot - dTop);
  r.slantedPanel = underRoot > 0 && std::isfinite(underRoot) ? std::sqrt(underRoot) : 0;
  if (!(in.volume > 0 && dTop > 50 && h > 50 && t > 0 && dTop < dBot)) return r;

  const double innerHeight = h - 2 * t;
  const double depthSum = dTop + dBot - 4 * t;  // twice the inner section's mean depth
  if (!(innerHeight > 0 && depthSum > 0)) return r;
  const double section = innerHeight * depthSum / 2;
  const double width = 2 * t + in.volume * kCubicMmPerLitre / section;

  double widthWithRods = width;
  // A rod size of exactly 10 passes the edit's range and still leaves the rods out.
  if (r1 > 10 && r2 > 10) {
    const double rodArea = r1 * r2;
    // Along the slanted and the front edges of both side panels, then along their bottom and top.
    const double alongSides = 2 * rodArea * (r.slantedPanel - 2 * t - 2 * r1) + 2 * rodArea * (h - 2 * t - 2 * r1);
    const double alongDepths = 2 * rodArea * (dBot - 2 * t - 2 * r2) + 2 * rodArea * (dTop - 2 * t - 2 * r2);
    const double sectionWithRods = section - 4 * rodArea;
    const double volumeWithRods = in.volume + (alongSides + alongDepths) / kCubicMmPerLitre;
    if (!(sectionWithRods > 0 && volumeWithRods > 0)) return r;
    widthWithRods = 2 * t + volumeWithRods * kCubicMmPerLitre / sectionWithRods;
  }

  TrapezBoxResult v = r;
  v.widthWithRods = widthWithRods;
  v.loss = std::fabs((widthWithRods - width) * innerHeight * depthSum) / (2 * kCubicMmPerLitre);
  v.width = in.useRods ? widthWithRods : width;
  v.angle = std::atan(h / std::fabs(dTop - dBot)) * 180 / std::numbers::pi;
  v.outsideVolume = v.width * h * (dTop + dBot) / (2 * kCubicMmPerLitre);
  if (v.width > 100) {
    v.fWidth = kShapeSpeedOfSound / (v.width - 2 * t);
    v.fHeight = kShapeSpeedOfSound / innerHeight;
  }
  v.valid = std::isfinite(v.width) && std::isfinite(v.loss) && std::isfinite(v.outsideVolume) &&
            std::isfinite(v.fWidth) && std::isfinite(v.angle);
  return v.valid ? v : r;
}

TrapezBoxReadouts TrapezBoxTexts(const TrapezBoxInput& in, const TrapezBoxResult& r, bool english) {
  TrapezBoxReadouts out;
  out.depthTop = (english ? "upper depth " : "Tiefe (oben) ") + ShapeNumber(in.depthTop, 4, 0) + " mm";
  out.depthBottom = (english ? "depth (below) " : "Tiefe (unten) ") + ShapeNumber(in.depthBottom, 4, 0) + " mm";
  out.height = (english ? "height " : "Höhe ") + ShapeNumber(in.height, 4, 0) + " mm";
  out.slantedPanel =
      (english ? "height of side shelf " : "Höhe der Seitenplatte ") + ShapeNumber(r.slantedPanel, 4, 0) + " mm";
  if (r.valid && 2 * in.thickness < r.width && r.width >= 100) {
    out.loss = (english ? "volume loss with shelfs  " : "Verlust durch Eckleisten ") + ShapeNumber(r.loss, 2, 1) + " l";
    out.width = (english ? "width " : "Breite ") + ShapeNumber(r.width, 4, 0) + " mm";
    out.outsideVolume =
        (english ? "outside volume " : "Außenvolumen ") + ShapeNumber(r.outsideVolume, 4, 1) + " l";
    const std::string nW = ShapeNumber(r.fWidth, 4, 0);
    std::string nH = ShapeNumber(r.fHeight, 4, 0);
    if (nH == nW) nH.clear();
    out.frequencies =
        (english ? "resonance frequencies (Hz) " : "Gehäuse-Resonanzfrequenzen (Hz) ") + nW + "   " + nH;
  } else {
    out.loss = out.width = out.outsideVolume = out.frequencies = "-";
  }
  if (r.valid && r.angle > 0 && r.angle < 90)
    out.angle = (english ? "tilt angle " : "Neigungswinkel ") + ShapeNumber(r.angle, 2, 1) + " °";
  else
    out.angle = "° ?";
  return out;
}

std::optional<ObliqueBox> TrapezBoxDrawing(const TrapezBoxInput& in, const TrapezBoxResult& r) {
  if (!r.valid || !(r.width >= 100 && in.height >= 100 && in.depthBottom > 50 && in.depthTop < in.depthBottom &&
                    in.depthTop > 50))
    return std::nullopt;
  return ObliqueBox{r.width, in.height, in.depthBottom, in.depthTop};
}

}  // namespace velomare

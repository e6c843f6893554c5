#include "driver/model/Displacement.h"

#include <cmath>
#include <initializer_list>

#include "common/NumberText.h"

namespace velomare {
namespace {

// pi/4 x 10^-6 and pi/12 x 10^-6: cubic millimetres of a cylinder and of a frustum in litres.
constexpr double kCylinder = 7.853981633974483e-07;
constexpr double kFrustum = 2.6179938779914946e-07;

bool AnyNegative(std::initializer_list<double> values) {
  for (double v : values)
    if (v < 0) return true;
  return false;
}

}  // namespace

DisplacementInput ReadDisplacementInput(const std::array<std::string, 13>& texts) {
  DisplacementInput in;
  double* const fields[13] = {&in.d1, &in.d2, &in.d3, &in.d4, &in.d5, &in.w, &in.x,
                              &in.y,  &in.z,  &in.n,  &in.s,  &in.t,  &in.b};
  for (std::size_t i = 0; i < texts.size(); ++i) *fields[i] = ReadNumber(texts[i]);
  return in;
}

DisplacementResult ComputeDisplacementVolume(const DisplacementInput& in) {
  DisplacementResult r;
  if (!AnyNegative({in.d1, in.w})) r.flange = kCylinder * in.d1 * in.d1 * in.w;
  if (!AnyNegative({in.d2, in.d3, in.x}))
    r.cone = kFrustum * (in.d2 * in.d2 + in.d3 * in.d3 + in.d2 * in.d3) * in.x;
  if (!AnyNegative({in.d4, in.y, in.z})) r.magnet = kCylinder * in.d4 * in.d4 * std::fabs(in.y - in.z);
  if (!AnyNegative({in.d5, in.z})) r.ring = kCylinder * in.d5 * in.d5 * in.z;
  if (!AnyNegative({in.n, in.s, in.b, in.t})) r.bridges = in.n * in.s * in.b * in.t / 1000000.0;
  r.total = r.flange + r.cone + r.magnet + r.ring + r.bridges;
  r.valid = std::isfinite(r.total);
  return r;
}

std::string DisplacementVolumeText(const DisplacementResult& result) {
  const std::string number = result.valid ? FormatFixedComma(result.total, 2, 2) : "?";
  return "V=" + number + " Liter";
}

std::optional<std::string> DisplacementAcceptText(const DisplacementResult& result) {
  if (!result.valid) return std::nullopt;
  return FormatFixedComma(result.total, 2, 2);
}

std::optional<double> DisplacementAcceptVolume(const DisplacementResult& result) {
  if (!result.valid) return std::nullopt;
  return result.total;
}

}  // namespace velomare

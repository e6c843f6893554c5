#include "filters/model/Complex.h"

#include <cmath>
#include <numbers>

namespace velomare {
namespace {

constexpr long double kHalfPi = std::numbers::pi_v<long double> / 2;

// The angle without quadrant correction: the values in the left half-plane get the angle of
// their negative. This is what gives the division its sign rule.
long double PlainAngle(const Complex& z) {
  if (z.re == 0) return kHalfPi;
  return std::atan(z.im / z.re);
}

}  // namespace

void ComplexAdd(const Complex& a, const Complex& b, Complex& r) {
  const Complex sum{a.re + b.re, a.im + b.im};
  r = sum;
}

long double ComplexMagnitude(const Complex& z) { return std::sqrt(z.re * z.re + z.im * z.im); }

void ComplexDividePolar(const Complex& a, const Complex& b, Complex& r) {
  const long double magnitudeA = ComplexMagnitude(a);
  const long double magnitudeB = ComplexMagnitude(b);
  const long double angleA = PlainAngle(a);
  const long double angleB = PlainAngle(b);
  if (!(magnitudeB > 0)) {
    r = Complex{};
    return;
  }
  const long double magnitude = magnitudeA / magnitudeB;
  if (!std::isfinite(magnitude)) {
    r = Complex{};
    return;
  }
  const long double angle = angleA - angleB;
  r = Complex{magnitude * std::cos(angle), magnitude * std::sin(angle)};
}

}  // namespace velomare

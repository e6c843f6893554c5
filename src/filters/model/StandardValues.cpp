#include "filters/model/StandardValues.h"

#include <cfloat>
#include <cmath>

#include "common/NumberText.h"

namespace velomare {
namespace {

constexpr int kDesignerHundredths[] = {100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 750, 820, 910};
constexpr int kTrimodeHundredths[] = {100, 120, 150, 180, 220, 270, 330, 390, 430, 470, 560, 680, 750, 820, 910};

constexpr double kSmallestSteppable = 1e-17;
constexpr double kFirstUnsteppable = 1e18;

static_assert(LDBL_MANT_DIG >= 64, "the stepping needs a long double of at least extended precision");

// Rounds a positive value to `bits` significant bits; ties go away from zero or to even.
long double RoundSignificand(long double v, int bits, bool tiesAway) {
  if (!(v > 0.0L) || !std::isfinite(v)) return v;
  int exponent = 0;
  const long double fraction = std::frexp(v, &exponent);  // [0.5, 1)
  const long double scaled = std::ldexp(fraction, bits);   // [2^(bits-1), 2^bits), exact
  const long double whole = tiesAway ? std::floor(scaled + 0.5L) : std::nearbyint(scaled);
  return std::ldexp(whole, exponent - bits);
}

// The 80-bit extended type of the x87; a no-op where long double is that type.
long double Extended(long double v) {
  if constexpr (LDBL_MANT_DIG == 64) return v;
  return RoundSignificand(v, 64, false);
}

// The 6-byte real: a 40-bit significand, ties away from zero. Its exponent range (2.9e-39 to
// 1.7e38) is never reached inside the steppable range.
long double Real48(long double v) { return RoundSignificand(Extended(v), 40, true); }

double ToDouble(long double v) { return static_cast<double>(Extended(v)); }

long double Hundredths(int h) { return Extended(static_cast<long double>(h) / 100.0L); }

bool Steppable(double x) { return x >= kSmallestSteppable && x < kFirstUnsteppable; }

double DecadeFactor(int e) { return e >= 0 ? Pow10(e) : Pow10Neg(-e); }

}  // namespace

const StandardSeries kFilterDesignerSeries{kDesignerHundredths};
const StandardSeries kTrimodeSeries{kTrimodeHundredths};

double StepSeriesUp(const StandardSeries& series, double x) {
  if (!Steppable(x)) return x;
  double v = x;
  double mantissa = 0.0;
  int e = 0;
  if (v >= 1.0) {
    int n = 0;
    while (v >= 1.0) {
      v = ToDouble(static_cast<long double>(v) / 10.0L);
      ++n;
    }
    e = n - 1;
    mantissa = ToDouble(static_cast<long double>(v) * 10.0L);
  } else {
    int n = 0;
    while (v < 1.0) {
      v = ToDouble(static_cast<long double>(v) * 10.0L);
      ++n;
    }
    e = -n;
    mantissa = v;
  }

  // The first value whose threshold (0.01 below it) lies above the mantissa; past the last, the
  // 1.0 of the next decade.
  double s = 10.0;
  for (std::size_t k = 1; k < series.hundredths.size(); ++k) {
    if (static_cast<long double>(mantissa) < Hundredths(series.hundredths[k] - 1)) {
      s = series.hundredths[k] / 100.0;
      break;
    }
  }
  return ToDouble(static_cast<long double>(s) * DecadeFactor(e));
}

double StepSeriesDown(const StandardSeries& series, double x) {
  if (!Steppable(x)) return x;
  long double v = Real48(x);
  long double mantissa = 0.0L;
  int e = 0;
  if (v >= 1.0L) {
    int n = 0;
    while (v >= 1.0L) {
      v = Real48(v / 10.0L);
      ++n;
    }
    e = n - 1;
    mantissa = Real48(v * 10.0L);
  } else {
    int n = 0;
    while (v < 1.0L) {
      v = Real48(v * 10.0L);
      ++n;
    }
    e = -n;
    mantissa = v;
  }

  // The value before the first whose threshold (0.01 above it) lies above the mantissa; a
  // mantissa of exactly 1 goes to the 9.1 of the decade below.
  const std::span<const int> values = series.hundredths;
  int h = values.back();
  if (mantissa <= 1.0L) {
    h = values.back() / 10;
  } else {
    for (std::size_t k = 1; k < values.size(); ++k) {
      if (mantissa < Hundredths(values[k] + 1)) {
        h = values[k - 1];
        break;
      }
    }
  }
  const long double s = Real48(static_cast<long double>(h) / 100.0L);
  const long double decade = Real48(DecadeFactor(e));
  return ToDouble(s * decade);
}

}  // namespace velomare

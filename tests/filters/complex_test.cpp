// The shared network arithmetic: the polar division against std::complex, its sign rule for
// left-lying operands, aliasing, the zero divisor; and the fast frequency grid.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>

#include "filters/model/Complex.h"
#include "filters/model/FastFilterGrid.h"

namespace velomare {
namespace {

using Exact = std::complex<long double>;

Complex Divide(Complex a, Complex b) {
  Complex r;
  ComplexDividePolar(a, b, r);
  return r;
}

bool LeftLying(const Complex& z) { return z.re < 0 || (z.re == 0 && z.im < 0); }

void ExpectNear(const Complex& got, Exact want, long double relative) {
  // The error relative to the quotient's magnitude, in extended precision.
  const long double scale = std::max<long double>(std::abs(want), 1e-300L);
  const long double error = std::abs(Exact(got.re, got.im) - want) / scale;
  EXPECT_LE(error, relative) << "got (" << static_cast<double>(got.re) << ", " << static_cast<double>(got.im)
                             << ") want (" << static_cast<double>(want.real()) << ", "
                             << static_cast<double>(want.imag()) << ")";
}

TEST(ComplexDividePolar, WorkedCasesOfTheSignRule) {
  // A divisor on the negative imaginary axis keeps the angle +pi/2, and one operand left of the
  // axis alone turns the quotient round: 1/(-2j) gives -0.5j, 1/(-2) gives 0.5, (3,4)/(-1) (3,4).
  const struct { Complex a, b; Exact quotient; } rows[] = {
      {{1, 0}, {2, 0}, {0.5L, 0}},  {{1, 0}, {0, 2}, {0, -0.5L}},   {{1, 0}, {0, -2}, {0, -0.5L}},
      {{1, 0}, {-2, 0}, {0.5L, 0}}, {{-1, 0}, {-2, 0}, {0.5L, 0}}, {{3, 4}, {-1, 0}, {3, 4}},
      {{3, 4}, {1, 0}, {3, 4}}
  };
  for (const auto& row : rows) ExpectNear(Divide(row.a, row.b), row.quotient, 1e-18L);
}

TEST(ComplexDividePolar, AZeroOperandGivesZeroAndNeverNaN) {
  for (Complex b : {Complex{1, 0}, Complex{-3, 2}, Complex{0, -5}, Complex{1e-30L, 1e30L}, Complex{0, 0}}) {
    const Complex zeroOver = Divide({0, 0}, b), overZero = Divide(b, {0, 0});
    EXPECT_TRUE(zeroOver.re == 0 && zeroOver.im == 0 && overZero.re == 0 && overZero.im == 0);
  }
  // A divisor so small that the quotient does not fit either.
  const Complex r = Divide({1e4000L, 0}, {1e-4000L, 0});
  EXPECT_TRUE(std::isfinite(r.re) && std::isfinite(r.im));
}

// Random operands in all four quadrants and on the axes, checked against std::complex: the true
// quotient when both lie on the same side, its negative otherwise, and |a|/|b| always.
TEST(ComplexDividePolar, AgreesWithExactDivisionUpToTheSignRule) {
  std::mt19937_64 random(17);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-6, 6), axis(0, 5);
  auto value = [&] { return mantissa(random) * std::pow(10.0L, exponent(random)); };
  // One operand in six on the imaginary axis, one in six on the real axis.
  auto operand = [&] {
    const int on = axis(random);
    return Complex{on == 0 ? 0 : value(), on == 1 ? 0 : value()};
  };
  int sameSide = 0, oppositeSides = 0;
  for (int n = 0; n < 20000; ++n) {
    const Complex a = operand();
    Complex b = operand();
    if (b.re == 0 && b.im == 0) b.re = 1;
    const Exact exact = Exact(a.re, a.im) / Exact(b.re, b.im);
    const Complex r = Divide(a, b);
    const bool flipped = LeftLying(a) != LeftLying(b) && !(a.re == 0 && a.im == 0);
    (flipped ? oppositeSides : sameSide)++;
    ExpectNear(r, flipped ? -exact : exact, 1e-15L);
    const long double magnitude = std::abs(Exact(a.re, a.im)) / std::abs(Exact(b.re, b.im));
    EXPECT_NEAR(static_cast<double>(ComplexMagnitude(r) / std::max(magnitude, 1e-300L)),
                magnitude == 0 ? 0.0 : 1.0, 1e-15);
  }
  EXPECT_GT(sameSide, 5000);
  EXPECT_GT(oppositeSides, 5000);
}

TEST(ComplexDividePolar, PurelyImaginaryQuotientKeepsATinyRealPart) {
  const Complex r = Divide({1, 0}, {0, 2});
  EXPECT_LT(std::fabs(static_cast<double>(r.re)), 1e-18);
  EXPECT_DOUBLE_EQ(static_cast<double>(r.im), -0.5);
}

TEST(ComplexDividePolar, IsExactWhenBothRealPartsArePositive) {
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> positive(1e-3, 1e3), any(-1e3, 1e3);
  for (int n = 0; n < 5000; ++n) {
    const Complex a{positive(random), any(random)};
    const Complex b{positive(random), any(random)};
    // Well below a double's 1.1e-16: the whole route runs in extended precision.
    ExpectNear(Divide(a, b), Exact(a.re, a.im) / Exact(b.re, b.im), 5e-18L);
  }
}

TEST(ComplexDividePolar, ResultMayBeEitherOperand) {
  Complex a{3, 4}, b{1, -2}, c{3, 4};
  ComplexDividePolar(a, b, a);
  ComplexDividePolar(c, b, b);
  ExpectNear(a, Exact(3, 4) / Exact(1, -2), 1e-18L);
  ExpectNear(b, Exact(3, 4) / Exact(1, -2), 1e-18L);
  Complex d{2, 5};
  ComplexDividePolar(d, d, d);
  ExpectNear(d, {1, 0}, 1e-18L);
}

TEST(ComplexAdd, AddsPartsAndMayWriteIntoAnOperand) {
  Complex a{1.5L, -2}, b{-0.25L, 7};
  Complex r;
  ComplexAdd(a, b, r);
  EXPECT_EQ(r.re, 1.25L);
  EXPECT_EQ(r.im, 5);
  ComplexAdd(a, b, a);
  EXPECT_EQ(a.re, 1.25L);
  EXPECT_EQ(a.im, 5);
  ComplexAdd(b, b, b);
  EXPECT_EQ(b.re, -0.5L);
  EXPECT_EQ(b.im, 14);
}

TEST(ComplexArithmetic, HoldsExtendedPrecision) {
  // 1 + 2^-60 survives in an 80-bit sum and would be lost in a double.
  const long double tiny = std::ldexp(1.0L, -60);
  Complex r;
  ComplexAdd({1, 0}, {tiny, 0}, r);
  EXPECT_GT(r.re, 1.0L);
}

// 1 Hz steps to 100 Hz, then 10, 100 and 1000 Hz steps per decade; 0 outside 1 to 290.
TEST(FastFilterGrid, RunsFromTenHertzToTwentyKilohertzInDecadeSteps) {
  EXPECT_EQ(FastFilterGrid(kFastGridFirst) + FastFilterGrid(kFastGridLast) + kFastGridPoints, 10 + 20000 + 281);
  EXPECT_EQ(kFastGridPoints, 281);
  EXPECT_EQ(FastFilterGrid(kFastGridFirst), 10);
  EXPECT_EQ(FastFilterGrid(kFastGridLast), 20000);
  const std::pair<int, int> points[] = {{1, 1},       {100, 100},     {101, 110},     {190, 1000}, {191, 1100},
                                        {280, 10000}, {281, 11000},   {290, 20000},   {0, 0},      {291, 0}, {-5, 0}};
  for (auto [i, f] : points) EXPECT_EQ(FastFilterGrid(i), f) << i;
  for (int i = 2; i <= 290; ++i) EXPECT_GT(FastFilterGrid(i), FastFilterGrid(i - 1)) << i;
}

}  // namespace
}  // namespace velomare

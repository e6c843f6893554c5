#pragma once
// Complex arithmetic for the responses of passive networks, shared by every filter window (the
// high-, band- and low-pass designers, the trimode crossover, the impedance correction). Use
// this one piece; do not copy it into a window.
//
//   Complex z{r, x};                       // an impedance in ohms, or an admittance in siemens
//   ComplexDividePolar(Complex{1, 0}, z, y);  // y = 1/z (with the sign rule below)
//   ComplexAdd(y1, y2, y);                 // y = y1 + y2
//
// Both take their operands by reference and write the result into r; r may be one of the
// operands. Everything is held in 80-bit extended precision (long double on x86-64).
//
// ComplexDividePolar divides through magnitudes and angles, and takes each angle as a plain
// arctangent of im/re (pi/2 when re is exactly 0, whatever the sign of im). There is no quadrant
// correction, so the result is the true quotient or its negative:
//   - true a/b when a and b are both left-lying or both not;
//   - -a/b when exactly one of them is left-lying,
// where a value is left-lying when re < 0, or re == 0 and im < 0. |r| = |a|/|b| always, and
// r.im/r.re is the ratio of the true quotient, so a caller that uses only the magnitude, or only
// arctan(im/re), of a result sees a true division. Callers that go on computing with the result
// (the impedance diagram) rely on the sign rule as it stands: the drawn curves depend on it.
// A divisor of magnitude 0 (or a quotient too large to hold) gives (0, 0); nothing traps.

namespace velomare {

struct Complex {
  long double re = 0;
  long double im = 0;
};

void ComplexAdd(const Complex& a, const Complex& b, Complex& r);
void ComplexDividePolar(const Complex& a, const Complex& b, Complex& r);

// The magnitude sqrt(re^2 + im^2).
long double ComplexMagnitude(const Complex& z);

}  // namespace velomare

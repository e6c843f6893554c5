#pragma once
// The fast frequency grid of the filter, crossover and impedance diagrams and of the branch
// exports: 281 whole frequencies from 10 Hz to 20 kHz, dense where the ear and the log axis need
// it. One definition for every window that draws or exports on it:
//
//   for (int i = kFastGridFirst; i <= kFastGridLast; ++i) {
//     const int f = FastFilterGrid(i);   // Hz
//     ...
//   }
//
// Index i runs from 10 to 290: 1 Hz steps up to 100 Hz, then 10 Hz steps up to 1 kHz, 100 Hz
// steps up to 10 kHz and 1 kHz steps up to 20 kHz. The branch arrays keep grid point i in their
// element i; indices 1 to 9 (1 to 9 Hz) exist for the conversion of one-hertz data to this grid.

namespace velomare {

inline constexpr int kFastGridFirst = 10;
inline constexpr int kFastGridLast = 290;
inline constexpr int kFastGridPoints = kFastGridLast - kFastGridFirst + 1;

// The frequency in Hz of grid index i, for i from 1 to 290; 0 for any other index.
constexpr int FastFilterGrid(int i) {
  if (i < 1 || i > kFastGridLast) return 0;
  if (i <= 100) return i;
  if (i <= 190) return 100 + 10 * (i - 100);
  if (i <= 280) return 1000 + 100 * (i - 190);
  return 10000 + 1000 * (i - 280);
}

// The conversions the complete crossover draws with. FastGridFrequency(i) is FastFilterGrid(i) on
// the grid and 20000 above it, so that a curve's end stays on the axis.
constexpr int FastGridFrequency(int i) {
  if (i > kFastGridLast) return 20000;
  if (i <= 100) return i;
  return FastFilterGrid(i);
}

// The frequency of grid point i + 1, continuing the last step beyond the grid: 21000 for i = 290,
// where the curve's closing segment repeats its last point; 20000 above the grid.
constexpr int FastGridNextFrequency(int i) {
  if (i > kFastGridLast) return 20000;
  if (i == kFastGridLast) return 21000;
  return FastGridFrequency(i + 1);
}

// The grid point at or below f Hz: 290 from 20 kHz on. The quotients are truncated toward zero,
// which for these positive values is the floor.
constexpr int FastGridIndex(double f) {
  if (!(f < 20000)) return f >= 20000 ? kFastGridLast : 0;
  if (f <= 100) return static_cast<int>(f > -1e9 ? f : -1e9);
  if (f <= 1000) return static_cast<int>((f + 900) / 10);
  if (f <= 10000) return static_cast<int>((f + 18000) / 100);
  return static_cast<int>((f + 270000) / 1000);
}

}  // namespace velomare

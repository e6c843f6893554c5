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

}  // namespace velomare

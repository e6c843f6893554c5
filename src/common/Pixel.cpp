#include "common/Pixel.h"

#include <cmath>

namespace velomare {

int TruncPixel(double value) {
  constexpr double kLimit = 1e8;
  if (std::isnan(value)) return 0;
  if (value > kLimit) return static_cast<int>(kLimit);
  if (value < -kLimit) return static_cast<int>(-kLimit);
  return static_cast<int>(value);
}

}  // namespace velomare

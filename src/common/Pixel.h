#pragma once
// Drawing positions computed in floating point become whole pixels here: truncated toward zero
// after clamping into a range that every surface holds, so a huge or undefined value never turns
// into an undefined integer conversion.
namespace velomare {

// NaN gives 0; values beyond +-1e8 are held there.
int TruncPixel(double value);

}  // namespace velomare

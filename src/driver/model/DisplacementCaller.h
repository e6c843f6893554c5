#pragma once
#include <cstdint>

namespace velomare {

// Who opened the displacement-volume window, set by the opener just before it shows it:
// 0 the main window (the result goes to the committed ChassisVol), 1 the driver-data window
// (the result goes to its volume edit).
extern std::int32_t DisplacementCaller;

}  // namespace velomare

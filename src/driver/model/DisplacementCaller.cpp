#include "driver/model/DisplacementCaller.h"

namespace velomare {

std::int32_t DisplacementCaller = 0;

}  // namespace velomare

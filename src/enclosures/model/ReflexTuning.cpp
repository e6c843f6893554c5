#include "enclosures/model/ReflexTuning.h"

namespace velomare {
namespace {
double reflexTuningFrequency = 0;
}  // namespace

double ReflexTuningFrequency() { return reflexTuningFrequency; }
void SetReflexTuningFrequency(double fb) { reflexTuningFrequency = fb; }

}  // namespace velomare

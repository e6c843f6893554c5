#pragma once
// The port tuning frequency fb (Hz) of the bass-reflex window's current design, which the port
// calculator takes as its given tuning. Written only by the bass-reflex design; 0 until its first
// design.
namespace velomare {

double ReflexTuningFrequency();
void SetReflexTuningFrequency(double fb);

}  // namespace velomare

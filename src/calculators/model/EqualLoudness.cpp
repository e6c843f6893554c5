#include "calculators/model/EqualLoudness.h"

#include <cmath>

namespace velomare {
namespace {

// ISO 226:2003, table 1: frequency, exponent of loudness perception a_f, magnitude of the linear
// transfer function normalised at 1 kHz L_U (dB) and threshold of hearing T_f (dB).
struct LoudnessRow {
  double frequency, exponent, transfer, threshold;
};
constexpr LoudnessRow kRows[kLoudnessFrequencyCount] = {
    {20, 0.532, -31.6, 78.5},    {25, 0.506, -27.2, 68.7},   {31.5, 0.480, -23.0, 59.5}, {40, 0.455, -19.1, 51.1},
    {50, 0.432, -15.9, 44.0},    {63, 0.409, -13.0, 37.5},   {80, 0.387, -10.3, 31.5},   {100, 0.367, -8.1, 26.5},
    {125, 0.349, -6.2, 22.1},    {160, 0.330, -4.5, 17.9},   {200, 0.315, -3.1, 14.4},   {250, 0.301, -2.0, 11.4},
    {315, 0.288, -1.1, 8.6},     {400, 0.276, -0.4, 6.2},    {500, 0.267, 0.0, 4.4},     {630, 0.259, 0.3, 3.0},
    {800, 0.253, 0.5, 2.2},      {1000, 0.250, 0.0, 2.4},    {1250, 0.246, -2.7, 3.5},   {1600, 0.244, -4.1, 1.7},
    {2000, 0.243, -1.0, -1.3},   {2500, 0.243, 1.7, -4.2},   {3150, 0.243, 2.5, -6.0},   {4000, 0.242, 1.2, -5.4},
    {5000, 0.242, -2.1, -1.5},   {6300, 0.245, -7.1, 6.0},   {8000, 0.254, -11.2, 12.6}, {10000, 0.271, -10.7, 13.9},
    {12500, 0.301, -3.1, 12.3},
};

constexpr std::array<double, kLoudnessFrequencyCount> MakeFrequencies() {
  std::array<double, kLoudnessFrequencyCount> f{};
  for (int i = 0; i < kLoudnessFrequencyCount; ++i) f[i] = kRows[i].frequency;
  return f;
}
constexpr std::array<double, kLoudnessFrequencyCount> kFrequencies = MakeFrequencies();

int Clamp(int index) { return index < 0 ? 0 : index >= kLoudnessFrequencyCount ? kLoudnessFrequencyCount - 1 : index; }

}  // namespace

const std::array<double, kLoudnessFrequencyCount>& LoudnessFrequencies() { return kFrequencies; }

double EqualLoudnessLevel(double phon, int index) {
  const LoudnessRow& row = kRows[Clamp(index)];
  // ISO 226:2003, equations (1) and (2); NaN below the relation's range.
  const double a = 4.47e-3 * (std::pow(10.0, 0.025 * phon) - 1.15) +
                   std::pow(0.4 * std::pow(10.0, (row.threshold + row.transfer) / 10 - 9), row.exponent);
  if (!(a > 0)) return NAN;
  return 10 / row.exponent * std::log10(a) - row.transfer + 94;
}

double HearingThreshold(int index) { return kRows[Clamp(index)].threshold; }

}  // namespace velomare

#pragma once
// N equal speakers of impedance Z wired as p parallel groups of s speakers in series
// (p * s = N): the groupings of each count, the recommended one, a nearby count that groups
// better, and the texts of the result with the total impedance Zt = s * Z / p.
#include <array>
#include <optional>
#include <string>

namespace velomare {

inline constexpr int kMinSpeakers = 2;
inline constexpr int kMaxSpeakers = 50;
// No count up to 50 has more divisors than 48, which has ten.
inline constexpr int kMaxGroupingOptions = 10;

// The three tables of the counts 1 to 50 (index 0 unused).
struct SpeakerTables {
  // The number of divisors of N, which is the number of grouping options.
  std::array<int, kMaxSpeakers + 1> SpeakerDivisorCount{};
  // The divisors of N in rising order, at places 1 .. count; 0 beyond. Option k of N has
  // p = SpeakerDivisorTable[N][k] parallel groups.
  std::array<std::array<int, kMaxGroupingOptions + 1>, kMaxSpeakers + 1> SpeakerDivisorTable{};
  // The recommended option: the place of the largest divisor not above the square root of N,
  // but all in parallel for eleven speakers.
  std::array<int, kMaxSpeakers + 1> SpeakerAdviceOption{};
};

// Filled once, on first use.
const SpeakerTables& SpeakerGroupingTables();

// The number of divisors of n; 0 outside 1 .. 50.
int GroupingOptionCount(int n);
// The parallel groups of option k of n; 0 when n or k is out of range.
int ParallelGroups(int n, int k);
// The recommended option of n; 1 outside 1 .. 50.
int AdvisedOption(int n);
// The count that the advice button moves n to (a prime count to a neighbour that groups; some
// others too); every other count stays. Counts outside 2 .. 50 stay.
int AdjustedSpeakerCount(int n);

struct SpeakerGroupingTexts {
  std::string count;     // Label2
  std::string option;    // Label3
  std::string grouping;  // Label6, "p x s (...)"
  std::string wiring;    // Label4
  std::string total;     // Label5, with Zt to two decimals
  int parallel = 0;
  int series = 0;
  double totalImpedance = 0;
};

// The texts for impedance z (ohm), n speakers and option k of `optionCount` shown options, in
// English or German. Nothing when z is not above 0 (or not finite) or n and k name no grouping:
// then the window keeps what it shows.
std::optional<SpeakerGroupingTexts> ComputeSpeakerGrouping(double z, int n, int k, int optionCount, bool english);

}  // namespace velomare

#include "calculators/model/SpeakerGrouping.h"

#include <cmath>
#include <utility>

#include "calculators/model/UnitConverter.h"

namespace velomare {
namespace {

SpeakerTables BuildTables() {
  SpeakerTables t;
  for (int n = 1; n <= kMaxSpeakers; ++n) {
    int count = 0;
    for (int d = 1; d <= n; ++d)
      if (n % d == 0) t.SpeakerDivisorTable[n][++count] = d;
    t.SpeakerDivisorCount[n] = count;
    // The divisors pair up around the square root (d with n / d), so the largest one not above
    // it sits at the middle place, rounded up. Every prime count, eleven too, is advised all in
    // series: eleven in parallel would load the amplifier with a ninth of one speaker.
    t.SpeakerAdviceOption[n] = (count + 1) / 2;
  }
  return t;
}

// The moves of the advice button: the counts that group badly and the count each goes to.
constexpr std::pair<int, int> kCountMoves[] = {
    {3, 4},   {5, 6},   {7, 8},   {11, 12}, {13, 15}, {14, 15}, {17, 18}, {19, 20}, {22, 24}, {23, 24}, {26, 28},
    {27, 28}, {29, 30}, {31, 32}, {34, 35}, {37, 36}, {38, 40}, {39, 40}, {41, 40}, {43, 42}, {46, 45}, {47, 48},
};

}  // namespace

const SpeakerTables& SpeakerGroupingTables() {
  static const SpeakerTables tables = BuildTables();
  return tables;
}

int GroupingOptionCount(int n) {
  if (n < 1 || n > kMaxSpeakers) return 0;
  return SpeakerGroupingTables().SpeakerDivisorCount[n];
}

int ParallelGroups(int n, int k) {
  if (n < 1 || n > kMaxSpeakers || k < 1 || k > kMaxGroupingOptions) return 0;
  return SpeakerGroupingTables().SpeakerDivisorTable[n][k];
}

int AdvisedOption(int n) {
  if (n < 1 || n > kMaxSpeakers) return 1;
  return SpeakerGroupingTables().SpeakerAdviceOption[n];
}

int AdjustedSpeakerCount(int n) {
  for (const auto& [from, to] : kCountMoves)
    if (n == from) return to;
  return n;
}

std::optional<SpeakerGroupingTexts> ComputeSpeakerGrouping(double z, int n, int k, int optionCount, bool english) {
  const int p = ParallelGroups(n, k);
  const int s = p >= 1 ? n / p : 0;
  if (!std::isfinite(z) || !(z > 0) || p < 1 || s < 1) return std::nullopt;

  SpeakerGroupingTexts out;
  out.parallel = p;
  out.series = s;
  out.totalImpedance = s * z / p;
  const std::string N = std::to_string(n), K = std::to_string(k), M = std::to_string(optionCount);
  const std::string P = std::to_string(p), S = std::to_string(s);
  const std::string Zt = FixedText(out.totalImpedance, 2);
  const auto pick = [english](std::string german, std::string inEnglish) { return english ? inEnglish : german; };
  out.count = pick("Anzahl: " + N + " LS", "numbers of speakers: " + N);
  out.option = pick("Variante " + K + " von " + M, "option " + K + " of " + M);
  if (s >= 2 && p >= 2)
    out.wiring = pick("Reihenschaltung von je " + S + " Lautsprechern, dann diese " + P + " Gruppen parallel",
                      "series connection of every " + S + " speakers, then these " + P + " groups parallel connected");
  else if (p >= 2)
    out.wiring = pick("Parallelschaltung von " + P + " Lautsprechern", "parallel connection of " + P + " speakers");
  else
    out.wiring = pick("Reihenschaltung von " + S + " Lautsprechern", "series connection of " + S + " speakers");
  out.grouping = P + " x " + S + pick(" (parallel x Reihe)", " (parallel x serial)");
  out.total = pick("neue Gesamt-Impedanz dann Z= " + Zt + " Ohm", "new total impedance Z= " + Zt + " ohms");
  return out;
}

}  // namespace velomare

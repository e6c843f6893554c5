#pragma once
// The four comparison slots: up to four simulated responses that the comparison window draws
// over one another. Every enclosure window stores its current curve here (StoreComparisonCurve),
// the import of an export file fills a slot the same way, and the settings window lists and
// empties slots. The store lives for the whole run in memory only and is empty at start.
//
// How a box window stores its curve (slot 1..4 from its export list):
//
//   ComparisonLevels levels;                       // levels[i] is the level at i + 1 Hz
//   for (int f = 1; f <= 400; ++f) levels[f - 1] = MyResponseLevel(f);
//   ComparisonHeader header = HeaderForCommittedDriver(BoxType::BassReflex);
//   header.Multiple = drivers; header.Volume1 = vb; header.PortArea1 = area; header.PortLength1 = length;
//   StoreComparisonCurve(slot, levels, header);
//
// Fields that the box type does not use are set to 0 by the store itself, so a slot never shows
// a value left over from an earlier occupant.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velomare {

enum class BoxType : std::uint8_t { OpenBaffle = 0, Closed = 1, BassReflex = 2, ClosedBandpass = 3, VentedBandpass = 4 };

inline constexpr int kComparisonSlotCount = 4;
inline constexpr int kComparisonCurveSize = 451;
// Levels at 1, 2, ..., 400 Hz.
inline constexpr int kComparisonLevelCount = 400;

// Element 0 is the filled flag (1.0 filled, 0.0 empty; readers test > 0.5); elements 1..400 the
// level in dB at that many hertz; 401..450 belong to no stored curve.
using ComparisonCurve = std::array<double, kComparisonCurveSize>;
// The levels a writer hands over: element i is the level at i + 1 Hz.
using ComparisonLevels = std::array<double, kComparisonLevelCount>;

struct ComparisonHeader {
  velomare::BoxType BoxType = velomare::BoxType::Closed;
  std::uint8_t SlotNumber = 0;  // set only by the comparison window in its drawing copies
  std::uint8_t Multiple = 0;    // closed and reflex: driver count; bandpasses: 2 push-pull, 1 single
  std::int32_t BoxQl = 0;       // bandpasses only
  double Volume1 = 0;           // litres
  double Volume2 = 0;           // litres
  double PortArea1 = 0;         // cm²
  double PortLength1 = 0;       // cm; the open baffle keeps its half front-to-back path in metres here
  double PortArea2 = 0;         // cm²
  double PortLength2 = 0;       // cm
  std::string DriverLabel;      // maker and model joined by one blank
  double DriverSpl = 0;         // dB at 1 W / 1 m
};

// A header of the given box type with the committed driver's label and sensitivity, every other
// field 0.
ComparisonHeader HeaderForCommittedDriver(BoxType type);

// Writes the levels, marks the slot filled and writes the header (unused fields zeroed). Refuses,
// leaving the slot as it was, a slot number outside 1..4 or any level or header number that is not
// finite.
bool StoreComparisonCurve(int slot, const ComparisonLevels& levels, const ComparisonHeader& header);

// Marks the slot empty; its levels and header stay and are ignored.
void EmptyComparisonSlot(int slot);

bool ComparisonSlotFilled(int slot);
// The slots that hold a curve, in rising order.
std::vector<int> FilledComparisonSlots();

// The slot as stored (slot 1..4; any other number gives an empty slot).
const ComparisonCurve& ComparisonCurveOf(int slot);
const ComparisonHeader& ComparisonHeaderOf(int slot);

// All four slots empty and cleared, as at program start.
void ResetComparisonStore();

}  // namespace velomare

namespace velomare {

// Fills a slot with an imported curve (index 0 is set to the filled flag, indices 1..450 are
// copied) and its header as read, keeping the reader's defaults (an imported closed box keeps its
// BoxQl, an imported open baffle its Multiple 1). Refuses, leaving the slot as it was, a slot
// outside 1..4 or a number that is not finite.
bool StoreImportedCurve(int slot, const ComparisonCurve& curve, const ComparisonHeader& header);

}  // namespace velomare

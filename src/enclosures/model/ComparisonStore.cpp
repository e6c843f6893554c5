#include "enclosures/model/ComparisonStore.h"

#include <cmath>

#include "driver/model/CommittedDriver.h"

namespace velomare {
namespace {

struct Slot {
  ComparisonCurve curve{};
  ComparisonHeader header;
};
std::array<Slot, kComparisonSlotCount> gSlots;
const Slot kEmptySlot{};

bool ValidSlot(int slot) { return slot >= 1 && slot <= kComparisonSlotCount; }

bool HeaderFinite(const ComparisonHeader& h) {
  for (double v : {h.Volume1, h.Volume2, h.PortArea1, h.PortLength1, h.PortArea2, h.PortLength2, h.DriverSpl})
    if (!std::isfinite(v)) return false;
  return true;
}

// Which fields each box type fills; the rest are 0.
ComparisonHeader WithUnusedFieldsZeroed(ComparisonHeader h) {
  const bool bandpass = h.BoxType == BoxType::ClosedBandpass || h.BoxType == BoxType::VentedBandpass;
  h.SlotNumber = 0;
  if (h.BoxType == BoxType::OpenBaffle) h.Multiple = 0;
  if (!bandpass) h.BoxQl = 0;
  if (h.BoxType == BoxType::OpenBaffle) h.Volume1 = 0;
  if (!bandpass) h.Volume2 = 0;
  if (h.BoxType == BoxType::OpenBaffle || h.BoxType == BoxType::Closed) h.PortArea1 = 0;
  if (h.BoxType == BoxType::Closed) h.PortLength1 = 0;
  if (h.BoxType != BoxType::VentedBandpass) h.PortArea2 = h.PortLength2 = 0;
  return h;
}

}  // namespace

ComparisonHeader HeaderForCommittedDriver(BoxType type) {
  ComparisonHeader header;
  header.BoxType = type;
  header.DriverLabel = ChassisManufacturer + " " + ChassisName;
  header.DriverSpl = std::isfinite(ChassisSpl) ? ChassisSpl : 0.0;
  return header;
}

bool StoreComparisonCurve(int slot, const ComparisonLevels& levels, const ComparisonHeader& header) {
  if (!ValidSlot(slot) || !HeaderFinite(header)) return false;
  for (double level : levels)
    if (!std::isfinite(level)) return false;
  Slot& target = gSlots[static_cast<std::size_t>(slot - 1)];
  for (int f = 1; f <= kComparisonLevelCount; ++f) target.curve[static_cast<std::size_t>(f)] = levels[static_cast<std::size_t>(f - 1)];
  target.curve[0] = 1.0;
  target.header = WithUnusedFieldsZeroed(header);
  return true;
}

bool StoreImportedCurve(int slot, const ComparisonCurve& curve, const ComparisonHeader& header) {
  if (!ValidSlot(slot) || !HeaderFinite(header)) return false;
  for (double level : curve)
    if (!std::isfinite(level)) return false;
  Slot& target = gSlots[static_cast<std::size_t>(slot - 1)];
  target.curve = curve;
  target.curve[0] = 1.0;
  target.header = header;
  target.header.SlotNumber = 0;
  return true;
}

void EmptyComparisonSlot(int slot) {
  if (ValidSlot(slot)) gSlots[static_cast<std::size_t>(slot - 1)].curve[0] = 0.0;
}

bool ComparisonSlotFilled(int slot) { return ValidSlot(slot) && gSlots[static_cast<std::size_t>(slot - 1)].curve[0] > 0.5; }

std::vector<int> FilledComparisonSlots() {
  std::vector<int> filled;
  for (int slot = 1; slot <= kComparisonSlotCount; ++slot)
    if (ComparisonSlotFilled(slot)) filled.push_back(slot);
  return filled;
}

const ComparisonCurve& ComparisonCurveOf(int slot) {
  return ValidSlot(slot) ? gSlots[static_cast<std::size_t>(slot - 1)].curve : kEmptySlot.curve;
}

const ComparisonHeader& ComparisonHeaderOf(int slot) {
  return ValidSlot(slot) ? gSlots[static_cast<std::size_t>(slot - 1)].header : kEmptySlot.header;
}

void ResetComparisonStore() { gSlots = {}; }

}  // namespace velomare

// Export files from arbitrary bytes: the reader never crashes, accepts only a complete table,
// and whatever it accepts stores and draws without a sanitizer report, relative and absolute,
// with power, at the default view and at the extreme scroll-bar positions.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "enclosures/model/ComparisonDrawing.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/SimulationImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velomare;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const SimulationImport read = ReadSimulationFile(bytes);
  const std::string message = import_text::Outcome(read, 1, size % 2 == 0);
  if (message.empty()) std::abort();
  if (read.outcome != SimulationImport::Accepted) return 0;
  if (read.numericLevels < 400 || read.matchingRows < 400) std::abort();
  ResetComparisonStore();
  if (!StoreImportedCurve(1 + static_cast<int>(size % 4), read.curve, read.header)) std::abort();
  ComparisonView view;
  view.channels = {true, true, true, true};
  view.powerTexts = {"100", "5000", "0,5", "abc"};
  for (int mode = 0; mode < 4; ++mode) {
    view.absolute = mode & 1;
    view.power = mode & 2;
    view.english = mode == 3;
    view.bars = mode < 2 ? ComparisonBars{} : ComparisonBars{100, 300, -40, 6};
    const ComparisonDrawing d = ComputeComparisonDrawing(view);
    if (d.listed != 1 || !d.scales) std::abort();
    for (const ComparisonItem& item : d.items) {
      // The driver's label is the file's own text (a "Banana" speaker, say); only numbers count.
      const std::string& label = read.header.DriverLabel;
      if (!label.empty() && item.text.size() >= label.size() &&
          item.text.compare(item.text.size() - label.size(), label.size(), label) == 0)
        continue;
      if (item.text.find("nan") != std::string::npos || item.text.find("inf") != std::string::npos) std::abort();
    }
    ComparisonCursorCaption(*d.scales, 400, 300, view.english);
  }
  return 0;
}

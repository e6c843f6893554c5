// Number texts from arbitrary bytes: no crash, no sanitizer report, and what the routines promise
// holds for every input.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int accepted = velomare::IsNumberText(text);
  if (accepted != 0 && accepted != -1) std::abort();
  const double value = velomare::TextToFloat(text);
  if (!std::isfinite(value)) std::abort();
  const double field = velomare::ReadNumber(text);
  if (!accepted && field != 0.0) std::abort();
  for (int decimals : {0, 2, 3}) {
    const std::string shown = velomare::FormatFixedComma(field, 2, decimals);
    if (shown.find("nan") != std::string::npos || shown.find("inf") != std::string::npos) std::abort();
    if (!velomare::IsNumberText(std::string(shown.substr(shown.find_first_not_of(' '))))) std::abort();
  }
  const std::string stored = velomare::FormatPlain(field, 15, ',');
  if (!velomare::IsNumberText(stored)) std::abort();
  if (velomare::TextToFloat(stored) != velomare::TextToFloat(velomare::FormatPlain(field, 15, '.'))) std::abort();
  (void)velomare::CutDecimals(text, size / 2);
  (void)velomare::DotToComma(text);
  return 0;
}

#include "enclosures/model/SimulationImport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

#include "common/Encoding.h"
#include "common/NumberText.h"

namespace velomare {
namespace {

// A driver count that the slot's one byte cannot hold is capped there.
constexpr double kMaxDriverCount = 255;

// Lines 1..440 as UTF-8 text; line 0 is the stand-in that every key line not found refers to,
// and a number past the table reads as an empty line.
class LineTable {
 public:
  explicit LineTable(std::string_view bytes) {
    lines_[0] = "unknown";
    std::size_t pos = 0;
    while (pos < bytes.size() && lastRead_ < kImportLineLimit) {
      std::size_t end = bytes.find('\n', pos);
      if (end == std::string_view::npos) end = bytes.size();
      std::string_view line = bytes.substr(pos, end - pos);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      lines_[static_cast<std::size_t>(++lastRead_)] = Cp1252ToUtf8(line);
      pos = end + 1;
    }
  }
  const std::string& Line(int k) const {
    static const std::string kEmpty;
    return k >= 0 && k <= kImportLineLimit ? lines_[static_cast<std::size_t>(k)] : kEmpty;
  }
  int LastRead() const { return lastRead_; }

 private:
  std::array<std::string, kImportLineLimit + 1> lines_;
  int lastRead_ = 0;
};

bool StartsWith(std::string_view line, std::string_view key) { return line.substr(0, key.size()) == key; }
bool Contains(std::string_view line, std::string_view key) { return line.find(key) != std::string_view::npos; }

// The text after a key line's first TAB; a line without one has the value "error".
std::string_view ValueText(std::string_view line) {
  const std::size_t tab = line.find('\t');
  return tab == std::string_view::npos ? std::string_view("error") : line.substr(tab + 1);
}
std::optional<double> Numeric(std::string_view text) {
  if (!IsNumberText(text)) return std::nullopt;
  return TextToFloat(text);
}
double ValueOr(const LineTable& t, int line, double fallback) { return Numeric(ValueText(t.Line(line))).value_or(fallback); }

BoxType TypeOf(std::string_view line) {
  BoxType type = BoxType::OpenBaffle;
  if (Contains(line, "offen") || Contains(line, "open")) type = BoxType::OpenBaffle;
  if (Contains(line, "close") || Contains(line, "geschlossen")) type = BoxType::Closed;
  if (Contains(line, "reflex")) type = BoxType::BassReflex;
  if (Contains(line, "closed band pass") || Contains(line, "in Bandpass-Geh")) type = BoxType::ClosedBandpass;
  if (Contains(line, "vented band pass") || Contains(line, "Bandpass 6")) type = BoxType::VentedBandpass;
  return type;
}

// The last line in first..last that the test accepts, else 0.
template <class Test>
int LastMatch(const LineTable& t, int first, int last, Test test) {
  int found = 0;
  for (int k = first; k <= last; ++k)
    if (test(t.Line(k))) found = k;
  return found;
}
int LastStarting(const LineTable& t, int first, int last, std::string_view key) {
  return LastMatch(t, first, last, [&](std::string_view l) { return StartsWith(l, key); });
}
int LastContaining(const LineTable& t, int first, int last, std::string_view a, std::string_view b) {
  return LastMatch(t, first, last, [&](std::string_view l) { return Contains(l, a) || Contains(l, b); });
}

double CircleArea(double diameter) { return std::numbers::pi / 4 * diameter * diameter; }
// Below 5 cm² the area becomes 10 cm², not 5: a deliberate floor for ports too small to matter.
double FlooredPortArea(double area) { return area < 5 ? 10 : std::min(area, 1400.0); }
double DriverCount(double value) { return std::clamp(value, 1.0, kMaxDriverCount); }

}  // namespace

SimulationImport ReadSimulationFile(std::string_view bytes) {
  SimulationImport result;
  const LineTable t(bytes);
  int tableStart = 0, splLine = 0, qlLine = 0;
  for (int k = 1; k <= kImportLineLimit; ++k) {
    const std::string& line = t.Line(k);
    if (StartsWith(line, "f (Hz)")) tableStart = k + 1;
    if (StartsWith(line, "SPL (dB)")) splLine = k;
    if (StartsWith(line, "Ql")) qlLine = k;
  }
  if (tableStart == 0) return result;

  ComparisonHeader& h = result.header;
  h.DriverLabel = t.Line(2);
  std::replace(h.DriverLabel.begin(), h.DriverLabel.end(), '\t', ' ');
  const std::string& typeLine = t.Line(splLine + 2);
  h.BoxType = TypeOf(typeLine);
  h.DriverSpl = std::clamp(ValueOr(t, splLine, 0), 75.0, 120.0);
  h.BoxQl = static_cast<std::int32_t>(std::clamp(ValueOr(t, qlLine, 0), 1.0, 100.0));

  const int a = splLine, b = tableStart;
  const auto volume = [&](std::string_view key) { return std::clamp(ValueOr(t, LastStarting(t, a, b, key), 0), 1.0, 2000.0); };
  const auto value = [&](std::string_view k1, std::string_view k2) { return ValueOr(t, LastContaining(t, a, b, k1, k2), 0); };
  const double pushPull = Contains(typeLine, "push-pull") || Contains(typeLine, "sobarik") ? 2 : 1;
  double drivers = 1;
  switch (h.BoxType) {
    case BoxType::OpenBaffle:
      break;
    case BoxType::Closed:
      h.Volume1 = volume("volume");
      drivers = DriverCount(ValueOr(t, LastStarting(t, a, b, "chassis"), 1));
      break;
    case BoxType::BassReflex: {
      h.Volume1 = volume("volume");
      drivers = DriverCount(ValueOr(t, LastStarting(t, a, b, "chassis"), 1));
      const int portsLine = LastMatch(t, a, b, [](std::string_view l) { return StartsWith(l, "Rohre") || StartsWith(l, "tubes"); });
      const double ports = std::clamp(ValueOr(t, portsLine, 0), 1.0, 8.0);
      h.PortArea1 = FlooredPortArea(ports * CircleArea(value("Durchmess", "diameter")));
      h.PortLength1 = value("nge (cm)", "length (cm)");
      break;
    }
    case BoxType::ClosedBandpass:
      h.Volume1 = volume("volumen g");
      h.Volume2 = volume("volumen reflex");
      h.PortArea1 = FlooredPortArea(CircleArea(value("Rohrdurchmess", "tube diameter")));
      h.PortLength1 = value("Rohrlänge (cm)", "tube leng");
      drivers = pushPull;
      break;
    case BoxType::VentedBandpass:
      h.Volume1 = volume("volumen 1");
      h.Volume2 = volume("volumen 2");
      h.PortArea1 = std::clamp(CircleArea(value("Rohrdurchmesser 1", "tube diameter 1")), 10.0, 1400.0);
      h.PortArea2 = std::clamp(CircleArea(value("Rohrdurchmesser 2", "tube diameter 2")), 10.0, 1400.0);
      h.PortLength1 = value("Rohrlänge 1", "tube length 1");
      h.PortLength2 = value("Rohrlänge 2", "tube length 2");
      drivers = pushPull;
      break;
  }
  h.Multiple = static_cast<std::uint8_t>(drivers);

  double lastLevel = 0;
  std::string frequencyText;
  int row = 0;
  for (int k = tableStart; k <= t.LastRead(); ++k) {
    ++row;
    const std::string& line = t.Line(k);
    const std::size_t tab = line.find('\t');
    std::string_view levelText = "error";
    if (tab != std::string::npos && tab >= 1) {
      levelText = std::string_view(line).substr(tab + 1);
      frequencyText = line.substr(0, tab);
    }
    if (const auto level = Numeric(levelText)) {
      lastLevel = *level;
      ++result.numericLevels;
    }
    if (const auto f = Numeric(frequencyText); f && std::trunc(*f) == row) ++result.matchingRows;
    result.curve[static_cast<std::size_t>(row)] = lastLevel;
  }
  if (result.numericLevels >= kComparisonLevelCount && result.matchingRows >= kComparisonLevelCount) {
    result.outcome = SimulationImport::Accepted;
    result.curve[0] = 1.0;
  } else {
    result.outcome = SimulationImport::Incomplete;
    result.curve[0] = 0.0;
  }
  return result;
}

namespace import_text {
std::string Outcome(const SimulationImport& result, int slot, bool english) {
  switch (result.outcome) {
    case SimulationImport::NoTable:
      return kNotRead;
    case SimulationImport::Incomplete: {
      const std::string counts = FormatFixed(result.numericLevels, 3, 0) + "-" + FormatFixed(result.matchingRows, 3, 0);
      return (english ? "read no data from file, error:" : "Konnte nicht alle Werte aus Datei einlesen, Fehler:") + counts;
    }
    case SimulationImport::Accepted:
      break;
  }
  const std::string n = std::to_string(slot);
  return english ? "read all values from file to #" + n : "Alle Werte aus Datei in #" + n + " eingelesen";
}
}  // namespace import_text

}  // namespace velomare

#include "filters/model/FilterDesign.h"

#include <array>
#include <cmath>

#include "common/NumberText.h"
#include "filters/model/FilterResponse.h"
#include "filters/model/StandardValues.h"

namespace velomare {
namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;
const long double kSqrt2 = std::sqrt(2.0L);

// The "Linkwitz" second order is a Q = 0.5 section whose design frequency is moved by 1.555
// (textbook 1.5538) so that the entered frequency is its -3 dB point.
constexpr long double kLinkwitzShift = 1.555L;

// Normalised element values g1..g4 of orders 3 and 4, as the program has always used them; the
// high pass takes the reciprocal elements. An empty row has no design (all four values 0).
struct Row {
  bool exists;
  long double g[4];
};
Row HigherOrderRow(int order, Characteristic ch, bool lowPass) {
  using C = Characteristic;
  if (order == 3) {
    switch (ch) {
      case C::Butterworth: return {true, {1.5L, lowPass ? 1.333333L : 1.3333L, 0.5L, 0}};
      case C::Bessel: return {true, {1.4631L, 0.8427L, 0.2926L, 0}};
      case C::PhaseLinear: return {true, {1.5018L, 0.9328L, 0.3631L, 0}};
      case C::Linkwitz: return {false, {}};
    }
  }
  switch (ch) {
    case C::Butterworth: return {true, {1.5307L, 1.5772L, 1.0824L, 0.3827L}};
    case C::Bessel: return {true, {1.5012L, 0.9781L, 0.6127L, 0.2114L}};
    case C::Linkwitz: return {true, {1.886L, 1.591L, 0.943L, 0.3536L}};
    case C::PhaseLinear: return {true, {1.5211L, 1.0444L, 0.7395L, 0.2925L}};
  }
  return {false, {}};
}

struct Format {
  int capacitorDecimals, inductorDecimals;
  std::size_t width;
};
Format FormatOf(FilterKind kind) {
  switch (kind) {
    case FilterKind::HighPass: return {2, 2, 10};
    case FilterKind::BandPass: return {2, 3, 15};
    case FilterKind::LowPass: return {3, 2, 10};
  }
  return {2, 2, 10};
}

bool IsCapacitor(Component c) { return c == Component::C1 || c == Component::C2; }

std::string ComponentEditText(double value, int decimals, std::size_t width) {
  return DotToComma(CutDecimals(FormatFixed(value, 2, decimals), width));
}

void WriteAll(FilterCalculation& calc, FilterKind kind, std::initializer_list<Component> order) {
  const Format format = FormatOf(kind);
  FilterValues v;
  v.c1 = calc.c1, v.l1 = calc.l1, v.c2 = calc.c2, v.l2 = calc.l2;
  for (Component c : order) {
    const int decimals = IsCapacitor(c) ? format.capacitorDecimals : format.inductorDecimals;
    calc.writes.push_back({c, ComponentEditText(v.Of(c), decimals, format.width)});
  }
}

// High and low pass share everything but the element formulas and the write order.
FilterCalculation CalcPassParts(bool lowPass, std::string_view zText, std::string_view fText, int order,
                                Characteristic ch) {
  FilterCalculation calc;
  calc.z = ReadNumber(zText);
  calc.f = ReadNumber(fText);
  if (calc.z <= 0.0 || calc.f <= 0.0) return calc;
  calc.componentsChanged = true;
  const long double z = calc.z, f = calc.f;
  // Capacitor (µF) and inductor (mH) of element value g.
  const auto cap = [&](long double g) -> double {
    return static_cast<double>(lowPass ? g * 1e6L / (2 * kPi * f * z) : 1e6L / (2 * kPi * g * f * z));
  };
  const auto ind = [&](long double g) -> double {
    return static_cast<double>(lowPass ? g * 1000 * z / (2 * kPi * f) : 1000 * z / (2 * kPi * g * f));
  };
  // Element 1 is the series element: C1 of the high pass, L1 of the low pass.
  double e[4] = {0, 0, 0, 0};
  if (order == 1) {
    e[0] = lowPass ? ind(1) : cap(1);
  } else if (order == 2) {
    switch (ch) {
      case Characteristic::Butterworth:
        e[0] = lowPass ? static_cast<double>(kSqrt2 * 1000 * z / (2 * kPi * f))
                       : static_cast<double>(1e6L / (2 * kPi * kSqrt2 * z * f));
        e[1] = lowPass ? static_cast<double>(1e6L / (2 * kPi * kSqrt2 * z * f))
                       : static_cast<double>(kSqrt2 * 1000 * z / (2 * kPi * f));
        break;
      case Characteristic::Bessel:
        e[0] = lowPass ? ind(1.3617L) : cap(1.3617L);
        e[1] = lowPass ? cap(0.4539L) : ind(0.4539L);
        break;
      case Characteristic::Linkwitz:
        e[0] = lowPass ? static_cast<double>(1000 * z / (2 * kPi * (kLinkwitzShift / 2) * f))
                       : static_cast<double>(kLinkwitzShift * 1e6L / (4 * kPi * f * z));
        e[1] = lowPass ? static_cast<double>(1e6L / (2 * kPi * (2 * kLinkwitzShift) * f * z))
                       : static_cast<double>(kLinkwitzShift * 1000 * z / (kPi * f));
        break;
      case Characteristic::PhaseLinear: break;
    }
  } else {
    const Row row = HigherOrderRow(order, ch, lowPass);
    if (row.exists) {
      const int elements = order == 3 ? 3 : 4;
      for (int i = 0; i < elements; ++i) {
        const bool series = i % 2 == 0;
        // Low pass: series inductors, shunt capacitors; high pass the other way round.
        e[i] = (series == lowPass) ? ind(row.g[i]) : cap(row.g[i]);
      }
    }
  }
  if (lowPass) {
    calc.l1 = e[0], calc.c1 = e[1], calc.l2 = e[2], calc.c2 = e[3];
    WriteAll(calc, FilterKind::LowPass, {Component::C2, Component::L2, Component::C1, Component::L1});
  } else {
    calc.c1 = e[0], calc.l1 = e[1], calc.c2 = e[2], calc.l2 = e[3];
    WriteAll(calc, FilterKind::HighPass, {Component::L2, Component::L1, Component::C2, Component::C1});
  }
  return calc;
}

std::string QualityNumber(double q, std::size_t width, bool english) {
  const std::string text = CutDecimals(FormatFixed(q, 1, 3), width);
  return english ? text : DotToComma(text);
}

constexpr const char* kUnknownQuality = "Q ?";

}  // namespace

double& FilterValues::Of(Component c) {
  switch (c) {
    case Component::C1: return c1;
    case Component::L1: return l1;
    case Component::C2: return c2;
    case Component::L2: return l2;
  }
  return c1;
}

double FilterValues::Of(Component c) const { return const_cast<FilterValues*>(this)->Of(c); }

FilterCalculation CalcHighPassParts(std::string_view zText, std::string_view fText, int order, Characteristic ch) {
  return CalcPassParts(false, zText, fText, order, ch);
}

FilterCalculation CalcLowPassParts(std::string_view zText, std::string_view fText, int order, Characteristic ch) {
  return CalcPassParts(true, zText, fText, order, ch);
}

FilterCalculation CalcBandPassParts(std::string_view zText, std::string_view fuText, std::string_view foText,
                                    int presetIndex) {
  FilterCalculation calc;
  calc.z = ReadNumber(zText);
  calc.f = ReadNumber(fuText);
  calc.fo = ReadNumber(foText);
  const bool valid = calc.z > 0.0 && calc.f > 10.0 && calc.f <= calc.fo;
  if (!valid) {
    // Every edit shows zero with two decimals here, the inductors too.
    calc.componentsChanged = true;
    for (Component c : {Component::C1, Component::C2, Component::L1, Component::L2})
      calc.writes.push_back({c, DotToComma(FormatFixed(0.0, 2, 2))});
    return calc;
  }
  if (presetIndex < 0 || presetIndex > 3) return calc;
  calc.componentsChanged = true;
  const long double z = calc.z, fu = calc.f, fo = calc.fo;
  switch (presetIndex) {
    case 0:
      calc.c1 = static_cast<double>(1e6L / (2 * kPi * fu * z));
      calc.l1 = static_cast<double>(1000 * z / (2 * kPi * fo));
      break;
    case 1:
      calc.c1 = static_cast<double>(kLinkwitzShift * 1e6L / (4 * kPi * fu * z));
      calc.l2 = static_cast<double>(kLinkwitzShift * 1000 * z / (kPi * fu));
      calc.l1 = static_cast<double>(1000 * z / (2 * kPi * (kLinkwitzShift / 2) * fo));
      calc.c2 = static_cast<double>(1e6L / (2 * kPi * (2 * kLinkwitzShift) * fo * z));
      break;
    case 2:
      calc.c1 = static_cast<double>(1e6L / (2 * kPi * 1.3617L * fu * z));
      calc.l2 = static_cast<double>(1000 * z / (2 * kPi * 0.4539L * fu));
      calc.l1 = static_cast<double>(1361.7L * z / (2 * kPi * fo));
      calc.c2 = static_cast<double>(453900 / (2 * kPi * fo * z));
      break;
    case 3:
      calc.c1 = static_cast<double>(1e6L / (2 * kPi * kSqrt2 * fu * z));
      calc.l2 = static_cast<double>(kSqrt2 * 1000 * z / (2 * kPi * fu));
      calc.l1 = static_cast<double>(kSqrt2 * 1000 * z / (2 * kPi * fo));
      calc.c2 = static_cast<double>(1e6L / (2 * kPi * kSqrt2 * fo * z));
      break;
  }
  WriteAll(calc, FilterKind::BandPass, {Component::C1, Component::C2, Component::L1, Component::L2});
  calc.secondStageEnabled = presetIndex != kBandPassFirstOrder;
  return calc;
}

void TakeCalculation(FilterValues& values, const FilterCalculation& calc) {
  values.z = calc.z;
  values.f = calc.f;
  values.fo = calc.fo;
  if (!calc.componentsChanged) return;
  values.c1 = calc.c1, values.l1 = calc.l1, values.c2 = calc.c2, values.l2 = calc.l2;
}

std::optional<std::string> FilterQualityText(FilterKind kind, const FilterValues& v, int order, bool english) {
  if (kind != FilterKind::BandPass) {
    if (v.z <= 0.0) return std::string(kUnknownQuality);
    if (order == 1) return std::string(english ? "quality = 0.707" : "Güte = 0,707");
    if (order != 2) return std::string();
    double q = 0.0;
    if (v.c1 > 0.0 && v.l1 > 0.0) q = std::sqrt(v.z * v.z * v.c1 / (1000.0 * v.l1));
    if (!std::isfinite(q)) return std::string(kUnknownQuality);
    return std::string(english ? "quality = " : "Güte = ") + QualityNumber(q, 10, english);
  }
  if (!(v.l1 > 0.0001 && v.c1 > 0.0001)) return std::nullopt;
  if (v.l2 == 0.0 && v.c2 == 0.0) {
    if (v.z <= 0.0) return std::string(kUnknownQuality);
    const double q = std::sqrt(1000.0 * v.l1 / v.c1) / v.z;
    if (!std::isfinite(q)) return std::string(kUnknownQuality);
    return std::string(english ? "quality = 0.7; total resonant circuit quality "
                               : "Güte = 0,7; Gesamt-Schwingkreis-Güte ") +
           QualityNumber(q, 15, english);
  }
  // Two second-order sections: C2 with L1 the low pass, C1 with L2 the high pass.
  if (v.z <= 0.0 || v.l2 <= 0.0 || v.c2 < 0.0) return std::string(kUnknownQuality);
  const double qLow = std::sqrt(v.z * v.z * v.c2 / (1000.0 * v.l1));
  const double qHigh = std::sqrt(v.z * v.z * v.c1 / (1000.0 * v.l2));
  if (!std::isfinite(qLow) || !std::isfinite(qHigh)) return std::string(kUnknownQuality);
  return std::string(english ? "quality of low pass " : "Güte des Tiefpasses ") + QualityNumber(qLow, 15, english) +
         (english ? "; quality of high pass " : "; Güte des Hochpasses ") + QualityNumber(qHigh, 15, english);
}

std::optional<std::string> StepComponentText(std::string_view text, UpDownDirection direction,
                                             const ComponentStepRule& rule) {
  double v = ReadNumber(text);
  switch (direction) {
    case UpDownDirection::Down:
      if (!(rule.downInclusive ? v >= rule.downAbove : v > rule.downAbove)) return std::nullopt;
      v = StepSeriesDown(*rule.series, v);
      break;
    case UpDownDirection::Up:
      if (!(v > rule.upAbove && (rule.upInclusive ? v <= rule.upBelow : v < rule.upBelow))) return std::nullopt;
      v = StepSeriesUp(*rule.series, v);
      break;
    case UpDownDirection::None: v = 1.0; break;
  }
  // Stepped values carry the point, the decimal separator of this program, in both languages.
  return FormatFixed(v, 1, rule.decimals);
}

std::optional<std::string> StepFrequencyText(FrequencyEdit which, std::string_view text,
                                             std::string_view partnerText, UpDownDirection direction) {
  const bool band = which != FrequencyEdit::Single;
  double v = ReadNumber(text);
  if (band) {
    const double partner = ReadNumber(partnerText);
    if (!(v > 0.0 && partner > 0.0)) return std::nullopt;
    const double fu = which == FrequencyEdit::BandLower ? v : partner;
    const double fo = which == FrequencyEdit::BandLower ? partner : v;
    if (which == FrequencyEdit::BandLower && direction == UpDownDirection::Up && !(fo > fu)) return std::nullopt;
    if (which == FrequencyEdit::BandUpper && direction == UpDownDirection::Down && !(fu < fo)) return std::nullopt;
  }
  switch (direction) {
    case UpDownDirection::Down:
      if (v > 20 && v <= 100) v -= 1;
      else if (v > 100 && v <= 1000) v -= 10;
      else if (v > 1000 && v <= 10000) v -= 100;
      else if (v > 10000 && (!band || v <= 25100)) v -= 1000;
      else return std::nullopt;
      break;
    case UpDownDirection::Up:
      if (v < 100 && (!band || v >= 19)) v += 1;
      else if (v >= 100 && v < 1000) v += 10;
      else if (v >= 1000 && v < 10000) v += 100;
      else if (v >= 10000 && v <= 24000) v += 1000;
      else return std::nullopt;
      break;
    case UpDownDirection::None: v = 2000; break;
  }
  return FormatFixed(std::round(v), 1, 0);
}

const char* PlainCaption(FilterKind kind, bool english) {
  switch (kind) {
    case FilterKind::HighPass: return english ? "high pass" : "Hochpass ";
    case FilterKind::BandPass: return english ? "band pass" : "Bandpass ";
    case FilterKind::LowPass: return english ? "low pass" : "Tiefpass ";
  }
  return "";
}

std::optional<std::string> CursorCaption(FilterKind kind, int x, int y, int outerWidth, int outerHeight,
                                         bool english) {
  // Above the diagram's top line (+10 dB, +180°) there is no read-out.
  const FilterDiagramGeometry g = FilterDiagramGeometry::For(kind, outerWidth, outerHeight);
  const int threshold = kind == FilterKind::BandPass ? 165 : 200;
  if (y <= threshold || g.PlotHeight() <= 0 || outerWidth <= 30) return std::nullopt;
  const double f = g.FrequencyAt(x);
  const double level = g.LevelAt(y);
  const double phase = g.PhaseAt(y);
  if (!std::isfinite(f) || !std::isfinite(level) || !std::isfinite(phase)) return std::nullopt;
  const char* opening = nullptr;
  switch (kind) {
    case FilterKind::HighPass: opening = english ? "high pass (cursor " : "Hochpass (Cursor "; break;
    case FilterKind::BandPass: opening = english ? "band pass (cursor " : "Bandpass (Cursor "; break;
    case FilterKind::LowPass: opening = english ? "low pass (cursor " : "Tiefpass (Cursor "; break;
  }
  return std::string(opening) + FormatFixedComma(f, 3, 1) + " Hz / " + FormatFixedComma(level, 3, 1) + " dB / " +
         FormatFixedComma(phase, 3, 0) + " °)";
}

const char* SectionName(FilterKind kind) {
  switch (kind) {
    case FilterKind::HighPass: return "Hochpass";
    case FilterKind::BandPass: return "Bandpass";
    case FilterKind::LowPass: return "Tiefpass";
  }
  return "";
}

namespace {

std::string StoredNumber(double v) { return FormatPlain(v, 15, '.'); }

double NumberOr(std::string_view text, double fallback) { return IsNumberText(text) ? TextToFloat(text) : fallback; }

// A stored number that is missing or no number text reads as 0.
double ReadStored(const platform::IniFile& ini, const char* section, const char* key) {
  return ReadNumber(ini.ReadString(section, key, "0"));
}

}  // namespace

bool SaveFilterSection(platform::IniFile& ini, FilterKind kind, const FilterCloseState& s) {
  const char* section = SectionName(kind);
  const std::string z = StoredNumber(NumberOr(s.z, 4));
  const std::string c1 = StoredNumber(ReadNumber(s.c1)), l1 = StoredNumber(ReadNumber(s.l1));
  const std::string c2 = StoredNumber(ReadNumber(s.c2)), l2 = StoredNumber(ReadNumber(s.l2));
  const std::string characteristic = std::to_string(static_cast<int>(s.characteristic));
  const std::string order = std::to_string(s.order);
  std::vector<std::pair<const char*, std::string>> keys;
  switch (kind) {
    case FilterKind::HighPass:
      keys = {{"Z", z}, {"f", StoredNumber(NumberOr(s.f, 1000))}, {"Guete", characteristic}, {"Ordnung", order},
              {"C1", c1}, {"L1", l1}, {"C2", c2}, {"L2", l2}};
      break;
    case FilterKind::BandPass:
      keys = {{"Z", z}, {"fu", StoredNumber(NumberOr(s.f, 1000))}, {"fo", StoredNumber(NumberOr(s.fo, 5000))},
              {"Ordnung", order}, {"L1", l1}, {"C1", c1}, {"L2", l2}, {"C2", c2}};
      break;
    case FilterKind::LowPass:
      keys = {{"Z", z}, {"fo", StoredNumber(NumberOr(s.f, 2000))}, {"Ordnung", order}, {"Guete", characteristic},
              {"L1", l1}, {"C1", c1}, {"L2", l2}, {"C2", c2}};
      break;
  }
  ini.BeginUpdate();
  for (const auto& [key, value] : keys) ini.WriteString(section, key, value);
  return ini.CommitUpdate();
}

FilterRestore ReadFilterSection(const platform::IniFile& ini, FilterKind kind) {
  const char* section = SectionName(kind);
  FilterRestore r;
  const double z = ReadStored(ini, section, "Z");
  r.z = (z >= 1 && z <= 1000) ? StoredNumber(z) : "4";
  switch (kind) {
    case FilterKind::HighPass: {
      const double f = ReadStored(ini, section, "f");
      r.f = (f > 20 && f <= 10000) ? StoredNumber(f) : "2000";
      break;
    }
    case FilterKind::LowPass: {
      const double f = ReadStored(ini, section, "fo");
      r.f = (f > 20 && f <= 20000) ? StoredNumber(f) : "2000";
      break;
    }
    case FilterKind::BandPass: {
      const double fu = ReadStored(ini, section, "fu");
      const double fo = ReadStored(ini, section, "fo");
      r.f = (fu > 10 && fu <= 10000) ? StoredNumber(fu) : "1000";
      r.fo = (fo > fu && fo <= 50000) ? StoredNumber(fo) : "5000";
      break;
    }
  }
  const int order = ini.ReadInteger(section, "Ordnung", 2);
  r.order = (order == 1 || order == 3 || order == 4) ? order : 2;
  r.presetIndex = order == 1 ? kBandPassFirstOrder : kBandPassDefaultPreset;
  const int characteristic = ini.ReadInteger(section, "Guete", 1);
  r.characteristic = (characteristic >= 2 && characteristic <= 4) ? static_cast<Characteristic>(characteristic)
                                                                  : Characteristic::Butterworth;
  // The high pass keeps capacitors below 1000 µF and inductors below 10000 mH, the others the
  // other way round.
  const double capacitorLimit = kind == FilterKind::HighPass ? 1000 : 10000;
  const double inductorLimit = kind == FilterKind::HighPass ? 10000 : 1000;
  const auto component = [&](const char* key, double limit) -> std::optional<std::string> {
    const double v = ReadStored(ini, section, key);
    if (v > 0 && v < limit) return StoredNumber(v);
    return std::nullopt;
  };
  r.c1 = component("C1", capacitorLimit);
  r.l1 = component("L1", inductorLimit);
  r.c2 = component("C2", capacitorLimit);
  r.l2 = component("L2", inductorLimit);
  return r;
}

}  // namespace velomare

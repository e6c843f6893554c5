#include "enclosures/model/ClosedBandpass.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/Helmholtz.h"

namespace velomare {
namespace {

constexpr const char* kSection = "geschl.Bandpass";
constexpr double kQuarterPi = 0.785398163397448;

// A design table within one S value: each step holds from its first Qt x 100 up to the next step.
struct Step {
  int first;
  double value;
};

constexpr Step kLowerSteps04[] = {
    {0, 0.307}, {80, 0.323}, {83, 0.339}, {85, 0.357}, {87, 0.37}, {88, 0.38}, {90, 0.393}, {92, 0.413},
    {95, 0.433}, {98, 0.454}, {100, 0.476}, {103, 0.499}, {107, 0.423}, {110, 0.548}, {114, 0.574},
    {116, 0.587}, {118, 0.601}, {123, 0.648}, {127, 0.688}, {130, 0.72}, {134, 0.752}, {139, 0.786},
    {143, 0.821}, {147, 0.857}, {150, 0.895}, {155, 0.934}, {159, 0.975}, {165, 1.016}, {170, 1.06},
    {175, 1.105}, {180, 1.15}, {184, 1.2}, {190, 1.25}, {197, 1.3},
};
constexpr Step kLowerSteps05[] = {
    {0, 0.26}, {63, 0.28}, {65, 0.29}, {67, 0.3}, {70, 0.32}, {72, 0.33}, {74, 0.34}, {76, 0.35}, {77, 0.37},
    {79, 0.39}, {81, 0.4}, {84, 0.42}, {86, 0.43}, {88, 0.44}, {89, 0.47}, {91, 0.49}, {93, 0.51}, {98, 0.52},
    {100, 0.55}, {101, 0.57}, {103, 0.58}, {105, 0.6}, {107, 0.61}, {109, 0.63}, {111, 0.65}, {114, 0.67},
    {116, 0.69}, {118, 0.71}, {120, 0.73}, {122, 0.74}, {124, 0.76}, {126, 0.78}, {127, 0.79}, {129, 0.81},
    {131, 0.83}, {133, 0.85}, {135, 0.86}, {137, 0.88}, {140, 0.9}, {142, 0.91}, {144, 0.93}, {146, 0.96},
    {148, 0.98}, {150, 1}, {151, 1.02}, {153, 1.03}, {155, 1.05}, {157, 1.07},
};
constexpr Step kLowerSteps06[] = {
    {0, 0.23}, {53, 0.24}, {55, 0.25}, {58, 0.27}, {60, 0.29}, {62, 0.31}, {63, 0.33}, {65, 0.34}, {67, 0.35},
    {70, 0.37}, {72, 0.385}, {74, 0.4}, {76, 0.42}, {77, 0.44}, {79, 0.46}, {81, 0.47}, {84, 0.49},
    {86, 0.51}, {88, 0.52}, {89, 0.54}, {91, 0.56}, {93, 0.58}, {96, 0.595}, {98, 0.61}, {100, 0.63},
    {101, 0.65}, {103, 0.67}, {105, 0.69}, {107, 0.705}, {109, 0.72}, {111, 0.74}, {114, 0.76}, {116, 0.78},
    {118, 0.8}, {120, 0.82}, {122, 0.83}, {124, 0.845}, {126, 0.86}, {127, 0.89}, {129, 0.91}, {131, 0.925},
    {133, 0.94},
};
constexpr Step kLowerSteps07[] = {
    {0, 0.22}, {46, 0.23}, {49, 0.245}, {51, 0.26}, {52, 0.28}, {54, 0.295}, {56, 0.315}, {59, 0.325},
    {61, 0.345}, {63, 0.365}, {64, 0.385}, {66, 0.4}, {68, 0.42}, {71, 0.43}, {73, 0.45}, {75, 0.47},
    {76, 0.49}, {78, 0.5}, {80, 0.52}, {83, 0.54}, {85, 0.56}, {87, 0.58}, {88, 0.6}, {90, 0.62}, {92, 0.64},
    {95, 0.65}, {97, 0.67}, {99, 0.69}, {101, 0.71}, {102, 0.73}, {104, 0.75}, {106, 0.77}, {108, 0.79},
    {110, 0.81}, {112, 0.83},
};
constexpr Step kUpperSteps04[] = {
    {0, 2.02}, {80, 2.04}, {83, 2.055}, {85, 2.07}, {87, 2.08}, {88, 2.09}, {90, 2.11}, {92, 2.12},
    {95, 2.14}, {98, 2.16}, {100, 2.19}, {103, 2.215}, {107, 2.24}, {110, 2.26}, {114, 2.29}, {116, 2.31},
    {118, 2.35}, {123, 2.375}, {127, 2.41}, {130, 2.44}, {134, 2.47}, {139, 2.5}, {143, 2.54}, {147, 2.575},
    {150, 2.61}, {155, 2.65}, {159, 2.69}, {165, 2.72}, {170, 2.78}, {175, 2.83}, {180, 2.87}, {184, 2.91},
    {190, 2.97}, {197, 3.01},
};
constexpr Step kUpperSteps05[] = {
    {0, 1.53}, {63, 1.54}, {65, 1.55}, {67, 1.565}, {70, 1.58}, {72, 1.6}, {74, 1.61}, {76, 1.625},
    {77, 1.645}, {79, 1.66}, {81, 1.67}, {84, 1.69}, {86, 1.7}, {88, 1.715}, {89, 1.73}, {91, 1.75},
    {93, 1.77}, {96, 1.785}, {98, 1.8}, {100, 1.82}, {101, 1.84}, {103, 1.855}, {105, 1.87}, {107, 1.885},
    {109, 1.9}, {111, 1.92}, {114, 1.94}, {116, 1.96}, {118, 1.98}, {120, 2}, {122, 2.014}, {124, 2.03},
    {126, 2.05}, {127, 2.07}, {129, 2.09}, {131, 2.105}, {133, 2.12}, {135, 2.135}, {137, 2.15}, {140, 2.166},
    {142, 2.182}, {144, 2.2}, {146, 2.24}, {148, 2.26}, {150, 2.27}, {151, 2.28}, {153, 2.3}, {155, 2.32},
    {157, 2.34},
};
constexpr Step kUpperSteps06[] = {
    {0, 1.18}, {53, 1.2}, {55, 1.215}, {58, 1.23}, {60, 1.25}, {62, 1.26}, {63, 1.275}, {65, 1.295},
    {67, 1.31}, {70, 1.325}, {72, 1.34}, {74, 1.36}, {76, 1.375}, {77, 1.395}, {79, 1.415}, {81, 1.42},
    {84, 1.44}, {86, 1.46}, {88, 1.48}, {89, 1.5}, {91, 1.52}, {93, 1.54}, {96, 1.555}, {98, 1.56},
    {100, 1.58}, {101, 1.6}, {103, 1.62}, {105, 1.64}, {107, 1.66}, {109, 1.68}, {111, 1.7}, {114, 1.715},
    {116, 1.735}, {118, 1.75}, {120, 1.77}, {122, 1.79}, {124, 1.81}, {126, 1.83}, {127, 1.845}, {129, 1.86},
    {131, 1.88}, {133, 1.9},
};
constexpr Step kUpperSteps07[] = {
    {0, 0.94}, {46, 0.95}, {49, 0.965}, {51, 0.98}, {52, 1}, {54, 1.015}, {56, 1.03}, {59, 1.05}, {61, 1.07},
    {63, 1.09}, {64, 1.105}, {66, 1.12}, {68, 1.14}, {71, 1.16}, {73, 1.175}, {75, 1.19}, {76, 1.21},
    {78, 1.23}, {80, 1.25}, {83, 1.27}, {85, 1.29}, {87, 1.305}, {88, 1.32}, {90, 1.34}, {92, 1.36},
    {95, 1.375}, {97, 1.39}, {99, 1.41}, {101, 1.43}, {102, 1.45}, {104, 1.47}, {106, 1.49}, {108, 1.51},
    {110, 1.53}, {112, 1.55},
};

// The S bands have exclusive bounds; S exactly on an edge belongs to none.
int SBand(double s) {
  if (s > 0.35 && s < 0.45) return 0;
  if (s > 0.45 && s < 0.55) return 1;
  if (s > 0.55 && s < 0.65) return 2;
  if (s > 0.65 && s < 0.75) return 3;
  return -1;
}

double Lookup(std::span<const Step> steps, double qt) {
  const double hundredths = std::round(std::clamp(qt * 100.0, -1e6, 1e6));
  double value = steps.front().value;
  for (const Step& step : steps)
    if (hundredths >= step.first) value = step.value;
  return value;
}

double TableOf(double s, double qt, std::span<const Step> b04, std::span<const Step> b05, std::span<const Step> b06,
               std::span<const Step> b07) {
  switch (SBand(s)) {
    case 0: return Lookup(b04, qt);
    case 1: return Lookup(b05, qt);
    case 2: return Lookup(b06, qt);
    case 3: return Lookup(b07, qt);
    default: return 0;
  }
}

double PortDiameterOf(const BandpassInputs& in) {
  if (!in.tunnel) return ReadNumber(in.tubeText);
  const double w = ReadNumber(in.widthText), h = ReadNumber(in.heightText);
  if (!(w * h > 0)) return 0;
  return TubeDiameterOf(w * h);
}

std::string EditNumber(double value, bool english) {
  const std::string text = FormatFixed(value, 2, 1);
  return english ? text : DotToComma(text);
}

bool SameDriver(const BandpassDriver& a, const BandpassDriver& b) {
  return a.qts == b.qts && a.qes == b.qes && a.fs == b.fs && a.vas == b.vas;
}

}  // namespace

BandpassDriver BandpassDriverFromCommitted() { return {ChassisQts, ChassisQes, ChassisFs, ChassisVas}; }

double BandpassTableA(double s, double qt) {
  return TableOf(s, qt, kLowerSteps04, kLowerSteps05, kLowerSteps06, kLowerSteps07);
}

double BandpassTableB(double s, double qt) {
  return TableOf(s, qt, kUpperSteps04, kUpperSteps05, kUpperSteps06, kUpperSteps07);
}

double BandpassLineFit(double s, double qt) {
  // Two straight lines per S, the second from the threshold upward.
  struct Fit {
    double slopeLow, offsetLow, threshold, slopeHigh, offsetHigh;
  };
  constexpr Fit kFits[] = {
      {17.3423, 21.6779, 1.25, 10.942416, 13.678},
      {21.6802, 21.6802, 1.0, 13.67756, 13.67756},
      {26.01626, 21.6715, 0.833, 16.4136, 13.6775},
      {30.349, 21.6783, 0.7143, 19.14792, 13.67756},
  };
  const int band = SBand(s);
  if (band < 0) return 0;
  const Fit& fit = kFits[band];
  if (qt < fit.threshold) return fit.slopeLow * qt - fit.offsetLow;
  return fit.slopeHigh * qt - fit.offsetHigh;
}

void SetPushPull(ClosedBandpassState& state, bool on) {
  state.vasFactor = on ? 0.5 : 1.0;
  state.pushPullDb = on ? 3.0 : 0.0;
}

QtRange SetQtRangeForS(const ClosedBandpassState& state, double qts) {
  QtRange range;
  switch (SBand(state.s)) {
    case 0: range = {80, 200, true}; break;
    case 1: range = {60, 160, true}; break;
    case 2: range = {50, 130, true}; break;
    case 3: range = {45, 110, true}; break;
    default: break;
  }
  range.enabled = !(qts >= 1.0);
  if (range.minimum < 100.0 * qts) range.minimum = TruncToInt(std::min(100.0 * qts + 1.0, 1e6));
  // A driver with Qts above about 1.1 raises the minimum past the band's end: no valid design.
  if (range.maximum < range.minimum) {
    range.maximum = range.minimum;
    range.enabled = false;
  }
  return range;
}

BandpassEditTexts DesignClosedBandpass(ClosedBandpassState& st, const BandpassInputs& in, const BandpassDriver& d,
                                       bool english) {
  st.qt = in.qtPosition / 100.0;
  st.s = in.sPosition / 10.0;
  st.designedFor = d;
  st.designedOnce = true;

  const double diameter = PortDiameterOf(in);
  if (diameter > 0 && std::isfinite(diameter)) {
    st.portDiameter = diameter;
    st.portArea = kQuarterPi * diameter * diameter;
  } else {
    st.portDiameter = 0;
  }

  // fs and Vas above 0 keep the divisions below defined; the committed driver always has them.
  st.designValid = d.qts > 0.1 && d.qts <= 1.0 && st.s > 0.3 && st.qt > 0.3 && d.fs > 0 && d.vas > 0;
  if (st.designValid) {
    st.midFrequency = d.fs / d.qts;
    st.fb = st.qt * d.fs / d.qts;
    const double a = d.vas * st.vasFactor;
    st.vr = std::pow(2.0 * st.s * d.qts, 2) * a;
    const double r = std::pow(st.qt / d.qts, 2);
    st.vg = r > 1 ? a / (r - 1) : 0.0;
    const double radius = st.portDiameter / 2;
    if (st.vg > 0)
      st.portLength = HelmholtzTubeLength(radius, st.fb, st.vr);
    else
      st.portLength = 1.0;
    const double kA = BandpassTableA(st.s, st.qt), kB = BandpassTableB(st.s, st.qt);
    st.lowerLimit = kA > 0.2 ? d.fs / d.qts * kA : 1.0;
    st.upperLimit = kB > 0.5 ? d.fs / d.qts * kB : 1.0;
    st.gain = BandpassLineFit(st.s, st.qt) - st.pushPullDb;
    // The driver's reference level from the whole Vas, also with push-pull.
    const std::optional<double> reference = ReferenceSpl(d.fs, d.vas, d.qes);
    st.splKnown = reference.has_value();
    st.spl = reference.value_or(0.0) + st.gain;
  } else {
    st.vg = st.fb = st.portLength = st.lowerLimit = st.upperLimit = 0;
  }

  BandpassEditTexts texts;
  if (st.vr > 0 && st.vg > 0 && d.qts > 0 && std::isfinite(st.portLength) && std::isfinite(st.vr) &&
      std::isfinite(st.vg)) {
    texts.portLength = EditNumber(st.portLength, english);
    texts.vg = EditNumber(st.vg, english);
    texts.vr = EditNumber(st.vr, english);
  }

  switch (in.sPosition) {
    case 7: st.ripple = 0.0; break;
    case 6: st.ripple = 0.35; break;
    case 5: st.ripple = 1.25; break;
    case 4: st.ripple = 2.6; break;
    default: break;
  }
  return texts;
}

BandpassRecalcTexts RecalcBandpassFromEdits(ClosedBandpassState& st, std::string_view portLengthText,
                                            std::string_view vgText, std::string_view vrText,
                                            const BandpassDriver& d) {
  st.portLength = ReadNumber(portLengthText);
  st.vg = ReadNumber(vgText);
  st.vr = ReadNumber(vrText);
  BandpassRecalcTexts texts;
  st.qtc = 0;
  st.tuning = 0;
  // Qtc is the sealed chamber's alone: it stands beside a port that cannot be built too (a
  // negative designed length, which high fs / Qts drivers get), where it used to read 0,00.
  if (st.vg > 0 && st.vr > 0) {
    const double qtc = d.qts * std::sqrt(d.vas * st.vasFactor / st.vg + 1.0);
    st.qtc = std::isfinite(qtc) ? qtc : 0.0;
  }
  if (st.vg > 0 && st.vr > 0 && st.portLength > 0) {
    texts.updateQl = true;
    st.tuning = HelmholtzTuning(st.portDiameter / 2, st.vr, st.portLength);
  }
  texts.qtcLabel = "Qtc = " + FormatFixed(st.qtc, 1, 2);
  texts.frLabel = "fr = " + FormatFixed(st.tuning, 2, 1) + " Hz";
  return texts;
}

int UpdateBandpassQl(ClosedBandpassState& st, bool autoQl, int scrollPosition) {
  if (!autoQl) {
    st.ql = scrollPosition;
    return scrollPosition;
  }
  // The whole part, not the rounded value; clamped while still a double.
  if (st.vr > 0) st.ql = static_cast<int>(std::clamp(std::floor(std::sqrt(3000.0 / st.vr) + 1.0), 1.0, 100.0));
  st.ql = std::clamp(st.ql, 1, 100);
  return st.ql;
}

std::string BandpassQlLabel(bool english, int scrollPosition) {
  return std::string(english ? "loss factor quality Ql = " : "Verlustfaktor Ql = ") + std::to_string(scrollPosition);
}

BandpassResultTexts ShowBandpassResults(const ClosedBandpassState& st, bool english) {
  const auto pick = [english](const char* german, const char* englishText) {
    return std::string(english ? englishText : german);
  };
  const auto shown = [&st](double value, int width, int decimals) {
    return st.designValid && std::isfinite(value) ? FormatFixed(value, width, decimals) : std::string();
  };
  BandpassResultTexts t;
  t.label2 = pick("Gesamtgüte / Qt = ", "total quality Qt = ") + FormatFixed(st.qt, 1, 2);
  t.label1 = pick("Kurvenform / S = ", "graph form S = ") + FormatFixed(st.s, 1, 1);
  t.label10 = pick("Tunnel-/Rohrfläche = ", "tunnel/tube cross section ") +
              (st.portDiameter > 0 ? FormatFixed(st.portArea, 3, 0) : std::string()) + " cm²";
  t.label7 = pick("Reflexrohrlänge lr (cm) ", "reflex tube length lt (cm) ");
  t.label4 = pick("Reflex-Volumen Vr (l)", "reflex volume Vr (l) ");
  t.label3 = pick("geschlossenes Volumen Vg (l)", "closed volume Vg (l) ");
  t.label11 = pick("Resonanzfrequenz fr = ", "resonance frequency fr = ") + shown(st.fb, 2, 1) + " Hz";
  t.label5 = pick("untere Grenzfrequenz fgunten = ", "lower frequency fgl = ") + shown(st.lowerLimit, 2, 0) + " Hz";
  t.label6 = pick("obere Grenzfrequenz fgoben = ", "upper frequency fgu = ") + shown(st.upperLimit, 2, 0) + " Hz";
  t.label12 = pick("Schalldruck = ", "SPL = ") + (st.splKnown ? shown(st.spl, 3, 0) : std::string()) + " dB";
  t.label13 = pick("Wirkungsgrad = ", "efficiency = ") + shown(st.gain, 3, 1) + " dB";
  t.label15 = pick("Mittelfrequenz fm = ", "mid frequency fm = ") + FormatFixed(st.midFrequency, 2, 1) + " Hz";
  t.well = pick("Welligkeit = ", "peak to valley = ") + FormatFixed(st.ripple, 1, 2) + "dB";
  return t;
}

BandpassLevelInputs BandpassLevelInputsOf(const ClosedBandpassState& st, const BandpassDriver& d) {
  return {d.qts, d.fs, d.vas * st.vasFactor, st.vg, st.vr, st.tuning, static_cast<double>(st.ql)};
}

bool BandpassPlotDrawable(const ClosedBandpassState& st, const BandpassDriver& d) {
  return d.qts >= 0.05 && st.vr > 0 && d.vas > 1 && d.fs > 10 && st.tuning > 0 && st.vg > 0 && st.ql >= 1;
}

bool BandpassStoreValid(const ClosedBandpassState& st, const BandpassDriver& d) {
  return d.qts > 0.01 && d.fs > 1 && d.vas > 0.1 && st.vg > 0.1 && st.vr > 0.1 && st.fb > 1 && st.ql >= 1 &&
         st.tuning > 0 && st.portLength > 0;
}

std::optional<ComparisonLevels> BandpassLevels(const ClosedBandpassState& st, const BandpassDriver& d) {
  const BandpassLevelInputs inputs = BandpassLevelInputsOf(st, d);
  ComparisonLevels levels{};
  for (int f = 1; f <= kComparisonLevelCount; ++f) {
    const std::optional<double> level = BandpassLevel(inputs, f);
    if (!level) return std::nullopt;
    levels[static_cast<std::size_t>(f - 1)] = *level;
  }
  return levels;
}

ComparisonHeader BandpassComparisonHeader(const ClosedBandpassState& st, bool pushPull) {
  ComparisonHeader header = HeaderForCommittedDriver(BoxType::ClosedBandpass);
  header.Multiple = pushPull ? 2 : 1;
  header.BoxQl = st.ql;
  header.Volume1 = st.vg;
  header.Volume2 = st.vr;
  header.PortArea1 = st.portArea;
  header.PortLength1 = st.portLength;
  return header;
}

ClosedBandpassExportValues BandpassExportValues(const ClosedBandpassState& st, bool pushPull, bool tunnel,
                                                const std::string& widthText, const std::string& heightText) {
  ClosedBandpassExportValues v;
  v.pushPull = pushPull;
  v.vg = st.vg;
  v.vr = st.vr;
  v.ql = st.ql;
  v.portDiameter = st.portDiameter;
  v.portLength = st.portLength;
  v.rectangularPort = tunnel;
  v.tunnelWidthText = widthText;
  v.tunnelHeightText = heightText;
  return v;
}

std::string BandpassCaption(bool english, bool pushPull) {
  if (english) return pushPull ? "closed band pass subwoofer with push-pull" : "closed band pass subwoofer";
  return pushPull ? "Geschlossenes Bandpaßgehäuse mit Push-Pull-Prinzip" : "Geschlossenes Bandpaßgehäuse";
}

std::string BandpassPointerCaption(bool english, bool pushPull, bool inArea, bool curveMode, double frequency,
                                   double level) {
  const std::string base = BandpassCaption(english, pushPull);
  if (!inArea) return base;
  std::string f = CutDecimals(FormatFixed(frequency, 3, 1), 15);
  std::string l = FormatFixed(level, 3, 1);
  if (!english) {
    f = DotToComma(f);
    l = DotToComma(l);
  }
  if (curveMode)
    return english ? base + " (curve " + l + " dB at " + f + " Hz)" : base + " (Kurve " + l + " dB bei " + f + " Hz)";
  return base + " (cursor " + f + "Hz / " + l + "dB)";
}

BandpassSavedValues ReadBandpassSection(const platform::IniFile& ini) {
  const auto number = [&ini](const char* key) { return ReadNumber(ini.ReadString(kSection, key, "0")); };
  const auto edit = [](double value, const char* fallback) {
    return value > 0 && value < 100 ? FormatPlain(value, 15, '.') : std::string(fallback);
  };
  const auto whole = [](double value) { return value == std::floor(value) ? static_cast<int>(value) : 0; };
  BandpassSavedValues v;
  v.tubeText = edit(number("Durchmesser"), "8");
  v.widthText = edit(number("Tunnelbreite"), "10");
  v.heightText = edit(number("Tunnelhoehe"), "5");
  const double s = number("S"), qt = number("Qt");
  const int sPosition = s >= 4 && s <= 7 ? whole(s) : 0;
  const int qtPosition = qt >= 45 && qt <= 200 ? whole(qt) : 0;
  v.sPosition = sPosition != 0 ? sPosition : 6;
  v.qtPosition = qtPosition != 0 ? qtPosition : 100;
  v.pushPull = ini.ReadBool(kSection, "Isobarik", false);
  v.tunnel = ini.ReadBool(kSection, "Tunnel", false);
  return v;
}

BandpassClosingValues BandpassValuesFromControls(std::string_view tube, std::string_view width,
                                                 std::string_view height, int sPosition, int qtPosition,
                                                 bool pushPull, bool tunnel) {
  const auto number = [](std::string_view text, double fallback) {
    return IsNumberText(text) ? TextToFloat(text) : fallback;
  };
  return {number(tube, 8.0), number(width, 10.0), number(height, 5.0), sPosition, qtPosition, pushPull, tunnel};
}

bool WriteBandpassSection(platform::IniFile& ini, const BandpassClosingValues& v) {
  ini.BeginUpdate();
  ini.WriteString(kSection, "Durchmesser", FormatPlain(v.tube, 15, '.'));
  ini.WriteString(kSection, "Tunnelbreite", FormatPlain(v.width, 15, '.'));
  ini.WriteString(kSection, "Tunnelhoehe", FormatPlain(v.height, 15, '.'));
  ini.WriteInteger(kSection, "S", v.sPosition);
  ini.WriteInteger(kSection, "Qt", v.qtPosition);
  ini.WriteBool(kSection, "Isobarik", v.pushPull);
  ini.WriteBool(kSection, "Tunnel", v.tunnel);
  return ini.CommitUpdate();
}

bool BandpassDriverChanged(const ClosedBandpassState& st, const BandpassDriver& d) {
  return !st.designedOnce || !SameDriver(st.designedFor, d);
}

}  // namespace velomare

#include "filters/model/Trimode.h"

#include <cmath>
#include <numbers>

#include "common/NumberText.h"
#include "filters/model/Complex.h"

namespace velomare {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr double kLowestLevel = -30.0;

std::string Cut10(const std::string& text) { return CutDecimals(text, 10); }

double Level(long double magnitude) {
  if (!(magnitude > 0) || !std::isfinite(static_cast<double>(magnitude))) return kLowestLevel;
  const double level = 20.0 * std::log10(static_cast<double>(magnitude));
  return level < kLowestLevel ? kLowestLevel : level;
}

std::string StoredNumber(double v) { return FormatPlain(v, 15, '.'); }
double NumberOr(std::string_view text, double fallback) { return IsNumberText(text) ? TextToFloat(text) : fallback; }

}  // namespace

std::string TrimodeComponentText(double value) { return DotToComma(Cut10(FormatFixed(value, 3, 2))); }

TrimodeDesign ComputeTrimode(std::string_view zsubText, std::string_view zsatText, std::string_view fgText) {
  TrimodeDesign d;
  TrimodeValues& v = d.values;
  v.zsub = ReadNumber(zsubText);
  v.zsat = ReadNumber(zsatText);
  v.fg = ReadNumber(fgText);
  const long double sqrt2 = std::sqrt(2.0L);
  if (v.zsub >= 1 && v.fg > 20) {
    v.lsub = static_cast<double>(sqrt2 * v.zsub * 1000 / (2 * kPi * v.fg));
    // 0.3 times the Butterworth capacitor, on purpose: the coil alone is the Butterworth one.
    v.csub = static_cast<double>(sqrt2 * 300000 / (4 * kPi * v.zsub * v.fg));
    d.lsubText = TrimodeComponentText(v.lsub);
    d.csubText = TrimodeComponentText(v.csub);
  }
  if (v.zsat >= 1 && v.fg > 20) {
    v.csat = static_cast<double>(1000000 / (2 * kPi * v.fg * v.zsat));
    d.csatText = TrimodeComponentText(v.csat);
  }
  return d;
}

TrimodeInfo TrimodeInfoText(const TrimodeValues& v, bool english) {
  TrimodeInfo info;
  if (v.csat > 1 && v.zsat > 1) {
    const double fu = static_cast<double>(1000000 / (2 * kPi * v.csat * v.zsat));
    const std::string text = Cut10(FormatFixed(fu, 1, 1));
    info.label4 = english ? "high pass cut frequency fu (-3dB) = " + text + " Hz"
                          : "untere Grenzfrequenz fu (-3dB) des Hochpasses (1.O.) = " + text + " Hz";
  } else {
    info.label4 = "-";
  }
  if (v.csub > 1 && v.lsub > 1 && v.zsub > 1) {
    const long double zsub = v.zsub, csub = v.csub, lsub = v.lsub;
    info.f0 = static_cast<double>(1 / (2 * kPi * 0.0001L * std::sqrt(csub * lsub / 10)));
    info.q = static_cast<double>(std::sqrt(0.001L * zsub * zsub * csub / lsub));
    // Only the first point at or below -3 dB counts, so the scan ends there: later points
    // could not change fc.
    bool found = false;
    for (int f = 49; f <= 1001 && !found; ++f) {
      const long double w = 2 * kPi * f;
      const Complex y{1 / zsub, w * csub / 1000000};
      Complex zp, h;
      ComplexDividePolar(Complex{1, 0}, y, zp);
      const Complex z{zp.re, w * lsub / 1000 + zp.im};
      ComplexDividePolar(zp, z, h);
      if (!found && ComplexMagnitude(h) <= 0.70711L) {
        info.fc = f;
        found = true;
      }
    }
  }
  if (info.fc > 50 && info.fc <= 1000) {
    const std::string fc = Cut10(FormatFixed(info.fc, 1, 0));
    const std::string q = FormatFixed(info.q, 1, 2);
    const std::string f0 = FormatFixed(info.f0, 1, 1);
    info.label8 = english ? "low pass cut frequency f= " + fc + " Hz, quality Q= " + q + ", res. frequ. f= " + f0 + " Hz"
                          : "obere Grenzfrequenz des Tiefpasses f= " + fc + " Hz, Güte Q= " + q +
                                ", Res.frequ. f= " + f0 + " Hz";
  } else {
    info.label8Hint = english ? "incorrect values: the cut frequency must lie between 50 Hz and 1 kHz"
                              : "falsche Werte, Grenzfrequenz unter 50Hz oder über 1kHz";
    info.label8 = "-";
  }
  return info;
}

TrimodeLevels ComputeTrimodeLevels(const TrimodeValues& v) {
  TrimodeLevels l;
  l.drawable = v.csat > 0 && v.csub > 0 && v.zsat >= 1 && v.zsub >= 1 && v.lsub > 0;
  if (!l.drawable) return l;
  const long double zsat = v.zsat, zsub = v.zsub, csat = v.csat, csub = v.csub, lsub = v.lsub;
  for (int i = kFastGridFirst; i <= kFastGridLast; ++i) {
    const long double w = 2 * kPi * FastFilterGrid(i);
    Complex hsat, zp, hsub;
    ComplexDividePolar(Complex{zsat, 0}, Complex{zsat, -1000000 / (w * csat)}, hsat);
    ComplexDividePolar(Complex{1, 0}, Complex{1 / zsub, w * csub / 1000000}, zp);
    ComplexDividePolar(zp, Complex{zp.re, zp.im + w * lsub / 1000}, hsub);
    l.sat[i] = Level(ComplexMagnitude(hsat));
    l.sub[i] = Level(ComplexMagnitude(hsub));
    // A power sum: the phases of the two branches are left out on purpose.
    l.sum[i] = 10.0 * std::log10(PowerXY(10, l.sat[i] / 10) + PowerXY(10, l.sub[i] / 10));
  }
  return l;
}

int TrimodeX(double f, int w) { return TruncToInt(15 + 0.3 * (w - 30) * std::log10(f / 10)); }

int TrimodeY(double level, int h) {
  const int s = h - 255;
  return 210 + TruncToInt(s / 4.0) - TruncToInt(s * level / 40);
}

const char* TrimodePlainCaption(bool english) {
  return english ? "trimode crossover for Car-HiFi" : "Trimode-Weiche für Car-HiFi ";
}

std::optional<std::string> TrimodeCursorCaption(int x, int y, int w, int h, bool english) {
  const double decade = 0.3 * (w - 30);
  const double span = h - 255;
  if (y <= 190 || !(decade > 0) || !(span > 0)) return std::nullopt;
  const double f = std::pow(10.0, 1 + (x - 15) / decade);
  const double a = 10 - 40 * (y - 210) / span;
  if (!std::isfinite(f)) return std::nullopt;
  const std::string fs = FormatFixedComma(f, 3, 1), as = FormatFixedComma(a, 3, 1);
  return english ? "trimode crossover for Car-HiFi (cursor " + fs + " Hz / " + as + " dB)"
                 : "Trimode-Weiche für Car-HiFi (Cursor " + fs + " Hz / " + as + " dB)";
}

std::optional<std::string> StepTrimodeFrequencyText(std::string_view text, UpDownDirection direction) {
  const double v = ReadNumber(text);
  double n = v;
  if (direction == UpDownDirection::Down) {
    if (v > 20 && v <= 500) n = v - 1;
    else if (v > 500 && v <= 1000) n = v - 10;
    else if (v > 1000) n = v - 100;
  } else if (direction == UpDownDirection::Up) {
    if (v < 500) n = v + 1;
    else if (v < 1000) n = v + 10;
    else if (v < 10000) n = v + 100;
  } else {
    n = 100;
  }
  // A value too large for the steps to change stays as it is typed.
  if (n == v && direction != UpDownDirection::None) return std::nullopt;
  if (!std::isfinite(n)) return std::nullopt;
  return FormatFixed(n, 1, 0);
}

// Up needs a positive value for Lsub and Csub too: a step from 0 would never find a decade.
const ComponentStepRule kTrimodeLsubSteps{0.1, false, 0, 100, false, 2, &kTrimodeSeries};
const ComponentStepRule kTrimodeCsubSteps{1, false, 0, 1000, false, 2, &kTrimodeSeries};
const ComponentStepRule kTrimodeCsatSteps{10, false, 10, 2200, false, 2, &kTrimodeSeries};

TrimodeRestore ReadTrimodeSection(const platform::IniFile& ini) {
  const auto stored = [&](const char* key) { return ReadNumber(ini.ReadString("Trimode", key, "0")); };
  TrimodeRestore r;
  const double zsub = stored("Zsub"), zsat = stored("Zsat"), fg = stored("fg");
  r.zsub = (zsub >= 1 && zsub <= 100) ? StoredNumber(zsub) : "8";
  r.zsat = (zsat >= 1 && zsat <= 100) ? StoredNumber(zsat) : "4";
  r.fg = (fg > 20 && fg <= 20000) ? StoredNumber(fg) : "100";
  const double lsub = stored("Lsub"), csub = stored("Csub"), csat = stored("Csat");
  if (lsub > 0 && lsub < 1000) r.lsub = StoredNumber(lsub);
  if (csub > 0 && csub < 10000) r.csub = StoredNumber(csub);
  if (csat > 0 && csat < 1000) r.csat = StoredNumber(csat);
  return r;
}

bool SaveTrimodeSection(platform::IniFile& ini, const std::array<std::string, 6>& t) {
  ini.BeginUpdate();
  ini.WriteString("Trimode", "Zsub", StoredNumber(NumberOr(t[0], 8)));
  ini.WriteString("Trimode", "Zsat", StoredNumber(NumberOr(t[1], 4)));
  ini.WriteString("Trimode", "fg", StoredNumber(NumberOr(t[2], 100)));
  ini.WriteString("Trimode", "Lsub", StoredNumber(NumberOr(t[3], 0)));
  ini.WriteString("Trimode", "Csub", StoredNumber(NumberOr(t[4], 0)));
  ini.WriteString("Trimode", "Csat", StoredNumber(NumberOr(t[5], 0)));
  return ini.CommitUpdate();
}

}  // namespace velomare

#include "enclosures/model/ClosedBox.h"

#include <cmath>

#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/ResponsePlot.h"

namespace velomare {
namespace {

constexpr const char* kSection = "Geschlossen";
constexpr double kMaxKeptVolume = 2000.0;  // litres; larger volumes are neither saved nor restored

// Result-label number: at least 3 characters and 1 decimal, cut to 10 characters, decimal comma.
std::string T(double value) { return DotToComma(CutDecimals(FormatFixed(value, 3, 1), 10)); }

int DriverCount(int itemIndex) { return itemIndex > 0 ? itemIndex + 1 : 1; }

void TakeSnapshot(ClosedDesign& design, const ClosedDriver& driver) { design.snapshot = driver; }

ClosedDesignTexts Invalid() {
  ClosedDesignTexts texts;
  texts.ran = true;
  texts.fgLabel = "fg";
  texts.fcLabel = "fc";
  texts.totalLabel = "l";
  return texts;
}

double PeakFrequency(double fc, double qtc) {
  return (qtc > 0.71 && fc > 0) ? fc * std::sqrt(1.0 - 1.0 / (2.0 * qtc * qtc)) : 0.0;
}

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// The result labels of a passed design.
void ResultLabels(ClosedDesignTexts& texts, const ClosedDesign& d, bool english) {
  texts.valid = true;
  texts.fgLabel = (english ? "lower cut frequency fg = " : "Untere Grenzfrequenz fg = ") + T(d.fg) + " Hz";
  texts.fcLabel = (english ? "resonance frequency fc = " : "Resonanzfrequenz fc = ") + T(d.fc) + " Hz";
  texts.totalLabel = (english ? "liter, total " : "l, insges. ") + T(d.totalVolume) + " l";
  texts.peakLabel = d.peakFrequency > 0 ? (english ? "Xmax at " : "Xmax bei ") + T(d.peakFrequency) + "Hz" : "";
}

}  // namespace

ClosedDriver ClosedDriverFromCommitted() { return {ChassisQts, ChassisRe, ChassisFs, ChassisVas, ChassisVol}; }

double RaisedQts(const ClosedDriver& driver, double seriesR) {
  if (!(driver.re > 0)) return 0.0;
  // The ratio first: without a resistor Qts' is Qts exactly, so a Qtc equal to Qts fails its test.
  const double q = driver.qts * ((seriesR + driver.re) / driver.re);
  return std::isfinite(q) ? q : 0.0;
}

ClosedDesignTexts ClosedDesignFromQtc(ClosedDesign& d, const ClosedInputs& in, const ClosedDriver& driver,
                                      bool english) {
  d.driverCount = DriverCount(in.driverItemIndex);
  ClosedDesignTexts texts;
  if (in.qtcMode) {
    d.qtsR = RaisedQts(driver, d.seriesR);
    d.qtc = ReadNumber(in.qtcText);
    const int n = d.driverCount;
    bool valid = driver.re > 0 && d.qtsR >= 0.1 && driver.vas > 0.3 && d.qtc > 0.3 && d.qtc > d.qtsR &&
                 IsNumberText(in.seriesRText);
    double vb = 0, fc = 0, total = 0, fg = 0;
    if (valid) {
      const double ratio = d.qtc / d.qtsR;
      vb = n * driver.vas / (ratio * ratio - 1.0);
      fc = d.qtc * driver.fs / d.qtsR;
      total = vb + n * driver.vol;
      fg = CutoffF3(fc, d.qtc);
      valid = AllFinite({vb, fc, total, fg});
    }
    if (!valid) {
      texts = Invalid();
    } else {
      d.volume = vb;
      d.fc = fc;
      d.totalVolume = total;
      d.fg = fg;
      d.peakFrequency = PeakFrequency(fc, d.qtc);
      texts.ran = true;
      if (vb > 0) texts.otherEdit = T(vb);
      ResultLabels(texts, d, english);
    }
    d.lastDesignValid = valid;
  }
  TakeSnapshot(d, driver);
  return texts;
}

ClosedDesignTexts ClosedDesignFromVolume(ClosedDesign& d, const ClosedInputs& in, const ClosedDriver& driver,
                                         bool english) {
  d.driverCount = DriverCount(in.driverItemIndex);
  ClosedDesignTexts texts;
  if (!in.qtcMode) {
    d.qtsR = RaisedQts(driver, d.seriesR);
    d.volume = ReadNumber(in.volumeText);
    const int n = d.driverCount;
    // A negative Vas larger than the box makes the stiffness ratio negative: no Qtc exists.
    const double stiffness = d.volume > 0 ? 1.0 + n * driver.vas / d.volume : 0.0;
    bool valid = driver.re > 0 && d.qtsR >= 0.1 && d.volume > 0.2 && IsNumberText(in.volumeText) && stiffness > 0;
    double qtc = 0, fc = 0, total = 0, fg = 0;
    if (valid) {
      qtc = d.qtsR * std::sqrt(stiffness);
      total = d.volume + n * driver.vol;
      fc = qtc * driver.fs / d.qtsR;
      fg = CutoffF3(fc, qtc);
      valid = AllFinite({qtc, fc, total, fg});
    }
    if (!valid) {
      texts = Invalid();
    } else {
      d.qtc = qtc;
      d.totalVolume = total;
      d.fc = fc;
      d.fg = fg;
      d.peakFrequency = PeakFrequency(fc, qtc);
      texts.ran = true;
      texts.otherEdit = DotToComma(CutDecimals(FormatFixed(qtc, 1, 3), 10));
      ResultLabels(texts, d, english);
    }
    d.lastDesignValid = valid;
  }
  TakeSnapshot(d, driver);
  return texts;
}

void UpdateSeriesResistance(ClosedDesign& design, std::string_view seriesRText, const ClosedDriver& driver) {
  design.seriesR = ReadNumber(seriesRText);
  design.qtsR = RaisedQts(driver, design.seriesR);
}

double CutoffF3(double fc, double qtc) {
  if (!(fc > 10) || !(qtc >= 0.2)) return 0.0;
  const double a = 1.0 / (qtc * qtc) - 2.0;
  const double f3 = fc * std::sqrt((a + std::sqrt(a * a + 4.0)) / 2.0);
  return std::isfinite(f3) ? f3 : 0.0;
}

ClosedResponse ClosedResponseOf(const ClosedDesign& design, const ClosedDriver& driver) {
  return {driver.fs, driver.vas, RaisedQts(driver, design.seriesR), design.volume, design.driverCount};
}

std::optional<double> ClosedResponseLevel(const ClosedResponse& r, double f) {
  if (!(f > 0) || !(r.fs > 0) || !(r.qtsR > 0) || !(r.volume > 0)) return std::nullopt;
  const double x = f / r.fs;
  const double a = 1.0 + r.drivers * r.vas / r.volume;
  const double x2 = x * x, x3 = x2 * x, x4 = x2 * x2;
  const double real = x4 - a * x2, imag = x3 / r.qtsR;
  const double level = (20.0 / std::log(10.0)) * std::log(x4 / std::sqrt(real * real + imag * imag));
  if (!std::isfinite(level)) return std::nullopt;
  return level;
}

bool ClosedPlotDrawable(const ClosedDesign& d, const ClosedDriver& driver, bool logarithmic) {
  const double qtsR = RaisedQts(driver, d.seriesR);
  if (!(driver.re > 0) || !(qtsR > 0)) return false;
  if (logarithmic) return driver.vas > 0 && driver.fs > 1 && d.volume > 0.2;
  return qtsR >= 0.1 && driver.vas > 0.1 && d.qtc > 0.1 && d.qtc > qtsR && driver.fs > 10 && d.volume > 0.2;
}

bool ClosedStoreValid(const ClosedDesign& d, const ClosedDriver& driver) {
  const double qtsR = RaisedQts(driver, d.seriesR);
  return d.lastDesignValid && qtsR > 0.01 && driver.qts > 0.01 && driver.fs > 1 && driver.vas > 0.1 &&
         d.volume > 0.1 && d.driverCount >= 1;
}

bool ClosedPrintValid(const ClosedDesign& d, const ClosedDriver& driver) {
  const double qtsR = RaisedQts(driver, d.seriesR);
  return d.lastDesignValid && qtsR > 0.3 && driver.vas > 0.2 && driver.fs >= 10 && d.volume > 0.2;
}

bool ClosedDriverChanged(const ClosedDesign& d, const ClosedDriver& driver) {
  const ClosedDriver& s = d.snapshot;
  const auto differs = [](double a, double b) { return std::fabs(a - b) > 1e-8; };
  return differs(driver.qts, s.qts) || differs(driver.re, s.re) || differs(driver.fs, s.fs) ||
         differs(driver.vas, s.vas) || differs(driver.vol, s.vol);
}

ClosedTip ClosedTipFor(double qts) {
  if (qts > 0.65) return {false, "0", "100"};
  return {true, "0,1", "0,707"};
}

bool ClosedStartsInQtcMode(double qts) { return qts < 0.7; }

std::string ClosedPrintTitle(const ClosedDesign& d, const std::string& manufacturer, const std::string& name) {
  return "Velomare 3.2.5: " + std::to_string(d.driverCount) + "x " + manufacturer + " " + name +
         " in geschl. Volumen" + FormatFixed(d.volume, 3, 1) + "l, R " + FormatFixed(d.seriesR, 1, 2) + " Ohm";
}

std::string ClosedCaption(bool english) { return english ? "closed box" : "geschlossenes Gehäuse"; }

std::string ClosedPointerCaption(bool english, bool inArea, bool curveMode, double frequency, double level) {
  return ResponsePointerCaption("geschlossenes Gehäuse", "closed box", english, inArea, curveMode, frequency, level);
}

bool ClosedValuesKeepable(const ClosedSavedValues& v) {
  return v.volume > 0 && v.volume < kMaxKeptVolume && v.seriesR >= 0;
}

std::optional<ClosedSavedValues> ReadClosedSection(const platform::IniFile& ini) {
  const ClosedSavedValues values{ReadNumber(ini.ReadString(kSection, "Volumen", "0")),
                                 ReadNumber(ini.ReadString(kSection, "Serienwiderstand", "0"))};
  if (!ClosedValuesKeepable(values)) return std::nullopt;
  return values;
}

bool WriteClosedSection(platform::IniFile& ini, const ClosedSavedValues& values) {
  if (!ClosedValuesKeepable(values)) return true;
  ini.BeginUpdate();
  ini.WriteString(kSection, "Volumen", ClosedStoredNumberText(values.volume));
  ini.WriteString(kSection, "Serienwiderstand", ClosedStoredNumberText(values.seriesR));
  return ini.CommitUpdate();
}

std::string ClosedStoredNumberText(double value) { return FormatPlain(value, 15, '.'); }

ClosedSavedValues ClosedValuesFromEdits(std::string_view volumeText, std::string_view seriesRText) {
  return {ReadNumber(volumeText), ReadNumber(seriesRText)};
}

}  // namespace velomare

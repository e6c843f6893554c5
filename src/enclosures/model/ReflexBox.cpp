#include "enclosures/model/ReflexBox.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"

namespace velomare {
namespace {

constexpr const char* kSection = "Bassreflex";
// (c / 2 pi)^2 in the units of the tuning formula (A in cm², Vb in litres, L in cm), c = 344.1 m/s.
constexpr long double kTuningConstant = 30000.0L;
constexpr long double kEndCorrection = 0.846L;      // times sqrt(A), cm
// The rule of thumb's own constants, kept as they are (its end correction is 0.88, not 0.846).
constexpr long double kTipConstant = 168939.0L;
constexpr long double kTipEndCorrection = 0.88L;
constexpr long double kPi = std::numbers::pi_v<long double>;

bool Finite(long double v) { return std::isfinite(static_cast<double>(v)); }

long double PortAreaOf(int ports, double diameter) { return ports * kPi * diameter * diameter / 4.0L; }

long double GrossVolumeOf(const ReflexDesign& d, const ReflexDriver& driver) {
  return d.boxVolume + d.driverCount * driver.vol + d.portArea * d.portLength / 1000.0L;
}

// Result label numbers: one decimal, a decimal point, at most 16 characters.
std::string LabelNumber(long double v) { return CutDecimals(FormatFixed(static_cast<double>(v), 1, 1), 16); }

struct TableRow {
  double key;
  double value;
};

struct Table {
  const TableRow* rows;
  std::size_t count;
  double start;
  bool (*below)(double qts);
  double belowValue;
  bool (*above)(double qts);
  double aboveValue;
};

// Rows as stored, keyed by Qts 0.01 apart. Seven cells differ from the alignments computed at
// QL = 7 by 0.0009 to 0.01; they stay as stored, since designs made with them rely on them.
constexpr TableRow kQB3Volume[] = {
    {0.10, 34.3925}, {0.11, 28.2341}, {0.12, 23.5499}, {0.13, 19.9046}, {0.14, 17.015},  {0.15, 14.6784},
    {0.16, 12.7685}, {0.17, 11.1855}, {0.18, 9.8589},  {0.19, 8.7361},  {0.20, 7.7775},  {0.21, 6.9524},
    {0.22, 6.2372},  {0.23, 5.6132},  {0.24, 5.0655},  {0.25, 4.5822},  {0.26, 4.1535},  {0.27, 3.7714},
    {0.28, 3.4295},  {0.29, 3.1223},  {0.30, 2.8421},  {0.31, 2.5844},  {0.32, 2.3667},  {0.33, 2.1594},
    {0.34, 1.9699},  {0.35, 1.7964},  {0.36, 1.6371},  {0.37, 1.4905},  {0.38, 1.3552},  {0.39, 1.23},
    {0.40, 1.1141},  {0.41, 1.0065},  {0.42, 0.9064},  {0.43, 0.8131},  {0.44, 0.726},   {0.45, 0.6445},
    {0.46, 0.5682},  {0.47, 0.4966},  {0.48, 0.4294},  {0.49, 0.3661},  {0.50, 0.3065},  {0.51, 0.2503},
    {0.52, 0.1971},  {0.53, 0.1468},  {0.54, 0.0992},  {0.55, 0.054},   {0.56, 0.0111},
};
constexpr TableRow kQB3Tuning[] = {
    {0.10, 3.8416}, {0.11, 3.4947}, {0.12, 3.2058}, {0.13, 2.9615}, {0.14, 2.7525}, {0.15, 2.5712},
    {0.16, 2.4129}, {0.17, 2.2743}, {0.18, 2.1495}, {0.19, 2.0388}, {0.20, 1.9393}, {0.21, 1.8494},
    {0.22, 1.7678}, {0.23, 1.6935}, {0.24, 1.6254}, {0.25, 1.5629}, {0.26, 1.5054}, {0.27, 1.4522},
    {0.28, 1.4029}, {0.29, 1.3571}, {0.30, 1.3145}, {0.31, 1.2748}, {0.32, 1.2376}, {0.33, 1.2028},
    {0.34, 1.1702}, {0.35, 1.1395}, {0.36, 1.1106}, {0.37, 1.0834}, {0.38, 1.0579}, {0.39, 1.0335},
    {0.40, 1.0106}, {0.41, 0.9889}, {0.42, 0.9683}, {0.43, 0.9488}, {0.44, 0.9303}, {0.45, 0.9128},
    {0.46, 0.8961}, {0.47, 0.8802}, {0.48, 0.8651}, {0.49, 0.8507}, {0.50, 0.837},  {0.51, 0.824},
    {0.52, 0.8116}, {0.53, 0.7998}, {0.54, 0.7886}, {0.55, 0.7779}, {0.56, 0.7677},
};
constexpr TableRow kBB4[] = {
    {0.20, 5.898},  {0.21, 5.3339}, {0.22, 4.8457}, {0.23, 4.4204}, {0.24, 4.0478}, {0.25, 3.7114},
    {0.26, 3.4286}, {0.27, 3.1699}, {0.28, 2.9388}, {0.29, 2.7315}, {0.30, 2.5448}, {0.31, 2.3761},
    {0.32, 2.2233}, {0.33, 2.0843}, {0.34, 1.9576}, {0.35, 1.8467}, {0.36, 1.7357}, {0.37, 1.6392},
    {0.38, 1.5484}, {0.39, 1.4656}, {0.40, 1.389},  {0.41, 1.3181}, {0.42, 1.2523}, {0.43, 1.1911},
    {0.44, 1.1341}, {0.45, 1.0809}, {0.46, 1.0313}, {0.47, 0.9849}, {0.48, 0.9414}, {0.49, 0.9006},
    {0.50, 0.8622}, {0.51, 0.8262}, {0.52, 0.7923}, {0.53, 0.7603}, {0.54, 0.7302}, {0.55, 0.7017},
    {0.56, 0.6747}, {0.57, 0.6493}, {0.58, 0.6251}, {0.59, 0.6022}, {0.60, 0.5805}, {0.61, 0.5599},
    {0.62, 0.5403}, {0.63, 0.5216}, {0.64, 0.5038}, {0.65, 0.4869}, {0.66, 0.4708}, {0.67, 0.4554},
    {0.68, 0.4407}, {0.69, 0.4267}, {0.70, 0.4133},
};
constexpr TableRow kC4Volume[] = {
    {0.25, 3.8961}, {0.26, 3.6755}, {0.27, 3.4551}, {0.28, 3.236},  {0.29, 3.0193}, {0.30, 2.8062},
    {0.31, 2.5977}, {0.32, 2.3952}, {0.33, 2.1997}, {0.34, 2.0125}, {0.35, 1.8347}, {0.36, 1.6672},
    {0.37, 1.5109}, {0.38, 1.3665}, {0.39, 1.2343}, {0.40, 1.1146}, {0.41, 1.007},  {0.42, 0.9113},
    {0.43, 0.8266}, {0.44, 0.7521}, {0.45, 0.6868}, {0.46, 0.6297}, {0.47, 0.5798}, {0.48, 0.5361},
    {0.49, 0.4978}, {0.50, 0.4642}, {0.51, 0.4345}, {0.52, 0.4083}, {0.53, 0.3849}, {0.54, 0.364},
    {0.55, 0.3453}, {0.56, 0.3284}, {0.57, 0.3131}, {0.58, 0.2992}, {0.59, 0.2865}, {0.60, 0.2749},
    {0.61, 0.2641}, {0.62, 0.2542}, {0.63, 0.2449}, {0.64, 0.2363}, {0.65, 0.2283}, {0.66, 0.2208},
    {0.67, 0.2136}, {0.68, 0.2069}, {0.69, 0.2006}, {0.70, 0.1946},
};
constexpr TableRow kC4Tuning[] = {
    {0.25, 1.0338}, {0.26, 1.0534}, {0.27, 1.0703}, {0.28, 1.0842}, {0.29, 1.0951}, {0.30, 1.1028},
    {0.31, 1.1073}, {0.32, 1.1086}, {0.33, 1.1065}, {0.34, 1.1012}, {0.35, 1.0926}, {0.36, 1.081},
    {0.37, 1.0667}, {0.38, 1.0498}, {0.39, 1.0309}, {0.40, 1.0103}, {0.41, 0.9886}, {0.42, 0.9662},
    {0.43, 0.9436}, {0.44, 0.9212}, {0.45, 0.8992}, {0.46, 0.878},  {0.47, 0.8578}, {0.48, 0.8385},
    {0.49, 0.8203}, {0.50, 0.8031}, {0.51, 0.787},  {0.52, 0.7719}, {0.53, 0.7578}, {0.54, 0.7445},
    {0.55, 0.7321}, {0.56, 0.7205}, {0.57, 0.7096}, {0.58, 0.6993}, {0.59, 0.6896}, {0.60, 0.6805},
    {0.61, 0.6719}, {0.62, 0.6638}, {0.63, 0.6561}, {0.64, 0.6488}, {0.65, 0.6418}, {0.66, 0.6353},
    {0.67, 0.6289}, {0.68, 0.6229}, {0.69, 0.6171}, {0.70, 0.6116},
};

template <std::size_t N>
constexpr std::size_t Count(const TableRow (&)[N]) {
  return N;
}

double Lookup(const Table& table, double qts) {
  double value = table.start;
  if (table.below && table.below(qts)) value = table.belowValue;
  for (std::size_t i = 0; i < table.count; ++i)
    if (NearlyEqual(qts, table.rows[i].key, 0.005)) value = table.rows[i].value;
  if (table.above(qts)) value = table.aboveValue;
  return value;
}

const Table kQB3VolumeTable{kQB3Volume, Count(kQB3Volume), 1.0, [](double q) { return q < 0.1; }, 34.3925,
                            [](double q) { return q > 0.56; }, 0.0111};
const Table kQB3TuningTable{kQB3Tuning, Count(kQB3Tuning), 1.0, [](double q) { return q < 0.1; }, 3.8416,
                            [](double q) { return q >= 0.565; }, 0.76};
const Table kBB4Table{kBB4, Count(kBB4), 0.0, [](double q) { return q < 0.2; }, 6.0,
                      [](double q) { return q > 0.7; }, 0.4133};
const Table kC4VolumeTable{kC4Volume, Count(kC4Volume), 1.0, [](double q) { return q <= 0.245; }, 3.8931,
                           [](double q) { return q >= 0.705; }, 0.19};
const Table kC4TuningTable{kC4Tuning, Count(kC4Tuning), 1.0, nullptr, 0.0, [](double q) { return q > 0.705; }, 0.6};

double VolumeFromRatio(double vas, double ratio) { return ratio > 0 ? vas / ratio : vas; }

}  // namespace

ReflexDriver ReflexDriverFromCommitted() { return {ChassisQts, ChassisRe, ChassisVas, ChassisFs, ChassisVol}; }

long double ReflexEffectiveQts(const ReflexDriver& driver, long double seriesR) {
  if (!(driver.re > 0)) return 0;
  const long double q = driver.qts * (driver.re + seriesR) / driver.re;
  return Finite(q) ? q : 0;
}

long double ReflexTuningOf(long double area, long double volume, long double length) {
  if (!(area >= 0)) return 0;
  const long double denominator = volume * (length + kEndCorrection * std::sqrt(area));
  if (!(denominator > 0)) return 0;
  const long double fb = std::sqrt(kTuningConstant * area / denominator);
  return Finite(fb) ? fb : 0;
}

long double ReflexPortLengthFor(long double area, long double fb, long double volume) {
  if (!(area >= 0)) return 0;
  return kTuningConstant * area / (fb * fb * volume) - kEndCorrection * std::sqrt(area);
}

long double ReflexRuleVolume(long double qtsEffective, long double vas, int drivers) {
  return std::fabs(15.0L * drivers * vas * PowerXY(static_cast<double>(qtsEffective), 2.87));
}

long double ReflexRulePortLength(long double area, long double qtsEffective, long double fs, long double volume) {
  return kTipConstant * area * PowerXY(static_cast<double>(qtsEffective), 1.8) / (fs * fs * volume) -
         kTipEndCorrection * std::sqrt(area);
}

long double ReflexTipVolume(long double qtsEffective, long double vas, int drivers) {
  long double vb = ReflexRuleVolume(qtsEffective, vas, drivers);
  if (!Finite(vb)) vb = 10000.0L;
  return std::clamp(vb, 1.0L, 10000.0L);
}

long double ReflexTipPortLength(long double area, long double qtsEffective, long double fs, long double volume) {
  long double l = ReflexRulePortLength(area, qtsEffective, fs, volume);
  if (!Finite(l)) l = 200.0L;
  return std::clamp(l, 2.0L, 200.0L);
}

long double ReflexLowerCutoff(long double fs, long double qtsEffective) {
  const long double fg = 0.26L * fs * PowerXY(static_cast<double>(qtsEffective), -1.4);
  return Finite(fg) ? fg : 0;
}

int ReflexAutoQl(long double volume, int current) {
  long double q = current;
  if (volume > 0) q = std::sqrt(3000.0L / volume) + 1.0L;
  if (!(q >= 1)) q = 1;  // also NaN
  if (q > 100) q = 100;
  return static_cast<int>(q);
}

bool ReflexDesignGuard(const ReflexDesign& d, const ReflexDriver& driver) {
  // L >= 2 cm, as d >= 2 cm: the rule of thumb's shortest port (2,0 cm, most drivers above about
  // 60 Hz) must be a design the window shows, stores, exports and prints. A strict L > 2 refused it.
  return d.qtsEffective > 0.05L && driver.vas > 1.0L && d.boxVolume > 0.2L && d.portDiameter >= 2.0 &&
         d.portLength >= 2.0L;
}

namespace {
// Area and tuning, and the gross volume, of a design that passed its guard.
void ComputeGeometry(ReflexDesign& d, const ReflexDriver& driver) {
  d.portArea = PortAreaOf(d.portCount, d.portDiameter);
  d.tuning = ReflexTuningOf(d.portArea, d.boxVolume, d.portLength);
  d.grossVolume = GrossVolumeOf(d, driver);
}
}  // namespace

bool RecalcReflexFromGeometry(ReflexDesign& d, std::string_view diameterText, const ReflexDriver& driver) {
  d.qtsEffective = ReflexEffectiveQts(driver, d.seriesR);
  d.portDiameter = ReadNumber(diameterText);
  d.lastDesignValid = ReflexDesignGuard(d, driver);
  if (d.lastDesignValid) {
    ComputeGeometry(d, driver);
    d.cutoff = ReflexLowerCutoff(driver.fs, d.qtsEffective);
  }
  return d.lastDesignValid;
}

bool RecalcReflexFromVolume(ReflexDesign& d, std::string_view volumeText, const ReflexDriver& driver) {
  d.qtsEffective = ReflexEffectiveQts(driver, d.seriesR);
  d.boxVolume = ReadNumber(volumeText);
  d.lastDesignValid = ReflexDesignGuard(d, driver);
  if (d.lastDesignValid) ComputeGeometry(d, driver);
  return d.lastDesignValid;
}

bool RecalcReflexFromLength(ReflexDesign& d, std::string_view lengthText, const ReflexDriver& driver) {
  d.qtsEffective = ReflexEffectiveQts(driver, d.seriesR);
  d.portLength = ReadNumber(lengthText);
  d.lastDesignValid = ReflexDesignGuard(d, driver);
  if (d.lastDesignValid) ComputeGeometry(d, driver);
  return d.lastDesignValid;
}

void SetReflexSeriesResistance(ReflexDesign& d, std::string_view text) { d.seriesR = ReadNumber(text); }

std::string ReflexGrossLabel(const ReflexDesign& d, bool valid, const char* prefix) {
  if (!valid) return "l ";
  return prefix + LabelNumber(d.grossVolume) + " l";
}

std::string ReflexQlLabel(int position, bool english) {
  return std::string(english ? "loss factor quality Ql = " : "Verlustfaktor Ql = ") + std::to_string(position);
}

ReflexResultTexts ShowReflexResults(ReflexDesign& d, bool autoQl, int scrollPosition, bool english) {
  ReflexResultTexts t;
  if (autoQl) {
    d.ql = ReflexAutoQl(d.boxVolume, d.ql);
  } else {
    d.ql = scrollPosition;
  }
  t.ql = d.ql;
  t.qlLabel = ReflexQlLabel(autoQl ? d.ql : scrollPosition, english);
  if (d.cutoff > 10) {
    t.cutoffLabel = (english ? "lower cut frequency fg = " : "Untere Grenzfrequenz fg = ") + LabelNumber(d.cutoff) + " Hz";
    t.tuningLabel = (english ? "tube tuning frequency fr = " : "Rohrabstimmfrequenz fr = ") + LabelNumber(d.tuning) + " Hz";
  } else {
    t.cutoffLabel = "fg ";
    t.tuningLabel = "fr ";
  }
  if (d.tuning >= 10 && d.portArea > 1)
    t.areaLabel = english ? "tube cross section = " + LabelNumber(d.portArea) + " sqcm"
                          : "Rohrfläche = " + LabelNumber(d.portArea) + " cm²";
  else
    t.areaLabel = "cm² ";
  return t;
}

std::string ReflexEditText(long double value) { return FormatFixedComma(static_cast<double>(value), 1, 1); }

std::optional<ReflexTipTexts> StartReflexTip(ReflexDesign& d, std::string_view diameterText, const ReflexDriver& driver) {
  d.qtsEffective = ReflexEffectiveQts(driver, d.seriesR);
  d.portDiameter = ReadNumber(diameterText);
  // fs > 0 is ours: the rule divides by fs².
  if (!(d.qtsEffective > 0.05L && driver.vas > 1.0L && d.portDiameter > 2.0 && driver.fs > 0)) return std::nullopt;
  d.portArea = PortAreaOf(d.portCount, d.portDiameter);
  const long double volume = ReflexTipVolume(d.qtsEffective, driver.vas, d.driverCount);
  const long double length = ReflexTipPortLength(d.portArea, d.qtsEffective, driver.fs, volume);
  ReflexTipTexts texts{ReflexEditText(length), ReflexEditText(volume)};
  // From here on the design is the one the edits will show: a text that equals the edit's runs no
  // handler, and the unrounded values gave a tuning one digit off the shown volume and length.
  d.boxVolume = ReadNumber(texts.volumeText);
  d.portLength = ReadNumber(texts.lengthText);
  return texts;
}

void FinishReflexTip(ReflexDesign& d, const ReflexDriver& driver) {
  d.tuning = ReflexTuningOf(d.portArea, d.boxVolume, d.portLength);
  d.cutoff = ReflexLowerCutoff(driver.fs, d.qtsEffective);
  d.grossVolume = GrossVolumeOf(d, driver);
  d.lastDesignValid = ReflexDesignGuard(d, driver);
}

bool NearlyEqual(double a, double b, double tolerance) { return std::fabs(a - b) < tolerance; }

double QB3Volume(double qts, double vas) { return VolumeFromRatio(vas, Lookup(kQB3VolumeTable, qts)); }
double QB3Tuning(double qts, double fs) { return fs * Lookup(kQB3TuningTable, qts); }
double BB4Volume(double qts, double vas) { return VolumeFromRatio(vas, Lookup(kBB4Table, qts)); }
double C4Volume(double qts, double vas) { return VolumeFromRatio(vas, Lookup(kC4VolumeTable, qts)); }
double C4Tuning(double qts, double fs) { return fs * Lookup(kC4TuningTable, qts); }

std::optional<ReflexAlignment> ReflexAlignmentFor(int index, const ReflexDriver& driver) {
  if (!(driver.vas > 0 && driver.fs > 0)) return std::nullopt;
  const double qts = static_cast<double>(driver.qts), vas = static_cast<double>(driver.vas),
               fs = static_cast<double>(driver.fs);
  switch (index) {
    case 1: return ReflexAlignment{QB3Volume(qts, vas), QB3Tuning(qts, fs)};
    case 2: return ReflexAlignment{BB4Volume(qts, vas), fs};
    case 3: return ReflexAlignment{C4Volume(qts, vas), C4Tuning(qts, fs)};
    case 4: return ReflexAlignment{vas / 1.06L, fs};
    case 5: return ReflexAlignment{vas / 1.69L, 1.117L * fs};
    case 6: return ReflexAlignment{vas / 1.91L, 0.974L * fs};
    default: return std::nullopt;
  }
}

std::optional<std::string> ReflexAlignmentLengthText(const ReflexDesign& d, const ReflexAlignment& a) {
  // The length is the length edit's to set: a text equal to the edit's leaves the design as the
  // edit shows it.
  const long double l = ReflexPortLengthFor(d.portArea, a.tuning, a.volume);
  if (!Finite(l)) return std::nullopt;
  return ReflexEditText(l);
}

std::optional<ReflexResponse> ReflexResponseOf(const ReflexDesign& d, const ReflexDriver& driver) {
  const long double fs = driver.fs, q = d.qtsEffective, ql = d.ql, vb = d.boxVolume;
  if (!(fs > 0 && q > 0 && ql > 0 && vb > 0)) return std::nullopt;
  ReflexResponse r;
  r.fs = fs;
  const long double h = d.tuning / fs;
  r.h2 = h * h;
  r.b = r.h2 / q + d.tuning / (ql * fs);
  r.c = r.h2 + 1 + d.tuning / (ql * fs * q) + d.driverCount * driver.vas / vb;
  r.e = 1 / q + d.tuning / (ql * fs);
  if (!Finite(r.b) || !Finite(r.c) || !Finite(r.e)) return std::nullopt;
  return r;
}

std::optional<double> ReflexResponseLevel(const ReflexResponse& r, double f) {
  if (!(f > 0)) return std::nullopt;
  const long double x = f / r.fs, x2 = x * x, x4 = x2 * x2;
  const long double re = x4 - r.c * x2 + r.h2;
  const long double im = r.b * x - r.e * x2 * x;
  const long double magnitude = std::sqrt(re * re + im * im);
  if (!(magnitude > 0) || !(x4 > 0)) return std::nullopt;
  const double level = static_cast<double>(20.0L / std::log(10.0L) * std::log(x4 / magnitude));
  if (!std::isfinite(level)) return std::nullopt;
  return level;
}

std::optional<double> ReflexResponseLevel(const ReflexDesign& d, const ReflexDriver& driver, double f) {
  const auto r = ReflexResponseOf(d, driver);
  if (!r) return std::nullopt;
  return ReflexResponseLevel(*r, f);
}

bool ReflexPlotDrawable(const ReflexDesign& d, const ReflexDriver& driver, bool logarithmic) {
  // The linear axis takes the shortest port the design takes (2 cm, the rule of thumb's lowest),
  // so a design the labels show is drawn on both axes; the logarithmic one has always taken more.
  const bool portLong = logarithmic ? d.portLength > 1.0L : d.portLength >= 2.0L;
  return d.qtsEffective >= 0.05L && d.boxVolume > 0.2L && driver.vas > 1.0L && driver.fs > 10 && d.tuning > 0 &&
         d.portDiameter >= 2.0 && portLong && d.ql > 0 &&
         ReflexResponseOf(d, driver).has_value();
}

bool ReflexStoreValid(const ReflexDesign& d, const ReflexDriver& driver) {
  return d.lastDesignValid && d.qtsEffective > 0.01L && driver.qts > 0.01L && driver.fs > 1 && driver.vas > 0.1L &&
         d.boxVolume > 0.1L && d.driverCount > 0 && d.tuning > 1 && d.ql > 0 && d.portLength > 1 &&
         ReflexResponseOf(d, driver).has_value();
}

bool ReflexPrintValid(const ReflexDesign& d, const ReflexDriver& driver) {
  return d.lastDesignValid && d.qtsEffective >= 0.1L && d.boxVolume > 0.2L && driver.vas > 1.0L && driver.fs >= 10 &&
         d.tuning > 0 && d.portLength > 1 && d.portDiameter >= 2.0 && ReflexResponseOf(d, driver).has_value();
}

std::string ReflexPrintTitle(const ReflexDesign& d, const std::string& manufacturer, const std::string& name) {
  return "Velomare 3.2.5: " + std::to_string(d.driverCount) + "x " + manufacturer + " " + name + " in Reflexbox " +
         FormatFixed(static_cast<double>(d.boxVolume), 3, 1) + "l, R=" +
         FormatFixed(static_cast<double>(d.seriesR), 1, 2) + " Ohm, " + FormatFixed(d.portCount, 2, 0) +
         " Rohre a " + FormatFixed(d.portDiameter, 2, 1) + " cm, Länge " +
         FormatFixed(static_cast<double>(d.portLength), 2, 1) + " cm, Verl.Faktor " + FormatFixed(d.ql, 2, 0);
}

std::string ReflexCaption(bool english) { return english ? "reflex vented box" : "Baßreflex-Gehäuse"; }

std::string ReflexPointerCaption(bool english, bool inArea, bool curveMode, double frequency, double level) {
  if (!inArea) return ReflexCaption(english);
  const std::string f = DotToComma(FormatFixed(frequency, 3, 1)), l = DotToComma(FormatFixed(level, 3, 1));
  const char* mode = english ? (curveMode ? " (curve " : " (cursor ") : (curveMode ? " (Kurve " : " (Cursor ");
  return ReflexCaption(english) + mode + f + "Hz / " + l + "dB)";
}

ReflexStoredValues ReadReflexSection(const platform::IniFile& ini) {
  ReflexStoredValues v;
  v.diameter = ReadNumber(ini.ReadString(kSection, "Durchmesser", "0"));
  v.length = ReadNumber(ini.ReadString(kSection, "Laenge", "0"));
  v.ports = ini.ReadInteger(kSection, "Anzahl", 0);
  v.volume = ReadNumber(ini.ReadString(kSection, "Volumen", "0"));
  v.seriesR = ReadNumber(ini.ReadString(kSection, "Serienwiderstand", "0"));
  v.ql = ini.ReadInteger(kSection, "Ql", 0);
  v.autoQl = ini.ReadBool(kSection, "AutoQl", true);
  return v;
}

namespace {
std::string StoredText(double value) { return FormatPlain(value, 15, '.'); }
}  // namespace

ReflexRestore ReflexRestoreFrom(const ReflexStoredValues& s) {
  ReflexRestore r;
  r.diameterText = s.diameter > 0 && s.diameter < 100 ? StoredText(s.diameter) : "10";
  r.lengthText = s.length > 1 && s.length < 200 ? StoredText(s.length) : "10";
  r.portItem = s.ports > 0 && s.ports < 9 ? s.ports - 1 : 0;
  r.volumeText = s.volume > 0 ? StoredText(s.volume) : "100";
  r.seriesRText = s.seriesR >= 0 && s.seriesR < 100 ? StoredText(s.seriesR) : "0";
  r.ql = s.ql > 0 && s.ql <= 100 ? s.ql : 10;
  r.autoQl = s.autoQl;
  r.runTip = s.diameter <= 0 || s.volume <= 0 || s.seriesR < 0;
  return r;
}

ReflexStoredValues ReflexValuesFromControls(std::string_view diameter, std::string_view length,
                                            std::string_view volume, std::string_view seriesR, int portItem, int ql,
                                            bool autoQl) {
  const auto number = [](std::string_view text, double fallback) {
    return IsNumberText(text) ? TextToFloat(text) : fallback;
  };
  return {number(diameter, 10), number(length, 10), number(volume, 100), number(seriesR, 0), portItem + 1, ql, autoQl};
}

bool WriteReflexSection(platform::IniFile& ini, const ReflexStoredValues& v) {
  ini.BeginUpdate();
  ini.WriteString(kSection, "Durchmesser", StoredText(v.diameter));
  ini.WriteString(kSection, "Laenge", StoredText(v.length));
  ini.WriteInteger(kSection, "Anzahl", v.ports);
  ini.WriteString(kSection, "Volumen", StoredText(v.volume));
  ini.WriteString(kSection, "Serienwiderstand", StoredText(v.seriesR));
  ini.WriteInteger(kSection, "Ql", v.ql);
  ini.WriteBool(kSection, "AutoQl", v.autoQl);
  return ini.CommitUpdate();
}

}  // namespace velomare

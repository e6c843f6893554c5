#include "driver/model/DriverValues.h"

#include <cmath>

#include "common/Encoding.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"

namespace velomare {

double WorkQts = 0, WorkQes = 0, WorkQms = 0, WorkVas = 0, WorkFs = 0, WorkRe = 0, WorkDia = 0, WorkVol = 0,
       WorkLe = 0;
std::string WorkName;
std::string WorkManufacturer;
double WorkQmsCalc = 0, WorkSpl = 0, WorkEff = 0;

double ChassisSd = 0, ChassisZ = 0, ChassisEbp = 0, ChassisBL = 0, ChassisCms = 0, ChassisMms = 0,
       ChassisCmes = 0, ChassisRms = 0;

namespace {

// The constants with the digits the program has always used, so that read-outs and driver files
// show the same numbers from one version to the next.
constexpr double kPi = 3.141592653589793;
constexpr double kPiQuarter = 0.7853981633974483;
constexpr double kFourPiSquared = 39.47841760435743;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kForceFactor = 0.6936;
constexpr double kCompliance = 708.32165;   // 1e8 / (rho c^2), mm/N from litres and cm²
constexpr double kMovingMass = 1411.788;    // rho c^2 / 100, g from litres and cm²

constexpr std::size_t kNameLength = 30;
constexpr std::size_t kReadoutChars = 15;
constexpr std::size_t kEfficiencyChars = 16;
constexpr std::size_t kImperialChars = 7;

bool Finite(double v) { return std::isfinite(v); }

// A read-out number: at least w characters, d decimals, cut to n characters by its decimals.
std::string Number(double value, int width, int decimals, std::size_t chars = kReadoutChars) {
  return CutDecimals(FormatFixed(value, width, decimals), chars);
}

std::string Text(const char* german, const char* english) { return Lang(german, english); }

double& WorkValue(DriverField field) {
  switch (field) {
    case DriverField::Qts: return WorkQts;
    case DriverField::Qes: return WorkQes;
    case DriverField::Qms: return WorkQms;
    case DriverField::Vas: return WorkVas;
    case DriverField::Fs: return WorkFs;
    case DriverField::Re: return WorkRe;
    case DriverField::Dia: return WorkDia;
    case DriverField::Vol: return WorkVol;
    default: return WorkLe;
  }
}

double CommittedValue(DriverField field) {
  switch (field) {
    case DriverField::Qts: return ChassisQts;
    case DriverField::Qes: return ChassisQes;
    case DriverField::Qms: return ChassisQms;
    case DriverField::Vas: return ChassisVas;
    case DriverField::Fs: return ChassisFs;
    case DriverField::Re: return ChassisRe;
    case DriverField::Dia: return ChassisDia;
    case DriverField::Vol: return ChassisVol;
    default: return ChassisLe;
  }
}

// The nominal impedance that a voice coil of this DC resistance is sold as.
double NominalImpedance(double re) {
  if (re <= 1.7) return 2;
  if (re < 2.7) return 3;
  if (re < 4.0) return 4;
  if (re < 4.8) return 5;
  if (re < 5.5) return 6;
  if (re < 8.0) return 8;
  return 1.3 * re;
}

}  // namespace

void ResetDriverValues() {
  WorkQts = WorkQes = WorkQms = WorkVas = WorkFs = WorkRe = WorkDia = WorkVol = WorkLe = 0;
  WorkName.clear();
  WorkManufacturer.clear();
  WorkQmsCalc = WorkSpl = WorkEff = 0;
  ChassisSd = ChassisZ = ChassisEbp = ChassisBL = ChassisCms = ChassisMms = ChassisCmes = ChassisRms = 0;
}

DerivedDriverValues DeriveDriverValues(double qts, double qes, double vas, double fs, double re, double dia) {
  // Every guard also insists on a finite result, so no "inf" or "nan" reaches a read-out or a file.
  const auto finite = [](double v) { return Finite(v) ? std::optional<double>(v) : std::nullopt; };
  DerivedDriverValues d;

  if (qts > 0.05 && qes > 0.05 && qes > qts) {
    const double denominator = 1.0 / qts - 1.0 / qes;
    if (denominator > 0) d.qmsCalc = finite(1.0 / denominator);
  }

  if (dia > 0) d.sd = finite(kPiQuarter * dia * dia);

  if (re >= 0.5) d.z = finite(NominalImpedance(re));

  if (fs > 5.0 && vas > 0.1 && qes > 0.05) {
    if (const std::optional<double> spl = ReferenceSpl(fs, vas, qes)) {
      if (const std::optional<double> eff = finite(std::pow(10.0, (*spl - 112.0) / 10.0) * 100.0)) {
        d.spl = spl;
        d.eff = eff;
      }
    }
  }

  if (fs > 5.0 && qes > 0.05) d.ebp = finite(fs / qes);

  if (re > 0 && dia > 0.5 && fs > 5.0 && qes > 0.05 && vas > 0.1 && d.sd) {
    const double denominator = kPi * fs * qes * vas;
    const double square = denominator > 0 ? kForceFactor * *d.sd * *d.sd * re / denominator : -1.0;
    if (square >= 0 && Finite(square)) d.bl = finite(std::sqrt(square));
  }

  if (vas > 0.1 && dia > 0.5 && d.sd) {
    const double sdSquared = *d.sd * *d.sd;
    if (sdSquared > 0) d.cms = finite(vas / sdSquared * kCompliance);
  }

  if (vas > 0.1 && dia > 0.5 && fs > 5.0 && d.sd) {
    const double denominator = kFourPiSquared * fs * fs * vas;
    if (denominator > 0 && Finite(denominator)) d.mms = finite(*d.sd * *d.sd / denominator * kMovingMass);
  }

  if (qes > 0.05 && fs > 5.0 && re > 0.1) {
    const double denominator = kTwoPi * fs * re;
    if (denominator > 0 && Finite(denominator)) d.cmes = finite(qes / denominator * 1000000.0);
  }

  // Also for the lightest membranes (a tweeter's or a ribbon's Mms lies below 0.1 g).
  if (d.mms && d.cms && d.qmsCalc && *d.mms > 0 && *d.cms > 0 && *d.qmsCalc > 0) {
    const double ratio = *d.mms / *d.cms;
    if (Finite(ratio)) d.rms = finite(std::sqrt(ratio) / *d.qmsCalc);
  }
  return d;
}

DriverReadouts ComputeDriverValues(const DriverEditTexts& edits) {
  // The edits keep what was typed; the working names are what a commit would store.
  if (Utf8Length(WorkName) > kNameLength) WorkName = Utf8Left(WorkName, kNameLength);
  if (Utf8Length(WorkManufacturer) > kNameLength) WorkManufacturer = Utf8Left(WorkManufacturer, kNameLength);

  WorkQts = ReadNumber(edits.qts);
  WorkQes = ReadNumber(edits.qes);
  WorkQms = ReadNumber(edits.qms);
  WorkVas = ReadNumber(edits.vas);
  WorkFs = ReadNumber(edits.fs);
  WorkRe = ReadNumber(edits.re);
  WorkDia = ReadNumber(edits.dia);
  WorkVol = ReadNumber(edits.vol);

  const DerivedDriverValues d = DeriveDriverValues(WorkQts, WorkQes, WorkVas, WorkFs, WorkRe, WorkDia);
  DriverReadouts out;

  // A value that cannot be computed shows its "?" text and stays stored as it was (the
  // compliance falls back to 0).
  out.qmsCalc = "? Qms (Qes > Qts ! )";
  if (d.qmsCalc) {
    WorkQmsCalc = *d.qmsCalc;
    out.qmsCalc = Text("mechanische Güte Qms = ", "mechanical quality Qms = ") + Number(WorkQmsCalc, 2, 3);
  }

  out.sd = "Sd ?";
  if (d.sd) {
    ChassisSd = *d.sd;
    out.sd = Text("Membranfläche Sd = ", "membrane surface Sd = ") + Number(ChassisSd, 3, 1) + " cm² ";
  }

  out.impedance = "Ohm ";
  if (d.z) {
    ChassisZ = *d.z;
    out.impedance = "Ohm ( Z= " + Number(ChassisZ, 2, 0) + " Ohm )";
  }

  out.spl = "SPL ?";
  out.efficiency = " % ?";
  if (d.spl && d.eff) {
    WorkSpl = *d.spl;
    WorkEff = *d.eff;
    out.spl = Text("Kennschalldruck SPL = ", "efficiency SPL = ") + Number(WorkSpl, 3, 1) + " dB/1m1W ";
    out.efficiency = Text("Wirkungsgrad = ", "efficiency = ") + Number(WorkEff, 2, 2, kEfficiencyChars) + " %";
  }

  out.ebp = "EBP ? ";
  if (d.ebp) {
    ChassisEbp = *d.ebp;
    out.ebp = Text("Bandbreiteprodukt EBP = ", "eff. bandwith product EBP = ") + Number(ChassisEbp, 3, 1);
  }

  out.bl = "Bxl ? ";
  if (d.bl) {
    ChassisBL = *d.bl;
    out.bl = Text("Wandlerkonstante Bxl = ", "magnet const. Bxl = ") + Number(ChassisBL, 2, 2) +
             Text(" N/A=Tm ", " N/A=Tm");
  }

  out.cms = " Cms ?";
  ChassisCms = d.cms.value_or(0.0);
  if (d.cms)
    out.cms = Text("mech. Nachgiebigkeit Cms = ", "mechanical compliance Cms = ") + Number(ChassisCms, 2, 2) + " mm/N ";

  out.mms = "Mms ? ";
  if (d.mms) {
    ChassisMms = *d.mms;
    out.mms = Text("Membranmasse Mms = ", "membrane mass Mms = ") + Number(ChassisMms, 2, 2) + " g ";
  }

  out.cmes = "Cmes ? ";
  if (d.cmes) {
    ChassisCmes = *d.cmes;
    out.cmes = Text("elektr. Kapazität Cmes = ", "elektr. capacity Cmes = ") + Number(ChassisCmes, 2, 2) + " µF ";
  }

  // The read-out works from the stored values as they now stand: a Qms or a moving mass that
  // could not be computed this time is the last one that could, and below 0.1 g it shows "?".
  // A driver file takes its Rms from DeriveDriverValues instead, which never mixes two drivers.
  out.rms = "Rms ? ";
  if (ChassisMms > 0.1 && ChassisCms > 0 && WorkQmsCalc > 0) {
    const double ratio = ChassisMms / ChassisCms;
    const double rms = Finite(ratio) ? std::sqrt(ratio) / WorkQmsCalc : 0.0;
    if (Finite(ratio) && Finite(rms)) {
      ChassisRms = rms;
      out.rms = Text("mech. Verluste Rms = ", "mech. loss resistance Rms = ") + Number(rms, 2, 2) + " kg/s ";
    }
  }

  out.valid = DriverValuesValid();
  out.indicator = ShowValuesChanged();
  return out;
}

bool DriverValuesValid() {
  return WorkQts > 0.05 && WorkQes > 0.05 && WorkQms > 0.5 && WorkQes > WorkQts && WorkVas > 0.1 &&
         WorkFs > 5.0 && WorkRe > 0.1 && WorkDia > 1.0 && WorkVol > 0 && !WorkName.empty() &&
         !WorkManufacturer.empty() && WorkLe > 0;
}

std::string ShowValuesChanged() {
  const auto same = [](double a, double b) { return std::fabs(a - b) < 1e-8; };
  const bool old = WorkManufacturer == ChassisManufacturer && WorkName == ChassisName && same(WorkQts, ChassisQts) &&
                   same(WorkQes, ChassisQes) && same(WorkVas, ChassisVas) && same(WorkFs, ChassisFs) &&
                   same(WorkRe, ChassisRe) && same(WorkVol, ChassisVol) && same(WorkDia, ChassisDia) &&
                   same(WorkLe, ChassisLe);
  return old ? Text("alte Werte", "old values") : Text("neue Werte", "new values");
}

std::string VasUnitText(std::string_view vasText) {
  const double vas = ReadNumber(vasText);
  if (!(vas > 0)) return "Liter";
  return "Liter = " + Number(vas / 28.317, 2, 2, kImperialChars) + " Cubic Foot";
}

std::string VolumeUnitText(std::string_view volumeText) {
  const double volume = ReadNumber(volumeText);
  if (!(volume > 0)) return "Liter";
  return "Liter = " + Number(volume / 0.016387, 3, 1, kImperialChars) + " Cubic Inches";
}

std::string DiameterUnitText(double workDia) {
  if (!(workDia > 0) || !Finite(workDia)) return "cm";
  return "cm = " + Number(workDia / 2.54, 2, 1, kImperialChars) + " Inches";
}

std::string TakeInductance(std::string_view leText) {
  WorkLe = ReadNumber(leText);
  if (WorkLe > 0 && Finite(WorkLe)) return "uH = " + Number(WorkLe / 1000.0, 2, 2) + " mH";
  WorkLe = 0;  // a negative inductance counts as none
  return "uH";
}

std::optional<std::string> QesFromQtsAndQms(std::string_view qtsText, std::string_view qmsText, double qts,
                                            double qms) {
  if (!IsNumberText(qtsText) || !IsNumberText(qmsText)) return std::nullopt;
  if (!(qts > 0.1 && qts < 3.0 && qms > 0.5 && qms <= 20.0)) return std::string("0");
  const double denominator = 1.0 / qts - 1.0 / qms;
  if (!(denominator > 0)) return std::nullopt;
  const double qes = 1.0 / denominator;
  if (!Finite(qes) || !(qes > 0)) return std::nullopt;
  return FormatFixedComma(qes, 2, 3);
}

std::optional<std::string> QtsFromQesAndQms(std::string_view qesText, std::string_view qmsText, double qes,
                                            double qms) {
  if (!IsNumberText(qesText) || !IsNumberText(qmsText)) return std::nullopt;
  if (!(qes > 0.1 && qes < 3.0 && qms > 0.5 && qms <= 20.0)) return std::string("0");
  const double denominator = 1.0 / qes + 1.0 / qms;
  if (!(denominator > 0)) return std::nullopt;
  const double qts = 1.0 / denominator;
  if (!Finite(qts) || !(qts > 0)) return std::nullopt;
  return FormatFixedComma(qts, 2, 3);
}

std::optional<std::string> QmsFromQtsAndQes(std::string_view qtsText, std::string_view qesText, double qts,
                                            double qes) {
  if (!IsNumberText(qtsText) || !IsNumberText(qesText)) return std::nullopt;
  if (!(qts > 0) || !(qes > 0)) return std::nullopt;
  const double denominator = 1.0 / qts - 1.0 / qes;
  if (!(denominator > 0) || !Finite(denominator)) return std::nullopt;
  const double qms = 1.0 / denominator;
  if (!Finite(qms) || !(qms > 0)) return std::nullopt;
  return FormatFixedComma(qms, 2, 3);
}

std::optional<QmsEstimate> EstimateFromQts(std::string_view qtsText, double qts) {
  if (!IsNumberText(qtsText) || !(qts > 0)) return std::nullopt;
  const double denominator = 1.0 / qts - 0.2;
  if (!(denominator > 0) || !Finite(denominator)) return std::nullopt;
  const double qes = 1.0 / denominator;
  if (!Finite(qes) || !(qes > 0)) return std::nullopt;
  return QmsEstimate{FormatFixedComma(qes, 2, 3), "5.0"};
}

std::string CommittedEditText(DriverField field) {
  switch (field) {
    case DriverField::Qts: return FormatFixedComma(ChassisQts, 2, 3);
    case DriverField::Qes: return FormatFixedComma(ChassisQes, 2, 3);
    case DriverField::Qms: return FormatFixedComma(ChassisQms, 2, 3);
    case DriverField::Vas: return FormatFixedComma(ChassisVas, 3, 1);
    case DriverField::Fs: return FormatFixedComma(ChassisFs, 2, 1);
    case DriverField::Re: return FormatFixedComma(ChassisRe, 2, 1);
    case DriverField::Dia: return FormatFixedComma(ChassisDia, 2, 1);
    case DriverField::Vol: return FormatFixedComma(ChassisVol, 1, 2);
    case DriverField::Le: return FormatFixedComma(ChassisLe, 1, 0);
    case DriverField::Name: return ChassisName;
    case DriverField::Manufacturer: return ChassisManufacturer;
  }
  return {};
}

void TakeCommitted(DriverField field) {
  if (field == DriverField::Name)
    WorkName = ChassisName;
  else if (field == DriverField::Manufacturer)
    WorkManufacturer = ChassisManufacturer;
  else
    WorkValue(field) = CommittedValue(field);
}

std::string CommitWorkingSet() {
  ChassisQts = WorkQts;
  ChassisQes = WorkQes;
  ChassisQms = WorkQms;
  ChassisVas = WorkVas;
  ChassisFs = WorkFs;
  ChassisRe = WorkRe;
  ChassisDia = WorkDia;
  ChassisVol = WorkVol;
  ChassisLe = WorkLe;
  ChassisName = WorkName;
  ChassisManufacturer = WorkManufacturer;
  // OK is enabled only while the sensitivity is defined; should it not be, the last one stays.
  if (const std::optional<double> spl = ReferenceSpl(ChassisFs, ChassisVas, ChassisQes)) {
    WorkSpl = *spl;
    ChassisSpl = *spl;
  }
  return FormatFixedComma(WorkSpl, 3, 1);
}

bool SaveCommittedDriver() {
  // A settings file that exists but could not be read is not replaced: the ini file refuses.
  platform::IniFile ini = OpenSettings();
  const auto number = [](double value) { return FormatPlain(value, 15, ','); };
  ini.BeginUpdate();
  ini.WriteString("Info", "Version", "Velomare Freeware Version");
  ini.WriteString("Info", "Units", "Standard International");
  ini.WriteString("Chassis", "manufactor", ChassisManufacturer);
  ini.WriteString("Chassis", "name", ChassisName);
  ini.WriteString("Chassis", "Qts", number(ChassisQts));
  ini.WriteString("Chassis", "Qes", number(ChassisQes));
  ini.WriteString("Chassis", "Qms", number(ChassisQms));
  ini.WriteString("Chassis", "Vas", number(ChassisVas));
  ini.WriteString("Chassis", "fs", number(ChassisFs));
  ini.WriteString("Chassis", "Re", number(ChassisRe));
  ini.WriteString("Chassis", "dia", number(ChassisDia));
  ini.WriteString("Chassis", "vol", number(ChassisVol));
  ini.WriteString("Chassis", "Le", number(ChassisLe));
  return ini.CommitUpdate();
}

}  // namespace velomare

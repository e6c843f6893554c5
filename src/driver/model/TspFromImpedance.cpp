#include "driver/model/TspFromImpedance.h"

#include <cmath>

#include "common/Encoding.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DriverValues.h"

namespace velomare {
namespace {

// The constants with the digits this tool has always used.
constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kTwoPiThousand = 6283.185307179587;  // 2 pi with fL in kHz
constexpr double kPiQuarter = 0.7853981633974483;
// Vas in litres from Sd in cm² and Cms in mm/N: rho c^2 with rho = 1.2 kg/m³ and c = 343 m/s
// (141178.8 Pa), times the unit factors 1e-8 m^4/cm^4, 1e-3 m/mm and 1e3 l/m³.
constexpr double kVasFromCompliance = 0.0014118;
// The inverse of the above (1e8 / rho c^2, mm/N from litres and cm²) and 1e9 / (4 pi^2) for Mms
// in g from fs in Hz and Cms in mm/N.
constexpr double kComplianceFromVas = 708.321646;
constexpr double kMassFromCompliance = 25330.29591;
// The force factor's constant sits about 1 % below the textbook sqrt(2 pi fs Re Mms / Qes); the
// driver-data window uses the same one, so both windows show the same Bxl for one driver.
constexpr double kForceFactor = 0.6936;
constexpr std::size_t kNameLength = 30;

bool Finite(double v) { return std::isfinite(v); }
std::string Number(double value, int width, int decimals) { return FormatFixed(value, width, decimals); }
std::string Text(const char* german, const char* english) { return Lang(german, english); }

// The nominal impedance this window names for a voice coil: its own brackets, and 1.4 x Re
// outside them (the driver-data window has a table of its own).
double NominalImpedance(double re) {
  if (re >= 2.5 && re < 4.0) return 4;
  if (re >= 4.0 && re <= 4.5) return 6;
  if (re > 4.5 && re < 8.0) return 8;
  return 1.4 * re;
}

// A number text as the edits take it: the value, or nothing when the text is not a number.
std::optional<double> Number(std::string_view text) {
  if (!IsNumberText(text)) return std::nullopt;
  return TextToFloat(text);
}

std::string CutName(std::string_view name) {
  return Utf8Length(name) > kNameLength ? Utf8Left(name, kNameLength) : std::string(name);
}

}  // namespace

bool TspMeasurement::Take(TspEdit edit, std::string_view text) {
  const std::optional<double> n = Number(text);
  const double value = n.value_or(0.0);
  switch (edit) {
    case TspEdit::Re:
      if (!n) return false;  // a text that is not a number leaves Re as it was
      v_.re = value > 0 ? value : 0.0;
      if (v_.re > 0) v_.z = NominalImpedance(v_.re);
      return v_.re > 0;
    case TspEdit::Fs:
      v_.fs = n && value > 10 ? value : 0.0;
      fsTaken_ = !n ? FsTaken::NotANumber : value > 10 ? FsTaken::Accepted : FsTaken::OutOfRange;
      return fsTaken_ == FsTaken::Accepted;
    case TspEdit::Zmax:
      v_.zmax = value;
      return n.has_value();
    case TspEdit::F1:
      v_.f1 = n && value > 5 && value < v_.fs ? value : 0.0;
      return v_.f1 > 0;
    case TspEdit::F2:
      v_.f2 = n && value > v_.fs && value > 15 ? value : 0.0;
      return v_.f2 > 0;
    case TspEdit::FL:
      if (!n) {
        v_.fL = 0;
        return false;
      }
      if (value >= 1) v_.fL = value;  // a smaller reading leaves fL as it was
      return value >= 1;
    case TspEdit::ZL:
      v_.zl = n && v_.fL >= 1 ? value : 0.0;
      return n && v_.fL >= 1;
    case TspEdit::Diameter: {
      const bool accepted = n && value > 5 && value < 80;
      if (accepted) {
        WorkDia = value;
        v_.sd = kPiQuarter * value * value;
      } else {
        WorkDia = 0;  // Sd keeps the last accepted diameter's area
      }
      diameterAccepted_ = accepted;
      return accepted;
    }
    case TspEdit::Fc:
      v_.fc = value;
      return n.has_value();
    case TspEdit::AddedMass:
      v_.addedMass = value;
      return n.has_value();
    case TspEdit::BoxVolume:
      v_.boxVolume = value;
      return n.has_value();
    case TspEdit::Zc:
      if (!n) {
        v_.zc = 0;
        return false;
      }
      if (value > v_.re) v_.zc = value;  // a peak at or below Re leaves Zc as it was
      return value > v_.re;
    case TspEdit::F1c:
      v_.f1c = value;
      return n.has_value();
    case TspEdit::F2c:
      v_.f2c = value;
      return n.has_value();
    case TspEdit::Displacement:
      WorkVol = value;
      return n.has_value();
    case TspEdit::Manufacturer:
      manufacturer_ = CutName(text);
      return true;
    case TspEdit::Model:
      model_ = CutName(text);
      return true;
  }
  return false;
}

void TspMeasurement::TakeAll(const TspEditTexts& texts) {
  v_ = Values{};
  fsTaken_ = FsTaken::NotANumber;
  diameterAccepted_ = false;
  leShown_ = false;
  for (std::size_t i = 0; i < kTspEditCount; ++i) Take(static_cast<TspEdit>(i), texts[i]);
}

std::optional<TspMeasurement::BoxLevelCaptions> TspMeasurement::BoxLevel() const {
  // Without a resistance the level would read 0 ohm, which is no reading point.
  if (!(v_.re > 0 && v_.zc > v_.re)) return std::nullopt;
  const double level = std::sqrt(v_.re * v_.zc);
  if (!Finite(level)) return std::nullopt;
  const std::string n = Number(level, 3, 2);
  return BoxLevelCaptions{Text("f1 im Gehäuse bei ", "f1 in box at ") + n + " Ohm",
                          Text("f2 im Gehäuse bei ", "f2 in box at ") + n + " Ohm"};
}

void TspMeasurement::DeltaMassMethod() {
  v_.mms = v_.cms = v_.vas = 0;
  if (!(v_.fc > 5 && v_.fs > v_.fc && v_.sd > 1 && v_.addedMass > 0)) return;
  // The added mass m lowers fs to fc: (fs/fc)^2 = (Mms + m) / Mms.
  const double mms = v_.addedMass / (v_.fs * v_.fs / (v_.fc * v_.fc) - 1.0);
  const double cms = 1000000.0 / (4.0 * kPi * kPi * v_.fs * v_.fs * mms);
  const double vas = v_.sd * v_.sd * cms * kVasFromCompliance;
  if (!(Finite(mms) && Finite(cms) && Finite(vas) && mms > 0)) return;
  v_.mms = mms;
  v_.cms = cms;
  v_.vas = vas;
}

void TspMeasurement::ClosedVolumeMethod() {
  v_.mms = v_.cms = v_.vas = 0;
  if (!(v_.re < v_.zc && v_.fs < v_.fc && v_.fc > v_.f1c && v_.fc < v_.f2c && v_.re > 0 && v_.sd > 1 &&
        v_.boxVolume > 0.5 && v_.qes > 0))
    return;
  // On the box the air spring adds to the suspension: fc Qec / (fs Qes) = 1 + Vas / Vb.
  const double qmc = std::sqrt(v_.zc / v_.re) * v_.fc / (v_.f2c - v_.f1c);
  const double qec = qmc / (v_.zc / v_.re - 1.0);
  const double vas = v_.fc * qec * v_.boxVolume / (v_.fs * v_.qes) - v_.boxVolume;
  if (!(Finite(qmc) && Finite(qec))) return;
  v_.qmc = qmc;
  v_.qec = qec;
  // A box that does not raise the resonance by the expected amount gives no Vas at all; a
  // compliance of 0 or below would make Mms divide by it.
  if (!(Finite(vas) && vas > 0)) return;
  const double cms = kComplianceFromVas * vas / (v_.sd * v_.sd);
  const double mms = kMassFromCompliance / (v_.fs * v_.fs * cms);
  if (!(Finite(cms) && Finite(mms) && cms > 0)) return;
  v_.vas = vas;
  v_.cms = cms;
  v_.mms = mms;
}

TspReadouts TspMeasurement::ComputeTspFromImpedance() {
  TspReadouts out;
  out.manufacturer = manufacturer_;
  out.model = model_;

  // The readings that belong to single edits.
  out.re = v_.re > 0 ? Text("Gleichstromwiderstand Re=", "coil resistance Re=") + Number(v_.re, 2, 2) + " Ohm" : "Re";
  out.impedance = v_.re > 0 ? Text("Impedanz Z ca. ", "impedance Z ca ") + Number(v_.z, 2, 0) + " Ohm" : "Z";
  switch (fsTaken_) {
    case FsTaken::Accepted:
      out.fs = Text("Resonanzfrequenz fs =", "resonance frequ. fs =") + Number(v_.fs, 3, 1) + " Hz";
      break;
    case FsTaken::OutOfRange: out.fs = "fs"; break;
    case FsTaken::NotANumber: out.fs = "fs "; break;
  }
  out.sd = diameterAccepted_ && Finite(v_.sd)
               ? Text("Membranfläche Sd=", "membrane surface Sd=") + Number(v_.sd, 3, 1) + Text(" cm²", " sqcm")
               : "Sd";

  // The level at which f1 and f2 are read: the geometric mean of Re and the peak.
  out.f1Caption = "f1 (Hz)";
  out.f2Caption = "f2 (Hz)";
  if (v_.re > 0 && v_.re < v_.zmax) {
    const double level = std::sqrt(v_.re * v_.zmax);
    if (Finite(level)) {
      out.f1Caption = "f1 (Hz) bei " + Number(level, 3, 2) + " Ohm";
      out.f2Caption = "f2 (Hz) bei " + Number(level, 3, 2) + " Ohm";
    }
  }

  // Inductance from the impedance at fL, with the resistance taken off as a right angle.
  out.le = "Le";
  leShown_ = false;
  if (v_.fL >= 1 && v_.re > 0 && v_.re < v_.zl) {
    const double le = std::sqrt(v_.zl * v_.zl - v_.re * v_.re) * 1000.0 / (kTwoPiThousand * v_.fL);
    if (Finite(le)) {
      v_.le = le;
      leShown_ = true;
      out.le = Text("Chassisinduktivität Le =", "coil inductivity Le =") + Number(le, 2, 3) + " mH";
    }
  }

  // Quality factors from the resonance peak: r0 = Zmax / Re, f1 f2 read at sqrt(r0) Re.
  v_.qms = v_.qts = v_.qes = 0;
  out.qts = "Qts";
  out.qms = "Qms";
  out.qes = "Qes";
  if (v_.fs > 0 && v_.re > 0 && v_.re < v_.zmax && v_.fs < v_.f2 && v_.f1 > 1 && v_.f1 < v_.fs) {
    const double r0 = v_.zmax / v_.re;
    const double qms = std::sqrt(r0) * v_.fs / (v_.f2 - v_.f1);
    const double qts = qms / r0;
    const double qes = qms / (r0 - 1.0);
    if (Finite(qms) && Finite(qts) && Finite(qes)) {
      v_.qms = qms;
      v_.qts = qts;
      v_.qes = qes;
      out.qts = Text("Gesamtgüte Qts=", "total Quality Qts=") + Number(qts, 1, 3);
      out.qms = Text("mech. Güte Qms=", "mech. Quality Qms=") + Number(qms, 1, 3);
      out.qes = Text("elektr. Güte Qes=", "elektr. Quality Qes=") + Number(qes, 1, 3);
    }
  }

  // Cmes from the peak itself, not from Zmax - Re: the value this tool has always shown.
  v_.ebp = v_.cmes = 0;
  out.ebp = "EBP";
  out.cmes = "Cmes";
  if (v_.qes > 0 && v_.fs > 0 && v_.zmax > 0) {
    const double ebp = v_.fs / v_.qes;
    const double cmes = v_.qms * 1000000.0 / (kTwoPi * v_.fs * v_.zmax);
    if (Finite(ebp) && Finite(cmes)) {
      v_.ebp = ebp;
      v_.cmes = cmes;
      out.ebp = Text("Bandbreiteprodukt EBP=", "eff. bandwith product EBP=") + Number(ebp, 3, 1);
      out.cmes = Text("elektr. Kapazität Cmes=", "elektr. capacity Cmes=") + Number(cmes, 3, 1) + " µF";
    }
  }

  if (method_ == TspMethod::AddedMass)
    DeltaMassMethod();
  else
    ClosedVolumeMethod();

  v_.bxl = 0;
  out.bxl = "Bxl";
  if (v_.sd > 1 && v_.fs >= 10 && v_.vas > 1 && v_.qes > 0.05) {
    const double bxl = std::sqrt(kForceFactor * v_.sd * v_.sd * v_.re / (kPi * v_.fs * v_.qes * v_.vas));
    if (Finite(bxl)) {
      v_.bxl = bxl;
      out.bxl = Text("Wandlerfaktor Bxl=", "magnet constant Bxl=") + Number(bxl, 3, 2) + " N/A";
    }
  }

  v_.spl = 0;
  out.spl = "SPL";
  if (v_.fs >= 10 && v_.vas > 1 && v_.qes > 0.05) {
    if (const std::optional<double> spl = ReferenceSpl(v_.fs, v_.vas, v_.qes)) {
      v_.spl = *spl;
      out.spl = "SPL = " + Number(*spl, 3, 1) + " dB/1W1m";
    }
  }

  out.vas = v_.vas > 0 ? "Vas = " + Number(v_.vas, 3, 1) + " l" : "Vas";
  out.mms = v_.mms > 0 ? Text(" Mms=", "membrane mass Mms=") + Number(v_.mms, 3, 1) + " g" : "Mms";
  out.cms = v_.cms > 0 ? Text("mech. Nachgiebigkeit Cms=", "mech. compliance Cms=") + Number(v_.cms, 1, 3) + " mm/N"
                       : "Cms";

  applyEnabled_ = v_.re > 1 && v_.fs > 10 && v_.qts > 0.05 && v_.qes > 0.05 && v_.vas >= 1 && WorkVol > 0 &&
                  WorkDia > 5 && !manufacturer_.empty() && !model_.empty();
  out.applyEnabled = applyEnabled_;

  v_.rms = 0;
  out.rms = "Rms ";
  if (v_.mms > 0.1 && v_.cms > 0 && v_.qms > 0) {
    const double rms = std::sqrt(v_.mms / v_.cms) / v_.qms;
    if (Finite(rms)) {
      v_.rms = rms;
      out.rms = Text("mech. Verluste Rms=", "mech. resistance Rms=") + Number(rms, 2, 2) + " kg/s";
    }
  }
  return out;
}

bool TspMeasurement::CommitToDriver() const {
  if (!applyEnabled_) return false;
  ChassisQts = v_.qts;
  ChassisQes = v_.qes;
  ChassisRe = v_.re;
  ChassisVol = WorkVol;
  ChassisVas = v_.vas;
  ChassisDia = WorkDia;
  ChassisFs = v_.fs;
  // The panel shows no SPL for a Vas of exactly 1 litre, which apply still accepts; the driver
  // then gets the sensitivity its own values give, never 0 dB.
  ChassisSpl = ReferenceSpl(v_.fs, v_.vas, v_.qes).value_or(v_.spl);
  ChassisManufacturer = manufacturer_;
  ChassisName = model_;
  // The record holds microhenry. Without a shown inductance the driver keeps its own.
  if (leShown_) ChassisLe = v_.le * 1000.0;
  // The driver-data window would otherwise show the previous driver's Qms beside these.
  ChassisQms = v_.qms;
  return true;
}

}  // namespace velomare

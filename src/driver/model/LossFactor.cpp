#include "driver/model/LossFactor.h"

#include <cmath>

#include "common/NumberText.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"

namespace velomare {
namespace {

constexpr std::size_t kNumberChars = 15;
constexpr double kLargestQl = 1000;

bool Finite(double v) { return std::isfinite(v); }
// At least one character and d decimals; a longer text loses decimals, never integer digits.
std::string Number(double value, int decimals) {
  return CutDecimals(FormatFixed(value, 1, decimals), kNumberChars);
}

}  // namespace

QlResult ComputeQl(const QlEditTexts& texts) {
  const auto in = [&texts](QlEdit e) { return ReadNumber(texts[static_cast<std::size_t>(e)]); };
  const double re = in(QlEdit::Re), qts = in(QlEdit::Qts), qms = in(QlEdit::Qms), qes = in(QlEdit::Qes),
               fs = in(QlEdit::Fs), fl = in(QlEdit::Fl), fm = in(QlEdit::Fm), rmOhm = in(QlEdit::Rm),
               fh = in(QlEdit::Fh), fc = in(QlEdit::Fc);

  QlResult result;
  QlValues& v = result.values;
  QlReadouts& t = result.texts;

  // Tuning. fm only has to lie between the two peaks.
  const double fbSquared = fl * fl + fh * fh - fc * fc;
  if (re > 0 && fl > 0 && fm > fl && fh > fm && fbSquared > 0 && Finite(fbSquared)) {
    const double fb = std::sqrt(fbSquared);
    const double fsb = fl * fh / fb;
    if (Finite(fb) && Finite(fsb)) {
      v.fb = fb;
      v.fsb = fsb;
      v.tuning = true;
    }
  }
  t.fb = v.tuning ? "fb = " + Number(v.fb, 1) + " Hz" : "fb";
  t.fsb = v.tuning ? "fsb = " + Number(v.fsb, 1) + " Hz" : "fsb";

  // The driver's Q factors scale with the resonance it has in the box.
  if (v.fb > 0 && v.fsb > 0 && re > 0 && rmOhm > 0 && qts > 0 && qes > qts && qms > qts) {
    const double scale = fs / v.fsb;
    const QlValues s{.rm = rmOhm / re,
                     .qmsb = scale * qms,
                     .qesb = scale * qes,
                     .qtsb = scale * qts,
                     .h = v.fb / v.fsb};
    if (Finite(s.rm) && Finite(s.qmsb) && Finite(s.qesb) && Finite(s.qtsb) && Finite(s.h)) {
      v.rm = s.rm;
      v.qmsb = s.qmsb;
      v.qesb = s.qesb;
      v.qtsb = s.qtsb;
      v.h = s.h;
      v.scaled = true;
    }
  }
  t.rm = v.scaled ? "rm = " + Number(v.rm, 3) : "rm";
  t.qmsb = v.scaled ? "Qmsb = " + Number(v.qmsb, 3) : "Qmsb";
  t.qesb = v.scaled ? "Qesb = " + Number(v.qesb, 3) : "Qesb";
  t.qtsb = v.scaled ? "Qtsb = " + Number(v.qtsb, 3) : "Qtsb";
  t.h = v.scaled ? "fb/fsb = " + Number(v.h, 3) : "fb/fsb";

  if (fh > fl && fl > 0 && v.h > 0) {
    const double alpha = (fh * fh - v.fb * v.fb) * (v.fb * v.fb - fl * fl) / (fh * fh * fl * fl);
    if (Finite(alpha)) {
      v.alpha = alpha;
      v.compliance = true;
    }
  }
  t.alpha = v.compliance ? Number(v.alpha, 3) : "";

  if (v.alpha > 0 && v.qesb > 0 && v.rm - 1 != 0 && v.qmsb > 0 && v.h > 0) {
    const double ql = (v.h / v.alpha) * (1 / ((v.rm - 1) * v.qesb) - 1 / v.qmsb);
    if (Finite(ql) && ql > 0 && ql <= kLargestQl) {
      v.ql = ql;
      v.lossFactor = true;
    }
  }
  t.ql = v.lossFactor ? "Ql = " + Number(v.ql, 1) : "Ql ";

  // With Ql^2 alpha at or below 1 the implied minimum has no real frequency: Ql stands alone.
  const double qlSquaredAlpha = v.ql * v.ql * v.alpha;
  if (v.lossFactor && qlSquaredAlpha > 1) {
    const double ratio = std::sqrt(qlSquaredAlpha * v.h * v.h / (qlSquaredAlpha - 1));
    const double deviation = std::fabs((ratio - 1) * 100);
    if (Finite(ratio) && Finite(deviation)) {
      v.ratio = ratio;
      v.deviation = deviation;
      v.check = true;
    }
  }
  t.ratio = v.check ? Lang("für Genauigkeit fb/fm = ", "for accuracy: fb/fm = ") + Number(v.ratio, 3) : "fb/fm ";
  t.deviation =
      v.check ? Lang("Abweichung = ", "tolerance = ") + Number(v.deviation, 1) + " %" : "tol. in %";
  return result;
}

std::array<std::string, 5> QlDriverEditTexts() {
  return {FormatFixed(ChassisRe, 1, 2), FormatFixed(ChassisQts, 1, 3), FormatFixed(ChassisQms, 1, 3),
          FormatFixed(ChassisQes, 1, 3), FormatFixed(ChassisFs, 1, 1)};
}

}  // namespace velomare

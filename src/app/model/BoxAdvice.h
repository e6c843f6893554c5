#pragma once
// The enclosure-type advisor: how well the committed driver suits each of eight enclosure types,
// from threshold rules on its Thiele-Small parameters, plus the driver's closed-box values in a
// trial volume (the boot of a car for free-air mounting). Rules of thumb, not a simulation.
#include <array>
#include <optional>
#include <string>

namespace velomare {

struct AdviceDriver {
  double qts = 0;
  double qes = 0;
  double vas = 0;  // litres
  double fs = 0;   // Hz
  double dia = 0;  // effective membrane diameter, cm
};

// The rows of the advisor, in the order of its rules.
enum class AdvisedBox { Closed, BassReflex, ClosedBandpass, VentedBandpass, FreeAir, OpenBox, ExpoHorn, TransmissionLine };
inline constexpr int kAdvisedBoxCount = 8;

struct BoxAdvice {
  double ebp = 0;        // fs / Qes, Hz
  double fsOverQts = 0;  // Hz
  double q60 = 0;        // Qts scaled to a 60 Hz resonance
  double qtc = 0;        // closed-box Q in the trial volume
  double fc = 0;         // closed-box resonance, Hz
  double f3 = 0;         // lower cut-off, Hz
  // Upper frequency limits from the diameter; none for a diameter at or below 0.
  std::optional<double> foCritical;
  std::optional<double> foAdvisable;
  std::array<int, kAdvisedBoxCount> sums{};  // s1 + s2 + s3 of each type, by AdvisedBox
  int Sum(AdvisedBox box) const { return sums[static_cast<int>(box)]; }
};

// Qts > 0.05, Qes > 0.05, Qes > Qts, Vas > 1 and fs > 5: the divisors of the advice stay positive.
bool AdviceGuardPasses(const AdviceDriver& driver);

// f3/fc of a closed box in steps of Qtc; 0 for Qtc at or below 0.
double QuantizeRatio(double qtc);

// The advice for the trial volume vb (litres, 0 < vb < 2001); nothing when the guard fails or vb
// is outside that range.
std::optional<BoxAdvice> AdviseBoxTypes(const AdviceDriver& driver, double vb);

// "sehr gut" (5 or more) down to "ungeeignet" (0 or less).
const char* SuitabilityWord(int sum, bool english);

// The number of symbols a row shows for its sum: 0 to 5.
int SymbolCount(int sum);

// The texts of one advice run in one language.
struct AdviceTexts {
  std::string caption;
  std::array<std::string, kAdvisedBoxCount> rows;  // result prefix and rating word, by AdvisedBox
  std::array<std::string, kAdvisedBoxCount> words;
  std::string label6;   // EBP
  std::string label7;   // closed-box values in the trial volume
  std::string label9;   // critical upper frequency
  std::string label10;  // advisable upper frequency
  std::string label14;  // fs/Qts
};
AdviceTexts FormatAdvice(const BoxAdvice& advice, bool english, const std::string& maker, const std::string& name);

}  // namespace velomare

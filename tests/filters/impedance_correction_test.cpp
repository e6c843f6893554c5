// The impedance-correction networks: the worked example, the textbook relations every result
// must meet, the sign rule on the curve, the diagram's geometry and read-out, and bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "common/NumberText.h"
#include "filters/model/FastFilterGrid.h"
#include "filters/model/ImpedanceCorrection.h"

namespace velomare {
namespace {

using Exact = std::complex<long double>;
constexpr long double kPi = std::numbers::pi_v<long double>;

ImpNetworks Compute(const std::array<std::string, 6>& texts) { return ComputeImpNetworks(ReadImpInputs(texts)); }

const std::array<std::string, 6> kExample = {"6", "100", "500", "60", "40", "4,7"};

bool Finite(const std::string& text) {
  return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos;
}

TEST(ImpNetworks, WorkedExampleGivesTheDesignedParts) {
  const ImpNetworks n = Compute(kExample);
  ASSERT_TRUE(n.valid);
  EXPECT_NEAR(static_cast<double>(n.r1), 9.6894, 1e-4);
  EXPECT_NEAR(static_cast<double>(n.powerR1), 16.667, 1e-3);
  EXPECT_NEAR(static_cast<double>(n.c1), 1497.06, 1e-2);
  EXPECT_NEAR(static_cast<double>(n.voltageC1), 27.928, 1e-3);
  EXPECT_NEAR(static_cast<double>(n.r2), 9.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(n.c2), 6.1728, 1e-4);
  EXPECT_NEAR(static_cast<double>(n.powerR2), 3.887, 1e-3);
  EXPECT_NEAR(static_cast<double>(n.voltageC2), 24.489, 1e-3);
}

TEST(ImpNetworks, ResultLinesInBothLanguages) {
  const ImpNetworks n = Compute(kExample);
  const ImpLines de = ImpResultLines(n, false), en = ImpResultLines(n, true);
  EXPECT_EQ(de.r1 + "|" + de.c1 + "|" + de.r2 + "|" + de.c2,
            "Widerstand R1=9.7 Ohm; 16.7 W|Kondensator C1=1497.06 µF; 27.9 V|Widerstand R2=9.0 Ohm; 3.9 W|"
            "Kondensator C2=6.17 µF; 24.5 V");
  EXPECT_EQ(en.r1 + "|" + en.c1 + "|" + en.r2 + "|" + en.c2,
            "resistor R1=9.7 ohms; 16.7 W|capacitor C1=1497.06 µF; 27.9 V|resistor R2=9.0 ohms; 3.9 W|"
            "capacitor C2=6.17 µF / 24.5 V");
}

// Relations from the textbooks, for many inputs: the Zobel capacitor Cz = Le / Rz^2, the series
// circuit resonating at fres, R1 parallel to Zmax giving 1.3 Re, and the ratings' own meaning.
TEST(ImpNetworks, MeetTheTextbookRelations) {
  for (const char* re : {"1,5", "4", "6", "8", "16"})
    for (const char* le : {"10", "500", "2200"})
      for (const char* fres : {"11", "35", "120"})
        for (const char* coil : {"0,5", "4,7", "33"}) {
          const ImpNetworks n = Compute({re, "100", le, fres, "80", coil});
          ASSERT_TRUE(n.valid) << re << " " << le << " " << fres << " " << coil;
          const long double rz = n.r2;
          EXPECT_NEAR(static_cast<double>(n.c2 * rz * rz / n.in.le), 1.0, 1e-15);
          EXPECT_NEAR(static_cast<double>(rz / n.in.re), 1.5, 1e-15);
          const long double omega = 2 * kPi * n.in.fres;
          const long double c1Farad = n.c1 * 1e-6L, lHenry = n.in.coil * 1e-3L;
          EXPECT_NEAR(static_cast<double>(omega * omega * lHenry * c1Farad), 1.0, 1e-15);
          const long double parallel = 1 / (1 / n.r1 + 1 / n.in.zmax);
          EXPECT_NEAR(static_cast<double>(parallel / (1.3L * n.in.re)), 1.0, 1e-15);
          // U(C2) is the power's voltage divided between Re and C2's reactance at 1 Hz.
          const long double x1 = 1 / (2 * kPi * 1.0L * n.c2 * 1e-6L);
          const long double u = std::sqrt(n.in.power * n.in.re);
          EXPECT_NEAR(static_cast<double>(n.voltageC2 / (u * x1 / (n.in.re + x1))), 1.0, 1e-15);
          EXPECT_NEAR(static_cast<double>(n.voltageC1 * n.voltageC1 / (1.3L * 100 * n.in.re)), 1.0, 1e-15);
          EXPECT_NEAR(static_cast<double>(n.powerR1 * n.in.fres), 1000.0, 1e-10);
        }
}

TEST(ImpNetworks, APeakAtOrBelowOnePointThreeReGivesNoPositiveR1AndOnlyItsLineShortName) {
  // Below: R1 negative, its line short. 7,8 misses 1.3 * 6 by a rounding remnant and 13 is 1.3 * 10
  // within the last bit: no R1 and no curve; just above the remnant R1 is a real, large value.
  const ImpNetworks below = Compute({"6", "100", "500", "60", "7", "4,7"});
  EXPECT_NEAR(static_cast<double>(below.r1), -68.25, 1e-2);
  const ImpLines lines = ImpResultLines(below, false);
  EXPECT_EQ(lines.r1 + "|" + lines.c1 + "|" + lines.c2, "R1 |Kondensator C1=1497.06 µF; 27.9 V|Kondensator C2=6.17 µF; 24.5 V");
  EXPECT_EQ(lines.r2, "Widerstand R2=9.0 Ohm; 3.9 W");
  for (auto [re, zmax] : {std::pair{"6", "7,8"}, std::pair{"10", "13"}, std::pair{"2,5", "3,25"}}) {
    const ImpNetworks n = Compute({re, "100", "500", "60", zmax, "4,7"});
    ASSERT_TRUE(n.valid) << re;
    EXPECT_EQ(n.r1, 0) << re;
    EXPECT_EQ(ImpResultLines(n, true).r1, "R1 ");
    EXPECT_NE(ImpResultLines(n, true).c1, "C1 ");
    EXPECT_FALSE(ComputeImpCurve(n).drawable || LayOutImpDiagram(ComputeImpCurve(n), 700, 475).drawn);
  }
  EXPECT_GT(Compute({"6", "100", "500", "60", "7,80001", "4,7"}).r1, 1e5);
}

TEST(ImpNetworks, EveryInvalidInputGivesZerosAndShortNames) {
  // Re = 1, P = 0, Le = 0, fres = 10, Zmax = Re, L = 0, and an empty field.
  const std::pair<std::size_t, const char*> cases[] = {{0, "1"}, {1, "0"}, {2, "0"}, {3, "10"}, {4, "6"},
                                                       {5, "0"}, {0, ""},  {3, ""},  {5, "-"}, {2, "-500"}};
  for (auto [index, text] : cases) {
    std::array<std::string, 6> texts = kExample;
    texts[index] = text;
    const ImpNetworks n = Compute(texts);
    EXPECT_FALSE(n.valid) << index << " " << text;
    for (long double v : {n.r1, n.c1, n.powerR1, n.voltageC1, n.r2, n.c2, n.powerR2, n.voltageC2}) EXPECT_EQ(v, 0);
    const ImpLines lines = ImpResultLines(n, false);
    EXPECT_EQ(lines.r1 + lines.c1 + lines.r2 + lines.c2, "R1 C1 R2 C2 ");
    EXPECT_FALSE(ComputeImpCurve(n).drawable);
  }
}

TEST(ImpNetworks, AnyTextGivesFiniteLinesAndCurve) {
  const char* texts[] = {"abc", "", "-", "0", "-3", "1e999", "99999999999999999999", "0,00000000000000001",
                         "123456789012345678901234567890", "7,8", ",5", "1.5", "5,5,5", "00", " 6"};
  for (const char* a : texts)
    for (int field = 0; field < 6; ++field) {
      std::array<std::string, 6> input = kExample;
      input[static_cast<std::size_t>(field)] = a;
      const ImpNetworks n = Compute(input);
      for (bool english : {false, true}) {
        const ImpLines lines = ImpResultLines(n, english);
        for (const std::string& line : {lines.r1, lines.c1, lines.r2, lines.c2})
          EXPECT_TRUE(Finite(line) && line.find('?') == std::string::npos) << line;
      }
      for (auto [x, y] : LayOutImpDiagram(ComputeImpCurve(n), 700, 475).curve) EXPECT_TRUE(x > -1000000 && y < 1000000);
    }
}

TEST(ImpNetworks, LongNumbersDropDecimalsNeverIntegerDigits) {
  // A huge power: R1's rating is 10 P / fres with P near 10^18.
  const ImpNetworks n = Compute({"6", "99999999999999999999", "500", "60", "40", "4,7"});
  ASSERT_TRUE(n.valid);
  const std::string line = ImpResultLines(n, true).r1;
  const std::string rating = line.substr(line.find("; ") + 2, line.size() - line.find("; ") - 4);
  EXPECT_EQ(rating.find('.'), std::string::npos) << line;
  EXPECT_NEAR(TextToFloat(rating) / static_cast<double>(n.powerR1), 1.0, 1e-15) << line;
  // Two decimals fit up to 10^7; the C1 of a tinier coil, 7.04e7 µF, keeps one: 1e9 / (4 pi^2 60^2 L).
  EXPECT_EQ(ImpResultLines(Compute({"6", "100", "500", "60", "40", "0,001"}), false).c1,
            "Kondensator C1=7036193.31 µF; 27.9 V");
  EXPECT_EQ(ImpResultLines(Compute({"6", "100", "500", "60", "40", "0,0001"}), false).c1,
            "Kondensator C1=70361933.0 µF; 27.9 V");
}

TEST(ImpPowerLabel, NominalImpedanceOrKeepOrDesigned) {
  const std::pair<const char*, const char*> rows[] = {
      {"6", "Watt (9 Ohm)"}, {"5,6", "Watt (8 Ohm)"}, {"3,2", "Watt (5 Ohm)"}, {"0,6", "Watt (1 Ohm)"},
      {"0,3", "keep"},       {"0,5", "keep"},         {"-8", "keep"},         {"abc", "Watt (8 Ohm)"},
      {"", "Watt (8 Ohm)"},  {"1e999", "Watt (8 Ohm)"}, {"1000000000", "Watt (1440000000 Ohm)"}};
  for (auto [re, label] : rows) EXPECT_EQ(ImpPowerLabel(re).value_or("keep"), label) << re;
}

TEST(ImpCoilText, ConjugateCoilOfTheElectricalQ) {
  const ImpInputs in = ReadImpInputs(kExample);
  // 159.2 * 0.4 * 6 / 60 = 6.368; textbook 1000 / (2 pi) would give 6.366, also 6,37.
  EXPECT_EQ(ImpCoilText(in, 0.4), "6,37");
  // Here 159.2 writes 8,17 where 1000 / (2 pi) would give 8,16.
  EXPECT_EQ(ImpCoilText(in, 0.513), "8,17");
  for (double qes : {0.0, -1.0, std::nan("")}) EXPECT_EQ(ImpCoilText(in, qes), "0") << qes;
  ImpInputs other = in;
  other.fres = 10;
  EXPECT_EQ(ImpCoilText(other, 0.4), "0");
  other.fres = in.fres, other.re = 0;
  EXPECT_EQ(ImpCoilText(other, 0.4), "0");
  // Re need not pass the network's own Re > 1 test.
  other.re = 0.5L;
  EXPECT_EQ(ImpCoilText(other, 0.4), "0,53");
}

TEST(ImpShowTexts, CommittedReAndLeAboveZero) {
  for (auto [value, re, le] : {std::tuple{5.6, "5,6", "6"}, std::tuple{123456789.0, "123456789", "123456789"},
                                std::tuple{1234.6, "1234,6", "1235"}, std::tuple{0.0, "none", "none"},
                                std::tuple{-2.0, "none", "none"}}) {
    EXPECT_EQ(ImpReEditText(value).value_or("none"), re) << value;
    EXPECT_EQ(ImpLeEditText(value).value_or("none"), le) << value;
  }
  EXPECT_EQ(ImpReEditText(6.8), "6,8");
  EXPECT_EQ(ImpLeEditText(50), "50");
  EXPECT_FALSE(ImpLeEditText(-1).has_value());
  EXPECT_EQ(ReadImpInputs({"", "", *ImpLeEditText(50), "", "", ""}).le, 50);
}

// The two branches in parallel, computed with std::complex.
long double TrueMagnitude(const ImpNetworks& n, long double f) {
  const long double omega = 2 * kPi * f;
  const Exact zobel(n.r2, -1e6L / (omega * n.c2));
  const Exact resonance(n.r1, omega * n.in.coil / 1000 - 1e6L / (omega * n.c1));
  return std::abs(1.0L / (1.0L / zobel + 1.0L / resonance));
}

// The two branches in parallel, computed with std::complex; a negative R1 negates the resonance
// branch's admittance, as the polar division's sign rule does.
TEST(ImpCurve, IsTheTrueImpedanceWhenR1IsPositiveAndFollowsTheSignRuleOtherwise) {
  for (const char* zmax : {"7", "8", "40", "200"}) {
    for (const char* coil : {"0,5", "4,7", "30"}) {
      const ImpNetworks n = Compute({"6", "100", "500", "60", zmax, coil});
      const ImpCurve curve = ComputeImpCurve(n);
      ASSERT_TRUE(curve.drawable);
      for (int i = kFastGridFirst; i <= kFastGridLast; ++i) {
        const long double omega = 2 * kPi * FastFilterGrid(i);
        const Exact zobel(n.r2, -1e6L / (omega * n.c2));
        const Exact resonance(n.r1, omega * n.in.coil / 1000 - 1e6L / (omega * n.c1));
        const long double want = std::min(std::abs(1.0L / (1.0L / zobel + (n.r1 < 0 ? -1.0L : 1.0L) / resonance)), 1000.0L);
        EXPECT_NEAR(curve.magnitude[static_cast<std::size_t>(i - kFastGridFirst)] / static_cast<double>(want), 1.0, 1e-12)
            << zmax << " ohm, " << coil << " mH, " << FastFilterGrid(i) << " Hz";
      }
    }
  }
}

TEST(ImpCurve, WorkedExampleStartsDipsPeaksAndEnds) {
  const ImpCurve curve = ComputeImpCurve(Compute(kExample));
  auto at = [&](int hz) {
    for (int i = kFastGridFirst; i <= kFastGridLast; ++i)
      if (FastFilterGrid(i) == hz) return curve.magnitude[static_cast<std::size_t>(i - kFastGridFirst)];
    return -1.0;
  };
  EXPECT_NEAR(at(10), 14.1, 0.05);
  EXPECT_NEAR(at(20000), 9.1, 0.05);
  const auto low = std::min_element(curve.magnitude.begin(), curve.magnitude.begin() + 100);
  EXPECT_NEAR(*low, 9.7, 0.05);
  EXPECT_GE(FastFilterGrid(kFastGridFirst + int(low - curve.magnitude.begin())), 50);
  EXPECT_LE(FastFilterGrid(kFastGridFirst + int(low - curve.magnitude.begin())), 60);
  const auto peak = std::max_element(curve.magnitude.begin(), curve.magnitude.end());
  EXPECT_NEAR(*peak, 45.2, 0.05);
  EXPECT_EQ(FastFilterGrid(kFastGridFirst + int(peak - curve.magnitude.begin())), 940);
}

TEST(ImpCurve, NegativeR1FollowsTheSignRuleNotTheTrueImpedance) {
  const ImpNetworks n = Compute({"6", "100", "500", "60", "7", "4,7"});
  ASSERT_LT(n.r1, 0);
  const ImpCurve curve = ComputeImpCurve(n);
  ASSERT_TRUE(curve.drawable);
  ASSERT_EQ(FastFilterGrid(190), 1000);
  EXPECT_NEAR(curve.magnitude[190 - kFastGridFirst], 21.4, 0.05);
  EXPECT_NEAR(static_cast<double>(TrueMagnitude(n, 1000)), 34.2, 0.05);
}

TEST(ImpDiagram, CurveIsCappedAtOneThousandOhms) {
  // A high peak and a coil that puts the series resonance where the Zobel branch is high.
  const ImpNetworks n = Compute({"6", "100", "5", "11", "100000", "4,7"});
  const ImpCurve curve = ComputeImpCurve(n);
  ASSERT_TRUE(curve.drawable);
  EXPECT_EQ(*std::max_element(curve.magnitude.begin(), curve.magnitude.end()), 1000.0);
  const ImpDiagram d = LayOutImpDiagram(curve, 700, 475);
  for (auto [x, y] : d.curve) EXPECT_GE(y, 210);
}

TEST(ImpDiagram, AxesAtTheDesignedSize) {
  // Three impedance decades over 220 px from 430 up; a frequency decade is 0.3·670 px from x = 15.
  EXPECT_EQ(std::vector<int>({ImpDiagramY(1, 475), ImpDiagramY(10, 475), ImpDiagramY(100, 475), ImpDiagramY(1000, 475)}),
            std::vector<int>({430, 356, 283, 210}));
  EXPECT_EQ(std::vector<int>({ImpDiagramX(10, 700), ImpDiagramX(50, 700), ImpDiagramX(200, 700), ImpDiagramX(20000, 700)}),
            std::vector<int>({15, 155, 276, 678}));
  const ImpDiagram d = LayOutImpDiagram(ComputeImpCurve(Compute(kExample)), 700, 475);
  ASSERT_TRUE(d.drawn);
  EXPECT_EQ(std::vector<int>({d.left, d.right, d.top, d.bottom}), std::vector<int>({15, 680, 210, 430}));
  ASSERT_EQ(d.impedanceLines.size() + d.frequencyLines.size(), 30u + 32u);
  ASSERT_EQ(d.impedanceLines.size(), 30u);
  EXPECT_EQ(std::vector<int>({d.impedanceLines[0], d.impedanceLines[9], d.impedanceLines[10], d.impedanceLines[29]}),
            std::vector<int>({430, 356, 356, 210}));
  // Frequency lines at 10 to 100, 200 to 1000, 2000 to 10000 Hz and 20 kHz.
  ASSERT_EQ(d.frequencyLines.size(), 32u);
  EXPECT_EQ(std::vector<int>({d.frequencyLines[0], d.frequencyLines[4], d.frequencyLines[11], d.frequencyLines[31]}),
            std::vector<int>({15, 155, 276, 678}));
  std::vector<int> gridX, gridY;
  for (int decade : {10, 100, 1000})
    for (int m = 1; m <= 10; ++m) gridX.push_back(ImpDiagramX(decade * m, 700));
  // Each run of ten closes on the power of ten the next run opens with; then 10 and 20 kHz.
  gridX.push_back(ImpDiagramX(10000, 700));
  gridX.push_back(ImpDiagramX(20000, 700));
  EXPECT_EQ(d.frequencyLines, gridX);
  for (int decade : {1, 10, 100})
    for (int m = 1; m <= 10; ++m) gridY.push_back(ImpDiagramY(decade * m, 475));
  EXPECT_EQ(d.impedanceLines, gridY);
  // Lines at 1 to 10, 20 to 100 and 200 to 1000 ohms.
  const auto y = [](int ohm) { return ImpDiagramY(ohm, 475); };
  EXPECT_EQ(std::vector<int>({d.impedanceLines[10], d.impedanceLines[11], d.impedanceLines[19], d.impedanceLines[20],
                              d.impedanceLines[21]}),
            std::vector<int>({y(10), y(20), y(100), y(100), y(200)}));
  std::string labels;
  for (const auto& l : d.labels) labels += std::string(l.text) + "@" + std::to_string(l.x) + "," + std::to_string(l.y) + " ";
  EXPECT_EQ(labels, "1k@1,210 100@1,270 10@1,343 1 Ohm@1,417 10 Hz@5,435 100@202,435 1k@413,435 10k@614,435 ");
  ASSERT_EQ(d.curve.size(), 281u);
  // 14.1 ohms at 10 Hz: 430 - log10(14.1) * 73.26.
  EXPECT_EQ(std::vector<int>({d.curve.front()[0], d.curve.front()[1], d.curve.back()[0]}), std::vector<int>({15, 345, 678}));
  // Nothing above the 1000-ohm line.
  for (auto [x, y] : d.curve) EXPECT_GE(y, 210);
}

TEST(ImpDiagram, ImpedanceDecadeIsPoint333NotAThird) {
  // At a height of 1755 a decade is 0.333 * 1500 = 499.5 pixels: 1000 ohms lie at 1710 - 1498.5.
  EXPECT_EQ(ImpDiagramY(1000, 1755), 211);
  // The labels stand at exact thirds: "100" at 197 + 1500 / 3.
  EXPECT_EQ(LayOutImpDiagram(ComputeImpCurve(Compute(kExample)), 700, 1755).labels[1].y, 697);
}

TEST(ImpCursor, ReadOutInThePlotAreaWithItsOwnConstant) {
  const ImpCursorReadout german = ImpCursorCaption(216, 283, 700, 475, false);
  EXPECT_EQ(german.caption, "Impedanzkorrektur (Cursor 100,0 Hz / 101,5 Ohm)");
  EXPECT_TRUE(german.cross);
  EXPECT_EQ(ImpCursorCaption(216, 283, 700, 475, true).caption, "impedance correction (cursor 100,0 Hz / 101,5 ohms)");
  // Below the plot area the read-out goes on.
  EXPECT_EQ(ImpCursorCaption(15, 440, 700, 475, false).caption, "Impedanzkorrektur (Cursor 10,0 Hz / 0,7 Ohm)");
  // Two decades of 1 / 0.333 above 1 ohm: exp(2 * 6.9147) = 1013986.3, where ln 10 / 0.333 would
  // give 1013925.4.
  EXPECT_EQ(ImpCursorCaption(15, 206, 700, 259, false).caption, "Impedanzkorrektur (Cursor 10,0 Hz / 1013986,3 Ohm)");
}

TEST(ImpCursor, PlainCaptionAboveThePlotAndInATinyWindow) {
  for (auto [x, y, w, h] : {std::array{216, 205, 700, 475}, std::array{216, 0, 700, 475}, std::array{216, 240, 700, 255},
                            std::array{216, 240, 700, 200}, std::array{20, 240, 30, 475}, std::array{20, 240, 10, 475},
                            std::array{20, 240, 0, 0}}) {
    const ImpCursorReadout r = ImpCursorCaption(x, y, w, h, true);
    EXPECT_EQ(r.caption, "impedance correction") << x << " " << y << " " << w << " " << h;
    EXPECT_FALSE(r.cross);
  }
  // Just above the limits the read-out works and stays finite.
  const ImpCursorReadout r = ImpCursorCaption(31, 256, 31, 256, false);
  EXPECT_TRUE(r.cross);
  EXPECT_TRUE(Finite(r.caption)) << r.caption;
}

}  // namespace
}  // namespace velomare

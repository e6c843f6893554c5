// The band-spectrum estimate: the built-in spectra and weight tables against their values, the
// estimate with one filter worked out from the weights, the band names and the user spectrum.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "TestSupport.h"
#include "filters/model/PowerEstimate.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

using platform::IniFile;

const double r = 1 / std::sqrt(2.0);

EstimateInput StartState(const BandValues& spectrum) {
  EstimateInput in;
  in.spectrum = spectrum;
  in.totalPower = "80";
  in.highPassOrder = 2;
  in.highPassPosition = 11;
  in.lowPassOrder = 0;
  in.lowPassPosition = 20;
  in.english = true;
  return in;
}

// The order-1 and order-2 weights by distance d from the cut-off towards the pass band.
double Order1(int d) {
  if (d >= 3) return 1;
  const double near[] = {0.8128, 0.6761, 0.5, 0.3388, 0.1995};
  if (d >= -2) return near[2 - d];
  return 0.125 * std::pow(0.5, -3 - d);
}
double Order2(int d) {
  if (d >= 3) return 1;
  const double near[] = {0.955, 0.8128, 0.5, 0.20893};
  if (d >= -1) return near[2 - d];
  return 0.0625 * std::pow(0.25, -2 - d);
}

TEST(BuiltInSpectra, ValuesToFourSignificantDigitsAtTheEndsOfTheirRuns) {
  const std::pair<int, std::array<double, 6>> rows[] = {
      {1, {1, 1, 1, 1, 1, 1}},
      {2, {1, 1, 1, 1, 0.7071, 0.7071}},
      {3, {1, 1, 1, 1, 0.5, 0.5}},
      {4, {1, 1, 1, 1, 0.3536, 0.3536}},
      {5, {1, 1, 1, 1, 0.25, 0.25}},
      {6, {1, 1, 1, 1, 0.1768, 0.1768}},
      {7, {1, 1, 1, 1, 0.125, 0.125}},
      {8, {1, 1, 1, 1, 0.08839, 0.08839}},
      {9, {1, 1, 1, 1, 0.0625, 0.0625}},
      {10, {1, 1, 1, 1, 0.04419, 0.04419}},
      {11, {1, 1, 1, 1, 0.03125, 0.03125}},
      {12, {1, 1, 1, 1, 0.0221, 0.0221}},
      {13, {1, 1, 0.7071, 0.7071, 0.01562, 0.01562}},
      {14, {1, 1, 0.5, 0.5, 0.01105, 0.01105}},
      {15, {1, 1, 0.3536, 0.3536, 0.007812, 0.007812}},
      {16, {1, 1, 0.25, 0.25, 0.005524, 0.005524}},
      {17, {1, 1, 0.1768, 0.1768, 0.003906, 0.003906}},
      {18, {1, 1, 0.125, 0.125, 0.002762, 0.002762}},
      {19, {1, 1, 0.08839, 0.08839, 0.001953, 0.001953}},
      {20, {0, 0.25, 0, 0.02946, 0, 0.001381}},
      {21, {0, 0.0625, 0, 0.009821, 0, 0.0009766}},
      {22, {0, 0.015776, 0, 0.003274, 0, 0.0006905}},
      {23, {0, 0.003963, 0, 0.001091, 0, 0.0004883}},
      {24, {0, 0.000995, 0, 0.0003637, 0, 0.0003453}},
  };
  for (const auto& [band, values] : rows)
    for (int entry = 0; entry < 6; ++entry) {
      const double expected = values[entry], got = BuiltInSpectrum(entry)[band - 1];
      if (expected == 0)
        EXPECT_EQ(got, 0) << entry << "/" << band;
      else
        EXPECT_NEAR(got / expected, 1.0, 5e-4) << entry << "/" << band;
    }
  EXPECT_NEAR(BuiltInSpectrum(3)[23], std::pow(r, 7) / 243, 1e-15);
  EXPECT_NEAR(BuiltInSpectrum(5)[23], std::pow(r, 23), 1e-15);
  EXPECT_STREQ(BuiltInSpectrumName(3, false), "Musik-ähnlich 100kHz (Vorgabe)");
  EXPECT_STREQ(BuiltInSpectrumName(1, true), "white noise and harmonics");
  EXPECT_STREQ(BuiltInSpectrumName(6, true), "");
}

TEST(FilterWeights, TablesAtTheTopAndTheBottomBand) {
  // The table of an order at a cut-off band; element 0 is band 1. Position 0 is the top band.
  const struct { int order, cutoff; bool highPass; int element; double weight; } rows[] = {
      {1, CutoffBandOfPosition(0), true, 23, 0.5}, {1, 24, true, 22, 0.3388},   {1, 24, true, 21, 0.1995},
      {1, 24, true, 20, 0.125},                   {1, 24, true, 0, 0.125 * std::pow(0.5, 20)},
      {4, CutoffBandOfPosition(23), false, 0, 0.5}, {4, 1, false, 1, 0.0625}, {4, 1, false, 2, 0.00390625},
      {4, 1, true, 1, 0.9332543},                 {4, 1, true, 2, 1.0},        {4, 1, true, 23, 1.0},
      {3, 12, true, 12, 0.89125},                 {3, 12, true, 10, 0.125},    {3, 12, true, 9, 0.015625},
      {3, 12, true, 13, 1.0},                     {0, 12, true, 0, 1.0},       {0, 12, true, 23, 1.0}
  };
  for (const auto& row : rows)
    EXPECT_DOUBLE_EQ(FilterWeights(row.order, row.cutoff, row.highPass)[row.element], row.weight)
        << "order " << row.order << " cut-off " << row.cutoff << " band " << row.element + 1;
  for (double w : FilterWeights(1, CutoffBandOfPosition(0), true)) EXPECT_LT(w, 1.0);
  const BandValues high4 = FilterWeights(4, 1, true);
  for (int band = 3; band <= 24; ++band) EXPECT_DOUBLE_EQ(high4[band - 1], 1.0) << band;
  for (double w : FilterWeights(0, 12, true)) EXPECT_EQ(w, 1.0);
  // Every weight of every table lies in (0, 1].
  for (int order = 1; order <= 4; ++order)
    for (int k = 1; k <= 24; ++k)
      for (bool hp : {true, false})
        for (double w : FilterWeights(order, k, hp)) {
          EXPECT_GT(w, 0.0);
          EXPECT_LE(w, 1.0);
        }
}

TEST(PowerEstimate, StartStateGivesTheKnownEstimateAndBars) {
  const EstimateResult e = EstimatePower(StartState(BuiltInSpectrum(3)));
  EXPECT_NEAR(e.passedShare, 0.14560, 5e-6);
  EXPECT_EQ(e.Label29, "output power = 11.65 W, acc. 14.56 %");
  ASSERT_TRUE(e.estimatedPower);
  EXPECT_NEAR(*e.estimatedPower, 80 * e.passedShare, 1e-12);
  const BandLevels filtered = {-72, -66, -60, -54, -48, -42, -36, -30, -24, -18, -12, -6,
                               -4,  -3,  -4,  -6,  -7,  -9,  -10, -15, -20, -24, -29, -34};
  EXPECT_EQ(e.filteredLevel, filtered);
  const BandLevels bars = {0, 0, 0, 0, 0, 0, 4, 10, 16, 22, 28, 34, 36, 37, 36, 34, 33, 31, 30, 25, 20, 16, 11, 6};
  EXPECT_EQ(SpectrumBarValues(e.filteredLevel), bars);
  const BandLevels unfiltered = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, -3, -4, -6, -7, -9, -10, -15, -20, -24, -29, -34};
  EXPECT_EQ(e.level, unfiltered);
  EstimateInput german = StartState(BuiltInSpectrum(3));
  german.english = false;
  EXPECT_EQ(EstimatePower(german).Label29, "abgegebene Leistung = 11.65 W, entspr. 14.56 %");
}

TEST(PowerEstimate, NoFilterPassesTheTotalPowerAndOneFilterTheWeightedSumOfTheShares) {
  for (int entry = 0; entry < 6; ++entry) {
    const BandValues s = BuiltInSpectrum(entry);
    EstimateInput none = StartState(s);
    none.highPassOrder = 0;
    EXPECT_EQ(EstimatePower(none).Label29, "output power = 80.00 W, acc. 100.00 %");
    EXPECT_NEAR(EstimatePower(none).passedShare, 1.0, 1e-12);
    double total = 0;
    for (double p : s) total += p;
    for (int position : {0, 5, 11, 23}) {
      const int k = 24 - position;
      EstimateInput hp = StartState(s);
      hp.highPassOrder = 1;
      hp.highPassPosition = position;
      EstimateInput lp = StartState(s);
      lp.highPassOrder = 0;
      lp.lowPassOrder = 2;
      lp.lowPassPosition = position;
      double expectHp = 0, expectLp = 0;
      for (int band = 1; band <= 24; ++band) {
        expectHp += s[band - 1] / total * Order1(band - k);
        expectLp += s[band - 1] / total * Order2(k - band);
      }
      const EstimateResult ehp = EstimatePower(hp), elp = EstimatePower(lp);
      EXPECT_NEAR(ehp.passedShare, expectHp, 1e-12) << entry << " " << position;
      EXPECT_NEAR(elp.passedShare, expectLp, 1e-12) << entry << " " << position;
      EXPECT_NEAR(*ehp.estimatedPower, 80 * expectHp, 1e-10);
      double shares = 0;
      for (double share : ehp.share) {
        EXPECT_GE(share, 0.0);
        EXPECT_LE(share, 1.0);
        shares += share;
      }
      EXPECT_NEAR(shares, 1.0, 1e-12);
    }
  }
}

TEST(PowerEstimate, ATotalPowerThatIsNoNumberShowsADash) {
  for (const char* bad : {"0", "abc", "", "-80", "1e3"}) {
    EstimateInput in = StartState(BuiltInSpectrum(3));
    in.totalPower = bad;
    const EstimateResult e = EstimatePower(in);
    EXPECT_EQ(e.Label29, "-") << bad;
    EXPECT_FALSE(e.estimatedPower);
    EXPECT_NEAR(e.passedShare, 0.14560, 5e-6) << "the bars stay right";
  }
  EstimateInput huge = StartState(BuiltInSpectrum(3));
  huge.totalPower = "99999999999999999999999999999999";
  const EstimateResult e = EstimatePower(huge);
  ASSERT_TRUE(e.estimatedPower);
  EXPECT_TRUE(std::isfinite(*e.estimatedPower));
  EXPECT_EQ(e.Label29.find("e+"), std::string::npos) << e.Label29;
}

TEST(PowerEstimate, BandsWithoutPowerAndAnAllQuietUserSpectrum) {
  const EstimateResult white = EstimatePower(StartState(BuiltInSpectrum(0)));
  EXPECT_EQ(white.level[19] + white.filteredLevel[23], -200);
  EXPECT_EQ(white.level[19], -100);
  EXPECT_EQ(white.filteredLevel[23], -100);
  EXPECT_EQ(SpectrumBarValues(white.filteredLevel)[23], 0);
  SpectrumTexts quiet = DanceSpectrum();
  for (auto& level : quiet.levels) level = "-100";
  EstimateInput in = StartState(UserSpectrumOf(quiet).power);
  in.highPassOrder = 0;
  const EstimateResult e = EstimatePower(in);
  for (double share : e.share) EXPECT_NEAR(share, 1.0 / 24, 1e-12);
  for (int bar : SpectrumBarValues(e.level)) EXPECT_EQ(bar, 0);
  // No spectrum at all: every share counts as whole rather than dividing by zero.
  EstimateInput none = StartState(BandValues{});
  none.highPassOrder = 0;
  const EstimateResult n = EstimatePower(none);
  for (double share : n.share) EXPECT_EQ(share, 1.0);
  EXPECT_EQ(n.Label29, "output power = 1920.00 W, acc. 2400.00 %");
}

TEST(PowerEstimate, BandNamesHintsAndTheCopyIntoThePowerField) {
  const std::pair<int, const char*> labels[] = {{0, "0"}, {-3, "0"}, {1, "32Hz"}, {13, "2,0kHz"}, {24, "90kHz"},
                                                {25, "100kHz"}};
  for (auto [band, label] : labels) EXPECT_EQ(BandLabel(band), label) << band;
  EXPECT_EQ(std::string(BandHint(12)) + BandHint(25), "1,4k");
  EXPECT_EQ(EstimateForPowerField(0) + " " + EstimateForPowerField(123456789012345.678), "0.00 123456789012345");
  EXPECT_STREQ(BandHint(25), "");
  EXPECT_EQ(CutoffBandOfPosition(11), 13);
  EXPECT_EQ(EstimateForPowerField(11.648), "11.65");
  EXPECT_EQ(EstimateForPowerField(1234567890123456789.0), "1234567890123456768");
}

TEST(UserSpectrum, LevelsAreReadByTheNumberRuleAndHeldBetweenMinus100And0) {
  // "abc" counts as 0 dB here; "-1e5" is no number either.
  const std::pair<const char*, double> rows[] = {{"-6", -6},   {"-6,5", -6.5}, {"3", 0},    {"-150", -100},
                                                 {"abc", 0},   {"-1e5", 0},    {"", 0},     {"-99999999999999999999999", -100}};
  for (auto [text, level] : rows) EXPECT_EQ(LimitedUserLevel(text), level) << text;
  const UserSpectrum dance = UserSpectrumOf(DanceSpectrum());
  EXPECT_EQ(dance.name, "Dance");
  EXPECT_NEAR(dance.power[0], std::pow(10.0, -0.6), 1e-15);
  EXPECT_EQ(dance.power[1], 1.0);
  EXPECT_NEAR(dance.power[23], 1e-10, 1e-24);
}

TEST(UserSpectrum, NormalisedLevelsCarryTwoDecimalsAndReadBackToTheSamePowers) {
  SpectrumTexts texts = DanceSpectrum();
  const char* typed[] = {"3", "-150", "abc", "-6,5", "-0,001", "-12.345"};
  std::copy(std::begin(typed), std::end(typed), texts.levels.begin());
  const SpectrumTexts n = NormalisedSpectrumTexts(UserSpectrumOf(texts));
  const std::vector<std::string> first(n.levels.begin(), n.levels.begin() + 6);
  EXPECT_EQ(first, (std::vector<std::string>{"0.00", "-100.00", "0.00", "-6.50", "0.00", "-12.35"}));
  EXPECT_EQ(n.levels[23], "-100.00");
  // Written and read back, the powers agree to two decimals in dB.
  const UserSpectrum back = UserSpectrumOf(n);
  const UserSpectrum original = UserSpectrumOf(texts);
  for (int i = 0; i < 24; ++i)
    EXPECT_NEAR(10 * std::log10(back.power[i]), 10 * std::log10(original.power[i]), 0.005 + 1e-9) << i;
  EXPECT_EQ(NormalisedSpectrumTexts(back).levels, n.levels) << "normalising twice changes nothing";
}

using UserSpectrumStore = test::TempFileTest;

TEST_F(UserSpectrumStore, AMissingSectionIsWrittenAsNormalisedDance) {
  test::WriteFileBytes(path, "[Info]\r\nSprache=english\r\n");
  IniFile ini(path);
  const SpectrumSaveResult saved = SaveUserSpectrum(ini);
  EXPECT_EQ(saved.outcome, SpectrumSave::Written);
  EXPECT_EQ(test::ReadFileBytes(path),
            "[Info]\r\nSprache=english\r\n\r\n[spectrum]\r\nName=Dance\r\n32=-6.00\r\n45=0.00\r\n63=-2.00\r\n90=-4.00\r\n"
            "125=-6.00\r\n180=-10.00\r\n250=-9.00\r\n360=-12.00\r\n500=-15.00\r\n710=-18.00\r\n1k=-12.00\r\n"
            "1k4=-14.00\r\n2k=-12.00\r\n2k8=-10.00\r\n4k=-8.00\r\n5k7=-6.00\r\n8k=-24.00\r\n11k=-30.00\r\n"
            "16k=-40.00\r\n22k=-60.00\r\n32k=-100.00\r\n45k=-100.00\r\n64k=-100.00\r\n90k=-100.00\r\n");
  // Closing again finds nothing to normalise and writes nothing.
  IniFile again(path);
  EXPECT_EQ(SaveUserSpectrum(again).outcome, SpectrumSave::Unchanged);
}

TEST_F(UserSpectrumStore, TheSectionIsReadAfreshSoANewerSpectrumSurvives) {
  test::WriteFileBytes(path, "[spectrum]\r\nName=Alt\r\n32=-3\r\n");
  const UserSpectrum old = LoadUserSpectrum(IniFile(path));
  EXPECT_EQ(old.name, "Alt");
  // Another window stores a new spectrum after that read.
  test::WriteFileBytes(path, "[spectrum]\r\nName=Neu\r\n32=-20\r\n2k=7\r\n");
  IniFile ini(path);
  const SpectrumSaveResult saved = SaveUserSpectrum(ini);
  EXPECT_EQ(saved.outcome, SpectrumSave::Written);
  EXPECT_EQ(saved.spectrum.name, "Neu");
  const SpectrumTexts stored = ReadSpectrumSection(IniFile(path));
  EXPECT_EQ(stored.name, "Neu");
  EXPECT_EQ(stored.levels[0], "-20.00");
  EXPECT_EQ(stored.levels[12], "0.00");
  EXPECT_EQ(stored.levels[1], "0.00");
}

TEST_F(UserSpectrumStore, DamagedLevelsGiveTheLimitsAndAFailedWriteKeepsTheFile) {
  const std::string damaged = "[spectrum]\r\nName=Kaputt\r\n32=1e999\r\n45=-99999999999999999999999\r\n63=xyz\r\n";
  test::WriteFileBytes(path, damaged);
  platform::FileSeam seam;
  seam.failWrite = [](const std::string&) { return true; };
  platform::InstallFileSeam(&seam);
  IniFile ini(path);
  EXPECT_EQ(SaveUserSpectrum(ini).outcome, SpectrumSave::Failed);
  platform::InstallFileSeam(nullptr);
  EXPECT_EQ(test::ReadFileBytes(path), damaged);
  IniFile writable(path);
  ASSERT_EQ(SaveUserSpectrum(writable).outcome, SpectrumSave::Written);
  const SpectrumTexts stored = ReadSpectrumSection(IniFile(path));
  EXPECT_EQ(stored.levels[0] + " " + stored.levels[1] + " " + stored.levels[2], "0.00 -100.00 0.00");
}

}  // namespace
}  // namespace velomare

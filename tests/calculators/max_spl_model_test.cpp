// The level sum of the maximum-sound-pressure window against the inverse square law, the power
// sum of incoherent sources, 20 micropascal and the sone scale worked out independently; its
// gates, the bar and its colour, and every bad sensitivity text.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <regex>
#include <string>

#include "calculators/model/MaxSpl.h"
#include "driver/model/CommittedDriver.h"

namespace velomare {
namespace {

// One group of N drivers, P watts each, d metres away.
SplGroupInput Group(const char* sensitivity, int power, int count, double metres) {
  SplGroupInput g;
  g.sensitivity = sensitivity;
  g.power = power;
  g.count = count;
  g.distanceTenths = int(std::lround(metres * 10));
  return g;
}

MaxSplInput One(const char* sensitivity, int power, int count, double metres) {
  MaxSplInput in;
  in.groups[0] = Group(sensitivity, power, count, metres);
  return in;
}

bool HoldsNonFinite(const std::string& text) {
  static const std::regex pattern("nan|inf", std::regex::icase);
  return std::regex_search(text, pattern);
}

void ExpectNoNonFinite(const MaxSplResult& r) {
  for (const SplGroupTexts& g : r.groups)
    for (const std::string* t : {&g.efficiency, &g.power, &g.count, &g.distance}) EXPECT_FALSE(HoldsNonFinite(*t)) << *t;
  for (const std::string* t : {&r.totalText, &r.powerText, &r.pressureText}) EXPECT_FALSE(HoldsNonFinite(*t)) << *t;
}

TEST(MaxSplModel, OneDriverAtOneWattAndOneMetreGivesItsSensitivity) {
  const MaxSplResult r = ComputeMaxSpl(One("100", 1, 1, 1.0));
  ASSERT_TRUE(r.levelShown);
  EXPECT_NEAR(r.totalLevel, 100.0, 1e-12);
  EXPECT_EQ(r.totalText, "100,0 dB");
  // 20 uPa 10^(100/20) = 2 Pa; 2^((100 - 40)/10) = 64 sone; 10^((100 - 112)/10) = 6.31 %.
  EXPECT_EQ(r.pressureText, "Druck 2,0 Pa, Lautheit 64,0 sone");
  EXPECT_EQ(r.groups[0].efficiency, "Wirkungsgrad = 6.31 %");
  EXPECT_EQ(r.powerText, "Leistung aller Chassis   1 W");
  EXPECT_NEAR(PressureOfLevel(100), 2.0, 1e-12);
  EXPECT_NEAR(LoudnessOfLevel(100), 64.0, 1e-12);
  EXPECT_NEAR(EfficiencyPercent(100), 6.309573, 1e-6);
}

TEST(MaxSplModel, InitialValuesGiveTheWorkedExample) {
  const MaxSplResult r = ComputeMaxSpl(MaxSplInput{});
  ASSERT_TRUE(r.levelShown);
  // 90 + 10 log10 100 + 10 log10 2 - 20 log10 10 = 93.01 dB.
  EXPECT_NEAR(r.totalLevel, 93.0103, 1e-4);
  EXPECT_EQ(r.totalText, "93,0 dB");
  EXPECT_EQ(r.groups[0].efficiency, "Wirkungsgrad = 0.63 %");
  EXPECT_EQ(r.groups[0].power, "100 W");
  EXPECT_EQ(r.groups[0].count, "2");
  EXPECT_EQ(r.groups[0].distance, "10,00 m");
  EXPECT_EQ(r.powerText, "Leistung aller Chassis 200 W");
  EXPECT_EQ(r.pressureText, "Druck 0,9 Pa, Lautheit 39,4 sone");
  EXPECT_EQ(r.barValue, 93);
  EXPECT_EQ(r.barColour, (BarColour{128, 128, 128}));
}

TEST(MaxSplModel, LevelFollowsTheInverseSquareLawAndThePowerSum) {
  const double base = ComputeMaxSpl(One("90", 10, 1, 2.0)).totalLevel;
  EXPECT_NEAR(ComputeMaxSpl(One("90", 10, 1, 4.0)).totalLevel - base, -20 * std::log10(2.0), 1e-9);  // -6.02 dB
  EXPECT_NEAR(ComputeMaxSpl(One("90", 20, 1, 2.0)).totalLevel - base, 10 * std::log10(2.0), 1e-9);   // +3.01 dB
  EXPECT_NEAR(ComputeMaxSpl(One("90", 10, 4, 2.0)).totalLevel - base, 10 * std::log10(4.0), 1e-9);   // +6.02 dB

  // Two equal groups add their powers (+3.01 dB); groups of 90 and 80 dB give 10 log10(10^9 + 10^8).
  MaxSplInput two = One("90", 10, 1, 2.0);
  two.groups[1] = two.groups[0];
  two.group2Used = true;
  const MaxSplResult twice = ComputeMaxSpl(two);
  EXPECT_NEAR(twice.totalLevel - base, 3.0103, 1e-4);
  EXPECT_EQ(twice.barColour, ComputeMaxSpl(One("90", 10, 1, 2.0)).barColour);  // the colour follows group 1 alone
  EXPECT_EQ(twice.powerText, "Leistung aller Chassis  20 W");
  MaxSplInput mixed = One("100", 1, 1, 1.0);
  mixed.groups[2] = Group("90", 1, 1, 1.0);
  mixed.group3Used = true;
  EXPECT_NEAR(ComputeMaxSpl(mixed).totalLevel, 10 * std::log10(1e10 + 1e9), 1e-9);
  // An unused group counts for nothing, whatever it holds.
  mixed.group3Used = false;
  mixed.groups[1] = Group("111", 1000, 32, 0.1);
  EXPECT_NEAR(ComputeMaxSpl(mixed).totalLevel, 100.0, 1e-9);
}

TEST(MaxSplModel, PlacementAddsItsGainToTheTotalButNotToTheColour) {
  MaxSplInput in = One("105", 1, 1, 1.0);
  const MaxSplResult free = ComputeMaxSpl(in);
  in.placement = Placement::NearWall;
  EXPECT_NEAR(ComputeMaxSpl(in).totalLevel - free.totalLevel, 3.01, 1e-12);
  in.placement = Placement::Corner;
  const MaxSplResult corner = ComputeMaxSpl(in);
  EXPECT_NEAR(corner.totalLevel - free.totalLevel, 6.02, 1e-12);
  EXPECT_EQ(corner.totalText, "111,0 dB");
  EXPECT_EQ(corner.barValue, 111);
  EXPECT_EQ(corner.barColour, free.barColour);
  EXPECT_EQ(corner.barColour, (BarColour{255, 255, 255}));
}

TEST(MaxSplModel, BarColourBandsOfTheFirstGroupsLevel) {
  // One driver at 1 W and 1 m has the level of its sensitivity; 10 W add 10 dB, 100 W 20 dB.
  const struct {
    const char* sensitivity;
    int power;
    BarColour colour;
  } cases[] = {{"89,9", 1, {0, 0, 0}},       {"90", 1, {128, 128, 128}},  {"99,9", 1, {128, 128, 128}},
               {"100", 1, {255, 255, 255}},  {"110", 1, {0, 128, 0}},     {"110", 10, {0, 255, 0}},
               {"109,9", 100, {0, 255, 0}},  {"110", 100, {255, 0, 0}}};
  for (const auto& c : cases) {
    const MaxSplResult r = ComputeMaxSpl(One(c.sensitivity, c.power, 1, 1.0));
    EXPECT_EQ(r.barColour, c.colour) << c.sensitivity << " dB, " << c.power << " W";
  }
}

TEST(MaxSplModel, BarIsTheNearestWholeNumberClampedToItsRange) {
  // 111 + 30 + 15.05 + 20 = 176.05 dB: the bar is full, the read-out shows the whole value.
  const MaxSplResult loud = ComputeMaxSpl(One("111", 1000, 32, 0.1));
  EXPECT_EQ(loud.barValue, 170);
  EXPECT_EQ(loud.totalText, "176,1 dB");
  // 70 dB, one driver at 1 W, 20 m: 43.98 dB, below the range.
  const MaxSplResult quiet = ComputeMaxSpl(One("70", 1, 1, 20.0));
  EXPECT_EQ(quiet.barValue, 80);
  EXPECT_EQ(quiet.totalText, "44,0 dB");
  EXPECT_EQ(ComputeMaxSpl(One("95,4", 1, 1, 1.0)).barValue, 95);
  EXPECT_EQ(ComputeMaxSpl(One("95,6", 1, 1, 1.0)).barValue, 96);
}

TEST(MaxSplModel, FirstGroupOutsideItsRangeGivesTheGatedState) {
  // 112 shows the efficiency of a perfect radiator, but no level.
  MaxSplResult r = ComputeMaxSpl(One("112", 1, 1, 1.0));
  EXPECT_EQ(r.groups[0].efficiency, "Wirkungsgrad = 100.00 %");
  EXPECT_FALSE(r.groupsComputed);
  EXPECT_FALSE(r.levelShown);
  EXPECT_EQ(r.pressureText, "-");
  EXPECT_EQ(r.barValue, MaxSplResult::kBarEmpty);
  EXPECT_LT(r.barValue, MaxSplResult::kBarMinimum);
  EXPECT_EQ(r.groups[0].power, "1 W");

  r = ComputeMaxSpl(One("70", 1, 1, 1.0));
  EXPECT_TRUE(r.levelShown);
  EXPECT_EQ(r.groups[0].efficiency, "Wirkungsgrad = 0.01 %");
  r = ComputeMaxSpl(One("69,9", 1, 1, 1.0));
  EXPECT_FALSE(r.levelShown);
  EXPECT_EQ(r.groups[0].efficiency, "%");
  r = ComputeMaxSpl(One("112,1", 1, 1, 1.0));
  EXPECT_EQ(r.groups[0].efficiency, "%");
}

TEST(MaxSplModel, OtherGroupsTakeAnySensitivityAndShowTheirOwnOutOfRangeTexts) {
  MaxSplInput in = One("90", 1, 1, 1.0);
  in.groups[1] = Group("50", 1, 1, 1.0);
  in.groups[2] = Group("abc", 1, 1, 1.0);
  in.group2Used = in.group3Used = true;
  const MaxSplResult r = ComputeMaxSpl(in);
  ASSERT_TRUE(r.levelShown);
  EXPECT_EQ(r.groups[1].efficiency, "Wirkungsgrad in %");
  EXPECT_EQ(r.groups[2].efficiency, "%");
  // 10 log10(10^9 + 10^5 + 10^0): a text that is not a number counts as a 0 dB group.
  EXPECT_NEAR(r.totalLevel, 10 * std::log10(1e9 + 1e5 + 1.0), 1e-9);
}

TEST(MaxSplModel, OverflowingSensitivityOfAnotherGroupGivesTheGatedState) {
  for (const char* typed : {"99999", "123456789012345678901234567890"}) {
    MaxSplInput in = One("90", 1, 1, 1.0);
    in.groups[1] = Group(typed, 1000, 32, 0.1);
    in.group2Used = true;
    const MaxSplResult r = ComputeMaxSpl(in);
    EXPECT_TRUE(r.groupsComputed) << typed;
    EXPECT_FALSE(r.levelShown) << typed;
    EXPECT_EQ(r.pressureText, "-");
    EXPECT_EQ(r.barValue, MaxSplResult::kBarEmpty);
    ExpectNoNonFinite(r);
    // Unused, the same group changes nothing.
    in.group2Used = false;
    EXPECT_TRUE(ComputeMaxSpl(in).levelShown) << typed;
  }
  // A level just short of overflowing still shows, with every digit of a finite number.
  MaxSplInput big = One("90", 1, 1, 1.0);
  big.groups[2] = Group("3000", 1, 1, 1.0);
  big.group3Used = true;
  const MaxSplResult r = ComputeMaxSpl(big);
  ASSERT_TRUE(r.levelShown);
  EXPECT_EQ(r.totalText, "3000,0 dB");
  ExpectNoNonFinite(r);
}

TEST(MaxSplModel, BadSensitivityTextsNeverShowNanOrInf) {
  for (const char* text : {"", "abc", "-", "0", "-5", "1e999", "123456789012345678901234567890", ",", "9,9,9"}) {
    for (int group = 0; group < 3; ++group) {
      MaxSplInput in;
      in.groups[group].sensitivity = text;
      in.group2Used = in.group3Used = true;
      const MaxSplResult r = ComputeMaxSpl(in);
      ExpectNoNonFinite(r);
      if (group == 0) {
        EXPECT_FALSE(r.levelShown) << text;
      }
    }
  }
}

TEST(MaxSplModel, EnglishTextsKeepTheirSeparators) {
  MaxSplInput in;
  in.english = true;
  const MaxSplResult r = ComputeMaxSpl(in);
  EXPECT_EQ(r.groups[0].efficiency, "efficiency = 0.63 %");
  EXPECT_EQ(r.groups[0].distance, "10,00 m");
  EXPECT_EQ(r.totalText, "93,0 dB");
  EXPECT_EQ(r.powerText, "power of all speakers 200 W");
  EXPECT_EQ(r.pressureText, "pressure 0,9 Pa, loudness 39,4 sone");
  in.groups[1].sensitivity = "50";
  EXPECT_EQ(ComputeMaxSpl(in).groups[1].efficiency, "Wirkungsgrad in %");  // one text in both languages
}

TEST(MaxSplModel, PrefillIsTheDriversReferenceLevel) {
  namespace d = default_driver;
  // 112 + 10 log10(4 pi^2 fs^3 Vas / (c^3 Qes)), Vas in cubic metres, c = 343 m/s.
  const double c = 343.0, pi = std::numbers::pi;
  const double expected = 112 + 10 * std::log10(4 * pi * pi * std::pow(d::kFs, 3) * d::kVas / 1000 /
                                                   (c * c * c * d::kQes));
  EXPECT_NEAR(expected, 92.549, 1e-3);
  EXPECT_EQ(PrefillSensitivity(d::kFs, d::kVas, d::kQes), "92,5");
  // Small values are not trusted; the limits themselves fail.
  EXPECT_FALSE(PrefillSensitivity(5.0, d::kVas, d::kQes));
  EXPECT_FALSE(PrefillSensitivity(d::kFs, 1.0, d::kQes));
  EXPECT_FALSE(PrefillSensitivity(d::kFs, d::kVas, 0.05));
  EXPECT_TRUE(PrefillSensitivity(5.01, 1.01, 0.0501));
  EXPECT_FALSE(PrefillSensitivity(NAN, d::kVas, d::kQes));
  EXPECT_FALSE(PrefillSensitivity(1e300, 1e300, 0.1));
}

}  // namespace
}  // namespace velomare

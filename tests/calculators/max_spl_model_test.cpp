// The maximum level against the inverse square law, the power sum of incoherent sources, 20
// micropascal and the sone scale; its gates, the bar and its colour, and bad sensitivity texts.
#include <cmath>
#include <numbers>
#include <string>
#include <tuple>

#include "TestSupport.h"
#include "calculators/model/MaxSpl.h"
#include "driver/model/CommittedDriver.h"

namespace velomare::test {
namespace {

// One group of N drivers, P watts each, d metres away.
SplGroupInput Group(const char* sensitivity, int power, int count, double metres) {
  return {sensitivity, power, count, int(std::lround(metres * 10))};
}

MaxSplInput One(const char* sensitivity, int power, int count, double metres) {
  MaxSplInput in;
  in.groups[0] = Group(sensitivity, power, count, metres);
  return in;
}

void ExpectNoNonFinite(const MaxSplResult& r) {
  for (const SplGroupTexts& g : r.groups)
    for (const std::string* t : {&g.efficiency, &g.power, &g.count, &g.distance}) EXPECT_FALSE(ShowsNonFinite(*t)) << *t;
  for (const std::string* t : {&r.totalText, &r.powerText, &r.pressureText}) EXPECT_FALSE(ShowsNonFinite(*t)) << *t;
}

TEST(MaxSplModel, WorkedExamples) {
  // One driver at 1 W and 1 m has its sensitivity: 20 uPa 10^(100/20) = 2 Pa, 2^((100 - 40)/10) =
  // 64 sone, 10^((100 - 112)/10) = 6.31 %.
  MaxSplResult r = ComputeMaxSpl(One("100", 1, 1, 1.0));
  ASSERT_TRUE(r.levelShown);
  EXPECT_NEAR(r.totalLevel, 100.0, 1e-12);
  EXPECT_EQ(r.pressureText, "Druck 2,0 Pa, Lautheit 64,0 sone");
  EXPECT_EQ(r.groups[0].efficiency, "Wirkungsgrad = 6.31 %");
  EXPECT_EQ(r.powerText, "Leistung aller Chassis   1 W");
  // The initial values: 90 + 10 log10 100 + 10 log10 2 - 20 log10 10 = 93.01 dB.
  r = ComputeMaxSpl(MaxSplInput{});
  EXPECT_NEAR(r.totalLevel, 93.0103, 1e-4);
  EXPECT_EQ((std::vector<std::string>{r.totalText, r.groups[0].efficiency, r.groups[0].power, r.groups[0].count,
                                      r.groups[0].distance, r.powerText, r.pressureText}),
            (std::vector<std::string>{"93,0 dB", "Wirkungsgrad = 0.63 %", "100 W", "2", "10,00 m",
                                      "Leistung aller Chassis 200 W", "Druck 0,9 Pa, Lautheit 39,4 sone"}));
  EXPECT_EQ(r.barValue, 93);
  MaxSplInput english;
  english.english = true;
  r = ComputeMaxSpl(english);
  EXPECT_EQ((std::vector<std::string>{r.groups[0].efficiency, r.groups[0].distance, r.powerText, r.pressureText}),
            (std::vector<std::string>{"efficiency = 0.63 %", "10,00 m", "power of all speakers 200 W",
                                      "pressure 0,9 Pa, loudness 39,4 sone"}));
}

TEST(MaxSplModel, LevelFollowsTheInverseSquareLawThePowerSumAndThePlacement) {
  const double base = ComputeMaxSpl(One("90", 10, 1, 2.0)).totalLevel;
  const double log2 = 10 * std::log10(2.0);
  const struct { const char* name; MaxSplInput in; double gain; } rows[] = {
      {"twice the distance", One("90", 10, 1, 4.0), -2 * log2},
      {"twice the power", One("90", 20, 1, 2.0), log2},
      {"four drivers", One("90", 10, 4, 2.0), 2 * log2},
      {"two equal groups", {{Group("90", 10, 1, 2.0), Group("90", 10, 1, 2.0)}, true}, log2},
      {"an unused group", {{Group("90", 10, 1, 2.0), Group("111", 1000, 32, 0.1)}, false}, 0},
      {"near a wall", {{Group("90", 10, 1, 2.0)}, false, false, Placement::NearWall}, 3.01},
      {"in a corner", {{Group("90", 10, 1, 2.0)}, false, false, Placement::Corner}, 6.02}};
  for (const auto& row : rows) EXPECT_NEAR(ComputeMaxSpl(row.in).totalLevel - base, row.gain, 1e-9) << row.name;
  // Groups of 100 and 90 dB give 10 log10(10^10 + 10^9); a group that is no number counts as 0 dB.
  MaxSplInput mixed{{Group("100", 1, 1, 1.0), Group("abc", 1, 1, 1.0), Group("90", 1, 1, 1.0)}, true, true};
  const MaxSplResult r = ComputeMaxSpl(mixed);
  EXPECT_NEAR(r.totalLevel, 10 * std::log10(1e10 + 1e9 + 1.0), 1e-9);
  EXPECT_EQ(r.powerText, "Leistung aller Chassis   3 W");
  // Out of the efficiency's range each group has its own text, in both languages.
  mixed.groups[2].sensitivity = "50";
  mixed.english = true;
  EXPECT_EQ(ComputeMaxSpl(mixed).groups[1].efficiency, "Wirkungsgrad in %");
  EXPECT_EQ(ComputeMaxSpl(mixed).groups[2].efficiency, "%");
}

TEST(MaxSplModel, BarColourBandsOfTheFirstGroupsLevelAlone) {
  // One driver at 1 W and 1 m has the level of its sensitivity; 10 W add 10 dB, 100 W 20 dB.
  const struct { const char* sensitivity; int power; BarColour colour; } rows[] = {
      {"89,9", 1, {0, 0, 0}},       {"90", 1, {128, 128, 128}},  {"99,9", 1, {128, 128, 128}},
      {"100", 1, {255, 255, 255}},  {"110", 1, {0, 128, 0}},     {"110", 10, {0, 255, 0}},
      {"109,9", 100, {0, 255, 0}},  {"110", 100, {255, 0, 0}}};
  for (const auto& row : rows) {
    MaxSplInput in = One(row.sensitivity, row.power, 1, 1.0);
    EXPECT_EQ(ComputeMaxSpl(in).barColour, row.colour) << row.sensitivity << " dB, " << row.power << " W";
    // Neither a corner nor a second group changes it.
    in.placement = Placement::Corner;
    in.groups[1] = Group("111", 1000, 32, 0.1);
    in.group2Used = true;
    EXPECT_EQ(ComputeMaxSpl(in).barColour, row.colour) << row.sensitivity << " dB, " << row.power << " W, more";
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
  // The placement gain counts for the bar as well: 105 + 6.02 dB.
  EXPECT_EQ(ComputeMaxSpl({{Group("105", 1, 1, 1.0)}, false, false, Placement::Corner}).barValue, 111);
}

TEST(MaxSplModel, FirstGroupOutsideItsRangeGivesTheGatedState) {
  const struct { const char* sensitivity; bool shown; const char* efficiency; } rows[] = {
      {"70", true, "Wirkungsgrad = 0.01 %"}, {"69,9", false, "%"}, {"111,9", true, "Wirkungsgrad = 97.72 %"},
      {"112", false, "Wirkungsgrad = 100.00 %"}, {"112,1", false, "%"}};
  for (const auto& row : rows) {
    const MaxSplResult r = ComputeMaxSpl(One(row.sensitivity, 1, 1, 1.0));
    EXPECT_EQ(r.levelShown, row.shown) << row.sensitivity;
    EXPECT_EQ(r.groups[0].efficiency, row.efficiency) << row.sensitivity;
    EXPECT_EQ(r.groups[0].power, "1 W") << row.sensitivity;
    if (!row.shown) {
      EXPECT_EQ(r.pressureText, "-");
      EXPECT_EQ(r.barValue, MaxSplResult::kBarEmpty);
      EXPECT_LT(r.barValue, MaxSplResult::kBarMinimum);
    }
  }
}

TEST(MaxSplModel, TheGateStopsOnlyWhatNeedsTheLevel) {
  // A first sensitivity of 115 dB is outside the level's range, yet every group's read-outs and the
  // power of all drivers (500 W x 4 + 300 W x 2 from the two used groups) follow their controls.
  MaxSplInput in;
  in.groups[0] = {"115", 500, 4, 25};
  in.groups[1] = {"95", 300, 2, 400 / 10};
  in.groups[2] = {"80", 7, 3, 200};
  in.group2Used = true;
  for (bool english : {false, true}) {
    in.english = english;
    const MaxSplResult r = ComputeMaxSpl(in);
    EXPECT_FALSE(r.levelShown);
    EXPECT_EQ(r.pressureText, "-");
    EXPECT_EQ(r.barValue, MaxSplResult::kBarEmpty);
    EXPECT_EQ(r.totalText, "");
    const std::vector<std::string> shown{r.groups[0].efficiency, r.groups[0].power, r.groups[0].count,
                                         r.groups[0].distance, r.groups[1].efficiency, r.groups[1].power,
                                         r.groups[1].count, r.groups[1].distance, r.groups[2].efficiency,
                                         r.groups[2].power, r.groups[2].count, r.groups[2].distance, r.powerText};
    // 10^((95 - 112)/10) = 1.995 %, 10^((80 - 112)/10) = 0.063 %.
    EXPECT_EQ(shown, (std::vector<std::string>{"%", "500 W", "4", "2,50 m",
                                               english ? "efficiency = 2.00 %" : "Wirkungsgrad = 2.00 %",
                                               "300 W", "2", "4,00 m",
                                               english ? "efficiency = 0.06 %" : "Wirkungsgrad = 0.06 %", "7 W",
                                               "3", "20,00 m",
                                               english ? "power of all speakers 2600 W"
                                                       : "Leistung aller Chassis 2600 W"}));
  }
}

TEST(MaxSplModel, BadSensitivityTextsNeverShowNanOrInf) {
  for (const char* text : {"", "abc", "-", "0", "-5", "1e999", "123456789012345678901234567890", ",", "9,9,9"}) {
    for (int group = 0; group < 3; ++group) {
      MaxSplInput in;
      in.groups[group].sensitivity = text;
      in.group2Used = in.group3Used = true;
      const MaxSplResult r = ComputeMaxSpl(in);
      ExpectNoNonFinite(r);
      EXPECT_TRUE(group > 0 || !r.levelShown) << text;
    }
  }
  // The overflowing level of another group gates instead of showing infinity; unused, it changes nothing.
  for (const char* typed : {"99999", "123456789012345678901234567890"}) {
    MaxSplInput in = One("90", 1, 1, 1.0);
    in.groups[1] = Group(typed, 1000, 32, 0.1);
    in.group2Used = true;
    const MaxSplResult r = ComputeMaxSpl(in);
    EXPECT_FALSE(r.levelShown) << typed;
    EXPECT_EQ(r.powerText, "Leistung aller Chassis 32001 W") << typed;
    EXPECT_EQ(r.pressureText, "-");
    EXPECT_EQ(r.barValue, MaxSplResult::kBarEmpty);
    ExpectNoNonFinite(r);
    in.group2Used = false;
    EXPECT_TRUE(ComputeMaxSpl(in).levelShown) << typed;
  }
  // A level just short of overflowing still shows, with every digit of a finite number.
  MaxSplInput big = One("90", 1, 1, 1.0);
  big.groups[2] = Group("3000", 1, 1, 1.0);
  big.group3Used = true;
  EXPECT_EQ(ComputeMaxSpl(big).totalText, "3000,0 dB");
  for (auto [power, count, metres] : {std::tuple{0, 1, 1.0}, {1, 0, 1.0}, {1, 1, 0.0}})
    EXPECT_TRUE(std::isnan(GroupLevel(90, power, count, metres))) << power << " W " << count << " x " << metres << " m";
}

TEST(MaxSplModel, PrefillIsTheDriversReferenceLevel) {
  namespace d = default_driver;
  // 112 + 10 log10(4 pi^2 fs^3 Vas / (c^3 Qes)), Vas in cubic metres, c = 343 m/s: 92.549 dB.
  EXPECT_EQ(PrefillSensitivity(d::kFs, d::kVas, d::kQes), "92,5");
  // Small values are not trusted; the limits themselves fail.
  EXPECT_FALSE(PrefillSensitivity(5.0, d::kVas, d::kQes));
  EXPECT_FALSE(PrefillSensitivity(d::kFs, 1.0, d::kQes));
  EXPECT_FALSE(PrefillSensitivity(d::kFs, d::kVas, 0.05));
  EXPECT_TRUE(PrefillSensitivity(5.01, 1.01, 0.0501));
  EXPECT_FALSE(PrefillSensitivity(NAN, d::kVas, d::kQes));
  EXPECT_FALSE(PrefillSensitivity(1e300, 1e300, 0.1));
}

TEST(MaxSplModel, TheLevelsTextsPressureLoudnessAndEfficiencyOfOneDriver) {
  MaxSplResult r = ComputeMaxSpl(One("100", 1, 1, 1.0));
  EXPECT_EQ(r.totalText, "100,0 dB");
  EXPECT_NEAR(PressureOfLevel(100), 2.0, 1e-12);
  EXPECT_NEAR(LoudnessOfLevel(100), 64.0, 1e-12);
  EXPECT_NEAR(EfficiencyPercent(100), 6.309573, 1e-6);
  EXPECT_EQ(ComputeMaxSpl(MaxSplInput{}).barColour, (BarColour{128, 128, 128}));
  MaxSplInput english;
  english.english = true;
  EXPECT_EQ(ComputeMaxSpl(english).totalText, "93,0 dB");
}

TEST(MaxSplModel, GroupsAddTheirPowersAndACornerItsGain) {
  MaxSplInput two = One("90", 10, 1, 2.0);
  two.groups[1] = two.groups[0];
  two.group2Used = true;
  EXPECT_EQ(ComputeMaxSpl(two).powerText, "Leistung aller Chassis  20 W");
  MaxSplInput corner = One("105", 1, 1, 1.0);
  corner.placement = Placement::Corner;
  EXPECT_EQ(ComputeMaxSpl(corner).totalText, "111,0 dB");
  // 10 log10(10^9 + 10^5 + 10^0): a 50 dB group counts though its efficiency is out of range,
  // a text that is not a number counts as a 0 dB group.
  MaxSplInput in = One("90", 1, 1, 1.0);
  in.groups[1] = Group("50", 1, 1, 1.0);
  in.groups[2] = Group("abc", 1, 1, 1.0);
  in.group2Used = in.group3Used = true;
  const MaxSplResult r = ComputeMaxSpl(in);
  ASSERT_TRUE(r.levelShown);
  EXPECT_NEAR(r.totalLevel, 10 * std::log10(1e9 + 1e5 + 1.0), 1e-9);
  MaxSplInput big = One("90", 1, 1, 1.0);
  big.groups[2] = Group("3000", 1, 1, 1.0);
  big.group3Used = true;
  const MaxSplResult loud = ComputeMaxSpl(big);
  ASSERT_TRUE(loud.levelShown);
  ExpectNoNonFinite(loud);
}

TEST(MaxSplModel, TheDefaultDriversReferenceLevelWorkedOut) {
  namespace d = default_driver;
  const double c = 343.0, pi = std::numbers::pi;
  const double expected = 112 + 10 * std::log10(4 * pi * pi * std::pow(d::kFs, 3) * d::kVas / 1000 /
                                                   (c * c * c * d::kQes));
  EXPECT_NEAR(expected, 92.549, 1e-3);
  EXPECT_EQ(PrefillSensitivity(d::kFs, d::kVas, d::kQes), "92,5");
}

}  // namespace
}  // namespace velomare::test

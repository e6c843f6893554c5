// The exponential horn against textbook relations worked out apart from the code: the mouth whose
// circumference is the wavelength at fu, the flare constant 4 pi fu / c, the area law, the gain,
// the reference level from the efficiency, the pressure chamber's corner frequency; then the
// result texts, the bounds of the inputs, bad input, and the saved inputs of section "Expo".
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/ExpoHorn.h"

namespace velomare::test {
namespace {

constexpr double kPi = std::numbers::pi;

const HornDriver kDefaultDriver{default_driver::kFs, default_driver::kQts, default_driver::kQes, default_driver::kVas};

HornDesign Design(double fu, double ah, double fo, HornPlacement placement, const HornDriver& driver = kDefaultDriver) {
  return ComputeHorn({fu, ah, fo, placement}, driver);
}

// Am = c^2 / (4 pi f^2): the circumference sqrt(4 pi Am) of a round mouth equals c / f; in cm².
double FreeFieldMouth(double fu, double c) { return c * c / (4 * kPi * fu * fu) * 1e4; }

TEST(ExpoHornModel, MouthCircumferenceEqualsTheWavelengthAtFuDividedAmongTheMirrorImages) {
  EXPECT_NEAR(FreeFieldMouth(100, 340), 9199.16, 0.005);
  const struct {
    HornPlacement placement;
    double images;
  } cases[] = {{HornPlacement::Free, 1}, {HornPlacement::Floor, 2}, {HornPlacement::Wall, 4}, {HornPlacement::Corner, 8}};
  for (const auto& c : cases) {
    for (double fu : {20.0, 50.0, 100.0, 333.0, 500.0}) {
      const HornDesign d = Design(fu, 500, 500, c.placement);
      EXPECT_NEAR(d.values.mouthArea / (FreeFieldMouth(fu, 340) / c.images), 1.0, 1e-8) << fu;
    }
  }
  EXPECT_NEAR(Design(50, 500, 500, HornPlacement::Floor).values.mouthArea, 18398.3, 0.05);
  EXPECT_DOUBLE_EQ(HornPlacementDivide(80, HornPlacement::Corner), 10);
}

TEST(ExpoHornModel, FlareConstantIsFourPiFuOverC340Point5AndTheAreaLawReachesTheMouthAtTheHornLength) {
  for (double fu : {20.0, 100.0, 500.0})
    EXPECT_NEAR(Design(fu, 500, 500, HornPlacement::Floor).values.flareConstant / (4 * kPi * fu / 340.5), 1.0, 2e-4);
  EXPECT_NEAR(Design(100, 500, 500, HornPlacement::Floor).values.flareConstant, 3.690, 5e-4);
  for (HornPlacement p : {HornPlacement::Free, HornPlacement::Floor, HornPlacement::Wall, HornPlacement::Corner}) {
    for (double fu : {20.0, 75.0, 100.0, 500.0}) {
      for (double ah : {5.5, 120.0, 2999.0}) {
        const HornValues v = Design(fu, ah, 500, p).values;
        EXPECT_NEAR(HornArea(v.throatArea, v.flareConstant, v.length) / v.mouthArea, 1.0, 1e-9);
        EXPECT_DOUBLE_EQ(HornArea(v.throatArea, v.flareConstant, 0), ah);
      }
    }
  }
  // The area doubles every 100 ln 2 / k centimetres.
  EXPECT_NEAR(HornArea(500, 3.7, 100 * std::log(2.0) / 3.7), 1000, 1e-9);
  const HornValues v = Design(100, 500, 500, HornPlacement::Floor).values;
  EXPECT_NEAR(HornArea(500, v.flareConstant, 100 * std::log(2.0) / v.flareConstant), 1000, 1e-9);
}

TEST(ExpoHornModel, GainIsTenLogOfTheAreaRatioAndEachWallShortensTheHorn) {
  const HornDesign floor = Design(100, 500, 500, HornPlacement::Floor);
  EXPECT_NEAR(floor.gain, 10 * std::log10(floor.values.mouthArea / 500), 1e-12);
  EXPECT_NEAR(floor.gain, 9.6375, 1e-3);
  const HornDesign corner = Design(100, 500, 500, HornPlacement::Corner), free = Design(100, 500, 500, HornPlacement::Free);
  const double k = floor.values.flareConstant;
  EXPECT_NEAR(floor.values.length - corner.values.length, 100 * std::log(4.0) / k, 1e-9);
  EXPECT_NEAR(free.values.length - corner.values.length, 100 * std::log(8.0) / k, 1e-9);
  EXPECT_NEAR(free.gain - corner.gain, 10 * std::log10(8.0), 1e-12);
}

TEST(ExpoHornModel, LevelIsTheReferenceLevelFromTheEfficiencyPlusTheGain) {
  // eta0 = 4 pi^2 fs^3 Vas / (c^3 Qes), c = 343 m/s, Vas in m^3; SPL0 = 112 + 10 log10 eta0.
  const double vas = default_driver::kVas / 1000, fs = default_driver::kFs;
  const double eta0 = 4 * kPi * kPi * fs * fs * fs * vas / (343.0 * 343.0 * 343.0 * default_driver::kQes);
  const double spl0 = 112 + 10 * std::log10(eta0);
  EXPECT_NEAR(spl0, 92.55, 0.005);
  const HornDesign d = Design(100, 500, 500, HornPlacement::Floor);
  ASSERT_TRUE(d.level);
  EXPECT_NEAR(*d.level, spl0 + d.gain, 0.002);
  EXPECT_EQ(HornResultTexts(d, false).Label9, "Schalldruckgewinn durch Trichter 9.6 dB auf 102.2 dB");
  // A faint driver, 100 dB less (Qes times 1e10): the level below 10 dB takes no leading blank.
  const HornDesign faint = Design(100, 500, 500, HornPlacement::Floor, {kDefaultDriver.fs, kDefaultDriver.qts,
                                                                         kDefaultDriver.qes * 1e10, kDefaultDriver.vas});
  EXPECT_EQ(HornResultTexts(faint, false).Label9, "Schalldruckgewinn durch Trichter 9.6 dB auf 2.2 dB");
}

TEST(ExpoHornModel, PressureChamberHasItsCornerFrequencyAtFo) {
  // f = c St / (2 pi Vc) with c = 340 m/s, St in m², Vc in m³.
  const auto corner = [](double stCm2, double vcLitres) { return 340 * stCm2 * 1e-4 / (2 * kPi * vcLitres * 1e-3); };
  const HornDesign d = Design(100, 500, 500, HornPlacement::Floor);
  ASSERT_TRUE(d.chamberValid);
  EXPECT_NEAR(d.chamberVolume, 5.4113, 1e-9);
  EXPECT_NEAR(corner(500, d.chamberVolume), 500, 0.01);
  const HornDesign other = Design(60, 1234, 777, HornPlacement::Wall);
  EXPECT_NEAR(corner(1234, other.chamberVolume), 777, 0.02);
}

TEST(ExpoHornModel, DesignValuesGiveTheseTextsInBothLanguages) {
  const HornDesign d = Design(100, 500, 500, HornPlacement::Floor);
  EXPECT_TRUE(d.hornValid && d.cursorMaximum == 60) << d.cursorMaximum;
  const HornTexts de = HornResultTexts(d, false), en = HornResultTexts(d, true);
  const std::pair<std::string, const char*> shown[] = {
      {de.Label2, "Trichterkonstante k= 3.7"},
      {de.Label11, "Querschnitt 22.4x22.4cm"},
      {de.Label6, "Mundfläche Am= 4599.6 cm², 67.8 cm x 67.8 cm"},
      {de.Label10, "Trichterlänge Xmax= 60.1 cm"},
      {de.Labelboxvol, "geschl. Volumen : 29.0 l "},
      {de.Label12, "Druckkammervolumen 5.4 l"},
      {de.Label14, "bei x= 1cm, A=519cm² (=22.8x22.8cm)"},
      {en.Label10, "horn length Xm= 60.1 cm"},
      {en.Label2, "horn constant k= 3.7"},
      {en.Label11, "cross-section 22.4x22.4cm"},
      {en.Label6, "mouth cross-section Am= 4599.6 cm², 67.8 cm x 67.8 cm"},
      {en.Labelboxvol, "closed volume : 29.0 l "},
      {en.Label12, "dry well / pressure chamber volume = 5.4 l"},
      {en.Label9, "SPL gain of horn 9.6 dB to 102.2 dB"},
      {en.Label14, "bei x= 1cm, A=519cm² (=22.8x22.8cm)"},  // the first centimetre in German whatever the language
  };
  for (const auto& [text, expected] : shown) EXPECT_EQ(text, expected);
}

TEST(ExpoHornModel, CursorAreaFollowsTheAreaLawAtTheScrollBarPosition) {
  const HornValues v = Design(100, 500, 500, HornPlacement::Floor).values;
  EXPECT_NEAR(HornArea(v.throatArea, v.flareConstant, 30), 1512.65, 0.01);
  EXPECT_EQ(HornCursorAreaText(v, 30, false), "bei x=30cm, A=1513cm² (=38.9x38.9cm)");
  EXPECT_EQ(HornCursorAreaText(v, 30, true), "at x=30cm, A=1513cm² (=38.9x38.9cm)");
  EXPECT_EQ(HornCursorAreaText(v, 1, false), "bei x= 1cm, A=519cm² (=22.8x22.8cm)");
  // No validity test: an invalid horn keeps k = 0 and shows the throat as read at every x.
  const HornValues invalid = Design(10, 500, 500, HornPlacement::Floor).values;
  EXPECT_EQ(HornCursorAreaText(invalid, 17, false), "bei x=17cm, A=500cm² (=22.4x22.4cm)");
}

TEST(ExpoHornModel, ClosedVolumeIsVasTimesQUpToOneAndTheNotedRuleAbove) {
  HornDesign d = Design(100, 500, 500, HornPlacement::Floor, {40, 0.4, 0.5, 50});  // q = 0.16
  EXPECT_NEAR(d.closedVolume, 0.16 * 50, 1e-12);
  EXPECT_FALSE(d.closedVolumeAboveVas);
  d = Design(20, 500, 500, HornPlacement::Floor, {50, 0.4, 0.5, 40});  // q = 1
  EXPECT_NEAR(d.closedVolume, 40, 1e-12);
  EXPECT_EQ(HornResultTexts(d, false).Labelboxvol, "geschl. Volumen : 40.0 l ");
  d = Design(20, 500, 500, HornPlacement::Floor, {50, 0.5, 0.5, 40});  // q = 1.25
  EXPECT_NEAR(d.closedVolume, 48.0, 1e-12);
  EXPECT_TRUE(d.closedVolumeAboveVas);
  EXPECT_EQ(HornResultTexts(d, true).Labelboxvol, "closed volume : 48.0 l  (V>Vas!)");
  EXPECT_EQ(HornResultTexts(d, false).Labelboxvol, "geschl. Volumen : 48.0 l  (V>Vas!)");
}

TEST(ExpoHornModel, FuFrom20To500AndThroatStrictlyBetween5And3000MakeAHorn) {
  const double cases[][3] = {{20, 500, 1},   {500, 500, 1}, {19.9, 500, 0},  {500.1, 500, 0},
                             {100, 5, 0},    {100, 3000, 0}, {100, 5.1, 1},  {100, 2999.9, 1}};
  for (const auto& [fu, ah, valid] : cases)
    EXPECT_EQ(Design(fu, ah, 600, HornPlacement::Floor).hornValid, valid == 1) << fu << " " << ah;
}

TEST(ExpoHornModel, ChamberHasItsOwnTestAndUsesFuEvenOutOfTheHornsRange) {
  const auto chamber = [](double fu, double fo) { return HornResultTexts(Design(fu, 500, fo, HornPlacement::Floor), false).Label12; };
  EXPECT_EQ(chamber(100, 100) + chamber(40, 49) + chamber(100, 1001), "---");
  EXPECT_EQ(chamber(40, 50), "Druckkammervolumen 54.1 l");
  EXPECT_EQ(chamber(100, 1000), "Druckkammervolumen 2.7 l");
  const HornDesign d = Design(10, 500, 300, HornPlacement::Floor);
  EXPECT_FALSE(d.hornValid);
  EXPECT_NEAR(d.chamberVolume, 9.0188, 5e-5);
  const HornTexts t = HornResultTexts(d, false);
  EXPECT_EQ(t.Label12, "Druckkammervolumen 9.0 l");
  EXPECT_EQ(t.Label14 + "|" + t.Label11 + "|" + t.Label2 + "|" + t.Label6 + "|" + t.Label10 + "|" + t.Label9 + "|" +
                t.Labelboxvol,
            "Fläche bei x|=|k|Am|Xm|SPL|-");
  EXPECT_EQ((std::vector<double>{d.values.throatArea, d.values.mouthArea, d.values.length, d.values.flareConstant}),
            (std::vector<double>{500, 0, 0, 0}));
  EXPECT_EQ(HornResultTexts(Design(10, 5, 300, HornPlacement::Floor), true).Label12, "-");
}

TEST(ExpoHornModel, MouthSmallerThanThroatShowsTheNegativeLengthAndKeepsTheCursorRangeValid) {
  const HornDesign d = Design(200, 2500, 500, HornPlacement::Free);
  EXPECT_TRUE(d.hornValid);
  EXPECT_NEAR(d.values.length, -1.13, 0.005);
  EXPECT_EQ(d.cursorMaximum, 0);
  EXPECT_EQ(HornResultTexts(d, false).Label10 + "|" + HornResultTexts(d, false).Labelboxvol,
            "Trichterlänge Xmax= -1.1 cm|geschl. Volumen : 14.5 l ");
  EXPECT_LT(d.gain, 0);
}

TEST(ExpoHornModel, BadTextsGivePlaceholdersAndNeverANonFiniteNumber) {
  const char* bad[] = {"abc", "", "-100", "0", "123456789012345678901234567890", "1e999", "1,2,3", " 100"};
  for (const char* text : bad) {
    for (int field = 0; field < 3; ++field) {
      const HornInput in = ReadHornInput(field == 0 ? text : "100", field == 1 ? text : "500", field == 2 ? text : "500",
                                         HornPlacement::Floor);
      const HornDesign d = ComputeHorn(in, kDefaultDriver);
      const HornTexts t = HornResultTexts(d, false);
      if (field < 2) EXPECT_TRUE(!d.hornValid && t.Label10 == "Xm") << text << " " << t.Label10;
      else EXPECT_EQ(t.Label12, "-") << text;
      for (const std::string& s : {t.Label2, t.Label11, t.Label6, t.Label10, t.Label9, t.Labelboxvol, t.Label12,
                                   t.Label14, HornCursorAreaText(d.values, 1000, false)})
        EXPECT_TRUE(s.find("nan") == std::string::npos && s.find("inf") == std::string::npos) << text << ": " << s;
    }
  }
  // A driver whose level cannot be worked out shows "?" in place of the level.
  const HornDesign d = Design(100, 500, 500, HornPlacement::Floor, {29, 0.41, 0, 244});
  EXPECT_EQ(HornResultTexts(d, false).Label9, "Schalldruckgewinn durch Trichter 9.6 dB auf ? dB");
}

class ExpoSection : public ::testing::Test {
 protected:
  TempSettingsFolder folder;
  platform::IniFile Ini() { return OpenSettings(); }
  static std::string Summary(const HornSavedInputs& s) {
    return s.fu + " " + s.ah + " " + s.fo + " " + std::to_string(s.cursor) + " " + std::to_string(int(s.placement));
  }
  // The section as stored, read back as it would be restored.
  static void ExpectRestored(const std::string& stored, const HornSavedInputs& expected) {
    TempSettingsFolder folder;
    folder.WriteSettings("[Expo]\r\n" + stored);
    EXPECT_EQ(Summary(ReadHornSection(OpenSettings())), Summary(expected)) << stored;
  }
};

TEST_F(ExpoSection, ValuesInsideTheirRangesRestoreAndMissingOrOtherValuesFallBack) {
  const HornSavedInputs design;
  ExpectRestored("", design);
  ExpectRestored("fu=62,5\r\nfo=200\r\nHals=5000\r\nCursor=0\r\nAufstellung=4\r\n",
                 {"62.5", "5000", "200", 0, HornPlacement::Corner});
  ExpectRestored("fu=999.999\r\nfo=499.5\r\nHals=1.25\r\nCursor=1000\r\nAufstellung=1\r\n",
                 {"999.999", "1.25", "499.5", 1000, HornPlacement::Free});
  ExpectRestored("fu=1000\r\nfo=600\r\nHals=1\r\nCursor=1001\r\nAufstellung=0\r\n", design);
  ExpectRestored("fu=1\r\nfo=199.9\r\nHals=5000.1\r\nCursor=-1\r\nAufstellung=5\r\n", design);
  ExpectRestored("fu=1e2\r\nfo=nan\r\nHals=-300\r\nCursor=abc\r\nAufstellung=x\r\n", design);
}

TEST_F(ExpoSection, WritesTheFiveKeysInOrderWithADecimalPointAndKeepsTheRest) {
  folder.WriteSettings("[Info]\r\nSprache=english\r\n\r\n[Expo]\r\nCursor=7\r\nextra=kept\r\n");
  platform::IniFile ini = Ini();
  ASSERT_TRUE(WriteHornSection(ini, "62,5", "abc", "", 42, HornPlacement::Wall));
  EXPECT_EQ(folder.ReadSettings(),
            "[Info]\r\nSprache=english\r\n\r\n[Expo]\r\nCursor=42\r\nextra=kept\r\nfu=62.5\r\nfo=500\r\nHals=500\r\n"
            "Aufstellung=3\r\n");
  EXPECT_EQ(Summary(ReadHornSection(Ini())), "62.5 500 500 42 3");
}

TEST_F(ExpoSection, FreshFileHoldsTheSectionAlone) {
  platform::IniFile ini = Ini();
  ASSERT_TRUE(WriteHornSection(ini, "xyz", "1234.5", "300", 1, HornPlacement::Floor));
  EXPECT_EQ(folder.ReadSettings(), "[Expo]\r\nfu=100\r\nfo=300\r\nHals=1234.5\r\nCursor=1\r\nAufstellung=2\r\n");
}

}  // namespace
}  // namespace velomare::test

// The driver model: worked read-outs, textbook relations that must hold for any driver (so a wrong
// constant is caught, not restated), the guards, bad text, the Q calculators and the commit.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "TestSupport.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DriverValues.h"

namespace velomare::test {
namespace {

constexpr double kPi = std::numbers::pi;

struct Driver {
  std::string qts, qes, qms, vas, fs, re, dia, vol, le, name, maker;
};

const Driver kDefault{"0,410", "0,513", "2,040", "244,0", "29,0", "6,8", "25,3", "2,10", "1500", "W 300 NG (8 Ohm)",
                      "VISATON"};

// What the window does at every edit change: names and Le by their own handlers, then the rest.
DriverReadouts Compute(const Driver& d) {
  WorkName = d.name;
  WorkManufacturer = d.maker;
  TakeInductance(d.le);
  return ComputeDriverValues({d.qts, d.qes, d.qms, d.vas, d.fs, d.re, d.dia, d.vol});
}

std::vector<std::string> Texts(const DriverReadouts& r) {
  return {r.qmsCalc, r.sd, r.impedance, r.spl, r.efficiency, r.ebp, r.bl, r.cms, r.mms, r.cmes, r.rms, r.indicator};
}

bool HasNonFinite(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

class DriverValues : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ResetDriverValues();
  }
  void CommitDefault() {
    namespace d = default_driver;
    ChassisQts = d::kQts, ChassisQes = d::kQes, ChassisQms = d::kQms, ChassisVas = d::kVas, ChassisFs = d::kFs;
    ChassisRe = d::kRe, ChassisDia = d::kDia, ChassisVol = d::kVol, ChassisLe = d::kLe;
    ChassisName = d::kName, ChassisManufacturer = d::kManufacturer;
  }
};

TEST_F(DriverValues, BuiltInDriverGivesTheWorkedReadoutsInBothLanguages) {
  CommitDefault();
  DriverReadouts r = Compute(kDefault);
  EXPECT_TRUE(r.valid);
  // Rms from the computed Qms 2.042, not the typed 2.040.
  EXPECT_EQ(Texts(r), (std::vector<std::string>{
      "mechanische Güte Qms = 2.042", "Membranfläche Sd = 502.7 cm² ", "Ohm ( Z=  8 Ohm )",
      "Kennschalldruck SPL = 92.5 dB/1m1W ", "Wirkungsgrad = 1.13 %", "Bandbreiteprodukt EBP = 56.5",
      "Wandlerkonstante Bxl = 10.22 N/A=Tm ", "mech. Nachgiebigkeit Cms = 0.68 mm/N ", "Membranmasse Mms = 44.04 g ",
      "elektr. Kapazität Cmes = 414.03 µF ", "mech. Verluste Rms = 3.93 kg/s ", "alte Werte"}));

  Language = "english";
  r = Compute(kDefault);
  EXPECT_EQ(r.qmsCalc, "mechanical quality Qms = 2.042");
  EXPECT_EQ(r.bl, "magnet const. Bxl = 10.22 N/A=Tm");
  EXPECT_EQ(r.indicator, "old values");

  // The stored values, worked out by hand from the same inputs.
  EXPECT_NEAR(WorkQmsCalc, 1 / (1 / 0.41 - 1 / 0.513), 1e-12);
  EXPECT_NEAR(WorkEff, 1.134864, 5e-7);
  EXPECT_NEAR(ChassisBL, 10.2238, 5e-5);
}

// Textbook forms with their own physical constants: air of rho = 1.2 kg/m³ and c = 343 m/s, so
// rho c^2 = 1.41e5 Pa; SI units throughout.
TEST_F(DriverValues, DerivedValuesObeyTheTextbookRelationsForOtherDrivers) {
  const std::vector<Driver> drivers = {
      {"0,35", "0,42", "2,1", "55", "38", "5,6", "17", "0,9", "800", "mid woofer", "maker"},
      {"0,45", "0,55", "3", "4", "75", "3,4", "10", "0,2", "120", "midrange", "maker"},
      {"0.28", "0.31", "4", "1200", "17.5", "1.9", "46", "12", "3100", "pa sub", "maker"},
  };
  for (const Driver& d : drivers) {
    SCOPED_TRACE(d.name);
    const DriverReadouts r = Compute(d);
    ASSERT_TRUE(r.valid);
    const double qes = WorkQes, fs = WorkFs, vas = WorkVas * 1e-3, re = WorkRe, qms = WorkQmsCalc;
    const double sd = kPi / 4 * std::pow(WorkDia * 1e-2, 2);  // m²
    EXPECT_NEAR(qes * qms / (qes + qms), WorkQts, 1e-12);  // 1/Qts = 1/Qes + 1/Qms
    EXPECT_NEAR(ChassisEbp, fs / qes, 1e-9);
    EXPECT_NEAR(ChassisSd * 1e-4, sd, 1e-12);

    // Cms = Vas / (rho c^2 Sd^2); a constant off by more than half a percent shows here.
    constexpr double kRhoCSquared = 1.2 * 343.0 * 343.0;
    const double cms = vas / (kRhoCSquared * sd * sd);  // m/N
    EXPECT_NEAR(ChassisCms * 1e-3 / cms, 1.0, 0.005);
    // Mms = 1 / ((2 pi fs)^2 Cms), from the program's own Cms exactly and from the textbook's.
    EXPECT_NEAR(ChassisMms * 1e-3, 1 / (std::pow(2 * kPi * fs, 2) * ChassisCms * 1e-3), 1e-9 * ChassisMms);
    EXPECT_NEAR(ChassisMms * 1e-3 * std::pow(2 * kPi * fs, 2) * cms, 1.0, 0.005);
    // Qes = 2 pi fs Re Cmes and Rms = 2 pi fs Mms / Qms.
    EXPECT_NEAR(2 * kPi * fs * re * ChassisCmes * 1e-6, qes, 1e-9);
    EXPECT_NEAR(ChassisRms, 2 * kPi * fs * ChassisMms * 1e-3 / qms, 1e-6 * ChassisRms);
    // Efficiency 4 pi^2 fs^3 Vas / (c^3 Qes), the level 112 dB + 10 log10 of it.
    const double efficiency = 4 * kPi * kPi * std::pow(fs, 3) * vas / (std::pow(343.0, 3) * qes);
    EXPECT_NEAR(WorkEff / 100 / efficiency, 1.0, 0.005);
    EXPECT_NEAR(WorkSpl, 112 + 10 * std::log10(WorkEff / 100), 1e-9);
    // BL^2 = 2 pi fs Mms Re / Qes; the program's force-factor constant stays about 0.9 % below.
    EXPECT_NEAR(ChassisBL / std::sqrt(2 * kPi * fs * ChassisMms * 1e-3 * re / qes), 0.99125, 0.00125);
  }
}

TEST_F(DriverValues, ADriversOwnValuesOweNothingToTheDriverBefore) {
  Compute(kDefault);
  Driver d = kDefault;
  d.fs = "900";
  // The read-out keeps its guard (Mms 0.046 g is below 0.1 g) and the stored Rms its last value.
  EXPECT_EQ(Compute(d).rms, "Rms ? ");
  EXPECT_NEAR(ChassisRms, 3.930064, 5e-7);
  // This driver's own: sqrt(0.04572953 / 0.6838463) / 2.042039 = 0.1266354, and 2 pi fs Mms / Qms
  // (to the 1e-9 by which the compliance and mass constants differ from one rho c^2).
  const DerivedDriverValues own = DeriveDriverValues(0.41, 0.513, 244, 900, 6.8, 25.3);
  ASSERT_TRUE(own.rms && own.mms && own.cms && own.qmsCalc && own.spl && own.bl);
  EXPECT_NEAR(*own.rms, 0.1266354, 5e-8);
  EXPECT_NEAR(*own.rms, 2 * kPi * 900 * *own.mms * 1e-3 / *own.qmsCalc, 1e-8 * *own.rms);
  // Where the window's guards hold it stores the same digits.
  EXPECT_EQ(std::vector({*own.qmsCalc, *own.mms, *own.cms, *own.spl, *own.bl}),
            std::vector({WorkQmsCalc, ChassisMms, ChassisCms, WorkSpl, ChassisBL}));
  // Below half an ohm there is no nominal impedance, and no Rms without a computed Qms.
  EXPECT_FALSE(DeriveDriverValues(0.41, 0.513, 244, 29, 0.49, 25.3).z);
  EXPECT_EQ(DeriveDriverValues(0.41, 0.513, 244, 29, 0.5, 25.3).z, 2.0);
  EXPECT_FALSE(DeriveDriverValues(0.41, 0.41, 244, 29, 6.8, 25.3).rms);
}

TEST_F(DriverValues, NominalImpedanceFollowsTheDcResistance) {
  for (auto [re, z] : {std::pair{"0,5", " 2"}, {"1,7", " 2"}, {"1,71", " 3"}, {"2,7", " 4"}, {"4,0", " 5"},
                       {"4,8", " 6"}, {"5,5", " 8"}, {"7,99", " 8"}, {"8,0", "10"}, {"16", "21"}}) {
    Driver d = kDefault;
    d.re = re;
    EXPECT_EQ(Compute(d).impedance, std::string("Ohm ( Z= ") + z + " Ohm )") << re;
  }
  Driver d = kDefault;
  d.re = "0,4";
  EXPECT_EQ(Compute(d).impedance, "Ohm ");
  EXPECT_DOUBLE_EQ(ChassisZ, 1.3 * 16);  // left alone
}

TEST_F(DriverValues, FailedGuardsShowTheirQuestionMarksAndKeepTheLastValue) {
  Compute(kDefault);
  const double lastQms = WorkQmsCalc;

  Driver d = kDefault;
  d.qes = "0,410";  // Qes = Qts
  DriverReadouts r = Compute(d);
  EXPECT_EQ(r.qmsCalc, "? Qms (Qes > Qts ! )");
  EXPECT_FALSE(r.valid);
  EXPECT_DOUBLE_EQ(WorkQmsCalc, lastQms);
  EXPECT_NEAR(ChassisRms, std::sqrt(ChassisMms / ChassisCms) / lastQms, 1e-12);  // Rms keeps the last Qms
  d.qes = "0,3";
  EXPECT_EQ(Compute(d).qmsCalc, "? Qms (Qes > Qts ! )");

  d = kDefault;
  d.fs = "5,0";  // the guards are strict
  r = Compute(d);
  EXPECT_EQ((std::vector<std::string>{r.spl, r.efficiency, r.ebp, r.bl, r.mms, r.cmes}),
            (std::vector<std::string>{"SPL ?", " % ?", "EBP ? ", "Bxl ? ", "Mms ? ", "Cmes ? "}));
  EXPECT_FALSE(r.valid);
  // Vas of exactly 0.1 l fails its strict guard as well; fs/Qes does not need Vas.
  d = kDefault;
  d.vas = "0,1";
  r = Compute(d);
  EXPECT_EQ((std::vector<std::string>{r.spl, r.efficiency, r.ebp, r.bl}),
            (std::vector<std::string>{"SPL ?", " % ?", "Bandbreiteprodukt EBP = 56.5", "Bxl ? "}));

  d = kDefault;
  d.dia = "0,5";
  r = Compute(d);
  // Cms is the one value that falls back to 0, so Rms cannot be computed either.
  EXPECT_EQ((std::vector<std::string>{r.sd, r.bl, r.cms, r.mms, r.rms}),
            (std::vector<std::string>{"Membranfläche Sd = 0.2 cm² ", "Bxl ? ", " Cms ?", "Mms ? ", "Rms ? "}));
  EXPECT_DOUBLE_EQ(ChassisCms, 0.0);
  EXPECT_FALSE(r.valid);
  d.dia = "1,0";  // OK needs more than 1 cm
  EXPECT_FALSE(Compute(d).valid);
  d.dia = "0";
  EXPECT_EQ(Compute(d).sd, "Sd ?");
  d = kDefault, d.re = "0";
  EXPECT_EQ(Compute(d).bl, "Bxl ? ");
}

TEST_F(DriverValues, ValidityNeedsEveryValueInItsRange) {
  EXPECT_TRUE(Compute(kDefault).valid);
  for (auto [field, text] : {std::pair{&Driver::qts, "0,05"}, {&Driver::qes, "0,05"}, {&Driver::qms, "0,5"},
                              {&Driver::vas, "0,1"}, {&Driver::fs, "5"}, {&Driver::re, "0,1"}, {&Driver::dia, "1"},
                              {&Driver::vol, "0"}, {&Driver::le, "0"}, {&Driver::le, "-5"}, {&Driver::name, ""},
                              {&Driver::maker, ""}}) {
    Driver d = kDefault;
    d.*field = text;
    EXPECT_FALSE(Compute(d).valid) << text;
  }
  // A typed Qms is checked, not the computed one.
  Driver d = kDefault;
  d.qms = "0,6";
  EXPECT_TRUE(Compute(d).valid);
}

TEST_F(DriverValues, IndicatorComparesWithTheCommittedDriverButNotQms) {
  CommitDefault();
  Driver d = kDefault;
  d.qms = "7";
  EXPECT_EQ(Compute(d).indicator, "alte Werte");
  for (auto field : {&Driver::le, &Driver::name}) {
    d = kDefault;
    d.*field = field == &Driver::le ? "1501" : "W 300 NG (8 ohm)";
    EXPECT_EQ(Compute(d).indicator, "neue Werte");
  }
  // A committed value with more decimals than its edit shows counts as new.
  ChassisQts = 0.4101;
  EXPECT_EQ(Compute(kDefault).indicator, "neue Werte");
}

TEST_F(DriverValues, NamesAreCutToThirtyCharacters) {
  Driver d = kDefault;
  d.name = std::string(35, 'N');
  d.maker = "Größenwahn-Lautsprecherfabrik Süd";  // 33 characters, several of two bytes
  Compute(d);
  EXPECT_EQ(WorkName, std::string(30, 'N'));
  EXPECT_EQ(WorkManufacturer, "Größenwahn-Lautsprecherfabrik ");
  CommitWorkingSet();
  EXPECT_EQ(ChassisName, std::string(30, 'N'));
}

TEST_F(DriverValues, NoTextEverMakesANonFiniteReadout) {
  const auto expectFinite = [](const std::vector<std::string>& texts, const std::string& input) {
    for (const std::string& t : texts) EXPECT_FALSE(HasNonFinite(t)) << input << " -> " << t;
  };
  // Texts that read as 0 or below (every field refuses them), then numbers at the edges of what a text can hold.
  const std::vector<std::string> texts = {"abc", "", "-", "1e999", ",", "-0", "-5", std::string(40, 'x'), "1,2,3", " 5",
                                          "+5", "1e3", "--1", "0,0000000000000000000001", std::string(400, '9'),
                                          "9" + std::string(30, '0'), "0," + std::string(300, '9')};
  for (auto field : {&Driver::qts, &Driver::qes, &Driver::qms, &Driver::vas, &Driver::fs, &Driver::re, &Driver::dia,
                     &Driver::vol, &Driver::le}) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      Driver d = kDefault;
      d.*field = texts[i];
      const DriverReadouts r = Compute(d);
      expectFinite(Texts(r), texts[i]);
      if (i < 13) EXPECT_FALSE(r.valid) << texts[i];
    }
  }
  // Every field huge at once, and every field tiny.
  for (const std::string& text : {std::string(400, '9'), std::string("0,0000000000000001")}) {
    const Driver d{text, text, text, text, text, text, text, text, text, "n", "m"};
    expectFinite(Texts(Compute(d)), text);
    expectFinite({VasUnitText(text), VolumeUnitText(text), DiameterUnitText(WorkDia), TakeInductance(text)}, text);
  }
  // Nearly equal Qs, whose reciprocals differ in the last bit or not at all.
  Driver d = kDefault;
  d.qts = "100000000000000000";
  d.qes = "100000000000000016";
  expectFinite(Texts(Compute(d)), "Qts = Qes");
}

TEST_F(DriverValues, ReadoutNumbersAreCutByTheirDecimalsOnly) {
  Driver d = kDefault;
  d.dia = "100000000";  // Sd = 7.85e15 cm²: 16 integer digits, more than the cut allows
  // The 16th digit (whichever the double gives) stays, the decimals go.
  const std::string sd = Compute(d).sd;
  EXPECT_EQ(sd.substr(0, 35) + sd.substr(36), "Membranfläche Sd = 785398163397448 cm² ") << sd;
  d.dia = "1000";  // Sd = 785398.16...: 785398.2 fits in 15 characters whole
  EXPECT_EQ(Compute(d).sd, "Membranfläche Sd = 785398.2 cm² ");
  // Imperial read-outs are cut to 7 characters, again by decimals: 1e6 l = 35314.47 ft³.
  EXPECT_EQ(VasUnitText("1000000"), "Liter = 35314.4 Cubic Foot");
  EXPECT_EQ(VasUnitText("1000000000000"), "Liter = 35314475403 Cubic Foot");
}

TEST_F(DriverValues, ImperialReadouts) {
  // 244 / 28.317 = 8.617 ft³, 2.1 / 0.016387 = 128.15 in³, 25.3 / 2.54 = 9.96 in.
  EXPECT_EQ((std::vector<std::string>{VasUnitText("244"), VasUnitText("0"), VasUnitText("abc"), VolumeUnitText("2,10"),
                                      VolumeUnitText("-1"), DiameterUnitText(25.3), DiameterUnitText(0)}),
            (std::vector<std::string>{"Liter = 8.62 Cubic Foot", "Liter", "Liter", "Liter = 128.2 Cubic Inches", "Liter",
                                      "cm = 10.0 Inches", "cm"}));
  EXPECT_EQ(TakeInductance("1500"), "uH = 1.50 mH");
  EXPECT_DOUBLE_EQ(WorkLe, 1500);
  EXPECT_EQ(TakeInductance("-5"), "uH");
  EXPECT_DOUBLE_EQ(WorkLe, 0);
  EXPECT_EQ(TakeInductance("abc"), "uH");
}

TEST_F(DriverValues, QCalculatorsAndTheirGuards) {
  using Calculator = std::optional<std::string> (*)(std::string_view, std::string_view, double, double);
  const Calculator qes = QesFromQtsAndQms, qts = QtsFromQesAndQms, qms = QmsFromQtsAndQes;
  const struct {
    const char* name;
    Calculator calc;
    const char *a, *b;
    double x, y;
    std::optional<std::string> want;
  } cases[] = {
      {"Qes: 1 / (1/0.41 - 1/2.04) = 0.5132", qes, "0,41", "2,04", 0.41, 2.04, "0,513"},
      {"Qes: Qms 20 is accepted, 0.4186", qes, "0,41", "20", 0.41, 20, "0,419"},
      {"Qes: Qms above 20", qes, "0,41", "20,01", 0.41, 20.01, "0"},
      {"Qes: Qts not above 0.1", qes, "0,1", "2", 0.1, 2, "0"}, {"Qes: Qts 3", qes, "3", "20", 3, 20, "0"},
      {"Qes: no number", qes, "abc", "2", 0, 2, std::nullopt},
      {"Qes: Qms = Qts divides by zero", qes, "1,5", "1,5", 1.5, 1.5, std::nullopt},
      {"Qes: Qms < Qts gives a negative Q", qes, "2", "1", 2, 1, std::nullopt},
      {"Qts: 1 / (1/0.513 + 1/2.04) = 0.4099", qts, "0,513", "2,04", 0.513, 2.04, "0,410"},
      {"Qts: Qes 3", qts, "3,0", "2,04", 3.0, 2.04, "0"},
      {"Qts: Qms 20, 1 / (1/0.5 + 1/20) = 0.4878", qts, "0,5", "20", 0.5, 20, "0,488"},
      {"Qts: Qms above 20", qts, "0,5", "20,01", 0.5, 20.01, "0"},
      {"Qts: Qms = Qes", qts, "0,5", "0,5", 0.5, 0.5, "0"},
      {"Qts: no Qms", qts, "0,5", "", 0.5, 0, std::nullopt},
      {"Qms, no range check: 1 / (1/0.41 - 1/0.513) = 2.042", qms, "0,41", "0,513", 0.41, 0.513, "2,042"},
      {"Qms: Qes = Qts", qms, "0,41", "0,41", 0.41, 0.41, std::nullopt},
      {"Qms: Qes < Qts", qms, "0,5", "0,41", 0.5, 0.41, std::nullopt},
      {"Qms: Qts 0", qms, "0", "0,41", 0, 0.41, std::nullopt}, {"Qms: Qes 0", qms, "0,41", "0", 0.41, 0, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(c.calc(c.a, c.b, c.x, c.y), c.want) << c.name;
  EXPECT_EQ(QesFromQtsAndQms("0,41", "25", 0.41, 25), "0");  // Qms above 20
  EXPECT_EQ(QmsFromQtsAndQes("-2", "-1", -2, -1), std::nullopt);

  // The estimate assumes Qms = 5: 1 / (1/0.41 - 0.2) = 0.4466.
  const auto estimate = EstimateFromQts("0,41", 0.41);
  ASSERT_TRUE(estimate);
  EXPECT_EQ(estimate->qesText, "0,447");
  EXPECT_EQ(estimate->qmsText, "5.0");
  for (double q : {5.0, 6.0, 0.0}) EXPECT_FALSE(EstimateFromQts(FormatFixed(q, 0, 6), q)) << q;
  EXPECT_FALSE(EstimateFromQts("5", 5));
  EXPECT_FALSE(EstimateFromQts("6", 6));
  EXPECT_FALSE(EstimateFromQts("0", 0));
  EXPECT_FALSE(EstimateFromQts("x", 0.41));
}

TEST_F(DriverValues, CommitTakesTheTypedQmsAndGivesTheSensitivity) {
  Compute({"0,38", "0,45", "6", "80", "33,5", "5,9", "21", "1,4", "950", "TestWoofer", "Maker"});
  const std::string sensitivity = CommitWorkingSet();
  EXPECT_DOUBLE_EQ(ChassisQts, 0.38);
  EXPECT_DOUBLE_EQ(ChassisQms, 6);  // the typed one
  EXPECT_DOUBLE_EQ(ChassisLe, 950);
  EXPECT_EQ(ChassisName, "TestWoofer");
  // 112 + 10 log10(pi^2 33.5^3 0.08 / (0.45 10088402)) = 90.15 dB.
  const double spl = 112 + 10 * std::log10(kPi * kPi * std::pow(33.5, 3) * 0.08 / (0.45 * 10088402));
  EXPECT_NEAR(ChassisSpl, spl, 1e-9);
  EXPECT_DOUBLE_EQ(WorkSpl, ChassisSpl);
  EXPECT_EQ(sensitivity, "90,2");
}

TEST_F(DriverValues, BuiltInDriverReadoutsInEnglishAndTheStoredValues) {
  CommitDefault();
  Language = "english";
  const DriverReadouts r = Compute(kDefault);
  EXPECT_EQ(r.sd, "membrane surface Sd = 502.7 cm² ");
  EXPECT_EQ(r.spl, "efficiency SPL = 92.5 dB/1m1W ");
  EXPECT_EQ(r.efficiency, "efficiency = 1.13 %");
  EXPECT_EQ(r.ebp, "eff. bandwith product EBP = 56.5");
  EXPECT_EQ(r.cms, "mechanical compliance Cms = 0.68 mm/N ");
  EXPECT_EQ(r.mms, "membrane mass Mms = 44.04 g ");
  EXPECT_EQ(r.cmes, "elektr. capacity Cmes = 414.03 µF ");
  EXPECT_EQ(r.rms, "mech. loss resistance Rms = 3.93 kg/s ");
  EXPECT_NEAR(ChassisSd, 502.7255, 5e-5);
  EXPECT_NEAR(WorkSpl, 92.54944, 5e-6);
  EXPECT_NEAR(ChassisRms, 3.930064, 5e-7);
  Driver d = kDefault;
  d.re = "16";
  Compute(d);
  EXPECT_DOUBLE_EQ(ChassisZ, 1.3 * 16);
}

TEST_F(DriverValues, CommittedEditTexts) {
  CommitDefault();
  const char* expected[] = {"0,410", "0,513", "2,040", "244,0", "29,0", "6,8", "W 300 NG (8 Ohm)", "25,3", "2,10",
                            "1500", "VISATON"};
  int i = 0;
  for (DriverField f : kShowOrder) EXPECT_EQ(CommittedEditText(f), expected[i++]);
}

TEST_F(DriverValues, SavedDriverKeepsTheRestOfTheSettingsFile) {
  settings->WriteSettings("[Info]\r\nSprache=english\r\n\r\n[Options]\r\ncolor=1\r\n");
  Compute({"0,41", "0,513", "2,04", "244", "29", "6,8", "25,3", "0,000001", "1500", "Name", "Maker"});
  CommitWorkingSet();
  ASSERT_TRUE(SaveCommittedDriver());
  EXPECT_EQ(settings->ReadSettings(),
            "[Info]\r\nSprache=english\r\nVersion=Velomare Freeware Version\r\nUnits=Standard International\r\n"
            "\r\n[Options]\r\ncolor=1\r\n"
            "\r\n[Chassis]\r\nmanufactor=Maker\r\nname=Name\r\nQts=0,41\r\nQes=0,513\r\nQms=2,04\r\nVas=244\r\n"
            "fs=29\r\nRe=6,8\r\ndia=25,3\r\nvol=0,000001\r\nLe=1500\r\n");
}

}  // namespace
}  // namespace velomare::test

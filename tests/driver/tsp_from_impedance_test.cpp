// Thiele-Small parameters from impedance readings: worked examples of both Vas methods, textbook
// relations in SI units (not the model's constants), the edits' rules, guards, commit, bad text.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DriverValues.h"
#include "driver/model/TspFromImpedance.h"

namespace velomare::test {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRho = 1.2;    // kg/m³
constexpr double kC = 343.0;    // m/s

using Changes = std::vector<std::pair<TspEdit, std::string>>;
TspEditTexts With(TspEditTexts t, const Changes& changes) {
  for (const auto& [edit, text] : changes) t[static_cast<std::size_t>(edit)] = text;
  return t;
}
// The worked readings, added-mass method, in the order of the edits.
TspEditTexts WorkedAddedMass(const Changes& changes = {}) {
  return With({"6,8", "29", "40", "22", "38", "1", "12", "25,3", "24", "10", "10", "", "", "", "0,5", "Maker", "Model"},
              changes);
}
// The same free-air readings on a closed box of 50 litres.
TspEditTexts WorkedClosedBox(const Changes& changes = {}) {
  return With(WorkedAddedMass({{TspEdit::Fc, "40"}, {TspEdit::BoxVolume, "50"}, {TspEdit::Zc, "34"}, {TspEdit::F1c, "32"},
                               {TspEdit::F2c, "52"}}),
              changes);
}

std::vector<std::string> All(const TspReadouts& r) {
  return {r.qts, r.qms, r.qes, r.vas, r.fs, r.re, r.impedance, r.le, r.spl, r.sd, r.ebp, r.mms, r.cmes, r.bxl,
          r.cms, r.rms, r.f1Caption, r.f2Caption};
}

// "nan" or "inf" as a number would print them, not inside a word ("Resonanz").
bool HasNonFinite(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const char* bad : {"nan", "inf"})
    for (std::size_t at = text.find(bad); at != std::string::npos; at = text.find(bad, at + 1))
      if (at == 0 || !std::isalpha(static_cast<unsigned char>(text[at - 1]))) return true;
  return false;
}

class TspModel : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ResetDriverValues();
    Language = "deutsch";
  }
  TspReadouts Compute(const TspEditTexts& texts, TspMethod method = TspMethod::AddedMass) {
    m.SetMethod(method);
    m.TakeAll(texts);
    return m.ComputeTspFromImpedance();
  }
  TspMeasurement m;
};

TEST_F(TspModel, WorkedExamplesOfBothMethodsInBothLanguages) {
  TspReadouts r = Compute(WorkedAddedMass());
  EXPECT_EQ(All(r), (std::vector<std::string>{
      "Gesamtgüte Qts=0.747", "mech. Güte Qms=4.396", "elektr. Güte Qes=0.900", "Vas = 494.4 l",
      "Resonanzfrequenz fs =29.0 Hz", "Gleichstromwiderstand Re=6.80 Ohm", "Impedanz Z ca.  8 Ohm",
      "Chassisinduktivität Le =1.574 mH", "SPL = 93.2 dB/1W1m", "Membranfläche Sd=502.7 cm²",
      "Bandbreiteprodukt EBP=32.2", " Mms=21.7 g", "elektr. Kapazität Cmes=603.1 µF", "Wandlerfaktor Bxl=5.42 N/A",
      "mech. Nachgiebigkeit Cms=1.386 mm/N", "mech. Verluste Rms=0.90 kg/s", "f1 (Hz) bei 16.49 Ohm",
      "f2 (Hz) bei 16.49 Ohm"}));
  EXPECT_TRUE(r.applyEnabled);
  EXPECT_DOUBLE_EQ(WorkDia, 25.3);

  r = Compute(WorkedClosedBox(), TspMethod::ClosedBox);
  EXPECT_NEAR(m.Stored().qmc, 4.472, 0.0005);
  EXPECT_NEAR(m.Stored().qec, 1.118, 0.0005);
  EXPECT_EQ((std::vector<std::string>{r.vas, r.cms, r.mms, r.bxl, r.spl, r.rms}),
            (std::vector<std::string>{"Vas = 35.6 l", "mech. Nachgiebigkeit Cms=0.100 mm/N", " Mms=301.6 g",
                                      "Wandlerfaktor Bxl=20.19 N/A", "SPL = 81.8 dB/1W1m", "mech. Verluste Rms=12.50 kg/s"}));
  EXPECT_TRUE(r.applyEnabled);

  Language = "english";  // the captions of f1 and f2 read the same in both languages
  r = Compute(WorkedAddedMass());
  EXPECT_EQ((std::vector<std::string>{r.sd, r.f1Caption, r.qts, r.impedance, r.fs}),
            (std::vector<std::string>{"membrane surface Sd=502.7 sqcm", "f1 (Hz) bei 16.49 Ohm", "total Quality Qts=0.747",
                                      "impedance Z ca  8 Ohm", "resonance frequ. fs =29.0 Hz"}));
}

TEST_F(TspModel, QualityFactorsMeetTheTextbookRelations) {
  Compute(WorkedAddedMass());
  const auto& v = m.Stored();
  const double r0 = 40.0 / 6.8;
  // f1 and f2 read at sqrt(r0) Re: Qms = fs sqrt(r0) / (f2 - f1), Qes = Qms / (r0 - 1).
  EXPECT_NEAR(v.qms, 29 * std::sqrt(r0) / 16, 1e-12);
  EXPECT_NEAR(1 / v.qts, 1 / v.qms + 1 / v.qes, 1e-12);
  EXPECT_NEAR(v.qes, v.qms / (r0 - 1), 1e-12);
  // Le from the reactive part of ZL at 1 kHz.
  EXPECT_NEAR(v.le, std::sqrt(12.0 * 12 - 6.8 * 6.8) / (2 * kPi * 1000) * 1000, 1e-9);
  // Cmes from the peak itself, below the textbook Qms / (2 pi fs (Zmax - Re)) of 726.7 µF.
  const double textbookCmes = v.qms / (2 * kPi * 29 * (40 - 6.8)) * 1e6;
  EXPECT_NEAR(textbookCmes, 726.7, 0.05);
  EXPECT_NEAR(v.cmes, textbookCmes * (40 - 6.8) / 40, 1e-9);
}

// Both methods: the free resonance comes back out of Mms and Cms, Vas = rho c² Sd² Cms, and the
// level is 112 dB + 10 log10(4 pi² fs³ Vas / (c³ Qes)); the force factor's constant is about 1 %
// below sqrt(2 pi fs Re Mms / Qes).
TEST_F(TspModel, ResultsOfBothMethodsMeetTheMassSpringRelations) {
  for (TspMethod method : {TspMethod::AddedMass, TspMethod::ClosedBox}) {
    SCOPED_TRACE(method == TspMethod::AddedMass ? "added mass" : "closed box");
    Compute(method == TspMethod::AddedMass ? WorkedAddedMass() : WorkedClosedBox(), method);
    const auto& v = m.Stored();
    const double mms = v.mms / 1000, cms = v.cms / 1000, sd = v.sd * 1e-4, vas = v.vas / 1000;  // SI
    EXPECT_NEAR(1 / (2 * kPi * std::sqrt(mms * cms)), 29.0, 1e-6);
    EXPECT_NEAR(vas, kRho * kC * kC * sd * sd * cms, 1e-5 * vas);
    EXPECT_NEAR(v.spl, 112 + 10 * std::log10(4 * kPi * kPi * std::pow(29.0, 3) * vas / (std::pow(kC, 3) * v.qes)), 1e-5);
    EXPECT_NEAR(v.bxl / std::sqrt(2 * kPi * 29 * 6.8 * mms / v.qes), 0.9913, 0.0005);
    // Rms = sqrt(Mms / Cms) / Qms = 2 pi fs Mms / Qms.
    EXPECT_NEAR(v.rms, 2 * kPi * 29 * mms / v.qms, 1e-4);
  }
  // The added 10 g lowers the resonance to 24 Hz; the closed box's air spring gives Vas.
  Compute(WorkedAddedMass());
  EXPECT_NEAR(1 / (2 * kPi * std::sqrt((m.Stored().mms + 10) / 1000 * m.Stored().cms / 1000)), 24.0, 1e-9);
  const auto& v = m.Stored();
  Compute(WorkedClosedBox(), TspMethod::ClosedBox);
  EXPECT_NEAR(v.vas, 50 * (40 * v.qec / (29 * v.qes) - 1), 1e-9);
  EXPECT_NEAR(v.qmc, std::sqrt(34 / 6.8) * 40 / (52 - 32), 1e-12);
}

TEST_F(TspModel, NominalImpedanceFollowsThisWindowsBrackets) {
  for (auto [re, shown] : {std::pair{"2,4", " 3"}, {"2,5", " 4"}, {"3,2", " 4"}, {"4,0", " 6"}, {"4,5", " 6"},
                           {"4,6", " 8"}, {"6,4", " 8"}, {"8,0", "11"}, {"10", "14"}}) {
    m.Take(TspEdit::Re, re);
    EXPECT_EQ(m.ComputeTspFromImpedance().impedance, std::string("Impedanz Z ca. ") + shown + " Ohm") << re;
  }
  m.Take(TspEdit::Re, "0");
  EXPECT_EQ(m.ComputeTspFromImpedance().impedance, "Z");
  EXPECT_EQ(m.ComputeTspFromImpedance().re, "Re");
}

TEST_F(TspModel, EditsTakeTheirValuesByTheirOwnRules) {
  // Re: a text that is no number leaves it; a number <= 0 clears it.
  for (auto [text, re] : {std::pair{"6,8", 6.8}, {"abc", 6.8}, {"-1", 0.0}, {"6.8", 6.8}}) {
    m.Take(TspEdit::Re, text);
    EXPECT_DOUBLE_EQ(m.Stored().re, re) << text;
  }

  // fs: three label states.
  for (auto [text, label] : {std::pair{"10", "fs"}, {"x", "fs "}}) {
    m.Take(TspEdit::Fs, text);
    EXPECT_EQ(m.ComputeTspFromImpedance().fs, label);
  }
  EXPECT_DOUBLE_EQ(m.Stored().fs, 0);

  // f1 typed before fs is stored as 0 and the Q factors fall back until f1 is typed again.
  m.Take(TspEdit::Zmax, "40");
  m.Take(TspEdit::F1, "22");
  m.Take(TspEdit::Fs, "29");
  m.Take(TspEdit::F2, "38");
  EXPECT_DOUBLE_EQ(m.Stored().f1, 0);
  EXPECT_EQ(m.ComputeTspFromImpedance().qts, "Qts");
  m.Take(TspEdit::F1, "22");
  EXPECT_EQ(m.ComputeTspFromImpedance().qts, "Gesamtgüte Qts=0.747");
  m.Take(TspEdit::F2, "15");  // above fs is required
  EXPECT_DOUBLE_EQ(m.Stored().f2, 0);

  // fL below 1 kHz leaves fL; ZL needs fL.
  m.Take(TspEdit::ZL, "12");
  EXPECT_DOUBLE_EQ(m.Stored().zl, 0);
  m.Take(TspEdit::FL, "2");
  m.Take(TspEdit::FL, "0,5");
  EXPECT_DOUBLE_EQ(m.Stored().fL, 2);
  m.Take(TspEdit::FL, "");
  EXPECT_DOUBLE_EQ(m.Stored().fL, 0);

  // Zc only above Re, the box level sqrt(Zc Re) in the captions; no number clears it.
  EXPECT_TRUE(m.Take(TspEdit::Zc, "34"));
  EXPECT_FALSE(m.Take(TspEdit::Zc, "6,8"));
  EXPECT_DOUBLE_EQ(m.Stored().zc, 34);
  ASSERT_TRUE(m.BoxLevel());
  EXPECT_EQ(m.BoxLevel()->f1 + m.BoxLevel()->f2, "f1 im Gehäuse bei 15.21 Ohmf2 im Gehäuse bei 15.21 Ohm");
  EXPECT_FALSE(m.Take(TspEdit::Zc, "-"));
  EXPECT_DOUBLE_EQ(m.Stored().zc, 0);
  EXPECT_FALSE(m.BoxLevel());
}

TEST_F(TspModel, ARejectedDiameterClearsTheWorkingDiameterAndDisablesApply) {
  EXPECT_TRUE(Compute(WorkedAddedMass()).applyEnabled);
  for (const char* dia : {"5", "80", "4,99", "abc", ""}) {
    m.Take(TspEdit::Diameter, dia);
    const TspReadouts r = m.ComputeTspFromImpedance();
    EXPECT_DOUBLE_EQ(WorkDia, 0) << dia;
    EXPECT_EQ(r.sd, "Sd") << dia;
    EXPECT_FALSE(r.applyEnabled) << dia;
    EXPECT_NEAR(m.Stored().sd, 502.7, 0.05) << dia;  // the area of the last accepted diameter stays
  }
  m.Take(TspEdit::Diameter, "79,9");
  EXPECT_TRUE(m.ComputeTspFromImpedance().applyEnabled);
}

TEST_F(TspModel, ReadingsThatGiveNoVasShowNoVasMassComplianceOrApply) {
  // Each row changes the worked readings of its method in one or two edits.
  constexpr TspMethod kAdded = TspMethod::AddedMass, kClosed = TspMethod::ClosedBox;
  const struct {
    const char* name;
    TspMethod method;
    Changes changes;
    bool apply, vasGone;
  } cases[] = {
      {"no manufacturer", kAdded, {{TspEdit::Manufacturer, ""}}, false, false},
      {"no model", kAdded, {{TspEdit::Model, ""}}, false, false},
      {"no displacement", kAdded, {{TspEdit::Displacement, "0"}}, false, false},
      // Vas is inversely proportional to the added mass: 494.4 l at 10 g; apply needs 1 litre.
      {"Vas 0.99 l", kAdded, {{TspEdit::AddedMass, "5000"}}, false, false},
      {"Vas 1.009 l", kAdded, {{TspEdit::AddedMass, "4900"}}, true, false},
      {"fc = fs", kAdded, {{TspEdit::Fc, "29"}}, false, true},
      {"fc above fs", kAdded, {{TspEdit::Fc, "35"}}, false, true},
      {"fc 5", kAdded, {{TspEdit::Fc, "5"}}, false, true},
      {"closed box, fc = fs", kClosed, {{TspEdit::Fc, "29"}}, false, true},
      {"closed box, fc below fs", kClosed, {{TspEdit::Fc, "20"}}, false, true},
      {"closed box, fc below f1c", kClosed, {{TspEdit::F1c, "41"}}, false, true},
      // A wide closed-box peak gives a low Qec: fc Qec / (fs Qes) below 1 means a negative Vas.
      {"closed box, wide peak", kClosed, {{TspEdit::F1c, "10"}, {TspEdit::F2c, "100"}}, false, true},
  };
  for (const auto& c : cases) {
    const TspReadouts r = Compute(c.method == kAdded ? WorkedAddedMass(c.changes) : WorkedClosedBox(c.changes), c.method);
    EXPECT_EQ(r.applyEnabled, c.apply) << c.name;
    if (!c.vasGone) continue;
    EXPECT_EQ(std::vector<std::string>({r.vas, r.mms, r.cms, r.bxl, r.rms}),
              std::vector<std::string>({"Vas", "Mms", "Cms", "Bxl", "Rms "}))
        << c.name;
    EXPECT_DOUBLE_EQ(m.Stored().vas, 0) << c.name;
    EXPECT_DOUBLE_EQ(m.Stored().mms, 0) << c.name;
  }

  // A box resonance a hair above fs leaves almost nothing to divide by.
  for (const std::string& text : All(Compute(WorkedClosedBox({{TspEdit::Fc, "29,0000001"}}), kClosed)))
    EXPECT_FALSE(HasNonFinite(text)) << text;
}

TEST_F(TspModel, TakingAllEditsAgainEqualsTypingThemInOrder) {
  // Typed out of order: f1 before fs is lost; taken again in order it counts.
  TspEditTexts t = WorkedAddedMass();
  m.Take(TspEdit::F1, "22");
  for (std::size_t i = 0; i < kTspEditCount; ++i)
    if (static_cast<TspEdit>(i) != TspEdit::F1) m.Take(static_cast<TspEdit>(i), t[i]);
  EXPECT_FALSE(m.ComputeTspFromImpedance().applyEnabled);
  m.TakeAll(t);
  EXPECT_TRUE(m.ComputeTspFromImpedance().applyEnabled);
  // And a value typed earlier that the edits no longer show is gone.
  m.TakeAll(With({}, {{TspEdit::AddedMass, "10"}}));
  EXPECT_EQ(m.ComputeTspFromImpedance().re + m.ComputeTspFromImpedance().fs, "Refs ");
  EXPECT_FALSE(m.ComputeTspFromImpedance().applyEnabled);
}

TEST_F(TspModel, CommitHandsTheShownValuesToTheDriver) {
  ChassisLe = 1234;
  ChassisQms = 2.04;
  TspEditTexts t = WorkedAddedMass({{TspEdit::Manufacturer, std::string(35, 'M')}});
  ASSERT_TRUE(Compute(t).applyEnabled);
  ASSERT_TRUE(m.CommitToDriver());
  // Le in microhenry.
  const double got[] = {ChassisQts, ChassisQes, ChassisQms, ChassisRe, ChassisFs, ChassisVas, ChassisDia, ChassisVol, ChassisSpl, ChassisLe};
  const double want[] = {0.747, 0.900, 4.396, 6.8, 29, 494.4, 25.3, 0.5, 93.2, 1574};
  for (int i = 0; i < 10; ++i) EXPECT_NEAR(got[i], want[i], want[i] * 1e-3) << "value " << i;
  EXPECT_EQ(ChassisManufacturer, std::string(30, 'M'));
  EXPECT_EQ(ChassisName, "Model");

  // Nothing while apply is disabled.
  EXPECT_FALSE(Compute(With(t, {{TspEdit::Model, ""}})).applyEnabled);
  EXPECT_FALSE(m.CommitToDriver());
  EXPECT_EQ(ChassisName, "Model");
}

TEST_F(TspModel, CommitKeepsTheDriversInductanceWhileNoneIsShown) {
  ChassisLe = 1234;
  const TspReadouts r = Compute(WorkedAddedMass({{TspEdit::ZL, "5"}}));  // below Re: no inductance
  EXPECT_EQ(r.le, "Le");
  ASSERT_TRUE(m.CommitToDriver());
  EXPECT_DOUBLE_EQ(ChassisLe, 1234);

  // An earlier reading that is no longer shown is not handed over either.
  Compute(WorkedAddedMass());
  m.Take(TspEdit::ZL, "");
  EXPECT_EQ(m.ComputeTspFromImpedance().le, "Le");
  ASSERT_TRUE(m.CommitToDriver());
  EXPECT_DOUBLE_EQ(ChassisLe, 1234);

  // 0.5 mH arrives as 500 microhenry: ZL = sqrt(Re² + (2 pi fL Le)²).
  const double zl = std::sqrt(6.8 * 6.8 + std::pow(2 * kPi * 1000 * 0.0005, 2));
  Compute(WorkedAddedMass({{TspEdit::ZL, FormatFixed(zl, 0, 6)}}));
  ASSERT_TRUE(m.CommitToDriver());
  EXPECT_NEAR(ChassisLe, 500, 1e-3);
}

TEST_F(TspModel, BadTextInEveryEditNeverShowsNanOrInf) {
  for (TspMethod method : {TspMethod::AddedMass, TspMethod::ClosedBox})
    for (std::size_t i = 0; i < kTspEditCount; ++i)
      for (const std::string& text : {std::string(), std::string("-"), std::string("1e999"), std::string(30, '9'),
                                      std::string("-5"), std::string("0"), std::string(","), std::string("1,2,3"),
                                      std::string("0,000000000000000001"), std::string(300, '9'), std::string("abc")}) {
        TspEditTexts t = method == TspMethod::AddedMass ? WorkedAddedMass() : WorkedClosedBox();
        t[i] = text;
        const TspReadouts r = Compute(t, method);
        for (const std::string& label : All(r)) EXPECT_FALSE(HasNonFinite(label)) << i << " " << text << ": " << label;
        const auto& v = m.Stored();
        for (double x : {v.le, v.qms, v.qts, v.qes, v.ebp, v.cmes, v.bxl, v.spl, v.vas, v.mms, v.cms, v.rms})
          EXPECT_TRUE(std::isfinite(x)) << i << " " << text;
        EXPECT_TRUE(!r.applyEnabled || (v.re > 1 && v.vas >= 1)) << i << " " << text;
      }
}

TEST_F(TspModel, WorkedAddedMassExampleInEnglishKeepsTheNumbers) {
  Compute(WorkedAddedMass());
  EXPECT_DOUBLE_EQ(WorkVol, 0.5);
  Language = "english";
  const TspReadouts r = Compute(WorkedAddedMass());
  EXPECT_EQ(r.le, "coil inductivity Le =1.574 mH");
  EXPECT_EQ(r.qms, "mech. Quality Qms=4.396");
  EXPECT_EQ(r.qes, "elektr. Quality Qes=0.900");
  EXPECT_EQ(r.ebp, "eff. bandwith product EBP=32.2");
  EXPECT_EQ(r.cmes, "elektr. capacity Cmes=603.1 µF");
  EXPECT_EQ(r.mms, "membrane mass Mms=21.7 g");
  EXPECT_EQ(r.cms, "mech. compliance Cms=1.386 mm/N");
  EXPECT_EQ(r.bxl, "magnet constant Bxl=5.42 N/A");
  EXPECT_EQ(r.rms, "mech. resistance Rms=0.90 kg/s");
  EXPECT_EQ(r.re, "coil resistance Re=6.80 Ohm");
}

TEST_F(TspModel, AddedMassResultsGiveTheFreeResonanceExactly) {
  Compute(WorkedAddedMass());
  const auto& v = m.Stored();
  EXPECT_NEAR(1 / (2 * kPi * std::sqrt(v.mms / 1000 * v.cms / 1000)), 29.0, 1e-9);
}

TEST_F(TspModel, ApplyNeedsOneLitreOfVas) {
  // Vas is inversely proportional to the added mass: 494.4 l at 10 g.
  TspReadouts r = Compute(WorkedAddedMass({{TspEdit::AddedMass, "5000"}}));  // about 0.99 l
  EXPECT_LT(m.Stored().vas, 1.0);
  EXPECT_GT(m.Stored().vas, 0.98);
  EXPECT_FALSE(r.applyEnabled);
  EXPECT_EQ(r.bxl, "Bxl");
  EXPECT_EQ(r.spl, "SPL");
  r = Compute(WorkedAddedMass({{TspEdit::AddedMass, "4900"}}));  // about 1.009 l
  EXPECT_GT(m.Stored().vas, 1.0);
  EXPECT_TRUE(r.applyEnabled);
}

TEST_F(TspModel, AWideClosedBoxPeakGivesAnImpliedVasBelowZero) {
  Compute(WorkedClosedBox({{TspEdit::F1c, "10"}, {TspEdit::F2c, "100"}}), TspMethod::ClosedBox);
  EXPECT_LT(40 * m.Stored().qec / (29 * m.Stored().qes), 1.0);
}

TEST_F(TspModel, ValuesTheEditsNoLongerShowAreGone) {
  Compute(WorkedAddedMass());
  m.TakeAll(With({}, {{TspEdit::AddedMass, "10"}}));
  const TspReadouts r = m.ComputeTspFromImpedance();
  EXPECT_DOUBLE_EQ(m.Stored().fs, 0);
  EXPECT_DOUBLE_EQ(m.Stored().re, 0);
  EXPECT_EQ(r.re, "Re");
  EXPECT_FALSE(r.applyEnabled);
}

TEST_F(TspModel, CommitHandsTheShownValuesToTheDriverToTheirShownDigits) {
  ASSERT_TRUE(Compute(WorkedAddedMass()).applyEnabled);
  ASSERT_TRUE(m.CommitToDriver());
  EXPECT_NEAR(ChassisQts, 0.747, 0.0005);
  EXPECT_NEAR(ChassisQes, 0.900, 0.0005);
  EXPECT_NEAR(ChassisQms, 4.396, 0.0005);
  EXPECT_DOUBLE_EQ(ChassisRe, 6.8);
  EXPECT_DOUBLE_EQ(ChassisFs, 29);
  EXPECT_NEAR(ChassisVas, 494.4, 0.05);
  EXPECT_DOUBLE_EQ(ChassisDia, 25.3);
  EXPECT_DOUBLE_EQ(ChassisVol, 0.5);
  EXPECT_NEAR(ChassisSpl, 93.2, 0.05);
  EXPECT_NEAR(ChassisLe, 1574.0, 0.5);  // microhenry
}

TEST_F(TspModel, CommitDoesNothingWhileApplyIsDisabled) {
  ChassisRe = 3.3;
  EXPECT_FALSE(Compute(WorkedAddedMass({{TspEdit::Model, ""}})).applyEnabled);
  EXPECT_FALSE(m.CommitToDriver());
  EXPECT_DOUBLE_EQ(ChassisRe, 3.3);
}

}  // namespace
}  // namespace velomare::test

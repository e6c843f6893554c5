// The vented sixth-order bandpass against its worked examples and independent relations: the
// Helmholtz tuning against the physics it stands for, the chamber fields in both entry modes, the
// kept tunings, the automatic Ql, the three presets with their order of writes, the response
// against the lossless equivalent circuit, the validity tests and bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <map>
#include <numbers>
#include <vector>

#include "TestSupport.h"
#include "common/NumberText.h"
#include "enclosures/model/Helmholtz.h"
#include "enclosures/model/VentedBandpass.h"

namespace velomare {
namespace {

constexpr double kPi = std::numbers::pi;

VentpassDriver Example() { return {0.4, 50.0, 30.0}; }

// The eight fields and two mode boxes as the window holds them; every write into a field runs
// the recompute at once, as the window's change handlers do, unless the text is unchanged.
struct Fields {
  std::string v1 = "200", d1 = "10", l1 = "4", a1 = "70", f1 = "20";
  std::string v2 = "100", d2 = "14", l2 = "5", a2 = "70", f2 = "30";
  bool cross1 = false, cross2 = false;
  int passes = 0;
  std::vector<std::pair<VentpassField, std::string>> presetWrites;

  VentpassChamberFields Chamber1() const { return {v1, d1, l1, a1, cross1}; }
  VentpassChamberFields Chamber2() const { return {v2, d2, l2, a2, cross2}; }

  void Recompute(VentpassState& st, UnbuildableChamber unbuildable = UnbuildableChamber::KeepTuning) {
    ++passes;
    const VentpassTexts t = UpdateVentpass(st, Chamber1(), Chamber2(), unbuildable);
    Write(st, cross1 ? d1 : a1, t.chamber1.derivedTube);
    f1 = t.chamber1.tuning;
    Write(st, cross2 ? d2 : a2, t.chamber2.derivedTube);
    f2 = t.chamber2.tuning;
  }
  void Write(VentpassState& st, std::string& field, const std::string& text) {
    if (field == text) return;
    field = text;
    Recompute(st);
  }
  std::string& Of(VentpassField field) {
    using F = VentpassField;
    static const std::map<F, std::string Fields::*> members = {
        {F::Volume1, &Fields::v1}, {F::Length1, &Fields::l1}, {F::Diameter2, &Fields::d2}, {F::Volume2, &Fields::v2}, {F::Length2, &Fields::l2}};
    return this->*members.at(field);
  }
  bool Preset(VentpassState& st, int index, const VentpassDriver& d) {
    return ApplyVentpassPreset(index, st, d, [&](VentpassField field, const std::string& text) {
      presetWrites.emplace_back(field, text);
      Write(st, Of(field), text);
    });
  }
  // The window's choice of a preset: its writes, then one recompute that shows no tuning for a
  // chamber whose fields give none.
  bool Choose(VentpassState& st, int index, const VentpassDriver& d) {
    presetWrites.clear();
    if (!Preset(st, index, d)) return false;
    Recompute(st, UnbuildableChamber::NoTuning);
    return true;
  }
};

// The designed chambers after the first recompute.
VentpassState Designed(Fields& fields) {
  VentpassState st;
  fields.Recompute(st);
  UpdateVentpassQl(st, true, 10);
  return st;
}

TEST(Helmholtz, TuningIsThePhysicsOfAFlangedAndAFreeTubeEndAndRoundTrips) {
  // f = c / (2 pi) sqrt(S / (V Leff)) in SI units, S = pi r², c = 344.4 m/s, Leff = L + (0.85 + 0.61) r.
  const double c = 344.4, r = 0.05, v = 0.2, l = 0.04;
  const double physics = c / (2 * kPi) * std::sqrt(kPi * r * r / (v * (l + 1.463 * r)));
  EXPECT_NEAR(HelmholtzTuning(5.0, 200.0, 4.0), physics, physics * 2e-4);
  EXPECT_NEAR(kHelmholtzEndCorrection, 0.85 + 0.61, 0.01);
  for (double f : {20.0, 32.3, 80.0}) EXPECT_NEAR(HelmholtzTuning(6.0, 70.0, HelmholtzTubeLength(6.0, f, 70.0)), f, 1e-9 * f);
  // A length that leaves no positive effective length gives no tuning.
  EXPECT_EQ(HelmholtzTuning(5.0, 100.0, -1.463 * 5.0) + HelmholtzTuning(5.0, 100.0, -20.0), 0.0);
  for (double d : {0.5, 10.0, 14.0, 123.4}) EXPECT_NEAR(TubeDiameterOf(TubeAreaOf(d)), d, 1e-12 * d);
  EXPECT_NEAR(TubeAreaOf(10.0), 78.539816, 1e-6);
}

TEST(VentpassChambers, DesignedDefaultsGiveAreasTuningsAndQl) {
  Fields fields;
  VentpassState st = Designed(fields);
  EXPECT_EQ(fields.a1 + " " + fields.f1 + " " + fields.a2 + " " + fields.f2, "78.5 32.3 153.9 55.1");
  EXPECT_NEAR(st.chamber1.tuning, 32.29, 0.005);
  EXPECT_NEAR(st.chamber2.tuning, 55.09, 0.005);
  EXPECT_EQ(st.ql, 4);  // sqrt(6000 / 300 + 1) = 4.58 truncates to 4
  EXPECT_EQ(VentpassQlLabel(true, 4), "loss factor quality Ql = 4");
  EXPECT_EQ(VentpassQlLabel(false, 4), "Verlustfaktor Ql = 4");
  // A new diameter: the outer pass writes the area, whose handler runs one more pass that changes nothing.
  fields.passes = 0;
  fields.d1 = "11";
  fields.Recompute(st);
  EXPECT_EQ(fields.passes, 2);
  EXPECT_EQ(fields.a1, "95.0");
  // Cross-section entry: the diameter of its circle; the tuning from the unrounded diameter.
  fields.cross1 = true;
  fields.a1 = "70";
  fields.Recompute(st);
  EXPECT_NEAR(st.chamber1.portDiameter, std::sqrt(280.0 / kPi), 1e-12);
  EXPECT_EQ(fields.d1 + " " + fields.a1, "9.4 70");
  EXPECT_NEAR(st.chamber1.tuning, HelmholtzTuning(std::sqrt(280.0 / kPi) / 2, 200.0, 4.0), 1e-12);
}

TEST(VentpassChambers, AChamberWithoutPositiveVolumeLengthOrDiameterKeepsItsTuning) {
  for (std::string Fields::*field : {&Fields::v1, &Fields::l1, &Fields::d1}) {
    Fields fields;
    VentpassState st = Designed(fields);
    fields.*field = field == &Fields::l1 ? "" : "-3";
    fields.Recompute(st);
    EXPECT_EQ(fields.f1 + " " + fields.f2, "32.3 55.1");
    EXPECT_NEAR(st.chamber1.tuning, 32.29, 0.005);
  }
  Fields fields;
  VentpassState st = Designed(fields);
  fields.d1 = "abc";
  fields.Recompute(st);
  EXPECT_TRUE(fields.a1 == "0.0" && st.chamber1.portDiameter == 0.0);
  fields.cross1 = true;
  fields.a1 = "0";
  fields.Recompute(st);
  EXPECT_EQ(fields.d1, "0.0");
  // Past fifteen characters only decimals go: 1.197e14 cm² keeps its 15 digits, loses point and decimal.
  fields.cross1 = false;
  fields.d1 = "12345678,9";
  fields.Recompute(st);
  EXPECT_EQ(fields.a1.find_first_of(",."), std::string::npos);
  EXPECT_EQ(fields.a1.size(), 15u);
  EXPECT_NEAR(test::LeadingNumber(fields.a1), 12345678.9 * 12345678.9 * kPi / 4, 1.0);
  fields.d1 = "1234,5";
  fields.Recompute(st);
  EXPECT_EQ(fields.a1, "1196939.1");
}

TEST(VentpassQl, AutomaticQlTruncatesLimitsAndKeepsWithoutVolumes) {
  const struct {
    double v1, v2;
    int ql;
  } cases[] = {{3000, 3000, 1},      // sqrt(2)
               {2e-16, 1e-16, 100},  // far beyond an int, limited to 100 before the conversion
               {100, 0, 100}, {0, 200, 100},  // kept
               {100, 200, 4}};
  VentpassState st;
  for (const auto& c : cases) {
    st.chamber1.volume = c.v1;
    st.chamber2.volume = c.v2;
    EXPECT_EQ(UpdateVentpassQl(st, true, 50), c.ql) << c.v1 << " " << c.v2;
  }
  EXPECT_EQ(UpdateVentpassQl(st, false, 37), 37);
  EXPECT_EQ(st.ql, 37);
  VentpassState fresh;  // never set and no volumes: the lowest loss factor
  EXPECT_EQ(UpdateVentpassQl(fresh, true, 10), 1);
}

TEST(VentpassPresets, EachWritesItsFieldsInItsOrder) {
  using F = VentpassField;
  const std::vector<std::pair<F, std::string>> expected[] = {
      {{F::Volume1, "54.1"}, {F::Length1, "44.6"}, {F::Diameter2, "17.3"}, {F::Volume2, "27.0"}, {F::Length2, "65.0"}},
      {{F::Volume1, "13.3"}, {F::Length1, "204.7"}, {F::Diameter2, "14.1"}, {F::Volume2, "16.0"}},
      {{F::Volume1, "13.3"}, {F::Length1, "204.7"}, {F::Diameter2, "14.1"}, {F::Volume2, "9.4"}},
  };
  for (int index : {0, 1, 2}) {
    Fields fields;
    VentpassState st = Designed(fields);
    ASSERT_TRUE(fields.Preset(st, index, Example()));
    EXPECT_EQ(fields.presetWrites, expected[index]) << index;
    if (index == 0) {
      // BR1-2-2 takes chamber 2's diameter from its field: 65.2 with the unrounded sqrt(3) d1, 65.0 with 17.3.
      EXPECT_NEAR(st.chamber2.portDiameter, 17.3, 1e-12);
      EXPECT_NEAR(st.chamber2.tuning / st.chamber1.tuning, 2.0, 0.01);  // chamber 2 tuned near twice chamber 1
    } else {
      EXPECT_EQ(fields.l2, "5");  // cBP1 and cBP2 leave chamber 2's length
    }
  }
  // The cBP chamber 1 is a hundred litres from Qts 0.6 on.
  for (double qts : {0.6, 0.59}) {
    Fields fields;
    VentpassState st = Designed(fields);
    ASSERT_TRUE(fields.Preset(st, 1, {qts, 50.0, 30.0}));
    EXPECT_EQ(fields.v1, FormatFixed(qts >= 0.6 ? 100.0 : 0.8 * 50 / (std::pow(0.8 / qts, 2) - 1), 1, 1)) << qts;
  }
}

TEST(VentpassPresets, APresetsTubeOfNoLengthShowsItsChamberWithoutATuning) {
  using F = VentpassField;
  // Qts 0.951, Vas 16.3 l, fs 184.4 Hz, d1 10 cm (A = 78.54 cm²). BR1-2-2: V1 = 15 x 16.3 x
  // 0.951^2.87 = 211.7 l, L1 = 168939 x 78.54 x 0.951^1.8 / (184.4² x 211.7) - 0.88 x 8.862 = -6.1 cm
  // (L1 + 7.315 = 1.2 cm is still a length, so the target 2 x 96.4 Hz stands), d2 = 17.3 cm,
  // V2 = 105.8 l, L2 = 94400 x 8.65² / (192.8² x 105.8) - 1.463 x 8.65 = -10.9 cm: no chamber tunes.
  const VentpassDriver driver{0.951, 16.3, 184.4};
  Fields fields;
  VentpassState st = Designed(fields);
  ASSERT_EQ(fields.f1 + " " + fields.f2, "32.3 55.1");
  ASSERT_TRUE(fields.Choose(st, 0, driver));
  EXPECT_EQ(fields.presetWrites, (std::vector<std::pair<F, std::string>>{
                                     {F::Volume1, "211.7"}, {F::Length1, "-6.1"}, {F::Diameter2, "17.3"},
                                     {F::Volume2, "105.8"}, {F::Length2, "-10.9"}}));
  EXPECT_EQ(fields.f1 + " " + fields.f2, "0.0 0.0");
  EXPECT_TRUE(st.chamber1.tuning == 0 && st.chamber2.tuning == 0);
  EXPECT_FALSE(VentpassSimulationValid(st, driver) || VentpassExportListValid(st, driver));
  // cBP1 after it: V1 = 100 l (Qts >= 0.6), L1 = 3.565 - 7.799 = -4.2 cm, d2 = 14.1 cm, V2 = 2 x
  // 16.3 x 0.951² = 29.5 l, and chamber 2 keeps its -10.9 cm: neither chamber shows BR1-2-2's tuning
  // or any other.
  ASSERT_TRUE(fields.Choose(st, 1, driver));
  EXPECT_EQ(fields.presetWrites, (std::vector<std::pair<F, std::string>>{
                                     {F::Volume1, "100.0"}, {F::Length1, "-4.2"}, {F::Diameter2, "14.1"},
                                     {F::Volume2, "29.5"}}));
  EXPECT_EQ(fields.v1 + " " + fields.l1 + " " + fields.l2 + " " + fields.f1 + " " + fields.f2,
            "100.0 -4.2 -10.9 0.0 0.0");
  // The same preset straight after the designed chambers: chamber 1 drops the designed 32.3 Hz,
  // chamber 2 (its designed 5 cm tube, d2 14.1, V2 29.5 l) tunes as its fields give it.
  Fields designed;
  VentpassState fromDesigned = Designed(designed);
  ASSERT_TRUE(designed.Choose(fromDesigned, 1, driver));
  EXPECT_EQ(designed.f1, "0.0");
  const double f2 = HelmholtzTuning(14.1 / 2, 29.5, 5.0);
  EXPECT_EQ(designed.f2, FormatFixed(f2, 2, 1));
  EXPECT_NEAR(fromDesigned.chamber2.tuning, f2, 1e-9);
  // A preset whose tubes have a length tunes both chambers from its fields as before.
  Fields usable;
  VentpassState tuned = Designed(usable);
  ASSERT_TRUE(usable.Choose(tuned, 1, Example()));
  EXPECT_NEAR(tuned.chamber1.tuning, HelmholtzTuning(5.0, 13.3, 204.7), 1e-9);
  // Typing keeps what the Part has it keep: a length of 0 keeps the preset's tuning of 0 or its
  // real one, and a typed length tunes again.
  usable.Write(tuned, usable.l1, "0");
  EXPECT_NEAR(tuned.chamber1.tuning, HelmholtzTuning(5.0, 13.3, 204.7), 1e-9);
  designed.Write(fromDesigned, designed.l1, "0");
  EXPECT_EQ(designed.f1, "0.0");
  designed.Write(fromDesigned, designed.l1, "12");
  EXPECT_NEAR(fromDesigned.chamber1.tuning, HelmholtzTuning(5.0, 100.0, 12.0), 1e-9);
}

TEST(VentpassPresets, BR122InCrossSectionModeTakesTheDiameterOfTheArea) {
  Fields fields;
  VentpassState st = Designed(fields);
  fields.cross2 = true;
  fields.a2 = "200";
  ASSERT_TRUE(fields.Preset(st, 0, Example()));
  const double d2 = std::sqrt(800.0 / kPi);
  EXPECT_NEAR(st.chamber2.portDiameter, d2, 1e-12);
  EXPECT_EQ(fields.d2, "16.0");  // the preset's diameter gave way to the one of the area
  const double v1 = std::fabs(15 * 50 * std::exp(2.87 * std::log(0.4)));
  const double a = TubeAreaOf(10.0);
  const double l1 = 168939 * a * std::exp(1.8 * std::log(0.4)) / (900 * v1) - 0.88 * std::sqrt(a);
  const double ft = 2 * std::sqrt(94400 * 25.0 / v1 / (l1 + 1.463 * 5));
  EXPECT_EQ(fields.l2, FormatFixed(94400 * d2 * d2 / 4 / (ft * ft * v1 / 2) - 1.463 * d2 / 2, 1, 1));
}

TEST(VentpassPresets, UnusableDriverOrTubeLeavesEveryFieldUnchanged) {
  const VentpassDriver bad[] = {{0, 50, 30},    {0.4, 0, 30},   {0.4, 50, 0},   {-0.4, 50, 30},
                                {0.4, -50, 30}, {0.4, 50, -30}, {NAN, 50, 30},  {0.4, INFINITY, 30},
                                {1e-200, 50, 30}};  // a Qts so small that every rule volume is 0
  for (const VentpassDriver& d : bad) {
    for (int index : {0, 1, 2}) {
      Fields fields;
      VentpassState st = Designed(fields);
      EXPECT_TRUE(!fields.Preset(st, index, d) && fields.presetWrites.empty()) << d.qts << " " << d.vas << " " << d.fs;
    }
  }
  Fields fields;
  VentpassState st = Designed(fields);
  EXPECT_FALSE(fields.Preset(st, -1, Example()) || fields.Preset(st, 3, Example()));  // no item chosen, or past the list
  // BR1-2-2 with a rule length so negative that no effective length is left (a high fs makes the
  // rule's first term vanish: L1' + 1.463 r is about (0.88 - 0.73) sqrt(A) below 0).
  EXPECT_FALSE(fields.Preset(st, 0, {0.4, 50.0, 3000.0}));
  EXPECT_TRUE(fields.presetWrites.empty());
  EXPECT_TRUE(fields.Preset(st, 1, {0.4, 50.0, 3000.0}));
  // No chamber 1 tube.
  fields.presetWrites.clear();
  fields.d1 = "0";
  fields.Recompute(st);
  for (int index : {0, 1, 2}) EXPECT_FALSE(fields.Preset(st, index, Example()));
  EXPECT_TRUE(fields.presetWrites.empty());
}

// The sixth-order bandpass of the lossless equivalent circuit: the driver between chamber 1 and
// chamber 2, each vented by its tube.
double LosslessLevel(const VentpassResponseInputs& in, double f) {
  const std::complex<double> s(0, f);
  const double f1 = in.f1 * in.f1, f2 = in.f2 * in.f2, fs = in.fs;
  const std::complex<double> d = (s * s + f1) * (s * s + f2) * (s * s + s * fs / in.qts + fs * fs) +
                                 s * s * fs * fs * ((in.vas / in.v1) * (s * s + f2) + (in.vas / in.v2) * (s * s + f1));
  return 20 * std::log10(std::pow(f, 4) * std::fabs(f2 - f1) / std::abs(d));
}

VentpassResponseInputs DesignedInputs(double ql = 4) {
  Fields fields;
  VentpassState st = Designed(fields);
  VentpassResponseInputs in = VentpassResponseInputsOf(st, Example());
  in.ql = ql;
  return in;
}

TEST(VentpassResponse, WorkedExampleLevelsMaximumAndTheLosslessSixthOrderBandpass) {
  const VentpassResponse r = VentpassResponseOf(DesignedInputs());
  const double levels[][2] = {{10, -43.48}, {40, 5.32}, {100, -11.19}, {400, -37.95}, {1, -123.11}};
  for (const auto& [f, level] : levels) EXPECT_NEAR(*VentpassResponseLevel(r, f), level, 0.005) << f;
  double best = -1e9;
  int at = 0;
  for (int f = 10; f <= 400; ++f)
    if (*VentpassResponseLevel(r, f) >= best) best = *VentpassResponseLevel(r, f), at = f;
  EXPECT_EQ(at, 35);
  EXPECT_EQ(FormatFixed(best, 1, 1), "6.4");
  // A leakage loss at chamber 1's own tuning would give 10.01 dB here.
  EXPECT_NEAR(*VentpassResponseLevel(VentpassResponseOf(DesignedInputs(100)), 35), 10.13, 0.005);
  // Exchanging the chambers changes the curve.
  VentpassResponseInputs swapped = DesignedInputs();
  std::swap(swapped.f1, swapped.f2);
  std::swap(swapped.v1, swapped.v2);
  EXPECT_NEAR(*VentpassResponseLevel(VentpassResponseOf(swapped), 40), 4.63, 0.005);

  const VentpassResponseInputs in = DesignedInputs(1e12);
  const VentpassResponse lossless = VentpassResponseOf(in);
  for (double f : {1.0, 10.0, 20.0, 33.0, 55.0, 100.0, 250.0, 400.0})
    EXPECT_NEAR(*VentpassResponseLevel(lossless, f), LosslessLevel(in, f), 1e-9 * std::fabs(LosslessLevel(in, f))) << f;
  EXPECT_NEAR(LosslessLevel(in, 10), -43.43, 0.005);
  EXPECT_NEAR(LosslessLevel(in, 20), -18.19, 0.005);
  EXPECT_NEAR(LosslessLevel(in, 100), -10.83, 0.005);
  // The band pass rises 24 dB per octave far below and falls 12 dB per octave far above.
  EXPECT_NEAR(LosslessLevel(in, 2) - LosslessLevel(in, 1), 24.08, 0.1);
  EXPECT_NEAR(LosslessLevel(in, 8000) - LosslessLevel(in, 4000), -12.04, 0.1);
}

TEST(VentpassValidity, RuleGuardsDiagramListAndFile) {
  Fields fields;
  VentpassState st = Designed(fields);
  EXPECT_TRUE(VentpassSimulationValid(st, Example()) && VentpassExportListValid(st, Example()) &&
              VentpassExportFileValid(st, Example()));
  for (const VentpassDriver& d : {VentpassDriver{0.049, 50, 30}, VentpassDriver{0.4, 1, 30}, VentpassDriver{0.4, 50, 10}})
    EXPECT_FALSE(VentpassSimulationValid(st, d)) << d.qts << " " << d.vas << " " << d.fs;
  VentpassState same = st;
  same.chamber2.tuning = same.chamber1.tuning;
  EXPECT_FALSE(VentpassSimulationValid(same, Example()) || VentpassExportListValid(same, Example()));
  // V1 between 0 and 0.1 litres: drawn and stored, not exported.
  fields.v1 = "0.05";
  fields.Recompute(st);
  EXPECT_TRUE(VentpassExportListValid(st, Example()) && !VentpassExportFileValid(st, Example()));
  // A kept tuning never reaches a slot or file, though the diagram keeps it.
  for (std::string Fields::*field : {&Fields::l1, &Fields::d1, &Fields::l2, &Fields::d2}) {
    Fields emptied;
    VentpassState kept = Designed(emptied);
    emptied.*field = "";
    emptied.Recompute(kept);
    EXPECT_TRUE(VentpassSimulationValid(kept, Example()) && !VentpassExportListValid(kept, Example()));
  }
}

TEST(VentpassStore, LevelsHeaderExportValuesAndCaption) {
  Fields fields;
  VentpassState st = Designed(fields);
  const std::optional<ComparisonLevels> levels = VentpassLevels(st, Example());
  ASSERT_TRUE(levels);
  EXPECT_TRUE(std::fabs((*levels)[0] + 123.11) < 0.005 && std::fabs((*levels)[39] - 5.32) < 0.005) << (*levels)[0] << " " << (*levels)[39];
  const ComparisonHeader h = VentpassComparisonHeader(st, true);
  EXPECT_EQ(h.BoxType, BoxType::VentedBandpass);
  EXPECT_EQ((std::vector<double>{double(h.Multiple), double(h.BoxQl), h.Volume1, h.Volume2, h.PortLength1, h.PortLength2,
                                 double(VentpassComparisonHeader(st, false).Multiple)}),
            (std::vector<double>{2, 4, 200, 100, 4, 5, 1}));
  EXPECT_TRUE(std::fabs(h.PortArea1 - 78.5398) < 1e-4 && std::fabs(h.PortArea2 - 153.938) < 1e-3) << h.PortArea1 << " " << h.PortArea2;
  const VentedBandpassExportValues v = VentpassExportValues(st, false);
  EXPECT_EQ((std::vector<double>{v.volume1, v.portDiameter2, v.portLength2, static_cast<double>(v.ql)}),
            (std::vector<double>{200, 14, 5, 4}));
  EXPECT_EQ(VentpassCaption(true, true), "vented band pass box 6th order with push-pull");
  EXPECT_EQ(VentpassCaption(false, false), "Ventilierter Bandpass 6. Ordnung");
  EXPECT_EQ(VentpassCaption(false, true), "Ventilierter Bandpass 6. Ordnung mit Push-Pull-Prinzip");
  EXPECT_EQ(VentpassCaption(true, false), "vented band pass box 6th order");
}

TEST(VentpassBadInput, AnyTextInAnyFieldShowsNoNonFiniteNumber) {
  const char* texts[] = {"abc", "", "-", "1e999", "123456789012345678901234567890", "0,0000000000000001",
                         "0", "-5", "99999999999999999", "0.0000000000000001"};
  for (int field = 0; field < 8; ++field) {
    for (const char* text : texts) {
      for (bool cross : {false, true}) {
        Fields fields;
        VentpassState st = Designed(fields);
        fields.cross1 = fields.cross2 = cross;
        std::string* targets[] = {&fields.v1, &fields.d1, &fields.l1, &fields.a1, &fields.v2, &fields.d2, &fields.l2, &fields.a2};
        *targets[field] = text;
        fields.Recompute(st);
        UpdateVentpassQl(st, true, 10);
        for (const std::string* shown : {&fields.a1, &fields.d1, &fields.f1, &fields.a2, &fields.d2, &fields.f2})
          EXPECT_FALSE(test::ShowsNonFinite(*shown)) << field << " " << text << " " << *shown;
        EXPECT_TRUE(st.ql >= 1 && st.ql <= 100) << st.ql;
        if (VentpassSimulationValid(st, Example())) {
          const VentpassResponse r = VentpassResponseOf(VentpassResponseInputsOf(st, Example()));
          for (double f : {1.0, 10.0, 400.0}) EXPECT_TRUE(std::isfinite(VentpassResponseLevel(r, f).value_or(0)));
        }
        for (int index : {0, 1, 2}) fields.Preset(st, index, Example());
        for (const std::string* shown : {&fields.v1, &fields.l1, &fields.d2, &fields.v2, &fields.l2})
          EXPECT_FALSE(test::ShowsNonFinite(*shown)) << *shown;
      }
    }
  }
}

}  // namespace
}  // namespace velomare

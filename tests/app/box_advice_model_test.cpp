#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "TestSupport.h"
#include "app/model/BoxAdvice.h"

namespace velomare {
namespace {

const AdviceDriver kDefaultDriver{0.41, 0.513, 244, 29, 25.3};

TEST(BoxAdvice, ClosedBoxValuesAreTheTextbookOnesForVolumesWorkedByHand) {
  // Qtc = Qts sqrt(1 + Vas/Vb), fc = fs sqrt(1 + Vas/Vb), worked out on paper.
  for (const auto& [vb, qtc, fc] : {std::array{244.0, 0.579828, 41.0122}, {500.0, 0.500133, 35.3752},
                                      {10.0, 2.066335, 146.1554}, {2000.0, 0.434290, 30.7181}}) {
    EXPECT_NEAR(AdviseBoxTypes(kDefaultDriver, vb)->qtc, qtc, 1e-5) << vb;
    EXPECT_NEAR(AdviseBoxTypes(kDefaultDriver, vb)->fc, fc, 1e-3) << vb;
  }
  const auto a = AdviseBoxTypes(kDefaultDriver, 500);
  EXPECT_NEAR(a->ebp, 56.530, 1e-3);
  EXPECT_NEAR(a->fsOverQts, 70.732, 1e-3);
}

TEST(BoxAdvice, QuantizedRatioFollowsTheTextbookClosedBoxCutOffAndNeverRises) {
  const double bounds[] = {0.5, 0.55, 0.6, 0.65, 0.7, 0.75, 0.8, 0.85, 0.9, 0.95, 1.0, 1.05,
                           1.1, 1.15, 1.2, 1.25, 1.3, 1.4, 1.5, 1.6, 1.75, 1.9, 2.1};
  for (double b : bounds) {
    const double x = 1 / (2 * b * b) - 1;
    const double textbook = std::sqrt(x + std::sqrt(x * x + 1));
    EXPECT_NEAR(QuantizeRatio(b + 1e-9), textbook, 0.06) << b;
  }
  double previous = QuantizeRatio(0.01);
  EXPECT_DOUBLE_EQ(previous, 1.6);
  for (double q = 0.01; q < 5; q += 0.001) {
    EXPECT_LE(QuantizeRatio(q), previous) << q;
    previous = QuantizeRatio(q);
  }
  EXPECT_DOUBLE_EQ(QuantizeRatio(0.76), 1.0);  // a kept step, not the textbook 0.94
  EXPECT_DOUBLE_EQ(QuantizeRatio(50), 0.66);
  EXPECT_DOUBLE_EQ(QuantizeRatio(0), 0);
}

TEST(BoxAdvice, UpperFrequenciesAreWhereTheWavelengthMeetsTheDiameterAtSoundSpeed344) {
  AdviceDriver d = kDefaultDriver;
  // The critical wavelength is 0.55 of the diameter from 16 cm up, 0.525 below.
  for (const auto& [dia, share] : {std::pair{34.4, 0.55}, {16.0, 0.55}, {15.9, 0.525}}) {
    d.dia = dia;
    EXPECT_NEAR(*AdviseBoxTypes(d, 500)->foCritical * share * dia / 100, 344, 0.01) << dia;
  }
  d.dia = 34.4;  // 344 m/s over 0.344 m
  EXPECT_NEAR(*AdviseBoxTypes(d, 500)->foAdvisable, 1000, 1e-9);
  d.dia = 0;
  const auto a = AdviseBoxTypes(d, 500);
  EXPECT_FALSE(a->foCritical || a->foAdvisable);
  EXPECT_EQ(FormatAdvice(*a, true, "m", "n").label9, "critical upper cut frequency of this speaker : ");
  EXPECT_EQ(FormatAdvice(*a, true, "m", "n").label10, "maximum advisable upper cut frequency : ");
}

TEST(BoxAdvice, DefaultDriverAt500LitresRatesAsWorkedOut) {
  const auto a = AdviseBoxTypes(kDefaultDriver, 500);
  ASSERT_TRUE(a);
  // closed, bass reflex, closed and vented bandpass, free air, open box, horn, transmission line
  EXPECT_EQ(a->sums, (std::array<int, kAdvisedBoxCount>{5, 2, 3, 1, 3, 0, 1, 2}));
  const AdviceTexts de = FormatAdvice(*a, false, "VISATON", "W 300 NG (8 Ohm)");
  EXPECT_EQ(de.caption, "Gehäusetyp-Tips für VISATON W 300 NG (8 Ohm)");
  EXPECT_EQ(de.rows[0], "Eignung für geschlossenes Gehäuse : sehr gut");
  EXPECT_EQ(de.rows[1], "Eignung für Baßreflexgehäuse : bedingt");
  EXPECT_EQ(de.rows[4], "Free-Air-Betrieb : möglich");
  EXPECT_EQ(de.rows[5], "Eignung für offene Box (z.B. PA) : ungeeignet");
  EXPECT_EQ(de.label6, "EBP (Efficiency-Bandwidth-Product=fs/Qes) : 56.5 (Hz)");
  EXPECT_EQ(de.label14, "fs/Qts = 70.7 (Hz)");
  EXPECT_EQ(de.label7, "Resonanz fc= 35 Hz / untere Grenzfrequenz fu= 55 Hz / Güte Qtc=0.50");
  EXPECT_EQ(de.label9, "kritische obere Grenzfrequenz des Chassis : 2472 Hz");
  EXPECT_EQ(de.label10, "maximal empfehlenswerte obere Grenzfrequenz : 1360 Hz");
  const AdviceTexts en = FormatAdvice(*a, true, "VISATON", "W 300 NG (8 Ohm)");
  EXPECT_EQ(en.caption, "advice for selection for VISATON W 300 NG (8 Ohm)");
  EXPECT_EQ(en.rows[6], "suitability for an exponential horn system : bad");
  EXPECT_EQ(en.rows[7], "suitability for a transmissionline system : partly");
  EXPECT_EQ(en.label7, "resonance fc= 35 Hz / lower cut frequency =  55 Hz / quality Qtc=0.50");
}

TEST(BoxAdvice, TheTrialVolumeMovesOnlyTheFreeAirRow) {
  // 10 l: Qtc 2.07, f3 = 0.67 x 146 = 98 Hz: 0; 2000 l: Qtc 0.434: 1, f3 = 1.6 x 30.7 = 49 Hz: 1 + 1.
  EXPECT_EQ(AdviseBoxTypes(kDefaultDriver, 10)->sums, (std::array<int, kAdvisedBoxCount>{5, 2, 3, 1, 0, 0, 1, 2}));
  EXPECT_EQ(AdviseBoxTypes(kDefaultDriver, 2000)->sums, (std::array<int, kAdvisedBoxCount>{5, 2, 3, 1, 3, 0, 1, 2}));
}

TEST(BoxAdvice, SumsOfDriversMadeForOneTypeAndAtTheEdgesOfTheRules) {
  const struct {
    AdviceDriver d;  // Qts, Qes, Vas, fs, diameter
    AdvisedBox box;
    int sum;
    const char* why;
  } rows[] = {
      {{0.35, 0.4, 50, 38, 20}, AdvisedBox::BassReflex, 5, "EBP 95 and Qts 0.35: the middle of the reflex window"},
      {{0.35, 0.4, 50, 38, 20}, AdvisedBox::VentedBandpass, 5, "and of the vented bandpass window"},
      {{1.2, 2.0, 50, 40, 20}, AdvisedBox::OpenBox, 5, "Qts 1.2, fs 40, EBP 20: an open box"},
      {{0.15, 0.2, 50, 25, 20}, AdvisedBox::ExpoHorn, 4, "Qts 0.15 at 25 Hz: a horn at best good"},
      {{0.45, 0.6, 50, 30, 20}, AdvisedBox::ClosedBandpass, 5, "fs/Qts 66.7, 2 Qts^2 Vas = 20.25, Q60 = 0.9"},
      {{0.2, 0.5, 50, 20, 20}, AdvisedBox::Closed, 5, "EBP 40: [40, 65] holds its lower end"},
      {{0.2, 0.5, 50, 32.5, 20}, AdvisedBox::Closed, 5, "EBP 65: and its upper end"},
      {{0.2, 0.5, 50, 37.5, 20}, AdvisedBox::Closed, 4, "EBP 75: (65, 75] holds its upper end"},
      {{0.2, 0.5, 50, 15, 20}, AdvisedBox::Closed, 2, "EBP 30: (30, 40) leaves out its lower end"},
      {{0.2, 0.5, 50, 35, 20}, AdvisedBox::BassReflex, 2, "EBP 70: [70, 80) holds its lower end"},
  };
  for (const auto& r : rows) EXPECT_EQ(AdviseBoxTypes(r.d, 500)->Sum(r.box), r.sum) << r.why;
  EXPECT_STREQ(SuitabilityWord(4, false), "gut");
}

TEST(BoxAdvice, GuardRefusesDriversWhoseDivisorsCouldVanish) {
  EXPECT_FALSE(AdviseBoxTypes({0.41, 0.41, 244, 29, 25}, 500));  // Qes equal to Qts
  EXPECT_FALSE(AdviseBoxTypes({0.05, 0.5, 244, 29, 25}, 500));
  EXPECT_FALSE(AdviseBoxTypes({0.41, 0.513, 1, 29, 25}, 500));
  EXPECT_FALSE(AdviseBoxTypes({0.41, 0.513, 244, 5, 25}, 500));
  EXPECT_FALSE(AdviseBoxTypes(kDefaultDriver, 0));
  EXPECT_TRUE(AdviseBoxTypes({0.051, 0.052, 1.001, 5.001, 25}, 500));
}

TEST(BoxAdvice, RatingWordsAndSymbolsCoverEverySum) {
  EXPECT_STREQ(SuitabilityWord(7, false), "sehr gut");
  EXPECT_STREQ(SuitabilityWord(3, true), "possible");
  EXPECT_STREQ(SuitabilityWord(1, false), "schlecht");
  EXPECT_STREQ(SuitabilityWord(0, false), "ungeeignet");
  EXPECT_STREQ(SuitabilityWord(-1, true), "impossible");
  EXPECT_EQ((std::array{SymbolCount(0), SymbolCount(3), SymbolCount(9)}), (std::array{0, 3, 5}));
}

TEST(BoxAdvice, NoSumExceedsFive) {
  for (double qts = 0.06; qts < 3.5; qts += 0.07)
    for (double fs = 6; fs < 200; fs += 7)
      for (double ebpFactor : {1.1, 2.0, 5.0}) {
        const auto advice = AdviseBoxTypes({qts, qts * ebpFactor, 80, fs, 20}, 300);  // kept alive for the loop
        for (int s : advice.value().sums) EXPECT_LE(s, 5) << qts << " " << fs;
      }
}

TEST(BoxAdvice, HugeDriversGiveFiniteTexts) {
  const auto huge = AdviseBoxTypes({0.41, 0.513, 1e12, 1e6, 1e-300}, 10);
  ASSERT_TRUE(huge);
  for (const bool english : {false, true}) {
    const AdviceTexts t = FormatAdvice(*huge, english, "a", "b");
    for (const std::string& s : {t.label6, t.label7, t.label9, t.label10, t.label14}) {
      EXPECT_FALSE(test::ShowsNonFinite(s)) << s;
    }
  }
}

}  // namespace
}  // namespace velomare

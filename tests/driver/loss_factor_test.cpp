// The loss factor of a built vented box: worked examples, the tuning relations fb² = fl² + fh² - fc²
// and fb fsb = fl fh, the chain of fallbacks, long numbers and text that is no number.
#include <cmath>

#include "TestSupport.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/LossFactor.h"

namespace velomare::test {
namespace {

QlEditTexts Example() { return {"3,5", "0,30", "5,0", "0,38", "30", "25,0", "30,0", "10,0", "40,0", "38,0"}; }
QlEditTexts DefaultDriver() {
  return {"6.80", "0.410", "2.040", "0.513", "29.0", "25,0", "30,0", "10,0", "40,0", "38,0"};
}

std::vector<std::string> All(const QlReadouts& r) {
  return {r.fb, r.fsb, r.rm, r.qmsb, r.qesb, r.qtsb, r.h, r.alpha, r.ql, r.ratio, r.deviation};
}

class LossFactorModel : public ::testing::Test {
 protected:
  void SetUp() override { Language = "deutsch"; }
  void TearDown() override { Language = "deutsch"; }
};

TEST_F(LossFactorModel, WorkedExampleAndTheBuiltInDriverInBothLanguages) {
  EXPECT_EQ(All(ComputeQl(Example()).texts),
            (std::vector<std::string>{"fb = 27.9 Hz", "fsb = 35.8 Hz", "rm = 2.857", "Qmsb = 4.192", "Qesb = 0.319",
                                      "Qtsb = 0.252", "fb/fsb = 0.781", "0.128", "Ql = 8.9",
                                      "für Genauigkeit fb/fm = 0.823", "Abweichung = 17.7 %"}));
  QlResult r = ComputeQl(DefaultDriver());
  EXPECT_EQ(r.texts.ql, "Ql = 27.5");
  EXPECT_EQ(r.texts.deviation, "Abweichung = 21.5 %");
  Language = "english";
  r = ComputeQl(DefaultDriver());
  EXPECT_EQ(r.texts.ratio, "for accuracy: fb/fm = 0.785");
  EXPECT_EQ(r.texts.deviation, "tolerance = 21.5 %");
}

TEST_F(LossFactorModel, TuningMeetsTheVentedBoxRelations) {
  const struct {
    double fl, fh, fc;
  } boxes[] = {{25, 40, 38}, {18, 55, 40}, {30, 80, 70}, {40, 60, 30}};
  for (const auto& b : boxes) {
    const auto text = [](double f) { return FormatFixed(f, 0, 6); };
    QlEditTexts t = Example();
    t[5] = text(b.fl), t[6] = text((b.fl + b.fh) / 2), t[8] = text(b.fh), t[9] = text(b.fc);
    const QlValues v = ComputeQl(t).values;
    ASSERT_TRUE(v.tuning);
    EXPECT_NEAR(v.fb * v.fb + b.fc * b.fc, b.fl * b.fl + b.fh * b.fh, 1e-9);
    EXPECT_NEAR(v.fb * v.fsb, b.fl * b.fh, 1e-9);
    // The driver's Q factors scale with fs / fsb, so their ratios stay.
    EXPECT_NEAR(v.qmsb / v.qesb, 5.0 / 0.38, 1e-9);
    EXPECT_NEAR(v.qtsb * v.fsb, 0.30 * 30, 1e-9);
  }
}

TEST_F(LossFactorModel, CheckFigureIsTheImpliedMinimumFromQl) {
  // The check figure solves fb/fm = h sqrt(Ql² a / (Ql² a - 1)) for the computed Ql.
  const QlValues v = ComputeQl(DefaultDriver()).values;
  ASSERT_TRUE(v.check);
  const double q2a = v.ql * v.ql * v.alpha;
  EXPECT_NEAR(v.ratio * v.ratio * (q2a - 1), q2a * v.h * v.h, 1e-9);
  EXPECT_NEAR(v.deviation, std::fabs(v.ratio - 1) * 100, 1e-12);
}

TEST_F(LossFactorModel, MinimumOutsideThePeaksFallsBackEverywhere) {
  for (const char* fm : {"25", "40", "20", "45"}) {
    QlEditTexts t = Example();
    t[6] = fm;
    EXPECT_EQ(All(ComputeQl(t).texts), (std::vector<std::string>{"fb", "fsb", "rm", "Qmsb", "Qesb", "Qtsb", "fb/fsb",
                                                                  "", "Ql ", "fb/fm ", "tol. in %"}))
        << fm;
  }
}

// Each row changes one edit of the worked example; the tuning (fb 27.9 Hz) stays in every row.
TEST_F(LossFactorModel, EachFailedStepFallsBackFromThereOn) {
  const struct {
    const char* name;
    QlEdit edit;
    const char* text;
    const char *qmsb, *alpha, *ql, *ratio, *deviation;
  } cases[] = {
      {"Qes not above Qts", QlEdit::Qes, "0,30", "Qmsb", "", "Ql ", "fb/fm ", "tol. in %"},
      {"Qms not above Qts", QlEdit::Qms, "0,30", "Qmsb", "", "Ql ", "fb/fm ", "tol. in %"},
      {"no Rm", QlEdit::Rm, "", "Qmsb", "", "Ql ", "fb/fm ", "tol. in %"},
      {"Rm = Re", QlEdit::Rm, "3,5", "Qmsb = 4.192", "0.128", "Ql ", "fb/fm ", "tol. in %"},
      {"Rm below Re", QlEdit::Rm, "2", "Qmsb = 4.192", "0.128", "Ql ", "fb/fm ", "tol. in %"},
      {"no resonance: Qs scaled to 0", QlEdit::Fs, "", "Qmsb = 0.000", "0.128", "Ql ", "fb/fm ", "tol. in %"},
      // Rm 30: Ql = (0.781 / 0.1278) (1 / (7.571 0.3186) - 1 / 4.192) = 1.08; Ql² alpha = 0.15 <= 1
      // leaves the implied minimum without a real value.
      {"Ql without a check figure", QlEdit::Rm, "30", "Qmsb = 4.192", "0.128", "Ql = 1.1", "fb/fm ", "tol. in %"},
      // Rm just above Re makes 1 / (rm - 1) huge: a Ql above 1000 is not shown.
      {"Ql above 1000", QlEdit::Rm, "3,5001", "Qmsb = 4.192", "0.128", "Ql ", "fb/fm ", "tol. in %"},
  };
  for (const auto& c : cases) {
    QlEditTexts t = Example();
    t[static_cast<std::size_t>(c.edit)] = c.text;
    const QlReadouts r = ComputeQl(t).texts;
    EXPECT_EQ((std::vector<std::string>{r.fb, r.qmsb, r.alpha, r.ql, r.ratio, r.deviation}),
              (std::vector<std::string>{"fb = 27.9 Hz", c.qmsb, c.alpha, c.ql, c.ratio, c.deviation}))
        << c.name;
  }
}

TEST_F(LossFactorModel, LongNumbersLoseDecimalsNeverIntegerDigits) {
  QlEditTexts t = Example();
  t[5] = "100000000000000";
  t[6] = "200000000000000";
  t[8] = "300000000000000";
  t[9] = "1";
  const QlReadouts r = ComputeQl(t).texts;
  // fb = sqrt(1e28 + 9e28 - 1) = 316227766016837.93: 17 characters with its decimal.
  EXPECT_EQ(r.fb, "fb = 316227766016837 Hz");
  EXPECT_EQ(r.fsb, "fsb = 94868329805051 Hz");
}

TEST_F(LossFactorModel, BadTextInEveryEditNeverShowsNanOrInf) {
  for (std::size_t i = 0; i < kQlEditCount; ++i)
    for (const std::string& text : {std::string(), std::string("-"), std::string("1e999"), std::string(30, '9'),
                                    std::string("-5"), std::string("0"), std::string(","), std::string("1,2,3"),
                                    std::string("0,000000000000000001"), std::string(300, '9')}) {
      QlEditTexts t = Example();
      t[i] = text;
      for (const std::string& label : All(ComputeQl(t).texts))
        EXPECT_TRUE(label.find("nan") == label.npos && label.find("inf") == label.npos) << i << " " << text;
    }
}

TEST_F(LossFactorModel, BuiltInDriverReferenceCaseInBothLanguages) {
  QlResult r = ComputeQl(DefaultDriver());
  EXPECT_EQ(r.texts.fb, "fb = 27.9 Hz");
  EXPECT_EQ(r.texts.ratio, "für Genauigkeit fb/fm = 0.785");
  Language = "english";
  r = ComputeQl(DefaultDriver());
  EXPECT_EQ(r.texts.ql, "Ql = 27.5");
}

TEST_F(LossFactorModel, QesOrQmsNotAboveQtsKeepsOnlyTheTuning) {
  for (int edit : {3, 2}) {
    QlEditTexts t = Example();
    t[static_cast<std::size_t>(edit)] = "0,30";
    const QlReadouts r = ComputeQl(t).texts;
    EXPECT_EQ(r.fb, "fb = 27.9 Hz");
    EXPECT_EQ(r.fsb, "fsb = 35.8 Hz");
    EXPECT_EQ(r.qmsb, "Qmsb");
    EXPECT_EQ(r.h, "fb/fsb");
    EXPECT_EQ(r.alpha, "");
    EXPECT_EQ(r.ql, "Ql ");
  }
}

TEST_F(LossFactorModel, AnEmptyResonanceShowsZeroScaledQs) {
  QlEditTexts t = Example();
  t[4] = "";
  const QlReadouts r = ComputeQl(t).texts;
  EXPECT_EQ(r.qmsb, "Qmsb = 0.000");
  EXPECT_EQ(r.qesb, "Qesb = 0.000");
  EXPECT_EQ(r.qtsb, "Qtsb = 0.000");
  EXPECT_EQ(r.ql, "Ql ");
}

TEST_F(LossFactorModel, QlWithoutARealCheckFigureIsALossFactorAndAboveOneThousandIsNone) {
  QlEditTexts t = Example();
  t[7] = "30";
  QlResult r = ComputeQl(t);
  ASSERT_TRUE(r.values.lossFactor);
  EXPECT_LE(r.values.ql * r.values.ql * r.values.alpha, 1.0);
  t[7] = "3,5001";
  r = ComputeQl(t);
  EXPECT_FALSE(r.values.lossFactor);
  EXPECT_EQ(r.texts.ql, "Ql ");
}

TEST_F(LossFactorModel, DriverEditsShowTheCurrentDriverWithADecimalPoint) {
  ChassisRe = 6.8, ChassisQts = 0.41, ChassisQms = 2.04, ChassisQes = 0.513, ChassisFs = 29;
  const auto texts = QlDriverEditTexts();
  EXPECT_EQ(texts, (std::array<std::string, 5>{"6.80", "0.410", "2.040", "0.513", "29.0"}));
  ResetCommittedDriver();
}

}  // namespace
}  // namespace velomare::test

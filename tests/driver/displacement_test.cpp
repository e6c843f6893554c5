// The driver's own volume: the five parts against cylinder and frustum volumes worked out by
// hand, the read-out and the hand-over to the opener, driven through the window's controls.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <cmath>
#include <numbers>
#include <string>

#include "TestSupport.h"
#include "app/Forms.h"
#include "common/Settings.h"
#include "driver/TChassisform.h"
#include "driver/Tdisplacement.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/Displacement.h"
#include "driver/model/DisplacementCaller.h"

namespace velomare::test {
namespace {

constexpr double kPi = std::numbers::pi;

// The window's initial dimensions.
DisplacementInput InitialDimensions() {
  DisplacementInput in;
  in.d1 = 300, in.d2 = 270, in.d3 = 50, in.d4 = 120, in.d5 = 140;
  in.w = 10, in.x = 60, in.y = 40, in.z = 20;
  in.n = 4, in.s = 130, in.t = 5, in.b = 20;
  return in;
}

// Textbook frustum: h/3 (A1 + A2 + sqrt(A1 A2)), in litres from millimetres.
double FrustumLitres(double d1, double d2, double h) {
  const double a1 = kPi * d1 * d1 / 4, a2 = kPi * d2 * d2 / 4;
  return h / 3 * (a1 + a2 + std::sqrt(a1 * a2)) * 1e-6;
}
double CylinderLitres(double d, double h) { return kPi * d * d / 4 * h * 1e-6; }

TEST(DisplacementModel, InitialDimensionsGiveTheFivePartsWorkedOutByHand) {
  const DisplacementResult r = ComputeDisplacementVolume(InitialDimensions());
  // Flange pi/4 300^2 10 = 706858 mm^3; cone pi/12 (270^2 + 50^2 + 270 50) 60 = 1396439 mm^3;
  // magnet pi/4 120^2 20 = 226195 mm^3; ring pi/4 140^2 20 = 307876 mm^3; bridges 4 130 20 5.
  EXPECT_NEAR(r.flange, 0.70686, 5e-6);
  EXPECT_NEAR(r.cone, 1.39644, 5e-6);
  EXPECT_NEAR(r.magnet, 0.22619, 5e-6);
  EXPECT_NEAR(r.ring, 0.30788, 5e-6);
  EXPECT_NEAR(r.bridges, 0.05200, 1e-12);
  EXPECT_NEAR(r.total, 2.68937, 2e-5);
  EXPECT_TRUE(r.valid);
  EXPECT_EQ(DisplacementVolumeText(r), "V=2,69 Liter");
  EXPECT_EQ(DisplacementAcceptText(r), "2,69");
  ASSERT_TRUE(DisplacementAcceptVolume(r));
  EXPECT_DOUBLE_EQ(*DisplacementAcceptVolume(r), r.total);
}

TEST(DisplacementModel, ConeIsAFrustumBetweenCylinderAndPointedCone) {
  DisplacementInput in = InitialDimensions();
  EXPECT_NEAR(ComputeDisplacementVolume(in).cone, FrustumLitres(270, 50, 60), 1e-12);
  // Equal diameters make it a cylinder, a zero coil diameter a pointed cone (a third of it).
  in.d3 = 270;
  EXPECT_NEAR(ComputeDisplacementVolume(in).cone, CylinderLitres(270, 60), 1e-12);
  in.d3 = 0;
  EXPECT_NEAR(ComputeDisplacementVolume(in).cone, CylinderLitres(270, 60) / 3, 1e-12);
  // Nothing checks that the coil fits inside the membrane: the formula is symmetric.
  in.d2 = 50, in.d3 = 270;
  EXPECT_NEAR(ComputeDisplacementVolume(in).cone, FrustumLitres(270, 50, 60), 1e-12);
}

TEST(DisplacementModel, MagnetUsesTheDifferenceOfYAndZEitherWay) {
  DisplacementInput in = InitialDimensions();
  const double forward = ComputeDisplacementVolume(in).magnet;
  std::swap(in.y, in.z);  // y = 20, z = 40
  const DisplacementResult swapped = ComputeDisplacementVolume(in);
  EXPECT_DOUBLE_EQ(swapped.magnet, forward);
  EXPECT_NEAR(swapped.magnet, CylinderLitres(120, 20), 1e-12);
  EXPECT_NEAR(swapped.ring, CylinderLitres(140, 40), 1e-12);
  in.y = in.z;
  EXPECT_EQ(ComputeDisplacementVolume(in).magnet, 0.0);
}

TEST(DisplacementModel, NegativeInputDropsOnlyThePartsThatUseIt) {
  const DisplacementResult base = ComputeDisplacementVolume(InitialDimensions());
  DisplacementInput in = InitialDimensions();
  in.z = -20;  // magnet and ring both use z
  DisplacementResult r = ComputeDisplacementVolume(in);
  EXPECT_EQ(r.magnet, 0.0);
  EXPECT_EQ(r.ring, 0.0);
  EXPECT_DOUBLE_EQ(r.total, base.flange + base.cone + base.bridges);

  in = InitialDimensions();
  in.d1 = -300;
  r = ComputeDisplacementVolume(in);
  EXPECT_EQ(r.flange, 0.0);
  EXPECT_DOUBLE_EQ(r.total, base.total - base.flange);

  in = InitialDimensions();
  in.x = -60;
  EXPECT_EQ(ComputeDisplacementVolume(in).cone, 0.0);
  in = InitialDimensions();
  in.n = -4;
  EXPECT_EQ(ComputeDisplacementVolume(in).bridges, 0.0);
  in = InitialDimensions();
  in.d5 = -1;  // the ring only; the magnet does not use d5
  r = ComputeDisplacementVolume(in);
  EXPECT_EQ(r.ring, 0.0);
  EXPECT_DOUBLE_EQ(r.magnet, base.magnet);

  // Zero is allowed: z = 0 makes the whole magnet height y count.
  in = InitialDimensions();
  in.z = 0;
  r = ComputeDisplacementVolume(in);
  EXPECT_EQ(r.ring, 0.0);
  EXPECT_NEAR(r.magnet, CylinderLitres(120, 40), 1e-12);
}

TEST(DisplacementModel, AllZeroAndNonFiniteResults) {
  const DisplacementResult zero = ComputeDisplacementVolume(DisplacementInput{});
  EXPECT_EQ(zero.total, 0.0);
  EXPECT_EQ(DisplacementVolumeText(zero), "V=0,00 Liter");
  EXPECT_EQ(DisplacementAcceptText(zero), "0,00");

  // Dimensions far past anything real overflow: nothing non-finite is shown or handed on.
  DisplacementInput huge = InitialDimensions();
  huge.n = huge.s = huge.t = huge.b = 1e100;
  DisplacementResult r = ComputeDisplacementVolume(huge);
  EXPECT_FALSE(r.valid);
  EXPECT_EQ(DisplacementVolumeText(r), "V=? Liter");
  EXPECT_FALSE(DisplacementAcceptText(r));
  EXPECT_FALSE(DisplacementAcceptVolume(r));

  DisplacementInput nan = InitialDimensions();
  nan.y = std::nan("");
  r = ComputeDisplacementVolume(nan);
  EXPECT_FALSE(r.valid);
  EXPECT_EQ(DisplacementVolumeText(r), "V=? Liter");
}

TEST(DisplacementModel, ReadsTheThirteenTextsInEditOrder) {
  const DisplacementInput in = ReadDisplacementInput(
      {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"});
  const double got[] = {in.d1, in.d2, in.d3, in.d4, in.d5, in.w, in.x, in.y, in.z, in.n, in.s, in.t, in.b};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(got[i], i + 1) << "field " << i;

  const DisplacementInput odd =
      ReadDisplacementInput({"2,5", "-7.5", "abc", "", "-", "1e999", "007", "0,5", " 3", "4", "5", "6", "7"});
  EXPECT_EQ(odd.d1, 2.5);
  EXPECT_EQ(odd.d2, -7.5);
  EXPECT_EQ(odd.d3, 0.0);  // "abc"
  EXPECT_EQ(odd.d4, 0.0);  // empty
  EXPECT_EQ(odd.d5, 0.0);  // "-"
  EXPECT_EQ(odd.w, 0.0);   // "1e999"
  EXPECT_EQ(odd.x, 0.0);   // "007"
  EXPECT_EQ(odd.y, 0.5);
  EXPECT_EQ(odd.z, 0.0);   // leading blank
}

TEST(DisplacementModel, SmallAndLargeVolumesFormatWithoutCutting) {
  DisplacementInput in;
  in.n = 1, in.s = 1, in.t = 1, in.b = 4999;  // 0.004999 litres rounds to 0,00
  EXPECT_EQ(DisplacementVolumeText(ComputeDisplacementVolume(in)), "V=0,00 Liter");
  in.b = 5001;
  EXPECT_EQ(DisplacementVolumeText(ComputeDisplacementVolume(in)), "V=0,01 Liter");
  in.b = 123456789;  // 123.456789 litres
  EXPECT_EQ(DisplacementAcceptText(ComputeDisplacementVolume(in)), "123,46");
}

class DisplacementWindow : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    StartProgram();
    window = forms::displacement;
    ASSERT_NE(window, nullptr);
  }
  void Open(int caller) {
    DisplacementCaller = caller;
    window->ShowForm();
    window->grab();
  }
  QLineEdit* ChassisEdit8() const {
    return forms::Chassisform ? forms::Chassisform->findChild<QLineEdit*>("Edit8") : nullptr;
  }
  static bool HasNonFinite(const QString& text) {
    return text.contains("nan", Qt::CaseInsensitive) || text.contains("inf", Qt::CaseInsensitive);
  }
  Tdisplacement* window = nullptr;
};

TEST_F(DisplacementWindow, ControlsAndInitialVolume) {
  const char* initial[] = {"300", "270", "50", "120", "140", "10", "60", "40", "20", "4", "130", "5", "20"};
  for (int i = 0; i < 13; ++i) {
    auto* edit = window->findChild<QLineEdit*>(QString("Edit%1").arg(i + 1));
    ASSERT_NE(edit, nullptr) << i + 1;
    EXPECT_EQ(edit->text(), initial[i]);
  }
  for (const char* name : {"LabelPic", "Buttonclose", "Button1", "Image1"})
    EXPECT_NE(window->findChild<QWidget*>(name), nullptr) << name;
  EXPECT_EQ(window->LabelPic->parentWidget(), window->Image1);
  EXPECT_GE(window->Image1->width(), 540);
  EXPECT_EQ(window->LabelPic->text(), "V=2,69 Liter");
  EXPECT_EQ(window->findChild<QWidget*>("buttonhelp"), nullptr);
}

TEST_F(DisplacementWindow, EveryEditRecomputesAndAPaintRecomputesToo) {
  window->Edit9->setText("-20");  // negative z: magnet and ring go
  EXPECT_NEAR(window->Volume().total, 0.70686 + 1.39644 + 0.05200, 2e-5);
  EXPECT_EQ(window->LabelPic->text(), "V=2,16 Liter");
  window->Edit9->setText("20");
  window->Edit10->setText("");  // no bridges
  EXPECT_NEAR(window->Volume().total, 2.68937 - 0.052, 2e-5);
  EXPECT_EQ(window->LabelPic->text(), "V=2,64 Liter");
  window->Edit10->setText("4");

  // y and z the other way round change only the ring (z) part: 0.22619 + 4 x 0.30788.
  window->Edit8->setText("20");
  window->Edit9->setText("40");
  EXPECT_NEAR(window->Volume().total, 0.70686 + 1.39644 + 0.22619 + 0.61575 + 0.052, 3e-5);
  window->Edit8->setText("40");
  window->Edit9->setText("20");

  // Typing with the change handler held off: the next paint catches up.
  {
    QSignalBlocker block(window->Edit13);
    window->Edit13->setText("0");
  }
  EXPECT_EQ(window->LabelPic->text(), "V=2,69 Liter");
  Open(2);
  EXPECT_EQ(window->LabelPic->text(), "V=2,64 Liter");
}

TEST_F(DisplacementWindow, EnglishTextsKeepTheDecimalComma) {
  Open(0);
  EXPECT_EQ(window->Label1->text(), QString::fromUtf8("Korbdurchmesser d1 (mm)"));
  EXPECT_EQ(window->Buttonclose->text(), QString::fromUtf8("S&chließen"));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Berechnung des Eigenvolumens eines Lautsprecherchassis"));

  OpenSettings().WriteString("Info", "Sprache", "english");
  window->grab();  // the language is read at every paint
  EXPECT_EQ(window->windowTitle(), "calculation of the displacement of the speaker chassies");
  EXPECT_EQ(window->Label1->text(), "diameter of speaker cage d1 (mm)");
  EXPECT_EQ(window->Label10->text(), "bridge connection with length s (mm) ");
  EXPECT_EQ(window->Label11->text(), "thickness x width (mm)");
  EXPECT_EQ(window->Button1->text(), "accept");
  EXPECT_EQ(window->Buttonclose->text(), "&close");
  EXPECT_EQ(window->Edit10->toolTip(), "number of bridge connections between magnet and holder");
  EXPECT_EQ(window->Label1->toolTip(), "let it away, if the speaker is srewed in front");
  EXPECT_EQ(window->Image1->toolTip(), "drawing of the speaker chassies");
  // The form's own hint stays German in either language.
  EXPECT_EQ(window->Label6->toolTip(), QString::fromUtf8("bei frontal aufgeschraubten Körben wegen x auch eingeben"));
  EXPECT_EQ(window->LabelPic->text(), "V=2,69 Liter");
}

TEST_F(DisplacementWindow, AcceptFromTheMainWindowSetsOnlyTheCommittedVolume) {
  ChassisVol = 2.1;
  QLineEdit* edit8 = ChassisEdit8();
  const QString before = edit8 ? edit8->text() : QString();
  Open(0);
  window->Button1->click();
  EXPECT_NEAR(ChassisVol, 2.68937, 2e-5);
  EXPECT_FALSE(window->isVisible());
  if (edit8) {
    EXPECT_EQ(edit8->text(), before);
  }
  EXPECT_TRUE(seam.messages.isEmpty());
}

TEST_F(DisplacementWindow, AcceptFromTheDriverDataWindowWritesItsVolumeEdit) {
  QLineEdit* edit8 = ChassisEdit8();
  if (!edit8) GTEST_SKIP() << "the driver-data window has no volume edit yet";
  ChassisVol = 2.1;
  Open(1);
  window->Edit1->setText("250");  // flange pi/4 250^2 10 = 0.49087: 2.47438 in all
  window->Button1->click();
  EXPECT_EQ(edit8->text(), "2,47");
  EXPECT_EQ(ChassisVol, 2.1);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(DisplacementWindow, OtherCallersAndCloseHandNothingOver) {
  ChassisVol = 2.1;
  QLineEdit* edit8 = ChassisEdit8();
  const QString before = edit8 ? edit8->text() : QString();
  Open(2);
  window->Button1->click();
  EXPECT_FALSE(window->isVisible());
  Open(0);
  window->Buttonclose->click();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(ChassisVol, 2.1);
  if (edit8) {
    EXPECT_EQ(edit8->text(), before);
  }
  // The edits are kept between openings.
  window->Edit2->setText("200");
  window->hide();
  Open(0);
  EXPECT_EQ(window->Edit2->text(), "200");
}

TEST_F(DisplacementWindow, BadTextsNeverShowOrHandOverNonFiniteNumbers) {
  const QString forty(40, QChar('9'));
  for (const QString& bad : {QString("abc"), QString("1e999"), forty, QString("-"), QString(",")}) {
    for (QLineEdit* edit : {window->Edit1, window->Edit8, window->Edit10, window->Edit11, window->Edit12,
                            window->Edit13}) {
      edit->setText(bad);
      window->grab();
      EXPECT_FALSE(HasNonFinite(window->LabelPic->text())) << bad.toStdString();
      EXPECT_TRUE(std::isfinite(window->Volume().total));
    }
  }
  // Forty nines in every bridge edit: a number with many digits, but every digit shown.
  for (QLineEdit* edit : {window->Edit10, window->Edit11, window->Edit12, window->Edit13}) edit->setText(forty);
  window->grab();
  EXPECT_TRUE(window->LabelPic->text().startsWith("V="));
  EXPECT_TRUE(window->LabelPic->text().endsWith(",00 Liter"));
  EXPECT_LE(window->LabelPic->geometry().right(), window->Image1->width());
  EXPECT_GE(window->LabelPic->x(), 0);
  EXPECT_GE(window->LabelPic->width(), window->LabelPic->fontMetrics().horizontalAdvance(window->LabelPic->text()));

  ChassisVol = 2.1;
  Open(0);
  window->Button1->click();
  EXPECT_TRUE(std::isfinite(ChassisVol));
  EXPECT_GT(ChassisVol, 1e40);
}

}  // namespace
}  // namespace velomare::test

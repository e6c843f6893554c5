// The driver's own volume: the five parts against cylinder and frustum volumes worked out by
// hand, the read-out and the hand-over to the opener, driven through the window's controls.
#include <QLabel>
#include <QSignalBlocker>
#include <cmath>
#include <numbers>

#include "TextRecordingPage.h"
#include "WindowTest.h"
#include "app/AllForms.h"
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
  return {.d1 = 300, .d2 = 270, .d3 = 50, .d4 = 120, .d5 = 140, .w = 10, .x = 60, .y = 40, .z = 20,
          .n = 4, .s = 130, .t = 5, .b = 20};
}

// Textbook frustum: h/3 (A1 + A2 + sqrt(A1 A2)), in litres from millimetres.
double FrustumLitres(double d1, double d2, double h) {
  const double a1 = kPi * d1 * d1 / 4, a2 = kPi * d2 * d2 / 4;
  return h / 3 * (a1 + a2 + std::sqrt(a1 * a2)) * 1e-6;
}
double CylinderLitres(double d, double h) { return kPi * d * d / 4 * h * 1e-6; }

TEST(DisplacementModel, InitialDimensionsGiveTheFivePartsWorkedOutByHand) {
  const DisplacementResult r = ComputeDisplacementVolume(InitialDimensions());
  // Flange pi/4 300^2 10 = 706858 mm^3; cone pi/12 (270^2 + 50^2 + 270 50) 60 = 1396438 mm^3;
  // magnet pi/4 120^2 20 = 226195 mm^3; ring pi/4 140^2 20 = 307876 mm^3; bridges 4 130 20 5.
  const double have[] = {r.flange, r.cone, r.magnet, r.ring, r.bridges, r.total};
  const double want[] = {0.706858, 1.396438, 0.226195, 0.307876, 0.052, 2.689367};
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(have[i], want[i], 5e-7) << "part " << i;
  EXPECT_EQ(DisplacementVolumeText(r), "V=2,69 Liter");
  EXPECT_EQ(DisplacementAcceptVolume(r), r.total);
}

TEST(DisplacementModel, ConeIsAFrustumAndTheMagnetUsesTheDifferenceOfYAndZ) {
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

  std::swap(in.y, in.z);  // y = 20, z = 40: the magnet keeps |y - z|, the ring takes y
  EXPECT_NEAR(ComputeDisplacementVolume(in).magnet, CylinderLitres(120, 20), 1e-12);
  EXPECT_NEAR(ComputeDisplacementVolume(in).ring, CylinderLitres(140, 40), 1e-12);
  in.y = in.z;
  EXPECT_EQ(ComputeDisplacementVolume(in).magnet, 0.0);
}

TEST(DisplacementModel, NegativeInputDropsOnlyThePartsThatUseIt) {
  const DisplacementResult base = ComputeDisplacementVolume(InitialDimensions());
  struct Case {
    const char* name;
    double DisplacementInput::*field;
    double value;
    double flange, cone, magnet, ring, bridges;  // what stays of each part
  };
  const double b = base.bridges, f = base.flange, c = base.cone, m = base.magnet, r = base.ring;
  const Case cases[] = {
      {"z < 0: magnet and ring", &DisplacementInput::z, -20, f, c, 0, 0, b},
      {"d1 < 0: flange", &DisplacementInput::d1, -300, 0, c, m, r, b},
      {"x < 0: cone", &DisplacementInput::x, -60, f, 0, m, r, b},
      {"n < 0: bridges", &DisplacementInput::n, -4, f, c, m, r, 0},
      {"d5 < 0: the ring only", &DisplacementInput::d5, -1, f, c, m, 0, b},
      {"z = 0 is allowed: the whole height y", &DisplacementInput::z, 0, f, c, CylinderLitres(120, 40), 0, b},
  };
  for (const Case& k : cases) {
    DisplacementInput in = InitialDimensions();
    in.*k.field = k.value;
    const DisplacementResult got = ComputeDisplacementVolume(in);
    const double want[] = {k.flange, k.cone, k.magnet, k.ring, k.bridges, k.flange + k.cone + k.magnet + k.ring + k.bridges};
    const double have[] = {got.flange, got.cone, got.magnet, got.ring, got.bridges, got.total};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(have[i], want[i], 1e-12) << k.name << ", part " << i;
  }
}

TEST(DisplacementModel, ReadsTheThirteenTextsInEditOrder) {
  const DisplacementInput plain = ReadDisplacementInput({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"});
  EXPECT_EQ((std::vector<double>{plain.d1, plain.d2, plain.d3, plain.d4, plain.d5, plain.w, plain.x, plain.y, plain.z,
                                 plain.n, plain.s, plain.t, plain.b}),
            (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
  // "abc", "", "-", "1e999", "007" and a leading blank are no numbers.
  const DisplacementInput in =
      ReadDisplacementInput({"2,5", "-7.5", "abc", "", "-", "1e999", "007", "0,5", " 3", "10", "11", "12", "13"});
  EXPECT_EQ((std::vector<double>{in.d1, in.d2, in.d3, in.d4, in.d5, in.w, in.x, in.y, in.z, in.n, in.s, in.t, in.b}),
            (std::vector<double>{2.5, -7.5, 0, 0, 0, 0, 0, 0.5, 0, 10, 11, 12, 13}));
}

TEST(DisplacementModel, VolumesFormatWithoutCuttingAndNonFiniteOnesAreRefused) {
  DisplacementInput huge = InitialDimensions(), nan = InitialDimensions();
  huge.n = huge.s = huge.t = huge.b = 1e100;  // far past anything real: the product overflows
  nan.y = std::nan("");
  // The bridges alone: n s t b mm³ of 1, 1, 1 and b.
  const auto bridges = [](double b) { return DisplacementInput{.n = 1, .s = 1, .t = 1, .b = b}; };
  const struct {
    const char* name;
    DisplacementInput in;
    const char* text;
    std::optional<std::string> accepted;
  } cases[] = {
      {"all zero", DisplacementInput{}, "V=0,00 Liter", "0,00"},
      {"0.004999 l", bridges(4999), "V=0,00 Liter", "0,00"},
      {"0.005001 l", bridges(5001), "V=0,01 Liter", "0,01"},
      {"123.456789 l", bridges(123456789), "V=123,46 Liter", "123,46"},
      {"overflow", huge, "V=? Liter", std::nullopt},
      {"nan", nan, "V=? Liter", std::nullopt},
  };
  for (const auto& c : cases) {
    const DisplacementResult r = ComputeDisplacementVolume(c.in);
    EXPECT_EQ(DisplacementVolumeText(r), c.text) << c.name;
    EXPECT_EQ(DisplacementAcceptText(r), c.accepted) << c.name;
    EXPECT_EQ(r.valid, c.accepted.has_value()) << c.name;
    EXPECT_EQ(DisplacementAcceptVolume(r).has_value(), c.accepted.has_value()) << c.name;
  }
}

class DisplacementWindow : public WindowTest<Tdisplacement, &forms::displacement> {
 protected:
  void Open(int caller) {
    DisplacementCaller = caller;
    Show();
  }
};

TEST_F(DisplacementWindow, EveryEditRecomputesAndAPaintRecomputesToo) {
  Tdisplacement* f = form();
  EXPECT_EQ(f->LabelPic->text(), "V=2,69 Liter");
  // Each edit feeds its own dimension: the window shows the model's volume of the typed texts.
  QList<QLineEdit*> edits = {f->Edit1, f->Edit2, f->Edit3,  f->Edit4,  f->Edit5,  f->Edit6, f->Edit7,
                             f->Edit8, f->Edit9, f->Edit10, f->Edit11, f->Edit12, f->Edit13};
  for (int i = 0; i < edits.size(); ++i) {
    const QString keep = edits[i]->text();
    edits[i]->setText("7");
    std::array<std::string, 13> texts;
    for (int k = 0; k < edits.size(); ++k) texts[k] = edits[k]->text().toStdString();
    const DisplacementResult expected = ComputeDisplacementVolume(ReadDisplacementInput(texts));
    EXPECT_DOUBLE_EQ(f->Volume().total, expected.total) << "Edit" << i + 1;
    EXPECT_EQ(f->LabelPic->text().toStdString(), DisplacementVolumeText(expected)) << "Edit" << i + 1;
    edits[i]->setText(keep);
  }
  // Typing with the change handler held off: the next paint catches up.
  {
    QSignalBlocker block(f->Edit13);
    f->Edit13->setText("0");
  }
  EXPECT_EQ(f->LabelPic->text(), "V=2,69 Liter");
  Open(2);
  EXPECT_EQ(f->LabelPic->text(), "V=2,64 Liter");
  SetLanguage("english");
  Repaint();  // the language is read at every paint; the volume keeps its decimal comma
  EXPECT_EQ(f->windowTitle(), "calculation of the displacement of the speaker chassies");
  EXPECT_EQ(f->LabelPic->text(), "V=2,64 Liter");
}

TEST_F(DisplacementWindow, AcceptHandsTheVolumeToItsCallerOnlyAndCloseToNobody) {
  const QString before = forms::Chassisform->Edit8->text();
  // From the main window the committed volume is set, from the driver-data window its edit.
  const struct {
    int caller;
    QPushButton* Tdisplacement::*button;
    double volume;
    QString edit;
  } cases[] = {{2, &Tdisplacement::Button1, 2.1, before},
               {0, &Tdisplacement::Buttonclose, 2.1, before},
               {0, &Tdisplacement::Button1, 2.68937, before},
               {1, &Tdisplacement::Button1, 2.1, "2,69"}};
  for (const auto& c : cases) {
    ChassisVol = 2.1;
    Open(c.caller);
    (form()->*c.button)->click();
    EXPECT_FALSE(form()->isVisible()) << c.caller;
    EXPECT_NEAR(ChassisVol, c.volume, 2e-5) << c.caller;
    EXPECT_EQ(forms::Chassisform->Edit8->text(), c.edit) << c.caller;
  }
  // The edits are kept between openings.
  form()->Edit2->setText("200");
  Open(0);
  EXPECT_EQ(form()->Edit2->text(), "200");
}

TEST_F(DisplacementWindow, HugeOrBadTextsNeverShowOrHandOverNonFiniteNumbers) {
  Tdisplacement* f = form();
  for (const QString& bad : {QString("abc"), QString("1e999"), QString(",")}) {
    f->Edit8->setText(bad);
    Repaint();
    ExpectNoNonFiniteTexts(f);
  }
  // Forty nines in every bridge edit: a number with many digits, but every digit shown.
  const QString forty(40, QChar('9'));
  for (QLineEdit* edit : {f->Edit10, f->Edit11, f->Edit12, f->Edit13}) edit->setText(forty);
  Repaint();
  EXPECT_TRUE(f->LabelPic->text().startsWith("V=") && f->LabelPic->text().endsWith(",00 Liter"));
  EXPECT_LE(f->LabelPic->geometry().right(), f->Image1->width());
  EXPECT_GE(f->LabelPic->x(), 0);
  EXPECT_GE(f->LabelPic->width(), f->LabelPic->fontMetrics().horizontalAdvance(f->LabelPic->text()));

  ChassisVol = 2.1;
  Open(0);
  f->Button1->click();
  EXPECT_TRUE(std::isfinite(ChassisVol));
  EXPECT_GT(ChassisVol, 1e40);
}

TEST_F(DisplacementWindow, ControlsAndInitialVolume) {
  Tdisplacement* window = form();
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

// The drawing names each of the ten dimensions once, every name wholly on the drawing, clear of
// the other names and of the volume read-out that lies on it.
TEST_F(DisplacementWindow, DrawingNamesEveryDimensionOnceOnThePicture) {
  Show();
  Tdisplacement* window = form();
  const QList<RecordedText> texts = TextsDrawnBy(window->Image1);
  QStringList names;
  for (const RecordedText& t : texts) names << t.text;
  names.sort();
  EXPECT_EQ(names, QStringList({"d1", "d2", "d3", "d4", "d5", "s", "w", "x", "y", "z"}));
  const QRectF picture(window->Image1->rect());
  for (qsizetype i = 0; i < texts.size(); ++i) {
    const std::string name = texts[i].text.toStdString();
    EXPECT_TRUE(picture.contains(texts[i].rect)) << name;
    EXPECT_FALSE(texts[i].rect.intersects(QRectF(window->LabelPic->geometry()))) << name;
    for (qsizetype j = i + 1; j < texts.size(); ++j)
      EXPECT_FALSE(texts[i].rect.intersects(texts[j].rect)) << name << " " << texts[j].text.toStdString();
  }
}

TEST_F(DisplacementWindow, EditsGiveTheVolumesWorkedOutByHand) {
  Tdisplacement* window = form();
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
}

TEST_F(DisplacementWindow, EnglishTextsKeepTheDecimalComma) {
  Tdisplacement* window = form();
  Open(0);
  EXPECT_EQ(window->Label1->text(), QString::fromUtf8("Korbdurchmesser d1 (mm)"));
  EXPECT_EQ(window->Buttonclose->text(), QString::fromUtf8("S&chließen"));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Berechnung des Eigenvolumens eines Lautsprecherchassis"));

  SetLanguage("english");
  Repaint();  // the language is read at every paint
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

TEST_F(DisplacementWindow, AcceptFromTheDriverDataWindowWritesTheEditedVolume) {
  ChassisVol = 2.1;
  Open(1);
  form()->Edit1->setText("250");  // flange pi/4 250^2 10 = 0.49087: 2.47438 in all
  form()->Button1->click();
  EXPECT_EQ(forms::Chassisform->Edit8->text(), "2,47");
  EXPECT_EQ(ChassisVol, 2.1);
  EXPECT_FALSE(form()->isVisible());
}

TEST_F(DisplacementWindow, BadTextsInEveryEditNeverShowNonFiniteNumbers) {
  Tdisplacement* window = form();
  const QString forty(40, QChar('9'));
  for (const QString& bad : {QString("abc"), QString("1e999"), forty, QString("-"), QString(",")}) {
    for (QLineEdit* edit : {window->Edit1, window->Edit8, window->Edit10, window->Edit11, window->Edit12,
                            window->Edit13}) {
      edit->setText(bad);
      Repaint();
      EXPECT_FALSE(ShowsNonFinite(window->LabelPic->text().toStdString())) << bad.toStdString();
      EXPECT_TRUE(std::isfinite(window->Volume().total));
    }
  }
}

}  // namespace
}  // namespace velomare::test

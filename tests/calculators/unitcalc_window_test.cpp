// The unit converter driven through its controls: the first paint, typing into one group, the
// source units, the inches of the foot / inch source, bad input, repaints, help and print.
#include <QLabel>
#include <QRadioButton>

#include "WindowTest.h"
#include "app/Forms.h"
#include "calculators/Tunitcalc.h"
#include "calculators/model/UnitConverter.h"

namespace velomare::test {
namespace {

class UnitcalcWindow : public WindowTest<Tunitcalc, &forms::unitcalc> {
 protected:
  template <std::size_t N>
  static QStringList Labels(const std::array<std::string, N>& labels) {
    return QStrings(std::vector<std::string>(labels.begin(), labels.end()));
  }
  QStringList Length() { return TextsOf({form()->Label1, form()->Label2, form()->Label3, form()->Label4}); }
  QStringList Area() { return TextsOf({form()->Label5, form()->Label6, form()->Label7, form()->Label8}); }
  QStringList Mass() { return TextsOf({form()->Label9, form()->Label10, form()->Label11}); }
  QStringList Volume() {
    Tunitcalc* f = form();
    return TextsOf({f->Label12, f->Label13, f->Label14, f->Label15, f->Label16, f->Label17, f->Label18, f->Label19,
                    f->Label20, f->Label21, f->Label22, f->Label23});
  }};

TEST_F(UnitcalcWindow, FirstPaintFillsEveryGroupEveryPaintRewritesThemAndHelpAndPrint) {
  Show();
  Tunitcalc* f = form();
  EXPECT_EQ(Mass(), Labels(ConvertMass(2, MassUnit::Kilogram).labels));
  EXPECT_EQ(Area(), Labels(ConvertArea(50, AreaUnit::SquareCentimetre).labels));
  EXPECT_EQ(Volume(), Labels(ConvertVolume(10, VolumeUnit::Litre).labels));
  EXPECT_EQ(Length(), Labels(ConvertLength(10, 0, LengthUnit::Centimetre).labels));
  EXPECT_FALSE(f->Labelftin->isVisible() || f->Edit2->isEnabled());
  // The US measures are shown for reading only.
  for (QRadioButton* r : {f->volu7, f->volu8, f->volu9, f->volu10, f->volu11, f->volu12, f->volu13})
    EXPECT_FALSE(r->isEnabled() || r->isChecked()) << r->objectName().toStdString();
  for (QLabel* label : {f->Label1, f->Label5, f->Label9, f->Label23}) label->setText("stale");
  Repaint();
  EXPECT_EQ(TextsOf({f->Label1, f->Label5, f->Label9, f->Label23}),
            QStringList({"=100.0 mm", "=5000.0 qmm", "=2000.0 g", "=2.642 US gallon"}));
  ExpectHelpAndPrint(f->Button2, "QTX_contents0024", f->Button3);
  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->GroupBox4->title(), "mass / weigth");
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
}

TEST_F(UnitcalcWindow, TypingRecomputesOnlyItsOwnGroup) {
  Show();
  Tunitcalc* f = form();
  const QStringList area = Area(), volume = Volume(), mass = Mass();
  Type(f->Edit1, "182");
  EXPECT_EQ(Length(), Labels(ConvertLength(182, 0, LengthUnit::Centimetre).labels));
  EXPECT_TRUE(f->Labelftin->isVisible());
  EXPECT_EQ(f->Labelftin->text(), "=6ft 0in");
  EXPECT_EQ(Area(), area);
  EXPECT_EQ(Volume(), volume);
  EXPECT_EQ(Mass(), mass);
  Type(f->Edit4, "2,5");  // a decimal comma is read as well
  f->masse1->click();
  EXPECT_EQ(Mass(), Labels(ConvertMass(2.5, MassUnit::Gram).labels));
  Type(f->Edit3, "1");
  f->flaeche5->click();
  EXPECT_EQ(Area(), Labels(ConvertArea(1, AreaUnit::SquareFoot).labels));
  Type(f->Edit5, "1");
  f->volu6->click();
  EXPECT_EQ(Volume(), Labels(ConvertVolume(1, VolumeUnit::CubicFoot).labels));
}

TEST_F(UnitcalcWindow, FootAndInchMakesTheInchesEditableAndOtherUnitsDropThem) {
  Show();
  Tunitcalc* f = form();
  Type(f->Edit1, "100");
  ASSERT_TRUE(f->Labelftin->isVisible());
  f->laenge5->click();
  EXPECT_TRUE(f->Edit2->isEnabled());
  EXPECT_FALSE(f->Labelftin->isVisible());
  Type(f->Edit1, "5");
  Type(f->Edit2, "6");
  EXPECT_EQ(Length(), Labels(ConvertLength(5, 6, LengthUnit::FootInch).labels));
  for (QRadioButton* unit : {f->laenge1, f->laenge2, f->laenge3, f->laenge4}) {
    f->laenge5->click();
    Type(f->Edit2, "6");
    unit->click();
    EXPECT_TRUE(f->Edit2->text() == "0" && !f->Edit2->isEnabled()) << unit->objectName().toStdString();
  }
  // The last choice was inch: 5 inches.
  EXPECT_EQ(Length(), Labels(ConvertLength(5, 0, LengthUnit::Inch).labels));
}

TEST_F(UnitcalcWindow, BadInputShowsQuestionMarksInItsGroupOnly) {
  Show();
  Tunitcalc* f = form();
  Type(f->Edit1, "182");
  ASSERT_TRUE(f->Labelftin->isVisible());
  const QStringList volume = Volume();
  const QStringList bad = {"abc", "", "-", "0", "-5", "1e999", "1,2,3", "007"};
  TypeIntoEach({f->Edit1}, bad, [&](const QString&) {
    EXPECT_EQ(Length(), QStringList(4, "?"));
    // A feet-and-inches result of an earlier input must not stand beside the question marks.
    EXPECT_FALSE(f->Labelftin->isVisible());
  });
  TypeIntoEach({f->Edit3}, bad, [&](const QString&) { EXPECT_EQ(Area(), QStringList(4, "?")); });
  TypeIntoEach({f->Edit4}, bad, [&](const QString&) {
    EXPECT_EQ(Mass(), QStringList(3, "?"));
    EXPECT_EQ(Volume(), volume);
  });
  Type(f->Edit5, "abc");
  EXPECT_EQ(Volume(), QStringList(12, "?"));
  // A valid length brings the feet and inches back.
  EXPECT_TRUE(f->Labelftin->isVisible());
}

}  // namespace
}  // namespace velomare::test

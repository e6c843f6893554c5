// The unit converter driven through its controls: the first paint, typing into one group, the
// source units, the inches of the foot / inch source, bad input, repaints, help and print.
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QRadioButton>
#include <utility>

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
  EXPECT_EQ(f->windowTitle(), "Einheitenumrechner");
  EXPECT_EQ(f->size(), QSize(556, 298));
  EXPECT_EQ(Mass(), QStringList({"=2000.0 g", "=70.55 oz av.", "=4.409 lb av."}));
  EXPECT_EQ(Area(), QStringList({"=5000.0 qmm", "=0.005 qm", "=7.75 sq.in.", "=0.054 sq.ft"}));
  EXPECT_EQ(Volume(), QStringList({"=10000000 mm³", "=10000 cm³", "=0.010 m³", "=610.24 cu.in.", "=0.353 cu.ft",
                                   "=18.16 US dry pint", "=9.08 US dry quart", "=1.14 US peck", "=84.544 US li. gill",
                                   "=21.136 US li. pint", "=10.568 US li. quart", "=2.642 US gallon"}));
  EXPECT_EQ(Length(), QStringList({"=100.0 mm", "=0.100 m", "=3.94 in.", "=0.328 ft"}));
  EXPECT_EQ(f->Edit2->text(), "0");
  EXPECT_TRUE(f->laenge2->isChecked() && f->flaeche2->isChecked() && f->volu3->isChecked() && f->masse2->isChecked());
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
  EXPECT_EQ(Length(), QStringList({"=1820.0 mm", "=1.820 m", "=71.65 in.", "=5.971 ft"}));
  EXPECT_TRUE(f->Labelftin->isVisible());
  EXPECT_EQ(f->Labelftin->text(), "=6ft 0in");
  EXPECT_EQ(Area(), area);
  EXPECT_EQ(Volume(), volume);
  EXPECT_EQ(Mass(), mass);
  Type(f->Edit4, "2,5");  // a decimal comma is read as well
  EXPECT_EQ(Mass(), QStringList({"=2500.0 g", "=88.18 oz av.", "=5.511 lb av."}));
  f->masse1->click();
  EXPECT_EQ(Mass(), Labels(ConvertMass(2.5, MassUnit::Gram).labels));
  EXPECT_EQ(Mass(), QStringList({"=0.0 kg", "=0.09 oz av.", "=0.006 lb av."}));
  Type(f->Edit3, "1");
  f->flaeche5->click();
  EXPECT_EQ(Area(), Labels(ConvertArea(1, AreaUnit::SquareFoot).labels));
  EXPECT_EQ(Area(), QStringList({"=92903 qmm", "=929.0 qcm", "=0.093 qm.", "=144.0 sq.in"}));
  Type(f->Edit5, "1");
  f->volu6->click();
  EXPECT_EQ(Volume(), Labels(ConvertVolume(1, VolumeUnit::CubicFoot).labels));
  EXPECT_EQ(TextsOf({f->Label13, f->Label14, f->Label16}), QStringList({"=28316.8 cm³", "=28.317 l", "=1728.000 cu.in"}));
}

TEST_F(UnitcalcWindow, FootAndInchMakesTheInchesEditableAndOtherUnitsDropThem) {
  Show();
  Tunitcalc* f = form();
  Type(f->Edit1, "100");
  ASSERT_TRUE(f->Labelftin->isVisible());
  EXPECT_EQ(f->Labelftin->text(), "=3ft 3in");
  f->laenge5->click();
  EXPECT_TRUE(f->Edit2->isEnabled());
  EXPECT_FALSE(f->Labelftin->isVisible());
  Type(f->Edit1, "5");
  Type(f->Edit2, "6");
  EXPECT_EQ(Length(), Labels(ConvertLength(5, 6, LengthUnit::FootInch).labels));
  EXPECT_EQ(Length(), QStringList({"=1676.4 mm", "=167.64 cm", "=1.676 m", "=66.00 in"}));
  // Twelve inches are a foot, and no feet are no length.
  Type(f->Edit2, "12");
  EXPECT_EQ(Length(), QStringList(4, "?"));
  Type(f->Edit2, "6");
  Type(f->Edit1, "0");
  EXPECT_EQ(Length(), QStringList(4, "?"));
  Type(f->Edit1, "5");
  for (QRadioButton* unit : {f->laenge1, f->laenge2, f->laenge3, f->laenge4}) {
    f->laenge5->click();
    Type(f->Edit2, "6");
    ASSERT_EQ(f->Label4->text(), "=66.00 in");
    unit->click();
    EXPECT_TRUE(f->Edit2->text() == "0" && !f->Edit2->isEnabled()) << unit->objectName().toStdString();
  }
  // The last choice was inch: 5 inches.
  EXPECT_EQ(Length(), Labels(ConvertLength(5, 0, LengthUnit::Inch).labels));
  EXPECT_EQ(Length(), QStringList({"=127.0 mm", "=12.70 cm", "=0.127 m", "=0.417 ft"}));
}

TEST_F(UnitcalcWindow, BadInputShowsQuestionMarksInItsGroupOnly) {
  Show();
  Tunitcalc* f = form();
  Type(f->Edit1, "182");
  ASSERT_TRUE(f->Labelftin->isVisible());
  const QStringList volume = Volume(), area = Area(), mass = Mass();
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
  TypeIntoEach({f->Edit5}, bad, [&](const QString&) { EXPECT_EQ(Volume(), QStringList(12, "?")); });
  Type(f->Edit5, "abc");
  EXPECT_EQ(Volume(), QStringList(12, "?"));
  Type(f->Edit5, "10");
  // Each group comes back with its text.
  EXPECT_EQ(Area(), area);
  EXPECT_EQ(Mass(), mass);
  EXPECT_EQ(Volume(), volume);
  // A valid length brings the feet and inches back.
  EXPECT_TRUE(f->Labelftin->isVisible());
  EXPECT_EQ(f->Labelftin->text(), "=6ft 0in");

  // Thirty digits are a number: long digit strings, never an exponent.
  Type(f->Edit5, "123456789012345678901234567890");
  ExpectNoNonFiniteTexts(f);
  const QRegularExpression plainNumber("^=[0-9]+(\\.[0-9]+)? [^0-9]+$");
  for (const QString& text : Volume()) EXPECT_TRUE(plainNumber.match(text).hasMatch()) << text.toStdString();
  EXPECT_GE(f->Label12->text().size(), 25);
}

TEST_F(UnitcalcWindow, TextsFollowTheLanguageAtEveryPaint) {
  Show("deutsch");
  Tunitcalc* f = form();
  EXPECT_EQ(f->Button1->text(), "S&chliessen");
  EXPECT_EQ(f->Button2->text(), "&Hilfe");
  EXPECT_EQ(f->Button3->text(), "&Drucken");
  EXPECT_EQ(f->GroupBox1->title(), "Länge");
  EXPECT_EQ(f->GroupBox2->title(), "Fläche");
  EXPECT_EQ(f->GroupBox3->title(), "Volumen");
  EXPECT_EQ(f->GroupBox4->title(), "Masse");
  const QString germanHint = f->masse3->toolTip();
  EXPECT_EQ(germanHint, "Unze / Ounce");

  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->windowTitle(), "unit converter");
  EXPECT_EQ(f->Button1->text(), "&close");
  EXPECT_EQ(f->Button2->text(), "&Help");
  EXPECT_EQ(f->Button3->text(), "&print");
  EXPECT_EQ(f->GroupBox1->title(), "length");
  EXPECT_EQ(f->GroupBox2->title(), "area");
  EXPECT_EQ(f->GroupBox3->title(), "volume / capacity");
  EXPECT_EQ(f->GroupBox4->title(), "mass / weigth");
  // Hints and unit captions are the same in both languages; the numbers keep their point.
  EXPECT_EQ(f->masse3->toolTip(), germanHint);
  EXPECT_EQ(f->Edit2->toolTip(), "Die optionale Eingabe der Inches zum Foot-Wert");
  EXPECT_EQ(f->flaeche1->text(), "mm² (sqmm)");
  EXPECT_EQ(f->masse1->text(), "g ");
  EXPECT_EQ(f->Label10->text(), "=70.55 oz av.");
}

TEST_F(UnitcalcWindow, LargeInputsShowWholeResultsAndTheColumnsLineUp) {
  Show("english");
  Tunitcalc* f = form();
  const auto whole = [](QLabel* label) {
    return label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
  };
  // 1 m² typed in square centimetres, then 100 m², 10 m³ and 100 lb in their own units.
  Type(f->Edit3, "10000");
  EXPECT_EQ(f->Label5->text(), "=1000000.0 qmm");
  EXPECT_TRUE(whole(f->Label5));
  f->flaeche3->click();
  Type(f->Edit3, "100");
  f->volu4->click();
  Type(f->Edit5, "10");
  f->masse4->click();
  Type(f->Edit4, "100");
  EXPECT_EQ(TextsOf({f->Label5, f->Label6, f->Label7, f->Label22, f->Label11}),
            QStringList({"=100000000 qmm", "=1000000.0 qcm", "=155000.3 sq.in.", "=10568.032 US li. quart",
                         "=1600.000 oz av."}));
  for (QLabel* label : f->findChildren<QLabel*>()) EXPECT_TRUE(whole(label)) << label->text().toStdString();
  // The right boxes share their columns; the boxes keep equal margins around and between them.
  for (const auto& [mass, other] : {std::pair<QWidget*, QWidget*>{f->Edit4, f->Edit1}, {f->Edit4, f->Edit3},
                                    {f->masse1, f->laenge1}, {f->masse1, f->flaeche1}, {f->Label9, f->Label1},
                                    {f->Label9, f->Label5}})
    EXPECT_EQ(mass->geometry(), other->geometry()) << other->objectName().toStdString();
  const int margin = f->GroupBox3->x();
  EXPECT_EQ(f->GroupBox4->x() - f->GroupBox3->geometry().right() - 1, margin);
  EXPECT_EQ(f->width() - 1 - f->GroupBox4->geometry().right(), margin);
}

TEST_F(UnitcalcWindow, PrintAnsweredNoInEnglishAndYesInGerman) {
  Show("english");
  Tunitcalc* f = form();
  f->Button2->click();
  ASSERT_EQ(seam.helpRequests.size(), 1);
  EXPECT_EQ(seam.helpRequests[0].topic, "QTX_contents0024");

  seam.answer = [](const QString&) { return platform::Answer::No; };
  f->Button3->click();
  EXPECT_EQ(seam.questions, QStringList({"print window?"}));
  EXPECT_TRUE(seam.printed.isEmpty());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  SetLanguage("deutsch");
  Repaint();
  f->Button3->click();
  EXPECT_EQ(seam.questions.last(), "Fenster drucken?");
  ASSERT_EQ(seam.printed.size(), 1);
  EXPECT_EQ(seam.printed[0], f);

  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
}

}  // namespace
}  // namespace velomare::test

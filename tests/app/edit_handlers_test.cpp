// Every edit box of every window, driven from one table: typing a usable value that differs from
// the one shown changes what the edit's change handler changes (result labels, other edits, a kept
// value, the diagram on the screen), and the change survives a repaint. Labels and edits are read
// right after the typing, before any paint: several windows work everything out again when they
// paint, which would hide a handler that is not connected. The numbers are worked out by hand from
// the formulas of each window; where a handler moves many read-outs only the ones that follow in a
// line or two are given, the others have to change. Edits without a change handler have a row of
// their own, so that the table holds every edit of the program: a new edit that nobody checks fails
// the coverage test.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QSet>
#include <functional>
#include <optional>
#include <vector>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/model/ComparisonStore.h"
#include "filters/FilterDesignerForm.h"

namespace velomare::test {
namespace {

// One thing a row watches. `expected` is what the window's formulas make of the typed value;
// without it the thing has only to change.
struct Watch {
  enum Kind { Text, Enabled, Diagram, Value };
  // When it changes: at once (the handler writes it); when the window has handled its events, so
  // that the paint the handler asked for has run (a diagram on the screen); only after the window
  // is painted again (a value the paint works out); or at once and only until the next repaint,
  // which puts the caption back.
  enum When { AtOnce, AfterEvents, AfterRepaint, UntilRepaint };
  Kind kind;
  QString control;  // object name; for a kept value, what it is
  std::optional<QString> expected;
  When when = AtOnce;
  std::function<QString(QWidget*)> value = {};
};
using Watches = std::vector<Watch>;

Watch Shows(const char* control, const char* text) { return {Watch::Text, control, QString::fromUtf8(text)}; }
Watch ShowsAfterRepaint(const char* control, const char* text) {
  return {Watch::Text, control, QString::fromUtf8(text), Watch::AfterRepaint};
}
Watch ShowsUntilRepaint(const char* control, const char* text) {
  return {Watch::Text, control, QString::fromUtf8(text), Watch::UntilRepaint};
}
Watch Enables(const char* control, bool on) { return {Watch::Enabled, control, on ? "enabled" : "disabled"}; }
Watch Drawn() { return {Watch::Diagram, "the diagram", std::nullopt, Watch::AfterEvents}; }
// A read-out that the window's paint writes, after the handler asked for the paint.
Watch ShowsWhenPainted(const char* control, const char* text) {
  return {Watch::Text, control, QString::fromUtf8(text), Watch::AfterEvents};
}
// A value the window keeps and paints from, where nothing on the screen shows it.
Watch Keeps(const char* what, double expected, std::function<double(QWidget*)> value) {
  return {Watch::Value, what, QString::number(expected, 'g', 15), Watch::AtOnce,
          [value](QWidget* w) { return QString::number(value(w), 'g', 15); }};
}
// Read-outs that follow from the typed value through longer chains: they only have to change.
Watches Changed(std::initializer_list<const char*> controls) {
  Watches watches;
  for (const char* c : controls) watches.push_back({Watch::Text, c, std::nullopt});
  return watches;
}
Watches operator+(Watches a, const Watches& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// User steps that make an edit usable before the row types into it (a mode, a radio, a check
// box). Rows that share a preparation run one after the other in one start of the program.
struct Preparation {
  const char* name = nullptr;
  std::function<void(QWidget*)> run = {};
};

struct Row {
  const char* window;  // the window's form name
  const char* edit;
  const char* typed;  // nullptr: the window gives the edit no change handler
  Watches watches;
  Preparation prepare = {};
};

void ClickChild(QWidget* window, const char* name) {
  auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
  ASSERT_TRUE(button) << name;
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}
Preparation Clicking(const char* name) {
  return {name, [name](QWidget* w) { ClickChild(w, name); }};
}
void TypeAll(QWidget* window, std::initializer_list<std::pair<const char*, const char*>> texts) {
  for (const auto& [edit, text] : texts) TypeInto(window->findChild<QLineEdit*>(edit), QString::fromUtf8(text));
}

// The added-mass measurement of the Thiele-Small window's worked example, typed in the order the
// window takes it (fs before f1 and f2, fL before ZL).
void TypeMeasurement(QWidget* w) {
  TypeAll(w, {{"Edit1", "6,8"}, {"Edit2", "29"}, {"Edit3", "40"}, {"Edit4", "22"}, {"Edit5", "38"}, {"Edit6", "1"},
              {"Edit7", "12"}, {"Edit8", "25,3"}, {"Edit9", "24"}, {"Edit16", "ACME"}, {"Edit17", "W1"}});
}
const Preparation kAddedMass{"added-mass measurement", TypeMeasurement};
const Preparation kClosedVolume{"closed-volume measurement", [](QWidget* w) {
                                  TypeMeasurement(w);
                                  ClickChild(w, "RadioButton2");
                                  TypeAll(w, {{"Edit9", "40"}, {"Edit11", "50"}, {"Edit12", "34"}, {"Edit13", "32"},
                                              {"Edit14", "52"}});
                                }};
// Four flat curves in the store, the comparison window opened again (it ticks the filled
// channels when shown), absolute levels and the amplifier powers switched on.
const Preparation kFourCurvesWithPower{"four curves with power", [](QWidget* w) {
                                         for (int slot = 1; slot <= kComparisonSlotCount; ++slot)
                                           StoreComparisonCurve(slot, ComparisonLevels{},
                                                                HeaderForCommittedDriver(BoxType::Closed));
                                         w->hide();
                                         ASSERT_TRUE(ShowAndActivate(w));
                                         ClickChild(w, "CheckBox5");
                                         ClickChild(w, "CheckBox7");
                                       }};
double FilterValue(QWidget* w, Component c) { return static_cast<FilterDesignerForm*>(w)->Values().Of(c); }
const char* const k35Characters = "ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDE";

// The program starts with the built-in driver (Qts 0.41, Qes 0.513, Vas 244 l, fs 29 Hz, Re 6.8,
// 25.3 cm, 2.1 l, 1500 uH) and every window as designed; German texts.
std::vector<Row> EditTable() {
  const auto volumeMode = Clicking("CheckBox1");
  const auto tunnel = Clicking("RadioButton2");
  const auto fourthOrder = Clicking("RadioButton4");
  return {
      // Driver data: Qms = 1 / (1/Qts - 1/Qes); 283.17 l = 10 cubic feet; 30.48 cm = 12 inches.
      {"Chassisform", "Edit1", "0,4",
       {Shows("Label19", "mechanische Güte Qms = 1.816"), Shows("Label24", "neue Werte")}},
      {"Chassisform", "Edit2", "0,5",
       Watches{Shows("Label19", "mechanische Güte Qms = 2.278"),
               Shows("Label13", "Kennschalldruck SPL = 92.7 dB/1m1W "), Shows("Label26", "Wirkungsgrad = 1.16 %"),
               Shows("Label22", "Bandbreiteprodukt EBP = 58.0"), Shows("Label24", "neue Werte")} +
           Changed({"Label21", "Label20", "Label27"})},
      // The typed Qms shows nowhere (nor in the old/new indicator); only OK follows it.
      {"Chassisform", "Edit11", "0,5", {Enables("BitBtn1", false)}},
      {"Chassisform", "Edit3", "283,17",
       Watches{Shows("Label12", "Liter = 10.00 Cubic Foot"), Shows("Label24", "neue Werte")} +
           Changed({"Label13", "Label26", "Label21", "Label18", "Label17", "Label27"})},
      {"Chassisform", "Edit4", "30",
       Watches{Shows("Label22", "Bandbreiteprodukt EBP = 58.5"), Shows("Label24", "neue Werte")} +
           Changed({"Label13", "Label26", "Label21", "Label17", "Label20", "Label27"})},
      {"Chassisform", "Edit5", "4",
       Watches{Shows("Label8", "Ohm ( Z=  5 Ohm )"), Shows("Label24", "neue Werte")} + Changed({"Label21", "Label20"})},
      {"Chassisform", "Edit7", "30,48",
       Watches{Shows("Label4", "cm = 12.0 Inches"), Shows("Label15", "Membranfläche Sd = 729.7 cm² "),
               Shows("Label24", "neue Werte")} +
           Changed({"Label21", "Label18", "Label17", "Label27"})},
      {"Chassisform", "Edit8", "1,6387",
       {Shows("Label16", "Liter = 100.0 Cubic Inches"), Shows("Label24", "neue Werte")}},
      {"Chassisform", "Edit10", "2500", {Shows("Label28", "uH = 2.50 mH"), Shows("Label24", "neue Werte")}},
      {"Chassisform", "Edit6", "W 200", {Shows("Label24", "neue Werte")}},
      {"Chassisform", "Edit9", "ACME", {Shows("Label24", "neue Werte")}},

      // Attenuator: g = 10^(1/20); R2 = Z/(g-1), R3 = Z g - Z; the estimate scales with the power.
      {"Dampfform", "Edit1", "4",
       {Shows("Label4", "R1 = 0.43 Ohm, 1.09 W"), Shows("Label5", "R2 = 32.78 Ohm, 0.97 W"),
        Shows("Label6", "R3 = 0.49 Ohm, 0.97 W (1.09W)"), Shows("Label30", "neue Impedanz Z = 4.49 Ohm"),
        Shows("Label10", "Version mit 2 Widerständen : Ueff = 6.32 V, Ieff = 1.58 A"),
        Shows("Label8", "Version mit 1 Widerstand : Ueff = 6.32 V, Ieff = 1.41 A, P = 8.91 W")}},
      {"Dampfform", "Edit2", "20",
       {Shows("Label4", "R1 = 0.87 Ohm, 2.17 W"), Shows("Label5", "R2 = 65.56 Ohm, 1.94 W"),
        Shows("Label6", "R3 = 0.98 Ohm, 1.94 W (2.17W)"),
        Shows("Label10", "Version mit 2 Widerständen : Ueff = 12.65 V, Ieff = 1.58 A"),
        Shows("Label8", "Version mit 1 Widerstand : Ueff = 12.65 V, Ieff = 1.41 A, P = 17.83 W")}},
      {"Dampfform", "Edit3", "160", {Shows("Label29", "abgegebene Leistung = 23.30 W, entspr. 14.56 %")}},

      // Impedance correction (Re 6,8 and Le 1500 taken from the driver when shown):
      // R1 = 1/(1/(1.3 Re) - 1/Zmax), C1 = 1e9/(4 pi^2 f^2 L), R2 = 1.5 Re, C2 = Le/R2^2.
      {"Imp", "Edit1", "8",
       {Shows("Label13", "Widerstand R1=14.1 Ohm; 16.7 W"), Shows("Label14", "Kondensator C1=1497.06 µF; 32.2 V"),
        Shows("Label15", "Widerstand R2=12.0 Ohm; 4.4 W"), Shows("Label16", "Kondensator C2=10.42 µF; 28.3 V"),
        Shows("Label8", "Watt (12 Ohm)"), Drawn()}},
      {"Imp", "Edit2", "200",
       {Shows("Label13", "Widerstand R1=11.3 Ohm; 33.3 W"), Shows("Label14", "Kondensator C1=1497.06 µF; 42.0 V"),
        Shows("Label15", "Widerstand R2=10.2 Ohm; 9.0 W"), Shows("Label16", "Kondensator C2=14.42 µF; 36.9 V")}},
      {"Imp", "Edit3", "1000",
       {Shows("Label15", "Widerstand R2=10.2 Ohm; 4.3 W"), Shows("Label16", "Kondensator C2=9.61 µF; 26.1 V"),
        Drawn()}},
      {"Imp", "Edit4", "50",
       {Shows("Label13", "Widerstand R1=11.3 Ohm; 20.0 W"), Shows("Label14", "Kondensator C1=2155.77 µF; 29.7 V"),
        Drawn()}},
      {"Imp", "Edit5", "20", {Shows("Label13", "Widerstand R1=15.8 Ohm; 16.7 W"), Drawn()}},
      {"Imp", "Edit6", "10", {Shows("Label14", "Kondensator C1=703.62 µF; 29.7 V"), Drawn()}},

      // Trimode: Lsub = sqrt2 Zsub 1000/(2 pi fg), Csub = 0.3 sqrt2 1e6/(4 pi Zsub fg),
      // Csat = 1e6/(2 pi fg Zsat); fu = 1e6/(2 pi Csat Zsat).
      // A subwoofer of half the impedance gets half the coil and twice the capacitor: the same
      // cut-off, quality and curve.
      {"Tri", "Edit1", "4", {Shows("Edit4", "9,00"), Shows("Edit5", "84,40")}},
      // Zsat and Csat move together: the satellites' cut-off and curve stay.
      {"Tri", "Edit2", "8", {Shows("Edit6", "198,94")}},
      {"Tri", "Edit3", "200",
       Watches{Shows("Edit4", "9,00"), Shows("Edit5", "21,10"), Shows("Edit6", "198,94"),
               Shows("Label4", "untere Grenzfrequenz fu (-3dB) des Hochpasses (1.O.) = 200.0 Hz"), Drawn()} +
           Changed({"Label8"})},
      {"Tri", "Edit4", "10", Watches{Drawn()} + Changed({"Label8"})},
      {"Tri", "Edit5", "100", Watches{Drawn()} + Changed({"Label8"})},
      {"Tri", "Edit6", "200",
       {Shows("Label4", "untere Grenzfrequenz fu (-3dB) des Hochpasses (1.O.) = 198.9 Hz"), Drawn()}},

      // Closed box, Qtc mode: Vb = Vas/((Qtc/Qts')^2 - 1), fc = Qtc fs/Qts', fg by CutoffF3,
      // peak fc sqrt(1 - 1/(2 Qtc^2)); Qts' = Qts (Re + Rs)/Re.
      {"closed", "Edit1", "0,8",
       {Shows("Edit2", "86,9"), Shows("Label4", "Untere Grenzfrequenz fg = 50,8 Hz"),
        Shows("Label5", "Resonanzfrequenz fc = 56,6 Hz"), Shows("Label11", "l, insges. 89,0 l"),
        Shows("labelfxmax", "Xmax bei 26,5Hz"), Drawn()}},
      {"closed", "Edit3", "2",
       {Shows("Edit2", "314,6"), Shows("Label4", "Untere Grenzfrequenz fg = 38,6 Hz"),
        Shows("Label5", "Resonanzfrequenz fc = 38,6 Hz"), Shows("Label11", "l, insges. 316,7 l"), Drawn()}},
      // Volume mode: Qtc = Qts' sqrt(1 + Vas/Vb).
      {"closed", "Edit2", "50",
       {Shows("Edit1", "0,994"), Shows("Label4", "Untere Grenzfrequenz fg = 55,4 Hz"),
        Shows("Label5", "Resonanzfrequenz fc = 70,3 Hz"), Shows("Label11", "l, insges. 52,1 l"),
        Shows("labelfxmax", "Xmax bei 49,4Hz"), Drawn()},
       volumeMode},

      // Bass reflex after Tip (Vb 283,3 l, one 10 cm port 3,4 cm long):
      // fb = sqrt(30000 A/(Vb (L + 0.846 sqrt A))), fg = 0.26 fs Qts'^-1.4.
      {"Reflex", "Edit1", "12",
       {Shows("Label7", "Rohrfläche = 113.1 cm²"), Shows("Label5", "Rohrabstimmfrequenz fr = 31.1 Hz"), Drawn()}},
      {"Reflex", "Edit2", "200",
       {Shows("Label8", "l, total 202.4 l"), Shows("Label5", "Rohrabstimmfrequenz fr = 32.9 Hz"), Drawn()}},
      {"Reflex", "Edit3", "10",
       {Shows("Label8", "l, insges. 286.2 l"), Shows("Label5", "Rohrabstimmfrequenz fr = 21.8 Hz"), Drawn()}},
      // The series resistance moves fg, which the window recomputes at its next paint.
      {"Reflex", "Edit4", "2", {ShowsAfterRepaint("Label4", "Untere Grenzfrequenz fg = 18.3 Hz"), Drawn()}},

      // Port calculator (fb 27,6 taken from the bass-reflex window; membrane 25.3 cm).
      {"Durch", "Edit1", "10",
       {Shows("Label5", "maximale Luftverdrängung des Chassis Vd = 0,50 l"),
        Shows("Label2", "minimaler Rohrinnendurchmesser 8,8 cm"),
        Shows("Label3", "empfohlener Rohrinnendurchmesser 11,8 cm")}},
      {"Durch", "Edit2", "40",
       {Shows("Label2", "minimaler Rohrinnendurchmesser 7,5 cm"),
        Shows("Label3", "empfohlener Rohrinnendurchmesser 10,0 cm")}},
      // L -/+ (1.7 - 1.463) and (1.463 - 1.226) port radii.
      {"Durch", "Edit3", "30",
       {Shows("Label11", "beide Seite bündig am Gehäuse, Länge 29,1 cm"),
        Shows("Label12", "beide Seiten freistehend und offen, Länge 30,9 cm")}},
      {"Durch", "Edit4", "10",
       {Shows("Label11", "beide Seite bündig am Gehäuse, Länge 18,8 cm"),
        Shows("Label12", "beide Seiten freistehend und offen, Länge 21,2 cm")}},
      // L2 = (D2/D1)^2 (L1 + 1.463 D1/2) - 1.463 D2/2.
      {"Durch", "VorgabeD", "10", {Shows("Label20", "notwendige neue Länge 6.8 cm")}},
      {"Durch", "VorgabeL", "20", {Shows("Label20", "notwendige neue Länge 17.2 cm")}},
      {"Durch", "Edit8", "10", {Shows("Label20", "notwendige neue Länge 24.5 cm")}},
      // Tube and tunnel: A = pi/4 d^2 = W H.
      {"Durch", "Edit5", "10", {Shows("Edit9", "78,5"), Shows("Edit7", "7,9")}},
      {"Durch", "Edit6", "20", {Shows("Edit7", "2,5")}},
      {"Durch", "Edit7", "8", {Shows("Edit5", "10,1"), Shows("Edit9", "80,0")}, tunnel},
      {"Durch", "Edit9", "100", {Shows("Edit5", "11,3"), Shows("Edit7", "10,0")}, Clicking("RadioButton3")},

      // Closed bandpass (design S 0.6, Qt 1: Vg 49,3 l, Vr 59,1 l, port 0,7 cm of 10 cm):
      // fr = sqrt(94400 r^2/(Vr (L + 1.463 r))), Qtc = Qts sqrt(Vas/Vg + 1), Ql = int(sqrt(3000/Vr) + 1).
      {"bandkiste", "Edit1", "12", Watches{Shows("Label10", "Tunnel-/Rohrfläche = 113 cm²")} + Changed({"Edit4"})},
      {"bandkiste", "Edit2", "12", Watches{Shows("Label10", "Tunnel-/Rohrfläche = 120 cm²")} + Changed({"Edit4"}),
       tunnel},
      {"bandkiste", "Edit3", "12", Watches{Shows("Label10", "Tunnel-/Rohrfläche = 120 cm²")} + Changed({"Edit4"}),
       tunnel},
      {"bandkiste", "Edit4", "20", {Shows("Label18", "fr = 38.2 Hz"), Drawn()}},
      {"bandkiste", "Edit5", "25", {Shows("Label17", "Qtc = 1.34"), Drawn()}},
      {"bandkiste", "Edit6", "30",
       {Shows("Label18", "fr = 99.1 Hz"), Shows("Label16", "Verlustfaktor Ql = 11"), Drawn()}},

      // Thiele-Small parameters from the worked example's measurement (Re 6.8, fs 29, Zmax 40,
      // f1 22, f2 38, fL 1 kHz, ZL 12, d 25.3 cm, fc 24 Hz with 10 g).
      {"tspara", "Edit1", "4",
       {Shows("Label29", "Gleichstromwiderstand Re=4.00 Ohm"), Shows("Label27", "Impedanz Z ca.  6 Ohm"),
        Shows("Label4", "f1 (Hz) bei 12.65 Ohm"), Shows("Label5", "f2 (Hz) bei 12.65 Ohm"),
        Shows("Label19", "mech. Güte Qms=5.732"), Shows("Label23", "Gesamtgüte Qts=0.573"),
        Shows("Label24", "elektr. Güte Qes=0.637"), Shows("Label28", "Chassisinduktivität Le =1.801 mH"),
        Shows("Label22", "Bandbreiteprodukt EBP=45.5"), Shows("Label13", "SPL = 94.7 dB/1W1m")},
       kAddedMass},
      {"tspara", "Edit2", "30",
       Watches{Shows("Label26", "Resonanzfrequenz fs =30.0 Hz"), Shows("Label19", "mech. Güte Qms=4.548"),
               Shows("Label23", "Gesamtgüte Qts=0.773"), Shows("Label24", "elektr. Güte Qes=0.931"),
               Shows("Label25", "Vas = 564.9 l"), Shows("Label13", "SPL = 94.0 dB/1W1m")} +
           Changed({"Label17", "Label18", "Label21"}),
       kAddedMass},
      {"tspara", "Edit3", "50",
       Watches{Shows("Label4", "f1 (Hz) bei 18.44 Ohm"), Shows("Label5", "f2 (Hz) bei 18.44 Ohm"),
               Shows("Label19", "mech. Güte Qms=4.915"), Shows("Label23", "Gesamtgüte Qts=0.668"),
               Shows("Label24", "elektr. Güte Qes=0.774"), Shows("Label22", "Bandbreiteprodukt EBP=37.5")} +
           Changed({"Label20", "Label21", "Label13"}),
       kAddedMass},
      {"tspara", "Edit4", "20", Changed({"Label19", "Label23", "Label24"}), kAddedMass},
      {"tspara", "Edit5", "40", Changed({"Label19", "Label23", "Label24"}), kAddedMass},
      {"tspara", "Edit6", "2", {Shows("Label28", "Chassisinduktivität Le =0.787 mH")}, kAddedMass},
      {"tspara", "Edit7", "20", {Shows("Label28", "Chassisinduktivität Le =2.993 mH")}, kAddedMass},
      {"tspara", "Edit8", "20",
       {Shows("Label15", "Membranfläche Sd=314.2 cm²"), Shows("Label25", "Vas = 193.1 l"),
        Shows("Label13", "SPL = 89.1 dB/1W1m")},
       kAddedMass},
      {"tspara", "Edit9", "26", Changed({"Label25", "Label17", "Label18", "Label21", "Label13"}), kAddedMass},
      {"tspara", "Edit10", "20", Changed({"Label25", "Label17", "Label18"}), kAddedMass},
      {"tspara", "Edit15", "0", {Enables("Button2", false)}, kAddedMass},
      {"tspara", "Edit16", k35Characters, {Shows("Edit16", "ABCDEFGHIJABCDEFGHIJABCDEFGHIJ")}, kAddedMass},
      {"tspara", "Edit17", k35Characters, {Shows("Edit17", "ABCDEFGHIJABCDEFGHIJABCDEFGHIJ")}, kAddedMass},
      {"tspara", "Edit11", "60", Changed({"Label25", "Label17", "Label18"}), kClosedVolume},
      // The box level sqrt(Re Zc) stands in the captions until the next repaint.
      {"tspara", "Edit12", "30",
       Watches{ShowsUntilRepaint("Label14", "f1 im Gehäuse bei 14.28 Ohm"),
               ShowsUntilRepaint("Label16", "f2 im Gehäuse bei 14.28 Ohm")} +
           Changed({"Label25"}),
       kClosedVolume},
      {"tspara", "Edit13", "30", Changed({"Label25"}), kClosedVolume},
      {"tspara", "Edit14", "55", Changed({"Label25"}), kClosedVolume},

      // High pass, second order Butterworth at 4 ohm: C1 = 1e6/(2 pi f Z sqrt2), L1 = Z sqrt2/(2 pi f);
      // Q = sqrt(Z^2 C1/(1000 L1)).
      {"HP", "Edit1", "8", {Shows("Edit3", "7,03"), Shows("Edit4", "0,90")}},
      {"HP", "Edit2", "1000", {Shows("Edit3", "28,13"), Shows("Edit4", "0,90"), Drawn()}},
      {"HP", "Edit3", "10", {Shows("Label24", "Güte = 0,596"), Drawn()}},
      {"HP", "Edit4", "0,9", {Shows("Label24", "Güte = 0,500"), Drawn()}},
      // Orders 3 and 4 are neither drawn nor rated: the kept component is all that follows.
      {"HP", "Edit5", "3,3", {Keeps("C2", 3.3, [](QWidget* w) { return FilterValue(w, Component::C2); })},
       fourthOrder},
      {"HP", "Edit6", "0,5", {Keeps("L2", 0.5, [](QWidget* w) { return FilterValue(w, Component::L2); })},
       fourthOrder},
      // Band pass, two second-order sections: qL = sqrt(Z^2 C2/(1000 L1)), qH = sqrt(Z^2 C1/(1000 L2)).
      {"BP", "Edit1", "8", Changed({"Edit4", "Edit5", "Edit6", "Edit7"})},
      {"BP", "Edit2", "500", Watches{Drawn()} + Changed({"Edit5", "Edit6"})},
      {"BP", "Edit3", "10000", Watches{Drawn()} + Changed({"Edit4", "Edit7"})},
      {"BP", "Edit4", "0,2", {Shows("Label17", "Güte des Tiefpasses 0,671; Güte des Hochpasses 0,707"), Drawn()}},
      {"BP", "Edit5", "20", {Shows("Label17", "Güte des Tiefpasses 0,707; Güte des Hochpasses 0,596"), Drawn()}},
      {"BP", "Edit6", "1", {Shows("Label17", "Güte des Tiefpasses 0,707; Güte des Hochpasses 0,671"), Drawn()}},
      {"BP", "Edit7", "5", {Shows("Label17", "Güte des Tiefpasses 0,667; Güte des Hochpasses 0,707"), Drawn()}},
      // Low pass: the same ladder with L1 and C1 swapped.
      {"TP", "Edit1", "8", {Shows("Edit3", "0,90"), Shows("Edit4", "7,034")}},
      {"TP", "Edit2", "1000", {Shows("Edit3", "0,90"), Shows("Edit4", "28,135"), Drawn()}},
      {"TP", "Edit3", "0,9", {Shows("Label24", "Güte = 0,500"), Drawn()}},
      {"TP", "Edit4", "10", {Shows("Label24", "Güte = 0,596"), Drawn()}},
      {"TP", "Edit5", "0,5", {Keeps("L2", 0.5, [](QWidget* w) { return FilterValue(w, Component::L2); })},
       fourthOrder},
      {"TP", "Edit6", "3,3", {Keeps("C2", 3.3, [](QWidget* w) { return FilterValue(w, Component::C2); })},
       fourthOrder},

      // Loss factor Ql (driver edits from the built-in driver, measurement as designed):
      // fb = sqrt(fl^2 + fh^2 - fc^2), fsb = fl fh/fb, rm = Rm/Re, Q*b = fs/fsb Q*.
      {"QLmess", "Edit1", "3,5",
       Watches{Shows("Label15", "rm = 2.857"), Shows("Label11", "Ql = 4.2")} + Changed({"Label12", "Label22"})},
      {"QLmess", "Edit2", "0,3", {Shows("Label18", "Qtsb = 0.243")}},
      {"QLmess", "Edit3", "5",
       Watches{Shows("Label16", "Qmsb = 4.052"), Shows("Label11", "Ql = 29.7")} + Changed({"Label12", "Label22"})},
      {"QLmess", "Edit4", "0,45", {Shows("Label17", "Qesb = 0.365"), Shows("Label11", "Ql = 31.9")}},
      {"QLmess", "Edit5", "30",
       {Shows("Label16", "Qmsb = 1.710"), Shows("Label17", "Qesb = 0.430"), Shows("Label18", "Qtsb = 0.344"),
        Shows("Label11", "Ql = 26.6")}},
      {"QLmess", "Edit6", "24",
       {Shows("Label13", "fb = 27.1 Hz"), Shows("Label14", "fsb = 35.5 Hz"), Shows("Label19", "fb/fsb = 0.762"),
        Shows("Label21", "0.147"), Shows("Label11", "Ql = 23.2")}},
      // fm counts only as the test fl < fm < fh: a minimum above fh leaves nothing to show.
      {"QLmess", "Edit7", "45", {Shows("Label13", "fb"), Shows("Label14", "fsb"), Shows("Label11", "Ql ")}},
      {"QLmess", "Edit8", "20", {Shows("Label15", "rm = 2.941"), Shows("Label11", "Ql = 3.9")}},
      {"QLmess", "Edit9", "42",
       {Shows("Label13", "fb = 30.7 Hz"), Shows("Label14", "fsb = 34.2 Hz"), Shows("Label19", "fb/fsb = 0.900"),
        Shows("Label21", "0.238"), Shows("Label11", "Ql = 16.3")}},
      {"QLmess", "Edit10", "36",
       {Shows("Label13", "fb = 30.5 Hz"), Shows("Label14", "fsb = 32.8 Hz"), Shows("Label19", "fb/fsb = 0.929"),
        Shows("Label21", "0.204"), Shows("Label11", "Ql = 18.8")}},

      // Maximum sound pressure: L = s + 10 lg 100 W + 10 lg 2 - 20 lg 10 m per group, summed in power.
      {"Druck", "Edit1", "90",
       Watches{Shows("Label11", "Wirkungsgrad = 0.63 %"), Shows("Label4", "93,0 dB")} + Changed({"Label10"})},
      {"Druck", "Edit2", "95", {Shows("Label21", "Wirkungsgrad = 2.00 %"), Shows("Label4", "99,9 dB")},
       Clicking("CheckBox_2")},
      {"Druck", "Edit3", "95", {Shows("Label29", "Wirkungsgrad = 2.00 %"), Shows("Label4", "99,9 dB")},
       Clicking("CheckBox1")},

      // Cuboid 400 x 500 mm: D = 2t + V/((W - 2t)(H - 2t)); rods a x b along the edges.
      {"quaderbox", "Edit1", "80",
       {Shows("Label8", "Tiefe  530 mm"), Shows("Label9", "Verlust durch Eckleisten 8.3 l"),
        Shows("Label7", "Außenvolumen 106.0 l"), Shows("Label10", "Resonanzfrequenz(en) (Hz) :  958    749    703"),
        Drawn()}},
      {"quaderbox", "Edit2", "19",
       {Shows("Label8", "Tiefe  397 mm"), Shows("Label7", "Außenvolumen 79.4 l"),
        Shows("Label10", "Resonanzfrequenz(en) (Hz) :  948    742    956"), Drawn()}},
      {"quaderbox", "Edit3", "40", {Shows("Label9", "Verlust durch Eckleisten 8.4 l")}},
      {"quaderbox", "Edit4", "40", {Shows("Label9", "Verlust durch Eckleisten 6.0 l")}},
      // Trapezoid, depths 300 and 400 mm, 400 mm high: W = 2t + V/A with A the inner trapezoid.
      {"trapezbox", "Editvol", "80",
       {Shows("Label8", "Breite  768 mm"), Shows("Label12", "Verlust durch Eckleisten 9.2 l"),
        Shows("Label10", "Außenvolumen 107.5 l"), Shows("Label11", "Gehäuse-Resonanzfrequenzen (Hz)  473    958"),
        Drawn()}},
      {"trapezbox", "Editdicke", "19",
       {Shows("Label8", "Breite  569 mm"), Shows("Label10", "Außenvolumen 79.7 l"),
        Shows("Label11", "Gehäuse-Resonanzfrequenzen (Hz)  646    948"), Drawn()}},
      {"trapezbox", "Edit1", "40", {Shows("Label12", "Verlust durch Eckleisten 8.9 l")}},
      {"trapezbox", "Edit2", "40", {Shows("Label12", "Verlust durch Eckleisten 6.3 l")}},
      // Pyramid on a 300 mm square: hIn = 3 V/A.
      {"pyramidebox", "Edit1", "40",
       {Shows("Label3",
              "innere Kantenlänge  300 mm, äußere Kantenlänge:  342 mm, innere Höhe 1333 mm, äußere Höhe 1375 mm"),
        Shows("Label5", "Pyramiden-Neigungswinkel 83.6°"), Shows("Label6", "Außenvolumen 53.6 l"),
        Shows("Label7", "Schenkellänge der dreieckigen Platten 1397 mm"), Shows("Label9", "Plattenhöhe 1386 mm")}},
      {"pyramidebox", "Edit2", "19",
       {Shows("Label3",
              "innere Kantenlänge  300 mm, äußere Kantenlänge:  338 mm, innere Höhe 1000 mm, äußere Höhe 1038 mm"),
        Shows("Label6", "Außenvolumen 39.5 l"), Shows("Label7", "Schenkellänge der dreieckigen Platten 1065 mm"),
        Shows("Label9", "Plattenhöhe 1052 mm")}},

      // Horn on the floor: k = fu/27.1, Am = 91991557/fu^2/2, Xm = 100 ln(Am/Ah)/k, Vc = 5.4113 Ah/fo.
      {"Expo", "fu", "200",
       {Shows("Label2", "Trichterkonstante k= 7.4"), Shows("Label6", "Mundfläche Am= 1149.9 cm², 33.9 cm x 33.9 cm"),
        Shows("Label10", "Trichterlänge Xmax= 11.3 cm"),
        Shows("Label9", "Schalldruckgewinn durch Trichter 3.6 dB auf 96.2 dB"),
        Shows("Labelboxvol", "geschl. Volumen : 14.5 l "), Shows("Label14", "bei x= 1cm, A=538cm² (=23.2x23.2cm)"),
        Drawn()}},
      {"Expo", "Ah", "400",
       {Shows("Label11", "Querschnitt 20.0x20.0cm"), Shows("Label10", "Trichterlänge Xmax= 66.2 cm"),
        Shows("Label9", "Schalldruckgewinn durch Trichter 10.6 dB auf 103.2 dB"),
        Shows("Label12", "Druckkammervolumen 4.3 l"), Shows("Label14", "bei x= 1cm, A=415cm² (=20.4x20.4cm)"),
        Drawn()}},
      {"Expo", "Edit1", "1000", {Shows("Label12", "Druckkammervolumen 2.7 l")}},
      // Open baffle: fu = 340/(2 path).
      {"offen", "Edit1", "200", {Shows("Label3", "untere Grenzfrequ. der Abstimmung  85 Hz"), Drawn()}},
      // The spectrum name is kept when the settings window closes; typing runs nothing.
      {"options", "Edit1", nullptr, {}},

      // Displacement volume: flange pi/4 d1^2 w + cone pi/12 (d2^2 + d3^2 + d2 d3) x + magnet
      // pi/4 d4^2 |y - z| + ring pi/4 d5^2 z + bridges n s b t (2,69 l as designed).
      {"displacement", "Edit1", "400", {Shows("LabelPic", "V=3,24 Liter")}},
      {"displacement", "Edit2", "200", {Shows("LabelPic", "V=2,12 Liter")}},
      {"displacement", "Edit3", "80", {Shows("LabelPic", "V=2,88 Liter")}},
      {"displacement", "Edit4", "150", {Shows("LabelPic", "V=2,82 Liter")}},
      {"displacement", "Edit5", "180", {Shows("LabelPic", "V=2,89 Liter")}},
      {"displacement", "Edit6", "20", {Shows("LabelPic", "V=3,40 Liter")}},
      {"displacement", "Edit7", "80", {Shows("LabelPic", "V=3,15 Liter")}},
      {"displacement", "Edit8", "60", {Shows("LabelPic", "V=2,92 Liter")}},
      {"displacement", "Edit9", "30", {Shows("LabelPic", "V=2,73 Liter")}},
      {"displacement", "Edit10", "8", {Shows("LabelPic", "V=2,74 Liter")}},
      {"displacement", "Edit11", "200", {Shows("LabelPic", "V=2,72 Liter")}},
      {"displacement", "Edit12", "10", {Shows("LabelPic", "V=2,74 Liter")}},
      {"displacement", "Edit13", "40", {Shows("LabelPic", "V=2,74 Liter")}},

      // Vented bandpass as designed: F = sqrt(94400 r^2/(V (L + 1.463 r))), A = pi/4 d^2,
      // Ql = int(sqrt(6000/(V1 + V2) + 1)).
      {"ventpass", "Edit1", "100", {Shows("Edit9", "45.7"), Shows("Label16", "Verlustfaktor Ql = 5"), Drawn()}},
      {"ventpass", "Edit2", "12", {Shows("Edit4", "113.1"), Shows("Edit9", "36.5"), Drawn()}},
      {"ventpass", "Edit3", "8", {Shows("Edit9", "27.8"), Drawn()}},
      {"ventpass", "Edit4", "100", {Shows("Edit2", "11.3"), Shows("Edit9", "35.0"), Drawn()}, Clicking("CheckBox3")},
      {"ventpass", "Edit5", "50", {Shows("Edit10", "77.9"), Shows("Label16", "Verlustfaktor Ql = 5"), Drawn()}},
      {"ventpass", "Edit6", "10", {Shows("Edit8", "78.5"), Shows("Edit10", "43.8"), Drawn()}},
      {"ventpass", "Edit7", "10", {Shows("Edit10", "47.8"), Drawn()}},
      {"ventpass", "Edit8", "100", {Shows("Edit6", "11.3"), Shows("Edit10", "47.6"), Drawn()}, Clicking("CheckBox4")},
      // The two tunings are results: always disabled, no handler.
      {"ventpass", "Edit9", nullptr, {}},
      {"ventpass", "Edit10", nullptr, {}},

      // Unit converter.
      {"unitcalc", "Edit1", "100",
       {Shows("Label1", "=1000.0 mm"), Shows("Label2", "=1.000 m"), Shows("Label3", "=39.37 in."),
        Shows("Label4", "=3.281 ft"), Shows("Labelftin", "=3ft 3in")}},
      // 10 ft 6 in = 126 inches.
      {"unitcalc", "Edit2", "6",
       {Shows("Label1", "=3200.4 mm"), Shows("Label2", "=320.04 cm"), Shows("Label3", "=3.200 m"),
        Shows("Label4", "=126.00 in")},
       Clicking("laenge5")},
      {"unitcalc", "Edit3", "100",
       {Shows("Label5", "=10000.0 qmm"), Shows("Label6", "=0.010 qm"), Shows("Label7", "=15.50 sq.in."),
        Shows("Label8", "=0.108 sq.ft")}},
      {"unitcalc", "Edit4", "1",
       {Shows("Label9", "=1000.0 g"), Shows("Label10", "=35.27 oz av."), Shows("Label11", "=2.205 lb av.")}},
      {"unitcalc", "Edit5", "1",
       {Shows("Label12", "=1000000 mm³"), Shows("Label13", "=1000 cm³"), Shows("Label14", "=0.001 m³"),
        Shows("Label15", "=61.02 cu.in."), Shows("Label16", "=0.035 cu.ft"), Shows("Label17", "=1.82 US dry pint"),
        Shows("Label18", "=0.91 US dry quart"), Shows("Label19", "=0.11 US peck"),
        Shows("Label20", "=8.454 US li. gill"), Shows("Label21", "=2.114 US li. pint"),
        Shows("Label22", "=1.057 US li. quart"), Shows("Label23", "=0.264 US gallon")}},

      // Comparison window, four flat curves of a 92.5 dB driver in absolute dB: 100 W on one
      // channel adds 20 dB to it and 5 dB to the mean, so the view moves from 74..104 to 79..109 dB.
      {"ResultCompare", "Edit1", "100", {ShowsWhenPainted("Label1", "f=  20... 200Hz, L= 79... 109dB"), Drawn()},
       kFourCurvesWithPower},
      {"ResultCompare", "Edit2", "100", {ShowsWhenPainted("Label1", "f=  20... 200Hz, L= 79... 109dB"), Drawn()},
       kFourCurvesWithPower},
      {"ResultCompare", "Edit3", "100", {ShowsWhenPainted("Label1", "f=  20... 200Hz, L= 79... 109dB"), Drawn()},
       kFourCurvesWithPower},
      {"ResultCompare", "Edit4", "100", {ShowsWhenPainted("Label1", "f=  20... 200Hz, L= 79... 109dB"), Drawn()},
       kFourCurvesWithPower},

      // Several speakers: two 8 ohm speakers in series.
      {"mehrbox", "Edit1", "8", {Shows("Label5", "neue Gesamt-Impedanz dann Z= 16.00 Ohm")}},
  };
}

QWidget* FormNamed(const QString& name) {
  for (QWidget* window : forms::All())
    if (window->objectName() == name) return window;
  return nullptr;
}

// The edits a user can type into: every line edit of the window but those inside a list, a
// number spin box or a grid, which belong to those controls.
QStringList TypableEdits(const QWidget* window) {
  QStringList names;
  for (const QLineEdit* edit : window->findChildren<QLineEdit*>()) {
    bool part = false;
    for (const QWidget* p = edit->parentWidget(); p && p != window; p = p->parentWidget())
      part = part || qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
             qobject_cast<const QAbstractItemView*>(p);
    if (!part) names << edit->objectName();
  }
  return names;
}

// What the window shows on the screen of its own drawing: the response diagram of a box window,
// else what the window paints itself, with every control blanked out. The screen keeps what was
// last painted, so a handler that does not ask for its diagram to be drawn again leaves it as it
// was, whatever a later paint would draw.
QString Picture(QWidget* window) {
  QImage image = window->screen()->grabWindow(window->winId()).toImage();
  QPainter painter(&image);
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->isVisible() && !dynamic_cast<ResponseDiagram*>(child)) painter.fillRect(child->geometry(), Qt::black);
  painter.end();
  const QByteArrayView pixels(image.constBits(), image.sizeInBytes());
  return QString::fromLatin1(QCryptographicHash::hash(pixels, QCryptographicHash::Md5).toHex());
}

QString Read(QWidget* window, const Watch& watch) {
  switch (watch.kind) {
    case Watch::Diagram: return Picture(window);
    case Watch::Value: return watch.value(window);
    case Watch::Text:
    case Watch::Enabled: break;
  }
  QWidget* control = window->findChild<QWidget*>(watch.control);
  if (!control) return "<no control " + watch.control + ">";
  if (watch.kind == Watch::Enabled) return control->isEnabled() ? "enabled" : "disabled";
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  return "<no text on " + watch.control + ">";
}

class EditHandlers : public WindowsTest {
 protected:
  void Restart() {
    TearDown();
    SetUp();
  }
  void Check(QWidget* window, const Watch& watch, const QString& before, const char* when) {
    const QString now = Read(window, watch);
    EXPECT_NE(now, before) << watch.control.toStdString() << " did not change " << when;
    if (watch.expected && watch.kind != Watch::Diagram)
      EXPECT_EQ(now, *watch.expected) << watch.control.toStdString() << " " << when;
  }
};

TEST_F(EditHandlers, TheTableHoldsEveryEditOfEveryWindow) {
  QSet<QString> listed;
  for (const Row& row : EditTable()) {
    const QString key = QString("%1.%2").arg(row.window, row.edit);
    EXPECT_FALSE(listed.contains(key)) << key.toStdString() << " has two rows";
    listed << key;
    QWidget* window = FormNamed(row.window);
    ASSERT_TRUE(window) << row.window;
    EXPECT_TRUE(TypableEdits(window).contains(row.edit)) << key.toStdString() << " is no edit of the window";
    EXPECT_EQ(row.typed == nullptr, row.watches.empty()) << key.toStdString();
  }
  for (QWidget* window : forms::All())
    for (const QString& edit : TypableEdits(window))
      EXPECT_TRUE(listed.contains(window->objectName() + "." + edit))
          << window->objectName().toStdString() << " has the edit \"" << edit.toStdString() << "\" without a row";
}

TEST_F(EditHandlers, TypingIntoAnEditChangesAtOnceWhatItsHandlerChanges) {
  const Row* previous = nullptr;
  for (const Row& row : EditTable()) {
    if (!row.typed) continue;
    SCOPED_TRACE(QString("%1.%2 <- \"%3\"").arg(row.window, row.edit, QString::fromUtf8(row.typed)).toStdString());
    // A fresh program for every window and every preparation; rows in between give their edit
    // its text back.
    const bool fresh = !previous || QLatin1String(previous->window) != QLatin1String(row.window) ||
                       QLatin1String(previous->prepare.name) != QLatin1String(row.prepare.name);
    if (previous && fresh) Restart();
    previous = &row;
    QWidget* window = FormNamed(row.window);
    ASSERT_TRUE(window);
    ASSERT_TRUE(ShowAndActivate(window));
    if (fresh && row.prepare.run) row.prepare.run(window);
    Repaint(window);
    auto* edit = window->findChild<QLineEdit*>(row.edit);
    ASSERT_TRUE(edit);
    ASSERT_TRUE(edit->isEnabled() && edit->isVisible());
    const QString kept = edit->text();
    ASSERT_NE(kept, QString::fromUtf8(row.typed));
    std::vector<QString> before;
    for (const Watch& watch : row.watches) before.push_back(Read(window, watch));

    TypeInto(edit, QString::fromUtf8(row.typed));
    for (std::size_t i = 0; i < row.watches.size(); ++i)
      if (row.watches[i].when == Watch::AtOnce || row.watches[i].when == Watch::UntilRepaint)
        Check(window, row.watches[i], before[i], "at once");
    QCoreApplication::processEvents();
    for (std::size_t i = 0; i < row.watches.size(); ++i)
      if (row.watches[i].when == Watch::AfterEvents) Check(window, row.watches[i], before[i], "when painted");
    window->repaint();  // as when the window is uncovered
    QCoreApplication::processEvents();
    for (std::size_t i = 0; i < row.watches.size(); ++i)
      if (row.watches[i].when != Watch::UntilRepaint) Check(window, row.watches[i], before[i], "after a repaint");
    ExpectNoNonFiniteTexts(window);

    TypeInto(edit, kept);
    Repaint(window);
  }
}

}  // namespace
}  // namespace velomare::test

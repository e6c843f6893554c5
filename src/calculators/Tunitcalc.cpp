#include "calculators/Tunitcalc.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <span>

#include "calculators/model/UnitConverter.h"
#include "common/NumberText.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Hilfe", "&Help"},
    {"Button3", "&Drucken", "&print"},
    {"GroupBox1", "Länge", "length"},
    {"GroupBox2", "Fläche", "area"},
    {"GroupBox3", "Volumen", "volume / capacity"},
    {"GroupBox4", "Masse", "mass / weigth"},
    // The same in both languages.
    {"Edit2", "Die optionale Eingabe der Inches zum Foot-Wert", "Die optionale Eingabe der Inches zum Foot-Wert",
     UiText::Hint},
    {"flaeche1", "Quadratmillimeter /square-millimeter", "Quadratmillimeter /square-millimeter", UiText::Hint},
    {"flaeche2", "Quadratzentimeter /square-centimeter", "Quadratzentimeter /square-centimeter", UiText::Hint},
    {"flaeche3", "Quadratmeter /square-meter", "Quadratmeter /square-meter", UiText::Hint},
    {"masse1", "Gramm / gramm", "Gramm / gramm", UiText::Hint},
    {"masse2", "Kilogramm /kilo gramm", "Kilogramm /kilo gramm", UiText::Hint},
    {"masse3", "Unze / Ounce", "Unze / Ounce", UiText::Hint},
    {"masse4", "Pfund / Pound", "Pfund / Pound", UiText::Hint},
};

// Layout: the three buttons at the top left with the volume box below them; the mass, length
// and area boxes stacked on the right. In each box the input edit at the left, the source units
// in a column beside it and the results in a column at the right, one row each.
constexpr int kClientWidth = 556, kClientHeight = 298;
// The result columns hold whole every text up to these quantities, typed in any unit of their
// group: beyond what a loudspeaker builder converts. The unit columns hold their captions, and
// the edits share what is left of the client area's width.
constexpr double kLargestLength = 100;  // m
constexpr double kLargestArea = 100;    // m²
constexpr double kLargestVolume = 10;   // m³
constexpr double kLargestMass = 100;    // kg
constexpr int kMargin = 4;  // around and between the boxes
constexpr int kEditX = 6, kEditH = 21;
// Narrower, an edit shows too few digits to be read; only a larger font than the window's would
// bring it there.
constexpr int kNarrowestEditW = 24;
constexpr int kGap = 4;       // between the columns
constexpr int kRightPad = 3;  // between the results and the box's right edge, off its frame line
constexpr int kFirstRow = kGroupBoxFirstRow;
constexpr int kRowH = 16;
constexpr int kVolumeRowStep = 18;
constexpr int kRightRowStep = 16;

// A group's source units, in their testing order.
struct Unit {
  QRadioButton* Tunitcalc::*button;
  const char* name;
  const char* caption;
};
constexpr Unit kMassUnits[] = {{&Tunitcalc::masse1, "masse1", "g "},
                               {&Tunitcalc::masse2, "masse2", "kg"},
                               {&Tunitcalc::masse3, "masse3", "oz av."},
                               {&Tunitcalc::masse4, "masse4", "lb av."}};
constexpr Unit kLengthUnits[] = {{&Tunitcalc::laenge1, "laenge1", "mm"},
                                 {&Tunitcalc::laenge2, "laenge2", "cm"},
                                 {&Tunitcalc::laenge3, "laenge3", "m"},
                                 {&Tunitcalc::laenge4, "laenge4", "inch"},
                                 {&Tunitcalc::laenge5, "laenge5", "foot / inch"}};
constexpr Unit kAreaUnits[] = {{&Tunitcalc::flaeche1, "flaeche1", "mm² (sqmm)"},
                               {&Tunitcalc::flaeche2, "flaeche2", "cm² (sqcm)"},
                               {&Tunitcalc::flaeche3, "flaeche3", "m² (sqm)"},
                               {&Tunitcalc::flaeche4, "flaeche4", "sq. in."},
                               {&Tunitcalc::flaeche5, "flaeche5", "sq. ft."}};
// The seven US measures are shown for reading only and are never a source.
constexpr Unit kVolumeUnits[] = {{&Tunitcalc::volu1, "volu1", "cmm (mm³)"},
                                 {&Tunitcalc::volu2, "volu2", "ccm (cm³)"},
                                 {&Tunitcalc::volu3, "volu3", "l (liter)"},
                                 {&Tunitcalc::volu4, "volu4", "cu. m (m³)"},
                                 {&Tunitcalc::volu5, "volu5", "cu. in."},
                                 {&Tunitcalc::volu6, "volu6", "cu. ft"},
                                 {&Tunitcalc::volu7, "volu7", "US dry pint"},
                                 {&Tunitcalc::volu8, "volu8", "US dry quart"},
                                 {&Tunitcalc::volu9, "volu9", "US peck"},
                                 {&Tunitcalc::volu10, "volu10", "US liqu. gill"},
                                 {&Tunitcalc::volu11, "volu11", "US liqu. pint"},
                                 {&Tunitcalc::volu12, "volu12", "US liqu. quart"},
                                 {&Tunitcalc::volu13, "volu13", "US gallon"}};

// The columns of a box, from its left edge.
struct Columns {
  int editW, unitsX, unitsW, resultsX;
};
Columns ColumnsOf(int editW, int unitsW) {
  const int unitsX = kEditX + editW + kGap;
  return {editW, unitsX, unitsW, unitsX + unitsW + kGap};
}

// The widest caption of the groups' radio buttons, with the button's mark before it.
int UnitsWidth(const QWidget* window, std::initializer_list<std::span<const Unit>> groups) {
  const QStyle* style = window->style();
  int widest = 0;
  for (const auto& units : groups)
    for (const Unit& unit : units)
      widest = std::max(widest, window->fontMetrics().horizontalAdvance(QString::fromUtf8(unit.caption)));
  return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
         style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + widest;
}

template <std::size_t Labels>
int WidestText(const QWidget* window, const TextsUpTo<Labels>& labels) {
  int widest = 0;
  for (const auto& texts : labels)
    for (const std::string& text : texts)
      widest = std::max(widest, window->fontMetrics().horizontalAdvance(QString::fromStdString(text)));
  return widest;
}

}  // namespace

Tunitcalc::Tunitcalc(QWidget* parent) : FormBase(parent) {
  InitForm("unitcalc", "Einheitenumrechner", "unit converter");
  SetHelpTopic("QTX_contents0024");

  Button1 = Make<QPushButton>("Button1", this, 4, 4, 80, 25);
  Button2 = Make<QPushButton>("Button2", this, 88, 4, 80, 25);
  Button3 = Make<QPushButton>("Button3", this, 172, 4, 80, 25);

  // The right boxes share their columns, so that their units and results line up.
  const int rightUnitsW = UnitsWidth(this, {kMassUnits, kLengthUnits, kAreaUnits});
  const int volumeUnitsW = UnitsWidth(this, {kVolumeUnits});
  const int rightResultsW =
      std::max({WidestText(this, MassTextsUpTo(kLargestMass)), WidestText(this, LengthTextsUpTo(kLargestLength)),
                WidestText(this, AreaTextsUpTo(kLargestArea))});
  const int volumeResultsW = WidestText(this, VolumeTextsUpTo(kLargestVolume));
  const int boxesW = kClientWidth - 3 * kMargin;
  const int editW = std::max(kNarrowestEditW, (boxesW - 2 * (kEditX + 2 * kGap + kRightPad) - rightUnitsW -
                                               volumeUnitsW - rightResultsW - volumeResultsW) / 2);
  const Columns left = ColumnsOf(editW, volumeUnitsW), right = ColumnsOf(editW, rightUnitsW);
  const int leftW = left.resultsX + volumeResultsW + kRightPad;
  // An odd pixel goes to the right boxes' results.
  const int rightX = kMargin + leftW + kMargin, rightW = kClientWidth - kMargin - rightX;

  const auto box = [this](const char* name, int x, int y, int w, int h) {
    return Make<QGroupBox>(name, this, x, y, w, h);
  };
  const auto edit = [this](const char* name, QGroupBox* parent, const Columns& columns, int y, const char* text) {
    QLineEdit* e = Make<QLineEdit>(name, parent, kEditX, y, columns.editW, kEditH);
    e->setText(QString::fromLatin1(text));
    return e;
  };
  // A group's source units in a column, one row each.
  const auto units = [this](QGroupBox* parent, const Columns& columns, int step, std::span<const Unit> list) {
    int row = 0;
    QButtonGroup* group = RadioGroup({});
    for (const Unit& unit : list) {
      QRadioButton* button =
          Make<QRadioButton>(unit.name, parent, columns.unitsX, kFirstRow + row++ * step, columns.unitsW, kRowH);
      button->setText(QString::fromUtf8(unit.caption));
      group->addButton(button);
      this->*unit.button = button;
    }
  };
  // A group's results in a column at its right, each in the row given.
  struct Result {
    QLabel** label;
    const char* name;
    int row;
  };
  const auto results = [this](QGroupBox* parent, const Columns& columns, int step, std::initializer_list<Result> list) {
    for (const Result& result : list)
      *result.label = Make<QLabel>(result.name, parent, columns.resultsX, kFirstRow + result.row * step,
                                   parent->width() - columns.resultsX - kRightPad, kRowH);
  };

  GroupBox4 = box("GroupBox4", rightX, 0, rightW, 87);
  Edit4 = edit("Edit4", GroupBox4, right, kFirstRow, "2");
  units(GroupBox4, right, kRightRowStep, kMassUnits);
  results(GroupBox4, right, kRightRowStep,
          {{&Label9, "Label9", 0}, {&Label10, "Label10", 1}, {&Label11, "Label11", 2}});

  // The optional inches stand under the feet.
  GroupBox1 = box("GroupBox1", rightX, 89, rightW, 103);
  Edit1 = edit("Edit1", GroupBox1, right, kFirstRow, "10");
  Edit2 = edit("Edit2", GroupBox1, right, kFirstRow + kEditH + 6, "0");
  Edit2->setEnabled(false);
  units(GroupBox1, right, kRightRowStep, kLengthUnits);
  results(GroupBox1, right, kRightRowStep,
          {{&Label1, "Label1", 0}, {&Label2, "Label2", 1}, {&Label3, "Label3", 2}, {&Label4, "Label4", 3},
           {&Labelftin, "Labelftin", 4}});
  Labelftin->hide();

  GroupBox2 = box("GroupBox2", rightX, 195, rightW, 103);
  Edit3 = edit("Edit3", GroupBox2, right, kFirstRow, "50");
  units(GroupBox2, right, kRightRowStep, kAreaUnits);
  results(GroupBox2, right, kRightRowStep,
          {{&Label5, "Label5", 0}, {&Label6, "Label6", 1}, {&Label7, "Label7", 2}, {&Label8, "Label8", 3}});

  // The metric and imperial results stand beside the first five units and the US measures beside
  // the seven US units.
  GroupBox3 = box("GroupBox3", kMargin, 34, leftW, kClientHeight - 34);
  Edit5 = edit("Edit5", GroupBox3, left, kFirstRow, "10");
  units(GroupBox3, left, kVolumeRowStep, kVolumeUnits);
  for (QRadioButton* us : {volu7, volu8, volu9, volu10, volu11, volu12, volu13}) us->setEnabled(false);
  results(GroupBox3, left, kVolumeRowStep,
          {{&Label12, "Label12", 0},
           {&Label13, "Label13", 1},
           {&Label14, "Label14", 2},
           {&Label15, "Label15", 3},
           {&Label16, "Label16", 4},
           {&Label17, "Label17", 6},
           {&Label18, "Label18", 7},
           {&Label19, "Label19", 8},
           {&Label20, "Label20", 9},
           {&Label21, "Label21", 10},
           {&Label22, "Label22", 11},
           {&Label23, "Label23", 12}});

  laenge2->setChecked(true);
  flaeche2->setChecked(true);
  volu3->setChecked(true);
  masse2->setChecked(true);

  // Edits run their handler on every text change, typed or assigned; a radio button runs its
  // handler when it becomes the chosen one, by the user or from code.
  connect(Edit1, &QLineEdit::textChanged, this, &Tunitcalc::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tunitcalc::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &Tunitcalc::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &Tunitcalc::Edit4Change);
  connect(Edit5, &QLineEdit::textChanged, this, &Tunitcalc::Edit5Change);
  const auto onChosen = [this](QRadioButton* button, void (Tunitcalc::*handler)()) {
    connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
      if (checked) (this->*handler)();
    });
  };
  onChosen(laenge1, &Tunitcalc::laenge1Click);
  onChosen(laenge2, &Tunitcalc::laenge2Click);
  onChosen(laenge3, &Tunitcalc::laenge3Click);
  onChosen(laenge4, &Tunitcalc::laenge4Click);
  onChosen(laenge5, &Tunitcalc::laenge5Click);
  for (QRadioButton* r : {flaeche1, flaeche2, flaeche3, flaeche4, flaeche5}) onChosen(r, &Tunitcalc::ConvertArea);
  for (QRadioButton* r : {volu1, volu2, volu3, volu4, volu5, volu6}) onChosen(r, &Tunitcalc::ConvertVolume);
  for (QRadioButton* r : {masse1, masse2, masse3, masse4}) onChosen(r, &Tunitcalc::ConvertMass);
  connect(Button1, &QPushButton::clicked, this, &Tunitcalc::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tunitcalc::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tunitcalc::Button3Click);

  SetFixedClientSize(kClientWidth, kClientHeight);
  CentreOnScreen();
}

std::span<const UiText> Tunitcalc::Texts() const { return kTexts; }

namespace {

// The place of the chosen button in the group's testing order, which is the order of the
// model's units; nothing when none is chosen.
template <class Unit>
std::optional<Unit> ChosenUnit(std::initializer_list<const QRadioButton*> buttons) {
  int place = 0;
  for (const QRadioButton* button : buttons) {
    if (button->isChecked()) return static_cast<Unit>(place);
    ++place;
  }
  return std::nullopt;
}

double Number(const QLineEdit* edit) { return ReadNumber(edit->text().toStdString()); }

}  // namespace

void Tunitcalc::ShowTexts(std::initializer_list<QLabel*> labels, std::span<const std::string> texts) {
  std::size_t i = 0;
  for (QLabel* label : labels)
    if (i < texts.size()) SetTextIfChanged(label, texts[i++]);
}

void Tunitcalc::ConvertLength() {
  const auto source = ChosenUnit<LengthUnit>({laenge1, laenge2, laenge3, laenge4, laenge5});
  if (!source) return;
  const LengthTexts out = velomare::ConvertLength(Number(Edit1), Number(Edit2), *source);
  ShowTexts({Label1, Label2, Label3, Label4}, out.labels);
  if (out.feetInches) SetTextIfChanged(Labelftin, *out.feetInches);
  if (Labelftin->isHidden() == out.feetInchesVisible) Labelftin->setVisible(out.feetInchesVisible);
}

void Tunitcalc::ConvertArea() {
  const auto source = ChosenUnit<AreaUnit>({flaeche1, flaeche2, flaeche3, flaeche4, flaeche5});
  if (!source) return;
  ShowTexts({Label5, Label6, Label7, Label8}, velomare::ConvertArea(Number(Edit3), *source).labels);
}

void Tunitcalc::ConvertVolume() {
  const auto source = ChosenUnit<VolumeUnit>({volu1, volu2, volu3, volu4, volu5, volu6});
  if (!source) return;
  ShowTexts(
      {Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20, Label21, Label22, Label23},
      velomare::ConvertVolume(Number(Edit5), *source).labels);
}

void Tunitcalc::ConvertMass() {
  const auto source = ChosenUnit<MassUnit>({masse1, masse2, masse3, masse4});
  if (!source) return;
  ShowTexts({Label9, Label10, Label11}, velomare::ConvertMass(Number(Edit4), *source).labels);
}

void Tunitcalc::DropInches() {
  Edit2->setEnabled(false);
  // Assigning the text runs Edit2Change, which converts; the conversion below covers the case
  // where the inches already read "0".
  Edit2->setText(QStringLiteral("0"));
  ConvertLength();
}

void Tunitcalc::laenge5Click() {
  Edit2->setEnabled(true);
  ConvertLength();
}

void Tunitcalc::FormPaint(QPainter&) {
  ConvertMass();
  ConvertLength();
  ConvertArea();
  ConvertVolume();
}

void Tunitcalc::Button1Click() { CloseForm(); }
void Tunitcalc::Button2Click() { ShowHelpTopic(); }
void Tunitcalc::Button3Click() { ConfirmAndPrintForm(); }

}  // namespace velomare

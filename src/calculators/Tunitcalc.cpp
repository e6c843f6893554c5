#include "calculators/Tunitcalc.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>
#include <optional>

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
// The right column's results need 94 pixels: 1000 cm² read "=100000.0 qmm", 100 kg "=3527.34 oz av.".
constexpr int kLeftX = 4, kLeftW = 292, kRightX = 300, kRightW = 252;
constexpr int kEditX = 8, kEditW = 44, kEditH = 21;
constexpr int kRadioX = 56, kRadioW = 94, kVolumeRadioW = 100;
constexpr int kGap = 4;
constexpr int kFirstRow = kGroupBoxFirstRow;
constexpr int kRowH = 16;
constexpr int kVolumeRowStep = 18;
constexpr int kRightRowStep = 16;

}  // namespace

Tunitcalc::Tunitcalc(QWidget* parent) : FormBase(parent) {
  InitForm("unitcalc", "Einheitenumrechner", "unit converter");
  SetHelpTopic("QTX_contents0024");

  Button1 = Make<QPushButton>("Button1", this, 4, 4, 80, 25);
  Button2 = Make<QPushButton>("Button2", this, 88, 4, 80, 25);
  Button3 = Make<QPushButton>("Button3", this, 172, 4, 80, 25);

  const auto box = [this](const char* name, int x, int y, int w, int h) {
    return Make<QGroupBox>(name, this, x, y, w, h);
  };
  const auto edit = [this](const char* name, QGroupBox* parent, int y, const char* text) {
    QLineEdit* e = Make<QLineEdit>(name, parent, kEditX, y, kEditW, kEditH);
    e->setText(QString::fromLatin1(text));
    return e;
  };
  // A group's source units in a column, one row each, in their testing order.
  struct Unit {
    QRadioButton** button;
    const char* name;
    const char* caption;
  };
  const auto units = [this](QGroupBox* parent, int step, int w, std::initializer_list<Unit> list) {
    int row = 0;
    QButtonGroup* group = RadioGroup({});
    for (const Unit& unit : list) {
      *unit.button = Make<QRadioButton>(unit.name, parent, kRadioX, kFirstRow + row++ * step, w, kRowH);
      (*unit.button)->setText(QString::fromUtf8(unit.caption));
      group->addButton(*unit.button);
    }
  };
  // A group's results in a column at its right, each in the row given.
  struct Result {
    QLabel** label;
    const char* name;
    int row;
  };
  const auto results = [this](QGroupBox* parent, int x, int step, std::initializer_list<Result> list) {
    for (const Result& result : list)
      *result.label =
          Make<QLabel>(result.name, parent, x, kFirstRow + result.row * step, parent->width() - x - kGap, kRowH);
  };
  constexpr int kResultX = kRadioX + kRadioW + kGap, kVolumeResultX = kRadioX + kVolumeRadioW + kGap;

  GroupBox4 = box("GroupBox4", kRightX, 0, kRightW, 87);
  Edit4 = edit("Edit4", GroupBox4, kFirstRow, "2");
  units(GroupBox4, kRightRowStep, kRadioW,
        {{&masse1, "masse1", "g "},
         {&masse2, "masse2", "kg"},
         {&masse3, "masse3", "oz av."},
         {&masse4, "masse4", "lb av."}});
  results(GroupBox4, kResultX, kRightRowStep,
          {{&Label9, "Label9", 0}, {&Label10, "Label10", 1}, {&Label11, "Label11", 2}});

  // The optional inches stand under the feet.
  GroupBox1 = box("GroupBox1", kRightX, 89, kRightW, 103);
  Edit1 = edit("Edit1", GroupBox1, kFirstRow, "10");
  Edit2 = edit("Edit2", GroupBox1, kFirstRow + kEditH + 6, "0");
  Edit2->setEnabled(false);
  units(GroupBox1, kRightRowStep, kRadioW,
        {{&laenge1, "laenge1", "mm"},
         {&laenge2, "laenge2", "cm"},
         {&laenge3, "laenge3", "m"},
         {&laenge4, "laenge4", "inch"},
         {&laenge5, "laenge5", "foot / inch"}});
  results(GroupBox1, kResultX, kRightRowStep,
          {{&Label1, "Label1", 0}, {&Label2, "Label2", 1}, {&Label3, "Label3", 2}, {&Label4, "Label4", 3},
           {&Labelftin, "Labelftin", 4}});
  Labelftin->hide();

  GroupBox2 = box("GroupBox2", kRightX, 195, kRightW, 103);
  Edit3 = edit("Edit3", GroupBox2, kFirstRow, "50");
  units(GroupBox2, kRightRowStep, kRadioW,
        {{&flaeche1, "flaeche1", "mm² (sqmm)"},
         {&flaeche2, "flaeche2", "cm² (sqcm)"},
         {&flaeche3, "flaeche3", "m² (sqm)"},
         {&flaeche4, "flaeche4", "sq. in."},
         {&flaeche5, "flaeche5", "sq. ft."}});
  results(GroupBox2, kResultX, kRightRowStep,
          {{&Label5, "Label5", 0}, {&Label6, "Label6", 1}, {&Label7, "Label7", 2}, {&Label8, "Label8", 3}});

  // The metric and imperial results stand beside the first five units and the US measures beside
  // the seven US units, which are shown for reading only and are never a source.
  GroupBox3 = box("GroupBox3", kLeftX, 34, kLeftW, kClientHeight - 34);
  Edit5 = edit("Edit5", GroupBox3, kFirstRow, "10");
  units(GroupBox3, kVolumeRowStep, kVolumeRadioW,
        {{&volu1, "volu1", "cmm (mm³)"},
         {&volu2, "volu2", "ccm (cm³)"},
         {&volu3, "volu3", "l (liter)"},
         {&volu4, "volu4", "cu. m (m³)"},
         {&volu5, "volu5", "cu. in."},
         {&volu6, "volu6", "cu. ft"},
         {&volu7, "volu7", "US dry pint"},
         {&volu8, "volu8", "US dry quart"},
         {&volu9, "volu9", "US peck"},
         {&volu10, "volu10", "US liqu. gill"},
         {&volu11, "volu11", "US liqu. pint"},
         {&volu12, "volu12", "US liqu. quart"},
         {&volu13, "volu13", "US gallon"}});
  for (QRadioButton* us : {volu7, volu8, volu9, volu10, volu11, volu12, volu13}) us->setEnabled(false);
  results(GroupBox3, kVolumeResultX, kVolumeRowStep,
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

#include "filters/TBP.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "filters/FilterCircuit.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label1", "Impedanz  Z", "impedance Z"},
    {"Label2", "untere Trennfrequenz fgu", "lower cut frequency fl"},
    {"Label3", "obere Trennfrequenz fgo", "upper cut frequency fu"},
    {"Label7", "Filtervorgabe", "filter selection"},
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Simulation", "&simulation"},
    {"Button3", "&Hilfe", "&help"},
};

constexpr ComponentStepRule kSteps{0.02, true, 0.0001, 100, true, 3};
constexpr ComponentStepRule kC2Steps{0.02, false, 0.0001, 100, true, 3};

constexpr const char* kPresets[] = {"2x6dB (Butterworth)", "2x12dB (Linkwitz)", "2x12dB (Bessel)",
                                    "2x12dB (Butterworth)"};

// Layout: inputs and preset on the left, components in the middle, the buttons on the right;
// the diagram takes the window from its -3 dB markers' row (y = 156) down.
constexpr int kInputX = 8, kCaptionW = 162, kEditW = 64;
constexpr int kPartX = 300, kPartCaptionW = 28, kPartEditW = 96;
constexpr int kButtonX = 555;

}  // namespace

TBP::TBP(QWidget* parent) : FilterDesignerForm(FilterKind::BandPass, "BP", parent) {
  SetHelpTopic("QTX_contents0014");

  const Row z = MakeRow({"Label1", "Impedanz  Z", "Edit1", "4", "Label4", "Ohm"}, kInputX, 8, kCaptionW, kEditW);
  const Row fu = MakeRow({"Label2", "untere Trennfrequenz fgu", "Edit2", "1000", "Label5", "Hz"}, kInputX, 34,
                         kCaptionW, kEditW);
  const Row fo = MakeRow({"Label3", "obere Trennfrequenz fgo", "Edit3", "5000", "Label6", "Hz"}, kInputX, 60,
                         kCaptionW, kEditW);
  Label1 = z.caption, Edit1 = z.edit, Label4 = z.unit;
  Label2 = fu.caption, Edit2 = fu.edit, Label5 = fu.unit;
  Label3 = fo.caption, Edit3 = fo.edit, Label6 = fo.unit;
  UpDown2 = MakeUpDownBeside("UpDown2", Edit2);
  UpDown3 = MakeUpDownBeside("UpDown3", Edit3);

  Label7 = MakeLabel("Label7", kInputX, 86, 200, "Filtervorgabe");
  ComboBox1 = Make<QComboBox>("ComboBox1", this, kInputX, 107, 200, 23);
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  for (const char* preset : kPresets) ComboBox1->addItem(QString::fromUtf8(preset));
  ComboBox1->setCurrentIndex(-1);
  ComboBox1->setEditText(QString::fromUtf8("Steilheit und Güte"));

  const Row l1 = MakeRow({"Label8", "L1", "Edit4", "", "Label10", "mH"}, kPartX, 8, kPartCaptionW, kPartEditW);
  const Row c1 = MakeRow({"Label9", "C1", "Edit5", "", "Label12", "µF"}, kPartX, 34, kPartCaptionW, kPartEditW);
  const Row l2 = MakeRow({"Label11", "L2", "Edit6", "", "Label14", "mH"}, kPartX, 60, kPartCaptionW, kPartEditW);
  const Row c2 = MakeRow({"Label13", "C2", "Edit7", "", "Label15", "µF"}, kPartX, 86, kPartCaptionW, kPartEditW);
  Label8 = l1.caption, Edit4 = l1.edit, Label10 = l1.unit;
  Label9 = c1.caption, Edit5 = c1.edit, Label12 = c1.unit;
  Label11 = l2.caption, Edit6 = l2.edit, Label14 = l2.unit;
  Label13 = c2.caption, Edit7 = c2.edit, Label15 = c2.unit;
  UpDown1 = MakeUpDownBeside("UpDown1", Edit4);
  UpDown4 = MakeUpDownBeside("UpDown4", Edit5);
  UpDown5 = MakeUpDownBeside("UpDown5", Edit6);
  UpDown6 = MakeUpDownBeside("UpDown6", Edit7);
  for (UpDown* u : {UpDown1, UpDown2, UpDown3, UpDown4, UpDown5, UpDown6}) SetHint(u, "Normwerte auf/ab");

  // Ends above the diagram's first row: the -3 dB markers and "10dB/180°" start at 156 and 157.
  Label17 = MakeLabel("Label17", kInputX, 133, 310, "Güten");
  Image1 = MakeCircuit(322, 110, 228,
                       {{true, true, "L1"}, {true, false, "C1"}, {false, true, "L2"}, {false, false, "C2"}});

  Button1 = MakeButton("Button1", kButtonX, 8, "S&chliessen");
  Button2 = MakeButton("Button2", kButtonX, 38, "&Simulation");
  Button3 = MakeButton("Button3", kButtonX, 68, "&Hilfe");
  Button4 = MakeButton("Button4", kButtonX, 98, "&Export");

  BindInputs(Edit1, Edit2, Edit3);
  BindComponent(Component::L1, Edit4);
  BindComponent(Component::C1, Edit5);
  BindComponent(Component::L2, Edit6);
  BindComponent(Component::C2, Edit7);
  BindQualityLabel(Label17);
  connect(Edit1, &QLineEdit::textChanged, this, &TBP::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &TBP::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &TBP::Edit3Change);
  // Every choice of the user recalculates, the preset already shown included, and so does typing
  // into the box, which leaves no entry chosen; an entry selected by the program does not.
  connect(ComboBox1, &QComboBox::activated, this, &TBP::ComboBox1Change);
  connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, &TBP::ComboBox1Change);
  connect(Edit4, &QLineEdit::textChanged, this, &TBP::Edit4Change);
  connect(Edit5, &QLineEdit::textChanged, this, &TBP::Edit5Change);
  connect(Edit6, &QLineEdit::textChanged, this, &TBP::Edit6Change);
  connect(Edit7, &QLineEdit::textChanged, this, &TBP::Edit7Change);
  connect(UpDown1, &UpDown::ChangingEx, this, &TBP::UpDown1ChangingEx);
  connect(UpDown2, &UpDown::ChangingEx, this, &TBP::UpDown2ChangingEx);
  connect(UpDown3, &UpDown::ChangingEx, this, &TBP::UpDown3ChangingEx);
  connect(UpDown4, &UpDown::ChangingEx, this, &TBP::UpDown4ChangingEx);
  connect(UpDown5, &UpDown::ChangingEx, this, &TBP::UpDown5ChangingEx);
  connect(UpDown6, &UpDown::ChangingEx, this, &TBP::UpDown6ChangingEx);
  connect(Button1, &QPushButton::clicked, this, &TBP::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TBP::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TBP::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TBP::Button4Click);
  SetCancelAndDefaultButtons(Button1, nullptr);

  // Selected at creation, before anything is calculated: the edits stay empty until the show.
  {
    const QSignalBlocker blocker(ComboBox1);
    ComboBox1->setCurrentIndex(kBandPassDefaultPreset);
  }
  // The diagram and the cursor read-out are laid out from the outer size.
  DeclareOuterSize({661, 480});
}

std::span<const UiText> TBP::Texts() const { return kTexts; }

int TBP::SelectedPreset() const {
  const int index = ComboBox1->currentIndex();
  if (index < 0 || ComboBox1->currentText() != ComboBox1->itemText(index)) return kNoPresetChosen;
  return index;
}

void TBP::Recalculate() {
  const FilterCalculation calculation = CalcBandPassParts(ZText(), FText(), FoText(), SelectedPreset());
  TakeCalculation(calculation);
  if (!calculation.secondStageEnabled) return;
  const bool on = *calculation.secondStageEnabled;
  for (QWidget* w : std::initializer_list<QWidget*>{Edit6, Edit7, UpDown5, UpDown6, Label11, Label13, Label14, Label15})
    w->setEnabled(on);
}

int TBP::CheckedOrder() const { return SelectedPreset() == kBandPassFirstOrder ? 1 : 2; }

void TBP::RestoreSelection(const FilterRestore& restore) { ComboBox1->setCurrentIndex(restore.presetIndex); }

void TBP::FormShow() {
  ShowPlainCaption();
  Recalculate();
}

void TBP::FormActivate() {
  ActivateAndRestore();
  ShowPlainCaption();
  // The closing recalculation belongs to the restore: run at every return to the window it
  // would replace what the user typed or stepped in the meantime.
  if (FirstActivationSinceShow()) Recalculate();
}

void TBP::UpDown1ChangingEx(UpDownDirection direction) { StepComponent(Component::L1, direction, kSteps); }
void TBP::UpDown4ChangingEx(UpDownDirection direction) { StepComponent(Component::C1, direction, kSteps); }
void TBP::UpDown5ChangingEx(UpDownDirection direction) { StepComponent(Component::L2, direction, kSteps); }
void TBP::UpDown6ChangingEx(UpDownDirection direction) { StepComponent(Component::C2, direction, kC2Steps); }
void TBP::UpDown2ChangingEx(UpDownDirection direction) {
  StepFrequency(Edit2, FrequencyEdit::BandLower, Edit3, direction);
}
void TBP::UpDown3ChangingEx(UpDownDirection direction) {
  StepFrequency(Edit3, FrequencyEdit::BandUpper, Edit2, direction);
}

}  // namespace velomare

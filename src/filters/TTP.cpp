#include "filters/TTP.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "filters/FilterCircuit.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label1", "Impedanz Z", "impedance Z"},
    {"Label2", "Trennfrequenz f", "cut frequency f"},
    {"Label5", "Filterordnung (Flankensteilheit)", "filter order (rise of edge in dB/oct.)"},
    {"phasen", "0,03°-&phasenlinear", "0,03°-&phase linear"},
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Simulation", "&simulation"},
};

constexpr ComponentStepRule kL1Steps{0.02, false, 0.0001, 100, true, 3};
constexpr ComponentStepRule kC1Steps{0.15, true, 0.0001, 1000, true, 3};

// Layout: inputs and order on the left, components and the circuit below them in the middle, the
// buttons on the right; the diagram takes the window from its -3 dB marker's row (y = 195) down.
constexpr int kInputX = 8, kCaptionW = 108, kEditW = 64;
constexpr int kPartX = 300, kPartCaptionW = 28, kPartEditW = 96;
constexpr int kButtonX = 546;

}  // namespace

TTP::TTP(QWidget* parent) : PassDesignerForm(FilterKind::LowPass, "TP", parent) {
  SetHelpTopic("QTX_contents0013");
  SetShowsHints(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, true);

  const Row z = MakeRow({"Label1", "Impedanz Z", "Edit1", "4", "Label3", "Ohm"}, kInputX, 8, kCaptionW, kEditW);
  Label1 = z.caption, Edit1 = z.edit, Label3 = z.unit;
  const Row f = MakeRow({"Label2", "Trennfrequenz f ", "Edit2", "2000", "Label4", "Hz"}, kInputX, 34, kCaptionW, kEditW);
  Label2 = f.caption, Edit2 = f.edit, Label4 = f.unit;
  UpDown5 = MakeUpDownBeside("UpDown5", Edit2);
  SetHint(UpDown5, "Frequenz auf/ab");
  Label5 = MakeOrderControls("Label5", "Filterordnung (pro O. 6dB/Oktave)", {{"&1", "&2", "&3", "&4"}}, kInputX, 62);

  const ComponentColumn parts = MakeComponentColumn({{{{"Label6", "L1", "Edit3", "", "Label10", "mH"}, Component::L1},
                                                     {{"Label7", "C1", "Edit4", "", "Label11", "µF"}, Component::C1},
                                                     {{"Label8", "L2", "Edit5", "", "Label12", "mH"}, Component::L2},
                                                     {{"Label9", "C2", "Edit6", "", "Label13", "µF"}, Component::C2}}},
                                                   kPartX, kPartCaptionW, kPartEditW, 240);
  Label6 = parts.rows[0].caption, Edit3 = parts.rows[0].edit, Label10 = parts.rows[0].unit;
  Label7 = parts.rows[1].caption, Edit4 = parts.rows[1].edit, Label11 = parts.rows[1].unit;
  Label8 = parts.rows[2].caption, Edit5 = parts.rows[2].edit, Label12 = parts.rows[2].unit;
  Label9 = parts.rows[3].caption, Edit6 = parts.rows[3].edit, Label13 = parts.rows[3].unit;
  UpDown1 = parts.firstUpDown, UpDown2 = parts.secondUpDown, Label24 = parts.quality;

  Image1 = MakeCircuit(kPartX, 146, 240,
                       {{true, true, "L1"}, {false, false, "C1"}, {true, true, "L2"}, {false, false, "C2"}});

  Button1 = MakeButton("Button1", kButtonX, 8, "S&chliessen");
  Button2 = MakeButton("Button2", kButtonX, 38, "&Simulation");
  Button3 = MakeButton("Button3", kButtonX, 68, "&Hilfe");
  Button4 = MakeButton("Button4", kButtonX, 98, "&Export");

  BindOrderControls(Button2, Edit4, Edit5, Edit6, UpDown2);
  ConnectInputs(Edit1, Edit2);
  connect(Edit3, &QLineEdit::textChanged, this, &TTP::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &TTP::Edit4Change);
  connect(Edit5, &QLineEdit::textChanged, this, &TTP::Edit5Change);
  connect(Edit6, &QLineEdit::textChanged, this, &TTP::Edit6Change);
  connect(UpDown1, &UpDown::ChangingEx, this, &TTP::UpDown1ChangingEx);
  connect(UpDown2, &UpDown::ChangingEx, this, &TTP::UpDown2ChangingEx);
  connect(UpDown5, &UpDown::ChangingEx, this, &TTP::UpDown5ChangingEx);
  connect(Button1, &QPushButton::clicked, this, &TTP::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TTP::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TTP::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TTP::Button4Click);
  SetCancelAndDefaultButtons(Button1, nullptr);

  // The diagram and the cursor read-out are laid out from the outer size.
  DeclareOuterSize({652, 483});
}

std::span<const UiText> TTP::Texts() const { return kTexts; }

void TTP::FormShow() {
  ReadOptions();
  PassDesignerForm::FormShow();
  CalcLowPassResponse();
}

void TTP::CalcLowPassResponse() {
  tablePending_ = true;
  pendingValues_ = values_;
  pendingFast_ = fastFilter_;
  update();
}

LowPassResponseTable* TTP::ResponseTable() {
  if (tablePending_) {
    tablePending_ = false;
    velomare::CalcLowPassResponse(table_, pendingValues_, pendingFast_);
  }
  return &table_;
}

void TTP::ResponseComponentChange(Component component) {
  ComponentChange(component);
  if (autoFilterSim_) CalcLowPassResponse();
}

void TTP::FormPaint(QPainter& painter) {
  PassDesignerForm::FormPaint(painter);
  ShowFilterQuality();
}

void TTP::UpDown1ChangingEx(UpDownDirection direction) { StepComponent(Component::L1, direction, kL1Steps); }
void TTP::UpDown2ChangingEx(UpDownDirection direction) { StepComponent(Component::C1, direction, kC1Steps); }
void TTP::UpDown5ChangingEx(UpDownDirection direction) {
  StepFrequency(Edit2, FrequencyEdit::Single, nullptr, direction);
}

}  // namespace velomare

#include "filters/THP.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "filters/FilterCircuit.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label1", "Impedanz Z", "impedance Z"},
    {"Label2", "Trennfrequenz f", "cut frequency f"},
    {"Label13", "Filterordnung (Flankensteilheit in dB/Okt.)", "filter order (rise of edge in dB/oct.)"},
    {"phasen", "0,03°-&phasenlinear", "0,03°-&phase linear"},
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Simulation", "&simulation"},
};

constexpr ComponentStepRule kC1Steps{0.5, false, 0.0001, 1000, false, 2};
constexpr ComponentStepRule kL1Steps{0.05, false, 0.001, 100, false, 3};

// Layout: inputs and order on the left, components and the circuit below them in the middle, the
// buttons on the right; the diagram takes the window from its -3 dB marker's row (y = 196) down.
constexpr int kInputX = 8, kCaptionW = 108, kEditW = 64;
constexpr int kPartX = 300, kPartCaptionW = 28, kPartEditW = 96;
constexpr int kButtonX = 594;

}  // namespace

THP::THP(QWidget* parent) : PassDesignerForm(FilterKind::HighPass, "HP", parent) {
  SetHelpTopic("QTX_contents0015");

  const Row z = MakeRow({"Label1", "Impedanz Z", "Edit1", "4", "Label11", "Ohm"}, kInputX, 8, kCaptionW, kEditW);
  Label1 = z.caption, Edit1 = z.edit, Label11 = z.unit;
  const Row f = MakeRow({"Label2", "Trennfrequenz f", "Edit2", "2000", "Label12", "Hz"}, kInputX, 34, kCaptionW, kEditW);
  Label2 = f.caption, Edit2 = f.edit, Label12 = f.unit;
  UpDown3 = MakeUpDownBeside("UpDown3", Edit2);
  Label13 = MakeOrderControls("Label13", "Filterordnung (Flankensteilheit in dB/Okt.)",
                    {{"&1 (6)", "&2 (12)", "&3 (18)", "&4 (24)"}}, kInputX, 62);

  const ComponentColumn parts = MakeComponentColumn({{{{"Label3", "C1", "Edit3", "", "Label7", "µF"}, Component::C1},
                                                     {{"Label4", "L1", "Edit4", "", "Label8", "mH"}, Component::L1},
                                                     {{"Label5", "C2", "Edit5", "", "Label9", "µF"}, Component::C2},
                                                     {{"Label6", "L2", "Edit6", "", "Label10", "mH"}, Component::L2}}},
                                                   kPartX, kPartCaptionW, kPartEditW, 280);
  Label3 = parts.rows[0].caption, Edit3 = parts.rows[0].edit, Label7 = parts.rows[0].unit;
  Label4 = parts.rows[1].caption, Edit4 = parts.rows[1].edit, Label8 = parts.rows[1].unit;
  Label5 = parts.rows[2].caption, Edit5 = parts.rows[2].edit, Label9 = parts.rows[2].unit;
  Label6 = parts.rows[3].caption, Edit6 = parts.rows[3].edit, Label10 = parts.rows[3].unit;
  UpDown1 = parts.firstUpDown, UpDown2 = parts.secondUpDown, Label24 = parts.quality;

  Image1 = MakeCircuit(kPartX, 146, 280,
                       {{true, false, "C1"}, {false, true, "L1"}, {true, false, "C2"}, {false, true, "L2"}});

  Button1 = MakeButton("Button1", kButtonX, 8, "S&chliessen");
  Button2 = MakeButton("Button2", kButtonX, 38, "&Simulation");
  Button3 = MakeButton("Button3", kButtonX, 68, "&Export");
  Button4 = MakeButton("Button4", kButtonX, 98, "&Hilfe");

  BindOrderControls(Button2, Edit4, Edit5, Edit6, UpDown2);
  ConnectInputs(Edit1, Edit2);
  connect(Edit3, &QLineEdit::textChanged, this, &THP::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &THP::Edit4Change);
  connect(Edit5, &QLineEdit::textChanged, this, &THP::Edit5Change);
  connect(Edit6, &QLineEdit::textChanged, this, &THP::Edit6Change);
  connect(UpDown1, &UpDown::ChangingEx, this, &THP::UpDown1ChangingEx);
  connect(UpDown2, &UpDown::ChangingEx, this, &THP::UpDown2ChangingEx);
  connect(UpDown3, &UpDown::ChangingEx, this, &THP::UpDown3ChangingEx);
  connect(Button1, &QPushButton::clicked, this, &THP::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &THP::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &THP::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &THP::Button4Click);
  SetCancelAndDefaultButtons(Button1, Button1);

  // The diagram and the cursor read-out are laid out from the outer size.
  DeclareOuterSize({700, 518});
}

std::span<const UiText> THP::Texts() const { return kTexts; }

void THP::UpDown1ChangingEx(UpDownDirection direction) { StepComponent(Component::C1, direction, kC1Steps); }
void THP::UpDown2ChangingEx(UpDownDirection direction) { StepComponent(Component::L1, direction, kL1Steps); }
void THP::UpDown3ChangingEx(UpDownDirection direction) {
  StepFrequency(Edit2, FrequencyEdit::Single, nullptr, direction);
}

}  // namespace velomare

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

// Layout: inputs and order on the left, components in the middle, the circuit and the buttons
// on the right; the diagram takes the window below y = 210.
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

  const Row c1 = MakeRow({"Label3", "C1", "Edit3", "", "Label7", "µF"}, kPartX, 8, kPartCaptionW, kPartEditW);
  const Row l1 = MakeRow({"Label4", "L1", "Edit4", "", "Label8", "mH"}, kPartX, 36, kPartCaptionW, kPartEditW);
  const Row c2 = MakeRow({"Label5", "C2", "Edit5", "", "Label9", "µF"}, kPartX, 64, kPartCaptionW, kPartEditW);
  const Row l2 = MakeRow({"Label6", "L2", "Edit6", "", "Label10", "mH"}, kPartX, 92, kPartCaptionW, kPartEditW);
  Label3 = c1.caption, Edit3 = c1.edit, Label7 = c1.unit;
  Label4 = l1.caption, Edit4 = l1.edit, Label8 = l1.unit;
  Label5 = c2.caption, Edit5 = c2.edit, Label9 = c2.unit;
  Label6 = l2.caption, Edit6 = l2.edit, Label10 = l2.unit;
  Edit5->setEnabled(false);
  Edit6->setEnabled(false);
  UpDown1 = MakeUpDownBeside("UpDown1", Edit3);
  UpDown2 = MakeUpDownBeside("UpDown2", Edit4);
  SetHint(UpDown1, "Normwerte auf/ab");
  SetHint(UpDown2, "Normwerte auf/ab");
  Label24 = MakeLabel("Label24", kPartX, 124, 280, "Güte Q");

  Image1 = MakeCircuit(kPartX, 146, 280, 58,
                       {{true, false, "C1"}, {false, true, "L1"}, {true, false, "C2"}, {false, true, "L2"}});

  Button1 = MakeButton("Button1", kButtonX, 8, "S&chliessen");
  Button2 = MakeButton("Button2", kButtonX, 38, "&Simulation");
  Button3 = MakeButton("Button3", kButtonX, 68, "&Export");
  Button4 = MakeButton("Button4", kButtonX, 98, "&Hilfe");

  BindComponent(Component::C1, Edit3);
  BindComponent(Component::L1, Edit4);
  BindComponent(Component::C2, Edit5);
  BindComponent(Component::L2, Edit6);
  BindQualityLabel(Label24);
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
  MakeCloseButtonCancel(Button1, true);

  // The diagram and the cursor read-out are laid out from the outer size, designed as 700 x 518;
  // the client area gets that size, as the frame is known only once shown.
  resize(700, 518);
  CentreOnScreen();
}

std::span<const UiText> THP::Texts() const { return kTexts; }

void THP::UpDown1ChangingEx(UpDownDirection direction) { StepComponent(Component::C1, direction, kC1Steps); }
void THP::UpDown2ChangingEx(UpDownDirection direction) { StepComponent(Component::L1, direction, kL1Steps); }
void THP::UpDown3ChangingEx(UpDownDirection direction) {
  StepFrequency(Edit2, FrequencyEdit::Single, nullptr, direction);
}

}  // namespace velomare

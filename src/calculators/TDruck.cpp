#include "calculators/TDruck.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

#include "app/Forms.h"
#include "calculators/Tphondb.h"
#include "calculators/model/MaxSpl.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"RadioGroup1", "Aufstellung aller Boxen", "positioning of all boxes"},
    {"RadioButton1", "frei", "free"},
    {"RadioButton2", "in Wandnähe", "near of a wall"},
    {"RadioButton3", "in der Ecke", "in a corner"},
    {"phondb", "Phon/dB - Hörflächen-Diagramm", "dependence of phon and dB - loudness diagram"},
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Hilfe", "&help"},
    {"Label1", "Kennschalldruck in dB/(1W1m):", "normed SPL in dB in 1m at 1W:"},
    {"Label20", "Kennschalldruck in dB/(1W1m):", "normed SPL in dB in 1m at 1W:"},
    {"Label28", "Kennschalldruck in dB/(1W1m):", "normed SPL in dB in 1m at 1W:"},
    {"Label2", "Leistung eines Chassis", "Power of one speaker"},
    {"Label22", "Leistung eines Chassis", "Power of one speaker"},
    {"Label30", "Leistung eines Chassis", "Power of one speaker"},
    {"Label5", "Anzahl der Chassis", "number of speakers"},
    {"Label24", "Anzahl der Chassis", "number of speakers "},
    {"Label32", "Anzahl der Chassis", "number of speakers "},
    {"Label8", "Entfernung der Chassis", "distance of these speakers"},
    {"Label26", "Entfernung der Chassis", "distance of these speakers"},
    {"Label34", "Entfernung der Chassis", "distance of these speakers"},
    {"Button4", "gleicher Abstand", "same distance"},
    {"Button4", "Alle Typen haben gleichen Abstand", "all speaker types have same distance", UiText::Hint},
    {"GroupBox1", "2. Boxen-Typ", "2nd loudspeaker boxes type"},
    {"GroupBox2", "3. Boxen-Typ", "3rd loudspeaker boxes type"},
    {"CheckBox_2", "2. Boxentyp wird benutzt", "2nd box type will be used"},
    {"CheckBox1", "3. Boxentyp wird benutzt", "3rd box type will be used"},
};

constexpr int kClientWidth = 780, kClientHeight = 482;
// Three columns of equal layout, one per group; group 1 sits on the window without a frame.
constexpr int kColumnWidth = 250, kColumnGap = 8, kColumnTop = 8, kColumnHeight = 230;
constexpr int kInner = 10, kInnerWidth = kColumnWidth - 2 * kInner;
constexpr int kReadoutWidth = 58, kScrollWidth = kInnerWidth - kReadoutWidth - 6;
constexpr int kResultsLeft = kColumnWidth + 2 * kColumnGap, kResultsWidth = kClientWidth - kResultsLeft - kColumnGap;
constexpr int kBottomTop = kColumnTop + kColumnHeight + 10;
constexpr int kPanelHeight = 70, kGaugeHeight = 22;

// The controls of one group, made inside `frame` at the column's inner positions.
struct GroupControls {
  QLabel *sensitivityCaption, *efficiency, *powerCaption, *power, *countCaption, *count, *distanceCaption, *distance;
  QLineEdit* sensitivity;
  QScrollBar *powerBar, *countBar, *distanceBar;
};

}  // namespace

TDruck::TDruck(QWidget* parent) : FormBase(parent) {
  InitForm("Druck", "maximaler Schalldruck", "maximum Sonic Pressure Level");
  SetHelpTopic("QTX_contents0020");

  const auto label = [this](const char* name, QWidget* parent, int x, int y, int w, const char* text = "") {
    QLabel* l = Make<QLabel>(name, parent, x, y, w, 18);
    l->setText(QString::fromUtf8(text));
    return l;
  };
  const auto bar = [this](const char* name, QWidget* parent, int x, int y, int maximum, int position, int page) {
    QScrollBar* b = Make<QScrollBar>(name, parent, x, y, kScrollWidth, 18);
    b->setOrientation(Qt::Horizontal);
    b->setRange(1, maximum);
    b->setSingleStep(1);
    b->setPageStep(page);
    b->setValue(position);
    return b;
  };
  // One column: names in the order sensitivity caption, edit, efficiency, power caption, bar,
  // read-out, count caption, bar, read-out, distance caption, bar, read-out.
  const auto group = [&](QWidget* parent, int left, int top, const char* const names[12]) {
    GroupControls g;
    const int readoutX = left + kScrollWidth + 6;
    g.sensitivityCaption = label(names[0], parent, left, top, kInnerWidth);
    g.sensitivity = Make<QLineEdit>(names[1], parent, left, top + 20, 60, 22);
    g.sensitivity->setText("90");
    g.efficiency = label(names[2], parent, left + 68, top + 22, kInnerWidth - 68, "Wirkungsgrad in %");
    g.powerCaption = label(names[3], parent, left, top + 50, kInnerWidth);
    g.powerBar = bar(names[4], parent, left, top + 70, 1000, 100, 10);
    g.power = label(names[5], parent, readoutX, top + 70, kReadoutWidth, "100 W");
    g.countCaption = label(names[6], parent, left, top + 94, kInnerWidth);
    g.countBar = bar(names[7], parent, left, top + 114, 32, 2, 2);
    g.count = label(names[8], parent, readoutX, top + 114, kReadoutWidth, "2");
    g.distanceCaption = label(names[9], parent, left, top + 138, kInnerWidth);
    g.distanceBar = bar(names[10], parent, left, top + 158, 200, 100, 10);
    g.distance = label(names[11], parent, readoutX, top + 158, kReadoutWidth, "1m");
    return g;
  };

  // Group 1 lines up with the groups in their frames, below their check boxes.
  constexpr int kRowsTop = 46;
  static const char* const kGroup1[12] = {"Label1", "Edit1",      "Label11", "Label2", "scroll",     "Label3",
                                          "Label5", "ScrollBar1", "Label6",  "Label8", "ScrollBar2", "Label9"};
  const GroupControls g1 = group(this, kColumnGap + kInner, kColumnTop + kRowsTop, kGroup1);
  Label1 = g1.sensitivityCaption, Edit1 = g1.sensitivity, Label11 = g1.efficiency, Label2 = g1.powerCaption;
  scroll = g1.powerBar, Label3 = g1.power, Label5 = g1.countCaption, ScrollBar1 = g1.countBar, Label6 = g1.count;
  Label8 = g1.distanceCaption, ScrollBar2 = g1.distanceBar, Label9 = g1.distance;

  GroupBox1 = Make<QGroupBox>("GroupBox1", this, kColumnGap + kColumnWidth + kColumnGap, kColumnTop, kColumnWidth,
                              kColumnHeight);
  CheckBox_2 = Make<QCheckBox>("CheckBox_2", GroupBox1, kInner, 20, kInnerWidth, 20);
  static const char* const kGroup2[12] = {"Label20", "Edit2",      "Label21", "Label22", "ScrollBar3", "Label23",
                                          "Label24", "ScrollBar4", "Label25", "Label26", "ScrollBar5", "Label27"};
  const GroupControls g2 = group(GroupBox1, kInner, kRowsTop, kGroup2);
  Label20 = g2.sensitivityCaption, Edit2 = g2.sensitivity, Label21 = g2.efficiency, Label22 = g2.powerCaption;
  ScrollBar3 = g2.powerBar, Label23 = g2.power, Label24 = g2.countCaption, ScrollBar4 = g2.countBar;
  Label25 = g2.count, Label26 = g2.distanceCaption, ScrollBar5 = g2.distanceBar, Label27 = g2.distance;

  GroupBox2 = Make<QGroupBox>("GroupBox2", this, kColumnGap + 2 * (kColumnWidth + kColumnGap), kColumnTop,
                              kColumnWidth, kColumnHeight);
  CheckBox1 = Make<QCheckBox>("CheckBox1", GroupBox2, kInner, 20, kInnerWidth, 20);
  static const char* const kGroup3[12] = {"Label28", "Edit3",      "Label29", "Label30", "ScrollBar6", "Label31",
                                          "Label32", "ScrollBar7", "Label33", "Label34", "ScrollBar8", "Label35"};
  const GroupControls g3 = group(GroupBox2, kInner, kRowsTop, kGroup3);
  Label28 = g3.sensitivityCaption, Edit3 = g3.sensitivity, Label29 = g3.efficiency, Label30 = g3.powerCaption;
  ScrollBar6 = g3.powerBar, Label31 = g3.power, Label32 = g3.countCaption, ScrollBar7 = g3.countBar;
  Label33 = g3.count, Label34 = g3.distanceCaption, ScrollBar8 = g3.distanceBar, Label35 = g3.distance;

  // The placement: three radio buttons of the window laid over an empty frame.
  RadioGroup1 = Make<QGroupBox>("RadioGroup1", this, kColumnGap, kBottomTop, kColumnWidth, 100);
  RadioButton1 = Make<QRadioButton>("RadioButton1", this, kColumnGap + kInner, kBottomTop + 22, kInnerWidth, 20);
  RadioButton2 = Make<QRadioButton>("RadioButton2", this, kColumnGap + kInner, kBottomTop + 46, kInnerWidth, 20);
  RadioButton3 = Make<QRadioButton>("RadioButton3", this, kColumnGap + kInner, kBottomTop + 70, kInnerWidth, 20);
  RadioButton1->setChecked(true);
  RadioGroup({RadioButton1, RadioButton2, RadioButton3});
  OverlapOnPurpose(RadioGroup1);

  Panel1 = Make<QFrame>("Panel1", this, kResultsLeft, kBottomTop, kResultsWidth, kPanelHeight);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Label4 = Make<QLabel>("Label4", Panel1, 2, 2, kResultsWidth - 4, kPanelHeight - 4);
  Label4->setAlignment(Qt::AlignCenter);
  QFont big(QStringLiteral("Times New Roman"));
  big.setStyleHint(QFont::Serif);
  big.setPixelSize(48);
  big.setBold(true);
  Label4->setFont(big);
  Label4->setText("110,0 dB");

  const int gaugeTop = kBottomTop + kPanelHeight + 10;
  Gauge = Make<BarGauge>("Gauge", this, kResultsLeft, gaugeTop, kResultsWidth, kGaugeHeight);
  Gauge->SetRange(MaxSplResult::kBarMinimum, MaxSplResult::kBarMaximum);
  Gauge->SetValue(160);
  // The scale under the bar, centred on its marks.
  struct ScaleMark {
    const char* name;
    int level;
  };
  constexpr ScaleMark kScale[] = {{"Label19", 90},  {"Label13", 100}, {"Label17", 110}, {"Label15", 120},
                                  {"Label14", 130}, {"Label16", 140}, {"Label18", 150}, {"Label12", 160}};
  QLabel** scaleLabels[] = {&Label19, &Label13, &Label17, &Label15, &Label14, &Label16, &Label18, &Label12};
  for (int i = 0; i < 8; ++i) {
    const double share = double(kScale[i].level - MaxSplResult::kBarMinimum) /
                         (MaxSplResult::kBarMaximum - MaxSplResult::kBarMinimum);
    const int centre = kResultsLeft + 2 + int(share * (kResultsWidth - 4));
    const QString text = QString::number(kScale[i].level) + "dB";
    *scaleLabels[i] = label(kScale[i].name, this, centre - 24, gaugeTop + kGaugeHeight + 2, 48);
    (*scaleLabels[i])->setText(text);
    (*scaleLabels[i])->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }

  QFont bold = font();
  bold.setBold(true);
  const int textsTop = gaugeTop + kGaugeHeight + 28;
  Label7 = label("Label7", this, kResultsLeft, textsTop, kResultsWidth, "Leistung aller Chassis ");
  Label7->setFont(bold);
  Label10 = label("Label10", this, kResultsLeft, textsTop + 24, kResultsWidth, "Schalldruck, Lautheit");
  Label10->setFont(bold);

  const int buttonsTop = kClientHeight - 36;
  Button4 = Make<QPushButton>("Button4", this, kColumnGap, kBottomTop + 110, kColumnWidth, 28);
  Button3 = Make<QPushButton>("Button3", this, kColumnGap, buttonsTop, 120, 28);
  Button3->setText("Phon/dB ?");
  Button2 = Make<QPushButton>("Button2", this, kClientWidth - kColumnGap - 2 * 120 - 8, buttonsTop, 120, 28);
  Button1 = Make<QPushButton>("Button1", this, kClientWidth - kColumnGap - 120, buttonsTop, 120, 28);
  SetCancelAndDefaultButtons(Button1, Button1);

  // Typing, assigning a text from code, scrolling and setting a position all recompute alike.
  connect(Edit1, &QLineEdit::textChanged, this, &TDruck::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &TDruck::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &TDruck::Edit3Change);
  connect(scroll, &QScrollBar::valueChanged, this, &TDruck::scrollChange);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &TDruck::ScrollBar1Change);
  connect(ScrollBar2, &QScrollBar::valueChanged, this, &TDruck::ScrollBar2Change);
  connect(ScrollBar3, &QScrollBar::valueChanged, this, &TDruck::ScrollBar3Change);
  connect(ScrollBar4, &QScrollBar::valueChanged, this, &TDruck::ScrollBar4Change);
  connect(ScrollBar5, &QScrollBar::valueChanged, this, &TDruck::ScrollBar5Change);
  connect(ScrollBar6, &QScrollBar::valueChanged, this, &TDruck::ScrollBar6Change);
  connect(ScrollBar7, &QScrollBar::valueChanged, this, &TDruck::ScrollBar7Change);
  connect(ScrollBar8, &QScrollBar::valueChanged, this, &TDruck::ScrollBar8Change);
  // A radio button reacts when it becomes the selected one, by a click or from code.
  connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton1Click(); });
  connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton2Click(); });
  connect(RadioButton3, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton3Click(); });
  connect(CheckBox_2, &QCheckBox::toggled, this, &TDruck::CheckBox_2Click);
  connect(CheckBox1, &QCheckBox::toggled, this, &TDruck::CheckBox1Click);
  connect(Button1, &QPushButton::clicked, this, &TDruck::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TDruck::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TDruck::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TDruck::Button4Click);

  SetFixedClientSize(kClientWidth, kClientHeight);
  CentreOnScreen();

  RefreshLanguage();
  // The driver is read here only; later drivers arrive through the driver-data window's OK.
  if (const auto prefill = PrefillSensitivity(ChassisFs, ChassisVas, ChassisQes))
    Edit1->setText(QString::fromStdString(*prefill));
  DisableGroup2();
  DisableGroup3();
  // The results always match the inputs shown, also when the driver gave no sensitivity and the
  // edit keeps its first text.
  ComputeMaxSpl();
}

std::span<const UiText> TDruck::Texts() const { return kTexts; }

void TDruck::ApplyCustomText(const char* control, const QString& text) {
  if (QLatin1String(control) == QLatin1String("phondb") && forms::phondb && forms::phondb->windowTitle() != text)
    forms::phondb->setWindowTitle(text);
}

void TDruck::FormPaint(QPainter&) { UpdateSameDistanceButton(); }

void TDruck::SetGroup2Enabled(bool on) {
  for (QWidget* w : std::initializer_list<QWidget*>{Edit2, ScrollBar3, ScrollBar4, ScrollBar5}) w->setEnabled(on);
}

void TDruck::SetGroup3Enabled(bool on) {
  for (QWidget* w : std::initializer_list<QWidget*>{Edit3, ScrollBar6, ScrollBar7, ScrollBar8}) w->setEnabled(on);
}

void TDruck::UpdateSameDistanceButton() { Button4->setEnabled(CheckBox1->isChecked() || CheckBox_2->isChecked()); }

void TDruck::CheckBox_2Click() {
  SetGroup2Enabled(CheckBox_2->isChecked());
  UpdateSameDistanceButton();
  ComputeMaxSpl();
}

void TDruck::CheckBox1Click() {
  SetGroup3Enabled(CheckBox1->isChecked());
  UpdateSameDistanceButton();
  ComputeMaxSpl();
}

void TDruck::Button4Click() {
  if (CheckBox_2->isChecked())
    ScrollBar5->setValue(ScrollBar2->value());
  else
    DisableGroup2();
  if (CheckBox1->isChecked())
    ScrollBar8->setValue(ScrollBar2->value());
  else
    DisableGroup3();
}

void TDruck::Button3Click() {
  if (!forms::phondb) return;
  if (forms::phondb->isVisible())
    forms::phondb->hide();
  else
    forms::phondb->ShowForm();
}

void TDruck::Button1Click() { hide(); }

void TDruck::Button2Click() { ShowHelpTopic(); }

void TDruck::ShowGatedState() {
  Label4->setVisible(false);
  Gauge->SetValue(MaxSplResult::kBarEmpty);
  SetTextIfChanged(Label10, "-");
}

void TDruck::ComputeMaxSpl() {
  MaxSplInput in;
  const QLineEdit* edits[3] = {Edit1, Edit2, Edit3};
  const QScrollBar* bars[3][3] = {{scroll, ScrollBar1, ScrollBar2}, {ScrollBar3, ScrollBar4, ScrollBar5},
                                  {ScrollBar6, ScrollBar7, ScrollBar8}};
  for (int i = 0; i < 3; ++i) {
    in.groups[i].sensitivity = edits[i]->text().toStdString();
    in.groups[i].power = bars[i][0]->value();
    in.groups[i].count = bars[i][1]->value();
    in.groups[i].distanceTenths = bars[i][2]->value();
  }
  in.group2Used = CheckBox_2->isChecked();
  in.group3Used = CheckBox1->isChecked();
  in.placement = RadioButton2->isChecked()   ? Placement::NearWall
                 : RadioButton3->isChecked() ? Placement::Corner
                                             : Placement::Free;
  in.english = IsEnglish();
  const MaxSplResult r = velomare::ComputeMaxSpl(in);

  QLabel* readouts[3][4] = {{Label11, Label3, Label6, Label9},
                            {Label21, Label23, Label25, Label27},
                            {Label29, Label31, Label33, Label35}};
  for (int i = 0; i < 3; ++i) {
    SetTextIfChanged(readouts[i][0], r.groups[i].efficiency);
    SetTextIfChanged(readouts[i][1], r.groups[i].power);
    SetTextIfChanged(readouts[i][2], r.groups[i].count);
    SetTextIfChanged(readouts[i][3], r.groups[i].distance);
  }
  SetTextIfChanged(Label7, r.powerText);
  if (!r.levelShown) return ShowGatedState();
  Gauge->SetValue(r.barValue);
  Gauge->SetBarColour(QColor(r.barColour.red, r.barColour.green, r.barColour.blue));
  SetTextIfChanged(Label4, r.totalText);
  Label4->setVisible(true);
  SetTextIfChanged(Label10, r.pressureText);
}

}  // namespace velomare

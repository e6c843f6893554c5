#include "filters/TDampfform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "common/Settings.h"
#include "filters/model/AttenuatorPad.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Hilfe", "&help"},
    {"Button3", "&Drucken", "&print"},
    {"Button4", "Leistungswert aus Abschätzung übernehmen", "use value of power estimation", UiText::Hint},
    {"Label1", "Lautsprecher-Impedanz (in Ohm) :", "loudspeaker impedance (in ohms) :"},
    {"Label2", "abgegebene Leistung (in Watt) :", "received tweeter power (in W) :"},
    {"Label7", "relative Leistung nach den Widerständen", "relative power after both resistors"},
    {"Label9", "neue relative Gesamtleistung mit R3", "new relative total power with R3"},
    {"Label11", "Gesamtleistung (W) ", "total input power (W)"},
    {"CheckBox1", "Spektrum mit Filter (hinter Weiche)", "spectrum with filter (crossover)"},
    {"GroupBox1", "Abschätzung der Leistung", "estimating of power"},
    {"GroupHP", "Hochpass", "high pass"},
    {"GroupTP", "Tiefpass", "low pass"},
    {"RadioHP1", "kein", "nothing"},
    {"RadioTP1", "kein", "nothing"},
    {"RadioHP2", "1.O. (6dB/Okt)", "1st o. (6dB/Okt)"},
    {"RadioTP2", "1.O. (6dB/Okt)", "1st o. (6dB/Okt)"},
    {"RadioHP3", "2.O. (12dB/Okt)", "2nd o. (12dB/Okt)"},
    {"RadioTP3", "2.O. (12dB/Okt)", "2nd o. (12dB/Okt)"},
    {"RadioHP4", "3.O. (18dB/Okt)", "3rd o. (18dB/Okt)"},
    {"RadioTP4", "3.O. (18dB/Okt)", "3rd o. (18dB/Okt)"},
    {"RadioHP5", "4.O. (24dB/Okt)", "4th o. (24dB/Okt)"},
    {"RadioTP5", "4.O. (24dB/Okt)", "4th o. (24dB/Okt)"},
};

constexpr int kClientWidth = 627, kClientHeight = 509;

// The estimate group across the top.
constexpr int kGroupWidth = 625, kGroupHeight = 265;
constexpr int kFilterTop = 46, kFilterWidth = 148, kFilterHeight = 150;
constexpr int kRadioTop = kGroupBoxFirstRow, kRadioPitch = 19, kRadioWidth = 118;
// The bars: 24 in a row, the scale on their left, every second band named under them.
constexpr int kBarsLeft = 366, kBarPitch = 10, kBarWidth = 8, kBarsTop = 26, kBarsHeight = 168;
constexpr int kScaleLeft = 316, kScaleWidth = 40;
// Delphi's named colours of the groups of four bands: red, olive, yellow, green, blue, fuchsia.
const QColor kBarColours[6] = {QColor(255, 0, 0), QColor(128, 128, 0), QColor(255, 255, 0),
                               QColor(0, 128, 0), QColor(0, 0, 255),   QColor(255, 0, 255)};
constexpr const char* kAxisTexts[12] = {"32", "63", "125", "250", "500", "1k", "2k", "4k", "8k", "16k", "32k", "64k"};

// The pad below it.
constexpr int kLowerTop = 272, kLeft = 8, kLeftWidth = 300;
constexpr int kPictureLeft = 318, kPictureWidth = 300, kPictureHeight = 77;
constexpr int kPanelTop = 302, kPanelHeight = 58;

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void PadCircuitPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(rect(), Qt::white);
  p.setPen(QPen(Qt::black, 1));
  QFont f = font();
  f.setPixelSize(11);
  p.setFont(f);

  // A resistor as an upright box (vertical) or a lying box (horizontal), named beside it.
  const auto resistorH = [&](int x, int y, const char* name) {
    p.drawRect(x, y - 5, 28, 10);
    p.drawText(QRect(x, y - 20, 28, 14), Qt::AlignCenter, QString::fromLatin1(name));
  };
  const auto resistorV = [&](int x, int y, const char* name) {
    p.drawRect(x - 5, y, 10, 26);
    p.drawText(QRect(x + 7, y + 6, 24, 14), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(name));
  };
  // A loudspeaker: the magnet as a small box, the cone opening to the right.
  const auto speaker = [&](int x, int yTop, int yBottom) {
    const int yc = (yTop + yBottom) / 2;
    p.drawRect(x, yc - 7, 6, 14);
    const QPoint cone[4] = {QPoint(x + 6, yc - 7), QPoint(x + 16, yc - 15), QPoint(x + 16, yc + 15),
                            QPoint(x + 6, yc + 7)};
    p.drawPolygon(cone, 4);
    p.drawLine(x + 3, yTop, x + 3, yc - 7);
    p.drawLine(x + 3, yc + 7, x + 3, yBottom);
  };
  const auto terminal = [&](int x, int y) { p.drawEllipse(QPoint(x, y), 2, 2); };

  const int top = 20, bottom = 66;
  // The L-pad.
  terminal(8, top);
  terminal(8, bottom);
  p.drawLine(10, top, 30, top);
  resistorH(30, top, "R1");
  p.drawLine(58, top, 130, top);
  p.drawLine(10, bottom, 130, bottom);
  p.drawLine(80, top, 80, top + 10);
  resistorV(80, top + 10, "R2");
  p.drawLine(80, top + 36, 80, bottom);
  p.drawLine(130, top, 130, top + 6);
  p.drawLine(130, bottom - 6, 130, bottom);
  speaker(127, top + 6, bottom - 6);
  p.drawText(QRect(112, bottom - 14, 14, 12), Qt::AlignCenter, QStringLiteral("Z"));

  // The series resistor alone.
  const int x0 = 170;
  terminal(x0, top);
  terminal(x0, bottom);
  p.drawLine(x0 + 2, top, x0 + 30, top);
  resistorH(x0 + 30, top, "R3");
  p.drawLine(x0 + 58, top, x0 + 100, top);
  p.drawLine(x0 + 2, bottom, x0 + 100, bottom);
  p.drawLine(x0 + 100, top, x0 + 100, top + 6);
  p.drawLine(x0 + 100, bottom - 6, x0 + 100, bottom);
  speaker(x0 + 97, top + 6, bottom - 6);
  p.drawText(QRect(x0 + 82, bottom - 14, 14, 12), Qt::AlignCenter, QStringLiteral("Z"));

  p.setPen(QColor(128, 128, 128));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

TDampfform::TDampfform(QWidget* parent) : FormBase(parent) {
  InitForm("Dampfform", "Dämpfungsglied", "attenuator (pad)");
  SetHelpTopic("QTX_contents0018");

  const auto label = [this](const char* name, QWidget* parent, int x, int y, int w, const char* text) {
    QLabel* l = Make<QLabel>(name, parent, x, y, w, 18);
    l->setText(QString::fromUtf8(text));
    return l;
  };

  // The estimate.
  GroupBox1 = Make<QGroupBox>("GroupBox1", this, 1, 1, kGroupWidth, kGroupHeight);
  GroupBox1->setTitle(QString::fromUtf8("Abschätzung der Leistung"));
  GroupBox1->installEventFilter(this);
  Label11 = label("Label11", GroupBox1, kLeft, kGroupBoxFirstRow, 136, "Gesamtleistung (W) ");
  Edit3 = Make<QLineEdit>("Edit3", GroupBox1, kLeft + 140, kGroupBoxFirstRow, 70, 22);
  Edit3->setText("80");

  // A filter group: its title and the five orders, "kein" to the fourth order.
  const auto filterGroup = [this](const char* name, int x, const char* title, const char* const radioNames[5],
                                  QRadioButton** radios[5], int checked) {
    QGroupBox* group = Make<QGroupBox>(name, GroupBox1, x, kFilterTop, kFilterWidth, kFilterHeight);
    group->setTitle(title);
    for (int row = 0; row < 5; ++row)
      *radios[row] = Make<QRadioButton>(radioNames[row], group, 6, kRadioTop + row * kRadioPitch, kRadioWidth, 18);
    (*radios[checked])->setChecked(true);
    RadioGroup({*radios[0], *radios[1], *radios[2], *radios[3], *radios[4]});
    return group;
  };
  static const char* const kHighPassNames[5] = {"RadioHP1", "RadioHP2", "RadioHP3", "RadioHP4", "RadioHP5"};
  QRadioButton** highPass[5] = {&RadioHP1, &RadioHP2, &RadioHP3, &RadioHP4, &RadioHP5};
  GroupHP = filterGroup("GroupHP", kLeft, "Hochpass", kHighPassNames, highPass, 2);
  static const char* const kLowPassNames[5] = {"RadioTP1", "RadioTP2", "RadioTP3", "RadioTP4", "RadioTP5"};
  QRadioButton** lowPass[5] = {&RadioTP1, &RadioTP2, &RadioTP3, &RadioTP4, &RadioTP5};
  GroupTP = filterGroup("GroupTP", kLeft + kFilterWidth + 6, "Tiefpass", kLowPassNames, lowPass, 0);

  const auto cutoffBar = [this](const char* name, QGroupBox* group, int position) {
    QScrollBar* b = Make<QScrollBar>(name, group, kFilterWidth - 22, kRadioTop, 16, 104);
    b->setOrientation(Qt::Vertical);
    b->setRange(0, kBandCount - 1);
    b->setSingleStep(1);
    b->setPageStep(1);
    b->setValue(position);
    return b;
  };
  ScrollBar3 = cutoffBar("ScrollBar3", GroupHP, 11);
  ScrollBar2 = cutoffBar("ScrollBar2", GroupTP, 20);
  // Until the first move the labels show what they were designed with.
  fgu = label("fgu", GroupHP, kFilterWidth - 66, kFilterHeight - 24, 60, "2,0KHz");
  fgo = label("fgo", GroupTP, kFilterWidth - 66, kFilterHeight - 24, 60, "90Hz");
  for (QLabel* l : {fgu, fgo}) {
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setToolTip("fg");
  }

  CheckBox1 = Make<QCheckBox>("CheckBox1", GroupBox1, kLeft, kFilterTop + kFilterHeight + 4, 310, 20);
  CheckBox1->setText("Spektrum mit Filter (hinter Weiche)");
  CheckBox1->setChecked(true);
  ComboBox1 = Make<QComboBox>("ComboBox1", GroupBox1, kLeft, kFilterTop + kFilterHeight + 28, 230, 24);
  ComboBox1->setEditable(true);
  // Typing in the list's edit field never adds an entry.
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  for (int entry = 0; entry < kBuiltInSpectrumCount; ++entry)
    ComboBox1->addItem(QString::fromUtf8(BuiltInSpectrumName(entry, false)));
  ComboBox1->addItem(QString::fromLatin1(kDanceSpectrumName));

  Label29 = Make<QLabel>("Label29", GroupBox1, kLeft + 240, kFilterTop + kFilterHeight + 31, kGroupWidth - kLeft - 248,
                         18);
  QFont bold = font();
  bold.setBold(true);
  Label29->setFont(bold);
  Label29->setText("Prozent");
  Label29->setToolTip("click!");
  Label29->setCursor(Qt::PointingHandCursor);
  Label29->installEventFilter(this);

  for (int i = 0; i < kBandCount; ++i) {
    const QByteArray name = "spec" + QByteArray::number(i + 1);
    BarGauge* g = Make<BarGauge>(name.constData(), GroupBox1, kBarsLeft + i * kBarPitch, kBarsTop, kBarWidth,
                                 kBarsHeight);
    g->SetVertical(true);
    g->SetRange(0, 40);
    g->SetBarColour(kBarColours[i / 4]);
    g->setToolTip(QString::fromUtf8(BandHint(i + 1)));
    spec[i] = g;
  }
  QFont small = font();
  small.setPixelSize(9);
  QLabel** scale[5] = {&Label12, &Label13, &Label14, &Label15, &Label16};
  constexpr const char* kScaleNames[5] = {"Label12", "Label13", "Label14", "Label15", "Label16"};
  constexpr const char* kScaleTexts[5] = {"0dB", "-10dB", "-20dB", "-30dB", "-40dB"};
  for (int i = 0; i < 5; ++i) {
    const int y = kBarsTop + 2 + i * (kBarsHeight - 4) / 4;
    QLabel* l = Make<QLabel>(kScaleNames[i], GroupBox1, kScaleLeft, y - 7, kScaleWidth, 14);
    l->setFont(small);
    l->setText(kScaleTexts[i]);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    *scale[i] = l;
  }
  for (int i = 0; i < 12; ++i) {
    const QByteArray name = "Label" + QByteArray::number(17 + i);
    const int centre = kBarsLeft + 2 * i * kBarPitch + kBarWidth / 2;
    QLabel* l = Make<QLabel>(name.constData(), GroupBox1, centre - kBarPitch, kBarsTop + kBarsHeight + 2,
                             2 * kBarPitch, 14);
    l->setFont(small);
    l->setText(kAxisTexts[i]);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    axisLabels[i] = l;
  }

  // The pad.
  Button1 = Make<QPushButton>("Button1", this, kLeft, kLowerTop, 96, 26);
  Button3 = Make<QPushButton>("Button3", this, kLeft + 102, kLowerTop, 96, 26);
  Button2 = Make<QPushButton>("Button2", this, kLeft + 204, kLowerTop, 96, 26);
  Button1->setText("S&chliessen");
  Button3->setText("&Drucken");
  Button2->setText("&Hilfe");
  Image1 = Make<PadCircuitPicture>("Image1", this, kPictureLeft, kLowerTop - 2, kPictureWidth, kPictureHeight);

  Panel1 = Make<QFrame>("Panel1", this, kLeft, kPanelTop, kLeftWidth, kPanelHeight);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Label1 = label("Label1", Panel1, 6, 6, 206, "Lautsprecher-Impedanz (in Ohm) : ");
  Edit1 = Make<QLineEdit>("Edit1", Panel1, 214, 4, 52, 22);
  Edit1->setText("8");
  Label2 = label("Label2", Panel1, 6, 32, 206, "abgegebene Leistung (in Watt) : ");
  Edit2 = Make<QLineEdit>("Edit2", Panel1, 214, 30, 52, 22);
  Edit2->setText("10");
  Button4 = Make<QPushButton>("Button4", Panel1, 270, 30, 24, 22);
  Button4->setText("<");

  Label3 = label("Label3", this, kLeft, kPanelTop + kPanelHeight + 6, kLeftWidth, "Dämpfung (in dB) :");
  ScrollBar1 = Make<QScrollBar>("ScrollBar1", this, kLeft, kPanelTop + kPanelHeight + 26, kLeftWidth, 18);
  ScrollBar1->setOrientation(Qt::Horizontal);
  ScrollBar1->setRange(1, 300);
  ScrollBar1->setSingleStep(1);
  ScrollBar1->setPageStep(10);
  ScrollBar1->setValue(10);

  // One line each under the picture, as wide as the picture: at 16 ohm, 100 kW and 30 dB the R3
  // line reads "R3 = 489.96 Ohm, 3062.28 W (96837.7W)", two thirds of it.
  const int resistorsTop = kLowerTop - 2 + kPictureHeight + 2;
  constexpr int kResistorRow = 15;
  QFont resistorFont = font();
  resistorFont.setPixelSize(10);
  QLabel** resistorLines[4] = {&Label4, &Label5, &Label6, &Label30};
  constexpr const char* kResistorNames[4] = {"Label4", "Label5", "Label6", "Label30"};
  constexpr const char* kResistorTexts[4] = {"Widerstand R1", "Widerstand R2", "Widerstand R3", "Z neu="};
  for (int row = 0; row < 4; ++row) {
    QLabel* l = label(kResistorNames[row], this, kPictureLeft, resistorsTop + row * kResistorRow, kPictureWidth,
                      kResistorTexts[row]);
    l->resize(kPictureWidth, kResistorRow);
    l->setFont(resistorFont);
    *resistorLines[row] = l;
  }

  const int linesTop = kPanelTop + kPanelHeight + 52;
  Label10 = label("Label10", this, kLeft, linesTop, kClientWidth - 2 * kLeft, "Ueff=, Ieff=");
  Label8 = label("Label8", this, kLeft, linesTop + 20, kClientWidth - 2 * kLeft, "Pneu");
  const int gaugesTop = linesTop + 46;
  Label7 = label("Label7", this, kLeft, gaugesTop + 2, 250, "relative Leistung nach den Widerständen");
  Gauge1 = Make<BarGauge>("Gauge1", this, kLeft + 254, gaugesTop, kClientWidth - 2 * kLeft - 254, 20);
  Label9 = label("Label9", this, kLeft, gaugesTop + 28, 250, "neue relative Gesamtleistung mit R3");
  Gauge3 = Make<BarGauge>("Gauge3", this, kLeft + 254, gaugesTop + 26, kClientWidth - 2 * kLeft - 254, 20);
  for (BarGauge* g : {Gauge1, Gauge3}) {
    g->SetRange(0, 100);
    g->SetValue(50);
    g->SetBarColour(Qt::black);
    g->SetShowPercent(true);
  }

  // Typing, assigning a text from code, scrolling and setting a position all recompute alike.
  connect(Edit1, &QLineEdit::textChanged, this, &TDampfform::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &TDampfform::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &TDampfform::Edit3Change);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &TDampfform::ScrollBar1Change);
  connect(ScrollBar2, &QScrollBar::valueChanged, this, &TDampfform::ScrollBar2Change);
  connect(ScrollBar3, &QScrollBar::valueChanged, this, &TDampfform::ScrollBar3Change);
  for (QRadioButton* r : {RadioHP1, RadioHP2, RadioHP3, RadioHP4, RadioHP5, RadioTP1, RadioTP2, RadioTP3, RadioTP4,
                          RadioTP5})
    connect(r, &QRadioButton::toggled, this, [this](bool on) { if (on) FilterClick(); });
  connect(CheckBox1, &QCheckBox::toggled, this, &TDampfform::CheckBox1Click);
  connect(ComboBox1, &QComboBox::activated, this, &TDampfform::ComboBox1Change);
  connect(Button1, &QPushButton::clicked, this, &TDampfform::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TDampfform::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TDampfform::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TDampfform::Button4Click);
  // The close button is the window's cancel and default button: Esc and Enter press it.
  SetCancelAndDefaultButtons(Button1, Button1);

  SetFixedClientSize(kClientWidth, kClientHeight);
  CentreOnScreen();

  InitSpectrum();
  EstimatePower();
  ShowSpectrumBars();
}

std::span<const UiText> TDampfform::Texts() const { return kTexts; }

int TDampfform::HighPassOrder() const {
  const QRadioButton* r[5] = {RadioHP1, RadioHP2, RadioHP3, RadioHP4, RadioHP5};
  for (int i = 0; i < 5; ++i)
    if (r[i]->isChecked()) return i;
  return 0;
}

int TDampfform::LowPassOrder() const {
  const QRadioButton* r[5] = {RadioTP1, RadioTP2, RadioTP3, RadioTP4, RadioTP5};
  for (int i = 0; i < 5; ++i)
    if (r[i]->isChecked()) return i;
  return 0;
}

void TDampfform::ComputeLPad() {
  const std::string impedance = Edit1->text().toStdString();
  const std::string power = Edit2->text().toStdString();
  const LPadResult r = velomare::ComputeLPad({impedance, power, ScrollBar1->value(), IsEnglish()});
  if (r.Label3) SetTextIfChanged(Label3, *r.Label3);
  SetTextIfChanged(Label4, r.Label4);
  SetTextIfChanged(Label5, r.Label5);
  SetTextIfChanged(Label6, r.Label6);
  if (r.Label30) SetTextIfChanged(Label30, *r.Label30);
  if (r.Label10) SetTextIfChanged(Label10, *r.Label10);
  SetTextIfChanged(Label8, r.Label8);
  Gauge1->SetValue(r.Gauge1);
  if (r.Gauge3) Gauge3->SetValue(*r.Gauge3);
}

void TDampfform::InitSpectrum() {
  spectrumChoice_ = kDefaultSpectrumEntry;
  ComboBox1->setCurrentIndex(spectrumChoice_);
  spectrumPower_ = BuiltInSpectrum(spectrumChoice_);
}

void TDampfform::EstimatePower() {
  const std::string total = Edit3->text().toStdString();
  EstimateInput in;
  in.spectrum = spectrumPower_;
  in.totalPower = total;
  in.highPassOrder = HighPassOrder();
  in.highPassPosition = ScrollBar3->value();
  in.lowPassOrder = LowPassOrder();
  in.lowPassPosition = ScrollBar2->value();
  in.english = IsEnglish();
  estimate_ = velomare::EstimatePower(in);
  if (estimate_.estimatedPower) estimatedPower_ = *estimate_.estimatedPower;
  SetTextIfChanged(Label29, estimate_.Label29);
}

void TDampfform::ShowSpectrumBars() {
  const BandLevels bars = SpectrumBarValues(CheckBox1->isChecked() ? estimate_.filteredLevel : estimate_.level);
  for (int i = 0; i < kBandCount; ++i) spec[i]->SetValue(bars[i]);
}

void TDampfform::SetComboItem(int entry, const QString& text) {
  if (ComboBox1->itemText(entry) != text) ComboBox1->setItemText(entry, text);
}

void TDampfform::SelectSpectrumChoice() {
  if (ComboBox1->currentIndex() != spectrumChoice_) ComboBox1->setCurrentIndex(spectrumChoice_);
}

void TDampfform::LoadSpectrum() {
  userSpectrum_ = LoadUserSpectrum(OpenSettings());
  SetComboItem(kUserSpectrumEntry, QString::fromStdString(userSpectrum_.name));
}

void TDampfform::SaveSpectrum() {
  platform::IniFile ini = OpenSettings();
  const SpectrumSaveResult saved = SaveUserSpectrum(ini);
  userSpectrum_ = saved.spectrum;
  SetComboItem(kUserSpectrumEntry, QString::fromStdString(userSpectrum_.name));
  if (saved.outcome == SpectrumSave::Failed) {
    const QString path = QString::fromStdString(SettingsFilePath());
    platform::ShowMessage(this, IsEnglish()
                                    ? QString("The spectrum could not be saved in the settings file %1.").arg(path)
                                    : QString::fromUtf8("Das Spektrum konnte nicht in der Einstellungsdatei %1 "
                                                        "gespeichert werden.")
                                          .arg(path));
  }
}

void TDampfform::RefreshFromSettings() {
  if (refreshing_) return;
  refreshing_ = true;
  RefreshLanguage();
  LoadSpectrum();
  ComputeLPad();
  ApplyLanguage();
  SelectSpectrumChoice();
  EstimatePower();
  refreshing_ = false;
}

void TDampfform::FormShow() {
  RefreshLanguage();
  const bool english = IsEnglish();
  for (int entry = 0; entry < kBuiltInSpectrumCount; ++entry)
    SetComboItem(entry, QString::fromUtf8(BuiltInSpectrumName(entry, english)));
  SelectSpectrumChoice();
  RefreshFromSettings();
}

void TDampfform::FormActivate() { RefreshFromSettings(); }

void TDampfform::FormClose() { SaveSpectrum(); }

bool TDampfform::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == Label29) Label29Click();
    if (watched == GroupBox1) GroupBox1Click();
  }
  return FormBase::eventFilter(watched, event);
}

void TDampfform::PadInputChange() {
  ComputeLPad();
  RefreshFromSettings();
}

void TDampfform::EstimateInputChange() {
  EstimatePower();
  ShowSpectrumBars();
  RefreshFromSettings();
}

void TDampfform::ScrollBar3Change() {
  SetTextIfChanged(fgu, BandLabel(CutoffBandOfPosition(ScrollBar3->value())));
  EstimateInputChange();
}

void TDampfform::ScrollBar2Change() {
  SetTextIfChanged(fgo, BandLabel(CutoffBandOfPosition(ScrollBar2->value())));
  EstimateInputChange();
}

void TDampfform::CheckBox1Click() {
  ShowSpectrumBars();
  RefreshFromSettings();
}

void TDampfform::ComboBox1Change(int entry) {
  ComboBox1->setEditText(QString());
  if (entry >= 0 && entry < kBuiltInSpectrumCount) {
    spectrumChoice_ = entry;
    spectrumPower_ = BuiltInSpectrum(entry);
  } else if (entry == kUserSpectrumEntry) {
    spectrumChoice_ = entry;
    spectrumPower_ = userSpectrum_.power;
  }
  EstimatePower();
  ShowSpectrumBars();
  RefreshFromSettings();
}

void TDampfform::Label29Click() { Edit2->setText(Q(EstimateForPowerField(estimatedPower_))); }

void TDampfform::Button4Click() {
  Label29Click();
  // Selecting an entry by code never applies it; only the user's choice does. The entry's name
  // comes back into the edit field that the choice emptied.
  ComboBox1->setCurrentIndex(spectrumChoice_);
  ComboBox1->setEditText(ComboBox1->itemText(spectrumChoice_));
}

void TDampfform::Button1Click() { close(); }

void TDampfform::Button2Click() { ShowHelpTopic(); }

void TDampfform::Button3Click() { ConfirmAndPrintForm(); }

}  // namespace velomare

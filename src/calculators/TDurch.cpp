#include "calculators/TDurch.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "calculators/model/PortCalc.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/ReflexTuning.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

// Set by the minimum-diameter calculation, and only when its inputs are valid: after a change of
// language with invalid inputs these keep the previous language.
constexpr UiText kDiameterTexts[] = {
    {"", "erweiterte Rohrberechnungen", "advanced tube calculation"},
    {"GroupBox1", "minimaler Rohrdurchmesser pro Chassis", "minimum tube diameter per speaker"},
    {"GroupBox2", "Rohrlängentransformation", "tube length transformation"},
    {"GroupBox3", "Rohr-Tunnel-Umrechnung", "tube / tunnel transformation"},
    {"Button1", "S&chliessen", "&close"},
    {"Label1", "max. lin. Membranauslenkung Xmax (mm)", "maximum lin. membrane lifting Xmax (mm)"},
    {"Label1", "z.B. Hub= 10mm, dann Xmax= +-5mm, Eintragen: 5mm", "e.g. lifting = 10mm then Xmax = +- 5mm, input 5mm",
     UiText::Hint},
    {"Label4", "Abstimm- Tuning-Frequenz fb (Hz)", "tuning (resonance) frequency fb (Hz) "},
    {"Label6", "wenn Auslenkung unbekannt, gilt annähernd:", "if Xmax unknown, use following estimation:"},
    {"Label9", "nominal berechnete Länge (cm)", "nominal calculated length (cm)"},
    {"Label9", "frei ins Gehäuse ragend, außen bündig", "one side free-standing, one side flush-mounted", UiText::Hint},
    {"Label10", "Innendurchmesser (cm)", "inner diameter (cm)"},
    {"Label13", "Rohrdurchmesser (cm)", "diameter of tube (cm)"},
    {"Label14", "Tunnelbreite (cm)", "width of tunnel (cm)"},
    {"Label15", "Tunnelhöhe (cm)", "height of tunnel (cm)"},
    {"Label21", "Anzahl Reflexrohre", "tube number"},
    {"Label22", "Anzahl Reflexrohre", "tube number"},
    {"Label23", "Anzahl Reflexrohre", "tube number"},
    {"Label30", "Anzahl Reflexrohre", "tube number"},
    {"Label27", "Anzahl Tunnel", "tunnel number"},
    {"CheckBox1", "mit Luftsäulen-Korrektur", "with air-column correction"},
    {"RadioButton1", "vorgegebenes Rohr", "given tube"},
    {"RadioButton2", "vorgegebener Tunnel", "given tunnel"},
    {"RadioButton3", "vorgegebener Querschnitt", "given cross-section"},
};

// Set by the length conversion at every run.
constexpr UiText kLengthTexts[] = {
    {"GroupBox4", "Rohrlängen-Umrechnung", "tube length re-calculation"},
    {"Label18", "vorgegebener Durchmesser (cm)", "given diameter (cm)"},
    {"Label17", "vorgegebene Länge (cm) ", "given length (cm) "},
    {"Label19", "gewünschter Durchmesser (cm)", "desired diameter (cm) "},
    {"Label16", "gewünschter Querschnitt (qcm)", "cross-section (sqcm) "},
};

// Where the form's own first texts differ from the German ones the calculations set.
struct FirstText {
  const char* control;
  const char* text;
};
constexpr FirstText kFirstTexts[] = {
    {"GroupBox1", "minimaler Rohrinnendurchmesser pro Chassis"},
    {"Label1", "max. Membranauslenkung Xmax (mm)"},
    {"Label4", "Abstimmfrequenz fb in Hz"},
    {"Label9", "berechnete Länge (cm)"},
    {"Label30", "Anzahl Rohre"},
    {"Label16", "Querschnittsfläche A (qcm)"},
};

constexpr int kClientWidth = 592, kClientHeight = 527;
constexpr int kMargin = 8, kBoxWidth = kClientWidth - 2 * kMargin, kInner = 10;
constexpr int kRow = 24, kEditHeight = 21, kTextHeight = 17, kEditWidth = 48;

double Read(const QLineEdit* edit) { return ReadNumber(edit->text().toStdString()); }

}  // namespace

TDurch::TDurch(QWidget* parent) : FormBase(parent) {
  // The captions are the calculations' to set, so the form takes no caption pair of its own.
  setObjectName(QStringLiteral("Durch"));
  setWindowTitle(QStringLiteral("minimaler Rohrdurchmesser pro Chassis"));
  SetHelpTopic("QTX_contents0021");

  const auto label = [this](const char* name, QWidget* parent, int x, int y, int w, int h = kTextHeight) {
    return Make<QLabel>(name, parent, x, y + (kEditHeight - kTextHeight) / 2, w, h);
  };
  const auto edit = [this](const char* name, QWidget* parent, int x, int y, const char* text) {
    QLineEdit* e = Make<QLineEdit>(name, parent, x, y, kEditWidth, kEditHeight);
    e->setText(QString::fromUtf8(text));
    return e;
  };
  const auto bar = [this](const char* name, QWidget* parent, int x, int y, int w) {
    QScrollBar* b = Make<QScrollBar>(name, parent, x, y + 2, w, 17);
    b->setOrientation(Qt::Horizontal);
    b->setRange(1, 8);
    b->setSingleStep(1);
    b->setPageStep(1);
    b->setValue(1);
    return b;
  };
  QFont bold = font();
  bold.setBold(true);

  // Minimum diameter: the inputs on the left, the rules of thumb on the right, the results below.
  constexpr int kHalf = kBoxWidth / 2, kInputsRight = kHalf + 20;
  constexpr int kCaption1 = kInputsRight - kInner - kEditWidth - 8;
  int y = kMargin;
  GroupBox1 = Make<QGroupBox>("GroupBox1", this, kMargin, y, kBoxWidth, 160);
  Label1 = label("Label1", GroupBox1, kInner, 20, kCaption1);
  Edit1 = edit("Edit1", GroupBox1, kInputsRight - kEditWidth - 4, 20, "5");
  Label4 = label("Label4", GroupBox1, kInner, 20 + kRow, kCaption1);
  Label4->setCursor(Qt::PointingHandCursor);
  Edit2 = edit("Edit2", GroupBox1, kInputsRight - kEditWidth - 4, 20 + kRow, "30");
  Label21 = label("Label21", GroupBox1, kInner, 20 + 2 * kRow, 120);
  ScrollBar1 = bar("ScrollBar1", GroupBox1, kInner + 124, 20 + 2 * kRow, kCaption1 - 124);
  Label26 = label("Label26", GroupBox1, kInputsRight - kEditWidth - 4, 20 + 2 * kRow, kEditWidth);
  Label26->setText("1");
  // The rules of thumb wrap onto a second line where they need it.
  constexpr int kRulesLeft = kInputsRight + 12, kRulesWidth = kBoxWidth - kRulesLeft - kInner;
  Label6 = Make<QLabel>("Label6", GroupBox1, kRulesLeft, 20, kRulesWidth, 2 * kTextHeight);
  Label6->setFont(bold);
  Label6->setWordWrap(true);
  Label8 = Make<QLabel>("Label8", GroupBox1, kRulesLeft, 20 + 2 * kTextHeight + 6, kRulesWidth, 2 * kTextHeight);
  Label7 = Make<QLabel>("Label7", GroupBox1, kRulesLeft, 20 + 4 * kTextHeight + 12, kRulesWidth, 2 * kTextHeight);
  Label8->setWordWrap(true);
  Label7->setWordWrap(true);
  constexpr int kResultsTop = 20 + 3 * kRow + 10, kResultsWidth = kRulesLeft - kInner - 8;
  Label5 = Make<QLabel>("Label5", GroupBox1, kInner, kResultsTop, kResultsWidth, kTextHeight);
  Label2 = Make<QLabel>("Label2", GroupBox1, kInner, kResultsTop + 18, kResultsWidth, kTextHeight);
  Label3 = Make<QLabel>("Label3", GroupBox1, kInner, kResultsTop + 36, kResultsWidth, kTextHeight);
  Label2->setText("min. d");
  Label3->setText("di");
  Label5->setText("Vd ");

  // Port-length transformation: the inputs on the left, the two lengths to their right.
  y += GroupBox1->height() + 5;
  constexpr int kCaption2 = 178, kResults2 = kInner + kCaption2 + kEditWidth + 16;
  GroupBox2 = Make<QGroupBox>("GroupBox2", this, kMargin, y, kBoxWidth, 74);
  Label9 = label("Label9", GroupBox2, kInner, 20, kCaption2);
  Edit3 = edit("Edit3", GroupBox2, kInner + kCaption2 + 4, 20, "20");
  Label10 = label("Label10", GroupBox2, kInner, 20 + kRow, kCaption2);
  Edit4 = edit("Edit4", GroupBox2, kInner + kCaption2 + 4, 20 + kRow, "8");
  Label11 = label("Label11", GroupBox2, kResults2, 20, kBoxWidth - kResults2 - kInner);
  Label12 = label("Label12", GroupBox2, kResults2, 20 + kRow, kBoxWidth - kResults2 - kInner);

  // Tube/tunnel conversion: the three choices on top, tubes on the left, tunnels on the right.
  y += GroupBox2->height() + 5;
  constexpr int kCaption3 = 190, kCountCaption = 104;
  GroupBox3 = Make<QGroupBox>("GroupBox3", this, kMargin, y, kBoxWidth, 116);
  RadioButton1 = Make<QRadioButton>("RadioButton1", GroupBox3, kInner, kGroupBoxFirstRow, 180, 20);
  RadioButton2 = Make<QRadioButton>("RadioButton2", GroupBox3, kInner + 190, kGroupBoxFirstRow, 180, 20);
  RadioButton3 = Make<QRadioButton>("RadioButton3", GroupBox3, kInner + 380, kGroupBoxFirstRow, kBoxWidth - kInner - 390, 20);
  RadioGroup({RadioButton1, RadioButton2, RadioButton3});
  RadioButton1->setChecked(true);
  const int tubeEditX = kInner + kCaption3 + 4;
  Label13 = label("Label13", GroupBox3, kInner, 42, kCaption3);
  Edit5 = edit("Edit5", GroupBox3, tubeEditX, 42, "8");
  Label30 = label("Label30", GroupBox3, kInner, 42 + kRow, kCountCaption);
  ScrollBar5 = bar("ScrollBar5", GroupBox3, kInner + kCountCaption + 4, 42 + kRow, kCaption3 - kCountCaption - 8);
  Label29 = label("Label29", GroupBox3, tubeEditX, 42 + kRow, kEditWidth);
  Label29->setText("1");
  Label16 = label("Label16", GroupBox3, kInner, 42 + 2 * kRow, kCaption3);
  Edit9 = edit("Edit9", GroupBox3, tubeEditX, 42 + 2 * kRow, "50,3");
  const int tunnelX = kHalf + 6, tunnelEditX = tunnelX + kCaption3 + 4;
  Label14 = label("Label14", GroupBox3, tunnelX, 42, kCaption3);
  Edit6 = edit("Edit6", GroupBox3, tunnelEditX, 42, "10");
  Label15 = label("Label15", GroupBox3, tunnelX, 42 + kRow, kCaption3);
  Edit7 = edit("Edit7", GroupBox3, tunnelEditX, 42 + kRow, "10");
  Label27 = label("Label27", GroupBox3, tunnelX, 42 + 2 * kRow, kCountCaption);
  ScrollBar4 = bar("ScrollBar4", GroupBox3, tunnelX + kCountCaption + 4, 42 + 2 * kRow, kCaption3 - kCountCaption - 8);
  Label28 = label("Label28", GroupBox3, tunnelEditX, 42 + 2 * kRow, kEditWidth);
  Label28->setText("1");
  Edit7->setEnabled(false);
  Edit9->setEnabled(false);

  // Length conversion: the given port on the left, the desired one on the right of the arrow.
  y += GroupBox3->height() + 5;
  constexpr int kCaption4 = 194;
  GroupBox4 = Make<QGroupBox>("GroupBox4", this, kMargin, y, kBoxWidth, 110);
  const int givenEditX = kInner + kCaption4 + 4;
  Label18 = label("Label18", GroupBox4, kInner, 20, kCaption4);
  VorgabeD = edit("VorgabeD", GroupBox4, givenEditX, 20, "8,0");
  Label17 = label("Label17", GroupBox4, kInner, 20 + kRow, kCaption4);
  VorgabeL = edit("VorgabeL", GroupBox4, givenEditX, 20 + kRow, "14,5");
  Label22 = label("Label22", GroupBox4, kInner, 20 + 2 * kRow, kCountCaption);
  ScrollBar2 = bar("ScrollBar2", GroupBox4, kInner + kCountCaption + 4, 20 + 2 * kRow, kCaption4 - kCountCaption - 8);
  Label24 = label("Label24", GroupBox4, givenEditX, 20 + 2 * kRow, kEditWidth);
  Label24->setText("1");
  Pfeil = Make<QLabel>("Pfeil", GroupBox4, givenEditX + kEditWidth + 8, 34, 22, 30);
  QFont arrow = bold;
  arrow.setPixelSize(24);
  Pfeil->setFont(arrow);
  QPalette red = Pfeil->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  Pfeil->setPalette(red);
  Pfeil->setText(">");
  Pfeil->setAlignment(Qt::AlignCenter);
  Pfeil->setCursor(Qt::PointingHandCursor);
  const int desiredX = givenEditX + kEditWidth + 38, desiredEditX = kBoxWidth - kInner - kEditWidth;
  const int desiredCaption = desiredEditX - desiredX - 4;
  Label19 = label("Label19", GroupBox4, desiredX, 20, desiredCaption);
  Edit8 = edit("Edit8", GroupBox4, desiredEditX, 20, "7,5");
  Label23 = label("Label23", GroupBox4, desiredX, 20 + kRow, kCountCaption);
  ScrollBar3 = bar("ScrollBar3", GroupBox4, desiredX + kCountCaption + 4, 20 + kRow,
                   desiredEditX - desiredX - kCountCaption - 12);
  Label25 = label("Label25", GroupBox4, desiredEditX, 20 + kRow, kEditWidth);
  Label25->setText("1");
  CheckBox1 = Make<QCheckBox>("CheckBox1", GroupBox4, desiredX, 20 + 2 * kRow, kBoxWidth - desiredX - kInner, 20);
  CheckBox1->setChecked(true);
  Label20 = label("Label20", GroupBox4, desiredX, 20 + 3 * kRow - 4, kBoxWidth - desiredX - kInner);
  Label20->setFont(bold);
  Label20->setText(QString::fromUtf8("notwendige Länge in cm"));

  const int buttonsTop = kClientHeight - kMargin - 26;
  Button2 = Make<QPushButton>("Button2", this, kClientWidth - kMargin - 2 * 110 - 8, buttonsTop, 110, 26);
  Button2->setText("&Hilfe");
  Button1 = Make<QPushButton>("Button1", this, kClientWidth - kMargin - 110, buttonsTop, 110, 26);
  SetCancelAndDefaultButtons(Button1, Button1);

  // The form's own first texts: the German ones the calculations set, except where it differs.
  ApplyTextTable(kDiameterTexts, false);
  ApplyTextTable(kLengthTexts, false);
  setWindowTitle(QStringLiteral("minimaler Rohrdurchmesser pro Chassis"));
  for (const FirstText& first : kFirstTexts) {
    const QString text = QString::fromUtf8(first.text);
    QObject* target = findChild<QObject*>(QString::fromLatin1(first.control));
    if (auto* l = qobject_cast<QLabel*>(target)) l->setText(text);
    if (auto* g = qobject_cast<QGroupBox*>(target)) g->setTitle(text);
  }

  connect(Edit1, &QLineEdit::textChanged, this, &TDurch::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &TDurch::Edit2Change);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &TDurch::ScrollBar1Change);
  connect(Edit3, &QLineEdit::textChanged, this, &TDurch::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &TDurch::Edit4Change);
  connect(VorgabeD, &QLineEdit::textChanged, this, &TDurch::VorgabeDChange);
  connect(VorgabeL, &QLineEdit::textChanged, this, &TDurch::VorgabeLChange);
  connect(Edit8, &QLineEdit::textChanged, this, &TDurch::Edit8Change);
  connect(CheckBox1, &QCheckBox::toggled, this, &TDurch::CheckBox1Click);
  connect(ScrollBar2, &QScrollBar::valueChanged, this, &TDurch::ScrollBar2Change);
  connect(ScrollBar3, &QScrollBar::valueChanged, this, &TDurch::ScrollBar3Change);
  connect(Edit5, &QLineEdit::textChanged, this, &TDurch::Edit5Change);
  connect(Edit6, &QLineEdit::textChanged, this, &TDurch::Edit6Change);
  connect(Edit7, &QLineEdit::textChanged, this, &TDurch::Edit7Change);
  connect(Edit9, &QLineEdit::textChanged, this, &TDurch::Edit9Change);
  connect(ScrollBar4, &QScrollBar::valueChanged, this, &TDurch::ScrollBar4Change);
  connect(ScrollBar5, &QScrollBar::valueChanged, this, &TDurch::ScrollBar5Change);
  // A radio button reacts when it becomes the selected one, by a click or from code.
  connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton1Click(); });
  connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton2Click(); });
  connect(RadioButton3, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton3Click(); });
  connect(Button1, &QPushButton::clicked, this, &TDurch::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TDurch::Button2Click);
  Label4->installEventFilter(this);
  Pfeil->installEventFilter(this);

  SetFixedClientSize(kClientWidth, kClientHeight);
  CentreOnScreen();
}

void TDurch::ComputePortDiameter() {
  const bool english = IsEnglish();
  const PortDiameterResult r =
      velomare::ComputePortDiameter(Read(Edit1), Read(Edit2), ScrollBar1->value(), ChassisDia);
  const PortDiameterTexts t = PortDiameterTextsOf(r, english);
  if (r.valid) {
    ApplyTextTable(kDiameterTexts, english);
  } else {
    SetTextIfChanged(Label4, "fb ");
  }
  SetTextIfChanged(Label2, t.minimum);
  SetTextIfChanged(Label3, t.recommended);
  SetTextIfChanged(Label5, t.displacement);
  SetTextIfChanged(Label7, t.fifth);
  SetTextIfChanged(Label8, t.tenth);
}

void TDurch::TransformPortLength() {
  const PortLengthTexts t = velomare::TransformPortLength(Read(Edit3), Read(Edit4), IsEnglish());
  SetTextIfChanged(Label11, t.bothFlush);
  SetTextIfChanged(Label12, t.bothFree);
}

void TDurch::ConvertPortLength() {
  ApplyTextTable(kLengthTexts, IsEnglish());
  const std::optional<double> length = velomare::ConvertPortLength(
      Read(VorgabeD), Read(VorgabeL), ScrollBar2->value(), Read(Edit8), ScrollBar3->value(), CheckBox1->isChecked());
  SetTextIfChanged(Label20, ConvertPortLengthText(length, IsEnglish()));
}

void TDurch::ConvertTubeTunnel() {
  const bool english = IsEnglish();
  TubeTunnelInput in;
  in.given = RadioButton2->isChecked()   ? TubeTunnelGiven::Tunnel
             : RadioButton3->isChecked() ? TubeTunnelGiven::CrossSection
                                         : TubeTunnelGiven::Tube;
  in.tubeDiameter = Read(Edit5);
  in.tunnelWidth = Read(Edit6);
  in.tunnelHeight = Read(Edit7);
  in.area = Read(Edit9);
  in.tunnels = ScrollBar4->value();
  in.tubes = ScrollBar5->value();
  SetTextIfChanged(Label28, std::to_string(in.tunnels));
  SetTextIfChanged(Label29, std::to_string(in.tubes));
  const TubeTunnelResult r = velomare::ConvertTubeTunnel(in);
  // Each write may run this routine again, nested; the nested run writes the same texts.
  switch (in.given) {
    case TubeTunnelGiven::Tube:
      SetTextIfChanged(Edit7, PortNumberText(r.tunnelHeight, english));
      SetTextIfChanged(Edit9, PortNumberText(r.area, english));
      break;
    case TubeTunnelGiven::Tunnel:
      SetTextIfChanged(Edit5, PortNumberText(r.tubeDiameter, english));
      SetTextIfChanged(Edit9, PortNumberText(r.area, english));
      break;
    case TubeTunnelGiven::CrossSection:
      SetTextIfChanged(Edit5, PortNumberText(r.tubeDiameter, english));
      SetTextIfChanged(Edit7, PortNumberText(r.tunnelHeight, english));
      break;
  }
}

void TDurch::TakeReflexTuning() { SetTextIfChanged(Edit2, TakenTuningText(ReflexTuningFrequency(), IsEnglish())); }

void TDurch::ScrollBar1Change() {
  SetTextIfChanged(Label26, std::to_string(ScrollBar1->value()));
  ComputePortDiameter();
}

void TDurch::ScrollBar2Change() {
  SetTextIfChanged(Label24, std::to_string(ScrollBar2->value()));
  ConvertPortLength();
}

void TDurch::ScrollBar3Change() {
  SetTextIfChanged(Label25, std::to_string(ScrollBar3->value()));
  ConvertPortLength();
}

void TDurch::RadioButton1Click() {
  Edit5->setEnabled(true);
  Edit7->setEnabled(false);
  Edit9->setEnabled(false);
  ConvertTubeTunnel();
}

void TDurch::RadioButton2Click() {
  Edit7->setEnabled(true);
  Edit5->setEnabled(false);
  Edit9->setEnabled(false);
  ConvertTubeTunnel();
}

void TDurch::RadioButton3Click() {
  Edit9->setEnabled(true);
  Edit5->setEnabled(false);
  Edit7->setEnabled(false);
  ConvertTubeTunnel();
}

void TDurch::PfeilClick() {
  ownMessageOpen_ = true;
  platform::ShowMessage(this, QString::fromUtf8(Lang("nominale Länge (Einbaulage einseitig eben)",
                                                     "nominal length (one side flat with box)")));
  ownMessageOpen_ = false;
  // The box hands the activation back to this window when it closes, perhaps only after it returned.
  returnFromOwnMessage_ = !isActiveWindow();
}

void TDurch::FormPaint(QPainter&) {
  ComputePortDiameter();
  TransformPortLength();
  ConvertTubeTunnel();
  ConvertPortLength();
}

void TDurch::FormActivate() {
  if (ownMessageOpen_) return;
  if (returnFromOwnMessage_) {
    returnFromOwnMessage_ = false;
    return;
  }
  TakeReflexTuning();
}

void TDurch::hideEvent(QHideEvent* event) {
  returnFromOwnMessage_ = false;
  FormBase::hideEvent(event);
}

bool TDurch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == Label4) Label4Click();
    if (watched == Pfeil) PfeilClick();
  }
  return FormBase::eventFilter(watched, event);
}

}  // namespace velomare

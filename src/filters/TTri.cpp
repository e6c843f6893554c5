#include "filters/TTri.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string>

#include "common/NumberText.h"
#include "common/Settings.h"
#include "platform/Platform.h"
#include "platform/UpDown.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Hilfe", "&help"},
    {"Button3", "&Simulieren", "&simulation"},
    {"Label1", "Subwoofer-Impedanz in Ohm", "impedance of subwoofer (ohm)"},
    {"Label2", "Satelliten-Impedanz in Ohm", "impedanz of satellites (ohm)"},
    {"Label3", "Trennfrequenz fg in Hertz", "cut frequency fg (Hz)"},
    {"Label5", "Hochpass C2, C3 (µF)", "high pass C2, C3 (µF)"},
    {"Label6", "Tiefpass C1 (µF)", "low pass C1 (µF)"},
    {"Label7", "Tiefpass L (mH)", "low pass L (mH)"},
    {"Buttonsingle", "einzeln", "single"},
    {"Buttonsumme", "Summe", "sum"},
};

const QColor kCurveColour(0, 0, 255);

std::string Std(const QLineEdit* e) { return e->text().toStdString(); }

}  // namespace

void TriCircuitPicture::Draw(QPainter& p) {
  QFont font = p.font();
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);

  constexpr int kTerminal = 14, kSatellite = 110, kCap = 60;
  const auto terminal = [&](int y, const char* sign) {
    p.drawEllipse(QPoint(kTerminal, y), 3, 3);
    p.drawText(1, y + 4, QString::fromLatin1(sign));
  };
  const auto seriesCapacitor = [&](int y, const char* name) {
    p.drawLine(kCap - 3, y - 8, kCap - 3, y + 8);
    p.drawLine(kCap + 3, y - 8, kCap + 3, y + 8);
    p.drawText(kCap - 7, y - 11, QString::fromLatin1(name));
  };
  const auto speaker = [&](int x, int top, int bottom, const char* name) {
    p.drawLine(x, top, x, top + 3);
    p.drawRect(x - 5, top + 3, 10, bottom - top - 6);
    p.drawLine(x, bottom - 3, x, bottom);
    p.drawText(x - 16, (top + bottom) / 2 + 4, QStringLiteral("Z"));
    p.drawText(x + 9, (top + bottom) / 2 + 4, QString::fromUtf8(name));
  };
  // One satellite per input pair, minus above plus.
  for (const auto& [minus, plus, cap] : {std::tuple{14, 44, "C2"}, std::tuple{84, 114, "C3"}}) {
    terminal(minus, "-");
    terminal(plus, "+");
    p.drawLine(kTerminal + 3, minus, kSatellite, minus);
    p.drawLine(kTerminal + 3, plus, kCap - 3, plus);
    p.drawLine(kCap + 3, plus, kSatellite, plus);
    seriesCapacitor(plus, cap);
    speaker(kSatellite, minus, plus, "Satellit");
  }
  // The subwoofer: L from the first pair's plus, C1 across, back to the second pair's minus.
  constexpr int kNode = 36, kTop = 58, kBottom = 84, kC1 = 182, kSub = 222;
  p.setBrush(Qt::black);
  p.drawEllipse(QPoint(kNode, 44), 2, 2);
  p.drawEllipse(QPoint(kC1, kTop), 2, 2);
  p.drawEllipse(QPoint(kC1, kBottom), 2, 2);
  p.drawEllipse(QPoint(kSatellite, kBottom), 2, 2);
  p.setBrush(Qt::NoBrush);
  p.drawLine(kNode, 44, kNode, kTop);
  p.drawLine(kNode, kTop, 134, kTop);
  for (int k = 0; k < 4; ++k) p.drawArc(QRect(134 + 8 * k, kTop - 5, 8, 10), 0, 180 * 16);
  p.drawText(146, kTop - 8, QStringLiteral("L"));
  p.drawLine(166, kTop, kSub, kTop);
  p.drawLine(kSatellite, kBottom, kSub, kBottom);
  p.drawLine(kC1, kTop, kC1, 68);
  p.drawLine(kC1 - 10, 68, kC1 + 10, 68);
  p.drawLine(kC1 - 10, 74, kC1 + 10, 74);
  p.drawLine(kC1, 74, kC1, kBottom);
  p.drawText(kC1 - 30, 76, QStringLiteral("C1"));
  p.drawLine(kSub, kTop, kSub, kTop + 1);
  speaker(kSub, kTop, kBottom, "");
  p.drawText(kSub + 9, 75, QStringLiteral("Subwoofer"));
}

TTri::TTri(QWidget* parent) : FormBase(parent) {
  // The caption is the window's own: the activation and the cursor read-out write it.
  InitForm("Tri", nullptr, nullptr);
  setWindowTitle(QString::fromUtf8(TrimodePlainCaption(false)));
  SetUsesColorScheme(true);
  SetHelpTopic("QTX_contents0016");

  Image1 = Make<TriCircuitPicture>("Image1", this, 382, 4, TriCircuitPicture::kWidth, TriCircuitPicture::kHeight);

  constexpr int kLabelWidth = 190, kEditX = 200, kEditWidth = 70, kRow = 21, kUpDownX = kEditX + kEditWidth + 1;
  const auto label = [this](const char* name, int x, int y, int w, const char* text) {
    QLabel* l = Make<QLabel>(name, this, x, y, w, 16);
    l->setText(QString::fromUtf8(text));
    return l;
  };
  const auto edit = [this](const char* name, int y, const char* text) {
    QLineEdit* e = Make<QLineEdit>(name, this, kEditX, y, kEditWidth, kRow);
    e->setText(QString::fromUtf8(text));
    return e;
  };
  Label1 = label("Label1", 8, 10, kLabelWidth, "Subwoofer-Impedanz in Ohm");
  Label2 = label("Label2", 8, 36, kLabelWidth, "Satelliten-Impedanz in Ohm");
  Label3 = label("Label3", 8, 62, kLabelWidth, "Trennfrequenz fg in Hertz");
  Label7 = label("Label7", 8, 88, kLabelWidth, "Tiefpass L (mH)");
  Label6 = label("Label6", 8, 114, kLabelWidth, "Tiefpass C1 (µF)");
  Label5 = label("Label5", 8, 140, kLabelWidth, "Hochpass C2, C3 (µF)");
  Edit1 = edit("Edit1", 8, "8");
  Edit2 = edit("Edit2", 34, "4");
  Edit3 = edit("Edit3", 60, "100");
  Edit4 = edit("Edit4", 86, "");
  Edit5 = edit("Edit5", 112, "");
  Edit6 = edit("Edit6", 138, "");
  UpDown1 = Make<UpDown>("UpDown1", this, kUpDownX, 60, 17, kRow);
  UpDown2 = Make<UpDown>("UpDown2", this, kUpDownX, 86, 17, kRow);
  UpDown3 = Make<UpDown>("UpDown3", this, kUpDownX, 112, 17, kRow);
  UpDown4 = Make<UpDown>("UpDown4", this, kUpDownX, 138, 17, kRow);

  constexpr int kReadoutWidth = 560;
  Label4 = label("Label4", 8, 164, kReadoutWidth, "untere Grenzfrequenz des Hochpasses (1.O.)");
  Label8 = label("Label8", 8, 181, kReadoutWidth, "obere Grenzfrequenz des Tiefpasses (2.O.)");

  const auto button = [this](const char* name, int x, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, x, 138, 96, 23);
    b->setText(QString::fromUtf8(text));
    return b;
  };
  Button3 = button("Button3", 382, "&Simulieren");
  Button1 = button("Button1", 484, "S&chliessen");
  Button2 = button("Button2", 586, "&Hilfe");
  Buttonsingle = Make<QRadioButton>("Buttonsingle", this, 586, 163, 96, 17);
  Buttonsingle->setText(QStringLiteral("einzeln"));
  Buttonsingle->setChecked(true);
  Buttonsumme = Make<QRadioButton>("Buttonsumme", this, 586, 180, 96, 17);
  Buttonsumme->setText(QStringLiteral("Summe"));
  RadioGroup({Buttonsingle, Buttonsumme});

  connect(Edit1, &QLineEdit::textChanged, this, &TTri::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &TTri::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &TTri::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &TTri::Edit4Change);
  connect(Edit5, &QLineEdit::textChanged, this, &TTri::Edit5Change);
  connect(Edit6, &QLineEdit::textChanged, this, &TTri::Edit6Change);
  connect(UpDown1, &UpDown::ChangingEx, this, &TTri::UpDown1ChangingEx);
  connect(UpDown2, &UpDown::ChangingEx, this, &TTri::UpDown2ChangingEx);
  connect(UpDown3, &UpDown::ChangingEx, this, &TTri::UpDown3ChangingEx);
  connect(UpDown4, &UpDown::ChangingEx, this, &TTri::UpDown4ChangingEx);
  connect(Buttonsingle, &QRadioButton::clicked, this, &TTri::ButtonsingleClick);
  connect(Buttonsumme, &QRadioButton::clicked, this, &TTri::ButtonsummeClick);
  connect(Button1, &QPushButton::clicked, this, &TTri::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TTri::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TTri::Button3Click);

  setMouseTracking(true);
  FormCreate();
  // The diagram and the cursor read-out are laid out from the outer size.
  DeclareOuterSize(kDesignedOuterSize);
}

std::span<const UiText> TTri::Texts() const { return kTexts; }

void TTri::FormCreate() { saveFilter_ = false; }

void TTri::ComputeTrimode() {
  const TrimodeDesign d = velomare::ComputeTrimode(Std(Edit1), Std(Edit2), Std(Edit3));
  // All values first, then the texts: each text change re-reads its value from the text and
  // writes the read-outs, so the high-pass read-out after a new low pass must already find the
  // new satellite capacitor, not the previous design's.
  values_ = d.values;
  if (d.values.lsub > 0 || d.values.csub > 0) {
    SetTextIfChanged(Edit5, d.csubText);
    SetTextIfChanged(Edit4, d.lsubText);
  } else {
    SetTextIfChanged(Edit4, "");
    SetTextIfChanged(Edit5, "");
  }
  SetTextIfChanged(Edit6, d.values.csat > 0 ? d.csatText : std::string());
  diagramRequested_ = false;
  levels_ = ComputeTrimodeLevels(values_);
  update();
}

void TTri::TrimodeInfoText() {
  const TrimodeInfo info = velomare::TrimodeInfoText(values_, IsEnglish());
  SetTextIfChanged(Label4, info.label4);
  SetTextIfChanged(Label8, info.label8);
  const QString hint = QString::fromStdString(info.label8Hint);
  if (Label8->toolTip() != hint) Label8->setToolTip(hint);
}

void TTri::ComponentChanged() {
  diagramRequested_ = false;
  TrimodeInfoText();
  levels_ = ComputeTrimodeLevels(values_);
  update();
}

void TTri::Edit4Change() {
  values_.lsub = ReadNumber(Std(Edit4));
  ComponentChanged();
}

void TTri::Edit5Change() {
  values_.csub = ReadNumber(Std(Edit5));
  ComponentChanged();
}

void TTri::Edit6Change() {
  values_.csat = ReadNumber(Std(Edit6));
  ComponentChanged();
}

void TTri::Step(QLineEdit* edit, UpDownDirection direction, const ComponentStepRule& rule) {
  if (const auto text = StepComponentText(Std(edit), direction, rule)) SetTextIfChanged(edit, *text);
}

void TTri::UpDown1ChangingEx(UpDownDirection direction) {
  if (const auto text = StepTrimodeFrequencyText(Std(Edit3), direction)) SetTextIfChanged(Edit3, *text);
}
void TTri::UpDown2ChangingEx(UpDownDirection direction) { Step(Edit4, direction, kTrimodeLsubSteps); }
void TTri::UpDown3ChangingEx(UpDownDirection direction) { Step(Edit5, direction, kTrimodeCsubSteps); }
void TTri::UpDown4ChangingEx(UpDownDirection direction) { Step(Edit6, direction, kTrimodeCsatSteps); }

void TTri::Button3Click() {
  diagramRequested_ = true;
  update();
}

void TTri::FormShow() {
  RefreshLanguage();
  ComputeTrimode();
  TrimodeInfoText();
}

void TTri::FormActivate() {
  {
    const platform::IniFile ini = OpenSettings();
    autoFilterSim_ = ini.ReadBool("Options", "AutoFilterSim", true);
    saveFilter_ = ini.ReadBool("Options", "SaveFilter", false);
    if (saveFilter_ && FirstActivationSinceShow()) {
      const TrimodeRestore r = ReadTrimodeSection(ini);
      SetTextIfChanged(Edit1, r.zsub);
      SetTextIfChanged(Edit2, r.zsat);
      SetTextIfChanged(Edit3, r.fg);
      if (r.lsub) SetTextIfChanged(Edit4, *r.lsub);
      if (r.csub) SetTextIfChanged(Edit5, *r.csub);
      if (r.csat) SetTextIfChanged(Edit6, *r.csat);
    }
  }
  setWindowTitle(QString::fromUtf8(TrimodePlainCaption(IsEnglish())));
  update();
}

void TTri::FormClose() {
  if (!saveFilter_) return;
  platform::IniFile ini = OpenSettings();
  if (SaveTrimodeSection(ini, {Std(Edit1), Std(Edit2), Std(Edit3), Std(Edit4), Std(Edit5), Std(Edit6)})) return;
  const QString path = QString::fromStdString(SettingsFilePath());
  platform::ShowMessage(this, IsEnglish()
                                  ? QString("The trimode values could not be saved in the settings file %1.").arg(path)
                                  : QString::fromUtf8("Die Trimode-Werte konnten nicht in der Einstellungsdatei %1 "
                                                      "gespeichert werden.")
                                        .arg(path));
}

bool TTri::DiagramShown() const { return (autoFilterSim_ || diagramRequested_) && levels_.drawable; }

void TTri::FormPaint(QPainter& p) {
  if (!DiagramShown()) return;
  const QSize outer = OuterSize();
  const int w = outer.width(), h = outer.height(), s = h - 255;
  p.setPen(QPen(Qt::black, 0));
  const int ascent = p.fontMetrics().ascent();
  const auto text = [&](int x, int y, const char* t) { p.drawText(x, y + ascent, QString::fromLatin1(t)); };
  text(1, 203, "10dB");
  const char* levels[] = {"0dB", "-10dB", "-20dB"};
  for (int k = 1; k <= 3; ++k) text(1, TruncToInt(197 + k * s / 4.0), levels[k - 1]);
  text(1, h - 58, "-30dB");
  text(5, h - 40, "10Hz");
  const std::pair<double, const char*> decades[] = {{0.3, "100"}, {0.61, "1k"}, {0.91, "10k"}};
  for (const auto& [c, t] : decades) text(TruncToInt(c * (w - 30)) + 5, h - 40, t);

  p.drawLine(15, 210, 15, h - 45);
  p.drawLine(15, h - 45, w - 15, h - 45);
  p.drawLine(15, 210, w - 15, 210);
  for (int k = 1; k <= 3; ++k) {
    const int y = 210 + TruncToInt(k * s / 4.0);
    p.drawLine(15, y, w - 15, y);
  }
  for (double decade : {10.0, 100.0, 1000.0})
    for (int m = 1; m <= 10; ++m) {
      const int x = TrimodeX(decade * m, w);
      p.drawLine(x, 210, x, h - 45);
    }
  const int x20k = TrimodeX(20000, w);
  p.drawLine(x20k, 210, x20k, h - 45);

  p.setPen(QPen(kCurveColour, 0));
  const auto curve = [&](const std::array<double, kFastGridLast + 1>& level) {
    QPolygon line;
    line.reserve(kFastGridPoints);
    for (int i = kFastGridFirst; i <= kFastGridLast; ++i)
      line.append(QPoint(TrimodeX(FastFilterGrid(i), w), TrimodeY(level[i], h)));
    p.drawPolyline(line);
  };
  if (Buttonsumme->isChecked()) {
    curve(levels_.sum);
  } else {
    curve(levels_.sat);
    curve(levels_.sub);
  }
  p.setPen(QPen(Qt::black, 0));
}

void TTri::FormMouseMove(int x, int y) {
  const QSize outer = OuterSize();
  const auto caption = TrimodeCursorCaption(x, y, outer.width(), outer.height(), IsEnglish());
  const QString title = QString::fromStdString(caption ? *caption : std::string(TrimodePlainCaption(IsEnglish())));
  if (windowTitle() != title) setWindowTitle(title);
  if (caption)
    setCursor(Qt::CrossCursor);
  else
    unsetCursor();
}

void TTri::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  FormMouseMove(at.x(), at.y());
  FormBase::mouseMoveEvent(event);
}

}  // namespace velomare

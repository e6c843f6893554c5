#include "driver/TQLmess.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <cmath>

#include "driver/model/LossFactor.h"
#include "platform/LabelText.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Hilfe", "&help"},
    {"GroupBox2", "Messwerte", "measured values"},
    {"GroupBox3", "Einzelwerte", "single results"},
};

// Layout: the driver's values and the readings on the left, the sketch and the results beside
// them, Ql with its check figure and the buttons on the right.
constexpr int kGroupX = 8, kGroupW = 150, kRowStep = 26, kRowH = 21;
constexpr int kGroupH = 5 * kRowStep + 28;
constexpr int kCaptionX = 10, kCaptionW = 70, kEditX = 80, kEditW = 60;
constexpr int kSketchX = 170, kSketchY = 14;
constexpr int kResultsX = kSketchX, kResultsY = kSketchY + ImpedanceSketch::kHeight + 8;
constexpr int kResultsW = 160, kResultStep = 20, kResultH = 19;
constexpr int kResultsH = 7 * kResultStep + 44;
constexpr int kQlX = kResultsX + kResultsW + 12, kQlW = 248;
constexpr int kClientWidth = kQlX + kQlW + 8;
constexpr int kClientHeight = kResultsY + kResultsH + 10;
constexpr int kButtonW = 110, kButtonH = 27;

// The sketch's curve: the level above Re at a position t from 0 to 1 along the frequency axis,
// two resonance peaks with a minimum between them and the rise of the voice-coil inductance.
constexpr double kLowPeak = 0.25, kHighPeak = 0.62;
double SketchLevel(double t) {
  const auto peak = [t](double at, double height, double width) {
    const double u = (t - at) / width;
    return height / (1 + u * u);
  };
  const double rise = t > 0.72 ? 40 * ((t - 0.72) / 0.28) * ((t - 0.72) / 0.28) : 0.0;
  return peak(kLowPeak, 104, 0.045) + peak(kHighPeak, 84, 0.055) + rise;
}

}  // namespace

ImpedanceSketch::ImpedanceSketch(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImpedanceSketch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  p.setPen(QColor(160, 160, 160));
  p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));

  // Half-pixel positions keep the one-pixel lines crisp.
  constexpr double left = 26.5, right = 300.5, axisY = 156.5, reY = 140.5, top = 10;
  const auto x = [](double t) { return left + t * (right - left); };
  const auto y = [](double t) { return reY - SketchLevel(t); };
  QFont font = p.font();
  font.setPixelSize(12);
  p.setFont(font);

  // Axes with their names.
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(QPointF(left, axisY), QPointF(right + 8, axisY));
  p.drawLine(QPointF(left, axisY), QPointF(left, top));
  p.drawText(QRectF(4, top - 4, 20, 16), Qt::AlignCenter, "Z");
  p.drawText(QRectF(right - 4, axisY - 18, 16, 16), Qt::AlignCenter, "f");

  // Re, the level the curve approaches far below the resonances.
  p.setPen(QPen(Qt::black, 1, Qt::DashLine));
  p.drawLine(QPointF(left, reY), QPointF(right, reY));
  p.setPen(Qt::black);
  p.drawText(QRectF(right - 70, reY + 1, 24, 14), Qt::AlignCenter, "Re");

  // The minimum between the peaks, found on the curve itself.
  double minimumT = kLowPeak;
  for (double t = kLowPeak; t <= kHighPeak; t += 0.002)
    if (SketchLevel(t) < SketchLevel(minimumT)) minimumT = t;

  // Where the three frequencies are read.
  p.setPen(QPen(QColor(110, 110, 110), 1, Qt::DotLine));
  for (double t : {kLowPeak, minimumT, kHighPeak}) p.drawLine(QPointF(x(t), y(t)), QPointF(x(t), axisY));
  p.setPen(Qt::black);
  p.drawText(QRectF(x(kLowPeak) - 15, axisY + 3, 30, 16), Qt::AlignCenter, "fl");
  p.drawText(QRectF(x(minimumT) - 15, axisY + 3, 30, 16), Qt::AlignCenter, "fm");
  p.drawText(QRectF(x(kHighPeak) - 15, axisY + 3, 30, 16), Qt::AlignCenter, "fh");

  QPainterPath curve;
  for (int i = 0; i <= 400; ++i) {
    const double t = i / 400.0;
    if (i == 0)
      curve.moveTo(x(t), y(t));
    else
      curve.lineTo(x(t), y(t));
  }
  p.setPen(QPen(QColor(0, 0, 170), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);

  // The arrow "Rm" pointing down at the minimum.
  const QPointF tip(x(minimumT), y(minimumT) - 3);
  const QPointF tail(tip.x(), tip.y() - 34);
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(tail, tip);
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygonF({tip, tip + QPointF(-4, -8), tip + QPointF(4, -8)}));
  p.drawText(QRectF(tail.x() - 15, tail.y() - 17, 30, 16), Qt::AlignCenter, "Rm");
}

TQLmess::TQLmess(QWidget* parent) : FormBase(parent) {
  InitForm("QLmess", "Messung des Verlustfaktors Ql", "measurement of loss quality Ql");
  SetHelpTopic("QTX_contents0022");

  const auto group = [this](const char* name, int y, const char* title) {
    QGroupBox* g = Make<QGroupBox>(name, this, kGroupX, y, kGroupW, kGroupH);
    g->setTitle(QString::fromUtf8(title));
    return g;
  };
  GroupBox1 = group("GroupBox1", 6, "TSPs");
  GroupBox2 = group("GroupBox2", 6 + kGroupH + 8, "Messwerte");

  // The input captions are the same in either language.
  struct Input {
    QLabel** label;
    QLineEdit** edit;
    const char* labelName;
    const char* editName;
    const char* caption;
    const char* text;
  };
  const Input inputs[] = {
      {&Label1, &Edit1, "Label1", "Edit1", "Re (Ohm)", "3,5"},
      {&Label2, &Edit2, "Label2", "Edit2", "Qts", "0,30"},
      {&Label3, &Edit3, "Label3", "Edit3", "Qms", "5,0"},
      {&Label4, &Edit4, "Label4", "Edit4", "Qes", "0,38"},
      {&Label5, &Edit5, "Label5", "Edit5", "fs (Hz)", "30"},
      {&Label6, &Edit6, "Label6", "Edit6", "fl (Hz)", "25,0"},
      {&Label7, &Edit7, "Label7", "Edit7", "fm (Hz)", "30,0"},
      {&Label8, &Edit8, "Label8", "Edit8", "Rm (Ohm)", "10,0"},
      {&Label9, &Edit9, "Label9", "Edit9", "fh (Hz)", "40,0"},
      {&Label10, &Edit10, "Label10", "Edit10", "fc (Hz)", "38,0"},
  };
  for (int i = 0; i < 10; ++i) {
    QGroupBox* owner = i < 5 ? GroupBox1 : GroupBox2;
    const int y = 22 + (i % 5) * kRowStep;
    *inputs[i].label = Make<QLabel>(inputs[i].labelName, owner, kCaptionX, y, kCaptionW, kRowH);
    (*inputs[i].label)->setText(QString::fromUtf8(inputs[i].caption));
    *inputs[i].edit = Make<QLineEdit>(inputs[i].editName, owner, kEditX, y, kEditW, kRowH);
    (*inputs[i].edit)->setText(QString::fromUtf8(inputs[i].text));
  }

  Image1 = Make<ImpedanceSketch>("Image1", this, kSketchX, kSketchY, ImpedanceSketch::kWidth, ImpedanceSketch::kHeight);

  GroupBox3 = Make<QGroupBox>("GroupBox3", this, kResultsX, kResultsY, kResultsW, kResultsH);
  GroupBox3->setTitle(QString::fromUtf8("Einzelwerte"));
  int line = 0;
  const auto result = [this, &line](const char* name) {
    return Make<QLabel>(name, GroupBox3, 10, 20 + kResultStep * line++, kResultsW - 16, kResultH);
  };
  Label13 = result("Label13");
  Label14 = result("Label14");
  Label15 = result("Label15");
  Label16 = result("Label16");
  Label17 = result("Label17");
  Label18 = result("Label18");
  Label19 = result("Label19");
  Label20 = Make<QLabel>("Label20", GroupBox3, 10, 20 + kResultStep * line, 34, kResultH);
  Label20->setText(QString::fromUtf8("a' ="));
  QFont italic = Label20->font();
  italic.setItalic(true);
  Label20->setFont(italic);
  Label21 = Make<QLabel>("Label21", GroupBox3, 46, 20 + kResultStep * line, kResultsW - 52, kResultH);

  const int qlY = kResultsY + 10;
  Label11 = Make<QLabel>("Label11", this, kQlX, qlY, kQlW, 24);
  QFont bold = WindowFont(15);
  bold.setBold(true);
  Label11->setFont(bold);
  Label12 = Make<QLabel>("Label12", this, kQlX, qlY + 32, kQlW, kRowH);
  Label22 = Make<QLabel>("Label22", this, kQlX, qlY + 56, kQlW, kRowH);

  const int buttonsY = kResultsY + kResultsH - kButtonH;
  Button2 = Make<QPushButton>("Button2", this, kClientWidth - 2 * kButtonW - 16, buttonsY, kButtonW, kButtonH);
  Button1 = Make<QPushButton>("Button1", this, kClientWidth - kButtonW - 8, buttonsY, kButtonW, kButtonH);

  for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10})
    connect(e, &QLineEdit::textChanged, this, &TQLmess::ComputeQl);
  connect(Button1, &QPushButton::clicked, this, &TQLmess::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TQLmess::Button2Click);

  ComputeQl();
  SetFixedClientSize(kClientWidth, kClientHeight);
  CentreOnScreen();
}

std::span<const UiText> TQLmess::Texts() const { return kTexts; }

void TQLmess::ComputeQl() {
  const QLineEdit* edits[kQlEditCount] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10};
  QlEditTexts texts;
  for (std::size_t i = 0; i < kQlEditCount; ++i) texts[i] = edits[i]->text().toStdString();
  const QlReadouts out = velomare::ComputeQl(texts).texts;
  SetLabelText(Label13, out.fb);
  SetLabelText(Label14, out.fsb);
  SetLabelText(Label15, out.rm);
  SetLabelText(Label16, out.qmsb);
  SetLabelText(Label17, out.qesb);
  SetLabelText(Label18, out.qtsb);
  SetLabelText(Label19, out.h);
  SetLabelText(Label21, out.alpha);
  SetLabelText(Label11, out.ql);
  SetLabelText(Label12, out.ratio);
  SetLabelText(Label22, out.deviation);
}

void TQLmess::FormShow() {
  const auto driver = QlDriverEditTexts();
  QLineEdit* edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5};
  for (std::size_t i = 0; i < driver.size(); ++i) SetEditText(edits[i], driver[i]);
  ComputeQl();
}

void TQLmess::FormPaint(QPainter&) { ComputeQl(); }

void TQLmess::Button1Click() { CloseForm(); }
void TQLmess::Button2Click() { ShowHelpTopic(); }

}  // namespace velomare

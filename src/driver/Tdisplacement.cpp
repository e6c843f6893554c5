#include "driver/Tdisplacement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <string>

#include "app/Forms.h"
#include "driver/TChassisform.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DisplacementCaller.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label1", "Korbdurchmesser d1 (mm)", "diameter of speaker cage d1 (mm)"},
    {"Label2", "Membrandurchmesser d2 (mm)", "diameter of membrane d2 (mm)"},
    {"Label3", "Schwingspulendurchmesser d3 (mm)", "diameter of coil d3 (mm)"},
    {"Label4", "Magnetdurchmesser d4 (mm)", "diameter of magnet d4 (mm)"},
    {"Label5", "Magnetringdurchmesser d5 (mm)", "diameter of magnet ring d5 (mm)"},
    {"Label6", "Korbbefestigung w (mm)", "holder of chassis w (mm)"},
    {"Label7", "Membrankegelhöhe x (mm)", "height of membrane cone x (mm)"},
    {"Label8", "Magnetstärke y (mm)", "thickness of magnet y (mm)"},
    {"Label9", "Magnetringbreite z (mm)", "thickness of magnet ring z (mm)"},
    {"Label10", "Seitenstege, mit Länge s (mm) ", "bridge connection with length s (mm) "},
    {"Label11", "Dicke x Breite (mm)", "thickness x width (mm)"},
    {"Buttonclose", "S&chließen", "&close"},
    {"Button1", "übernehmen", "accept"},
    {"Edit10", "Anzahl der Seitenstege", "number of bridge connections between magnet and holder", UiText::Hint},
    {"Label1", "bei frontal aufgeschraubten Körben weglassen", "let it away, if the speaker is srewed in front",
     UiText::Hint},
    {"Label11", "von den Seitenstegen", "of the bridge conection", UiText::Hint},
    {"Image1", "Modell des Lautsprecher-Chassis", "drawing of the speaker chassies", UiText::Hint},
};

// Where the parts of the driver lie on the drawing (pixels). The proportions follow the
// window's initial dimensions loosely; the drawing only names the dimensions.
constexpr int kCentre = 230;
constexpr int kFlangeLeft = 70, kFlangeRight = 390, kFlangeTop = 236, kFlangeBottom = 248;
constexpr int kConeBaseLeft = 90, kConeBaseRight = 370;
constexpr int kConeTop = 146, kCoilHalf = 28;
constexpr int kRingLeft = 150, kRingRight = 310, kRingTop = 116;
constexpr int kMagnetLeft = 165, kMagnetRight = 295, kMagnetTop = 86;

const QColor kDimensionColour(0, 0, 160);

void Arrowhead(QPainter& p, QPointF tip, QPointF from) {
  const QLineF back(tip, from);
  QLineF side1 = back;
  side1.setLength(7);
  side1.setAngle(back.angle() + 22);
  QLineF side2 = back;
  side2.setLength(7);
  side2.setAngle(back.angle() - 22);
  p.drawPolygon(QPolygonF({tip, side1.p2(), side2.p2()}));
}

// A dimension line between two points with arrowheads at both ends.
void DimensionLine(QPainter& p, QPointF a, QPointF b) {
  p.drawLine(a, b);
  Arrowhead(p, a, b);
  Arrowhead(p, b, a);
}

// A dimension's name on a small white ground, centred at `centre`.
void DimensionName(QPainter& p, QPointF centre, const QString& name) {
  const QFontMetrics metrics(p.font());
  QRectF box(0, 0, metrics.horizontalAdvance(name) + 6, metrics.height());
  box.moveCenter(centre);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(box);
  p.restore();
  p.drawText(box, Qt::AlignCenter, name);
}

}  // namespace

DriverDrawing::DriverDrawing(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void DriverDrawing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  p.setPen(QColor(160, 160, 160));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));

  const QPen outline(Qt::black, 1.5);
  p.setPen(outline);

  // The cone, a frustum from the membrane down to the voice coil.
  p.setBrush(QColor(225, 225, 225));
  p.drawPolygon(QPolygonF({QPointF(kConeBaseLeft, kFlangeTop), QPointF(kCentre - kCoilHalf, kConeTop),
                           QPointF(kCentre + kCoilHalf, kConeTop), QPointF(kConeBaseRight, kFlangeTop)}));
  // The surround: a small roll at the membrane's edge.
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(kConeBaseLeft - 2, kFlangeTop - 8, 16, 16), 0, 180 * 16);
  p.drawArc(QRectF(kConeBaseRight - 14, kFlangeTop - 8, 16, 16), 0, 180 * 16);

  // The basket flange.
  p.setBrush(QColor(170, 170, 170));
  p.drawRect(QRectF(kFlangeLeft, kFlangeTop, kFlangeRight - kFlangeLeft, kFlangeBottom - kFlangeTop));
  // The magnet ring and the magnet on top of it.
  p.setBrush(QColor(150, 150, 150));
  p.drawRect(QRectF(kRingLeft, kRingTop, kRingRight - kRingLeft, kConeTop - kRingTop));
  p.setBrush(QColor(95, 95, 95));
  p.drawRect(QRectF(kMagnetLeft, kMagnetTop, kMagnetRight - kMagnetLeft, kRingTop - kMagnetTop));

  // The side bridges of the basket, from the flange to the magnet ring.
  QPen dashed(Qt::black, 1.5, Qt::DashLine);
  p.setPen(dashed);
  p.drawLine(QPointF(kFlangeLeft + 6, kFlangeTop), QPointF(kRingLeft, kConeTop));
  p.drawLine(QPointF(kFlangeRight - 6, kFlangeTop), QPointF(kRingRight, kConeTop));

  // Extension lines, thin and grey.
  p.setPen(QPen(QColor(120, 120, 120), 1));
  p.drawLine(QPointF(kFlangeLeft, kFlangeBottom), QPointF(kFlangeLeft, 276));
  p.drawLine(QPointF(kFlangeRight, kFlangeBottom), QPointF(kFlangeRight, 276));
  p.drawLine(QPointF(kFlangeLeft, kFlangeTop), QPointF(36, kFlangeTop));
  p.drawLine(QPointF(kFlangeLeft, kFlangeBottom), QPointF(36, kFlangeBottom));
  p.drawLine(QPointF(kConeBaseLeft, kFlangeTop), QPointF(kConeBaseLeft, 192));
  p.drawLine(QPointF(kConeBaseRight, kFlangeTop), QPointF(kConeBaseRight, 192));
  p.drawLine(QPointF(kCentre + kCoilHalf, kConeTop), QPointF(430, kConeTop));
  p.drawLine(QPointF(kFlangeRight, kFlangeTop), QPointF(430, kFlangeTop));
  p.drawLine(QPointF(kMagnetLeft, kMagnetTop), QPointF(112, kMagnetTop));
  p.drawLine(QPointF(kRingLeft, kConeTop), QPointF(112, kConeTop));
  p.drawLine(QPointF(kRingRight, kRingTop), QPointF(352, kRingTop));
  p.drawLine(QPointF(kRingRight, kConeTop), QPointF(352, kConeTop));
  p.drawLine(QPointF(kMagnetLeft, kMagnetTop), QPointF(kMagnetLeft, 58));
  p.drawLine(QPointF(kMagnetRight, kMagnetTop), QPointF(kMagnetRight, 58));

  // The dimensions and their names.
  p.setPen(QPen(kDimensionColour, 1));
  p.setBrush(kDimensionColour);
  QFont font = p.font();
  font.setPixelSize(13);
  font.setBold(true);
  p.setFont(font);
  DimensionLine(p, QPointF(kFlangeLeft, 268), QPointF(kFlangeRight, 268));
  DimensionName(p, QPointF(kCentre, 284), "d1");
  DimensionLine(p, QPointF(44, kFlangeTop - 18), QPointF(44, kFlangeTop));
  DimensionLine(p, QPointF(44, kFlangeBottom + 18), QPointF(44, kFlangeBottom));
  DimensionName(p, QPointF(28, (kFlangeTop + kFlangeBottom) / 2.0), "w");
  DimensionLine(p, QPointF(kConeBaseLeft, 200), QPointF(kConeBaseRight, 200));
  DimensionName(p, QPointF(kCentre, 200), "d2");
  DimensionLine(p, QPointF(kCentre - kCoilHalf, kConeTop + 6), QPointF(kCentre + kCoilHalf, kConeTop + 6));
  DimensionName(p, QPointF(kCentre, kConeTop + 20), "d3");
  DimensionLine(p, QPointF(420, kConeTop), QPointF(420, kFlangeTop));
  DimensionName(p, QPointF(420, (kConeTop + kFlangeTop) / 2.0), "x");
  DimensionLine(p, QPointF(kMagnetLeft, 64), QPointF(kMagnetRight, 64));
  DimensionName(p, QPointF(kCentre, 52), "d4");
  DimensionLine(p, QPointF(kRingLeft, (kRingTop + kConeTop) / 2.0), QPointF(kRingRight, (kRingTop + kConeTop) / 2.0));
  DimensionName(p, QPointF(kCentre, (kRingTop + kConeTop) / 2.0), "d5");
  DimensionLine(p, QPointF(120, kMagnetTop), QPointF(120, kConeTop));
  DimensionName(p, QPointF(120, (kMagnetTop + kConeTop) / 2.0), "y");
  DimensionLine(p, QPointF(342, kRingTop - 18), QPointF(342, kRingTop));
  DimensionLine(p, QPointF(342, kConeTop + 18), QPointF(342, kConeTop));
  DimensionName(p, QPointF(356, (kRingTop + kConeTop) / 2.0), "z");
  DimensionName(p, QPointF(116, 170), "s");
}

Tdisplacement::Tdisplacement(QWidget* parent) : FormBase(parent) {
  InitForm("displacement", "Berechnung des Eigenvolumens eines Lautsprecherchassis",
           "calculation of the displacement of the speaker chassies");

  Image1 = Make<DriverDrawing>("Image1", this, 8, 8, DriverDrawing::kWidth, DriverDrawing::kHeight);
  LabelPic = Make<QLabel>("LabelPic", Image1, 403, 14, 136, 26);
  LabelPic->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont volumeFont = WindowFont(16);
  volumeFont.setBold(true);
  LabelPic->setFont(volumeFont);

  constexpr int kColumn = 565, kLabelWidth = 270, kEditLeft = 840, kEditWidth = 56, kRow = 24, kTop = 12;
  QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9};
  QLineEdit** edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7, &Edit8, &Edit9};
  for (int i = 0; i < 9; ++i) {
    const std::string label = "Label" + std::to_string(i + 1);
    const std::string edit = "Edit" + std::to_string(i + 1);
    *labels[i] = Make<QLabel>(label.c_str(), this, kColumn, kTop + i * kRow + 3, kLabelWidth, 16);
    *edits[i] = Make<QLineEdit>(edit.c_str(), this, kEditLeft, kTop + i * kRow, kEditWidth, 21);
  }
  const int bridgeRow = kTop + 9 * kRow;
  Edit10 = Make<QLineEdit>("Edit10", this, kColumn, bridgeRow, 30, 21);
  Label10 = Make<QLabel>("Label10", this, kColumn + 36, bridgeRow + 3, kEditLeft - kColumn - 36, 16);
  Edit11 = Make<QLineEdit>("Edit11", this, kEditLeft, bridgeRow, kEditWidth, 21);
  const int sizeRow = bridgeRow + kRow;
  Label11 = Make<QLabel>("Label11", this, kColumn, sizeRow + 3, 200, 16);
  Edit12 = Make<QLineEdit>("Edit12", this, kEditLeft - kEditWidth - 6, sizeRow, kEditWidth, 21);
  Edit13 = Make<QLineEdit>("Edit13", this, kEditLeft, sizeRow, kEditWidth, 21);
  // The form's own hint, in German only, which the texts leave alone.
  Label6->setToolTip(QString::fromUtf8("bei frontal aufgeschraubten Körben wegen x auch eingeben"));

  Button1 = Make<QPushButton>("Button1", this, kColumn, 280, 120, 27);
  Buttonclose = Make<QPushButton>("Buttonclose", this, kEditLeft + kEditWidth - 120, 280, 120, 27);

  const char* initial[13] = {"300", "270", "50", "120", "140", "10", "60", "40", "20", "4", "130", "5", "20"};
  QLineEdit* all[13] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12, Edit13};
  for (int i = 0; i < 13; ++i) all[i]->setText(QString::fromLatin1(initial[i]));

  connect(Edit1, &QLineEdit::textChanged, this, &Tdisplacement::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tdisplacement::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &Tdisplacement::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &Tdisplacement::Edit4Change);
  connect(Edit5, &QLineEdit::textChanged, this, &Tdisplacement::Edit5Change);
  connect(Edit6, &QLineEdit::textChanged, this, &Tdisplacement::Edit6Change);
  connect(Edit7, &QLineEdit::textChanged, this, &Tdisplacement::Edit7Change);
  connect(Edit8, &QLineEdit::textChanged, this, &Tdisplacement::Edit8Change);
  connect(Edit9, &QLineEdit::textChanged, this, &Tdisplacement::Edit9Change);
  connect(Edit10, &QLineEdit::textChanged, this, &Tdisplacement::Edit10Change);
  connect(Edit11, &QLineEdit::textChanged, this, &Tdisplacement::Edit11Change);
  connect(Edit12, &QLineEdit::textChanged, this, &Tdisplacement::Edit12Change);
  connect(Edit13, &QLineEdit::textChanged, this, &Tdisplacement::Edit13Change);
  connect(Button1, &QPushButton::clicked, this, &Tdisplacement::Button1Click);
  connect(Buttonclose, &QPushButton::clicked, this, &Tdisplacement::ButtoncloseClick);

  SetFixedClientSize(kEditLeft + kEditWidth + 10, DriverDrawing::kHeight + 16);
  CentreOnScreen();
  ComputeDisplacement();
}

std::span<const UiText> Tdisplacement::Texts() const { return kTexts; }

void Tdisplacement::ComputeDisplacement() {
  const std::array<QLineEdit*, 13> edits = {Edit1, Edit2, Edit3, Edit4,  Edit5,  Edit6, Edit7,
                                            Edit8, Edit9, Edit10, Edit11, Edit12, Edit13};
  std::array<std::string, 13> texts;
  for (std::size_t i = 0; i < edits.size(); ++i) texts[i] = edits[i]->text().toStdString();
  volume_ = ComputeDisplacementVolume(ReadDisplacementInput(texts));
  const QString shown = QString::fromStdString(DisplacementVolumeText(volume_));
  if (LabelPic->text() != shown) {
    LabelPic->setText(shown);
    FitVolumeLabel();
  }
}

void Tdisplacement::FitVolumeLabel() {
  // The label keeps its right edge near the drawing's; an absurdly long volume grows it to the
  // left and, where even the drawing's width is too small, shrinks its font so that every digit
  // stays visible.
  constexpr int kRightMargin = 8, kMinWidth = 136, kHeight = 26;
  const int available = DriverDrawing::kWidth - 2 * kRightMargin;
  QFont font = LabelPic->font();
  for (int pixels = 16; pixels >= 7; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(LabelPic->text()) + 4 <= available) break;
  }
  if (LabelPic->font() != font) LabelPic->setFont(font);
  const int wanted = QFontMetrics(font).horizontalAdvance(LabelPic->text()) + 4;
  const int width = std::clamp(wanted, kMinWidth, available);
  const QRect geometry(DriverDrawing::kWidth - kRightMargin - width, 14, width, kHeight);
  if (LabelPic->geometry() != geometry) LabelPic->setGeometry(geometry);
}

void Tdisplacement::FormPaint(QPainter&) { ComputeDisplacement(); }

void Tdisplacement::Button1Click() {
  // The opener's choice is read at the moment of the click.
  if (DisplacementCaller == 0) {
    if (const auto volume = DisplacementAcceptVolume(volume_)) ChassisVol = *volume;
  } else if (DisplacementCaller == 1) {
    const auto text = DisplacementAcceptText(volume_);
    QLineEdit* target = forms::Chassisform ? forms::Chassisform->findChild<QLineEdit*>("Edit8") : nullptr;
    if (text && target) target->setText(QString::fromStdString(*text));
  }
  CloseForm();
}

void Tdisplacement::ButtoncloseClick() { CloseForm(); }

}  // namespace velomare

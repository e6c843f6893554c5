#include "filters/TImp.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <string>

#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label1", "Gleichstromwiderstand Re", "speaker coil resistance Re"},
    {"Label2", "abgegebene Leistung P", "output power P"},
    {"Label3", "Schwingspuleninduktivität Le", "speaker coil inductivity Le"},
    {"Label4", "Frequenz der Überhöhung", "resonance frequency (raising)"},
    {"Label5", "Überhöhung bei Resonanz", "raising impedance (resonance)"},
    {"Label6", "Spule L im Korrekturteil", "coil L in corr. part"},
    {"Button1", "S&chliessen", "&close"},
    {"Button3", "&Simulation", "&simulation"},
    {"Button4", "&Drucken", "&print"},
    {"Button2", "&Hilfe", "&help"},
};

constexpr int kFontPixels = 11;
// The smallest font a label shrinks to so that an absurdly long number still fits its place.
constexpr int kSmallestFontPixels = 5;
const QColor kCurveColour(0, 0, 255);

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// The largest font up to the window's own at which the text of every label of the group fits
// its width; one size for the group, so that rows of one kind look alike.
void FitLabelFonts(std::initializer_list<QLabel*> group) {
  QFont font = (*group.begin())->font();
  for (int pixels = kFontPixels; pixels >= kSmallestFontPixels; --pixels) {
    font.setPixelSize(pixels);
    const QFontMetrics metrics(font);
    if (std::all_of(group.begin(), group.end(),
                    [&](QLabel* l) { return metrics.horizontalAdvance(l->text()) <= l->width(); }))
      break;
  }
  for (QLabel* l : group)
    if (l->font() != font) l->setFont(font);
}

void SetText(QLabel* label, const std::string& text) {
  const QString shown = Utf8(text);
  if (label->text() != shown) label->setText(shown);
}

}  // namespace

void ImpWiringPicture::Draw(QPainter& p) {
  // Black on white without smoothing, like a monochrome bitmap.
  QFont font = p.font();
  font.setPixelSize(12);
  font.setBold(true);
  p.setFont(font);

  constexpr int kTop = 16, kBottom = 124, kTerminal = 12;
  constexpr int kBranchA = 80, kBranchB = 160, kSpeaker = 232;
  // The two terminals and the rails.
  p.drawEllipse(QPoint(kTerminal, kTop), 4, 4);
  p.drawEllipse(QPoint(kTerminal, kBottom), 4, 4);
  p.drawLine(kTerminal + 4, kTop, kSpeaker, kTop);
  p.drawLine(kTerminal + 4, kBottom, kSpeaker, kBottom);
  for (int x : {kBranchA, kBranchB, kSpeaker}) {
    p.setBrush(Qt::black);
    p.drawEllipse(QPoint(x, kTop), 2, 2);
    p.drawEllipse(QPoint(x, kBottom), 2, 2);
    p.setBrush(Qt::NoBrush);
  }

  const auto resistor = [&](int x, int top, const char* name) {
    p.drawRect(x - 6, top, 12, 24);
    p.drawText(x + 11, top + 17, QString::fromLatin1(name));
  };
  const auto capacitor = [&](int x, int top, const char* name) {
    p.drawLine(x - 11, top, x + 11, top);
    p.drawLine(x - 11, top + 1, x + 11, top + 1);
    p.drawLine(x - 11, top + 6, x + 11, top + 6);
    p.drawLine(x - 11, top + 7, x + 11, top + 7);
    p.drawText(x + 15, top + 9, QString::fromLatin1(name));
  };

  // R1, L and C1 in series.
  p.drawLine(kBranchA, kTop, kBranchA, 26);
  resistor(kBranchA, 26, "R1");
  p.drawLine(kBranchA, 50, kBranchA, 56);
  for (int k = 0; k < 4; ++k) p.drawArc(QRect(kBranchA - 6, 56 + 7 * k, 12, 7), -90 * 16, 180 * 16);
  p.drawText(kBranchA + 11, 76, QStringLiteral("L"));
  p.drawLine(kBranchA, 84, kBranchA, 96);
  capacitor(kBranchA, 96, "C1");
  p.drawLine(kBranchA, 103, kBranchA, kBottom);

  // R2 and C2 in series.
  p.drawLine(kBranchB, kTop, kBranchB, 38);
  resistor(kBranchB, 38, "R2");
  p.drawLine(kBranchB, 62, kBranchB, 80);
  capacitor(kBranchB, 80, "C2");
  p.drawLine(kBranchB, 87, kBranchB, kBottom);

  // The speaker: its coil body and cone.
  p.drawLine(kSpeaker, kTop, kSpeaker, 52);
  p.drawRect(kSpeaker - 6, 52, 12, 24);
  p.drawPolygon(QPolygon({QPoint(kSpeaker + 6, 52), QPoint(kSpeaker + 20, 40), QPoint(kSpeaker + 20, 88),
                          QPoint(kSpeaker + 6, 76)}));
  p.drawLine(kSpeaker, 76, kSpeaker, kBottom);
  p.drawText(kSpeaker - 22, 69, QStringLiteral("Z"));
}

TImp::TImp(QWidget* parent) : FormBase(parent) {
  // The caption is the window's own: the activation sets it by language and the mouse read-out
  // writes into it, so the form base's caption switching stays out of it.
  InitForm("Imp", nullptr, nullptr);
  setWindowTitle(QString::fromUtf8(ImpPlainCaption(false)));
  SetUsesColorScheme(true);
  SetHelpTopic("QTX_contents0017");

  Image1 = Make<ImpWiringPicture>("Image1", this, 328, 8, ImpWiringPicture::kWidth, ImpWiringPicture::kHeight);

  constexpr int kLabelWidth = 150, kEditX = 160, kEditWidth = 57, kEditHeight = 21, kUnitX = 224;
  const auto label = [this](const char* name, int x, int y, int w, const char* text) {
    QLabel* l = Make<QLabel>(name, this, x, y, w, 16);
    l->setText(QString::fromUtf8(text));
    return l;
  };
  Label1 = label("Label1", 8, 13, kLabelWidth, "Gleichstromwiderstand R :");
  Label2 = label("Label2", 8, 40, kLabelWidth, "abgegebene Leistung P :");
  Label3 = label("Label3", 8, 67, kLabelWidth, "Schwingspuleninduktivität Le");
  Label4 = label("Label4", 8, 94, kLabelWidth, "Frequenz der Überhöhung :");
  Label5 = label("Label5", 8, 121, kLabelWidth, "Überhöhung bei Resonanz ");
  Label6 = label("Label6", 8, 148, kLabelWidth, "Spule L :");

  const auto edit = [this](const char* name, int y, const char* text) {
    QLineEdit* e = Make<QLineEdit>(name, this, kEditX, y, kEditWidth, kEditHeight);
    e->setText(QString::fromUtf8(text));
    return e;
  };
  Edit1 = edit("Edit1", 8, "6");
  Edit2 = edit("Edit2", 35, "100");
  Edit3 = edit("Edit3", 62, "500");
  Edit4 = edit("Edit4", 89, "60");
  Edit5 = edit("Edit5", 116, "40");
  Edit6 = edit("Edit6", 143, "4,7");

  Label7 = label("Label7", kUnitX, 16, 100, "Ohm ");
  Label8 = label("Label8", kUnitX, 40, 328 - kUnitX - 2, "Watt (8 Ohm)");
  Label9 = label("Label9", kUnitX, 66, 100, "µH ");
  Label10 = label("Label10", kUnitX, 96, 100, "Hz ");
  Label11 = label("Label11", kUnitX, 120, 100, "Ohm ");
  Label12 = label("Label12", kUnitX, 147, 24, "mH");

  Button5 = Make<QPushButton>("Button5", this, 249, 141, 25, 25);
  Button5->setText(QStringLiteral("&?"));

  // The right column ends where the diagram's grid does (x = W - 20).
  constexpr int kLeftColumn = 328, kRightColumn = 505, kRightEdge = 680;
  Label13 = label("Label13", kLeftColumn, 160, kRightColumn - kLeftColumn - 4, "Widerstand R1 ");
  Label14 = label("Label14", kLeftColumn, 184, kRightColumn - kLeftColumn - 4, "Kondensator C1 ");
  Label15 = label("Label15", kRightColumn, 160, kRightEdge - kRightColumn, "Widerstand R2 ");
  Label16 = label("Label16", kRightColumn, 184, kRightEdge - kRightColumn, "Kondensator C2 ");

  const auto button = [this](const char* name, int x, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, x, 173, 73, 25);
    b->setText(QString::fromUtf8(text));
    return b;
  };
  Button1 = button("Button1", 8, "S&chliessen");
  Button3 = button("Button3", 88, "&Simulation");
  Button4 = button("Button4", 168, "&Drucken");
  Button2 = button("Button2", 248, "&Hilfe");

  setTabOrder(Button1, Edit1);
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, Edit3);
  setTabOrder(Edit3, Edit4);
  setTabOrder(Edit4, Edit5);
  setTabOrder(Edit5, Edit6);
  setTabOrder(Edit6, Button5);
  setTabOrder(Button5, Button3);
  setTabOrder(Button3, Button4);
  setTabOrder(Button4, Button2);

  // Every text change, typed or assigned from code, runs the edit's handler at once.
  connect(Edit1, &QLineEdit::textChanged, this, &TImp::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &TImp::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &TImp::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &TImp::Edit4Change);
  connect(Edit5, &QLineEdit::textChanged, this, &TImp::Edit5Change);
  connect(Edit6, &QLineEdit::textChanged, this, &TImp::Edit6Change);
  connect(Button1, &QPushButton::clicked, this, &TImp::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TImp::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TImp::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TImp::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &TImp::Button5Click);
  SetCancelAndDefaultButtons(Button1, Button1);

  setMouseTracking(true);
  // The diagram and the cursor read-out are laid out from the outer size.
  DeclareOuterSize(kDesignedOuterSize);
}

std::span<const UiText> TImp::Texts() const { return kTexts; }

void TImp::ComputeImpCorrection() {
  const std::array<std::string, 6> texts = {Edit1->text().toStdString(), Edit2->text().toStdString(),
                                            Edit3->text().toStdString(), Edit4->text().toStdString(),
                                            Edit5->text().toStdString(), Edit6->text().toStdString()};
  networks_ = ComputeImpNetworks(ReadImpInputs(texts));
  curve_ = ComputeImpCurve(networks_);
  const ImpLines lines = ImpResultLines(networks_, IsEnglish());
  SetText(Label13, lines.r1);
  SetText(Label15, lines.r2);
  SetText(Label14, lines.c1);
  SetText(Label16, lines.c2);
  FitTexts();
  update();
}

void TImp::InputChanged() {
  diagramRequested_ = false;
  ComputeImpCorrection();
}

void TImp::Edit1Change() {
  InputChanged();
  if (const auto power = ImpPowerLabel(Edit1->text().toStdString())) {
    SetText(Label8, *power);
    FitTexts();
  }
}

void TImp::Button5Click() {
  Edit6->setText(Utf8(ImpCoilText(networks_.in, ChassisQes)));
}

void TImp::Button3Click() {
  diagramRequested_ = true;
  update();
}

void TImp::FormShow() {
  if (const auto re = ImpReEditText(ChassisRe)) Edit1->setText(Utf8(*re));
  if (const auto le = ImpLeEditText(ChassisLe)) Edit3->setText(Utf8(*le));
  ComputeImpCorrection();
}

void TImp::FormActivate() {
  autoSimulate_ = OpenSettings().ReadBool("Options", "AutoFilterSim", true);
  setWindowTitle(QString::fromUtf8(ImpPlainCaption(IsEnglish())));
  ComputeImpCorrection();
}

void TImp::FitTexts() {
  // Measuring shapes every text: do it only when a text changed since the last fit.
  const QString texts = Label1->text() + Label2->text() + Label3->text() + Label4->text() + Label5->text() +
                        Label6->text() + Label8->text() + Label13->text() + Label14->text() + Label15->text() +
                        Label16->text();
  if (texts == fittedTexts_) return;
  fittedTexts_ = texts;
  FitLabelFonts({Label1, Label2, Label3, Label4, Label5, Label6});
  FitLabelFonts({Label8});
  FitLabelFonts({Label13, Label14, Label15, Label16});
}

bool TImp::DiagramShown() const { return (autoSimulate_ || diagramRequested_) && curve_.drawable; }

ImpDiagram TImp::CurrentDiagram() const {
  if (!DiagramShown()) return {};
  const QSize outer = OuterSize();
  return LayOutImpDiagram(curve_, outer.width(), outer.height());
}

void TImp::FormPaint(QPainter& p) {
  FitTexts();
  const ImpDiagram d = CurrentDiagram();
  if (!d.drawn) return;
  // One-pixel lines as filled rectangles: the raster engine fills spans far faster than it
  // strokes lines, and every keystroke repaints the grid.
  for (int y : d.impedanceLines) p.fillRect(QRect(d.left, y, d.right - d.left + 1, 1), Qt::black);
  for (int x : d.frequencyLines) p.fillRect(QRect(x, d.top, 1, d.bottom - d.top + 1), Qt::black);
  p.setPen(QPen(Qt::black, 0));
  const int ascent = p.fontMetrics().ascent();
  for (const ImpDiagramText& t : d.labels) p.drawText(t.x, t.y + ascent, QString::fromLatin1(t.text));
  QPolygon curve;
  curve.reserve(static_cast<qsizetype>(d.curve.size()));
  for (const auto& point : d.curve) curve.append(QPoint(point[0], point[1]));
  p.setPen(QPen(kCurveColour, 0));
  p.drawPolyline(curve);
  p.setPen(QPen(Qt::black, 0));
}

void TImp::FormMouseMove(int x, int y) {
  const QSize outer = OuterSize();
  const ImpCursorReadout readout = ImpCursorCaption(x, y, outer.width(), outer.height(), IsEnglish());
  const QString caption = Utf8(readout.caption);
  if (windowTitle() != caption) setWindowTitle(caption);
  if (readout.cross)
    setCursor(Qt::CrossCursor);
  else
    unsetCursor();
}

void TImp::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  FormMouseMove(at.x(), at.y());
  FormBase::mouseMoveEvent(event);
}

}  // namespace velomare

#include "enclosures/TExpo.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <utility>

#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/model/HornContour.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label1", "untere Grenzfrequenz", "lower cut frequency"},
    {"Label4", "Halsöffnungsfläche Ah", "throat cross-section Ah"},
    {"Label7", "Aufstellung:", "installation"},
    {"RadioButton1", "frei", "free"},
    {"RadioButton2", "am Boden", "on ground"},
    {"RadioButton3", "an Wand", "on wall"},
    {"RadioButton4", "in Ecke", "in corner"},
    {"Label13", "obere Grenzfrequenz", "upper cut frequency"},
    {"Button1", "S&chliessen", "&close"},
    {"Button5", "&Simulation", "&simulation"},
    {"Button2", "&Verlauf", "&gradient"},
    {"Button3", "&Hilfe", "&help"},
    {"Button4", "&Drucken", "&print"},
};

constexpr int kWidth = 700, kHeight = 475;
constexpr int kRightColumn = 386, kRightWidth = 306;
constexpr int kButtonsY = 148, kButtonH = 22;
constexpr int kResultWidth = 372;

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string Std(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

TExpo::TExpo(QWidget* parent) : FormBase(parent) {
  // The caption belongs to the activation and the mouse read-out, not to the text table.
  InitForm("Expo", nullptr, nullptr);
  SetCaption(Q(HornCaption(false)));
  SetUsesColorScheme(true);
  SetHelpTopic("QTX_contents0008");
  setMouseTracking(true);

  const auto label = [this](const char* name, QWidget* parent, int x, int y, int w, const char* text) {
    QLabel* l = Make<QLabel>(name, parent, x, y, w, 16);
    l->setText(QString::fromUtf8(text));
    return l;
  };
  const auto panel = [this](const char* name, int x, int y, int w, int h) {
    QFrame* f = Make<QFrame>(name, this, x, y, w, h);
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return f;
  };

  Label1 = label("Label1", this, 8, 10, 130, "untere Grenzfrequenz");
  fu = Make<QLineEdit>("fu", this, 140, 7, 56, 21);
  fu->setText("100");
  Label3 = label("Label3", this, 200, 10, 24, "Hz");
  Label4 = label("Label4", this, 8, 35, 130, "Halsöffnungsfläche Ah");
  Ah = Make<QLineEdit>("Ah", this, 140, 32, 56, 21);
  Ah->setText("500");
  Label8 = label("Label8", this, 200, 35, 26, "cm²");
  Label11 = label("Label11", this, 228, 35, kRightColumn - 236, "=");
  Label2 = label("Label2", this, 8, 60, kResultWidth, "Trichterkonstante k");
  Label6 = label("Label6", this, 8, 77, kResultWidth, "Mundfläche Am");
  Label10 = label("Label10", this, 8, 94, kResultWidth, "Trichterlänge Xm");
  Label9 = label("Label9", this, 8, 111, kResultWidth, "Schalldruckgewinn durch Trichter");
  Panel3 = panel("Panel3", 6, 127, kResultWidth + 2, 19);
  Labelboxvol = label("Labelboxvol", Panel3, 3, 1, kResultWidth - 4, "geschl. Volumen : ");
  Labelboxvol->setToolTip(QString::fromUtf8("empfohlenes geschlossenes Volumen hinter dem Chassis"));

  Panel1 = panel("Panel1", kRightColumn, 4, kRightWidth, 44);
  Label7 = label("Label7", Panel1, 6, 13, 90, "Aufstellung:");
  // Two columns of two, so that the longest text of either language fits.
  RadioButton1 = Make<QRadioButton>("RadioButton1", Panel1, 100, 3, 100, 19);
  RadioButton2 = Make<QRadioButton>("RadioButton2", Panel1, 100, 22, 100, 19);
  RadioButton3 = Make<QRadioButton>("RadioButton3", Panel1, 200, 3, 100, 19);
  RadioButton4 = Make<QRadioButton>("RadioButton4", Panel1, 200, 22, 100, 19);
  RadioGroup({RadioButton1, RadioButton2, RadioButton3, RadioButton4});
  RadioButton1->setText(QString::fromUtf8("frei"));
  RadioButton2->setText(QString::fromUtf8("am Boden"));
  RadioButton3->setText(QString::fromUtf8("an Wand"));
  RadioButton4->setText(QString::fromUtf8("in Ecke"));
  RadioButton2->setChecked(true);

  Panel2 = panel("Panel2", kRightColumn, 52, kRightWidth, 52);
  Panel2->setToolTip(QString::fromUtf8("Druckkammer zwischen Chassis und Trichterhals (fo<1000Hz)"));
  Label13 = label("Label13", Panel2, 6, 7, 130, "obere Grenzfrequenz");
  Edit1 = Make<QLineEdit>("Edit1", Panel2, 140, 4, 56, 21);
  Edit1->setText("500");
  Label5 = label("Label5", Panel2, 200, 7, 24, "Hz");
  Label12 = label("Label12", Panel2, 6, 30, kRightWidth - 12, "Druckkammervolumen");

  Label14 = label("Label14", this, kRightColumn, 132, kRightWidth, "A bei Abstand x");
  ScrollBar1 = Make<QScrollBar>("ScrollBar1", this, kRightColumn, 152, kRightWidth, 18);
  ScrollBar1->setOrientation(Qt::Horizontal);
  ScrollBar1->setRange(0, 60);
  ScrollBar1->setValue(1);
  ScrollBar1->setSingleStep(1);
  ScrollBar1->setPageStep(10);

  const auto button = [this](const char* name, int index, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, 8 + index * 74, kButtonsY, 70, kButtonH);
    b->setText(QString::fromUtf8(text));
    return b;
  };
  Button1 = button("Button1", 0, "S&chliessen");
  Button5 = button("Button5", 1, "&Simulation");
  Button2 = button("Button2", 2, "&Verlauf");
  Button4 = button("Button4", 3, "&Drucken");
  Button3 = button("Button3", 4, "&Hilfe");
  // The default button, so Enter presses it; it has no action and stays disabled.
  Button5->setEnabled(false);

  // Every change, typed or assigned from code, runs the handler at once; assigning what a
  // control already holds runs nothing. A restored placement selects its button from code, so
  // the buttons answer to being checked, not only to clicks.
  connect(fu, &QLineEdit::textChanged, this, &TExpo::fuChange);
  connect(Ah, &QLineEdit::textChanged, this, &TExpo::AhChange);
  connect(Edit1, &QLineEdit::textChanged, this, &TExpo::Edit1Change);
  connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton1Click(); });
  connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton2Click(); });
  connect(RadioButton3, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton3Click(); });
  connect(RadioButton4, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton4Click(); });
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &TExpo::ScrollBar1Change);
  connect(Button1, &QPushButton::clicked, this, &TExpo::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TExpo::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TExpo::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TExpo::Button4Click);
  SetCancelAndDefaultButtons(Button1, Button5);

  DeclareOuterSize({kWidth, kHeight});
  ComputeHorn();
  ShowHornCursorArea();
}

std::span<const UiText> TExpo::Texts() const { return kTexts; }

HornPlacement TExpo::Placement() const {
  HornPlacement placement = HornPlacement::Floor;
  if (RadioButton1->isChecked()) placement = HornPlacement::Free;
  if (RadioButton2->isChecked()) placement = HornPlacement::Floor;
  if (RadioButton3->isChecked()) placement = HornPlacement::Wall;
  if (RadioButton4->isChecked()) placement = HornPlacement::Corner;
  return placement;
}

void TExpo::SelectPlacement(HornPlacement placement) {
  QRadioButton* buttons[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
  buttons[static_cast<int>(placement) - 1]->setChecked(true);
}

void TExpo::SetLabel(QLabel* label, const std::string& text) {
  const QString shown = Q(text);
  if (label->text() != shown) label->setText(shown);
}

void TExpo::SetCaption(const QString& caption) {
  if (windowTitle() != caption) setWindowTitle(caption);
}

void TExpo::ComputeHorn() {
  const HornInput input = ReadHornInput(Std(fu), Std(Ah), Std(Edit1), Placement());
  const HornDesign design = velomare::ComputeHorn(input, {ChassisFs, ChassisQts, ChassisQes, ChassisVas});
  const HornTexts texts = HornResultTexts(design, IsEnglish());
  // The values are kept before the scroll bar moves, whose handler reads them.
  horn_ = design.values;
  const std::pair<QLabel*, const std::string&> results[] = {
      {Label2, texts.Label2}, {Label11, texts.Label11}, {Label6, texts.Label6},
      {Label10, texts.Label10}, {Label9, texts.Label9}, {Labelboxvol, texts.Labelboxvol}};
  for (const auto& [label, text] : results) SetLabel(label, text);
  ScrollBar1->setEnabled(design.hornValid);
  if (design.hornValid) {
    // Back to the first centimetre before the range shrinks below the position.
    if (ScrollBar1->value() > horn_.length) ScrollBar1->setValue(1);
    ScrollBar1->setMaximum(design.cursorMaximum);
  }
  SetLabel(Label14, texts.Label14);
  SetLabel(Label12, texts.Label12);
  EraseAndRedraw();
}

void TExpo::ShowHornCursorArea() {
  SetLabel(Label14, HornCursorAreaText(horn_, ScrollBar1->value(), IsEnglish()));
  EraseAndRedraw();
}

void TExpo::EraseAndRedraw() {
  contourShown_ = false;
  if (autoSimulate_)
    DrawHornContour();
  else
    update();
}

void TExpo::DrawHornContour() {
  contourShown_ = true;
  // The axis ends are those of the last drawing that passed its test; the read-out scales by them.
  const QSize outer = OuterSize();
  if (const auto plan = PlanHornContour(horn_, ScrollBar1->value(), outer.width(), outer.height(), IsEnglish())) {
    areaAxisMax_ = plan->area.end;
    lengthAxisMax_ = plan->length.end;
  }
  update();
}

void TExpo::FormShow() {
  ComputeHorn();
  ShowHornCursorArea();
}

void TExpo::FormActivate() {
  std::optional<HornSavedInputs> saved;
  {
    const platform::IniFile ini = OpenSettings();
    autoSimulate_ = ini.ReadBool("Options", "AutoBoxSim", true);
    saveValues_ = ini.ReadBool("Options", "SaveBox", false);
    Language = ini.ReadString("Info", "Sprache", "deutsch");
    // Only the first activation after a show restores: returning to the window keeps what the
    // user typed since.
    if (saveValues_ && FirstActivationSinceShow()) saved = ReadHornSection(ini);
  }
  if (saved) {
    fu->setText(Q(saved->fu));
    Ah->setText(Q(saved->ah));
    Edit1->setText(Q(saved->fo));
    ScrollBar1->setValue(saved->cursor);
    SelectPlacement(saved->placement);
  }
  SetCaption(Q(HornCaption(IsEnglish())));
  ComputeHorn();
  ShowHornCursorArea();
  EraseAndRedraw();
}

void TExpo::FormPaint(QPainter& painter) {
  if (!ContourShown()) return;
  const QSize outer = OuterSize();
  const auto plan = PlanHornContour(horn_, ScrollBar1->value(), outer.width(), outer.height(), IsEnglish());
  if (!plan) return;
  areaAxisMax_ = plan->area.end;
  lengthAxisMax_ = plan->length.end;

  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  const int ascent = painter.fontMetrics().ascent();
  for (const PlotText& t : plan->texts) painter.drawText(t.at.x, t.at.y + ascent, Q(t.text));
  for (const PlotLine& l : plan->lines) painter.drawLine(l.from.x, l.from.y, l.to.x, l.to.y);
  QPolygon contour;
  contour.reserve(static_cast<int>(plan->contour.size()));
  for (const PlotPoint& p : plan->contour) contour << QPoint(p.x, p.y);
  painter.drawPolyline(contour);
  painter.drawLine(plan->leader.from.x, plan->leader.from.y, plan->leader.to.x, plan->leader.to.y);
  painter.setBrush(Qt::white);
  painter.drawRect(plan->marker.x - 2, plan->marker.y - 2, 4, 4);
}

void TExpo::resizeEvent(QResizeEvent* event) {
  FormBase::resizeEvent(event);
  update();
}

void TExpo::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  FormMouseMove(at.x(), at.y());
  FormBase::mouseMoveEvent(event);
}

void TExpo::FormMouseMove(int x, int y) {
  const QSize outer = OuterSize();
  const auto readout =
      HornReadoutCaption(horn_, areaAxisMax_, lengthAxisMax_, x, y, outer.width(), outer.height(), IsEnglish());
  if (readout) {
    setCursor(Qt::CrossCursor);
    SetCaption(Q(*readout));
  } else {
    setCursor(Qt::ArrowCursor);
    SetCaption(Q(HornCaption(IsEnglish())));
  }
}

void TExpo::FormClose() {
  if (!saveValues_) return;
  platform::IniFile ini = OpenSettings();
  if (!WriteHornSection(ini, Std(fu), Std(Ah), Std(Edit1), ScrollBar1->value(), Placement())) {
    const QString path = QString::fromStdString(SettingsFilePath());
    platform::ShowMessage(this, IsEnglish()
                                    ? QString("The horn values could not be saved in the settings file %1.").arg(path)
                                    : QString::fromUtf8("Die Trichterwerte konnten nicht in der Einstellungsdatei %1 "
                                                        "gespeichert werden.")
                                          .arg(path));
  }
}

void TExpo::Button1Click() { close(); }

void TExpo::Button2Click() { DrawHornContour(); }

}  // namespace velomare

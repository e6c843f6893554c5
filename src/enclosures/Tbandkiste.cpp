#include "enclosures/Tbandkiste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <cmath>

#include "app/Forms.h"
#include "common/Settings.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/SimulationExportDialog.h"
#include "enclosures/Tgueten.h"
#include "enclosures/Tswerte.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/ResponsePlot.h"
#include "enclosures/model/SimulationExport.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"GroupBox1", "Berechnung", "calculation"},
    {"GroupBox2", "Simulation", "simulation"},
    {"Button2", "S&chliessen", "&close"},
    {"Button4", "&simulation", "&Simulation"},
    {"Button1", "&Drucken", "print"},
    {"Button3", "&Hilfe", "&help"},
    {"RadioButton1", "Rohrdurchmesser dr", "tube diameter dr"},
    {"RadioButton2", "Tunnel", "tunnel"},
    {"ScrollBar1", "Form der Übertragungsfunktion", "Form der Übertragungsfunktion", UiText::Hint},
    {"ScrollBar2", "Güte des Bandpasses", "Güte des Bandpasses", UiText::Hint},
    {"CheckBox1", "2 Chassis zum Verringern des Volumens", "2 Chassis zum Verringern des Volumens", UiText::Hint},
    {"Image1", "mögliche Anordnung eines geschl. Bandpasses mit 2 Volumen",
     "mögliche Anordnung eines geschl. Bandpasses mit 2 Volumen", UiText::Hint},
    {"Image2", "mögliche Anordnung eines geschl. Bandpasses mit 2 Volumen",
     "mögliche Anordnung eines geschl. Bandpasses mit 2 Volumen", UiText::Hint},
    {"CheckBox2", "Abschätzung des Verlustfaktors anhand des Volumens",
     "Abschätzung des Verlustfaktors anhand des Volumens", UiText::Hint},
    {"Edit1", "Innendurchmesser des Rohres", "Innendurchmesser des Rohres", UiText::Hint},
    {"Label10", "Querschnittsfläche des Rohres oder Tunnels", "Querschnittsfläche des Rohres oder Tunnels",
     UiText::Hint},
    {"Label11", "neue Resonanzfrequenz des Chassis im Gehäuse", "neue Resonanzfrequenz des Chassis im Gehäuse",
     UiText::Hint},
    {"Label12", "Wirkungsgrad in dB/1W1m im Vergleich zu geschlossenen Gehäusen",
     "Wirkungsgrad in dB/1W1m im Vergleich zu geschlossenen Gehäusen", UiText::Hint},
    {"Label13", "Wirkungsgrad in dB im Vergleich zu geschlossenen Gehäusen",
     "Wirkungsgrad in dB im Vergleich zu geschlossenen Gehäusen", UiText::Hint},
    {"Label15", "Mittelfrequenz des Bandpasses", "Mittelfrequenz des Bandpasses", UiText::Hint},
};

// The window's outer size at start; the inputs take the rows down to y = 168, the diagram the rest
// (its top line lies at 175).
constexpr int kWidth = 790, kHeight = 550;
constexpr int kDiagramTop = 170;

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string Std(const QLineEdit* edit) { return edit->text().toStdString(); }

// The arrangement drawing: the driver in the wall between the sealed chamber (left) and the
// vented chamber (right), whose port radiates; with push-pull a second driver faces the first.
class ArrangementPicture : public QWidget {
 public:
  ArrangementPicture(QWidget* parent, bool pushPull) : QWidget(parent), pushPull_(pushPull) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(2, 6, -2, -6);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(235, 225, 200));
    p.drawRect(r);
    const double wall = r.left() + r.width() * 0.42;
    p.drawLine(QPointF(wall, r.top()), QPointF(wall, r.bottom()));
    const auto driver = [&](double x, bool facingRight) {
      const double mid = r.center().y(), half = r.height() * 0.28, depth = r.width() * 0.1;
      const double tip = facingRight ? x + depth : x - depth;
      QPolygonF cone;
      cone << QPointF(x, mid - half) << QPointF(tip, mid - half * 0.35) << QPointF(tip, mid + half * 0.35)
           << QPointF(x, mid + half);
      p.setBrush(QColor(60, 60, 60));
      p.drawPolygon(cone);
    };
    if (pushPull_) {
      driver(wall, false);
      driver(wall - r.width() * 0.12, true);
    } else {
      driver(wall, false);
    }
    // The port through the vented chamber's outer wall.
    p.setBrush(Qt::white);
    const double portTop = r.center().y() - r.height() * 0.12;
    p.drawRect(QRectF(r.right() - r.width() * 0.3, portTop, r.width() * 0.3 + 2, r.height() * 0.24));
  }

 private:
  bool pushPull_;
};

}  // namespace

Tbandkiste::Tbandkiste(QWidget* parent) : FormBase(parent) {
  // The caption is this window's own: the cursor read-out writes it, so the form base must not
  // put it back at every paint.
  setObjectName(QStringLiteral("bandkiste"));
  setWindowTitle(QString::fromUtf8("Geschlossenes Bandpaßgehäuse"));
  SetUsesColorScheme(true);
  SetHelpTopic("QTX_contents0006");
  setFont(WindowFont(10));
  setMouseTracking(true);

  Diagram = new ResponseDiagram(this, kDiagramTop);

  constexpr int kRow = 15, kEditH = 19;
  GroupBox1 = Make<QGroupBox>("GroupBox1", this, 4, 2, 300, 166);
  Label1 = Make<QLabel>("Label1", GroupBox1, 8, kGroupBoxFirstRow, 140, kRow);
  Label1->setText(QStringLiteral("Kurvenform / S = 0.6"));
  Label1->setCursor(Qt::WhatsThisCursor);
  ScrollBar1 = Make<QScrollBar>("ScrollBar1", GroupBox1, 150, kGroupBoxFirstRow, 142, kRow);
  ScrollBar1->setOrientation(Qt::Horizontal);
  ScrollBar1->setRange(4, 7);
  ScrollBar1->setPageStep(1);
  ScrollBar1->setValue(6);
  Label2 = Make<QLabel>("Label2", GroupBox1, 8, 38, 140, kRow);
  Label2->setText(QString::fromUtf8("Gesamtgüte / Qt = 1 "));
  Label2->setCursor(Qt::WhatsThisCursor);
  ScrollBar2 = Make<QScrollBar>("ScrollBar2", GroupBox1, 150, 38, 142, kRow);
  ScrollBar2->setOrientation(Qt::Horizontal);
  ScrollBar2->setRange(50, 130);
  ScrollBar2->setPageStep(10);
  ScrollBar2->setValue(100);
  const auto result = [&](const char* name, int y) { return Make<QLabel>(name, GroupBox1, 8, y, 284, kRow); };
  Label11 = result("Label11", 56);
  Label5 = result("Label5", 71);
  Label6 = result("Label6", 86);
  Label15 = result("Label15", 101);
  Label12 = result("Label12", 116);
  Label13 = result("Label13", 131);
  well = result("well", 146);
  well->resize(284, 14);

  GroupBox2 = Make<QGroupBox>("GroupBox2", this, 308, 2, 300, 166);
  RadioButton1 = Make<QRadioButton>("RadioButton1", GroupBox2, 8, kGroupBoxFirstRow + 1, 130, 17);
  RadioButton1->setChecked(true);
  Edit1 = Make<QLineEdit>("Edit1", GroupBox2, 140, kGroupBoxFirstRow, 50, kEditH);
  Edit1->setText(QStringLiteral("10"));
  RadioButton2 = Make<QRadioButton>("RadioButton2", GroupBox2, 8, 42, 130, 17);
  RadioGroup({RadioButton1, RadioButton2});
  Edit2 = Make<QLineEdit>("Edit2", GroupBox2, 140, 41, 50, kEditH);
  Edit2->setText(QStringLiteral("10"));
  Edit2->setEnabled(false);
  Edit3 = Make<QLineEdit>("Edit3", GroupBox2, 196, 41, 50, kEditH);
  Edit3->setText(QStringLiteral("10"));
  Edit3->setEnabled(false);
  Label10 = Make<QLabel>("Label10", GroupBox2, 8, 62, 284, kRow);
  Label7 = Make<QLabel>("Label7", GroupBox2, 8, 81, 150, kRow);
  Edit4 = Make<QLineEdit>("Edit4", GroupBox2, 160, 79, 50, kEditH);
  Label18 = Make<QLabel>("Label18", GroupBox2, 214, 81, 82, kRow);
  Label3 = Make<QLabel>("Label3", GroupBox2, 8, 102, 150, kRow);
  Edit5 = Make<QLineEdit>("Edit5", GroupBox2, 160, 100, 50, kEditH);
  Label17 = Make<QLabel>("Label17", GroupBox2, 214, 102, 82, kRow);
  Label4 = Make<QLabel>("Label4", GroupBox2, 8, 123, 150, kRow);
  Edit6 = Make<QLineEdit>("Edit6", GroupBox2, 160, 121, 50, kEditH);
  CheckBox1 = Make<QCheckBox>("CheckBox1", GroupBox2, 8, 143, 200, 17);
  CheckBox1->setText(QStringLiteral("Push-Pull (Isobarik)"));

  Image1 = new ArrangementPicture(this, false);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(612, 6, 84, 68);
  Image2 = new ArrangementPicture(this, true);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(612, 6, 84, 68);
  Image2->hide();
  OverlapOnPurpose(Image1, Image2);
  CheckBox2 = Make<QCheckBox>("CheckBox2", this, 700, 6, 86, 17);
  CheckBox2->setText(QStringLiteral("&Auto Ql"));
  CheckBox2->setChecked(true);
  exportbox = Make<QComboBox>("exportbox", this, 700, 28, 86, 21);
  exportbox->setEditable(true);
  exportbox->setInsertPolicy(QComboBox::NoInsert);
  exportbox->addItems({"# 1", "# 2", "# 3", "# 4", "file"});
  exportbox->setCurrentIndex(-1);
  exportbox->setEditText(QStringLiteral("export"));
  Button5 = Make<QPushButton>("Button5", this, 700, 52, 86, 22);
  Button5->setText(QStringLiteral("e&xport"));
  Button5->hide();
  Label16 = Make<QLabel>("Label16", this, 612, 78, 174, kRow);
  Label16->setText(QStringLiteral("Verlustfaktor Ql "));
  ScrollBar3 = Make<QScrollBar>("ScrollBar3", this, 612, 96, 174, kRow);
  ScrollBar3->setOrientation(Qt::Horizontal);
  ScrollBar3->setRange(1, 100);
  ScrollBar3->setPageStep(10);
  ScrollBar3->setValue(10);
  const auto button = [&](const char* name, int x, int y, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, x, y, x == 612 ? 84 : 86, 23);
    b->setText(QString::fromUtf8(text));
    return b;
  };
  Button2 = button("Button2", 612, 118, "S&chliessen");
  Button4 = button("Button4", 700, 118, "&Simulation");
  Button1 = button("Button1", 612, 143, "&Drucken");
  Button3 = button("Button3", 700, 143, "&Hilfe");

  Label1->installEventFilter(this);
  Label2->installEventFilter(this);

  // Every change, typed or written by the program, runs its handler at once.
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &Tbandkiste::ScrollBar1Change);
  connect(ScrollBar2, &QScrollBar::valueChanged, this, &Tbandkiste::ScrollBar2Change);
  connect(ScrollBar3, &QScrollBar::valueChanged, this, &Tbandkiste::ScrollBar3Change);
  connect(Edit1, &QLineEdit::textChanged, this, &Tbandkiste::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tbandkiste::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &Tbandkiste::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &Tbandkiste::Edit4Change);
  connect(Edit5, &QLineEdit::textChanged, this, &Tbandkiste::Edit5Change);
  connect(Edit6, &QLineEdit::textChanged, this, &Tbandkiste::Edit6Change);
  connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
    if (on) RadioButton1Click();
  });
  connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
    if (on) RadioButton2Click();
  });
  connect(CheckBox1, &QCheckBox::toggled, this, &Tbandkiste::CheckBox1Click);
  connect(CheckBox2, &QCheckBox::toggled, this, &Tbandkiste::CheckBox2Click);
  connect(Button1, &QPushButton::clicked, this, &Tbandkiste::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tbandkiste::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tbandkiste::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Tbandkiste::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &Tbandkiste::Button5Click);
  connect(exportbox, &QComboBox::activated, this, &Tbandkiste::exportboxChange);
  SetCancelAndDefaultButtons(Button2, Button2);

  DeclareOuterSize({kWidth, kHeight});

  // Start values: S 0.6, Qt 1.0, one driver, Ql 10, designed for the driver loaded before.
  RefreshLanguage();
  state_.s = 0.6;
  state_.qt = 1.0;
  SetPushPull(state_, false);
  state_.ql = 10;
  SetQtRangeForS();
  DesignClosedBandpass();
}

std::span<const UiText> Tbandkiste::Texts() const { return kTexts; }

void Tbandkiste::SetQtRangeForS() {
  const QtRange range = velomare::SetQtRangeForS(state_, BandpassDriverFromCommitted().qts);
  ScrollBar1->setEnabled(range.enabled);
  ScrollBar2->setEnabled(range.enabled);
  // A position outside the new range moves to its nearest end, which runs the Qt handler.
  ScrollBar2->setRange(range.minimum, range.maximum);
}

void Tbandkiste::DesignClosedBandpass() {
  BandpassInputs in;
  in.sPosition = ScrollBar1->value();
  in.qtPosition = ScrollBar2->value();
  in.tunnel = RadioButton2->isChecked();
  in.tubeText = Std(Edit1);
  in.widthText = Std(Edit2);
  in.heightText = Std(Edit3);
  const BandpassDriver driver = BandpassDriverFromCommitted();
  const BandpassEditTexts texts = velomare::DesignClosedBandpass(state_, in, driver, IsEnglish());
  // Each changed text runs the hand-edit recalculation; an unchanged one runs nothing, so the
  // edits are read back once more to keep the state as the edits show it. The edits' redraws
  // wait for the last of them: the diagram is computed once, for the values they end with.
  ++designDepth_;
  SetTextIfChanged(Edit4, texts.portLength);
  SetTextIfChanged(Edit5, texts.vg);
  SetTextIfChanged(Edit6, texts.vr);
  RecalcBandpassFromEdits();
  ShowBandpassResults();
  UpdateBandpassQl();
  --designDepth_;
  if (designDepth_ == 0 && redrawPending_) {
    redrawPending_ = false;
    Redraw();
  }
}

void Tbandkiste::RecalcBandpassFromEdits() {
  const BandpassRecalcTexts texts =
      velomare::RecalcBandpassFromEdits(state_, Std(Edit4), Std(Edit5), Std(Edit6), BandpassDriverFromCommitted());
  SetTextIfChanged(Label17, texts.qtcLabel);
  SetTextIfChanged(Label18, texts.frLabel);
  if (texts.updateQl) UpdateBandpassQl();
}

void Tbandkiste::UpdateBandpassQl() {
  const int position = velomare::UpdateBandpassQl(state_, CheckBox2->isChecked(), ScrollBar3->value());
  // The scroll bar's own handler runs when the position moves and comes back here at rest.
  if (CheckBox2->isChecked()) ScrollBar3->setValue(position);
  SetTextIfChanged(Label16, BandpassQlLabel(IsEnglish(), ScrollBar3->value()));
}

void Tbandkiste::ShowBandpassResults() {
  const BandpassResultTexts t = velomare::ShowBandpassResults(state_, IsEnglish());
  SetTextIfChanged(Label2, t.label2);
  SetTextIfChanged(Label1, t.label1);
  SetTextIfChanged(Label10, t.label10);
  SetTextIfChanged(Label7, t.label7);
  SetTextIfChanged(Label4, t.label4);
  SetTextIfChanged(Label3, t.label3);
  SetTextIfChanged(Label11, t.label11);
  SetTextIfChanged(Label5, t.label5);
  SetTextIfChanged(Label6, t.label6);
  SetTextIfChanged(Label12, t.label12);
  SetTextIfChanged(Label13, t.label13);
  SetTextIfChanged(Label15, t.label15);
  SetTextIfChanged(well, t.well);
}

void Tbandkiste::Redraw() {
  if (designDepth_ > 0) {
    redrawPending_ = true;
    return;
  }
  diagramShown_ = autoBoxSim_;
  UpdateDiagram();
}

void Tbandkiste::UpdateDiagram() {
  const BandpassDriver driver = BandpassDriverFromCommitted();
  if (!diagramShown_ || !BandpassPlotDrawable(state_, driver)) {
    Diagram->ClearPlot();
    return;
  }
  const BandpassLevelInputs inputs = BandpassLevelInputsOf(state_, driver);
  const QSize outer = OuterSize();
  Diagram->ShowPlot(ComputeResponsePlot(BandpassPlotStyle(), outer.width(), outer.height(),
                                        [&](double f) { return BandpassLevel(inputs, f).value_or(std::nan("")); }));
}

void Tbandkiste::ScrollBar1Change() {
  state_.s = ScrollBar1->value() / 10.0;
  SetQtRangeForS();
  DesignClosedBandpass();
}

void Tbandkiste::ScrollBar2Change() {
  state_.qt = ScrollBar2->value() / 100.0;
  SetQtRangeForS();
  DesignClosedBandpass();
}

void Tbandkiste::ScrollBar3Change() {
  UpdateBandpassQl();
  Redraw();
}

void Tbandkiste::Edit1Change() {
  DesignClosedBandpass();
  Redraw();
}
void Tbandkiste::Edit2Change() { Edit1Change(); }
void Tbandkiste::Edit3Change() { Edit1Change(); }

void Tbandkiste::Edit4Change() {
  RecalcBandpassFromEdits();
  Redraw();
}
void Tbandkiste::Edit5Change() { Edit4Change(); }
void Tbandkiste::Edit6Change() { Edit4Change(); }

void Tbandkiste::RadioButton1Click() {
  Edit1->setEnabled(true);
  Edit2->setEnabled(false);
  Edit3->setEnabled(false);
  DesignClosedBandpass();
}

void Tbandkiste::RadioButton2Click() {
  Edit1->setEnabled(false);
  Edit2->setEnabled(true);
  Edit3->setEnabled(true);
  DesignClosedBandpass();
}

void Tbandkiste::CheckBox1Click() {
  const bool pushPull = CheckBox1->isChecked();
  Image2->setVisible(pushPull);
  SetPushPull(state_, pushPull);
  DesignClosedBandpass();
}

void Tbandkiste::CheckBox2Click() {
  UpdateBandpassQl();
  Redraw();
}

void Tbandkiste::Button1Click() { ConfirmAndPrintForm(); }
void Tbandkiste::Button2Click() { CloseForm(); }
void Tbandkiste::Button3Click() { ShowHelpTopic(); }

void Tbandkiste::Button4Click() {
  diagramShown_ = true;
  UpdateDiagram();
}

void Tbandkiste::Label1Click() {
  if (forms::swerte) forms::swerte->ShowForm();
}

void Tbandkiste::Label2Click() {
  if (forms::gueten) forms::gueten->ShowForm();
}

bool Tbandkiste::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
    if (label == Label1) Label1Click();
    if (label == Label2) Label2Click();
  }
  return FormBase::eventFilter(watched, event);
}

void Tbandkiste::SetCaption(const std::string& caption) {
  const QString text = Q(caption);
  if (windowTitle() != text) setWindowTitle(text);
}

void Tbandkiste::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove(event->buttons(), static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
  FormBase::mouseMoveEvent(event);
}

void Tbandkiste::FormMouseMove(Qt::MouseButtons buttons, int x, int y) {
  const QSize outer = OuterSize();
  const PointerReading reading = ReadPointer(BandpassPlotStyle(), outer.width(), outer.height(), x, y);
  const bool curveMode = buttons & Qt::LeftButton;
  double level = reading.level;
  if (curveMode)
    level = BandpassLevel(BandpassLevelInputsOf(state_, BandpassDriverFromCommitted()), reading.frequency).value_or(0.0);
  if (reading.inArea)
    setCursor(Qt::CrossCursor);
  else
    unsetCursor();
  SetCaption(BandpassPointerCaption(IsEnglish(), CheckBox1->isChecked(), reading.inArea, curveMode,
                                    reading.frequency, level));
}

void Tbandkiste::resizeEvent(QResizeEvent* event) {
  FormBase::resizeEvent(event);
  UpdateDiagram();
}

void Tbandkiste::FormPaint(QPainter&) {
  // The language may have changed since the last design: the labels follow it at once.
  ShowBandpassResults();
  SetTextIfChanged(Label16, BandpassQlLabel(IsEnglish(), ScrollBar3->value()));
}

void Tbandkiste::FormActivate() {
  RefreshLanguage();
  {
    const platform::IniFile ini = OpenSettings();
    autoBoxSim_ = ini.ReadBool("Options", "AutoBoxSim", true);
    saveBox_ = ini.ReadBool("Options", "SaveBox", false);
  }
  // Whether the driver changed is decided before the restore, whose designs would hide it.
  const bool driverChanged = BandpassDriverChanged(state_, BandpassDriverFromCommitted());
  // The Qt range and whether S and Qt can be chosen at all depend on the driver's Qts; set them
  // before the restore, so that a restored Qt lands in the new driver's range.
  if (driverChanged) SetQtRangeForS();
  const bool first = FirstActivationSinceShow();
  if (first && saveBox_) {
    const BandpassSavedValues saved = ReadBandpassSection(OpenSettings());
    Edit1->setText(Q(saved.tubeText));
    Edit2->setText(Q(saved.widthText));
    Edit3->setText(Q(saved.heightText));
    ScrollBar1->setValue(saved.sPosition);
    ScrollBar2->setValue(saved.qtPosition);
    CheckBox1->setChecked(saved.pushPull);
    if (saved.tunnel)
      RadioButton2->setChecked(true);
    else
      RadioButton1->setChecked(true);
  }
  SetCaption(BandpassCaption(IsEnglish(), CheckBox1->isChecked()));
  // The design rewrites the hand edits: only on a fresh show or for another driver.
  if (first || driverChanged) DesignClosedBandpass();
  if (autoBoxSim_) diagramShown_ = true;
  UpdateDiagram();
}

void Tbandkiste::FormClose() {
  if (!saveBox_) return;
  const BandpassClosingValues values =
      BandpassValuesFromControls(Std(Edit1), Std(Edit2), Std(Edit3), ScrollBar1->value(), ScrollBar2->value(),
                                 CheckBox1->isChecked(), RadioButton2->isChecked());
  platform::IniFile ini = OpenSettings();
  if (!WriteBandpassSection(ini, values)) {
    platform::ShowMessage(this, QString::fromUtf8(Lang("Die Werte konnten nicht in der Einstellungsdatei gespeichert werden.",
                                                      "The values could not be saved in the settings file.")));
  }
}

void Tbandkiste::exportboxChange(int index) {
  RunExportChoice(this, index, BandpassStoreValid(state_, BandpassDriverFromCommitted()),
                  [this](int slot) { StoreBandpassCurve(slot); }, [this] { ExportBandpassDialog(); });
}

void Tbandkiste::Button5Click() { ExportBandpassDialog(); }

void Tbandkiste::StoreBandpassCurve(int slot) {
  const std::optional<ComparisonLevels> levels = BandpassLevels(state_, BandpassDriverFromCommitted());
  if (!levels || !StoreComparisonCurve(slot, *levels, BandpassComparisonHeader(state_, CheckBox1->isChecked())))
    platform::ShowMessage(this, QString::fromUtf8(export_text::kNoData));
}

void Tbandkiste::ExportBandpassDialog() {
  std::optional<SimulationExport> data;
  const BandpassDriver driver = BandpassDriverFromCommitted();
  if (BandpassStoreValid(state_, driver)) {
    if (const std::optional<ComparisonLevels> levels = BandpassLevels(state_, driver)) {
      SimulationExport d;
      d.driver = ExportDriverFromCommitted(ExportSensitivity::ComputedNow);
      d.box = BandpassExportValues(state_, CheckBox1->isChecked(), RadioButton2->isChecked(), Std(Edit2), Std(Edit3));
      d.levels = *levels;
      d.english = IsEnglish();
      data = d;
    }
  }
  RunSimulationExportDialog(this, data, ExportDefaultName(ClosedBandpassExportValues{}));
}

}  // namespace velomare

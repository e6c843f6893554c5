#include "enclosures/Tclosed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "app/Forms.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/PrintedResponsePage.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/SimulationExportDialog.h"
#include "enclosures/Tgueten.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/ResponsePlot.h"
#include "enclosures/model/SimulationExport.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Simulieren", "&simulation"},
    {"Button4", "&Drucken", "&print"},
    {"Button3", "&Hilfe", "&help"},
    {"exportbutton", "E&xport", "e&xport"},
    {"log", "logarithmisch", "logarithmic"},
    {"log", "Simulation logarithmisch anstatt linear (empfohlen)", "simulation is logarithmic instead of linear (better)",
     UiText::Hint},
    {"CheckBox1", "Einbaugüte Qtc", "quality Qtc"},
    {"CheckBox1", "Direkte Eingabe der Güte", "input the wanted build-in Quality Qtc of the box", UiText::Hint},
    {"Label1", "Hilfe zu Güte-Kennlinien", "help to quality Qtc-characteristics", UiText::Hint},
    {"Label20", "Serienwiderstand", "serial resistance"},
    {"Label20", "Ohmscher Widerstand vor dem Lautsprecher", "DC-resistance before speaker", UiText::Hint},
    {"Label2", "Ohm, Chassis-Anzahl", "ohm,number of speakers"},
    {"Label6", "Volumen", "volume"},
};

// The window's outer size at start; the input controls take the rows from y = 4 to 90, the
// diagram the rest.
constexpr int kWidth = 700, kHeight = 500;
constexpr int kDiagramTop = 90;
constexpr int kRowH = 21, kLabelH = 17;

const QColor kPresetHighlight(128, 0, 128);
constexpr const char* kPrintQuestion = "Simulation drucken? / Print simulation?";

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string Std(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

Tclosed::Tclosed(QWidget* parent) : FormBase(parent) {
  // The caption is this window's own: the cursor read-out writes it, so the form base must not
  // put it back at every paint.
  setObjectName(QStringLiteral("closed"));
  setWindowTitle(QString::fromUtf8("geschlossenes Gehäuse"));
  SetUsesColorScheme(true);
  SetHelpTopic("QTX_contents0004");
  // The rows are packed as tightly as the window's positions demand: a slightly smaller font
  // keeps every caption inside its place.
  setFont(WindowFont(10));
  setMouseTracking(true);

  Diagram = new ResponseDiagram(this, kDiagramTop);

  CheckBox1 = Make<QCheckBox>("CheckBox1", this, 8, 8, 97, kLabelH);
  Edit1 = Make<QLineEdit>("Edit1", this, 106, 4, 38, kRowH);
  Edit1->setText(QStringLiteral("0,707"));
  Label1 = Make<QLabel>("Label1", this, 146, 5, 20, 19);
  Label1->setText(QStringLiteral(" ? "));
  Label1->setAutoFillBackground(true);
  QPalette white = Label1->palette();
  white.setColor(QPalette::Window, Qt::white);
  Label1->setPalette(white);
  QFont bold16 = WindowFont(16);
  bold16.setBold(true);
  Label1->setFont(bold16);
  Label1->setCursor(Qt::WhatsThisCursor);
  Label20 = Make<QLabel>("Label20", this, 168, 8, 87, kLabelH);
  Edit3 = Make<QLineEdit>("Edit3", this, 256, 4, 35, kRowH);
  Edit3->setText(QStringLiteral("0"));
  Label2 = Make<QLabel>("Label2", this, 293, 8, 125, kLabelH);
  ComboBox1 = Make<QComboBox>("ComboBox1", this, 419, 4, 38, kRowH);
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  for (int n = 1; n <= 8; ++n) ComboBox1->addItem(QString::number(n));
  ComboBox1->setCurrentIndex(0);
  Label6 = Make<QLabel>("Label6", this, 459, 8, 45, kLabelH);
  Edit2 = Make<QLineEdit>("Edit2", this, 505, 4, 53, kRowH);
  Edit2->setText(QStringLiteral("10"));
  Label11 = Make<QLabel>("Label11", this, 560, 8, 136, kLabelH);
  Label11->setText(QStringLiteral("l netto"));

  QFont boldUnderlined = font();
  boldUnderlined.setBold(true);
  boldUnderlined.setUnderline(true);
  const auto preset = [&](const char* name, int x, int w, const char* text) {
    QLabel* label = Make<QLabel>(name, this, x, 35, w, kLabelH);
    label->setText(QString::fromUtf8(text));
    label->setFont(boldUnderlined);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    OnHover(label, [label] { SetTextColour(label, kPresetHighlight); });
    return label;
  };
  linkwitz = preset("linkwitz", 8, 100, "Linkwitz (0,5)");
  bessel = preset("bessel", 112, 92, "Bessel (0,58)");
  butterw = preset("butterw", 208, 110, "Butterworth (0,71)");
  Label1->installEventFilter(this);

  Label4 = Make<QLabel>("Label4", this, 320, 35, 182, kLabelH);
  Label4->setText(QStringLiteral("Untere Grenzfrequenz fg "));
  Label5 = Make<QLabel>("Label5", this, 504, 35, 192, kLabelH);
  Label5->setText(QStringLiteral("Resonanzfrequenz fc "));
  labelfxmax = Make<QLabel>("labelfxmax", this, 504, 53, 192, kLabelH);
  labelfxmax->setText(QStringLiteral("labelfxmax"));

  const auto button = [&](const char* name, int x, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, x, 61, 76, 25);
    b->setText(QString::fromUtf8(text));
    return b;
  };
  Button1 = button("Button1", 8, "S&chliessen");
  Button2 = button("Button2", 88, "&Simulieren");
  Button4 = button("Button4", 168, "&Drucken");
  Button3 = button("Button3", 248, "&Hilfe");
  Button5 = button("Button5", 328, "&Tip");
  exportbox = Make<QComboBox>("exportbox", this, 408, 63, 90, kRowH);
  exportbox->setEditable(true);
  exportbox->setInsertPolicy(QComboBox::NoInsert);
  exportbox->addItems({"# 1", "# 2", "# 3", "# 4", "file"});
  exportbox->setCurrentIndex(-1);
  exportbox->setEditText(QStringLiteral("export"));
  exportbutton = Make<QPushButton>("exportbutton", this, 408, 85, 76, 25);
  exportbutton->setText(QStringLiteral("e&xport"));
  exportbutton->hide();
  log = Make<QCheckBox>("log", this, 504, 70, 130, kLabelH);
  log->setChecked(true);

  // Every text change, typed or written by the program, runs its handler at once.
  connect(Edit1, &QLineEdit::textChanged, this, &Tclosed::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tclosed::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &Tclosed::Edit3Change);
  connect(ComboBox1, &QComboBox::currentTextChanged, this, &Tclosed::ComboBox1Change);
  connect(CheckBox1, &QCheckBox::toggled, this, &Tclosed::CheckBox1Click);
  connect(log, &QCheckBox::toggled, this, &Tclosed::logClick);
  connect(Button1, &QPushButton::clicked, this, &Tclosed::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tclosed::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tclosed::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Tclosed::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &Tclosed::Button5Click);
  connect(exportbox, &QComboBox::activated, this, &Tclosed::exportboxChange);
  connect(exportbutton, &QPushButton::clicked, this, &Tclosed::exportbuttonClick);
  SetCancelAndDefaultButtons(Button1, nullptr);

  DeclareOuterSize({kWidth, kHeight});

  // Start values.
  RefreshLanguage();
  if (ClosedStartsInQtcMode(ChassisQts)) {
    CheckBox1->setChecked(true);
    Edit1->setText(QStringLiteral("0,707"));
    ClosedDesignFromQtc();
  } else {
    CheckBox1->setChecked(false);
    Edit2->setText(QStringLiteral("100"));
    ClosedDesignFromVolume();
  }
  UpdateSeriesResistance(design_, Std(Edit3), ClosedDriverFromCommitted());
  ClosedDesignFromQtc();
}

std::span<const UiText> Tclosed::Texts() const { return kTexts; }

ClosedInputs Tclosed::Inputs() const {
  ClosedInputs in;
  in.qtcText = Std(Edit1);
  in.volumeText = Std(Edit2);
  in.seriesRText = Std(Edit3);
  // A typed text that is no item counts as the first item (one driver).
  in.driverItemIndex = ComboBox1->findText(ComboBox1->currentText(), Qt::MatchExactly);
  in.qtcMode = CheckBox1->isChecked();
  return in;
}

void Tclosed::Apply(const ClosedDesignTexts& t) {
  if (!t.ran) return;
  if (t.otherEdit) {
    // The other edit's handler runs inside this write; in this mode it only takes the snapshot.
    QLineEdit* other = CheckBox1->isChecked() ? Edit2 : Edit1;
    other->setText(Q(*t.otherEdit));
  }
  Label4->setText(Q(t.fgLabel));
  Label5->setText(Q(t.fcLabel));
  Label11->setText(Q(t.totalLabel));
  if (t.peakLabel) labelfxmax->setText(Q(*t.peakLabel));
}

void Tclosed::ClosedDesignFromQtc() {
  Apply(velomare::ClosedDesignFromQtc(design_, Inputs(), ClosedDriverFromCommitted(), IsEnglish()));
}

void Tclosed::ClosedDesignFromVolume() {
  Apply(velomare::ClosedDesignFromVolume(design_, Inputs(), ClosedDriverFromCommitted(), IsEnglish()));
}

void Tclosed::ClosedTipDesign() {
  const ClosedTip tip = ClosedTipFor(ChassisQts);
  CheckBox1->setChecked(tip.qtcMode);
  QLineEdit* edit = tip.qtcMode ? Edit1 : Edit2;
  edit->setText(QString::fromUtf8(tip.intermediate));
  edit->setText(QString::fromUtf8(tip.text));
  if (tip.qtcMode)
    ClosedDesignFromQtc();
  else
    ClosedDesignFromVolume();
}

ClosedResponse Tclosed::Response() const { return ClosedResponseOf(design_, ClosedDriverFromCommitted()); }

void Tclosed::Redraw() {
  diagramShown_ = autoBoxSim_;
  UpdateDiagram();
}

void Tclosed::UpdateDiagram() {
  const bool logarithmic = log->isChecked();
  if (!diagramShown_ || !ClosedPlotDrawable(design_, ClosedDriverFromCommitted(), logarithmic)) {
    Diagram->ClearPlot();
    return;
  }
  const ClosedResponse response = Response();
  const QSize outer = OuterSize();
  Diagram->ShowPlot(ComputeResponsePlot(
      ClosedBoxPlotStyle(logarithmic ? FrequencyAxis::Logarithmic : FrequencyAxis::Linear), outer.width(),
      outer.height(), [&](double f) { return ClosedResponseLevel(response, f).value_or(std::nan("")); }));
}

void Tclosed::Edit1Change() {
  ClosedDesignFromQtc();
  Redraw();
}

void Tclosed::Edit2Change() {
  ClosedDesignFromVolume();
  Redraw();
}

void Tclosed::Edit3Change() {
  UpdateSeriesResistance(design_, Std(Edit3), ClosedDriverFromCommitted());
  if (CheckBox1->isChecked())
    ClosedDesignFromQtc();
  else
    ClosedDesignFromVolume();
  Redraw();
}

void Tclosed::ComboBox1Change() {
  if (CheckBox1->isChecked())
    ClosedDesignFromQtc();
  else
    ClosedDesignFromVolume();
  Redraw();
}

void Tclosed::CheckBox1Click() {
  const bool qtcMode = CheckBox1->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(linkwitz), static_cast<QWidget*>(bessel),
                     static_cast<QWidget*>(butterw)})
    w->setEnabled(qtcMode);
  Edit2->setEnabled(!qtcMode);
}

void Tclosed::logClick() { Redraw(); }

void Tclosed::Button1Click() { CloseForm(); }

void Tclosed::Button2Click() {
  diagramShown_ = true;
  UpdateDiagram();
}

void Tclosed::Button3Click() { ShowHelpTopic(); }

void Tclosed::Button5Click() {
  ClosedTipDesign();
  Redraw();
}

void Tclosed::Label1Click() {
  if (forms::gueten) forms::gueten->ShowForm();
}

void Tclosed::linkwitzClick() {
  Edit1->setText(QStringLiteral("0,1"));
  Edit1->setText(QStringLiteral("0,50"));
}

void Tclosed::besselClick() {
  Edit1->setText(QStringLiteral("0,1"));
  Edit1->setText(QStringLiteral("0,577"));
}

void Tclosed::butterwClick() {
  Edit1->setText(QStringLiteral("0,1"));
  Edit1->setText(QStringLiteral("0,707"));
}

void Tclosed::SetCaption(const std::string& caption) {
  const QString text = Q(caption);
  if (windowTitle() != text) setWindowTitle(text);
}

bool Tclosed::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (!label) return FormBase::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonRelease && label->isEnabled() &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
    if (label == Label1) Label1Click();
    if (label == linkwitz) linkwitzClick();
    if (label == bessel) besselClick();
    if (label == butterw) butterwClick();
  }
  return FormBase::eventFilter(watched, event);
}

void Tclosed::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove(event->buttons(), static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
  FormBase::mouseMoveEvent(event);
}

void Tclosed::FormMouseMove(Qt::MouseButtons buttons, int x, int y) {
  const QColor text = palette().color(QPalette::WindowText);
  for (QLabel* label : {linkwitz, bessel, butterw}) SetTextColour(label, text);

  const bool logarithmic = log->isChecked();
  const QSize outer = OuterSize();
  const ResponsePlotStyle style = ClosedBoxPlotStyle(logarithmic ? FrequencyAxis::Logarithmic : FrequencyAxis::Linear);
  const PointerReading reading = ReadPointer(style, outer.width(), outer.height(), x, y);
  const bool curveMode = buttons & Qt::LeftButton;
  double level = reading.level;
  if (curveMode) level = ClosedResponseLevel(Response(), reading.frequency).value_or(0.0);
  if (!reading.inArea)
    unsetCursor();
  else
    setCursor(curveMode ? Qt::WhatsThisCursor : Qt::CrossCursor);
  SetCaption(ClosedPointerCaption(IsEnglish(), reading.inArea, curveMode, reading.frequency, level));
}

void Tclosed::resizeEvent(QResizeEvent* event) {
  FormBase::resizeEvent(event);
  UpdateDiagram();
}

void Tclosed::FormActivate() {
  RefreshLanguage();
  {
    const platform::IniFile ini = OpenSettings();
    autoBoxSim_ = ini.ReadBool("Options", "AutoBoxSim", true);
    saveBox_ = ini.ReadBool("Options", "SaveBox", false);
  }
  // Whether the driver changed is decided before the restore: the restore's designs take the new
  // driver's snapshot and would hide the change.
  const bool driverChanged = ClosedDriverChanged(design_, ClosedDriverFromCommitted());
  if (FirstActivationSinceShow() && saveBox_) {
    if (const auto saved = ReadClosedSection(OpenSettings())) {
      // The kept volume is what the user designed from, so it comes back in volume mode: in Qtc
      // mode the volume edit designs nothing, and the resistance's Qtc design would overwrite it.
      CheckBox1->setChecked(false);
      Edit2->setText(Q(ClosedStoredNumberText(saved->volume)));
      Edit3->setText(Q(ClosedStoredNumberText(saved->seriesR)));
      // The writes design only when they change a text: a failed Qtc design at start leaves the
      // volume edit's "10", which a kept 10 l does not change.
      ClosedDesignFromVolume();
    }
  }
  SetCaption(ClosedCaption(IsEnglish()));
  if (driverChanged) ClosedTipDesign();
  // Activation shows the diagram with "AutoBoxSim"; it never takes away one that the simulation
  // button showed.
  if (autoBoxSim_) diagramShown_ = true;
  UpdateDiagram();
}

void Tclosed::FormClose() {
  if (!saveBox_) return;
  const ClosedSavedValues values = ClosedValuesFromEdits(Std(Edit2), Std(Edit3));
  platform::IniFile ini = OpenSettings();
  if (!WriteClosedSection(ini, values)) {
    platform::ShowMessage(this, QString::fromUtf8(Lang("Die Werte konnten nicht in der Einstellungsdatei gespeichert werden.",
                                                      "The values could not be saved in the settings file.")));
  }
}

void Tclosed::Button4Click() {
  if (platform::AskYesNo(this, QString::fromUtf8(kPrintQuestion)) != platform::Answer::Yes) return;
  const ClosedDriver driver = ClosedDriverFromCommitted();
  if (!ClosedPrintValid(design_, driver)) {
    platform::ShowMessage(this, QString::fromUtf8(Lang("Keine richtigen Werte zum Simulieren vorhanden",
                                                      "no values for simulation")));
    return;
  }
  const ClosedResponse response = Response();
  PrintResponsePage(this, ClosedPrintTitle(design_, ChassisManufacturer, ChassisName), ClosedBoxPrintStyle(),
                    [&](double f) { return ClosedResponseLevel(response, f).value_or(std::nan("")); });
}

void Tclosed::exportboxChange(int index) {
  RunExportChoice(this, index, ClosedStoreValid(design_, ClosedDriverFromCommitted()),
                  [this](int slot) { StoreClosedCurve(slot); }, [this] { ExportClosedDialog(); });
}

void Tclosed::exportbuttonClick() { ExportClosedDialog(); }

void Tclosed::StoreClosedCurve(int slot) {
  const ClosedResponse response = Response();
  ComparisonLevels levels;
  for (int f = 1; f <= kComparisonLevelCount; ++f)
    levels[static_cast<std::size_t>(f - 1)] = ClosedResponseLevel(response, f).value_or(std::nan(""));
  ComparisonHeader header = HeaderForCommittedDriver(BoxType::Closed);
  header.Multiple = static_cast<std::uint8_t>(design_.driverCount);
  header.Volume1 = design_.volume;
  StoreComparisonCurve(slot, levels, header);
}

void Tclosed::ExportClosedDialog() {
  std::optional<SimulationExport> data;
  if (ClosedStoreValid(design_, ClosedDriverFromCommitted())) {
    SimulationExport d;
    d.driver = ExportDriverFromCommitted(ExportSensitivity::ComputedNow);
    d.box = ClosedExportValues{design_.qtc, design_.volume, design_.driverCount, design_.seriesR};
    const ClosedResponse response = Response();
    for (int f = 1; f <= kComparisonLevelCount; ++f)
      d.levels[static_cast<std::size_t>(f - 1)] = ClosedResponseLevel(response, f).value_or(std::nan(""));
    d.english = IsEnglish();
    data = d;
  }
  RunSimulationExportDialog(this, data, ExportDefaultName(ClosedExportValues{}));
}

}  // namespace velomare

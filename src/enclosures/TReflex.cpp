#include "enclosures/TReflex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "app/Forms.h"
#include "calculators/TDurch.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/PrintedResponsePage.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/SimulationExportDialog.h"
#include "enclosures/model/ReflexTuning.h"
#include "enclosures/model/ResponsePlot.h"
#include "enclosures/model/SimulationExport.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label1", "Rohrdurchmesser", "tube diameter"},
    {"Label2", "Ohm, Volumen", "ohm, volume"},
    {"Label6", "cm, Rohrlänge", "cm,tube length"},
    {"label_9", "Anzahl Rohre :", "tube numbers :"},
    {"label_9", "Anzahl der Rohre (pro Kammer)", "Anzahl der Rohre (pro Kammer)", UiText::Hint},
    {"Label11", "Anzahl Chassis :", "speaker numbers :"},
    {"Label22", "cm, Serienwiderstand", "cm, serial resistance"},
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Simulieren", "&simulation"},
    {"Button3", "&Hilfe", "&help"},
    {"Button5", "&Drucken", "&print"},
    {"exportbutton", "E&xport", "e&xport"},
    {"CheckBox2", "Abschätzung des Verlustfaktors anhand des Volumens", "estimation of loss factor Ql with volume",
     UiText::Hint},
    {"log", "logarithmisch", "logarithmic"},
    {"log", "logarithmische Teilung (empfohlen)", "logarithmical dawing (better)", UiText::Hint},
    {"kammern", "Kammern", "chambers"},
    {"kammern", "jedes Chassis hat eine eigene Kammer", "jedes Chassis hat eine eigene Kammer", UiText::Hint},
};

// The window's outer size as designed; the controls take the top 100 pixels, the diagram the rest.
constexpr int kWidth = 790, kHeight = 580;
constexpr int kDiagramTop = 90;
constexpr int kRowH = 21, kLabelH = 16;
constexpr const char* kPrintQuestion = "Simulation drucken? / Print simulation?";
constexpr const char* kNoValues = "Keine Werte zum Simulieren vorhanden / No values for simulation";

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string Std(const QLineEdit* edit) { return edit->text().toStdString(); }

// A count from a list of "1" to "8": the chosen item's number; a typed text selects no item and
// counts 0.
int CountOf(const QComboBox* box) {
  const int index = box->currentIndex();
  if (index < 0 || box->currentText() != box->itemText(index)) return 0;
  return index + 1;
}

// Only the outermost of nested handlers refreshes the window.
class Nesting {
 public:
  explicit Nesting(int& depth) : depth_(depth) { ++depth_; }
  ~Nesting() { --depth_; }
  bool Outermost() const { return depth_ == 1; }

 private:
  int& depth_;
};

}  // namespace

TReflex::TReflex(QWidget* parent) : FormBase(parent) {
  // The caption is this window's own: the cursor read-out writes it, so the form base must not
  // put it back at every paint. Until the first activation it keeps its trailing blank.
  setObjectName(QStringLiteral("Reflex"));
  setWindowTitle(QString::fromUtf8("Baßreflex-Gehäuse "));
  SetUsesColorScheme(true);
  SetHelpTopic("QTX_contents0005");
  // The designed positions leave the captions little room: a slightly smaller font keeps each one
  // whole in both languages.
  setFont(WindowFont(9));
  setMouseTracking(true);

  Diagram = new ResponseDiagram(this, kDiagramTop);

  const auto label = [&](const char* name, int x, int y, int w, const char* text) {
    QLabel* l = Make<QLabel>(name, this, x, y, w, kLabelH);
    l->setText(QString::fromUtf8(text));
    return l;
  };
  const auto edit = [&](const char* name, int x, int w, const char* text) {
    QLineEdit* e = Make<QLineEdit>(name, this, x, 0, w, kRowH);
    e->setFont(WindowFont(12));
    e->setText(QString::fromUtf8(text));
    return e;
  };
  const auto countList = [&](const char* name, int x, int y) {
    QComboBox* box = Make<QComboBox>(name, this, x, y, 38, kRowH);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= 8; ++n) box->addItem(QString::number(n));
    box->setCurrentIndex(0);
    return box;
  };

  label_9 = label("label_9", 8, 8, 86, "Anzahl Rohre :");
  Box1 = countList("Box1", 96, 4);
  Label1 = label("Label1", 136, 8, 88, "Rohrdurchmesser");
  Label1->setCursor(Qt::WhatsThisCursor);
  Label1->installEventFilter(this);
  Edit1 = edit("Edit1", 224, 41, "10");
  Label6 = label("Label6", 267, 8, 76, "cm, Rohrlänge");
  Edit3 = edit("Edit3", 344, 41, "15");
  Label22 = label("Label22", 387, 8, 105, "cm, Serienwiderstand");
  Edit4 = edit("Edit4", 493, 39, "0");
  Label2 = label("Label2", 534, 8, 74, "Ohm, Volumen");
  Edit2 = edit("Edit2", 610, 57, "10");
  Label8 = label("Label8", 669, 8, 116, "l ");

  Label11 = label("Label11", 8, 36, 86, "Anzahl Chassis :");
  ComboBox1 = countList("ComboBox1", 96, 32);
  kammern = Make<QCheckBox>("kammern", this, 136, 34, 70, 17);
  kammern->setText(QStringLiteral("Kammern"));
  kammern->setEnabled(false);
  log = Make<QCheckBox>("log", this, 208, 34, 84, 17);
  log->setChecked(true);
  Label7 = label("Label7", 293, 35, 262, "Rohrfläche (cm²) ");
  Label5 = label("Label5", 558, 29, 226, "Rohrabstimmfrequenz fr ");
  Label4 = label("Label4", 558, 45, 226, "Untere Grenzfrequenz fg ");

  const auto button = [&](const char* name, int x, int y, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, x, y, 76, 25);
    b->setText(QString::fromUtf8(text));
    return b;
  };
  Button1 = button("Button1", 8, 64, "S&chliessen");
  Button2 = button("Button2", 88, 64, "&Simulieren");
  Button5 = button("Button5", 168, 64, "&Drucken");
  Button3 = button("Button3", 248, 64, "&Hilfe");
  exportbox = Make<QComboBox>("exportbox", this, 328, 66, 76, kRowH);
  exportbox->setEditable(true);
  exportbox->setInsertPolicy(QComboBox::NoInsert);
  exportbox->addItems({"# 1", "# 2", "# 3", "# 4", "file"});
  exportbox->setCurrentIndex(-1);
  exportbox->setEditText(QStringLiteral("export"));
  abstimm = Make<QComboBox>("abstimm", this, 408, 66, 100, kRowH);
  abstimm->setEditable(true);
  abstimm->setInsertPolicy(QComboBox::NoInsert);
  for (const char* item : kReflexAlignments) abstimm->addItem(QString::fromUtf8(item));
  abstimm->setCurrentIndex(-1);
  abstimm->setEditText(QStringLiteral("Abstimmung"));
  CheckBox2 = Make<QCheckBox>("CheckBox2", this, 512, 68, 60, 17);
  CheckBox2->setText(QStringLiteral("&Auto Ql"));
  CheckBox2->setChecked(true);
  ScrollBar1 = Make<QScrollBar>("ScrollBar1", this, 574, 69, 80, 17);
  ScrollBar1->setOrientation(Qt::Horizontal);
  ScrollBar1->setRange(1, 100);
  ScrollBar1->setValue(10);
  ScrollBar1->setPageStep(10);
  ScrollBar1->setSingleStep(1);
  Label3 = label("Label3", 656, 72, 129, "Verlustfaktor Ql ");
  exportbutton = button("exportbutton", 328, 88, "e&xport");
  exportbutton->hide();
  Button4 = button("Button4", 416, 88, "&Tip");
  Button4->hide();

  // Every change, typed or written by the program, runs its handler at once.
  connect(Edit1, &QLineEdit::textChanged, this, &TReflex::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &TReflex::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &TReflex::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &TReflex::Edit4Change);
  connect(Box1, &QComboBox::currentTextChanged, this, &TReflex::Box1Change);
  connect(ComboBox1, &QComboBox::currentTextChanged, this, &TReflex::ComboBox1Change);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &TReflex::ScrollBar1Change);
  connect(CheckBox2, &QCheckBox::toggled, this, &TReflex::CheckBox2Click);
  connect(log, &QCheckBox::toggled, this, &TReflex::logClick);
  connect(Button1, &QPushButton::clicked, this, &TReflex::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TReflex::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TReflex::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TReflex::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &TReflex::Button5Click);
  connect(abstimm, &QComboBox::activated, this, &TReflex::abstimmChange);
  connect(exportbox, &QComboBox::activated, this, &TReflex::exportboxChange);
  connect(exportbutton, &QPushButton::clicked, this, &TReflex::exportbuttonClick);
  SetCancelAndDefaultButtons(Button1, nullptr);

  DeclareOuterSize({kWidth, kHeight});

  // Start values: one port, one driver, no series resistance, and the rule of thumb for the
  // driver loaded at start-up with the 10 cm port.
  design_.portCount = 1;
  design_.driverCount = 1;
  design_.seriesR = 0;
  RefreshLanguage();
  ComputeTipAlignment();
}

std::span<const UiText> TReflex::Texts() const { return kTexts; }

int TReflex::PortCount() const { return CountOf(Box1); }
int TReflex::DriverCount() const { return CountOf(ComboBox1); }

void TReflex::SetCaption(const std::string& caption) {
  const QString text = Q(caption);
  if (windowTitle() != text) setWindowTitle(text);
}

void TReflex::ShowResults() {
  const ReflexResultTexts t = ShowReflexResults(design_, CheckBox2->isChecked(), ScrollBar1->value(), IsEnglish());
  // A new position runs the scroll bar's handler, which shows the results again and finds the
  // position unchanged.
  if (CheckBox2->isChecked()) ScrollBar1->setValue(t.ql);
  Label3->setText(Q(ReflexQlLabel(ScrollBar1->value(), IsEnglish())));
  Label4->setText(Q(t.cutoffLabel));
  Label5->setText(Q(t.tuningLabel));
  Label7->setText(Q(t.areaLabel));
  SetReflexTuningFrequency(static_cast<double>(design_.tuning));
}

void TReflex::ShowGrossVolume(bool valid, const char* prefix) {
  grossPrefix_ = valid ? prefix : nullptr;
  Label8->setText(Q(ReflexGrossLabel(design_, valid, prefix)));
}

void TReflex::RecalcFromGeometry() {
  design_.portCount = PortCount();
  design_.driverCount = DriverCount();
  // The gross volume counts the drivers' own volume and the ports: after a changed driver, driver
  // count or port its label follows here, which runs at every show and activation too. A label
  // that shows "l " for a failed volume, length or rule-of-thumb design keeps it.
  if (RecalcReflexFromGeometry(design_, Std(Edit1), ReflexDriverFromCommitted()) && grossPrefix_)
    ShowGrossVolume(true, grossPrefix_);
  ShowResults();
  DrawIfAuto();
}

void TReflex::RecalcFromVolume() {
  const bool valid = RecalcReflexFromVolume(design_, Std(Edit2), ReflexDriverFromCommitted());
  if (valid && CheckBox2->isChecked()) ShowResults();
  ShowGrossVolume(valid, kGrossAfterVolume);
  SetReflexTuningFrequency(static_cast<double>(design_.tuning));
  DrawIfAuto();
}

void TReflex::RecalcFromLength() {
  const bool valid = RecalcReflexFromLength(design_, Std(Edit3), ReflexDriverFromCommitted());
  ShowGrossVolume(valid, kGrossAfterLength);
  SetReflexTuningFrequency(static_cast<double>(design_.tuning));
  DrawIfAuto();
}

void TReflex::Refresh() {
  Nesting nesting(nesting_);
  // The alignment list shows its prompt again after every choice.
  abstimm->setCurrentIndex(-1);
  abstimm->setEditText(QString::fromUtf8(Lang("Abstimmung", "setup")));
  ShowResults();
  RecalcFromGeometry();
  UpdateDiagram();
}

// The diagram itself is computed once, at the end of the refresh that follows every change.
void TReflex::DrawIfAuto() { diagramShown_ = autoBoxSim_; }

void TReflex::UpdateDiagram() {
  const bool logarithmic = log->isChecked();
  const ReflexDriver driver = ReflexDriverFromCommitted();
  if (!diagramShown_ || !ReflexPlotDrawable(design_, driver, logarithmic)) {
    Diagram->ClearPlot();
    return;
  }
  const auto response = ReflexResponseOf(design_, driver);
  const QSize outer = OuterSize();
  Diagram->ShowPlot(ComputeResponsePlot(
      ReflexPlotStyle(logarithmic ? FrequencyAxis::Logarithmic : FrequencyAxis::Linear), outer.width(),
      outer.height(), [&](double f) { return ReflexResponseLevel(*response, f).value_or(std::nan("")); }));
}

void TReflex::Handle(const std::function<void()>& body) {
  Nesting nesting(nesting_);
  body();
  if (nesting.Outermost()) Refresh();
}

void TReflex::Edit1Change() {
  Handle([&] { RecalcFromGeometry(); });
}
void TReflex::Box1Change() {
  Handle([&] { RecalcFromGeometry(); });
}
void TReflex::ComboBox1Change() {
  Handle([&] { RecalcFromGeometry(); });
}
void TReflex::Edit2Change() {
  Handle([&] { RecalcFromVolume(); });
}
void TReflex::Edit4Change() {
  Handle([&] {
    SetReflexSeriesResistance(design_, Std(Edit4));
    RecalcFromVolume();
  });
}
void TReflex::Edit3Change() {
  Handle([&] { RecalcFromLength(); });
}
void TReflex::ScrollBar1Change() {
  Handle([&] {
    ShowResults();
    DrawIfAuto();
  });
}
void TReflex::CheckBox2Click() { ScrollBar1Change(); }
void TReflex::logClick() {
  Handle([&] { DrawIfAuto(); });
}
void TReflex::Button4Click() {
  Handle([&] { ComputeTipAlignment(); });
}

void TReflex::abstimmChange(int index) {
  Handle([&] {
    if (index == 0) {
      ComputeTipAlignment();
      return;
    }
    const auto alignment = ReflexAlignmentFor(index, ReflexDriverFromCommitted());
    if (!alignment) return;
    SetTextIfChanged(Edit2, ReflexEditText(alignment->volume));
    if (const auto length = ReflexAlignmentLengthText(design_, *alignment)) SetTextIfChanged(Edit3, *length);
  });
}

void TReflex::ComputeTipAlignment() {
  const ReflexDriver driver = ReflexDriverFromCommitted();
  design_.portCount = PortCount();
  design_.driverCount = DriverCount();
  const auto tip = StartReflexTip(design_, Std(Edit1), driver);
  if (!tip) {
    ShowGrossVolume(false, kGrossAfterVolume);
    return;
  }
  // The length first, then the volume: each edit's handler reads its value back as shown.
  SetTextIfChanged(Edit3, tip->lengthText);
  FinishReflexTip(design_, driver);
  if (CheckBox2->isChecked()) ShowResults();
  SetTextIfChanged(Edit2, tip->volumeText);
  ShowGrossVolume(design_.lastDesignValid, kGrossAfterVolume);
  SetReflexTuningFrequency(static_cast<double>(design_.tuning));
}

void TReflex::Button1Click() { CloseForm(); }

void TReflex::Button2Click() {
  Refresh();
  diagramShown_ = true;
  UpdateDiagram();
}

void TReflex::Button3Click() { ShowHelpTopic(); }

void TReflex::Label1Click() {
  if (forms::Durch) forms::Durch->ShowForm();
}

bool TReflex::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label1 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      Label1->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
    Label1Click();
  return FormBase::eventFilter(watched, event);
}

void TReflex::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove(event->buttons(), static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
  FormBase::mouseMoveEvent(event);
}

void TReflex::mousePressEvent(QMouseEvent* event) {
  FormMouseMove(event->buttons(), static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
  FormBase::mousePressEvent(event);
}

void TReflex::FormMouseMove(Qt::MouseButtons buttons, int x, int y) {
  const bool logarithmic = log->isChecked();
  const QSize outer = OuterSize();
  const ResponsePlotStyle style = ReflexPlotStyle(logarithmic ? FrequencyAxis::Logarithmic : FrequencyAxis::Linear);
  const PointerReading reading = ReadPointer(style, outer.width(), outer.height(), x, y);
  const bool curveMode = buttons & Qt::LeftButton;
  double level = reading.level;
  if (curveMode) level = ReflexResponseLevel(design_, ReflexDriverFromCommitted(), reading.frequency).value_or(0.0);
  if (reading.inArea)
    setCursor(Qt::CrossCursor);
  else
    unsetCursor();
  SetCaption(ReflexPointerCaption(IsEnglish(), reading.inArea, curveMode, reading.frequency, level));
}

void TReflex::resizeEvent(QResizeEvent* event) {
  FormBase::resizeEvent(event);
  UpdateDiagram();
}

void TReflex::FormShow() {
  Refresh();
}

void TReflex::FormActivate() {
  RefreshLanguage();
  {
    const platform::IniFile ini = OpenSettings();
    autoBoxSim_ = ini.ReadBool("Options", "AutoBoxSim", true);
    saveBox_ = ini.ReadBool("Options", "SaveBox", false);
  }
  if (FirstActivationSinceShow() && saveBox_) {
    Nesting nesting(nesting_);
    const ReflexRestore r = ReflexRestoreFrom(ReadReflexSection(OpenSettings()));
    SetTextIfChanged(Edit1, r.diameterText);
    SetTextIfChanged(Edit3, r.lengthText);
    Box1->setCurrentIndex(r.portItem);
    SetTextIfChanged(Edit2, r.volumeText);
    SetTextIfChanged(Edit4, r.seriesRText);
    // "&Auto Ql" first: while it is still checked, the scroll bar's handler would replace the
    // stored hand-set Ql by the automatic one before the box is unchecked.
    CheckBox2->setChecked(r.autoQl);
    ScrollBar1->setValue(r.ql);
    if (r.runTip) ComputeTipAlignment();
  }
  SetCaption(ReflexCaption(IsEnglish()));
  Refresh();
}

void TReflex::FormClose() {
  if (!saveBox_) return;
  const int portItem = PortCount() > 0 ? PortCount() - 1 : Box1->currentIndex();
  const ReflexStoredValues values = ReflexValuesFromControls(Std(Edit1), Std(Edit3), Std(Edit2), Std(Edit4), portItem,
                                                             ScrollBar1->value(), CheckBox2->isChecked());
  platform::IniFile ini = OpenSettings();
  if (!WriteReflexSection(ini, values)) {
    platform::ShowMessage(this, QString::fromUtf8(Lang("Die Werte konnten nicht in der Einstellungsdatei gespeichert werden.",
                                                      "The values could not be saved in the settings file.")));
  }
}

void TReflex::Button5Click() {
  if (platform::AskYesNo(this, QString::fromUtf8(kPrintQuestion)) != platform::Answer::Yes) return;
  const ReflexDriver driver = ReflexDriverFromCommitted();
  if (!ReflexPrintValid(design_, driver)) {
    platform::ShowMessage(this, QString::fromUtf8(kNoValues));
    return;
  }
  const auto response = ReflexResponseOf(design_, driver);
  PrintResponsePage(this, ReflexPrintTitle(design_, ChassisManufacturer, ChassisName), ReflexPrintStyle(),
                    [&](double f) { return ReflexResponseLevel(*response, f).value_or(std::nan("")); });
}

void TReflex::exportboxChange(int index) {
  if (!ReflexStoreValid(design_, ReflexDriverFromCommitted())) {
    platform::ShowMessage(this, QString::fromUtf8(export_text::kNoData));
    return;
  }
  if (index >= 0 && index <= 3)
    StoreReflexCurve(index + 1);
  else if (index == 4)
    ExportReflexDialog();
}

void TReflex::exportbuttonClick() { ExportReflexDialog(); }

ComparisonLevels TReflex::LevelsOfDesign() const {
  ComparisonLevels levels;
  const auto response = ReflexResponseOf(design_, ReflexDriverFromCommitted());
  for (int f = 1; f <= kComparisonLevelCount; ++f)
    levels[static_cast<std::size_t>(f - 1)] =
        response ? ReflexResponseLevel(*response, f).value_or(std::nan("")) : std::nan("");
  return levels;
}

void TReflex::StoreReflexCurve(int slot) {
  ComparisonHeader header = HeaderForCommittedDriver(BoxType::BassReflex);
  header.Multiple = static_cast<std::uint8_t>(std::clamp(design_.driverCount, 0, 255));
  header.Volume1 = static_cast<double>(design_.boxVolume);
  header.PortArea1 = static_cast<double>(design_.portArea);
  header.PortLength1 = static_cast<double>(design_.portLength);
  StoreComparisonCurve(slot, LevelsOfDesign(), header);
}

void TReflex::ExportReflexDialog() {
  // The hidden export button skips the list's test; a design without a valid curve still writes
  // nothing (the writer refuses numbers that are not finite).
  std::optional<SimulationExport> data;
  if (ReflexResponseOf(design_, ReflexDriverFromCommitted()) && design_.lastDesignValid) {
    SimulationExport d;
    d.driver = ExportDriverFromCommitted(ExportSensitivity::ComputedNow);
    d.box = ReflexExportValues{static_cast<double>(design_.boxVolume), design_.driverCount, design_.ql,
                               static_cast<double>(design_.seriesR), design_.portCount, design_.portDiameter,
                               static_cast<double>(design_.portLength)};
    d.levels = LevelsOfDesign();
    d.english = IsEnglish();
    data = d;
  }
  RunSimulationExportDialog(this, data, ExportDefaultName(ReflexExportValues{}));
}

}  // namespace velomare

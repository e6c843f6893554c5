#include "enclosures/Toffen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>

#include "common/Settings.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/SimulationExportDialog.h"
#include "enclosures/model/OpenBaffle.h"
#include "enclosures/model/ResponsePlot.h"
#include "enclosures/model/SimulationExport.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Simulieren", "&simulation"},
    {"Button3", "&Hilfe", "&help"},
    {"Button4", "&Drucken", "print"},
    {"Label1", "kürzester Abstand zwischen Vorder- u. Rückseite der Membran",
     "shortest distance between front and back of speaker membrane"},
    {"Label4", "Angenommen wird, daß sich fs nicht erhöht, d.h. daß das die Membran nicht gebremst wird.",
     "this calculation is without increasing resonance frequency fs."},
};

// The window's outer size as designed; the controls take the rows down to y = 83, the diagram the
// rest (its top line at y = 100, its first label at y = 95).
constexpr int kWidth = 635, kHeight = 465;
constexpr int kDiagramTop = 88;
constexpr int kLabelH = 17, kButtonW = 73, kButtonH = 25;

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Toffen::Toffen(QWidget* parent) : FormBase(parent) {
  // The caption is this window's own: the activation and the cursor read-out write it, so the
  // form base must not put it back at every paint.
  setObjectName(QStringLiteral("offen"));
  setWindowTitle(Q(OpenBaffleCaption(false)));
  SetUsesColorScheme(true);
  SetHelpTopic("QTX_contents0007");
  setMouseTracking(true);
  // The designed positions were measured for a narrower font: one pixel less keeps every text in
  // its place, and the long prompt before the path edit takes one more.
  setFont(WindowFont(10));

  Diagram = new ResponseDiagram(this, kDiagramTop);

  const auto label = [this](const char* name, int x, int y, int w, const char* text) {
    QLabel* l = Make<QLabel>(name, this, x, y, w, kLabelH);
    l->setText(QString::fromUtf8(text));
    return l;
  };
  Label1 = label("Label1", 8, 12, 302, "kürzester Abstand zwischen Vorder- u. Rückseite der Membran");
  Label1->setFont(WindowFont(9));
  Edit1 = Make<QLineEdit>("Edit1", this, 312, 8, 49, 21);
  Edit1->setText(QStringLiteral("100"));
  Label2 = label("Label2", 368, 12, 20, "cm");
  Label3 = label("Label3", 392, 12, 238, "untere Grenzfrequ. der Abstimmung 170 Hz");
  Label3->setToolTip(QString::fromUtf8("fu der Schallwand unabhängig vom Chassis"));
  Label4 = label("Label4", 8, 32, 610, "Angenommen wird, daß sich fs nicht erhöht, d.h. daß das die Membran nicht gebremst wird.");
  Label5 = label("Label5", 408, 64, 210, "Einbaugüte Qtc=");
  Label5->hide();
  CheckBox1 = Make<QCheckBox>("CheckBox1", this, 408, 48, 210, kLabelH);
  CheckBox1->setText(QString::fromUtf8("Chassiswerte in Simulation einbeziehen"));
  CheckBox1->setToolTip(QString::fromUtf8("Bezieht Qts, fs ein"));
  CheckBox1->setChecked(true);
  CheckBox1->setEnabled(false);
  CheckBox1->hide();

  const auto button = [this](const char* name, int x, int y, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, x, y, kButtonW, kButtonH);
    b->setText(QString::fromUtf8(text));
    return b;
  };
  Button1 = button("Button1", 8, 56, "S&chliessen");
  Button2 = button("Button2", 88, 56, "&Simulieren");
  Button4 = button("Button4", 168, 56, "&Drucken");
  Button3 = button("Button3", 248, 56, "&Hilfe");
  exportbox = Make<QComboBox>("exportbox", this, 328, 58, 73, 21);
  exportbox->setEditable(true);
  exportbox->setInsertPolicy(QComboBox::NoInsert);
  exportbox->addItems({"# 1", "# 2", "# 3", "# 4", "file"});
  exportbox->setCurrentIndex(-1);
  exportbox->setEditText(QStringLiteral("export"));
  Button5 = button("Button5", 528, 72, "e&xport");
  Button5->hide();

  setTabOrder(Button1, Button2);
  setTabOrder(Button2, Button3);
  setTabOrder(Button3, Edit1);
  setTabOrder(Edit1, CheckBox1);
  setTabOrder(CheckBox1, Button4);
  setTabOrder(Button4, Button5);
  setTabOrder(Button5, exportbox);

  connect(Edit1, &QLineEdit::textChanged, this, &Toffen::Edit1Change);
  connect(Button1, &QPushButton::clicked, this, &Toffen::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Toffen::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Toffen::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Toffen::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &Toffen::Button5Click);
  // A pick acts every time, the entry already shown included; typed text picks nothing and only
  // runs the test.
  connect(exportbox, &QComboBox::activated, this, &Toffen::exportboxChange);
  connect(exportbox->lineEdit(), &QLineEdit::textEdited, this, [this] { ExportDataValid(); });
  SetCancelAndDefaultButtons(Button1, Button2);

  DeclareOuterSize({kWidth, kHeight});
  RefreshLanguage();
  ShowOpenBaffleTuning();
}

std::span<const UiText> Toffen::Texts() const { return kTexts; }

void Toffen::ShowOpenBaffleTuning() { SetTextIfChanged(Label3, OpenBaffleTuningText(halfPath_, IsEnglish())); }

void Toffen::SimulateOpenBaffle() {
  ShowOpenBaffleTuning();
  diagramShown_ = true;
  UpdateDiagram();
}

void Toffen::Redraw() {
  diagramShown_ = autoBoxSim_;
  UpdateDiagram();
}

void Toffen::UpdateDiagram() {
  const OpenBaffleDriver driver = OpenBaffleDriverFromCommitted();
  const bool withDriver = CheckBox1->isChecked();
  qtc_ = 0;
  if (!diagramShown_ || !OpenBaffleDiagramValid(driver, halfPath_)) {
    Diagram->ClearPlot();
  } else {
    const double alpha = OpenBaffleDiagramAlpha(driver.vas);
    const QSize outer = OuterSize();
    auto plot = ComputeResponsePlot(OpenBafflePlotStyle(), outer.width(), outer.height(), [&](double f) {
      return OpenBaffleLevel(driver, halfPath_, f, alpha, withDriver).value_or(std::nan(""));
    });
    // A window too small for the plot draws nothing and shows no amplitude.
    if (plot) qtc_ = velomare::OpenBaffleQtc(driver, halfPath_, withDriver);
    Diagram->ShowPlot(std::move(plot));
  }
  ShowQtc();
}

void Toffen::ShowQtc() {
  if (qtc_ > 0) SetTextIfChanged(Label5, OpenBaffleQtcText(qtc_, OpenBaffleDriverFromCommitted().fs, IsEnglish()));
  Label5->setVisible(qtc_ > 0);
}

void Toffen::Edit1Change() {
  halfPath_ = velomare::OpenBaffleHalfPath(Edit1->text().toStdString());
  ShowOpenBaffleTuning();
  Redraw();
}

void Toffen::Button1Click() {
  Label5->hide();
  CloseForm();
}

void Toffen::Button2Click() { SimulateOpenBaffle(); }

void Toffen::Button3Click() { ShowHelpTopic(); }

void Toffen::Button4Click() { ConfirmAndPrintForm(); }

void Toffen::Button5Click() {
  if (ExportDataValid()) ExportOpenBaffleDialog();
}

bool Toffen::ExportDataValid() {
  if (OpenBaffleExportValid(OpenBaffleDriverFromCommitted(), halfPath_)) return true;
  platform::ShowMessage(this, QString::fromUtf8(export_text::kNoData));
  return false;
}

void Toffen::exportboxChange(int index) {
  if (!ExportDataValid()) return;
  if (index >= 0 && index <= 3)
    StoreOpenBaffleCurve(index + 1);
  else if (index == 4)
    ExportOpenBaffleDialog();
}

void Toffen::StoreOpenBaffleCurve(int slot) {
  if (slot < 1 || slot > kComparisonSlotCount) return;
  StoreComparisonCurve(slot, OpenBaffleFileLevels(OpenBaffleDriverFromCommitted(), halfPath_),
                       OpenBaffleComparisonHeader(halfPath_));
}

void Toffen::ExportOpenBaffleDialog() {
  std::optional<SimulationExport> data;
  const OpenBaffleDriver driver = OpenBaffleDriverFromCommitted();
  if (OpenBaffleExportValid(driver, halfPath_)) {
    SimulationExport d;
    d.driver = ExportDriverFromCommitted(ExportSensitivity::ComputedNow);
    d.box = OpenBaffleExportValues{halfPath_};
    d.levels = OpenBaffleFileLevels(driver, halfPath_);
    d.english = IsEnglish();
    data = d;
  }
  RunSimulationExportDialog(this, data, ExportDefaultName(OpenBaffleExportValues{}));
}

void Toffen::SetCaption(const std::string& caption) {
  const QString text = Q(caption);
  if (windowTitle() != text) setWindowTitle(text);
}

void Toffen::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove(event->buttons(), static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
  FormBase::mouseMoveEvent(event);
}

void Toffen::FormMouseMove(Qt::MouseButtons buttons, int x, int y) {
  const QSize outer = OuterSize();
  const PointerReading reading = ReadPointer(OpenBafflePlotStyle(), outer.width(), outer.height(), x, y);
  const bool curveMode = buttons & Qt::LeftButton;
  double level = reading.level;
  if (curveMode)
    level = OpenBaffleLevel(OpenBaffleDriverFromCommitted(), halfPath_, reading.frequency, kOpenBaffleReadoutAlpha,
                            CheckBox1->isChecked())
                .value_or(0.0);
  if (reading.inArea)
    setCursor(Qt::CrossCursor);
  else
    unsetCursor();
  SetCaption(OpenBafflePointerCaption(IsEnglish(), reading.inArea, curveMode, reading.frequency, level));
}

void Toffen::resizeEvent(QResizeEvent* event) {
  FormBase::resizeEvent(event);
  UpdateDiagram();
}

void Toffen::FormPaint(QPainter&) {
  // The language is read at every paint; the labels that the simulation writes follow it.
  ShowOpenBaffleTuning();
  ShowQtc();
}

void Toffen::FormActivate() {
  std::optional<int> saved;
  {
    const platform::IniFile ini = OpenSettings();
    autoBoxSim_ = ini.ReadBool("Options", "AutoBoxSim", true);
    saveBox_ = ini.ReadBool("Options", "SaveBox", false);
    Language = ini.ReadString("Info", "Sprache", "deutsch");
    // Only the first activation after a show restores: returning to the window keeps what the
    // user typed since.
    if (saveBox_ && FirstActivationSinceShow()) saved = ReadOpenBaffleSection(ini);
  }
  if (saved) SetTextIfChanged(Edit1, std::to_string(*saved));
  SetCaption(OpenBaffleCaption(IsEnglish()));
  ShowOpenBaffleTuning();
  // Activation shows the diagram with "AutoBoxSim"; it never takes away one that the simulation
  // button showed.
  if (autoBoxSim_) diagramShown_ = true;
  UpdateDiagram();
}

void Toffen::FormClose() {
  if (!saveBox_) return;
  platform::IniFile ini = OpenSettings();
  if (!WriteOpenBaffleSection(ini, Edit1->text().toStdString()))
    platform::ShowMessage(this, QString::fromUtf8(Lang("Der Abstand konnte nicht in der Einstellungsdatei gespeichert werden.",
                                                      "The distance could not be saved in the settings file.")));
}

}  // namespace velomare

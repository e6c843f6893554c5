#include "filters/FilterDesignerForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "common/NumberText.h"
#include "common/Settings.h"
#include "filters/DiagramPainter.h"
#include "filters/FilterCircuit.h"
#include "platform/Platform.h"

namespace velomare {

namespace {
std::string Std(const QLineEdit* edit) { return edit ? edit->text().toStdString() : std::string(); }
}  // namespace

FilterDesignerForm::FilterDesignerForm(FilterKind kind, const char* formName, QWidget* parent)
    : FormBase(parent), kind_(kind) {
  // The caption is the window's own: plain, or the cursor read-out while the mouse is over the
  // diagram, so the form base does not set it.
  InitForm(formName, nullptr, nullptr);
  setWindowTitle(QString::fromUtf8(PlainCaption(kind, false)));
  SetUsesColorScheme(true);
  setMouseTracking(true);
}

void FilterDesignerForm::BindInputs(QLineEdit* z, QLineEdit* f, QLineEdit* fo) {
  zEdit_ = z;
  fEdit_ = f;
  foEdit_ = fo;
}

std::string FilterDesignerForm::ZText() const { return Std(zEdit_); }
std::string FilterDesignerForm::FText() const { return Std(fEdit_); }
std::string FilterDesignerForm::FoText() const { return Std(foEdit_); }

void FilterDesignerForm::SetText(QLineEdit* edit, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (edit->text() != value) edit->setText(value);
}

void FilterDesignerForm::TakeCalculation(const FilterCalculation& calculation) {
  velomare::TakeCalculation(values_, calculation);
  for (const ComponentText& write : calculation.writes) SetText(EditOf(write.component), write.text);
}

void FilterDesignerForm::ComponentChange(Component component) {
  const std::string text = Std(EditOf(component));
  if (IsNumberText(text)) values_.Of(component) = TextToFloat(text);
  ShowFilterQuality();
  if (!autoFilterSim_) diagramShown_ = false;
  update();
}

void FilterDesignerForm::Simulate() {
  diagramShown_ = true;
  update();
}

FilterDiagram FilterDesignerForm::CurrentDiagram() {
  const QSize outer = OuterSize();
  return ComputeFilterDiagram(kind_, values_, CheckedOrder(), fastFilter_, outer.width(), outer.height(),
                              ResponseTable());
}

void FilterDesignerForm::ExportResponse() {
  if (!ExportFilterResponse(kind_, values_, fastFilter_, FilterBranchOf(BranchOf(kind_))))
    platform::ShowMessage(this, QStringLiteral("keine simulationsdaten / no data"));
}

void FilterDesignerForm::ShowFilterQuality() {
  if (!qualityLabel_) return;
  const std::optional<std::string> text = FilterQualityText(kind_, values_, CheckedOrder(), IsEnglish());
  if (!text) return;
  const QString value = QString::fromStdString(*text);
  if (qualityLabel_->text() != value) qualityLabel_->setText(value);
}

void FilterDesignerForm::StepComponent(Component component, UpDownDirection direction,
                                       const ComponentStepRule& rule) {
  QLineEdit* edit = EditOf(component);
  if (const auto text = StepComponentText(Std(edit), direction, rule)) SetText(edit, *text);
}

void FilterDesignerForm::StepFrequency(QLineEdit* edit, FrequencyEdit which, QLineEdit* partner,
                                       UpDownDirection direction) {
  if (const auto text = StepFrequencyText(which, Std(edit), Std(partner), direction)) SetText(edit, *text);
}

void FilterDesignerForm::ReadOptions() {
  const platform::IniFile ini = OpenSettings();
  autoFilterSim_ = ini.ReadBool("Options", "AutoFilterSim", true);
  fastFilter_ = ini.ReadBool("Options", "FastFilter", true);
  saveFilter_ = ini.ReadBool("Options", "SaveFilter", false);
}

void FilterDesignerForm::ActivateAndRestore() {
  ReadOptions();
  if (!saveFilter_ || !FirstActivationSinceShow()) return;
  const FilterRestore restore = ReadFilterSection(OpenSettings(), kind_);
  SetText(zEdit_, restore.z);
  SetText(fEdit_, restore.f);
  if (foEdit_) SetText(foEdit_, restore.fo);
  RestoreSelection(restore);
  for (const auto& [component, text] : {std::pair{Component::C1, restore.c1}, std::pair{Component::L1, restore.l1},
                                        std::pair{Component::C2, restore.c2}, std::pair{Component::L2, restore.l2}})
    if (text) SetText(EditOf(component), *text);
}

void FilterDesignerForm::ShowPlainCaption() {
  cursorReadout_ = false;
  setWindowTitle(QString::fromUtf8(PlainCaption(kind_, IsEnglish())));
}

void FilterDesignerForm::FormMouseMove(int x, int y) {
  const QSize outer = OuterSize();
  if (const auto caption = CursorCaption(kind_, x, y, outer.width(), outer.height(), IsEnglish())) {
    cursorReadout_ = true;
    setWindowTitle(QString::fromStdString(*caption));
    setCursor(Qt::CrossCursor);
  } else {
    if (cursorReadout_ || windowTitle() != QString::fromUtf8(PlainCaption(kind_, IsEnglish()))) ShowPlainCaption();
    unsetCursor();
  }
}

void FilterDesignerForm::mouseMoveEvent(QMouseEvent* event) {
  FormBase::mouseMoveEvent(event);
  const QPoint p = event->position().toPoint();
  FormMouseMove(p.x(), p.y());
}

void FilterDesignerForm::FormPaint(QPainter& painter) {
  fastFilter_ = ReadSettingsBoolCached("Options", "FastFilter", true);
  if (!DiagramShown()) return;
  const FilterDiagram diagram = CurrentDiagram();
  if (diagram.Empty()) return;
  PaintFilterDiagram(painter, diagram);
}

void FilterDesignerForm::FormClose() {
  if (!saveFilter_) return;
  FilterCloseState state;
  state.z = Std(zEdit_);
  state.f = Std(fEdit_);
  state.fo = Std(foEdit_);
  state.c1 = Std(EditOf(Component::C1));
  state.l1 = Std(EditOf(Component::L1));
  state.c2 = Std(EditOf(Component::C2));
  state.l2 = Std(EditOf(Component::L2));
  state.order = CheckedOrder();
  state.characteristic = CheckedCharacteristic();
  platform::IniFile ini = OpenSettings();
  if (SaveFilterSection(ini, kind_, state)) return;
  const QString path = QString::fromStdString(SettingsFilePath());
  platform::ShowMessage(
      this, IsEnglish()
                ? QString("The filter values could not be saved in the settings file %1.").arg(path)
                : QString::fromUtf8("Die Filterwerte konnten nicht in der Einstellungsdatei %1 gespeichert werden.")
                      .arg(path));
}

QLabel* FilterDesignerForm::MakeLabel(const char* name, int x, int y, int w, const char* text) {
  QLabel* label = Make<QLabel>(name, this, x, y, w, kRowHeight);
  label->setText(QString::fromUtf8(text));
  return label;
}

QLineEdit* FilterDesignerForm::MakeEdit(const char* name, int x, int y, int w, const char* text) {
  QLineEdit* edit = Make<QLineEdit>(name, this, x, y, w, kRowHeight);
  edit->setText(QString::fromUtf8(text));
  return edit;
}

FilterDesignerForm::Row FilterDesignerForm::MakeRow(const RowSpec& spec, int x, int y, int captionWidth,
                                                   int editWidth) {
  Row row;
  row.caption = MakeLabel(spec.captionName, x, y, captionWidth - 4, spec.captionText);
  row.edit = MakeEdit(spec.editName, x + captionWidth, y, editWidth, spec.editText);
  row.unit = MakeLabel(spec.unitName, x + captionWidth + editWidth + kUpDownWidth + 4, y, 36, spec.unitText);
  return row;
}

UpDown* FilterDesignerForm::MakeUpDownBeside(const char* name, const QLineEdit* edit) {
  return MakeUpDown(name, edit->geometry().right() + 1, edit->y());
}

UpDown* FilterDesignerForm::MakeUpDown(const char* name, int x, int y) {
  return Make<UpDown>(name, this, x, y, kUpDownWidth, kRowHeight);
}

QPushButton* FilterDesignerForm::MakeButton(const char* name, int x, int y, const char* text) {
  QPushButton* button = Make<QPushButton>(name, this, x, y, 90, 25);
  button->setText(QString::fromUtf8(text));
  return button;
}

FilterCircuit* FilterDesignerForm::MakeCircuit(int x, int y, int w, std::vector<CircuitElement> elements) {
  constexpr int kClearance = 2;
  const int h = FilterDiagramGeometry::MarkerTop(kind_) - kClearance - y;
  FilterCircuit* circuit = Make<FilterCircuit>("Image1", this, x, y, w, h);
  circuit->SetElements(std::move(elements));
  return circuit;
}

void FilterDesignerForm::SetHint(QWidget* control, const char* hint) {
  const QString text = QString::fromUtf8(hint);
  control->setProperty("hint", text);
  if (showsHints_) control->setToolTip(text);
}

// ---------------------------------------------------------------------------------------------

PassDesignerForm::PassDesignerForm(FilterKind kind, const char* formName, QWidget* parent)
    : FilterDesignerForm(kind, formName, parent) {}

QLabel* PassDesignerForm::MakeOrderControls(const char* headingName, const char* heading, const OrderTexts& texts, int x,
                                         int y) {
  QLabel* headingLabel = MakeLabel(headingName, x, y, 270, heading);
  QRadioButton** radios[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
  const char* names[] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"};
  for (int i = 0; i < 4; ++i) {
    *radios[i] = Make<QRadioButton>(names[i], this, x + i * 64, y + 23, 62, kRowHeight);
    (*radios[i])->setText(QString::fromUtf8(texts.radios[i]));
  }
  RadioButton2->setChecked(true);
  RadioGroup({RadioButton1, RadioButton2, RadioButton3, RadioButton4});

  GroupBox1 = Make<QGroupBox>("GroupBox1", this, x, y + 48, 284, 80);
  GroupBox1->setTitle(QString::fromUtf8("Filter-Charakteristik (Güte)"));
  const auto characteristic = [this](const char* name, int cx, int cy, const char* text) {
    QRadioButton* radio = Make<QRadioButton>(name, GroupBox1, cx, cy, 136, kRowHeight);
    radio->setText(QString::fromUtf8(text));
    return radio;
  };
  butter = characteristic("butter", 6, 22, "&Butterworth (0,707)");
  bessel = characteristic("bessel", 144, 22, "B&essel (0,577)");
  linkwitz = characteristic("linkwitz", 6, 50, "&Linkwitz (0,5)");
  phasen = characteristic("phasen", 144, 50, "0,03°-&phasenlinear");
  butter->setChecked(true);
  phasen->setEnabled(false);
  RadioGroup({butter, bessel, linkwitz, phasen});

  connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton1Click(); });
  connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton2Click(); });
  connect(RadioButton3, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton3Click(); });
  connect(RadioButton4, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton4Click(); });
  connect(butter, &QRadioButton::toggled, this, [this](bool on) { if (on) butterClick(); });
  connect(bessel, &QRadioButton::toggled, this, [this](bool on) { if (on) besselClick(); });
  connect(linkwitz, &QRadioButton::toggled, this, [this](bool on) { if (on) linkwitzClick(); });
  connect(phasen, &QRadioButton::toggled, this, [this](bool on) { if (on) phasenClick(); });
  return headingLabel;
}

void PassDesignerForm::BindOrderControls(QPushButton* simulation, QLineEdit* second, QLineEdit* third,
                                         QLineEdit* fourth, UpDown* secondUpDown) {
  simulation_ = simulation;
  second_ = second;
  third_ = third;
  fourth_ = fourth;
  secondUpDown_ = secondUpDown;
}

PassDesignerForm::ComponentColumn PassDesignerForm::MakeComponentColumn(const std::array<ComponentRowSpec, 4>& specs,
                                                                       int x, int captionWidth, int editWidth,
                                                                       int qualityWidth) {
  ComponentColumn column{};
  for (std::size_t i = 0; i < specs.size(); ++i) {
    column.rows[i] = MakeRow(specs[i].row, x, 8 + 28 * static_cast<int>(i), captionWidth, editWidth);
    BindComponent(specs[i].component, column.rows[i].edit);
  }
  column.rows[2].edit->setEnabled(false);
  column.rows[3].edit->setEnabled(false);
  column.firstUpDown = MakeUpDownBeside("UpDown1", column.rows[0].edit);
  column.secondUpDown = MakeUpDownBeside("UpDown2", column.rows[1].edit);
  SetHint(column.firstUpDown, "Normwerte auf/ab");
  SetHint(column.secondUpDown, "Normwerte auf/ab");
  column.quality = MakeLabel("Label24", x, 124, qualityWidth, "Güte Q");
  BindQualityLabel(column.quality);
  return column;
}

void PassDesignerForm::ConnectInputs(QLineEdit* z, QLineEdit* f) {
  BindInputs(z, f);
  connect(z, &QLineEdit::textChanged, this, &PassDesignerForm::Edit1Change);
  connect(f, &QLineEdit::textChanged, this, &PassDesignerForm::Edit2Change);
}

void PassDesignerForm::OrderClick(int order) {
  butter->setChecked(true);
  // Order 1 forces Butterworth and leaves the first component alone; phase-linear exists for
  // orders 3 and 4, Linkwitz for 2 and 4; the diagram draws orders 1 and 2.
  simulation_->setEnabled(order <= 2);
  bessel->setEnabled(order >= 2);
  linkwitz->setEnabled(order == 2 || order == 4);
  phasen->setEnabled(order >= 3);
  second_->setEnabled(order >= 2);
  secondUpDown_->setEnabled(order >= 2);
  third_->setEnabled(order >= 3);
  fourth_->setEnabled(order == 4);
  Recalculate();
}

int PassDesignerForm::CheckedOrder() const {
  if (RadioButton1->isChecked()) return 1;
  if (RadioButton3->isChecked()) return 3;
  if (RadioButton4->isChecked()) return 4;
  return 2;
}

Characteristic PassDesignerForm::CheckedCharacteristic() const {
  if (bessel->isChecked()) return Characteristic::Bessel;
  if (linkwitz->isChecked()) return Characteristic::Linkwitz;
  if (phasen->isChecked()) return Characteristic::PhaseLinear;
  return Characteristic::Butterworth;
}

void PassDesignerForm::Recalculate() {
  const std::string z = ZText(), f = FText();
  TakeCalculation(kind_ == FilterKind::LowPass ? CalcLowPassParts(z, f, CheckedOrder(), CheckedCharacteristic())
                                               : CalcHighPassParts(z, f, CheckedOrder(), CheckedCharacteristic()));
}

void PassDesignerForm::RestoreSelection(const FilterRestore& restore) {
  QRadioButton* orders[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
  orders[restore.order - 1]->setChecked(true);
  switch (restore.characteristic) {
    case Characteristic::Bessel: bessel->setChecked(true); break;
    case Characteristic::Linkwitz: linkwitz->setChecked(true); break;
    case Characteristic::PhaseLinear: phasen->setChecked(true); break;
    case Characteristic::Butterworth: butter->setChecked(true); break;
  }
}

void PassDesignerForm::FormShow() {
  ShowPlainCaption();
  Recalculate();
  ShowFilterQuality();
}

void PassDesignerForm::FormActivate() {
  ActivateAndRestore();
  ShowPlainCaption();
}

}  // namespace velomare

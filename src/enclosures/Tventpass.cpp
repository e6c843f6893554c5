#include "enclosures/Tventpass.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

#include "common/Settings.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/SimulationExportDialog.h"
#include "enclosures/model/ResponsePlot.h"
#include "filters/FixedPicture.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Simulation", "&simulation"},
    {"Label5", "Abstimmfrequenz (Hz)", "tuning frequency (Hz)"},
    {"Label14", "Abstimmfrequenz (Hz)", "tuning frequency (Hz)"},
    {"Button4", "&Drucken", "&print"},
    {"Button5", "&Hilfe", "&help"},
    {"GroupBox1", "Kammer 1 (Rear)", "chamber 1 (rear)"},
    {"GroupBox2", "Kammer 2 (Front)", "chamber 2 (front)"},
    {"GroupBox3", "Berechnung", "Calculation"},
    {"Label1", "Volumen (l)", "volume (l)"},
    {"Label11", "Volumen (l)", "volume (l)"},
    {"Label2", "Rohrdurchmesser (cm)", "tube diameter (cm)"},
    {"Label12", "Rohrdurchmesser (cm)", "tube diameter (cm)"},
    {"Label3", "Rohrlänge (cm)", "tube length (cm)"},
    {"Label13", "Rohrlänge (cm)", "tube length (cm)"},
    {"CheckBox3", "Rohrquerschnitt (qcm)", "tube cross-section (sqcm)"},
    {"CheckBox4", "Rohrquerschnitt (qcm)", "tube cross-section (sqcm)"},
};

// The window's outer size as designed; the controls take the rows down to y = 169, the diagram the
// rest (its top line at y = 175).
constexpr int kWidth = 769, kHeight = 550;
constexpr int kDiagramTop = 170;
constexpr int kPictureW = 193, kPictureH = 121;
constexpr int kRowH = 21, kLabelH = 17, kButtonW = 75, kButtonH = 25;

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string Std(const QLineEdit* edit) { return edit->text().toStdString(); }

// The sketch's frame: the box from the top edge down to its floor, the dividing wall in the
// middle, the tubes standing in the floor and opening to the outside below it.
constexpr int kBoxLeft = 8, kBoxRight = 184, kBoxTop = 6, kFloor = 100, kWall = 96;
constexpr int kDriverTop = 30, kDriverBottom = 76, kTubeTop = 70;

void DrawBoxAndTubes(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 2));
  QFont font = p.font();
  font.setPixelSize(11);
  p.setFont(font);
  // Top, sides and feet.
  p.drawLine(kBoxLeft, kBoxTop, kBoxRight, kBoxTop);
  p.drawLine(kBoxLeft, kBoxTop, kBoxLeft, kFloor + 12);
  p.drawLine(kBoxRight, kBoxTop, kBoxRight, kFloor + 12);
  const auto tube = [&](int left, int right) {
    p.drawLine(left, kTubeTop, left, kFloor);
    p.drawLine(right, kTubeTop, right, kFloor);
    // Diameter across the tube's inner end, length along its side.
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(left, kTubeTop - 5, right, kTubeTop - 5);
    p.drawText(left + 1, kTubeTop - 8, QStringLiteral("dr"));
    p.drawLine(right + 5, kTubeTop, right + 5, kFloor);
    p.drawText(right + 8, (kTubeTop + kFloor) / 2 + 4, QStringLiteral("lr"));
    p.setPen(QPen(Qt::black, 2));
  };
  // The floor, open where the tubes pass through it.
  p.drawLine(kBoxLeft, kFloor, 36, kFloor);
  p.drawLine(50, kFloor, 132, kFloor);
  p.drawLine(146, kFloor, kBoxRight, kFloor);
  tube(36, 50);
  tube(132, 146);
  p.drawText(24, 30, QStringLiteral("Vr"));
  p.drawText(146, 30, QStringLiteral("Vr"));
}

// One driver in the wall: its cone opens towards `facing` (+1 right, -1 left) from the mouth at
// x, its magnet behind it.
void DrawDriver(QPainter& p, int mouthX, int facing) {
  const int apexX = mouthX - facing * 15;
  const int mid = (kDriverTop + kDriverBottom) / 2;
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(mouthX, kDriverTop, apexX, mid - 7);
  p.drawLine(mouthX, kDriverBottom, apexX, mid + 7);
  p.drawLine(apexX, mid - 7, apexX, mid + 7);
  const int magnetX = facing > 0 ? apexX - 10 : apexX;
  p.fillRect(magnetX, mid - 9, 10, 18, Qt::black);
}

}  // namespace

void Tventpass::DrawSingleSketch(QPainter& p) {
  DrawBoxAndTubes(p);
  p.drawLine(kWall, kBoxTop, kWall, kDriverTop);
  p.drawLine(kWall, kDriverBottom, kWall, kFloor);
  DrawDriver(p, kWall, +1);
  p.drawText(kWall - 10, 22, QStringLiteral("1"));
  p.drawText(kWall + 4, 22, QStringLiteral("2"));
}

void Tventpass::DrawPushPullSketch(QPainter& p) {
  DrawBoxAndTubes(p);
  constexpr int left = kWall - 4, right = kWall + 4;
  p.drawLine(left, kBoxTop, left, kDriverTop);
  p.drawLine(right, kBoxTop, right, kDriverTop);
  p.drawLine(left, kDriverTop, right, kDriverTop);
  p.drawLine(left, kDriverBottom, left, kFloor);
  p.drawLine(right, kDriverBottom, right, kFloor);
  p.drawLine(left, kDriverBottom, right, kDriverBottom);
  DrawDriver(p, left, +1);
  DrawDriver(p, right, -1);
  p.drawText(left - 10, 22, QStringLiteral("1"));
  p.drawText(right + 4, 22, QStringLiteral("2"));
}

Tventpass::Tventpass(QWidget* parent) : FormBase(parent) {
  // The caption is this window's own (its push-pull form follows CheckBox1): the paint writes it.
  setObjectName(QStringLiteral("ventpass"));
  setWindowTitle(QStringLiteral("Ventilierter Bandpass"));
  SetUsesColorScheme(true);
  SetHelpTopic("QTX_contents0023");
  setFont(WindowFont(10));

  Diagram = new ResponseDiagram(this, kDiagramTop);

  GroupBox3 = Make<QGroupBox>("GroupBox3", this, 0, 0, 137, 137);
  Label4 = Make<QLabel>("Label4", GroupBox3, 32, 24, 72, 30);
  Label4->setText(QStringLiteral("BETA"));
  QFont bold = WindowFont(24);
  bold.setBold(true);
  Label4->setFont(bold);
  ComboBox1 = Make<QComboBox>("ComboBox1", GroupBox3, 8, 72, 121, kRowH);
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->addItems({"BR1-2-2", "cBP1", "cBP2"});
  ComboBox1->setCurrentIndex(-1);
  ComboBox1->setEditText(QStringLiteral("Tip"));
  exportbox = Make<QComboBox>("exportbox", GroupBox3, 8, 106, 65, kRowH);
  exportbox->setEditable(true);
  exportbox->setInsertPolicy(QComboBox::NoInsert);
  exportbox->addItems({"# 1", "# 2", "# 3", "# 4", "file"});
  exportbox->setCurrentIndex(-1);
  exportbox->setEditText(QStringLiteral("export"));

  // One chamber's group: volume, diameter, length, cross-section and tuning, one row each.
  struct ChamberControls {
    QLabel *volumeLabel, *diameterLabel, *lengthLabel, *tuningLabel;
    QLineEdit *volume, *diameter, *length, *area, *tuning;
    QCheckBox* crossSection;
  };
  const auto chamber = [this](QGroupBox* box, const char* names[10], const char* defaults[5]) {
    constexpr int labelW = 140, editX = 160, editW = 44, firstRow = kGroupBoxFirstRow, rowStep = 23;
    ChamberControls c;
    const auto row = [&](int i) { return firstRow + i * rowStep; };
    const auto label = [&](const char* name, int i) { return Make<QLabel>(name, box, 8, row(i) + 2, labelW, kLabelH); };
    const auto edit = [&](const char* name, int i, const char* text) {
      QLineEdit* e = Make<QLineEdit>(name, box, editX, row(i), editW, kRowH);
      e->setText(QString::fromLatin1(text));
      return e;
    };
    c.volumeLabel = label(names[0], 0);
    c.volume = edit(names[1], 0, defaults[0]);
    c.diameterLabel = label(names[2], 1);
    c.diameter = edit(names[3], 1, defaults[1]);
    c.lengthLabel = label(names[4], 2);
    c.length = edit(names[5], 2, defaults[2]);
    c.crossSection = Make<QCheckBox>(names[6], box, 8, row(3) + 2, labelW + 10, kLabelH);
    c.area = edit(names[7], 3, defaults[3]);
    c.area->setEnabled(false);
    c.tuningLabel = label(names[8], 4);
    c.tuning = edit(names[9], 4, defaults[4]);
    c.tuning->setEnabled(false);
    return c;
  };
  GroupBox1 = Make<QGroupBox>("GroupBox1", this, 140, 0, 209, 137);
  const char* names1[10] = {"Label1", "Edit1", "Label2", "Edit2", "Label3", "Edit3", "CheckBox3", "Edit4", "Label5", "Edit9"};
  const char* defaults1[5] = {"200", "10", "4", "70", "20"};
  const ChamberControls c1 = chamber(GroupBox1, names1, defaults1);
  Label1 = c1.volumeLabel, Label2 = c1.diameterLabel, Label3 = c1.lengthLabel, Label5 = c1.tuningLabel;
  Edit1 = c1.volume, Edit2 = c1.diameter, Edit3 = c1.length, Edit4 = c1.area, Edit9 = c1.tuning;
  CheckBox3 = c1.crossSection;
  GroupBox2 = Make<QGroupBox>("GroupBox2", this, 352, 0, 209, 137);
  const char* names2[10] = {"Label11", "Edit5", "Label12", "Edit6", "Label13", "Edit7", "CheckBox4", "Edit8", "Label14", "Edit10"};
  const char* defaults2[5] = {"100", "14", "5", "70", "30"};
  const ChamberControls c2 = chamber(GroupBox2, names2, defaults2);
  Label11 = c2.volumeLabel, Label12 = c2.diameterLabel, Label13 = c2.lengthLabel, Label14 = c2.tuningLabel;
  Edit5 = c2.volume, Edit6 = c2.diameter, Edit7 = c2.length, Edit8 = c2.area, Edit10 = c2.tuning;
  CheckBox4 = c2.crossSection;

  Image1 = new FixedPicture(this, {kPictureW, kPictureH}, &Tventpass::DrawSingleSketch);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->move(568, 5);
  Image2 = new FixedPicture(this, {kPictureW, kPictureH}, &Tventpass::DrawPushPullSketch);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->move(568, 5);
  Image2->hide();
  OverlapOnPurpose(Image1, Image2);
  CheckBox1 = Make<QCheckBox>("CheckBox1", this, 568, 129, 150, kLabelH);
  CheckBox1->setText(QStringLiteral("Push-Pull (Isobarik)"));
  CheckBox1->setEnabled(false);

  const auto button = [this](const char* name, int x, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, x, 144, kButtonW, kButtonH);
    b->setText(QString::fromUtf8(text));
    return b;
  };
  Button1 = button("Button1", 8, "S&chliessen");
  Button2 = button("Button2", 88, "&Simulation");
  Button4 = button("Button4", 168, "&Drucken");
  Button5 = button("Button5", 248, "&Hilfe");
  Button3 = button("Button3", 680, "e&xport");
  Button3->setEnabled(false);
  Button3->hide();
  CheckBox2 = Make<QCheckBox>("CheckBox2", this, 408, 148, 60, kLabelH);
  CheckBox2->setText(QStringLiteral("&Auto Ql"));
  CheckBox2->setChecked(true);
  ScrollBar3 = Make<QScrollBar>("ScrollBar3", this, 470, 147, 67, kLabelH);
  ScrollBar3->setOrientation(Qt::Horizontal);
  ScrollBar3->setRange(1, 100);
  ScrollBar3->setPageStep(10);
  ScrollBar3->setValue(10);
  Label16 = Make<QLabel>("Label16", this, 544, 148, 220, kLabelH);
  Label16->setText(QStringLiteral("Verlustfaktor Ql "));

  // Every change, typed or written by the program, runs its handler at once.
  connect(Edit1, &QLineEdit::textChanged, this, &Tventpass::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tventpass::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &Tventpass::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &Tventpass::Edit4Change);
  connect(Edit5, &QLineEdit::textChanged, this, &Tventpass::Edit5Change);
  connect(Edit6, &QLineEdit::textChanged, this, &Tventpass::Edit6Change);
  connect(Edit7, &QLineEdit::textChanged, this, &Tventpass::Edit7Change);
  connect(Edit8, &QLineEdit::textChanged, this, &Tventpass::Edit8Change);
  connect(CheckBox1, &QCheckBox::toggled, this, &Tventpass::CheckBox1Click);
  connect(CheckBox2, &QCheckBox::toggled, this, &Tventpass::CheckBox2Click);
  connect(CheckBox3, &QCheckBox::toggled, this, &Tventpass::CheckBox3Click);
  connect(CheckBox4, &QCheckBox::toggled, this, &Tventpass::CheckBox4Click);
  connect(ScrollBar3, &QScrollBar::valueChanged, this, &Tventpass::ScrollBar3Change);
  // A pick acts every time, the entry already shown included; code that sets the index does not.
  connect(ComboBox1, &QComboBox::activated, this, &Tventpass::ComboBox1Change);
  connect(exportbox, &QComboBox::activated, this, &Tventpass::exportboxChange);
  connect(Button1, &QPushButton::clicked, this, &Tventpass::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tventpass::Button2Click);
  connect(Button4, &QPushButton::clicked, this, &Tventpass::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &Tventpass::Button5Click);
  SetCancelAndDefaultButtons(Button1, Button2);

  DeclareOuterSize({kWidth, kHeight});
  RefreshLanguage();
}

std::span<const UiText> Tventpass::Texts() const { return kTexts; }

void Tventpass::UpdateVentpass(UnbuildableChamber unbuildable) {
  const VentpassChamberFields chamber1{Std(Edit1), Std(Edit2), Std(Edit3), Std(Edit4), CheckBox3->isChecked()};
  const VentpassChamberFields chamber2{Std(Edit5), Std(Edit6), Std(Edit7), Std(Edit8), CheckBox4->isChecked()};
  const VentpassTexts texts = velomare::UpdateVentpass(state_, chamber1, chamber2, unbuildable);
  // A derived field that changes runs its own handler, one nested pass that writes the same texts.
  SetTextIfChanged(CheckBox3->isChecked() ? Edit2 : Edit4, texts.chamber1.derivedTube);
  SetTextIfChanged(Edit9, texts.chamber1.tuning);
  SetTextIfChanged(CheckBox4->isChecked() ? Edit6 : Edit8, texts.chamber2.derivedTube);
  SetTextIfChanged(Edit10, texts.chamber2.tuning);
  UpdateVentpassQl();
  Redraw();
}

void Tventpass::UpdateVentpassQl() {
  const int position = velomare::UpdateVentpassQl(state_, CheckBox2->isChecked(), ScrollBar3->value());
  // The scroll bar's own handler runs when the position moves and comes back here at rest.
  if (CheckBox2->isChecked()) ScrollBar3->setValue(position);
  SetTextIfChanged(Label16, VentpassQlLabel(IsEnglish(), ScrollBar3->value()));
}

void Tventpass::Redraw() {
  diagramShown_ = autoBoxSim_;
  UpdateDiagram();
}

void Tventpass::UpdateDiagram() {
  const VentpassDriver driver = VentpassDriverFromCommitted();
  if (!diagramShown_ || !VentpassSimulationValid(state_, driver)) {
    Diagram->ClearPlot();
    return;
  }
  const VentpassResponse response = VentpassResponseOf(VentpassResponseInputsOf(state_, driver));
  const QSize outer = OuterSize();
  Diagram->ShowPlot(ComputeResponsePlot(BandpassPlotStyle(), outer.width(), outer.height(), [&](double f) {
    return VentpassResponseLevel(response, f).value_or(std::nan(""));
  }));
}

void Tventpass::Edit1Change() { UpdateVentpass(); }
void Tventpass::Edit2Change() { UpdateVentpass(); }
void Tventpass::Edit3Change() { UpdateVentpass(); }
void Tventpass::Edit4Change() { UpdateVentpass(); }
void Tventpass::Edit5Change() { UpdateVentpass(); }
void Tventpass::Edit6Change() { UpdateVentpass(); }
void Tventpass::Edit7Change() { UpdateVentpass(); }
void Tventpass::Edit8Change() { UpdateVentpass(); }

void Tventpass::CheckBox1Click() {
  Image2->setVisible(CheckBox1->isChecked());
  // The caption's push-pull form is written at the next paint.
  update();
}

void Tventpass::CheckBox2Click() {
  UpdateVentpassQl();
  Redraw();
}

void Tventpass::ScrollBar3Change() {
  UpdateVentpassQl();
  Redraw();
}

// The entry mode changes; the values follow at the next field change.
void Tventpass::CheckBox3Click() {
  Edit2->setEnabled(!CheckBox3->isChecked());
  Edit4->setEnabled(CheckBox3->isChecked());
}

void Tventpass::CheckBox4Click() {
  Edit6->setEnabled(!CheckBox4->isChecked());
  Edit8->setEnabled(CheckBox4->isChecked());
}

QLineEdit* Tventpass::FieldEdit(VentpassField field) const {
  switch (field) {
    case VentpassField::Volume1: return Edit1;
    case VentpassField::Length1: return Edit3;
    case VentpassField::Diameter2: return Edit6;
    case VentpassField::Volume2: return Edit5;
    case VentpassField::Length2: return Edit7;
  }
  return Edit1;
}

void Tventpass::ComboBox1Change(int index) {
  if (ApplyVentpassPreset(index, state_, VentpassDriverFromCommitted(),
                          [this](VentpassField field, const std::string& text) { SetTextIfChanged(FieldEdit(field), text); }))
    UpdateVentpass(UnbuildableChamber::NoTuning);
}

void Tventpass::exportboxChange(int index) {
  RunExportChoice(this, index, VentpassExportListValid(state_, VentpassDriverFromCommitted()),
                  [this](int slot) { StoreVentpassCurve(slot); }, [this] { ExportVentpassDialog(); });
}

void Tventpass::StoreVentpassCurve(int slot) {
  const std::optional<ComparisonLevels> levels = VentpassLevels(state_, VentpassDriverFromCommitted());
  if (!levels || !StoreComparisonCurve(slot, *levels, VentpassComparisonHeader(state_, CheckBox1->isChecked())))
    platform::ShowMessage(this, QString::fromUtf8(export_text::kNoData));
}

void Tventpass::ExportVentpassDialog() {
  std::optional<SimulationExport> data;
  const VentpassDriver driver = VentpassDriverFromCommitted();
  if (VentpassExportFileValid(state_, driver)) {
    if (const std::optional<ComparisonLevels> levels = VentpassLevels(state_, driver)) {
      SimulationExport d;
      d.driver = ExportDriverFromCommitted(ExportSensitivity::Committed);
      d.box = VentpassExportValues(state_, CheckBox1->isChecked());
      d.levels = *levels;
      d.english = IsEnglish();
      data = d;
    }
  }
  RunSimulationExportDialog(this, data, ExportDefaultName(VentedBandpassExportValues{}));
}

void Tventpass::Button1Click() { CloseForm(); }

void Tventpass::Button2Click() {
  diagramShown_ = true;
  UpdateDiagram();
}

void Tventpass::Button4Click() { ConfirmAndPrintForm(); }
void Tventpass::Button5Click() { ShowHelpTopic(); }

void Tventpass::SetCaption(const std::string& caption) {
  const QString text = Q(caption);
  if (windowTitle() != text) setWindowTitle(text);
}

void Tventpass::resizeEvent(QResizeEvent* event) {
  FormBase::resizeEvent(event);
  UpdateDiagram();
}

void Tventpass::FormPaint(QPainter&) {
  // The form base has read the language and the colour scheme and set the texts of the table.
  SetCaption(VentpassCaption(IsEnglish(), CheckBox1->isChecked()));
  SetTextIfChanged(Label16, VentpassQlLabel(IsEnglish(), ScrollBar3->value()));
  if (autoBoxSim_ && !diagramShown_) {
    diagramShown_ = true;
    UpdateDiagram();
  }
}

void Tventpass::FormActivate() {
  RefreshLanguage();
  autoBoxSim_ = OpenSettings().ReadBool("Options", "AutoBoxSim", true);
  UpdateVentpassQl();
  UpdateVentpass();
}

}  // namespace velomare

#include "enclosures/TResultCompare.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include "common/Settings.h"
#include "enclosures/model/SimulationImport.h"
#include "platform/Platform.h"
#include "platform/plain/IniFile.h"

namespace velomare {
namespace {

// Set at each show, not at each paint: the window keeps its own copy of the language.
constexpr UiText kTexts[] = {
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "zeige wichtigen Bereich", "view important range", UiText::Hint},
    {"Button3", "&Drucken", "&print"},
    {"Button4", "Hilfe öffnen", "open help", UiText::Hint},
    {"CheckBox6", "Legende", "caption"},
    {"BarDBBreite", "Pegel (dB) Bereich verändern (vertikal)", "change level range vertical", UiText::Hint},
    {"BarDBMax", "Pegel (dB) Position vertikal verschieben", "change level position vertical", UiText::Hint},
    {"BarFMin", "Position der Frequenz verschieben (horizontal)", "change frequency position horizontal", UiText::Hint},
    {"BarFBreite", "Frequenz-Bereich horizontal ändern", "change frequency range horizontal", UiText::Hint},
    {"CheckBox5", "zeige Pegel in absoluten dB", "show level in absolute dB", UiText::Hint},
    {"CheckBox6", "zeige Liste der benutzten Lautsprecher und Simulationen", "show list of uses speakers and simulations",
     UiText::Hint},
    {"CheckBox7", "zeige Pegel (dB) abh. von der Boxen-Ausgangsleistung", "show SPL (dB) depending on speaker power",
     UiText::Hint},
    {"ComboBox1", "importiere Simulationen aus Export-Dateien", "import simulations from export files", UiText::Hint},
    {"CheckBox1", "Simulation Kanal 1: schwarz", "simulation channel 1: black", UiText::Hint},
    {"CheckBox2", "Simulation Kanal 2: blau", "simulation channel 2: blue", UiText::Hint},
    {"CheckBox3", "Simulation Kanal 3: rot", "simulation channel 3: red", UiText::Hint},
    {"CheckBox4", "Simulation Kanal 4: grau", "simulation channel 4: gray", UiText::Hint},
};

constexpr int kWidth = 770, kHeight = 550;
constexpr const char* kImportText = "import";
constexpr const char* kImportFilter = "Velomare export files (*.txt *.asc *.csv *.prn);;all files (*)";
constexpr const char* kPowerHint = "Power (0.5...5000 W)";

// Index 0 black for the grid and banner, then the slot colours.
const QColor kColours[] = {Qt::black, Qt::black, Qt::blue, Qt::red, Qt::gray};

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TResultCompare::TResultCompare(QWidget* parent) : FormBase(parent) {
  // The caption is this window's own: the cursor read-out writes it, so the form base must not
  // put it back at every paint.
  setObjectName(QStringLiteral("ResultCompare"));
  setWindowTitle(Q(ComparisonTitle(false)));
  SetHelpTopic("QTX_contents0025");
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setFont(WindowFont(11));
  setMouseTracking(true);

  constexpr int kRow1 = 1, kRow2 = 19, kRowH = 18;
  Button1 = Make<QPushButton>("Button1", this, 36, kRow1, 80, kRowH);
  Button3 = Make<QPushButton>("Button3", this, 120, kRow1, 70, kRowH);
  Button4 = Make<QPushButton>("Button4", this, 194, kRow1, 26, kRowH);
  Button4->setText("&?");
  Button2 = Make<QPushButton>("Button2", this, 224, kRow1, 26, kRowH);
  Button2->setText("&+");
  ComboBox1 = Make<QComboBox>("ComboBox1", this, 256, kRow1, 80, kRowH);
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->addItems({"#1", "#2", "#3", "#4"});
  ComboBox1->setCurrentIndex(-1);
  ComboBox1->setEditText(kImportText);

  QCheckBox** channels[] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4};
  for (int k = 0; k < 4; ++k) {
    const std::string name = "CheckBox" + std::to_string(k + 1);
    QCheckBox* box = Make<QCheckBox>(name.c_str(), this, 344 + 36 * k, kRow1, 34, kRowH);
    box->setText(QString::number(k + 1));
    QPalette p = box->palette();
    p.setColor(QPalette::WindowText, kColours[k + 1]);
    box->setPalette(p);
    *channels[k] = box;
    connect(box, &QCheckBox::toggled, this, &TResultCompare::Redraw);
  }
  CheckBox5 = Make<QCheckBox>("CheckBox5", this, 490, kRow1, 46, kRowH);
  CheckBox5->setText("abs");
  CheckBox6 = Make<QCheckBox>("CheckBox6", this, 540, kRow1, 80, kRowH);
  CheckBox6->setChecked(true);
  CheckBox7 = Make<QCheckBox>("CheckBox7", this, 624, kRow1, 66, kRowH);
  CheckBox7->setText("Power");
  CheckBox7->setEnabled(false);

  Label1 = Make<QLabel>("Label1", this, 36, kRow2, 240, 17);
  Label1->setText("-");
  BarFMin = Make<QScrollBar>("BarFMin", this, 280, kRow2, 150, 16);
  BarFBreite = Make<QScrollBar>("BarFBreite", this, 434, kRow2, 150, 16);
  BarDBMax = Make<QScrollBar>("BarDBMax", this, 0, 40, 16, 200);
  BarDBBreite = Make<QScrollBar>("BarDBBreite", this, 0, 250, 16, 200);
  const struct {
    QScrollBar* bar;
    Qt::Orientation orientation;
    int min, max, position, largeStep;
  } bars[] = {{BarFMin, Qt::Horizontal, 10, 100, 20, 10},
              {BarFBreite, Qt::Horizontal, 30, 300, 180, 10},
              {BarDBMax, Qt::Vertical, -40, 30, 12, 1},
              {BarDBBreite, Qt::Vertical, 6, 60, 30, 1}};
  for (const auto& b : bars) {
    b.bar->setOrientation(b.orientation);
    b.bar->setRange(b.min, b.max);
    b.bar->setValue(b.position);
    b.bar->setPageStep(b.largeStep);
    connect(b.bar, &QScrollBar::valueChanged, this, &TResultCompare::Redraw);
  }

  QLineEdit** edits[] = {&Edit1, &Edit2, &Edit3, &Edit4};
  for (int k = 0; k < 4; ++k) {
    const std::string name = "Edit" + std::to_string(k + 1);
    QLineEdit* edit = Make<QLineEdit>(name.c_str(), this, 590 + 44 * k, kRow2, 42, 17);
    edit->setText("1");
    edit->setToolTip(kPowerHint);
    edit->hide();
    *edits[k] = edit;
    connect(edit, &QLineEdit::textChanged, this, &TResultCompare::Redraw);
  }

  connect(Button1, &QPushButton::clicked, this, &TResultCompare::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TResultCompare::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TResultCompare::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TResultCompare::Button4Click);
  connect(CheckBox5, &QCheckBox::toggled, this, &TResultCompare::CheckBox5Click);
  connect(CheckBox6, &QCheckBox::toggled, this, &TResultCompare::Redraw);
  connect(CheckBox7, &QCheckBox::toggled, this, &TResultCompare::CheckBox7Click);
  // The list acts on every change of its index, also one made from code, and then shows
  // "import" again, so that the same slot can be chosen twice in a row.
  connect(ComboBox1, &QComboBox::activated, this, &TResultCompare::ComboBox1Change);
  SetCancelAndDefaultButtons(Button1, nullptr);

  ApplyTextTable(kTexts, false);
  DeclareOuterSize({kWidth, kHeight});
}

bool TResultCompare::IsEnglishText(const std::string& language) { return IsEnglish(language); }

QCheckBox* TResultCompare::Channel(int slot) const {
  QCheckBox* const boxes[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4};
  return slot >= 1 && slot <= 4 ? boxes[slot - 1] : nullptr;
}

void TResultCompare::FormShow() {
  compareLanguage_ = RefreshLanguage();
  overwrite_ = OpenSettings().ReadBool("Options", "overwrite", false);
  ApplyTextTable(kTexts, English());
  SetCaption(ComparisonTitle(English()));
  for (int slot = 1; slot <= kComparisonSlotCount; ++slot) Channel(slot)->setChecked(ComparisonSlotFilled(slot));
  Redraw();
}

ComparisonBars TResultCompare::Bars() const {
  return {BarFMin->value(), BarFBreite->value(), BarDBMax->value(), BarDBBreite->value()};
}

void TResultCompare::SetBars(const ComparisonBars& bars) {
  BarFMin->setValue(bars.fMin);
  BarFBreite->setValue(bars.fSpan);
  BarDBMax->setValue(bars.dbMax);
  BarDBBreite->setValue(bars.dbSpan);
}

ComparisonView TResultCompare::View() const {
  ComparisonView v;
  v.bars = Bars();
  for (int slot = 1; slot <= kComparisonSlotCount; ++slot) v.channels[static_cast<std::size_t>(slot - 1)] = Channel(slot)->isChecked();
  v.absolute = CheckBox5->isChecked();
  v.power = CheckBox7->isChecked();
  const QLineEdit* const edits[] = {Edit1, Edit2, Edit3, Edit4};
  for (std::size_t k = 0; k < 4; ++k) v.powerTexts[k] = edits[k]->text().toStdString();
  v.legend = CheckBox6->isChecked();
  v.english = English();
  const QSize outer = OuterSize();
  v.width = outer.width();
  v.height = outer.height();
  return v;
}

void TResultCompare::Redraw() { update(); }

void TResultCompare::DrawComparison() {
  drawing_ = ComputeComparisonDrawing(View());
  if (drawing_.scales) scales_ = *drawing_.scales;
  if (drawing_.rangeText) Label1->setText(Q(*drawing_.rangeText));
}

void TResultCompare::FormPaint(QPainter& painter) {
  DrawComparison();
  painter.setFont(font());
  const int ascent = painter.fontMetrics().ascent();
  for (const ComparisonItem& item : drawing_.items) {
    const QColor& colour = kColours[std::clamp(item.colour, 0, 4)];
    painter.setPen(colour);
    switch (item.kind) {
      case ComparisonItem::Line:
        painter.drawLine(item.x1, item.y1, item.x2, item.y2);
        break;
      case ComparisonItem::Rect:
        // The legend's frame is filled: the grid under it gives way to its texts.
        painter.setBrush(Qt::white);
        painter.drawRect(item.x1, item.y1, item.x2 - item.x1, item.y2 - item.y1);
        painter.setBrush(Qt::NoBrush);
        break;
      case ComparisonItem::Curve: {
        QPolygon polyline(static_cast<int>(item.points.size()));
        for (std::size_t i = 0; i < item.points.size(); ++i)
          polyline.setPoint(static_cast<int>(i), item.points[i].first, item.points[i].second);
        painter.drawPolyline(polyline);
        break;
      }
      case ComparisonItem::Text:
        painter.drawText(item.x1, item.y1 + ascent, Q(item.text));
        break;
    }
  }
}

void TResultCompare::resizeEvent(QResizeEvent* event) {
  FormBase::resizeEvent(event);
  update();
}

void TResultCompare::SetCaption(const std::string& caption) {
  const QString text = Q(caption);
  if (windowTitle() != text) setWindowTitle(text);
}

void TResultCompare::Button1Click() { CloseForm(); }
void TResultCompare::Button2Click() { SetBars(ComparisonBars{}); }
void TResultCompare::Button3Click() { ConfirmAndPrintForm(); }
void TResultCompare::Button4Click() { ShowHelpTopic(); }

void TResultCompare::CheckBox5Click() {
  CheckBox7->setEnabled(CheckBox5->isChecked());
  Redraw();
}

void TResultCompare::CheckBox7Click() {
  for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4}) edit->setVisible(CheckBox7->isChecked());
  Redraw();
}

void TResultCompare::ComboBox1Change(int index) {
  if (index < 0 || index >= kComparisonSlotCount) return;
  const int slot = index + 1;
  {
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(kImportText);
  }
  if (overwrite_ &&
      platform::AskYesNo(this, QString::fromUtf8("überschreibe / overwrite simulation #%1?").arg(slot)) != platform::Answer::Yes)
    return;
  ImportSimulationFile(slot);
}

void TResultCompare::ImportSimulationFile(int slot) {
  const auto notRead = [this] { platform::ShowMessage(this, QString::fromUtf8(import_text::kNotRead)); };
  platform::FileDialogRequest request;
  request.title = QString::fromUtf8(import_text::kDialogTitle);
  request.filter = QString::fromUtf8(kImportFilter);
  const auto path = platform::GetOpenFileName(this, request);
  if (!path) return notRead();
  const platform::FileBytes file = platform::ReadRegularFileStart(path->toStdString(), kImportByteLimit);
  if (file.status == platform::ReadStatus::Missing) platform::ShowMessage(this, QString::fromUtf8(import_text::kNoData));
  if (file.status != platform::ReadStatus::Ok) return notRead();

  // The slot changes only for an accepted file: a rejected one leaves the curve that was there.
  const SimulationImport result = ReadSimulationFile(file.bytes);
  const bool accepted = result.outcome == SimulationImport::Accepted && StoreImportedCurve(slot, result.curve, result.header);
  if (accepted) {
    Channel(slot)->setChecked(true);
    Redraw();
  }
  platform::ShowMessage(this, Q(import_text::Outcome(result, slot, English())));
  if (accepted) Redraw();
}

void TResultCompare::mousePressEvent(QMouseEvent* event) {
  FormMouseDown(static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
  FormBase::mousePressEvent(event);
}

void TResultCompare::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove(event->buttons(), static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
  FormBase::mouseMoveEvent(event);
}

void TResultCompare::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta < 0) FormMouseWheelDown();
  if (delta > 0) FormMouseWheelUp();
  event->accept();
}

void TResultCompare::FormMouseDown(int x, int y) {
  downAt_ = QPoint(x, y);
  downBars_ = Bars();
}

void TResultCompare::FormMouseMove(Qt::MouseButtons buttons, int x, int y) {
  const QSize outer = OuterSize();
  const bool english = English();
  if (!(y > 37 && y < outer.height() && x > 0 && x < outer.width() && drawing_.listed > 0)) {
    unsetCursor();
    SetCaption(ComparisonTitle(english));
    return;
  }
  setCursor(Qt::CrossCursor);
  const bool left = buttons & Qt::LeftButton, right = buttons & Qt::RightButton;
  if (left || right) {
    SetCaption(ComparisonTitle(english));
    SetBars(DraggedBars(Bars(), downBars_, downAt_.x(), downAt_.y(), x, y, left, right, scales_.pixelsPerDb));
    return;
  }
  SetCaption(ComparisonCursorCaption(scales_, x, y, english));
}

void TResultCompare::FormMouseWheelDown() { BarDBMax->setValue(BarDBMax->value() - 1); }
void TResultCompare::FormMouseWheelUp() { BarDBMax->setValue(BarDBMax->value() + 1); }

}  // namespace velomare

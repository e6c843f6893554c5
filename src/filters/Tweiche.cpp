#include "filters/Tweiche.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "filters/DiagramPainter.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Button1", "s&chliessen", "&close"},
    {"Button4", "total", "total"},
    {"Button2", "&Hilfe", "&help"},
    {"Button3", "&drucken", "&print"},
    {"CheckBox1", "Tiefpass", "low pass"},
    {"CheckBox2", "Bandpass", "band pass"},
    {"CheckBox3", "Hochpass", "high pass"},
    {"CheckBox4", "Verpolung", "reverse polarity"},
    {"CheckBox5", "Verpolung", "reverse polarity"},
    {"CheckBox6", "Verpolung", "reverse polarity"},
};

void SetRange(QScrollBar* bar, const ViewBarRange& range) {
  bar->setRange(range.min, range.max);
  bar->setValue(range.def);
}

}  // namespace

Tweiche::Tweiche(QWidget* parent) : FormBase(parent) {
  InitForm("weiche", "Gesamtweiche", "total crossover");
  PaintWithScheme(1);
  SetHelpTopic("QTX_contents0026");

  // The three branch rows along the top edge, 16 pixels apart; the diagram starts at y = 50.
  constexpr int kRowHeight = 16, kSwitchX = 4, kPolarityX = 96, kBarX = 226, kLabelX = 356;
  const auto check = [this](const char* name, int x, int row, int w, const char* text) {
    QCheckBox* box = Make<QCheckBox>(name, this, x, row * kRowHeight, w, kRowHeight);
    box->setText(QString::fromUtf8(text));
    return box;
  };
  CheckBox1 = check("CheckBox1", kSwitchX, 0, 88, "Tiefpass");
  CheckBox2 = check("CheckBox2", kSwitchX, 1, 88, "Bandpass");
  CheckBox3 = check("CheckBox3", kSwitchX, 2, 88, "Hochpass");
  CheckBox4 = check("CheckBox4", kPolarityX, 0, 126, "Verpolung");
  CheckBox5 = check("CheckBox5", kPolarityX, 1, 126, "Verpolung");
  CheckBox6 = check("CheckBox6", kPolarityX, 2, 126, "Verpolung");
  const auto bar = [this](const char* name, int row) {
    QScrollBar* b = Make<QScrollBar>(name, this, kBarX, row * kRowHeight + 1, 124, kRowHeight - 2);
    b->setOrientation(Qt::Horizontal);
    b->setPageStep(2);
    SetRange(b, kLevelSettingBar);
    return b;
  };
  ScrollBar2 = bar("ScrollBar2", 1);
  ScrollBar3 = bar("ScrollBar3", 2);
  const auto label = [this](const char* name, int row) {
    QLabel* l = Make<QLabel>(name, this, kLabelX, row * kRowHeight, 190, kRowHeight);
    l->setText(QStringLiteral("Pegel"));
    return l;
  };
  Label1 = label("Label1", 0);
  Label2 = label("Label2", 1);
  Label3 = label("Label3", 2);

  const auto button = [this](const char* name, int x, int y, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, x, y, 96, 22);
    b->setText(QString::fromUtf8(text));
    return b;
  };
  Button4 = button("Button4", 558, 1, "total");
  Button3 = button("Button3", 658, 1, "&drucken");
  Button2 = button("Button2", 558, 25, "&Hilfe");
  Button1 = button("Button1", 658, 25, "s&chliessen");
  SetCancelAndDefaultButtons(Button1, nullptr);

  const auto viewBar = [this](const char* name, const ViewBarRange& range) {
    QScrollBar* b = Make<QScrollBar>(name, this, 0, 0, 100, 16);
    b->setOrientation(Qt::Horizontal);
    SetRange(b, range);
    b->hide();
    return b;
  };
  fminBar = viewBar("fminBar", kFminBar);
  fbreiteBar = viewBar("fbreiteBar", kFbreiteBar);
  dbmaxBar = viewBar("dbmaxBar", kDbmaxBar);
  dbbreiteBar = viewBar("dbbreiteBar", kDbbreiteBar);
  // The span bar's maximum follows fmin from the start, so that the axis never passes 20 kHz.
  fbreiteBar->setMaximum(SpanBarMaximum(fminBar->value()));

  connect(CheckBox1, &QCheckBox::toggled, this, &Tweiche::CheckBox1Click);
  connect(CheckBox2, &QCheckBox::toggled, this, &Tweiche::CheckBox2Click);
  connect(CheckBox3, &QCheckBox::toggled, this, &Tweiche::CheckBox3Click);
  connect(CheckBox4, &QCheckBox::toggled, this, &Tweiche::CheckBox4Click);
  connect(CheckBox5, &QCheckBox::toggled, this, &Tweiche::CheckBox5Click);
  connect(CheckBox6, &QCheckBox::toggled, this, &Tweiche::CheckBox6Click);
  connect(ScrollBar2, &QScrollBar::valueChanged, this, &Tweiche::ScrollBar2Change);
  connect(ScrollBar3, &QScrollBar::valueChanged, this, &Tweiche::ScrollBar3Change);
  connect(fminBar, &QScrollBar::valueChanged, this, &Tweiche::fminBarChange);
  connect(fbreiteBar, &QScrollBar::valueChanged, this, &Tweiche::fbreiteBarChange);
  connect(dbmaxBar, &QScrollBar::valueChanged, this, &Tweiche::dbmaxBarChange);
  connect(dbbreiteBar, &QScrollBar::valueChanged, this, &Tweiche::dbbreiteBarChange);
  connect(Button1, &QPushButton::clicked, this, &Tweiche::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tweiche::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tweiche::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Tweiche::Button4Click);

  setMouseTracking(true);
  FormCreate();
  DeclareOuterSize(kDesignedOuterSize);
}

std::span<const UiText> Tweiche::Texts() const { return kTexts; }

void Tweiche::FormCreate() {
  // An export counts here only when it happens after start-up.
  for (FilterBranchKind kind : kCrossoverBranches) FilterBranchOf(kind).level[0] = 0.0;
  ReadAxisBars();
  // Until the first press the drag starts from the view as it stands.
  anchor_.view = view_;
}

void Tweiche::ReadAxisBars() {
  view_ = {fminBar->value(), fbreiteBar->value(), dbmaxBar->value(), dbbreiteBar->value()};
}

void Tweiche::ShowAvailableBranches() {
  QCheckBox* const boxes[] = {CheckBox1, CheckBox2, CheckBox3};
  for (std::size_t b = 0; b < kCrossoverBranches.size(); ++b) {
    const bool offered = BranchOfferedOnGrid(kCrossoverBranches[b], fastGrid_);
    boxes[b]->setChecked(offered);
    boxes[b]->setVisible(offered);
  }
}

void Tweiche::WithdrawBranchesOffTheGrid() {
  QCheckBox* const boxes[] = {CheckBox1, CheckBox2, CheckBox3};
  for (std::size_t b = 0; b < kCrossoverBranches.size(); ++b) {
    if (BranchOfferedOnGrid(kCrossoverBranches[b], fastGrid_)) continue;
    // Inside a drawing: this drawing already sums without the branch.
    const QSignalBlocker quiet(boxes[b]);
    if (boxes[b]->isChecked()) boxes[b]->setChecked(false);
    if (!boxes[b]->isHidden()) boxes[b]->hide();
  }
}

CrossoverSettings Tweiche::CurrentSettings() const {
  CrossoverSettings settings;
  settings.fastGrid = fastGrid_;
  settings.branches[0] = {CheckBox1->isChecked(), CheckBox4->isChecked(), 0.0};
  settings.branches[1] = {CheckBox2->isChecked(), CheckBox5->isChecked(), LevelSettingOfBar(ScrollBar2->value())};
  settings.branches[2] = {CheckBox3->isChecked(), CheckBox6->isChecked(), LevelSettingOfBar(ScrollBar3->value())};
  return settings;
}

void Tweiche::fminBarChange() {
  ReadAxisBars();
  // Setting the maximum clamps the span, which runs its own handler.
  fbreiteBar->setMaximum(SpanBarMaximum(view_.fmin));
  WeicheRedrawOnChange();
}

void Tweiche::fbreiteBarChange() {
  ReadAxisBars();
  WeicheRedrawOnChange();
}

void Tweiche::Button3Click() { platform::PrintWindowImage(this); }

void Tweiche::Button4Click() {
  dbmaxBar->setValue(kDbmaxBar.def);
  dbbreiteBar->setValue(kDbbreiteBar.def);
  fminBar->setValue(kFminBar.def);
  fbreiteBar->setValue(kFbreiteBar.def);
}

void Tweiche::FormShow() {
  fastGrid_ = OpenSettings().ReadBool("Options", "FastFilter", true);
  ShowAvailableBranches();
  update();
}

void Tweiche::FormPaint(QPainter& painter) {
  fastGrid_ = ReadSettingsBoolCached("Options", "FastFilter", true);
  PlotTotalCrossover(painter);
}

void Tweiche::SetPlainCaption() {
  const QString caption = QString::fromUtf8(CrossoverCaption(IsEnglish()));
  if (windowTitle() != caption) setWindowTitle(caption);
}

void Tweiche::PlotTotalCrossover(QPainter& painter) {
  WithdrawBranchesOffTheGrid();
  const CrossoverSettings settings = CurrentSettings();
  SetPlainCaption();
  const CrossoverLevelTexts texts =
      CrossoverLevelTextsFor(ChassisSpl, settings.branches[1].levelDb, settings.branches[2].levelDb, IsEnglish());
  SetTextIfChanged(Label1, texts.lowPass);
  SetTextIfChanged(Label2, texts.bandPass);
  SetTextIfChanged(Label3, texts.highPass);

  SumCrossoverBranches(settings, total_);
  diagramDrawn_ = false;
  if (!total_.HasData()) return;
  ReadAxisBars();
  const QSize outer = OuterSize();
  const std::optional<CrossoverScales> scales = CrossoverScalesFor(view_, outer.width(), outer.height());
  if (!scales) return;
  scales_ = *scales;
  LayOutCrossoverDiagram(total_, fastGrid_, view_, scales_, outer.width(), outer.height(), diagram_);
  diagramDrawn_ = true;

  PaintFilterDiagram(painter, diagram_.grid);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor blue = DiagramQColor(DiagramColour::Blue);
  painter.setPen(blue);
  for (const DiagramText& text : diagram_.phaseTexts) PaintDiagramText(painter, text);
  const auto chain = [&](const std::vector<DiagramPoint>& points, const QColor& colour) {
    QPolygon polygon(static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
    painter.setPen(colour);
    painter.drawPolyline(polygon);
  };
  chain(diagram_.level, Qt::black);
  chain(diagram_.phase, blue);
  painter.restore();
}

void Tweiche::resizeEvent(QResizeEvent* event) {
  FormBase::resizeEvent(event);
  FormResize();
}

void Tweiche::FormMouseDown(int x, int y) {
  anchor_ = {x, y, {fminBar->value(), fbreiteBar->value(), dbmaxBar->value(), dbbreiteBar->value()}};
}

void Tweiche::FormMouseMove(Qt::MouseButtons buttons, int x, int y) {
  const QSize outer = OuterSize();
  if (!InCrossoverMouseArea(x, y, outer.width(), outer.height())) {
    unsetCursor();
    SetPlainCaption();
    return;
  }
  setCursor(Qt::CrossCursor);
  const bool zoom = buttons & Qt::RightButton;
  const bool pan = buttons & Qt::LeftButton;
  if (zoom) {
    SetPlainCaption();
    const ZoomTarget target = ZoomPositions(anchor_, x, y);
    dbbreiteBar->setValue(target.dbbreite);
    fbreiteBar->setValue(target.fbreite);
  }
  if (pan) {
    SetPlainCaption();
    const PanTarget target = PanPositions(anchor_, x, y, scales_.kdb);
    dbmaxBar->setValue(target.dbmax);
    fminBar->setValue(target.fmin);
  }
  if (zoom || pan) return;
  const QString caption = QString::fromStdString(CrossoverCursorCaption(view_, scales_, x, y, IsEnglish()));
  if (windowTitle() != caption) setWindowTitle(caption);
}

void Tweiche::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  FormMouseDown(at.x(), at.y());
  FormBase::mousePressEvent(event);
}

void Tweiche::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  FormMouseMove(event->buttons(), at.x(), at.y());
  FormBase::mouseMoveEvent(event);
}

}  // namespace velomare

#include "calculators/Tmehrbox.h"

#include <QLabel>
#include <algorithm>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "calculators/model/SpeakerGrouping.h"
#include "common/NumberText.h"
#include "common/Settings.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Hilfe", "&help"},
    {"Label1", "Impedanz Z eines LS (Ohm)", "impedance of one speaker (ohm)"},
    {"Image1", "Das Bild zeigt 3 parallele Gruppen von 2 in Reihe gschaltete LS (3 x 2)",
     "this image illustrate 3 parallel groups of 2 serial speakers (3 x 2)", UiText::Hint},
    {"Button3", "Gibt anhand der LS-Anzahl einen Tipp zur Variante", "gives an advice depending on speaker number",
     UiText::Hint},
    {"Button4", "verändert evtl. die LS-Anzahl und gibt einen Tipp", "maybe changes speaker number and gives an advice",
     UiText::Hint},
};

// Layout: the inputs in a column at the left, the buttons beside them, the picture at the top
// right and the three result lines across the window below.
constexpr int kClientWidth = 550, kClientHeight = 246;
constexpr int kColumnX = 8, kColumnW = 190;
constexpr int kButtonX = 206, kButtonW = 80;
constexpr int kResultW = kClientWidth - 2 * kColumnX;

// The example of the picture, which a click selects: six speakers as three groups of two.
constexpr int kPictureCount = 6;
constexpr int kPictureOption = 3;

// Where the picture's parts lie (pixels).
constexpr int kTopRail = 22, kBottomRail = 108;
constexpr int kTerminalX = 20, kRailEnd = 226;
constexpr int kBranchX[] = {96, 156, 216};
constexpr int kSpeakerY[] = {48, 82};

// A speaker symbol on a vertical wire: the magnet as a small box on the wire and the cone
// opening to the right.
void SpeakerSymbol(QPainter& p, int x, int y) {
  p.drawRect(QRect(x - 4, y - 8, 8, 16));
  p.drawPolygon(QPolygon({QPoint(x + 4, y - 8), QPoint(x + 14, y - 15), QPoint(x + 14, y + 15), QPoint(x + 4, y + 8)}));
}

void Terminal(QPainter& p, int y, const QString& sign) {
  p.drawEllipse(QPoint(kTerminalX, y), 5, 5);
  p.drawText(QRect(kTerminalX - 18, y - 8, 10, 16), Qt::AlignCenter, sign);
}

}  // namespace

SpeakerWiringPicture::SpeakerWiringPicture(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::PointingHandCursor);
}

void SpeakerWiringPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));

  QFont font = p.font();
  font.setPixelSize(14);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QPen(Qt::black, 2));
  Terminal(p, kTopRail, QStringLiteral("+"));
  Terminal(p, kBottomRail, QStringLiteral("−"));
  p.drawLine(kTerminalX + 5, kTopRail, kRailEnd, kTopRail);
  p.drawLine(kTerminalX + 5, kBottomRail, kRailEnd, kBottomRail);

  for (int x : kBranchX) {
    p.setBrush(Qt::NoBrush);
    p.drawLine(x, kTopRail, x, kSpeakerY[0] - 8);
    p.drawLine(x, kSpeakerY[0] + 8, x, kSpeakerY[1] - 8);
    p.drawLine(x, kSpeakerY[1] + 8, x, kBottomRail);
    p.setBrush(Qt::white);
    for (int y : kSpeakerY) SpeakerSymbol(p, x, y);
    // The joints on the rails.
    p.setBrush(Qt::black);
    p.drawEllipse(QPoint(x, kTopRail), 2, 2);
    p.drawEllipse(QPoint(x, kBottomRail), 2, 2);
  }

  font.setPixelSize(12);
  font.setBold(false);
  p.setFont(font);
  p.drawText(QRect(kTerminalX + 10, kBottomRail + 4, kRailEnd - kTerminalX, kHeight - kBottomRail - 6),
             Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("3 x 2"));
}

void SpeakerWiringPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
}

Tmehrbox::Tmehrbox(QWidget* parent) : FormBase(parent) {
  InitForm("mehrbox", "Zusammenschaltung mehrerer Lautsprecher", "Connection of many speakers");
  SetHelpTopic("QTX_contents0027");
  // The tables are built here, once, as the window is created.
  SpeakerGroupingTables();

  const auto label = [this](const char* name, int x, int y, int w) { return Make<QLabel>(name, this, x, y, w, 16); };
  const auto scrollBar = [this](const char* name, int y, int minimum, int maximum) {
    QScrollBar* bar = Make<QScrollBar>(name, this, kColumnX, y, kColumnW, 17);
    bar->setOrientation(Qt::Horizontal);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(minimum);
    return bar;
  };
  const auto button = [this](const char* name, int x, int y, int w, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, x, y, w, 25);
    b->setText(QString::fromLatin1(text));
    return b;
  };

  Label1 = label("Label1", kColumnX, 8, kColumnW);
  Edit1 = Make<QLineEdit>("Edit1", this, kColumnX, 26, 60, 21);
  Edit1->setText(QStringLiteral("4"));
  Label2 = label("Label2", kColumnX, 56, kColumnW);
  ScrollBar1 = scrollBar("ScrollBar1", 74, kMinSpeakers, kMaxSpeakers);
  Label3 = label("Label3", kColumnX, 100, kColumnW);
  ScrollBar2 = scrollBar("ScrollBar2", 118, 1, 2);

  Button1 = button("Button1", kButtonX, 8, kButtonW, "");
  Button2 = button("Button2", kButtonX, 38, kButtonW, "");
  Button4 = button("Button4", kButtonX, 70, 36, "?");
  Button3 = button("Button3", kButtonX, 114, 36, "&?");

  Image1 = Make<SpeakerWiringPicture>("Image1", this, kClientWidth - kColumnX - SpeakerWiringPicture::kWidth, 8,
                                      SpeakerWiringPicture::kWidth, SpeakerWiringPicture::kHeight);
  Image1->onClick = [this] { Image1Click(); };

  Label6 = label("Label6", kColumnX, 160, kResultW);
  Label4 = label("Label4", kColumnX, 184, kResultW);
  Label5 = label("Label5", kColumnX, 208, kResultW);
  QFont bold = Label5->font();
  bold.setBold(true);
  Label5->setFont(bold);

  // A position set from code runs the same handler as a move by the user, whenever it changes.
  connect(Edit1, &QLineEdit::textChanged, this, &Tmehrbox::Edit1Change);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &Tmehrbox::ScrollBar1Change);
  connect(ScrollBar2, &QScrollBar::valueChanged, this, &Tmehrbox::ScrollBar2Change);
  connect(Button1, &QPushButton::clicked, this, &Tmehrbox::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tmehrbox::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tmehrbox::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Tmehrbox::Button4Click);

  SetFixedClientSize(kClientWidth, kClientHeight);
  CentreOnScreen();
}

std::span<const UiText> Tmehrbox::Texts() const { return kTexts; }

void Tmehrbox::SetGroupingRange() {
  N = ScrollBar1->value();
  // The position first, so that the old position never lies beyond the new maximum.
  ScrollBar2->setValue(1);
  ScrollBar2->setMaximum(std::max(ScrollBar2->minimum(), GroupingOptionCount(N)));
}

void Tmehrbox::ComputeSpeakerGrouping() {
  Z = ReadNumber(Edit1->text().toStdString());
  N = ScrollBar1->value();
  k = ScrollBar2->value();
  const auto out = velomare::ComputeSpeakerGrouping(Z, N, k, ScrollBar2->maximum(), IsEnglish());
  p = ParallelGroups(N, k);
  s = p >= 1 ? N / p : 0;
  if (!out) return;
  Zt = out->totalImpedance;
  SetTextIfChanged(Label2, out->count);
  SetTextIfChanged(Label3, out->option);
  SetTextIfChanged(Label4, out->wiring);
  SetTextIfChanged(Label6, out->grouping);
  SetTextIfChanged(Label5, out->total);
}

void Tmehrbox::ScrollBar1Change() {
  SetGroupingRange();
  ComputeSpeakerGrouping();
}

void Tmehrbox::FormPaint(QPainter&) { ComputeSpeakerGrouping(); }

void Tmehrbox::Button1Click() { CloseForm(); }
void Tmehrbox::Button2Click() { ShowHelpTopic(); }

void Tmehrbox::Button3Click() { ScrollBar2->setValue(AdvisedOption(ScrollBar1->value())); }

void Tmehrbox::Button4Click() {
  ScrollBar1->setValue(AdjustedSpeakerCount(ScrollBar1->value()));
  ScrollBar2->setValue(AdvisedOption(ScrollBar1->value()));
}

void Tmehrbox::Image1Click() {
  ScrollBar1->setValue(kPictureCount);
  ScrollBar2->setValue(kPictureOption);
}

}  // namespace velomare

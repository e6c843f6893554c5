#include "app/Twahl.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

#include "app/AllForms.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label8", "Empfehlungen : ", "advices : "},
    {"Label11", "Free-Air-Einbau-Daten : ", "data for Free-Air : "},
    {"Label1", "Free-Air-Volumen", "Free-Air volume"},
    {"Button1", "S&chließen", "&close"},
    {"Button2", "&Drucken", "&print"},
    {"Button3", "&Hilfe", "&help"},
    {"StatusBar1", "Die Bewertungen sind nicht allzu ernst zu nehmen, es sind nur Richtwerte.",
     "these advices are tips only"},
};

// The texts the rows and the caption show while no advice can be given; the vented bandpass row
// has none and keeps what it shows.
struct BaseText {
  AdvisedBox box;
  const char* german;
  const char* english;
};
constexpr BaseText kBaseTexts[] = {
    {AdvisedBox::Closed, "Eignung für geschlossene Gehäuse", "suitability for a closed box"},
    {AdvisedBox::BassReflex, "Eignung für Bassreflexgehäuse", "suitability for a reflex (vented) box"},
    {AdvisedBox::ClosedBandpass, "Eignung für geschlossenen Bandpass", "suitability for a closed band pass box"},
    {AdvisedBox::ExpoHorn, "Eignung für Exponentialhorn", "suitability for an exponential horn system"},
    {AdvisedBox::OpenBox, "Eignung für offene Boxen", "suitability for an open box (e.g. PA)"},
    {AdvisedBox::TransmissionLine, "Eignung für Transmissionline-Systeme", "suitability for a transmissionline system"},
    {AdvisedBox::FreeAir, "Eignung für Free-Air-Betrieb", "suitability for Free-Air"},
};
constexpr const char* kCaptionGerman = "Auswahl des Gehäusetyps";
constexpr const char* kCaptionEnglish = "advice for selection";
constexpr const char* kRowHint = "sehr gut(1), gut(2), möglich(3), bedingt(4), schlecht(5), ungeeignet(6)";
constexpr const char* kVolumeHint = "Volumen des Kofferraums in Litern";

constexpr int kVolumeMin = 10;
constexpr int kVolumeMax = 2000;
constexpr int kVolumeStart = 500;

const QColor kHoverColour(128, 0, 128);

// The rating symbol: a small loudspeaker, basket and cone, with one sound wave.
QPixmap SymbolPicture() {
  QPixmap picture(18, 18);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 0, 128), 1));
  p.setBrush(QColor(0, 128, 0));
  p.drawRect(QRectF(2.5, 6.5, 4, 5));
  p.drawPolygon(QPolygonF({QPointF(6.5, 6.5), QPointF(11.5, 2.5), QPointF(11.5, 15.5), QPointF(6.5, 11.5)}));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(9.5, 4.5, 6, 9), -50 * 16, 100 * 16);
  return picture;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Twahl::Twahl(QWidget* parent) : FormBase(parent) {
  // The caption names the driver once advice is given, so it is set here and not by the table.
  InitForm("wahl", nullptr, nullptr);
  setWindowTitle(QString::fromUtf8(kCaptionGerman));
  SetUsesColorScheme(true);
  SetHelpTopic("QTX_contents0003");

  Label8 = Make<QLabel>("Label8", this, 8, 6, 300, 18);
  QFont bold = font();
  bold.setBold(true);
  Label8->setFont(bold);
  Label6 = Make<QLabel>("Label6", this, 8, 26, 620, 17);
  Label14 = Make<QLabel>("Label14", this, 8, 44, 620, 17);
  Label9 = Make<QLabel>("Label9", this, 8, 62, 620, 17);
  Label10 = Make<QLabel>("Label10", this, 8, 80, 620, 17);

  Panel1 = Make<QFrame>("Panel1", this, 8, 102, 624, 204);
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Sunken);
  Panel1->setAutoFillBackground(true);
  QPalette white = Panel1->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  Panel1->setPalette(white);
  Panel1->setMouseTracking(true);
  Panel1->installEventFilter(this);

  const QPixmap symbol = SymbolPicture();
  struct Row {
    QLabel** label;
    const char* name;
    const char* design;
    std::array<QLabel*, 5>* symbols;
    const char* symbolName;
  };
  const Row rows[] = {
      {&Label2, "Label2", "Eignung für geschlossene Gehäuse", &cl, "cl"},
      {&Label3, "Label3", "Eignung für Bassreflexgehäuse", &br, "br"},
      {&Label4, "Label4", "Eignung für geschlossenen Bandpass", &bp, "bp"},
      {&Label16, "Label16", "Eignung für ventilierten Bandpass", &vbp, "vbp"},
      {&Label13, "Label13", "Eignung für Exponentialhorn", &horn, "horn"},
      {&Label12, "Label12", "Eignung für offene Boxen", &op, "op"},
      {&Label15, "Label15", "Eignung für Transmissionline-Systeme", &tml, "tml"},
      {&Label5, "Label5", "Eignung für Free-Air-Betrieb", &air, "air"},
  };
  int y = 6;
  for (const Row& row : rows) {
    QLabel* label = Make<QLabel>(row.name, Panel1, 8, y, 440, 18);
    label->setText(QString::fromUtf8(row.design));
    label->setToolTip(QString::fromUtf8(kRowHint));
    label->installEventFilter(this);
    *row.label = label;
    for (int k = 0; k < 5; ++k) {
      const QByteArray name = QByteArray(row.symbolName) + QByteArray::number(k + 1);
      QLabel* picture = Make<QLabel>(name.constData(), Panel1, 470 + 26 * k, y, 18, 18);
      picture->setPixmap(symbol);
      (*row.symbols)[k] = picture;
    }
    y += 24;
  }
  for (QLabel* label : {Label2, Label3, Label4, Label16, Label13, Label12}) {
    label->setCursor(Qt::PointingHandCursor);
    OnHover(label, [label] { SetTextColour(label, kHoverColour); });
  }

  Label11 = Make<QLabel>("Label11", this, 8, 314, 300, 18);
  Label11->setFont(bold);
  Label1 = Make<QLabel>("Label1", this, 8, 336, 150, 18);
  Label1->setToolTip(QString::fromUtf8(kVolumeHint));
  Volumen = Make<QLabel>("Volumen", this, 160, 336, 60, 18);
  Volumen->setText(QString::number(kVolumeStart) + " l");
  ScrollBar1 = Make<QScrollBar>("ScrollBar1", this, 226, 337, 406, 17);
  ScrollBar1->setOrientation(Qt::Horizontal);
  ScrollBar1->setRange(kVolumeMin, kVolumeMax);
  ScrollBar1->setValue(kVolumeStart);
  ScrollBar1->setPageStep(20);
  ScrollBar1->setSingleStep(1);
  ScrollBar1->setToolTip(QString::fromUtf8(kVolumeHint));
  connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] { ScrollBar1Change(); });
  Label7 = Make<QLabel>("Label7", this, 8, 360, 624, 18);

  Button1 = Make<QPushButton>("Button1", this, 8, 388, 90, 25);
  Button2 = Make<QPushButton>("Button2", this, 106, 388, 90, 25);
  Button3 = Make<QPushButton>("Button3", this, 204, 388, 90, 25);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

  StatusBar1 = Make<QLabel>("StatusBar1", this, 0, 422, 640, 20);
  StatusBar1->setFrameShape(QFrame::Panel);
  StatusBar1->setFrameShadow(QFrame::Sunken);

  SetFixedClientSize(640, 442);
  ApplyLanguage();
}

std::span<const UiText> Twahl::Texts() const { return kTexts; }

QLabel* Twahl::RowLabel(AdvisedBox box) const {
  switch (box) {
    case AdvisedBox::Closed: return Label2;
    case AdvisedBox::BassReflex: return Label3;
    case AdvisedBox::ClosedBandpass: return Label4;
    case AdvisedBox::VentedBandpass: return Label16;
    case AdvisedBox::FreeAir: return Label5;
    case AdvisedBox::OpenBox: return Label12;
    case AdvisedBox::ExpoHorn: return Label13;
    case AdvisedBox::TransmissionLine: break;
  }
  return Label15;
}

const std::array<QLabel*, 5>& Twahl::RowSymbols(AdvisedBox box) const {
  switch (box) {
    case AdvisedBox::Closed: return cl;
    case AdvisedBox::BassReflex: return br;
    case AdvisedBox::ClosedBandpass: return bp;
    case AdvisedBox::VentedBandpass: return vbp;
    case AdvisedBox::FreeAir: return air;
    case AdvisedBox::OpenBox: return op;
    case AdvisedBox::ExpoHorn: return horn;
    case AdvisedBox::TransmissionLine: break;
  }
  return tml;
}

void Twahl::FormShow() { CentreOnScreen(); }

void Twahl::FormPaint(QPainter&) {
  // The language and colour are the base's, read at this paint; the advice follows the driver
  // committed now.
  AdviseBoxTypes();
}

void Twahl::SetBaseTexts() {
  const bool english = IsEnglish();
  const QString caption = QString::fromUtf8(english ? kCaptionEnglish : kCaptionGerman);
  if (windowTitle() != caption) setWindowTitle(caption);
  for (const BaseText& base : kBaseTexts) SetTextIfChanged(RowLabel(base.box), english ? base.english : base.german);
}

void Twahl::AdviseBoxTypes() {
  const AdviceDriver driver{ChassisQts, ChassisQes, ChassisVas, ChassisFs, ChassisDia};
  const std::optional<BoxAdvice> advice = velomare::AdviseBoxTypes(driver, ScrollBar1->value());
  if (!advice) {
    SetBaseTexts();
    return;
  }
  const bool english = IsEnglish();
  const AdviceTexts texts = FormatAdvice(*advice, english, ChassisManufacturer, ChassisName);
  if (windowTitle() != Text(texts.caption)) setWindowTitle(Text(texts.caption));
  for (int i = 0; i < kAdvisedBoxCount; ++i) {
    const auto box = static_cast<AdvisedBox>(i);
    SetTextIfChanged(RowLabel(box), texts.rows[i]);
    const int shown = SymbolCount(advice->sums[i]);
    const QString word = Text(texts.words[i]);
    for (int k = 0; k < 5; ++k) {
      QLabel* symbol = RowSymbols(box)[k];
      if (symbol->toolTip() != word) symbol->setToolTip(word);
      if (symbol->isVisibleTo(Panel1) != (k < shown)) symbol->setVisible(k < shown);
    }
  }
  SetTextIfChanged(Label7, texts.label7);
  SetTextIfChanged(Label6, texts.label6);
  SetTextIfChanged(Label14, texts.label14);
  SetTextIfChanged(Label9, texts.label9);
  SetTextIfChanged(Label10, texts.label10);
}

void Twahl::ScrollBar1Change() {
  SetTextIfChanged(Volumen, std::to_string(ScrollBar1->value()) + " l");
  AdviseBoxTypes();
}

void Twahl::OpenEnclosure(QWidget* window) {
  if (auto* form = qobject_cast<FormBase*>(window)) form->ShowForm();
  hide();
}

void Twahl::Label2Click() { OpenEnclosure(forms::closed); }
void Twahl::Label3Click() { OpenEnclosure(forms::Reflex); }
void Twahl::Label4Click() { OpenEnclosure(forms::bandkiste); }
void Twahl::Label16Click() { OpenEnclosure(forms::ventpass); }
void Twahl::Label13Click() { OpenEnclosure(forms::Expo); }
void Twahl::Label12Click() { OpenEnclosure(forms::offen); }

void Twahl::Panel1MouseMove() {
  for (QLabel* label : {Label2, Label3, Label4, Label16, Label13, Label12}) SetTextColour(label, Qt::black);
}

void Twahl::Button1Click() { hide(); }
void Twahl::Button2Click() { ConfirmAndPrintForm(); }
void Twahl::Button3Click() { ShowHelpTopic(); }

bool Twahl::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1) {
    if (event->type() == QEvent::MouseMove) Panel1MouseMove();
    return FormBase::eventFilter(watched, event);
  }
  struct Link {
    QLabel* label;
    void (Twahl::*click)();
  };
  const Link links[] = {{Label2, &Twahl::Label2Click},   {Label3, &Twahl::Label3Click},
                        {Label4, &Twahl::Label4Click},   {Label16, &Twahl::Label16Click},
                        {Label13, &Twahl::Label13Click}, {Label12, &Twahl::Label12Click}};
  for (const Link& link : links) {
    if (watched != link.label) continue;
    if (event->type() == QEvent::MouseButtonRelease) {
      (this->*link.click)();
      return true;
    }
  }
  return FormBase::eventFilter(watched, event);
}

}  // namespace velomare

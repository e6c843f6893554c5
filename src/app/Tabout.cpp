#include "app/Tabout.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "common/Settings.h"
#include "common/Version.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"", "über Velomare", "about Velomare"},
    {"Label16", "im Netz", "in web"},
    {"Label3", "Software zur Berechnung von Subwoofern, Frequenzweichen,",
     "software for calculation of subwoofer, crossovers, the"},
    {"Label4", "Ermittlung der Thiele-Small-Parameter und anderem mehr.",
     "measurement of Thiele-Small parameters and many more."},
    {"Label5", "Der Benutzer dieses Programms sollte über grundlegende",
     "The user of this software should have basic knowledge"},
    {"Label6", "Kenntnisse in der Akustik und Elektronik verfügen.", "in acoustics and electronics."},
    {"Button1", "O.K.", "O.K."},
    {"Button2", "&Drucken", "&print"},
};

// The program's picture: a loudspeaker with the program's name and version.
QPixmap ProgramPicture() {
  QPixmap picture(96, 96);
  picture.fill(QColor(0, 0, 128));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(QColor(192, 192, 192));
  p.drawRect(14, 30, 14, 26);
  p.drawPolygon(QPolygon({QPoint(28, 30), QPoint(48, 12), QPoint(48, 74), QPoint(28, 56)}));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRect(44, 24, 22, 38), -50 * 16, 100 * 16);
  p.drawArc(QRect(44, 16, 34, 54), -50 * 16, 100 * 16);
  QFont font(QStringLiteral("Sans Serif"));
  font.setPixelSize(13);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRect(0, 74, 96, 20), Qt::AlignCenter, QStringLiteral("Velomare"));
  return picture;
}

}  // namespace

Tabout::Tabout(QWidget* parent) : FormBase(parent) {
  setObjectName("about");
  setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setMouseTracking(true);

  Image1 = Make<QLabel>("Image1", this, 12, 12, 96, 96);
  Image1->setPixmap(ProgramPicture());
  Label1 = Make<QLabel>("Label1", this, 120, 12, 290, 18);
  QLabel* title = Make<QLabel>("LabelTitle", this, 120, 30, 290, 24);
  QFont big = WindowFont(18);
  big.setBold(true);
  title->setFont(big);
  title->setText(QString::fromUtf8(kStatusVersionText) + "  Freeware");
  Label3 = Make<QLabel>("Label3", this, 120, 62, 350, 16);
  Label4 = Make<QLabel>("Label4", this, 120, 78, 350, 16);
  Label5 = Make<QLabel>("Label5", this, 120, 98, 350, 16);
  Label6 = Make<QLabel>("Label6", this, 120, 114, 350, 16);
  Label9 = Make<QLabel>("Label9", this, 120, 132, 300, 14);
  Label10 = Make<QLabel>("Label10", this, 120, 146, 300, 14);
  Label16 = Make<QLabel>("Label16", this, 12, 164, 90, 16);
  Label8 = Make<QLabel>("Label8", this, 120, 164, 350, 16);
  Label8->setText(QString::fromUtf8(kMakerWebText));
  Label7 = Make<QLabel>("Label7", this, 120, 182, 350, 16);
  Label7->setText("(" + QString::fromUtf8(kMakerMailAddress) + ")");
  for (QLabel* link : {Label7, Label8}) {
    link->setCursor(Qt::PointingHandCursor);
    link->installEventFilter(this);
    OnHover(link, [link] { ColourLink(link, true); });
    ColourLink(link, false);
  }
  Button1 = Make<QPushButton>("Button1", this, 120, 212, 90, 25);
  Button2 = Make<QPushButton>("Button2", this, 220, 212, 90, 25);
  SetCancelAndDefaultButtons(Button1, Button1);
  connect(Button1, &QPushButton::clicked, this, &Tabout::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &FormBase::ConfirmAndPrintForm);
  SetFixedClientSize(480, 250);
  CentreOnScreen();

  // Shown over the main window at every start unless the user switched it off.
  Label1->setText("");
  if (OpenSettings().ReadBool("Options", "AboutAtStart", true)) ShowForm();
}

std::span<const UiText> Tabout::Texts() const { return kTexts; }

void Tabout::Button1Click() { hide(); }

void Tabout::Label8Click() { platform::ShellOpen(this, QString::fromUtf8(kMakerWebUrl)); }

void Tabout::Label7Click() { platform::ShellOpen(this, "mailto:" + QString::fromUtf8(kMakerMailAddress)); }

bool Tabout::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label == Label7 || label == Label8) {
    if (event->type() == QEvent::MouseButtonRelease) {
      if (label == Label8) Label8Click();
      else Label7Click();
    }
  }
  return FormBase::eventFilter(watched, event);
}

void Tabout::mouseMoveEvent(QMouseEvent* event) {
  ColourLink(Label7, false);
  ColourLink(Label8, false);
  FormBase::mouseMoveEvent(event);
}

}  // namespace velomare

#include "app/TMessenform.h"

#include <QLabel>
#include <QPushButton>

namespace velomare {

TMessenform::TMessenform(QWidget* parent) : FormBase(parent) {
  InitForm("Messenform", "Messen der Thiele-Small-Parameter über Impedanzkurve", nullptr);
  Label1 = Make<QLabel>("Label1", this, 16, 16, 200, 16);
  Label1->setText("Frequenz");
  // Neither button does anything: the tool does not exist yet.
  Button1 = Make<QPushButton>("Button1", this, 16, 48, 130, 25);
  Button1->setText("Multimedia starten");
  Button2 = Make<QPushButton>("Button2", this, 160, 48, 100, 25);
  Button2->setText("S&chliessen");
  SetFixedClientSize(320, 90);
  CentreOnScreen();
}

}  // namespace velomare

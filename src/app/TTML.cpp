#include "app/TTML.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace velomare {

TTML::TTML(QWidget* parent) : FormBase(parent) {
  InitForm("TML", "TML", nullptr);
  Label1 = Make<QLabel>("Label1", this, 16, 12, 280, 16);
  Label1->setText(QString::fromUtf8("Kommt in den nächsten Versionen"));
  GroupBox1 = Make<QGroupBox>("GroupBox1", this, 16, 36, 288, 120);
  GroupBox1->setTitle("Berechnung");
  Button1 = Make<QPushButton>("Button1", this, 16, 168, 90, 25);
  Button1->setText("&Close");
  connect(Button1, &QPushButton::clicked, this, &TTML::Button1Click);
  SetFixedClientSize(320, 205);
  CentreOnScreen();
}

}  // namespace velomare

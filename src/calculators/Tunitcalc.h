#pragma once
// The unit converter: a length, an area, a volume and a mass, each typed in a chosen source
// unit, shown in every other unit of its group. A group recomputes when its input or its source
// changes, and all four at every paint. The conversions are the model's (UnitConverter).
#include <initializer_list>
#include <span>
#include <string>

#include "platform/FormBase.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velomare {

class Tunitcalc : public FormBase {
  Q_OBJECT
 public:
  explicit Tunitcalc(QWidget* parent = nullptr);

  QPushButton *Button1, *Button2, *Button3;
  QGroupBox *GroupBox1, *GroupBox2, *GroupBox3, *GroupBox4;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5;
  QRadioButton *laenge1, *laenge2, *laenge3, *laenge4, *laenge5;
  QRadioButton *flaeche1, *flaeche2, *flaeche3, *flaeche4, *flaeche5;
  QRadioButton *volu1, *volu2, *volu3, *volu4, *volu5, *volu6, *volu7, *volu8, *volu9, *volu10, *volu11, *volu12,
      *volu13;
  QRadioButton *masse1, *masse2, *masse3, *masse4;
  QLabel *Label1, *Label2, *Label3, *Label4, *Labelftin;
  QLabel *Label5, *Label6, *Label7, *Label8;
  QLabel *Label9, *Label10, *Label11;
  QLabel *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18, *Label19, *Label20, *Label21,
      *Label22, *Label23;

  void ConvertLength();
  void ConvertArea();
  void ConvertVolume();
  void ConvertMass();

  void Edit1Change() { ConvertLength(); }
  void Edit2Change() { ConvertLength(); }
  void Edit3Change() { ConvertArea(); }
  void Edit4Change() { ConvertMass(); }
  void Edit5Change() { ConvertVolume(); }
  // Choosing mm, cm, m or inch drops the inches.
  void laenge1Click() { DropInches(); }
  void laenge2Click() { DropInches(); }
  void laenge3Click() { DropInches(); }
  void laenge4Click() { DropInches(); }
  void laenge5Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();

 protected:
  std::span<const UiText> Texts() const override;
  void FormPaint(QPainter& painter) override;

 private:
  void DropInches();
  void ShowTexts(std::initializer_list<QLabel*> labels, std::span<const std::string> texts);
};

}  // namespace velomare

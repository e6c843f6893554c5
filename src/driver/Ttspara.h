#pragma once
// The window that works out a driver's Thiele-Small parameters from impedance readings and hands
// them to the current driver. The acceptance rules, the computation and the commit are the
// measurement model's; this window moves texts between its controls and that model.
#include "driver/model/TspFromImpedance.h"
#include "platform/FormBase.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velomare {

class Ttspara : public FormBase {
  Q_OBJECT
 public:
  explicit Ttspara(QWidget* parent = nullptr);

  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10, *Edit11, *Edit12,
      *Edit13, *Edit14, *Edit15, *Edit16, *Edit17;
  // Input captions.
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11,
      *Label12, *Label14, *Label16, *Label30, *Label31, *Label32;
  // Results: Panel2 on the right, Panel1 below.
  QLabel *Label23, *Label19, *Label24, *Label25, *Label26, *Label29, *Label27, *Label28, *Label13;
  QLabel *Label15, *Label22, *Label17, *Label20, *Label21, *Label18, *Label33;
  QFrame *Panel1, *Panel2;
  QRadioButton *RadioButton1, *RadioButton2;
  QPushButton *Button1, *Button2, *Button3, *Button4;

  // Recomputes every result and writes the labels, the level captions, the names and apply's state.
  void ComputeTspFromImpedance();

  void Edit1Change();
  void Edit2Change();
  void Edit3Change();
  void Edit4Change();
  void Edit5Change();
  void Edit6Change();
  void Edit7Change();
  void Edit8Change();
  void Edit9Change();
  void Edit10Change();
  void Edit11Change();
  void Edit12Change();
  void Edit13Change();
  void Edit14Change();
  void Edit15Change();
  void Edit16Change();
  void Edit17Change();
  void RadioButton1Click();
  void RadioButton2Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

  const TspMeasurement& Measurement() const { return measurement_; }

 protected:
  std::span<const UiText> Texts() const override;
  void ApplyCustomText(const char* control, const QString& text) override;
  void FormShow() override;
  void FormPaint(QPainter& painter) override;
  void FormActivate() override;

 private:
  void TakeEdit(TspEdit edit, const QLineEdit* source);
  void TakeAllEdits();
  void EnableMethodControls();

  TspMeasurement measurement_;
  // The plain captions of the f1c and f2c edits in the current language. The box level that a
  // new Zc writes over them stays until the texts are next set (a show or a language change).
  QString plainF1cCaption_, plainF2cCaption_;
};

}  // namespace velomare

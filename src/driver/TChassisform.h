#pragma once
// The driver-data window: the user types the current driver's Thiele-Small parameters, name and
// maker, sees the derived values at once, completes a missing Q, keeps drivers in files and
// commits the driver with OK. The computation, the checks, the commit and the files are the
// driver model's; this window moves texts between its controls and that model.
#include <string>

#include "platform/FormBase.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace velomare {

enum class DriverField;

class TChassisform : public FormBase {
  Q_OBJECT
 public:
  explicit TChassisform(QWidget* parent = nullptr);

  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10, *Edit11;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label11, *Label12,
      *Label13, *Label14, *Label15, *Label16, *Label17, *Label18, *Label19, *Label20, *Label21, *Label22, *Label23,
      *Label24, *Label25, *Label26, *Label27, *Label28, *Label29;
  QPushButton *BitBtn1, *BitBtn2, *BitBtn3, *Button1, *Button2, *Button3, *Button4, *Button5, *Button6, *Button7,
      *Button8, *calcvol;
  QFrame* Panel1;
  QStatusBar* StatusBar1;

  // Reads the edits, computes every derived value and writes the read-outs and OK's state.
  void ComputeDriverValues();

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
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void calcvolClick();

  // The file the delete button removes: the one opened last (empty when none).
  const QString& OpenedFileName() const { return openedFile_; }

 protected:
  std::span<const UiText> Texts() const override;
  void ApplyCustomText(const char* control, const QString& text) override;
  void FormShow() override;
  void FormPaint(QPainter& painter) override;

 private:
  QLineEdit* EditFor(DriverField field) const;
  void SetLabel(QLabel* label, const std::string& text);
  void SetStatus(const std::string& text);
  bool WriteFile(const std::string& path);

  QString openDialogTitle_;
  QString openDialogFileName_;
  QString saveDialogFileName_;
  QString openedFile_;
};

}  // namespace velomare

#pragma once
// The closed-box window: the user gives the wanted Qtc or the net volume, the series resistance
// and the number of drivers, and reads fc, fg, the excursion peak and the gross volume. The
// window draws the response diagram, prints a page with it, stores the curve in a comparison slot
// and exports it to a file. The design and the response are the closed-box model's
// (enclosures/model/ClosedBox.h); this window moves texts between its controls and that model.
#include "enclosures/model/ClosedBox.h"
#include "platform/FormBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velomare {

class ResponseDiagram;

class Tclosed : public FormBase {
  Q_OBJECT
 public:
  explicit Tclosed(QWidget* parent = nullptr);

  QCheckBox *CheckBox1, *log;
  QLineEdit *Edit1, *Edit2, *Edit3;
  QLabel *Label1, *Label2, *Label4, *Label5, *Label6, *Label11, *Label20, *labelfxmax;
  QLabel *linkwitz, *bessel, *butterw;
  QComboBox *ComboBox1, *exportbox;
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *exportbutton;
  ResponseDiagram* Diagram;

  void Edit1Change();
  void Edit2Change();
  void Edit3Change();
  void ComboBox1Change();
  void CheckBox1Click();
  void logClick();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Label1Click();
  void linkwitzClick();
  void besselClick();
  void butterwClick();
  void exportboxChange(int index);
  void exportbuttonClick();
  void FormMouseMove(Qt::MouseButtons buttons, int x, int y);

  void ClosedDesignFromQtc();
  void ClosedDesignFromVolume();
  void ClosedTipDesign();
  void StoreClosedCurve(int slot);
  void ExportClosedDialog();

  const ClosedDesign& Design() const { return design_; }
  bool DiagramShown() const { return diagramShown_; }

 protected:
  std::span<const UiText> Texts() const override;
  void FormActivate() override;
  void FormClose() override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ClosedInputs Inputs() const;
  void Apply(const ClosedDesignTexts& texts);
  // After a change of an input: the diagram follows it with "AutoBoxSim", else it goes.
  void Redraw();
  // Recomputes the kept diagram for the current design, axis and size.
  void UpdateDiagram();
  ClosedResponse Response() const;
  void SetCaption(const std::string& caption);

  ClosedDesign design_;
  bool autoBoxSim_ = false;
  bool saveBox_ = false;
  bool diagramShown_ = false;
};

}  // namespace velomare

#pragma once
// The open-baffle window: the user gives the shortest path around the baffle and reads the baffle's
// tuning frequency, the response diagram with its -3 dB and first-peak marks and the amplitude at
// the driver's resonance; the curve goes into a comparison slot or an export file. The model is
// enclosures/model/OpenBaffle.h; this window moves texts between its controls and that model.
#include "platform/FormBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velomare {

class ResponseDiagram;

class Toffen : public FormBase {
  Q_OBJECT
 public:
  explicit Toffen(QWidget* parent = nullptr);

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
  QLineEdit* Edit1;
  QCheckBox* CheckBox1;
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5;
  QComboBox* exportbox;
  ResponseDiagram* Diagram;

  void Edit1Change();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void exportboxChange(int index);
  void FormMouseMove(Qt::MouseButtons buttons, int x, int y);

  void ShowOpenBaffleTuning();
  void SimulateOpenBaffle();
  void StoreOpenBaffleCurve(int slot);
  void ExportOpenBaffleDialog();

  double OpenBaffleHalfPath() const { return halfPath_; }
  double OpenBaffleQtc() const { return qtc_; }
  bool DiagramShown() const { return diagramShown_; }

 protected:
  std::span<const UiText> Texts() const override;
  void FormActivate() override;
  void FormClose() override;
  void FormPaint(QPainter& painter) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The export choice's test, with its message when it fails.
  bool ExportDataValid();
  // After a change: the diagram follows it with "AutoBoxSim", else it goes.
  void Redraw();
  // Recomputes the kept diagram and the Qtc read-out for the current path, driver and size.
  void UpdateDiagram();
  void ShowQtc();
  void SetCaption(const std::string& caption);

  double halfPath_ = 0.5;  // metres; the start text "100" cm
  double qtc_ = 0;
  bool autoBoxSim_ = true;
  bool saveBox_ = false;
  bool diagramShown_ = false;
};

}  // namespace velomare

#pragma once
// The bass-reflex window: the user gives the port diameter and count, the port length, the series
// resistance, the net volume and the number of drivers, or picks the rule of thumb or an
// alignment, and reads the tuning, the cut-off estimate, the port area, the gross volume and Ql.
// The window draws the response diagram, prints a page with it, stores the curve in a comparison
// slot and exports it to a file. The design and the response are the bass-reflex model's
// (enclosures/model/ReflexBox.h); this window moves texts between its controls and that model.
#include <functional>

#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/ReflexBox.h"
#include "platform/FormBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace velomare {

class ResponseDiagram;

class TReflex : public FormBase {
  Q_OBJECT
 public:
  explicit TReflex(QWidget* parent = nullptr);

  QLabel *label_9, *Label1, *Label6, *Label22, *Label2, *Label8, *Label11, *Label7, *Label5, *Label4, *Label3;
  QLineEdit *Edit1, *Edit3, *Edit4, *Edit2;
  QComboBox *Box1, *ComboBox1, *exportbox, *abstimm;
  QCheckBox *kammern, *log, *CheckBox2;
  QPushButton *Button1, *Button2, *Button5, *Button3, *exportbutton, *Button4;
  QScrollBar* ScrollBar1;
  ResponseDiagram* Diagram;

  void Edit1Change();
  void Box1Change();
  void ComboBox1Change();
  void Edit2Change();
  void Edit4Change();
  void Edit3Change();
  void ScrollBar1Change();
  void CheckBox2Click();
  void logClick();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Label1Click();
  void abstimmChange(int index);
  void exportboxChange(int index);
  void exportbuttonClick();
  void FormMouseMove(Qt::MouseButtons buttons, int x, int y);

  void ComputeTipAlignment();
  void StoreReflexCurve(int slot);
  void ExportReflexDialog();

  const ReflexDesign& Design() const { return design_; }
  bool DiagramShown() const { return diagramShown_; }

 protected:
  std::span<const UiText> Texts() const override;
  void FormActivate() override;
  void FormClose() override;
  void FormShow() override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What the design's paint runs: the list's field text, the results, the geometry recompute and
  // the diagram. Runs once after the outermost handler of a change, and at show and activation.
  void Refresh();
  // Runs a handler's body; the outermost handler of a nested chain refreshes afterwards.
  void Handle(const std::function<void()>& body);
  void RecalcFromGeometry();
  void RecalcFromVolume();
  void RecalcFromLength();
  void ShowResults();
  // The gross-volume label after a recompute that writes it: the total after `prefix`, or "l "
  // when its guard failed.
  void ShowGrossVolume(bool valid, const char* prefix);
  // After a change: the diagram follows it with "AutoBoxSim", else it goes.
  void DrawIfAuto();
  void UpdateDiagram();
  int PortCount() const;
  int DriverCount() const;
  void SetCaption(const std::string& caption);
  ComparisonLevels LevelsOfDesign() const;

  ReflexDesign design_;
  bool autoBoxSim_ = false;
  bool saveBox_ = false;
  bool diagramShown_ = false;
  int nesting_ = 0;
  // The prefix the gross-volume label shows its total after; none while it shows "l " alone.
  const char* grossPrefix_ = nullptr;
};

}  // namespace velomare

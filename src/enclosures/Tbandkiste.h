#pragma once
// The closed bandpass window: the user picks the curve shape S and the total quality Qt, a round
// tube or a rectangular tunnel, push-pull drivers and the loss factor, and may overwrite the
// port length and both chamber volumes by hand. The window draws the response, reads it under
// the pointer, stores it in a comparison slot, exports it to a file and keeps its inputs in the
// settings file. The design is the model's (enclosures/model/ClosedBandpass.h); this window moves
// texts between its controls and that model.
#include "enclosures/model/ClosedBandpass.h"
#include "platform/FormBase.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace velomare {

class ResponseDiagram;

class Tbandkiste : public FormBase {
  Q_OBJECT
 public:
  explicit Tbandkiste(QWidget* parent = nullptr);

  QGroupBox *GroupBox1, *GroupBox2;
  QScrollBar *ScrollBar1, *ScrollBar2, *ScrollBar3;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label10, *Label11, *Label12, *Label13,
      *Label15, *Label16, *Label17, *Label18, *well;
  QRadioButton *RadioButton1, *RadioButton2;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
  QCheckBox *CheckBox1, *CheckBox2;
  QWidget *Image1, *Image2;
  QComboBox* exportbox;
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5;
  ResponseDiagram* Diagram;

  void ScrollBar1Change();
  void ScrollBar2Change();
  void ScrollBar3Change();
  void Edit1Change();
  void Edit2Change();
  void Edit3Change();
  void Edit4Change();
  void Edit5Change();
  void Edit6Change();
  void RadioButton1Click();
  void RadioButton2Click();
  void CheckBox1Click();
  void CheckBox2Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Label1Click();
  void Label2Click();
  void exportboxChange(int index);
  void FormMouseMove(Qt::MouseButtons buttons, int x, int y);

  void DesignClosedBandpass();
  void SetQtRangeForS();
  void UpdateBandpassQl();
  void RecalcBandpassFromEdits();
  void ShowBandpassResults();
  void StoreBandpassCurve(int slot);
  void ExportBandpassDialog();

  const ClosedBandpassState& State() const { return state_; }
  bool DiagramShown() const { return diagramShown_; }

 protected:
  std::span<const UiText> Texts() const override;
  void FormActivate() override;
  void FormClose() override;
  void FormPaint(QPainter& painter) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // After a change: the diagram follows it with "AutoBoxSim", else it goes.
  void Redraw();
  // Recomputes the kept diagram for the current values and size.
  void UpdateDiagram();
  void SetCaption(const std::string& caption);

  ClosedBandpassState state_;
  bool autoBoxSim_ = true;
  bool saveBox_ = false;
  bool diagramShown_ = false;
  // Inside a design: the edits' redraws are gathered into one at its end.
  int designDepth_ = 0;
  bool redrawPending_ = false;
};

}  // namespace velomare

#pragma once
// The vented sixth-order bandpass window: two chambers, each vented by one tube given by its
// diameter or its cross-section, with the tuning of each chamber shown beside its fields; three
// presets fill the chambers from the driver; the loss factor Ql is estimated from the volumes or
// set by hand. The window draws the bandpass response, stores it in a comparison slot or exports
// it to a file, and keeps nothing in the settings file. The design is the model's
// (enclosures/model/VentedBandpass.h); this window moves texts between its controls and that model.
#include "enclosures/model/VentedBandpass.h"
#include "platform/FormBase.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace velomare {

class FixedPicture;
class ResponseDiagram;

class Tventpass : public FormBase {
  Q_OBJECT
 public:
  explicit Tventpass(QWidget* parent = nullptr);

  QGroupBox *GroupBox1, *GroupBox2, *GroupBox3;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label11, *Label12, *Label13, *Label14, *Label16;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10;
  QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4;
  QComboBox *ComboBox1, *exportbox;
  QScrollBar* ScrollBar3;
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5;
  FixedPicture *Image1, *Image2;
  ResponseDiagram* Diagram;

  void Edit1Change();
  void Edit2Change();
  void Edit3Change();
  void Edit4Change();
  void Edit5Change();
  void Edit6Change();
  void Edit7Change();
  void Edit8Change();
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox3Click();
  void CheckBox4Click();
  void ScrollBar3Change();
  void ComboBox1Change(int index);
  void exportboxChange(int index);
  void Button1Click();
  void Button2Click();
  void Button4Click();
  void Button5Click();

  void UpdateVentpass(UnbuildableChamber unbuildable = UnbuildableChamber::KeepTuning);
  void UpdateVentpassQl();
  void StoreVentpassCurve(int slot);
  void ExportVentpassDialog();

  const VentpassState& State() const { return state_; }
  bool DiagramShown() const { return diagramShown_; }

  // Draw the two sketches onto a white ground of 193 x 121 pixels.
  static void DrawSingleSketch(QPainter& painter);
  static void DrawPushPullSketch(QPainter& painter);

 protected:
  std::span<const UiText> Texts() const override;
  void FormActivate() override;
  void FormPaint(QPainter& painter) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // After a change: the diagram follows it with "AutoBoxSim", else it goes.
  void Redraw();
  // Recomputes the kept diagram for the current values and size.
  void UpdateDiagram();
  void SetCaption(const std::string& caption);
  QLineEdit* FieldEdit(VentpassField field) const;

  VentpassState state_;
  bool autoBoxSim_ = true;
  bool diagramShown_ = false;
};

}  // namespace velomare

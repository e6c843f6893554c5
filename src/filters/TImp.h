#pragma once
// The impedance-correction window: six inputs, the R1-L-C1 and R2-C2 networks with their
// ratings, a picture of the wiring, and a diagram of the networks' own impedance from 10 Hz to
// 20 kHz with a read-out of the point under the mouse in the caption.
#include <QWidget>

#include "filters/model/ImpedanceCorrection.h"
#include "filters/FixedPicture.h"
#include "platform/FormBase.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velomare {

// The wiring in black and white: the R1-L-C1 branch, the R2-C2 branch and the speaker Z side by
// side between two rails.
class ImpWiringPicture : public FixedPicture {
 public:
  explicit ImpWiringPicture(QWidget* parent = nullptr) : FixedPicture(parent, {kWidth, kHeight}, &Draw) {}
  static constexpr int kWidth = 287;
  static constexpr int kHeight = 140;
  // Draws the picture onto a white ground of kWidth x kHeight.
  static void Draw(QPainter& painter);
};

class TImp : public FormBase {
  Q_OBJECT
 public:
  explicit TImp(QWidget* parent = nullptr);

  static constexpr QSize kDesignedOuterSize{700, 475};

  ImpWiringPicture* Image1;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11,
      *Label12, *Label13, *Label14, *Label15, *Label16;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5;

  // Reads the six edits, computes the networks and writes the result lines; the diagram follows
  // at the repaint this requests.
  void ComputeImpCorrection();

  void Edit1Change();
  void Edit2Change() { InputChanged(); }
  void Edit3Change() { InputChanged(); }
  void Edit4Change() { InputChanged(); }
  void Edit5Change() { InputChanged(); }
  void Edit6Change() { InputChanged(); }
  // The coil that compensates the committed driver's electrical Q, into Edit6.
  void Button5Click();
  void Button1Click() { hide(); }
  void Button2Click() { ShowHelpTopic(); }
  // Draws the diagram whatever "AutoFilterSim" says.
  void Button3Click();
  void Button4Click() { ConfirmAndPrintForm(); }

  // What the diagram shows now (nothing drawn when its `drawn` is false).
  ImpDiagram CurrentDiagram() const;
  bool DiagramShown() const;
  const ImpNetworks& Networks() const { return networks_; }

 protected:
  std::span<const UiText> Texts() const override;
  void FormShow() override;
  void FormActivate() override;
  void FormPaint(QPainter& painter) override;
  void FormMouseMove(int x, int y);
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void InputChanged();
  void FitTexts();

  // The window's copy of "AutoFilterSim", read at every activation; false until the first.
  bool autoSimulate_ = false;
  // The diagram asked for by Button3 while "AutoFilterSim" is off; an input change drops it,
  // since it no longer matches the values.
  bool diagramRequested_ = false;
  ImpNetworks networks_;
  ImpCurve curve_;
  QString fittedTexts_;
};

}  // namespace velomare

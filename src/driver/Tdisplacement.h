#pragma once
// The driver's own volume: thirteen dimensions read off the driver give the space it takes up
// inside a box, shown on a drawing of a driver and handed on accept to the window that opened
// this one (see DisplacementCaller).
#include <QWidget>

#include "driver/model/Displacement.h"
#include "platform/FormBase.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velomare {

// A side view of a driver with the dimensions that the edits name: flange d1 x w at the bottom,
// the cone from d2 up to the voice coil d3 over the height x, the magnet ring d5 (z) and the
// magnet d4 (y) on top, and a dashed side bridge s. Painted whole at every paint.
class DriverDrawing : public QWidget {
 public:
  explicit DriverDrawing(QWidget* parent = nullptr);
  static constexpr int kWidth = 547;
  static constexpr int kHeight = 300;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class Tdisplacement : public FormBase {
  Q_OBJECT
 public:
  explicit Tdisplacement(QWidget* parent = nullptr);

  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10, *Edit11,
      *Edit12, *Edit13;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10,
      *Label11;
  DriverDrawing* Image1;
  QLabel* LabelPic;
  QPushButton *Buttonclose, *Button1;

  // Reads the thirteen edits, keeps the volume and shows it in LabelPic.
  void ComputeDisplacement();
  // The volume of the last computation.
  const DisplacementResult& Volume() const { return volume_; }

  void Edit1Change() { ComputeDisplacement(); }
  void Edit2Change() { ComputeDisplacement(); }
  void Edit3Change() { ComputeDisplacement(); }
  void Edit4Change() { ComputeDisplacement(); }
  void Edit5Change() { ComputeDisplacement(); }
  void Edit6Change() { ComputeDisplacement(); }
  void Edit7Change() { ComputeDisplacement(); }
  void Edit8Change() { ComputeDisplacement(); }
  void Edit9Change() { ComputeDisplacement(); }
  void Edit10Change() { ComputeDisplacement(); }
  void Edit11Change() { ComputeDisplacement(); }
  void Edit12Change() { ComputeDisplacement(); }
  void Edit13Change() { ComputeDisplacement(); }

  // Hands the volume to the opener, then closes.
  void Button1Click();
  void ButtoncloseClick();

 protected:
  std::span<const UiText> Texts() const override;
  void FormPaint(QPainter& painter) override;

 private:
  void FitVolumeLabel();

  DisplacementResult volume_;
};

}  // namespace velomare

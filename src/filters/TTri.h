#pragma once
// The trimode crossover window: subwoofer and satellite impedances and the crossover frequency
// in, the coil and capacitors out (editable and steppable to standard values), the cut-off
// read-outs, a picture of the circuit and a diagram of the branch levels from 10 Hz to 20 kHz.
#include <QWidget>

#include "common/UpDownDirection.h"
#include "filters/model/Trimode.h"
#include "filters/FixedPicture.h"
#include "platform/FormBase.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velomare {

class UpDown;

// The circuit in black and white: two input pairs, C2 and C3 to the satellites, L and C1 to the
// subwoofer between the first pair's plus and the second pair's minus.
class TriCircuitPicture : public FixedPicture {
 public:
  explicit TriCircuitPicture(QWidget* parent = nullptr) : FixedPicture(parent, {kWidth, kHeight}, &Draw) {}
  static constexpr int kWidth = 300;
  static constexpr int kHeight = 130;
  // Draws the picture onto a white ground of kWidth x kHeight.
  static void Draw(QPainter& painter);
};

class TTri : public FormBase {
  Q_OBJECT
 public:
  explicit TTri(QWidget* parent = nullptr);

  static constexpr QSize kDesignedOuterSize{700, 475};

  TriCircuitPicture* Image1;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
  UpDown *UpDown1, *UpDown2, *UpDown3, *UpDown4;
  QRadioButton *Buttonsingle, *Buttonsumme;
  QPushButton *Button1, *Button2, *Button3;

  // Designs from Edit1 to Edit3 and writes Edit5, Edit4 and Edit6 (their handlers follow).
  void ComputeTrimode();
  void TrimodeInfoText();

  void Edit1Change() { ComputeTrimode(); }
  void Edit2Change() { ComputeTrimode(); }
  void Edit3Change() { ComputeTrimode(); }
  void Edit4Change();
  void Edit5Change();
  void Edit6Change();
  void UpDown1ChangingEx(UpDownDirection direction);
  void UpDown2ChangingEx(UpDownDirection direction);
  void UpDown3ChangingEx(UpDownDirection direction);
  void UpDown4ChangingEx(UpDownDirection direction);
  void ButtonsingleClick() { update(); }
  void ButtonsummeClick() { update(); }
  void Button1Click() { close(); }
  void Button2Click() { ShowHelpTopic(); }
  // Draws the diagram whatever "AutoFilterSim" says.
  void Button3Click();
  void FormMouseMove(int x, int y);

  const TrimodeValues& Values() const { return values_; }
  bool DiagramShown() const;

 protected:
  std::span<const UiText> Texts() const override;
  void FormCreate();
  void FormShow() override;
  void FormActivate() override;
  void FormPaint(QPainter& painter) override;
  void FormClose() override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void ComponentChanged();
  void Step(QLineEdit* edit, UpDownDirection direction, const ComponentStepRule& rule);

  bool autoFilterSim_ = false;
  bool saveFilter_ = false;
  // Button3's diagram while "AutoFilterSim" is off; a change of a value drops it.
  bool diagramRequested_ = false;
  TrimodeValues values_;
  TrimodeLevels levels_;
};

}  // namespace velomare

#pragma once
// The exponential-horn window: the user gives the lower cut-off frequency, the throat area, the
// placement and an upper frequency; the window shows the horn the model dimensions for the
// current driver, draws its contour with a marker at the scroll bar's distance, reads length and
// area under the mouse into its caption and keeps its inputs in the section "Expo".
#include "enclosures/model/ExpoHorn.h"
#include "platform/FormBase.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace velomare {

class TExpo : public FormBase {
  Q_OBJECT
 public:
  explicit TExpo(QWidget* parent = nullptr);

  QLineEdit *fu, *Ah, *Edit1;
  QFrame *Panel1, *Panel2, *Panel3;
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4;
  QScrollBar* ScrollBar1;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11,
      *Label12, *Label13, *Label14, *Labelboxvol;
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5;

  // Reads the inputs and the committed driver, writes the result labels and the scroll bar's
  // range, then repaints (and draws while the automatic simulation is on).
  void ComputeHorn();
  // Writes the cross-section at the scroll bar's position into Label14, then repaints.
  void ShowHornCursorArea();
  // Shows the contour from now on (until the next change while the automatic simulation is off).
  void DrawHornContour();

  void fuChange() { ComputeHorn(); }
  void AhChange() { ComputeHorn(); }
  void Edit1Change() { ComputeHorn(); }
  void RadioButton1Click() { ComputeHorn(); }
  void RadioButton2Click() { ComputeHorn(); }
  void RadioButton3Click() { ComputeHorn(); }
  void RadioButton4Click() { ComputeHorn(); }
  void ScrollBar1Change() { ShowHornCursorArea(); }
  void FormMouseMove(int x, int y);
  void Button1Click();
  void Button2Click();
  void Button3Click() { ShowHelpTopic(); }
  void Button4Click() { ConfirmAndPrintForm(); }

  // The kept state that the diagram and the read-out work from.
  const HornValues& Horn() const { return horn_; }
  double HornAreaAxisMax() const { return areaAxisMax_; }
  double HornLengthAxisMax() const { return lengthAxisMax_; }
  bool HornAutoSimulate() const { return autoSimulate_; }
  bool ContourShown() const { return contourShown_ || autoSimulate_; }
  HornPlacement Placement() const;

  // Settings, caption, restore and recomputation as at an activation of the window; Qt calls it
  // through FormBase, tests and the benchmark call it directly.
  void FormActivate() override;

 protected:
  std::span<const UiText> Texts() const override;
  void FormShow() override;
  void FormPaint(QPainter& painter) override;
  void FormClose() override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // The window is erased and repainted; the contour comes back only while the automatic
  // simulation is on.
  void EraseAndRedraw();
  void SelectPlacement(HornPlacement placement);
  void SetLabel(QLabel* label, const std::string& text);
  void SetCaption(const QString& caption);

  HornValues horn_;
  bool autoSimulate_ = false;  // "AutoBoxSim", read at each activation; false until the first
  bool saveValues_ = false;    // "SaveBox", read at each activation
  double areaAxisMax_ = 0;     // axis ends of the last drawing; 0 until the first
  double lengthAxisMax_ = 0;
  // Whether the contour is shown although the automatic simulation is off ("&Verlauf"); cleared
  // by the next change, which erases the window.
  bool contourShown_ = false;
};

}  // namespace velomare

#pragma once
// The comparison window: the filled comparison slots drawn over one another, panned and zoomed by
// scroll bars, mouse and wheel, relative or in absolute dB with each channel's amplifier power,
// with a legend; it imports export files into slots. The diagram is the comparison model's
// (enclosures/model/ComparisonDrawing.h), the reader the import model's
// (enclosures/model/SimulationImport.h); this window moves their results to and from controls.
#include <string>

#include "enclosures/model/ComparisonDrawing.h"
#include "platform/FormBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace velomare {

class TResultCompare : public FormBase {
  Q_OBJECT
 public:
  explicit TResultCompare(QWidget* parent = nullptr);

  QPushButton *Button1, *Button2, *Button3, *Button4;
  QLabel* Label1;
  QScrollBar *BarFMin, *BarFBreite, *BarDBMax, *BarDBBreite;
  QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7;
  QComboBox* ComboBox1;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void CheckBox5Click();
  void CheckBox7Click();
  void ComboBox1Change(int index);
  void FormMouseDown(int x, int y);
  void FormMouseMove(Qt::MouseButtons buttons, int x, int y);
  void FormMouseWheelDown();
  void FormMouseWheelUp();

  // Reads a chosen file into the slot (1..4), or says why not.
  void ImportSimulationFile(int slot);
  // Lays out the diagram for the current slots and controls and keeps it for the paint.
  void DrawComparison();

  const ComparisonDrawing& Drawing() const { return drawing_; }
  const ComparisonScales& Scales() const { return scales_; }
  ComparisonView View() const;
  bool English() const { return IsEnglishText(compareLanguage_); }

 protected:
  void FormShow() override;
  void FormPaint(QPainter& painter) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  static bool IsEnglishText(const std::string& language);
  ComparisonBars Bars() const;
  void SetBars(const ComparisonBars& bars);
  void SetCaption(const std::string& caption);
  void Redraw();
  QCheckBox* Channel(int slot) const;

  std::string compareLanguage_ = "deutsch";
  bool overwrite_ = false;
  ComparisonDrawing drawing_;
  ComparisonScales scales_;
  QPoint downAt_;
  ComparisonBars downBars_;
  bool sizedOnce_ = false;
};

}  // namespace velomare

#pragma once
// The complete crossover window: the branches the low-, band- and high-pass designers exported,
// switched on or off, reversed and lowered per row, summed and drawn as level and phase from the
// kept state at every paint. The view is panned (left button) and zoomed (right button) by
// dragging, "total" restores the full view, and the caption reads out the point under the mouse.
#include <QSize>

#include "filters/model/TotalCrossover.h"
#include "platform/FormBase.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace velomare {

class Tweiche : public FormBase {
  Q_OBJECT
 public:
  explicit Tweiche(QWidget* parent = nullptr);

  static constexpr QSize kDesignedOuterSize{770, 550};

  QCheckBox *CheckBox1, *CheckBox2, *CheckBox3;  // low, band, high pass on or off
  QCheckBox *CheckBox4, *CheckBox5, *CheckBox6;  // their polarity
  QScrollBar *ScrollBar2, *ScrollBar3;           // band- and high-pass level, position/2 dB
  QLabel *Label1, *Label2, *Label3;
  QPushButton *Button1, *Button2, *Button3, *Button4;
  // The view, hidden: changed only by dragging in the diagram and by "total".
  QScrollBar *fminBar, *fbreiteBar, *dbmaxBar, *dbbreiteBar;

  void ReadAxisBars();
  // Offers each branch exported on the window's grid, ticked; hides the others, unticked.
  void ShowAvailableBranches();

  void CheckBox1Click() { WeicheRedrawOnChange(); }
  void CheckBox2Click() { WeicheRedrawOnChange(); }
  void CheckBox3Click() { WeicheRedrawOnChange(); }
  void CheckBox4Click() { WeicheRedrawOnChange(); }
  void CheckBox5Click() { WeicheRedrawOnChange(); }
  void CheckBox6Click() { WeicheRedrawOnChange(); }
  void ScrollBar2Change() { WeicheRedrawOnChange(); }
  void ScrollBar3Change() { WeicheRedrawOnChange(); }
  void dbmaxBarChange() { WeicheRedrawOnChange(); }
  void dbbreiteBarChange() { WeicheRedrawOnChange(); }
  void fminBarChange();
  void fbreiteBarChange();
  void FormResize() { WeicheRedrawOnChange(); }
  void FormMouseDown(int x, int y);
  void FormMouseMove(Qt::MouseButtons buttons, int x, int y);
  void Button1Click() { close(); }
  void Button2Click() { ShowHelpTopic(); }
  // Prints the window's image at once, without a question.
  void Button3Click();
  // The full view: 20 Hz to 20 kHz, +10 to -40 dB.
  void Button4Click();

  // What the last drawing summed and drew, and the values the read-out works with.
  const TotalResponse& Total() const { return total_; }
  const CrossoverView& View() const { return view_; }
  const CrossoverScales& Scales() const { return scales_; }
  bool FastGridFlag() const { return fastGrid_; }
  bool DiagramDrawn() const { return diagramDrawn_; }
  const CrossoverDiagram& LastDiagram() const { return diagram_; }
  // The settings of the three rows as the controls hold them.
  CrossoverSettings CurrentSettings() const;

 protected:
  std::span<const UiText> Texts() const override;
  void FormShow() override;
  void FormPaint(QPainter& painter) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void FormCreate();
  void WeicheRedrawOnChange() { update(); }
  // Sets the caption and the level texts, sums the branches and draws the sum.
  void PlotTotalCrossover(QPainter& painter);
  // A branch whose export left the window's grid since the last show is no longer offered.
  void WithdrawBranchesOffTheGrid();
  void SetPlainCaption();

  bool fastGrid_ = true;
  CrossoverView view_;
  CrossoverScales scales_;
  DragAnchor anchor_;
  TotalResponse total_;
  CrossoverDiagram diagram_;
  bool diagramDrawn_ = false;
};

}  // namespace velomare

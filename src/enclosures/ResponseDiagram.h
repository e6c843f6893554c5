#pragma once
// The response diagram of an enclosure window. The window computes the diagram
// (enclosures/model/ResponsePlot.h) whenever its inputs, its axis or its size change and hands it
// over with ShowPlot; the widget keeps it and paints it at every paint, so covering, moving or
// resizing the window never loses it. ClearPlot takes it away (a failed guard, or "AutoBoxSim" off
// after a change).
//
// The widget lies below the window's input controls, covers the client area from `top` down,
// follows the window's size, and lets every mouse event through to the window, whose mouse-move
// handler does the caption read-out (ReadPointer) and the cursors:
//
//   Diagram = new ResponseDiagram(this, 90);            // in the constructor, before the controls
//   Diagram->ShowPlot(ComputeResponsePlot(style, OuterSize().width(), OuterSize().height(), level));
//
// The plot's coordinates are the window's client coordinates; W and H are the window's outer size
// (FormBase::OuterSize), as the diagram's geometry wants them.
#include <QWidget>
#include <optional>

#include "enclosures/model/ResponsePlot.h"

class QPainter;

namespace velomare {

class ResponseDiagram : public QWidget {
 public:
  ResponseDiagram(QWidget* window, int top);

  // Kept and painted until the next call; nothing clears the diagram.
  void ShowPlot(std::optional<ResponsePlot> plot);
  void ClearPlot() { ShowPlot(std::nullopt); }
  const std::optional<ResponsePlot>& Plot() const { return plot_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FollowWindow();

  int top_;
  std::optional<ResponsePlot> plot_;
};

// Paints a diagram with the painter's pen and font: lines, the curve, texts on a white ground,
// white squares around the marked points. The painter's coordinates are the plot's.
void PaintResponsePlot(QPainter& painter, const ResponsePlot& plot);

}  // namespace velomare

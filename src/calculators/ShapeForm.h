#pragma once
// The pattern of the three box-shape windows (cuboid, trapezoid, pyramid): controls made under
// their names with their defaults, read-outs written only when their text changes, and for the
// two windows that draw their box the oblique drawing from kept state, shown while
// "AutohousingSim" is set (re-read at every paint) or after "&Zeichnen".
#include <optional>
#include <string>

#include "calculators/model/BoxShape.h"
#include "platform/FormBase.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace velomare {

class ShapeForm : public FormBase {
  Q_OBJECT
 public:
  // Whether the drawing shows at the next paint.
  bool DrawingShown() const { return (automatic_ || drawn_) && box_.has_value(); }
  // True after "&Zeichnen" until the window is closed.
  bool DrawnFlag() const { return drawn_; }
  // What the last paint drew; nothing when it drew no box.
  const std::optional<ObliqueFigure>& LastFigure() const { return lastFigure_; }

 protected:
  // The form's name, its captions, its designed size (also the smallest it can be made) and its
  // help topic. A window with a drawing can be made larger: the drawing scales with it.
  ShapeForm(QWidget* parent, const char* formName, const char* germanCaption, const char* englishCaption,
            int width, int height, const char* helpTopic);

  QLabel* MakeLabel(const char* name, int x, int y, int w, const char* text);
  QLineEdit* MakeEdit(const char* name, int x, int y, int w, const char* text);
  // A horizontal scroll bar; the large step is the page step.
  QScrollBar* MakeScrollBar(const char* name, int x, int y, int w, int min, int max, int largeStep, int position);
  QCheckBox* MakeCheckBox(const char* name, int x, int y, int w, const char* text);
  QPushButton* MakeButton(const char* name, int x, int y, int w, const char* text);

  static void SetLabel(QLabel* label, const std::string& text);
  static std::string TextOf(const QLineEdit* edit);

  // The box the drawing shows from now on (nothing: no drawing).
  void KeepBox(std::optional<ObliqueBox> box) { box_ = box; }
  // "&Zeichnen": the drawing shows from now on until the window is closed.
  void DrawBox();
  void ClearDrawnFlag() { drawn_ = false; }
  // Windows with a drawing read "AutohousingSim" at every paint; the others never draw.
  void SetHasDrawing(bool on) { hasDrawing_ = on; }

  void FormPaint(QPainter& painter) override;

 private:
  bool hasDrawing_ = false;
  bool automatic_ = false;
  bool drawn_ = false;
  std::optional<ObliqueBox> box_;
  std::optional<ObliqueFigure> lastFigure_;
};

}  // namespace velomare

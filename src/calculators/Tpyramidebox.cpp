#include "calculators/Tpyramidebox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "common/Settings.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label2", "Innenvolumen in l", "inner volume (liter)"},
    {"Label4", "Plattendicke in mm", "thickness of shelfs (mm)"},
    {"CheckBox1", "Pyramidenstumpf", "frustum of pyr."},
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Zeichnen", "&draw"},
    {"Button3", "&Drucken", "&print"},
    {"Button4", "&Hilfe", "&help"},
};

}  // namespace

Tpyramidebox::Tpyramidebox(QWidget* parent)
    : ShapeForm(parent, "pyramidebox", "Gehäuse: Pyramide", "pyramide box", 595, 445, "QTX_contents0012") {
  constexpr int kFull = 579, kEditX = 180, kRight = 320;
  Label2 = MakeLabel("Label2", 8, 10, 168, "Innenvolumen in l");
  Edit1 = MakeEdit("Edit1", kEditX, 10, 50, "30");
  Label4 = MakeLabel("Label4", 8, 36, 168, "Plattenstärke in mm");
  Edit2 = MakeEdit("Edit2", kEditX, 36, 50, "21");
  Label1 = MakeLabel("Label1", kRight, 10, 80, "Ecken: ");
  ScrollBar2 = MakeScrollBar("ScrollBar2", kRight + 84, 10, 8 + kFull - kRight - 84, 3, 16, 1, 4);
  CheckBox1 = MakeCheckBox("CheckBox1", kRight, 36, 200, "Pyramidenstumpf");

  Label3 = MakeLabel("Label3", 8, 72, kFull, "Innere Breite (unten)  300 mm");
  // Four lengths on one line: a size smaller keeps them inside the window.
  Label3->setFont(WindowFont(10));
  ScrollBar1 = MakeScrollBar("ScrollBar1", 8, 94, kFull, 100, 1000, 10, 300);
  Label8 = MakeLabel("Label8", 8, 126, kFull, "Kantenlänge oben  100 mm");
  Label8->setVisible(false);
  ScrollBar3 = MakeScrollBar("ScrollBar3", 8, 148, kFull, 50, 200, 10, 100);
  ScrollBar3->setEnabled(false);

  Label5 = MakeLabel("Label5", 8, 186, kFull, "Pyramiden-Neigungswinkel");
  Label6 = MakeLabel("Label6", 8, 210, kFull, "Außenvolumen");
  Label7 = MakeLabel("Label7", 8, 234, kFull, "Schenkellänge der Dreiecke");
  Label9 = MakeLabel("Label9", 8, 258, kFull, "Plattenhöhe");

  constexpr int kButtonW = 80, kButtonGap = 6, kButtonY = 445 - 36;
  const int left = 8 + kFull - 4 * kButtonW - 3 * kButtonGap;
  Button2 = MakeButton("Button2", left, kButtonY, kButtonW, "&Zeichnen");
  Button2->setEnabled(false);
  Button3 = MakeButton("Button3", left + (kButtonW + kButtonGap), kButtonY, kButtonW, "&Drucken");
  Button4 = MakeButton("Button4", left + 2 * (kButtonW + kButtonGap), kButtonY, kButtonW, "&Hilfe");
  Button1 = MakeButton("Button1", left + 3 * (kButtonW + kButtonGap), kButtonY, kButtonW, "S&chliessen");
  SetCancelAndDefaultButtons(Button1, nullptr);

  connect(Edit1, &QLineEdit::textChanged, this, &Tpyramidebox::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tpyramidebox::Edit2Change);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &Tpyramidebox::ScrollBar1Change);
  connect(ScrollBar2, &QScrollBar::valueChanged, this, &Tpyramidebox::ScrollBar2Change);
  connect(ScrollBar3, &QScrollBar::valueChanged, this, &Tpyramidebox::ScrollBar3Change);
  connect(CheckBox1, &QCheckBox::toggled, this, &Tpyramidebox::CheckBox1Click);
  connect(Button1, &QPushButton::clicked, this, &Tpyramidebox::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tpyramidebox::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tpyramidebox::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Tpyramidebox::Button4Click);
  ComputePyramidBox();
}

std::span<const UiText> Tpyramidebox::Texts() const { return kTexts; }

void Tpyramidebox::ShowFrustumControls() {
  const bool frustum = CheckBox1->isChecked();
  ScrollBar3->setEnabled(frustum);
  Label8->setVisible(frustum);
}

void Tpyramidebox::ComputePyramidBox() {
  ScrollBar3->setEnabled(CheckBox1->isChecked());
  input_ = ReadPyramidBoxInput(TextOf(Edit1), TextOf(Edit2), ScrollBar1->value(), ScrollBar2->value(),
                               ScrollBar3->value(), CheckBox1->isChecked());
  result_ = velomare::ComputePyramidBox(input_);
  ShowPyramidBoxResults();
}

void Tpyramidebox::ShowPyramidBoxResults() {
  const PyramidBoxReadouts texts = PyramidBoxTexts(input_, result_, IsEnglish());
  SetLabel(Label1, texts.corners);
  SetLabel(Label8, texts.topEdges);
  SetLabel(Label7, texts.leg);
  SetLabel(Label9, texts.panelHeight);
  SetLabel(Label3, texts.edges);
  SetLabel(Label5, texts.angle);
  SetLabel(Label6, texts.outsideVolume);
}

void Tpyramidebox::ScrollBar1Change() {
  // With the frustum set, the top edge may not pass 90 % of the bottom edge. Lowering the maximum
  // below the position moves the position, which runs ScrollBar3Change.
  if (CheckBox1->isChecked())
    ScrollBar3->setMaximum(std::max(ScrollBar3->minimum(), PyramidTopEdgeLimit(ScrollBar1->value())));
  ShowFrustumControls();
  ComputePyramidBox();
}

void Tpyramidebox::CheckBox1Click() {
  ShowFrustumControls();
  ComputePyramidBox();
}

void Tpyramidebox::FormPaint(QPainter&) {
  // A change of language shows at the next paint.
  ShowPyramidBoxResults();
}

}  // namespace velomare

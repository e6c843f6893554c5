#include "calculators/Ttrapezbox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "common/Settings.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label1", "Innenvolumen in l", "inner volume (liter)"},
    {"Label2", "Plattendicke in mm", "thickness of shelfs (mm)"},
    {"Label3", "Leistenquerschnitt in mm", "cross-serction of flat rods (mm)"},
    {"CheckBox1", "Eckleisten innen verwenden", "use flat rods in corners"},
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Zeichnen", "&draw"},
    {"Button4", "&Drucken", "&print"},
    {"Button3", "&Hilfe", "&help"},
};

// Seven rows above the drawing, which takes everything from 160 pixels down.
constexpr int kRow = 21, kTop = 6;
constexpr int Row(int i) { return kTop + i * kRow; }

}  // namespace

Ttrapezbox::Ttrapezbox(QWidget* parent)
    : ShapeForm(parent, "trapezbox", "Gehäuse: Trapezförmig / Car-Subwoofer", "trapezoid car woofer box", 633, 423,
                "QTX_contents0011") {
  SetHasDrawing(true);
  constexpr int kEditX = 196, kLeftW = 290, kRight = 318, kRightW = 307, kBarX = 460, kBarW = 165;
  Label1 = MakeLabel("Label1", 8, Row(0), 184, "Innenvolumen in l");
  Editvol = MakeEdit("Editvol", kEditX, Row(0), 50, "60");
  Label2 = MakeLabel("Label2", 8, Row(1), 184, "Plattendicke in mm");
  Editdicke = MakeEdit("Editdicke", kEditX, Row(1), 50, "21");
  Label3 = MakeLabel("Label3", 8, Row(2), 184, "Leistenquerschnitt in mm");
  Edit1 = MakeEdit("Edit1", kEditX, Row(2), 36, "35");
  Label4 = MakeLabel("Label4", kEditX + 40, Row(2), 10, "x");
  Edit2 = MakeEdit("Edit2", kEditX + 52, Row(2), 36, "50");
  CheckBox1 = MakeCheckBox("CheckBox1", 8, Row(3), kLeftW, "Eckleisten innen verwenden");
  Label8 = MakeLabel("Label8", 8, Row(4), kLeftW, "Breite");
  Label10 = MakeLabel("Label10", 8, Row(5), kLeftW, "Außenvolumen");
  Label12 = MakeLabel("Label12", 8, Row(6), kLeftW, "Verlust durch Eckleisten");

  Label5 = MakeLabel("Label5", kRight, Row(0), kBarX - kRight - 4, "Tiefe (oben)  300 mm");
  tiefeo = MakeScrollBar("tiefeo", kBarX, Row(0), kBarW, 100, 1000, 10, 300);
  Label7 = MakeLabel("Label7", kRight, Row(1), kBarX - kRight - 4, "Tiefe (unten)  400 mm");
  tiefeu = MakeScrollBar("tiefeu", kBarX, Row(1), kBarW, 100, 1200, 10, 400);
  Label6 = MakeLabel("Label6", kRight, Row(2), kBarX - kRight - 4, "Höhe  400 mm");
  hoehe = MakeScrollBar("hoehe", kBarX, Row(2), kBarW, 100, 1000, 10, 400);
  Label13 = MakeLabel("Label13", kRight, Row(3), kRightW, "Höhe der Seitenplatte:");
  Label9 = MakeLabel("Label9", kRight, Row(4), kRightW, "Neigungswinkel");
  Label11 = MakeLabel("Label11", kRight, Row(5), kRightW, "Gehäuse-Resonanzfrequenz ");
  constexpr int kButtonW = 74, kButtonGap = 3;
  Button2 = MakeButton("Button2", kRight, Row(6), kButtonW, "&Zeichnen");
  Button4 = MakeButton("Button4", kRight + (kButtonW + kButtonGap), Row(6), kButtonW, "&Drucken");
  Button3 = MakeButton("Button3", kRight + 2 * (kButtonW + kButtonGap), Row(6), kButtonW, "&Hilfe");
  Button1 = MakeButton("Button1", kRight + 3 * (kButtonW + kButtonGap), Row(6), kButtonW, "S&chliessen");
  SetCancelAndDefaultButtons(Button1, nullptr);

  connect(Editvol, &QLineEdit::textChanged, this, &Ttrapezbox::EditvolChange);
  connect(Editdicke, &QLineEdit::textChanged, this, &Ttrapezbox::EditdickeChange);
  connect(Edit1, &QLineEdit::textChanged, this, &Ttrapezbox::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Ttrapezbox::Edit2Change);
  connect(tiefeo, &QScrollBar::valueChanged, this, &Ttrapezbox::tiefeoChange);
  connect(tiefeu, &QScrollBar::valueChanged, this, &Ttrapezbox::tiefeuChange);
  connect(hoehe, &QScrollBar::valueChanged, this, &Ttrapezbox::hoeheChange);
  connect(CheckBox1, &QCheckBox::toggled, this, &Ttrapezbox::CheckBox1Click);
  connect(Button1, &QPushButton::clicked, this, &Ttrapezbox::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Ttrapezbox::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Ttrapezbox::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Ttrapezbox::Button4Click);
  ComputeTrapezBox();
}

std::span<const UiText> Ttrapezbox::Texts() const { return kTexts; }

void Ttrapezbox::ComputeTrapezBox() {
  const TrapezBoxInput in =
      ReadTrapezBoxInput(TextOf(Editvol), TextOf(Editdicke), TextOf(Edit1), TextOf(Edit2), tiefeo->value(),
                         tiefeu->value(), hoehe->value(), CheckBox1->isChecked());
  result_ = velomare::ComputeTrapezBox(in);
  KeepBox(TrapezBoxDrawing(in, result_));
  const TrapezBoxReadouts texts = TrapezBoxTexts(in, result_, IsEnglish());
  SetLabel(Label5, texts.depthTop);
  SetLabel(Label7, texts.depthBottom);
  SetLabel(Label6, texts.height);
  SetLabel(Label13, texts.slantedPanel);
  SetLabel(Label12, texts.loss);
  SetLabel(Label8, texts.width);
  SetLabel(Label10, texts.outsideVolume);
  SetLabel(Label11, texts.frequencies);
  SetLabel(Label9, texts.angle);
}

void Ttrapezbox::InputChanged() {
  ComputeTrapezBox();
  update();
}

// The bars hold each other only here, so at the start the top depth can still pass the bottom
// depth until one of them is moved. Raising the other bar's limit past its position moves it,
// which runs its own handler.
void Ttrapezbox::tiefeoChange() {
  tiefeu->setMinimum(tiefeo->value());
  InputChanged();
}

void Ttrapezbox::tiefeuChange() {
  tiefeo->setMaximum(tiefeu->value());
  InputChanged();
}

}  // namespace velomare

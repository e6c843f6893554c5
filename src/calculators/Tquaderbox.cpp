#include "calculators/Tquaderbox.h"

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
    {"Label3", "Leistenquerschnitt in mm", "cross-section of flat rods (mm)"},
    {"CheckBox", "Eckleisten innen verwenden", "use flat rods in corners"},
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "&Zeichnen", "&draw"},
    {"Button4", "&Drucken", "&print"},
    {"Button3", "&Hilfe", "&help"},
};

constexpr int kRow = 22, kTop = 8;
constexpr int Row(int i) { return kTop + i * kRow; }

}  // namespace

Tquaderbox::Tquaderbox(QWidget* parent)
    : ShapeForm(parent, "quaderbox", "Gehäuse: Quader / Standbox", "rectangle standing box", 577, 418,
                "QTX_contents0010") {
  SetHasDrawing(true);
  constexpr int kEditX = 182, kRight = 290, kRightW = 279;
  Label1 = MakeLabel("Label1", 8, Row(0), 170, "Innenvolumen in l");
  Edit1 = MakeEdit("Edit1", kEditX, Row(0), 50, "60");
  Label2 = MakeLabel("Label2", 8, Row(1), 170, "Plattendicke in mm");
  Edit2 = MakeEdit("Edit2", kEditX, Row(1), 50, "21");
  Label3 = MakeLabel("Label3", 8, Row(2), 170, "Leistenquerschnitt in mm");
  Edit3 = MakeEdit("Edit3", kEditX, Row(2), 36, "35");
  Label4 = MakeLabel("Label4", kEditX + 40, Row(2), 10, "x");
  Edit4 = MakeEdit("Edit4", kEditX + 52, Row(2), 36, "50");
  CheckBox = MakeCheckBox("CheckBox", 8, Row(3), 262, "Eckleisten innen verwenden");
  Label5 = MakeLabel("Label5", 8, Row(4), 108, "Breite  400 mm");
  breite = MakeScrollBar("breite", 120, Row(4), 150, 100, 1200, 10, 400);
  Label6 = MakeLabel("Label6", 8, Row(5), 108, "Höhe  500 mm");
  hoehe = MakeScrollBar("hoehe", 120, Row(5), 150, 100, 2000, 10, 500);

  Label8 = MakeLabel("Label8", kRight, Row(0), kRightW, "Tiefe  408 mm");
  Label9 = MakeLabel("Label9", kRight, Row(1), kRightW, "Verlust durch Eckleisten");
  Label7 = MakeLabel("Label7", kRight, Row(2), kRightW, "Außenvolumen ");
  Label10 = MakeLabel("Label10", kRight, Row(3), kRightW, "Resonanzfrequenzen");
  constexpr int kButtonW = 68, kButtonGap = 2;
  Button2 = MakeButton("Button2", kRight, Row(4) + 6, kButtonW, "&Zeichnen");
  Button4 = MakeButton("Button4", kRight + (kButtonW + kButtonGap), Row(4) + 6, kButtonW, "&Drucken");
  Button3 = MakeButton("Button3", kRight + 2 * (kButtonW + kButtonGap), Row(4) + 6, kButtonW, "&Hilfe");
  Button1 = MakeButton("Button1", kRight + 3 * (kButtonW + kButtonGap), Row(4) + 6, kButtonW, "S&chliessen");
  SetCancelAndDefaultButtons(Button1, nullptr);

  connect(Edit1, &QLineEdit::textChanged, this, &Tquaderbox::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tquaderbox::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &Tquaderbox::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &Tquaderbox::Edit4Change);
  connect(breite, &QScrollBar::valueChanged, this, &Tquaderbox::breiteChange);
  connect(hoehe, &QScrollBar::valueChanged, this, &Tquaderbox::hoeheChange);
  connect(CheckBox, &QCheckBox::toggled, this, &Tquaderbox::CheckBoxClick);
  connect(Button1, &QPushButton::clicked, this, &Tquaderbox::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tquaderbox::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tquaderbox::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Tquaderbox::Button4Click);
  // The first computation waits for the first show.
}

std::span<const UiText> Tquaderbox::Texts() const { return kTexts; }

void Tquaderbox::ComputeRectBox() {
  const RectBoxInput in = ReadRectBoxInput(TextOf(Edit1), TextOf(Edit2), TextOf(Edit3), TextOf(Edit4),
                                           breite->value(), hoehe->value(), CheckBox->isChecked());
  result_ = velomare::ComputeRectBox(in);
  KeepBox(RectBoxDrawing(in, result_));
  // The read-outs take the language of this computation and keep it until the next one.
  const RectBoxReadouts texts = RectBoxTexts(in, result_, IsEnglish());
  SetLabel(Label5, texts.width);
  SetLabel(Label6, texts.height);
  SetLabel(Label8, texts.depth);
  SetLabel(Label9, texts.loss);
  SetLabel(Label7, texts.outsideVolume);
  SetLabel(Label10, texts.frequencies);
}

void Tquaderbox::InputChanged() {
  ComputeRectBox();
  update();
}

}  // namespace velomare

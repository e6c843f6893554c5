#include "driver/Ttspara.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/Settings.h"
#include "platform/LabelText.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label1", "DC-Widerstand R (Ohm) ", "DC resistance R (Ohm) "},
    {"Label2", "Freiluftresonanz fs (Hz)", "free air res. frequ.(Hz)"},
    {"Label3", "Überhöhung (Ohm)", "peak impedance (ohms)"},
    {"Label6", "Meßfrequenz für L (kHz)", "measure frequ. for L (kHz)"},
    {"Label7", "Impedanz für L (Ohm)", "impedance for L (ohm)"},
    {"Label8", "Membrandurchmesser (cm)", "membrane diameter (cm)"},
    {"Label9", "neue Resonanzfrequenz (Hz)", "new resonance frequ. (Hz)"},
    {"Label10", "Zusatzmasse m* (g)", "additional mass m* (gramms)"},
    {"Label11", "geschlossenes Volumen (l)", "closed box volume (liter) "},
    {"Label12", "Überhöhung im Gehäuse (Ohm)", "peak imp. in closed box (ohms)"},
    // Not the labels themselves: a box level shown over them stays until the language changes.
    {"Label14Plain", "f1 im Gehäuse (Hz)", "f1 in closed box (Hz)"},
    {"Label16Plain", "f2 im Gehäuse (Hz)", "f2 in closed box (Hz)"},
    {"Label30", "Eigenvolumen des Chassis (l)", "displacement of speaker (l)"},
    {"Label31", "Hersteller", "manufactor"},
    {"Label32", "Bezeichnung", "name"},
    {"RadioButton1", "Bestimmung über &Zusatzmasse", "delta-mass method"},
    {"RadioButton2", "Bestimmung über &Volumen", "closed &volume method"},
    {"Button1", "S&chliessen", "&close"},
    {"Button2", "An&wenden", "&use TSPs"},
    {"Button4", "&Drucken", "&print"},
    {"Button3", "&Hilfe", "&help"},
};

// The hints are German in either language.
struct Hint {
  const char* control;
  const char* text;
};
constexpr Hint kHints[] = {
    {"Edit1", "Gleichstrom-Widerstand der Schwingspule in Ohm eingeben"},
    {"Edit2", "Resonanzfrequenz in Hz eingeben"},
    {"Edit3", "Überhöhung (oberste Spitze) bei der Resonanzfrequenz in Ohm"},
    {"Edit4", "Frequenz unter der Resonanzfrequenz bei einer bestimmten Impedanz"},
    {"Edit5", "Frequenz über der Resonanzfrequenz bei einer bestimmten Impedanz"},
    {"Edit6", "wählbare Frequenz in kHz zur Induktivitätbestimmung"},
    {"Edit7", "Impedanz an der gewählten Meßfrequenz"},
    {"Edit8", "Durchmesser der eigentlichen Membran (+2/3 der Sicke) in cm"},
    {"Edit9", "neues fs durch Volumen- oder mit Deltamasse-Methode"},
    {"Edit10", "Masse des Zusatzgewichtes in g bei der Deltamasse-Methode"},
    {"Edit11", "Volumen in l bei der Volumen-Methode"},
    {"Edit12", "Impedanzspitze bei neuer Resonanzfrequenz bei Volumenmessung"},
    {"Edit13", "Frequenz unter der neuen Resonanzfrequenz bei einer bestimmten Impedanz"},
    {"Edit14", "Frequenz über der neuen Resonanzfrequenz bei einer bestimmten Impedanz"},
    {"Edit15", "Volumen, das durch das Chassis (Kegel, Korb) verlorengeht"},
    {"Edit16", "Name des Herstellers (max. 30 Zeichen)"},
    {"Edit17", "Name des Chassis (max. 30 Zeichen)"},
    {"Button2", "Berechnete Werte übernehmen"},
    {"Label31", "Hersteller des Chassis"},
};

// Layout: the free-air readings on the left, the Vas method in the middle, the first result panel
// and the buttons on the right, the second result panel across the bottom.
constexpr int kClientWidth = 900;
constexpr int kRowH = 21, kRowStep = 26, kTop = 12;
constexpr int kLeftX = 10, kLeftCaptionW = 196, kLeftEditX = 210, kEditW = 76;
constexpr int kNameCaptionW = 88, kNameEditX = 100, kNameEditW = 186;
constexpr int kMethodX = 304, kMethodCaptionW = 206, kMethodEditX = 514;
constexpr int kPanel2X = 604, kPanel2W = 286, kResultStep = 24;
constexpr int kPanel1X = 10, kPanel1Y = kTop + 11 * kRowStep + 14, kPanel1W = kClientWidth - 20;
constexpr int kPanel1ColumnW = 290, kPanel1Rows = 3;
constexpr int kPanel1H = kPanel1Rows * kResultStep + 14;
constexpr int kClientHeight = kPanel1Y + kPanel1H + 10;
constexpr int kButtonW = 138, kButtonH = 27;

}  // namespace

Ttspara::Ttspara(QWidget* parent) : FormBase(parent) {
  InitForm("tspara", "Ermittlung der Thiele-Small-Parameter", "Determination of the Thiele-Small parameters");
  SetHelpTopic("QTX_contents0019");

  const auto caption = [this](const char* name, int x, int y, int w) {
    return Make<QLabel>(name, this, x, y, w, kRowH);
  };
  const auto edit = [this](const char* name, int x, int y, int w, const char* text) {
    QLineEdit* e = Make<QLineEdit>(name, this, x, y, w, kRowH);
    e->setText(QString::fromUtf8(text));
    return e;
  };
  const auto row = [](int n) { return kTop + n * kRowStep; };

  Label1 = caption("Label1", kLeftX, row(0), kLeftCaptionW);
  Edit1 = edit("Edit1", kLeftEditX, row(0), kEditW, "");
  Label2 = caption("Label2", kLeftX, row(1), kLeftCaptionW);
  Edit2 = edit("Edit2", kLeftEditX, row(1), kEditW, "");
  Label3 = caption("Label3", kLeftX, row(2), kLeftCaptionW);
  Edit3 = edit("Edit3", kLeftEditX, row(2), kEditW, "");
  Label4 = caption("Label4", kLeftX, row(3), kLeftCaptionW);
  Edit4 = edit("Edit4", kLeftEditX, row(3), kEditW, "");
  Label5 = caption("Label5", kLeftX, row(4), kLeftCaptionW);
  Edit5 = edit("Edit5", kLeftEditX, row(4), kEditW, "");
  Label6 = caption("Label6", kLeftX, row(5), kLeftCaptionW);
  Edit6 = edit("Edit6", kLeftEditX, row(5), kEditW, "");
  Label7 = caption("Label7", kLeftX, row(6), kLeftCaptionW);
  Edit7 = edit("Edit7", kLeftEditX, row(6), kEditW, "");
  Label8 = caption("Label8", kLeftX, row(7), kLeftCaptionW);
  Edit8 = edit("Edit8", kLeftEditX, row(7), kEditW, "");
  Label30 = caption("Label30", kLeftX, row(8), kLeftCaptionW);
  Edit15 = edit("Edit15", kLeftEditX, row(8), kEditW, "0,5");
  Label31 = caption("Label31", kLeftX, row(9), kNameCaptionW);
  Edit16 = edit("Edit16", kNameEditX, row(9), kNameEditW, "");
  Label32 = caption("Label32", kLeftX, row(10), kNameCaptionW);
  Edit17 = edit("Edit17", kNameEditX, row(10), kNameEditW, "");

  Label9 = caption("Label9", kMethodX, row(0), kMethodCaptionW);
  Edit9 = edit("Edit9", kMethodEditX, row(0), kEditW, "");
  RadioButton1 = Make<QRadioButton>("RadioButton1", this, kMethodX, row(1) + 4, kMethodCaptionW + kEditW, kRowH);
  RadioButton1->setChecked(true);
  Label10 = caption("Label10", kMethodX, row(2), kMethodCaptionW);
  Edit10 = edit("Edit10", kMethodEditX, row(2), kEditW, "10");
  RadioButton2 = Make<QRadioButton>("RadioButton2", this, kMethodX, row(3) + 4, kMethodCaptionW + kEditW, kRowH);
  RadioGroup({RadioButton1, RadioButton2});
  Label11 = caption("Label11", kMethodX, row(4), kMethodCaptionW);
  Edit11 = edit("Edit11", kMethodEditX, row(4), kEditW, "10");
  Label12 = caption("Label12", kMethodX, row(5), kMethodCaptionW);
  Edit12 = edit("Edit12", kMethodEditX, row(5), kEditW, "");
  Label14 = caption("Label14", kMethodX, row(6), kMethodCaptionW);
  Edit13 = edit("Edit13", kMethodEditX, row(6), kEditW, "");
  Label16 = caption("Label16", kMethodX, row(7), kMethodCaptionW);
  Edit14 = edit("Edit14", kMethodEditX, row(7), kEditW, "");

  const auto panel = [this](const char* name, int x, int y, int w, int h) {
    QFrame* p = Make<QFrame>(name, this, x, y, w, h);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(1);
    return p;
  };
  Panel2 = panel("Panel2", kPanel2X, kTop - 4, kPanel2W, 9 * kResultStep + 14);
  int line = 0;
  const auto right = [this, &line](const char* name) {
    return Make<QLabel>(name, Panel2, 10, 7 + kResultStep * line++, kPanel2W - 16, kRowH);
  };
  Label23 = right("Label23");
  Label19 = right("Label19");
  Label24 = right("Label24");
  Label25 = right("Label25");
  Label26 = right("Label26");
  Label29 = right("Label29");
  Label27 = right("Label27");
  Label28 = right("Label28");
  Label13 = right("Label13");

  Panel1 = panel("Panel1", kPanel1X, kPanel1Y, kPanel1W, kPanel1H);
  line = 0;
  const auto lower = [this, &line](const char* name) {
    const int column = line / kPanel1Rows, place = line % kPanel1Rows;
    ++line;
    return Make<QLabel>(name, Panel1, 10 + column * kPanel1ColumnW, 7 + kResultStep * place, kPanel1ColumnW - 10,
                        kRowH);
  };
  Label15 = lower("Label15");
  Label22 = lower("Label22");
  Label17 = lower("Label17");
  Label20 = lower("Label20");
  Label21 = lower("Label21");
  Label18 = lower("Label18");
  Label33 = lower("Label33");

  const int buttonsY = Panel2->geometry().bottom() + 9;
  const auto button = [this](const char* name, int x, int y) {
    return Make<QPushButton>(name, this, x, y, kButtonW, kButtonH);
  };
  Button2 = button("Button2", kPanel2X, buttonsY);
  Button4 = button("Button4", kPanel2X + kPanel2W - kButtonW, buttonsY);
  Button3 = button("Button3", kPanel2X, buttonsY + kButtonH + 5);
  Button1 = button("Button1", kPanel2X + kPanel2W - kButtonW, buttonsY + kButtonH + 5);
  Button2->setEnabled(false);

  for (const Hint& hint : kHints)
    if (QWidget* w = findChild<QWidget*>(QString::fromLatin1(hint.control)))
      w->setToolTip(QString::fromUtf8(hint.text));

  connect(Edit1, &QLineEdit::textChanged, this, &Ttspara::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Ttspara::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &Ttspara::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &Ttspara::Edit4Change);
  connect(Edit5, &QLineEdit::textChanged, this, &Ttspara::Edit5Change);
  connect(Edit6, &QLineEdit::textChanged, this, &Ttspara::Edit6Change);
  connect(Edit7, &QLineEdit::textChanged, this, &Ttspara::Edit7Change);
  connect(Edit8, &QLineEdit::textChanged, this, &Ttspara::Edit8Change);
  connect(Edit9, &QLineEdit::textChanged, this, &Ttspara::Edit9Change);
  connect(Edit10, &QLineEdit::textChanged, this, &Ttspara::Edit10Change);
  connect(Edit11, &QLineEdit::textChanged, this, &Ttspara::Edit11Change);
  connect(Edit12, &QLineEdit::textChanged, this, &Ttspara::Edit12Change);
  connect(Edit13, &QLineEdit::textChanged, this, &Ttspara::Edit13Change);
  connect(Edit14, &QLineEdit::textChanged, this, &Ttspara::Edit14Change);
  connect(Edit15, &QLineEdit::textChanged, this, &Ttspara::Edit15Change);
  connect(Edit16, &QLineEdit::textChanged, this, &Ttspara::Edit16Change);
  connect(Edit17, &QLineEdit::textChanged, this, &Ttspara::Edit17Change);
  connect(RadioButton1, &QRadioButton::clicked, this, &Ttspara::RadioButton1Click);
  connect(RadioButton2, &QRadioButton::clicked, this, &Ttspara::RadioButton2Click);
  connect(Button1, &QPushButton::clicked, this, &Ttspara::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Ttspara::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Ttspara::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Ttspara::Button4Click);
  SetCancelAndDefaultButtons(Button1, Button2);

  EnableMethodControls();
  ComputeTspFromImpedance();
  SetFixedClientSize(kClientWidth, kClientHeight);
  CentreOnScreen();
}

std::span<const UiText> Ttspara::Texts() const { return kTexts; }

void Ttspara::ApplyCustomText(const char* control, const QString& text) {
  const QLatin1String name(control);
  const bool f1c = name == QLatin1String("Label14Plain");
  if (!f1c && name != QLatin1String("Label16Plain")) return;
  QLabel* label = f1c ? Label14 : Label16;
  QString& plain = f1c ? plainF1cCaption_ : plainF2cCaption_;
  if (plain == text) return;
  plain = text;
  label->setText(text);
}

void Ttspara::TakeEdit(TspEdit edit, const QLineEdit* source) {
  measurement_.Take(edit, source->text().toStdString());
}

void Ttspara::TakeAllEdits() {
  const QLineEdit* edits[kTspEditCount] = {Edit1, Edit2, Edit3,  Edit4,  Edit5,  Edit6,  Edit7,  Edit8, Edit9,
                                           Edit10, Edit11, Edit12, Edit13, Edit14, Edit15, Edit16, Edit17};
  TspEditTexts texts;
  for (std::size_t i = 0; i < kTspEditCount; ++i) texts[i] = edits[i]->text().toStdString();
  measurement_.TakeAll(texts);
}

void Ttspara::ComputeTspFromImpedance() {
  const TspReadouts out = measurement_.ComputeTspFromImpedance();
  // A cut name goes back into its edit, whose handler then computes once more.
  SetEditText(Edit16, out.manufacturer);
  SetEditText(Edit17, out.model);
  SetLabelText(Label4, out.f1Caption);
  SetLabelText(Label5, out.f2Caption);
  SetLabelText(Label23, out.qts);
  SetLabelText(Label19, out.qms);
  SetLabelText(Label24, out.qes);
  SetLabelText(Label25, out.vas);
  SetLabelText(Label26, out.fs);
  SetLabelText(Label29, out.re);
  SetLabelText(Label27, out.impedance);
  SetLabelText(Label28, out.le);
  SetLabelText(Label13, out.spl);
  SetLabelText(Label15, out.sd);
  SetLabelText(Label22, out.ebp);
  SetLabelText(Label17, out.mms);
  SetLabelText(Label20, out.cmes);
  SetLabelText(Label21, out.bxl);
  SetLabelText(Label18, out.cms);
  SetLabelText(Label33, out.rms);
  if (Button2->isEnabled() != out.applyEnabled) Button2->setEnabled(out.applyEnabled);
}

void Ttspara::Edit1Change() { TakeEdit(TspEdit::Re, Edit1); ComputeTspFromImpedance(); }
void Ttspara::Edit2Change() { TakeEdit(TspEdit::Fs, Edit2); ComputeTspFromImpedance(); }
void Ttspara::Edit3Change() { TakeEdit(TspEdit::Zmax, Edit3); ComputeTspFromImpedance(); }
void Ttspara::Edit4Change() { TakeEdit(TspEdit::F1, Edit4); ComputeTspFromImpedance(); }
void Ttspara::Edit5Change() { TakeEdit(TspEdit::F2, Edit5); ComputeTspFromImpedance(); }
void Ttspara::Edit6Change() { TakeEdit(TspEdit::FL, Edit6); ComputeTspFromImpedance(); }
void Ttspara::Edit7Change() { TakeEdit(TspEdit::ZL, Edit7); ComputeTspFromImpedance(); }
void Ttspara::Edit8Change() { TakeEdit(TspEdit::Diameter, Edit8); ComputeTspFromImpedance(); }
void Ttspara::Edit9Change() { TakeEdit(TspEdit::Fc, Edit9); ComputeTspFromImpedance(); }
void Ttspara::Edit10Change() { TakeEdit(TspEdit::AddedMass, Edit10); ComputeTspFromImpedance(); }
void Ttspara::Edit11Change() { TakeEdit(TspEdit::BoxVolume, Edit11); ComputeTspFromImpedance(); }
void Ttspara::Edit13Change() { TakeEdit(TspEdit::F1c, Edit13); ComputeTspFromImpedance(); }
void Ttspara::Edit14Change() { TakeEdit(TspEdit::F2c, Edit14); ComputeTspFromImpedance(); }
void Ttspara::Edit15Change() { TakeEdit(TspEdit::Displacement, Edit15); ComputeTspFromImpedance(); }
void Ttspara::Edit16Change() { TakeEdit(TspEdit::Manufacturer, Edit16); ComputeTspFromImpedance(); }
void Ttspara::Edit17Change() { TakeEdit(TspEdit::Model, Edit17); ComputeTspFromImpedance(); }

void Ttspara::Edit12Change() {
  if (measurement_.Take(TspEdit::Zc, Edit12->text().toStdString())) {
    if (const auto level = measurement_.BoxLevel()) {
      SetLabelText(Label14, level->f1);
      SetLabelText(Label16, level->f2);
    }
  }
  ComputeTspFromImpedance();
}

void Ttspara::EnableMethodControls() {
  const bool closedBox = measurement_.Method() == TspMethod::ClosedBox;
  for (QWidget* w : std::initializer_list<QWidget*>{Edit11, Edit12, Edit13, Edit14, Label11, Label12, Label14, Label16})
    w->setEnabled(closedBox);
  Edit10->setEnabled(!closedBox);
  Label10->setEnabled(!closedBox);
}

void Ttspara::RadioButton1Click() {
  measurement_.SetMethod(TspMethod::AddedMass);
  EnableMethodControls();
  ComputeTspFromImpedance();
}

void Ttspara::RadioButton2Click() {
  measurement_.SetMethod(TspMethod::ClosedBox);
  EnableMethodControls();
  ComputeTspFromImpedance();
}

void Ttspara::FormShow() {
  // The texts were just set: the f1c and f2c captions lose a box level shown before.
  if (!plainF1cCaption_.isEmpty()) Label14->setText(plainF1cCaption_);
  if (!plainF2cCaption_.isEmpty()) Label16->setText(plainF2cCaption_);
  TakeAllEdits();
  ComputeTspFromImpedance();
}

void Ttspara::FormActivate() {
  // Every value is taken again from what its edit shows, so that the panel, the stored values
  // and the apply button agree whatever happened while the window was in the background.
  TakeAllEdits();
  ComputeTspFromImpedance();
}

// The result texts follow a language change at the next paint.
void Ttspara::FormPaint(QPainter&) { ComputeTspFromImpedance(); }

void Ttspara::Button2Click() {
  if (!Button2->isEnabled()) return;
  // The driver-data window writes the same working diameter and volume when it computes; apply
  // hands over what this window's edits show.
  TakeAllEdits();
  ComputeTspFromImpedance();
  if (!measurement_.CommitToDriver()) return;
  platform::ShowMessage(
      this, QString::fromUtf8(Lang("Werte wurden zum Berechnen übernommen!", "values are taken for calculation!")));
}

void Ttspara::Button1Click() { CloseForm(); }
void Ttspara::Button3Click() { ShowHelpTopic(); }
void Ttspara::Button4Click() { ConfirmAndPrintForm(); }

}  // namespace velomare

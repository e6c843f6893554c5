#include "driver/TChassisform.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>

#include "app/Forms.h"
#include "calculators/TDruck.h"
#include "common/Settings.h"
#include "driver/Tdisplacement.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DisplacementCaller.h"
#include "driver/model/DriverFile.h"
#include "driver/model/DriverValues.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"Label1", "Gesamtgüte Qts", "total Quality Qts"},
    {"Label2", "elektrische Güte Qes", "electrical Quality Qes"},
    {"Label3", "Äquivalentvolumen Vas", "equivalent volume Vas"},
    {"Label5", "Resonanzfrequenz fs", "resonance frequency fs"},
    {"Label7", "DC-Widerstand Re", "coil resistance Re"},
    {"Label9", "Chassisname", "speaker name"},
    {"Label11", "Membrandurchmesser", "membrane diameter"},
    {"Label14", "Chassis-Eigenvolumen", "speaker displacement"},
    {"Label23", "Hersteller", "manufactor"},
    {"Label25", "Chassis-Induktivität Le", "coil inductivity Le"},
    {"Label29", "mech. Güte Qms", "mech. Quality Qms"},
    {"BitBtn2", "Abbrechen", "cancel"},
    {"BitBtn3", "&Hilfe", "&help"},
    {"Button3", "Datei &Speichern", "&save file"},
    {"Button5", "Datei &Öffnen", "&open file"},
    {"Button7", "Datei Löschen", "delete file"},
    {"OpenDialog1", "Velomar-Datei öffnen", "open Velomar file"},
    {"Edit1", "3 relevante Nachkommastellen", "3 important numbers after point", UiText::Hint},
    {"Edit2", "3 relevante Nachkommastellen", "3 important numbers after point", UiText::Hint},
    {"Edit3", "2 relevante Nachkommastellen", "2 important numbers after point", UiText::Hint},
    {"Edit4", "2 relevante Nachkommastellen", "2 important numbers after point", UiText::Hint},
    {"Edit5", "2 relevante Nachkommastellen", "2 important numbers after point", UiText::Hint},
    {"Edit8", "2 relevante Nachkommastellen", "2 important numbers after point", UiText::Hint},
    {"Edit6", "Bezeichnung des Lautsprechers (max. 30 Zeichen)", "name of the speaker (max. 30 characters)",
     UiText::Hint},
    {"Edit7", "Durchmesser der Membran in cm + etwa 2/3 der Sicke (1 Nachkommastelle)",
     "diameter of membrane in cm (1 important numbers after point)", UiText::Hint},
    {"Edit9", "Name des Chassis-Herstellers (max. 30 Zeichen)", "name of the speaker producer (max. 30 characters)",
     UiText::Hint},
    {"Button1", "Qes aus Qts und Qms berechnen", "calculate Qes from Qts and Qms", UiText::Hint},
    {"Button4", "Qms aus Qts und Qes berechnen", "calculate Qms from Qts and Qes", UiText::Hint},
    {"Button6", "Qts aus Qes und Qms berechnen", "calculate Qts from Qes and Qms", UiText::Hint},
    {"Button8", "Qms abschätzen und Qes aus Qts errechnen", "estimate Qms, and calculate Qes from Qts", UiText::Hint},
    {"Label19", "berechneter Wert aus Qts und Qes", "calculated value by Qts and Qes", UiText::Hint},
    {"BitBtn1", "Werte übernehmen", "accept all values", UiText::Hint},
    {"BitBtn2", "Werte verwerfen", "reject all values", UiText::Hint},
    {"Button2", "Rücksetzen der Werte (VISATON W300NG)", "reset all values to VISATON W300NG", UiText::Hint},
    {"calcvol", "Berechnet das Eigenvolumen vom Chassis", "calculate the displacement volume", UiText::Hint},
    // The same in both languages.
    {"Label24", "Zeigt an, ob sich die Werte verändert haben", "Zeigt an, ob sich die Werte verändert haben",
     UiText::Hint},
    {"Button3", "Datensatz in Velomar-Datei speichern", "Datensatz in Velomar-Datei speichern", UiText::Hint},
    {"Button5", "Velomar-Datei mit Chassis-Parameter öffnen", "Velomar-Datei mit Chassis-Parameter öffnen",
     UiText::Hint},
    {"Button7", "Die momentan verwendet Datei löschen", "Die momentan verwendet Datei löschen", UiText::Hint},
    {"Edit10", "2 relevante Nachkommastellen", "2 relevante Nachkommastellen", UiText::Hint},
};

constexpr const char* kFileFilter = "Velomar-Datei (*.vmx)";
constexpr const char* kDefaultFileName = "Chassis.vmx";

// Layout: the inputs on the left (caption, edit, a "?" button where there is one, the unit label
// with its imperial read-out), the derived read-outs framed on the right, the buttons below.
constexpr int kClientWidth = 786;
constexpr int kClientHeight = 384;
constexpr int kCaptionX = 10, kCaptionW = 165;
constexpr int kEditX = 178, kEditW = 76, kNameEditW = 200;
constexpr int kQueryX = 258, kQueryW = 24;
constexpr int kUnitX = 286, kUnitW = 182;
constexpr int kRowH = 21;
constexpr int kPanelX = 476, kPanelY = 8, kPanelW = 302, kPanelH = 274;
constexpr int kReadoutStep = 26;
constexpr int kButtonsY = 326, kButtonH = 25;

std::string Std(const QLineEdit* edit) { return edit->text().toStdString(); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TChassisform::TChassisform(QWidget* parent) : FormBase(parent) {
  InitForm("Chassisform", "Eingabe der Chassis-Daten", "input of all parameters");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  SetUsesColorScheme(true);
  SetHelpTopic("QTX_contents0002");
  // The working set and the derived values start from nothing, as at the program's start.
  ResetDriverValues();

  const auto caption = [this](const char* name, int y) {
    return Make<QLabel>(name, this, kCaptionX, y, kCaptionW, kRowH);
  };
  const auto edit = [this](const char* name, int y, const char* text, int w = kEditW) {
    QLineEdit* e = Make<QLineEdit>(name, this, kEditX, y, w, kRowH);
    e->setText(QString::fromUtf8(text));
    return e;
  };
  const auto query = [this](const char* name, int x, int y, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, x, y, kQueryW, kRowH);
    b->setText(QString::fromUtf8(text));
    return b;
  };
  const auto unit = [this](const char* name, int y, const char* text) {
    QLabel* l = Make<QLabel>(name, this, kUnitX, y, kUnitW, kRowH);
    l->setText(QString::fromUtf8(text));
    return l;
  };

  int y = 10;
  Label9 = caption("Label9", y);
  Edit6 = edit("Edit6", y, "W 300 NG (8 Ohm)", kNameEditW);
  y += 27;
  Label23 = caption("Label23", y);
  Edit9 = edit("Edit9", y, "VISATON", kNameEditW);

  y += 33;
  Label1 = caption("Label1", y);
  Edit1 = edit("Edit1", y, "0,000");
  Button6 = query("Button6", kQueryX, y, "?");
  y += 27;
  Label2 = caption("Label2", y);
  Edit2 = edit("Edit2", y, "0,000");
  Button1 = query("Button1", kQueryX, y, "&?");
  y += 27;
  Label29 = caption("Label29", y);
  Edit11 = edit("Edit11", y, "5,0");
  Button4 = query("Button4", kQueryX, y, "?");
  Button8 = query("Button8", kUnitX, y, "?");

  y += 33;
  Label3 = caption("Label3", y);
  Edit3 = edit("Edit3", y, "0,0");
  Label12 = unit("Label12", y, "Liter ");
  y += 27;
  Label5 = caption("Label5", y);
  Edit4 = edit("Edit4", y, "0,0");
  Label6 = unit("Label6", y, "Hz");
  y += 27;
  Label7 = caption("Label7", y);
  Edit5 = edit("Edit5", y, "0,0");
  Label8 = unit("Label8", y, "Ohm ");
  y += 27;
  Label11 = caption("Label11", y);
  Edit7 = edit("Edit7", y, "0");
  Label4 = unit("Label4", y, "cm");
  y += 27;
  Label14 = caption("Label14", y);
  Edit8 = edit("Edit8", y, "0");
  calcvol = query("calcvol", kQueryX, y, "?");
  Label16 = unit("Label16", y, "Liter ");
  y += 27;
  Label25 = caption("Label25", y);
  Edit10 = edit("Edit10", y, "0");
  Label28 = unit("Label28", y, "uH");

  Panel1 = Make<QFrame>("Panel1", this, kPanelX, kPanelY, kPanelW, kPanelH);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(1);
  // The read-outs, in the order of the computation; their texts come from the first paint.
  int row = 0;
  const auto readout = [this, &row](const char* name) {
    QLabel* l = Make<QLabel>(name, Panel1, 10, 8 + row * kReadoutStep, kPanelW - 16, kRowH);
    ++row;
    return l;
  };
  Label19 = readout("Label19");
  Label15 = readout("Label15");
  Label13 = readout("Label13");
  Label26 = readout("Label26");
  Label22 = readout("Label22");
  Label21 = readout("Label21");
  Label18 = readout("Label18");
  Label17 = readout("Label17");
  Label20 = readout("Label20");
  Label27 = readout("Label27");

  Label24 = Make<QLabel>("Label24", this, kPanelX, kPanelY + kPanelH + 8, kPanelW, kRowH);
  Label24->setAlignment(Qt::AlignCenter);
  QFont bold = Label24->font();
  bold.setBold(true);
  Label24->setFont(bold);

  const auto button = [this](const char* name, int x, int w, const char* text) {
    QPushButton* b = Make<QPushButton>(name, this, x, kButtonsY, w, kButtonH);
    b->setText(QString::fromUtf8(text));
    return b;
  };
  Button2 = button("Button2", kCaptionX, 80, "Reset");
  Button3 = button("Button3", 98, 118, "");
  Button5 = button("Button5", 222, 118, "");
  Button7 = button("Button7", 346, 118, "");
  Button7->setEnabled(false);
  BitBtn1 = button("BitBtn1", kPanelX, 96, "OK");
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  BitBtn1->setEnabled(false);
  BitBtn2 = button("BitBtn2", kPanelX + 102, 96, "");
  BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  BitBtn3 = button("BitBtn3", kPanelX + 204, 98, "");
  BitBtn3->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setGeometry(0, kClientHeight - 22, kClientWidth, 22);

  // Every text change, typed or assigned from code, runs the edit's handler at once; assigning
  // the text an edit already holds changes nothing and runs nothing.
  connect(Edit1, &QLineEdit::textChanged, this, &TChassisform::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &TChassisform::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &TChassisform::Edit3Change);
  connect(Edit4, &QLineEdit::textChanged, this, &TChassisform::Edit4Change);
  connect(Edit5, &QLineEdit::textChanged, this, &TChassisform::Edit5Change);
  connect(Edit6, &QLineEdit::textChanged, this, &TChassisform::Edit6Change);
  connect(Edit7, &QLineEdit::textChanged, this, &TChassisform::Edit7Change);
  connect(Edit8, &QLineEdit::textChanged, this, &TChassisform::Edit8Change);
  connect(Edit9, &QLineEdit::textChanged, this, &TChassisform::Edit9Change);
  connect(Edit10, &QLineEdit::textChanged, this, &TChassisform::Edit10Change);
  connect(Edit11, &QLineEdit::textChanged, this, &TChassisform::Edit11Change);

  connect(BitBtn1, &QPushButton::clicked, this, &TChassisform::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TChassisform::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &TChassisform::BitBtn3Click);
  connect(Button1, &QPushButton::clicked, this, &TChassisform::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TChassisform::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TChassisform::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TChassisform::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &TChassisform::Button5Click);
  connect(Button6, &QPushButton::clicked, this, &TChassisform::Button6Click);
  connect(Button7, &QPushButton::clicked, this, &TChassisform::Button7Click);
  connect(Button8, &QPushButton::clicked, this, &TChassisform::Button8Click);
  connect(calcvol, &QPushButton::clicked, this, &TChassisform::calcvolClick);

  SetCancelAndDefaultButtons(BitBtn2, BitBtn1);

  openDialogTitle_ = QString::fromUtf8(driver_file_text::OpenTitle());
  SetFixedClientSize(kClientWidth, kClientHeight);
  CentreOnScreen();
}

std::span<const UiText> TChassisform::Texts() const { return kTexts; }

void TChassisform::ApplyCustomText(const char* control, const QString& text) {
  if (QLatin1String(control) == QLatin1String("OpenDialog1")) openDialogTitle_ = text;
}

QLineEdit* TChassisform::EditFor(DriverField field) const {
  switch (field) {
    case DriverField::Qts: return Edit1;
    case DriverField::Qes: return Edit2;
    case DriverField::Qms: return Edit11;
    case DriverField::Vas: return Edit3;
    case DriverField::Fs: return Edit4;
    case DriverField::Re: return Edit5;
    case DriverField::Name: return Edit6;
    case DriverField::Dia: return Edit7;
    case DriverField::Vol: return Edit8;
    case DriverField::Le: return Edit10;
    case DriverField::Manufacturer: return Edit9;
  }
  return Edit1;
}

void TChassisform::SetLabel(QLabel* label, const std::string& text) {
  // A paint computes and writes the read-outs; writing an unchanged text must not ask for
  // another paint.
  const QString value = Q(text);
  if (label->text() != value) label->setText(value);
}

void TChassisform::SetStatus(const std::string& text) { StatusBar1->showMessage(Q(text)); }

void TChassisform::FormShow() {
  for (DriverField field : kShowOrder) {
    EditFor(field)->setText(Q(CommittedEditText(field)));
    TakeCommitted(field);
  }
  StatusBar1->clearMessage();
}

void TChassisform::FormPaint(QPainter&) { ComputeDriverValues(); }

void TChassisform::ComputeDriverValues() {
  const DriverEditTexts edits{Std(Edit1), Std(Edit2), Std(Edit11), Std(Edit3),
                              Std(Edit4), Std(Edit5), Std(Edit7),  Std(Edit8)};
  const DriverReadouts out = velomare::ComputeDriverValues(edits);
  SetLabel(Label19, out.qmsCalc);
  SetLabel(Label15, out.sd);
  SetLabel(Label8, out.impedance);
  SetLabel(Label13, out.spl);
  SetLabel(Label26, out.efficiency);
  SetLabel(Label22, out.ebp);
  SetLabel(Label21, out.bl);
  SetLabel(Label18, out.cms);
  SetLabel(Label17, out.mms);
  SetLabel(Label20, out.cmes);
  SetLabel(Label27, out.rms);
  if (BitBtn1->isEnabled() != out.valid) BitBtn1->setEnabled(out.valid);
  SetLabel(Label24, out.indicator);
}

void TChassisform::Edit1Change() { ComputeDriverValues(); }
void TChassisform::Edit2Change() { ComputeDriverValues(); }
void TChassisform::Edit4Change() { ComputeDriverValues(); }
void TChassisform::Edit5Change() { ComputeDriverValues(); }
void TChassisform::Edit11Change() { ComputeDriverValues(); }

void TChassisform::Edit3Change() {
  ComputeDriverValues();
  SetLabel(Label12, VasUnitText(Std(Edit3)));
}

void TChassisform::Edit8Change() {
  ComputeDriverValues();
  SetLabel(Label16, VolumeUnitText(Std(Edit8)));
}

void TChassisform::Edit7Change() {
  ComputeDriverValues();
  SetLabel(Label4, DiameterUnitText(WorkDia));
}

void TChassisform::Edit10Change() {
  SetLabel(Label28, TakeInductance(Std(Edit10)));
  ComputeDriverValues();
}

void TChassisform::Edit6Change() {
  WorkName = Std(Edit6);
  ComputeDriverValues();
}

void TChassisform::Edit9Change() {
  WorkManufacturer = Std(Edit9);
  ComputeDriverValues();
}

void TChassisform::BitBtn1Click() {
  if (!BitBtn1->isEnabled() || !DriverValuesValid()) return;
  const std::string sensitivity = CommitWorkingSet();
  if (forms::Druck && forms::Druck->Edit1) forms::Druck->Edit1->setText(Q(sensitivity));
  if (!SaveCommittedDriver()) {
    const QString path = QString::fromStdString(SettingsFilePath());
    platform::ShowMessage(this, QString::fromUtf8(Lang("Das Chassis wurde übernommen, konnte aber nicht in der "
                                                       "Einstellungsdatei %1 gespeichert werden. Beim nächsten "
                                                       "Programmstart fehlt es.",
                                                       "The driver was accepted, but it could not be saved in the "
                                                       "settings file %1. The next start of the program will not "
                                                       "know it."))
                                    .arg(path));
  }
  close();
}

void TChassisform::BitBtn2Click() {
  for (DriverField field : {DriverField::Qts, DriverField::Qes, DriverField::Vas, DriverField::Fs, DriverField::Re,
                            DriverField::Name, DriverField::Dia, DriverField::Vol})
    EditFor(field)->setText(Q(CommittedEditText(field)));
  close();
}

void TChassisform::BitBtn3Click() { ShowHelpTopic(); }

void TChassisform::Button1Click() {
  ComputeDriverValues();
  if (const auto qes = QesFromQtsAndQms(Std(Edit1), Std(Edit11), WorkQts, WorkQms)) Edit2->setText(Q(*qes));
  ComputeDriverValues();
}

void TChassisform::Button6Click() {
  ComputeDriverValues();
  if (const auto qts = QtsFromQesAndQms(Std(Edit2), Std(Edit11), WorkQes, WorkQms)) Edit1->setText(Q(*qts));
  ComputeDriverValues();
}

void TChassisform::Button4Click() {
  if (const auto qms = QmsFromQtsAndQes(Std(Edit1), Std(Edit2), WorkQts, WorkQes)) {
    Edit11->setText(Q(*qms));
    ComputeDriverValues();
  }
}

void TChassisform::Button8Click() {
  if (const auto estimate = EstimateFromQts(Std(Edit1), WorkQts)) {
    Edit2->setText(Q(estimate->qesText));
    Edit11->setText(Q(estimate->qmsText));
    ComputeDriverValues();
  }
}

void TChassisform::Button2Click() {
  for (const ResetEntry& entry : kResetTexts) EditFor(entry.field)->setText(QString::fromUtf8(entry.text));
}

void TChassisform::calcvolClick() {
  DisplacementCaller = 1;
  if (forms::displacement) forms::displacement->ShowForm();
}

bool TChassisform::WriteFile(const std::string& path) {
  const DriverFileTexts texts{Std(Edit9), Std(Edit6), Std(Edit1), Std(Edit2), Std(Edit11), Std(Edit3),
                              Std(Edit4), Std(Edit5), Std(Edit7), Std(Edit8), Std(Edit10)};
  return WriteDriverFile(path, texts, BitBtn1->isEnabled());
}

void TChassisform::Button3Click() {
  platform::FileDialogRequest request;
  request.title = Q(driver_file_text::SaveTitle());
  request.filter = QString::fromUtf8(kFileFilter);
  request.defaultName = saveDialogFileName_.isEmpty() ? QString::fromUtf8(kDefaultFileName) : saveDialogFileName_;
  const std::optional<QString> chosen = platform::GetSaveFileName(this, request);
  if (!chosen || chosen->isEmpty()) return;
  const std::string name = DriverFileNameFor(chosen->toStdString());
  saveDialogFileName_ = Q(name);

  const bool exists = DriverFileExists(name);
  if (exists && platform::AskYesNo(this, Q(driver_file_text::OverwriteQuestion(name))) != platform::Answer::Yes) {
    SetStatus(driver_file_text::NotSaved());
    return;
  }
  if (!WriteFile(name)) {
    platform::ShowMessage(this, Q(driver_file_text::WriteFailed(name)));
    SetStatus(driver_file_text::NotSaved());
    return;
  }
  SetStatus(exists ? driver_file_text::Overwritten(name) : driver_file_text::Saved(name));
}

void TChassisform::Button5Click() {
  platform::FileDialogRequest request;
  request.title = openDialogTitle_;
  request.filter = QString::fromUtf8(kFileFilter);
  request.defaultName = openDialogFileName_;
  request.mustExist = true;
  const std::optional<QString> chosen = platform::GetOpenFileName(this, request);
  if (!chosen || chosen->isEmpty()) return;
  openDialogFileName_ = *chosen;
  const std::string name = chosen->toStdString();

  const DriverFileRead read = ReadDriverFile(name);
  if (read.status == DriverFileStatus::Missing) {
    Button7->setEnabled(false);
    openedFile_.clear();
    SetStatus(driver_file_text::DoesNotExist(name));
    return;
  }
  if (read.status != DriverFileStatus::Ok) {
    // Nothing of such a file reaches the edits; the file opened before stays the one to delete.
    platform::ShowMessage(this, Q(driver_file_text::CannotOpen(name, read.status)));
    return;
  }
  Button7->setEnabled(true);
  openedFile_ = *chosen;
  const DriverFileTexts& t = read.texts;
  Edit9->setText(Q(t.manufacturer));
  Edit6->setText(Q(t.name));
  Edit1->setText(Q(t.qts));
  Edit2->setText(Q(t.qes));
  Edit11->setText(Q(t.qms));
  Edit3->setText(Q(t.vas));
  Edit4->setText(Q(t.fs));
  Edit5->setText(Q(t.re));
  Edit7->setText(Q(t.dia));
  Edit8->setText(Q(t.vol));
  Edit10->setText(Q(t.le));
  SetStatus(driver_file_text::Opened(name));
}

void TChassisform::Button7Click() {
  if (openedFile_.isEmpty()) return;
  const std::string name = openedFile_.toStdString();
  if (platform::AskYesNo(this, Q(driver_file_text::DeleteQuestion(name))) != platform::Answer::Yes) return;
  SetStatus(DeleteDriverFile(name) ? driver_file_text::Deleted(name) : driver_file_text::NotDeleted(name));
  Button7->setEnabled(false);
  openedFile_.clear();
}

}  // namespace velomare

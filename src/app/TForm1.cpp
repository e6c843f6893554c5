#include "app/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include "app/AllForms.h"
#include "common/Settings.h"
#include "common/Version.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DisplacementCaller.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

// The frame and caption around the client area (and the menu, which lies inside our window):
// the outer size is the window's size plus these.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 27;
constexpr int kMenuHeight = 19;

constexpr UiText kTexts[] = {
    {"Button3", "Optionen", "options"},
    {"buttonhelp", "Hilfe", "help"},
    {"Button5", "Ende (ESC)", "close (ESC)"},
    {"Eingabe", "&Eingabe TSP", "&input of TSPs"},
    {"Auswahl", "&Auswahl Boxentyp", "give type advice"},
    {"geschl", "&geschlossen", "contained box"},
    {"Reflexbt", "&Bassreflex", "&reflex vented box"},
    {"Bandbox", "geschl. Band&pass", "contained band &pass"},
    {"Button9", "Vent. Bandpass", "vented band pass"},
    {"Button7", "offen", "open box"},
    {"Button6", "E&xpo-Horn-System", "e&xpo horn system"},
    {"TML", "Transmissionline", "transmission line"},
    {"vergleich", "Vergleich der Simulation", "compare simulations"},
    {"quader", "&Quader / Standbox", "rectangle standing box"},
    {"trapez", "Pult / Trape&z (Car-Sub)", "car woofer"},
    {"pyramide", "P&yramidenform", "p&yramid form"},
    {"Tiefpass", "&Tiefpass", "low pass filter"},
    {"Bandfilter", "Bandpass-&Filter", "band pass &filter"},
    {"Hochpass", "&Hochpass", "&high pass filter"},
    {"Impedanz", "&Impedanzkorrektur", "&impedance correction"},
    {"daempf", "&Pegelreduzierung", "attenuator (pad)"},
    {"Trimode", "Trimode-&Weiche", "trimode crossover"},
    {"Button8", "Gesamtweiche", "crossover"},
    {"Button2", "&maximaler Schalldruck", "calc. &maximum SPL"},
    {"Button4", "Rohrberechnung", "tube calculation"},
    {"Button10", "Einheitenumrechner", "unit converter"},
    {"Button_eigenvol", "Eigenvolumen", "calc. displacement"},
    {"Button1", "&Chassisdaten ermitteln", "calc. TS-parameters"},
    {"buttonQL", "Verlustfaktor messen", "calc. loss quality Ql"},
    {"Button11", "Zusammenschalten", "interconnect speakers"},
    {"Label1", "Berechnen / Simulieren  von Boxen", "calculating and simulating a box"},
    {"Label3", "Berechnen von Gehäusebauformen", "calculating different boxes housings "},
    {"Label2", "Berechnen / Simulieren von Filtern", "calculating and simulating a crossover filter"},
    {"Label4", "Tools / Gimmicks", "tools and gimmicks"},
    {"Eingabe1", "Eingabe", "input"},
    {"Chassis", "Chassis-Parameter", "TSPs"},
    {"Messen1", "Messwerteingabe", "measured values"},
    {"Eigenvolumenberechnen1", "Eigenvolumen berechnen", "calc. displacement"},
    {"Messen2", "Messen", "measure TSPs"},
    {"Druckereinstellung1", "Druckereinstellung", "printer setup"},
    {"Optionen1", "Optionen", "options"},
    {"Programmbeenden1", "Programm beenden", "close program"},
    {"Gehuse1", "Box", "box"},
    {"Gehwahl", "&Auswahl", "&advice for selection"},
    {"offen1", "&offen", "&open"},
    {"geschlossen", "ge&schlossen", "&closed"},
    {"Bassreflex2", "Bass&reflex", "&reflex/vented"},
    {"Bandpass", "geschl. Band&pass", "closed band &pass"},
    {"N4", "E&xpo-Horn", "e&xponential horn"},
    {"Transmissionline1", "Transmissionline", "transmission line"},
    {"Schalldruck1", "Schall&druck", "max. SPL"},
    {"minimalerReflexrohrdurchmesser1", "Reflexrohrberechnung", "vented tube calculation"},
    {"Gehuse2", "Gehäuse", "housing"},
    {"QuaderStandbox1", "&Quader / Standbox", "rect. standing box"},
    {"TrapezCarSub1", "Pult / Trape&z (Car-Sub)", "car-woofer (trapezoid)"},
    {"Pyramide1", "P&yramide", "p&yramide form"},
    {"Verlustfaktormessen1", "Verlustfaktor messen", "measure Ql"},
    {"Zusammenschaltung1", "&Zusammenschaltung", "interconnection"},
    {"Filter1", "Filter", "filter"},
    {"Hochpass1", "&Hochpass", "&high pass"},
    {"Tiefpass1", "&Tiefpass", "&low pass"},
    {"Bandpass1", "&Bandpass", "&band pass"},
    {"TrimodeWeiche1", "Trimode-&Weiche", "trimode crossover"},
    {"Impedanzkorrektur1", "&Impedanzkorrektur", "impedance correction"},
    {"Dmpfungsglied1", "&Pegelreduzierung", "level correction"},
    {"Gesamtweiche1", "&Gesamtweiche", "crossover total"},
    {"Hilfe1", "Hilfe", "help"},
    {"Helpinhalt", "&Inhalt", "&content"},
    {"Suchen1", "&Suchen", "&search"},
    {"Hilfebenutzen1", "&Hilfe benutzen", "&how to use help"},
    {"AboutVelomar1", "&Über Velomare", "&about Velomare"},
};

// The status-bar hint of each button, shown while the mouse is over it.
constexpr UiText kHints[] = {
    {"Eingabe", "Zur Berechnung müssen die Thiele-Small-Parameter des Chassis eingeben werden",
     "at first you have to input the Thiele-Small parameters of the speaker"},
    {"Auswahl", "Anhand der Chassisdaten wird ermittelt, wofür der Lautsprecher geeignet ist",
     "depending on the speaker parameters sofware advises the usefulness "},
    {"Bandbox", "Es werden Bandpass-Gehäuse berechnet", "closed bandpass boxes will be calculated"},
    {"Reflexbt", "Es werden Bassreflex-Gehäuse berechnet und simuliert",
     "reflexed boxes will be calculated and simulated"},
    {"geschl", "Es werden geschlossene Gehäuse berechnet und simuliert",
     "closed (contained) boxes will be calculated and simulated"},
    {"Hochpass", "Es werden Hochpass-Filter berechnet und simuliert",
     "a highpass crossover filter will be calculated and simulated"},
    {"Bandfilter", "Es werden Bandpass-Filter berechnet und simuliert",
     "a bandpass crossover filter will be calculated and simulated"},
    {"Tiefpass", "Es werden Tiefpass-Filter berechnet und simuliert",
     "a lowpass crossover filter will be calculated and simulated"},
    {"Trimode", "Es wird eine Trimode-Weiche (für Car-HiFi) berechnet und simuliert",
     "a trimode crossover for Car-HiFi will be calculated and simulated"},
    {"Impedanz", "Berechnung einer Impedanzlinearisierung für Lautsprecherweichen",
     "a calculation of impedance correction part in lowpass filter"},
    {"daempf", "Berechnung eines Dämpfungsgliedes z.B. zur Hochton-Pegelreduzierung",
     "calculation of attenuation part (resistors) in high pass crossovers"},
    {"Button1", "Experimentelle Ermittlung der Thiele-Small-Parameter des Chassis",
     "external measurement of the louspeaker TS-parameters"},
    {"buttonQL", "Messung und Berechnung des Verlustfaktors Ql", "measurement and calculation of loss factor Ql"},
    {"Button3", "Programm-Einstellungen", "to change the options of Velomare"},
    {"Button4", "nachträgliche Reflexrohr-Überrechnung", "further tube calculation"},
    {"quader", "Es werden quaderförmige Standboxen berechnet", "dimension calcualtion of rectangle standing boxes"},
    {"trapez", "Es werden trapezförmige Subwoofer/Boxen, wie im Car-HiFi-Bereich berechnet",
     "calculation of car-woofer boxes (trapeziod) with one sloping side"},
    {"pyramide", "Es werden pyramidenförmige Standboxen berechnet", "calculation of pyramidal boxes"},
    {"Button5", "Programm beenden", "to end the program"},
    {"Button6", "Berechnen des Trichters vor Hörnern", "calculation the funnel form of horn systems"},
    {"Button7", "Berechnen und Simulieren von offenen Lautsprecherboxen",
     "calcualtion and simulation of open loudspeaker boxes"},
    {"TML", "Berechnen von Boxen mit Transmissionline-Kanälen", "calculation of transmission line tunnels"},
    {"Button_eigenvol", "Ermittlung Luftverdrängung des Chassis im Gehäuse anhand der Abmessungen",
     "depending on speaker dimensions calculation of displacement "},
    {"vergleich", "Exportierte Boxen-Simulationsergebnisse werden verglichen",
     "exported simulation results can compared"},
    {"buttonhelp", "Weitere Hilfe zum Programm Velomare", "further help for Velomare"},
    {"Button8", "Berechnung der Weiche aus den einzelnen Pässen ",
     "calculation of complete crossover by high, low and band pass"},
    {"Button2", "Berechnung des maximalen Schalldrucks", "calculation of maximum sound pressure level"},
    {"SpeedButton1", "ein kleiner Assistent führt durch Velomare", "a small assisent guides you through Velomare"},
    {"Button9", "ein ventilierter Bandpass wird berechnet", "a vented banpass box will calculated"},
    {"Button10", "Umrechnen von Einheiten für Länge, Fläche, Volumen und Masse",
     "you can convert units for length, area, volume and mass"},
    {"Button11", "mögliches Verschalten von mehreren Lautsprechern", "possible connection of many speakers"},
};

void Show(QWidget* form) {
  if (auto* f = qobject_cast<FormBase*>(form)) f->ShowForm();
}

// The click of a button or menu item that shows one window.
template <auto& Form>
void Opens() {
  Show(Form);
}

}  // namespace

TForm1::TForm1(QWidget* parent) : FormBase(parent) {
  InitForm("Form1", kMainCaption, kMainCaption);
  setFont(WindowFont(10));
  setMouseTracking(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, DesktopColour());
  setPalette(p);

  client_ = new QWidget(this);
  client_->setObjectName("client");
  client_->setGeometry(0, kMenuHeight, kClientSize.width(), kClientSize.height());
  client_->setMouseTracking(true);
  client_->installEventFilter(this);

  CheckBox1 = Make<QCheckBox>("CheckBox1", client_, 8, 0, 120, 14);
  CheckBox1->setText("Background");

  // Top row, then the four groups, each a bold label over rows of up to four buttons.
  constexpr int kLeft = 9, kStep = 140, kW = 136, kH = 23, kRow = 27, kTopH = 21;
  const auto button = [&](const char* name, int column, int y) {
    return Make<QPushButton>(name, client_, kLeft + column * kStep, y, kW, kH);
  };
  const auto groupLabel = [&](const char* name, int y) {
    QLabel* label = Make<QLabel>(name, client_, kLeft, y, 556, 20);
    QFont bold = WindowFont(16);
    bold.setBold(true);
    label->setFont(bold);
    QPalette lp = label->palette();
    lp.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(lp);
    return label;
  };

  // The top row fits in the compact window together with the check box above it.
  int y = 14;
  Button3 = Make<QPushButton>("Button3", client_, 4, y, 90, kTopH);
  SpeedButton1 = Make<QToolButton>("SpeedButton1", client_, 96, y, 24, kTopH);
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
  buttonhelp = Make<QPushButton>("buttonhelp", client_, 122, y, 70, kTopH);
  Button5 = Make<QPushButton>("Button5", client_, 194, y, 94, kTopH);

  y = 46;
  Label1 = groupLabel("Label1", y);
  y += 22;
  Eingabe = button("Eingabe", 0, y);
  Auswahl = button("Auswahl", 1, y);
  y += kRow;
  geschl = button("geschl", 0, y);
  Reflexbt = button("Reflexbt", 1, y);
  Bandbox = button("Bandbox", 2, y);
  Button9 = button("Button9", 3, y);
  y += kRow;
  Button7 = button("Button7", 0, y);
  Button6 = button("Button6", 1, y);
  TML = button("TML", 2, y);
  y += kRow;
  vergleich = button("vergleich", 0, y);

  y += kRow + 8;
  Label3 = groupLabel("Label3", y);
  y += 22;
  quader = button("quader", 0, y);
  trapez = button("trapez", 1, y);
  pyramide = button("pyramide", 2, y);

  y += kRow + 8;
  Label2 = groupLabel("Label2", y);
  y += 22;
  Tiefpass = button("Tiefpass", 0, y);
  Bandfilter = button("Bandfilter", 1, y);
  Hochpass = button("Hochpass", 2, y);
  y += kRow;
  Impedanz = button("Impedanz", 0, y);
  daempf = button("daempf", 1, y);
  y += kRow;
  Trimode = button("Trimode", 0, y);
  Button8 = button("Button8", 1, y);

  y += kRow + 8;
  Label4 = groupLabel("Label4", y);
  y += 22;
  Button2 = button("Button2", 0, y);
  Button4 = button("Button4", 1, y);
  Button10 = button("Button10", 2, y);
  y += kRow;
  Button_eigenvol = button("Button_eigenvol", 0, y);
  Button1 = button("Button1", 1, y);
  buttonQL = button("buttonQL", 2, y);
  Button11 = button("Button11", 3, y);

  TML->setEnabled(false);
  vergleich->setToolTip(QString::fromUtf8("Simulationsresultate vergleichen"));

  StatusBar1 = new QStatusBar(client_);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setGeometry(0, kClientSize.height() - 19, kClientSize.width(), 19);

  for (QAbstractButton* b : client_->findChildren<QAbstractButton*>()) OnHover(b, [this, b] { ControlMouseMove(b); });

  const auto shows = [this](QAbstractButton* b, void (*action)()) { connect(b, &QAbstractButton::clicked, this, action); };
  shows(SpeedButton1, Opens<forms::assistent>);
  shows(Button3, Opens<forms::options>);
  shows(Auswahl, Opens<forms::wahl>);
  shows(geschl, Opens<forms::closed>);
  shows(Reflexbt, Opens<forms::Reflex>);
  shows(Bandbox, Opens<forms::bandkiste>);
  shows(Button9, Opens<forms::ventpass>);
  shows(Button7, Opens<forms::offen>);
  shows(Button6, Opens<forms::Expo>);
  shows(vergleich, Opens<forms::ResultCompare>);
  shows(quader, Opens<forms::quaderbox>);
  shows(trapez, Opens<forms::trapezbox>);
  shows(pyramide, Opens<forms::pyramidebox>);
  shows(Tiefpass, Opens<forms::TP>);
  shows(Bandfilter, Opens<forms::BP>);
  shows(Hochpass, Opens<forms::HP>);
  shows(Impedanz, Opens<forms::Imp>);
  shows(Trimode, Opens<forms::Tri>);
  shows(Button8, Opens<forms::weiche>);
  shows(Button2, Opens<forms::Druck>);
  shows(Button4, Opens<forms::Durch>);
  shows(Button10, Opens<forms::unitcalc>);
  shows(Button1, Opens<forms::tspara>);
  shows(buttonQL, Opens<forms::QLmess>);
  shows(Button11, Opens<forms::mehrbox>);
  connect(Button5, &QPushButton::clicked, this, [this] { close(); });
  SetCancelAndDefaultButtons(Button5, nullptr);
  connect(Eingabe, &QPushButton::clicked, this, &TForm1::EingabeClick);
  connect(daempf, &QPushButton::clicked, this, &TForm1::daempfClick);
  connect(Button_eigenvol, &QPushButton::clicked, this, &TForm1::Button_eigenvolClick);
  connect(buttonhelp, &QPushButton::clicked, this, &TForm1::buttonhelpClick);
  connect(CheckBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);


  BuildMenu();

  setFixedSize(kNormalOuterSize.width() - kFrameWidth, kNormalOuterSize.height() - kFrameHeight);
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  move(0, 0);
}

void TForm1::BuildMenu() {
  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName("MainMenu1");
  MainMenu1->setGeometry(0, 0, kClientSize.width(), kMenuHeight);
  MainMenu1->setNativeMenuBar(false);

  const auto menu = [this](const char* name) {
    QMenu* m = MainMenu1->addMenu(QString());
    m->setObjectName(name);
    m->menuAction()->setObjectName(QString(name) + "_action");
    return m;
  };
  const auto item = [this](QMenu* m, const char* name, void (*action)() = nullptr,
                           const QKeySequence& keys = QKeySequence()) {
    QAction* a = m->addAction(QString());
    a->setParent(this);
    a->setObjectName(name);
    a->setShortcut(keys);
    if (action) connect(a, &QAction::triggered, this, action);
    return a;
  };

  Eingabe1 = menu("Eingabe1");
  Chassis = item(Eingabe1, "Chassis", Opens<forms::Chassisform>);
  Messen1 = item(Eingabe1, "Messen1", Opens<forms::tspara>, QKeySequence("Ctrl+M"));
  Eigenvolumenberechnen1 = item(Eingabe1, "Eigenvolumenberechnen1");
  Messen2 = item(Eingabe1, "Messen2");
  Messen2->setEnabled(false);
  Eingabe1->addSeparator();
  Druckereinstellung1 = item(Eingabe1, "Druckereinstellung1");
  Optionen1 = item(Eingabe1, "Optionen1", Opens<forms::options>, QKeySequence("Ctrl+O"));
  Eingabe1->addSeparator();
  Programmbeenden1 = item(Eingabe1, "Programmbeenden1");

  Gehuse1 = menu("Gehuse1");
  Gehwahl = item(Gehuse1, "Gehwahl", Opens<forms::wahl>);
  Gehuse1->addSeparator();
  offen1 = item(Gehuse1, "offen1", Opens<forms::offen>);
  geschlossen = item(Gehuse1, "geschlossen", Opens<forms::closed>);
  Bassreflex2 = item(Gehuse1, "Bassreflex2", Opens<forms::Reflex>);
  Bandpass = item(Gehuse1, "Bandpass", Opens<forms::bandkiste>);
  N4 = item(Gehuse1, "N4", Opens<forms::Expo>);
  Transmissionline1 = item(Gehuse1, "Transmissionline1");
  Transmissionline1->setEnabled(false);
  Gehuse1->addSeparator();
  Schalldruck1 = item(Gehuse1, "Schalldruck1", Opens<forms::Druck>);
  minimalerReflexrohrdurchmesser1 =
      item(Gehuse1, "minimalerReflexrohrdurchmesser1", Opens<forms::Durch>);
  Gehuse1->addSeparator();
  VentBandpass1 = item(Gehuse1, "VentBandpass1", Opens<forms::ventpass>);
  VentBandpass1->setText("Vent. Bandpass");

  Gehuse2 = menu("Gehuse2");
  QuaderStandbox1 = item(Gehuse2, "QuaderStandbox1", Opens<forms::quaderbox>);
  TrapezCarSub1 = item(Gehuse2, "TrapezCarSub1", Opens<forms::trapezbox>);
  Pyramide1 = item(Gehuse2, "Pyramide1", Opens<forms::pyramidebox>);
  Gehuse2->addSeparator();
  Verlustfaktormessen1 = item(Gehuse2, "Verlustfaktormessen1", Opens<forms::QLmess>);
  Gehuse2->addSeparator();
  Zusammenschaltung1 = item(Gehuse2, "Zusammenschaltung1", Opens<forms::mehrbox>);

  Filter1 = menu("Filter1");
  Hochpass1 = item(Filter1, "Hochpass1", Opens<forms::HP>);
  Tiefpass1 = item(Filter1, "Tiefpass1", Opens<forms::TP>);
  Bandpass1 = item(Filter1, "Bandpass1", Opens<forms::BP>);
  Filter1->addSeparator();
  TrimodeWeiche1 = item(Filter1, "TrimodeWeiche1", Opens<forms::Tri>);
  Impedanzkorrektur1 = item(Filter1, "Impedanzkorrektur1", Opens<forms::Imp>);
  Dmpfungsglied1 = item(Filter1, "Dmpfungsglied1", Opens<forms::Dampfform>);
  Filter1->addSeparator();
  Gesamtweiche1 = item(Filter1, "Gesamtweiche1");
  Gesamtweiche1->setEnabled(false);

  Hilfe1 = menu("Hilfe1");
  Helpinhalt = item(Hilfe1, "Helpinhalt", nullptr, QKeySequence(Qt::Key_F1));
  Suchen1 = item(Hilfe1, "Suchen1", nullptr, QKeySequence(Qt::Key_F2));
  Hilfebenutzen1 = item(Hilfe1, "Hilfebenutzen1");
  Hilfe1->addSeparator();
  AboutVelomar1 = item(Hilfe1, "AboutVelomar1", Opens<forms::about>);

  Assistent1 = MainMenu1->addAction("Assistent");
  Assistent1->setParent(this);
  Assistent1->setObjectName("Assistent1");
  connect(Assistent1, &QAction::triggered, this, [] { Show(forms::assistent); });

  // Shortcuts work while the menu bar is hidden in compact mode too.
  for (QAction* a : {Messen1, Optionen1, Helpinhalt, Suchen1}) addAction(a);

  connect(Eigenvolumenberechnen1, &QAction::triggered, this, &TForm1::Button_eigenvolClick);
  connect(Druckereinstellung1, &QAction::triggered, this, &TForm1::Druckereinstellung1Click);
  connect(Programmbeenden1, &QAction::triggered, this, [this] { close(); });
  connect(Helpinhalt, &QAction::triggered, this, &TForm1::HelpinhaltClick);
  connect(Suchen1, &QAction::triggered, this, &TForm1::Suchen1Click);
  connect(Hilfebenutzen1, &QAction::triggered, this, &TForm1::Hilfebenutzen1Click);
}

std::span<const UiText> TForm1::Texts() const { return kTexts; }

QSize TForm1::OuterSize() const { return size() + QSize(kFrameWidth, kFrameHeight); }

void TForm1::FormShow() {
  if (reshowingAfterFlagChange_) return;
  StatusBar1->showMessage(QString::fromUtf8(kStatusVersionText));
  setWindowTitle(QString::fromUtf8(kMainCaption));
  LoadDriverAtStartup();
}

void TForm1::EingabeClick() {
  for (QWidget* w : {static_cast<QWidget*>(forms::wahl), static_cast<QWidget*>(forms::closed),
                     static_cast<QWidget*>(forms::Reflex), static_cast<QWidget*>(forms::bandkiste),
                     static_cast<QWidget*>(forms::ventpass), static_cast<QWidget*>(forms::offen)})
    if (w) w->hide();
  Show(forms::Chassisform);
}

void TForm1::daempfClick() {
  QWidget* pad = forms::Dampfform;
  if (!pad) return;
  if (pad->isVisible())
    pad->hide();
  else
    Show(pad);
}

void TForm1::Button_eigenvolClick() {
  DisplacementCaller = 0;
  Show(forms::displacement);
}

void TForm1::buttonhelpClick() {
  platform::Help(this, QString::fromUtf8(kHelpFile), platform::HelpCommand::Topic, "QTX_contents0001");
}

void TForm1::HelpinhaltClick() {
  platform::Help(this, QString::fromUtf8(kHelpFile), platform::HelpCommand::Contents);
}

void TForm1::Suchen1Click() {
  platform::Help(this, QString::fromUtf8(kHelpFile), platform::HelpCommand::PartialKeySearch, QString());
}

void TForm1::Hilfebenutzen1Click() {
  platform::Help(this, QString::fromUtf8(kHelpFile), platform::HelpCommand::HelpOnHelp);
}

void TForm1::Druckereinstellung1Click() { platform::PrinterSetup(this); }

void TForm1::CheckBox1Click() {
  const bool compact = CheckBox1->isChecked();
  const QSize outer = compact ? kCompactOuterSize : kNormalOuterSize;
  // In compact mode the menu bar goes too, so that the check box and the top row of buttons
  // are what remains in view.
  StatusBar1->setVisible(!compact);
  MainMenu1->setVisible(!compact);
  client_->move(0, compact ? 0 : kMenuHeight);
  const bool wasVisible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, compact);
  setFixedSize(outer.width() - kFrameWidth, outer.height() - kFrameHeight);
  // Changing the stay-on-top flag hides the window; showing it again is no new show of the
  // program's main window and must not load the driver from the settings again.
  if (wasVisible) {
    reshowingAfterFlagChange_ = true;
    show();
    reshowingAfterFlagChange_ = false;
  }
}

bool TForm1::FormCloseQuery() {
  if (NoCheckEnd) return true;
  const QString question = QString::fromUtf8(Lang("Programm beenden ?", "end program?"));
  return platform::AskYesNo(this, question) != platform::Answer::No;
}

void TForm1::FormClose() { QApplication::quit(); }

void TForm1::FormMouseMove() { StatusBar1->showMessage(QString::fromUtf8(kStatusVersionText)); }

void TForm1::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove();
  FormBase::mouseMoveEvent(event);
}

void TForm1::ControlMouseMove(QObject* control) {
  const QString name = control->objectName();
  for (const UiText& hint : kHints)
    if (name == QLatin1String(hint.control)) {
      const QString text = QString::fromUtf8(Lang(hint.german, hint.english));
      if (StatusBar1->currentMessage() != text) StatusBar1->showMessage(text);
      return;
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)) FormMouseMove();
  return FormBase::eventFilter(watched, event);
}

}  // namespace velomare

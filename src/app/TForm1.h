#pragma once
// The main window: the hub from which every tool is opened.
#include <QSize>

#include "platform/FormBase.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QToolButton;

namespace velomare {

class TForm1 : public FormBase {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);

  // The window's size with its frame and caption, as the compact mode sets it.
  QSize OuterSize() const;
  static constexpr QSize kNormalOuterSize{582, 559};
  static constexpr QSize kCompactOuterSize{300, 62};
  static constexpr QSize kClientSize{574, 513};

  QToolButton* SpeedButton1;
  QPushButton *Button3, *buttonhelp, *Button5, *Eingabe, *Auswahl, *geschl, *Reflexbt, *Bandbox, *Button9,
      *Button7, *Button6, *TML, *vergleich, *quader, *trapez, *pyramide, *Tiefpass, *Bandfilter, *Hochpass,
      *Impedanz, *daempf, *Trimode, *Button8, *Button2, *Button4, *Button10, *Button_eigenvol, *Button1,
      *buttonQL, *Button11;
  QLabel *Label1, *Label2, *Label3, *Label4;
  QCheckBox* CheckBox1;
  QStatusBar* StatusBar1;
  QMenuBar* MainMenu1;
  QMenu *Eingabe1, *Gehuse1, *Gehuse2, *Filter1, *Hilfe1;
  QAction *Chassis, *Messen1, *Eigenvolumenberechnen1, *Messen2, *Druckereinstellung1, *Optionen1,
      *Programmbeenden1, *Gehwahl, *offen1, *geschlossen, *Bassreflex2, *Bandpass, *N4, *Transmissionline1,
      *Schalldruck1, *minimalerReflexrohrdurchmesser1, *VentBandpass1, *QuaderStandbox1, *TrapezCarSub1,
      *Pyramide1, *Verlustfaktormessen1, *Zusammenschaltung1, *Hochpass1, *Tiefpass1, *Bandpass1,
      *TrimodeWeiche1, *Impedanzkorrektur1, *Dmpfungsglied1, *Gesamtweiche1, *Helpinhalt, *Suchen1,
      *Hilfebenutzen1, *AboutVelomar1, *Assistent1;

  void EingabeClick();
  void daempfClick();
  void Button_eigenvolClick();
  void buttonhelpClick();
  void CheckBox1Click();
  void HelpinhaltClick();
  void Suchen1Click();
  void Hilfebenutzen1Click();
  void Druckereinstellung1Click();
  void FormMouseMove();

 protected:
  std::span<const UiText> Texts() const override;
  void FormShow() override;
  bool FormCloseQuery() override;
  void FormClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void BuildMenu();
  void ControlMouseMove(QObject* control);
  QWidget* client_;
  bool reshowingAfterFlagChange_ = false;
};

}  // namespace velomare

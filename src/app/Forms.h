#pragma once
// The program's windows: one instance of each, created at start-up in a fixed order and alive
// until the program ends. Windows meet by showing and hiding each other through these.
#include <vector>

class QWidget;

namespace velomare {

class TForm1;
class TChassisform;
class Tabout;
class TDampfform;
class Twahl;
class TImp;
class TTri;
class Tclosed;
class TReflex;
class TDurch;
class Tbandkiste;
class Ttspara;
class THP;
class TBP;
class TTP;
class TQLmess;
class TMessenform;
class TDruck;
class Tquaderbox;
class Ttrapezbox;
class Tpyramidebox;
class Tswerte;
class Tgueten;
class TExpo;
class Toffen;
class Tphondb;
class Toptions;
class Tdisplacement;
class Tweiche;
class Tassistent;
class Tventpass;
class Tunitcalc;
class TResultCompare;
class Tmehrbox;
class TTML;

namespace forms {

extern TForm1* Form1;
extern TChassisform* Chassisform;
extern Tabout* about;
extern TDampfform* Dampfform;
extern Twahl* wahl;
extern TImp* Imp;
extern TTri* Tri;
extern Tclosed* closed;
extern TReflex* Reflex;
extern TDurch* Durch;
extern Tbandkiste* bandkiste;
extern Ttspara* tspara;
extern THP* HP;
extern TBP* BP;
extern TTP* TP;
extern TQLmess* QLmess;
extern TMessenform* Messenform;
extern TDruck* Druck;
extern Tquaderbox* quaderbox;
extern Ttrapezbox* trapezbox;
extern Tpyramidebox* pyramidebox;
extern Tswerte* swerte;
extern Tgueten* gueten;
extern TExpo* Expo;
extern Toffen* offen;
extern Tphondb* phondb;
extern Toptions* options;
extern Tdisplacement* displacement;
extern Tweiche* weiche;
extern Tassistent* assistent;
extern Tventpass* ventpass;
extern Tunitcalc* unitcalc;
extern TResultCompare* ResultCompare;
extern Tmehrbox* mehrbox;
extern TTML* TML;

// All windows in the order of their creation.
const std::vector<QWidget*>& All();

}  // namespace forms
}  // namespace velomare

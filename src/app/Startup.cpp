#include "app/Startup.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

#include "app/AllForms.h"
#include "common/Version.h"

namespace velomare {
namespace forms {

TForm1* Form1 = nullptr;
TChassisform* Chassisform = nullptr;
Tabout* about = nullptr;
TDampfform* Dampfform = nullptr;
Twahl* wahl = nullptr;
TImp* Imp = nullptr;
TTri* Tri = nullptr;
Tclosed* closed = nullptr;
TReflex* Reflex = nullptr;
TDurch* Durch = nullptr;
Tbandkiste* bandkiste = nullptr;
Ttspara* tspara = nullptr;
THP* HP = nullptr;
TBP* BP = nullptr;
TTP* TP = nullptr;
TQLmess* QLmess = nullptr;
TMessenform* Messenform = nullptr;
TDruck* Druck = nullptr;
Tquaderbox* quaderbox = nullptr;
Ttrapezbox* trapezbox = nullptr;
Tpyramidebox* pyramidebox = nullptr;
Tswerte* swerte = nullptr;
Tgueten* gueten = nullptr;
TExpo* Expo = nullptr;
Toffen* offen = nullptr;
Tphondb* phondb = nullptr;
Toptions* options = nullptr;
Tdisplacement* displacement = nullptr;
Tweiche* weiche = nullptr;
Tassistent* assistent = nullptr;
Tventpass* ventpass = nullptr;
Tunitcalc* unitcalc = nullptr;
TResultCompare* ResultCompare = nullptr;
Tmehrbox* mehrbox = nullptr;
TTML* TML = nullptr;

namespace {
std::vector<QWidget*> gAll;
}  // namespace

const std::vector<QWidget*>& All() { return gAll; }

}  // namespace forms

namespace {

template <class Form>
void Create(Form*& slot) {
  slot = new Form();
  forms::gAll.push_back(slot);
  // The main window is the one window designed visible: it is shown at the end of its own
  // creation, before any other window exists, and its first show loads the current driver.
  if (forms::gAll.size() == 1) slot->ShowForm();
}

// The windows are drawn in the light scheme's fixed colours: black texts and pens, white brushes
// behind the diagrams' numbers, the grey, white and desktop backgrounds of the colour schemes. A
// dark desktop (Breeze Dark, GNOME's dark style) hands the program a palette with light text
// before the first window exists, and those texts would be white on white. So the program takes
// the standard light palette of Qt's Fusion style, which is what a light desktop shows, with
// every role of every state set: no colour of the desktop's palette shows through, and class
// palettes the desktop set are dropped with it. The desktop's own style may have no light
// palette of its own to give.
void TakeLightPalette() {
  const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
  const QPalette standard = fusion ? fusion->standardPalette() : QApplication::style()->standardPalette();
  QPalette light;
  for (int group = 0; group < QPalette::NColorGroups; ++group) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto g = static_cast<QPalette::ColorGroup>(group);
      const auto r = static_cast<QPalette::ColorRole>(role);
      light.setBrush(g, r, standard.brush(g, r));
    }
  }
  QApplication::setPalette(light);
}

}  // namespace

void CreateForms() {
  QApplication::setApplicationName(QString::fromUtf8(kProgramTitle));
  TakeLightPalette();
  Create<TForm1>(forms::Form1);
  Create<TChassisform>(forms::Chassisform);
  Create<Tabout>(forms::about);
  Create<TDampfform>(forms::Dampfform);
  Create<Twahl>(forms::wahl);
  Create<TImp>(forms::Imp);
  Create<TTri>(forms::Tri);
  Create<Tclosed>(forms::closed);
  Create<TReflex>(forms::Reflex);
  Create<TDurch>(forms::Durch);
  Create<Tbandkiste>(forms::bandkiste);
  Create<Ttspara>(forms::tspara);
  Create<THP>(forms::HP);
  Create<TBP>(forms::BP);
  Create<TTP>(forms::TP);
  Create<TQLmess>(forms::QLmess);
  Create<TMessenform>(forms::Messenform);
  Create<TDruck>(forms::Druck);
  Create<Tquaderbox>(forms::quaderbox);
  Create<Ttrapezbox>(forms::trapezbox);
  Create<Tpyramidebox>(forms::pyramidebox);
  Create<Tswerte>(forms::swerte);
  Create<Tgueten>(forms::gueten);
  Create<TExpo>(forms::Expo);
  Create<Toffen>(forms::offen);
  Create<Tphondb>(forms::phondb);
  Create<Toptions>(forms::options);
  Create<Tdisplacement>(forms::displacement);
  Create<Tweiche>(forms::weiche);
  Create<Tassistent>(forms::assistent);
  Create<Tventpass>(forms::ventpass);
  Create<Tunitcalc>(forms::unitcalc);
  Create<TResultCompare>(forms::ResultCompare);
  Create<Tmehrbox>(forms::mehrbox);
  Create<TTML>(forms::TML);
}

void DestroyForms() {
  for (auto it = forms::gAll.rbegin(); it != forms::gAll.rend(); ++it) delete *it;
  forms::gAll.clear();
  forms::Form1 = nullptr;
  forms::Chassisform = nullptr;
  forms::about = nullptr;
  forms::Dampfform = nullptr;
  forms::wahl = nullptr;
  forms::Imp = nullptr;
  forms::Tri = nullptr;
  forms::closed = nullptr;
  forms::Reflex = nullptr;
  forms::Durch = nullptr;
  forms::bandkiste = nullptr;
  forms::tspara = nullptr;
  forms::HP = nullptr;
  forms::BP = nullptr;
  forms::TP = nullptr;
  forms::QLmess = nullptr;
  forms::Messenform = nullptr;
  forms::Druck = nullptr;
  forms::quaderbox = nullptr;
  forms::trapezbox = nullptr;
  forms::pyramidebox = nullptr;
  forms::swerte = nullptr;
  forms::gueten = nullptr;
  forms::Expo = nullptr;
  forms::offen = nullptr;
  forms::phondb = nullptr;
  forms::options = nullptr;
  forms::displacement = nullptr;
  forms::weiche = nullptr;
  forms::assistent = nullptr;
  forms::ventpass = nullptr;
  forms::unitcalc = nullptr;
  forms::ResultCompare = nullptr;
  forms::mehrbox = nullptr;
  forms::TML = nullptr;
}

}  // namespace velomare

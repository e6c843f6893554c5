// The lists whose choice starts an action (presets, alignments, spectra, the store and export
// lists) act on every choice of the user, the entry already shown included, and never when the
// program sets their entry.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <functional>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "enclosures/model/ComparisonStore.h"
#include "filters/model/PowerEstimate.h"

namespace velomare::test {
namespace {

using ListChoices = WindowsTest;

struct Row {
  const char* name;
  QWidget* window;
  QComboBox* list;
  int entry;
  std::function<void()> undo;      // what the user does between two choices of the entry
  std::function<std::string()> shown;  // what the choice puts on the screen or in the store
};

TEST_F(ListChoices, ChoosingTheEntryShownActsAgainAndSettingItFromCodeDoesNot) {
  const auto text = [](QLineEdit* edit) { return [edit] { return edit->text().toStdString(); }; };
  const auto typeInto = [](QLineEdit* edit) { return [edit] { TypeInto(edit, "77"); }; };
  const auto slot2 = [] { return std::string(ComparisonSlotFilled(2) ? "slot 2 filled" : "slot 2 empty"); };
  const auto emptySlot2 = [] { EmptyComparisonSlot(2); };
  // The settings window saves a new user spectrum: the attenuator reads it at the user's next
  // change but takes it into the estimate only when the user chooses it.
  TDampfform* pad = forms::Dampfform;
  const auto newUserSpectrum = [pad] {
    platform::IniFile ini = OpenSettings();
    for (int band = 1; band <= kBandCount; ++band) ini.WriteString("spectrum", BandHint(band), "0");
    pad->CheckBox1->click();
    pad->CheckBox1->click();
  };
  const auto spectrumInUse = [pad] {
    return std::string(pad->SpectrumPower() == pad->UserSpectrumRead().power ? "the saved spectrum" : "an older one");
  };
  const std::vector<Row> rows = {
      {"band-pass preset", forms::BP, forms::BP->ComboBox1, 3, typeInto(forms::BP->Edit5), text(forms::BP->Edit5)},
      {"vented bandpass preset", forms::ventpass, forms::ventpass->ComboBox1, 0, typeInto(forms::ventpass->Edit1),
       text(forms::ventpass->Edit1)},
      {"bass-reflex alignment", forms::Reflex, forms::Reflex->abstimm, 1, typeInto(forms::Reflex->Edit2),
       text(forms::Reflex->Edit2)},
      {"attenuator spectrum", pad, pad->ComboBox1, 6, newUserSpectrum, spectrumInUse},
      {"closed-box store", forms::closed, forms::closed->exportbox, 1, emptySlot2, slot2},
      {"bass-reflex store", forms::Reflex, forms::Reflex->exportbox, 1, emptySlot2, slot2},
      {"closed bandpass store", forms::bandkiste, forms::bandkiste->exportbox, 1, emptySlot2, slot2},
      {"vented bandpass store", forms::ventpass, forms::ventpass->exportbox, 1, emptySlot2, slot2},
      {"open baffle store", forms::offen, forms::offen->exportbox, 1, emptySlot2, slot2},
  };
  for (const Row& row : rows) {
    ASSERT_TRUE(ShowAndActivate(row.window)) << row.name;
    ChooseItem(row.list, row.entry);
    const std::string chosen = row.shown();
    row.undo();
    const std::string undone = row.shown();
    ASSERT_NE(undone, chosen) << row.name;
    row.list->setCurrentIndex(row.entry == 0 ? 1 : 0);
    row.list->setCurrentIndex(row.entry);
    EXPECT_EQ(row.shown(), undone) << row.name << ": set from code";
    ChooseItem(row.list, row.entry);
    EXPECT_EQ(row.shown(), chosen) << row.name << ": chosen again";
    EXPECT_TRUE(seam.messages.isEmpty()) << row.name << ": " << seam.messages.join('\n').toStdString();
    row.window->hide();
  }
}

}  // namespace
}  // namespace velomare::test

#pragma once
// The settings window: the program options, the language and the colour scheme, saved together
// to the settings file; and the data the simulation windows leave behind (the comparison slots
// and the filter branches), listed, cleared and converted at once. Until the user saves, this
// window alone follows the language and colour chosen here.
#include <string>

#include "platform/FormBase.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace velomare {

class Toptions : public FormBase {
  Q_OBJECT
 public:
  explicit Toptions(QWidget* parent = nullptr);

  QTabWidget* TabbedNotebook1;
  QPushButton *closebut, *Button1, *Button2, *Reset, *Button4, *otherlanguage;
  QRadioButton *radio_de, *radio_en, *RadioKomma, *RadioPunkt, *Farbe1, *Farbe2, *Farbe3;
  QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7, *CheckBox8,
      *CheckBox9, *CheckBox10, *CheckBox11, *CheckBox12, *CheckBox13, *CheckEnde, *CheckBox24, *CheckBox25;
  // The data-set page.
  QCheckBox *CheckBox14, *CheckBox15, *CheckBox16, *CheckBox17;
  QLabel *Label4, *Label5, *Label6, *Label7, *Label3;
  QCheckBox *CheckBox18, *CheckBox19, *CheckBox20, *CheckBox21, *CheckBox22, *CheckBox23;
  QPushButton *Button7, *Button8, *Button9, *Button10, *Button11, *Button12, *Button13, *Button14, *Button15,
      *Button16;

  // The language of this window: the stored one until a language button is clicked.
  const std::string& OptionsLanguage() const { return optionsLanguage_; }
  bool StoredFastFilter() const { return storedFastFilter_; }
  bool StoredAlwaysShowVersion() const { return storedAlwaysShowVersion_; }
  bool StoredNoCheckEnd() const { return storedNoCheckEnd_; }

  void closebutClick();
  void Button1Click();
  void Button2Click();
  void ResetClick();
  void Button4Click();
  void radio_deClick();
  void radio_enClick();
  void ApplyColorScheme();
  void TabbedNotebook1Change();
  void RefreshStoredDataPage();
  void ClearComparisonSlot(int slot);
  void ClearBranch(int branch);    // 0 low pass, 1 band pass, 2 high pass
  void ConvertBranch(int branch);  // to the fast grid

 protected:
  // The language and colour are this window's own, not the file's: no table for the base to
  // apply from the file, and no colour scheme re-read at paint.
  std::span<const UiText> Texts() const override { return {}; }
  void ApplyCustomText(const char* control, const QString& text) override;
  void FormShow() override;

 private:
  // Every control, the language and the colour from the settings file.
  void LoadFromSettings();
  void SetTexts();
  void EnableReset();

  std::string optionsLanguage_ = "deutsch";
  bool storedFastFilter_ = true;
  bool storedAlwaysShowVersion_ = false;
  bool storedNoCheckEnd_ = false;
};

}  // namespace velomare

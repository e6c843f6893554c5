#pragma once
// The settings window: the program options, the language and the colour scheme, saved together
// to the settings file; and the data the simulation windows leave behind (the comparison slots
// and the filter branches), listed, cleared and converted at once. Until the user saves, this
// window alone follows the language and colour chosen here. It also edits the band spectrum
// (with spectrum files) and runs the update check.
#include <string>

#include "common/BandSpectrum.h"
#include "platform/FormBase.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QTimer;

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
  // The spectrum page. The grid's header row is the table's own header, so its rows 0 to 23 are
  // the bands; column 0 names the band, column 1 holds the level as typed.
  QTableWidget* StringGrid1;
  QLabel* Label1;
  QLineEdit* Edit1;
  QPushButton *Button3, *Button6;
  // The update page.
  QLabel *Label11, *Label9, *Label13, *Label10, *Label2;
  QPushButton* Button17;
  QTimer* Timer1;

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

  void Button3Click();  // export the grid's spectrum to a spectrum file
  void Button6Click();  // import a spectrum file into the grid
  // The spectrum as last loaded, imported or taken from the grid.
  const SpectrumTexts& Spectrum() const { return spectrum_; }

  void Button17Click();
  void Label2Click();
  void Timer1Timer();
  // Starts a check unless one is running; it reports when the answer or the time-out comes.
  void CheckForUpdate();
  bool UpdateCheckRunning() const { return updateCheckRunning_; }
  int WebVersionNumberValue() const { return webVersionNumber_; }
  bool LinkHover() const { return linkHover_; }

 protected:
  // The language and colour are this window's own, not the file's: no table for the base to
  // apply from the file, and no colour scheme re-read at paint.
  std::span<const UiText> Texts() const override { return {}; }
  void ApplyCustomText(const char* control, const QString& text) override;
  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // Every control, the language and the colour from the settings file.
  void LoadFromSettings();
  void SetTexts();
  void EnableReset();
  void FillSpectrumGrid();
  // The level texts of the grid, an edit still open included.
  std::array<std::string, kSpectrumBandCount> GridLevels();
  void FinishUpdateCheck(const std::string& fetched, bool showMessages);
  void SetLinkHover(bool hover, bool resetHover = true);

  std::string optionsLanguage_ = "deutsch";
  bool storedFastFilter_ = true;
  bool storedAlwaysShowVersion_ = false;
  bool storedNoCheckEnd_ = false;
  SpectrumTexts spectrum_ = DanceSpectrum();
  std::string installedVersionText_;
  std::string webVersionText_ = "?";
  int webVersionNumber_ = 0;
  bool updateCheckRunning_ = false;
  bool linkHover_ = false;
  int linkHoverTicks_ = 0;
};

}  // namespace velomare

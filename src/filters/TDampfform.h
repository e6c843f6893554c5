#pragma once
// The attenuator window: the pad that lowers a loudspeaker's level in its lower half, the
// estimate of the power that reaches the loudspeaker behind a crossover branch in its upper half.
// The numbers are the models' (filters/model/AttenuatorPad.h, filters/model/PowerEstimate.h); the
// user spectrum is exchanged with the settings window through the section "spectrum" only.
#include <array>
#include <span>

#include "filters/model/PowerEstimate.h"
#include "platform/BarGauge.h"
#include "platform/FormBase.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace velomare {

// The two pad circuits side by side: R1 in series with R2 across a loudspeaker, and R3 alone in
// series with a loudspeaker.
class PadCircuitPicture : public QWidget {
 public:
  explicit PadCircuitPicture(QWidget* parent = nullptr) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class TDampfform : public FormBase {
  Q_OBJECT
 public:
  explicit TDampfform(QWidget* parent = nullptr);

  // The estimate.
  QGroupBox* GroupBox1;
  QLabel* Label11;
  QLineEdit* Edit3;
  QGroupBox *GroupHP, *GroupTP;
  QRadioButton *RadioHP1, *RadioHP2, *RadioHP3, *RadioHP4, *RadioHP5;
  QRadioButton *RadioTP1, *RadioTP2, *RadioTP3, *RadioTP4, *RadioTP5;
  QScrollBar *ScrollBar3, *ScrollBar2;
  QLabel *fgu, *fgo;
  QCheckBox* CheckBox1;
  QComboBox* ComboBox1;
  QLabel* Label29;
  std::array<BarGauge*, kBandCount> spec{};  // spec1 to spec24
  QLabel *Label12, *Label13, *Label14, *Label15, *Label16;
  std::array<QLabel*, 12> axisLabels{};  // Label17 to Label28
  // The pad.
  QFrame* Panel1;
  QLabel *Label1, *Label2;
  QLineEdit *Edit1, *Edit2;
  QPushButton* Button4;
  QLabel* Label3;
  QScrollBar* ScrollBar1;
  PadCircuitPicture* Image1;
  QLabel *Label4, *Label5, *Label6, *Label30, *Label10, *Label8;
  QLabel *Label7, *Label9;
  BarGauge *Gauge1, *Gauge3;
  QPushButton *Button1, *Button2, *Button3;

  // The entry of the spectrum list in use (0 to 6) and the estimate last shown.
  int SpectrumChoice() const { return spectrumChoice_; }
  double EstimatedPower() const { return estimatedPower_; }
  const BandValues& SpectrumPower() const { return spectrumPower_; }
  const UserSpectrum& UserSpectrumRead() const { return userSpectrum_; }

  void ComputeLPad();
  void EstimatePower();
  void ShowSpectrumBars();
  void LoadSpectrum();
  void SaveSpectrum();
  // What the window does whenever it is shown, activated or changed: the language and the user
  // spectrum read afresh, the pad and the estimate computed, the texts, entry 6 and the chosen
  // entry written. It never applies a spectrum.
  void RefreshFromSettings();

  void Edit1Change() { PadInputChange(); }
  void Edit2Change() { PadInputChange(); }
  void ScrollBar1Change() { PadInputChange(); }
  void Edit3Change() { EstimateInputChange(); }
  // The radio buttons of both filter groups.
  void FilterClick() { EstimateInputChange(); }
  void ScrollBar3Change();
  void ScrollBar2Change();
  void CheckBox1Click();
  // The user's choice in the spectrum list, also of the entry already shown.
  void ComboBox1Change(int entry);
  void Label29Click();
  void Button4Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void GroupBox1Click() {}

 protected:
  std::span<const UiText> Texts() const override;
  void FormShow() override;
  void FormActivate() override;
  void FormClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PadInputChange();
  void EstimateInputChange();
  void InitSpectrum();
  void SelectSpectrumChoice();
  void SetComboItem(int entry, const QString& text);
  int HighPassOrder() const;
  int LowPassOrder() const;

  int spectrumChoice_ = kDefaultSpectrumEntry;
  BandValues spectrumPower_{};
  UserSpectrum userSpectrum_;
  double estimatedPower_ = 0;
  EstimateResult estimate_;
  bool refreshing_ = false;
};

}  // namespace velomare

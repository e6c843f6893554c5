#pragma once
// A driver's Thiele-Small parameters worked out from impedance readings: the DC resistance, the
// free-air resonance with its peak and the two frequencies either side of it at the geometric
// mean of resistance and peak, one reading for the inductance, the membrane diameter, and Vas
// either from an added mass or from a closed box of known volume.
//
// Each edit's text is taken by its own acceptance rule when it changes, and some rules compare
// with values taken before (f1 and f2 with fs, ZL with fL, Zc with Re), so the order in which the
// user fills the edits matters. The computation turns the stored values into finished label
// texts; the window only moves texts.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velomare {

// The edits in the order in which a refresh takes them again.
enum class TspEdit {
  Re,            // ohm
  Fs,            // Hz
  Zmax,          // ohm, the peak at fs
  F1,            // Hz, below fs
  F2,            // Hz, above fs
  FL,            // kHz, where the inductance is read
  ZL,            // ohm at fL
  Diameter,      // cm, membrane plus two thirds of the surround
  Fc,            // Hz, the new resonance with the added mass or on the closed box
  AddedMass,     // g
  BoxVolume,     // litres
  Zc,            // ohm, the peak on the closed box
  F1c,           // Hz
  F2c,           // Hz
  Displacement,  // litres, the driver's own volume
  Manufacturer,
  Model,
};
inline constexpr std::size_t kTspEditCount = 17;
using TspEditTexts = std::array<std::string, kTspEditCount>;

enum class TspMethod { AddedMass, ClosedBox };

// Every label text of one computation, and whether apply is possible.
struct TspReadouts {
  // Right-hand panel.
  std::string qts, qms, qes, vas, fs, re, impedance, le, spl;
  // Lower panel.
  std::string sd, ebp, mms, cmes, bxl, cms, rms;
  // Captions of the f1 and f2 edits, with the level at which to read them.
  std::string f1Caption, f2Caption;
  // The names as the edits must show them (cut to 30 characters).
  std::string manufacturer, model;
  bool applyEnabled = false;
};

class TspMeasurement {
 public:
  // Stores one edit's value by its acceptance rule; true when the text was a number in range
  // (for the Zc edit, the box level captions change only then). The diameter edit writes
  // WorkDia and the displacement edit WorkVol, program-wide.
  bool Take(TspEdit edit, std::string_view text);

  // Every stored value back to 0 (the added mass and the box volume too), then each edit taken
  // again in order: the stored values become what the edits show, as if typed afresh.
  void TakeAll(const TspEditTexts& texts);

  void SetMethod(TspMethod method) { method_ = method; }
  TspMethod Method() const { return method_; }

  // Recomputes every result from the stored values and returns the texts in the current language.
  TspReadouts ComputeTspFromImpedance();

  // The captions of the f1c and f2c edits with the level at which to read them on the closed box.
  struct BoxLevelCaptions {
    std::string f1, f2;
  };
  // Nothing while no Zc is stored.
  std::optional<BoxLevelCaptions> BoxLevel() const;

  // Hands the results to the current driver when the last computation allowed it; false
  // otherwise. The inductance is handed over only while it is shown.
  bool CommitToDriver() const;

  // Stored values and results, for the tests and the commit.
  struct Values {
    double re = 0, fs = 0, zmax = 0, f1 = 0, f2 = 0, fL = 0, zl = 0, sd = 0, fc = 0, addedMass = 0, boxVolume = 0,
           zc = 0, f1c = 0, f2c = 0;
    double z = 0;  // nominal impedance
    double le = 0, qms = 0, qts = 0, qes = 0, ebp = 0, cmes = 0, bxl = 0, spl = 0, vas = 0, mms = 0, cms = 0,
           rms = 0, qmc = 0, qec = 0;
  };
  const Values& Stored() const { return v_; }

 private:
  void DeltaMassMethod();
  void ClosedVolumeMethod();

  Values v_;
  std::string manufacturer_, model_;
  enum class FsTaken { NotANumber, OutOfRange, Accepted } fsTaken_ = FsTaken::NotANumber;
  bool diameterAccepted_ = false;
  bool leShown_ = false;
  bool applyEnabled_ = false;
  TspMethod method_ = TspMethod::AddedMass;
};

}  // namespace velomare

#pragma once
// The unit converter's four groups: a value typed in one source unit gives the texts of every
// other unit of its group. Each text is "=" followed by the number in fixed-point notation with
// a decimal point (in both languages) and its unit; the number of decimals belongs to the label
// and the source together, not to the unit alone.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velomare {

// The source units of each group, in the order the window's radio buttons are tested.
enum class LengthUnit { Millimetre, Centimetre, Metre, Inch, FootInch };
enum class AreaUnit { SquareMillimetre, SquareCentimetre, SquareMetre, SquareInch, SquareFoot };
// The seven US measures are outputs only; they are never a source.
enum class VolumeUnit { CubicMillimetre, CubicCentimetre, Litre, CubicMetre, CubicInch, CubicFoot };
enum class MassUnit { Gram, Kilogram, Ounce, Pound };

struct LengthTexts {
  bool valid = false;
  std::array<std::string, 4> labels;  // Label1 .. Label4
  // The feet-and-inches read-out: whether it shows, and its new text (nothing: keep the text).
  bool feetInchesVisible = false;
  std::optional<std::string> feetInches;
};

struct AreaTexts {
  bool valid = false;
  std::array<std::string, 4> labels;  // Label5 .. Label8
};

struct VolumeTexts {
  bool valid = false;
  // Label12 .. Label16 (metric and imperial), then Label17 .. Label23 (the US measures).
  std::array<std::string, 12> labels;
};

struct MassTexts {
  bool valid = false;
  std::array<std::string, 3> labels;  // Label9 .. Label11
};

// A group is valid when its value is above 0 (and finite); an invalid group shows "?" in every
// label. The length group also takes the inches, which must lie in [0, 12) whatever the source;
// with the foot / inch source `value` is the feet. An invalid length group hides the feet-and-
// inches read-out, so that no stale result stands beside the "?".
LengthTexts ConvertLength(double value, double inches, LengthUnit source);
AreaTexts ConvertArea(double value, AreaUnit source);
VolumeTexts ConvertVolume(double value, VolumeUnit source);
MassTexts ConvertMass(double value, MassUnit source);

// Every text each result label shows for the largest input up to a bound, typed in each source
// unit of its group, label by label: what a result column must hold whole. The bound is in
// metres, square metres, cubic metres or kilograms. The length group's fifth entry is the
// feet-and-inches read-out.
template <std::size_t Labels>
using TextsUpTo = std::array<std::vector<std::string>, Labels>;
TextsUpTo<5> LengthTextsUpTo(double metres);
TextsUpTo<4> AreaTextsUpTo(double squareMetres);
TextsUpTo<12> VolumeTextsUpTo(double cubicMetres);
TextsUpTo<3> MassTextsUpTo(double kilograms);

// The feet-and-inches read-out for a length in feet: hidden below 1 ft (text kept); otherwise
// "=<feet>ft <inches>in", where inches from 11.5 on carry into the next foot.
void FeetAndInches(double feet, LengthTexts& texts);

// `value` in fixed-point notation with `decimals` decimals and a decimal point, rounded to the
// nearest; a value exactly halfway rounds away from zero (2.5 mm shows as 3 mm). "?" for a value
// that is not finite.
std::string FixedText(double value, int decimals);

}  // namespace velomare

#pragma once
// Number texts as the user types them and as the windows show them. Every routine works the
// same whatever the system locale: both "," and "." are accepted as decimal separator on input,
// and formatting always produces a decimal point (DotToComma turns it into a comma for display).
#include <string>
#include <string_view>

namespace velomare {

// -1 when the text is an optional "-", digits and at most one separator ("," or "."), at least
// one digit and nothing else; 0 otherwise. A text of three or more characters that starts with
// "0" must have the separator as its second character ("007" is refused, "-007" is not).
int IsNumberText(std::string_view text);

// The value of a number text. The last "," or "." is the decimal point. Digits are summed
// exactly and rounded once. Every character other than "1".."9" is a zero digit that still takes
// a place ("1,234.5" reads 10234.5), and digits from the 10^18 place upwards or from the 18th
// decimal on weigh 1 each: callers test IsNumberText first.
double TextToFloat(std::string_view text);

// The convention of every number field: TextToFloat when IsNumberText accepts the text, else 0.
double ReadNumber(std::string_view text);

std::string DotToComma(std::string_view text);
double Pow10(int n);     // 10^n for 1 <= n <= 17, else 1.0
double Pow10Neg(int n);  // 10^-n for 1 <= n <= 17, else 1.0
int DigitValue(char c);  // "1".."9" give 1..9, every other character 0
double PowerXY(double x, double y);  // exp(y ln x); 0 for x <= 0 or a non-finite result

// Fixed-point text with at least `width` characters (blanks on the left) and `decimals`
// decimals, always with a decimal point: FormatFixed(0.41, 2, 3) is "0.410", FormatFixed(8, 2, 0)
// is " 8". A value that is not finite gives "?" so that no "nan" or "inf" reaches the user.
std::string FormatFixed(double value, int width, int decimals);

// FormatFixed with a decimal comma.
std::string FormatFixedComma(double value, int width, int decimals);

// Plain decimal text with at most `significant` significant digits, no trailing zeros and never
// an exponent (1e-6 gives "0.000001"), with the given decimal separator. Used where numbers are
// stored in files and read back, so the text is never cut. A value that is not finite gives "0".
std::string FormatPlain(double value, int significant, char separator = '.');

// Cuts a formatted number to at most `maxChars` characters by dropping decimals only; the
// integer part is never cut, and a separator left at the end goes too.
std::string CutDecimals(std::string_view text, std::size_t maxChars);

// Trunc: toward zero, as an int; clamped to +-10^9 first, and 0 for a value that is not finite,
// so that no conversion overflows.
int TruncToInt(double value);

}  // namespace velomare

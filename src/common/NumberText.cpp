#include "common/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace velomare {

int IsNumberText(std::string_view text) {
  const std::size_t len = text.size();
  if (len == 0) return 0;
  std::size_t start = (text[0] == '-') ? 1 : 0;
  int digits = 0, separators = 0, others = 0;
  for (std::size_t i = start; i < len; ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9')
      ++digits;
    else if (c == ',' || c == '.')
      ++separators;
    else
      ++others;
  }
  if (digits < 1 || separators > 1 || others > 0) return 0;
  if (len >= 3 && text[0] == '0' && text[1] != ',' && text[1] != '.') return 0;
  return -1;
}

int DigitValue(char c) { return (c >= '1' && c <= '9') ? c - '0' : 0; }

double Pow10(int n) {
  double v = 1.0;
  if (n >= 1 && n <= 17)
    for (int i = 0; i < n; ++i) v *= 10.0;
  return v;
}

double Pow10Neg(int n) {
  double v = 1.0;
  if (n >= 1 && n <= 17)
    for (int i = 0; i < n; ++i) v /= 10.0;
  return v;
}

double PowerXY(double x, double y) {
  if (!(x > 0.0) || !std::isfinite(x) || !std::isfinite(y)) return 0.0;
  const double r = std::exp(y * std::log(x));
  return std::isfinite(r) ? r : 0.0;
}

double TextToFloat(std::string_view text) {
  bool negative = false;
  if (!text.empty() && text[0] == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  const std::size_t len = text.size();
  if (len == 0) return 0.0;

  std::size_t point = len;  // 0-based position of the decimal point; len when there is none
  for (std::size_t i = len; i-- > 0;)
    if (text[i] == ',' || text[i] == '.') {
      point = i;
      break;
    }

  // Places 10^0 .. 10^17 and 10^-1 .. 10^-17 are summed exactly as decimal digits; every digit
  // outside them adds its value to the units place. The sum is kept as a decimal digit string and
  // converted once, so the result is the double nearest to the exact value.
  // Integer places little-endian; the out-of-range digits' sum has at most 20 digits, so 21
  // places always hold the total.
  int integer[21] = {};
  int fracPlaces[17] = {};
  std::uint64_t carryUnits = 0;
  for (std::size_t i = 0; i < point; ++i) {
    const std::size_t exponent = point - i - 1;
    const int d = DigitValue(text[i]);
    if (exponent <= 17)
      integer[exponent] = d;
    else
      carryUnits += static_cast<std::uint64_t>(d);
  }
  for (std::size_t i = point + 1, k = 1; i < len; ++i, ++k) {
    const int d = DigitValue(text[i]);
    if (k <= 17)
      fracPlaces[k - 1] = d;
    else
      carryUnits += static_cast<std::uint64_t>(d);
  }

  // The out-of-range digits are added in. Places above the text's own digits are zero; the
  // carry may reach further.
  std::size_t used = std::clamp<std::size_t>(point, 1, 18);
  std::uint64_t carry = carryUnits;
  for (std::size_t place = 0; carry != 0; ++place) {
    const std::uint64_t sum = static_cast<std::uint64_t>(integer[place]) + carry;
    integer[place] = static_cast<int>(sum % 10);
    carry = sum / 10;
    used = std::max(used, place + 1);
  }

  // Leading and trailing zeros are left out: they change nothing, and without them the
  // conversion mostly takes its fast path.
  while (used > 1 && integer[used - 1] == 0) --used;
  std::size_t fraction = point < len ? std::min<std::size_t>(len - point - 1, 17) : 0;
  while (fraction > 0 && fracPlaces[fraction - 1] == 0) --fraction;
  char digits[21 + 1 + 17];
  std::size_t n = 0;
  for (std::size_t i = used; i-- > 0;) digits[n++] = static_cast<char>('0' + integer[i]);
  if (fraction > 0) digits[n++] = '.';
  for (std::size_t k = 0; k < fraction; ++k) digits[n++] = static_cast<char>('0' + fracPlaces[k]);

  double value = 0.0;
  std::from_chars(digits, digits + n, value, std::chars_format::fixed);
  return negative ? value * -1.0 : value;
}

double ReadNumber(std::string_view text) { return IsNumberText(text) ? TextToFloat(text) : 0.0; }

std::string DotToComma(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '.') c = ',';
  return out;
}

std::string FormatFixed(double value, int width, int decimals) {
  if (!std::isfinite(value)) return "?";
  if (decimals < 0) decimals = 0;
  if (decimals > 30) decimals = 30;
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  if (text.size() < static_cast<std::size_t>(width > 0 ? width : 0))
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

std::string FormatFixedComma(double value, int width, int decimals) {
  return DotToComma(FormatFixed(value, width, decimals));
}

std::string FormatPlain(double value, int significant, char separator) {
  if (!std::isfinite(value)) return "0";
  if (significant < 1) significant = 1;
  if (significant > 17) significant = 17;
  if (value == 0.0) return "0";
  // Round to the wanted significant digits first, then lay the digits out without an exponent.
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                              significant - 1);
  std::string sci(buffer, result.ptr);
  const std::size_t ePos = sci.find('e');
  int exponent = 0;
  std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exponent);
  std::string mantissa = sci.substr(0, ePos);
  bool negative = false;
  if (!mantissa.empty() && mantissa[0] == '-') {
    negative = true;
    mantissa.erase(0, 1);
  }
  std::string digits;
  for (char c : mantissa)
    if (c != '.') digits.push_back(c);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out;
  const int pointAfter = exponent + 1;  // digits before the decimal point
  if (pointAfter <= 0) {
    out = "0";
    out.push_back(separator);
    out.append(static_cast<std::size_t>(-pointAfter), '0');
    out += digits;
  } else if (static_cast<std::size_t>(pointAfter) >= digits.size()) {
    out = digits;
    out.append(static_cast<std::size_t>(pointAfter) - digits.size(), '0');
  } else {
    out = digits.substr(0, static_cast<std::size_t>(pointAfter));
    out.push_back(separator);
    out += digits.substr(static_cast<std::size_t>(pointAfter));
  }
  return negative ? "-" + out : out;
}

std::string CutDecimals(std::string_view text, std::size_t maxChars) {
  std::string out(text);
  if (out.size() <= maxChars) return out;
  const std::size_t point = out.find_first_of(".,");
  if (point == std::string::npos) return out;
  const std::size_t keep = std::max(maxChars, point);
  out.resize(keep);
  if (!out.empty() && (out.back() == '.' || out.back() == ',')) out.pop_back();
  return out;
}

int TruncToInt(double value) {
  constexpr double kLimit = 1e9;
  if (!std::isfinite(value)) return 0;
  if (value > kLimit) return static_cast<int>(kLimit);
  if (value < -kLimit) return -static_cast<int>(kLimit);
  return static_cast<int>(value);
}

}  // namespace velomare

#include "editor/numeric.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tvk {

int RoundHalfEven(double value) {
  // Far-off values (a typed "1e99", a cursor miles off the grid) stay representable.
  constexpr double kLimit = 1.0e9;
  if (!(value > -kLimit)) return static_cast<int>(-kLimit);
  if (value > kLimit) return static_cast<int>(kLimit);
  const double lower = std::floor(value);
  const double fraction = value - lower;
  double result = lower;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) result = lower + 1.0;
  return static_cast<int>(result);
}

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Length of the digit run starting at pos.
size_t DigitsAt(std::string_view text, size_t pos) {
  size_t n = 0;
  while (pos + n < text.size() && IsDigit(text[pos + n])) ++n;
  return n;
}

}  // namespace

double NumericValue(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
  const size_t begin = pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  size_t mantissa = DigitsAt(text, pos);
  pos += mantissa;
  if (pos < text.size() && text[pos] == '.') {
    const size_t fraction = DigitsAt(text, pos + 1);
    mantissa += fraction;
    pos += 1 + fraction;
  }
  if (mantissa == 0) return 0.0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    size_t exp = pos + 1;
    if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
    const size_t digits = DigitsAt(text, exp);
    if (digits > 0) pos = exp + digits;
  }
  const std::string number(text.substr(begin, pos - begin));
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}

}  // namespace tvk

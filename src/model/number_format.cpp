#include "model/number_format.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace tvk {

namespace {

// Rounds the digits of a plain decimal text ("-12.3456") to `decimals` places, halves
// away from zero.
std::string RoundDecimalText(std::string_view text, int decimals) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const size_t point = text.find('.');
  std::string whole(text.substr(0, point));
  std::string fraction = point == std::string_view::npos ? std::string() : std::string(text.substr(point + 1));
  const auto keep = static_cast<size_t>(decimals);
  const bool roundUp = fraction.size() > keep && fraction[keep] >= '5';
  fraction.resize(keep, '0');
  std::string digits = whole + fraction;
  if (roundUp) {
    size_t k = digits.size();
    while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
    if (k == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[k - 1];
    }
  }
  std::string result = digits.substr(0, digits.size() - keep);
  if (keep > 0) result += "." + digits.substr(digits.size() - keep);
  const bool zero = result.find_first_not_of("0.") == std::string::npos;
  return negative && !zero ? "-" + result : result;
}

template <class T>
std::string Format(T value, int decimals) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "Infinity" : "-Infinity");
  char buf[512];
  // Shortest text that reads back as the same value, in plain notation.
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  return RoundDecimalText(std::string_view(buf, static_cast<size_t>(end - buf)), decimals);
}

}  // namespace

std::string FormatFixed(double value, int decimals) { return Format(value, decimals); }

std::string FormatFixed(float value, int decimals) { return Format(value, decimals); }

}  // namespace tvk

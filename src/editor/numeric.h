#pragma once
// Numbers read from the canvas and from the user's text boxes.

#include <string_view>

namespace tvk {

// Nearest integer, halves going to the even integer (2.5 -> 2, 3.5 -> 4); values
// beyond +-1e9 (and NaN) are clamped to that range.
int RoundHalfEven(double value);

// Numeric value of the leading number in a text box ("1.5%" -> 1.5, "12ab" -> 12);
// a text that does not start with a number gives 0.
double NumericValue(std::string_view text);

}  // namespace tvk

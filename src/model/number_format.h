#pragma once
// Fixed-decimal number texts ("#0.0", "#0.00", "#0.000").
//
// A value is rounded as it reads in decimal, halves away from zero: a single-precision
// 1.145 (stored as 1.14499998…) prints "1.15" at two decimals, as a designer reading
// the number expects, not "1.14" as rounding the binary value would give.

#include <string>

namespace tvk {

std::string FormatFixed(double value, int decimals);
std::string FormatFixed(float value, int decimals);

}  // namespace tvk

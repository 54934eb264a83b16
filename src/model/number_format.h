#pragma once
// Fixed-decimal number texts ("#0.0", "#0.00", "#0.000"), rounding halves away from zero.

#include <string>

namespace tvk {

std::string FormatFixed(double value, int decimals);

}  // namespace tvk

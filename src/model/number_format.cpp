#include "model/number_format.h"

#include <cmath>
#include <cstdio>

namespace tvk {

std::string FormatFixed(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(value * scale) / scale;
  if (rounded == 0.0) rounded = 0.0;  // no "-0.00"
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, rounded);
  return buf;
}

}  // namespace tvk

#include "engine/quasi_texts.h"

#include <cmath>

#include "engine/quasi_walls.h"
#include "model/number_format.h"

namespace tvk {

std::string QuasiMultiplierText(double m) {
  // The tolerance keeps an m that is exactly 0.5 in decimals from printing 0.49.
  return FormatFixed(std::floor(m * 100 + 1e-9) / 100, 2);
}

std::string QuasiHeightsText(const QuasiWall& w) {
  if (w.kind == QuasiKind::Full) return std::to_string(w.topMm);
  return std::to_string(w.topMm) + "+" + std::to_string(w.bottomMm);
}

std::string QuasiArithmetic(const QuasiWall& w) {
  std::string text = FormatFixed(w.m0, 1) + (w.lath ? "" : "×0.6") + "×" + std::to_string(w.hsMm) + "/";
  if (!w.m) return text + "H0";
  return text + std::to_string(*w.h0Mm) + " = " + QuasiMultiplierText(*w.m);
}

}  // namespace tvk

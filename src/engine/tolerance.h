#pragma once

namespace tvk {

// Tolerance of the grade thresholds and of the span inverse ratios.
constexpr double kEps = 1e-6;

}  // namespace tvk

#pragma once
// Defaults for new buildings and the figure label sizes (the 76-byte default file).

#include <array>
#include <cstdint>

namespace tvk {

struct DefaultSettings {
  int32_t DefLineStyleX = 1;
  int32_t DefLineStyleY = 1;
  int32_t DefLineStartX = 1;
  int32_t DefLineStartY = 1;
  int32_t DefLineReverseX = 0;
  int32_t DefLineReverseY = 0;
  int32_t DefLMethod = 0;
  int32_t DefIgnoreCrossBeam = 0;
  int32_t DefNoCrossBeamWarning = 0;
  int32_t DefNoTransmitMissingColumn = 0;
  // Label sizes in points: plan hardware, plan wall multiplier,
  // elevation hardware, elevation wall multiplier.
  std::array<int32_t, 4> FigureFontSize{7, 7, 7, 7};
  std::array<int32_t, 5> Reserved{};

  // Label size k (0..3) as the figures use it: a stored 0 means 7.
  int32_t figureFontSize(int k) const;
};

enum FigureFont { kPlanHardwareFont = 0, kPlanMultiplierFont = 1, kFrameHardwareFont = 2, kFrameMultiplierFont = 3 };

}  // namespace tvk

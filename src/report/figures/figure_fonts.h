#pragma once
// Label sizes of the plan and elevation figures, in points.

namespace tvk {

struct DefaultSettings;

struct FigureFonts {
  int planHardware = 7;
  int planMultiplier = 7;
  int frameHardware = 7;
  int frameMultiplier = 7;

  // The sizes as the settings hold them (a stored 0 means 7).
  static FigureFonts FromDefaults(const DefaultSettings& defaults);
};

}  // namespace tvk

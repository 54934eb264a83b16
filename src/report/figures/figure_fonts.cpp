#include "report/figures/figure_fonts.h"

#include "model/default_settings.h"

namespace tvk {

FigureFonts FigureFonts::FromDefaults(const DefaultSettings& defaults) {
  FigureFonts fonts;
  fonts.planHardware = defaults.figureFontSize(kPlanHardwareFont);
  fonts.planMultiplier = defaults.figureFontSize(kPlanMultiplierFont);
  fonts.frameHardware = defaults.figureFontSize(kFrameHardwareFont);
  fonts.frameMultiplier = defaults.figureFontSize(kFrameMultiplierFont);
  return fonts;
}

}  // namespace tvk

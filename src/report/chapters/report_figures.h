#pragma once
// The figure chapters of the report (1.5 bearing-wall plans, 2.1 hardware plans, 2.2 frame
// elevations) in the form the composer takes them.

#include "report/chapters/report_composer.h"
#include "report/figures/figure_fonts.h"

namespace tvk {

FigureChapters ReportFigureChapters(const FigureFonts& fonts);

}  // namespace tvk

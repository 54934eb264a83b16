#include "report/chapters/report_figures.h"

#include "report/figures/elevation_figures.h"
#include "report/figures/plan_figures.h"

namespace tvk {

FigureChapters ReportFigureChapters(const FigureFonts& fonts) {
  FigureChapters chapters;
  chapters.fonts = fonts;
  chapters.wallPlans = [fonts](PageSurface& surface, const Building& building, const CalcResults& results, double y) {
    return DrawPlanChapter(surface, building, results, PlanKind::BearingWall, y, fonts);
  };
  chapters.hardwarePlans = [fonts](PageSurface& surface, const Building& building, const CalcResults& results,
                                   double y) {
    return DrawPlanChapter(surface, building, results, PlanKind::Hardware, y, fonts);
  };
  chapters.frames = [fonts](PageSurface& surface, const Building& building, const CalcResults& results, double y) {
    return DrawElevationChapter(surface, building, results, y, fonts);
  };
  return chapters;
}

}  // namespace tvk

#include "report/chapters/report_figures.h"

#include "report/figures/elevation_figures.h"
#include "report/figures/plan_figures.h"

namespace tvk {

FigureChapters ReportFigureChapters(const FigureFonts& fonts) {
  FigureChapters chapters;
  chapters.fonts = fonts;
  chapters.wallPlans = [fonts](PageSurface& surface, const Building& building, double y) {
    return DrawPlanChapter(surface, building, PlanKind::BearingWall, y, fonts);
  };
  chapters.hardwarePlans = [fonts](PageSurface& surface, const Building& building, double y) {
    return DrawPlanChapter(surface, building, PlanKind::Hardware, y, fonts);
  };
  chapters.frames = [fonts](PageSurface& surface, const Building& building, double y) {
    return DrawElevationChapter(surface, building, y, fonts);
  };
  return chapters;
}

}  // namespace tvk

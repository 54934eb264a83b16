#pragma once
// Frame elevations: the report's chapter 2.2 and the page of the frame elevation window.

#include <QString>

#include "report/figures/elevation_layers.h"

namespace tvk {

class Building;
class CalcResults;
class PageSurface;

inline constexpr const char* kFramesIntro = "耐力壁がある軸組を以下に示す。";
inline constexpr const char* kFramesNote = "(グレーは面材。土台は耐力壁がある場合のみ表示。)";

// Chapter 2.2 below its heading: the introductory line at y, then every frame with bearing
// walls (X lines, then Y lines), 6 a page for one storey and 4 for two. Returns the y below
// the last frame.
double DrawElevationChapter(PageSurface& surface, const Building& building, const CalcResults& results, double y,
                            const FigureFonts& fonts);

// One report frame with its title at titleY; returns the page y of its foot.
double DrawReportFrame(PageSurface& surface, const Building& building, const FrameRef& frame, int number, double titleY,
                       const FigureFonts& fonts);

// Name of the frame's grid line ("X1", "い", ...).
QString FrameLineName(const Building& building, const FrameRef& frame);

// The frame elevation window's page: a one-page document, A4 landscape, with the page header
// and the frame fitted to the page.
void DrawElevationWindowPage(PageSurface& surface, const Building& building, const FrameRef& frame,
                             const FigureFonts& fonts);

}  // namespace tvk

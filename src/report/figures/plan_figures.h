#pragma once
// One plan per storey for the report's bearing-wall plans (chapter 1.5) and hardware plans
// (chapter 2.1).

#include <QString>

#include "report/figures/plan_layers.h"
#include "report/figures/plan_legend.h"

namespace tvk {

class Building;
class CalcResults;
class PageSurface;
struct CharMetrics;

// Draws the plans of every storey: storey 1 from chapterY on the current page, every further
// storey on a new page at the same place. Returns the y below the last legend.
double DrawPlanChapter(PageSurface& surface, const Building& building, const CalcResults& results, PlanKind kind,
                       double chapterY, const FigureFonts& fonts);

// The plan of one storey on the current page; returns the y below its legend.
double DrawPlanPage(PageSurface& surface, const Building& building, const CalcResults& results, PlanKind kind,
                    int storey, double chapterY, const FigureFonts& fonts);

// Where the legend under a plan starts: 11 character widths in, 3.5 line pitches below
// the bottom of the plan's square.
LegendFrame PlanLegendFrame(double chapterY, double printableWidth, const CharMetrics& body);

// Title of a storey's plan, e.g. "(1) 1 階金物伏図".
QString PlanTitle(PlanKind kind, int storey);

}  // namespace tvk

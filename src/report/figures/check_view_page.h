#pragma once
// The storey-2 N-transmission check page: the storey-2 plan with the storey-1 columns, the
// storey-2 floor beams and braces, and the storey-2 columns whose pull-out does not reach a
// storey-1 column drawn in red.

#include <QString>

namespace tvk {

class Building;
class CalcResults;
class PageSurface;
struct FigureFonts;

// "[２階柱Ｎ値伝達チェック]" + three spaces + the building name.
QString CheckViewHeading(const Building& building);

// Draws the page as a one-page document (A4 portrait) on the surface, from the results of
// the last calculation.
void DrawCheckViewPage(PageSurface& surface, const Building& building, const CalcResults& results,
                       const FigureFonts& fonts);

}  // namespace tvk

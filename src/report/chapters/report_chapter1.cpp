// Chapters 1.1 (design policy) and 1.2 (how N is calculated, with section (3) and its picture).
#include "model/building.h"
#include "report/chapters/height_terms.h"
#include "report/chapters/report_context.h"
#include "report/figures/cross_beam_diagram.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

// The picture stands 3.0 cm from the left edge of the paper.
constexpr double kDiagramPaperX = 3.0;

double WriteCrossBeamSection(ReportContext& ctx, double y) {
  y = ctx.Line(2 * ctx.cw, y, kCrossBeamSectionTitle);
  for (const std::string& line : CrossBeamSectionLines()) y = ctx.Line(5 * ctx.cw, y, line);
  const QImage diagram = CrossBeamDiagram();
  const double heightCm = diagram.height() * 100.0 / diagram.dotsPerMeterY();
  y = ctx.Room(y, heightCm);
  ctx.surface.Picture(diagram, kDiagramPaperX - ctx.surface.LeftMargin(), y, QStringLiteral("100%"),
                      QStringLiteral("100%"));
  return y + heightCm;
}

}  // namespace

double WritePolicy(ReportContext& ctx) {
  ctx.NewPage();
  ctx.SetFontSize(kReportFontSize);
  double y = 0;
  ctx.Line(0, y, kHeadOutline);
  y += ctx.lp;
  ctx.Mark(ReportEntry::Policy, y);
  y = ctx.Line(0, y, kHeadPolicy);
  for (const std::string& line : DesignPolicyLines()) y = ctx.Line(2 * ctx.cw, y, line);
  return y + 1.5 * ctx.lp;
}

double WriteMethod(ReportContext& ctx, double y) {
  const CalcSettings& settings = ctx.building.Settings;
  ctx.Mark(ReportEntry::Method, y);
  y = ctx.Line(0, y, kHeadMethod);
  y = ctx.Line(2 * ctx.cw, y, kMethodIntro);
  y += 0.5 * ctx.lp;
  y = ctx.Line(2 * ctx.cw, y, kMethodCase1);
  // Smaller formula tables leave room for section (3) and its picture.
  const bool crossBeam = settings.IgnoreCrossBeam == 0;
  const double tableSize = crossBeam ? 10 : kReportFontSize;
  const double indent = 2 * ctx.cw;
  // The H/2.7 terms appear only where some storey is taller than 3.2 m.
  const bool heights = AnyHeightFactor(ctx.building);
  y = ctx.FixedTableBlock(heights ? FormulaTable1WithHeight() : FormulaTable1(), y, indent, tableSize);
  y = ctx.Line(2 * ctx.cw, y, kMethodCase2);
  const int lMethod = settings.LMethod;
  y = ctx.FixedTableBlock(heights ? FormulaTable2WithHeight(lMethod) : FormulaTable2(lMethod), y, indent, tableSize);
  if (heights) y = ctx.Line(2 * ctx.cw, y, HeightsUsedLine(ctx.building)) + 0.3 * ctx.lp;
  if (crossBeam) y = WriteCrossBeamSection(ctx, y);
  return y + ctx.lp;
}

}  // namespace tvk

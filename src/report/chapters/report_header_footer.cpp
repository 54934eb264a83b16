// Header and footer of every report page; the cover carries neither title nor number.
#include "model/building.h"
#include "model/version.h"
#include "report/chapters/program_header.h"
#include "report/chapters/report_context.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

const QString kHeaderFooterFace = QStringLiteral("ＭＳ Ｐゴシック");
constexpr double kHeaderFooterSize = 9;

}  // namespace

QString ReportHeaderText(int page, const std::string& buildingName) {
  if (page <= 1) return QString();
  return ProgramHeaderText(buildingName);
}

QString ReportFooterText(int page) {
  const QString centre = page <= 1 ? QString() : QStringLiteral("- %1 -").arg(page - 1);
  return QStringLiteral("|") + centre + QStringLiteral("|") + QString::fromStdString(VersionText());
}

void StartReportPage(ReportContext& ctx) {
  PageSurface& s = ctx.surface;
  const int page = s.CurrentPage();
  s.SetHeaderFont(kHeaderFooterFace, kHeaderFooterSize);
  s.SetFooterFont(kHeaderFooterFace, kHeaderFooterSize);
  s.SetHeader(ReportHeaderText(page, ctx.building.Info.BuildingName));
  s.SetFooter(ReportFooterText(page));
  if (ctx.resultsRunning) DrawResultsHeaderBlock(ctx);
}

}  // namespace tvk

// Header and footer of every report page; the cover carries neither title nor number.
#include "model/building.h"
#include "model/version.h"
#include "report/page_surface.h"
#include "report/report_context.h"

namespace tvk {

namespace {

const QString kHeaderFooterFace = QStringLiteral("ＭＳ Ｐゴシック");
constexpr double kHeaderFooterSize = 9;

}  // namespace

QString ReportHeaderText(int page, const std::string& buildingName) {
  if (page <= 1) return QString();
  // "|" separates the header's three parts, so a name holding one shows it full-width.
  QString name = QString::fromStdString(buildingName);
  name.replace(u'|', QChar(0xFF5C));
  return QString::fromUtf8(kProgramTitle) + QStringLiteral("   [ ") + name + QStringLiteral(" ]");
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

// The cover: a frame with the building name, the notification line, the title, the date and
// the office. Every text is centred in the printable width.
#include "model/building.h"
#include "model/path_parts.h"
#include "report/chapters/report_context.h"
#include "report/surface/page_surface.h"
#include "report/surface/table_layout.h"

namespace tvk {

namespace {

constexpr int kNameTableWidthTw = 7400;
constexpr double kFramePenTw = 50;

// Writes text centred at y in face/points; the line pitch of that size moves y.
void CentredLine(ReportContext& ctx, double y, const QString& face, double points, const std::string& text) {
  ctx.SetFont(face, points);
  const QString q = QString::fromStdString(text);
  const double width = ctx.surface.MeasureText(q).width() / kTwipsPerCm;
  ctx.surface.Text((ctx.PrintableWidth() - width) / 2, y, q);
}

void Frame(ReportContext& ctx, double top, double height) {
  PageSurface& s = ctx.surface;
  const PenSpec pen = s.State().pen;
  const BrushSpec brush = s.State().brush;
  s.SetPen(PenSpec{Qt::SolidLine, kFramePenTw, Qt::black});
  s.SetBrush(BrushSpec{Qt::NoBrush, Qt::black});
  const double width = ctx.PrintableWidth() - 3;
  s.Rect((ctx.PrintableWidth() - width) / 2, top, width, height);
  s.SetPen(pen);
  s.SetBrush(brush);
}

}  // namespace

// Where the name box starts: lower for a name on one line than for two; a longer name
// starts at the frame's top.
double CoverNameTop(double nameWidthCm, double frameTop) {
  if (nameWidthCm <= 12.9) return 4.5;
  if (nameWidthCm <= 25.8) return 4.1;
  return frameTop;
}

double WriteCover(ReportContext& ctx) {
  PageSurface& s = ctx.surface;
  const BuildingInfo& info = ctx.building.Info;
  ctx.Mark(ReportEntry::Cover, 0);
  ctx.SetFont(kBodyFace, 20);
  const double frameTop = 3.5 * ctx.lp;
  Frame(ctx, frameTop, 3.5 * ctx.lp);

  ctx.SetFont(kPropFace, 20);
  const QString name = QString::fromStdString(TrimBlanks(info.BuildingName));
  const double nameWidth = s.MeasureText(name).width() / kTwipsPerCm;
  PageTable nameTable(QStringLiteral("+^%1;").arg(kNameTableWidthTw));
  nameTable.AddRow({name});
  s.SetTableRules(false);
  ctx.Table(nameTable, CoverNameTop(nameWidth, frameTop),
            (ctx.PrintableWidth() - kNameTableWidthTw / double(kTwipsPerCm)) / 2);
  s.SetTableRules(true);

  // Each further line stands a number of line pitches of its own size below the one before.
  double y = frameTop;
  ctx.SetFont(kPropFace, 14);
  y += 8 * ctx.lp;
  CentredLine(ctx, y, kPropFace, 14, "告示 平１２ 建告第１４６０号 による");
  ctx.SetFont(kBodyFace, 22);
  y += 1.1 * ctx.lp;
  CentredLine(ctx, y, kBodyFace, 22, "軸組を構成する柱頭･柱脚のＮ値計算書");
  ctx.SetFont(kBodyFace, 14);
  y += 14 * ctx.lp;
  if (info.HideDateOnCover == 0) {
    CentredLine(ctx, y, kBodyFace, 14, ctx.request.date.toString(QStringLiteral("yyyy/MM/dd")).toStdString());
  }
  y += 2 * ctx.lp;
  if (info.HideOfficeOnCover == 0) {
    CentredLine(ctx, y, kBodyFace, 14, info.OfficeName);
    CentredLine(ctx, y + 1.3 * ctx.lp, kBodyFace, 14, info.PersonName);
  }
  ctx.SetFont(kBodyFace, kReportFontSize);
  return y;
}

}  // namespace tvk

// Chapter 4 (壁量の検討): the building profile, the Lw derivation, the wind areas, the wall
// quantity judgement with a plan of the walls counted per storey, and the quarter check
// with a plan of the side strips per storey. Written after the N-value chapters when the
// building profile gives what the wall checks read.
#include "model/building.h"
#include "model/profile_store.h"
#include "report/chapters/report_context.h"
#include "report/chapters/wall_tables.h"
#include "report/figures/check_plans.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

constexpr double kTableSize = 10;
constexpr double kWideTableSize = 9;  // tables of many narrow columns

// A section heading with the entry it starts, and its explanatory lines.
double WriteSection(ReportContext& ctx, double y, ReportEntry entry, const char* heading,
                    const std::vector<std::string>& lines) {
  y = ctx.Room(y, (3 + lines.size()) * ctx.lp);
  ctx.Mark(entry, y);
  y = ctx.Line(0, y, heading);
  for (const std::string& line : lines) y = ctx.Paragraph(2 * ctx.cw, y, line);
  return y + 0.5 * ctx.lp;
}

// A plan of a storey below y, on a new page when it does not fit.
template <class Draw>
double WritePlan(ReportContext& ctx, double y, Draw draw) {
  y = ctx.Room(y, CheckPlanHeight(ctx.surface, ctx.building));
  y = draw(y);
  ctx.SetFontSize(kReportFontSize);
  return y + 0.5 * ctx.lp;
}

double WriteProfile(ReportContext& ctx, const BuildingProfile& profile, const ProfileChecks& c, double y) {
  y = WriteSection(ctx, y, ReportEntry::WallProfile, kHeadWallProfile,
                   {"壁量の算定 (令46条、令和7年4月施行の基準) に用いる建物仕様を以下に示す。"});
  return WriteCheckTable(ctx, ProfileTable(profile, c.loads, ctx.building.Storeys()), y, kTableSize);
}

double WriteEarthquake(ReportContext& ctx, const ProfileChecks& c, double y) {
  y = WriteSection(ctx, y, ReportEntry::WallEarthquake, kHeadWallEarthquake,
                   {"地震力に対する必要壁量は、床面積に次式の Lw を乗じて求める。",
                    "　Lw (cm/m²) = Ai・C0・Σwi / (0.0196・Afi)　(小数点以下を切り上げる)",
                    "荷重 wi は、公式の算定ツールと同じく 16.5m × 6.0m (99m²) のモデルプランにより床面積当たりに"
                    "換算する (ov：軒の出、p：屋根勾配)。"});
  y = WriteCheckTable(ctx, FloorAreaTable(c.plans), y, kTableSize);
  y = WriteCheckTable(ctx, WallBandTable(c.lw, c.loads, ctx.building.Storeys()), y, kWideTableSize);
  y = WriteCheckTable(ctx, LwTable(c.lw, c.loads, c.plans), y, kTableSize);
  return ctx.Paragraph(2 * ctx.cw, y, LwSummaryLine(c.lw, ctx.building.Storeys())) + ctx.lp;
}

double WriteWind(ReportContext& ctx, const ProfileChecks& c, double y) {
  y = WriteSection(
      ctx, y, ReportEntry::WallWind, kHeadWallWind,
      {"風圧力に対する必要壁量は、見付面積に風圧力の係数を乗じて求める。見付面積は、各階の床面から"
       "1.35m 以下の部分を除いた立面の面積とし、Ｘ方向加力にはＸ方向から見た立面 (幅はＹ方向の長さ) を用いる。",
       "入力のない見付面積は、伏図の範囲と階高・小屋の高さ・軒の出から安全側に概算する。"});
  y = WriteCheckTable(ctx, WindTable(c.wallQuantity, c.loads.windCoefficient.value), y, kTableSize);
  const CheckTable parts = WindPartsTable(c.wallQuantity);
  if (!parts.rows.empty()) y = WriteCheckTable(ctx, parts, y, kWideTableSize);
  return y + 0.5 * ctx.lp;
}

double WriteJudgement(ReportContext& ctx, const ProfileChecks& c, double y) {
  y = WriteSection(ctx, y, ReportEntry::WallJudgement, kHeadWallJudgement,
                   {"各階・各方向の存在壁量が、必要壁量以上であることを確かめる。",
                    "存在壁量 = Σ 耐力壁の長さ × 壁倍率。各階の算定図と表に通りごとの内訳を示す。"});
  y = WriteCheckTable(ctx, WallJudgementTable(c.wallQuantity), y, kWideTableSize);
  const FigureFonts& fonts = ctx.request.figures.fonts;
  for (int s = 1; s <= ctx.building.Storeys(); ++s) {
    const auto& walls = Nth(c.walls, s);
    y = WritePlan(ctx, y, [&](double at) { return DrawWallCountPlan(ctx.surface, ctx.building, s, walls, at, fonts); });
    y = WriteCheckTable(ctx, WallLineTable(ctx.building, s, walls), y, kTableSize);
  }
  return y;
}

double WriteQuarters(ReportContext& ctx, const ProfileChecks& c, double y) {
  y = WriteSection(ctx, y, ReportEntry::WallQuarters, kHeadWallQuarters,
                   {"平12建告第1352号により、各階・各方向について平面を加力方向と直交する方向に四等分し、両端の"
                    "1/4 の部分 (側端部) の壁量の釣合いを確かめる。",
                    "側端部の必要壁量 = 側端部の床面積 × Lw (２階のない１階部分は平屋の Lw)。存在壁量は側端部の"
                    "耐力壁 (境界線上のものを含む) による。",
                    "充足率 = 存在壁量 / 必要壁量、壁率比 = 小さい方の充足率 / 大きい方の充足率。両側端部の充足率が"
                    "ともに 1 を超えるか、壁率比が 0.5 以上であれば OK とする。偏心率が 0.3 以下の方向は、この検討を"
                    "要しない。"});
  const FigureFonts& fonts = ctx.request.figures.fonts;
  for (const QuarterStorey& q : c.quarters) {
    const StoreyPlan& plan = Nth(c.plans, q.storey);
    y = WritePlan(ctx, y, [&](double at) { return DrawQuarterPlan(ctx.surface, ctx.building, plan, q, at, fonts); });
    y = WriteCheckTable(ctx, QuarterTable(ctx.building, q), y, kWideTableSize);
  }
  return y;
}

}  // namespace

bool WriteWallChapter(ReportContext& ctx) {
  const BuildingProfile profile = ReadProfile(ctx.building);
  if (!HasWallProfile(profile)) return false;
  const ProfileChecks checks = RunProfileChecks(ctx.building, profile, ctx.results);
  ctx.NewPage();
  ctx.SetFontSize(kReportFontSize);
  double y = ctx.Line(0, 0, kHeadWall);
  y = WriteProfile(ctx, profile, checks, y);
  y = WriteEarthquake(ctx, checks, y);
  y = WriteWind(ctx, checks, y);
  y = WriteJudgement(ctx, checks, y);
  WriteQuarters(ctx, checks, y);
  return true;
}

}  // namespace tvk

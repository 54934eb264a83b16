#include "report/chapters/column_size_texts.h"

#include <cmath>

#include "engine/profile_checks.h"
#include "model/building.h"
#include "model/number_format.h"
#include "model/profile_fields.h"
#include "report/chapters/height_terms.h"

namespace tvk {

namespace {

// 項目 | 算定式 | 外周の柱 | 内部の柱
const char* const kStoreyTableFormat = "+<1200|+<2300|+<2900|+<2900;";
const char* const kNgTableFormat = "+^800|+^2400|+^1300|+^1800|+^2000|+^1000;";
constexpr int kNgJudgementColumn = 6;

std::string F(double value, int decimals) { return FormatFixed(value, decimals); }

// The area before its rounding down, shown so that it never reads above the rounded one:
// 12.9996 shows as 12.99 (not 13.00) before → 12.9.
double RoundedDown(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::floor(value * scale + 1e-9) / scale;
}

// What one storey's table reads.
struct StoreyInputs {
  const ProfileLoads& loads;
  const SeismicWeights& weights;
  const BuildingProfile& profile;
  const ColumnStorey& storey;
  int storeys;

  bool CarriesUpper() const { return storeys >= 2 && storey.storey == 1; }
  const std::optional<double>& OwnHeight() const { return storey.storey == 2 ? loads.h2 : loads.h1; }
  const std::optional<WallBand>& OwnBand() const { return storey.storey == 2 ? weights.wall2 : weights.wall1; }
};

// One quantity: its name, the formula, and what the outer and inner columns put into it.
struct Row {
  std::string label;
  std::string formula;
  std::string (*value)(const StoreyInputs& in, const ColumnDiameter& c);
};

std::string Result(const std::string& terms, const std::string& result) { return terms + "\r＝" + result; }

std::string RoofValue(const StoreyInputs& in, const ColumnDiameter& c) {
  if (!c.load || !in.weights.roof || !in.loads.roof) return kNoValue;
  const RoofLoad& roof = *in.weights.roof;
  const std::string z2 = F(roof.z2, 3);
  std::string terms = "(" + F(*in.loads.roof, 0) + "×" + z2;
  if (in.loads.solar == SolarPanels::Standard) terms += "＋" + F(kSolarPerRoof, 0) + "×" + z2;
  if (in.loads.solar == SolarPanels::Mass) terms += "＋" + F(roof.solar, 1);
  terms += "＋" + F(roof.ceiling, 0) + ")/1000";
  return Result(terms, F(c.load->roof, 3));
}

// A storey's walls per floor area: the outer wall band, or the interior walls 200·h/2.8.
std::string WallTerms(const ColumnDiameter& c, const std::optional<WallBand>& band, double h) {
  if (!c.outer)
    return F(kInteriorWallWeight, 0) + "×" + HeightMetres(static_cast<int>(std::lround(h * 1000))) + "/2.8/1000";
  return "(" + F(band->exterior, 0) + "＋" + F(band->interior, 1) + "＋" + F(band->insulation, 0) + "＋" +
         F(band->openings, 0) + ")/1000";
}

std::string WallAboveValue(const StoreyInputs& in, const ColumnDiameter& c) {
  if (!c.load || !in.loads.h2 || (c.outer && !in.weights.wall2)) return kNoValue;
  return Result(WallTerms(c, in.weights.wall2, *in.loads.h2), F(c.load->wallAbove, 3));
}

std::string FloorValue(const StoreyInputs& in, const ColumnDiameter& c) {
  if (!c.load) return kNoValue;
  return Result("(" + F(kFloorWeight, 0) + "＋" + F(in.loads.columnLive, 0) + ")/1000", F(c.load->floor, 3));
}

std::string OwnWallValue(const StoreyInputs& in, const ColumnDiameter& c) {
  if (!c.load || !in.OwnHeight() || (c.outer && !in.OwnBand())) return kNoValue;
  return Result("0.5×" + WallTerms(c, in.OwnBand(), *in.OwnHeight()), F(c.load->ownWall, 3));
}

std::string WdValue(const StoreyInputs& in, const ColumnDiameter& c) {
  if (!c.load) return kNoValue;
  const ColumnLoad& l = *c.load;
  std::string terms = F(l.roof, 3);
  if (in.CarriesUpper()) terms += "＋" + F(l.wallAbove, 3) + "＋" + F(l.floor, 3);
  return Result(terms + "＋" + F(l.ownWall, 3), F(l.wd, 3));
}

std::string LengthValue(const StoreyInputs& in, const ColumnDiameter& c) {
  if (!c.lMm || !in.OwnHeight()) return kNoValue;
  const double hMm = std::round(*in.OwnHeight() * 1000);
  return Result(F(hMm, 0) + "－" + F(hMm - *c.lMm, 0), F(*c.lMm, 0));
}

std::string FcValue(const StoreyInputs& in, const ColumnDiameter&) {
  return in.storey.fc ? F(*in.storey.fc, 1) : kNoValue;
}

std::string AValue(const StoreyInputs& in, const ColumnDiameter& c) {
  if (!c.requirement) return kNoValue;
  return Result("√(" + F(c.load->wd, 3) + "×5×1000\r /((1.1/3)×" + F(*in.storey.fc, 1) + "))", F(c.requirement->a, 2));
}

std::string DbeValue(const StoreyInputs&, const ColumnDiameter& c) {
  if (!c.requirement) return kNoValue;
  const DiameterRequirement& r = *c.requirement;
  const double l = *c.lMm;
  const std::string a = F(r.a, 2);
  const std::string byLong = "l/52.7＝" + F(l / 52.7, 2);
  const std::string byShort = "l/8.66＝" + F(l / 8.66, 2);
  switch (r.diameterCase) {
    case DiameterCase::Slender:
      return byLong + "＞a\r(12×" + F(l, 0) + "²×" + a + "²/3000)^(1/4)\r＝" + F(r.dbe, 2);
    case DiameterCase::Stocky:
      return byLong + "≦a\r" + byShort + "＜a\rdbe＝a＝" + F(r.dbe, 2);
    case DiameterCase::Intermediate:
      break;
  }
  const std::string k = F(l / 75.05, 2);
  return byLong + "≦a\r" + byShort + "≧a\r" + k + "＋√(" + k + "²＋" + a + "²/1.3)\r＝" + F(r.dbe, 2);
}

std::string DeValue(const StoreyInputs&, const ColumnDiameter& c) {
  if (!c.requirement) return kNoValue;
  const DiameterRequirement& r = *c.requirement;
  return Result(
      "max(" + std::to_string(r.byLoad) + ", ⌈√12×" + F(*c.lMm, 0) + "/150⌉＝" + std::to_string(r.bySlenderness) + ")",
      std::to_string(r.requiredMm));
}

const std::optional<ColumnSection>& SectionOf(const StoreyInputs& in) {
  return in.profile.column[static_cast<size_t>(in.storey.storey - 1)];
}

int SmallSide(const ColumnSection& s) { return std::min(s.b, s.d); }

std::string SectionValue(const StoreyInputs& in, const ColumnDiameter&) {
  const std::optional<ColumnSection>& s = SectionOf(in);
  if (!s || s->b <= 0 || s->d <= 0) return kNoValue;
  return std::to_string(s->b) + "×" + std::to_string(s->d);
}

std::string JudgementValue(const StoreyInputs& in, const ColumnDiameter& c) {
  if (!c.ok) return kNoValue;
  const std::string small = std::to_string(SmallSide(*SectionOf(in)));
  const std::string de = std::to_string(c.requirement->requiredMm);
  return *c.ok ? small + "≧" + de + "\rOK" : small + "＜" + de + "\rNG";
}

std::string LambdaValue(const StoreyInputs&, const ColumnDiameter& c) {
  if (!c.capacity) return kNoValue;
  return Result("3.46×" + F(*c.lMm, 0) + "/" + std::to_string(SmallSide(c.capacity->section)),
                F(c.capacity->lambda, 2));
}

std::string EtaValue(const StoreyInputs&, const ColumnDiameter& c) {
  if (!c.capacity) return kNoValue;
  const double lambda = c.capacity->lambda;
  const std::string eta = F(c.capacity->eta, 3);
  if (lambda <= 30) return Result("λ≦30", eta);
  if (lambda <= 100) return Result("1.3－0.01×" + F(lambda, 2), eta);
  return Result("3000/" + F(lambda, 2) + "²", eta);
}

std::string AreaValue(const StoreyInputs& in, const ColumnDiameter& c) {
  if (!c.capacity) return kNoValue;
  const ColumnCapacity& cap = *c.capacity;
  return "(1.1/3)×" + F(cap.eta, 3) + "×" + F(*in.storey.fc, 1) + "×" + std::to_string(cap.section.b) + "×" +
         std::to_string(cap.section.d) + "\r/" + F(c.load->wd, 3) + "/1000\r＝" + F(RoundedDown(cap.areaM2, 2), 2) +
         " → " + F(cap.allowedM2, 1);
}

std::string SlenderValue(const StoreyInputs&, const ColumnDiameter& c) {
  if (!c.capacity) return kNoValue;
  return c.capacity->slender ? "150以上" : "150未満";
}

std::string WoodName(const BuildingProfile& profile) {
  if (!profile.wood) return "柱の樹種";
  const ProfileFieldInfo& info = FieldInfo(ProfileField::Wood);
  const auto k = static_cast<size_t>(profile.wood->wood);
  return k < info.choices.size() ? info.choices[k].label : "柱の樹種 (Fc 入力値)";
}

std::vector<Row> RowsOf(const StoreyInputs& in) {
  const std::string own = StoreyText(in.storey.storey) + "の壁\r(kN/m²)";
  const std::string ownH = in.storey.storey == 2 ? "h2" : "h1";
  std::vector<Row> rows{{"屋根\r(kN/m²)", "(屋根仕上げ×Z2＋太陽光＋天井断熱材)/1000", RoofValue}};
  if (in.CarriesUpper()) {
    rows.push_back({"２階の壁\r(kN/m²)", "外周：外壁(h2)\r内部：200×h2/2.8/1000", WallAboveValue});
    rows.push_back({"２階の床\r(kN/m²)", "(床＋積載荷重)/1000", FloorValue});
  }
  rows.push_back({own, "外周：0.5×外壁(" + ownH + ")\r内部：0.5×200×" + ownH + "/2.8/1000", OwnWallValue});
  rows.push_back({"Wd\r(kN/m²)", "上記の合計", WdValue});
  rows.push_back({"l\r(mm)", in.CarriesUpper() ? "l＝h－120" : "l＝h－105", LengthValue});
  rows.push_back({"Fc\r(N/mm²)", WoodName(in.profile), FcValue});
  rows.push_back({"a\r(mm)", "√(Wd×Ae×1000\r /((1.1/3)×Fc))\rAe＝5m²", AValue});
  rows.push_back({"dbe\r(mm)", "l/52.7＞a：(12×l²×a²/3000)^(1/4)\rl/8.66＜a：a\rその他：l/75.05＋√((l/75.05)²＋a²/1.3)",
                  DbeValue});
  rows.push_back({"de\r(mm)", "max(⌈dbe⌉, ⌈√12×l/150⌉)", DeValue});
  rows.push_back({"柱の断面\r(mm)", "b×d", SectionValue});
  rows.push_back({"判定", "柱の小径≧de", JudgementValue});
  rows.push_back({"λ", "3.46×l/柱の小径", LambdaValue});
  rows.push_back({"η", "λ≦30：1\rλ≦100：1.3－0.01λ\rλ＞100：3000/λ²", EtaValue});
  rows.push_back({"負担可能面積\r(m²)", "(1.1/3)×η×Fc×b×d\r/Wd/1000\r(0.1m²未満切捨て)", AreaValue});
  rows.push_back({"有効細長比", "λ≧150：150以上", SlenderValue});
  return rows;
}

std::string PositionName(bool outer) { return outer ? "外周" : "内部"; }

}  // namespace

bool HasColumnProfile(const BuildingProfile& profile) {
  BuildingProfile rest = profile;
  rest.h1.reset();
  rest.h2.reset();
  return !(rest == BuildingProfile{});
}

std::vector<std::string> ColumnDiameterIntroLines() {
  return {
      "柱の小径は、令第43条及び平12建告第1349号により、柱が負担する単位床面",
      "積当りの荷重 Wd と座屈長さ l から必要な小径 de を求め、柱の小径(断面",
      "の短辺)が de 以上であることを確かめる。また、柱の断面と樹種から、柱１本",
      "が負担できる床面積(負担可能面積)を求め、5.3 で各柱の負担面積と比べる。",
  };
}

std::vector<std::string> ColumnAreaIntroLines() {
  return {
      "各階の床(吹抜けを除く)を床区画(グリッドの升目)ごとに、その中心から最",
      "も近い同じ階の柱が負担するものとし(等距離の柱が複数あるときは等分す",
      "る)、柱ごとの負担面積を求める。周囲の床区画が４未満の柱を外周の柱と",
      "する。図中の数値は各柱の負担面積(m²)、赤い柱は NG の柱を示す。",
  };
}

FixedTable ColumnFormulaTable() {
  FixedTable table{"", "", "+<1300|+<7700;", {}, {}};
  table.rows = {
      {"Wd",
       "柱が負担する単位床面積当りの荷重(kN/m²)。外周の柱は屋根、上階の壁と床、自階の壁の1/2の和、"
       "内部の柱は外壁(h)に代えて間仕切壁 200×h/2.8 (N/m²)を用いる。床 610 N/m²、"
       "積載荷重 1300 N/m² (住宅)、1800 N/m² (事務所等)。"},
      {"外壁(h)",
       "階高 h の壁の単位床面積当りの荷重(kN/m²)：(外壁仕上げ＋間仕切壁＋断熱材＋開口部)/1000。"
       "16.5m×6.0m のモデルプランの外周壁 A＝(2×6.0＋2×16.5)×h (m²) について、外壁仕上げ、断熱材は"
       "単位重量×A×0.91/99、開口部は 400×A×0.09/99 (いずれも 10 N/m² 単位に切上げ)、"
       "間仕切壁は 200×h/2.8。"},
      {"Z2",
       "屋根の係数：(16.5＋2×軒の出)×(6.0＋2×軒の出)×√(勾配²＋100)/10/99。太陽光パネルは 200×Z2 "
       "(質量 M kg で与えたときは M×9.8/床面積)。"},
      {"l", "座屈長さ(mm)。２階建ての１階の柱は l＝h－120、その他の柱は l＝h－105 (h：階高)。"},
      {"a",
       "a＝√(Wd×Ae/((1.1/3)×Fc)×1000) (mm)。Ae＝5m² (基準とする負担面積)、Fc：柱の樹種の圧縮の"
       "基準強度(N/mm²)、1.1/3：長期許容応力度の係数。"},
      {"dbe",
       "l/52.7＞a のとき dbe＝(12×l²×a²/3000)^(1/4)、l/8.66＜a のとき dbe＝a、"
       "その他のとき dbe＝l/75.05＋√((l/75.05)²＋a²/1.3) (mm)。"},
      {"de",
       "必要小径 de＝max(⌈dbe⌉, ⌈√12×l/150⌉) (mm、⌈ ⌉は整数に切上げ。後者は有効細長比を 150 未満"
       "とする小径)。柱の小径(b、d の小さい方)が de 以上のとき OK。"},
      {"λ、η",
       "有効細長比 λ＝3.46×l/柱の小径。座屈低減係数 η＝1 (λ≦30)、1.3－0.01λ (30＜λ≦100)、"
       "3000/λ² (λ＞100)。"},
      {"負担可能面積", "柱１本が負担できる床面積(m²)＝(1.1/3)×η×Fc×b×d/Wd/1000 (0.1m² 未満切捨て)。"},
  };
  return table;
}

CheckTable ColumnStoreyTable(const ProfileChecks& checks, const BuildingProfile& profile, int storey, int storeys) {
  const ColumnStorey& s = checks.columnSize.storeys.at(static_cast<size_t>(storey - 1));
  const StoreyInputs in{checks.loads, checks.lw.weights, profile, s, storeys};
  CheckTable table{"表-5.1." + std::to_string(storey) + "." + StoreyText(storey) + "の柱",
                   kStoreyTableFormat,
                   {"項目", "算定式", "外周の柱", "内部の柱"},
                   {},
                   {},
                   {}};
  for (const Row& row : RowsOf(in)) {
    table.rows.push_back({row.label, row.formula, row.value(in, s.outer), row.value(in, s.inner)});
  }
  MissingFields missing = s.outer.missing;
  missing.Add(s.inner.missing);
  if (!missing.Empty()) table.notes.push_back(MissingNote(missing));
  return table;
}

std::string NotJudgedLine(const ColumnStorey& storey) {
  const bool outer = !storey.outer.capacity;
  const bool inner = !storey.inner.capacity;
  if (!outer && !inner) return {};
  MissingFields missing;
  if (outer) missing.Add(storey.outer.missing);
  if (inner) missing.Add(storey.inner.missing);
  const std::string columns = outer && inner ? "" : PositionName(outer) + "の";
  return StoreyText(storey.storey) + "の" + columns + "柱：負担可能面積が求められないため検定できません(未入力：" +
         MissingNames(missing) + ")";
}

CheckTable NgColumnsTable(const Building& building, const ProfileChecks& checks) {
  CheckTable table{"表-5.3.1.負担可能面積を超える柱",
                   kNgTableFormat,
                   {"階", "通り", "柱の位置", "負担面積(m²)", "負担可能面積(m²)", "判定"},
                   {},
                   {},
                   {}};
  for (const ColumnSizeColumn& c : checks.columnSize.columns) {
    if (!c.ok || *c.ok) continue;
    const ColumnTributary& t = c.tributary;
    table.rows.push_back({StoreyText(t.storey), building.LineNameX(t.at.i) + "-" + building.LineNameY(t.at.j),
                          PositionName(t.outer), F(t.areaM2, 2), F(*c.allowedM2, 1), JudgementText(false)});
    table.red.emplace_back(static_cast<int>(table.rows.size()), kNgJudgementColumn);
  }
  return table;
}

}  // namespace tvk

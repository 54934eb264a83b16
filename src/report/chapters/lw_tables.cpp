// Tables 4.2.1 to 4.2.3: floor areas, the wall bands per floor area and the derivation of
// Lw, each step as its formula, the numbers put in and the result.
#include "model/number_format.h"
#include "report/chapters/wall_tables.h"

namespace tvk {

namespace {

// Weights and factors with the five decimals of the published example.
std::string F5(double v) { return FormatFixed(v, 5); }
std::string M(double v) { return FormatFixed(v, 3); }
std::string KN(const std::optional<double>& v) { return v ? F5(*v) + " kN/m²" : kNoValue; }

// One step: its symbol, its formula, the formula with the numbers put in (empty when a
// value it needs is missing) and its result.
struct Step {
  std::string symbol;
  std::string formula;
  std::string numbers;
  std::string result;
};

void Add(CheckTable& table, const Step& s) {
  table.rows.push_back({s.symbol, s.numbers.empty() ? s.formula : s.formula + "\r" + s.numbers, s.result});
}

std::string SolarTerm(const ProfileLoads& loads, const RoofLoad& roof, double maxFloorArea) {
  switch (loads.solar) {
    case SolarPanels::Standard:
      return FormatFixed(kSolarPerRoof, 0) + "×" + F5(roof.z2);
    case SolarPanels::Mass:
      return FormatFixed(loads.solarMassKg, 0) + "×9.8/" + FormatFixed(maxFloorArea, 2);
    case SolarPanels::None:
      break;
  }
  return "0";
}

void AddRoof(CheckTable& table, const LwDerivation& lw, const ProfileLoads& loads, double maxFloorArea) {
  const std::optional<RoofLoad>& roof = lw.weights.roof;
  Step z2{"Z2", "(16.5+2×ov)×(6.0+2×ov)×√(p²+100)/10/99", "", kNoValue};
  Step load{"屋根", "(屋根仕上げ×Z2 + 太陽光 + 天井断熱材)/1000", "", kNoValue};
  if (roof) {
    const std::string ov = M(*loads.eaves);
    z2.numbers = "(16.5+2×" + ov + ")×(6.0+2×" + ov + ")×√(" + FormatFixed(*loads.pitch, 2) + "²+100)/10/99";
    z2.result = F5(roof->z2);
    load.numbers = "(" + FormatFixed(*loads.roof, 0) + "×" + F5(roof->z2) + " + " +
                   SolarTerm(loads, *roof, maxFloorArea) + " + " + FormatFixed(roof->ceiling, 0) + ")/1000";
    load.result = KN(roof->total);
  }
  Add(table, z2);
  Add(table, load);
}

std::optional<double> BandTotal(const std::optional<WallBand>& band) {
  return band ? std::optional(band->total) : std::nullopt;
}

void AddBands(CheckTable& table, const SeismicWeights& w, int storeys) {
  Add(table, {"壁(h1)", "表-4.2.2 の１階の計", "", KN(BandTotal(w.wall1))});
  if (storeys >= 2) Add(table, {"壁(h2)", "表-4.2.2 の２階の計", "", KN(BandTotal(w.wall2))});
}

// An Lw step: the formula, and its value before and after rounding up; an entered Lw
// stands instead.
Step LwStep(const char* symbol, const LwValue& value, const std::string& formula, const std::string& numbers) {
  if (value.source == ValueSource::Entered)
    return {symbol, "入力値 (早見表による)", "", LwText(*value.value) + " cm/m²"};
  if (!value.value || !value.unrounded) return {symbol, formula + " (切上げ)", "", kNoValue};
  return {symbol, formula + " (切上げ)", numbers + " = " + FormatFixed(*value.unrounded, 2),
          LwText(*value.value) + " cm/m²"};
}

std::string OneStoreyNumbers(const LwDerivation& lw) {
  const SeismicWeights& w = lw.weights;
  if (!w.roof || !w.wall1) return "";
  return FormatFixed(lw.c0.value, 1) + "×(" + F5(w.roof->total) + " + 0.5×" + F5(w.wall1->total) + ")/0.0196";
}

void AddTwoStoreys(CheckTable& table, const LwDerivation& lw, const ProfileLoads& loads, double af1, double af2) {
  const SeismicWeights& w = lw.weights;
  const bool known = w.r.has_value();
  const std::string c0 = FormatFixed(lw.c0.value, 1);
  Step r{"r", "Af2/Af1", "", kNoValue};
  Step w2{"W2", "屋根×r + 0.5×壁(h2)×r", "", kNoValue};
  Step w1{"W1", "屋根×r + 壁(h2)×r + (床+積載荷重)×r/1000 + 0.5×壁(h1)", "", kNoValue};
  Step h{"h", "小屋の高さ/2 + h2 + h1 + 0.5", "", kNoValue};
  Step t{"T", "0.03×h", "", kNoValue};
  Step alpha{"α", "W2/W1", "", kNoValue};
  Step a2{"A2", "1 + (1/√α − α)×2T/(1 + 3T)", "", kNoValue};
  std::string lw1Numbers, lw2Numbers;
  if (known && *w.r < 1) w1.formula += " + (1−r)×屋根";
  if (known) {
    const std::string rs = F5(*w.r), roof = F5(w.roof->total), wall1 = F5(w.wall1->total);
    const std::string wall2 = F5(w.wall2->total);
    r = {r.symbol, r.formula, FormatFixed(af2, 2) + "/" + FormatFixed(af1, 2), F5(*w.r)};
    w2 = {w2.symbol, w2.formula, roof + "×" + rs + " + 0.5×" + wall2 + "×" + rs, KN(w.w2)};
    w1.numbers = roof + "×" + rs + " + " + wall2 + "×" + rs + " + (" + FormatFixed(kFloorWeight, 0) + "+" +
                 FormatFixed(loads.live, 0) + ")×" + rs + "/1000 + 0.5×" + wall1;
    if (*w.r < 1) w1.numbers += " + (1−" + rs + ")×" + roof;
    w1.result = KN(w.w1);
    h = {h.symbol, h.formula, M(*loads.rise) + "/2 + " + M(w.wall2->h) + " + " + M(w.wall1->h) + " + 0.5",
         M(*w.height) + " m"};
    t = {t.symbol, t.formula, "0.03×" + M(*w.height), F5(*w.t)};
    alpha = {alpha.symbol, alpha.formula, F5(*w.w2) + "/" + F5(*w.w1), F5(*w.alpha)};
    a2 = {a2.symbol, a2.formula,
          "1 + (1/√" + F5(*w.alpha) + " − " + F5(*w.alpha) + ")×2×" + F5(*w.t) + "/(1 + 3×" + F5(*w.t) + ")",
          F5(*w.a2)};
    lw1Numbers = c0 + "×" + F5(*w.w1) + "/0.0196";
    lw2Numbers = F5(*w.a2) + "×" + c0 + "×" + F5(*w.w2) + "/0.0196/" + rs;
  }
  for (const Step* s : {&r, &w2, &w1, &h, &t, &alpha, &a2}) Add(table, *s);
  Add(table, LwStep("Lw1", lw.storey1, "C0×W1/0.0196", lw1Numbers));
  Add(table, LwStep("Lw2", lw.storey2, "A2×C0×W2/0.0196/r", lw2Numbers));
  Add(table, LwStep("Lw平屋", lw.oneStorey, "C0×(屋根 + 0.5×壁(h1))/0.0196", OneStoreyNumbers(lw)));
}

double FloorArea(const std::vector<StoreyPlan>& plans, int storey) {
  return static_cast<int>(plans.size()) >= storey ? Nth(plans, storey).floorArea : 0.0;
}

}  // namespace

CheckTable FloorAreaTable(const std::vector<StoreyPlan>& plans) {
  CheckTable table{"表-4.2.1.床面積",
                   "+^1500|+>2200|+^2800|+>2800;",
                   {"階", "床の区画数", "区画の大きさ (m)", "床面積 (m²)"},
                   {},
                   {"※ 伏図の床の区画による (吹抜けは床面積に含めない)。"},
                   {}};
  for (const StoreyPlan& plan : plans) {
    const std::string side = FormatFixed(plan.cellSide, 3);
    table.rows.push_back(
        {StoreyText(plan.storey), std::to_string(plan.floorCells), side + "×" + side, FormatFixed(plan.floorArea, 2)});
  }
  return table;
}

CheckTable WallBandTable(const LwDerivation& lw, const ProfileLoads& loads, int storeys) {
  CheckTable table{"表-4.2.2.壁の荷重 (床面積当たり)",
                   "+^700|+>800|+>1200|+>1500|+>1500|+>1500|+>1000|+>1100;",
                   {"階", "h\r(m)", "外壁面積\rA (m²)", "外壁\rG×A×0.91/99", "断熱材\rG×A×0.91/99",
                    "開口部\r400×A×0.09/99", "内壁\r200×h/2.8", "計\r(kN/m²)"},
                   {},
                   {"※ A = (2×6.0 + 2×16.5)×h (モデルプランの外壁面積)、G は表-4.1.1 の外壁仕上げ・外壁断熱材の重量。",
                    "※ 外壁・断熱材・開口部・内壁は N/m²。外壁・断熱材・開口部は 10 N/m² 単位に切り上げる。"},
                   {}};
  for (int s = 1; s <= storeys; ++s) {
    const std::optional<WallBand>& band = s == 1 ? lw.weights.wall1 : lw.weights.wall2;
    if (!band) {
      const std::optional<double>& h = s == 1 ? loads.h1 : loads.h2;
      table.rows.push_back({StoreyText(s), Fixed(h, 3), kNoValue, kNoValue, kNoValue, kNoValue, kNoValue, kNoValue});
      continue;
    }
    table.rows.push_back({StoreyText(s), M(band->h), FormatFixed(band->wallArea, 2), FormatFixed(band->exterior, 0),
                          FormatFixed(band->insulation, 0), FormatFixed(band->openings, 0),
                          FormatFixed(band->interior, 2), F5(band->total)});
  }
  return table;
}

CheckTable LwTable(const LwDerivation& lw, const ProfileLoads& loads, const std::vector<StoreyPlan>& plans) {
  CheckTable table{
      "表-4.2.3.Lw の算定", "+^1100|+<6200|+>2000;", {"記号", "算定式 (上段)・数値 (下段)", "結果"}, {}, {}, {}};
  const int storeys = static_cast<int>(plans.size());
  const double af1 = FloorArea(plans, 1);
  const double af2 = FloorArea(plans, 2);
  AddRoof(table, lw, loads, std::max(af1, af2));
  AddBands(table, lw.weights, storeys);
  if (storeys >= 2) {
    AddTwoStoreys(table, lw, loads, af1, af2);
  } else {
    Add(table, LwStep("Lw", lw.oneStorey, "C0×(屋根 + 0.5×壁(h1))/0.0196", OneStoreyNumbers(lw)));
  }
  MissingFields missing = lw.missing;
  missing.Add(lw.missingOneStorey);
  if (!missing.Empty()) table.notes.push_back(MissingNote(missing));
  return table;
}

std::string LwSummaryLine(const LwDerivation& lw, int storeys) {
  auto text = [](const LwValue& v) {
    if (!v.value) return std::string(kNoValue);
    return LwText(*v.value) + " cm/m²" + (v.source == ValueSource::Entered ? " (入力値)" : "");
  };
  if (storeys < 2) return "本建物の Lw：１階 " + text(lw.storey1);
  return "本建物の Lw：１階 " + text(lw.storey1) + "、２階 " + text(lw.storey2) + "、２階のない１階部分 " +
         text(lw.oneStorey);
}

}  // namespace tvk

#include "editor/column_areas.h"

#include <cmath>

#include "editor/live_checks.h"
#include "model/building.h"
#include "model/number_format.h"

namespace tvk {

namespace {

// How far from a grid point (in sub-grid pitches) the pointer still finds its column, as
// the member tooltip has it.
constexpr double kReach = 0.3;

ReadoutState StateOf(const ColumnSizeColumn& column) {
  if (!column.ok) return ReadoutState::Unknown;
  return *column.ok ? ReadoutState::Met : ReadoutState::Short;
}

// "負担面積 3.31 m² ≦ 負担可能面積 5.2 m²  判定 OK".
std::string Figures(const ColumnSizeColumn& column, const MissingFields& missing) {
  const std::string area = "負担面積 " + FormatFixed(column.tributary.areaM2, 2) + " m²";
  if (!column.allowedM2 || !column.ok) {
    return area + "  負担可能面積 ----\n次の項目がないため判定できません：" + MissingFieldNames(missing, "、");
  }
  return area + (*column.ok ? " ≦ " : " ＞ ") + "負担可能面積 " + FormatFixed(*column.allowedM2, 1) + " m²  判定 " +
         (*column.ok ? "OK" : "NG");
}

}  // namespace

std::vector<ReadoutState> ColumnStates(const LiveColumns& live) {
  std::vector<ReadoutState> states;
  states.reserve(live.columns.size());
  for (const ColumnSizeColumn& column : live.columns) states.push_back(StateOf(column));
  return states;
}

std::string ColumnAreaTooltip(const Building& building, const LiveColumns& live, const CanvasGeometry& geometry,
                              CanvasPos at) {
  const double pitch = building.SubPitch();
  if (!(pitch > 0) || !building.Contains(GridPos{1, 1}, live.storey)) return {};
  const SnapResult snap = Snap(building, geometry, at);
  if (!snap.inside) return {};
  const auto [x, y] = geometry.FromCanvas(at);
  const PointCoord& c = building.Coord(snap.at.i, snap.at.j, 1);
  if (std::abs(x - c.x) > kReach * pitch || std::abs(y - c.y) > kReach * pitch) return {};
  for (const ColumnSizeColumn& column : live.columns) {
    const ColumnTributary& t = column.tributary;
    if (t.at != snap.at) continue;
    return "柱の負担面積  " + building.LineNameX(t.at.i) + " - " + building.LineNameY(t.at.j) +
           (t.outer ? " (外周の柱)" : " (内部の柱)") + "\n" + Figures(column, live.missing);
  }
  return {};
}

}  // namespace tvk

#include "export/plan_drawing.h"

#include <algorithm>

namespace tvk {

namespace {

constexpr std::array<LayerLook, kPlanLayerCount> kLooks = {{
    {"TVK-GRID 通り芯", 8, LineKind::Continuous},
    {"TVK-GRID-NAME 通り名", 7, LineKind::Continuous},
    {"TVK-FLOOR 床外形", 3, LineKind::Continuous},
    {"TVK-VOID 吹抜け", 5, LineKind::Continuous},
    {"TVK-BRACE 筋かい", 2, LineKind::Continuous},
    {"TVK-SHEATHING 面材耐力壁", 4, LineKind::Continuous},
    {"TVK-MULTIPLIER 壁倍率", 7, LineKind::Continuous},
    {"TVK-COLUMN 管柱", 7, LineKind::Continuous},
    {"TVK-THROUGH-COLUMN 通し柱", 7, LineKind::Continuous},
    {"TVK-BEAM 上階床梁・小屋梁", 6, LineKind::Dashed},
    {"TVK-GRADE 必要金物", 3, LineKind::Continuous},
    {"TVK-HARDWARE 配置金物", 7, LineKind::Continuous},
    {"TVK-QUARTER 四分割", 30, LineKind::Continuous},
    {"TVK-CENTRE 重心・剛心", 4, LineKind::Continuous},
    {"TVK-TITLE 図名", 7, LineKind::Continuous},
}};
static_assert(kLooks.back().name != nullptr, "every layer has its look");

}  // namespace

const LayerLook& LookOf(PlanLayer layer) { return kLooks[static_cast<size_t>(layer)]; }

void PlanDrawing::Line(PlanLayer layer, DxfPoint a, DxfPoint b, int colour) {
  entities_.push_back({PlanEntity::Kind::Line, layer, colour, {a, b}, 0, {}});
}

void PlanDrawing::Outline(PlanLayer layer, std::vector<DxfPoint> points, int colour) {
  entities_.push_back({PlanEntity::Kind::Outline, layer, colour, std::move(points), 0, {}});
}

void PlanDrawing::Square(PlanLayer layer, DxfPoint c, double side, int colour) {
  const double h = side / 2;
  // A SOLID lists its corners as two pairs across: this order fills the square.
  entities_.push_back({PlanEntity::Kind::Solid,
                       layer,
                       colour,
                       {{c.x - h, c.y - h}, {c.x + h, c.y - h}, {c.x - h, c.y + h}, {c.x + h, c.y + h}},
                       0,
                       {}});
}

void PlanDrawing::Circle(PlanLayer layer, DxfPoint centre, double radius, int colour) {
  entities_.push_back({PlanEntity::Kind::Circle, layer, colour, {centre}, radius, {}});
}

void PlanDrawing::Text(PlanLayer layer, PlanText text, int colour) {
  entities_.push_back({PlanEntity::Kind::Text, layer, colour, {}, 0, std::move(text)});
}

std::array<DxfPoint, 2> PlanDrawing::Extents() const {
  if (entities_.empty()) return {};
  DxfPoint low{1e300, 1e300};
  DxfPoint high{-1e300, -1e300};
  auto take = [&](DxfPoint p, double margin) {
    low = {std::min(low.x, p.x - margin), std::min(low.y, p.y - margin)};
    high = {std::max(high.x, p.x + margin), std::max(high.y, p.y + margin)};
  };
  for (const PlanEntity& e : entities_) {
    if (e.kind == PlanEntity::Kind::Text) take(e.text.at, e.text.height);
    for (const DxfPoint& p : e.points) take(p, e.radius);
  }
  return {low, high};
}

}  // namespace tvk

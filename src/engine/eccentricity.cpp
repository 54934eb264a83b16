#include "engine/eccentricity.h"

#include <cmath>

#include "engine/member_codes.h"
#include "model/building.h"
#include "model/number_format.h"

namespace tvk {

namespace {

// Values are kept in single precision; every product and quotient is formed in double
// and rounded once when it is stored.
void AddProduct(float& sum, double a, double b) { sum = static_cast<float>(sum + a * b); }

struct FloorMoments {
  float area = 0;
  float mx = 0;  // sum of cell centre x times cell area
  float my = 0;
};

// Floor and void cells of one level: both count as mass.
FloorMoments SumFloorCells(const Building& b, int level) {
  FloorMoments m;
  const double s = b.SubPitch();
  const float cell = static_cast<float>(s * s);
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      if (!HasFloorCell(b.Point(i, j, level))) continue;
      const PointCoord& c = b.Coord(i, j, level);
      const auto cx = static_cast<float>(c.x + s / 2);
      const auto cy = static_cast<float>(c.y + s / 2);
      m.area = static_cast<float>(m.area + static_cast<double>(cell));
      AddProduct(m.mx, cx, cell);
      AddProduct(m.my, cy, cell);
    }
  }
  return m;
}

// Centre of gravity: storey 1 carries the level-2 floor with weight 18 against its own 11.
void SetGravity(Building& b) {
  const FloorMoments lower = SumFloorCells(b, 1);
  const FloorMoments upper = b.Storeys() >= 2 ? SumFloorCells(b, 2) : FloorMoments{};
  StoreyBalance& s1 = b.Balance[0];
  s1.Gravity = {0, 0};
  if (lower.area > 0) {
    const double area = 18.0 * upper.area + 11.0 * lower.area;
    s1.Gravity[0] = static_cast<float>((18.0 * upper.my + 11.0 * lower.my) / area);
    s1.Gravity[1] = static_cast<float>((18.0 * upper.mx + 11.0 * lower.mx) / area);
  }
  if (b.Storeys() >= 2) {
    StoreyBalance& s2 = b.Balance[1];
    s2.Gravity = {0, 0};
    if (upper.area > 0) {
      s2.Gravity[0] = static_cast<float>(static_cast<double>(upper.my) / upper.area);
      s2.Gravity[1] = static_cast<float>(static_cast<double>(upper.mx) / upper.area);
    }
  }
}

// Lateral stiffness that the wall members starting at (i, j) add along d. A member counts
// once, at its first unit segment, and only when it is at least half a grid long.
float PointStiffness(const Building& b, int level, int d, int i, int j) {
  const GridPoint& p = b.Point(i, j, level);
  const float minLength = b.Info.GridPitch / 2;
  float sum = 0;
  auto add = [&](const WallSeg& seg, bool present, MemberLayer layer) {
    if (!present || (seg.RunPos != 0 && seg.RunPos != 1)) return;
    const float length = b.MemberExtent(layer, level, d, i, j).length;
    if (length >= minLength) AddProduct(sum, length, seg.Multiplier);
  };
  add(p.brace(d), HasBrace(p.brace(d)), MemberLayer::Brace);
  add(p.sheathing(d), HasSheathing(p.sheathing(d)), MemberLayer::Sheathing);
  return sum;
}

// Coordinate of grid line `line` across loading direction d (y of an X line, x of a Y line).
float LineCoordinate(const Building& b, int d, int line, int level) {
  return d == kDirX ? b.Coord(1, line, level).y : b.Coord(line, 1, level).x;
}

void SetRigidity(Building& b, int level) {
  StoreyBalance& bal = b.Balance[static_cast<size_t>(level - 1)];
  for (int d = kDirX; d <= kDirY; ++d) {
    const auto k = static_cast<size_t>(d - 1);
    const int lines = d == kDirX ? b.PointsY() : b.PointsX();
    const int segments = b.Spans(d);
    std::vector<float>& lineStiffness = bal.LineStiffness[k];
    lineStiffness.assign(static_cast<size_t>(lines), 0.0f);
    float total = 0;
    float moment = 0;
    for (int line = 1; line <= lines; ++line) {
      float value = 0;
      for (int seg = 1; seg <= segments; ++seg) {
        const float add = d == kDirX ? PointStiffness(b, level, d, seg, line) : PointStiffness(b, level, d, line, seg);
        value = static_cast<float>(static_cast<double>(value) + add);
      }
      lineStiffness[static_cast<size_t>(line - 1)] = value;
      total = static_cast<float>(static_cast<double>(total) + value);
      if (value > 0) AddProduct(moment, value, LineCoordinate(b, d, line, level));
    }
    bal.Stiffness[k] = total;
    bal.RigidityMoment[k] = moment;
    bal.Rigidity[k] = std::fabs(total) > 0 ? static_cast<float>(static_cast<double>(moment) / total) : 0.0f;
    float torsion = 0;
    for (int line = 1; line <= lines; ++line) {
      const float value = lineStiffness[static_cast<size_t>(line - 1)];
      if (value <= 0) continue;
      const double arm = static_cast<double>(LineCoordinate(b, d, line, level)) - bal.Rigidity[k];
      AddProduct(torsion, value, arm * arm);
    }
    bal.Torsion[k] = torsion;
  }
}

void SetRatios(StoreyBalance& bal) {
  const double torsion = static_cast<double>(bal.Torsion[0]) + bal.Torsion[1];
  for (size_t k = 0; k < 2; ++k) {
    bal.EccDistance[k] = std::fabs(bal.Gravity[k] - bal.Rigidity[k]);
    bal.ElasticRadius[k] = bal.Stiffness[k] > 0 ? static_cast<float>(std::sqrt(torsion / bal.Stiffness[k])) : 0.0f;
    bal.EccRatio[k] = bal.ElasticRadius[k] > 0
                          ? static_cast<float>(static_cast<double>(bal.EccDistance[k]) / bal.ElasticRadius[k])
                          : 0.0f;
  }
}

}  // namespace

void UpdateEccentricity(Building& building) {
  if (building.Storeys() < 1 || building.Points().empty()) return;
  SetGravity(building);
  for (int level = 1; level <= building.Storeys(); ++level) SetRigidity(building, level);
  for (int level = 1; level <= building.Storeys(); ++level) {
    SetRatios(building.Balance[static_cast<size_t>(level - 1)]);
  }
}

EccentricityText FormatEccentricity(const StoreyBalance& balance, int d) {
  const auto k = static_cast<size_t>(d - 1);
  EccentricityText text;
  text.gravity = FormatFixed(balance.Gravity[k], 3) + "m";
  text.rigidity = FormatFixed(balance.Rigidity[k], 3) + "m";
  const float ratio = balance.EccRatio[k];
  if (balance.Stiffness[k] <= 0.000001f) {
    text.ratio = "----";
    text.colour = RatioColour::Red;
    text.bold = true;
    return text;
  }
  text.ratio = " " + FormatFixed(ratio, 3);
  if (ratio <= 0.2f) {
    text.colour = RatioColour::White;
    text.bold = false;
  } else if (ratio <= 0.3f) {
    text.colour = RatioColour::Yellow;
    text.bold = true;
  } else {
    text.colour = RatioColour::Red;
    text.bold = true;
  }
  return text;
}

}  // namespace tvk

#include "engine/eccentricity.h"

#include <algorithm>
#include <cmath>

#include "engine/calc_results.h"
#include "engine/level_view.h"
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

// Length of the wall member whose first unit segment starts at `at`. The run fields the
// editor keeps name its last segment; they are used when they agree with the position code,
// otherwise the member is walked (MemberExtent).
float MemberLength(const Building& b, const WallSeg& seg, MemberLayer layer, int level, Dir d, GridPos at) {
  if (seg.RunPos == 0) return b.SubPitch();
  const int own = at.Along(d);
  if (seg.RunStart == own && seg.RunEnd > own && seg.RunEnd <= b.Spans(d)) {
    return b.Distance(at, at.At(d, seg.RunEnd + 1), level);
  }
  return b.MemberExtent(layer, level, d, at).length;
}

// Lateral stiffness that the wall members starting at `at` add along d. A member counts
// once, at its first unit segment, and only when it is at least half a grid long.
float PointStiffness(const Building& b, const GridPoint& p, int level, Dir d, GridPos at) {
  const float minLength = b.Info.GridPitch / 2;
  float sum = 0;
  auto add = [&](const WallSeg& seg, bool present, MemberLayer layer) {
    if (!present || (seg.RunPos != 0 && seg.RunPos != 1)) return;
    const float length = MemberLength(b, seg, layer, level, d, at);
    if (length >= minLength) AddProduct(sum, length, seg.Multiplier);
  };
  add(p.brace(d), HasBrace(p.brace(d)), MemberLayer::Brace);
  add(p.sheathing(d), HasSheathing(p.sheathing(d)), MemberLayer::Sheathing);
  return sum;
}

void AddTo(float& sum, float value) { sum = static_cast<float>(static_cast<double>(sum) + value); }

// One sweep over a level in memory order: its floor and void cells (both count as mass)
// and the stiffness of every grid line. A line's segments are still summed from its first
// point to its last.
FloorMoments ScanLevel(const Building& b, StoreyBalance& bal, int level) {
  FloorMoments m;
  const double s = b.SubPitch();
  const float cell = static_cast<float>(s * s);
  std::vector<float>& linesX = bal.LineStiffness[Dir::X];
  std::vector<float>& linesY = bal.LineStiffness[Dir::Y];
  linesX.assign(static_cast<size_t>(b.PointsY()), 0.0f);
  linesY.assign(static_cast<size_t>(b.PointsX()), 0.0f);
  const auto view = LevelPoints(b, level);
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      const GridPoint& p = view(i, j);
      const GridPos at{i, j};
      if (i <= b.SpansX()) AddTo(Nth(linesX, j), PointStiffness(b, p, level, Dir::X, at));
      if (j <= b.SpansY()) AddTo(Nth(linesY, i), PointStiffness(b, p, level, Dir::Y, at));
      if (!HasFloorCell(p)) continue;
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
void SetGravity(const Building& b, CalcResults& results, const FloorMoments& lower, const FloorMoments& upper) {
  StoreyBalance& s1 = results.Storey(1).balance;
  s1.Gravity = {};
  s1.HasFloor = lower.area > 0 ? 1 : 0;
  if (lower.area > 0) {
    const double area = 18.0 * upper.area + 11.0 * lower.area;
    s1.Gravity[Dir::X] = static_cast<float>((18.0 * upper.my + 11.0 * lower.my) / area);
    s1.Gravity[Dir::Y] = static_cast<float>((18.0 * upper.mx + 11.0 * lower.mx) / area);
  }
  if (b.Storeys() >= 2) {
    StoreyBalance& s2 = results.Storey(2).balance;
    s2.Gravity = {};
    s2.HasFloor = upper.area > 0 ? 1 : 0;
    if (upper.area > 0) {
      s2.Gravity[Dir::X] = static_cast<float>(static_cast<double>(upper.my) / upper.area);
      s2.Gravity[Dir::Y] = static_cast<float>(static_cast<double>(upper.mx) / upper.area);
    }
  }
}

// Position of grid line `line` across its loading direction, from the grid itself: the point
// coordinates are rounded to single precision, and a centre of rigidity that misses the one
// line carrying all walls by that rounding would give such a storey a torsion of its own.
double LinePosition(const Building& b, int line) {
  return b.Divisions() > 0 ? (line - 1) * (static_cast<double>(b.Info.GridPitch) / b.Divisions()) : 0.0;
}

// Larger side of the plan (m): the scale of the rounding left in a torsion.
double PlanExtent(const Building& b) { return std::max(b.SpansX(), b.SpansY()) * LinePosition(b, 2); }

// A torsion this small against the stiffness and the plan's size is rounding left over
// from walls that all stand on one line.
constexpr double kTorsionRounding = 1e-9;

void SetRigidity(const Building& b, StoreyBalance& bal) {
  const double extent = PlanExtent(b);
  for (const Dir d : kDirs) {
    const std::vector<float>& lineStiffness = bal.LineStiffness[d];
    const int lines = static_cast<int>(lineStiffness.size());
    float total = 0;  // the stored stiffness, summed in single precision
    double stiffness = 0;
    double moment = 0;
    for (int line = 1; line <= lines; ++line) {
      const float value = Nth(lineStiffness, line);
      AddTo(total, value);
      stiffness += value;
      if (value > 0) moment += value * LinePosition(b, line);
    }
    const double rigidity = std::fabs(total) > 0 && stiffness != 0 ? moment / stiffness : 0.0;
    double torsion = 0;
    for (int line = 1; line <= lines; ++line) {
      const float value = Nth(lineStiffness, line);
      if (value <= 0) continue;
      const double arm = LinePosition(b, line) - rigidity;
      torsion += value * arm * arm;
    }
    if (torsion < kTorsionRounding * stiffness * extent * extent) torsion = 0;
    bal.Stiffness[d] = total;
    bal.RigidityMoment[d] = static_cast<float>(moment);
    bal.Rigidity[d] = static_cast<float>(rigidity);
    bal.Torsion[d] = static_cast<float>(torsion);
  }
}

void SetRatios(StoreyBalance& bal) {
  const double torsion = static_cast<double>(bal.Torsion[Dir::X]) + bal.Torsion[Dir::Y];
  bal.TorsionFree = (bal.Stiffness[Dir::X] > 0 || bal.Stiffness[Dir::Y] > 0) && torsion == 0 ? 1 : 0;
  for (const Dir d : kDirs) {
    bal.EccDistance[d] = std::fabs(bal.Gravity[d] - bal.Rigidity[d]);
    bal.ElasticRadius[d] = bal.Stiffness[d] > 0 ? static_cast<float>(std::sqrt(torsion / bal.Stiffness[d])) : 0.0f;
    bal.EccRatio[d] = bal.ElasticRadius[d] > 0
                          ? static_cast<float>(static_cast<double>(bal.EccDistance[d]) / bal.ElasticRadius[d])
                          : 0.0f;
  }
}

}  // namespace

void UpdateEccentricity(const Building& building, CalcResults& results) {
  if (building.Storeys() < 1 || building.Points().empty()) return;
  if (!results.Fits(building)) results.Reset(building);
  const FloorMoments lower = ScanLevel(building, results.Storey(1).balance, 1);
  // A one-storey building has no floor above storey 1 (level 2 holds its roof beams).
  const FloorMoments upper =
      building.Storeys() >= 2 ? ScanLevel(building, results.Storey(2).balance, 2) : FloorMoments{};
  SetGravity(building, results, lower, upper);
  for (int level = 1; level <= building.Storeys(); ++level) SetRigidity(building, results.Storey(level).balance);
  for (int level = 1; level <= building.Storeys(); ++level) SetRatios(results.Storey(level).balance);
}

bool HasRatio(const StoreyBalance& balance, Dir d) {
  return balance.Stiffness[d] > 0.000001f && balance.TorsionFree == 0;
}

EccentricityText FormatEccentricity(const StoreyBalance& balance, Dir d) {
  EccentricityText text;
  text.gravity = FormatFixed(balance.Gravity[d], 3) + "m";
  text.rigidity = FormatFixed(balance.Rigidity[d], 3) + "m";
  const float ratio = balance.EccRatio[d];
  if (!HasRatio(balance, d)) {
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

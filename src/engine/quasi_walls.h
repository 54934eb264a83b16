#pragma once
// Partly sheathed walls (準耐力壁等) in the wall quantity: where each one counts by the
// placement rules, its multiplier m = m0 x 0.6 x hs / H0 (木ずり: 0.5 x hs / H0), its length x
// m with the segment cap of 7.0 shared with the bearing walls, and which of them enter the
// N values' A. The cap of ½ the required length per storey and direction is the wall
// quantity's (wall_quantity.h).

#include <optional>
#include <vector>

#include "model/grid_types.h"
#include "model/quasi_walls.h"

namespace tvk {

class Building;
struct BuildingProfile;

// Why a partly sheathed wall does not count, in the order the rules are checked.
enum class QuasiFault {
  None,
  NoClearHeight,  // the storey's H0 is not given
  Narrow,         // 準耐力壁 narrower than 900 mm
  Low,            // 準耐力壁 sheathed over less than 80 % of H0
  OpeningWidth,   // 垂れ壁・腰壁 whose opening is not 900 .. 2000 mm
  ShortPart,      // 垂れ壁 or 腰壁 lower than 360 mm
  OverClear,      // 準耐力壁 sheathed higher than H0
  NoOpening,      // 垂れ壁・腰壁 as high as H0 together: no opening left
  NoSideWalls,    // 垂れ壁・腰壁 without a bearing wall or 準耐力壁 on both sides on its line
};

// The reason as the plan's tooltip and the report give it ("" for None).
const char* QuasiFaultText(QuasiFault fault);
// The reason's ASCII key for the JSON output ("" for None).
const char* QuasiFaultKey(QuasiFault fault);

// Rule values, mm and ratios.
inline constexpr double kMinFullWidthMm = 900;
inline constexpr double kMinFullShare = 0.8;
inline constexpr double kMinOpeningMm = 900;
inline constexpr double kMaxOpeningMm = 2000;
inline constexpr int kMinPartMm = 360;
inline constexpr double kQuasiBoardFactor = 0.6;
// N values take a partly sheathed wall stronger than this when the bearing walls alone
// reach half the requirement everywhere.
inline constexpr double kStrongQuasiMultiplier = 1.5;

struct QuasiWall {
  int storey = 1;
  Dir d = Dir::X;
  int line = 1;   // grid line across d
  int first = 1;  // unit segments along d
  int last = 1;
  QuasiKind kind = QuasiKind::Full;
  int board = 1;
  double m0 = 0;
  bool lath = false;  // 木ずり: no factor 0.6
  int topMm = 0;      // 準耐力壁: the sheathed height; 垂れ壁・腰壁: 垂れ壁
  int bottomMm = 0;   // 腰壁
  int hsMm = 0;       // sheathed height: top + bottom
  double widthMm = 0;
  std::optional<int> h0Mm;  // the storey's clear height
  std::optional<double> m;  // unrounded; known with H0
  QuasiFault fault = QuasiFault::None;
  // Length x m (cm) as the wall quantity counts it, each segment within 7.0 together with
  // its bearing walls; 0 for a wall that does not count.
  double cm = 0;
  bool segmentCapped = false;  // some segment's share was cut by the 7.0 cap
  bool inN = false;            // enters the A of the N values

  bool Counts() const { return fault == QuasiFault::None; }
  double LengthCm() const { return widthMm / 10.0; }
  GridPos Start() const { return GridPos::OnLine(d, line, first); }
};

// How the N values take the partly sheathed walls.
enum class QuasiNRule {
  NoWalls,             // none counts
  BearingSuffices,     // bearing walls alone reach ½ the requirement everywhere: m > 1.5 only
  BearingShort,        // somewhere they do not: every counted one
  RequirementUnknown,  // the requirement is not known: every counted one
};

const char* QuasiNRuleText(QuasiNRule rule);
const char* QuasiNRuleKey(QuasiNRule rule);

struct QuasiWalls {
  std::vector<QuasiWall> walls;  // storey by storey, lines along X, then along Y
  QuasiNRule nRule = QuasiNRule::NoWalls;

  // Σ length x m of the counted walls of a storey along d (cm), before the storey's cap.
  double CountedCm(int storey, Dir d) const;
  bool Empty() const { return walls.empty(); }
};

// Every partly sheathed wall of the building with its rules applied and its length x m; the
// N-value rule is left for DecideQuasiInN.
QuasiWalls CheckQuasiWalls(const Building& building, const BuildingProfile& profile);

// Bearing walls of a storey along d as the wall quantity has them and what is required (cm).
struct BearingShare {
  double bearingCm = 0;
  std::optional<double> requiredCm;
};

// Sets the N-value rule and each wall's inN from the bearing walls against the requirement
// of every storey and direction (shares[storey-1][d]).
void DecideQuasiInN(QuasiWalls& quasi, const std::vector<PerDir<BearingShare>>& shares);

}  // namespace tvk

#pragma once
// Wall balance by quarters (四分割法, 平12建告1352号): per storey and force direction, the two
// outer quarters of the storey's extent across the walls of that direction (side strips),
// each strip's required and existing wall length, 充足率, 壁率比 and the judgement.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/check_inputs.h"
#include "engine/required_lw.h"
#include "engine/storey_plan.h"
#include "engine/wall_length.h"

namespace tvk {

class CalcResults;

// The check is not required where the storey's eccentricity ratio is at most this.
constexpr float kQuarterExemptRatio = 0.3f;
constexpr double kBalanceLimit = 0.5;

struct QuarterStrip {
  bool low = true;                    // at smaller Y for force along X, at smaller X for force along Y
  double from = 0;                    // m from grid line 1
  double to = 0;                      // m
  double area = 0;                    // m² of floor inside the strip (cut cells by the part inside)
  double oneStoreyArea = 0;           // of which with no 2F above (1F of two storeys)
  std::optional<double> lw;           // cm/m², the storey's Lw
  std::optional<double> oneStoreyLw;  // cm/m², for the part with no 2F above
  std::optional<double> requiredCm;   // empty when an Lw it needs is unknown
  double existingCm = 0;              // walls inside the strip, quarter line included
  std::optional<double> fill;         // 充足率; empty when nothing is required or unknown

  // Required length known and met beyond 1 (a strip that requires nothing is met).
  bool Satisfied() const;
};

struct QuarterDirection {
  std::array<QuarterStrip, 2> strips;  // low, high
  std::optional<double> balance;       // 壁率比 = smaller 充足率 / larger
  std::optional<bool> ok;              // both 充足率 > 1, or 壁率比 ≥ 0.5
  // Eccentricity ratio of the storey in this direction; empty when it shows "----" (no walls
  // or no torsional resistance), which never exempts.
  std::optional<float> eccentricityRatio;
  bool exempt = false;
  MissingFields missing;
};

struct QuarterStorey {
  int storey = 1;
  PerDir<QuarterDirection> dir;
};

// The program's name of a strip's side: "下側" / "上側" for force along X, "左側" / "右側" along Y.
const char* QuarterSideName(Dir d, bool low);
// A strip named with its 充足率 as the plans show it: "Ｘ方向 下側 充足率 1.25"; "―" where the
// strip requires nothing, "----" where the requirement is unknown.
std::string QuarterStripText(Dir d, const QuarterStrip& strip);

// Takes the storey eccentricity from results (UpdateEccentricity).
std::vector<QuarterStorey> CheckQuarters(const CalcResults& results, const LwDerivation& lw,
                                         const std::vector<StoreyPlan>& plans,
                                         const std::vector<PerDir<WallLines>>& walls);

}  // namespace tvk

#include "engine/quarter_check.h"

#include <algorithm>

#include "engine/calc_results.h"
#include "engine/eccentricity.h"
#include "model/number_format.h"

namespace tvk {

namespace {

// Fills and ratios are quotients of sums of decimal lengths; equality with the limits must
// survive their rounding noise.
constexpr double kSlack = 1e-9;

// A strip in sub-grid units across d, measured from grid line 1.
struct StripBounds {
  double from = 0;
  double to = 0;
};

double Overlap(double from, double to, const StripBounds& strip) {
  return std::max(0.0, std::min(to, strip.to) - std::max(from, strip.from));
}

void MeasureStrip(QuarterStrip& strip, const StripBounds& bounds, const StoreyPlan& plan, const WallLines& walls,
                  Dir d) {
  const double side = plan.cellSide;
  strip.from = bounds.from * side;
  strip.to = bounds.to * side;
  const std::vector<int>& floor = plan.floorPerBand[d];
  const std::vector<int>& open = plan.openPerBand[d];
  const CellRange& range = plan.Across(d);
  for (int k = range.first; k <= range.last; ++k) {
    const double share = Overlap(k - 1, k, bounds) * side * side;
    strip.area += share * Nth(floor, k);
    strip.oneStoreyArea += share * Nth(open, k);
  }
  // Grid line L lies at L - 1 sub-grids; quarter lines are multiples of 1/4, so exact.
  for (int line = 1; line <= static_cast<int>(walls.cm.size()); ++line) {
    if (line - 1 >= bounds.from && line - 1 <= bounds.to) strip.existingCm += Nth(walls.cm, line);
  }
}

void RequireStrip(QuarterStrip& strip, const LwDerivation& lw, int storey, MissingFields& missing) {
  strip.lw = lw.Storey(storey).value;
  strip.oneStoreyLw = lw.oneStorey.value;
  const double shared = strip.area - strip.oneStoreyArea;
  const bool needsOwn = shared > 0;
  const bool needsOne = strip.oneStoreyArea > 0;
  if (needsOwn && !strip.lw) missing.Add(lw.missing);
  if (needsOne && !strip.oneStoreyLw) missing.Add(lw.missingOneStorey);
  if ((needsOwn && !strip.lw) || (needsOne && !strip.oneStoreyLw)) return;
  strip.requiredCm =
      (needsOwn ? shared * *strip.lw : 0.0) + (needsOne ? strip.oneStoreyArea * *strip.oneStoreyLw : 0.0);
  if (*strip.requiredCm > 0) strip.fill = strip.existingCm / *strip.requiredCm;
}

void Judge(QuarterDirection& q) {
  const QuarterStrip& low = q.strips[0];
  const QuarterStrip& high = q.strips[1];
  if (!low.requiredCm || !high.requiredCm) return;
  if (low.fill && high.fill) {
    const double larger = std::max(*low.fill, *high.fill);
    if (larger > 0) q.balance = std::min(*low.fill, *high.fill) / larger;
  }
  q.ok = (low.Satisfied() && high.Satisfied()) || (q.balance && *q.balance >= kBalanceLimit - kSlack);
}

void SetExemption(QuarterDirection& q, const StoreyBalance& balance, Dir d) {
  // A direction whose ratio reads "----" (no walls, no torsion resistance) exempts nothing.
  if (!HasRatio(balance, d)) return;
  q.eccentricityRatio = balance.EccRatio[d];
  q.exempt = balance.EccRatio[d] <= kQuarterExemptRatio;
}

QuarterDirection CheckDirection(const CalcResults& results, const LwDerivation& lw, const StoreyPlan& plan,
                                const WallLines& walls, Dir d) {
  QuarterDirection q;
  const CellRange& range = plan.Across(d);
  if (!range.Empty()) {
    const double lo = range.first - 1;
    const double hi = range.last;
    const double quarter = (hi - lo) / 4;
    MeasureStrip(q.strips[0], {lo, lo + quarter}, plan, walls, d);
    MeasureStrip(q.strips[1], {hi - quarter, hi}, plan, walls, d);
  }
  q.strips[1].low = false;
  for (QuarterStrip& strip : q.strips) RequireStrip(strip, lw, plan.storey, q.missing);
  Judge(q);
  SetExemption(q, results.Storey(plan.storey).balance, d);
  return q;
}

}  // namespace

const char* QuarterSideName(Dir d, bool low) {
  if (d == Dir::X) return low ? "下側" : "上側";
  return low ? "左側" : "右側";
}

std::string QuarterStripText(Dir d, const QuarterStrip& strip) {
  const bool nothing = strip.requiredCm && *strip.requiredCm <= 0;
  const std::string fill = nothing ? "―" : strip.fill ? FormatFixed(*strip.fill, 2) : "----";
  return std::string(d == Dir::X ? "Ｘ方向 " : "Ｙ方向 ") + QuarterSideName(d, strip.low) + " 充足率 " + fill;
}

bool QuarterStrip::Satisfied() const {
  if (!requiredCm) return false;
  return *requiredCm <= 0 || (fill && *fill > 1 + kSlack);
}

std::vector<QuarterStorey> CheckQuarters(const CalcResults& results, const LwDerivation& lw,
                                         const std::vector<StoreyPlan>& plans,
                                         const std::vector<PerDir<WallLines>>& walls) {
  std::vector<QuarterStorey> storeys;
  for (const StoreyPlan& plan : plans) {
    QuarterStorey storey;
    storey.storey = plan.storey;
    for (const Dir d : kDirs) {
      storey.dir[d] = CheckDirection(results, lw, plan, Nth(walls, plan.storey)[d], d);
    }
    storeys.push_back(storey);
  }
  return storeys;
}

}  // namespace tvk

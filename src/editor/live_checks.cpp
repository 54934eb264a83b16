#include "editor/live_checks.h"

#include "model/building.h"
#include "model/profile_store.h"

namespace tvk {

std::optional<LiveChecks> LiveChecksOf(const ProfileChecks& checks, int storey) {
  const auto s = static_cast<size_t>(storey - 1);
  if (storey < 1 || s >= checks.plans.size() || s >= checks.wallQuantity.storeys.size() ||
      s >= checks.quarters.size()) {
    return std::nullopt;
  }
  return LiveChecks{checks.plans[s], checks.wallQuantity.storeys[s], checks.quarters[s], checks.quasi};
}

LiveColumns RunLiveColumns(const Building& building, const ProfileChecks& wallChecks, int storey) {
  LiveColumns live;
  live.storey = storey;
  if (storey < 1 || storey > building.Storeys()) return live;
  ColumnSize size = CheckColumnSize(building, ReadProfile(building), wallChecks.loads, wallChecks.lw.weights, storey);
  if (!size.storeys.empty()) live.figures = size.storeys.front();
  live.columns = std::move(size.columns);
  live.missing = size.missing;
  live.regions = TributaryRegionsOf(building, storey);
  return live;
}

}  // namespace tvk

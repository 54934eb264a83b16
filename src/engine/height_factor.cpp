#include "engine/height_factor.h"

#include "model/building.h"
#include "model/profile_store.h"

namespace tvk {

float HeightFactor(const Building& building, int storey) {
  const std::optional<int> mm = StoreyHeightMm(building.Info, storey);
  if (!mm || *mm <= kHeightFactorFromMm) return 1.0f;
  return static_cast<float>(*mm / 2700.0);
}

}  // namespace tvk

#include "model/default_settings.h"

#include <cstddef>

namespace tvk {

int32_t DefaultSettings::figureFontSize(int k) const {
  const int32_t size = FigureFontSize.at(static_cast<size_t>(k));
  return size == 0 ? 7 : size;
}

}  // namespace tvk

#include "ui/result_windows.h"

#include "ui/check_view_window.h"
#include "ui/elevation_window.h"

namespace tvk {

void CloseResultWindows(QWidget* owner) {
  CloseResultWindows<ElevationWindow>(owner);
  CloseResultWindows<CheckViewWindow>(owner);
}

}  // namespace tvk

#include <ostream>

#include "app/cli.h"

namespace tvk {

int RunReportCommand(int, char**, const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "voln-tvk report: not available in this build\n";
  return kExitUsage;
}

}  // namespace tvk

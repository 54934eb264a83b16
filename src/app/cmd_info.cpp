#include <ostream>

#include "app/cli.h"

namespace tvk {

int RunInfoCommand(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "voln-tvk info: not available in this build\n";
  return kExitUsage;
}

}  // namespace tvk

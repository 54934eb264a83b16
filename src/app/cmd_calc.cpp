#include <ostream>

#include "app/cli.h"

namespace tvk {

int RunCalcCommand(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "voln-tvk calc: not available in this build\n";
  return kExitUsage;
}

}  // namespace tvk

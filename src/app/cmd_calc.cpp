// voln-tvk calc FILE.TVK [--json] [--no-auto]: the calculation the report command runs,
// printed as JSON or as a table. The project file is never written.

#include <ostream>

#include "app/batch_project.h"
#include "app/calc_json.h"
#include "app/calc_results.h"
#include "app/calc_table.h"
#include "app/cli.h"
#include "editor/document.h"
#include "engine/full_calculation.h"

namespace tvk {

namespace {

constexpr const char* kUsage = "usage: voln-tvk calc FILE.TVK [--json] [--no-auto]\n";

}  // namespace

int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string path;
  bool json = false;
  bool noAuto = false;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      json = true;
    } else if (arg == "--no-auto") {
      noAuto = true;
    } else if (!arg.empty() && arg[0] != '-' && path.empty()) {
      path = arg;
    } else {
      err << "voln-tvk calc: unexpected argument " << arg << "\n" << kUsage;
      return kExitUsage;
    }
  }
  if (path.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  Document document;
  if (!LoadBatchProject(path, document, err, "calc")) return kExitRefused;
  // Hardware is filled only as the project's option says; --no-auto never fills it.
  const CalcResults& results = document.results(noAuto ? HardwareFill::Never : HardwareFill::AsTheProjectSays);
  const Building& building = document.building();
  if (json) {
    WriteCalcJson(building, results, out);
  } else {
    PrintCalcTable(building, results, out);
  }
  PrintCalculationWarnings(building, results, err, "calc");
  return kExitOk;
}

}  // namespace tvk

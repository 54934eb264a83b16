#include "app/cli.h"

#include <cstdlib>
#include <iostream>
#include <optional>

#include "model/version.h"
#include "ui/windows/desktop_app.h"

namespace tvk {

namespace {

const char* const kUsage =
    "usage:\n"
    "  voln-tvk [FILE.TVK]                         the desktop program, optionally opening FILE\n"
    "  voln-tvk info FILE.TVK                      the building outline and member counts per storey\n"
    "  voln-tvk calc FILE.TVK [--json] [--no-auto] compute every column and storey, print the results\n"
    "  voln-tvk report FILE.TVK -o OUT.pdf         compose the whole calculation report and write it as PDF\n"
    "  voln-tvk profile FILE.TVK [KEY=VALUE ...]   print the building profile (heights, finishes, loads, columns), "
    "or set fields and save\n"
    "  voln-tvk export FILE.TVK --dxf OUT.dxf      the structural plans as DXF, every storey side by side\n"
    "        [--storey N]                          only storey N\n"
    "        [--no-quarters] [--no-centres]        without the quarter strips (drawn where the building profile\n"
    "                                              lets the check judge them), without the centres of gravity\n"
    "                                              and rigidity\n"
    "  voln-tvk --version | --help\n";

// A window can be shown: a display, or a platform chosen explicitly (offscreen tests).
bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace

int RunCommandLine(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::optional<std::string> file;
  if (!args.empty()) {
    const std::string command = args.front();
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--version") {
      std::cout << VersionText() << "\n";
      return kExitOk;
    }
    if (command == "--help" || command == "-h") {
      std::cout << kUsage;
      return kExitOk;
    }
    if (command == "info") return RunInfoCommand(rest, std::cout, std::cerr);
    if (command == "calc") return RunCalcCommand(rest, std::cout, std::cerr);
    if (command == "profile") return RunProfileCommand(rest, std::cout, std::cerr);
    if (command == "export") return RunExportCommand(rest, std::cout, std::cerr);
    if (command == "report") return RunReportCommand(argc, argv, rest, std::cout, std::cerr);
    if (!command.empty() && command[0] == '-') {
      std::cerr << "voln-tvk: unknown option " << command << "\n" << kUsage;
      return kExitUsage;
    }
    if (!rest.empty()) {
      std::cerr << "voln-tvk: unknown command " << command << "\n" << kUsage;
      return kExitUsage;
    }
    file = command;
  }
  if (!HasDisplay()) {
    std::cerr << "voln-tvk: the desktop program needs a display (DISPLAY or WAYLAND_DISPLAY); "
                 "the batch sub-commands run without one\n"
              << kUsage;
    return kExitUsage;
  }
  return RunDesktopProgram(argc, argv, file);
}

}  // namespace tvk

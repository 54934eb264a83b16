#pragma once
// Entry of the voln-tvk executable: the desktop program or one batch sub-command.

#include <iosfwd>
#include <string>
#include <vector>

namespace tvk {

// Exit codes of the batch interface.
constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;  // unreadable or refused file, failed write
constexpr int kExitUsage = 2;

int RunCommandLine(int argc, char** argv);

// Batch sub-commands; args excludes the sub-command name.
int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunProfileCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunReportCommand(int argc, char** argv, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tvk

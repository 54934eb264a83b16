#pragma once
// Runs a program through the shell and collects its exit code and both output streams.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace tvk::test {

struct CommandRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// `arguments` is shell text (quote paths with ShellQuoted); the streams are caught in
// files of the scratch folder `dir`.
inline CommandRun RunCommand(const std::string& program, const std::string& arguments, const std::string& dir) {
  const std::string out = dir + "/stdout";
  const std::string err = dir + "/stderr";
  const std::string command =
      ShellQuoted(program) + " " + arguments + " > " + ShellQuoted(out) + " 2> " + ShellQuoted(err);
  const int status = std::system(command.c_str());
  auto slurp = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
  return CommandRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
}

}  // namespace tvk::test

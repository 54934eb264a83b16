#pragma once
// Outcome of reading or writing one of the program's files. A failure carries the
// message shown to the user (UTF-8, "\n" for line breaks).

#include <string>

namespace tvk {

struct FileResult {
  bool ok = true;
  std::string message;

  static FileResult Failure(std::string text) { return FileResult{false, std::move(text)}; }
};

}  // namespace tvk

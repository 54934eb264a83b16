#include "app/batch_project.h"

#include <ostream>

#include "editor/document.h"
#include "model/project_file.h"

namespace tvk {

namespace {

void PrintMessage(std::ostream& err, std::string_view command, const std::string& path, const std::string& message) {
  err << "voln-tvk " << command << ": " << path << ": " << message << "\n";
}

}  // namespace

bool LoadBatchProject(const std::string& path, Document& document, std::ostream& err, std::string_view command) {
  if (const auto refusal = CheckProductCode(path)) {
    PrintMessage(err, command, path, *refusal);
    return false;
  }
  if (const FileResult loaded = document.load(path); !loaded.ok) {
    PrintMessage(err, command, path, loaded.message);
    return false;
  }
  return true;
}

}  // namespace tvk

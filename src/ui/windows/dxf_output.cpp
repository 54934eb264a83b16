#include "ui/windows/dxf_output.h"

#include <filesystem>
#include <optional>

#include "editor/file_commands.h"
#include "editor/session.h"
#include "model/path_parts.h"
#include "model/safe_file.h"
#include "ui/common/message_box.h"
#include "ui/preview/preview_texts.h"

namespace tvk {

namespace {

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return std::filesystem::equivalent(a, b, ignored);
}

bool Exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

}  // namespace

FileDialogSpec DxfDialogSpec(Session& session) {
  const std::string name = BuildingFileName("構造伏図_", session.document.building()) + ".dxf";
  return {kDxfDialogTitle, kDxfFilter, JoinPath(DialogFolder(session), name), "dxf"};
}

std::string DxfWrittenMessage(const std::string& path) { return path + "\n\nを作成しました。"; }

std::string DxfOverProjectMessage(const std::string& path) {
  return path + "\n\nは入力データのファイルです。\n\nDXF は別のファイル名で出力してください。";
}

bool DxfOutputCommand(Session& session, UserPrompts& prompts, const DxfExportOptions& options) {
  const std::optional<std::string> chosen = prompts.chooseSaveFile(DxfDialogSpec(session));
  if (!chosen || chosen->empty()) return false;
  const std::string& path = *chosen;
  if (SameFile(path, session.document.path())) {
    prompts.tell(DxfOverProjectMessage(path));
    return false;
  }
  if (Exists(path) && !prompts.askOkCancelDefaultCancel(ExistingFileQuestion(path))) return false;
  FileResult written;
  {
    const BusyCursor busy;
    written =
        WriteFileAtomically(path, PlanDxf(session.document.building(), session.document.results(), options).bytes);
  }
  if (!written.ok) {
    prompts.tell(written.message);
    return false;
  }
  prompts.tell(DxfWrittenMessage(path));
  return true;
}

}  // namespace tvk

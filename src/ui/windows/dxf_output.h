#pragma once
// "DXF出力...": the structural plans of the building as one DXF file, after the calculation the
// report runs. The save dialog starts in the data folder with "構造伏図_" + the building name;
// an existing file is replaced only after a question whose default keeps it, and only once the
// new file is complete; a failure is told and leaves the file that was there.

#include <string>

#include "editor/user_prompts.h"
#include "export/plan_export.h"

namespace tvk {

struct Session;

inline constexpr const char* kDxfDialogTitle = "『 構造伏図 の DXF 出力 』";
inline constexpr const char* kDxfFilter = "DXF(*.dxf);;すべてのﾌｧｲﾙ(*.*)";

FileDialogSpec DxfDialogSpec(Session& session);
std::string DxfWrittenMessage(const std::string& path);
std::string DxfOverProjectMessage(const std::string& path);

// True when the file was written.
bool DxfOutputCommand(Session& session, UserPrompts& prompts, const DxfExportOptions& options);

}  // namespace tvk

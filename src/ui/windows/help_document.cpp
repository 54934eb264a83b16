#include "ui/windows/help_document.h"

#include <QFile>
#include <QFileInfo>

#include "editor/session.h"
#include "model/path_parts.h"
#include "model/settings_folder.h"

// The document is compiled into this library; a static library needs its resources
// registered by name, from the global namespace.
static void RegisterHelpResource() { Q_INIT_RESOURCE(help); }

namespace tvk {

std::string HelpDocument(const Session& session) {
  const std::string beside = JoinPath(session.programFolder, kHelpFileName);
  if (QFileInfo::exists(QString::fromStdString(beside))) return beside;
  if (const std::string data = InstalledDataFolder(session.programFolder); !data.empty()) {
    const std::string installed = JoinPath(data, kHtmlHelpFileName);
    if (QFileInfo::exists(QString::fromStdString(installed))) return installed;
  }
  RegisterHelpResource();
  QFile built(":/help/VOLNTVK.html");
  if (!built.open(QIODevice::ReadOnly)) return {};
  const QByteArray text = built.readAll();
  const std::string written = JoinPath(session.settingsFolder, kHtmlHelpFileName);
  QFile out(QString::fromStdString(written));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size()) return {};
  return written;
}

}  // namespace tvk

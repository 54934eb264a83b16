#include "report/chapters/program_header.h"

#include "model/building.h"

namespace tvk {

QString ProgramHeaderText(const std::string& buildingName) {
  QString name = QString::fromStdString(buildingName);
  name.replace(u'|', QChar(0xFF5C));
  return QString::fromUtf8(kProgramTitle) + QStringLiteral("   [ ") + name + QStringLiteral(" ]");
}

}  // namespace tvk

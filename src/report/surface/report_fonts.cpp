#include "report/surface/report_fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <array>
#include <mutex>

namespace tvk {
namespace {

struct Substitution {
  const char* face;
  const char* family;
};

constexpr std::array<Substitution, 4> kSubstitutions{{
    {"ＭＳ 明朝", "IPAMincho"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
}};

constexpr const char* kDefaultFamily = "IPAMincho";

}  // namespace

void RegisterReportFonts() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const Substitution& s : kSubstitutions) {
      QFont::insertSubstitution(QString::fromUtf8(s.face), QString::fromUtf8(s.family));
    }
  });
}

QString ReportFamily(const QString& faceName) {
  for (const Substitution& s : kSubstitutions) {
    if (faceName == QString::fromUtf8(s.face)) return QString::fromUtf8(s.family);
  }
  if (faceName.isEmpty() || !QFontDatabase::hasFamily(faceName)) return QString::fromUtf8(kDefaultFamily);
  return faceName;
}

QFont MakeReportFont(const FontKey& key) {
  QFont font;
  // The IPA family first; IPAMincho behind it keeps Japanese text in a Japanese face even
  // for an unusual face name.
  font.setFamilies(QStringList() << ReportFamily(key.name) << QString::fromUtf8(kDefaultFamily));
  font.setPixelSize(std::max(1, key.sizeTwips));
  font.setBold(key.bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  return font;
}

ReportFontMetrics::ReportFontMetrics(const QFont& font)
    : metrics_(font), height_(font.pixelSize()), ascent_(std::min(metrics_.ascent(), height_)) {}

}  // namespace tvk

#pragma once
// Fonts of the report. The report and the dialogs name the Windows Japanese faces
// ("ＭＳ 明朝", "ＭＳ Ｐ明朝", "ＭＳ ゴシック", "ＭＳ Ｐゴシック"); on this platform they are
// drawn with the metric-compatible IPA families. Fonts are built in page units: a font of
// p points has a pixel size of 20 p twips, so measuring and replaying agree on any device.

#include <QFont>
#include <QFontMetricsF>
#include <QString>

namespace tvk {

// Twips per point (1 pt = 1/72 inch, 1 twip = 1/1440 inch).
inline constexpr int kTwipsPerPoint = 20;

// One font as the report names it: the face name as given by the caller (e.g. "ＭＳ 明朝"),
// the size in twips (20 x points, rounded) and the bold flag.
struct FontKey {
  QString name;
  int sizeTwips = 220;
  bool bold = false;

  double points() const { return sizeTwips / double(kTwipsPerPoint); }
  bool operator==(const FontKey&) const = default;
};

// Registers the face substitutions ("ＭＳ 明朝" -> IPAMincho, "ＭＳ Ｐ明朝" -> IPAPMincho,
// "ＭＳ ゴシック" -> IPAGothic, "ＭＳ Ｐゴシック" -> IPAPGothic) with Qt, once per process, so that
// widgets naming these faces get the IPA fonts too. Safe to call repeatedly.
void RegisterReportFonts();

// The installed family that draws the named face: the IPA family for the four Japanese
// faces, the name itself otherwise. Unknown and empty names draw in IPAMincho, never in a
// Latin-only font.
QString ReportFamily(const QString& faceName);

// The QFont for a key, in pixel units of twips (see above), without hinting so that advances
// scale linearly onto every device.
QFont MakeReportFont(const FontKey& key);

// Metrics of a report font in twips. The text height is the em size, as the Windows Japanese
// faces report it (their ascent and descent add up to one em), so line pitches and page
// breaks follow the layout the report was made for; the IPA faces would report a deeper
// descent (1.1 em in all). The baseline lies one ascent (at most one em) below the top of
// the text box, where the IPA faces put it: Japanese glyphs fill the box.
class ReportFontMetrics {
 public:
  explicit ReportFontMetrics(const QFont& font);
  double Height() const { return height_; }
  double Ascent() const { return ascent_; }
  double Width(const QString& text) const { return metrics_.horizontalAdvance(text); }

 private:
  QFontMetricsF metrics_;
  double height_;
  double ascent_;
};

}  // namespace tvk

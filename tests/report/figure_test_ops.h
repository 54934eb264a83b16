#pragma once
// Reading the recorded figure pages in tests: texts, squares and their fills, in page cm.

#include <QString>
#include <optional>
#include <vector>

#include "report/surface/page_ops.h"
#include "report/surface/page_surface.h"

namespace tvk::test {

// The recorded text ops of a page.
inline std::vector<TextOp> PageTexts(const PageDocument& doc, int pageIndex) {
  std::vector<TextOp> out;
  for (const PageOp& op : doc.pages.at(static_cast<size_t>(pageIndex)).ops) {
    if (const auto* t = std::get_if<TextOp>(&op)) out.push_back(*t);
  }
  return out;
}

inline std::optional<TextOp> FindText(const PageDocument& doc, int pageIndex, const QString& text) {
  for (const TextOp& t : PageTexts(doc, pageIndex)) {
    if (t.text == text) return t;
  }
  return std::nullopt;
}

inline int CountTexts(const PageDocument& doc, int pageIndex, const QString& prefix) {
  int n = 0;
  for (const TextOp& t : PageTexts(doc, pageIndex)) n += t.text.startsWith(prefix) ? 1 : 0;
  return n;
}

// Rectangles of a page whose side (cm) is the given one, within a twip.
inline std::vector<RectOp> SquaresOfSide(const PageDocument& doc, int pageIndex, double sideCm) {
  std::vector<RectOp> out;
  for (const PageOp& op : doc.pages.at(static_cast<size_t>(pageIndex)).ops) {
    const auto* r = std::get_if<RectOp>(&op);
    if (r && std::abs(r->rect.width() - sideCm * kTwipsPerCm) <= 1.0 &&
        std::abs(r->rect.height() - r->rect.width()) <= 1.0) {
      out.push_back(*r);
    }
  }
  return out;
}

inline int CountRects(const PageDocument& doc, int pageIndex, Qt::BrushStyle style, const QColor& color) {
  int n = 0;
  for (const PageOp& op : doc.pages.at(static_cast<size_t>(pageIndex)).ops) {
    const auto* r = std::get_if<RectOp>(&op);
    n += r && r->brush.style == style && r->brush.color == color ? 1 : 0;
  }
  return n;
}

// Paper twips of a margin-box point in cm (report margins).
inline double PaperX(double cm) { return (PageMargins{}.left + cm) * kTwipsPerCm; }

}  // namespace tvk::test

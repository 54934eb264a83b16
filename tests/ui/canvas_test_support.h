#pragma once
// The plan canvas under test: a widget application, a small building in a document, the
// editor state the canvas reads, and readers of the pixels it shows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <memory>

#include "editor/document.h"
#include "editor/plan_editor.h"
#include "model/line_names.h"
#include "support/plan_builder.h"
#include "ui/canvas/canvas_painter.h"
#include "ui/canvas/palette16.h"
#include "ui/canvas/plan_canvas.h"

namespace tvk::test {

inline void EnsureWidgetApp() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_ui";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

inline QColor Pal(int index) { return PaletteColor(index); }

// Whether a pixel within `radius` of p has the colour.
inline bool ColourNear(const QImage& image, QPoint p, const QColor& colour, int radius = 2) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      const QPoint q(p.x() + dx, p.y() + dy);
      if (image.rect().contains(q) && image.pixelColor(q) == colour) return true;
    }
  }
  return false;
}

// Pixels of a colour in a rectangle.
inline int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
  int count = 0;
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) count += image.pixelColor(x, y) == colour ? 1 : 0;
  }
  return count;
}

// Pixels of a colour as antialiased text shows it on black: the colour at half strength or more.
inline int CountShade(const QImage& image, const QRect& area, const QColor& colour) {
  const int top = std::max({colour.red(), colour.green(), colour.blue()});
  int count = 0;
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor p = image.pixelColor(x, y);
      const double t = std::max({p.red(), p.green(), p.blue()}) / double(top);
      const bool shade = t >= 0.5 && std::abs(p.red() - colour.red() * t) <= 24 &&
                         std::abs(p.green() - colour.green() * t) <= 24 && std::abs(p.blue() - colour.blue() * t) <= 24;
      count += shade ? 1 : 0;
    }
  }
  return count;
}

// Positions of the first pixel that differs between two images of one size, for messages.
inline std::string FirstDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return "sizes differ";
  int count = 0;
  std::string first;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) == b.pixel(x, y)) continue;
      if (count++ == 0) first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
  }
  return count == 0 ? "none" : std::to_string(count) + " pixels, first at " + first;
}

// A two-storey building of 8 x 6 spans (0.91 m grids, two divisions) with line names, and
// a canvas 1004 x 764 pixels: a box of 1000 x 760 at zoom 1. The plan is built in `plan`;
// the canvas shows the document, which takes the plan when the canvas is made and again
// at every Redrawn().
class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() : plan(2, 8, 6) {
    EnsureWidgetApp();
    GenerateLineNames(plan.b);
  }

  PlanCanvas& Canvas() {
    if (!canvas_) {
      doc.replace(plan.b);
      canvas_ = std::make_unique<PlanCanvas>(doc, [this]() -> const EditorState& { return CanvasState(); });
      canvas_->setAttribute(Qt::WA_DontShowOnScreen);
      canvas_->resize(1004, 764);
      canvas_->show();
      QApplication::processEvents();
    }
    return *canvas_;
  }
  // The plan as built now, drawn afresh.
  const QImage& Redrawn() {
    Canvas();
    doc.replace(plan.b);
    return Canvas().planImage();
  }

  // The pixel of the box that holds a page position in cm.
  QPoint Px(QPointF cm) {
    const QPointF at = Canvas().toViewport(
        CanvasPos{CanvasPainter::ToUnits(cm.x(), cm.y()).x(), CanvasPainter::ToUnits(cm.x(), cm.y()).y()});
    return QPoint(int(std::floor(at.x())), int(std::floor(at.y())));
  }
  // Page position in cm of a grid point (level 1), optionally moved by (dx, dy) cm.
  QPointF Cm(double i, double j, double dx = 0, double dy = 0) {
    const double scale = PlanScale(plan.b);
    const double pitch = plan.b.SubPitch();
    return {(i - 1) * pitch * scale + kMarginCm + dx, (j - 1) * pitch * scale + kMarginCm + dy};
  }
  QPoint PxAt(double i, double j, double dx = 0, double dy = 0) { return Px(Cm(i, j, dx, dy)); }

  // The state the canvas reads.
  virtual const EditorState& CanvasState() const { return state; }

  PlanBuilder plan;
  EditorState state;
  Document doc;

 private:
  std::unique_ptr<PlanCanvas> canvas_;
};

}  // namespace tvk::test

// Short image descriptions in failure messages.
inline void PrintTo(const QImage& image, std::ostream* os) {
  *os << "image " << image.width() << "x" << image.height();
}

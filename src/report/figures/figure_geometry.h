#pragma once
// Small page-geometry types shared by the plan and elevation figures (cm, y downwards).

namespace tvk {

struct PagePoint {
  double x = 0;
  double y = 0;
};

struct PageBox {
  double x = 0;
  double y = 0;
  double w = 0;
  double h = 0;

  double right() const { return x + w; }
  double bottom() const { return y + h; }
  bool intersects(const PageBox& o) const { return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom(); }
};

}  // namespace tvk

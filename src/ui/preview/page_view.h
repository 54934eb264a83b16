#pragma once
// Shows recorded pages (page_ops.h) by replaying them at a zoom: one page fitted whole or to
// the width, one page at 120, 150 or 200 % of its paper size, two pages side by side, or
// every page as a thumbnail. Used by the preview, the frame elevation window and the check
// view.

#include <QAbstractScrollArea>
#include <QPixmap>
#include <map>
#include <utility>
#include <vector>

#include "report/surface/page_ops.h"

namespace tvk {

enum class ZoomMode { WholePage, PageWidth, Percent120, Percent150, Percent200, TwoPages, Thumbnails };

// Pixels per twip of one page in a viewport: fitted modes fit the page (or two pages side by
// side) into the viewport less a small border; percent modes take the paper size at the
// screen's resolution (dpi). Thumbnails are a fixed small size.
double PageScale(ZoomMode zoom, QSizeF pageTwips, QSize viewport, double dpi);

class PageView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit PageView(QWidget* parent = nullptr);

  // The pages to show (not owned; nullptr shows nothing). Shows page 1.
  void setDocument(const PageDocument* document);
  // 1-based page shown (two pages: the left one; thumbnails: the one framed).
  int page() const { return page_; }
  void setPage(int page);
  ZoomMode zoom() const { return zoom_; }
  void setZoom(ZoomMode zoom);
  // Shows page and scrolls so that the paper y (twips from the top of the page) is near the
  // top of the view.
  void showPageAt(int page, double yTwips);

  // Pixels per twip at which pages are drawn now.
  double scale() const;

 signals:
  // The user clicked a page (two pages, thumbnails); the view has already shown it.
  void pageChosen(int page);
  // A double click on a thumbnail showed that page whole.
  void zoomChanged(tvk::ZoomMode zoom);
  // Right click in the page area.
  void zoomMenuRequested(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  struct Slot {
    int page = 0;  // 1-based
    QRect rect;    // in content pixels
  };
  std::vector<Slot> layoutSlots() const;
  QSize contentSize() const;
  QSizeF pageTwips(int page) const;
  int pageAt(QPoint viewportPos) const;
  const QPixmap& rendered(int page, double scale) const;
  void relayout();

  const PageDocument* document_ = nullptr;
  int page_ = 1;
  ZoomMode zoom_ = ZoomMode::WholePage;
  mutable std::map<std::pair<int, long long>, QPixmap> cache_;
};

}  // namespace tvk

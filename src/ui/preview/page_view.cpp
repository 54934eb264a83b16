#include "ui/preview/page_view.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "report/surface/page_replay.h"

namespace tvk {

namespace {

constexpr int kBorder = 12;          // pixels around the pages
constexpr int kGap = 12;             // pixels between pages
constexpr double kThumbWidth = 150;  // pixels of a thumbnail's width
constexpr double kMinScale = 0.002;  // pixels per twip; keeps a tiny window drawable
constexpr size_t kCacheLimit = 48;   // rendered pages kept

double Percent(ZoomMode zoom) {
  switch (zoom) {
    case ZoomMode::Percent120:
      return 1.2;
    case ZoomMode::Percent150:
      return 1.5;
    case ZoomMode::Percent200:
      return 2.0;
    default:
      return 1.0;
  }
}

}  // namespace

double PageScale(ZoomMode zoom, QSizeF pageTwips, QSize viewport, double dpi) {
  if (pageTwips.width() <= 0 || pageTwips.height() <= 0) return kMinScale;
  const double width = viewport.width() - 2 * kBorder;
  const double height = viewport.height() - 2 * kBorder;
  double scale = kMinScale;
  switch (zoom) {
    case ZoomMode::WholePage:
      scale = std::min(width / pageTwips.width(), height / pageTwips.height());
      break;
    case ZoomMode::PageWidth:
      scale = width / pageTwips.width();
      break;
    case ZoomMode::TwoPages:
      scale = std::min((width - kGap) / (2 * pageTwips.width()), height / pageTwips.height());
      break;
    case ZoomMode::Thumbnails:
      scale = kThumbWidth / std::max(pageTwips.width(), pageTwips.height());
      break;
    case ZoomMode::Percent120:
    case ZoomMode::Percent150:
    case ZoomMode::Percent200:
      scale = TwipsToDevice(dpi) * Percent(zoom);
      break;
  }
  return std::max(scale, kMinScale);
}

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
  setBackgroundRole(QPalette::Dark);
  viewport()->setAutoFillBackground(false);
  setFocusPolicy(Qt::StrongFocus);
}

void PageView::setDocument(const PageDocument* document) {
  document_ = document;
  page_ = 1;
  cache_.clear();
  relayout();
}

void PageView::setPage(int page) {
  const int count = document_ != nullptr ? int(document_->pages.size()) : 0;
  page_ = std::clamp(page, 1, std::max(count, 1));
  relayout();
  if (zoom_ != ZoomMode::Thumbnails) verticalScrollBar()->setValue(0);
}

void PageView::setZoom(ZoomMode zoom) {
  zoom_ = zoom;
  cache_.clear();
  relayout();
}

void PageView::showPageAt(int page, double yTwips) {
  setPage(page);
  for (const Slot& slot : layoutSlots()) {
    if (slot.page != page_) continue;
    // About a centimetre of the page above the heading stays in view.
    const int y = slot.rect.top() + int(std::lround((yTwips - kTwipsPerCm) * scale()));
    verticalScrollBar()->setValue(y - kBorder);
  }
}

QSizeF PageView::pageTwips(int page) const {
  if (document_ == nullptr || page < 1 || page > int(document_->pages.size())) return {};
  return document_->pages[size_t(page - 1)].paperSize;
}

double PageView::scale() const { return PageScale(zoom_, pageTwips(page_), viewport()->size(), logicalDpiX()); }

std::vector<PageView::Slot> PageView::layoutSlots() const {
  std::vector<Slot> placed;
  if (document_ == nullptr || document_->pages.empty()) return placed;
  const double s = scale();
  const auto sizeOf = [&](int page) {
    const QSizeF t = pageTwips(page);
    return QSize(int(std::lround(t.width() * s)), int(std::lround(t.height() * s)));
  };
  const int count = int(document_->pages.size());
  const int viewWidth = viewport()->width();
  if (zoom_ == ZoomMode::Thumbnails) {
    const QSize cell = sizeOf(1);
    const int columns = std::max(1, (viewWidth - 2 * kBorder + kGap) / (cell.width() + kGap));
    for (int p = 1; p <= count; ++p) {
      const int k = p - 1;
      const QPoint at(kBorder + (k % columns) * (cell.width() + kGap),
                      kBorder + (k / columns) * (cell.height() + kGap));
      placed.push_back({p, QRect(at, sizeOf(p))});
    }
    return placed;
  }
  const int last = zoom_ == ZoomMode::TwoPages ? std::min(page_ + 1, count) : page_;
  int width = -kGap;
  for (int p = page_; p <= last; ++p) width += sizeOf(p).width() + kGap;
  int x = std::max(kBorder, (viewWidth - width) / 2);
  for (int p = page_; p <= last; ++p) {
    const QSize size = sizeOf(p);
    const int y = std::max(kBorder, (viewport()->height() - size.height()) / 2);
    placed.push_back({p, QRect(QPoint(x, y), size)});
    x += size.width() + kGap;
  }
  return placed;
}

QSize PageView::contentSize() const {
  QRect all;
  for (const Slot& slot : layoutSlots()) all |= slot.rect;
  return {all.right() + 1 + kBorder, all.bottom() + 1 + kBorder};
}

void PageView::relayout() {
  const QSize content = contentSize();
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
  verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
  horizontalScrollBar()->setPageStep(view.width());
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setSingleStep(std::max(20, view.height() / 20));
  viewport()->update();
}

const QPixmap& PageView::rendered(int page, double s) const {
  const auto key = std::make_pair(page, std::llround(s * 1e7));
  const auto found = cache_.find(key);
  if (found != cache_.end()) return found->second;
  if (cache_.size() >= kCacheLimit) cache_.clear();
  const double ratio = devicePixelRatioF();
  QPixmap pixmap = QPixmap::fromImage(RenderPage(*document_, page - 1, s * ratio * 1440.0));
  pixmap.setDevicePixelRatio(ratio);
  return cache_.emplace(key, std::move(pixmap)).first->second;
}

void PageView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
  const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
  const QRect visible(offset, viewport()->size());
  const double s = scale();
  for (const Slot& slot : layoutSlots()) {
    if (!slot.rect.intersects(visible)) continue;
    const QRect target = slot.rect.translated(-offset);
    painter.drawPixmap(target.topLeft(), rendered(slot.page, s));
    const bool framed = zoom_ == ZoomMode::Thumbnails && slot.page == page_;
    painter.setPen(QPen(framed ? palette().color(QPalette::Highlight) : QColor(Qt::black), framed ? 3 : 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target.adjusted(-1, -1, 0, 0));
  }
}

void PageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  relayout();
}

int PageView::pageAt(QPoint viewportPos) const {
  const QPoint at = viewportPos + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
  for (const Slot& slot : layoutSlots()) {
    if (slot.rect.contains(at)) return slot.page;
  }
  return 0;
}

void PageView::mousePressEvent(QMouseEvent* event) {
  const int page = pageAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && zoom_ == ZoomMode::Thumbnails && page != 0) {
    page_ = page;
    viewport()->update();
    emit pageChosen(page);
  }
  QAbstractScrollArea::mousePressEvent(event);
}

void PageView::mouseDoubleClickEvent(QMouseEvent* event) {
  const int page = pageAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && zoom_ == ZoomMode::Thumbnails && page != 0) {
    zoom_ = ZoomMode::WholePage;
    cache_.clear();
    setPage(page);
    emit zoomChanged(zoom_);
    emit pageChosen(page);
  }
  QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void PageView::contextMenuEvent(QContextMenuEvent* event) { emit zoomMenuRequested(event->globalPos()); }

}  // namespace tvk

#include "report/surface/page_replay.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

#include "model/safe_file.h"

namespace tvk {
namespace {

// Hatch fills are drawn as lines at this spacing and width (twips), anchored to the paper
// so that neighbouring areas line up.
constexpr double kHatchSpacing = 85;
constexpr double kHatchWidth = 5;

QPen MakePen(const PenSpec& wanted) {
  if (wanted.style == Qt::NoPen) return QPen(Qt::NoPen);
  QPen pen(wanted.color, wanted.width, wanted.style);
  pen.setCosmetic(wanted.width <= 0);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

bool IsHatch(Qt::BrushStyle style) { return style >= Qt::HorPattern && style <= Qt::DiagCrossPattern; }

void HatchLines(QPainter& painter, const QRectF& bounds, bool horizontal, bool vertical, bool down, bool up) {
  const double s = kHatchSpacing;
  if (horizontal) {
    for (double y = std::floor(bounds.top() / s) * s; y <= bounds.bottom(); y += s) {
      painter.drawLine(QPointF(bounds.left(), y), QPointF(bounds.right(), y));
    }
  }
  if (vertical) {
    for (double x = std::floor(bounds.left() / s) * s; x <= bounds.right(); x += s) {
      painter.drawLine(QPointF(x, bounds.top()), QPointF(x, bounds.bottom()));
    }
  }
  const double h = bounds.height();
  if (down) {  // "\": x - y constant
    for (double c = std::floor((bounds.left() - bounds.bottom()) / s) * s; c <= bounds.right() - bounds.top(); c += s) {
      painter.drawLine(QPointF(c + bounds.top(), bounds.top()), QPointF(c + bounds.top() + h, bounds.bottom()));
    }
  }
  if (up) {  // "/": x + y constant
    for (double c = std::floor((bounds.left() + bounds.top()) / s) * s; c <= bounds.right() + bounds.bottom(); c += s) {
      painter.drawLine(QPointF(c - bounds.top(), bounds.top()), QPointF(c - bounds.top() - h, bounds.bottom()));
    }
  }
}

void FillHatch(QPainter& painter, const QPainterPath& shape, const BrushSpec& brush) {
  painter.save();
  painter.setClipPath(shape, Qt::IntersectClip);
  painter.setPen(QPen(brush.color, kHatchWidth));
  const Qt::BrushStyle st = brush.style;
  HatchLines(painter, shape.boundingRect(), st == Qt::HorPattern || st == Qt::CrossPattern,
             st == Qt::VerPattern || st == Qt::CrossPattern, st == Qt::FDiagPattern || st == Qt::DiagCrossPattern,
             st == Qt::BDiagPattern || st == Qt::DiagCrossPattern);
  painter.restore();
}

// Fills (solid or hatched) and outlines a shape given as a path.
void DrawShape(QPainter& painter, const QPainterPath& shape, const PenSpec& pen, const BrushSpec& brush) {
  if (brush.style == Qt::SolidPattern) painter.fillPath(shape, brush.color);
  if (IsHatch(brush.style)) FillHatch(painter, shape, brush);
  if (pen.style == Qt::NoPen) return;
  painter.setPen(MakePen(pen));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(shape);
}

QPageLayout LayoutOf(const Page& page) {
  QPageSize size;
  switch (page.paper) {
    case PaperCode::A2:
      size = QPageSize(QPageSize::A2);
      break;
    case PaperCode::A3:
      size = QPageSize(QPageSize::A3);
      break;
    case PaperCode::A4:
      size = QPageSize(QPageSize::A4);
      break;
    case PaperCode::A5:
      size = QPageSize(QPageSize::A5);
      break;
    case PaperCode::B4:
      size = QPageSize(QPageSize::JisB4);
      break;
    case PaperCode::B5:
      size = QPageSize(QPageSize::JisB5);
      break;
    case PaperCode::User: {
      const QSizeF portrait = page.landscape ? page.paperSize.transposed() : page.paperSize;
      size = QPageSize(portrait / kTwipsPerCm * 10.0, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
      break;
    }
  }
  return QPageLayout(size, page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

// First and last page index (0-based) of a 1-based range; false when it holds no page.
bool PageRange(const PageDocument& doc, int firstPage, int lastPage, int* first, int* last) {
  const int count = int(doc.pages.size());
  *first = std::max(1, firstPage) - 1;
  *last = (lastPage < 0 ? count : std::min(lastPage, count)) - 1;
  return *first <= *last;
}

// Replays a page range on a paged device whose resolution is dpi.
void ReplayRange(QPainter& painter, QPagedPaintDevice& device, const PageDocument& doc, int first, int last,
                 double dpi) {
  const PageReplayer replayer(doc);
  for (int i = first; i <= last; ++i) {
    if (i > first) {
      device.setPageLayout(LayoutOf(doc.pages[i]));
      device.newPage();
    }
    painter.save();
    painter.scale(TwipsToDevice(dpi), TwipsToDevice(dpi));
    replayer.Draw(painter, i);
    painter.restore();
  }
}

QString Failure(const QString& path, const QString& reason) {
  return path + QStringLiteral("\n\nPDF ファイルを作成できませんでした。\n") + reason;
}

}  // namespace

PageReplayer::PageReplayer(const PageDocument& doc) : doc_(doc) {
  for (const FontKey& key : doc.fonts) {
    fonts_.push_back(MakeReportFont(key));
    ascents_.push_back(ReportFontMetrics(fonts_.back()).Ascent());
  }
}

void PageReplayer::Draw(QPainter& painter, int pageIndex) const {
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
  int currentFont = -1;
  for (const PageOp& op : doc_.pages.at(pageIndex).ops) {
    if (const auto* t = std::get_if<TextOp>(&op)) {
      if (t->font != currentFont) {
        currentFont = t->font;
        painter.setFont(fonts_[currentFont]);
      }
      painter.setPen(t->color);
      if (t->angle == 0) {
        painter.drawText(QPointF(t->pos.x(), t->pos.y() + ascents_[currentFont]), t->text);
      } else {
        painter.save();
        painter.translate(t->pos);
        painter.rotate(-t->angle);
        painter.drawText(QPointF(0, ascents_[currentFont]), t->text);
        painter.restore();
      }
    } else if (const auto* l = std::get_if<LineOp>(&op)) {
      if (l->pen.style == Qt::NoPen) continue;
      painter.setPen(MakePen(l->pen));
      painter.drawLine(l->from, l->to);
    } else if (const auto* r = std::get_if<RectOp>(&op)) {
      if (r->brush.style == Qt::NoBrush || r->brush.style == Qt::SolidPattern) {
        painter.setPen(MakePen(r->pen));
        painter.setBrush(r->brush.style == Qt::SolidPattern ? QBrush(r->brush.color) : QBrush());
        painter.drawRect(r->rect);
      } else {
        QPainterPath path;
        path.addRect(r->rect);
        DrawShape(painter, path, r->pen, r->brush);
      }
    } else if (const auto* p = std::get_if<PolygonOp>(&op)) {
      QPainterPath path;
      path.addPolygon(p->points);
      path.closeSubpath();
      DrawShape(painter, path, p->pen, p->brush);
    } else if (const auto* c = std::get_if<CircleOp>(&op)) {
      QPainterPath path;
      path.addEllipse(c->centre, c->radius, c->radius);
      DrawShape(painter, path, c->pen, c->brush);
    } else if (const auto* pic = std::get_if<PictureOp>(&op)) {
      painter.drawImage(pic->rect, pic->image);
    }
  }
}

QImage RenderPage(const PageDocument& doc, int pageIndex, double dpi) {
  const QSizeF twips = doc.pages.at(pageIndex).paperSize;
  const double scale = TwipsToDevice(dpi);
  QImage image(QSize(int(std::lround(twips.width() * scale)), int(std::lround(twips.height() * scale))),
               QImage::Format_RGB32);
  image.fill(Qt::white);
  const int dpm = int(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dpm);
  image.setDotsPerMeterY(dpm);
  QPainter painter(&image);
  painter.scale(scale, scale);
  PageReplayer(doc).Draw(painter, pageIndex);
  return image;
}

QString WritePdf(const PageDocument& doc, const QString& path, int firstPage, int lastPage) {
  int first = 0;
  int last = 0;
  if (!PageRange(doc, firstPage, lastPage, &first, &last))
    return Failure(path, QStringLiteral("出力するページがありません。"));
  // The whole PDF is made in memory first, so that the file is written in one piece by
  // the writer project saves use: complete, or not at all.
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    constexpr int kResolution = 1440;  // device units are twips
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setCreator(QStringLiteral("VOLN-TVK"));
    writer.setTitle(QFileInfo(path).completeBaseName());
    writer.setPageLayout(LayoutOf(doc.pages[first]));
    QPainter painter;
    if (!painter.begin(&writer)) return Failure(path, QStringLiteral("PDF を開始できません。"));
    ReplayRange(painter, writer, doc, first, last, kResolution);
    painter.end();
  }
  std::string reason;
  if (ReplaceFile(path.toStdString(), std::string_view(pdf.constData(), pdf.size()), reason)) return {};
  return Failure(path, QString::fromStdString(reason));
}

QString PrintPages(const PageDocument& doc, QPrinter& printer, int firstPage, int lastPage) {
  int first = 0;
  int last = 0;
  if (!PageRange(doc, firstPage, lastPage, &first, &last)) return QStringLiteral("印刷するページがありません。");
  printer.setFullPage(true);
  printer.setPageLayout(LayoutOf(doc.pages[first]));
  QPainter painter;
  if (!painter.begin(&printer)) return printer.printerName() + QStringLiteral("\n\n印刷を開始できません。");
  ReplayRange(painter, printer, doc, first, last, printer.resolution());
  painter.end();
  return {};
}

}  // namespace tvk

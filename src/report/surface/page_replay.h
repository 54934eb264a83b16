#pragma once
// Replay of recorded pages: onto any QPainter, into a QImage (preview, tests), onto a
// printer, and into a PDF file. Nothing is laid out again: every device draws the same
// recorded operations, so the pages look alike everywhere.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

#include "report/surface/page_ops.h"

class QPrinter;

namespace tvk {

// Draws pages of one document; builds each font of the document once.
class PageReplayer {
 public:
  explicit PageReplayer(const PageDocument& doc);
  // Draws page pageIndex (0-based) with the painter's coordinates taken as paper twips; the
  // caller sets the transform (see TwipsToDevice).
  void Draw(QPainter& painter, int pageIndex) const;

 private:
  const PageDocument& doc_;
  std::vector<QFont> fonts_;
  std::vector<double> ascents_;
};

// Scale from twips to device pixels of a device with the given resolution (dots per inch).
inline double TwipsToDevice(double dpi) { return dpi / 1440.0; }

// Page pageIndex (0-based) as an image at dpi dots per inch, on white.
QImage RenderPage(const PageDocument& doc, int pageIndex, double dpi);

// Writes pages firstPage..lastPage (1-based; lastPage -1: to the end) to a PDF file with
// the fonts embedded, as ReplaceFile writes: the file is complete or not written, an
// existing one is kept on any failure and a read-only one is not replaced. Returns an
// empty text on success, else a message for the user naming the file and the reason.
QString WritePdf(const PageDocument& doc, const QString& path, int firstPage = 1, int lastPage = -1);

// Prints pages firstPage..lastPage (1-based; -1: to the end) on the printer, each page with
// its own paper and orientation. Returns an empty text on success, else a message.
QString PrintPages(const PageDocument& doc, QPrinter& printer, int firstPage = 1, int lastPage = -1);

}  // namespace tvk

#pragma once
// The page surface: every report page, report figure, the frame elevation window and the
// transmission check view draw on it. It records pages as lists of operations (page_ops.h);
// preview, printing and PDF writing replay them (page_replay.h).
//
// Coordinates: callers give positions and sizes in cm from the top-left corner of the margin
// box, y downwards; x counts from the current left margin (tables are indented by moving it).
// Inside, the surface counts twips: 567 per cm, a caller's cm rounded to the nearest twip.
// Text is measured with the real fonts (report_fonts.h), so wrapping, centring and page
// breaks are the same on screen, paper and PDF.
//
// Every drawing call restores what it changed of the state below (pen, brush, font size,
// alignment, angle); only the current position moves where a call says so.

#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <QSizeF>
#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "report/surface/page_ops.h"
#include "report/surface/report_fonts.h"

namespace tvk {

// cm to twips, to the nearest twip; twips to cm.
long CmToTwips(double cm);
inline double TwipsToCm(double twips) { return twips / kTwipsPerCm; }

// Paper size in cm, portrait (User: 0 x 0; the setup carries its own size).
QSizeF PaperSizeCm(PaperCode code);

struct PageMargins {
  double left = 2.3;
  double top = 2.0;
  double right = 2.3;
  double bottom = 2.0;
  bool operator==(const PageMargins&) const = default;
};

// Paper, orientation and margins of the pages that follow. The report uses the defaults
// (A4 portrait, margins 2.3 / 2.0 / 2.3 / 2.0); the elevation window uses A4 landscape with
// left 2.0, top 2.0, right 2.2, bottom 2.0.
struct PageSetup {
  PaperCode paper = PaperCode::A4;
  bool landscape = false;
  QSizeF userSizeCm;  // portrait width x height, for PaperCode::User
  PageMargins margins;

  QSizeF PaperCm() const;      // as oriented
  QSizeF PrintableCm() const;  // paper minus margins
};

enum class TextAlign { Left, Centre, Right };

// Character width and line pitch of "A" in the current font, in cm; pitch = 1.3 x text height.
struct CharMetrics {
  double width = 0;
  double pitch = 0;
};

// The drawing state. Positions in cm (x, y from the margin box; leftMargin from the paper's
// left edge). Text alignment places a text's left edge (Left), centre (Centre) or right edge
// (Right) at the x given.
struct SurfaceState {
  QString fontName = QStringLiteral("ＭＳ 明朝");
  double fontSize = 11;  // points
  bool bold = false;
  PenSpec pen;
  BrushSpec brush;
  QColor textColor = Qt::black;
  TextAlign align = TextAlign::Left;
  double angle = 0;  // degrees, counter-clockwise
  double x = 0;
  double y = 0;
  double leftMargin = 2.3;
  bool tableRules = true;  // tables draw cell rules unless switched off

  bool operator==(const SurfaceState&) const = default;
};

class PageSurface {
 public:
  // Called for every new page before anything is drawn on it, with the current y at the
  // top of the margin box. The handler sets the page's header and footer and may draw (for
  // example a table's column header block); a table that breaks onto the page continues at
  // the current y the handler leaves (SetCurrentY below its block). Everything else the
  // handler changes in the state (font, pen, ...) is put back when it returns.
  using PageStartedHandler = std::function<void(PageSurface&)>;

  PageSurface();
  ~PageSurface();
  PageSurface(const PageSurface&) = delete;
  PageSurface& operator=(const PageSurface&) = delete;

  // --- Page setup (applies to pages started afterwards) ---
  // Sets paper and orientation with the current margins and the font size (points, 0 keeps
  // it); returns the printable width and height in cm.
  QSizeF SetupPage(double fontSize, PaperCode paper, bool landscape, QSizeF userSizeCm = {});
  // Sets the four margins (cm); resets the left margin of the state to margins.left.
  void SetMargins(const PageMargins& margins);
  const PageSetup& Setup() const { return setup_; }
  QSizeF PrintableCm() const { return setup_.PrintableCm(); }

  // --- Document and pages ---
  // Drops any recorded pages and starts page 1 (the page-started handler runs).
  void BeginDocument();
  // Finishes the last page (header and footer are recorded).
  void EndDocument();
  // Finishes the current page and starts the next; current x and y go to 0, then the
  // page-started handler runs.
  void NewPage();
  int CurrentPage() const { return int(doc_.pages.size()); }  // 1-based; 0 before BeginDocument
  // The current y (cm) the page-started handler left on the current page: where its body starts.
  double PageBodyTop() const { return bodyTop_; }
  int PageCount() const { return int(doc_.pages.size()); }
  void SetPageStartedHandler(PageStartedHandler handler) { pageStarted_ = std::move(handler); }

  const PageDocument& Document() const { return doc_; }
  PageDocument TakeDocument();

  // --- State ---
  const SurfaceState& State() const { return state_; }
  void SetState(const SurfaceState& state) { state_ = state; }
  void SetFont(const QString& name, double size, bool bold = false);
  void SetFontName(const QString& name) { state_.fontName = name; }
  void SetFontSize(double points) { state_.fontSize = points; }
  void SetBold(bool bold) { state_.bold = bold; }
  void SetPen(const PenSpec& pen) { state_.pen = pen; }
  void SetBrush(const BrushSpec& brush) { state_.brush = brush; }
  void SetTextColor(const QColor& color) { state_.textColor = color; }
  void SetTextAlign(TextAlign align) { state_.align = align; }
  void SetAngle(double degrees) { state_.angle = degrees; }
  double CurrentX() const { return state_.x; }
  double CurrentY() const { return state_.y; }
  void SetCurrentX(double cm) { state_.x = cm; }
  void SetCurrentY(double cm) { state_.y = cm; }
  double LeftMargin() const { return state_.leftMargin; }
  void SetLeftMargin(double cm) { state_.leftMargin = cm; }
  void SetTableRules(bool on) { state_.tableRules = on; }

  // --- Header and footer: "left|centre|right", each with its own face and size. The texts
  // in force when a page is finished are drawn in its top and bottom margins. ---
  void SetHeader(const QString& threeParts) { header_ = threeParts; }
  void SetFooter(const QString& threeParts) { footer_ = threeParts; }
  void SetHeaderFont(const QString& name, double size) { headerFont_ = {name, size}; }
  void SetFooterFont(const QString& name, double size) { footerFont_ = {name, size}; }

  // --- Measuring, in the current font ---
  CharMetrics MeasureA();
  // Width and height of text in twips; a text with line breaks counts its widest line and
  // one text height per line.
  QSizeF MeasureText(const QString& text);
  // Text height of the current font in twips (its em size, see ReportFontMetrics).
  double TextHeightTw();

  // --- Text, with its top-left corner at the point (before rotation about it). fontSize 0
  // keeps the current size (the state's size is never changed); angle in degrees
  // counter-clockwise, 0 meaning the state's angle. The text alignment of the state applies.
  // CR, LF or CR LF start a new line one line pitch lower. Tables: see table_layout.h. ---
  // As a paragraph: draws at (x, y) cm, then the current y is the line below the text.
  void Paragraph(double x, double y, const QString& text, double fontSize = 0, double angle = 0);
  // As a bare string at (x, y) cm; the current position is left alone.
  void Text(double x, double y, const QString& text, double fontSize = 0, double angle = 0);
  // As a bare string at (x, y) twips from the margin box.
  void TextTw(double x, double y, const QString& text, double fontSize = 0, double angle = 0);

  // --- Shapes with the current pen and brush; positions in cm unless named Tw ---
  void Line(double x1, double y1, double x2, double y2);
  void LineTw(QPointF from, QPointF to);
  void Rect(double x, double y, double width, double height);
  void RectTw(const QRectF& rect);
  // Closed polygon, points in twips from the margin box.
  void PolygonTw(const QPolygonF& points);
  void Circle(double x, double y, double radius);

  // Picture with its top-left corner at (x, y) cm. Sizes are "3.0cm" (that length) or
  // "100%" (that share of the natural size at the image's own DPI; 96 DPI when it has none).
  // When only one side is given as "" the other keeps the aspect ratio. Returns false and
  // draws nothing for a null image or a size text it cannot read.
  bool Picture(const QImage& image, double x, double y, const QString& width, const QString& height);

  // --- For layouts built on the surface (tables, headers) ---
  // Index of a font in the document's font table, and its metrics in twips (the reference
  // stays valid until TakeDocument).
  int FontIndex(const FontKey& key);
  const ReportFontMetrics& Metrics(int fontIndex);
  FontKey CurrentFontKey(double fontSize = 0) const;
  // Paper position in twips of the margin-box point (x, y) twips, with the current left margin.
  QPointF ToPaper(QPointF marginTw) const;
  // Appends an operation (paper twips) to the current page, starting page 1 if none is open.
  void Record(PageOp op);

 private:
  struct FaceSize {
    QString name;
    double size = 9;
  };
  struct FontCache;

  void StartPage();
  void FinishPage();
  void RecordHeaderFooter(const QString& threeParts, const FaceSize& face, bool header);
  void RecordText(QPointF marginTw, const QString& text, const FontKey& key, double angle);
  Page& CurrentPageRef();

  PageSetup setup_;
  SurfaceState state_;
  PageDocument doc_;
  PageStartedHandler pageStarted_;
  bool pageOpen_ = false;
  bool inHandler_ = false;
  double bodyTop_ = 0;
  QString header_;
  QString footer_;
  FaceSize headerFont_{QStringLiteral("ＭＳ Ｐゴシック"), 9};
  FaceSize footerFont_{QStringLiteral("ＭＳ Ｐゴシック"), 9};
  std::unique_ptr<FontCache> fonts_;
};

}  // namespace tvk

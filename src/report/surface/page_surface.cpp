#include "report/surface/page_surface.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>
#include <deque>
#include <unordered_map>

namespace tvk {
namespace {

constexpr double kLinePitchFactor = 1.3;

struct FontKeyHash {
  size_t operator()(const FontKey& k) const { return qHash(k.name) ^ (size_t(k.sizeTwips) << 1) ^ size_t(k.bold); }
};

QStringList SplitLines(const QString& text) {
  static const QRegularExpression kBreak(QStringLiteral("\r\n|\r|\n"));
  if (!text.contains(u'\r') && !text.contains(u'\n')) return {text};
  return text.split(kBreak);
}

// Twips of one picture side from "3.0cm", "25mm", "100%" (of natural) or plain twips.
bool PictureSide(const QString& size, double natural, double* twips) {
  QString s = size.trimmed().toLower();
  double factor = 1;
  if (s.endsWith(u'%')) {
    factor = natural / 100.0;
    s.chop(1);
  } else if (s.endsWith(QStringLiteral("cm"))) {
    factor = kTwipsPerCm;
    s.chop(2);
  } else if (s.endsWith(QStringLiteral("mm"))) {
    factor = kTwipsPerCm / 10.0;
    s.chop(2);
  }
  bool ok = false;
  const double value = s.trimmed().toDouble(&ok);
  if (!ok || value < 0) return false;
  *twips = value * factor;
  return true;
}

}  // namespace

struct PageSurface::FontCache {
  std::unordered_map<FontKey, int, FontKeyHash> index;
  std::deque<ReportFontMetrics> metrics;  // a deque keeps references valid as fonts are added
};

long CmToTwips(double cm) { return std::lround(cm * kTwipsPerCm); }

QSizeF PaperSizeCm(PaperCode code) {
  switch (code) {
    case PaperCode::A2:
      return {42.0, 59.4};
    case PaperCode::A3:
      return {29.7, 42.0};
    case PaperCode::A4:
      return {21.0, 29.7};
    case PaperCode::A5:
      return {14.8, 21.0};
    case PaperCode::B4:
      return {25.7, 36.4};
    case PaperCode::B5:
      return {18.2, 25.7};
    case PaperCode::User:
      break;
  }
  return {};
}

QSizeF PageSetup::PaperCm() const {
  const QSizeF portrait = paper == PaperCode::User ? userSizeCm : PaperSizeCm(paper);
  return landscape ? portrait.transposed() : portrait;
}

QSizeF PageSetup::PrintableCm() const {
  const QSizeF p = PaperCm();
  return {p.width() - margins.left - margins.right, p.height() - margins.top - margins.bottom};
}

PageSurface::PageSurface() : fonts_(std::make_unique<FontCache>()) { RegisterReportFonts(); }

PageSurface::~PageSurface() = default;

QSizeF PageSurface::SetupPage(double fontSize, PaperCode paper, bool landscape, QSizeF userSizeCm) {
  setup_.paper = paper;
  setup_.landscape = landscape;
  if (paper == PaperCode::User) setup_.userSizeCm = userSizeCm;
  if (fontSize > 0) state_.fontSize = fontSize;
  return setup_.PrintableCm();
}

void PageSurface::SetMargins(const PageMargins& margins) {
  setup_.margins = margins;
  state_.leftMargin = margins.left;
}

void PageSurface::SetFont(const QString& name, double size, bool bold) {
  state_.fontName = name;
  if (size > 0) state_.fontSize = size;
  state_.bold = bold;
}

// --- Document and pages ---

void PageSurface::BeginDocument() {
  doc_.pages.clear();
  pageOpen_ = false;
  StartPage();
}

void PageSurface::EndDocument() {
  if (pageOpen_) FinishPage();
}

void PageSurface::NewPage() {
  if (pageOpen_) FinishPage();
  StartPage();
}

PageDocument PageSurface::TakeDocument() {
  EndDocument();
  PageDocument out = std::move(doc_);
  doc_ = PageDocument{};
  fonts_ = std::make_unique<FontCache>();
  return out;
}

void PageSurface::StartPage() {
  Page page;
  page.paper = setup_.paper;
  page.landscape = setup_.landscape;
  const QSizeF cm = setup_.PaperCm();
  page.paperSize = QSizeF(CmToTwips(cm.width()), CmToTwips(cm.height()));
  doc_.pages.push_back(std::move(page));
  pageOpen_ = true;
  state_.x = 0;
  state_.y = 0;
  bodyTop_ = 0;
  if (!pageStarted_ || inHandler_) return;
  // The handler may draw with its own font and pen; only the position it leaves counts.
  SurfaceState saved = state_;
  inHandler_ = true;
  pageStarted_(*this);
  inHandler_ = false;
  saved.x = state_.x;
  saved.y = state_.y;
  state_ = saved;
  bodyTop_ = state_.y;
}

void PageSurface::FinishPage() {
  Page& page = doc_.pages.back();
  page.header = header_;
  page.footer = footer_;
  RecordHeaderFooter(header_, headerFont_, true);
  RecordHeaderFooter(footer_, footerFont_, false);
  pageOpen_ = false;
}

// Header parts sit vertically centred in the top margin, footer parts in the bottom margin;
// left part at the left margin, centre part centred on the printable width, right part
// ending at the right margin.
void PageSurface::RecordHeaderFooter(const QString& threeParts, const FaceSize& face, bool header) {
  if (threeParts.isEmpty()) return;
  const QStringList parts = threeParts.split(u'|');
  const FontKey key{face.name, int(std::lround(face.size * kTwipsPerPoint)), false};
  const int font = FontIndex(key);
  const ReportFontMetrics& fm = Metrics(font);
  const PageMargins& m = setup_.margins;
  const Page& page = doc_.pages.back();
  const double left = CmToTwips(m.left);
  const double right = page.paperSize.width() - CmToTwips(m.right);
  const double top =
      header ? (CmToTwips(m.top) - fm.Height()) / 2 : page.paperSize.height() - (CmToTwips(m.bottom) + fm.Height()) / 2;
  for (int i = 0; i < std::min<int>(3, int(parts.size())); ++i) {
    if (parts[i].isEmpty()) continue;
    const double width = fm.Width(parts[i]);
    const double x = i == 0 ? left : i == 1 ? (left + right - width) / 2 : right - width;
    doc_.pages.back().ops.push_back(TextOp{parts[i], QPointF(x, top), font, Qt::black, 0});
  }
}

Page& PageSurface::CurrentPageRef() {
  if (!pageOpen_) StartPage();
  return doc_.pages.back();
}

void PageSurface::Record(PageOp op) { CurrentPageRef().ops.push_back(std::move(op)); }

QPointF PageSurface::ToPaper(QPointF marginTw) const {
  return marginTw + QPointF(CmToTwips(state_.leftMargin), CmToTwips(setup_.margins.top));
}

// --- Fonts and measuring ---

int PageSurface::FontIndex(const FontKey& key) {
  auto it = fonts_->index.find(key);
  if (it != fonts_->index.end()) return it->second;
  const int index = int(doc_.fonts.size());
  doc_.fonts.push_back(key);
  fonts_->metrics.emplace_back(MakeReportFont(key));
  fonts_->index.emplace(key, index);
  return index;
}

const ReportFontMetrics& PageSurface::Metrics(int fontIndex) { return fonts_->metrics[fontIndex]; }

FontKey PageSurface::CurrentFontKey(double fontSize) const {
  const double size = fontSize > 0 ? fontSize : state_.fontSize;
  return FontKey{state_.fontName, int(std::lround(size * kTwipsPerPoint)), state_.bold};
}

CharMetrics PageSurface::MeasureA() {
  const ReportFontMetrics& fm = Metrics(FontIndex(CurrentFontKey()));
  return {TwipsToCm(fm.Width(QStringLiteral("A"))), TwipsToCm(kLinePitchFactor * fm.Height())};
}

QSizeF PageSurface::MeasureText(const QString& text) {
  const ReportFontMetrics& fm = Metrics(FontIndex(CurrentFontKey()));
  const QStringList lines = SplitLines(text);
  double width = 0;
  for (const QString& line : lines) width = std::max(width, fm.Width(line));
  return {width, fm.Height() * lines.size()};
}

double PageSurface::TextHeightTw() { return Metrics(FontIndex(CurrentFontKey())).Height(); }

// --- Text ---

void PageSurface::RecordText(QPointF marginTw, const QString& text, const FontKey& key, double angle) {
  const int font = FontIndex(key);
  const ReportFontMetrics& fm = Metrics(font);
  const double pitch = kLinePitchFactor * fm.Height();
  const QStringList lines = SplitLines(text);
  for (int i = 0; i < int(lines.size()); ++i) {
    if (lines[i].isEmpty()) continue;  // an empty line only takes its place
    QPointF pos = ToPaper(marginTw + QPointF(0, i * pitch));
    if (state_.align != TextAlign::Left) {
      const double width = fm.Width(lines[i]);
      pos.rx() -= state_.align == TextAlign::Centre ? width / 2 : width;
    }
    Record(TextOp{lines[i], pos, font, state_.textColor, angle});
  }
}

void PageSurface::Paragraph(double x, double y, const QString& text, double fontSize, double angle) {
  const FontKey key = CurrentFontKey(fontSize);
  RecordText(QPointF(CmToTwips(x), CmToTwips(y)), text, key, angle != 0 ? angle : state_.angle);
  const double pitch = kLinePitchFactor * Metrics(FontIndex(key)).Height();
  state_.x = x;
  state_.y = TwipsToCm(CmToTwips(y) + pitch * SplitLines(text).size());
}

void PageSurface::Text(double x, double y, const QString& text, double fontSize, double angle) {
  TextTw(CmToTwips(x), CmToTwips(y), text, fontSize, angle);
}

void PageSurface::TextTw(double x, double y, const QString& text, double fontSize, double angle) {
  RecordText(QPointF(x, y), text, CurrentFontKey(fontSize), angle != 0 ? angle : state_.angle);
}

// --- Shapes ---

void PageSurface::Line(double x1, double y1, double x2, double y2) {
  LineTw(QPointF(CmToTwips(x1), CmToTwips(y1)), QPointF(CmToTwips(x2), CmToTwips(y2)));
}

void PageSurface::LineTw(QPointF from, QPointF to) { Record(LineOp{ToPaper(from), ToPaper(to), state_.pen}); }

void PageSurface::Rect(double x, double y, double width, double height) {
  RectTw(QRectF(CmToTwips(x), CmToTwips(y), CmToTwips(width), CmToTwips(height)));
}

void PageSurface::RectTw(const QRectF& rect) {
  Record(RectOp{rect.translated(ToPaper(QPointF())), state_.pen, state_.brush});
}

void PageSurface::PolygonTw(const QPolygonF& points) {
  Record(PolygonOp{points.translated(ToPaper(QPointF())), state_.pen, state_.brush});
}

void PageSurface::Circle(double x, double y, double radius) {
  Record(CircleOp{ToPaper(QPointF(CmToTwips(x), CmToTwips(y))), double(CmToTwips(radius)), state_.pen, state_.brush});
}

bool PageSurface::Picture(const QImage& image, double x, double y, const QString& width, const QString& height) {
  if (image.isNull()) return false;
  auto naturalTwips = [](int pixels, int dotsPerMeter) {
    const double dpi = dotsPerMeter > 0 ? dotsPerMeter * 0.0254 : 96.0;
    return pixels * 1440.0 / dpi;
  };
  const double naturalW = naturalTwips(image.width(), image.dotsPerMeterX());
  const double naturalH = naturalTwips(image.height(), image.dotsPerMeterY());
  double w = 0;
  double h = 0;
  const bool hasW = !width.trimmed().isEmpty();
  const bool hasH = !height.trimmed().isEmpty();
  if ((hasW && !PictureSide(width, naturalW, &w)) || (hasH && !PictureSide(height, naturalH, &h))) return false;
  if (!hasW && !hasH) {
    w = naturalW;
    h = naturalH;
  } else if (!hasW) {
    w = h * naturalW / naturalH;
  } else if (!hasH) {
    h = w * naturalH / naturalW;
  }
  const QPointF topLeft = ToPaper(QPointF(CmToTwips(x), CmToTwips(y)));
  Record(PictureOp{image, QRectF(topLeft, QSizeF(w, h))});
  return true;
}

QStringList PageDocument::Texts(int pageIndex) const {
  QStringList out;
  for (const PageOp& op : pages.at(pageIndex).ops) {
    if (const auto* text = std::get_if<TextOp>(&op)) out << text->text;
  }
  return out;
}

}  // namespace tvk

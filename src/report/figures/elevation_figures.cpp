#include "report/figures/elevation_figures.h"

#include "model/building.h"
#include "report/chapters/program_header.h"
#include "report/figures/figure_draw.h"
#include "report/figures/frame_selection.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

constexpr double kTitleGap = 0.08;
// The next frame's title stands this many line pitches below the previous foot.
constexpr double kFrameSpacing = 3.0;
// A frame that starts a new page has its title this many line pitches below the top.
constexpr double kPageTopPitches = 2.0;
const PageMargins kWindowMargins{2.0, 2.0, 2.2, 2.0};

// Draws the four layers in their order, then the labels over every line.
void DrawFrameLayers(PageSurface& surface, const ElevationContext& frame) {
  FrameLabels labels;
  DrawFrameNames(surface, frame, labels);
  DrawFrameWalls(surface, frame, labels);
  DrawFrameColumns(surface, frame, labels);
  DrawFrameBeams(surface, frame);
  labels.Draw(surface);
}

}  // namespace

QString FrameLineName(const Building& building, const FrameRef& frame) {
  return QString::fromStdString(frame.dir == Dir::X ? building.LineNameX(frame.line) : building.LineNameY(frame.line))
      .trimmed();
}

double DrawReportFrame(PageSurface& surface, const Building& building, const FrameRef& frame, int number, double titleY,
                       const FigureFonts& fonts) {
  const FigText title{kFigBodyFace, kFigBodySize};
  const QString text = "(" + QString::number(number) + ") " + FrameLineName(building, frame) + QStringLiteral(" 通り");
  DrawFigText(surface, title, {0, titleY}, text);
  ElevationContext context{building, ReportElevationTransform(building, 0, surface.PrintableCm().width()), frame,
                           ElevationMode::Report, fonts};
  // Room for the through-column labels above the frame, when there are any.
  double top = titleY + MeasureFigText(surface, title, text).height() + kTitleGap;
  if (FrameHasThroughColumn(building, frame)) top += FrameLabelHeight(surface, context) + kTitleGap;
  context.t.ey = top + building.Storeys() * context.t.sh;
  DrawFrameLayers(surface, context);
  return context.t.ey;
}

double DrawElevationChapter(PageSurface& surface, const Building& building, const CalcResults& results, double y,
                            const FigureFonts& fonts) {
  const SurfaceState saved = surface.State();
  surface.SetFont(kFigBodyFace, kFigBodySize);
  const CharMetrics m = surface.MeasureA();
  DrawFigText(surface, {kFigBodyFace, kFigBodySize}, {2 * m.width, y},
              QString::fromUtf8(kFramesIntro) + QString::fromUtf8(kFramesNote));
  double titleY = y + 1.5 * m.pitch;
  double bottom = y + m.pitch;
  const int perPage = FramesPerPage(building.Storeys());
  const std::vector<FrameRef> frames = ReportFrames(building, results);
  for (size_t k = 0; k < frames.size(); ++k) {
    if (k > 0 && k % static_cast<size_t>(perPage) == 0) {
      surface.NewPage();
      titleY = kPageTopPitches * m.pitch;
    }
    const double foot = DrawReportFrame(surface, building, frames[k], static_cast<int>(k) + 1, titleY, fonts);
    bottom = foot + 2 * m.pitch;
    titleY = foot + kFrameSpacing * m.pitch;
  }
  surface.SetState(saved);
  return bottom;
}

void DrawElevationWindowPage(PageSurface& surface, const Building& building, const FrameRef& frame,
                             const FigureFonts& fonts) {
  surface.SetMargins(kWindowMargins);
  const QSizeF printable = surface.SetupPage(kFigBodySize, PaperCode::A4, true);
  surface.SetHeaderFont(QStringLiteral("ＭＳ Ｐゴシック"), kFigBodySize);
  surface.SetHeader(ProgramHeaderText(building.Info.BuildingName));
  surface.SetFooter(QString());
  surface.BeginDocument();
  DrawFigText(surface, {kFigBodyFace, kFigBodySize}, {0, 0},
              FrameLineName(building, frame) + QStringLiteral(" 通り 軸組図"));
  const ElevationContext context{building,
                                 WindowElevationTransform(building, frame, printable.width(), printable.height()),
                                 frame, ElevationMode::Window, fonts};
  DrawFrameLayers(surface, context);
  surface.EndDocument();
}

}  // namespace tvk

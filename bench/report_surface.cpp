// Recording and PDF writing speed of a long table: the shape of the report's results table
// (ten columns, cells of several lines, a header block drawn on every page).
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "report/surface/page_primitives.h"
#include "report/surface/page_replay.h"
#include "report/surface/page_surface.h"
#include "report/surface/table_layout.h"

namespace {

constexpr int kRowsPerPage = 9;  // rows of seven-line cells that fit below the header block

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "report_surface";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  return app;
}

// Cells as the results table writes them: an X block, a rule of "―", a Y block.
tvk::PageTable LongTable(int rows) {
  tvk::PageTable table(u"+<650|+^350|+^1100|+^650|+^700|+^1820|+^1680|+^1000|+^650|+^700;");
  for (int i = 0; i < rows; ++i) {
    const QString n = QString::number(0.01 * (i % 300), 'f', 2);
    QStringList cells;
    cells << QStringLiteral("  X%1\r  Y%2\r通し柱").arg(i % 30).arg(i / 30) << QStringLiteral("X―\rY")
          << QStringLiteral("%1\r=2.5x0.5-0.6\r(6.51kN)\r―――――\r-0.35\r=0.0x0.8-0.4\r(-1.85kN)").arg(n)
          << QStringLiteral("(ろ)\r―\r(い)") << QStringLiteral("(ろ)\r\r(ろ)\r―\r(い)\r\r(い)")
          << QStringLiteral("%1\r=1.0x0.5+2.0x0.5-0.6\r―――――――――\r0.10\r=0.5x0.5-0.5").arg(n)
          << QStringLiteral("0.60\r=(2.0x0.5)x0.50\r+\r[0.100]\r――――――――\r-")
          << QStringLiteral("%1\r(7.72kN)\r――――\r0.10\r(0.53kN)").arg(n) << QStringLiteral("(は)\r―\r(ろ)")
          << QStringLiteral("(は)\r\r(は)\r  NG*\r―\r(ろ)\r\r(ろ)");
    table.AddRow(cells);
  }
  return table;
}

tvk::PageDocument Record(int pages) {
  tvk::PageSurface surface;
  surface.SetPageStartedHandler([](tvk::PageSurface& s) {
    s.SetHeader(QStringLiteral("VOLN-TVK /軸組Ｎ値算定   [ ベンチ邸 ]"));
    s.SetFooter(QStringLiteral("|- %1 -|Ver.1.0.0").arg(s.CurrentPage() - 1));
    tvk::PageRect(s, 0, 0.5, 16.4, 2.47, 0, 10, Qt::black, Qt::white, 0);
    tvk::PageTextTw(s, QStringLiteral("通り"), 8, 100, 600, 0);
    s.SetCurrentY(0.5 + 2.47);
  });
  surface.BeginDocument();
  surface.SetFont(QStringLiteral("ＭＳ Ｐ明朝"), 8);
  tvk::DrawTable(surface, LongTable(pages * kRowsPerPage));
  return surface.TakeDocument();
}

void BM_RecordTable(benchmark::State& state) {
  App();
  int pages = 0;
  for (auto _ : state) pages = int(Record(int(state.range(0))).pages.size());
  state.counters["pages"] = pages;
  state.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_RecordTable)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RecordAndWritePdf(benchmark::State& state) {
  App();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.pdf"));
  int pages = 0;
  for (auto _ : state) {
    const tvk::PageDocument doc = Record(int(state.range(0)));
    pages = int(doc.pages.size());
    if (!tvk::WritePdf(doc, path).isEmpty()) state.SkipWithError("PDF not written");
  }
  state.counters["pages"] = pages;
  state.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["kB"] = double(QFileInfo(path).size()) / 1024;
}
BENCHMARK(BM_RecordAndWritePdf)->Arg(200)->Arg(1500)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();

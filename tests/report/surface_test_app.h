#pragma once
// Shared by the page surface and table tests: the QGuiApplication that Qt's font database
// needs (created once for the whole test program) and readers of recorded operations.

#include <QGuiApplication>
#include <QString>
#include <ostream>
#include <vector>

#include "report/surface/page_ops.h"

namespace tvk::test {

inline void EnsureGuiApp() {
  if (QGuiApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_report";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

// The operations of one kind on a page, in recording order.
template <typename Op>
std::vector<Op> OpsOf(const Page& page) {
  std::vector<Op> out;
  for (const PageOp& op : page.ops) {
    if (const auto* o = std::get_if<Op>(&op)) out.push_back(*o);
  }
  return out;
}

}  // namespace tvk::test

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

#pragma once
// The QGuiApplication that Qt's font database needs; created once for the whole test program.

#include <QGuiApplication>

namespace tvk::test {

inline void EnsureGuiApp() {
  if (QGuiApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_report";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

}  // namespace tvk::test

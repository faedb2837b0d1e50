// How long the print preview of a hundred-page inventory takes to appear:
// the window shown, the generated pages handed to it and every pending event
// handled. Run it on a display with and without the accessibility bridge
// (scripts/bench does both under Xvfb):
//   QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 preview_bench
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "reports/generator.h"
#include "reports/listari.h"
#include "reports/preview_window.h"

namespace {

// Inventory rows enough for about a hundred pages.
store::sql::ResultSet inventoryRows(int count) {
  std::vector<std::vector<store::Value>> rows;
  for (int i = 0; i < count; ++i)
    rows.push_back({store::Value::text("PRODUS DE TEST NR " + std::to_string(i + 1)), store::Value::text("BUC"),
                    store::Value::number(12'3400), store::Value::number(456'7800)});
  return store::sql::ResultSet({"PRODUS", "UM", "TCANT", "TVAL"}, std::move(rows));
}

void settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  reports::TLISTARI listari;
  const reports::Layout& layout = listari.layout("Invent26");
  store::sql::ResultSet rows = inventoryRows(5400);
  const reports::Document document = reports::generate(layout, rows);
  const char* bridge = qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") ? "on" : "off";
  std::printf("preview of %zu pages, %s platform, accessibility bridge %s\n", document.pages.size(),
              qPrintable(QGuiApplication::platformName()), bridge);
  for (int run = 1; run <= 3; ++run) {
    QElapsedTimer timer;
    timer.start();
    reports::PreviewWindow window({}, layout.zoom, layout.sidePanes);
    window.showMaximized();
    settle();
    const qint64 shown = timer.elapsed();
    window.setDocument(document);
    const qint64 handed = timer.elapsed();
    settle();
    std::printf("  run %d: window shown %5lld ms, pages handed over %6lld ms, settled %6lld ms\n", run, shown,
                handed, timer.elapsed());
  }
  return 0;
}

// How long exporting a large grid takes next to filling it: a grid of the
// entries-and-exits listing's nine columns with 70,000 rows (a year of a
// large ledger), filled, then written as .xlsx and as .csv.
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "app/export/table_export.h"
#include "app/windows/grid_export.h"
#include "bench_run.h"
#include "ui/data_grid.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  constexpr int kRows = 70000;
  constexpr auto kRight = Qt::AlignRight | Qt::AlignVCenter;
  QList<QStringList> rows;
  for (int i = 0; i < kRows; ++i)
    rows << QStringList{"05.03.2024",       "Bon Consum nr." + QString::number(i), "PRODUS " + QString::number(i % 5000),
                        "BUC",              "1,234.50",                            "12.00",
                        "0.00",             "0.00",                                "MAGAZIE " + QString::number(i % 20)};
  ui::DataGrid grid;
  grid.setColumns({{"DATA", Qt::AlignCenter}, {"DOC. JUSTIFICATIV"}, {"PRODUSUL"}, {"UM"}, {"CANT INTR.", kRight},
                   {"VAL. INTR.", kRight}, {"CANT. IESITA", kRight}, {"VAL. IESITA", kRight}, {"GESTIUNEA"}});
  const double fill = bench::medianMs([&] { grid.setRows(rows, 0); }, 3);
  QTemporaryDir folder;
  const double snapshot = bench::medianMs([&] { app::snapshotOf(grid, {}); }, 3);
  const app::ExportTable table = app::snapshotOf(grid, {});
  const double xlsx = bench::medianMs([&] { app::exportTable(table, folder.filePath("e.xlsx")); }, 3);
  const double csv = bench::medianMs([&] { app::exportTable(table, folder.filePath("e.csv")); }, 3);
  std::printf("export of %d rows x 9 columns (median of 3)\n", kRows);
  std::printf("  grid filled          %8.0f ms\n", fill);
  std::printf("  rows taken from grid %8.0f ms\n", snapshot);
  std::printf("  written as .xlsx     %8.0f ms  (goal: about the grid's fill)\n", xlsx);
  std::printf("  written as .csv      %8.0f ms\n", csv);
  return 0;
}

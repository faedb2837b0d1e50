// The export of a data grid: "Exporta..." in its context menu and Ctrl+E
// while it has the focus. The rows go out as the grid shows them (columns in
// its order, band and column titles as header rows, the window's totals as
// footer rows) to a .xlsx or .csv file the user names.
#pragma once

#include <QAction>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "app/export/table_export.h"
#include "ui/data_grid.h"

namespace app {

struct GridExportSource {
  // The file name proposed in the save dialog, without folder or extension
  // ("Inventar_03.2024").
  std::function<QString()> proposedName;
  // The totals the window shows beside the grid, as rows of the grid's
  // columns; none by default.
  std::function<QList<QStringList>()> footer;
};

// Adds the export action to `grid` (which owns it) and returns it, so that a
// window's button can trigger it too.
QAction* addGridExport(ui::DataGrid* grid, GridExportSource source);

// The save dialog's choice of spreadsheet formats.
inline constexpr char kSpreadsheetFilter[] = "Foaie de calcul Excel (*.xlsx);;Text separat prin ; (*.csv)";

// The progress counter a long export shows over its window (the program's
// one counter, set at start; none in tests that do not set it).
class ProgressCounter;
void setExportCounter(ProgressCounter* counter);

// The grid's rows as the export writes them.
ExportTable snapshotOf(const ui::DataGrid& grid, const QList<QStringList>& footer);

}  // namespace app

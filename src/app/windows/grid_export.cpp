#include "app/windows/grid_export.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QScopeGuard>

#include "app/windows/progress_counter.h"
#include "app/windows/save_path.h"
#include "ui/interaction.h"

namespace app {

namespace {

// Exports of fewer rows end before a counter would be seen.
constexpr int kRowsWorthACounter = 2000;

ProgressCounter*& exportCounter() {
  static ProgressCounter* counter = nullptr;
  return counter;
}

// The columns in the order the user sees them, hidden ones left out.
QList<int> shownColumns(const ui::DataGrid& grid) {
  QList<int> columns;
  const QHeaderView* header = grid.horizontalHeader();
  for (int visual = 0; visual < header->count(); ++visual) {
    const int logical = header->logicalIndex(visual);
    if (!grid.isColumnHidden(logical)) columns << logical;
  }
  return columns;
}

bool hasBands(const ui::DataGrid& grid, const QList<int>& columns) {
  for (int column : columns)
    if (!grid.bandTitle(column).isEmpty()) return true;
  return false;
}

void runExport(ui::DataGrid& grid, const GridExportSource& source) {
  const QString path = askSavePath("Exporta tabelul", source.proposedName ? source.proposedName() : "Export",
                                   kSpreadsheetFilter, {"xlsx", "csv"});
  if (path.isEmpty()) return;
  const ExportTable table = snapshotOf(grid, source.footer ? source.footer() : QList<QStringList>());
  ProgressCounter* counter = table.rows.size() >= kRowsWorthACounter ? exportCounter() : nullptr;
  QWidget* busy = grid.window();
  if (counter) {
    counter->caption()->setText("Export " + QFileInfo(path).fileName() + "...");
    ProgressCounter::ContorMax() = int(table.rows.size());
    counter->Arata(busy);
    counter->ContorPos(0);
  }
  const auto giveBack = qScopeGuard([counter, busy] {
    if (counter) counter->Distruge(busy);
  });
  exportTable(table, path, [counter](int written, int) {
    if (counter) counter->ContorPos(written);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  });
}

}  // namespace

void setExportCounter(ProgressCounter* counter) { exportCounter() = counter; }

ExportTable snapshotOf(const ui::DataGrid& grid, const QList<QStringList>& footer) {
  ExportTable table;
  const QList<int> columns = shownColumns(grid);
  if (hasBands(grid, columns)) {
    QStringList bands;
    QString previous;
    for (int column : columns) {
      const QString band = grid.bandTitle(column);
      bands << (band == previous ? QString() : band);  // the title once, over its first column
      previous = band;
    }
    table.headerRows << bands;
  }
  QStringList titles;
  const int characterWidth = qMax(1, grid.fontMetrics().averageCharWidth());
  for (int column : columns) {
    const QTableWidgetItem* title = grid.horizontalHeaderItem(column);
    titles << (title ? title->text() : QString());
    table.amountColumns << bool(grid.columnAlignment(column) & Qt::AlignRight);
    table.columnWidths << qMax(6, grid.columnWidth(column) / characterWidth + 1);
  }
  table.headerRows << titles;
  for (int row = 0; row < grid.rowCount(); ++row) {
    QStringList cells;
    for (int column : columns) {
      const QTableWidgetItem* item = grid.item(row, column);
      cells << (item ? item->text() : QString());
    }
    table.rows << cells;
  }
  table.footerRows = footer;
  return table;
}

QAction* addGridExport(ui::DataGrid* grid, GridExportSource source) {
  auto* action = new QAction("Exporta...", grid);
  action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  grid->setContextMenuPolicy(Qt::ActionsContextMenu);
  grid->addAction(action);
  QObject::connect(action, &QAction::triggered, grid,
                   [grid, source = std::move(source)] { ui::guarded([&] { runExport(*grid, source); }); });
  return action;
}

}  // namespace app

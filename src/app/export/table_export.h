// A grid's rows written out for a spreadsheet: .xlsx (through libxlsxwriter)
// or .csv (UTF-8 with a byte-order mark, ";" between fields, "." in amounts,
// quoted as RFC 4180). The table holds the texts the grid shows; which
// columns carry amounts is the grid's to say (its right-aligned columns), and
// a cell "dd.MM.yyyy" is a date. The whole file is written beside the target
// under a temporary name and renamed into place, so a failure leaves no
// partial file and an existing file untouched until the new one is complete.
#pragma once

#include <QList>
#include <optional>
#include <QString>
#include <QStringList>
#include <functional>

namespace app {

struct ExportTable {
  QList<QStringList> headerRows;  // band titles, then column titles
  QList<QStringList> rows;
  QList<QStringList> footerRows;  // totals, as the window shows them
  QList<bool> amountColumns;      // per column: its cells are amounts
  QList<int> columnWidths;        // per column, in characters
};

// Called with the rows written so far and the row count.
using ExportProgress = std::function<void(int written, int count)>;

// Writes `table` to `path`, as .csv when the path ends in ".csv" (any case)
// and as .xlsx otherwise. Throws store::StoreError naming the file on failure.
void exportTable(const ExportTable& table, const QString& path, const ExportProgress& progress = {});

// The parts the writers share, for tests.
// An amount as the grid shows it ("1,234.50", "-3.00") read as a number;
// nullopt when the text is not one.
std::optional<double> amountValue(const QString& shown);
// "1,234.50" as a CSV field: "1234.50".
QString csvAmount(const QString& shown);
// One CSV record: fields separated by ";", quoted when they hold ";", a
// double quote, a CR or an LF (quotes doubled), ended by CR LF.
QString csvRecord(const QStringList& fields);

}  // namespace app

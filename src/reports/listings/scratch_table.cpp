// Creating paths for, filling and deleting the reports' temporary tables.
#include "reports/listings/scratch_table.h"

#include <QFile>

#include "app/settings.h"
#include "app/statement_text.h"
#include "store/decimal.h"
#include "store/error.h"

namespace reports {

QString scratchPath(const QString& fileName) { return app::programFolder() + QLatin1Char('\\') + fileName; }

ScratchTable::ScratchTable(store::Database& database, QString path) : database_(database), path_(std::move(path)) {}

QString ScratchTable::name() const { return app::quoted(path_); }

void ScratchTable::appendFrom(store::sql::ResultSet& rows, const FillRecord& fill) {
  if (rows.isEmpty()) return;
  store::CellRows records(database_.table(path_).fields().size());
  for (rows.first(); !rows.eof(); rows.next()) fill(rows, records.appendRow());
  database_.insertRows(path_, std::move(records));
}

void ScratchTable::remove() {
  database_.forget(path_);
  QFile::remove(store::Database::resolvePath(path_));
}

void rethrowNamingReport(const QString& report) {
  try {
    throw;
  } catch (const store::NumberOverflow& overflow) {
    const store::NumberOverflow::Where& where = overflow.where();
    throw store::StoreError(report.toStdString() + " nu se poate face: valoarea " + where.value +
                            " nu incape in coloana " + where.column + " a tabelului temporar " + where.table +
                            " (cel mult " + where.largest + ").");
  }
}

store::Value storedAmount(const store::sql::ResultSet& rows, std::string_view column) {
  return store::Value::number(store::decimal::roundTo(rows.asNumber(column), 2));
}

}  // namespace reports

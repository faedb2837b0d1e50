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

void ScratchTable::appendFrom(store::sql::ResultSet& rows, const std::vector<FieldFrom>& fields) {
  // Each column is looked up once for all the rows; a column that only one
  // field reads has its values moved into the records.
  std::vector<int> columns;
  std::vector<int> readers(rows.columnNames().size(), 0);
  for (const FieldFrom& field : fields) {
    const int index = field.source() == FieldFrom::Source::Fixed ? -1 : rows.columnIndex(field.columnName());
    if (field.source() != FieldFrom::Source::Fixed && index < 0)
      throw store::StoreError("the result has no column \"" + field.columnName() + "\"");
    columns.push_back(index);
    if (index >= 0) ++readers[size_t(index)];
  }
  store::CellRows from = rows.takeRows();
  if (from.rowCount() == 0) return;
  store::CellRows records(fields.size());
  for (size_t r = 0; r < from.rowCount(); ++r) {
    store::Value* values = from.row(r);
    store::Value* record = records.appendRow();
    for (size_t f = 0; f < fields.size(); ++f) {
      const int c = columns[f];
      switch (fields[f].source()) {
        case FieldFrom::Source::Column:
          record[f] = readers[size_t(c)] == 1 ? std::move(values[c]) : values[c];
          break;
        case FieldFrom::Source::Amount: record[f] = storedAmount(values[c], fields[f].columnName()); break;
        case FieldFrom::Source::Fixed: record[f] = fields[f].fixed(); break;
      }
    }
  }
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

store::Value storedAmount(const store::Value& sum, std::string_view column) {
  return store::Value::number(store::decimal::roundTo(store::sql::ResultSet::numberOf(sum, column), 2));
}

}  // namespace reports

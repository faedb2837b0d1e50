// Creating paths for, filling and deleting the reports' temporary tables.
#include "reports/listings/scratch_table.h"

#include <QFile>
#include <algorithm>
#include <optional>

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
  store::CodedRows from = rows.takeRows();
  if (from.rowCount() == 0) return;

  // Texts the rows hold as codes go on as codes into a text field; when
  // each field reads its own column, coded as the rows have it, the rows
  // become the records and only their amounts change, in place.
  const store::dbase::FieldList& tableFields = database_.image(path_).fields;
  std::vector<std::optional<store::TextCodes>> coded(fields.size());
  bool inPlace = from.width() == fields.size();
  for (size_t f = 0; f < fields.size(); ++f) {
    const int c = columns[f];
    if (fields[f].source() == FieldFrom::Source::Column && from.coded(size_t(c)) && f < tableFields.size() &&
        tableFields[f].type == 'C')
      coded[f] = *from.coded(size_t(c));
    inPlace = inPlace && c == int(f) && readers[f] == 1 && coded[f].has_value() == (from.coded(f) != nullptr);
  }
  if (inPlace) {
    for (size_t f = 0; f < fields.size(); ++f) {
      if (fields[f].source() != FieldFrom::Source::Amount) continue;
      for (size_t r = 0; r < from.rowCount(); ++r) {
        store::Value& cell = from.cells().row(r)[from.cellOf(f)];
        cell = storedAmount(cell, fields[f].columnName());
      }
    }
    database_.insertRows(path_, std::move(from));
    return;
  }

  store::CellRows cells(size_t(std::count(coded.begin(), coded.end(), std::nullopt)));
  for (size_t r = 0; r < from.rowCount(); ++r) {
    store::Value* values = from.cells().row(r);
    store::Value* cell = cells.appendRow();
    for (size_t f = 0; f < fields.size(); ++f) {
      if (coded[f]) continue;
      const int c = columns[f];
      const bool valueOfCell = c >= 0 && !from.coded(size_t(c));
      switch (fields[f].source()) {
        case FieldFrom::Source::Column:
          if (!valueOfCell) *cell = from.value(r, size_t(c));
          else if (readers[size_t(c)] == 1) *cell = std::move(values[from.cellOf(size_t(c))]);
          else *cell = values[from.cellOf(size_t(c))];
          break;
        case FieldFrom::Source::Amount:
          *cell = storedAmount(valueOfCell ? values[from.cellOf(size_t(c))] : from.value(r, size_t(c)),
                               fields[f].columnName());
          break;
        case FieldFrom::Source::Fixed: *cell = fields[f].fixed(); break;
      }
      ++cell;
    }
  }
  database_.insertRows(path_, store::CodedRows(std::move(coded), std::move(cells)));
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

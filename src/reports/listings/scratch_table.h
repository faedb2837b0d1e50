// The reports' temporary tables: dBase files in the program folder that a
// report creates, fills from its statements' rows and deletes again.
//
// Statements name such a table by "{Program}\<file>" in double quotes, as
// they name the Data folder's tables. A table is filled with one batch per
// statement's rows, so a report of many thousand groups writes each table
// in a few appends instead of a post per row.
#pragma once

#include <QString>
#include <functional>
#include <string_view>
#include <utility>

#include "store/database.h"
#include "store/sql/result_set.h"
#include "store/value.h"

namespace reports {

// "{Program}\<fileName>": the path a statement gives a temporary table.
QString scratchPath(const QString& fileName);

class ScratchTable {
 public:
  // `path` as statements write it (either separator).
  ScratchTable(store::Database& database, QString path);

  const QString& path() const { return path_; }
  // The path between double quotes, as a statement names the table.
  QString name() const;

  // Sets the fields of `record` (one value per field, in the table's order,
  // all Null to begin with) from the current row.
  using FillRecord = std::function<void(const store::sql::ResultSet& row, store::Value* record)>;
  // Appends one record per row of `rows` (first to last) in one write; no
  // rows writes nothing. A value that does not fit its column fails the
  // whole batch with the table, column and value named.
  void appendFrom(store::sql::ResultSet& rows, const FillRecord& fill);

  // Deletes the file where it exists, dropping the engine's cached image
  // first so that a table made again under the same name is read afresh.
  void remove();

 private:
  store::Database& database_;
  QString path_;
};

// Called from a catch block: a number too large for a temporary table's
// column is thrown again as a Romanian StoreError naming `report`, the
// column, its table and the largest value it holds; any other failure
// goes on as it is.
[[noreturn]] void rethrowNamingReport(const QString& report);

// Assigns `values` to the fields of `record`, from the first on.
template <typename... Values>
void setFields(store::Value* record, Values&&... values) {
  ((*record++ = std::forward<Values>(values)), ...);
}

// 0 in an amount column: what a row copied from one statement's results
// puts into the columns another statement fills.
inline const store::Value kNoAmount = store::Value::number(0);

// An amount of the current row as the temporary tables store it: the
// ten-thousandths rounded to two decimals, half to even; a missing sum
// (NULL) is 0.
store::Value storedAmount(const store::sql::ResultSet& rows, std::string_view column);

}  // namespace reports

// The reports' temporary tables: dBase files in the program folder that a
// report creates, fills from its statements' rows and deletes again.
//
// Statements name such a table by "{Program}\<file>" in double quotes, as
// they name the Data folder's tables. A table is filled with one batch per
// statement's rows, so a report of many thousand groups writes each table
// in a few appends instead of a post per row.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/database.h"
#include "store/sql/result_set.h"
#include "store/value.h"

namespace reports {

// "{Program}\<fileName>": the path a statement gives a temporary table.
QString scratchPath(const QString& fileName);

// Where one field of the records a temporary table is filled with comes
// from: a column of the statement's row, as it is or as the amount the
// table stores (storedAmount()), or one value for every record.
class FieldFrom {
 public:
  enum class Source { Column, Amount, Fixed };
  // A fixed value: kNoAmount, or Null for a column filled later.
  FieldFrom(store::Value fixed) : source_(Source::Fixed), fixed_(std::move(fixed)) {}

  friend FieldFrom column(std::string name);
  friend FieldFrom amount(std::string name);

  Source source() const { return source_; }
  const std::string& columnName() const { return column_; }  // Column and Amount
  const store::Value& fixed() const { return fixed_; }

 private:
  FieldFrom(Source source, std::string column) : source_(source), column_(std::move(column)) {}
  Source source_;
  std::string column_;
  store::Value fixed_;
};

// The row's value of `name`, as it is.
inline FieldFrom column(std::string name) { return FieldFrom(FieldFrom::Source::Column, std::move(name)); }
// The row's amount in `name` as storedAmount() makes it.
inline FieldFrom amount(std::string name) { return FieldFrom(FieldFrom::Source::Amount, std::move(name)); }

class ScratchTable {
 public:
  // `path` as statements write it (either separator).
  ScratchTable(store::Database& database, QString path);

  const QString& path() const { return path_; }
  // The path between double quotes, as a statement names the table.
  QString name() const;

  // Appends one record per row of `rows` (first to last) in one write, its
  // fields made as `fields` say, in the table's order; no rows writes
  // nothing. The rows are handed over (ResultSet::takeRows()): `rows` is
  // left without rows. A value that does not fit its column fails the whole
  // batch with the table, column and value named.
  void appendFrom(store::sql::ResultSet& rows, const std::vector<FieldFrom>& fields);

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

// 0 in an amount column: what a row copied from one statement's results
// puts into the columns another statement fills.
inline const store::Value kNoAmount = store::Value::number(0);

// An amount (`sum`, read from the result column `column`) as the temporary
// tables store it: the ten-thousandths rounded to two decimals, half to
// even; a missing sum (NULL) is 0.
store::Value storedAmount(const store::Value& sum, std::string_view column);

}  // namespace reports

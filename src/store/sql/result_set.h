// The rows of an opened SELECT, with a cursor, locate and a row filter.
//
// A result set shows the tables as they were when the query ran: later
// changes to them do not show in it. Its rows are either computed and held
// (CodedRows: values, and texts of the tables' own columns as codes of
// their dictionaries, which only grow), or read in place from one table's
// image (TableView); then the rows a cursor needs are found, and sorted,
// only when it is first used.
// The cursor and the filter work as the windows expect of a data set:
// first / next / prior / last, begin and end tests, a record count of the
// rows that pass the filter, locate by equality or by prefix, and a filter
// such as "TCANT>=0.01", "IDCAP=-1" or "GESTIUNE='X'" that can be switched
// on and off without re-running the query.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/coded_rows.h"
#include "store/sql/executor/table_view.h"
#include "store/value.h"

namespace store::sql {

class ResultSet {
 public:
  ResultSet() : ResultSet(CellRows(0), {}) {}  // no columns, no rows
  ResultSet(std::vector<std::string> columnNames, std::vector<std::vector<Value>> rows);
  // The rows a SELECT computed, columnNames.size() columns each (the rows
  // first, so that a braced list of rows never reads as this).
  ResultSet(CodedRows rows, std::vector<std::string> columnNames);
  ResultSet(std::shared_ptr<const TableView> view, std::vector<std::string> columnNames);

  // Column names as the statement gives them (alias, or the column's name).
  const std::vector<std::string>& columnNames() const { return names_; }
  int columnIndex(std::string_view name) const;  // case-insensitive, -1 when absent

  // Cursor over the rows that pass the filter (all rows while it is off).
  bool isEmpty() const;
  int recordCount() const;
  void first();
  void next();
  void prior();
  void last();
  bool bof() const;  // moved before the first row, or empty
  bool eof() const;  // moved past the last row, or empty
  int recordNumber() const;  // 1-based position among the visible rows; 0 when empty

  // Values of the current row; throw StoreError for an unknown column or when
  // there is no current row.
  Value value(std::string_view column) const;
  QString asText(std::string_view column) const;  // numbers in shortest form, dates dd.MM.yyyy, NULL as ""
  int64_t asNumber(std::string_view column) const;  // ten-thousandths; NULL as 0; text must be a number
  std::optional<QDate> asDate(std::string_view column) const;  // nullopt for NULL
  // What asNumber() makes of `value` read from `column` (named in the error).
  static int64_t numberOf(const Value& value, std::string_view column);

  // Hands over the rows that pass the filter, in order, and leaves the
  // result without rows: a caller that only copies the rows elsewhere gets
  // a computed result's own rows, without a copy of their values, and its
  // coded columns as codes.
  CodedRows takeRows();

  // Moves to the first visible row whose column equals `value` (texts compare
  // exactly, numbers by value), or whose text starts with `value` when
  // `prefix` is set. Returns false and leaves the cursor when none does.
  bool locate(std::string_view column, const QString& value, bool prefix = false);

  // "COLUMN op literal" with op one of = <> < <= > >= and the literal a number
  // or a text in single quotes; throws StoreError on a malformed expression or
  // an unknown column. Setting the expression keeps the current on/off state.
  void setFilter(const QString& expression);
  void setFiltered(bool on);
  bool filtered() const { return filtered_; }

 private:
  struct Condition;
  int indexOf(std::string_view column) const;  // columnIndex(), or StoreError naming the column
  Value current(int column) const;  // the current row's value; StoreError when there is no row
  void applyFilter();
  // Finds the visible rows, and puts the cursor on the first, when a new
  // result or filter left them to be found.
  void findVisible() const;
  uint32_t rowCount() const { return view_ ? view_->rowCount() : uint32_t(rows_.rowCount()); }
  Value cell(uint32_t row, int column) const {
    return view_ ? view_->cell(row, column) : rows_.value(row, size_t(column));
  }

  std::vector<std::string> names_;
  CodedRows rows_;
  std::shared_ptr<const TableView> view_;  // instead of rows_ when set
  std::shared_ptr<Condition> condition_;
  bool filtered_ = false;
  // The cursor, kept by findVisible() as well as by the moves.
  mutable bool visibleFound_ = false;
  mutable std::vector<uint32_t> visible_;  // the rows that pass the filter, in result order
  mutable int position_ = 0;  // index into visible_ of the current row; it stays on the row a move ran off
  mutable bool bof_ = true, eof_ = true;
};

}  // namespace store::sql

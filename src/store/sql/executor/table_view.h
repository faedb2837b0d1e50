// The rows of a SELECT that only picks records of one table and some of its
// columns, read from the table image in place instead of copied.
//
// A window's data set is often a whole table ordered by a column, opened
// again after every change and then narrowed by a filter to a few rows:
// copying and sorting every record each time would cost far more than the
// few rows shown. The view keeps the numbers of the selected records, in
// record order, and the columns it reads; it sorts only the rows asked for.
// Because a stable sort of any subset of the records gives them in the
// order they have in the whole sorted result, a filter applied before
// sorting shows exactly what it would show after.
//
// The view holds the columns themselves (TableImage::columns), which the
// image copies before changing a record while they are shared, and appends
// only past the records the view took: the view keeps showing the table as
// it was when the statement ran, as a copied result does.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "store/sql/binder/bound.h"
#include "store/value.h"

namespace store::sql {

class TableView {
 public:
  // The view of `select`, with its WHERE already applied; null when the
  // statement joins, groups, removes duplicates, computes a result column or
  // orders by anything but plain columns.
  static std::shared_ptr<const TableView> of(BoundSelect& select);

  uint32_t rowCount() const { return uint32_t(records_.size()); }
  // Result row `row` (counted in record order) of result column `column`.
  Value cell(uint32_t row, int column) const;
  // The rows, ascending, whose value of result column `column` passes; a
  // text is tested once for all the rows that hold it.
  std::vector<uint32_t> rowsPassing(int column, const std::function<bool(const Value&)>& passes) const;
  // Puts `rows` (ascending) into ORDER BY order.
  void sort(std::vector<uint32_t>& rows) const;

 private:
  struct ViewColumn {
    char type = 'N';
    std::shared_ptr<const dbase::Column> data;
    bool descending = false;  // for sort keys
  };
  std::vector<uint32_t> records_;  // ascending
  std::vector<ViewColumn> outputs_;
  std::vector<ViewColumn> sortKeys_;
};

}  // namespace store::sql

// Runs a bound SELECT: selects each table's records, joins them, groups and
// aggregates by hashing, computes the result columns, removes duplicates
// for DISTINCT and sorts the result rows for ORDER BY.
#pragma once

#include <string>
#include <vector>

#include "store/sql/binder/bound.h"
#include "store/coded_rows.h"

namespace store::sql {

struct SelectResult {
  std::vector<std::string> names;
  // names.size() values each. A result column that reads a CHAR column as it
  // is comes coded when nothing after the rows are made reorders them.
  CodedRows rows{CellRows(0)};
};

SelectResult runSelect(BoundSelect& select);

// Replaces every subquery inside `expr` by its value: Null when it gives no
// row; a StoreError when it gives more than one.
void resolveSubqueries(BoundExpr& expr);

}  // namespace store::sql

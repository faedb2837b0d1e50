// Runs a bound SELECT: selects each table's records, joins them, groups and
// aggregates by hashing, computes the result columns, removes duplicates
// for DISTINCT and sorts the result rows for ORDER BY.
#pragma once

#include <string>
#include <vector>

#include "store/sql/binder/bound.h"
#include "store/cell_rows.h"

namespace store::sql {

struct SelectResult {
  std::vector<std::string> names;
  CellRows rows{0};  // names.size() values each
};

SelectResult runSelect(BoundSelect& select);

// Replaces every subquery inside `expr` by its value: Null when it gives no
// row; a StoreError when it gives more than one.
void resolveSubqueries(BoundExpr& expr);

}  // namespace store::sql

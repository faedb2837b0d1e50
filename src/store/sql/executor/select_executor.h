// Runs a bound SELECT: selects each table's records, joins them, groups and
// aggregates by hashing, computes the result columns, removes duplicates
// for DISTINCT and sorts the result rows for ORDER BY.
#pragma once

#include <string>
#include <vector>

#include "store/sql/binder/bound.h"

namespace store::sql {

struct SelectResult {
  std::vector<std::string> names;
  std::vector<std::vector<Value>> rows;
};

SelectResult runSelect(BoundSelect& select);

// Replaces every subquery inside `expr` by its value: Null when it gives no
// row; a StoreError when it gives more than one.
void resolveSubqueries(BoundExpr& expr);

}  // namespace store::sql

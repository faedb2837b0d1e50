// Row-at-a-time evaluation of a bound expression: the general path, used
// where no typed loop over the column arrays applies (residual conditions,
// computed result columns, expressions over a group's aggregates).
#pragma once

#include <cstdint>
#include <vector>

#include "store/sql/binder/bound.h"

namespace store::sql {

// Where a column or an aggregate of an expression takes its value from.
struct RowContext {
  const std::vector<BoundTable>* tables = nullptr;
  const uint32_t* rows = nullptr;        // the record of each table
  const Value* aggregates = nullptr;     // the current group's aggregate values
};

// REQUIRES: subqueries have been replaced by their values.
Value evaluate(const BoundExpr& expr, const RowContext& context);

// True when the condition holds (false for false and for Null).
inline bool isTrue(const Value& value) { return value.kind() == Value::Kind::Bool && value.asBool(); }

}  // namespace store::sql

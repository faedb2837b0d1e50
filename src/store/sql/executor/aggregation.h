// Computes the aggregates of a grouped SELECT, one typed pass per aggregate
// over the tuples and their group numbers. SUM, AVG, MAX, MIN and COUNT of a
// plain column loop over the column array; other arguments are evaluated
// row by row. Nulls (and blank texts) are skipped; SUM over no values is
// Null, COUNT 0; an overflowing SUM is a StoreError naming its position.
#pragma once

#include <cstdint>
#include <vector>

#include "store/sql/binder/bound.h"
#include "store/sql/executor/tuples.h"

namespace store::sql {

// Value of aggregate a for group g at [g * aggregates.size() + a].
std::vector<Value> computeAggregates(const std::vector<BoundTable>& tables, const Tuples& tuples,
                                     const std::vector<uint32_t>& groupOf, uint32_t groupCount,
                                     const std::vector<BoundAggregate>& aggregates);

}  // namespace store::sql

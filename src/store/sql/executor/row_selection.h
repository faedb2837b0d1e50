// Finds the records of one table that satisfy a list of conditions.
//
// Conditions are compiled into typed loops over the table image's column
// arrays: a CHAR column compared with a text becomes a test of dictionary
// codes (one dictionary lookup for equality, one pass over the dictionary
// for an ordering), numbers and dates are compared as int64 and int32, and
// NOT is pushed down into the comparisons. An equality of a CHAR column with
// a text at the top level visits only the records holding that text
// (TableImage::rowsWithCode), choosing the rarest such text when there are
// several. Anything else falls back to row-at-a-time evaluation.
#pragma once

#include <cstdint>
#include <vector>

#include "store/sql/binder/bound.h"

namespace store::sql {

// Records of tables[table], ascending, not flagged deleted, for which every
// condition holds. Each condition refers to that table only, or to none.
std::vector<uint32_t> selectRows(const std::vector<BoundTable>& tables, int table,
                                 const std::vector<const BoundExpr*>& conditions);

}  // namespace store::sql

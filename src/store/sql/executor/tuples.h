// The records a SELECT works on after filtering and joining, column-wise:
// tuple i joins record rows[t][i] of each table t.
#pragma once

#include <cstdint>
#include <vector>

namespace store::sql {

struct Tuples {
  std::vector<std::vector<uint32_t>> rows;  // one list per table, all of equal length

  size_t size() const { return rows.empty() ? 0 : rows.front().size(); }
  // The records of tuple i, one per table.
  void gather(size_t i, std::vector<uint32_t>& out) const {
    out.resize(rows.size());
    for (size_t t = 0; t < rows.size(); ++t) out[t] = rows[t][i];
  }
};

}  // namespace store::sql

// Computes the aggregates of a grouped SELECT, one typed pass per aggregate
// over the tuples and their group numbers. SUM, AVG, MAX, MIN and COUNT of a
// plain column loop over the column array; other arguments are evaluated
// row by row. Nulls (and blank texts) are skipped; SUM over no values is
// Null, COUNT 0; an overflowing SUM is a StoreError naming its position.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "store/sql/binder/bound.h"
#include "store/sql/executor/tuples.h"

namespace store::sql {

// The aggregates of every group, each kept as it was accumulated (typed
// arrays of sums, counts, codes). A group's values become Values only when
// its row is made: a result of many groups never holds a Value per group
// and aggregate, which would be tens of megabytes written and read again.
class GroupAggregates {
 public:
  // One aggregate's accumulated state over all groups.
  class PerGroup {
   public:
    virtual ~PerGroup() = default;
    virtual Value valueOf(uint32_t group) const = 0;
    virtual void prefetch(uint32_t group) const = 0;
  };

  explicit GroupAggregates(std::vector<std::unique_ptr<PerGroup>> perAggregate)
      : perAggregate_(std::move(perAggregate)) {}

  size_t count() const { return perAggregate_.size(); }
  // Writes the group's aggregate values to out[0 .. count()).
  void valuesOf(uint32_t group, Value* out) const {
    for (size_t a = 0; a < perAggregate_.size(); ++a) out[a] = perAggregate_[a]->valueOf(group);
  }
  // Asks for the group's accumulated entries ahead of valuesOf().
  void prefetch(uint32_t group) const {
    for (const auto& aggregate : perAggregate_) aggregate->prefetch(group);
  }

 private:
  std::vector<std::unique_ptr<PerGroup>> perAggregate_;
};

// The aggregates of `groupCount` groups; groupOf[i] is tuple i's group.
GroupAggregates computeAggregates(const std::vector<BoundTable>& tables, const Tuples& tuples,
                                  const std::vector<uint32_t>& groupOf, uint32_t groupCount,
                                  const std::vector<BoundAggregate>& aggregates);

}  // namespace store::sql

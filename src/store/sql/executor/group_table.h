// An open-addressing hash table from fixed-width keys (a few 64-bit words:
// dictionary codes, numbers, Julian days) to dense group numbers, numbered
// in the order the groups first appear.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace store::sql {

class GroupTable {
 public:
  explicit GroupTable(size_t keyWidth);

  // The group of `key` (keyWidth words), added when new.
  uint32_t findOrInsert(const uint64_t* key);
  uint32_t groupCount() const { return count_; }

 private:
  uint64_t hash(const uint64_t* key) const;
  void grow();

  size_t width_;
  uint32_t count_ = 0;
  std::vector<uint64_t> keys_;   // group g's key at [g * width_, (g + 1) * width_)
  std::vector<uint32_t> slots_;  // group + 1, or 0 when free
  size_t mask_;
};

}  // namespace store::sql

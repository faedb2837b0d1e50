// Linear probing over a power-of-two slot array kept at most half full.
#include "store/sql/executor/group_table.h"

namespace store::sql {

namespace {

constexpr size_t kInitialSlots = 1024;

uint64_t mix(uint64_t x) {
  x ^= x >> 30;
  x *= 0xbf58476d1ce4e5b9ULL;
  x ^= x >> 27;
  x *= 0x94d049bb133111ebULL;
  x ^= x >> 31;
  return x;
}

}  // namespace

GroupTable::GroupTable(size_t keyWidth) : width_(keyWidth), slots_(kInitialSlots, 0), mask_(kInitialSlots - 1) {}

uint64_t GroupTable::hash(const uint64_t* key) const {
  uint64_t h = 0x9e3779b97f4a7c15ULL;
  for (size_t i = 0; i < width_; ++i) h = mix(h ^ key[i]);
  return h;
}

uint32_t GroupTable::findOrInsert(const uint64_t* key) {
  size_t slot = hash(key) & mask_;
  for (;;) {
    uint32_t entry = slots_[slot];
    if (entry == 0) break;
    const uint64_t* stored = keys_.data() + size_t(entry - 1) * width_;
    size_t i = 0;
    while (i < width_ && key[i] == stored[i]) ++i;
    if (i == width_) return entry - 1;
    slot = (slot + 1) & mask_;
  }
  uint32_t group = count_++;
  keys_.insert(keys_.end(), key, key + width_);
  slots_[slot] = group + 1;
  if (size_t(count_) * 2 > slots_.size()) grow();
  return group;
}

void GroupTable::grow() {
  std::vector<uint32_t> old(slots_.size() * 2, 0);
  old.swap(slots_);
  mask_ = slots_.size() - 1;
  for (uint32_t group = 0; group < count_; ++group) {
    size_t slot = hash(keys_.data() + size_t(group) * width_) & mask_;
    while (slots_[slot] != 0) slot = (slot + 1) & mask_;
    slots_[slot] = group + 1;
  }
}

}  // namespace store::sql

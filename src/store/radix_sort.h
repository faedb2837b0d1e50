// A stable sort by a 64-bit key in a few linear passes.
//
// A counting sort per byte of the key, from the lowest, skipping the bytes
// every key shares: on a million items a handful of passes instead of a
// comparison sort. Used where the order of many items reduces to one
// integer (index key prefixes, ORDER BY columns packed into one key).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace store {

// Sorts `items` by keyOf(item), keeping items with equal keys in their order.
template <typename T, typename KeyOf>
void stableRadixSort(std::vector<T>& items, KeyOf keyOf) {
  if (items.size() < 2) return;
  uint64_t varying = 0;
  const uint64_t first = keyOf(items.front());
  for (const T& item : items) varying |= keyOf(item) ^ first;
  std::vector<T> sorted(items.size());
  for (int shift = 0; shift < 64; shift += 8) {
    if (((varying >> shift) & 0xFF) == 0) continue;
    std::array<size_t, 257> start{};
    for (const T& item : items) ++start[((keyOf(item) >> shift) & 0xFF) + 1];
    for (size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
    for (const T& item : items) sorted[start[(keyOf(item) >> shift) & 0xFF]++] = item;
    items.swap(sorted);
  }
}

}  // namespace store

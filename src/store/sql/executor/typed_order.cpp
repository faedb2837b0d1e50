// Typed comparison of tuples by their ORDER BY columns.
#include "store/sql/executor/typed_order.h"

#include <algorithm>
#include <bit>
#include <numeric>

#include "store/radix_sort.h"

namespace store::sql {

namespace {

// Ranking costs a sort of the whole dictionary; beyond this many entries
// per compared tuple, texts are compared directly instead.
constexpr size_t kRankedEntriesPerTuple = 4;

template <typename T>
int threeWay(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

std::optional<std::vector<TypedOrder::SortColumn>> TypedOrder::columnsOf(const BoundSelect& select) {
  std::vector<SortColumn> columns;
  for (const BoundOrder& item : select.orderBy) {
    const BoundExpr* column = item.expr ? item.expr.get() : select.outputs[item.output].expr.get();
    if (!column->isColumn()) return std::nullopt;
    const dbase::TableImage& image = *select.tables[column->table].image;
    columns.push_back({column->table, column->field, image.fields[column->field].type,
                       image.columns[column->field].get(), item.descending});
  }
  return columns;
}

std::optional<TypedOrder> TypedOrder::of(const BoundSelect& select, size_t entries) {
  std::optional<std::vector<SortColumn>> columns = columnsOf(select);
  if (!columns) return std::nullopt;
  return over(*columns, entries);
}

TypedOrder TypedOrder::over(const std::vector<SortColumn>& columns, size_t entries) {
  TypedOrder order;
  for (const SortColumn& column : columns) {
    const dbase::Column& data = *column.column;
    Key key;
    key.table = column.table;
    key.type = column.type;
    key.descending = column.descending;
    switch (key.type) {
      case 'C': {
        key.codes = data.codes.data();
        key.dictionary = data.dictionary.get();
        if (key.dictionary->ranked() || key.dictionary->size() <= kRankedEntriesPerTuple * entries + 1024)
          key.rank = &key.dictionary->ranks();
        break;
      }
      case 'D': key.dates = data.dates.data(); break;
      default: key.numbers = data.numbers.data(); break;
    }
    order.keys_.push_back(std::move(key));
  }
  return order;
}

int TypedOrder::compare(const Key& key, uint32_t rowA, uint32_t rowB) const {
  if (key.numbers) return threeWay(key.numbers[rowA], key.numbers[rowB]);
  if (key.dates) return threeWay(key.dates[rowA], key.dates[rowB]);
  uint32_t a = key.codes[rowA], b = key.codes[rowB];
  if (a == b) return 0;
  if (key.rank) return threeWay((*key.rank)[a], (*key.rank)[b]);
  return threeWay(key.dictionary->text(a).compare(key.dictionary->text(b)), 0);
}

bool TypedOrder::less(const Tuples& tuples, uint32_t a, uint32_t b) const {
  for (const Key& key : keys_) {
    const std::vector<uint32_t>& rows = tuples.rows[key.table];
    int order = compare(key, rows[a], rows[b]);
    if (order != 0) return key.descending ? order > 0 : order < 0;
  }
  return false;
}

bool TypedOrder::sortPacked(const std::vector<int64_t>& gathered, size_t width,
                            std::vector<uint32_t>& positions) const {
  // Each key's values, less the smallest (from the largest when descending),
  // take as many bits as their spread needs; keys that fit in 64 bits
  // together become one integer whose order is the ORDER BY order.
  const size_t n = positions.size();
  if (n < 2) return true;
  std::vector<uint64_t> lowest(width), spread(width);
  std::vector<int> keyBits(width);
  int bits = 0;
  for (size_t k = 0; k < width; ++k) {
    int64_t low = gathered[k], high = gathered[k];
    for (size_t i = 1; i < n; ++i) {
      low = std::min(low, gathered[i * width + k]);
      high = std::max(high, gathered[i * width + k]);
    }
    lowest[k] = uint64_t(low);
    spread[k] = uint64_t(high) - uint64_t(low);
    keyBits[k] = std::bit_width(spread[k]);
    bits += keyBits[k];
    if (bits > 64) return false;
  }
  struct Packed {
    uint64_t key;
    uint32_t position;
  };
  std::vector<Packed> packed(n);
  for (size_t i = 0; i < n; ++i) {
    uint64_t key = 0;
    for (size_t k = 0; k < width; ++k) {
      const uint64_t offset = uint64_t(gathered[i * width + k]) - lowest[k];
      key = (keyBits[k] == 64 ? 0 : key << keyBits[k]) | (keys_[k].descending ? spread[k] - offset : offset);
    }
    packed[i] = {key, positions[i]};
  }
  stableRadixSort(packed, [](const Packed& entry) { return entry.key; });
  for (size_t i = 0; i < n; ++i) positions[i] = packed[i].position;
  return true;
}

void TypedOrder::sortByTuples(const Tuples& tuples, std::vector<uint32_t>& entries,
                              const std::vector<uint32_t>& tupleOfEntry) const {
  size_t n = entries.size();
  std::vector<uint32_t> positions(n);
  std::iota(positions.begin(), positions.end(), 0u);
  bool integral = std::all_of(keys_.begin(), keys_.end(), [](const Key& key) { return key.codes == nullptr || key.rank != nullptr; });
  if (!integral) {
    std::stable_sort(positions.begin(), positions.end(), [&](uint32_t a, uint32_t b) {
      return less(tuples, tupleOfEntry[a], tupleOfEntry[b]);
    });
  } else {
    // Gather each entry's keys into one compact array first: the records
    // are scattered over the table, and the sort compares each many times.
    size_t width = keys_.size();
    std::vector<int64_t> gathered(n * width);
    for (size_t k = 0; k < width; ++k) {
      const Key& key = keys_[k];
      const uint32_t* rows = tuples.rows[key.table].data();
      for (size_t i = 0; i < n; ++i) {
        uint32_t row = rows[tupleOfEntry[i]];
        if (key.numbers) gathered[i * width + k] = key.numbers[row];
        else if (key.dates) gathered[i * width + k] = key.dates[row];
        else gathered[i * width + k] = (*key.rank)[key.codes[row]];
      }
    }
    if (!sortPacked(gathered, width, positions)) {
      std::stable_sort(positions.begin(), positions.end(), [&](uint32_t a, uint32_t b) {
        const int64_t* x = &gathered[a * width];
        const int64_t* y = &gathered[b * width];
        for (size_t k = 0; k < width; ++k) {
          if (x[k] == y[k]) continue;
          return keys_[k].descending ? x[k] > y[k] : x[k] < y[k];
        }
        return false;
      });
    }
  }
  std::vector<uint32_t> sorted(n);
  for (size_t i = 0; i < n; ++i) sorted[i] = entries[positions[i]];
  entries = std::move(sorted);
}

}  // namespace store::sql

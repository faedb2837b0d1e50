// Typed comparison of tuples by their ORDER BY columns.
#include "store/sql/executor/typed_order.h"

#include <algorithm>
#include <numeric>

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

std::optional<TypedOrder> TypedOrder::of(const BoundSelect& select, size_t entries) {
  TypedOrder order;
  for (const BoundOrder& item : select.orderBy) {
    const BoundExpr* column = item.expr ? item.expr.get() : select.outputs[item.output].expr.get();
    if (!column->isColumn()) return std::nullopt;
    const dbase::TableImage& image = *select.tables[column->table].image;
    const dbase::Column& data = image.columns[column->field];
    Key key;
    key.table = column->table;
    key.type = image.fields[column->field].type;
    key.descending = item.descending;
    switch (key.type) {
      case 'C': {
        key.codes = data.codes.data();
        key.dictionary = data.dictionary.get();
        uint32_t size = key.dictionary->size();
        if (size <= kRankedEntriesPerTuple * entries + 1024) {
          std::vector<uint32_t> byText(size);
          std::iota(byText.begin(), byText.end(), 0u);
          const dbase::TextDictionary& dictionary = *key.dictionary;
          std::sort(byText.begin(), byText.end(),
                    [&](uint32_t a, uint32_t b) { return dictionary.text(a) < dictionary.text(b); });
          key.rank.resize(size);
          for (uint32_t position = 0; position < size; ++position) key.rank[byText[position]] = position;
        }
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
  if (!key.rank.empty()) return threeWay(key.rank[a], key.rank[b]);
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

}  // namespace store::sql

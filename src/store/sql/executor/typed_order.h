// ORDER BY over plain columns, decided on the column arrays: numbers and
// dates compare as integers (a blank one, the smallest integer, sorts
// first as NULL does), texts by the rank of their dictionary code. Sorting
// tuple numbers this way before any result row is built spares building and
// comparing Values.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "store/sql/binder/bound.h"
#include "store/sql/executor/tuples.h"

namespace store::sql {

class TypedOrder {
 public:
  // One ORDER BY column: field `field`, of type `type`, of the statement's
  // table `table`.
  struct SortColumn {
    int table = 0;
    int field = 0;
    char type = 'N';
    const dbase::Column* column = nullptr;
    bool descending = false;
  };

  // Null when some ORDER BY item is not a plain column. `entries` is about
  // how many tuples will be compared (it decides whether ranking a text
  // dictionary pays).
  static std::optional<TypedOrder> of(const BoundSelect& select, size_t entries);
  static TypedOrder over(const std::vector<SortColumn>& columns, size_t entries);
  // The ORDER BY items as columns; null when some item is not a plain column.
  static std::optional<std::vector<SortColumn>> columnsOf(const BoundSelect& select);

  // Sorts `entries` (stably) by the tuples `tupleOf` gives for them.
  template <typename TupleOf>
  void sort(const Tuples& tuples, std::vector<uint32_t>& entries, TupleOf tupleOf) const {
    std::vector<uint32_t> tupleOfEntry(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) tupleOfEntry[i] = tupleOf(entries[i]);
    sortByTuples(tuples, entries, tupleOfEntry);
  }

 private:
  struct Key {
    int table = 0;
    char type = 'N';
    bool descending = false;
    const int64_t* numbers = nullptr;
    const int32_t* dates = nullptr;
    const uint32_t* codes = nullptr;
    const dbase::TextDictionary* dictionary = nullptr;
    const std::vector<uint32_t>* rank = nullptr;  // by code; null when texts are compared directly
  };
  int compare(const Key& key, uint32_t rowA, uint32_t rowB) const;
  bool less(const Tuples& tuples, uint32_t a, uint32_t b) const;
  void sortByTuples(const Tuples& tuples, std::vector<uint32_t>& entries,
                    const std::vector<uint32_t>& tupleOfEntry) const;
  // Sorts `positions` (0..n-1) by the n rows of `width` integer keys in
  // `gathered`, when the keys pack into one 64-bit integer; false otherwise.
  bool sortPacked(const std::vector<int64_t>& gathered, size_t width, std::vector<uint32_t>& positions) const;
  std::vector<Key> keys_;
};

}  // namespace store::sql

// Rows of values of one width, kept in chunks of a few megabytes: the rows
// a SELECT computes, and the records a batch of new rows brings a table.
//
// A result of a million rows would cost a million allocations as one vector
// per row, and as one contiguous array it would be large enough for the C
// library to map fresh pages for it at every statement (and fault them all
// in). Chunks below that size are reused from the heap instead, and no row
// costs an allocation of its own. Rows never straddle two chunks.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "store/value.h"

namespace store {

class CellRows {
 public:
  explicit CellRows(size_t width);
  // The rows given, which must all have the same width (StoreError if not);
  // no rows make a batch of width 0.
  CellRows(std::vector<std::vector<Value>> rows);
  CellRows(std::initializer_list<std::vector<Value>> rows) : CellRows(std::vector<std::vector<Value>>(rows)) {}

  size_t width() const { return width_; }
  size_t rowCount() const { return rows_; }

  // A new row of `width` Null values, to be filled in place.
  Value* appendRow();
  // Rows of no values (every column of a result coded) are counted all the
  // same: their chunks hold nothing, so the place is computed, not indexed.
  Value* row(size_t index) { return chunks_[index >> chunkShift_].data() + (index & rowMask_) * width_; }
  const Value* row(size_t index) const { return chunks_[index >> chunkShift_].data() + (index & rowMask_) * width_; }

 private:
  size_t width_;
  // A chunk holds a power of two of rows, so that finding a row takes a
  // shift and a mask instead of a division: results are read a cell at a time.
  unsigned chunkShift_;
  size_t rowMask_;
  size_t rows_ = 0;
  std::vector<std::vector<Value>> chunks_;
};

}  // namespace store

// CellRows: appending rows chunk by chunk.
#include "store/cell_rows.h"

#include <algorithm>
#include <bit>
#include <string>

#include "store/error.h"

namespace store {

namespace {

// Values per chunk at the most (a power of two of rows takes between half
// and all of them): a chunk of at most about 12 MB stays below the size the
// C library maps on its own (32 MB at the most).
constexpr size_t kCellsPerChunk = 256 * 1024;

// log2 of the rows a chunk of rows `width` values wide holds.
unsigned chunkShiftFor(size_t width) {
  const size_t rows = std::max<size_t>(1, kCellsPerChunk / std::max<size_t>(1, width));
  return static_cast<unsigned>(std::bit_width(rows)) - 1;
}

}  // namespace

CellRows::CellRows(size_t width)
    : width_(width), chunkShift_(chunkShiftFor(width)), rowMask_((size_t{1} << chunkShift_) - 1) {}

CellRows::CellRows(std::vector<std::vector<Value>> rows) : CellRows(rows.empty() ? 0 : rows.front().size()) {
  for (std::vector<Value>& row : rows) {
    if (row.size() != width_)
      throw StoreError("a row of " + std::to_string(row.size()) + " values among rows of " + std::to_string(width_));
    std::move(row.begin(), row.end(), appendRow());
  }
}

Value* CellRows::appendRow() {
  if ((rows_ & rowMask_) == 0) chunks_.emplace_back().reserve((rowMask_ + 1) * width_);
  std::vector<Value>& chunk = chunks_.back();
  chunk.resize(chunk.size() + width_);
  ++rows_;
  return chunk.data() + chunk.size() - width_;
}

}  // namespace store

// CellRows: appending rows chunk by chunk.
#include "store/cell_rows.h"

#include <algorithm>
#include <string>

#include "store/error.h"

namespace store {

namespace {

// Values per chunk: a chunk of about 14 MB stays below the size the C
// library maps on its own (32 MB at the most).
constexpr size_t kCellsPerChunk = 256 * 1024;

}  // namespace

CellRows::CellRows(size_t width) : width_(width), rowsPerChunk_(std::max<size_t>(1, kCellsPerChunk / std::max<size_t>(1, width))) {}

CellRows::CellRows(std::vector<std::vector<Value>> rows) : CellRows(rows.empty() ? 0 : rows.front().size()) {
  for (std::vector<Value>& row : rows) {
    if (row.size() != width_)
      throw StoreError("a row of " + std::to_string(row.size()) + " values among rows of " + std::to_string(width_));
    std::move(row.begin(), row.end(), appendRow());
  }
}

Value* CellRows::appendRow() {
  if (rows_ % rowsPerChunk_ == 0) chunks_.emplace_back().reserve(rowsPerChunk_ * width_);
  std::vector<Value>& chunk = chunks_.back();
  chunk.resize(chunk.size() + width_);
  ++rows_;
  return chunk.data() + chunk.size() - width_;
}

}  // namespace store

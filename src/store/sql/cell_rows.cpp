// CellRows: appending rows chunk by chunk.
#include "store/sql/cell_rows.h"

#include <algorithm>

namespace store::sql {

namespace {

// Values per chunk: a chunk of about 14 MB stays below the size the C
// library maps on its own (32 MB at the most).
constexpr size_t kCellsPerChunk = 256 * 1024;

}  // namespace

CellRows::CellRows(size_t width) : width_(width), rowsPerChunk_(std::max<size_t>(1, kCellsPerChunk / std::max<size_t>(1, width))) {}

Value* CellRows::appendRow() {
  if (rows_ % rowsPerChunk_ == 0) chunks_.emplace_back().reserve(rowsPerChunk_ * width_);
  std::vector<Value>& chunk = chunks_.back();
  chunk.resize(chunk.size() + width_);
  ++rows_;
  return chunk.data() + chunk.size() - width_;
}

}  // namespace store::sql

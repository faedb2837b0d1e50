// CodedRows: which cell of a row holds which column.
#include "store/coded_rows.h"

#include <numeric>
#include <string>

#include "store/error.h"

namespace store {

CodedRows::CodedRows(CellRows cells) : cells_(std::move(cells)), cellOf_(cells_.width()) {
  std::iota(cellOf_.begin(), cellOf_.end(), 0);
}

CodedRows::CodedRows(std::vector<std::optional<TextCodes>> coded, CellRows cells)
    : cells_(std::move(cells)), coded_(std::move(coded)), cellOf_(coded_.size(), -1) {
  int cell = 0;
  for (size_t c = 0; c < coded_.size(); ++c) {
    if (!coded_[c]) {
      cellOf_[c] = cell++;
    } else if (coded_[c]->codes.size() != cells_.rowCount()) {
      throw StoreError("a coded column has " + std::to_string(coded_[c]->codes.size()) + " texts for " +
                       std::to_string(cells_.rowCount()) + " rows");
    }
  }
  if (size_t(cell) != cells_.width())
    throw StoreError("rows of " + std::to_string(cells_.width()) + " values for " + std::to_string(cell) +
                     " columns that are not coded");
}

}  // namespace store

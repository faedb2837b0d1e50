// Rows of which some columns hold texts as codes of a table's dictionary
// instead of as values: the rows a grouping or a join computes, and the
// batch of new records they become when a report copies them into a
// temporary table.
//
// A grouping over the ledger gives tens of thousands of rows whose unit and
// product names are texts of the ledger's own columns. Copying each text
// into a value of its row, freeing it again, and looking it up in the
// dictionary of the table the rows are copied into cost more than the
// grouping itself. A coded column keeps the dictionary and one code per row
// instead, and has no cell in the rows' values: a row of a few amounts and
// many names stays a few cells wide. A dictionary only ever grows, so the
// codes stay valid for as long as the rows hold it, whatever later happens
// to its table.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "store/cell_rows.h"
#include "store/dbase/table_image.h"
#include "store/value.h"

namespace store {

// One column's texts: the text of row r is dictionary->text(codes[r]).
struct TextCodes {
  std::shared_ptr<const dbase::TextDictionary> dictionary;
  std::vector<uint32_t> codes;
};

class CodedRows {
 public:
  // Rows whose cells hold every column: any batch of values is one.
  CodedRows(CellRows cells);
  CodedRows(std::vector<std::vector<Value>> rows) : CodedRows(CellRows(std::move(rows))) {}
  CodedRows(std::initializer_list<std::vector<Value>> rows) : CodedRows(CellRows(rows)) {}
  // `coded.size()` columns, those with codes coded; `cells` holds the
  // others' values, in column order, and as many rows as each column has
  // codes.
  CodedRows(std::vector<std::optional<TextCodes>> coded, CellRows cells);

  size_t width() const { return cellOf_.size(); }
  size_t rowCount() const { return cells_.rowCount(); }

  // The values of the columns that are not coded: column c of row r is
  // cells().row(r)[cellOf(c)].
  CellRows& cells() { return cells_; }
  const CellRows& cells() const { return cells_; }
  // The column's place among a row's cells; -1 for a coded column.
  int cellOf(size_t column) const { return cellOf_[column]; }

  // The column's codes, or null when its cells hold it.
  const TextCodes* coded(size_t column) const { return coded_.empty() || !coded_[column] ? nullptr : &*coded_[column]; }
  // Replaces a coded column's codes; REQUIRES: coded(column).
  void recode(size_t column, TextCodes texts) { *coded_[column] = std::move(texts); }

  // The value of one cell, read from the dictionary for a coded column.
  Value value(size_t row, size_t column) const {
    if (const TextCodes* texts = coded(column)) return Value::text(texts->dictionary->text(texts->codes[row]));
    return cells_.row(row)[cellOf_[column]];
  }

 private:
  CellRows cells_;
  std::vector<std::optional<TextCodes>> coded_;  // per column; empty when nothing is coded
  std::vector<int> cellOf_;
};

}  // namespace store

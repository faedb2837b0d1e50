// Decodes the bytes of a whole .dbf file into its column-wise TableImage.
//
// A table's fields can be decoded all at once or a few at a time: the index
// rebuild at start-up needs only the deletion flags and the indexed fields.
// This is the hot path of opening a table (the ledger holds a million
// records), so records are decoded in blocks, column by column, straight from
// the file's bytes; a field whose bytes equal those of the previous record
// reuses its decoded value, and texts are interned without copies unless the
// table's code page needs transcoding.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "store/dbase/dbf_layout.h"
#include "store/dbase/table_image.h"

namespace store::dbase {

// Every function throws StoreError starting with `fileName` on a damaged or
// unsupported table, naming the record, the field and the value for a bad
// value.

// Gives the bytes of records [first, first + count), read into `buffer`
// unless they are in memory already. Called from two threads at once.
using RecordSlices = std::function<std::string_view(uint32_t first, uint32_t count, std::string& buffer)>;

// The header, the fields, the deletion flags and the columns of `fields`
// (others stay undecoded), in one pass over the records, using both cores
// for a large table.
std::unique_ptr<TableImage> readImage(const layout::TableLayout& table, const RecordSlices& records,
                                      const QString& fileName, const std::vector<int>& fields);

// Decodes the columns of `fields` that `image` has not decoded yet from
// `records`, the records `image` was read from. On failure those columns
// stay undecoded.
void decodeFields(const RecordSlices& records, const QString& fileName, TableImage& image,
                  const std::vector<int>& fields);

// The whole image of a table file held in memory.
std::unique_ptr<TableImage> readImage(std::string_view file, const QString& fileName);

}  // namespace store::dbase

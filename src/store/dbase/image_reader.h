// Decodes the bytes of a whole .dbf file into its column-wise TableImage.
//
// This is the hot path of opening a table (the ledger holds a million
// records), so records are decoded in blocks, column by column, straight from
// the file's bytes; a field whose bytes equal those of the previous record
// reuses its decoded value, and texts are interned without copies unless the
// table's code page needs transcoding.
#pragma once

#include <QString>
#include <memory>
#include <string_view>

#include "store/dbase/table_image.h"

namespace store::dbase {

// Throws StoreError starting with `fileName` on a damaged or unsupported
// table, naming the record, the field and the value for a bad value.
std::unique_ptr<TableImage> readImage(std::string_view file, const QString& fileName);

}  // namespace store::dbase

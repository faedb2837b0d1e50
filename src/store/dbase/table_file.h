// A .dbf file opened for reading a slice of records at a time.
//
// The records are read with pread into the caller's buffer, never mapped:
// a table of hundreds of megabytes passes through a few hundred kilobytes of
// memory, and several threads may read the same file at once. Opening reads
// and checks the header (dbf_layout.h) and takes the file's status, by which
// the table tells whether the file changed since.
#pragma once

#include <sys/stat.h>

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/dbase/dbf_layout.h"

namespace store::dbase {

class TableFile {
 public:
  // Throws StoreError naming the file when it cannot be opened or read, or
  // its header is damaged.
  explicit TableFile(const QString& path);
  ~TableFile();
  TableFile(const TableFile&) = delete;
  TableFile& operator=(const TableFile&) = delete;

  const layout::TableLayout& layout() const { return layout_; }
  const struct stat& status() const { return status_; }

  // The bytes of records [first, first + count), read into `buffer`.
  std::string_view records(uint32_t first, uint32_t count, std::string& buffer) const;
  // `length` bytes from `at`, read into `buffer`.
  std::string_view bytes(int64_t at, int64_t length, std::string& buffer) const;

 private:
  QString fileName_;
  int descriptor_ = -1;
  struct stat status_ {};
  layout::TableLayout layout_;
};

}  // namespace store::dbase

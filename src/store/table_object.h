// A table opened by path for appending rows, or exclusively for packing.
//
// Appending works like a data set: append() starts a new record, setValue()
// fills its columns by name, post() writes it (one all-or-nothing write).
// An exclusive open fails while the same table is open elsewhere in the
// process, and makes every other open fail until it is closed.
#pragma once

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

#include "store/database.h"

namespace store {

class TableObject {
 public:
  explicit TableObject(Database& database) : database_(database) {}
  ~TableObject() { close(); }
  TableObject(const TableObject&) = delete;
  TableObject& operator=(const TableObject&) = delete;

  // Throws StoreError when the table does not exist or is in use.
  void open(const QString& path, bool exclusive = false);
  void close();
  bool isOpen() const { return !path_.isEmpty(); }
  const QString& path() const { return path_; }

  void append();
  // Column by name, case-insensitive; throws for an unknown column.
  void setValue(std::string_view column, const Value& value);
  void setText(std::string_view column, const QString& text);
  void setNumber(std::string_view column, int64_t tenThousandths);
  // Writes the appended record; throws StoreError (nothing written) when a
  // value does not fit its column.
  void post();

  // Removes deleted records and rebuilds the indexes. REQUIRES: exclusive.
  void pack();

 private:
  dbase::DbfTable& table();
  Database& database_;
  QString path_;
  bool exclusive_ = false;
  std::optional<std::vector<Value>> pending_;
};

}  // namespace store

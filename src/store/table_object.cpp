// TableObject: append, post and pack over one open table.
#include "store/table_object.h"

#include <QDir>

#include "store/codepage.h"
#include "store/error.h"

namespace store {

void TableObject::open(const QString& path, bool exclusive) {
  close();
  database_.table(path);  // fails for a missing or damaged table
  database_.acquire(path, exclusive);
  path_ = path;
  exclusive_ = exclusive;
}

void TableObject::close() {
  if (path_.isEmpty()) return;
  database_.release(path_, exclusive_);
  path_.clear();
  exclusive_ = false;
  pending_.reset();
}

dbase::DbfTable& TableObject::table() {
  if (path_.isEmpty()) throw StoreError("the table is not open");
  return database_.table(path_);
}

void TableObject::append() { pending_.emplace(table().fields().size()); }

void TableObject::setValue(std::string_view column, const Value& value) {
  if (!pending_) throw StoreError("no record is being appended to " + QDir::toNativeSeparators(path_).toStdString());
  int field = table().fieldIndex(column);
  if (field < 0)
    throw StoreError("unknown column " + std::string(column) + " in " + QDir::toNativeSeparators(path_).toStdString());
  (*pending_)[static_cast<size_t>(field)] = value;
}

void TableObject::setText(std::string_view column, const QString& text) { setValue(column, Value::text(encode(text))); }

void TableObject::setNumber(std::string_view column, int64_t tenThousandths) {
  setValue(column, Value::number(tenThousandths));
}

void TableObject::post() {
  if (!pending_) throw StoreError("no record is being appended to " + QDir::toNativeSeparators(path_).toStdString());
  std::vector<std::vector<Value>> rows(1);
  rows.front() = std::move(*pending_);
  pending_.reset();
  database_.insertRows(path_, std::move(rows));
}

void TableObject::pack() {
  if (!exclusive_) throw StoreError("packing needs the table opened exclusively: " + QDir::toNativeSeparators(path_).toStdString());
  if (database_.inTransaction()) throw StoreError("a table cannot be packed inside a transaction");
  table().pack();
}

}  // namespace store

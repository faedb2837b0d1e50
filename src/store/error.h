// The one exception type of the data store.
//
// Every failure of the dBase level, the journal and the SQL engine is a
// StoreError whose message says what went wrong and where: the file, the
// record, the column, the value, or the line and column of a statement text.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace store {

class StoreError : public std::runtime_error {
 public:
  explicit StoreError(const std::string& message) : std::runtime_error(message) {}
};

// A number too large for its numeric column once rounded: what a caller
// needs to say which of its columns overflowed and what the column holds.
class NumberOverflow : public StoreError {
 public:
  struct Where {
    std::string table, column, value, largest;  // largest: what the column holds, such as "9999999.99"
  };
  NumberOverflow(const std::string& message, Where where) : StoreError(message), where_(std::move(where)) {}
  const Where& where() const { return where_; }

 private:
  Where where_;
};

}  // namespace store

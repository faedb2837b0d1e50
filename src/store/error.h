// The one exception type of the data store.
//
// Every failure of the dBase level, the journal and the SQL engine is a
// StoreError whose message says what went wrong and where: the file, the
// record, the column, the value, or the line and column of a statement text.
#pragma once

#include <stdexcept>
#include <string>

namespace store {

class StoreError : public std::runtime_error {
 public:
  explicit StoreError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace store

// Helpers shared by the SQL engine's tests: running a statement and showing
// its rows as text.
#pragma once

#include <QString>
#include <string>

#include "store/sql/executor.h"

namespace store::sql::testing {

// The rows of a result as "a|b;c|d": columns joined by '|', rows by ';',
// each value as ResultSet::asText gives it.
inline std::string rowsText(ResultSet& result) {
  std::string text;
  bool firstRow = true;
  for (result.first(); !result.eof(); result.next()) {
    if (!firstRow) text += ';';
    firstRow = false;
    for (size_t c = 0; c < result.columnNames().size(); ++c) {
      if (c > 0) text += '|';
      text += result.asText(result.columnNames()[c]).toStdString();
    }
  }
  return text;
}

}  // namespace store::sql::testing

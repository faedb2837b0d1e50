// SQLite holding the same rows as our tables, for the benchmarks that set
// our figures beside SQLite's.
#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

#include "store/dbase/table_image.h"
#include "store/value.h"

namespace bench {

class SqliteMirror {
 public:
  // `path` ":memory:" for an in-memory database; `pragmas` run first.
  SqliteMirror(const std::string& path, const std::string& pragmas);
  ~SqliteMirror();
  SqliteMirror(const SqliteMirror&) = delete;
  SqliteMirror& operator=(const SqliteMirror&) = delete;

  // Runs statements without results; exits the benchmark on an error.
  void exec(const std::string& sql);
  // Copies a table image (live records) into a new table of the same columns.
  void load(const std::string& name, const store::dbase::TableImage& image);
  // Runs a query and reads every column of every row, as a window would.
  void run(const std::string& sql);

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace bench

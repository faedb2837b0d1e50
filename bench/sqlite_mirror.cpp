// SqliteMirror: loading table images and running statements.
#include "sqlite_mirror.h"

#include <cstdio>
#include <cstdlib>

#include "store/decimal.h"

namespace bench {

SqliteMirror::SqliteMirror(const std::string& path, const std::string& pragmas) {
  if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) {
    std::fprintf(stderr, "sqlite: cannot open %s\n", path.c_str());
    std::exit(2);
  }
  exec(pragmas);
}

SqliteMirror::~SqliteMirror() { sqlite3_close(db_); }

void SqliteMirror::exec(const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::fprintf(stderr, "sqlite: %s\n%s\n", error, sql.c_str());
    sqlite3_free(error);
    std::exit(2);
  }
}

void SqliteMirror::load(const std::string& name, const store::dbase::TableImage& image) {
  std::string create = "CREATE TABLE " + name + " (", insert = "INSERT INTO " + name + " VALUES (";
  for (size_t f = 0; f < image.fields.size(); ++f) {
    const auto& field = image.fields[f];
    create += (f ? ", " : "") + field.name + (field.type == 'C' ? " TEXT" : field.type == 'D' ? " INTEGER" : " NUMERIC");
    insert += f ? ",?" : "?";
  }
  exec(create + ")");
  exec("BEGIN");
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db_, (insert + ")").c_str(), -1, &statement, nullptr);
  for (uint32_t row = 0; row < image.rowCount(); ++row) {
    if (image.deleted[row]) continue;
    for (size_t f = 0; f < image.fields.size(); ++f) {
      store::Value v = image.value(row, static_cast<int>(f));
      int i = static_cast<int>(f) + 1;
      switch (v.kind()) {
        case store::Value::Kind::Text: sqlite3_bind_text(statement, i, v.asText().c_str(), -1, SQLITE_TRANSIENT); break;
        case store::Value::Kind::Number: sqlite3_bind_double(statement, i, store::decimal::toDouble(v.asNumber())); break;
        case store::Value::Kind::Date: sqlite3_bind_int(statement, i, v.asDate()); break;
        default: sqlite3_bind_null(statement, i); break;
      }
    }
    sqlite3_step(statement);
    sqlite3_reset(statement);
  }
  sqlite3_finalize(statement);
  exec("COMMIT");
}

void SqliteMirror::run(const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    std::fprintf(stderr, "sqlite: %s\n%s\n", sqlite3_errmsg(db_), sql.c_str());
    std::exit(2);
  }
  while (sqlite3_step(statement) == SQLITE_ROW)
    for (int c = 0; c < sqlite3_column_count(statement); ++c) sqlite3_column_text(statement, c);
  sqlite3_finalize(statement);
}

}  // namespace bench

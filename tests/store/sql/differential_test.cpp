// Random small tables and random SELECTs, run by the engine and by SQLite
// over the same rows; the results must agree.
//
// SQLite holds numbers as integer ten-thousandths and dates as Julian day
// numbers, so its sums and comparisons are exact as ours are; a blank CHAR
// is '' there, and the engine's "blank IS NULL" is written out for SQLite.
#include <gtest/gtest.h>

#include <random>
#include <sqlite3.h>

#include "fake_catalog.h"
#include "store/codepage.h"
#include "store/date.h"
#include "store/decimal.h"
#include "store/error.h"
#include "store/sql/executor.h"

namespace store::sql {
namespace {

// How a result column is shown, to compare the two engines' values.
enum class Shown { Text, Number, Count, Date };

struct Query {
  std::string ours;
  std::string sqlite;
  std::vector<Shown> columns;
};

const char* const kTexts[] = {"", "A", "B", "AB", "b", "\xC3", "A B"};  // \xC3 is Ă in Windows-1250
constexpr int32_t kFirstDay = 2460341;  // 31.01.2024

class Generator {
 public:
  explicit Generator(uint32_t seed) : random_(seed) {}

  int pick(int n) { return int(random_() % uint32_t(n)); }
  bool chance(int percent) { return pick(100) < percent; }

  // Rows of T1 (K CHAR(3), N1 DECIMAL(8,2), N2 DECIMAL(5,0), D DATE).
  std::vector<std::vector<Value>> tableOne(int rows) {
    std::vector<std::vector<Value>> result;
    for (int i = 0; i < rows; ++i)
      result.push_back({Value::text(kTexts[pick(std::size(kTexts))]), number(-5000, 5000, 100), number(0, 5, 10000),
                        chance(10) ? Value::null() : Value::date(kFirstDay + pick(20))});
    return result;
  }
  // Rows of T2 (K CHAR(3), V DECIMAL(8,2)).
  std::vector<std::vector<Value>> tableTwo(int rows) {
    std::vector<std::vector<Value>> result;
    for (int i = 0; i < rows; ++i) result.push_back({Value::text(kTexts[pick(std::size(kTexts))]), number(-99, 99, 10000)});
    return result;
  }

  Query select() {
    Query q;
    bool join = chance(20);
    bool grouped = !join && chance(45);
    bool distinct = !grouped && chance(25);
    std::vector<std::pair<std::string, Shown>> items;
    if (grouped) {
      std::vector<std::pair<std::string, Shown>> keys = {{"K", Shown::Text}, {"N2", Shown::Number}, {"D", Shown::Date}};
      std::vector<std::string> groupBy;
      for (auto& key : keys)
        if (chance(50)) {
          groupBy.push_back(key.first);
          items.push_back(key);
        }
      const std::pair<const char*, Shown> aggregates[] = {
          {"SUM(N1)", Shown::Number}, {"COUNT(*)", Shown::Count}, {"COUNT(N1)", Shown::Count},
          {"MAX(N1)", Shown::Number}, {"MIN(D)", Shown::Date},    {"SUM(N1)-SUM(N2)", Shown::Number},
          {"MAX(N2)+MIN(N1)", Shown::Number}};
      int count = 1 + pick(3);
      for (int i = 0; i < count; ++i) {
        const auto& [text, shown] = aggregates[pick(std::size(aggregates))];
        items.emplace_back(text, shown);
      }
      q.ours = "SELECT " + join_(items, true) + " FROM \"T1.dbf\"";
      q.sqlite = "SELECT " + join_(items, false) + " FROM T1";
      addWhere(q, "");
      if (!groupBy.empty()) {
        std::string keysText = " GROUP BY " + joinNames(groupBy);
        q.ours += keysText;
        q.sqlite += keysText;
      }
    } else if (join && chance(50)) {
      // Grouped: with MAX and MIN alone repeated pairs do not count, with
      // SUM and COUNT they do.
      items = {{"A.K", Shown::Text}};
      const std::pair<const char*, Shown> aggregates[] = {{"MAX(B.V)", Shown::Number}, {"MIN(B.V)", Shown::Number},
                                                          {"MAX(A.N1)", Shown::Number}, {"SUM(B.V)", Shown::Number},
                                                          {"COUNT(*)", Shown::Count}};
      const int pool = chance(50) ? 3 : int(std::size(aggregates));
      for (int i = 0, count = 1 + pick(2); i < count; ++i) {
        const auto& [text, shown] = aggregates[pick(pool)];
        items.emplace_back(text, shown);
      }
      q.ours = "SELECT " + join_(items, true) + " FROM \"T1.dbf\" A INNER JOIN \"T2.dbf\" B ON A.K=B.K";
      q.sqlite = "SELECT " + join_(items, false) + " FROM T1 A INNER JOIN T2 B ON A.K=B.K";
      addWhere(q, "A.");
      q.ours += " GROUP BY A.K";
      q.sqlite += " GROUP BY A.K";
    } else if (join) {
      items = {{"A.K", Shown::Text}, {"B.V", Shown::Number}, {"A.N1", Shown::Number}};
      q.ours = "SELECT " + join_(items, true) + " FROM \"T1.dbf\" A INNER JOIN \"T2.dbf\" B ON A.K=B.K";
      q.sqlite = "SELECT " + join_(items, false) + " FROM T1 A INNER JOIN T2 B ON A.K=B.K";
      addWhere(q, "A.");
    } else {
      const std::pair<const char*, Shown> columns[] = {{"K", Shown::Text},      {"N1", Shown::Number},
                                                       {"N2", Shown::Number},   {"D", Shown::Date},
                                                       {"N1+N2", Shown::Number}, {"N1-N2", Shown::Number}};
      int count = 1 + pick(3);
      for (int i = 0; i < count; ++i) {
        const auto& [text, shown] = columns[pick(std::size(columns))];
        items.emplace_back(text, shown);
      }
      std::string head = distinct ? "SELECT DISTINCT " : "SELECT ";
      q.ours = head + join_(items, true) + " FROM \"T1.dbf\"";
      q.sqlite = head + join_(items, false) + " FROM T1";
      addWhere(q, "");
    }
    // Order by every result column, so both engines give one order.
    std::string order = " ORDER BY ";
    for (size_t i = 0; i < items.size(); ++i) {
      order += (i ? ", " : "") + std::to_string(i + 1) + (chance(30) ? " DESC" : "");
      q.columns.push_back(items[i].second);
    }
    q.ours += order;
    q.sqlite += order;
    return q;
  }

 private:
  Value number(int low, int high, int64_t scale) {
    if (chance(10)) return Value::null();
    return Value::number(int64_t(low + pick(high - low + 1)) * scale);
  }

  static std::string joinNames(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) text += (i ? ", " : "") + names[i];
    return text;
  }

  // Select items, each aliased C1, C2, ... so the names do not clash.
  static std::string join_(const std::vector<std::pair<std::string, Shown>>& items, bool ours) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i)
      text += (i ? ", " : "") + items[i].first + (ours ? " As C" : " AS C") + std::to_string(i + 1);
    return text;
  }

  void addWhere(Query& q, const std::string& prefix) {
    if (!chance(70)) return;
    auto [ours, sqlite] = condition(prefix, 0);
    q.ours += " WHERE " + ours;
    q.sqlite += " WHERE " + sqlite;
  }

  std::pair<std::string, std::string> condition(const std::string& p, int depth) {
    int kind = pick(depth >= 2 ? 6 : 9);
    static const char* const kOps[] = {"=", "<>", "<", "<=", ">", ">="};
    std::string op = kOps[pick(6)];
    switch (kind) {
      case 0: {
        std::string text = kTexts[pick(std::size(kTexts))];
        return {p + "K" + op + "\"" + text + "\"", p + "K" + op + "'" + text + "'"};
      }
      case 1: {
        int64_t n = int64_t(pick(101) - 50) * 1000;
        std::string shown = decimal::formatShortest(n);
        return {p + "N1" + op + shown, p + "N1" + op + std::to_string(n)};
      }
      case 2: {
        int32_t day = kFirstDay + pick(20);
        return {p + "D" + op + "\"" + date::formatDisplay(day) + "\"", p + "D" + op + std::to_string(day)};
      }
      case 3:
        return {p + "N1" + op + p + "N2", p + "N1" + op + p + "N2"};
      case 4:
        return chance(50) ? std::pair{p + "K IS NULL", "(" + p + "K IS NULL OR " + p + "K='')"}
                          : std::pair{p + "K IS NOT NULL", "(" + p + "K IS NOT NULL AND " + p + "K<>'')"};
      case 5: {
        std::string column = chance(50) ? "N1" : "D";
        std::string is = chance(50) ? " IS NULL" : " IS NOT NULL";
        return {p + column + is, p + column + is};
      }
      case 6: {
        auto [ours, sqlite] = condition(p, depth + 1);
        return {"NOT (" + ours + ")", "NOT (" + sqlite + ")"};
      }
      default: {
        auto [ours1, sqlite1] = condition(p, depth + 1);
        auto [ours2, sqlite2] = condition(p, depth + 1);
        std::string connective = kind == 7 ? " AND " : " OR ";
        return {"(" + ours1 + connective + ours2 + ")", "(" + sqlite1 + connective + sqlite2 + ")"};
      }
    }
  }

  std::mt19937 random_;
};

class Sqlite {
 public:
  Sqlite() { sqlite3_open(":memory:", &db_); }
  ~Sqlite() { sqlite3_close(db_); }

  void exec(const std::string& sql) { ASSERT_EQ(sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql; }

  void load(const std::string& table, const std::vector<std::vector<Value>>& rows) {
    for (const std::vector<Value>& row : rows) {
      std::string sql = "INSERT INTO " + table + " VALUES (";
      for (size_t i = 0; i < row.size(); ++i) {
        const Value& v = row[i];
        sql += i ? "," : "";
        switch (v.kind()) {
          case Value::Kind::Null: sql += "NULL"; break;
          case Value::Kind::Text: sql += "'" + v.asText() + "'"; break;
          case Value::Kind::Date: sql += std::to_string(v.asDate()); break;
          default: sql += std::to_string(v.asNumber()); break;
        }
      }
      exec(sql + ")");
    }
  }

  std::vector<std::string> rows(const Query& q) {
    sqlite3_stmt* statement = nullptr;
    std::vector<std::string> result;
    if (sqlite3_prepare_v2(db_, q.sqlite.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << sqlite3_errmsg(db_) << "\n" << q.sqlite;
      return result;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
      std::string row;
      for (size_t c = 0; c < q.columns.size(); ++c) {
        row += c ? "|" : "";
        if (sqlite3_column_type(statement, int(c)) == SQLITE_NULL) continue;
        switch (q.columns[c]) {
          case Shown::Text: row += reinterpret_cast<const char*>(sqlite3_column_text(statement, int(c))); break;
          case Shown::Count: row += std::to_string(sqlite3_column_int64(statement, int(c))); break;
          case Shown::Date: row += date::formatDisplay(int32_t(sqlite3_column_int64(statement, int(c)))); break;
          case Shown::Number: row += decimal::formatShortest(sqlite3_column_int64(statement, int(c))); break;
        }
      }
      result.push_back(row);
    }
    sqlite3_finalize(statement);
    return result;
  }

 private:
  sqlite3* db_ = nullptr;
};

std::vector<std::string> ourRows(testing::FakeCatalog& catalog, const Query& q) {
  std::unique_ptr<ResultSet> result = execute(catalog, decode(q.ours));
  std::vector<std::string> rows;
  for (result->first(); !result->eof(); result->next()) {
    std::string row;
    for (size_t c = 0; c < q.columns.size(); ++c) {
      row += c ? "|" : "";
      const Value& v = result->value("C" + std::to_string(c + 1));
      if (v.kind() == Value::Kind::Text) row += v.asText();  // bytes, as SQLite holds them
      else row += result->asText("C" + std::to_string(c + 1)).toStdString();
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(SqlDifferential, RandomSelectsAgreeWithSqlite) {
  for (uint32_t seed = 1; seed <= 6; ++seed) {
    Generator generator(seed);
    testing::FakeCatalog catalog;
    Sqlite sqlite;
    sqlite.exec("CREATE TABLE T1 (K TEXT, N1 INTEGER, N2 INTEGER, D INTEGER)");
    sqlite.exec("CREATE TABLE T2 (K TEXT, V INTEGER)");
    std::vector<std::vector<Value>> one = generator.tableOne(10 + generator.pick(40));
    std::vector<std::vector<Value>> two = generator.tableTwo(5 + generator.pick(10));
    dbase::TableImage& t1 = catalog.addTable("T1.dbf", {testing::field("K", 'C', 3), testing::field("N1", 'N', 10, 2),
                                                        testing::field("N2", 'N', 6), testing::field("D", 'D', 8)});
    t1.appendRows(CellRows(one));
    dbase::TableImage& t2 = catalog.addTable("T2.dbf", {testing::field("K", 'C', 3), testing::field("V", 'N', 10, 2)});
    t2.appendRows(CellRows(two));
    sqlite.load("T1", one);
    sqlite.load("T2", two);

    for (int i = 0; i < 250; ++i) {
      Query q = generator.select();
      std::vector<std::string> ours;
      try {
        ours = ourRows(catalog, q);
      } catch (const StoreError& error) {
        ADD_FAILURE() << error.what() << "\n" << q.ours;
        continue;
      }
      std::vector<std::string> theirs = sqlite.rows(q);
      ASSERT_EQ(ours, theirs) << "seed " << seed << "\nours:   " << q.ours << "\nsqlite: " << q.sqlite;
    }
  }
}

}  // namespace
}  // namespace store::sql

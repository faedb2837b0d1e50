// What statements mean: blank texts and NULL, dates and numbers written as
// texts, exact sums, grouping and ordering, result column names, writes
// handed over whole, and the errors that name what and where.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "fake_catalog.h"
#include "sql_test_support.h"
#include "store/date.h"
#include "store/error.h"

namespace store::sql {
namespace {

using testing::FakeCatalog;
using testing::field;
using testing::rowsText;

class SqlSemantics : public ::testing::Test {
 protected:
  void SetUp() override {
    dbase::TableImage& t = catalog_.addTable("C:\\Data\\T.dbf", {field("NAME", 'C', 10), field("QTY", 'N', 10, 2),
                                                                 field("DAY", 'D', 8), field("CODE", 'N', 12),
                                                                 field("NOTE", 'C', 20)});
    auto day = [](const char* text) { return Value::date(*date::parseDisplay(text)); };
    auto text = [](const char* bytes) { return Value::text(bytes); };
    auto append = [&t](std::vector<Value> row) { t.appendRows(CellRows{std::move(row)}); };
    append({text("ALFA"), Value::number(15000), day("01.03.2024"), Value::number(10000), text("x")});
    append({text("BETA"), Value::number(20000), day("15.02.2024"), Value::number(20000), text("")});
    append({text(""), Value::null(), Value::null(), Value::number(30000), text("y")});
    append({text("alfa"), Value::number(-30000), day("01.01.2025"), Value::number(40000), text("x")});
    append({text("ALFA"), Value::number(1000000), day("02.03.2024"), Value::number(50000), text("z")});
    t.setDeleted(4, true);
  }

  std::string query(const QString& statement) {
    std::unique_ptr<ResultSet> result = execute(catalog_, statement);
    if (!result) return "(no result)";
    return rowsText(*result);
  }

  std::string errorOf(const QString& statement) {
    try {
      execute(catalog_, statement);
    } catch (const StoreError& error) {
      return error.what();
    }
    return "(no error)";
  }

  FakeCatalog catalog_;
};

struct QueryCase {
  const char* statement;
  const char* rows;
};

TEST_F(SqlSemantics, SelectsGiveTheirRows) {
  const QueryCase cases[] = {
      // Blank CHAR: equal to "" and NULL at once; pad blanks do not count.
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE NAME="")", "3"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE NAME IS NULL)", "3"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE NAME IS NOT NULL ORDER BY CODE)", "1;2;4"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE NOTE="" OR NOTE="y" ORDER BY CODE)", "2;3"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE NAME="ALFA  ")", "1"},
      // Exact, case-sensitive text in byte order; deleted rows never show.
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE NAME="ALFA")", "1"},
      {R"(SELECT CODE FROM "c:/data/t.DBF" ORDER BY NAME)", "3;1;2;4"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE NAME>"BETA")", "4"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE NAME<="ALFA" ORDER BY CODE)", "1;3"},
      // NULL: comparisons are not true, arithmetic gives NULL, aggregates skip it.
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE QTY<>1.5 ORDER BY CODE)", "2;4"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE NOT (QTY=1.5) ORDER BY CODE)", "2;4"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE NOT (QTY=1.5 OR DAY IS NULL) ORDER BY CODE)", "2;4"},
      {R"(SELECT QTY+1 AS X, QTY*2, QTY/4, -QTY FROM "C:\Data\T.dbf" ORDER BY CODE)",
       "2.5|3|0.375|-1.5;3|4|0.5|-2;|||;-2|-6|-0.75|3"},
      {R"(SELECT SUM(QTY) AS S, COUNT(*), COUNT(QTY), AVG(QTY), MAX(NAME), MIN(DAY) FROM "C:\Data\T.dbf")",
       "0.5|4|3|0.1667|alfa|15.02.2024"},
      {R"(SELECT SUM(QTY) AS S, Count(*) AS N, MAX(DAY) FROM "C:\Data\T.dbf" WHERE CODE>10)", "|0|"},
      {R"(SELECT SUM(QTY) AS S FROM "C:\Data\T.dbf" WHERE CODE>10 GROUP BY NAME)", ""},
      // Dates and numbers written as texts.
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE DAY<"01.03.2024")", "2"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE DAY>="1.3.2024" ORDER BY DAY DESC)", "4;1"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE "29.02.2024"<DAY ORDER BY CODE)", "1;4"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE QTY="2")", "2"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE QTY>="-3" AND QTY<'1.6' ORDER BY CODE)", "1;4"},
      {R"(SELECT CODE FROM "C:\Data\T.dbf" WHERE CODE=(SELECT MAX(CODE) FROM "C:\Data\T.dbf" WHERE NAME<>"alfa"))",
       "3"},
      // Grouping, DISTINCT and ordering over several columns.
      {R"(SELECT NOTE, COUNT(*) AS N, SUM(QTY) FROM "C:\Data\T.dbf" GROUP BY NOTE ORDER BY N DESC, NOTE)",
       "x|2|-1.5;|1|2;y|1|"},
      {R"(SELECT DISTINCT NOTE FROM "C:\Data\T.dbf" ORDER BY NOTE DESC)", "y;x;"},
      {R"(SELECT DISTINCT NOTE, CODE-CODE AS Z FROM "C:\Data\T.dbf" ORDER BY 1)", "|0;x|0;y|0"},
      {R"(SELECT NAME FROM "C:\Data\T.dbf" ORDER BY NOTE DESC, CODE ASC)", ";ALFA;alfa;BETA"},
      {R"(SELECT CAST(QTY AS FLOAT) AS F, CAST(SUM(QTY) AS FLOAT) FROM "C:\Data\T.dbf" WHERE CODE=1 GROUP BY QTY)",
       "1.5|1.5"},
      {R"(SELECT A.CODE AS X, B.CODE AS Y FROM "C:\Data\T.dbf" A INNER JOIN "C:\Data\T.dbf" B ON A.NOTE=B.NOTE
          WHERE A.CODE<B.CODE)",
       "1|4"},
      {"select code\nfrom \"C:\\Data\\T.dbf\"\n \nwhere (code = 1 or code = 2) and not name = \"BETA\"", "1"},
  };
  for (const QueryCase& c : cases) {
    try {
      EXPECT_EQ(query(c.statement), c.rows) << c.statement;
    } catch (const StoreError& error) {
      ADD_FAILURE() << c.statement << "\n  " << error.what();
    }
  }
}

TEST_F(SqlSemantics, ResultColumnsAreNamedByAliasOrColumn) {
  std::unique_ptr<ResultSet> result =
      execute(catalog_, R"(SELECT NAME, qty As Q, CODE + 1, SUM (CODE) AS s FROM "C:\Data\T.dbf" GROUP BY NAME, QTY, CODE)");
  EXPECT_EQ(result->columnNames(), (std::vector<std::string>{"NAME", "Q", "CODE + 1", "s"}));
  EXPECT_EQ(result->columnIndex("q"), 1);
  EXPECT_EQ(result->columnIndex("S"), 3);
  result = execute(catalog_, R"(SELECT * FROM "C:\Data\T.dbf")");
  EXPECT_EQ(result->columnNames(), (std::vector<std::string>{"NAME", "QTY", "DAY", "CODE", "NOTE"}));
  result = execute(catalog_, R"(SELECT CAST(QTY AS FLOAT) AS F FROM "C:\Data\T.dbf" WHERE CODE=1)");
  EXPECT_EQ(result->value("F").kind(), Value::Kind::Float);
}

TEST_F(SqlSemantics, WritesConvertTextsAndGoToTheCatalogInOneBatch) {
  int calls = catalog_.writeCalls;
  execute(catalog_, R"(UPDATE "C:\Data\T.dbf" SET QTY="7.5", DAY="29.02.2024", NOTE="a""b" WHERE CODE<=2)");
  EXPECT_EQ(catalog_.writeCalls, calls + 1);
  EXPECT_EQ(query(R"(SELECT QTY, DAY, NOTE FROM "C:\Data\T.dbf" WHERE CODE<=2)"),
            "7.5|29.02.2024|a\"b;7.5|29.02.2024|a\"b");

  execute(catalog_, R"(UPDATE "C:\Data\T.dbf" SET QTY=QTY+CODE, NAME=NOTE WHERE CODE=4)");
  EXPECT_EQ(query(R"(SELECT QTY, NAME FROM "C:\Data\T.dbf" WHERE CODE=4)"), "1|x");

  execute(catalog_, "INSERT INTO \"C:\\Data\\T.dbf\" (CODE, NAME, QTY, DAY)\nVALUES (6, 'nou', -1.23456, ''), "
                    "(7, \"\", \"12\", \"31.12.2023\")");
  EXPECT_EQ(query(R"(SELECT NAME, QTY, DAY, NOTE FROM "C:\Data\T.dbf" WHERE CODE>=6 ORDER BY CODE)"),
            "nou|-1.23||;|12|31.12.2023|");

  // A value that does not fit fails the whole statement: no row changes.
  calls = catalog_.writeCalls;
  EXPECT_THROW(execute(catalog_, R"(UPDATE "C:\Data\T.dbf" SET QTY=QTY*1000000)"), StoreError);
  EXPECT_EQ(catalog_.writeCalls, calls + 1);
  EXPECT_EQ(query(R"(SELECT QTY FROM "C:\Data\T.dbf" WHERE CODE=1)"), "7.5");

  // A row flagged deleted takes no part in a statement.
  execute(catalog_, R"(UPDATE "C:\Data\T.dbf" SET NOTE="w")");
  EXPECT_EQ(catalog_.image("C:\\Data\\T.dbf").value(4, 4), Value::text("z"));

  execute(catalog_, R"(DELETE FROM "C:\Data\T.dbf" WHERE NAME IS NULL OR QTY+0=7.5)");
  EXPECT_EQ(query(R"(SELECT CODE FROM "C:\Data\T.dbf" ORDER BY CODE)"), "4;6");
}

TEST_F(SqlSemantics, CreateTableMapsTypesToFields) {
  execute(catalog_, "CREATE TABLE \"C:\\Data\\N.dbf\"\n( A CHAR(5),\n B DECIMAL (8,2),\n C decimal(12,0), D DATE )");
  const dbase::TableImage& image = catalog_.image("C:\\Data\\N.dbf");
  ASSERT_EQ(image.fields.size(), 4u);
  auto describe = [](const dbase::Field& f) {
    return f.name + " " + f.type + std::to_string(f.width) + "." + std::to_string(f.decimals) + "@" +
           std::to_string(f.offset);
  };
  EXPECT_EQ(describe(image.fields[0]), "A C5.0@1");
  EXPECT_EQ(describe(image.fields[1]), "B N10.2@6");
  EXPECT_EQ(describe(image.fields[2]), "C N13.0@16");
  EXPECT_EQ(describe(image.fields[3]), "D D8.0@29");
  execute(catalog_, R"(CREATE INDEX B ON "C:\Data\N.dbf" (b))");
  EXPECT_EQ(catalog_.indexes.back(), "B on B");
}

TEST_F(SqlSemantics, SumsAreExactAndOverflowIsAnError) {
  execute(catalog_, R"(CREATE TABLE "C:\Data\Big.dbf" (V DECIMAL(18,0)))");
  execute(catalog_, R"(INSERT INTO "C:\Data\Big.dbf" (V) VALUES (0.1), (0.2), (-0.3))");
  EXPECT_EQ(query(R"(SELECT SUM(V) FROM "C:\Data\Big.dbf")"), "0");
  execute(catalog_, R"(INSERT INTO "C:\Data\Big.dbf" (V) VALUES (900000000000000), (900000000000000))");
  EXPECT_EQ(errorOf(R"(SELECT SUM(V) AS S FROM "C:\Data\Big.dbf")"), "the sum overflows at line 1, column 8");
  EXPECT_EQ(errorOf(R"(SELECT V+V FROM "C:\Data\Big.dbf")"), "arithmetic overflow at line 1, column 9");
}

// Batches and results this large are shared by both cores: records appended
// a column per core, result rows made half per core.
TEST_F(SqlSemantics, ManyRowsAndGroupsComeOutWholeAndInOrder) {
  dbase::TableImage& t = catalog_.addTable("C:\\Data\\Many.dbf",
                                           {field("K", 'C', 6), field("U", 'C', 2), field("N", 'N', 12, 2)});
  constexpr int kRows = 30000, kGroups = 20000;
  const auto key = [](int group) {
    char text[8];
    std::snprintf(text, sizeof text, "K%05d", group);
    return std::string(text);
  };
  std::vector<std::vector<Value>> rows;
  for (int i = 0; i < kRows; ++i)
    rows.push_back({Value::text(key(i % kGroups)), Value::text("U" + std::to_string(i % 7)),
                    Value::number(int64_t(i) * 10000)});
  t.appendRows(CellRows(rows));

  std::string expected;
  for (int g = 0; g < kGroups; ++g) {
    const bool twice = g + kGroups < kRows;
    const int maxU = std::max(g % 7, twice ? (g + kGroups) % 7 : 0);
    if (g > 0) expected += ';';
    expected += key(g) + "|U" + std::to_string(maxU) + "|" + std::to_string(twice ? 2 * g + kGroups : g) + "|" +
                (twice ? "2" : "1");
  }
  EXPECT_EQ(query(R"(SELECT K, MAX(U) AS U, SUM(N) AS S, COUNT(*) AS C FROM "C:\Data\Many.dbf" GROUP BY K ORDER BY K)"),
            expected);
}

struct ErrorCase {
  const char* statement;
  const char* message;
};

TEST_F(SqlSemantics, ErrorsNameWhatAndWhere) {
  const ErrorCase cases[] = {
      {"SELECT *\nFROMM \"C:\\Data\\T.dbf\"", "syntax error near \"FROMM\" at line 2, column 1"},
      {"SELECT * FROM", "syntax error near the end of the statement at line 1, column 14"},
      {"SELECT * FROM \"C:\\Data\\T.dbf\" WHERE NAME=\"ab", "unterminated quoted text starting at line 1, column 42"},
      {"SELECT # FROM \"C:\\Data\\T.dbf\"", "syntax error near \"#\" at line 1, column 8"},
      {"SELECT NAMEX FROM \"C:\\Data\\T.dbf\"", "unknown column \"NAMEX\" at line 1, column 8"},
      {"SELECT X.NAME FROM \"C:\\Data\\T.dbf\" A", "unknown table alias \"X\" at line 1, column 8"},
      {"SELECT * FROM \"C:\\Data\\Nope.dbf\"", "table \"C:\\Data\\Nope.dbf\" does not exist"},
      {"UPDATE \"C:\\Data\\T.dbf\" SET NOPE=1", "unknown column \"NOPE\" at line 1, column 28"},
      {"SELECT CODE FROM \"C:\\Data\\T.dbf\"\nWHERE DAY<\"31.02.2024\"", "invalid date \"31.02.2024\" at line 2, column 11"},
      {"SELECT CODE FROM \"C:\\Data\\T.dbf\" WHERE QTY=\"1,5\"", "invalid number \"1,5\" at line 1, column 44"},
      {"INSERT INTO \"C:\\Data\\T.dbf\" (DAY) VALUES (\"2024-01-01\")",
       "invalid date \"2024-01-01\" for column DAY at line 1, column 43"},
      {"UPDATE \"C:\\Data\\T.dbf\" SET CODE=\"12a\"", "invalid number \"12a\" for column CODE at line 1, column 33"},
      {"SELECT CODE FROM \"C:\\Data\\T.dbf\" WHERE NAME=1", "cannot compare text with number at line 1, column 44"},
      {"SELECT CODE FROM \"C:\\Data\\T.dbf\" WHERE SUM(QTY)>0", "an aggregate is not allowed here at line 1, column 40"},
      {"SELECT NAME, SUM(QTY) FROM \"C:\\Data\\T.dbf\"", "column NAME is neither grouped nor aggregated at line 1, column 8"},
      {"SELECT CODE/0 FROM \"C:\\Data\\T.dbf\"", "division by zero at line 1, column 12"},
      {"SELECT CODE FROM \"C:\\Data\\T.dbf\" WHERE CODE=(SELECT CODE FROM \"C:\\Data\\T.dbf\")",
       "the subquery gives more than one row at line 1, column 45"},
      {"INSERT INTO \"C:\\Data\\T.dbf\" (NAME, CODE) VALUES (\"a\")", "1 values for 2 columns at line 1, column 50"},
  };
  for (const ErrorCase& c : cases) EXPECT_EQ(errorOf(c.statement), c.message) << c.statement;
  std::string unencodable = errorOf(QString::fromUtf8("SELECT CODE FROM \"C:\\Data\\T.dbf\" WHERE NAME=\"\u2603\""));
  EXPECT_NE(unencodable.find("at line 1, column 45"), std::string::npos) << unencodable;
}

}  // namespace
}  // namespace store::sql

// What the reports store of a sum (two decimals rounded half to even, and
// 0 for a missing sum), and the records a temporary table is filled with.
#include <gtest/gtest.h>

#include "reports/listings/scratch_table.h"
#include "store/error.h"
#include "support/data_folder_fixture.h"

namespace reports {
namespace {

TEST(StoredAmountTest, RoundsToCentsHalfToEvenAndMissingSumsAreZero) {
  struct Case {
    store::Value sum;
    int64_t stored;
  };
  const Case cases[] = {
      {store::Value::number(12350), 12400},    // 1.2350 -> 1.24
      {store::Value::number(12250), 12200},    // 1.2250 -> 1.22
      {store::Value::number(12251), 12300},    // 1.2251 -> 1.23
      {store::Value::number(-12350), -12400},  // -1.2350 -> -1.24
      {store::Value::real(0.1 + 0.2), 3000},   // a FLOAT sum 0.30000000000000004
      {store::Value::null(), 0},
  };
  for (const Case& c : cases) {
    const store::Value stored = storedAmount(c.sum, "S");
    ASSERT_EQ(stored.kind(), store::Value::Kind::Number);
    EXPECT_EQ(stored.asNumber(), c.stored) << c.stored;
  }
}

using ScratchTableTest = test_support::DataFolderFixture;

TEST_F(ScratchTableTest, RecordsTakeColumnsAmountsAndFixedValuesInFieldOrder) {
  ScratchTable table(*database, data() + "/T.dbf");
  database->execute("CREATE TABLE " + table.name() +
                    " (NAME CHAR(10), AMOUNT DECIMAL(8,2), ZERO DECIMAL(8,2), LATER DECIMAL(8,2), COPY DECIMAL(8,2))");
  store::sql::ResultSet rows({"S", "N"}, {{store::Value::number(12350), store::Value::text("ALFA")},
                                          {store::Value::null(), store::Value::text("BETA")}});
  table.appendFrom(rows, {column("N"), amount("S"), kNoAmount, store::Value::null(), column("S")});
  EXPECT_EQ(this->rows("T.dbf", {"NAME", "AMOUNT", "ZERO", "LATER", "COPY"}, "NAME"),
            (QStringList{"NAME=ALFA AMOUNT=1.24 ZERO=0 LATER= COPY=1.24", "NAME=BETA AMOUNT=0 ZERO=0 LATER= COPY="}));

  EXPECT_THROW(table.appendFrom(rows, {column("MISSING"), kNoAmount, kNoAmount, kNoAmount, kNoAmount}),
               store::StoreError);
  EXPECT_EQ(this->rows("T.dbf", {"NAME"}, "NAME").size(), 2);
}

// A grouping hands its texts on as codes of the table's dictionary: they
// must come out as the same texts whether the rows become the records as
// they are (each field reading its own column) or are copied field by
// field, and a text must still convert into a number field.
TEST_F(ScratchTableTest, GroupedTextsKeepTheirValuesHoweverTheRecordsAreMade) {
  const QString stock = "\"" + data() + "/S.dbf\"";
  database->execute("CREATE TABLE " + stock + " (UNIT CHAR(20), ITEM CHAR(20), QTY DECIMAL(8,2))");
  database->execute("INSERT INTO " + stock + " (UNIT, ITEM, QTY) VALUES ('Cămară', 'Creion', 1.25)");
  database->execute("INSERT INTO " + stock + " (UNIT, ITEM, QTY) VALUES ('Cămară', 'Creion', 2)");
  database->execute("INSERT INTO " + stock + " (UNIT, ITEM, QTY) VALUES ('Cantină', '12.5', 3)");
  const QString grouped = "SELECT UNIT, ITEM, SUM(QTY) AS Q FROM " + stock;
  const QString groups = " GROUP BY UNIT, ITEM";

  ScratchTable same(*database, data() + "/Same.dbf");
  database->execute("CREATE TABLE " + same.name() + " (UNIT CHAR(20), ITEM CHAR(20), Q DECIMAL(8,2))");
  same.appendFrom(*database->execute(grouped + groups), {column("UNIT"), column("ITEM"), amount("Q")});
  EXPECT_EQ(rows("Same.dbf", {"UNIT", "ITEM", "Q"}, "UNIT"),
            (QStringList{"UNIT=Cantină ITEM=12.5 Q=3", "UNIT=Cămară ITEM=Creion Q=3.25"}));

  ScratchTable other(*database, data() + "/Other.dbf");
  database->execute("CREATE TABLE " + other.name() +
                    " (ITEM CHAR(10), NUM DECIMAL(8,2), UNIT CHAR(20), AGAIN CHAR(20), ZERO DECIMAL(8,2))");
  other.appendFrom(*database->execute(grouped + " WHERE UNIT = 'Cantină'" + groups),
                   {column("ITEM"), column("ITEM"), column("UNIT"), column("UNIT"), kNoAmount});
  EXPECT_EQ(rows("Other.dbf", {"ITEM", "NUM", "UNIT", "AGAIN", "ZERO"}, "ITEM"),
            (QStringList{"ITEM=12.5 NUM=12.5 UNIT=Cantină AGAIN=Cantină ZERO=0"}));

  ScratchTable narrow(*database, data() + "/Narrow.dbf");
  database->execute("CREATE TABLE " + narrow.name() + " (UNIT CHAR(6), ITEM CHAR(20), Q DECIMAL(8,2))");
  try {
    narrow.appendFrom(*database->execute(grouped + groups), {column("UNIT"), column("ITEM"), amount("Q")});
    ADD_FAILURE() << "a text longer than its field was accepted";
  } catch (const store::StoreError& error) {
    EXPECT_NE(std::string(error.what()).find("Narrow.dbf: column UNIT"), std::string::npos) << error.what();
  }
  EXPECT_TRUE(rows("Narrow.dbf", {"UNIT"}, "UNIT").isEmpty());
}

}  // namespace
}  // namespace reports

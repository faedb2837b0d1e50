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

}  // namespace
}  // namespace reports

// What the reports store of a sum: two decimals rounded half to even, and
// 0 for a missing sum.
#include <gtest/gtest.h>

#include "reports/listings/scratch_table.h"

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
    store::sql::ResultSet rows({"S"}, {{c.sum}});
    rows.first();
    const store::Value stored = storedAmount(rows, 0);
    ASSERT_EQ(stored.kind(), store::Value::Kind::Number);
    EXPECT_EQ(stored.asNumber(), c.stored) << c.stored;
  }
}

}  // namespace
}  // namespace reports

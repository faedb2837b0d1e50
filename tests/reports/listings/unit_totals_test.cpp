// The monthly report's rows summed per unit for its chart.
#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "reports/listings/unit_totals.h"

namespace reports {
namespace {

using testing::amount;
using testing::text;

TEST(UnitTotalsTest, ValuesInAndOutAreAddedUpPerUnitInTheRowsOrder) {
  store::sql::ResultSet rows({"GESTIUNE", "PRODUS", "VI", "VO"},
                             {{text("ATELIER"), text("TUS"), amount("7.5"), amount("0")},
                              {text("MAGAZIE"), text("CAIET"), amount("20"), amount("8")},
                              {text("MAGAZIE"), text("HARTIE"), amount("12.5"), amount("0.25")}});
  rows.first();
  rows.next();
  const std::vector<UnitTotals> totals = unitTotals(rows);
  ASSERT_EQ(totals.size(), 2u);
  EXPECT_EQ(totals[0].unit, "ATELIER");
  EXPECT_EQ(totals[0].valueIn, 75000);
  EXPECT_EQ(totals[0].valueOut, 0);
  EXPECT_EQ(totals[1].unit, "MAGAZIE");
  EXPECT_EQ(totals[1].valueIn, 325000);
  EXPECT_EQ(totals[1].valueOut, 82500);
  EXPECT_EQ(rows.recordNumber(), 2);  // the cursor is back
  store::sql::ResultSet none({"GESTIUNE", "VI", "VO"}, {});
  EXPECT_TRUE(unitTotals(none).empty());
}

}  // namespace
}  // namespace reports

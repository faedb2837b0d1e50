// LRVC over rows shaped like RVC2.dbf: the heading, numbered unit lines,
// the totals and the page numbers.
#include <gtest/gtest.h>

#include "page_placement.h"
#include "report_fixtures.h"

namespace reports {
namespace {

using testing::amount;
using testing::findText;
using testing::leftAlignedAt;
using testing::rightAlignedAt;
using testing::text;

constexpr double kLeft = 20, kRight = 200;  // bands 180 mm wide

store::sql::ResultSet unitValues(int count) {
  std::vector<std::vector<store::Value>> rows;
  for (int i = 1; i <= count; ++i)
    rows.push_back({text("GESTIUNEA " + std::to_string(100 + i)), amount("10"), amount("2.5"), amount("1.25"),
                    amount("11.25")});
  return store::sql::ResultSet({"GESTIUNE", "VINI", "VI", "VO", "VFIN"}, std::move(rows));
}

class CumulativePagesTest : public testing::LayoutPagesTest {
 protected:
  CumulativePagesTest()
      : LayoutPagesTest("LRVC",
                        {{"QRLabel64", "SCOALA NR. 1"},
                         {"QRLabel65", "05.04.2024"}, {"QRLabel69", "Luna 03.2024"}}) {}
};

TEST_F(CumulativePagesTest, NumberedUnitsWithTheirValuesAndTotals) {
  const Document pages = generateOver(unitValues(3));
  ASSERT_EQ(pages.pages.size(), 1u);
  EXPECT_EQ(pages.title, "LISTA DEBITELOR");
  for (const char* heading : {"SCOALA NR. 1", "RAPORT VALORIC CUMULATIV,", "Luna 03.2024", "INTOCMIT,", "Pag.1"})
    EXPECT_TRUE(findText(pages, 0, heading)) << heading;
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 11.1), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(leftAlignedAt(pages, 0, kLeft + 14.8),
            (QStringList{"GESTIUNEA", "GESTIUNEA 101", "GESTIUNEA 102", "GESTIUNEA 103"}));
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 104.0), (QStringList{"10.00", "10.00", "10.00", "30.00"}));
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 127.3), (QStringList{"2.50", "2.50", "2.50", "7.50"}));
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 148.4), (QStringList{"1.25", "1.25", "1.25", "3.75"}));
  EXPECT_EQ(rightAlignedAt(pages, 0, kRight),
            (QStringList{"05.04.2024", "STOC FINAL", "11.25", "11.25", "11.25", "33.75", "Pag.1"}));
}

TEST_F(CumulativePagesTest, LongReportNumbersItsPages) {
  const Document pages = generateOver(unitValues(60));
  ASSERT_EQ(pages.pages.size(), 2u);
  EXPECT_TRUE(findText(pages, 1, "Pag.2"));
  EXPECT_TRUE(findText(pages, 1, "STOC FINAL"));  // the column captions on every page
  EXPECT_TRUE(findText(pages, 1, "600.00"));
}

}  // namespace
}  // namespace reports

// LRapLunVar over rows shaped like R2.dbf: the heading, a group per unit
// with its captions, value totals restarting per unit, the grand totals
// over all units and the page numbers.
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

constexpr double kLeft = 16;  // left margin; bands 188 mm wide

struct Product {
  const char *unit, *product, *cini, *ci, *co, *cfin, *vini, *vi, *vo, *vfin;
};

store::sql::ResultSet monthRows(const std::vector<Product>& products) {
  std::vector<std::vector<store::Value>> rows;
  for (const Product& p : products)
    rows.push_back({text(p.unit), text(p.product), amount(p.cini), amount(p.ci), amount(p.co), amount(p.cfin),
                    amount(p.vini), amount(p.vi), amount(p.vo), amount(p.vfin)});
  return store::sql::ResultSet({"GESTIUNE", "PRODUS", "CINI", "CI", "CO", "CFIN", "VINI", "VI", "VO", "VFIN"},
                               std::move(rows));
}

class MonthlyPagesTest : public testing::LayoutPagesTest {
 protected:
  MonthlyPagesTest()
      : LayoutPagesTest("LRapLunVar",
                        {{"QRLabel39", "SCOALA NR. 1"},
                         {"OraR", "05.04.2024"}, {"DataLC", "luna Martie.2024"}}) {}
};

TEST_F(MonthlyPagesTest, UnitTotalsRestartWhileTheGrandTotalsCoverEveryUnit) {
  const Document pages = generateOver(monthRows({
      {"A", "CAIET", "10", "1", "2", "9", "100", "5", "20", "85"},
      {"A", "TUS", "0", "4", "1", "3", "0", "8.8", "2.2", "6.6"},
      {"B", "CAIET", "2", "0", "0", "2", "20.25", "0", "0", "20.25"},
  }));
  ASSERT_EQ(pages.pages.size(), 1u);
  EXPECT_EQ(pages.title, "");
  for (const char* heading : {"SCOALA NR. 1", "05.04.2024", "RAPORT LUNAR VARNELA", "luna Martie.2024", "pag. 1"})
    EXPECT_TRUE(findText(pages, 0, heading)) << heading;
  EXPECT_EQ(leftAlignedAt(pages, 0, kLeft + 26.5), (QStringList{"A", "B"}));
  EXPECT_EQ(leftAlignedAt(pages, 0, kLeft + 61.1), (QStringList{"INITIAL", "INITIAL"}));
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 185.2), (QStringList{"FINAL", "FINAL"}));
  // Quantities per product only.
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 73.8), (QStringList{"10.00", "0.00", "2.00"}));
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 114.8), (QStringList{"9.00", "3.00", "2.00"}));
  // VI and its unit totals share their right edge; the grand total has its own.
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 149.2), (QStringList{"5.00", "8.80", "13.80", "0.00", "0.00"}));
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 148.4), QStringList{"13.80"});
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 131.8), (QStringList{"100.00", "20.25", "120.25"}));
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 165.6), (QStringList{"22.20", "0.00"}));
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 166.2), QStringList{"22.20"});
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 182.6), (QStringList{"85.00", "6.60", "91.60", "20.25", "20.25", "111.85"}));
  const PlacedText* grand = findText(pages, 0, "TOTAL GENERAL");
  ASSERT_TRUE(grand);
  EXPECT_NEAR(grand->x, kLeft + 79.4, 1e-6);
}

TEST_F(MonthlyPagesTest, LongReportNumbersItsPages) {
  std::vector<Product> products;
  std::vector<std::string> names;
  for (int i = 0; i < 70; ++i) names.push_back("PRODUS " + std::to_string(100 + i));
  for (const std::string& name : names) products.push_back({"A", name.c_str(), "1", "0", "0", "1", "1", "0", "0", "1"});
  const Document pages = generateOver(monthRows(products));
  ASSERT_EQ(pages.pages.size(), 2u);
  EXPECT_TRUE(findText(pages, 0, "pag. 1"));
  EXPECT_TRUE(findText(pages, 1, "pag. 2"));
  EXPECT_FALSE(findText(pages, 1, "RAPORT LUNAR VARNELA"));
  EXPECT_TRUE(findText(pages, 1, "70.00"));  // the grand total of VINI
}

}  // namespace
}  // namespace reports

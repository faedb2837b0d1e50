// The printed inventory over result sets shaped like the inventory window's
// Mx: the heading, the columns in place, the total without separators and
// the page numbers.
#include <gtest/gtest.h>

#include "page_placement.h"

namespace reports {
namespace {

using testing::Edge;

// Left margin 20 mm, top margin 10 mm, bands 180 mm wide.
constexpr double kLeft = 20, kTop = 10, kRight = 200;
// The bands' tops on page 1: title 28.3 mm, column header 6.1 mm, lines 4.8 mm.
constexpr double kHeaderTop = kTop + 28.3, kFirstLine = kHeaderTop + 6.1;

store::sql::ResultSet stock(int count) {
  std::vector<std::vector<store::Value>> rows;
  for (int i = 0; i < count; ++i)
    rows.push_back({testing::text("PRODUS " + std::to_string(i + 1)), testing::text("BUC"), testing::amount("1"),
                    testing::amount("2.5")});
  return store::sql::ResultSet({"PRODUS", "UM", "TCANT", "TVAL"}, std::move(rows));
}

class InventoryPagesTest : public testing::LayoutPagesTest {
 protected:
  InventoryPagesTest()
      : LayoutPagesTest("Invent26", {{"Institutie", "SCOALA NR. 1"},
                                     {"Data10", "05.03.2024  10.15"},
                                     {"Detalii10", "la data 05.03.2024"},
                                     {"QRLabel1", "GESTIUNE : MAGAZIE"}}) {
    listari.setTitle("Invent26", "I N V E N T A R,");
  }
};

TEST_F(InventoryPagesTest, HeadingColumnsLinesAndTotalInPlace) {
  store::sql::ResultSet rows({"PRODUS", "UM", "TCANT", "TVAL"},
                             {{testing::text("CAIET"), testing::text("BUC"), testing::amount("0.01"),
                               testing::amount("1234567.5")},
                              {testing::text("HARTIE"), testing::text("TOP"), testing::amount("6"),
                               testing::amount("0.39")}});
  const Document pages = generateOver(std::move(rows));
  ASSERT_EQ(pages.pages.size(), 1u);
  EXPECT_EQ(pages.title, "I N V E N T A R,");
  const double summaryTop = kFirstLine + 2 * 4.8;
  testing::expectPlaced(pages, 0,
                        {{"SCOALA NR. 1", Edge::Left, kLeft, kTop},
                         {"GESTIUNE : MAGAZIE", Edge::Left, kLeft, kTop + 4.2},
                         {"05.03.2024  10.15", Edge::Right, kRight, kTop},
                         {"I N V E N T A R,", Edge::Centre, kLeft + 90, kTop + 11.6},
                         {"la data 05.03.2024", Edge::Centre, kLeft + 90, kTop + 18.5},
                         {"Nr.crt.", Edge::Right, kLeft + 12.4, kHeaderTop},
                         {"DENUMIRE PRODUS", Edge::Left, kLeft + 16.9, kHeaderTop},
                         {"U.M.", Edge::Left, kLeft + 120.7, kHeaderTop},
                         {"CANTITATE", Edge::Left, kLeft + 135.5, kHeaderTop},
                         {"VALOARE", Edge::Right, kRight, kHeaderTop},
                         {"1", Edge::Right, kLeft + 11.1, kFirstLine},
                         {"CAIET", Edge::Left, kLeft + 16.9, kFirstLine},
                         {"BUC", Edge::Left, kLeft + 121.7, kFirstLine},
                         {"0.01", Edge::Right, kLeft + 152.9, kFirstLine},
                         {"1234567.50", Edge::Right, kRight, kFirstLine},
                         {"2", Edge::Right, kLeft + 11.1, kFirstLine + 4.8},
                         {"TOTAL", Edge::Left, kLeft + 135.5, summaryTop},
                         {"1234567.89", Edge::Right, kRight, summaryTop},
                         {"INTOCMIT,", Edge::Left, kLeft + 135.5, summaryTop + 9.5},
                         {"Pag.1", Edge::Right, kRight, 297 - 10 - 6.1}});
  EXPECT_EQ(testing::rulesAt(pages, 0, kHeaderTop), std::vector<double>{2});
  EXPECT_EQ(testing::rulesAt(pages, 0, kFirstLine), std::vector<double>{2});
  EXPECT_EQ(testing::rulesAt(pages, 0, kFirstLine + 4.8), std::vector<double>{1});
}

TEST_F(InventoryPagesTest, EveryUnitLeavesOutTheUnitLine) {
  listari.setEnabled("Invent26", "QRLabel1", false);
  const Document pages = generateOver(stock(1));
  EXPECT_FALSE(pages.texts(0).contains("GESTIUNE : MAGAZIE"));
  EXPECT_TRUE(pages.texts(0).contains("I N V E N T A R,"));
}

TEST_F(InventoryPagesTest, SecondPageRepeatsTheColumnsAndEndsWithTheTotal) {
  const Document pages = generateOver(stock(60));
  ASSERT_EQ(pages.pages.size(), 2u);
  EXPECT_EQ(testing::countText(pages, 1, "DENUMIRE PRODUS"), 1);
  EXPECT_EQ(testing::countText(pages, 1, "I N V E N T A R,"), 0);
  EXPECT_TRUE(testing::findText(pages, 1, "Pag.2"));
  EXPECT_TRUE(testing::findText(pages, 1, "60"));
  EXPECT_TRUE(testing::findText(pages, 1, "150.00"));  // 60 lines of 2.50
  EXPECT_EQ(testing::rightAlignedAt(pages, 1, kLeft + 11.1).first(), "50");
}

}  // namespace
}  // namespace reports

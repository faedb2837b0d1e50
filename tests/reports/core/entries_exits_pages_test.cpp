// The printed entries and exits over result sets shaped like the window's
// I1: landscape pages, the heading lines, the two-row column captions, the
// movements in place and the totals entered and issued.
#include <gtest/gtest.h>

#include "page_placement.h"

namespace reports {
namespace {

using testing::Edge;

// Landscape A4, left margin 20 mm, bands 267 mm wide.
constexpr double kLeft = 20, kTop = 10, kRight = 287;
constexpr double kHeaderTop = kTop + 34.7, kFirstLine = kHeaderTop + 10.6;

struct Movement {
  int dayOfMonth;
  std::string document, product;
  const char *quantityIn, *valueIn, *quantityOut, *valueOut;
};

store::sql::ResultSet movements(const std::vector<Movement>& list) {
  std::vector<std::vector<store::Value>> rows;
  for (const Movement& m : list)
    rows.push_back({testing::day(2024, 3, m.dayOfMonth), testing::text(m.document), testing::text(m.product),
                    testing::text("BUC"), testing::amount(m.quantityIn), testing::amount(m.valueIn),
                    testing::amount(m.quantityOut), testing::amount(m.valueOut), testing::text("MAGAZIE")});
  return store::sql::ResultSet({"DATA", "DOCJUS", "PRODUS", "UM", "CANTIN", "VALIN", "CANTOUT", "VALOUT", "GESTIUNE"},
                               std::move(rows));
}

class EntriesExitsPagesTest : public testing::LayoutPagesTest {
 protected:
  EntriesExitsPagesTest()
      : LayoutPagesTest("LInOut", {{"QRLabel13", "SCOALA NR. 1"},
                                   {"QRLabel14", "05.04.2024"},
                                   {"QRLabel15", "intrari - iesiri in perioada 01.03.2024 - 31.03.2024"},
                                   {"QRLabel16", "  Produsul: CAIET"}}) {}
};

TEST_F(EntriesExitsPagesTest, HeadingColumnsMovementsAndTotalsInPlace) {
  const Document pages = generateOver(movements({{1, "NIR 2", "CAIET", "10", "20", "0", "0"},
                                                 {12, "BC 1", "CAIET", "3", "7.5", "1", "2.5"}}));
  ASSERT_EQ(pages.pages.size(), 1u);
  EXPECT_EQ(pages.pageWidth, 297);
  EXPECT_EQ(pages.title, "LISTA DEBITELOR");
  const double upper = kHeaderTop + 0.5, lower = kHeaderTop + 4.8, second = kFirstLine + 4.8;
  const double summaryTop = kFirstLine + 2 * 4.8;
  testing::expectPlaced(pages, 0,
                        {{"SCOALA NR. 1", Edge::Left, kLeft, kTop},
                         {"05.04.2024", Edge::Right, kRight, kTop},
                         {"RAPORT,", Edge::Centre, kLeft + 133.5, kTop + 12.2},
                         {"intrari - iesiri in perioada 01.03.2024 - 31.03.2024", Edge::Centre, kLeft + 133.5,
                          kTop + 18.5},
                         {"  Produsul: CAIET", Edge::Centre, kLeft + 133.5, kTop + 25.4},
                         {"     CANTITATE     ", Edge::Left, kLeft + 152.4, upper},
                         {"      VALOARE      ", Edge::Right, kLeft + 219.9, upper},
                         {"Nr.crt.", Edge::Right, kLeft + 12.4, lower},
                         {"DOCUMENT JUSTIFICATIV", Edge::Left, kLeft + 36.0, lower},
                         {"U.M.", Edge::Left, kLeft + 139.7, lower},
                         {"GESTIUNE", Edge::Left, kLeft + 224.4, lower},
                         {"01.03.2024", Edge::Centre, kLeft + 25.3, kFirstLine},
                         {"NIR 2", Edge::Left, kLeft + 36.0, kFirstLine},
                         {"BUC", Edge::Left, kLeft + 140.2, kFirstLine},
                         {"10.00", Edge::Right, kLeft + 163.5, kFirstLine},
                         {"20.00", Edge::Right, kLeft + 201.6, kFirstLine},
                         {"MAGAZIE", Edge::Left, kLeft + 224.4, kFirstLine},
                         {"1.00", Edge::Right, kLeft + 182.6, second},
                         {"TOTAL", Edge::Left, kLeft + 93.1, summaryTop},
                         {"27.50", Edge::Right, kLeft + 201.6, summaryTop},
                         {"INTOCMIT,", Edge::Left, kLeft + 135.5, summaryTop + 9.5},
                         {"Pag.1", Edge::Right, kRight, 210 - 10 - 6.1}});
  EXPECT_EQ(testing::rightAlignedAt(pages, 0, kLeft + 220.7), (QStringList{"0.00", "2.50", "2.50"}));
  EXPECT_EQ(testing::rightAlignedAt(pages, 0, kLeft + 11.1), (QStringList{"1", "2"}));
  for (const char* caption : {"INTRAT", "IESIT"}) EXPECT_EQ(testing::countText(pages, 0, caption), 2) << caption;
  // Besides the band rules, the captions over the amounts have one each.
  int captionRules = 0;
  for (const PlacedLine& line : pages.pages[0].lines) captionRules += line.x2 - line.x1 < 267 - 1e-6 ? 1 : 0;
  EXPECT_EQ(captionRules, 2);
}

TEST_F(EntriesExitsPagesTest, SecondPageNumberedWithTheTotalsOfEveryLine) {
  std::vector<Movement> list;
  for (int i = 0; i < 40; ++i)
    list.push_back({1 + i % 28, "NIR " + std::to_string(i + 1), "CAIET", "1", "2", "0", "0"});
  const Document pages = generateOver(movements(list));
  ASSERT_EQ(pages.pages.size(), 2u);
  EXPECT_TRUE(testing::findText(pages, 1, "Pag.2"));
  EXPECT_EQ(testing::countText(pages, 1, "DOCUMENT JUSTIFICATIV"), 1);
  EXPECT_EQ(testing::countText(pages, 1, "RAPORT,"), 0);
  EXPECT_TRUE(testing::findText(pages, 1, "NIR 40"));
  EXPECT_TRUE(testing::findText(pages, 1, "80.00"));
}

}  // namespace
}  // namespace reports

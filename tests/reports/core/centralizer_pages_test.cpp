// The printed receipts centralizer over result sets shaped like the window's
// N1: the heading with the month, the lines in place, and the total with
// thousands separators while the lines have none.
#include <gtest/gtest.h>

#include "page_placement.h"

namespace reports {
namespace {

using testing::Edge;

constexpr double kLeft = 20, kTop = 10, kRight = 200;
constexpr double kHeaderTop = kTop + 28.3, kFirstLine = kHeaderTop + 6.1;

store::sql::ResultSet receipts(int count, const char* value) {
  std::vector<std::vector<store::Value>> rows;
  for (int i = 0; i < count; ++i)
    rows.push_back({testing::day(2024, 3, 1 + i % 28), testing::text("MAGAZIE"),
                    testing::text("NIR " + std::to_string(i + 1)), testing::amount(value)});
  return store::sql::ResultSet({"DATA", "GESTIUNE", "DOCJUS", "TOT"}, std::move(rows));
}

class CentralizerPagesTest : public testing::LayoutPagesTest {
 protected:
  CentralizerPagesTest()
      : LayoutPagesTest("LNIR",
                        {{"QRLabel37", "SCOALA NR. 1"}, {"QRLabel38", "05.04.2024"}, {"QRLabel48", "LUNA 03.2024"}}) {}
};

TEST_F(CentralizerPagesTest, HeadingLinesAndGroupedTotalInPlace) {
  const Document pages = generateOver(receipts(2, "617.25"));
  ASSERT_EQ(pages.pages.size(), 1u);
  const double summaryTop = kFirstLine + 2 * 4.8;
  testing::expectPlaced(pages, 0,
                        {{"SCOALA NR. 1", Edge::Left, kLeft, kTop},
                         {"05.04.2024", Edge::Right, kRight, kTop},
                         {"CENTRALIZATOR NOTE DE RECEPTIE,", Edge::Centre, kLeft + 90, kTop + 7.9},
                         {"LUNA 03.2024", Edge::Centre, kLeft + 90, kTop + 16.9},
                         {"Nr.crt.", Edge::Right, kLeft + 12.4, kHeaderTop},
                         {"DATA", Edge::Left, kLeft + 23.3, kHeaderTop},
                         {"GESTIUNEA", Edge::Left, kLeft + 40.2, kHeaderTop},
                         {"DOCUMENT JUSTIFICATIV", Edge::Left, kLeft + 88.9, kHeaderTop},
                         {"VALOARE", Edge::Right, kRight, kHeaderTop},
                         {"01.03.2024", Edge::Right, kLeft + 35.7, kFirstLine},
                         {"MAGAZIE", Edge::Left, kLeft + 40.2, kFirstLine},
                         {"NIR 1", Edge::Left, kLeft + 89.4, kFirstLine},
                         {"TOTAL", Edge::Left, kLeft + 135.5, summaryTop},
                         {"1,234.50", Edge::Right, kRight, summaryTop},
                         {"INTOCMIT,", Edge::Left, kLeft + 135.5, summaryTop + 9.5},
                         {"Pag.1", Edge::Right, kRight, 297 - 10 - 6.1}});
  EXPECT_EQ(testing::rightAlignedAt(pages, 0, kRight).mid(2, 2), (QStringList{"617.25", "617.25"}));
  EXPECT_EQ(testing::rightAlignedAt(pages, 0, kLeft + 11.1), (QStringList{"1", "2"}));
}

TEST_F(CentralizerPagesTest, SecondPageNumberedAndTheTotalGrouped) {
  const Document pages = generateOver(receipts(55, "100"));
  ASSERT_EQ(pages.pages.size(), 2u);
  EXPECT_TRUE(testing::findText(pages, 1, "Pag.2"));
  EXPECT_EQ(testing::countText(pages, 1, "GESTIUNEA"), 1);
  EXPECT_EQ(testing::countText(pages, 1, "LUNA 03.2024"), 0);
  EXPECT_TRUE(testing::findText(pages, 1, "5,500.00"));
}

}  // namespace
}  // namespace reports

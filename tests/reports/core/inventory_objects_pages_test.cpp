// LMJF over rows shaped like Q1 of the inventory objects window: the
// heading, a line per object, the value total, the page numbers and an
// empty listing.
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

constexpr double kLeft = 15;  // bands 185 mm wide

store::sql::ResultSet objects(int count) {
  std::vector<std::vector<store::Value>> rows;
  for (int i = 1; i <= count; ++i)
    rows.push_back({text("A"), text("SCAUN " + std::to_string(100 + i)), text("BUC"), amount("2"), amount("150.5"),
                    text("OBIECT DE INVENTAR")});
  return store::sql::ResultSet({"GESTIUNE", "PRODUS", "UM", "CF", "VF", "TIPUL"}, std::move(rows));
}

class InventoryObjectsPagesTest : public testing::LayoutPagesTest {
 protected:
  InventoryObjectsPagesTest()
      : LayoutPagesTest("LMJF",
                        {{"QRLabel83", "SCOALA NR. 1"}, {"QRLabel85", "Stocuri la 05.04.2024"}}) {}
};

TEST_F(InventoryObjectsPagesTest, ObjectsWithTheirStockAndTheValueTotal) {
  const Document pages = generateOver(objects(2));
  ASSERT_EQ(pages.pages.size(), 1u);
  EXPECT_EQ(pages.title, "LISTA DEBITELOR");
  for (const char* heading : {"SCOALA NR. 1", "MIJLOACE FIXE SI OBIECTE DE INVENTAR", "Stocuri la 05.04.2024", "Pag.1"})
    EXPECT_TRUE(findText(pages, 0, heading)) << heading;
  EXPECT_EQ(leftAlignedAt(pages, 0, kLeft + 44.5), (QStringList{"PRODUSUL", "SCAUN 101", "SCAUN 102"}));
  EXPECT_EQ(leftAlignedAt(pages, 0, kLeft + 149.0), (QStringList{"TIP", "OBIECT DE INVENTAR", "OBIECT DE INVENTAR"}));
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 125.4), (QStringList{"2.00", "2.00"}));
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 144.5), (QStringList{"150.50", "150.50", "301.00"}));
}

TEST_F(InventoryObjectsPagesTest, EmptyListingStillPrintsItsFrameAndAZeroTotal) {
  const Document pages = generateOver(objects(0));
  ASSERT_EQ(pages.pages.size(), 1u);
  for (const char* text : {"MIJLOACE FIXE SI OBIECTE DE INVENTAR", "GESTIUNEA", "VALOARE", "TOTAL", "Pag.1"})
    EXPECT_TRUE(findText(pages, 0, text)) << text;
  EXPECT_EQ(rightAlignedAt(pages, 0, kLeft + 144.5), QStringList{"0.00"});
}

TEST_F(InventoryObjectsPagesTest, LongListingNumbersItsPages) {
  const Document pages = generateOver(objects(60));
  ASSERT_EQ(pages.pages.size(), 2u);
  EXPECT_TRUE(findText(pages, 1, "Pag.2"));
  EXPECT_TRUE(findText(pages, 1, "PRODUSUL"));
  EXPECT_TRUE(findText(pages, 1, "9030.00"));
}

}  // namespace
}  // namespace reports

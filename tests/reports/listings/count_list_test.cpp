// The count list's lines: the stock at the date per unit and product, the
// kind of goods from the receipt lines, the order, and the products with
// no stock left out or listed on request.
#include <gtest/gtest.h>

#include "listing_fixture.h"
#include "reports/listings/count_list.h"

namespace reports::testing {
namespace {

const QStringList kColumns{"TIP", "PRODUS", "UM", "CANT", "PRET", "VALOARE"};

class CountListTest : public ListingFixture {
 protected:
  void SetUp() override {
    ListingFixture::SetUp();
    sx = std::make_unique<app::Statements>(*database);
    const QDate march(2006, 3, 1), may(2006, 5, 1);
    addLedger({{march, "MAGAZIE", "HARTIE", "TOP", "10", "250"},
               {march, "MAGAZIE", "CRETA", "CUT", "4", "10"},
               {march, "MAGAZIE", "BANCA", "BUC", "2", "300"},
               {march, "MAGAZIE", "GUMA", "BUC", "3", "3", "3", "3"},
               {may, "MAGAZIE", "HARTIE", "TOP", "0", "0", "5", "125"},
               {may, "MAGAZIE", "CAIET", "BUC", "1", "2"},
               {march, "SALA", "CRETA", "CUT", "1", "2.5"},
               {march, "SALA", "PIX", "BUC", "3", "6"}});
    addReceiptLines({{"MAGAZIE", "HARTIE", "CONSUMABIL"},
                     {"MAGAZIE", "CRETA", "CONSUMABIL"},
                     {"MAGAZIE", "BANCA", "MIJLOC FIX"},
                     {"MAGAZIE", "GUMA", "CONSUMABIL"},
                     {"MAGAZIE", "CAIET", "CONSUMABIL"},
                     {"ALTA", "PIX", "OBIECT DE INVENTAR"}});
  }
  void TearDown() override {
    sx.reset();
    ListingFixture::TearDown();
  }
  std::unique_ptr<app::Statements> sx;
};

TEST_F(CountListTest, OneUnitAtADateByKindThenName) {
  std::vector<CountList> lists = countLists(*sx, "MAGAZIE", QDate(2006, 4, 30), false);
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(lists[0].unit, "MAGAZIE");
  // GUMA is exhausted and CAIET comes after the date; the fixed assets follow the consumables.
  EXPECT_EQ(rowTexts(lists[0].lines, kColumns),
            (QStringList{"CONSUMABIL|CRETA|CUT|4.00|2.50|10.00", "CONSUMABIL|HARTIE|TOP|10.00|25.00|250.00",
                         "MIJLOC FIX|BANCA|BUC|2.00|150.00|300.00"}));
}

TEST_F(CountListTest, ProductsWithoutStockOnRequest) {
  std::vector<CountList> lists = countLists(*sx, "MAGAZIE", QDate(2006, 4, 30), true);
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(rowTexts(lists[0].lines, kColumns),
            (QStringList{"CONSUMABIL|CAIET|BUC|0.00|0.00|0.00", "CONSUMABIL|CRETA|CUT|4.00|2.50|10.00",
                         "CONSUMABIL|GUMA|BUC|0.00|0.00|0.00", "CONSUMABIL|HARTIE|TOP|10.00|25.00|250.00",
                         "MIJLOC FIX|BANCA|BUC|2.00|150.00|300.00"}));
}

// Every unit gets a list of its own; a product no receipt line of the unit
// names takes its kind from another unit's line, or none.
TEST_F(CountListTest, EveryUnitOneListEach) {
  addLedger({{QDate(2006, 3, 1), "SALA", "BURETE", "BUC", "1", "1"}});
  std::vector<CountList> lists = countLists(*sx, QString(), QDate(2006, 12, 31), false);
  ASSERT_EQ(lists.size(), 2u);
  EXPECT_EQ(lists[0].unit, "MAGAZIE");
  EXPECT_EQ(lists[0].lines.recordCount(), 4);  // HARTIE, CRETA, CAIET, BANCA
  EXPECT_EQ(lists[1].unit, "SALA");
  EXPECT_EQ(rowTexts(lists[1].lines, kColumns),
            (QStringList{"CONSUMABIL|CRETA|CUT|1.00|2.50|2.50", "OBIECT DE INVENTAR|PIX|BUC|3.00|2.00|6.00",
                         "NESPECIFICAT|BURETE|BUC|1.00|1.00|1.00"}));
  TLISTARI listari;
  fillCountList(listari, "SCOALA", lists[1], QDate(2006, 12, 31));
  EXPECT_EQ(listari.caption("LInventariere", "Gestiunea"), "Gestiunea: SALA");
  EXPECT_EQ(listari.caption("LInventariere", "Data"), "Stocuri la data de 31.12.2006");
  EXPECT_TRUE(countLists(*sx, "MAGAZIE", QDate(2006, 1, 1), false).empty());
}

}  // namespace
}  // namespace reports::testing

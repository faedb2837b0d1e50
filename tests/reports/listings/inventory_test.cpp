// The inventory's grouping over the ledger: its statements, the rows with
// stock and the exhausted ones, and the total value.
#include <gtest/gtest.h>

#include "listing_fixture.h"
#include "reports/listings/inventory.h"

namespace reports::testing {
namespace {

const QStringList kColumns{"PRODUS", "UM", "TCANT", "TVAL"};

class InventoryTest : public ListingFixture {
 protected:
  void SetUp() override {
    ListingFixture::SetUp();
    inventory = std::make_unique<Inventory>(*database);
    watch(inventory->sx());
  }
  void TearDown() override {
    inventory.reset();
    ListingFixture::TearDown();
  }
  // The ledger: a product with 0.01 left, one at 0, one at -2, one product
  // with two units of measure and held in two units, and an entry with a
  // negative value that must count nowhere.
  void addStock() {
    const QDate day(2024, 3, 5);
    addLedger({{day, "MAGAZIE", "CAIET", "BUC", "10", "25", "9.99", "24.97"},
               {day, "MAGAZIE", "CRETA", "CUT", "2", "10", "2", "10"},
               {day, "MAGAZIE", "GUMA", "BUC", "1", "3", "3", "9"},
               {day, "MAGAZIE", "HARTIE", "TOP", "5", "100"},
               {day, "MAGAZIE", "HARTIE", "KG", "2", "40"},
               {day, "SALA \"MARE\"", "HARTIE", "TOP", "1", "20"},
               {day, "MAGAZIE", "CAIET", "BUC", "5", "-7", "1", "1"}});
  }
  // Mx's rows sorted (rows of one product may come in either order) and the total.
  std::pair<QStringList, int64_t> listing(const QString& unit, bool exhausted) {
    inventory->build(unit, exhausted);
    QStringList rows = rowTexts(inventory->Mx(), kColumns);
    rows.sort();
    int64_t total = 0;
    inventory->addValues(total);
    return {rows, total};
  }

  std::unique_ptr<Inventory> inventory;
};

TEST_F(InventoryTest, StatementsForEveryUnitAndForOneWithQuotesDoubled) {
  inventory->build(QString(), false);
  inventory->build("SALA \"MARE\"", true);
  EXPECT_EQ(sent, (QStringList{"SELECT PRODUS, UM, SUM(CANTIN)-SUM(CANTOUT) AS TCANT,\n"
                               "SUM(VALIN)-SUM(VALOUT) AS TVAL\n"
                               "FROM " + ledgerTable() + "\n"
                               "WHERE VALIN>=0\n"
                               "GROUP BY PRODUS,UM\n"
                               "ORDER BY PRODUS",
                               "SELECT GESTIUNE, PRODUS, UM, SUM(CANTIN)-SUM(CANTOUT) AS TCANT,\n"
                               "SUM(VALIN)-SUM(VALOUT) AS TVAL\n"
                               "FROM " + ledgerTable() + "\n"
                               "WHERE GESTIUNE=\"SALA \"\"MARE\"\"\" AND VALIN>=0\n"
                               "GROUP BY GESTIUNE,PRODUS,UM\n"
                               "ORDER BY GESTIUNE,PRODUS"}));
}

TEST_F(InventoryTest, RowsWithStockAndExhaustedRowsWithTheirTotals) {
  addStock();
  struct Case {
    QString unit;
    bool exhausted;
    QStringList rows;
    int64_t total;
  };
  const Case cases[] = {
      {{}, false, {"CAIET|BUC|0.01|0.03", "HARTIE|KG|2.00|40.00", "HARTIE|TOP|6.00|120.00"}, 1600300},
      {{}, true, {"CRETA|CUT|0.00|0.00", "GUMA|BUC|-2.00|-6.00"}, -60000},
      {"SALA \"MARE\"", false, {"HARTIE|TOP|1.00|20.00"}, 200000},
      {"SALA \"MARE\"", true, {}, 0},
      {"MAGAZIE", false, {"CAIET|BUC|0.01|0.03", "HARTIE|KG|2.00|40.00", "HARTIE|TOP|5.00|100.00"}, 1400300},
  };
  for (const Case& c : cases) {
    const auto [rows, total] = listing(c.unit, c.exhausted);
    EXPECT_EQ(rows, c.rows) << c.unit.toStdString() << " exhausted " << c.exhausted;
    EXPECT_EQ(total, c.total) << c.unit.toStdString() << " exhausted " << c.exhausted;
  }
}

TEST_F(InventoryTest, TheTotalLeavesMxOnItsLastRow) {
  addStock();
  inventory->build(QString(), false);
  int64_t total = 0;
  inventory->addValues(total);
  EXPECT_EQ(inventory->Mx().recordNumber(), 3);
  EXPECT_EQ(inventory->Mx().asText("PRODUS"), "HARTIE");
}

TEST_F(InventoryTest, EmptyLedgerListsNothing) {
  const auto [rows, total] = listing(QString(), false);
  EXPECT_TRUE(rows.isEmpty());
  EXPECT_EQ(total, 0);
  EXPECT_TRUE(inventory->empty());
  inventory->clear();
  EXPECT_FALSE(inventory->isOpen());
}

}  // namespace
}  // namespace reports::testing

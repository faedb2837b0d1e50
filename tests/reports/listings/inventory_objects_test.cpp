// The inventory objects listing over a small ledger and receipt lines: the
// statements as sent, the join on the product name with the greatest
// non-consumable type, the stock per unit and Obi.dbf's lifetime.
#include <gtest/gtest.h>

#include "ledger_fixture.h"
#include "report_rows.h"
#include "reports/listings/inventory_objects.h"

namespace reports::testing {
namespace {

const QStringList kColumns = {"GESTIUNE", "PRODUS", "UM", "CF", "VF", "TIPUL"};

class InventoryObjectsTest : public LedgerFixture {
 protected:
  void SetUp() override {
    LedgerFixture::SetUp();
    listing = std::make_unique<InventoryObjects>(*database);
  }
  void TearDown() override {
    listing.reset();
    LedgerFixture::TearDown();
  }
  std::unique_ptr<InventoryObjects> listing;
};

TEST_F(InventoryObjectsTest, StatementsAreSentAsWritten) {
  QStringList sent;
  listing->sx().setObserver([&sent](const QString& text) { sent << text; });
  listing->open();
  const QString obi = programTable("Obi.dbf");
  EXPECT_EQ(sent, QStringList({
                      "CREATE TABLE " + obi +
                          "\n(GESTIUNE CHAR(32),\n PRODUS CHAR(50),\n UM  CHAR(3),\n CF  DECIMAL(8,2),\n VF  "
                          "DECIMAL(8,2) )",
                      "SELECT GESTIUNE, PRODUS, UM, SUM(CANTIN)-SUM(CANTOUT) AS T1,SUM(VALIN)-SUM(VALOUT) AS T2\nFROM " +
                          dataTable("Gestiuni.dbf") + "\nWHERE VALIN>=0\nGROUP BY GESTIUNE, PRODUS, UM",
                      "SELECT F.GESTIUNE, F.PRODUS, F.UM,F.CF,F.VF, MAX(N.TIP) AS TIPUL\nFROM " + obi +
                          " F\nINNER JOIN " + dataTable("Note.dbf") +
                          " N\nON F.PRODUS=N.PRODUS\nWHERE N.TIP<>\"CONSUMABIL\"\nGROUP BY F.GESTIUNE, F.PRODUS, "
                          "F.UM,F.CF,F.VF\nORDER BY F.GESTIUNE, F.PRODUS",
                  }));
  EXPECT_TRUE(listing->Q1().isEmpty());
}

TEST_F(InventoryObjectsTest, ProductsReceivedAsNonConsumablesWithTheirStockPerUnit) {
  addLedger({
      {QDate(2024, 3, 1), "A", "HARTIE", "TOP", "10", "50"},                     // consumable only
      {QDate(2024, 3, 1), "A", "SCAUN", "BUC", "2", "200"},
      {QDate(2024, 3, 9), "A", "SCAUN", "BUC", "0", "0", "2", "200"},           // down to zero
      {QDate(2024, 3, 9), "A", "SCAUN", "BUC", "-1", "-50"},                    // negative value: left out
      {QDate(2024, 3, 1), "A", "PC", "BUC", "1", "3000"},
      {QDate(2024, 3, 2), "B", "PC", "BUC", "2", "6000.5", "1", "3000.25"},
      {QDate(2024, 3, 3), "A", "MASA", "BUC", "1", "400"},
  });
  addReceiptLines({
      {"A", "HARTIE", "CONSUMABIL"},
      {"A", "SCAUN", "OBIECT DE INVENTAR"},
      {"A", "PC", "CONSUMABIL"},
      {"A", "PC", "MIJLOC FIX"},
      {"A", "MASA", "MIJLOC FIX"},
      {"C", "MASA", "OBIECT DE INVENTAR"},
  });
  listing->open();
  EXPECT_EQ(rowTexts(listing->Q1(), kColumns), QStringList({
                                                   "A|MASA|BUC|1.00|400.00|OBIECT DE INVENTAR",
                                                   "A|PC|BUC|1.00|3000.00|MIJLOC FIX",
                                                   "A|SCAUN|BUC|0.00|0.00|OBIECT DE INVENTAR",
                                                   "B|PC|BUC|1.00|3000.25|MIJLOC FIX",
                                               }));
}

TEST_F(InventoryObjectsTest, ObiIsDeletedOnCloseAndWhenAStockIsTooLarge) {
  listing->open();
  EXPECT_TRUE(scratchExists("Obi.dbf"));
  listing->close();
  EXPECT_FALSE(scratchExists("Obi.dbf"));

  addLedger({{QDate(2024, 2, 1), "A", "P", "BUC", "1", "6000000"}, {QDate(2024, 2, 2), "A", "P", "BUC", "1", "6000000"}});
  expectFailure([this] { listing->open(); }, "Raportul obiectelor de inventar nu se poate face: valoarea 12000000 "
       "nu incape in coloana VF a tabelului temporar Obi.dbf (cel mult 9999999.99).");
  EXPECT_FALSE(scratchExists("Obi.dbf"));
}

}  // namespace
}  // namespace reports::testing

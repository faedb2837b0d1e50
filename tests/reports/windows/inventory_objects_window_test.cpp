// The inventory objects window: the listing in the grid, printing with its
// captions, an empty listing and Obi.dbf's lifetime.
#include "report_window_fixture.h"
#include "reports/windows/inventory_objects_window.h"

namespace reports::testing {
namespace {

class InventoryObjectsWindowTest : public ReportWindowFixture {
 protected:
  void SetUp() override {
    ReportWindowFixture::SetUp();
    window = std::make_unique<InventoryObjectsWindow>(databaseAccess(), listari, institutionName());
  }
  void TearDown() override {
    window.reset();
    ReportWindowFixture::TearDown();
  }
  void open(const std::function<void()>& steps) {
    whileOpen([this] { window->ArataObInv(); }, steps);
  }
  QStringList gridRow(int row) {
    QStringList texts;
    for (int column = 0; column < window->grid()->columnCount(); ++column)
      texts << window->grid()->item(row, column)->text();
    return texts;
  }
  std::unique_ptr<InventoryObjectsWindow> window;
};

TEST_F(InventoryObjectsWindowTest, ShowsAndPrintsTheObjectsWithTheirStock) {
  addLedger({{QDate(2024, 3, 1), "A", "PC", "BUC", "2", "6000.5", "1", "3000.25"},
             {QDate(2024, 3, 1), "A", "HARTIE", "TOP", "5", "50"}});
  addReceiptLines({{"A", "PC", "MIJLOC FIX"}, {"A", "HARTIE", "CONSUMABIL"}});
  open([this] {
    EXPECT_TRUE(scratchExists("Obi.dbf"));
    ASSERT_EQ(window->grid()->rowCount(), 1);
    EXPECT_EQ(gridRow(0), (QStringList{"A", "PC", "BUC", "1.00", "3000.25", "MIJLOC FIX"}));
    const QStringList texts = printed(window->button("ConvexBtn2"));
    EXPECT_EQ(listari.caption("LMJF", "QRLabel85"), "Stocuri la " + today());
    EXPECT_EQ(listari.caption("LMJF", "QRLabel83"), "SCOALA NR. 1");
    EXPECT_EQ(script.shown().back().kind, "Vizualizare : LISTA DEBITELOR");
    EXPECT_EQ(texts, (QStringList{"SCOALA NR. 1", "MIJLOACE FIXE SI OBIECTE DE INVENTAR", "Stocuri la " + today(),
                                  "GESTIUNEA", "PRODUSUL", "U.M.", "CANTITATE", "VALOARE", "TIP", "A", "PC", "BUC",
                                  "1.00", "3000.25", "MIJLOC FIX", "TOTAL", "INTOCMIT,", "3000.25", "Pag.1"}));
  });
  EXPECT_FALSE(scratchExists("Obi.dbf"));
  EXPECT_EQ(window->grid()->rowCount(), 0);
}

TEST_F(InventoryObjectsWindowTest, EmptyListingStillPrintsItsFrame) {
  open([this] {
    EXPECT_EQ(window->grid()->rowCount(), 0);
    const QStringList texts = printed(window->button("ConvexBtn2"));
    EXPECT_EQ(texts, (QStringList{"SCOALA NR. 1", "MIJLOACE FIXE SI OBIECTE DE INVENTAR", "Stocuri la " + today(),
                                  "GESTIUNEA", "PRODUSUL", "U.M.", "CANTITATE", "VALOARE", "TIP", "TOTAL", "INTOCMIT,", "0.00", "Pag.1"}));
  });
  EXPECT_FALSE(scratchExists("Obi.dbf"));
}

TEST_F(InventoryObjectsWindowTest, StockTooLargeForItsColumnIsAnErrorInsteadOfTheWindow) {
  addLedger({{QDate(2024, 2, 1), "A", "P", "BUC", "1", "6000000"}, {QDate(2024, 2, 2), "A", "P", "BUC", "1", "6000000"}});
  script.expectErrorBox();
  window->ArataObInv();
  EXPECT_NE(script.shown().back().text.indexOf("Raportul obiectelor de inventar nu se poate face: valoarea 12000000 "
       "nu incape in coloana VF a tabelului temporar Obi.dbf (cel mult 9999999.99)."), -1)
      << script.shown().back().text.toStdString();
  EXPECT_FALSE(scratchExists("Obi.dbf"));
}

}  // namespace
}  // namespace reports::testing

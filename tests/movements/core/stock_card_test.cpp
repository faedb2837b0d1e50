// The stock card: its rows, running stock, order and the GesT.dbf it writes.
#include <QFile>

#include "store/error.h"
#include "movements_fixture.h"
#include "store/decimal.h"
#include "store/sql/result_set.h"

namespace movements::testing {
namespace {

using StockCardTest = MovementsFixture;

QString money(int64_t v) { return QString::fromStdString(store::decimal::format(v, 2)); }

// (initial quantity, final quantity, initial value, final value) per row.
QStringList stocks(const StockCard& card) {
  QStringList out;
  for (const CardRow& row : card.rows())
    out << money(row.initialQuantity) + ">" + money(row.finalQuantity) + " " + money(row.initialValue) + ">" +
               money(row.finalValue);
  return out;
}

TEST_F(StockCardTest, ThreeMovementsRunFromZeroToZero) {
  ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0", 1);
  ledger(2, "02.03.2006", "A", "CEAI", "0", "0", "4", "10");
  ledger(3, "03.03.2006", "A", "CEAI", "0", "0", "6", "15");
  ledger(4, "01.03.2006", "B", "CEAI", "7", "7", "0", "0");
  card->open();
  card->selectCard("A", "CEAI");
  EXPECT_EQ(stocks(*card), (QStringList{"0.00>10.00 0.00>25.00", "10.00>6.00 25.00>15.00", "6.00>0.00 15.00>0.00"}));
  EXPECT_EQ(card->current(), 2);

  // GesT.dbf in the program folder holds the same rows.
  store::Query tx(*database);
  tx.add("SELECT IDGEST,STOCIC,STOCFC,STOCIV,STOCFV FROM \"" + card->cardFile() + "\"");
  tx.open();
  QStringList written;
  for (tx.rows().first(); !tx.rows().eof(); tx.rows().next())
    written << tx.rows().asText("IDGEST") + ":" + tx.rows().asText("STOCIC") + ">" + tx.rows().asText("STOCFC") +
                   " " + tx.rows().asText("STOCIV") + ">" + tx.rows().asText("STOCFV");
  EXPECT_EQ(written, (QStringList{"1:0>10 0>25", "2:10>6 25>15", "3:6>0 15>0"}));
}

TEST_F(StockCardTest, SameDateInIdgestOrderAndNegativeStockShown) {
  ledger(9, "05.03.2006", "A", "CAFEA", "0", "0", "3", "6");
  ledger(7, "05.03.2006", "A", "CAFEA", "1", "2", "0", "0");
  card->open();
  card->selectCard("A", "CAFEA");
  ASSERT_EQ(card->rows().size(), 2u);
  EXPECT_EQ(card->rows()[0].idgest, "7");
  EXPECT_EQ(stocks(*card), (QStringList{"0.00>1.00 0.00>2.00", "1.00>-2.00 2.00>-4.00"}));
}

TEST_F(StockCardTest, UnitSwitchShowsTheSameProductThereOrNothing) {
  ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0");
  ledger(2, "01.03.2006", "B", "CEAI", "3", "3", "0", "0");
  card->open();
  for (const auto& [unit, count] : std::vector<std::pair<QString, size_t>>{{"A", 1}, {"B", 1}, {"C", 0}}) {
    card->filterUnit(unit);
    card->selectCard(unit, "CEAI");
    ASSERT_EQ(card->rows().size(), count) << unit.toStdString();
    if (count) {
      EXPECT_EQ(card->rows()[0].unit, unit);
    }
  }
  EXPECT_TRUE(card->cardEmpty());
}

TEST_F(StockCardTest, ProductListFollowsTheUnitFilter) {
  ledger(1, "01.03.2006", "A", "CEAPA", "1", "1", "0", "0");
  ledger(2, "01.03.2006", "A", "CEAI", "1", "1", "0", "0");
  ledger(3, "01.03.2006", "B", "CAFEA", "1", "1", "0", "0");
  ledger(4, "01.03.2006", "D'ALE", "PIX", "1", "1", "0", "0");
  card->open();
  auto productsOf = [&](const QString& unit) {
    card->filterUnit(unit);
    QStringList products;
    for (card->B1().first(); !card->B1().eof(); card->B1().next()) products << card->B1().asText("PRODUS");
    return products;
  };
  EXPECT_EQ(productsOf("A"), (QStringList{"CEAI", "CEAPA"}));
  EXPECT_EQ(productsOf("D'ALE"), QStringList{"PIX"});  // an apostrophe in the unit name
}

TEST_F(StockCardTest, EmptyProductGivesAnEmptyCardAndClosingDeletesTheFile) {
  card->open();
  card->selectCard("A", "");
  EXPECT_TRUE(card->cardEmpty());
  EXPECT_TRUE(QFile::exists(card->cardFile()));
  card->close();
  EXPECT_FALSE(QFile::exists(card->cardFile()));
}

TEST_F(StockCardTest, QuotesInTextsReachTheStatementDoubled) {
  ledger(1, "01.03.2006", "MAG \"1\"", "CEAI \"X\"", "2", "2", "0", "0");
  card->open();
  card->selectCard("MAG \"1\"", "CEAI \"X\"");
  EXPECT_EQ(card->rows().size(), 1u);
  EXPECT_TRUE(takeSent().join("\n").contains("WHERE GESTIUNE=\"MAG \"\"1\"\"\" AND PRODUS=\"CEAI \"\"X\"\"\""));
}

TEST_F(StockCardTest, RebuildAskedForDuringARebuildDoesNothing) {
  ledger(1, "01.03.2006", "A", "CEAI", "1", "1", "0", "0");
  card->open();
  int nested = 0;
  card->setEventPump([&] {
    if (card->rebuilding() && nested++ == 0) {
      card->CreazaFisa();
      EXPECT_TRUE(card->rebuilding());
    }
  });
  card->selectCard("A", "CEAI");
  EXPECT_EQ(takeSent().filter("CREATE TABLE").size(), 1);
  EXPECT_FALSE(card->rebuilding());
  EXPECT_EQ(card->rows().size(), 1u);
}

// A stock too large for the card's columns fails the rebuild with a clear
// error; the card can still be rebuilt afterwards.
TEST_F(StockCardTest, FailedRebuildReleasesTheGuard) {
  ledger(1, "01.03.2006", "A", "CEAI", "6000000", "1", "0", "0");
  ledger(2, "02.03.2006", "A", "CEAI", "6000000", "1", "0", "0");
  ledger(3, "01.03.2006", "A", "PIX", "1", "1", "0", "0");
  card->open();
  EXPECT_THROW(card->selectCard("A", "CEAI"), store::StoreError);
  EXPECT_FALSE(card->rebuilding());
  card->selectCard("A", "PIX");
  EXPECT_EQ(card->rows().size(), 1u);
}

}  // namespace
}  // namespace movements::testing

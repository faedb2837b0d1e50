// The receipts centralizer: the month's count, grouping and sum statements,
// receipts only, one row per day, unit and document, and the month's bounds.
#include <gtest/gtest.h>

#include "listing_fixture.h"
#include "reports/listings/receipts_centralizer.h"

namespace reports::testing {
namespace {

class ReceiptsCentralizerTest : public ListingFixture {
 protected:
  void SetUp() override {
    ListingFixture::SetUp();
    centralizer = std::make_unique<ReceiptsCentralizer>(*database);
    watch(centralizer->sx());
  }
  void TearDown() override {
    centralizer.reset();
    ListingFixture::TearDown();
  }
  // March 2024: two lines of one note, a second note in another unit on the
  // last day, consumption and a transfer with entry values, a negative
  // entry; receipts the day before and the day after the month.
  void addReceipts() {
    addLedger({{QDate(2024, 2, 29), "MAGAZIE", "CAIET", "BUC", "1", "5", "0", "0", 1, "NIR 1"},
               {QDate(2024, 3, 1), "MAGAZIE", "CAIET", "BUC", "10", "20", "0", "0", 2, "NIR 2"},
               {QDate(2024, 3, 1), "MAGAZIE", "CRETA", "CUT", "5", "1214.5", "0", "0", 2, "NIR 2"},
               {QDate(2024, 3, 5), "MAGAZIE", "CAIET", "BUC", "0", "0", "2", "4", -1, "BC 1"},
               {QDate(2024, 3, 5), "SALA", "CAIET", "BUC", "2", "4", "0", "0", -1, "TR 1"},
               {QDate(2024, 3, 7), "MAGAZIE", "GUMA", "BUC", "1", "-3", "0", "0", 3, "NIR 3"},
               {QDate(2024, 3, 31), "SALA", "GUMA", "BUC", "4", "8", "0", "0", 4, "NIR 4"},
               {QDate(2024, 4, 1), "SALA", "GUMA", "BUC", "1", "2", "0", "0", 5, "NIR 5"}});
  }

  std::unique_ptr<ReceiptsCentralizer> centralizer;
};

TEST_F(ReceiptsCentralizerTest, CountThenGroupingThenSum) {
  addReceipts();
  centralizer->build(QDate(2024, 3, 17));
  const QString from = "FROM " + ledgerTable();
  const QString where = "WHERE VALIN>=0 AND IDCAP>0 AND DATA>=\"01.03.2024\" AND DATA<\"01.04.2024\"";
  EXPECT_EQ(sent, (QStringList{"SELECT Count(*) AS TOT\n" + from + "\n" + where,
                               "SELECT DATA, GESTIUNE, DOCJUS, SUM(VALIN) AS TOT\n" + from + "\n" + where +
                                   "\nGROUP BY DATA, GESTIUNE, DOCJUS\nORDER BY DATA, GESTIUNE",
                               "SELECT SUM(VALIN) AS TOT\n" + from + "\n" + where}));
}

TEST_F(ReceiptsCentralizerTest, ReceiptsOfTheMonthOneRowPerNote) {
  addReceipts();
  centralizer->build(QDate(2024, 3, 31));
  ASSERT_TRUE(centralizer->isOpen());
  EXPECT_EQ(rowTexts(centralizer->N1(), {"DATA", "GESTIUNE", "DOCJUS", "TOT"}),
            (QStringList{"01.03.2024|MAGAZIE|NIR 2|1234.50", "31.03.2024|SALA|NIR 4|8.00"}));
  EXPECT_EQ(centralizer->total(), 12425000);
}

TEST_F(ReceiptsCentralizerTest, MonthWithoutReceiptsOnlyCounts) {
  addReceipts();
  centralizer->build(QDate(2024, 3, 1));
  ASSERT_TRUE(centralizer->isOpen());
  sent.clear();
  centralizer->build(QDate(2024, 5, 20));
  EXPECT_FALSE(centralizer->isOpen());
  EXPECT_TRUE(centralizer->empty());
  EXPECT_EQ(centralizer->total(), 0);
  ASSERT_EQ(sent.size(), 1);
  EXPECT_TRUE(sent[0].startsWith("SELECT Count(*) AS TOT\n"));
  EXPECT_TRUE(sent[0].endsWith("DATA>=\"01.05.2024\" AND DATA<\"01.06.2024\""));
}

TEST_F(ReceiptsCentralizerTest, DecemberRunsIntoTheNextYear) {
  addLedger({{QDate(2023, 12, 31), "MAGAZIE", "CAIET", "BUC", "1", "5", "0", "0", 1, "NIR 1"},
             {QDate(2024, 1, 1), "MAGAZIE", "CAIET", "BUC", "1", "7", "0", "0", 2, "NIR 2"}});
  centralizer->build(QDate(2023, 12, 1));
  EXPECT_TRUE(sent[0].endsWith("DATA>=\"01.12.2023\" AND DATA<\"01.01.2024\""));
  EXPECT_EQ(rowTexts(centralizer->N1(), {"DATA", "DOCJUS", "TOT"}), QStringList{"31.12.2023|NIR 1|5.00"});
  EXPECT_EQ(centralizer->total(), 50000);
}

}  // namespace
}  // namespace reports::testing

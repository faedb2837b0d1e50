// The entries and exits listing: its statements for each filter, the rows of
// a period, the kinds of operation and the totals.
#include <gtest/gtest.h>

#include "listing_fixture.h"
#include "reports/listings/entries_exits.h"

namespace reports::testing {
namespace {

const QStringList kColumns{"DATA", "PRODUS", "VALIN", "VALOUT", "GESTIUNE"};

class EntriesExitsTest : public ListingFixture {
 protected:
  void SetUp() override {
    ListingFixture::SetUp();
    listing = std::make_unique<EntriesExits>(*database);
    watch(listing->sx());
  }
  void TearDown() override {
    listing.reset();
    ListingFixture::TearDown();
  }
  // March 2024's movements with one on each side of it, an exit without an
  // entry value, a row carrying both, and an entry with a negative value.
  void addMovements() {
    addLedger({{QDate(2024, 2, 29), "MAGAZIE", "CAIET", "BUC", "1", "2"},
               {QDate(2024, 3, 1), "MAGAZIE", "CAIET", "BUC", "10", "20"},
               {QDate(2024, 3, 10), "MAGAZIE", "CAIET", "BUC", "0", "0", "4", "8"},
               {QDate(2024, 3, 12), "SALA", "CAIET", "BUC", "3", "7.5", "1", "2.5"},
               {QDate(2024, 3, 15), "SALA", "CRETA", "CUT", "5", "-5"},
               {QDate(2024, 3, 31), "SALA", "CRETA", "CUT", "2", "4"},
               {QDate(2024, 4, 1), "SALA", "CRETA", "CUT", "1", "2"}});
  }
  static MovementFilter march(Operation operation = Operation::Any, QString unit = {}, QString product = {}) {
    return {QDate(2024, 3, 1), QDate(2024, 3, 31), std::move(unit), std::move(product), operation};
  }

  std::unique_ptr<EntriesExits> listing;
};

TEST_F(EntriesExitsTest, StatementsForEachFilterThenTheTotalsCopy) {
  const QString period = "SELECT *\nFROM " + ledgerTable() + "\nWHERE DATA>=\"01.03.2024\" AND DATA<=\"31.03.2024\"\n";
  const QString sums = "SELECT SUM(VALIN) AS TIN, SUM(VALOUT) AS TOUT\nFROM " + ledgerTable() +
                       "\nWHERE DATA>=\"01.03.2024\" AND DATA<=\"31.03.2024\"\n";
  struct Case {
    MovementFilter filter;
    QString conditions;
  };
  const Case cases[] = {
      {march(), "AND VALIN>=0\n"},
      {march(Operation::Entries, "SALA \"MARE\""),
       "AND GESTIUNE=\"SALA \"\"MARE\"\"\"\nAND VALIN>=0\nAND VALIN>=0.01\n"},
      {march(Operation::Exits, {}, "CAIET \"A4\""),
       "AND PRODUS=\"CAIET \"\"A4\"\"\"\nAND VALIN>=0\nAND VALOUT>=0.01\n"},
      {march(Operation::Any, "SALA", "CAIET"), "AND GESTIUNE=\"SALA\"\nAND PRODUS=\"CAIET\"\nAND VALIN>=0\n"},
  };
  for (const Case& c : cases) {
    sent.clear();
    listing->build(c.filter);
    EXPECT_EQ(sent, (QStringList{sums + c.conditions + " ", period + c.conditions + "ORDER BY DATA, IDGEST"}));
  }
}

TEST_F(EntriesExitsTest, RowsAndTotalsOfEachFilter) {
  addMovements();
  struct Case {
    const char* what;
    MovementFilter filter;
    QStringList rows;
    int64_t in, out;
  };
  const Case cases[] = {
      {"both ends inclusive, negative entries left out", march(),
       {"01.03.2024|CAIET|20.00|0.00|MAGAZIE", "10.03.2024|CAIET|0.00|8.00|MAGAZIE", "12.03.2024|CAIET|7.50|2.50|SALA",
        "31.03.2024|CRETA|4.00|0.00|SALA"},
       315000, 105000},
      {"entries", march(Operation::Entries),
       {"01.03.2024|CAIET|20.00|0.00|MAGAZIE", "12.03.2024|CAIET|7.50|2.50|SALA", "31.03.2024|CRETA|4.00|0.00|SALA"},
       315000, 25000},
      {"exits", march(Operation::Exits),
       {"10.03.2024|CAIET|0.00|8.00|MAGAZIE", "12.03.2024|CAIET|7.50|2.50|SALA"}, 75000, 105000},
      {"a product in every unit", march(Operation::Any, {}, "CAIET"),
       {"01.03.2024|CAIET|20.00|0.00|MAGAZIE", "10.03.2024|CAIET|0.00|8.00|MAGAZIE", "12.03.2024|CAIET|7.50|2.50|SALA"},
       275000, 105000},
      {"a unit", march(Operation::Any, "SALA"),
       {"12.03.2024|CAIET|7.50|2.50|SALA", "31.03.2024|CRETA|4.00|0.00|SALA"}, 115000, 25000},
      {"start after the end", {QDate(2024, 3, 31), QDate(2024, 3, 1), {}, {}, Operation::Any}, {}, 0, 0},
  };
  for (const Case& c : cases) {
    listing->build(c.filter);
    EXPECT_EQ(rowTexts(listing->I1(), kColumns), c.rows) << c.what;
    EXPECT_EQ(listing->totalIn(), c.in) << c.what;
    EXPECT_EQ(listing->totalOut(), c.out) << c.what;
  }
  EXPECT_TRUE(listing->empty());
}

TEST_F(EntriesExitsTest, PeriodStartsOneMonthBack) {
  const std::pair<QDate, QDate> cases[] = {
      {QDate(2024, 3, 31), QDate(2024, 2, 29)},
      {QDate(2023, 3, 31), QDate(2023, 2, 28)},
      {QDate(2024, 5, 31), QDate(2024, 4, 30)},
      {QDate(2024, 1, 15), QDate(2023, 12, 15)},
  };
  for (const auto& [today, start] : cases)
    EXPECT_EQ(periodStart(today), start) << today.toString().toStdString();
}

TEST_F(EntriesExitsTest, UnitAndProductLine) {
  EXPECT_EQ(unitAndProductLine(march()), "");
  EXPECT_EQ(unitAndProductLine(march(Operation::Any, "SALA")), "Gestiunea: SALA");
  EXPECT_EQ(unitAndProductLine(march(Operation::Any, {}, "CAIET")), "  Produsul: CAIET");
  EXPECT_EQ(unitAndProductLine(march(Operation::Any, "SALA", "CAIET")), "Gestiunea: SALA  Produsul: CAIET");
}

}  // namespace
}  // namespace reports::testing

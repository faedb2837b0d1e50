// The cumulative value report's computation over a small ledger: the
// statements as sent, the values per unit before and in the month, the
// month's bounds and the temporary tables' lifetime.
#include <gtest/gtest.h>

#include "ledger_fixture.h"
#include "report_rows.h"
#include "reports/listings/cumulative_report.h"

namespace reports::testing {
namespace {

const QStringList kColumns = {"GESTIUNE", "VINI", "VI", "VO", "VFIN"};

class CumulativeReportTest : public LedgerFixture {
 protected:
  void SetUp() override {
    LedgerFixture::SetUp();
    report = std::make_unique<CumulativeReport>(*database);
  }
  void TearDown() override {
    report.reset();
    LedgerFixture::TearDown();
  }
  QStringList computed(const QDate& day) { return rowTexts(report->compute(day), kColumns); }

  std::unique_ptr<CumulativeReport> report;
};

TEST_F(CumulativeReportTest, StatementsAreSentAsWritten) {
  QStringList sent;
  report->sx().setObserver([&sent](const QString& text) { sent << text; });
  report->compute(QDate(2024, 3, 1));
  const QString ledger = dataTable("Gestiuni.dbf"), rvc = programTable("RVC.dbf"), rvc2 = programTable("RVC2.dbf");
  EXPECT_EQ(sent, QStringList({
                      "CREATE TABLE " + rvc +
                          "\n(GESTIUNE CHAR(32),\n VINI DECIMAL(8,2),\n VI   DECIMAL(8,2),\n VO   DECIMAL(8,2) )",
                      "SELECT GESTIUNE, CAST(SUM(VALIN)-SUM(VALOUT) AS FLOAT) AS V1\nFROM " + ledger +
                          "\nWHERE DATA<\"01.03.2024\"\nGROUP BY GESTIUNE\nORDER BY GESTIUNE",
                      "SELECT GESTIUNE, CAST(SUM(VALIN) AS FLOAT) AS V1,CAST(SUM(VALOUT) AS FLOAT) AS V2\nFROM " +
                          ledger +
                          "\nWHERE DATA>=\"01.03.2024\"\nAND DATA<\"01.04.2024\"\nGROUP BY GESTIUNE\nORDER BY GESTIUNE",
                      "CREATE TABLE " + rvc2 +
                          "\n(GESTIUNE CHAR(32),\n VINI DECIMAL(8,2),\n VI   DECIMAL(8,2),\n VO   DECIMAL(8,2),\n "
                          "VFIN DECIMAL(8,2) )",
                      "SELECT GESTIUNE, SUM(VINI) AS S1, SUM(VI) AS S2, SUM(VO) AS S3\nFROM " + rvc +
                          "\nGROUP BY GESTIUNE\nORDER BY GESTIUNE",
                      "UPDATE " + rvc2 + "\nSET VFIN=VINI+VI-VO",
                      "DELETE FROM " + rvc2 + "\nWHERE GESTIUNE=\"\" OR GESTIUNE IS NULL",
                      "SELECT * FROM " + rvc2 + "\nORDER BY GESTIUNE",
                  }));
}

TEST_F(CumulativeReportTest, EachUnitGetsItsValuesBeforeAndInTheMonth) {
  addLedger({
      {QDate(2024, 1, 10), "VECHE", "CAIET", "BUC", "10", "100", "3", "30"},  // only before the month
      {QDate(2024, 2, 29), "NULA", "CAIET", "BUC", "1", "50", "1", "50"},     // only before, all values 0
      {QDate(2024, 3, 15), "NOUA", "CAIET", "BUC", "4", "40"},                // first movement in the month
      {QDate(2024, 3, 1), "A", "HARTIE", "TOP", "1", "10.10"},
      {QDate(2024, 3, 31), "A", "TUS", "BUC", "0", "0", "1", "1.05"},
      {QDate(2024, 4, 1), "A", "TUS", "BUC", "9", "999"},  // next month: outside
      {QDate(2024, 3, 2), "B", "HARTIE", "TOP", "2", "20.20", "1", "2.02"},
      {QDate(2024, 3, 3), "C", "HARTIE", "TOP", "1", "0.10"},
      {QDate(2024, 3, 4), "C", "TUS", "BUC", "1", "0.20"},
      {QDate(2024, 3, 5), "", "HARTIE", "TOP", "1", "7"},  // blank unit: dropped
  });
  const QStringList expected = {
      "A|0.00|10.10|1.05|9.05",         "B|0.00|20.20|2.02|18.18",       "C|0.00|0.30|0.00|0.30",
      "NOUA|0.00|40.00|0.00|40.00",     "NULA|0.00|0.00|0.00|0.00",      "VECHE|70.00|0.00|0.00|70.00",
  };
  EXPECT_EQ(computed(QDate(2024, 3, 1)), expected);
  report->close();
  // Any day of the month gives the month's report.
  EXPECT_EQ(computed(QDate(2024, 3, 17)), expected);
  report->close();
  // From April on, March's movements are the opening value.
  EXPECT_EQ(computed(QDate(2024, 4, 30)).first(), "A|9.05|999.00|0.00|1008.05");
}

TEST_F(CumulativeReportTest, ScratchTablesAreDeletedAlsoWhenASumIsTooLarge) {
  addLedger({{QDate(2024, 3, 5), "A", "CAIET", "BUC", "1", "10"}});
  report->compute(QDate(2024, 3, 1));
  EXPECT_FALSE(scratchExists("RVC.dbf"));
  EXPECT_TRUE(scratchExists("RVC2.dbf"));
  report->close();
  EXPECT_FALSE(scratchExists("RVC2.dbf"));

  // Each case adds to the ledger: the late failure comes first.
  struct Case {
    const char* what;
    std::vector<LedgerRow> rows;
    const char* message;
  };
  const Case cases[] = {
      {"final value", {{QDate(2024, 2, 1), "B", "P", "BUC", "1", "6000000"}, {QDate(2024, 3, 2), "B", "P", "BUC", "1", "6000000"}},
       "Raportul valoric cumulativ nu se poate face: valoarea 12000000 "
       "nu incape in coloana VFIN a tabelului temporar RVC2.dbf (cel mult 9999999.99)."},
      {"value before the month", {{QDate(2024, 2, 1), "C", "P", "BUC", "1", "6000000"}, {QDate(2024, 2, 2), "C", "P", "BUC", "1", "6000000"}},
       "Raportul valoric cumulativ nu se poate face: valoarea 12000000 "
       "nu incape in coloana VINI a tabelului temporar RVC.dbf (cel mult 9999999.99)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    addLedger(c.rows);
    expectFailure([this] { report->compute(QDate(2024, 3, 1)); }, c.message);
    EXPECT_FALSE(scratchExists("RVC.dbf"));
    EXPECT_FALSE(scratchExists("RVC2.dbf"));
  }
}

}  // namespace
}  // namespace reports::testing

// The monthly report's computation over a small ledger: the statements as
// sent, the month's bounds, the pruning, the closing stock, the temporary
// tables' lifetime and what a too large sum does.
#include <gtest/gtest.h>

#include "ledger_fixture.h"
#include "report_rows.h"
#include "reports/listings/monthly_report.h"

namespace reports::testing {
namespace {

const QStringList kColumns = {"GESTIUNE", "PRODUS", "CINI", "CI", "CO", "CFIN", "VINI", "VI", "VO", "VFIN"};

class MonthlyReportTest : public LedgerFixture {
 protected:
  void SetUp() override {
    LedgerFixture::SetUp();
    report = std::make_unique<MonthlyReport>(*database);
  }
  void TearDown() override {
    report.reset();
    LedgerFixture::TearDown();
  }
  // The printed rows of the month starting on `firstDay` (all units, or `unit`'s).
  QStringList computed(const QDate& firstDay, const QString& unit = QString()) {
    report->FaRaportLuna(MonthlyReport::defaultResultPath(), firstDay);
    return rowTexts(report->openRows(unit), kColumns);
  }

  std::unique_ptr<MonthlyReport> report;
};

TEST_F(MonthlyReportTest, StatementsAreSentAsWrittenWithTheUnitQuoted) {
  addLedger({{QDate(2024, 3, 5), "MAGAZIA \"NORD\"", "HARTIE", "TOP", "2", "20"},
             {QDate(2024, 3, 5), "MAGAZIE", "HARTIE", "TOP", "1", "10"}});
  QStringList sent;
  report->sx().setObserver([&sent](const QString& text) { sent << text; });
  std::vector<int> positions;
  report->FaRaportLuna(MonthlyReport::defaultResultPath(), QDate(2024, 3, 1),
                       [&positions](int position) { positions.push_back(position); });
  store::sql::ResultSet& rows = report->openRows("MAGAZIA \"NORD\"");

  const QString ledger = dataTable("Gestiuni.dbf"), r1 = programTable("R1.dbf"), r2 = programTable("R2.dbf");
  EXPECT_EQ(sent, QStringList({
                      "CREATE TABLE " + r1 +
                          "\n( GESTIUNE CHAR(32),\nPRODUS CHAR(50),\nCINI DECIMAL(8,2),\nCI DECIMAL(8,2),\nCO "
                          "DECIMAL(8,2),\nVINI DECIMAL(8,2),\nVI DECIMAL(8,2),\nVO DECIMAL(8,2) )",
                      "SELECT GESTIUNE, PRODUS, SUM(CANTIN)-SUM(CANTOUT) AS TC,\nSUM(VALIN)-SUM(VALOUT) AS TV\nFROM " +
                          ledger + "\nWHERE DATA<\"01.03.2024\"\nGROUP BY GESTIUNE, PRODUS",
                      "SELECT GESTIUNE, PRODUS, SUM(CANTIN) AS T1, SUM(CANTOUT) AS T2,SUM(VALIN) As T3,SUM(VALOUT) "
                      "AS T4\nFROM " +
                          ledger + "\nWHERE DATA>=\"01.03.2024\"\nAND DATA<\"01.04.2024\"\nGROUP BY GESTIUNE, PRODUS",
                      "CREATE TABLE " + r2 +
                          "\n( GESTIUNE CHAR(32),\nPRODUS CHAR(50),\nCINI DECIMAL(8,2),\nCI DECIMAL(8,2),\nCO "
                          "DECIMAL(8,2),\nCFIN DECIMAL(8,2),\nVINI DECIMAL(8,2),\nVI DECIMAL(8,2),\nVO "
                          "DECIMAL(8,2),\nVFIN DECIMAL(8,2) )",
                      "SELECT GESTIUNE, PRODUS, SUM(CINI) AS C1, SUM(VINI) AS C2, SUM(CI) AS C3,SUM(CO) AS "
                      "C4,SUM(VI) AS C5,SUM(VO) AS C6\nFROM " +
                          r1 + "\nGROUP BY GESTIUNE, PRODUS\nORDER BY GESTIUNE,PRODUS",
                      "UPDATE " + r2 + "\nSET CFIN=CINI+CI-CO,\nVFIN=VINI+VI-VO",
                      "DELETE FROM " + r2 + "\nWHERE PRODUS IS NULL OR VINI+VI+VO = 0",
                      "SELECT * FROM " + r2 + "\nWHERE GESTIUNE=\"MAGAZIA \"\"NORD\"\"\"\nORDER BY GESTIUNE, PRODUS",
                  }));
  EXPECT_EQ(positions, (std::vector<int>{30, 60, 70, 80, 90, 100}));
  EXPECT_EQ(rowTexts(rows, kColumns),
            QStringList{"MAGAZIA \"NORD\"|HARTIE|0.00|2.00|0.00|2.00|0.00|20.00|0.00|20.00"});
}

TEST_F(MonthlyReportTest, MonthRunsFromItsFirstDayToTheLastAndClosesTheStock) {
  addLedger({
      {QDate(2024, 2, 29), "A", "CAIET", "BUC", "10", "100"},              // opening
      {QDate(2024, 3, 1), "A", "CAIET", "BUC", "1", "5"},                  // first day: in the month
      {QDate(2024, 3, 31), "A", "CAIET", "BUC", "0", "0", "2", "20"},      // last day: in the month
      {QDate(2024, 4, 1), "A", "CAIET", "BUC", "7", "70"},                 // next month: out
      {QDate(), "A", "CAIET", "BUC", "100", "1000"},                       // no date: nowhere
      {QDate(2024, 1, 10), "B", "CAIET", "BUC", "3", "30.5", "1", "10.25"},  // opening in another unit
      {QDate(2024, 3, 10), "B", "TUS", "BUC", "4", "8.8", "1", "2.2"},
  });
  EXPECT_EQ(computed(QDate(2024, 3, 1)), QStringList({
                                             "A|CAIET|10.00|1.00|2.00|9.00|100.00|5.00|20.00|85.00",
                                             "B|CAIET|2.00|0.00|0.00|2.00|20.25|0.00|0.00|20.25",
                                             "B|TUS|0.00|4.00|1.00|3.00|0.00|8.80|2.20|6.60",
                                         }));
  report->close();
  // The first day of a month is outside the month before it.
  EXPECT_EQ(computed(QDate(2024, 2, 1)), QStringList({
                                             "A|CAIET|0.00|10.00|0.00|10.00|0.00|100.00|0.00|100.00",
                                             "B|CAIET|2.00|0.00|0.00|2.00|20.25|0.00|0.00|20.25",
                                         }));
}

TEST_F(MonthlyReportTest, DecemberEndsOnTheFirstOfJanuary) {
  addLedger({{QDate(2023, 12, 31), "A", "CAIET", "BUC", "1", "10"},
             {QDate(2024, 1, 1), "A", "CAIET", "BUC", "5", "50"}});
  QStringList sent;
  report->sx().setObserver([&sent](const QString& text) { sent << text; });
  EXPECT_EQ(computed(QDate(2023, 12, 1)), QStringList{"A|CAIET|0.00|1.00|0.00|1.00|0.00|10.00|0.00|10.00"});
  EXPECT_TRUE(sent.at(2).contains("WHERE DATA>=\"01.12.2023\"\nAND DATA<\"01.01.2024\"")) << sent.at(2).toStdString();
}

TEST_F(MonthlyReportTest, QuietMonthListsOnlyProductsWithAnOpeningValue) {
  addLedger({
      {QDate(2024, 1, 5), "A", "CAIET", "BUC", "4", "50"},
      {QDate(2024, 1, 5), "A", "GRATUIT", "BUC", "5", "0"},  // quantity without value: pruned
      {QDate(2024, 1, 5), "A", "", "BUC", "1", "10"},       // blank product: pruned
      {QDate(2024, 1, 5), "B", "VECHI", "BUC", "2", "6", "2", "6"},
  });
  EXPECT_EQ(computed(QDate(2024, 5, 1)), QStringList{"A|CAIET|4.00|0.00|0.00|4.00|50.00|0.00|0.00|50.00"});
}

TEST_F(MonthlyReportTest, ChosenUnitGivesOnlyItsRows) {
  addLedger({{QDate(2024, 3, 5), "A", "CAIET", "BUC", "1", "10"}, {QDate(2024, 3, 5), "B", "CAIET", "BUC", "2", "20"}});
  EXPECT_EQ(computed(QDate(2024, 3, 1), "B"), QStringList{"B|CAIET|0.00|2.00|0.00|2.00|0.00|20.00|0.00|20.00"});
}

TEST_F(MonthlyReportTest, ScratchTablesLiveAsLongAsTheyAreNeeded) {
  addLedger({{QDate(2024, 3, 5), "A", "CAIET", "BUC", "1", "10"}});
  report->FaRaportLuna(MonthlyReport::defaultResultPath(), QDate(2024, 3, 1));
  EXPECT_FALSE(scratchExists("R1.dbf"));
  EXPECT_TRUE(scratchExists("R2.dbf"));
  report->openRows(QString());
  report->close();
  EXPECT_FALSE(scratchExists("R2.dbf"));
  // A second run over the first one's leftovers starts afresh.
  report->FaRaportLuna(MonthlyReport::defaultResultPath(), QDate(2024, 3, 1));
  report->FaRaportLuna(MonthlyReport::defaultResultPath(), QDate(2024, 3, 1));
  EXPECT_EQ(rowTexts(report->openRows(QString()), kColumns).size(), 1);
}

TEST_F(MonthlyReportTest, WidestValuesFitAndLargerSumsFailNamingTableColumnAndValue) {
  // DECIMAL(8,2) is stored as N(10,2): up to 9999999.99.
  addLedger({{QDate(2024, 2, 1), "A", "MAX", "BUC", "9999999.99", "9999999.99"}});
  EXPECT_EQ(computed(QDate(2024, 3, 1)),
            QStringList{"A|MAX|9999999.99|0.00|0.00|9999999.99|9999999.99|0.00|0.00|9999999.99"});
  report->close();

  struct Case {
    const char* what;
    std::vector<LedgerRow> rows;
    const char* message;
  };
  // Each case adds to the ledger: the late failure comes first.
  const Case cases[] = {
      {"closing value", {{QDate(2024, 2, 1), "B", "P", "BUC", "1", "6000000"}, {QDate(2024, 3, 2), "B", "P", "BUC", "1", "6000000"}},
       "Raportul lunar nu se poate face: valoarea 12000000 "
       "nu incape in coloana VFIN a tabelului temporar R2.dbf (cel mult 9999999.99)."},
      {"opening sum", {{QDate(2024, 2, 1), "A", "P", "BUC", "1", "6000000"}, {QDate(2024, 2, 2), "A", "P", "BUC", "1", "6000000"}},
       "Raportul lunar nu se poate face: valoarea 12000000 "
       "nu incape in coloana VINI a tabelului temporar R1.dbf (cel mult 9999999.99)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    addLedger(c.rows);
    expectFailure([this] { report->FaRaportLuna(MonthlyReport::defaultResultPath(), QDate(2024, 3, 1)); }, c.message);
    EXPECT_FALSE(scratchExists("R1.dbf"));
    EXPECT_FALSE(scratchExists("R2.dbf"));
  }
}

}  // namespace
}  // namespace reports::testing

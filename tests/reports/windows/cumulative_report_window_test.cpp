// The cumulative value report window: the month it opens on, printing with
// its captions and the temporary tables afterwards.
#include "report_window_fixture.h"
#include "reports/windows/cumulative_report_window.h"

namespace reports::testing {
namespace {

class CumulativeReportWindowTest : public ReportWindowFixture {
 protected:
  void SetUp() override {
    ReportWindowFixture::SetUp();
    window = std::make_unique<CumulativeReportWindow>(databaseAccess(), listari, institutionName());
  }
  void TearDown() override {
    window.reset();
    ReportWindowFixture::TearDown();
  }
  std::unique_ptr<CumulativeReportWindow> window;
};

TEST_F(CumulativeReportWindowTest, PrintsTheChosenMonthPerUnit) {
  addLedger({{QDate(2024, 2, 10), "ATELIER", "CAIET", "BUC", "1", "12.5"},
             {QDate(2024, 3, 5), "MAGAZIE", "CAIET", "BUC", "2", "20", "1", "5"}});
  whileOpen([this] { window->ArataRapValCum(); },
            [this] {
              EXPECT_EQ(window->monthBox()->date(), QDate::currentDate());
              EXPECT_EQ(window->monthBox()->displayFormat(), "MM.yyyy");
              window->monthBox()->setDate(QDate(2024, 3, 17));
              const QStringList texts =
                  printed(window->button("ConvexBtn2"), [] { EXPECT_TRUE(scratchExists("RVC2.dbf")); });
              EXPECT_EQ(listari.caption("LRVC", "QRLabel69"), "Luna 03.2024");
              EXPECT_EQ(listari.caption("LRVC", "QRLabel64"), "SCOALA NR. 1");
              EXPECT_EQ(listari.caption("LRVC", "QRLabel65"), today());
              EXPECT_EQ(script.shown().back().kind, "Vizualizare : LISTA DEBITELOR");
              // Title, column captions, two numbered units, totals, page number.
              EXPECT_EQ(texts, (QStringList{"SCOALA NR. 1", today(), "RAPORT VALORIC CUMULATIV,", "Luna 03.2024",
                                            "Nr.crt.", "GESTIUNEA", "INITIAL", "INTRARI", "IESIRI", "STOC FINAL",
                                            "1", "ATELIER", "12.50", "0.00", "0.00", "12.50",
                                            "2", "MAGAZIE", "0.00", "20.00", "5.00", "15.00",
                                            "TOTAL", "INTOCMIT,", "12.50", "20.00", "5.00", "27.50", "Pag.1"}));
              EXPECT_FALSE(scratchExists("RVC.dbf"));
              EXPECT_FALSE(scratchExists("RVC2.dbf"));
            });
}

TEST_F(CumulativeReportWindowTest, FailedComputationShowsTheErrorAndLeavesNoTables) {
  addLedger({{QDate(2024, 2, 1), "A", "P", "BUC", "1", "6000000"}, {QDate(2024, 3, 2), "A", "P", "BUC", "1", "6000000"}});
  whileOpen([this] { window->ArataRapValCum(); },
            [this] {
              window->monthBox()->setDate(QDate(2024, 3, 1));
              script.expectErrorBox();
              window->button("ConvexBtn2")->click();
              EXPECT_NE(script.shown().back().text.indexOf("Raportul valoric cumulativ nu se poate face: valoarea 12000000 "
       "nu incape in coloana VFIN a tabelului temporar RVC2.dbf (cel mult 9999999.99)."), -1)
                  << script.shown().back().text.toStdString();
              EXPECT_FALSE(scratchExists("RVC.dbf"));
              EXPECT_FALSE(scratchExists("RVC2.dbf"));
            });
}

}  // namespace
}  // namespace reports::testing

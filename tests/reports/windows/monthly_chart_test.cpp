// The monthly report window's chart: the month's entries and exits summed
// per unit from the rows the report computed, shown beside the window and
// following the month chosen.
#include "app/windows/progress_counter.h"
#include "charts/chart_window.h"
#include "report_window_fixture.h"
#include "reports/windows/monthly_report_window.h"

namespace reports::testing {
namespace {

class MonthlyChartTest : public ReportWindowFixture {
 protected:
  void SetUp() override {
    ReportWindowFixture::SetUp();
    window = std::make_unique<MonthlyReportWindow>(databaseAccess(), listari, institutionName(), counter);
    addReceiptLines({{"MAGAZIE", "CAIET", "CONSUMABIL"}, {"ATELIER", "TUS", "CONSUMABIL"}});
    addLedger({{QDate(2024, 3, 5), "MAGAZIE", "CAIET", "BUC", "10", "20"},
               {QDate(2024, 3, 6), "MAGAZIE", "HARTIE", "BUC", "5", "12.5"},
               {QDate(2024, 3, 7), "MAGAZIE", "CAIET", "BUC", "0", "0", "4", "8"},
               {QDate(2024, 3, 8), "ATELIER", "TUS", "BUC", "2", "7.5"},
               {QDate(2024, 4, 2), "ATELIER", "TUS", "BUC", "0", "0", "1", "3.75"}});
  }
  void TearDown() override {
    window.reset();
    ReportWindowFixture::TearDown();
  }

  app::ProgressCounter counter;
  std::unique_ptr<MonthlyReportWindow> window;
};

TEST_F(MonthlyChartTest, UnitsTotalsOfTheMonthAndTheChartFollowsTheMonth) {
  whileOpen([this] { window->ArataRapLunVar(); },
            [this] {
              window->monthList()->setCurrentIndex(2);
              window->yearBox()->setValue(2024);
              window->button("GraficBtn")->click();
              charts::ChartWindow& chart = window->chartWindow();
              EXPECT_TRUE(chart.isVisible());
              EXPECT_EQ(chart.windowTitle(), "GRAFIC RAPORT LUNAR");
              EXPECT_EQ(chart.sheet().subject, "Intrari si iesiri pe gestiuni, luna Martie.2024");
              EXPECT_FALSE(scratchExists("R1.dbf"));
              EXPECT_FALSE(scratchExists("R2.dbf"));
              // April: the chart follows the month chosen.
              window->monthList()->setCurrentIndex(3);
              EXPECT_EQ(chart.sheet().subject, "Intrari si iesiri pe gestiuni, luna Aprilie.2024");
              EXPECT_FALSE(scratchExists("R2.dbf"));
            });
  EXPECT_FALSE(window->chartWindow().isVisible());
}

TEST_F(MonthlyChartTest, ARefusedYearShowsNoChart) {
  whileOpen([this] { window->ArataRapLunVar(); },
            [this] {
              window->yearBox()->setValue(1989);
              window->button("GraficBtn")->click();
              EXPECT_EQ(ui::Balloon::current() ? ui::Balloon::current()->message() : QString(),
                        "Nu inteleg data asta ciudata !?");
            });
}

}  // namespace
}  // namespace reports::testing

// How long the stock chart of a card of 50,000 movements takes: its series
// computed from the card's rows, then the charts built and drawn off screen
// at a window's width, with the step line thinned to its pixel columns and,
// for comparison, with every step drawn.
#include <QApplication>
#include <cstdio>

#include "bench_run.h"
#include "charts/chart_picture.h"
#include "charts/stock_chart.h"
#include "store/decimal.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  constexpr int kMovements = 50000;
  constexpr int kWidth = 1000, kChartHeight = 430;
  const QDate today = QDate::currentDate();
  std::vector<movements::CardRow> rows;
  rows.reserve(kMovements);
  int64_t stock = 0;
  for (int i = 0; i < kMovements; ++i) {
    movements::CardRow row;
    row.date = today.addDays(-(kMovements - i) / 20);  // twenty movements a day over about seven years
    if (i % 5 == 0 || stock < 40 * store::decimal::kScale) row.quantityIn = (40 + i % 13) * store::decimal::kScale;
    else row.quantityOut = (1 + i % 9) * store::decimal::kScale;
    stock += row.quantityIn - row.quantityOut;
    row.finalQuantity = stock;
    rows.push_back(row);
  }
  charts::ChartSheet sheet;
  const double series = bench::medianMs([&] { sheet = charts::stockSheet(rows, "MAGAZIE", "CAIET", today); }, 5);
  const double thinned = bench::medianMs([&] { charts::chartPicture(sheet, kWidth, kChartHeight, 1); }, 5);
  charts::ChartSheet everyStep = sheet;
  everyStep.build = [&](int) { return sheet.build(kMovements * 4); };
  const double whole = bench::medianMs([&] { charts::chartPicture(everyStep, kWidth, kChartHeight, 1); }, 3);
  std::printf("stock chart of a card of %d movements, %d pixels wide\n", kMovements, kWidth);
  std::printf("  series from the card's rows        %8.1f ms\n", series);
  std::printf("  charts built and drawn, thinned    %8.1f ms  (goal: well under 1000 ms with the series)\n", thinned);
  std::printf("  charts built and drawn, every step %8.1f ms\n", whole);
  return 0;
}

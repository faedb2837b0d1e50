// The stock chart's series computed from small cards: the steps and their
// markers, the exits per month, their average and the months of stock left,
// and the thinning of a long step line to a few points per pixel column.
#include <gtest/gtest.h>

#include <algorithm>

#include "movements/stock_series.h"
#include "store/decimal.h"

namespace movements {
namespace {

constexpr int64_t k = store::decimal::kScale;

// A card row as CreazaFisa builds it: quantities in whole units.
struct Movement {
  const char* date;
  int64_t in, out;
};

std::vector<CardRow> cardOf(std::initializer_list<Movement> movements) {
  std::vector<CardRow> rows;
  int64_t stock = 0;
  for (const Movement& m : movements) {
    CardRow row;
    row.date = QDate::fromString(m.date, "dd.MM.yyyy");
    row.initialQuantity = stock;
    row.quantityIn = m.in * k;
    row.quantityOut = m.out * k;
    stock += row.quantityIn - row.quantityOut;
    row.finalQuantity = stock;
    rows.push_back(row);
  }
  return rows;
}

const QDate kToday(2024, 6, 15);

double dayOf(const char* date) {
  return double(QDate::fromString(date, "dd.MM.yyyy").startOfDay().toMSecsSinceEpoch());
}

TEST(StockSeriesTest, EveryMovementIsAStepFromTheStockBeforeToTheStockAfter) {
  const std::vector<StockStep> steps =
      stockSteps(cardOf({{"10.01.2024", 10, 0}, {"20.01.2024", 0, 4}, {"05.02.2024", 0, 6}}));
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].quantity, 10 * k);
  EXPECT_TRUE(steps[0].receipt);
  EXPECT_EQ(steps[1].quantity, 6 * k);
  EXPECT_FALSE(steps[1].receipt);
  EXPECT_EQ(steps[2].quantity, 0);
  EXPECT_EQ(stepLine(steps),
            (std::vector<QPointF>{{dayOf("10.01.2024"), 0},
                                  {dayOf("10.01.2024"), 10},
                                  {dayOf("20.01.2024"), 10},
                                  {dayOf("20.01.2024"), 6},
                                  {dayOf("05.02.2024"), 6},
                                  {dayOf("05.02.2024"), 0}}));
  EXPECT_EQ(stepMarkers(steps, true), (std::vector<QPointF>{{dayOf("10.01.2024"), 10}}));
  EXPECT_EQ(stepMarkers(steps, false), (std::vector<QPointF>{{dayOf("20.01.2024"), 6}, {dayOf("05.02.2024"), 0}}));
}

TEST(StockSeriesTest, ExitsAreSummedPerMonthOverTheLast24Months) {
  const Consumption c = consumptionOf(cardOf({{"10.05.2022", 100, 0},   // before the 24 months
                                              {"20.05.2022", 0, 7},     // out of the window
                                              {"01.07.2022", 0, 3},     // the first month shown
                                              {"31.07.2022", 0, 2},
                                              {"15.03.2024", 0, 5},
                                              {"01.06.2024", 0, 1}}),
                                      kToday);
  ASSERT_EQ(c.months.size(), 24u);
  EXPECT_EQ(c.months.front().month, QDate(2022, 7, 1));
  EXPECT_EQ(c.months.back().month, QDate(2024, 6, 1));
  EXPECT_EQ(c.months[0].quantity, 5 * k);
  EXPECT_EQ(c.months[20].quantity, 5 * k);  // March 2024
  EXPECT_EQ(c.months[23].quantity, 1 * k);
  // 11 out over the 24 months shown: 0.4583 a month.
  EXPECT_EQ(c.average, 4583);
  EXPECT_EQ(c.stock, 82 * k);
}

// Months of stock left = stock / average month, printed with one decimal and a decimal comma.
TEST(StockSeriesTest, MonthsOfStockLeftAtTheAverageRate) {
  struct Case {
    const char* what;
    std::vector<CardRow> card;
    int64_t average;
    std::optional<int64_t> monthsLeft;
    const char* text;
  };
  const Case cases[] = {
      // A card started in January: six months lived, 12 out, 2 a month, 7 left.
      {"young card",
       cardOf({{"05.01.2024", 19, 0}, {"10.02.2024", 0, 4}, {"10.04.2024", 0, 8}}),
       2 * k, 35000, "Stoc pentru aprox. 3,5 luni"},
      {"no exits", cardOf({{"05.01.2024", 19, 0}, {"05.03.2024", 5, 0}}), 0, std::nullopt,
       "Fara iesiri in ultimele 24 de luni"},
      {"emptied", cardOf({{"05.01.2024", 6, 0}, {"05.03.2024", 0, 6}}), 1 * k, std::nullopt, "Stoc epuizat"},
      // Emptied in February, refilled in May: 12 out over six months, 9 in stock.
      {"emptied and refilled",
       cardOf({{"05.01.2024", 12, 0}, {"05.02.2024", 0, 12}, {"05.05.2024", 9, 0}}),
       2 * k, 45000, "Stoc pentru aprox. 4,5 luni"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Consumption consumption = consumptionOf(c.card, kToday);
    EXPECT_EQ(consumption.average, c.average);
    EXPECT_EQ(consumption.monthsLeft, c.monthsLeft);
    EXPECT_EQ(stockLeftText(consumption), c.text);
  }
}

TEST(StockSeriesTest, EmptiedAndRefilledCardStepsDownToZeroAndBackUp) {
  const std::vector<StockStep> steps =
      stockSteps(cardOf({{"05.01.2024", 12, 0}, {"05.02.2024", 0, 12}, {"05.05.2024", 9, 0}}));
  std::vector<int64_t> quantities;
  for (const StockStep& s : steps) quantities.push_back(s.quantity);
  EXPECT_EQ(quantities, (std::vector<int64_t>{12 * k, 0, 9 * k}));
  EXPECT_EQ(stepMarkers(steps, true).size(), 2u);
  EXPECT_EQ(stepMarkers(steps, false).size(), 1u);
}

// A long line keeps at most four points per column: each column's first,
// lowest, highest and last, so the extremes and both ends survive.
TEST(StockSeriesTest, ThinnedLineKeepsEachColumnsExtremesAndEnds) {
  std::vector<QPointF> line;
  for (int i = 0; i < 50000; ++i) line.emplace_back(i, (i * 7919) % 1000 + (i == 31234 ? 5000 : 0));
  const std::vector<QPointF> thinned = thinnedLine(line, 500);
  EXPECT_LE(thinned.size(), 2000u);
  EXPECT_EQ(thinned.front(), line.front());
  EXPECT_EQ(thinned.back(), line.back());
  EXPECT_TRUE(std::is_sorted(thinned.begin(), thinned.end(), [](auto& a, auto& b) { return a.x() < b.x(); }));
  const auto byY = [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); };
  EXPECT_EQ(std::max_element(thinned.begin(), thinned.end(), byY)->y(), 5000 + (31234 * 7919) % 1000);
  EXPECT_EQ(std::min_element(thinned.begin(), thinned.end(), byY)->y(), 0);
  // Every column of 100 points keeps its own extremes.
  for (int column = 0; column < 500; ++column) {
    double low = 1e9, high = -1e9;
    for (int i = column * 100; i < column * 100 + 100; ++i) {
      low = std::min(low, line[size_t(i)].y());
      high = std::max(high, line[size_t(i)].y());
    }
    const auto kept = [&](double y) {
      return std::any_of(thinned.begin(), thinned.end(),
                         [&](const QPointF& p) { return p.y() == y && int(p.x()) / 100 == column; });
    };
    ASSERT_TRUE(kept(low) && kept(high)) << "column " << column;
  }
  const std::vector<QPointF> markers = thinnedMarkers(line, 500);
  EXPECT_LE(markers.size(), 500u);
  EXPECT_EQ(markers.back(), line.back());
}

TEST(StockSeriesTest, ShortLinesAndSameDayStepsAreKeptWhole) {
  const std::vector<QPointF> few{{1, 0}, {1, 5}, {2, 5}, {2, 3}};
  EXPECT_EQ(thinnedLine(few, 1), few);
  // Every movement on one day: one column, its steps' extremes kept.
  std::vector<QPointF> sameDay;
  for (int i = 0; i < 40; ++i) sameDay.emplace_back(7, i == 0 ? 5 : i == 10 ? 0 : i == 20 ? 100 : i == 39 ? 7 : 3);
  EXPECT_EQ(thinnedLine(sameDay, 3), (std::vector<QPointF>{{7, 5}, {7, 0}, {7, 100}, {7, 7}}));
}

}  // namespace
}  // namespace movements

// Series of the stock chart: steps, monthly exits, months of stock left.
#include "movements/stock_series.h"

#include <algorithm>

#include "store/decimal.h"

namespace movements {

namespace {

// A date's local midnight in milliseconds since the epoch. The time zone
// lookup is slow and a card holds many movements a day: the last day's
// answer is kept.
class DayStart {
 public:
  double operator()(const QDate& date) {
    if (date != day_) {
      day_ = date;
      milliseconds_ = double(date.startOfDay().toMSecsSinceEpoch());
    }
    return milliseconds_;
  }

 private:
  QDate day_;
  double milliseconds_ = 0;
};

// numerator / denominator rounded to the nearest whole number, ties to even.
// REQUIRES: denominator > 0.
int64_t dividedRounded(__int128 numerator, __int128 denominator) {
  __int128 quotient = numerator / denominator, remainder = numerator % denominator;
  if (remainder < 0) {
    remainder += denominator;
    --quotient;
  }
  const __int128 twice = 2 * remainder;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
  return static_cast<int64_t>(quotient);
}

int monthIndex(const QDate& date) { return date.year() * 12 + date.month() - 1; }

// Walks `points` column by column: `take`(first, last) gets each non-empty
// column's half-open range of points.
template <typename Take>
void byColumn(const std::vector<QPointF>& points, int columns, Take take) {
  if (points.empty()) return;
  const double from = points.front().x(), span = points.back().x() - from;
  const auto columnOf = [&](const QPointF& p) {
    return span <= 0 ? 0 : std::min(columns - 1, int((p.x() - from) / span * columns));
  };
  size_t begin = 0;
  while (begin < points.size()) {
    const int column = columnOf(points[begin]);
    size_t end = begin + 1;
    while (end < points.size() && columnOf(points[end]) == column) ++end;
    take(begin, end);
    begin = end;
  }
}

}  // namespace

std::vector<StockStep> stockSteps(const std::vector<CardRow>& rows) {
  std::vector<StockStep> steps;
  steps.reserve(rows.size());
  for (const CardRow& row : rows)
    if (row.date.isValid()) steps.push_back({row.date, row.finalQuantity, row.quantityIn != 0});
  return steps;
}

std::vector<QPointF> stepLine(const std::vector<StockStep>& steps) {
  std::vector<QPointF> line;
  line.reserve(steps.size() * 2);
  double before = 0;
  DayStart millisecondsOf;
  for (const StockStep& step : steps) {
    const double x = millisecondsOf(step.date), after = store::decimal::toDouble(step.quantity);
    line.emplace_back(x, before);
    line.emplace_back(x, after);
    before = after;
  }
  return line;
}

std::vector<QPointF> stepMarkers(const std::vector<StockStep>& steps, bool receipts) {
  std::vector<QPointF> markers;
  DayStart millisecondsOf;
  for (const StockStep& step : steps)
    if (step.receipt == receipts)
      markers.emplace_back(millisecondsOf(step.date), store::decimal::toDouble(step.quantity));
  return markers;
}

std::vector<QPointF> thinnedLine(const std::vector<QPointF>& points, int columns) {
  if (columns < 1 || points.size() <= size_t(columns) * 4) return points;
  std::vector<QPointF> kept;
  kept.reserve(size_t(columns) * 4);
  byColumn(points, columns, [&](size_t first, size_t end) {
    const auto [lowest, highest] = std::minmax_element(
        points.begin() + first, points.begin() + end, [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    std::vector<size_t> chosen{first, size_t(lowest - points.begin()), size_t(highest - points.begin()), end - 1};
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    for (size_t i : chosen) kept.push_back(points[i]);
  });
  return kept;
}

std::vector<QPointF> thinnedMarkers(const std::vector<QPointF>& points, int columns) {
  if (columns < 1 || points.size() <= size_t(columns)) return points;
  std::vector<QPointF> kept;
  byColumn(points, columns, [&](size_t, size_t end) { kept.push_back(points[end - 1]); });
  return kept;
}

Consumption consumptionOf(const std::vector<CardRow>& rows, const QDate& today, int count) {
  Consumption result;
  const QDate firstMonth = QDate(today.year(), today.month(), 1).addMonths(1 - count);
  for (int i = 0; i < count; ++i) result.months.push_back({firstMonth.addMonths(i), 0});
  const int firstIndex = monthIndex(firstMonth);
  std::optional<int> cardStart;
  for (const CardRow& row : rows) {
    result.stock = row.finalQuantity;
    if (!row.date.isValid()) continue;
    cardStart = std::min(cardStart.value_or(monthIndex(row.date)), monthIndex(row.date));
    const int slot = monthIndex(row.date) - firstIndex;
    if (slot >= 0 && slot < count) result.months[size_t(slot)].quantity += row.quantityOut;
  }
  int64_t total = 0;
  for (const MonthAmount& month : result.months) total += month.quantity;
  // The months of the card's life within the ones shown, today's included.
  const int lived = std::clamp(monthIndex(today) - std::max(cardStart.value_or(firstIndex), firstIndex) + 1, 1, count);
  result.average = dividedRounded(total, lived);
  if (result.average > 0 && result.stock > 0)
    result.monthsLeft = dividedRounded(__int128(result.stock) * store::decimal::kScale, result.average);
  return result;
}

QString stockLeftText(const Consumption& consumption) {
  if (consumption.stock <= 0) return "Stoc epuizat";
  if (!consumption.monthsLeft)
    return QString("Fara iesiri in ultimele %1 de luni").arg(consumption.months.size());
  const QString months = QString::fromStdString(store::decimal::format(*consumption.monthsLeft, 1));
  return "Stoc pentru aprox. " + QString(months).replace('.', ',') + " luni";
}

}  // namespace movements

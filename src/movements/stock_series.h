// The stock card as the series of its chart, without widgets.
//
// From the card's movements: the stock quantity after every movement
// (receipts and exits told apart), the quantity that went out in each of
// the last months, the average a month and how long the stock lasts at
// that rate. The step line and its markers can be thinned to a few points
// per pixel column, keeping each column's lowest and highest stock, so a
// card of tens of thousands of movements draws at once with its steps'
// shape intact.
#pragma once

#include <QDate>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "movements/stock_card.h"

namespace movements {

// The stock quantity after one movement; a receipt is a movement that
// brought a quantity in, anything else an exit.
struct StockStep {
  QDate date;
  int64_t quantity = 0;  // ten-thousandths
  bool receipt = false;
};

// One step per dated movement, in the card's order.
std::vector<StockStep> stockSteps(const std::vector<CardRow>& rows);

// The step line of the stock: x the movement's date as milliseconds since
// the epoch (a time axis's unit), y the quantity; every movement a vertical
// step at its date from the stock before it to the stock after it,
// starting from 0 before the first.
std::vector<QPointF> stepLine(const std::vector<StockStep>& steps);
// The markers of the receipts (or of the exits) at the stock after each.
std::vector<QPointF> stepMarkers(const std::vector<StockStep>& steps, bool receipts);

// `points` (x ascending) with at most four per column when the x range is
// cut into `columns` equal columns: each column's first, lowest, highest
// and last point, in their order. Fewer points than four per column come
// back unchanged.
std::vector<QPointF> thinnedLine(const std::vector<QPointF>& points, int columns);
// At most one marker per column: the column's last.
std::vector<QPointF> thinnedMarkers(const std::vector<QPointF>& points, int columns);

struct MonthAmount {
  QDate month;           // its first day
  int64_t quantity = 0;  // ten-thousandths
};

// What went out of the card month by month and how long its stock lasts.
struct Consumption {
  std::vector<MonthAmount> months;  // the last months up to today's, oldest first
  // A month's average over the months shown since the card's first
  // movement (a younger card is not averaged over months it did not exist).
  int64_t average = 0;
  int64_t stock = 0;                  // after the last movement
  std::optional<int64_t> monthsLeft;  // stock / average, ten-thousandths; none without exits or stock
};

// The quantities out (consumption, transfers) per month for `count` months
// ending with the month of `today`.
Consumption consumptionOf(const std::vector<CardRow>& rows, const QDate& today, int count = 24);

// "Stoc pentru aprox. 3,5 luni" (one decimal, decimal comma), "Stoc epuizat"
// without stock, or "Fara iesiri in ultimele 24 de luni" when nothing went out.
QString stockLeftText(const Consumption& consumption);

}  // namespace movements

// The stock card's two charts: the stock quantity over time as a step line
// with the receipts and exits marked in two colours, and the quantity out
// per month as bars with the month's average as a line.
#pragma once

#include <QChart>
#include <vector>

#include "charts/chart_picture.h"
#include "movements/stock_series.h"

namespace charts {

// A new chart (the caller owns it) whose line keeps at most a few points
// per one of `columns` pixel columns.
QChart* stockLevelChart(const std::vector<movements::StockStep>& steps, int columns);
QChart* consumptionChart(const movements::Consumption& consumption);

// The sheet of the card of `product` in `unit` as it stands on `today`: its
// stock over time above its exits of the last 24 months, with the months
// its stock lasts as the note (none for an empty card).
ChartSheet stockSheet(const std::vector<movements::CardRow>& rows, const QString& unit, const QString& product,
                      const QDate& today);

// Charts' shared look: Romanian texts, amounts as "#,##0.00".
void setChartLook(QChart& chart, const QString& title);

}  // namespace charts

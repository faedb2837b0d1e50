// The monthly report's chart: the month's entries and exits of each unit,
// by value, as two bars per unit.
#pragma once

#include <QChart>
#include <vector>

#include "charts/chart_picture.h"
#include "reports/listings/unit_totals.h"

namespace charts {

// A new chart (the caller owns it) of `month` ("luna Martie.2024").
QChart* unitMovementsChart(const std::vector<reports::UnitTotals>& totals, const QString& month);
// The sheet of that one chart.
ChartSheet unitSheet(std::vector<reports::UnitTotals> totals, const QString& month);

}  // namespace charts

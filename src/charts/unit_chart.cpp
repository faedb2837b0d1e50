// Building the monthly report's chart.
#include "charts/unit_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QValueAxis>

#include "charts/stock_chart.h"
#include "charts/chart_picture.h"
#include "store/decimal.h"

namespace charts {

QChart* unitMovementsChart(const std::vector<reports::UnitTotals>& totals, const QString& month) {
  auto* chart = new QChart;
  setChartLook(*chart, "Intrari si iesiri pe gestiuni, " + month);
  auto* entries = new QBarSet("Intrari");
  entries->setColor(kEntryColour);
  auto* exits = new QBarSet("Iesiri");
  exits->setColor(kExitColour);
  QStringList units;
  for (const reports::UnitTotals& unit : totals) {
    *entries << store::decimal::toDouble(unit.valueIn);
    *exits << store::decimal::toDouble(unit.valueOut);
    units << unit.unit;
  }
  auto* series = new QBarSeries;
  series->append({entries, exits});
  auto* unitAxis = new QBarCategoryAxis;
  unitAxis->append(units);
  unitAxis->setTitleText("Gestiunea");
  auto* value = new QValueAxis;
  value->setTitleText("Valoare");
  value->setLabelFormat("%.2f");
  chart->addAxis(unitAxis, Qt::AlignBottom);
  chart->addAxis(value, Qt::AlignLeft);
  chart->addSeries(series);
  series->attachAxis(unitAxis);
  series->attachAxis(value);
  value->setMin(0);
  value->applyNiceNumbers();
  return chart;
}

ChartSheet unitSheet(std::vector<reports::UnitTotals> totals, const QString& month) {
  return {"GRAFIC RAPORT LUNAR", "Intrari si iesiri pe gestiuni, " + month, QString(),
          [totals = std::move(totals), month](int) { return std::vector<QChart*>{unitMovementsChart(totals, month)}; }};
}

}  // namespace charts

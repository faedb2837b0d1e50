// Building the stock card's charts.
#include "charts/stock_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include "charts/chart_picture.h"
#include "store/decimal.h"

namespace charts {

namespace {

QList<QPointF> listOf(const std::vector<QPointF>& points) { return QList<QPointF>(points.begin(), points.end()); }

QScatterSeries* markers(const QString& name, const QColor& colour, const std::vector<QPointF>& points) {
  auto* series = new QScatterSeries;
  series->setName(name);
  series->setColor(colour);
  series->setBorderColor(colour);
  series->setMarkerSize(7);
  series->replace(listOf(points));
  return series;
}

QValueAxis* amountAxis(const QString& title) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setLabelFormat("%.2f");
  return axis;
}

}  // namespace

void setChartLook(QChart& chart, const QString& title) {
  chart.setTitle(title);
  // The program's number format: "." before the decimals, "," between thousands.
  chart.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  chart.setLocalizeNumbers(true);
  chart.setAnimationOptions(QChart::NoAnimation);
  chart.legend()->setAlignment(Qt::AlignBottom);
}

QChart* stockLevelChart(const std::vector<movements::StockStep>& steps, int columns) {
  auto* chart = new QChart;
  setChartLook(*chart, "Stocul in timp");
  auto* line = new QLineSeries;
  line->setName("Stoc");
  line->replace(listOf(movements::thinnedLine(movements::stepLine(steps), columns)));
  auto* receipts = markers("Intrari", kEntryColour,
                           movements::thinnedMarkers(movements::stepMarkers(steps, true), columns));
  auto* exits = markers("Iesiri", kExitColour, movements::thinnedMarkers(movements::stepMarkers(steps, false), columns));
  auto* time = new QDateTimeAxis;
  time->setTitleText("Data");
  time->setFormat("MM.yyyy");
  auto* quantity = amountAxis("Cantitate");
  chart->addAxis(time, Qt::AlignBottom);
  chart->addAxis(quantity, Qt::AlignLeft);
  for (QXYSeries* series : std::initializer_list<QXYSeries*>{line, receipts, exits}) {
    chart->addSeries(series);
    series->attachAxis(time);
    series->attachAxis(quantity);
  }
  // The stock holds from the last movement until today; a short (or empty)
  // card still spans a few months, so its month labels differ.
  const QDate last = steps.empty() ? QDate::currentDate() : std::max(steps.back().date, QDate::currentDate());
  const QDate first = steps.empty() ? last : steps.front().date;
  if (!steps.empty())
    line->append(double(last.startOfDay().toMSecsSinceEpoch()), store::decimal::toDouble(steps.back().quantity));
  time->setRange(std::min(first, last.addMonths(-4)).startOfDay(), last.startOfDay());
  // From 0 (or a negative stock) to the highest step, with room above it for its marker.
  int64_t lowest = 0, highest = 0;
  for (const movements::StockStep& step : steps) {
    lowest = std::min(lowest, step.quantity);
    highest = std::max(highest, step.quantity);
  }
  quantity->setRange(store::decimal::toDouble(lowest), highest > 0 ? store::decimal::toDouble(highest) * 1.1 : 1);
  quantity->applyNiceNumbers();
  return chart;
}

QChart* consumptionChart(const movements::Consumption& consumption) {
  auto* chart = new QChart;
  setChartLook(*chart, QString("Iesiri pe luna, ultimele %1 de luni").arg(consumption.months.size()));
  auto* bars = new QBarSet("Cantitate iesita");
  bars->setColor(kExitColour);
  QStringList months;
  for (const movements::MonthAmount& month : consumption.months) {
    *bars << store::decimal::toDouble(month.quantity);
    months << month.month.toString("MM.yyyy");
  }
  auto* series = new QBarSeries;
  series->append(bars);
  auto* average = new QLineSeries;
  average->setName("Media lunara: " +
                   chart->locale().toString(store::decimal::toDouble(consumption.average), 'f', 2));
  average->append(0, store::decimal::toDouble(consumption.average));
  average->append(qMax(0, int(months.size()) - 1), store::decimal::toDouble(consumption.average));
  QPen pen(QColor(0x1f, 0x4e, 0x9c));
  pen.setWidthF(2);
  average->setPen(pen);
  auto* monthAxis = new QBarCategoryAxis;
  monthAxis->append(months);
  monthAxis->setTitleText("Luna");
  monthAxis->setLabelsAngle(-90);
  monthAxis->setTruncateLabels(false);  // turned labels have their room, though not a category's width
  auto* quantity = amountAxis("Cantitate");
  chart->addAxis(monthAxis, Qt::AlignBottom);
  chart->addAxis(quantity, Qt::AlignLeft);
  chart->addSeries(series);
  chart->addSeries(average);
  for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{series, average}) {
    s->attachAxis(monthAxis);
    s->attachAxis(quantity);
  }
  int64_t highest = consumption.average;
  for (const movements::MonthAmount& month : consumption.months) highest = std::max(highest, month.quantity);
  quantity->setRange(0, highest > 0 ? store::decimal::toDouble(highest) * 1.1 : 1);
  quantity->applyNiceNumbers();
  return chart;
}

ChartSheet stockSheet(const std::vector<movements::CardRow>& rows, const QString& unit, const QString& product,
                      const QDate& today) {
  std::vector<movements::StockStep> steps = movements::stockSteps(rows);
  movements::Consumption consumption = movements::consumptionOf(rows, today);
  const QString note = rows.empty() ? QString() : movements::stockLeftText(consumption);
  return {"GRAFIC FISA", "Produsul : " + product.trimmed() + "    Gestiunea : " + unit.trimmed(), note,
          [steps = std::move(steps), consumption = std::move(consumption)](int columns) {
            return std::vector<QChart*>{stockLevelChart(steps, columns), consumptionChart(consumption)};
          }};
}

}  // namespace charts

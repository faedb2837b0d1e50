// Times what each report window computes on a generated ledger, warm (the
// tables' images already cached): the statements, the temporary tables and
// the totals, for the ledger's last month and for every unit. Each figure is
// the median wall time of repeated runs, beside the median processor time of
// the process (which other programs on a loaded machine do not inflate) and,
// where the report has one, its goal.
// Usage: report_bench [--rows N]   (1,000,000 by default)
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "app/settings.h"
#include "bench_run.h"
#include "reports/listings/cumulative_report.h"
#include "reports/listings/entries_exits.h"
#include "reports/listings/inventory.h"
#include "reports/listings/inventory_objects.h"
#include "reports/listings/month.h"
#include "reports/listings/monthly_report.h"
#include "reports/listings/receipts_centralizer.h"
#include "store/query.h"

namespace {

double processorMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The median processor time of seven runs of `run`, in milliseconds.
double medianProcessorMs(const std::function<void()>& run) {
  std::vector<double> times;
  for (int i = 0; i < 7; ++i) {
    const double start = processorMs();
    run();
    times.push_back(processorMs() - start);
  }
  std::nth_element(times.begin(), times.begin() + 3, times.end());
  return times[3];
}

// `goalMs` 0: the report has no goal of its own.
void report(const char* name, const std::function<QString()>& run, double goalMs = 0) {
  QString rows;
  try {
    rows = run();  // loads what the report reads: the runs timed are warm
    const double wallMs = bench::medianMs([&] { rows = run(); });
    const double cpuMs = medianProcessorMs([&] { rows = run(); });
    std::printf("%-28s %9.1f ms  (cpu %7.1f ms)", name, wallMs, cpuMs);
    if (goalMs > 0) std::printf("  goal < %.0f ms", goalMs);
    std::printf("  %s\n", qPrintable(rows));
  } catch (const std::exception& error) {
    std::printf("%-28s failed: %s\n", name, error.what());
  }
  std::fflush(stdout);
}

QString count(int rows) { return QString::number(rows) + " rows"; }

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const bench::GeneratedHome home(application.arguments(), 1000000);
  const int64_t rows = home.rows();
  store::Database database(app::dataFolder());

  store::Query lastDay(database);
  lastDay.add("SELECT MAX(DATA) AS LAST FROM \"" + app::dataFolder() + "/Gestiuni.dbf\"");
  lastDay.open();
  const QDate month = reports::PrimaZi(lastDay.rows().asDate("LAST").value_or(QDate::currentDate()));
  std::printf("%lld ledger rows, month %s\n", static_cast<long long>(rows), qPrintable(month.toString("MM.yyyy")));

  using namespace reports;
  Inventory inventory(database);
  report("inventory, all units", [&] {
    inventory.build(QString(), false);
    int64_t total = 0;
    inventory.addValues(total);
    return count(inventory.Mx().recordCount());
  });
  report("inventory, exhausted", [&] {
    inventory.build(QString(), true);
    int64_t total = 0;
    inventory.addValues(total);
    return count(inventory.Mx().recordCount());
  });
  EntriesExits entriesExits(database);
  report("entries and exits, month", [&] {
    entriesExits.build({month, nextMonthStart(month).addDays(-1)});
    return count(entriesExits.I1().recordCount());
  });
  report("entries and exits, year", [&] {
    entriesExits.build({month.addYears(-1), month});
    return count(entriesExits.I1().recordCount());
  });
  ReceiptsCentralizer centralizer(database);
  report("receipts centralizer", [&] {
    centralizer.build(month);
    return count(centralizer.empty() ? 0 : centralizer.N1().recordCount());
  });
  MonthlyReport monthly(database);
  report("monthly report, computed", [&] {
    monthly.FaRaportLuna(MonthlyReport::defaultResultPath(), month);
    return QString();
  });
  report("monthly report, rows read", [&] { return count(monthly.openRows(QString()).recordCount()); });
  report("monthly report, whole", [&] {
    monthly.FaRaportLuna(MonthlyReport::defaultResultPath(), month);
    const int printed = monthly.openRows(QString()).recordCount();
    monthly.close();
    return count(printed);
  }, 150);
  CumulativeReport cumulative(database);
  report("cumulative values", [&] {
    const int printed = cumulative.compute(month).recordCount();
    cumulative.close();
    return count(printed);
  });
  InventoryObjects objects(database);
  report("inventory objects", [&] {
    objects.open();
    const int printed = objects.Q1().recordCount();
    objects.close();
    return count(printed);
  }, 50);
  return 0;
}

// How long "Verificare date" takes on a generated ledger (1,000,000 rows
// unless --rows N is given): reading the three tables (which the program's
// start-up has done before the administrator can ask for the check), the
// first check over them and the checks after it.
//
// Usage: data_check_bench [--rows N]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "admin/data_check.h"
#include "app/settings.h"
#include "bench_run.h"
#include "store/database.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const bench::GeneratedHome home(application.arguments(), 1000000);
  store::Database database(app::dataFolder());
  QElapsedTimer timer;
  timer.start();
  for (const char* table : {"CapNote.dbf", "Note.dbf", "Gestiuni.dbf"}) database.image(app::dataFolder() + "/" + table);
  const double readMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  timer.restart();
  int progressCalls = 0;
  const admin::DataCheckResult first = admin::checkData(database, [&](int) { ++progressCalls; });
  const double firstMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  const double againMs = bench::medianMs([&] { admin::checkData(database); }, 3);
  std::printf("data check of %lld ledger rows\n", static_cast<long long>(home.rows()));
  std::printf("  tables read            %8.0f ms  (done by the start-up's index rebuild)\n", readMs);
  std::printf("  first check            %8.0f ms  (goal: a few seconds)\n", firstMs);
  std::printf("  again (median of 3)    %8.0f ms\n", againMs);
  std::printf("  findings %lld, counters behind %zu, progress steps %d\n",
              static_cast<long long>(first.findings.size()), first.counters.size(), progressCalls);
  return 0;
}

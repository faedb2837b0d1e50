// The benchmarks' generated program folder and timing.
#include "bench_run.h"

#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <vector>

#include "app/settings.h"
#include "ledger_generator.h"

namespace bench {

GeneratedHome::GeneratedHome(const QStringList& arguments, int64_t defaultRows) : rows_(defaultRows) {
  if (const qsizetype at = arguments.indexOf("--rows"); at >= 0 && at + 1 < arguments.size())
    rows_ = arguments.at(at + 1).toLongLong();
  qputenv("VARNELA_HOME", home_.path().toUtf8());
  QDir().mkpath(app::dataFolder());
  generateLedger(app::dataFolder(), rows_);
}

GeneratedHome::~GeneratedHome() { qunsetenv("VARNELA_HOME"); }

double medianMs(const std::function<void()>& run, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    run();
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace bench

// Times the stock card rebuild on a generated ledger: the product with the
// most movements in its unit, warm (the ledger's image already cached).
// Usage: movements_card_bench [--rows N]   (1,000,000 by default)
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "app/settings.h"
#include "ledger_generator.h"
#include "movements/stock_card.h"
#include "store/query.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  int64_t rows = 1000000;
  const QStringList arguments = application.arguments();
  if (const qsizetype at = arguments.indexOf("--rows"); at >= 0 && at + 1 < arguments.size())
    rows = arguments.at(at + 1).toLongLong();
  QTemporaryDir home;
  qputenv("VARNELA_HOME", home.path().toUtf8());
  QDir().mkpath(app::dataFolder());
  bench::generateLedger(app::dataFolder(), rows);
  store::Database database(app::dataFolder());

  store::Query busiest(database);
  busiest.add("SELECT GESTIUNE,PRODUS,COUNT(*) AS N FROM \"" + app::dataFolder() + "/Gestiuni.dbf\"");
  busiest.add("GROUP BY GESTIUNE,PRODUS ORDER BY N DESC");
  busiest.open();
  busiest.rows().first();
  const QString unit = busiest.rows().asText("GESTIUNE"), product = busiest.rows().asText("PRODUS");

  movements::StockCard card(database);
  card.open();
  card.filterUnit(unit);
  card.selectCard(unit, product);  // warms the cache
  constexpr int kRuns = 20;
  QElapsedTimer timer;
  timer.start();
  // Alternating with an empty card makes every run reopen F1, as typing does.
  for (int run = 0; run < kRuns; ++run) {
    card.selectCard(unit, QString());
    card.selectCard(unit, product);
  }
  std::printf("%lld ledger rows; card of %s in %s: %zu rows, %.2f ms per rebuild (warm)\n",
              static_cast<long long>(rows), qPrintable(product), qPrintable(unit), card.rows().size(),
              static_cast<double>(timer.nsecsElapsed()) / 1e6 / kRuns);
  card.close();
  return 0;
}

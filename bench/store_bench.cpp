// The store benchmark: the program's heaviest statements on a large ledger,
// against SQLite on the same rows.
//
// Usage: store_bench --rows N        (generates a ledger in a temporary folder)
//        store_bench --data FOLDER   (uses an existing Data folder, read only
//                                     except for the rebuild, run on a copy)
// Prints one line per query: NAME ours=12.3ms sqlite=45.6ms ratio=0.27, where
// sqlite is the better of SQLite with and without an index on (GESTIUNE,
// PRODUS) and ratio = ours / sqlite; then the rebuild times and peak memory.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "bench_run.h"
#include "ledger_generator.h"
#include "sqlite_mirror.h"
#include "store/codepage.h"
#include "store/database.h"
#include "store/date.h"
#include "store/decimal.h"
#include "store/index_rebuild.h"
#include "store/query.h"
#include "store/schema.h"
#include "store/table_object.h"

namespace {

long peakMemoryKb() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return 0;
}

QString sqlDate(int32_t julianDay) { return QString::fromStdString(store::date::formatDisplay(julianDay)); }

// One benchmark query in our dialect and in SQLite's (dates as Julian days).
struct BenchQuery {
  std::string name;
  std::vector<QString> ours;  // statements run one after another
  std::vector<std::string> sqlite;
};

// SQLite in memory, with or without an index on (GESTIUNE, PRODUS).
class Sqlite {
 public:
  explicit Sqlite(bool withIndex) : mirror_(":memory:", "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"), withIndex_(withIndex) {}
  void load(const std::string& name, const store::dbase::TableImage& image) {
    mirror_.load(name, image);
    if (withIndex_ && name == "Gestiuni") mirror_.exec("CREATE INDEX GP ON Gestiuni (GESTIUNE, PRODUS)");
  }
  void run(const std::string& sql) { mirror_.run(sql); }

 private:
  bench::SqliteMirror mirror_;
  bool withIndex_;
};

void copyFolder(const QString& from, const QString& to) {
  QDir().mkpath(to);
  for (const QString& name : QDir(from).entryList(QDir::Files)) QFile::copy(from + "/" + name, to + "/" + name);
}

// The start-up rebuild: detach and delete every index, pack the tables and
// create the five tags.
double rebuild(store::Database& db, const QString& data) {
  QElapsedTimer timer;
  timer.start();
  store::Query sx(db);
  store::TableObject sursa(db);
  for (const char* table : {"CapNote.dbf", "Note.dbf", "Gestiuni.dbf"}) store::RemoveIndex(db, data + "/" + table);
  auto ignore = [](const QString&) {};
  store::StergePuneIndex(sx, sursa, data + "/CapNote.dbf", {}, ignore);
  store::StergePuneIndex(sx, sursa, data + "/Note.dbf", {"IDNOTA", "IDCAP"}, ignore);
  store::StergePuneIndex(sx, sursa, data + "/Gestiuni.dbf", {"IDNOTA", "IDCAP", "IDGEST"}, ignore);
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int runBench(const QStringList& args) {
  QTemporaryDir scratch(QDir::tempPath() + "/varnela-bench-XXXXXX");
  QString data = scratch.path() + "/Data";
  if (args.size() >= 3 && args[1] == "--data") {
    copyFolder(args[2], data);
    std::printf("data folder %s\n", qPrintable(args[2]));
  } else {
    int64_t rows = args.size() >= 3 && args[1] == "--rows" ? args[2].toLongLong() : 100000;
    QDir().mkpath(data);
    // Generated in a child process, so the peak memory measured below is the
    // engine's alone.
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
      QElapsedTimer timer;
      timer.start();
      bench::LedgerSize size = bench::generateLedger(data, rows);
      std::printf("generated %lld ledger rows, %lld note lines, %lld notes in %.1f s\n",
                  static_cast<long long>(size.ledgerRows), static_cast<long long>(size.noteRows),
                  static_cast<long long>(size.headerRows), timer.elapsed() / 1000.0);
      std::fflush(stdout);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
  }
  qint64 tableBytes = 0;
  for (const QFileInfo& file : QDir(data).entryInfoList(QDir::Files)) tableBytes += file.size();

  store::Database db(data);
  {
    // A Data folder without some of its tables gets them empty, as at the program's start.
    store::Query sx(db);
    store::CreazaBaze(sx, data);
  }
  const QString gestiuni = QDir::toNativeSeparators(data + "/Gestiuni.dbf");

  // Pick the busiest unit-product pair and one of median size, and a month.
  store::Query pairs(db);
  pairs.add("SELECT GESTIUNE, PRODUS, COUNT(*) AS N FROM \"" + gestiuni + "\" GROUP BY GESTIUNE, PRODUS ORDER BY N");
  pairs.open();
  auto& pairRows = pairs.rows();
  if (pairRows.isEmpty()) {
    std::fprintf(stderr, "store_bench: the ledger Gestiuni.dbf has no rows to measure\n");
    return 1;
  }
  pairRows.last();
  QString busyUnit = pairRows.asText("GESTIUNE"), busyProduct = pairRows.asText("PRODUS");
  int64_t busyCount = pairRows.asNumber("N") / store::decimal::kScale;
  pairRows.first();
  for (int i = 0; i < pairRows.recordCount() / 2; ++i) pairRows.next();
  QString typicalUnit = pairRows.asText("GESTIUNE"), typicalProduct = pairRows.asText("PRODUS");
  int64_t typicalCount = pairRows.asNumber("N") / store::decimal::kScale;
  pairs.close();
  store::Query dates(db);
  dates.add("SELECT MAX(DATA) AS LAST FROM \"" + gestiuni + "\"");
  dates.open();
  auto lastDay = dates.rows().asDate("LAST");
  QDate last = lastDay.value_or(QDate(2024, 12, 31));
  QDate first(last.year(), last.month(), 1);
  int32_t monthStart = store::date::julianDay(first.year(), first.month(), 1);
  QDate nextMonth = first.addMonths(1);
  int32_t monthNext = store::date::julianDay(nextMonth.year(), nextMonth.month(), 1);
  int32_t stockDay = monthStart - 200;
  std::printf("busiest pair %lld rows, typical pair %lld rows\n", static_cast<long long>(busyCount),
              static_cast<long long>(typicalCount));

  auto quoted = [](const QString& s) { return "\"" + s + "\""; };
  auto sq = [](const QString& s) { return "'" + QString(s).replace("'", "''").toStdString() + "'"; };
  auto card = [&](const QString& unit, const QString& product) {
    return QString("SELECT * FROM %1\nWHERE GESTIUNE=%2 AND PRODUS=%3\nORDER BY DATA, IDGEST")
        .arg(quoted(gestiuni), quoted(unit), quoted(product));
  };
  auto sqliteCard = [&](const QString& unit, const QString& product) {
    return "SELECT * FROM Gestiuni WHERE GESTIUNE=" + sq(unit) + " AND PRODUS=" + sq(product) + " ORDER BY DATA, IDGEST";
  };
  const std::string ms = std::to_string(monthStart), mn = std::to_string(monthNext);
  const QString from = quoted(sqlDate(monthStart)), next = quoted(sqlDate(monthNext)),
                to = quoted(sqlDate(monthNext - 1));
  const QString monthWhere = "WHERE VALIN>=0 AND IDCAP>0 AND DATA>=" + from + " AND DATA<" + next;
  const std::string sqliteMonthWhere = " WHERE VALIN>=0 AND IDCAP>0 AND DATA>=" + ms + " AND DATA<" + mn;

  std::vector<BenchQuery> queries = {
      {"stock_card_busiest", {card(busyUnit, busyProduct)}, {sqliteCard(busyUnit, busyProduct)}},
      {"stock_card_typical", {card(typicalUnit, typicalProduct)}, {sqliteCard(typicalUnit, typicalProduct)}},
      {"stock_at_date",
       {QString("SELECT SUM(CANTIN)-SUM(CANTOUT) AS STOC\nFROM %1\nWHERE GESTIUNE=%2 AND PRODUS=%3 AND DATA<=%4")
            .arg(quoted(gestiuni), quoted(busyUnit), quoted(busyProduct), quoted(sqlDate(stockDay)))},
       {"SELECT SUM(CANTIN)-SUM(CANTOUT) AS STOC FROM Gestiuni WHERE GESTIUNE=" + sq(busyUnit) + " AND PRODUS=" +
        sq(busyProduct) + " AND DATA<=" + std::to_string(stockDay)}},
      {"inventory",
       {"SELECT PRODUS, UM, SUM(CANTIN)-SUM(CANTOUT) AS TCANT,\nSUM(VALIN)-SUM(VALOUT) AS TVAL\nFROM " +
        quoted(gestiuni) + "\nWHERE VALIN>=0\nGROUP BY PRODUS,UM\nORDER BY PRODUS"},
       {"SELECT PRODUS, UM, SUM(CANTIN)-SUM(CANTOUT) AS TCANT, SUM(VALIN)-SUM(VALOUT) AS TVAL FROM Gestiuni "
        "WHERE VALIN>=0 GROUP BY PRODUS,UM ORDER BY PRODUS"}},
      {"monthly_report_two_groupings",
       {"SELECT GESTIUNE, PRODUS, SUM(CANTIN)-SUM(CANTOUT) AS TC,\nSUM(VALIN)-SUM(VALOUT) AS TV\nFROM " +
            quoted(gestiuni) + "\nWHERE DATA<" + from + "\nGROUP BY GESTIUNE, PRODUS",
        "SELECT GESTIUNE, PRODUS, SUM(CANTIN) AS T1, SUM(CANTOUT) AS T2,SUM(VALIN) As T3,SUM(VALOUT) AS T4\nFROM " +
            quoted(gestiuni) + "\nWHERE DATA>=" + from + "\nAND DATA<" + next + "\nGROUP BY GESTIUNE, PRODUS"},
       {"SELECT GESTIUNE, PRODUS, SUM(CANTIN)-SUM(CANTOUT) AS TC, SUM(VALIN)-SUM(VALOUT) AS TV FROM Gestiuni "
        "WHERE DATA<" + ms + " GROUP BY GESTIUNE, PRODUS",
        "SELECT GESTIUNE, PRODUS, SUM(CANTIN) AS T1, SUM(CANTOUT) AS T2, SUM(VALIN) AS T3, SUM(VALOUT) AS T4 FROM "
        "Gestiuni WHERE DATA>=" + ms + " AND DATA<" + mn + " GROUP BY GESTIUNE, PRODUS"}},
      {"month_listing_with_totals",
       {"SELECT *\nFROM " + quoted(gestiuni) + "\nWHERE DATA>=" + from + " AND DATA<=" + to +
            "\nAND VALIN>=0\nORDER BY DATA, IDGEST",
        "SELECT SUM(VALIN) AS TIN, SUM(VALOUT) AS TOUT\nFROM " + quoted(gestiuni) + "\nWHERE DATA>=" + from +
            " AND DATA<=" + to + "\nAND VALIN>=0\n "},
       {"SELECT * FROM Gestiuni WHERE DATA>=" + ms + " AND DATA<=" + std::to_string(monthNext - 1) +
            " AND VALIN>=0 ORDER BY DATA, IDGEST",
        "SELECT SUM(VALIN) AS TIN, SUM(VALOUT) AS TOUT FROM Gestiuni WHERE DATA>=" + ms +
            " AND DATA<=" + std::to_string(monthNext - 1) + " AND VALIN>=0"}},
      {"receipts_centralizer",
       {"SELECT Count(*) AS TOT\nFROM " + quoted(gestiuni) + "\n" + monthWhere,
        "SELECT DATA, GESTIUNE, DOCJUS, SUM(VALIN) AS TOT\nFROM " + quoted(gestiuni) + "\n" + monthWhere +
            "\nGROUP BY DATA, GESTIUNE, DOCJUS\nORDER BY DATA, GESTIUNE",
        "SELECT SUM(VALIN) AS TOT\nFROM " + quoted(gestiuni) + "\n" + monthWhere},
       {"SELECT COUNT(*) AS TOT FROM Gestiuni" + sqliteMonthWhere,
        "SELECT DATA, GESTIUNE, DOCJUS, SUM(VALIN) AS TOT FROM Gestiuni" + sqliteMonthWhere +
            " GROUP BY DATA, GESTIUNE, DOCJUS ORDER BY DATA, GESTIUNE",
        "SELECT SUM(VALIN) AS TOT FROM Gestiuni" + sqliteMonthWhere}},
  };

  // Ours first, so the peak memory measured after it is the engine's own.
  db.image(gestiuni);  // warm: the parsed image is loaded once per run
  std::vector<double> ours;
  for (const BenchQuery& q : queries)
    ours.push_back(bench::medianMs([&] {
      for (const QString& statement : q.ours) db.execute(statement);
    }));
  // The rebuild is measured warm too: every table's image is loaded.
  for (const char* table : {"CapNote.dbf", "Note.dbf"}) db.image(data + "/" + table);
  double rebuildMs = rebuild(db, data);
  long peakOursKb = peakMemoryKb();

  // 2 % of the ledger deleted, then the rebuild again.
  db.execute("DELETE FROM " + quoted(gestiuni) + " WHERE IDGEST>=1000 AND IDGEST<" +
             QString::number(1000 + db.image(gestiuni).rowCount() / 50));
  double rebuildDeletedMs = rebuild(db, data);

  std::vector<double> best(queries.size(), 1e300);
  for (bool withIndex : {false, true}) {
    Sqlite lite(withIndex);
    lite.load("Gestiuni", db.image(gestiuni));
    for (size_t i = 0; i < queries.size(); ++i)
      best[i] = std::min(best[i], bench::medianMs([&] {
                           for (const std::string& statement : queries[i].sqlite) lite.run(statement);
                         }));
  }
  for (size_t i = 0; i < queries.size(); ++i)
    std::printf("%s ours=%.2fms sqlite=%.2fms ratio=%.2f\n", queries[i].name.c_str(), ours[i], best[i],
                ours[i] / best[i]);
  std::printf("startup_rebuild ours=%.1fms\n", rebuildMs);
  std::printf("startup_rebuild_2pct_deleted ours=%.1fms\n", rebuildDeletedMs);
  std::printf("peak_memory ours=%.1fMB tables=%.1fMB\n", peakOursKb / 1024.0, tableBytes / 1048576.0);
  return 0;
}

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  try {
    return runBench(app.arguments());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "store_bench: %s\n", error.what());
    return 1;
  }
}

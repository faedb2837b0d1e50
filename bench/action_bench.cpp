// The actions that write, on a generated ledger: adding a receipt line,
// posting a consumption, posting a transfer and deleting an exit, each as
// the window runs it (one transaction, its journal synced to the disk, then
// the window's data sets and the card refreshed). Beside each, SQLite doing
// the same rows in a database file with synchronous=FULL, then reading what
// the window shows.
// Usage: action_bench [--rows N]   (1,000,000 by default)
#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/settings.h"
#include "bench_run.h"
#include "movements/movement_actions.h"
#include "movements/stock_card.h"
#include "receipts/receipt_notes.h"
#include "sqlite_mirror.h"
#include "store/date.h"
#include "store/query.h"

namespace {

constexpr double kGoalMs = 30;

void print(const char* action, double ours, double sqlite) {
  std::printf("%-22s ours=%.2fms goal<%.0fms sqlite=%.2fms ratio=%.2f\n", action, ours, kGoalMs, sqlite, ours / sqlite);
  std::fflush(stdout);
}

std::string sq(const QString& text) { return "'" + QString(text).replace("'", "''").toStdString() + "'"; }

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const bench::GeneratedHome home(application.arguments(), 1000000);
  store::Database database(app::dataFolder());
  const QString ledger = "\"" + app::dataFolder() + "/Gestiuni.dbf\"";

  // A card of median size, another unit for the transfers, the last day.
  store::Query pairs(database);
  pairs.add("SELECT GESTIUNE, PRODUS, COUNT(*) AS N FROM " + ledger + " GROUP BY GESTIUNE, PRODUS ORDER BY N");
  pairs.open();
  for (int i = 0; i < pairs.rows().recordCount() / 2; ++i) pairs.rows().next();
  const QString unit = pairs.rows().asText("GESTIUNE"), product = pairs.rows().asText("PRODUS");
  QString target;
  for (pairs.rows().first(); !pairs.rows().eof() && target.isEmpty(); pairs.rows().next())
    if (pairs.rows().asText("GESTIUNE") != unit) target = pairs.rows().asText("GESTIUNE");
  store::Query last(database);
  last.add("SELECT MAX(DATA) AS LAST FROM " + ledger);
  last.open();
  const QDate day = last.rows().asDate("LAST").value_or(QDate(2024, 12, 31));
  std::printf("%lld ledger rows; card of %s in %s\n", static_cast<long long>(home.rows()), qPrintable(product),
              qPrintable(unit));

  movements::StockCard card(database);
  card.open();
  card.filterUnit(unit);
  card.selectCard(unit, product);
  int document = 0;
  auto exitEntry = [&](const QString& name) {
    movements::ExitEntry entry;
    entry.documentName = name;
    entry.number = QString::number(++document);
    entry.explanation = "banc de proba";
    entry.quantity = "0.01";
    entry.value = "0.01";
    entry.target = target;
    entry.date = day;
    return entry;
  };
  const double consumption =
      bench::medianMs([&] { movements::postConsumption(card, card.key(), exitEntry("Bon Consum")); }, 15);
  const double transfer =
      bench::medianMs([&] { movements::postTransfer(card, card.key(), exitEntry("Nota de Transfer")); }, 15);
  // Each deletion takes an exit posted just before it, untimed.
  std::vector<double> deletions;
  for (int run = 0; run < 15; ++run) {
    const movements::ExitEntry entry = exitEntry("Bon Consum");
    movements::postConsumption(card, card.key(), entry);
    for (size_t row = 0; row < card.rows().size(); ++row)
      if (card.rows()[row].document == entry.documentText()) card.setCurrent(static_cast<int>(row));
    deletions.push_back(bench::medianMs([&] { movements::deleteMovement(card); }, 1));
  }
  std::sort(deletions.begin(), deletions.end());
  const double deletion = deletions[deletions.size() / 2];

  receipts::ReceiptNotes notes(database, [] { return QString("NIR"); });
  notes.open();
  notes.selectNote(notes.C1().recordCount() - 1);
  const QString idcap = notes.C1().asText("IDCAP");
  const double receiptLine = bench::medianMs(
      [&] { notes.addLine({product, "BUC", "1", "1", "2.5", "CONSUMABIL", "0", unit, ""}); }, 15);

  // SQLite: the same tables in a file, each action a transaction synced to
  // the disk, then the rows the window reads again.
  QTemporaryDir scratch;
  bench::SqliteMirror lite((scratch.path() + "/varnela.sqlite").toStdString(),
                           "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;");
  lite.load("Gestiuni", database.image(app::dataFolder() + "/Gestiuni.dbf"));
  lite.load("Note", database.image(app::dataFolder() + "/Note.dbf"));
  lite.exec("CREATE INDEX GP ON Gestiuni (GESTIUNE, PRODUS); CREATE INDEX GI ON Gestiuni (IDGEST);"
            "CREATE INDEX NC ON Note (IDCAP); CREATE INDEX NI ON Note (IDNOTA)");
  const std::string u = sq(unit), p = sq(product), d = std::to_string(store::date::julianDay(day.year(), day.month(), day.day()));
  auto refreshCard = [&] {
    lite.run("SELECT DISTINCT PRODUS FROM Gestiuni WHERE GESTIUNE=" + u + " ORDER BY PRODUS");
    lite.run("SELECT * FROM Gestiuni WHERE GESTIUNE=" + u + " AND PRODUS=" + p + " ORDER BY DATA, IDGEST");
  };
  int id = 90000000;
  auto ledgerRow = [&](const std::string& document, const std::string& amounts, const std::string& rowUnit) {
    return "INSERT INTO Gestiuni (IDGEST,IDCAP,IDNOTA,DATA,PRODUS,DOCJUS,EXPLIC,CANTIN,VALIN,CANTOUT,VALOUT,GESTIUNE,UM)"
           " VALUES (" + std::to_string(++id) + ",-1,-1," + d + "," + p + ",'" + document + "','banc de proba'," +
           amounts + "," + rowUnit + ",'BUC')";
  };
  const double liteConsumption = bench::medianMs([&] {
    lite.exec("BEGIN; " + ledgerRow("Bon Consum nr." + std::to_string(id), "0,0,0.01,0.01", u) + "; COMMIT");
    refreshCard();
  }, 15);
  const double liteTransfer = bench::medianMs([&] {
    lite.exec("BEGIN; " + ledgerRow("Nota de Transfer", "0,0,0.01,0.01", u) + "; " +
              ledgerRow("Nota de Transfer", "0.01,0.01,0,0", sq(target)) + "; COMMIT");
    refreshCard();
  }, 15);
  const double liteDeletion = bench::medianMs([&] {
    lite.exec("BEGIN; DELETE FROM Gestiuni WHERE PRODUS=" + p + " AND DOCJUS='Bon Consum nr." + std::to_string(id) +
              "' AND DATA=" + d + "; COMMIT");
    lite.exec(ledgerRow("Bon Consum nr." + std::to_string(id + 1), "0,0,0.01,0.01", u));  // the next one to delete
    refreshCard();
  }, 15);
  const std::string note = idcap.toStdString();
  const double liteReceiptLine = bench::medianMs([&] {
    lite.exec("BEGIN; INSERT INTO Note (IDNOTA,IDCAP,PRODUS,UM,C2,C3,C4,C5,C6,C7,TIP,GESTIUNE) VALUES (" +
              std::to_string(++id) + "," + note + "," + p + ",'BUC',1,1,2.5,2.5,0.6,3.1,'CONSUMABIL'," + u + "); " +
              ledgerRow("N.I.R. nr.1", "1,3.1,0,0", u) + "; COMMIT");
    lite.run("SELECT * FROM Note WHERE IDCAP=" + note);
    lite.run("SELECT SUM(C5), SUM(C6), SUM(C7) FROM Note WHERE IDCAP=" + note);
  }, 15);

  print("add_receipt_line", receiptLine, liteReceiptLine);
  print("post_consumption", consumption, liteConsumption);
  print("post_transfer", transfer, liteTransfer);
  print("delete_exit", deletion, liteDeletion);
  return 0;
}

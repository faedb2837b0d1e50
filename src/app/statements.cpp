// Sending statements and grouping an action's statements into one transaction.
#include "app/statements.h"

#include "app/counter_snapshot.h"
#include "app/statement_text.h"
#include "store/error.h"
#include "ui/error_text.h"

namespace app {

Statements::Statements(store::Database& database) : database_(database), sx_(database) {}

QString Statements::table(const QString& fileName) const {
  return quoted(database_.dataFolder() + QLatin1Char('\\') + fileName);
}

void Statements::prepare(store::Query& query, const QStringList& lines) {
  query.close();
  query.sql() = lines;
  if (observer_) observer_(query.text());
}

void Statements::execute(const QStringList& lines) {
  prepare(sx_, lines);
  sx_.execSQL();
}

store::sql::ResultSet& Statements::select(const QStringList& lines) {
  prepare(sx_, lines);
  sx_.open();
  return sx_.rows();
}

void Statements::open(store::Query& dataSet, const QStringList& lines) {
  prepare(dataSet, lines);
  dataSet.open();
}

void Statements::asOneAction(const std::function<void()>& action) {
  const CounterSnapshot counters(kIdentifierCounters);
  database_.begin();
  try {
    action();
    database_.commit();
  } catch (const std::exception& error) {
    // A failed commit may already have ended the transaction.
    if (database_.inTransaction()) database_.rollback();
    counters.restore();  // nothing saved, so no identifier was used
    const QString sentence = QString(ui::kCouldNotFinish) + " " + kNothingSaved;
    throw store::StoreError(ui::explained(sentence, QString::fromUtf8(error.what())).toStdString());
  }
}

}  // namespace app

// Sending statements and grouping an action's statements into one transaction.
#include "receipts/statements.h"

#include "receipts/statement_text.h"
#include "store/error.h"

namespace receipts {

Statements::Statements(store::Database& database) : database_(database), sx_(database) {}

QString Statements::table(const QString& fileName) const {
  return quoted(database_.dataFolder() + QLatin1Char('\\') + fileName);
}

void Statements::prepare(const QStringList& lines) {
  sx_.close();
  sx_.sql() = lines;
  if (observer_) observer_(sx_.text());
}

void Statements::execute(const QStringList& lines) {
  prepare(lines);
  sx_.execSQL();
}

store::sql::ResultSet& Statements::select(const QStringList& lines) {
  prepare(lines);
  sx_.open();
  return sx_.rows();
}

void Statements::asOneAction(const std::function<void()>& action) {
  database_.begin();
  try {
    action();
    database_.commit();
  } catch (const std::exception& error) {
    // A failed commit may already have ended the transaction.
    if (database_.inTransaction()) database_.rollback();
    throw store::StoreError(std::string(error.what()) + "\r\n" + kNothingSaved);
  }
}

}  // namespace receipts

// The cumulative value report's data, without widgets: for one month, per
// unit, the stock value before the month, the value entered and issued in
// the month and the final value, summed over all products through the
// temporary tables RVC.dbf and RVC2.dbf of the program folder.
//
// Every statement goes through sx(), so an observer sees each text sent.
// RVC.dbf lives only during compute(); RVC2.dbf until close(). A statement
// that fails deletes both before its error goes on to the caller.
#pragma once

#include <QDate>

#include "app/statements.h"
#include "store/database.h"
#include "store/query.h"

namespace reports {

class CumulativeReport {
 public:
  explicit CumulativeReport(store::Database& database);
  CumulativeReport(const CumulativeReport&) = delete;
  CumulativeReport& operator=(const CumulativeReport&) = delete;

  app::Statements& sx() { return sx_; }

  // Computes RVC2.dbf for the month `day` falls in and returns its rows
  // ordered by unit: one per non-blank unit of the ledger with a movement
  // before the month or in it, VFIN = VINI + VI - VO.
  store::sql::ResultSet& compute(const QDate& day);
  // After printing: the rows closed and RVC2.dbf deleted.
  void close();

 private:
  app::Statements sx_;
  store::Query printed_;
};

}  // namespace reports

// The monthly storeroom report's data, without widgets: for one month, per
// unit and product, the opening quantity and value (every movement before
// the month), what entered and left during the month and the closing
// stock, computed from the ledger through the temporary table R1.dbf into
// R2.dbf of the program folder, and the printed rows read back from R2.dbf.
//
// Every statement goes through sx(), so an observer sees each text sent.
// R1.dbf lives only during the computation; R2.dbf from the computation
// until close(). A statement that fails deletes both before its error goes
// on to the caller.
#pragma once

#include <QDate>
#include <QString>
#include <functional>

#include "app/statements.h"
#include "store/database.h"
#include "store/query.h"

namespace reports {

class MonthlyReport {
 public:
  explicit MonthlyReport(store::Database& database);
  MonthlyReport(const MonthlyReport&) = delete;
  MonthlyReport& operator=(const MonthlyReport&) = delete;

  app::Statements& sx() { return sx_; }

  // "{Program}\R2.dbf", where the window has the report computed.
  static QString defaultResultPath();

  // FaRaportLuna's data steps: R2.dbf at `resultPath` holds one row per unit
  // and product for the month starting on `firstDay`, with CFIN = CINI + CI
  // - CO and VFIN = VINI + VI - VO, and without the rows of a blank product
  // or with VINI + VI + VO = 0. `progress` receives the counter positions
  // 30, 60, 70, 80, 90 and 100 as the steps end.
  void FaRaportLuna(const QString& resultPath, const QDate& firstDay, const std::function<void(int)>& progress = {});

  // R1 opened over the computed rows, ordered by unit and product; only
  // `unit`'s rows when it is not empty.
  store::sql::ResultSet& openRows(const QString& unit);
  // After printing: R1 closed and the computed table deleted.
  void close();

 private:
  app::Statements sx_;
  store::Query r1_;
  QString resultPath_;
};

}  // namespace reports

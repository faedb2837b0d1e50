// The monthly report's statements and the copying of their rows between
// the ledger, R1.dbf and R2.dbf.
#include "reports/listings/monthly_report.h"

#include <QScopeGuard>

#include "app/statement_text.h"
#include "reports/listings/month.h"
#include "reports/listings/scratch_table.h"

namespace reports {

MonthlyReport::MonthlyReport(store::Database& database) : sx_(database), r1_(database) {}

QString MonthlyReport::defaultResultPath() { return scratchPath("R2.dbf"); }

void MonthlyReport::FaRaportLuna(const QString& resultPath, const QDate& firstDay,
                                 const std::function<void(int)>& progress) {
  const auto reached = [&progress](int position) {
    if (progress) progress(position);
  };
  resultPath_ = resultPath;
  ScratchTable r1(sx_.database(), scratchPath("R1.dbf"));
  ScratchTable r2(sx_.database(), resultPath);
  const QString ledger = sx_.table("Gestiuni.dbf");
  const QString first = app::quoted(dayText(firstDay));
  const QString next = app::quoted(dayText(nextMonthStart(firstDay)));
  r1_.close();
  r1.remove();
  r2.remove();
  // R1 is scratch for this computation alone; R2 stays for the printing
  // unless the computation fails.
  const auto dropR1 = qScopeGuard([&r1] { r1.remove(); });
  try {
    sx_.execute({"CREATE TABLE " + r1.name(), "( GESTIUNE CHAR(32),", "PRODUS CHAR(50),", "CINI DECIMAL(8,2),",
                 "CI DECIMAL(8,2),", "CO DECIMAL(8,2),", "VINI DECIMAL(8,2),", "VI DECIMAL(8,2),", "VO DECIMAL(8,2) )"});

    r1.appendFrom(sx_.select({"SELECT GESTIUNE, PRODUS, SUM(CANTIN)-SUM(CANTOUT) AS TC,", "SUM(VALIN)-SUM(VALOUT) AS TV",
                              "FROM " + ledger, "WHERE DATA<" + first, "GROUP BY GESTIUNE, PRODUS"}),
                  {column("GESTIUNE"), column("PRODUS"), amount("TC"), kNoAmount, kNoAmount, amount("TV"), kNoAmount,
                   kNoAmount});
    reached(30);

    store::sql::ResultSet& movements =
        sx_.select({"SELECT GESTIUNE, PRODUS, SUM(CANTIN) AS T1, SUM(CANTOUT) AS T2,SUM(VALIN) As T3,SUM(VALOUT) AS T4",
                    "FROM " + ledger, "WHERE DATA>=" + first, "AND DATA<" + next, "GROUP BY GESTIUNE, PRODUS"});
    reached(60);
    r1.appendFrom(movements, {column("GESTIUNE"), column("PRODUS"), kNoAmount, amount("T1"), amount("T2"), kNoAmount,
                              amount("T3"), amount("T4")});

    sx_.execute({"CREATE TABLE " + r2.name(), "( GESTIUNE CHAR(32),", "PRODUS CHAR(50),", "CINI DECIMAL(8,2),",
                 "CI DECIMAL(8,2),", "CO DECIMAL(8,2),", "CFIN DECIMAL(8,2),", "VINI DECIMAL(8,2),", "VI DECIMAL(8,2),",
                 "VO DECIMAL(8,2),", "VFIN DECIMAL(8,2) )"});
    reached(70);

    r2.appendFrom(
        sx_.select({"SELECT GESTIUNE, PRODUS, SUM(CINI) AS C1, SUM(VINI) AS C2, SUM(CI) AS C3,SUM(CO) AS C4,SUM(VI) AS "
                    "C5,SUM(VO) AS C6",
                    "FROM " + r1.name(), "GROUP BY GESTIUNE, PRODUS", "ORDER BY GESTIUNE,PRODUS"}),
        {column("GESTIUNE"), column("PRODUS"), amount("C1"), amount("C3"), amount("C4"), store::Value::null(),
         amount("C2"), amount("C5"), amount("C6"), store::Value::null()});
    reached(80);

    sx_.execute({"UPDATE " + r2.name(), "SET CFIN=CINI+CI-CO,", "VFIN=VINI+VI-VO"});
    reached(90);
    sx_.execute({"DELETE FROM " + r2.name(), "WHERE PRODUS IS NULL OR VINI+VI+VO = 0"});
    reached(100);
  } catch (...) {
    r2.remove();
    rethrowNamingReport("Raportul lunar");
  }
}

store::sql::ResultSet& MonthlyReport::openRows(const QString& unit) {
  QStringList lines{"SELECT * FROM " + app::quoted(resultPath_)};
  if (!unit.isEmpty()) lines << "WHERE GESTIUNE=" + app::quoted(unit);
  lines << "ORDER BY GESTIUNE, PRODUS";
  sx_.open(r1_, lines);
  return r1_.rows();
}

void MonthlyReport::close() {
  r1_.close();
  if (!resultPath_.isEmpty()) ScratchTable(sx_.database(), resultPath_).remove();
}

}  // namespace reports

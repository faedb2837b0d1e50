// The cumulative value report's statements and the copying of their rows
// between the ledger, RVC.dbf and RVC2.dbf.
#include "reports/listings/cumulative_report.h"

#include "app/statement_text.h"
#include "reports/listings/month.h"
#include "reports/listings/scratch_table.h"

namespace reports {

namespace {

ScratchTable movementsTable(store::Database& database) { return ScratchTable(database, scratchPath("RVC.dbf")); }
ScratchTable resultTable(store::Database& database) { return ScratchTable(database, scratchPath("RVC2.dbf")); }

}  // namespace

CumulativeReport::CumulativeReport(store::Database& database) : sx_(database), printed_(database) {}

store::sql::ResultSet& CumulativeReport::compute(const QDate& day) {
  ScratchTable rvc = movementsTable(sx_.database());
  ScratchTable rvc2 = resultTable(sx_.database());
  const QString ledger = sx_.table("Gestiuni.dbf");
  const QString first = app::quoted(dayText(PrimaZi(day)));
  const QString next = app::quoted(dayText(nextMonthStart(day)));
  printed_.close();
  rvc.remove();
  rvc2.remove();
  try {
    sx_.execute({"CREATE TABLE " + rvc.name(), "(GESTIUNE CHAR(32),", " VINI DECIMAL(8,2),", " VI   DECIMAL(8,2),",
                 " VO   DECIMAL(8,2) )"});
    rvc.appendFrom(sx_.select({"SELECT GESTIUNE, CAST(SUM(VALIN)-SUM(VALOUT) AS FLOAT) AS V1", "FROM " + ledger,
                               "WHERE DATA<" + first, "GROUP BY GESTIUNE", "ORDER BY GESTIUNE"}),
                   {column("GESTIUNE"), amount("V1"), kNoAmount, kNoAmount});
    rvc.appendFrom(sx_.select({"SELECT GESTIUNE, CAST(SUM(VALIN) AS FLOAT) AS V1,CAST(SUM(VALOUT) AS FLOAT) AS V2",
                               "FROM " + ledger, "WHERE DATA>=" + first, "AND DATA<" + next, "GROUP BY GESTIUNE",
                               "ORDER BY GESTIUNE"}),
                   {column("GESTIUNE"), kNoAmount, amount("V1"), amount("V2")});
    sx_.execute({"CREATE TABLE " + rvc2.name(), "(GESTIUNE CHAR(32),", " VINI DECIMAL(8,2),", " VI   DECIMAL(8,2),",
                 " VO   DECIMAL(8,2),", " VFIN DECIMAL(8,2) )"});
    rvc2.appendFrom(sx_.select({"SELECT GESTIUNE, SUM(VINI) AS S1, SUM(VI) AS S2, SUM(VO) AS S3", "FROM " + rvc.name(),
                                "GROUP BY GESTIUNE", "ORDER BY GESTIUNE"}),
                    {column("GESTIUNE"), amount("S1"), amount("S2"), amount("S3"), store::Value::null()});
    rvc.remove();
    sx_.execute({"UPDATE " + rvc2.name(), "SET VFIN=VINI+VI-VO"});
    sx_.execute({"DELETE FROM " + rvc2.name(), "WHERE GESTIUNE=\"\" OR GESTIUNE IS NULL"});
    sx_.open(printed_, {"SELECT * FROM " + rvc2.name(), "ORDER BY GESTIUNE"});
  } catch (...) {
    rvc.remove();
    rvc2.remove();
    rethrowNamingReport("Raportul valoric cumulativ");
  }
  return printed_.rows();
}

void CumulativeReport::close() {
  printed_.close();
  resultTable(sx_.database()).remove();
}

}  // namespace reports

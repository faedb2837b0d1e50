// The receipts centralizer's count, grouping and total.
#include "reports/listings/receipts_centralizer.h"

#include "reports/listings/month.h"

namespace reports {

ReceiptsCentralizer::ReceiptsCentralizer(store::Database& database) : sx_(database), n1_(database) {}

void ReceiptsCentralizer::build(const QDate& day) {
  n1_.close();
  const QString table = "FROM " + sx_.table("Gestiuni.dbf");
  const QString receipts = "WHERE VALIN>=0 AND IDCAP>0 AND DATA>=\"" + dayText(PrimaZi(day)) + "\" AND DATA<\"" +
                           dayText(nextMonthStart(day)) + "\"";
  // Without a qualifying row the count itself, 0, stands for the total.
  store::sql::ResultSet* totals = &sx_.select({"SELECT Count(*) AS TOT", table, receipts});
  if (totals->asNumber("TOT") > 0) {
    sx_.open(n1_, {"SELECT DATA, GESTIUNE, DOCJUS, SUM(VALIN) AS TOT", table, receipts,
                   "GROUP BY DATA, GESTIUNE, DOCJUS", "ORDER BY DATA, GESTIUNE"});
    totals = &sx_.select({"SELECT SUM(VALIN) AS TOT", table, receipts});
  }
  total_ = totals->asNumber("TOT");
}

}  // namespace reports

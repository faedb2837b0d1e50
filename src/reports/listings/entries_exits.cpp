// The entries and exits listing's statements and totals.
#include "reports/listings/entries_exits.h"

#include "app/statement_text.h"
#include "reports/listings/month.h"

namespace reports {

QDate periodStart(const QDate& today) { return today.addMonths(-1); }

QString unitAndProductLine(const MovementFilter& filter) {
  QString line;
  if (!filter.unit.isEmpty()) line = "Gestiunea: " + filter.unit;
  if (!filter.product.isEmpty()) line += "  Produsul: " + filter.product;
  return line;
}

EntriesExits::EntriesExits(store::Database& database) : sx_(database), i1_(database) {}

QStringList EntriesExits::statement(const MovementFilter& filter) const {
  QStringList lines{"SELECT *", "FROM " + sx_.table("Gestiuni.dbf"),
                    "WHERE DATA>=\"" + dayText(filter.from) + "\" AND DATA<=\"" + dayText(filter.to) + "\""};
  if (!filter.unit.isEmpty()) lines << "AND GESTIUNE=" + app::quoted(filter.unit);
  if (!filter.product.isEmpty()) lines << "AND PRODUS=" + app::quoted(filter.product);
  lines << "AND VALIN>=0";
  if (filter.operation == Operation::Entries) lines << "AND VALIN>=0.01";
  if (filter.operation == Operation::Exits) lines << "AND VALOUT>=0.01";
  lines << "ORDER BY DATA, IDGEST";
  return lines;
}

QStringList EntriesExits::totalsStatement(const QStringList& listing) {
  // The totals run over a copy of the listing's lines, made here in memory
  // rather than through a scratch file: the same lines, the same two
  // replacements.
  QStringList lines = listing;
  lines.first() = "SELECT SUM(VALIN) AS TIN, SUM(VALOUT) AS TOUT";
  lines.last() = " ";
  return lines;
}

void EntriesExits::build(const MovementFilter& filter) {
  i1_.close();
  const QStringList listing = statement(filter);
  store::sql::ResultSet& totals = sx_.select(totalsStatement(listing));
  totalIn_ = totals.asNumber("TIN");
  totalOut_ = totals.asNumber("TOUT");
  sx_.open(i1_, listing);
}

}  // namespace reports

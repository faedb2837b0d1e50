// The inventory's grouping, its row filter and its total.
#include "reports/listings/inventory.h"

#include "app/statement_text.h"

namespace reports {

Inventory::Inventory(store::Database& database) : sx_(database), mx_(database) {}

QStringList Inventory::statement(const QString& unit) const {
  const QString amounts = "SUM(CANTIN)-SUM(CANTOUT) AS TCANT,";
  if (unit.isEmpty())
    return {"SELECT PRODUS, UM, " + amounts,
            "SUM(VALIN)-SUM(VALOUT) AS TVAL",
            "FROM " + sx_.table("Gestiuni.dbf"),
            "WHERE VALIN>=0",
            "GROUP BY PRODUS,UM",
            "ORDER BY PRODUS"};
  return {"SELECT GESTIUNE, PRODUS, UM, " + amounts,
          "SUM(VALIN)-SUM(VALOUT) AS TVAL",
          "FROM " + sx_.table("Gestiuni.dbf"),
          "WHERE GESTIUNE=" + app::quoted(unit) + " AND VALIN>=0",
          "GROUP BY GESTIUNE,PRODUS,UM",
          "ORDER BY GESTIUNE,PRODUS"};
}

void Inventory::build(const QString& unit, bool exhausted) {
  mx_.close();
  mx_.setFilter(exhausted ? kExhausted : kWithStock);
  mx_.setFiltered(true);
  sx_.open(mx_, statement(unit));
}

void Inventory::addValues(int64_t& total) {
  store::sql::ResultSet& rows = Mx();
  for (rows.first(); !rows.eof(); rows.next()) total += rows.asNumber("TVAL");
}

void Inventory::clear() {
  mx_.close();
  mx_.sql().clear();
}

}  // namespace reports

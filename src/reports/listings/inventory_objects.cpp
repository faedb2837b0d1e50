// The inventory objects report's statements and the copying of the stock
// into Obi.dbf.
#include "reports/listings/inventory_objects.h"

#include "reports/listings/scratch_table.h"

namespace reports {

namespace {

ScratchTable stockTable(store::Database& database) { return ScratchTable(database, scratchPath("Obi.dbf")); }

}  // namespace

InventoryObjects::InventoryObjects(store::Database& database) : sx_(database), q1_(database) {}

void InventoryObjects::open() {
  ScratchTable obi = stockTable(sx_.database());
  q1_.close();
  obi.remove();
  try {
    sx_.execute({"CREATE TABLE " + obi.name(), "(GESTIUNE CHAR(32),", " PRODUS CHAR(50),", " UM  CHAR(3),",
                 " CF  DECIMAL(8,2),", " VF  DECIMAL(8,2) )"});
    obi.appendFrom(sx_.select({"SELECT GESTIUNE, PRODUS, UM, SUM(CANTIN)-SUM(CANTOUT) AS T1,SUM(VALIN)-SUM(VALOUT) AS T2",
                               "FROM " + sx_.table("Gestiuni.dbf"), "WHERE VALIN>=0", "GROUP BY GESTIUNE, PRODUS, UM"}),
                   {column("GESTIUNE"), column("PRODUS"), column("UM"), amount("T1"), amount("T2")});
    sx_.open(q1_, {"SELECT F.GESTIUNE, F.PRODUS, F.UM,F.CF,F.VF, MAX(N.TIP) AS TIPUL", "FROM " + obi.name() + " F",
                   "INNER JOIN " + sx_.table("Note.dbf") + " N", "ON F.PRODUS=N.PRODUS", "WHERE N.TIP<>\"CONSUMABIL\"",
                   "GROUP BY F.GESTIUNE, F.PRODUS, F.UM,F.CF,F.VF", "ORDER BY F.GESTIUNE, F.PRODUS"});
  } catch (...) {
    obi.remove();
    rethrowNamingReport("Raportul obiectelor de inventar");
  }
}

void InventoryObjects::close() {
  q1_.close();
  q1_.sql().clear();
  stockTable(sx_.database()).remove();
}

}  // namespace reports

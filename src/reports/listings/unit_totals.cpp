// Summing the monthly report's rows per unit.
#include "reports/listings/unit_totals.h"

#include <algorithm>

#include "app/grid_rows.h"

namespace reports {

std::vector<UnitTotals> unitTotals(store::sql::ResultSet& rows) {
  std::vector<UnitTotals> totals;
  const int standing = rows.recordNumber();
  for (rows.first(); !rows.eof(); rows.next()) {
    const QString unit = rows.asText("GESTIUNE");
    auto it = std::find_if(totals.begin(), totals.end(), [&](const UnitTotals& t) { return t.unit == unit; });
    if (it == totals.end()) it = totals.insert(totals.end(), UnitTotals{unit});
    it->valueIn += rows.asNumber("VI");
    it->valueOut += rows.asNumber("VO");
  }
  app::moveTo(rows, standing);
  return totals;
}

}  // namespace reports

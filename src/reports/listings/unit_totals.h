// The monthly report's entries and exits summed per unit, for its chart.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "store/sql/result_set.h"

namespace reports {

struct UnitTotals {
  QString unit;
  int64_t valueIn = 0, valueOut = 0;  // ten-thousandths
};

// The values in (VI) and out (VO) of the report's rows added up per unit
// (GESTIUNE), units in the order the rows first name them; the cursor of
// `rows` is put back where it stood.
std::vector<UnitTotals> unitTotals(store::sql::ResultSet& rows);

}  // namespace reports

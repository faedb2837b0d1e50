// The texts a data grid shows for the rows of a data set, each field in its
// display format.
#pragma once

#include <QList>
#include <QStringList>
#include <vector>

#include "store/sql/result_set.h"

namespace app {

struct GridField {
  const char* column;
  int decimals = -1;  // a number with this many places ("0.00" is 2); -1: the value's own text
};

// The current row's value of `field`; a NULL shows empty.
QString fieldText(const store::sql::ResultSet& rows, const GridField& field);

// Makes the row at 1-based `position` current.
void moveTo(store::sql::ResultSet& rows, int position);

// Every visible row, in order; the cursor is back on its row afterwards.
QList<QStringList> gridRows(store::sql::ResultSet& rows, const std::vector<GridField>& fields);

}  // namespace app

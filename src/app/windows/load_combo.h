// QueryRst and LoadCombo: resetting a query, filling a drop-down list with
// the distinct values of one column.
#pragma once

#include <QComboBox>
#include <QString>

#include "store/query.h"

namespace app {

// Closes the query, clears its text and switches its filter off and empty.
void QueryRst(store::Query& query);

// Appends to `combo` the distinct non-blank values of `column` in `table`
// (ascending), restricted by `condition` (SQL without WHERE; empty for
// none), then selects item 0. The list is not emptied first. Leaves `sx`
// closed; an engine error goes on to the caller with the items appended so far.
void LoadCombo(store::Query& sx, QComboBox* combo, const QString& table, const QString& condition,
               const QString& column);

}  // namespace app

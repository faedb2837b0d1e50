// Showing a report's result set in its grid: the rows that pass the result
// set's filter, each field in its display format, with the cursor's row
// selected.
#pragma once

#include <vector>

#include "app/grid_rows.h"
#include "store/sql/result_set.h"
#include "ui/data_grid.h"

namespace reports {

using app::GridField;

// Fills `grid` with the visible rows of `rows` and selects the row the
// cursor stands on; the cursor is put back. A closed listing (nullptr)
// empties the grid.
void showRows(ui::DataGrid* grid, store::sql::ResultSet* rows, const std::vector<GridField>& fields);

}  // namespace reports

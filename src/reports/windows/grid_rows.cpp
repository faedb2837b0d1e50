// Filling a report's grid from its result set.
#include "reports/windows/grid_rows.h"

namespace reports {

void showRows(ui::DataGrid* grid, store::sql::ResultSet* rows, const std::vector<GridField>& fields) {
  if (!rows) return grid->setRows({}, -1);
  grid->setRows(app::gridRows(*rows, fields), rows->recordNumber() - 1);
}

}  // namespace reports

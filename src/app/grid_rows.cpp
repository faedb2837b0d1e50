// Formatting data set rows for the grids.
#include "app/grid_rows.h"

#include "store/decimal.h"

namespace app {

QString fieldText(const store::sql::ResultSet& rows, const GridField& field) {
  if (field.decimals < 0 || rows.value(field.column).isSqlNull()) return rows.asText(field.column);
  return QString::fromStdString(store::decimal::format(rows.asNumber(field.column), field.decimals));
}

void moveTo(store::sql::ResultSet& rows, int position) {
  rows.first();
  for (int at = 1; at < position && !rows.eof(); ++at) rows.next();
}

QList<QStringList> gridRows(store::sql::ResultSet& rows, const std::vector<GridField>& fields) {
  const int current = rows.recordNumber();
  QList<QStringList> out;
  for (rows.first(); !rows.eof(); rows.next()) {
    QStringList row;
    for (const GridField& field : fields) row << fieldText(rows, field);
    out << row;
  }
  moveTo(rows, current);
  return out;
}

}  // namespace app

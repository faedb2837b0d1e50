// QueryRst and LoadCombo.
#include "app/windows/load_combo.h"

#include <QCoreApplication>

namespace app {

void QueryRst(store::Query& query) {
  query.close();
  query.sql().clear();
  query.setFiltered(false);
  query.setFilter(QString());
}

void LoadCombo(store::Query& sx, QComboBox* combo, const QString& table, const QString& condition,
               const QString& column) {
  QueryRst(sx);
  sx.add("SELECT DISTINCT " + column);
  sx.add("FROM \"" + table + "\"");
  if (!condition.isEmpty()) sx.add("WHERE " + condition);
  sx.add("ORDER BY " + column);
  sx.open();
  QCoreApplication::processEvents();
  store::sql::ResultSet& rows = sx.rows();
  for (rows.first(); !rows.eof(); rows.next()) {
    QString value = rows.asText(column.toStdString()).trimmed();
    if (!value.isEmpty()) combo->addItem(value);
  }
  sx.close();
  combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

}  // namespace app

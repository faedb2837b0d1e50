// The ledger fixture with what the listings' tests read back: every statement
// text a work query sends, and a result set's visible rows as texts.
#pragma once

#include <QStringList>

#include "app/statements.h"
#include "ledger_fixture.h"
#include "reports/masks.h"
#include "store/sql/result_set.h"

namespace reports::testing {

class ListingFixture : public LedgerFixture {
 protected:
  // The ledger as statements name it: "{Data}\Gestiuni.dbf" in double quotes.
  QString ledgerTable() const { return "\"" + data() + "\\Gestiuni.dbf\""; }

  // Records every statement `sx` sends into `sent`.
  void watch(app::Statements& sx) {
    sx.setObserver([this](const QString& text) { sent << text; });
  }

  // The rows that pass the filter, the named columns joined by "|", amounts
  // with two decimals; the cursor is left past the last row.
  static QStringList visibleRows(store::sql::ResultSet& rows, const QStringList& columns) {
    QStringList out;
    for (rows.first(); !rows.eof(); rows.next()) {
      QStringList row;
      for (const QString& column : columns) {
        const store::Value& value = rows.value(column.toStdString());
        const bool number = value.kind() == store::Value::Kind::Number || value.kind() == store::Value::Kind::Float;
        row << (number ? formatNumber(rows.asNumber(column.toStdString()), "0.00") : rows.asText(column.toStdString()));
      }
      out << row.join("|");
    }
    return out;
  }

  QStringList sent;
};

}  // namespace reports::testing

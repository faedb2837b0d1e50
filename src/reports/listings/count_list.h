// The count list's data, without widgets: for one unit (or every unit, one
// list each) the stock of each product by the records at a date, with its
// kind of goods taken from the receipt lines, in the order the list prints
// it: by kind of goods, then by product name.
#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "app/statements.h"
#include "reports/listari.h"
#include "store/sql/result_set.h"

namespace reports {

// The kind of goods of a product that no receipt line names.
inline constexpr char kUnknownKind[] = "NESPECIFICAT";

struct CountList {
  QString unit;
  // TIP, PRODUS, UM, CANT, PRET, VALOARE: the stock up to and including the
  // date, its average unit price and its value.
  store::sql::ResultSet lines;
};

// One list per unit that has a line: `unit`'s only, or every unit's in
// name order when `unit` is empty. A product whose quantity at `date` is 0
// is left out unless `withoutStock`; then every product the unit's ledger
// names is listed, also one that arrived after the date.
std::vector<CountList> countLists(app::Statements& sx, const QString& unit, const QDate& date, bool withoutStock);

// The run-time captions of LInventariere for `list`.
void fillCountList(TLISTARI& listari, const QString& institution, const CountList& list, const QDate& date);

}  // namespace reports

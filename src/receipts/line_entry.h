// The fields of a receipt line as the line dialog edits them, its save
// checks, and the unit-of-measure check against the lines already saved.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "app/statements.h"

namespace receipts {

inline const QStringList kLineTypes = {"CONSUMABIL", "OBIECT DE INVENTAR", "MIJLOC FIX", "DISCOUNT"};

struct LineEntry {
  QString product;
  QString unit;
  QString quantityInvoice;   // number texts, "." as separator
  QString quantityReceived;
  QString price;
  QString type;
  QString inventoryNumber;   // digits; "0" when none
  QString stockUnit;         // empty for a negative price
  QString remarks;
};

enum class LineField { Unit, Product, QuantityInvoice, QuantityReceived, Price, StockUnit, InventoryNumber, Remarks };

struct LineProblem {
  LineField field;
  QString message;
};

// The save checks before the unit-of-measure check, in their order. Cleans
// the unit, stock-keeping unit and product and rewrites the three numbers in
// their shortest form in `line`; the first failure is returned.
std::optional<LineProblem> checkLine(LineEntry& line);

// After checkLine: that every value the save writes fits its column, for a
// note of VAT `rate` (ten-thousandths of a percent): the texts only of
// characters the tables hold, the three numbers plain decimals, the
// quantities, the price and the amounts computed from them within
// DECIMAL(8,2), the inventory number digits within DECIMAL(8,0).
std::optional<LineProblem> checkLineFits(const LineEntry& line, int64_t rate);

// The last save steps: a negative price takes no stock-keeping unit, an
// empty inventory number becomes "0".
void completeLine(LineEntry& line);

// A line of another note that holds the product in another unit.
struct UnitConflict {
  QString unit;
  QString noteNumber;
  QDate noteDate;
  // The warning: the unit found, the note it was found on, the question.
  QString question() const;
};

// Looks for the product saved with a unit other than `unit`; lines of the
// note `excludedIdcap` are left out when it is given (a line being changed).
std::optional<UnitConflict> findUnitConflict(app::Statements& sx, const QString& product, const QString& unit,
                                             const std::optional<QString>& excludedIdcap);

// Gives every line and every ledger row of the product the unit `unit`, as
// one action.
void changeUnitEverywhere(app::Statements& sx, const QString& product, const QString& unit);

}  // namespace receipts

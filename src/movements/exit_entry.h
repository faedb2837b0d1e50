// One exit as the entry dialog collects it (a consumption voucher or a
// transfer note), the checks its MEMOREAZA runs and the document counters it
// advances, without widgets.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace movements {

struct ExitEntry {
  QString documentName, number, explanation, quantity, value, target;
  QDate date;
  // DOCJUS: the name, and " nr." with the number when there is one.
  QString documentText() const;
  QString exitExplanation() const;   // the transfer's exit leg
  QString entryExplanation(const QString& unit) const;  // the transfer's entry leg
};

// What the caller showed in the dialog: the card's unit, product and unit
// of measure, and the stock and price as formatted "0.00".
struct ShownCard {
  QString unit, product, unitOfMeasure, quantity, price, value;
};

enum class EntryField { Document, Number, Date, Explanation, Quantity, Target, Value };

struct Refusal {
  EntryField field;  // where the balloon points
  QString message;
  std::optional<EntryField> focus;  // the control that takes the focus, if any
};

// The widths of the ledger's DOCJUS and EXPLIC columns.
inline constexpr int kDocumentColumn = 50;
inline constexpr int kExplanationColumn = 100;

// The value proposed for `quantity` at the shown `price`: their product in
// "0.00", or "0" when it is not above zero.
QString proposedValue(const QString& price, const QString& quantity);

// The stock of the card up to and including a date, in ten-thousandths.
using StockAtDate = std::function<int64_t(const QDate&)>;

// The checks of MEMOREAZA in their order, up to the stock at the document
// date. Trims the document name and cleans the explanation in `entry` as the
// fields show them. nullopt when every check passed.
std::optional<Refusal> checkExit(ExitEntry& entry, const ShownCard& card, bool transfer,
                                 const StockAtDate& stockAt);

// True when `date` lies 32 or more days before `today`: the dialog asks first.
bool isOldDate(const QDate& date, const QDate& today);

// The document name proposed for a consumption voucher ("TEMP"/"BONCON", or
// "Bon Consum"), and the counters after an accepted exit with a number.
QString proposedConsumptionName();
void advanceCounters(const ExitEntry& entry, bool transfer);

}  // namespace movements

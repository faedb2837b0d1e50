// The entry dialog's arithmetic, checks and counters.
#include "movements/exit_entry.h"

#include "app/column_fit.h"
#include "app/counters.h"
#include "app/number_entry.h"
#include "app/settings.h"
#include "store/decimal.h"

namespace movements {

namespace {

int64_t roundedProduct(int64_t a, int64_t b) {
  const __int128 product = static_cast<__int128>(a) * b;
  __int128 quotient = product / store::decimal::kScale;
  const __int128 remainder = product % store::decimal::kScale;
  const __int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
  if (twice > store::decimal::kScale || (twice == store::decimal::kScale && quotient % 2 != 0))
    quotient += product < 0 ? -1 : 1;
  return static_cast<int64_t>(quotient);
}

std::optional<int64_t> amount(const QString& text) { return store::decimal::parse(text.toStdString()); }

QString money(int64_t tenThousandths) { return QString::fromStdString(store::decimal::format(tenThousandths, 2)); }

}  // namespace

QString ExitEntry::documentText() const {
  return number.isEmpty() ? documentName.trimmed() : documentName.trimmed() + " nr." + number;
}

QString ExitEntry::exitExplanation() const { return "Transfer catre " + target + ". " + explanation; }

QString ExitEntry::entryExplanation(const QString& unit) const {
  return "Transfer de la " + unit + ". " + explanation;
}

QString proposedValue(const QString& price, const QString& quantity) {
  const int64_t value = roundedProduct(amount(quantity).value_or(0), amount(price).value_or(0));
  return value > 0 ? money(value) : QStringLiteral("0");
}

std::optional<Refusal> checkExit(ExitEntry& entry, const ShownCard& card, bool transfer,
                                 const StockAtDate& stockAt) {
  entry.documentName = entry.documentName.trimmed();
  if (entry.documentName.isEmpty())
    return Refusal{EntryField::Document, "Documentul Justificativ este incorect!", std::nullopt};
  // A negative amount would post an exit that adds to the stock.
  const std::optional<int64_t> q = amount(entry.quantity);
  if (!q || *q < 0) return Refusal{EntryField::Quantity, "Cantitatea este incorecta!", std::nullopt};
  const std::optional<int64_t> v = amount(entry.value);
  if (!v || *v < 0) return Refusal{EntryField::Value, "Valoarea totala este incorecta!", std::nullopt};
  // Gestiuni.dbf's CANTOUT and VALOUT are DECIMAL(8,2).
  if (!app::amountFits(*q, 8, 2)) return Refusal{EntryField::Quantity, "Cantitatea este prea mare!", std::nullopt};
  if (!app::amountFits(*v, 8, 2)) return Refusal{EntryField::Value, "Valoarea totala este prea mare!", std::nullopt};
  if (transfer && entry.target.isEmpty()) return Refusal{EntryField::Target, "Alegeti un Beneficiar!", std::nullopt};
  const int64_t sq = amount(card.quantity).value_or(0);
  const int64_t sv = amount(card.value).value_or(0);
  entry.explanation = app::Curata(entry.explanation);
  // Refused here, so that a transfer never stops between its two legs.
  if (entry.documentText().size() > kDocumentColumn)
    return Refusal{EntryField::Document, "Documentul Justificativ este prea lung!", std::nullopt};
  if (std::optional<QString> bad = app::unstorableCharacter(entry.documentName))
    return Refusal{EntryField::Document, *bad, std::nullopt};
  if (std::optional<QString> bad = app::unstorableCharacter(entry.explanation))
    return Refusal{EntryField::Explanation, *bad, std::nullopt};
  // The number's successor goes back to the counter, so it must be one.
  if (!entry.number.isEmpty() && app::counterValue(entry.number).value_or(app::kCounterMaximum) >= app::kCounterMaximum)
    return Refusal{EntryField::Number, "Numarul documentului este prea mare!", std::nullopt};
  if (transfer && std::max(entry.exitExplanation().size(), entry.entryExplanation(card.unit).size()) >
                      kExplanationColumn)
    return Refusal{EntryField::Explanation, "Explicatia este prea lunga!", std::nullopt};
  if (sq < *q) return Refusal{EntryField::Quantity, "Nu aveti aceasta cantitate in stoc!", std::nullopt};
  if (sv < *v) return Refusal{EntryField::Value, "Nu aveti aceasta valoare in stoc!", std::nullopt};
  if (*q == sq && *v != sv) return Refusal{EntryField::Value, "Valoare incorecta!", EntryField::Value};
  const int64_t atDate = stockAt(entry.date);
  if (*q > atDate)
    return Refusal{EntryField::Quantity,
                   "La data " + entry.date.toString("dd.MM.yyyy") + " stocul era doar de " + money(atDate) + " " +
                       card.unitOfMeasure + "!",
                   EntryField::Date};
  return std::nullopt;
}

bool isOldDate(const QDate& date, const QDate& today) { return date.daysTo(today) > 31; }

QString proposedConsumptionName() {
  const QString remembered = app::CitesteStr_din_Ini("TEMP", "BONCON");
  return remembered.isEmpty() ? QStringLiteral("Bon Consum") : remembered;
}

void advanceCounters(const ExitEntry& entry, bool transfer) {
  if (entry.number.isEmpty()) return;
  const QString next = QString::number(static_cast<qint64>(app::counterValue(entry.number).value_or(0)) + 1);
  if (transfer) {
    app::SetCod("TRANSFER", next);
  } else {
    app::SetCod("BonConsum", next);
    app::ScrieStr_in_Ini("TEMP", "BONCON", entry.documentName);
  }
}

}  // namespace movements

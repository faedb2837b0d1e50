// Reading a voucher or a note back from the ledger.
#include "reports/listings/exit_documents.h"

#include <vector>

#include "app/statement_text.h"
#include "app/unit_price.h"

namespace reports {

namespace {

const QString kTowards = "Transfer catre ";
const QString kFrom = "Transfer de la ";

// The ledger rows of one document text and date, written by the exits.
struct Leg {
  QString unit, explanation;
  bool incoming = false;  // an entry leg
  store::Value product, unitOfMeasure, quantity, value;
};

std::vector<Leg> legsOf(app::Statements& sx, const QString& document, const QDate& date) {
  store::sql::ResultSet& rows =
      sx.select({"SELECT GESTIUNE, PRODUS, UM, EXPLIC, CANTIN, VALIN, CANTOUT, VALOUT",
                 "FROM " + sx.table("Gestiuni.dbf"),
                 "WHERE DOCJUS=" + app::quoted(document) + " AND DATA=" + app::quoted(date.toString("dd.MM.yyyy")) +
                     " AND IDCAP=-1",
                 "ORDER BY IDGEST"});
  std::vector<Leg> legs;
  for (rows.first(); !rows.eof(); rows.next()) {
    Leg leg;
    leg.unit = rows.asText("GESTIUNE");
    leg.explanation = rows.asText("EXPLIC");
    leg.incoming = rows.asNumber("CANTIN") != 0 || (rows.asNumber("CANTOUT") == 0 && leg.explanation.startsWith(kFrom));
    leg.product = rows.value("PRODUS");
    leg.unitOfMeasure = rows.value("UM");
    leg.quantity = rows.value(leg.incoming ? "CANTIN" : "CANTOUT");
    leg.value = rows.value(leg.incoming ? "VALIN" : "VALOUT");
    legs.push_back(std::move(leg));
  }
  return legs;
}

bool isExitLeg(const Leg& leg) { return !leg.incoming && leg.explanation.startsWith(kTowards); }
bool isConsumption(const Leg& leg) { return !leg.incoming && !leg.explanation.startsWith(kTowards); }
// True when `explanation` begins with `prefix` and `unit`, then ". " and the
// user's explanation or just "." (the table drops the trailing blank).
bool names(const QString& explanation, const QString& prefix, const QString& unit) {
  return explanation == prefix + unit + "." || explanation.startsWith(prefix + unit + ". ");
}
bool goesTo(const Leg& exit, const QString& unit) { return names(exit.explanation, kTowards, unit); }

int64_t amountOf(const store::Value& value) { return value.kind() == store::Value::Kind::Number ? value.asNumber() : 0; }

// Adds `explanation` to the document's list of explanations when it is new.
void noteExplanation(QStringList& explanations, const QString& explanation) {
  const QString trimmed = explanation.trimmed();
  if (!trimmed.isEmpty() && !explanations.contains(trimmed)) explanations << trimmed;
}

// The receiving unit of `exit`: the unit of an entry leg from the exit's
// unit whose name the exit's explanation carries.
std::optional<QString> receiverOf(const std::vector<Leg>& legs, const Leg& exit) {
  for (const Leg& leg : legs)
    if (leg.incoming && names(leg.explanation, kFrom, exit.unit) && goesTo(exit, leg.unit))
      return leg.unit;
  return std::nullopt;
}

// The giving unit of the entry leg `entry`.
std::optional<QString> giverOf(const std::vector<Leg>& legs, const Leg& entry) {
  for (const Leg& leg : legs)
    if (isExitLeg(leg) && goesTo(leg, entry.unit) && names(entry.explanation, kFrom, leg.unit))
      return leg.unit;
  return std::nullopt;
}

ExitDocument consumptionVoucher(const std::vector<Leg>& legs, const QString& unit) {
  ExitDocument document;
  document.kind = ExitDocumentKind::Consumption;
  document.unit = unit;
  QStringList explanations;
  std::vector<std::vector<store::Value>> lines;
  for (const Leg& leg : legs) {
    if (leg.unit != unit || !isConsumption(leg)) continue;
    noteExplanation(explanations, leg.explanation);
    const int64_t price = app::averagePrice(amountOf(leg.value), amountOf(leg.quantity));
    lines.push_back({leg.product, leg.unitOfMeasure, leg.quantity, leg.quantity, store::Value::number(price), leg.value});
  }
  document.explanation = explanations.join("; ");
  document.lines = store::sql::ResultSet({"PRODUS", "UM", "CANTNEC", "CANTELIB", "PRET", "VALOARE"}, std::move(lines));
  return document;
}

ExitDocument transferNote(const std::vector<Leg>& legs, const QString& giver, const QString& receiver) {
  ExitDocument document;
  document.kind = ExitDocumentKind::Transfer;
  document.unit = giver;
  document.receivingUnit = receiver;
  QStringList explanations;
  std::vector<std::vector<store::Value>> lines;
  for (const Leg& leg : legs) {
    if (leg.unit != giver || !isExitLeg(leg) || !goesTo(leg, receiver)) continue;
    noteExplanation(explanations, leg.explanation.mid((kTowards + receiver + ". ").size()));
    const int64_t price = app::averagePrice(amountOf(leg.value), amountOf(leg.quantity));
    lines.push_back({leg.product, leg.unitOfMeasure, leg.quantity, store::Value::number(price), leg.value});
  }
  document.explanation = explanations.join("; ");
  document.lines = store::sql::ResultSet({"PRODUS", "UM", "CANT", "PRET", "VALOARE"}, std::move(lines));
  return document;
}

}  // namespace

ExitDocumentKind exitDocumentKind(const LedgerMovement& row) {
  if (row.fromReceipt) return ExitDocumentKind::None;
  if (row.quantityIn == 0 && row.explanation.startsWith(kTowards)) return ExitDocumentKind::Transfer;
  if (row.quantityOut == 0 && row.explanation.startsWith(kFrom)) return ExitDocumentKind::Transfer;
  return row.quantityIn == 0 ? ExitDocumentKind::Consumption : ExitDocumentKind::None;
}

QString ExitDocument::number() const {
  const qsizetype at = document.lastIndexOf(" nr.");
  return at < 0 ? QString() : document.mid(at + 4);
}

std::optional<ExitDocument> exitDocumentOf(app::Statements& sx, const LedgerMovement& row) {
  const ExitDocumentKind kind = exitDocumentKind(row);
  if (kind == ExitDocumentKind::None) return std::nullopt;
  const std::vector<Leg> legs = legsOf(sx, row.document, row.date);
  std::optional<ExitDocument> document;
  if (kind == ExitDocumentKind::Consumption) {
    document = consumptionVoucher(legs, row.unit);
  } else {
    // The selected leg itself, found among the document's legs.
    for (const Leg& leg : legs) {
      if (leg.unit != row.unit || leg.explanation != row.explanation.trimmed()) continue;
      const std::optional<QString> other = leg.incoming ? giverOf(legs, leg) : receiverOf(legs, leg);
      if (!other) continue;
      document = leg.incoming ? transferNote(legs, *other, leg.unit) : transferNote(legs, leg.unit, *other);
      break;
    }
  }
  if (!document || document->lines.isEmpty()) return std::nullopt;
  document->document = row.document;
  document->date = row.date;
  return document;
}

QString fillExitDocument(TLISTARI& listari, const QString& institution, const ExitDocument& document) {
  const bool voucher = document.kind == ExitDocumentKind::Consumption;
  const QString layout = voucher ? "LBonConsum" : "LBonTransfer";
  listari.setCaption(layout, "Institutie", "Unitatea: " + institution);
  // A document saved without a number is named by its text.
  const QString number = document.number().isEmpty() ? document.document : "Nr. " + document.number();
  listari.setCaption(layout, "NrData", number + " din " + document.date.toString("dd.MM.yyyy"));
  if (voucher) {
    listari.setCaption(layout, "Gestiunea", "Gestiunea: " + document.unit);
    listari.setCaption(layout, "Explicatie", "Locul de consum / explicatii: " + document.explanation);
  } else {
    listari.setCaption(layout, "Predator", "Gestiunea predatoare: " + document.unit);
    listari.setCaption(layout, "Primitor", "Gestiunea primitoare: " + document.receivingUnit);
    listari.setCaption(layout, "Explicatie", document.explanation.isEmpty() ? QString() : "Explicatii: " + document.explanation);
  }
  return layout;
}

}  // namespace reports

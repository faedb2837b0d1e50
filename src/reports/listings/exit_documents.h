// The printed exit documents read back from the ledger: the consumption
// voucher and the transfer note a ledger row belongs to, with their lines,
// and the captions of their layouts, without widgets.
//
// A voucher is every consumption row of one unit with the same document text
// and date; a note is every exit leg of one unit towards one receiving unit
// with the same document text and date. The legs of a transfer carry
// "Transfer catre {receiving unit}. " and "Transfer de la {giving unit}. "
// before the explanation, which is how the two units are found again.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

#include "app/statements.h"
#include "reports/listari.h"
#include "store/sql/result_set.h"

namespace reports {

enum class ExitDocumentKind { None, Consumption, Transfer };

// What the ledger holds of one movement.
struct LedgerMovement {
  QString unit, document, explanation;
  QDate date;
  bool fromReceipt = false;  // IDCAP of 1 or more
  int64_t quantityIn = 0, quantityOut = 0;
};

// The kind of document `row` was posted on.
ExitDocumentKind exitDocumentKind(const LedgerMovement& row);

struct ExitDocument {
  ExitDocumentKind kind = ExitDocumentKind::None;
  QString document;  // DOCJUS
  QDate date;
  QString unit;           // the unit the goods leave
  QString receivingUnit;  // a transfer's receiving unit
  QString explanation;    // the lines' explanations, each once, joined by "; "
  // The lines in posting order: PRODUS, UM, CANTNEC, CANTELIB (a voucher)
  // or CANT (a note), PRET, VALOARE.
  store::sql::ResultSet lines;

  // The number after " nr." in the document text; empty when it has none.
  QString number() const;
};

// The voucher or note `row` belongs to, read from the ledger; nullopt when
// it belongs to none.
std::optional<ExitDocument> exitDocumentOf(app::Statements& sx, const LedgerMovement& row);

// Fills the run-time captions of the document's layout (LBonConsum or
// LBonTransfer) and returns its name. REQUIRES: the kind is not None.
QString fillExitDocument(TLISTARI& listari, const QString& institution, const ExitDocument& document);

}  // namespace reports

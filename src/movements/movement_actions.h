// The four actions of the movements window that change the ledger: a
// consumption voucher, a transfer note, deleting an exit and moving a card
// to another unit. Each runs as one store transaction (a failure leaves
// nothing written and throws the engine's message with app::kNothingSaved
// appended), then refreshes the card's data sets.
#pragma once

#include <QString>
#include <cstdint>

#include "movements/exit_entry.h"
#include "movements/stock_card.h"

namespace movements {

// The stock of the card over the whole ledger and its average unit price,
// in ten-thousandths.
struct CardStock {
  int64_t quantity = 0, value = 0, price = 0;
};
CardStock stockOf(app::Statements& sx, const QString& unit, const QString& product);
// The quantity in stock up to and including `date`.
int64_t stockAt(app::Statements& sx, const QString& unit, const QString& product, const QDate& date);

// `entry` as the dialog accepted it, for the card `key` whose stock was checked.
void postConsumption(StockCard& card, const CardKey& key, const ExitEntry& entry);
void postTransfer(StockCard& card, const CardKey& key, const ExitEntry& entry);
// Deletes the selected movement with every ledger row of its product,
// document and date. REQUIRES: it did not come from a receipt note.
void deleteMovement(StockCard& card);
bool isReceiptEntry(const CardRow& row);
// Moves the product's receipt lines and movements in the card's unit to
// `target`; B1 and F1 are reopened, the card is rebuilt by the caller.
void moveCard(StockCard& card, const QString& target);

}  // namespace movements

// The statements of the movements window's four actions.
#include "movements/movement_actions.h"

#include "app/counters.h"
#include "app/statement_text.h"
#include "app/unit_price.h"
#include "store/decimal.h"

namespace movements {

namespace {

QString dateText(const QDate& date) { return app::quoted(date.toString("dd.MM.yyyy")); }

// The column lines of the consumption's INSERT and of the transfer legs'.
const QStringList kConsumptionColumns = {"(IDGEST, IDCAP,IDNOTA,DATA, PRODUS, DOCJUS,EXPLIC,",
                                         "CANTIN,VALIN,CANTOUT,VALOUT,", "GESTIUNE,UM )"};
const QStringList kTransferColumns = {"(IDGEST, IDCAP,IDNOTA,DATA, PRODUS, DOCJUS,EXPLIC,",
                                      "CANTIN,VALIN,CANTOUT,VALOUT,GESTIUNE,UM )"};

// The INSERT of one ledger row written by these actions (IDCAP = IDNOTA = -1).
QStringList ledgerInsert(app::Statements& sx, const QStringList& columns, const QString& id, const ExitEntry& entry,
                         const QString& product, const QString& explanation, const QStringList& amounts,
                         const QString& unit, const QString& unitOfMeasure) {
  return QStringList{"INSERT INTO " + sx.table("Gestiuni.dbf")} + columns +
         QStringList{"VALUES (", id + ",-1,-1,", dateText(entry.date) + ",", app::quoted(product) + ",",
                     app::quoted(entry.documentText()) + ",", app::quoted(explanation) + ","} +
         amounts + QStringList{app::quoted(unit) + ",", app::quoted(unitOfMeasure) + " )"};
}

QStringList exitAmounts(const ExitEntry& entry) { return {"0,0,", entry.quantity + ",", entry.value + ","}; }
QStringList entryAmounts(const ExitEntry& entry) { return {entry.quantity + ",", entry.value + ",", "0,0,"}; }

void refresh(StockCard& card) {
  card.reopenProducts();
  card.reopenLedger();
  card.selectCard(card.unit(), card.product());
}

}  // namespace

CardStock stockOf(app::Statements& sx, const QString& unit, const QString& product) {
  store::sql::ResultSet& sums =
      sx.select({"SELECT SUM(CANTIN) AS CI,", "SUM (CANTOUT) AS CO,", "SUM (VALIN) AS VI,", "SUM (VALOUT) AS VO",
                 "FROM " + sx.table("Gestiuni.dbf"),
                 "WHERE PRODUS=" + app::quoted(product) + " AND GESTIUNE=" + app::quoted(unit)});
  sums.first();
  CardStock stock;
  stock.quantity = sums.asNumber("CI") - sums.asNumber("CO");
  stock.value = sums.asNumber("VI") - sums.asNumber("VO");
  stock.price = app::averagePrice(stock.value, stock.quantity);
  return stock;
}

int64_t stockAt(app::Statements& sx, const QString& unit, const QString& product, const QDate& date) {
  store::sql::ResultSet& sum =
      sx.select({"SELECT SUM(CANTIN)-SUM(CANTOUT) AS STOC", "FROM " + sx.table("Gestiuni.dbf"),
                 "WHERE GESTIUNE=" + app::quoted(unit) + " AND PRODUS=" + app::quoted(product) +
                     " AND DATA<=" + dateText(date)});
  if (sum.isEmpty()) return 0;
  sum.first();
  return sum.asNumber("STOC");
}

void postConsumption(StockCard& card, const CardKey& key, const ExitEntry& entry) {
  app::Statements& sx = card.sx();
  sx.asOneAction([&] {
    const QString id = app::CodNou("IDGEST");
    sx.execute(ledgerInsert(sx, kConsumptionColumns, id, entry, key.product, entry.explanation, exitAmounts(entry),
                            key.unit, key.unitOfMeasure));
  });
  refresh(card);
}

void postTransfer(StockCard& card, const CardKey& key, const ExitEntry& entry) {
  app::Statements& sx = card.sx();
  sx.asOneAction([&] {
    const QString exitId = app::CodNou("IDGEST");
    sx.execute(ledgerInsert(sx, kTransferColumns, exitId, entry, key.product, entry.exitExplanation(),
                            exitAmounts(entry), key.unit, key.unitOfMeasure));
    const QString entryId = app::CodNou("IDGEST");
    sx.execute(ledgerInsert(sx, kTransferColumns, entryId, entry, key.product, entry.entryExplanation(key.unit),
                            entryAmounts(entry), entry.target, key.unitOfMeasure));
  });
  refresh(card);
}

bool isReceiptEntry(const CardRow& row) {
  return store::decimal::parse(row.idcap.toStdString()).value_or(0) >= store::decimal::kScale;
}

void deleteMovement(StockCard& card) {
  app::Statements& sx = card.sx();
  const CardRow row = card.currentRow();
  sx.asOneAction([&] {
    sx.execute({"DELETE FROM " + sx.table("Gestiuni.dbf"), "WHERE PRODUS=" + app::quoted(row.product),
                "AND DOCJUS=" + app::quoted(row.document), "AND DATA=" + dateText(row.date)});
  });
  card.reopenLedger();
  card.selectCard(card.unit(), card.product());
}

void moveCard(StockCard& card, const QString& target) {
  app::Statements& sx = card.sx();
  const QString product = card.currentRow().product;
  sx.asOneAction([&] {
    for (const char* file : {"Note.dbf", "Gestiuni.dbf"})
      sx.execute({"UPDATE " + sx.table(file), "SET GESTIUNE=" + app::quoted(target),
                  "WHERE GESTIUNE=" + app::quoted(card.unit()), "AND PRODUS=" + app::quoted(product)});
  });
  card.reopenProducts();
  card.reopenLedger();
}

}  // namespace movements

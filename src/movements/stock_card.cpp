// The product list, the ledger rows of a card and the rebuild of GesT.dbf.
#include "movements/stock_card.h"

#include <QFile>

#include "app/settings.h"
#include "app/statement_text.h"

namespace movements {

namespace {

// The card's columns after the thirteen copied from F1.
const char* const kCopiedColumns[] = {"IDGEST", "IDCAP",  "IDNOTA", "DATA",   "PRODUS",  "UM",    "GESTIUNE",
                                      "DOCJUS", "EXPLIC", "CANTIN", "VALIN",  "CANTOUT", "VALOUT"};

}  // namespace

StockCard::StockCard(store::Database& database) : sx_(database), b1_(database), f1_(database) {}

QString StockCard::cardFile() const { return app::programFolder() + "/GesT.dbf"; }

void StockCard::open() {
  b1_.setFiltered(false);
  b1_.setFilter(QString());
  sx_.open(b1_, {"SELECT GESTIUNE,PRODUS", "FROM " + sx_.table("Gestiuni.dbf"), "GROUP BY GESTIUNE,PRODUS",
                 "ORDER BY GESTIUNE, PRODUS"});
  f1_.close();
  f1_.sql() = QStringList{"SELECT * FROM " + sx_.table("Gestiuni.dbf"), " ", "ORDER BY DATA, IDGEST"};
  rebuilds_ = 0;
}

void StockCard::close() {
  b1_.close();
  rows_.clear();
  current_ = -1;
  sx_.database().forget(cardFile());
  QFile::remove(cardFile());
}

void StockCard::reopenProducts() {
  b1_.close();
  b1_.open();
}

void StockCard::reopenLedger() {
  f1_.close();
  f1_.open();
}

void StockCard::filterUnit(const QString& unit) {
  QString literal = unit;
  literal.replace(QLatin1Char('\''), QLatin1String("''"));  // a quote inside the filter's literal is doubled
  b1_.setFilter("GESTIUNE='" + literal + "'");
  b1_.setFiltered(true);
}

void StockCard::selectCard(const QString& unit, const QString& product) {
  if (f1_.sql().size() < 2) return;
  unit_ = unit;
  product_ = product;
  const QString condition = "WHERE GESTIUNE=" + app::quoted(unit) + " AND PRODUS=" + app::quoted(product);
  if (f1_.sql().at(1) != condition || !f1_.isOpen()) {
    f1_.close();
    f1_.sql()[1] = condition;
    sx_.open(f1_, f1_.sql());
    if (pump_) pump_();
  }
  CreazaFisa();
}

CardKey StockCard::key() {
  store::sql::ResultSet& ledger = F1();
  ledger.last();
  return {unit_, product_, ledger.asText("UM")};
}

void StockCard::CreazaFisa() {
  if (rebuilds_++ != 0) return;
  // The guard is released however the rebuild ends: a failed one (a stock
  // too large for the card's columns, a file that cannot be written) must
  // not leave the card frozen until the window is opened again.
  struct Release {
    int& counter;
    ~Release() { counter = 0; }
  } release{rebuilds_};
  rows_.clear();
  current_ = -1;
  const QString file = cardFile();
  sx_.database().forget(file);
  QFile::remove(file);
  sx_.execute({"CREATE TABLE " + app::quoted(file), "( IDGEST    DECIMAL(12,0),", "  IDCAP     DECIMAL(12,0),",
               "  IDNOTA    DECIMAL(12,0),", "  DATA      DATE,", "  PRODUS    CHAR(50),", "  UM        CHAR(3),",
               "  GESTIUNE  CHAR(32),", "  DOCJUS    CHAR(50),", "  EXPLIC    CHAR(100),",
               "  CANTIN    DECIMAL(8,2),", "  VALIN     DECIMAL(8,2),", "  CANTOUT   DECIMAL(8,2),",
               "  VALOUT    DECIMAL(8,2),", "  STOCIC    DECIMAL(8,2),", "  STOCIV    DECIMAL(8,2),",
               "  STOCFC    DECIMAL(8,2),", "  STOCFV    DECIMAL(8,2) )"});
  store::sql::ResultSet& ledger = F1();
  std::vector<std::vector<store::Value>> records;
  records.reserve(static_cast<size_t>(ledger.recordCount()));
  int64_t quantity = 0, value = 0;  // the running stock, exact in ten-thousandths
  for (ledger.first(); !ledger.eof(); ledger.next()) {
    std::vector<store::Value> record;
    record.reserve(17);
    for (const char* column : kCopiedColumns) record.push_back(ledger.value(column));
    CardRow row;
    row.idgest = ledger.asText("IDGEST");
    row.idcap = ledger.asText("IDCAP");
    row.product = ledger.asText("PRODUS");
    row.unitOfMeasure = ledger.asText("UM");
    row.unit = ledger.asText("GESTIUNE");
    row.document = ledger.asText("DOCJUS");
    row.explanation = ledger.asText("EXPLIC");
    row.date = ledger.asDate("DATA").value_or(QDate());
    row.quantityIn = ledger.asNumber("CANTIN");
    row.valueIn = ledger.asNumber("VALIN");
    row.quantityOut = ledger.asNumber("CANTOUT");
    row.valueOut = ledger.asNumber("VALOUT");
    row.initialQuantity = quantity;
    row.initialValue = value;
    quantity += row.quantityIn - row.quantityOut;
    value += row.valueIn - row.valueOut;
    row.finalQuantity = quantity;
    row.finalValue = value;
    for (int64_t stock : {row.initialQuantity, row.initialValue, row.finalQuantity, row.finalValue})
      record.push_back(store::Value::number(stock));
    records.push_back(std::move(record));
    rows_.push_back(std::move(row));
  }
  if (!records.empty()) sx_.database().insertRows(file, std::move(records));
  current_ = rows_.empty() ? -1 : static_cast<int>(rows_.size()) - 1;
  if (pump_) pump_();
}

}  // namespace movements

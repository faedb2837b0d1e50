// The ledger generator: units, products, days and the movement mix.
#include "ledger_generator.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "store/codepage.h"
#include "store/database.h"
#include "store/date.h"
#include "store/decimal.h"
#include "store/query.h"
#include "store/schema.h"

namespace bench {

namespace {

using store::Value;

// Draws indexes 0..n-1 with weight 1/(k+1)^s: a few products and units carry
// most of the movements, as in a real storeroom.
class Zipf {
 public:
  Zipf(int n, double s) {
    double total = 0;
    for (int k = 0; k < n; ++k) cumulative_.push_back(total += 1.0 / std::pow(k + 1, s));
    for (double& c : cumulative_) c /= total;
  }
  int draw(std::mt19937_64& random) const {
    double u = std::uniform_real_distribution<double>(0, 1)(random);
    return static_cast<int>(std::lower_bound(cumulative_.begin(), cumulative_.end(), u) - cumulative_.begin());
  }

 private:
  std::vector<double> cumulative_;
};

Value text(const QString& s) { return Value::text(store::encode(s)); }
Value number(int64_t tenThousandths) { return Value::number(tenThousandths); }
Value whole(int64_t n) { return Value::number(n * store::decimal::kScale); }

// A batch of rows appended in one write when full.
class Appender {
 public:
  Appender(store::Database& db, QString path) : db_(db), path_(std::move(path)) {}
  ~Appender() { flush(); }
  void add(std::vector<Value> row) {
    rows_.push_back(std::move(row));
    if (rows_.size() >= 50000) flush();
  }
  void flush() {
    if (rows_.empty()) return;
    db_.insertRows(path_, rows_);
    rows_.clear();
  }

 private:
  store::Database& db_;
  QString path_;
  std::vector<std::vector<Value>> rows_;
};

}  // namespace

LedgerSize generateLedger(const QString& dataFolder, int64_t ledgerRows, uint64_t seed) {
  store::Database db(dataFolder);
  store::Query sx(db);
  store::CreazaBaze(sx, dataFolder);

  std::mt19937_64 random(seed);
  const QStringList unitWords = {"MAGAZIE", "SECRETARIAT", "CONTABILITATE", "LABORATOR", "CANTINA",
                                 "ATELIER", "BIBLIOTECA", "CABINET", "SALA SPORT", "INTERNAT"};
  std::vector<QString> units;
  for (int i = 0; i < 20; ++i) units.push_back(unitWords[i % 10] + (i < 10 ? QString() : " " + QString::number(i / 10 + 1)));
  const QStringList productWords = {"HARTIE", "TONER", "DETERGENT", "BEC", "CRETA", "DOSAR", "PIX", "SAPUN",
                                    "MANUSI", "CABLU", "SURUB", "VOPSEA", "BURETE", "CARTUS", "MARKER"};
  const QStringList measures = {"BUC", "KG", "L", "M", "SET", "TOP", "CUT"};
  std::vector<QString> products, productMeasure;
  for (int i = 0; i < 5000; ++i) {
    products.push_back(productWords[i % productWords.size()] + " TIP " + QString::number(100000 + i * 7919 % 90000));
    productMeasure.push_back(measures[(i * 31) % measures.size()]);
  }
  const QStringList suppliers = {"SC PAPETARIA SRL", "SC ELECTRO LUX SA", "SC CURAT PLUS SRL", "SC BIROTICA SRL",
                                 "SC MATERIALE CONSTRUCT SRL"};
  std::vector<int32_t> days;
  for (int32_t day = store::date::julianDay(2010, 1, 4); days.size() < 15 * 261; ++day)
    if (day % 7 < 5) days.push_back(day);  // Julian day % 7: 0 Monday .. 6 Sunday

  Zipf productDraw(static_cast<int>(products.size()), 1.0), unitDraw(static_cast<int>(units.size()), 0.45);
  const QString gestiuni = dataFolder + "/Gestiuni.dbf", note = dataFolder + "/Note.dbf",
                capNote = dataFolder + "/CapNote.dbf";
  Appender ledger(db, gestiuni), lines(db, note), headers(db, capNote);
  LedgerSize size;
  int64_t idgest = 1, idnota = 1, idcap = 1, voucher = 1, transfer = 1;
  std::uniform_int_distribution<int> percent(0, 99);
  std::uniform_int_distribution<int64_t> quantity(1, 100), price(5000, 500000);  // 0.50 .. 50.00
  std::uniform_int_distribution<int64_t> share(10, 100);  // the part of the stock an exit takes, in %
  // The stock of every unit and product, so that exits never take more than
  // there is: a storeroom's stock stays within a few receipts' worth.
  struct Stock {
    int64_t quantity = 0, value = 0;
  };
  std::vector<Stock> stocks(units.size() * products.size());
  auto stockOf = [&](int unit, int product) -> Stock& {
    return stocks[size_t(unit) * products.size() + size_t(product)];
  };
  // Takes a share of the stock out at its average price; false when there is none.
  auto takeOut = [&](int unit, int product, int64_t& q, int64_t& value) {
    Stock& stock = stockOf(unit, product);
    if (stock.quantity < 100 || stock.value <= 0) return false;
    q = std::max<int64_t>(100, store::decimal::roundTo(stock.quantity * share(random) / 100, 2));
    value = q == stock.quantity ? stock.value
                                : store::decimal::roundTo(static_cast<int64_t>(static_cast<__int128>(stock.value) * q /
                                                                               stock.quantity), 2);
    stock.quantity -= q;
    stock.value -= value;
    return true;
  };

  auto ledgerRow = [&](int32_t day, int product, int unit, const QString& docjus, const QString& explic,
                       int64_t cantin, int64_t valin, int64_t cantout, int64_t valout, int64_t cap, int64_t nota) {
    ledger.add({whole(idgest++), whole(cap), whole(nota), Value::date(day), text(products[product]),
                text(productMeasure[product]), text(docjus), text(explic), number(cantin), number(valin),
                number(cantout), number(valout), text(units[unit])});
    ++size.ledgerRows;
  };

  while (size.ledgerRows < ledgerRows) {
    int32_t day = days[static_cast<size_t>(size.ledgerRows * static_cast<int64_t>(days.size()) / ledgerRows)];
    // A receipt note brings five lines on average, a transfer two rows: these
    // odds give 60 % receipt rows, 35 % consumption and 5 % transfer rows.
    int kind = percent(random);
    int product = productDraw.draw(random), unit = unitDraw.draw(random);
    if (kind < 24) {
      // A receipt note of one to nine lines for one unit on one day.
      int lineCount = std::min<int64_t>(1 + static_cast<int>(random() % 9), ledgerRows - size.ledgerRows);
      int64_t noteNumber = idcap;
      int64_t noteTotal = 0;
      for (int l = 0; l < lineCount; ++l) {
        int p = l == 0 ? product : productDraw.draw(random);
        bool discount = percent(random) < 2;  // ~1 % of all rows (2 % of receipt lines)
        int64_t q = discount ? 0 : quantity(random) * store::decimal::kScale;
        int64_t value = store::decimal::roundTo(quantity(random) * price(random) / 10, 2);
        if (discount) value = -value / 20;
        noteTotal += value;
        stockOf(unit, p).quantity += q;
        stockOf(unit, p).value += value;
        lines.add({whole(idnota), whole(idcap), whole(noteNumber), Value::date(day), text(products[p]),
                   text(productMeasure[p]), number(q), number(q), number(price(random)), number(value),
                   number(0), number(value), text(discount ? "DISCOUNT" : "CONSUMABIL"), text(""),
                   text(units[unit]), whole(0)});
        ++size.noteRows;
        ledgerRow(day, p, unit, "N.I.R. nr." + QString::number(noteNumber), suppliers[noteNumber % suppliers.size()], q,
                  value, 0, 0, idcap, idnota);
        ++idnota;
      }
      headers.add({whole(idcap), whole(noteNumber), Value::date(day), text(suppliers[noteNumber % suppliers.size()]),
                   text("F" + QString::number(noteNumber)), Value::date(day), number(190000), text("ION POPESCU"),
                   text("AB"), text("123456"), text("POLITIA SECTOR 1"), text("MARIA IONESCU"),
                   text("VASILE GHEORGHE"), number(noteTotal)});
      ++size.headerRows;
      ++idcap;
    } else if (kind < 95) {  // 71 % of draws; a draw finding no stock is drawn again
      int64_t q = 0, value = 0;
      if (!takeOut(unit, product, q, value)) continue;
      ledgerRow(day, product, unit, "Bon consum nr." + QString::number(voucher++), "CONSUM", 0, 0, q, value, -1, -1);
    } else {
      int target = (unit + 1 + static_cast<int>(random() % (units.size() - 1))) % static_cast<int>(units.size());
      int64_t q = 0, value = 0;
      if (!takeOut(unit, product, q, value)) continue;
      stockOf(target, product).quantity += q;
      stockOf(target, product).value += value;
      QString doc = "Transfer nr." + QString::number(transfer++);
      ledgerRow(day, product, unit, doc, "Transfer in " + units[target], 0, 0, q, value, -1, -1);
      ledgerRow(day, product, target, doc, "Transfer din " + units[unit], q, value, 0, 0, -1, -1);
    }
  }
  return size;
}

}  // namespace bench

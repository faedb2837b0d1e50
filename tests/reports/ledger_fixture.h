// A Data folder with a small ledger for the report tests: ledger rows and
// receipt lines written straight into Gestiuni.dbf and Note.dbf, amounts
// given as decimal texts.
#pragma once

#include <string>
#include <vector>

#include "store/date.h"
#include "store/decimal.h"
#include "support/data_folder_fixture.h"

namespace reports::testing {

// One row of Gestiuni; `idcap` above 0 marks an entry from a receipt note.
struct LedgerRow {
  QDate date;
  std::string unit, product, unitOfMeasure;
  const char *quantityIn = "0", *valueIn = "0", *quantityOut = "0", *valueOut = "0";
  int idcap = -1;
  std::string document = "DOC";
  std::string explanation = "";
};

// One receipt line of Note: what the reports read of it is the product, the
// unit and the type of goods.
struct ReceiptLineRow {
  std::string unit, product, type;
};

class LedgerFixture : public test_support::DataFolderFixture {
 protected:
  static store::Value amount(const char* text) {
    const auto parsed = store::decimal::parse(text);
    EXPECT_TRUE(parsed.has_value()) << text;
    return store::Value::number(parsed.value_or(0));
  }
  static store::Value day(const QDate& date) {
    return date.isValid() ? store::Value::date(store::date::julianDay(date.year(), date.month(), date.day()))
                          : store::Value();
  }

  void addLedger(const std::vector<LedgerRow>& rows) {
    std::vector<std::vector<store::Value>> records;
    for (const LedgerRow& r : rows) {
      ++lastId_;
      records.push_back({store::Value::number(lastId_ * 10000), store::Value::number(r.idcap * 10000LL),
                         store::Value::number(r.idcap * 10000LL), day(r.date), store::Value::text(r.product),
                         store::Value::text(r.unitOfMeasure), store::Value::text(r.document), store::Value::text(r.explanation),
                         amount(r.quantityIn), amount(r.valueIn), amount(r.quantityOut), amount(r.valueOut),
                         store::Value::text(r.unit)});
    }
    database->insertRows(data() + "/Gestiuni.dbf", records);
  }

  void addReceiptLines(const std::vector<ReceiptLineRow>& rows) {
    std::vector<std::vector<store::Value>> records;
    for (const ReceiptLineRow& r : rows) {
      ++lastId_;
      const store::Value zero = store::Value::number(0);
      records.push_back({store::Value::number(lastId_ * 10000), store::Value::number(10000), store::Value::number(10000),
                         day(QDate(2024, 1, 1)), store::Value::text(r.product), store::Value::text("BUC"), zero, zero,
                         zero, zero, zero, zero, store::Value::text(r.type), store::Value::text(""),
                         store::Value::text(r.unit), zero});
    }
    database->insertRows(data() + "/Note.dbf", records);
  }

 private:
  int64_t lastId_ = 0;
};

}  // namespace reports::testing

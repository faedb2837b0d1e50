// Result sets shaped like the ones the windows bind to the layouts, and
// lookups into generated pages.
#pragma once

#include <gtest/gtest.h>

#include "reports/page_model.h"
#include "store/date.h"
#include "store/decimal.h"
#include "store/sql/result_set.h"

namespace reports::testing {

inline store::Value amount(const char* text) { return store::Value::number(*store::decimal::parse(text)); }
inline store::Value text(const std::string& value) { return store::Value::text(value); }
inline store::Value day(int year, int month, int dayOfMonth) {
  return store::Value::date(store::date::julianDay(year, month, dayOfMonth));
}

struct ReceiptLine {
  std::string product, unit;
  const char *c2, *c3, *c4, *c5, *c6, *c7;
};

// R1 of the receipt notes window: a note's lines.
inline store::sql::ResultSet receiptLines(const std::vector<ReceiptLine>& lines) {
  std::vector<std::vector<store::Value>> rows;
  for (const ReceiptLine& l : lines)
    rows.push_back({text(l.product), text(l.unit), amount(l.c2), amount(l.c3), amount(l.c4), amount(l.c5),
                    amount(l.c6), amount(l.c7)});
  return store::sql::ResultSet({"PRODUS", "UM", "C2", "C3", "C4", "C5", "C6", "C7"}, std::move(rows));
}

// `count` lines of one product each: quantity 1 at price 10, VAT 2.40.
inline store::sql::ResultSet manyReceiptLines(int count) {
  std::vector<ReceiptLine> lines;
  for (int i = 0; i < count; ++i)
    lines.push_back({"PRODUS " + std::to_string(i + 1), "BUC", "1", "1", "10", "10", "2.4", "12.4"});
  return receiptLines(lines);
}

// Tx of the movements window: the stock card after each movement.
struct Movement {
  int dayOfMonth;
  std::string document;
  const char *quantityIn, *quantityOut, *stockQuantity, *valueIn, *valueOut, *stockValue;
};

inline store::sql::ResultSet stockCard(const std::vector<Movement>& movements) {
  std::vector<std::vector<store::Value>> rows;
  for (const Movement& m : movements)
    rows.push_back({day(2006, 3, m.dayOfMonth), text(m.document), amount(m.quantityIn), amount(m.quantityOut),
                    amount(m.stockQuantity), amount(m.valueIn), amount(m.valueOut), amount(m.stockValue)});
  return store::sql::ResultSet({"DATA", "DOCJUS", "CANTIN", "CANTOUT", "STOCFC", "VALIN", "VALOUT", "STOCFV"},
                               std::move(rows));
}

inline store::sql::ResultSet threeMovements() {
  return stockCard({{1, "NIR 1", "10", "0", "10", "25", "0", "25"},
                    {2, "BC 1", "0", "4", "6", "0", "10", "15"},
                    {3, "TR 1", "0", "6", "0", "0", "15", "0"}});
}

// The first text on `page` equal to `value`, or nullptr.
inline const PlacedText* findText(const Document& document, int page, const QString& value) {
  for (const PlacedText& t : document.pages.at(page).texts)
    if (t.text == value) return &t;
  return nullptr;
}

inline int countText(const Document& document, int page, const QString& value) {
  int count = 0;
  for (const PlacedText& t : document.pages.at(page).texts) count += t.text == value ? 1 : 0;
  return count;
}

}  // namespace reports::testing

// The receipts centralizer's data, without widgets: for one calendar month,
// the value received per day, unit and document (N1) from the entries that
// receipt notes put into the ledger, and the month's total.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "app/statements.h"
#include "store/database.h"
#include "store/query.h"

namespace reports {

class ReceiptsCentralizer {
 public:
  explicit ReceiptsCentralizer(store::Database& database);
  ReceiptsCentralizer(const ReceiptsCentralizer&) = delete;
  ReceiptsCentralizer& operator=(const ReceiptsCentralizer&) = delete;

  app::Statements& sx() { return sx_; }

  // Filtru7's data steps for the month `day` falls in: N1 closed, the
  // month's receipt entries counted on Sx and, only when there are any, N1
  // opened on them and their value summed.
  void build(const QDate& day);

  // N1 stays closed for a month without receipts.
  bool isOpen() const { return n1_.isOpen(); }
  // REQUIRES: isOpen().
  store::sql::ResultSet& N1() { return n1_.rows(); }
  bool empty() { return !isOpen() || N1().isEmpty(); }
  // The month's total value (0 without receipts).
  int64_t total() const { return total_; }

  void close() { n1_.close(); }

 private:
  app::Statements sx_;
  store::Query n1_;
  int64_t total_ = 0;
};

}  // namespace reports

// The inventory's data, without widgets: the stock on hand of every product
// (Mx), for all units together or for one unit, grouped over the ledger, with
// a row filter that keeps either the products with stock or the exhausted
// ones, and the total value of the rows that pass it.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "app/statements.h"
#include "store/database.h"
#include "store/query.h"

namespace reports {

// Mx's row filters: the products with stock, and the exhausted ones (a
// negative stock included).
inline constexpr char kWithStock[] = "TCANT>=0.01";
inline constexpr char kExhausted[] = "TCANT<0.01";

class Inventory {
 public:
  explicit Inventory(store::Database& database);
  Inventory(const Inventory&) = delete;
  Inventory& operator=(const Inventory&) = delete;

  app::Statements& sx() { return sx_; }

  // CheckBox1Click's data steps: Mx closed, given the grouping over the
  // ledger rows of `unit` (every unit when empty), filtered to the exhausted
  // products or to those with stock, and opened.
  void build(const QString& unit, bool exhausted);
  // Mx's grouping statement for `unit` (every unit when empty).
  QStringList statement(const QString& unit) const;

  bool isOpen() const { return mx_.isOpen(); }
  // REQUIRES: isOpen().
  store::sql::ResultSet& Mx() { return mx_.rows(); }
  bool empty() { return !isOpen() || Mx().isEmpty(); }

  // Total26's walk: adds TVAL of every row that passes the filter to `total`
  // and leaves Mx on its last row. When reading a row fails, `total` holds
  // the sum reached so far and the error goes on. REQUIRES: isOpen().
  void addValues(int64_t& total);

  void close() { mx_.close(); }  // FormClose
  void clear();                  // after the window closed: Mx closed, its text emptied

 private:
  app::Statements sx_;
  store::Query mx_;
};

}  // namespace reports

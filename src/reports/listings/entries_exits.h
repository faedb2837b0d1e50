// The entries and exits listing's data, without widgets: the ledger rows of a
// period (I1), optionally of one unit, one product and one kind of
// operation, in date order, and the total values entered and issued over the
// same rows, summed on the work query Sx.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "app/statements.h"
#include "store/database.h"
#include "store/query.h"

namespace reports {

// The kinds of operation in the order of the window's list.
enum class Operation { Any, Entries, Exits };

struct MovementFilter {
  QDate from, to;   // both inclusive
  QString unit;     // empty: every unit
  QString product;  // empty: every product
  Operation operation = Operation::Any;
};

// The period's default first day: `today` one month back, the last day of
// the previous month when it is shorter (31 March gives 29 February 2024).
QDate periodStart(const QDate& today);

// The printout's unit and product line: "Gestiunea: " and the unit, then
// "  Produsul: " and the product, each only when chosen; empty for neither.
QString unitAndProductLine(const MovementFilter& filter);

class EntriesExits {
 public:
  explicit EntriesExits(store::Database& database);
  EntriesExits(const EntriesExits&) = delete;
  EntriesExits& operator=(const EntriesExits&) = delete;

  app::Statements& sx() { return sx_; }

  // Filtru6's data steps: I1 closed and given the listing's statement, the
  // totals summed on Sx over the same conditions, then I1 opened.
  void build(const MovementFilter& filter);
  // I1's statement for `filter`.
  QStringList statement(const MovementFilter& filter) const;
  // The totals' statement: I1's lines with the first one summing the values
  // and the ordering replaced by a single space.
  static QStringList totalsStatement(const QStringList& listing);

  bool isOpen() const { return i1_.isOpen(); }
  // REQUIRES: isOpen().
  store::sql::ResultSet& I1() { return i1_.rows(); }
  bool empty() { return !isOpen() || I1().isEmpty(); }
  int64_t totalIn() const { return totalIn_; }
  int64_t totalOut() const { return totalOut_; }

  void close() { i1_.close(); }

 private:
  app::Statements sx_;
  store::Query i1_;
  int64_t totalIn_ = 0, totalOut_ = 0;
};

}  // namespace reports

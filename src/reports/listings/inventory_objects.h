// The inventory objects report's data, without widgets: the stock on hand
// per unit, product and unit of measure (ledger rows with a negative value
// in left out), written into the temporary table Obi.dbf of the program
// folder, and the listing Q1 of the products received at least once as
// something other than "CONSUMABIL", with the greatest such type.
//
// Every statement goes through sx(), so an observer sees each text sent.
// Obi.dbf lives from open() until close(); a statement that fails deletes
// it before its error goes on to the caller.
#pragma once

#include "app/statements.h"
#include "store/database.h"
#include "store/query.h"

namespace reports {

class InventoryObjects {
 public:
  explicit InventoryObjects(store::Database& database);
  InventoryObjects(const InventoryObjects&) = delete;
  InventoryObjects& operator=(const InventoryObjects&) = delete;

  app::Statements& sx() { return sx_; }

  // ArataObInv's data steps: Obi.dbf built and Q1 opened over it, ordered
  // by unit and product.
  void open();
  // REQUIRES: open() succeeded.
  store::sql::ResultSet& Q1() { return q1_.rows(); }
  // When the window has closed: Q1 closed, its text emptied, Obi.dbf deleted.
  void close();

 private:
  app::Statements sx_;
  store::Query q1_;
};

}  // namespace reports

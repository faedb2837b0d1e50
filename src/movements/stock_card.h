// The movements window's data, without widgets: the product list of the
// ledger (B1), the ledger rows of one product in one unit (F1) and the stock
// card built from them into the temporary table GesT.dbf of the program
// folder (Tx), with the stock before and after every movement.
//
// The ledger is read through the store's cached table images, so a rebuild
// per key press reads no file; the card itself is built in one pass over
// F1's rows and written into GesT.dbf as one batch.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/statements.h"
#include "store/database.h"
#include "store/query.h"

namespace movements {

// One row of the card as the grid shows it.
struct CardRow {
  QString idgest, idcap, product, unitOfMeasure, unit, document, explanation;
  QDate date;
  int64_t quantityIn = 0, valueIn = 0, quantityOut = 0, valueOut = 0;
  int64_t initialQuantity = 0, initialValue = 0, finalQuantity = 0, finalValue = 0;
};

// What the card's exits post to: the unit and product of F1's rows and the
// unit of measure of its last one. Taken once per action, so that the
// stock checked and the rows written name the same product even when a key
// handled during a rebuild changed the card in between.
struct CardKey {
  QString unit, product, unitOfMeasure;
};

class StockCard {
 public:
  explicit StockCard(store::Database& database);
  StockCard(const StockCard&) = delete;
  StockCard& operator=(const StockCard&) = delete;

  app::Statements& sx() { return sx_; }
  // Runs between the steps of a rebuild so that the screen repaints; the
  // window lets pending events run here.
  void setEventPump(std::function<void()> pump) { pump_ = std::move(pump); }

  // ArataBonuri's data steps: B1 opened, F1 given its statement (not opened
  // until the first selectCard), the re-entry counter reset.
  void open();
  // After the window closed: B1 and Tx closed, GesT.dbf deleted.
  void close();
  void reopenProducts();  // B1 closed and opened again, its filter kept
  void reopenLedger();    // F1 closed and opened again

  // ComboBox1Change's filter: B1 narrowed to `unit`.
  void filterUnit(const QString& unit);
  store::sql::ResultSet& B1() { return b1_.rows(); }
  store::sql::ResultSet& F1() { return f1_.rows(); }
  bool cardEmpty() { return !f1_.isOpen() || F1().isEmpty(); }
  // REQUIRES: !cardEmpty(). Read from F1, not from the built rows, which a
  // rebuild asked for during another may have left behind.
  CardKey key();

  // SelectFisa without the label: F1 on the rows of `product` in `unit`,
  // then the card rebuilt.
  void selectCard(const QString& unit, const QString& product);
  // CreazaFisa. A rebuild asked for while one runs does nothing.
  void CreazaFisa();
  bool rebuilding() const { return rebuilds_ != 0; }

  const std::vector<CardRow>& rows() const { return rows_; }
  // The movement selected in the grid (Tx's current row); 0-based, -1 for none.
  int current() const { return current_; }
  void setCurrent(int row) { current_ = row; }
  const CardRow& currentRow() const { return rows_.at(static_cast<size_t>(current_)); }

  QString cardFile() const;  // "{Program}/GesT.dbf"
  const QString& unit() const { return unit_; }
  const QString& product() const { return product_; }

 private:
  app::Statements sx_;
  store::Query b1_, f1_;
  std::function<void()> pump_;
  int rebuilds_ = 0;
  std::vector<CardRow> rows_;
  int current_ = -1;
  QString unit_, product_;
};

}  // namespace movements

// TForm32: the movements window ("MISCARI"), the stock card of one product
// in one unit.
//
// The unit list and the product search box (type-ahead over the unit's
// products, arrow keys stepping through them) choose the card; the grid
// shows its movements with the stock before and after each. The buttons
// issue a consumption voucher or a transfer note through the entry dialog,
// delete an exit and move the card to another unit through the chooser;
// "Grafic" (Ctrl+G) shows the card's chart beside the window.
// Created once; ArataBonuri opens the data, shows the window modally and
// cleans up when it closes.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <memory>
#include <optional>

#include "movements/exit_dialog.h"
#include "movements/movement_actions.h"
#include "movements/stock_card.h"
#include "movements/target_chooser.h"
#include "reports/listari.h"
#include "reports/listings/exit_documents.h"
#include "ui/data_grid.h"

namespace charts {
class ChartWindow;
}

namespace movements {

class MovementsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit MovementsWindow(std::function<store::Database&()> database, QWidget* parent = nullptr);
  ~MovementsWindow() override;
  // The entry dialog and the chooser, created after this window.
  // REQUIRES: called before ArataBonuri.
  void attachDialogs(ExitDialog& exitDialog, TargetChooser& chooser);
  // The layouts "Listeaza Fisa" prints with, and the institution name it puts on them.
  void attachPrintout(reports::TLISTARI& listari, std::function<QString()> institution);

  void ArataBonuri();
  void SelectFisa();
  void ComboBox1Change();
  // The product box's drop-down lists the unit's products, the names the
  // type-ahead searches; the typed text and the products' position stay.
  void listUnitProducts();
  void ComboBox2Change();
  // Up and Down in the search box; true when the key was one of them.
  bool ComboBox2KeyDown(int key);
  void ConvexBtn1Click();  // consumption voucher
  void ConvexBtn2Click();  // transfer note
  void ConvexBtn4Click();  // delete the selected movement
  void ConvexBtn5Click();  // move the card
  void G3Click();          // print the card
  // "Listeaza Bon": prints the consumption voucher or the transfer note the
  // selected movement was posted on.
  void ConvexBtn6Click();
  // "Grafic" (Ctrl+G): the chart window of the card, which then follows the card shown.
  void GraficClick();
  // REQUIRES: GraficClick ran once.
  charts::ChartWindow& chartWindow() const { return *chartWindow_; }

  // REQUIRES: the window is open (between ArataBonuri's start and end).
  StockCard& card() { return *card_; }

  QComboBox* unitBox() const { return comboBox1_; }
  QComboBox* productBox() const { return comboBox2_; }
  QLabel* productLabel() const { return label1_; }
  ui::DataGrid* grid() const { return smdbGrid1_; }
  QPushButton* button(const QString& name) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The name proposed for the card's exports and PDF: "Fisa_<product>_<unit>".
  QString cardFileName() const;
  // Asks `question` after an exit was posted and prints its document on DA.
  void offerDocument(const QString& question, const reports::LedgerMovement& posted);
  // Previews the voucher or note `movement` belongs to.
  void printDocument(const reports::LedgerMovement& movement);
  QPushButton* addButton(const char* name, const QString& caption, const QString& hint);
  // Runs an action's handler (its failure goes to the error box), then shows the card.
  void act(const std::function<void()>& handler);
  void showCard();
  // The stock of the card for an exit; a balloon `refusal` + stock on `button` when there is none.
  std::optional<CardStock> stockForExit(const CardKey& key, const QString& refusal, QPushButton* button);

  std::function<store::Database&()> database_;
  reports::TLISTARI* listari_ = nullptr;
  std::function<QString()> institution_;
  ExitDialog* exitDialog_ = nullptr;
  TargetChooser* chooser_ = nullptr;
  std::unique_ptr<StockCard> card_;
  QComboBox *comboBox1_, *comboBox2_;
  QLabel* label1_;
  ui::DataGrid* smdbGrid1_;
  charts::ChartWindow* chartWindow_ = nullptr;  // created at its first opening
  QString listItem_;  // ComboBox2's one list item: the product the arrow keys start from
};

}  // namespace movements

// TForm26: the inventory window ("Inventar."), the stock on hand of every
// product for all units or for one, the products with stock or, ticked, the
// exhausted ones, with the total value and the printout Invent26.
//
// Created once; ArataInventar resets the controls, builds the listing, shows
// the window modally and closes the listing when it closes.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <functional>
#include <memory>

#include "reports/listari.h"
#include "reports/listings/inventory.h"
#include "reports/windows/report_window.h"
#include "store/database.h"
#include "ui/data_grid.h"

namespace reports {

class InventoryWindow : public ReportWindow {
  Q_OBJECT
 public:
  InventoryWindow(std::function<store::Database&()> database, TLISTARI& listari, std::function<QString()> institution,
                  QWidget* parent = nullptr);
  ~InventoryWindow() override;

  void ArataInventar();
  void CheckBox1Click();  // also the unit list's change
  void Total26();
  void LIST26Click();
  void FormClose();

  // REQUIRES: the window is open (between ArataInventar's start and end).
  Inventory& inventory() { return *inventory_; }

  QCheckBox* checkBox() const { return checkBox1_; }
  QComboBox* unitBox() const { return comboBox1_; }
  ui::DataGrid* grid() const { return smdbGrid2_; }
  QLabel* totalLabel() const { return label16_; }

 private:
  std::function<store::Database&()> database_;
  TLISTARI& listari_;
  std::function<QString()> institution_;
  std::unique_ptr<Inventory> inventory_;
  QCheckBox* checkBox1_;
  QComboBox* comboBox1_;
  ui::DataGrid* smdbGrid2_;
  QLabel* label16_;
};

}  // namespace reports

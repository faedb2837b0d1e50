// TForm10: the inventory objects window ("Obiecte de Inventar si Mijloace
// Fixe.").
//
// ArataObInv computes the listing once per opening and shows it in the grid
// (unit, product, unit of measure, quantity, value, type); "LISTEAZA"
// previews LMJF over it. Obi.dbf exists while the window is open.
#pragma once

#include <functional>
#include <memory>

#include "reports/listari.h"
#include "reports/listings/inventory_objects.h"
#include "reports/windows/report_window.h"
#include "store/database.h"
#include "ui/data_grid.h"

namespace reports {

class InventoryObjectsWindow : public ReportWindow {
  Q_OBJECT
 public:
  InventoryObjectsWindow(std::function<store::Database&()> database, TLISTARI& listari,
                         std::function<QString()> institution, QWidget* parent = nullptr);
  ~InventoryObjectsWindow() override;

  void ArataObInv();
  void ConvexBtn2Click();  // print

  // REQUIRES: the window is open (between ArataObInv's start and end).
  InventoryObjects& listing() { return *listing_; }
  ui::DataGrid* grid() const { return smdbGrid1_; }

 private:
  std::function<store::Database&()> database_;
  TLISTARI& listari_;
  std::function<QString()> institution_;
  std::unique_ptr<InventoryObjects> listing_;
  ui::DataGrid* smdbGrid1_;
};

}  // namespace reports

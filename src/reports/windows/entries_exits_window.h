// TForm6: the entries and exits window ("Intrari. Iesiri."), the ledger
// movements of a period, optionally of one unit, one product and one kind of
// operation, with the totals entered and issued and the printout LInOut.
//
// Every change of a date or a list rebuilds the listing at once. Created
// once; ArataBonTransf reloads the lists, resets the period to the last
// month, builds the listing, shows the window modally and closes the
// listing when it closes.
#pragma once

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <functional>
#include <memory>

#include "reports/listari.h"
#include "reports/listings/entries_exits.h"
#include "reports/windows/rebuild_counter.h"
#include "reports/windows/report_window.h"
#include "store/database.h"
#include "ui/data_grid.h"

namespace reports {

class EntriesExitsWindow : public ReportWindow {
  Q_OBJECT
 public:
  EntriesExitsWindow(std::function<store::Database&()> database, TLISTARI& listari,
                     std::function<QString()> institution, QWidget* parent = nullptr);
  ~EntriesExitsWindow() override;

  void ArataBonTransf();
  void Filtru6();
  void Data1Change();  // also Data2's and the three lists' change
  void ConvexBtn2Click();

  // REQUIRES: the window is open (between ArataBonTransf's start and end).
  EntriesExits& listing() { return *listing_; }
  // The filter the controls choose.
  MovementFilter filter() const;

  QDateEdit* fromPicker() const { return data1_; }
  QDateEdit* toPicker() const { return data2_; }
  QComboBox* unitBox() const { return comboBox1_; }
  QComboBox* productBox() const { return comboBox2_; }
  QComboBox* operationBox() const { return comboBox3_; }
  ui::DataGrid* grid() const { return smdbGrid1_; }
  QLabel* totalIn() const { return label7_; }
  QLabel* totalOut() const { return label8_; }

 private:
  std::function<store::Database&()> database_;
  TLISTARI& listari_;
  std::function<QString()> institution_;
  std::unique_ptr<EntriesExits> listing_;
  RebuildCounter rebuilds_;
  QDateEdit *data1_, *data2_;
  QComboBox *comboBox1_, *comboBox2_, *comboBox3_;
  ui::DataGrid* smdbGrid1_;
  QLabel *label7_, *label8_;
};

}  // namespace reports

// TForm7: the receipts centralizer window ("Centralizator Note de Receptie
// pe luni."), the value received per day, unit and document in one month,
// with the month's total and the printout LNIR.
//
// Created once; ArataRapNIR sets the month to the current one, builds the
// listing, shows the window modally and closes the listing when it closes.
#pragma once

#include <QDateEdit>
#include <QLabel>
#include <functional>
#include <memory>

#include "reports/listari.h"
#include "reports/listings/receipts_centralizer.h"
#include "reports/windows/rebuild_counter.h"
#include "reports/windows/report_window.h"
#include "store/database.h"
#include "ui/data_grid.h"

namespace reports {

class CentralizerWindow : public ReportWindow {
  Q_OBJECT
 public:
  CentralizerWindow(std::function<store::Database&()> database, TLISTARI& listari,
                    std::function<QString()> institution, QWidget* parent = nullptr);
  ~CentralizerWindow() override;

  void ArataRapNIR();
  void Filtru7();
  void Data1Change();
  void ConvexBtn2Click();

  // REQUIRES: the window is open (between ArataRapNIR's start and end).
  ReceiptsCentralizer& centralizer() { return *centralizer_; }

  QDateEdit* monthPicker() const { return data1_; }
  QLabel* monthLabel() const { return label1_; }
  ui::DataGrid* grid() const { return smdbGrid1_; }
  QLabel* totalLabel() const { return label3_; }

 private:
  std::function<store::Database&()> database_;
  TLISTARI& listari_;
  std::function<QString()> institution_;
  std::unique_ptr<ReceiptsCentralizer> centralizer_;
  RebuildCounter rebuilds_;
  QLabel* label1_;
  ui::DataGrid* smdbGrid1_;
  QDateEdit* data1_;
  QLabel* label3_;
};

}  // namespace reports

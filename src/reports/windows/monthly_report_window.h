// TForm8: the monthly storeroom report window ("Raport Lunar Varnela.").
//
// The month, the year and the unit ("TOATE GESTIUNILE" for every unit) are
// chosen here; "LISTEAZA" computes the report under the progress counter
// and previews LRapLunVar over its rows. The window has no grid. Created
// once, its month and year kept between openings; ArataRapLunVar refills
// the unit list and shows it modally.
#pragma once

#include <QComboBox>
#include <QDate>
#include <QSpinBox>
#include <functional>
#include <memory>

#include "app/windows/progress_counter.h"
#include "reports/listari.h"
#include "reports/listings/monthly_report.h"
#include "reports/windows/report_window.h"
#include "store/database.h"

namespace reports {

class MonthlyReportWindow : public ReportWindow {
  Q_OBJECT
 public:
  MonthlyReportWindow(std::function<store::Database&()> database, TLISTARI& listari,
                      std::function<QString()> institution, app::ProgressCounter& counter, QWidget* parent = nullptr);
  ~MonthlyReportWindow() override;

  void ArataRapLunVar();
  void ConvexBtn2Click();  // check the year, compute, print, clean up
  void ConvexBtn1Click();  // close
  // Computes the report into `resultPath` for the month starting on
  // `firstDay`, with the progress counter over `busy` meanwhile; the counter
  // is hidden and `busy` given back also when a statement fails.
  void FaRaportLuna(QWidget* busy, const QString& resultPath, const QDate& firstDay);

  // REQUIRES: the window is open (between ArataRapLunVar's start and end).
  MonthlyReport& report() { return *report_; }
  QComboBox* monthList() const { return luna1_; }
  QSpinBox* yearBox() const { return anul1_; }
  QComboBox* unitList() const { return comboBox1_; }

 private:
  void FormCreate();

  std::function<store::Database&()> database_;
  TLISTARI& listari_;
  std::function<QString()> institution_;
  app::ProgressCounter& counter_;
  std::unique_ptr<MonthlyReport> report_;
  QComboBox *luna1_, *comboBox1_;
  QSpinBox* anul1_;
};

}  // namespace reports

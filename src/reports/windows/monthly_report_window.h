// TForm8: the monthly storeroom report window ("Raport Lunar Varnela.").
//
// The month, the year and the unit ("TOATE GESTIUNILE" for every unit) are
// chosen here; "LISTEAZA" computes the report under the progress counter
// and previews LRapLunVar over its rows; "Grafic" charts the month's
// entries and exits by unit beside it. The window has no grid. Created
// once, its month and year kept between openings; ArataRapLunVar refills
// the unit list and shows it modally.
#pragma once

#include <QComboBox>
#include <QDate>
#include <QSpinBox>
#include <functional>
#include <memory>
#include <optional>

#include "app/windows/progress_counter.h"
#include "reports/listari.h"
#include "reports/listings/monthly_report.h"
#include "reports/windows/report_window.h"
#include "store/database.h"

namespace charts {
class ChartWindow;
}

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
  // "Grafic": computes the month and shows its entries and exits by unit
  // in the chart window, which then follows the month, year and unit chosen.
  void GraficClick();
  // REQUIRES: GraficClick showed the chart once.
  charts::ChartWindow& chartWindow() const { return *chartWindow_; }
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
  // The year typed, when it is one the report accepts; the balloon on it otherwise.
  std::optional<int> checkedYear();
  // The chosen month's rows, computed and opened; `use` reads them before they go.
  void withMonthRows(int year, const std::function<void(store::sql::ResultSet&)>& use);
  QString monthText() const;  // "luna Martie.2024"

  std::function<store::Database&()> database_;
  TLISTARI& listari_;
  std::function<QString()> institution_;
  app::ProgressCounter& counter_;
  std::unique_ptr<MonthlyReport> report_;
  QComboBox *luna1_, *comboBox1_;
  QSpinBox* anul1_;
  charts::ChartWindow* chartWindow_ = nullptr;  // created at its first opening
};

}  // namespace reports

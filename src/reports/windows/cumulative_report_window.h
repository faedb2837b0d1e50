// TForm9: the cumulative value report window ("Raport Valoric Cumulativ.").
//
// A month chosen in Data1 (only its month and year count); "LISTEAZA"
// computes the report and previews LRVC over its rows. The window has no
// grid. ArataRapValCum sets the month to the current one and shows the
// window modally.
#pragma once

#include <QDateEdit>
#include <functional>
#include <memory>

#include "reports/listari.h"
#include "reports/listings/cumulative_report.h"
#include "reports/windows/report_window.h"
#include "store/database.h"

namespace reports {

class CumulativeReportWindow : public ReportWindow {
  Q_OBJECT
 public:
  CumulativeReportWindow(std::function<store::Database&()> database, TLISTARI& listari,
                         std::function<QString()> institution, QWidget* parent = nullptr);
  ~CumulativeReportWindow() override;

  void ArataRapValCum();
  void ConvexBtn2Click();  // compute, print, clean up

  // REQUIRES: the window is open (between ArataRapValCum's start and end).
  CumulativeReport& report() { return *report_; }
  QDateEdit* monthBox() const { return data1_; }

 private:
  std::function<store::Database&()> database_;
  TLISTARI& listari_;
  std::function<QString()> institution_;
  std::unique_ptr<CumulativeReport> report_;
  QDateEdit* data1_;
};

}  // namespace reports

// The cumulative value report window: the month and the printing.
#include "reports/windows/cumulative_report_window.h"

#include <QFormLayout>
#include <QScopeGuard>

#include "reports/report_preview.h"
#include "ui/interaction.h"

namespace reports {

CumulativeReportWindow::CumulativeReportWindow(std::function<store::Database&()> database, TLISTARI& listari,
                                               std::function<QString()> institution, QWidget* parent)
    : ReportWindow("TForm9", "Raport Valoric Cumulativ.", parent),
      database_(std::move(database)),
      listari_(listari),
      institution_(std::move(institution)) {
  data1_ = new QDateEdit;
  data1_->setObjectName("Data1");
  data1_->setDisplayFormat("MM.yyyy");
  auto* fields = new QFormLayout;
  fields->addRow("Luna", data1_);
  body()->addLayout(fields);
  const auto fileName = [this] { return "Raport_valoric_cumulativ_" + data1_->date().toString("MM.yyyy"); };
  addPrintAndCloseRow([this] { ConvexBtn2Click(); }, [this] { accept(); }, fileName);
  addSpreadsheetButton(button("ConvexBtn2"), fileName, [this] { button("ConvexBtn2")->click(); });
  setFixedSize(sizeHint());
}

CumulativeReportWindow::~CumulativeReportWindow() = default;

void CumulativeReportWindow::ArataRapValCum() {
  ui::guarded([this] {
    report_ = std::make_unique<CumulativeReport>(database_());
    data1_->setDate(QDate::currentDate());
    ui::interaction().runDialog(*this);
  });
  report_.reset();
}

void CumulativeReportWindow::ConvexBtn2Click() {
  const QDate month = data1_->date();
  // RVC2.dbf goes when the preview closes, or when the computation fails.
  const auto cleanUp = qScopeGuard([this] { report_->close(); });
  store::sql::ResultSet& rows = report_->compute(month);
  const QString layout = "LRVC";
  listari_.setCaption(layout, "QRLabel64", institution_());
  listari_.setCaption(layout, "QRLabel65", QDate::currentDate().toString("dd.MM.yyyy"));
  listari_.setCaption(layout, "QRLabel69", "Luna " + month.toString("MM.yyyy"));
  previewReport(listari_.layout(layout), rows);
}

}  // namespace reports

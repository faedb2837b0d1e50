// The data check's run, listing and counter repair.
#include "admin/data_check_run.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QScopeGuard>

#include "admin/data_check.h"
#include "reports/data_check_layout.h"
#include "reports/report_preview.h"
#include "ui/interaction.h"

namespace admin {

void runDataCheck(QWidget* busy, store::Database& database, reports::TLISTARI& listari, const QString& institution,
                  app::ProgressCounter& counter) {
  DataCheckResult result;
  {
    counter.caption()->setText("Verific datele...");
    app::ProgressCounter::ContorMax() = 100;
    counter.Arata(busy);
    counter.ContorPos(0);
    const auto giveBack = qScopeGuard([&] { counter.Distruge(busy); });
    result = checkData(database, [&](int percent) {
      counter.ContorPos(percent);
      QCoreApplication::processEvents();
    });
  }
  const QString layout = "LVerificare";
  listari.setCaption(layout, "Institutie", institution);
  listari.setCaption(layout, "Data", QDateTime::currentDateTime().toString("dd.MM.yyyy  HH.mm"));
  listari.setCaption(layout, "Rezultat", result.findings.isEmpty()
                                             ? QString("Nicio problema gasita.")
                                             : QString("Probleme gasite: %1").arg(result.findings.size()));
  store::sql::ResultSet rows = findingRows(result.findings, reports::fitsFindingLine);
  reports::previewReport(listari.layout(layout), rows);
  if (result.counters.empty()) return;
  if (ui::interaction().message(kRaiseCountersQuestion, "Confirmation", 1) != "DA") return;
  raiseCounters(result.counters);
  ui::interaction().message("Contoarele au fost ridicate.", "Information", 0);
}

}  // namespace admin

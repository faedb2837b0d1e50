// "Verificare date" as the administrator runs it: the check under the
// progress counter, its listing in the preview (LVerificare), then the
// offer to raise the counters that are not above the numbers in use.
#pragma once

#include <QString>
#include <QWidget>

#include "app/windows/progress_counter.h"
#include "reports/listari.h"
#include "store/database.h"

namespace admin {

// The question asked when counters are behind the numbers in use.
inline constexpr char kRaiseCountersQuestion[] =
    "Unele contoare din sectiunea INDEX nu sunt peste cel mai mare numar folosit.\r\nLe ridicati ?";

void runDataCheck(QWidget* busy, store::Database& database, reports::TLISTARI& listari, const QString& institution,
                  app::ProgressCounter& counter);

}  // namespace admin

// First days of months.
#include "reports/listings/month.h"

namespace reports {

QDate PrimaZi(const QDate& date) { return QDate(date.year(), date.month(), 1); }

QDate nextMonthStart(const QDate& date) { return PrimaZi(date).addMonths(1); }

QString dayText(const QDate& date) { return date.toString("dd.MM.yyyy"); }

}  // namespace reports

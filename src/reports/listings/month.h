// Report months: a month runs from its first day inclusive to the first day
// of the next month exclusive, both written into statements as dd.MM.yyyy.
#pragma once

#include <QDate>
#include <QString>

namespace reports {

// PrimaZi: day 1 of the month and year of `date`.
QDate PrimaZi(const QDate& date);
// The first day of the month after the one `date` falls in (December gives
// 1 January of the next year).
QDate nextMonthStart(const QDate& date);
// A date as statements and captions write it: dd.MM.yyyy.
QString dayText(const QDate& date);

}  // namespace reports

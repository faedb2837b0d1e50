// Display masks of printed numbers and dates.
//
// Number masks such as "0.00" and "#,##0.00": the decimals after the point
// fix the rounding (half to even, as every amount), a "," anywhere turns on
// thousands grouping. The separators are fixed: "." decimal, "," thousands.
// Without a mask a number prints in its shortest general form (10, 2.5).
// Date masks use Qt's letters ("dd.MM.yyyy"); "MMM" and "MMMM" print the
// month's name from the user's regional settings, every digit stays fixed.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

namespace reports {

QString formatNumber(int64_t tenThousandths, const QString& mask);
QString formatDate(const QDate& date, const QString& mask);

}  // namespace reports

// Number and date masks.
#include "reports/masks.h"

#include <QLocale>

#include "store/decimal.h"

namespace reports {

namespace {

QString grouped(const QString& digits) {
  QString out;
  const int n = digits.size();
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

}  // namespace

QString formatNumber(int64_t tenThousandths, const QString& mask) {
  if (mask.isEmpty()) return QString::fromStdString(store::decimal::formatShortest(tenThousandths));
  const int point = mask.indexOf('.');
  const int decimals = point < 0 ? 0 : std::min<int>(mask.size() - point - 1, store::decimal::kScaleDigits);
  QString text = QString::fromStdString(store::decimal::format(tenThousandths, decimals));
  if (!mask.contains(',')) return text;
  const bool negative = text.startsWith('-');
  if (negative) text.remove(0, 1);
  const int textPoint = text.indexOf('.');
  const QString whole = textPoint < 0 ? text : text.left(textPoint);
  const QString fraction = textPoint < 0 ? QString() : text.mid(textPoint);
  return (negative ? "-" : "") + grouped(whole) + fraction;
}

QString formatDate(const QDate& date, const QString& mask) {
  // The C locale keeps month names and digits independent of the machine.
  return date.isValid() ? QLocale::c().toString(date, mask.isEmpty() ? QString("dd.MM.yyyy") : mask) : QString();
}

}  // namespace reports

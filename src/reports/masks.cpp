// Number and date masks.
#include "reports/masks.h"

#include <QLocale>
#include <QRegularExpression>

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
  if (!date.isValid()) return QString();
  QString pattern = mask.isEmpty() ? QStringLiteral("dd.MM.yyyy") : mask;
  // Month names come from the user's regional settings (the default locale);
  // they enter the pattern as quoted text so that the C locale keeps the
  // digits and separators fixed.
  static const QRegularExpression monthName(QStringLiteral("M{3,4}"));
  QRegularExpressionMatch match;
  for (qsizetype from = 0; (match = monthName.match(pattern, from)).hasMatch();) {
    const auto length = match.capturedLength() == 4 ? QLocale::LongFormat : QLocale::ShortFormat;
    QString name = QLocale().monthName(date.month(), length);
    // An abbreviation's own point ("dec.") and the mask's separator after it
    // would print two points in a row ("10.dec..2026"): one is enough.
    if (name.endsWith('.') && pattern.mid(match.capturedEnd(), 1) == ".") name.chop(1);
    QString quoted = "'" + name.replace("'", "''") + "'";
    pattern.replace(match.capturedStart(), match.capturedLength(), quoted);
    from = match.capturedStart() + quoted.size();
  }
  return QLocale::c().toString(date, pattern);
}

}  // namespace reports

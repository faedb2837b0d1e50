// Quoting values and writing amounts.
#include "app/statement_text.h"

#include "store/decimal.h"
#include "store/error.h"

namespace app {

QString quoted(const QString& value) {
  QString doubled = value;
  doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
  return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString amountText(int64_t tenThousandths) {
  return QString::fromStdString(store::decimal::formatShortest(tenThousandths));
}

int64_t amountOf(const QString& text, const QString& what) {
  std::optional<int64_t> amount = store::decimal::parse(text.toStdString());
  if (!amount) throw store::StoreError((what + ": \"" + text + "\" is not a number").toStdString());
  return *amount;
}

}  // namespace app

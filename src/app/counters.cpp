// CodNou, CodExistent and SetCod over the INI file.
#include "app/counters.h"

#include <limits>

#include "app/settings.h"
#include "store/error.h"

namespace app {

namespace {
const char* const kSection = "INDEX";
}

std::optional<int32_t> counterValue(const QString& text) {
  QString trimmed = text;
  while (!trimmed.isEmpty() && trimmed.front() == QLatin1Char(' ')) trimmed.remove(0, 1);
  bool ok = false;
  qlonglong value = trimmed.toLongLong(&ok);
  if (!ok || trimmed.isEmpty() || trimmed.back().isSpace() || value < std::numeric_limits<int32_t>::min() ||
      value > std::numeric_limits<int32_t>::max())
    return std::nullopt;
  return static_cast<int32_t>(value);
}

QString CodExistent(const QString& key) {
  QString text = CitesteStr_din_Ini(kSection, key);
  return text.isEmpty() ? QStringLiteral("1") : text;
}

QString CodNou(const QString& key) {
  QString text = CodExistent(key);
  std::optional<int32_t> value = counterValue(text);
  if (!value) throw store::StoreError("'" + text.toStdString() + "' is not a valid integer value");
  // The number itself is valid; it is the one after it that cannot be kept.
  if (*value == std::numeric_limits<int32_t>::max())
    throw store::StoreError("Contorul " + key.toStdString() + " a ajuns la " + text.toStdString() +
                            ", cel mai mare numar pe care il poate da; nu se mai pot da numere noi.");
  ScrieStr_in_Ini(kSection, key, QString::number(*value + 1));
  return text;
}

void SetCod(const QString& key, const QString& value) { ScrieStr_in_Ini(kSection, key, value); }

}  // namespace app

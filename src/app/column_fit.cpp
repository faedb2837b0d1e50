// Column fit checks over the store's own field rules.
#include "app/column_fit.h"

#include "store/codepage.h"
#include "store/dbase/field_codec.h"
#include "store/error.h"

namespace app {

bool amountFits(int64_t tenThousandths, int precision, int scale) {
  // The same width the engine gives a DECIMAL column, so the check and the
  // write can never disagree.
  store::dbase::Field field{"VALUE", 'N', static_cast<uint8_t>(precision + (scale > 0 ? 2 : 1)),
                            static_cast<uint8_t>(scale)};
  try {
    store::dbase::fitValue(field, store::Value::number(tenThousandths), {"check"});
    return true;
  } catch (const store::StoreError&) {
    return false;
  }
}

std::optional<QString> unstorableCharacter(const QString& text) {
  std::optional<store::UnencodableCharacter> bad = store::firstUnencodable(text);
  if (!bad) return std::nullopt;
  return "Caracterul '" + bad->character + "' (" + bad->codePoint +
         ") nu poate fi memorat. Folositi doar litere romanesti sau latine!";
}

}  // namespace app

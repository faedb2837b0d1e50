// The product type-ahead cursor.
#include "receipts/product_names.h"

namespace receipts {

void ProductNames::open(app::Statements& sx) {
  sx.open(u1_, {"SELECT DISTINCT PRODUS", "FROM " + sx.table("Note.dbf"), "ORDER BY PRODUS"});
}

std::optional<QString> ProductNames::current() {
  if (!u1_.isOpen() || u1_.rows().isEmpty()) return std::nullopt;
  return u1_.rows().asText("PRODUS");
}

std::optional<QString> ProductNames::typed(const QString& text) {
  if (!current()) return std::nullopt;
  const QString start = text.trimmed();
  if (start.isEmpty()) {
    u1_.rows().first();
    return current();
  }
  if (!u1_.rows().locate("PRODUS", start, true)) return QStringLiteral(" ");
  return current();
}

std::optional<QString> ProductNames::down() {
  if (!current()) return std::nullopt;
  u1_.rows().next();
  return current();
}

std::optional<QString> ProductNames::up() {
  if (!current()) return std::nullopt;
  u1_.rows().prior();
  return current();
}

}  // namespace receipts

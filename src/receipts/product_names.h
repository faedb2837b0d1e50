// U1 of the line dialog: the existing product names, alphabetically, as a
// cursor that follows what the user types into the product box.
#pragma once

#include <QString>

#include "app/statements.h"
#include "store/query.h"

namespace receipts {

class ProductNames {
 public:
  explicit ProductNames(store::Database& database) : u1_(database) {}

  // Opens U1, the distinct product names of Note, through `sx`.
  void open(app::Statements& sx);
  void close() { u1_.close(); }
  bool isOpen() const { return u1_.isOpen(); }

  // The text of the product box changed: the cursor goes to the first name
  // that starts with the trimmed text (the first name for an empty text) and
  // stays when none does. Returns the name to offer, a blank when nothing
  // matched; nullopt when U1 is closed or empty (nothing is offered).
  std::optional<QString> typed(const QString& text);
  // Key Down and Up: one name forward or back, never past the ends.
  std::optional<QString> down();
  std::optional<QString> up();

 private:
  std::optional<QString> current();
  store::Query u1_;
};

}  // namespace receipts

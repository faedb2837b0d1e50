// Values as a .dbf field holds them, and their bytes in a record.
//
// fitValue() turns whatever the engine computed into the value the field will
// hold: numbers rounded half to even to the field's decimals, texts and
// numbers converted where a statement may give them, and every check (width,
// range, date, code page) made, so that encodeFieldOver() of a fitted value cannot
// fail. A table checks a whole batch this way before it writes a byte.
//
// Fitted values by field type: N and F give Number or Null; D gives Date or
// Null; L gives Bool or Null; C gives Text without trailing blanks (the empty
// Text for a blank field), as the table image reads them back.
#pragma once

#include <string>
#include <string_view>

#include "store/codepage.h"
#include "store/dbase/field.h"
#include "store/value.h"

namespace store::dbase {

// Where a value is being written: named in errors, and the code page its
// text must be encodable in.
struct FieldTarget {
  std::string_view table;  // file name, such as "Gestiuni.dbf"
  CodePage codePage = CodePage::Win1250;
};

// Throws StoreError naming the table, the column and the value when the value
// does not fit: a number too wide for the field once rounded, a text longer
// than the field (never cut short), a text that is not a number or a
// "dd.MM.yyyy" date where one is needed, a character the code page lacks.
// Taken by value: a caller that moves its value in gets a fitting text back
// without a copy of its bytes.
Value fitValue(const Field& field, Value value, const FieldTarget& target);
// fitValue() done in place; a value that is already what the field stores is
// left untouched.
void fitInPlace(const Field& field, Value& value, const FieldTarget& target);

// Writes the field's `field.width` bytes for a fitted value over as many
// blanks at `blanks` (a record being built): N and F right-aligned with
// exactly `decimals` places, D as YYYYMMDD, L as T or F, C left-aligned in
// `page`; the blanks stay for Null.
void encodeFieldOver(char* blanks, const Field& field, const Value& fitted, CodePage page);

}  // namespace store::dbase

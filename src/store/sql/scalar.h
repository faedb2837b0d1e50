// The meaning of the engine's operators on single values, shared by the
// binder (which folds constant expressions) and the executor.
//
// Three-valued logic: a comparison or arithmetic with a Null operand gives
// Null. A blank text is not Null here: it compares as "" and only IS NULL
// treats it as null. Numbers are exact ten-thousandths; an overflow is an
// error, never a wrapped figure.
#pragma once

#include <optional>
#include <string>

#include "store/dbase/field.h"
#include "store/sql/lexer/token.h"
#include "store/sql/parser/ast.h"
#include "store/value.h"

namespace store::sql {

enum class ValueType : uint8_t { Null, Number, Float, Text, Date, Bool };

const char* typeName(ValueType type);
ValueType typeOfField(const dbase::Field& field);
bool isNumeric(ValueType type);

// Orders two non-null values of comparable kinds (numbers and floats are
// comparable with each other): negative, zero or positive.
int compareValues(const Value& a, const Value& b);
// The order of ORDER BY and of result keys: Null first, kinds apart.
int compareForSort(const Value& a, const Value& b);
bool holds(ast::BinaryOp comparison, int order);
ast::BinaryOp mirrored(ast::BinaryOp comparison);  // a < b  <=>  b > a
ast::BinaryOp inverted(ast::BinaryOp comparison);  // NOT (a < b)  <=>  a >= b

Value compare(ast::BinaryOp comparison, const Value& a, const Value& b);
// + - * / on numbers and floats; throws StoreError naming `pos` on overflow
// or division by zero.
Value arithmetic(ast::BinaryOp op, const Value& a, const Value& b, SourcePos pos);
Value negate(const Value& value, SourcePos pos);
Value castToFloat(const Value& value);
std::optional<int64_t> checkedSum(int64_t a, int64_t b);

// The value as the field stores it: a text becomes a number or date for N
// and D fields (blank text is Null), a number becomes text for C fields.
// Throws StoreError naming the column and the offending value.
Value fitToField(const Value& value, const dbase::Field& field);

}  // namespace store::sql

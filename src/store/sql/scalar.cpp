// Operators on single values: comparison, arithmetic, casts and the
// conversion of a value to a table field's kind.
#include "store/sql/scalar.h"

#include <QString>
#include <cmath>

#include "store/codepage.h"
#include "store/date.h"
#include "store/decimal.h"
#include "store/error.h"

namespace store::sql {

using ast::BinaryOp;

const char* typeName(ValueType type) {
  switch (type) {
    case ValueType::Null: return "null";
    case ValueType::Number: return "number";
    case ValueType::Float: return "float";
    case ValueType::Text: return "text";
    case ValueType::Date: return "date";
    case ValueType::Bool: return "logical";
  }
  return "?";
}

ValueType typeOfField(const dbase::Field& field) {
  switch (field.type) {
    case 'N':
    case 'F': return ValueType::Number;
    case 'D': return ValueType::Date;
    case 'L': return ValueType::Bool;
    default: return ValueType::Text;
  }
}

bool isNumeric(ValueType type) { return type == ValueType::Number || type == ValueType::Float; }

namespace {

double asDouble(const Value& v) {
  return v.kind() == Value::Kind::Float ? v.asFloat() : decimal::toDouble(v.asNumber());
}

template <typename T>
int threeWay(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// Divides rounding half to even; the divisor is not zero.
__int128 divideHalfEven(__int128 value, __int128 divisor) {
  if (divisor < 0) {
    value = -value;
    divisor = -divisor;
  }
  __int128 quotient = value / divisor;
  __int128 remainder = value % divisor;
  __int128 twice = 2 * (remainder < 0 ? -remainder : remainder);
  if (twice > divisor || (twice == divisor && quotient % 2 != 0)) quotient += value < 0 ? -1 : 1;
  return quotient;
}

[[noreturn]] void overflow(SourcePos pos) {
  throw StoreError("arithmetic overflow" + describePosition(pos));
}

}  // namespace

int compareValues(const Value& a, const Value& b) {
  using K = Value::Kind;
  if (a.kind() == K::Number && b.kind() == K::Number) return threeWay(a.asNumber(), b.asNumber());
  if ((a.kind() == K::Number || a.kind() == K::Float) && (b.kind() == K::Number || b.kind() == K::Float))
    return threeWay(asDouble(a), asDouble(b));
  if (a.kind() != b.kind()) return threeWay(static_cast<int>(a.kind()), static_cast<int>(b.kind()));
  switch (a.kind()) {
    case K::Text: {
      int order = a.asText().compare(b.asText());  // char_traits<char> compares as unsigned bytes
      return threeWay(order, 0);
    }
    case K::Date: return threeWay(a.asDate(), b.asDate());
    case K::Bool: return threeWay(a.asBool(), b.asBool());
    default: return 0;
  }
}

int compareForSort(const Value& a, const Value& b) {
  if (a.isNull() || b.isNull()) return threeWay(!a.isNull(), !b.isNull());
  return compareValues(a, b);
}

bool holds(BinaryOp comparison, int order) {
  switch (comparison) {
    case BinaryOp::Equal: return order == 0;
    case BinaryOp::NotEqual: return order != 0;
    case BinaryOp::Less: return order < 0;
    case BinaryOp::LessEqual: return order <= 0;
    case BinaryOp::Greater: return order > 0;
    case BinaryOp::GreaterEqual: return order >= 0;
    default: return false;
  }
}

BinaryOp mirrored(BinaryOp comparison) {
  switch (comparison) {
    case BinaryOp::Less: return BinaryOp::Greater;
    case BinaryOp::LessEqual: return BinaryOp::GreaterEqual;
    case BinaryOp::Greater: return BinaryOp::Less;
    case BinaryOp::GreaterEqual: return BinaryOp::LessEqual;
    default: return comparison;
  }
}

BinaryOp inverted(BinaryOp comparison) {
  switch (comparison) {
    case BinaryOp::Equal: return BinaryOp::NotEqual;
    case BinaryOp::NotEqual: return BinaryOp::Equal;
    case BinaryOp::Less: return BinaryOp::GreaterEqual;
    case BinaryOp::LessEqual: return BinaryOp::Greater;
    case BinaryOp::Greater: return BinaryOp::LessEqual;
    case BinaryOp::GreaterEqual: return BinaryOp::Less;
    default: return comparison;
  }
}

Value compare(BinaryOp comparison, const Value& a, const Value& b) {
  if (a.isNull() || b.isNull()) return Value::null();
  return Value::boolean(holds(comparison, compareValues(a, b)));
}

std::optional<int64_t> checkedSum(int64_t a, int64_t b) {
  int64_t sum;
  if (__builtin_add_overflow(a, b, &sum)) return std::nullopt;
  return sum;
}

Value arithmetic(BinaryOp op, const Value& a, const Value& b, SourcePos pos) {
  if (a.isNull() || b.isNull()) return Value::null();
  if (a.kind() == Value::Kind::Number && b.kind() == Value::Kind::Number) {
    int64_t x = a.asNumber(), y = b.asNumber(), result = 0;
    __int128 wide = 0;
    switch (op) {
      case BinaryOp::Add:
        if (__builtin_add_overflow(x, y, &result)) overflow(pos);
        return Value::number(result);
      case BinaryOp::Subtract:
        if (__builtin_sub_overflow(x, y, &result)) overflow(pos);
        return Value::number(result);
      case BinaryOp::Multiply:
        wide = divideHalfEven(static_cast<__int128>(x) * y, decimal::kScale);
        break;
      case BinaryOp::Divide:
        if (y == 0) throw StoreError("division by zero" + describePosition(pos));
        wide = divideHalfEven(static_cast<__int128>(x) * decimal::kScale, y);
        break;
      default:
        break;
    }
    if (wide > INT64_MAX || wide < INT64_MIN) overflow(pos);
    return Value::number(static_cast<int64_t>(wide));
  }
  double x = asDouble(a), y = asDouble(b);
  switch (op) {
    case BinaryOp::Add: return Value::real(x + y);
    case BinaryOp::Subtract: return Value::real(x - y);
    case BinaryOp::Multiply: return Value::real(x * y);
    default:
      if (y == 0) throw StoreError("division by zero" + describePosition(pos));
      return Value::real(x / y);
  }
}

Value negate(const Value& value, SourcePos pos) {
  switch (value.kind()) {
    case Value::Kind::Number:
      if (value.asNumber() == INT64_MIN) overflow(pos);
      return Value::number(-value.asNumber());
    case Value::Kind::Float: return Value::real(-value.asFloat());
    default: return Value::null();
  }
}

Value castToFloat(const Value& value) {
  switch (value.kind()) {
    case Value::Kind::Number: return Value::real(decimal::toDouble(value.asNumber()));
    case Value::Kind::Float: return value;
    default: return Value::null();
  }
}

namespace {

std::string shownText(const Value& value) {
  return decode(value.asText()).toStdString();
}

[[noreturn]] void misfit(const Value& value, const dbase::Field& field, const char* what) {
  std::string shown;
  switch (value.kind()) {
    case Value::Kind::Text: shown = "\"" + shownText(value) + "\""; break;
    case Value::Kind::Number: shown = decimal::formatShortest(value.asNumber()); break;
    case Value::Kind::Float: shown = QString::number(value.asFloat()).toStdString(); break;
    case Value::Kind::Date: shown = date::formatDisplay(value.asDate()); break;
    default: shown = "a logical value"; break;
  }
  throw StoreError(std::string(what) + " " + shown + " for column " + field.name);
}

}  // namespace

Value fitToField(const Value& value, const dbase::Field& field) {
  using K = Value::Kind;
  if (value.isNull()) return value;
  switch (typeOfField(field)) {
    case ValueType::Text:
      switch (value.kind()) {
        case K::Text: return value;
        case K::Number: return Value::text(decimal::formatShortest(value.asNumber()));
        case K::Float: return Value::text(QString::number(value.asFloat(), 'g', 15).toStdString());
        case K::Date: return Value::text(date::formatDisplay(value.asDate()));
        default: return Value::text(value.asBool() ? "T" : "F");
      }
    case ValueType::Number:
      switch (value.kind()) {
        case K::Number: return value;
        case K::Float:
          if (auto number = decimal::fromDouble(value.asFloat())) return Value::number(*number);
          misfit(value, field, "value out of range");
        case K::Text: {
          if (QByteArray::fromStdString(value.asText()).trimmed().isEmpty()) return Value::null();
          if (auto number = decimal::parse(value.asText())) return Value::number(*number);
          misfit(value, field, "invalid number");
        }
        default: misfit(value, field, "cannot store");
      }
    case ValueType::Date:
      switch (value.kind()) {
        case K::Date: return value;
        case K::Text: {
          if (QByteArray::fromStdString(value.asText()).trimmed().isEmpty()) return Value::null();
          if (auto day = date::parseDisplay(value.asText())) return Value::date(*day);
          misfit(value, field, "invalid date");
        }
        default: misfit(value, field, "cannot store");
      }
    default:
      if (value.kind() == K::Bool) return value;
      misfit(value, field, "cannot store");
  }
}

}  // namespace store::sql

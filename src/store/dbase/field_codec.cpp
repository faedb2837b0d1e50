// Fitting values to .dbf fields and encoding them as field bytes.
#include "store/dbase/field_codec.h"

#include <QString>
#include <algorithm>
#include <bit>
#include <cstring>

#include "store/date.h"
#include "store/decimal.h"
#include "store/error.h"

namespace store::dbase {

namespace {

constexpr int kMaxYear = 9999;  // YYYYMMDD has four digits for the year

std::string_view trimBlanks(std::string_view text) {
  const size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(' ') + 1 - begin);
}

std::string trimRightBlanks(std::string_view text) {
  const size_t end = text.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
}

// The value as an error message shows it; texts quoted and shown as UTF-8.
std::string describe(const Value& value) {
  switch (value.kind()) {
    case Value::Kind::Null: return "NULL";
    case Value::Kind::Number: return decimal::formatShortest(value.asNumber());
    case Value::Kind::Float: return QString::number(value.asFloat(), 'g', 17).toStdString();
    case Value::Kind::Text: return "'" + decode(value.asText()).toStdString() + "'";
    case Value::Kind::Date: return date::formatDisplay(value.asDate());
    case Value::Kind::Bool: return value.asBool() ? "TRUE" : "FALSE";
  }
  return {};
}

std::string typeName(const Field& field) {
  std::string name = std::string(1, field.type) + "(" + std::to_string(field.width);
  if (field.type == 'N' || field.type == 'F') name += "," + std::to_string(field.decimals);
  return name + ")";
}

[[noreturn]] void misfit(const Field& field, const FieldTarget& target, const Value& value, const std::string& what) {
  throw StoreError(std::string(target.table) + ": column " + field.name + ": " + describe(value) + " " + what);
}

// 10^k for k = 0 to 19, every power an unsigned 64-bit number holds.
constexpr uint64_t kPowersOfTen[] = {1ULL,
                                     10ULL,
                                     100ULL,
                                     1000ULL,
                                     10000ULL,
                                     100000ULL,
                                     1000000ULL,
                                     10000000ULL,
                                     100000000ULL,
                                     1000000000ULL,
                                     10000000000ULL,
                                     100000000000ULL,
                                     1000000000000ULL,
                                     10000000000000ULL,
                                     100000000000000ULL,
                                     1000000000000000ULL,
                                     10000000000000000ULL,
                                     100000000000000000ULL,
                                     1000000000000000000ULL,
                                     10000000000000000000ULL};

// "00" to "99": two digits are written per division.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The decimal digits of `units` (one for 0), counted without dividing: the
// bit width gives the count to within one (1233 / 4096 is just over
// log10(2)). Setting the lowest bit changes no count but that of 0.
int digitCount(uint64_t units) {
  units |= 1;
  const int estimate = (std::bit_width(units) * 1233) >> 12;
  return estimate + (units >= kPowersOfTen[estimate] ? 1 : 0);
}

// The magnitude of an amount rounded to `kept` places, in units of its last
// place: the places dropped are zeros, so each division is exact. Spelled
// per count, so that each division is by a constant.
uint64_t unitsOf(int64_t rounded, int kept) {
  const uint64_t magnitude = rounded < 0 ? 0 - static_cast<uint64_t>(rounded) : static_cast<uint64_t>(rounded);
  switch (decimal::kScaleDigits - kept) {
    case 0: return magnitude;
    case 1: return magnitude / 10;
    case 2: return magnitude / 100;
    case 3: return magnitude / 1000;
    default: return magnitude / 10000;
  }
}

// The amount with exactly `decimals` places (amounts carry four, so further
// places are zeros), written so that it ends just before `end`, without a
// string of its own: a batch of many thousand records encodes every amount
// this way.
void writeNumberText(char* end, int64_t amount, int decimals) {
  const int kept = std::min(decimals, decimal::kScaleDigits);
  const int64_t rounded = decimal::roundTo(amount, kept);
  uint64_t units = unitsOf(rounded, kept);
  char* at = end;
  for (int i = kept; i < decimals; ++i) *--at = '0';
  for (int i = 0; i < kept; ++i, units /= 10) *--at = static_cast<char>('0' + units % 10);
  if (decimals > 0) *--at = '.';
  while (units >= 100) {
    at -= 2;
    std::memcpy(at, kDigitPairs + 2 * (units % 100), 2);
    units /= 100;
  }
  if (units >= 10) {
    at -= 2;
    std::memcpy(at, kDigitPairs + 2 * units, 2);
  } else {
    *--at = static_cast<char>('0' + units);
  }
  if (rounded < 0) *--at = '-';
}

// The length of what writeNumberText(end, amount, decimals) writes, counted
// without writing it.
size_t numberTextLength(int64_t amount, int decimals) {
  const int kept = std::min(decimals, decimal::kScaleDigits);
  // `amount` is rounded to `decimals` places, so dropping the places past
  // them is exact.
  // A fraction is written with a digit before its point ("0.05").
  const int digits = std::max(digitCount(unitsOf(amount, kept)), kept + 1);
  return static_cast<size_t>((amount < 0 ? 1 : 0) + digits + (decimals > 0 ? 1 : 0) + (decimals - kept));
}

Value fitNumber(const Field& field, const Value& value, const FieldTarget& target) {
  std::optional<int64_t> amount;
  switch (value.kind()) {
    case Value::Kind::Null:
      return Value::null();
    case Value::Kind::Number:
      amount = value.asNumber();
      break;
    case Value::Kind::Float:
      amount = decimal::fromDouble(value.asFloat());
      if (!amount) misfit(field, target, value, "is not a number an amount can hold");
      break;
    case Value::Kind::Text:
      // A blank text is a NULL, and a number in quotes is stored as that number.
      if (trimBlanks(value.asText()).empty()) return Value::null();
      amount = decimal::parse(value.asText());
      if (!amount) misfit(field, target, value, "is not a number");
      break;
    default:
      misfit(field, target, value, "is not a number");
  }
  const int64_t rounded = decimal::roundTo(*amount, field.decimals);
  // The sign and the point take places of the width, as dBase writes them.
  if (numberTextLength(rounded, field.decimals) > field.width) {
    const size_t point = field.decimals > 0 ? static_cast<size_t>(field.decimals) + 1 : 0;
    std::string largest(field.width > point ? field.width - point : 1, '9');
    if (field.decimals > 0) largest += "." + std::string(static_cast<size_t>(field.decimals), '9');
    throw NumberOverflow(std::string(target.table) + ": column " + field.name + ": " + describe(value) +
                             " does not fit " + typeName(field),
                         {std::string(target.table), field.name, describe(value), largest});
  }
  return Value::number(rounded);
}

Value fitDate(const Field& field, const Value& value, const FieldTarget& target) {
  switch (value.kind()) {
    case Value::Kind::Null:
      return Value::null();
    case Value::Kind::Date: {
      const int year = date::fromJulianDay(value.asDate()).year;
      if (year < 1 || year > kMaxYear) misfit(field, target, value, "is outside the years 1 to 9999");
      return value;
    }
    case Value::Kind::Text: {
      const std::string_view text = trimBlanks(value.asText());
      if (text.empty()) return Value::null();
      // Statements write dates as dd.MM.yyyy text.
      if (auto day = date::parseDisplay(text)) return Value::date(*day);
      misfit(field, target, value, "is not a date (dd.mm.yyyy)");
    }
    default:
      misfit(field, target, value, "is not a date");
  }
}

Value fitLogical(const Field& field, const Value& value, const FieldTarget& target) {
  switch (value.kind()) {
    case Value::Kind::Null:
    case Value::Kind::Bool:
      return value;
    case Value::Kind::Text: {
      const std::string_view text = trimBlanks(value.asText());
      if (text.empty()) return Value::null();
      if (text.size() == 1) {
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        if (letter == 'T' || letter == 'Y') return Value::boolean(true);
        if (letter == 'F' || letter == 'N') return Value::boolean(false);
      }
      break;
    }
    default:
      break;
  }
  misfit(field, target, value, "is not a logical value");
}

// A text the field stores as it is: no pad blanks to trim, no other code page.
bool textFitsAsItIs(const Field& field, const Value& value, const FieldTarget& target) {
  return value.kind() == Value::Kind::Text && target.codePage == CodePage::Win1250 &&
         value.asText().size() <= field.width && (value.asText().empty() || value.asText().back() != ' ');
}

Value fitText(const Field& field, Value value, const FieldTarget& target) {
  // The common case, a text that fits as it is, is passed on without a copy
  // being made to trim it.
  if (textFitsAsItIs(field, value, target)) return value;
  std::string text;
  switch (value.kind()) {
    case Value::Kind::Null:
      return Value::text({});
    case Value::Kind::Text:
      // Trailing blanks are pad; the image reads every text without them.
      text = trimRightBlanks(value.asText());
      break;
    case Value::Kind::Number:
      text = decimal::formatShortest(value.asNumber());
      break;
    case Value::Kind::Float: {
      const auto amount = decimal::fromDouble(value.asFloat());
      if (!amount) misfit(field, target, value, "is not a number an amount can hold");
      text = decimal::formatShortest(*amount);
      break;
    }
    case Value::Kind::Date:
      text = date::formatDisplay(value.asDate());
      break;
    case Value::Kind::Bool:
      misfit(field, target, value, "is not a text");
  }
  // Refused rather than cut: a shortened name would silently stop matching.
  if (text.size() > field.width)
    misfit(field, target, value, "is " + std::to_string(text.size()) + " characters, longer than " + typeName(field));
  if (target.codePage != CodePage::Win1250) {
    try {
      transcode(text, CodePage::Win1250, target.codePage);
    } catch (const StoreError& error) {
      misfit(field, target, value, std::string("cannot be stored: ") + error.what());
    }
  }
  return Value::text(std::move(text));
}

}  // namespace

Value fitValue(const Field& field, Value value, const FieldTarget& target) {
  switch (field.type) {
    case 'N':
    case 'F':
      return fitNumber(field, value, target);
    case 'D':
      return fitDate(field, value, target);
    case 'L':
      return fitLogical(field, value, target);
    default:
      return fitText(field, std::move(value), target);
  }
}

void fitInPlace(const Field& field, Value& value, const FieldTarget& target) {
  // The common cases, a number already rounded to the field's places and a
  // text that fits, stay as they are without a new value being made.
  switch (field.type) {
    case 'N':
    case 'F':
      if (value.kind() == Value::Kind::Number) {
        const int64_t amount = value.asNumber();
        if (decimal::roundTo(amount, field.decimals) == amount &&
            numberTextLength(amount, field.decimals) <= field.width)
          return;
      }
      break;
    case 'C':
      if (textFitsAsItIs(field, value, target)) return;
      break;
    default:
      break;
  }
  value = fitValue(field, std::move(value), target);
}

void encodeFieldOver(char* blanks, const Field& field, const Value& fitted, CodePage page) {
  if (fitted.isNull()) return;
  switch (field.type) {
    case 'N':
    case 'F':
      writeNumberText(blanks + field.width, fitted.asNumber(), field.decimals);
      break;
    case 'D': {
      const std::string text = date::formatStored(fitted.asDate());
      std::memcpy(blanks, text.data(), std::min<size_t>(text.size(), field.width));
      break;
    }
    case 'L':
      blanks[0] = fitted.asBool() ? 'T' : 'F';
      break;
    default:
      // Fitting has checked that the code page holds every character and
      // that the text fits.
      if (page == CodePage::Win1250) {
        std::memcpy(blanks, fitted.asText().data(), fitted.asText().size());
      } else {
        const std::string text = transcode(fitted.asText(), CodePage::Win1250, page);
        std::memcpy(blanks, text.data(), text.size());
      }
  }
}

}  // namespace store::dbase

// Key encoding and ordering for the three key types of a tag.
#include "store/mdx/key_codec.h"

#include <QtEndian>
#include <bit>
#include <cstring>

#include "store/decimal.h"
#include "store/error.h"
#include "store/mdx/mdx_layout.h"

namespace store::mdx {

namespace {

constexpr uint8_t kExponentBias = 0x34;
constexpr uint8_t kNegativeBit = 0x80;
constexpr uint8_t kDigitCountMask = 0x7C;
constexpr uint8_t kNumberMarkBit = 0x01;
constexpr int kMaxDigits = 2 * (kNumericKeyLength - 2);

int nibbleAt(std::string_view key, int digit) {
  auto byte = static_cast<uint8_t>(key[2 + digit / 2]);
  return digit % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

int significantDigits(std::string_view key) { return (static_cast<uint8_t>(key[1]) & kDigitCountMask) >> 2; }

// -1, 0 or 1; a key without digits is zero whatever its sign bit says.
int signOf(std::string_view key) {
  if (significantDigits(key) == 0) return 0;
  return (static_cast<uint8_t>(key[1]) & kNegativeBit) ? -1 : 1;
}

std::string kindMismatch(const std::string& fieldName, const char* wanted) {
  return "field " + fieldName + ": a " + wanted + " value is needed for its index key";
}

}  // namespace

std::string encodeNumberKey(int64_t tenThousandths) {
  std::string key(kNumericKeyLength, '\0');
  if (tenThousandths == 0) {
    key[0] = static_cast<char>(kExponentBias);
    key[1] = static_cast<char>(kNumberMarkBit);
    return key;
  }
  uint64_t magnitude = tenThousandths < 0 ? 0 - static_cast<uint64_t>(tenThousandths)
                                          : static_cast<uint64_t>(tenThousandths);
  const std::string digits = std::to_string(magnitude);
  // The digit string reads as the value with the point four places from its
  // end, so the normalised exponent is its length less those four places.
  const int exponent = static_cast<int>(digits.size()) - decimal::kScaleDigits;
  const size_t lastNonZero = digits.find_last_not_of('0');
  // Zeros before the point are significant (100 has three digits), the ones
  // after it are not.
  const int significant = std::max(static_cast<int>(lastNonZero) + 1, exponent);
  key[0] = static_cast<char>(kExponentBias + exponent);
  key[1] = static_cast<char>((significant << 2) | kNumberMarkBit | (tenThousandths < 0 ? kNegativeBit : 0));
  for (int i = 0; i < significant; ++i) {
    auto nibble = static_cast<uint8_t>(digits[i] - '0');
    key[2 + i / 2] = static_cast<char>(static_cast<uint8_t>(key[2 + i / 2]) | (i % 2 == 0 ? nibble << 4 : nibble));
  }
  return key;
}

std::optional<int64_t> decodeNumberKey(std::string_view key) {
  if (key.size() != kNumericKeyLength) return std::nullopt;
  const int significant = significantDigits(key);
  if (significant == 0) return 0;
  if (significant > kMaxDigits) return std::nullopt;
  // digits x 10^(exponent - significant) units = digits x 10^(shift) ten-thousandths.
  const int shift = static_cast<int>(static_cast<uint8_t>(key[0])) - kExponentBias - significant + decimal::kScaleDigits;
  if (shift < 0) return std::nullopt;
  const bool negative = signOf(key) < 0;
  // int64 reaches one further below zero than above it.
  const uint64_t limit = static_cast<uint64_t>(INT64_MAX) + (negative ? 1 : 0);
  uint64_t magnitude = 0;
  for (int i = 0; i < significant + shift; ++i) {
    const int digit = i < significant ? nibbleAt(key, i) : 0;
    if (digit > 9 || magnitude > (limit - static_cast<uint64_t>(digit)) / 10) return std::nullopt;
    magnitude = magnitude * 10 + static_cast<uint64_t>(digit);
  }
  return static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
}

int compareNumberKeys(std::string_view a, std::string_view b) {
  const int signA = signOf(a);
  const int signB = signOf(b);
  if (signA != signB) return signA < signB ? -1 : 1;
  if (signA == 0) return 0;
  // Same sign: the larger exponent has the larger magnitude, then the digits
  // (normalised, zero-padded) decide byte by byte.
  int magnitude = static_cast<uint8_t>(a[0]) - static_cast<uint8_t>(b[0]);
  if (magnitude == 0) magnitude = std::memcmp(a.data() + 2, b.data() + 2, kNumericKeyLength - 2);
  if (magnitude == 0) return 0;
  const int ascending = magnitude < 0 ? -1 : 1;
  return signA > 0 ? ascending : -ascending;
}

std::string encodeDateKey(double julianDay) {
  std::string key(kDateKeyLength, '\0');
  qToLittleEndian<quint64>(std::bit_cast<quint64>(julianDay), key.data());
  return key;
}

double decodeDateKey(std::string_view key) {
  return std::bit_cast<double>(qFromLittleEndian<quint64>(key.data()));
}

KeyCodec::KeyCodec(const dbase::Field& field) : type_(KeyType::Character), keyLength_(field.width) {
  switch (field.type) {
    case 'C':
      if (field.width == 0) throw StoreError("field " + field.name + " has no width to index");
      break;
    case 'N':
    case 'F':
      type_ = KeyType::Numeric;
      keyLength_ = kNumericKeyLength;
      break;
    case 'D':
      type_ = KeyType::Date;
      keyLength_ = kDateKeyLength;
      break;
    default:
      throw StoreError("field " + field.name + " of type " + std::string(1, field.type) + " cannot be indexed");
  }
}

KeyCodec::KeyCodec(KeyType type, int keyLength) : type_(type), keyLength_(keyLength) {
  const bool fits = (type == KeyType::Numeric && keyLength == kNumericKeyLength) ||
                    (type == KeyType::Date && keyLength == kDateKeyLength) ||
                    (type == KeyType::Character && keyLength >= 1 && keyLength <= kMaxCharacterKeyLength);
  if (!fits)
    throw StoreError("key length " + std::to_string(keyLength) + " does not suit key type " +
                     std::string(1, static_cast<char>(type)));
}

int KeyCodec::keysPerBlock() const { return (kBlockSize - 12) / itemLength(); }

std::string KeyCodec::encode(const Value& value, const std::string& fieldName) const {
  switch (type_) {
    case KeyType::Numeric:
      if (value.isNull()) return encodeNumberKey(0);
      if (value.kind() != Value::Kind::Number) throw StoreError(kindMismatch(fieldName, "number"));
      return encodeNumberKey(value.asNumber());
    case KeyType::Date:
      if (value.isNull()) return encodeDateKey(0.0);
      if (value.kind() != Value::Kind::Date) throw StoreError(kindMismatch(fieldName, "date"));
      return encodeDateKey(static_cast<double>(value.asDate()));
    case KeyType::Character:
      break;
  }
  std::string key;
  if (!value.isNull()) {
    if (value.kind() != Value::Kind::Text) throw StoreError(kindMismatch(fieldName, "text"));
    key = value.asText();
  }
  if (key.size() > static_cast<size_t>(keyLength_))
    throw StoreError("field " + fieldName + ": text of " + std::to_string(key.size()) + " bytes is wider than its " +
                     std::to_string(keyLength_) + "-byte key");
  key.resize(static_cast<size_t>(keyLength_), ' ');
  return key;
}

int KeyCodec::compare(std::string_view a, std::string_view b) const {
  switch (type_) {
    case KeyType::Numeric:
      return compareNumberKeys(a, b);
    case KeyType::Date: {
      const double x = decodeDateKey(a);
      const double y = decodeDateKey(b);
      return x < y ? -1 : (y < x ? 1 : 0);
    }
    case KeyType::Character:
      break;
  }
  return std::memcmp(a.data(), b.data(), static_cast<size_t>(keyLength_));
}

namespace {
constexpr uint64_t kSignBit = uint64_t{1} << 63;
}  // namespace

uint64_t KeyCodec::orderPrefix(const Value& value, std::string_view key) const {
  // A number's key holds the number itself (a blank one is keyed as 0).
  if (type_ == KeyType::Numeric && (value.isNull() || value.kind() == Value::Kind::Number))
    return static_cast<uint64_t>(value.isNull() ? 0 : value.asNumber()) ^ kSignBit;
  return orderPrefix(key);
}

uint64_t KeyCodec::orderPrefix(std::string_view key) const {
  switch (type_) {
    case KeyType::Numeric:
      // Every key encode() makes holds an int64; flipping the sign bit puts
      // the negatives below the positives as unsigned numbers.
      return static_cast<uint64_t>(decodeNumberKey(key).value_or(0)) ^ kSignBit;
    case KeyType::Date: {
      // IEEE doubles order like sign-magnitude integers: negatives reversed.
      const uint64_t bits = std::bit_cast<uint64_t>(decodeDateKey(key));
      return (bits & kSignBit) ? ~bits : bits | kSignBit;
    }
    case KeyType::Character:
      break;
  }
  uint64_t prefix = 0;
  for (size_t i = 0; i < 8; ++i) prefix = (prefix << 8) | (i < key.size() ? static_cast<uint8_t>(key[i]) : 0);
  return prefix;
}

}  // namespace store::mdx

// Index keys of one tag: how a field's value becomes key bytes and how two
// keys compare.
//
// - C: the field's Windows-1250 bytes padded with blanks to the field width,
//   compared byte by byte.
// - D: the Julian day number as a little-endian IEEE double.
// - N and F: 12 bytes of packed decimal: byte 0 = 0x34 + the decimal
//   exponent, byte 1 = (significant digit count << 2) | 0x01, plus 0x80 when
//   negative, then the digits two per byte, first digit in the high nibble.
//   The digits are normalised so the first one is not zero: 12.5 has exponent
//   2 (0x36), 0.01 has exponent -1 (0x33), and 0 has no digits at all.
//
// A blank field gets the lowest key its type can hold among real values: a
// blank N is keyed as 0, a blank D as the double 0.0 (below every calendar
// date), a blank C as all blanks. That keeps blanks together and in front of
// dates, and matches what readers that know no blanks expect.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "store/dbase/field.h"
#include "store/value.h"

namespace store::mdx {

enum class KeyType : char { Character = 'C', Numeric = 'N', Date = 'D' };

inline constexpr int kNumericKeyLength = 12;
inline constexpr int kDateKeyLength = 8;
inline constexpr int kMaxCharacterKeyLength = 254;

class KeyCodec {
 public:
  // For a tag over `field`; throws StoreError for a field type that has no
  // key (L) or a width that fits no node.
  explicit KeyCodec(const dbase::Field& field);
  // For a tag read from a file; throws StoreError when `keyLength` does not
  // suit `type`.
  KeyCodec(KeyType type, int keyLength);

  KeyType type() const { return type_; }
  int keyLength() const { return keyLength_; }
  // The pointer and the key, rounded up to whole 4-byte words.
  int itemLength() const { return (keyLength_ + 4 + 3) / 4 * 4; }
  int keysPerBlock() const;

  // Throws StoreError naming `fieldName` when the value's kind does not suit
  // the key type or a text is wider than the key.
  std::string encode(const Value& value, const std::string& fieldName) const;

  // <0, 0, >0 like memcmp, in the order dBase keeps the tag.
  int compare(std::string_view a, std::string_view b) const;

  // A number in the order of compare(): compare(a, b) < 0 gives
  // orderPrefix(a) <= orderPrefix(b). For N and D keys, and C keys of up to
  // 8 bytes, it is the whole key (prefixIsWhole()): equal prefixes mean equal
  // keys. Lets a million keys sort without reaching into them.
  // REQUIRES: `key` came from encode().
  uint64_t orderPrefix(std::string_view key) const;
  // The same for `key` = encode(value), from the value where that is quicker.
  uint64_t orderPrefix(const Value& value, std::string_view key) const;
  bool prefixIsWhole() const { return type_ != KeyType::Character || keyLength_ <= 8; }

 private:
  KeyType type_;
  int keyLength_;
};

std::string encodeNumberKey(int64_t tenThousandths);
// Ten-thousandths held by a numeric key, nullopt when the key is malformed or
// needs more than four decimals or more than int64.
std::optional<int64_t> decodeNumberKey(std::string_view key);
int compareNumberKeys(std::string_view a, std::string_view b);

std::string encodeDateKey(double julianDay);
double decodeDateKey(std::string_view key);

}  // namespace store::mdx

// Index keys: the packed-decimal, date and text encodings and their order.
#include "store/mdx/key_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "store/date.h"
#include "store/error.h"

namespace store::mdx {
namespace {

std::string hex(const std::string& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

struct NumberCase {
  int64_t tenThousandths;
  const char* key;  // all 12 bytes
};

TEST(NumberKey, EncodesLikeDbase) {
  const NumberCase cases[] = {
      {0, "34 01 00 00 00 00 00 00 00 00 00 00"},
      {10000, "35 05 10 00 00 00 00 00 00 00 00 00"},        // 1
      {125000, "36 0D 12 50 00 00 00 00 00 00 00 00"},       // 12.5
      {-32500, "35 8D 32 50 00 00 00 00 00 00 00 00"},       // -3.25
      {1000000, "37 0D 10 00 00 00 00 00 00 00 00 00"},      // 100
      {100, "33 05 10 00 00 00 00 00 00 00 00 00"},          // 0.01: exponent -1
      {-100, "33 85 10 00 00 00 00 00 00 00 00 00"},         // -0.01
      {1, "31 05 10 00 00 00 00 00 00 00 00 00"},            // 0.0001
      {5000, "34 05 50 00 00 00 00 00 00 00 00 00"},         // 0.5
      {1020500, "37 15 10 20 50 00 00 00 00 00 00 00"},      // 102.05
      {123456789012345, "3F 3D 12 34 56 78 90 12 34 50 00 00"},  // 12345678901.2345
      {INT64_MAX, "43 4D 92 23 37 20 36 85 47 75 80 70"},   // 922337203685477.5807
      {INT64_MIN, "43 CD 92 23 37 20 36 85 47 75 80 80"},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.tenThousandths);
    const std::string key = encodeNumberKey(c.tenThousandths);
    EXPECT_EQ(hex(key), c.key);
    EXPECT_EQ(decodeNumberKey(key), c.tenThousandths);
  }
}

TEST(NumberKey, RejectsKeysItCannotHold) {
  std::string tooManyDecimals = encodeNumberKey(1);
  tooManyDecimals[0] = 0x2F;  // 0.000001
  EXPECT_EQ(decodeNumberKey(tooManyDecimals), std::nullopt);
  std::string tooLarge = encodeNumberKey(10000);
  tooLarge[0] = 0x34 + 20;
  EXPECT_EQ(decodeNumberKey(tooLarge), std::nullopt);
  EXPECT_EQ(decodeNumberKey("short"), std::nullopt);
}

TEST(NumberKey, OrdersShuffledNumbersNumerically) {
  std::vector<int64_t> numbers = {0, 1, -1, 100, -100, 5000, -5000, 10000, -10000, 99999, -99999, 100000,
                                  125000, -125000, 1000000, 999999, -32500, 32500, 10000000000, -10000000000,
                                  123456789012345, -123456789012345, INT64_MAX, INT64_MIN, 25, 2500, 250000};
  std::mt19937 random(7);
  for (int i = 0; i < 300; ++i) {
    const int64_t scale = static_cast<int64_t>(1) << (random() % 44);  // keeps the product inside int64
    numbers.push_back((static_cast<int64_t>(random() % 2000001) - 1000000) * scale);
  }
  std::shuffle(numbers.begin(), numbers.end(), random);
  std::vector<std::string> keys;
  for (int64_t n : numbers) keys.push_back(encodeNumberKey(n));
  const KeyCodec codec(KeyType::Numeric, kNumericKeyLength);
  std::sort(keys.begin(), keys.end(), [&](const std::string& a, const std::string& b) { return codec.compare(a, b) < 0; });
  std::sort(numbers.begin(), numbers.end());
  for (size_t i = 0; i < numbers.size(); ++i) EXPECT_EQ(decodeNumberKey(keys[i]), numbers[i]) << i;
  for (size_t i = 1; i < keys.size(); ++i)
    EXPECT_EQ(codec.compare(keys[i - 1], keys[i]) == 0, numbers[i - 1] == numbers[i]) << i;
}

TEST(NumberKey, TreatsSignlessZeroDigitsAsZero) {
  std::string negativeZero = encodeNumberKey(0);
  negativeZero[1] = static_cast<char>(0x81);
  EXPECT_EQ(compareNumberKeys(negativeZero, encodeNumberKey(0)), 0);
  EXPECT_LT(compareNumberKeys(encodeNumberKey(-1), negativeZero), 0);
}

TEST(DateKey, IsTheJulianDayAsLittleEndianDouble) {
  const std::string key = encodeDateKey(date::julianDay(2024, 1, 15));
  EXPECT_EQ(hex(key), "00 00 00 80 52 C5 42 41");  // 2460325.0
  EXPECT_EQ(decodeDateKey(key), 2460325.0);
}

TEST(KeyCodec, EncodesValuesOfEachFieldType) {
  const KeyCodec text(dbase::Field{"NUME", 'C', 6});
  EXPECT_EQ(text.encode(Value::text("ab"), "NUME"), "ab    ");
  EXPECT_EQ(text.encode(Value::text("\xC8" "abc"), "NUME"), "\xC8" "abc  ");
  EXPECT_EQ(text.encode(Value::null(), "NUME"), "      ");
  EXPECT_EQ(text.encode(Value::text(""), "NUME"), "      ");
  EXPECT_EQ(text.itemLength(), 12);
  EXPECT_EQ(text.keysPerBlock(), 84);

  const KeyCodec number(dbase::Field{"CANT", 'N', 12, 2});
  EXPECT_EQ(number.encode(Value::number(125000), "CANT"), encodeNumberKey(125000));
  EXPECT_EQ(number.encode(Value::null(), "CANT"), encodeNumberKey(0));  // a blank N is keyed as 0
  EXPECT_EQ(number.itemLength(), 16);
  EXPECT_EQ(number.keysPerBlock(), 63);
  EXPECT_EQ(KeyCodec(dbase::Field{"F", 'F', 10, 3}).type(), KeyType::Numeric);

  const KeyCodec day(dbase::Field{"DATA", 'D', 8});
  EXPECT_EQ(day.encode(Value::date(2460325), "DATA"), encodeDateKey(2460325.0));
  EXPECT_EQ(day.encode(Value::null(), "DATA"), encodeDateKey(0.0));  // a blank D sorts first
  EXPECT_LT(day.compare(day.encode(Value::null(), "DATA"), day.encode(Value::date(1), "DATA")), 0);
  EXPECT_EQ(day.keysPerBlock(), 84);
}

// The bulk build sorts by the order prefix first; it must never contradict
// compare(), and where it claims to be the whole key it must be exact.
TEST(KeyCodec, OrderPrefixAgreesWithCompare) {
  std::mt19937 random(9);
  const dbase::Field fields[] = {{"N", 'N', 12, 2}, {"D", 'D', 8}, {"SHORT", 'C', 6}, {"LONG", 'C', 20}};
  for (const dbase::Field& field : fields) {
    SCOPED_TRACE(field.name);
    const KeyCodec codec(field);
    std::vector<std::string> keys;
    for (int i = 0; i < 150; ++i) {
      Value value = Value::null();
      if (i % 10 != 0) {
        switch (field.type) {
          case 'N': value = Value::number((static_cast<int64_t>(random() % 2001) - 1000) << (random() % 40)); break;
          case 'D': value = Value::date(static_cast<int32_t>(random() % 3000000) - 500000); break;
          default: {
            std::string text = "PRODUS \xC8" + std::to_string(random() % 30);
            text.erase(random() % 8, random() % 3);  // vary the first eight bytes too
            text.resize(std::min<size_t>(text.size(), field.width));
            value = Value::text(text);
          }
        }
      }
      keys.push_back(codec.encode(value, field.name));
    }
    for (const std::string& a : keys) {
      for (const std::string& b : keys) {
        const int order = codec.compare(a, b);
        if (order < 0) {
          EXPECT_LE(codec.orderPrefix(a), codec.orderPrefix(b));
        }
        if (codec.prefixIsWhole()) {
          EXPECT_EQ(order == 0, codec.orderPrefix(a) == codec.orderPrefix(b));
        }
      }
    }
  }
}

TEST(KeyCodec, ComparesTextAsUnsignedBytes) {
  const KeyCodec text(dbase::Field{"NUME", 'C', 3});
  EXPECT_LT(text.compare("A  ", "AB "), 0);
  EXPECT_LT(text.compare("Z  ", "\xC8  "), 0);  // 0xC8 above every ASCII letter
  EXPECT_EQ(text.compare("ab ", "ab "), 0);
}

TEST(KeyCodec, RefusesWhatCannotBeAKey) {
  const KeyCodec text(dbase::Field{"NUME", 'C', 3});
  EXPECT_THROW(text.encode(Value::text("abcd"), "NUME"), StoreError);
  EXPECT_THROW(text.encode(Value::number(1), "NUME"), StoreError);
  EXPECT_THROW(KeyCodec(dbase::Field{"N", 'N', 5}).encode(Value::text("1"), "N"), StoreError);
  EXPECT_THROW(KeyCodec(dbase::Field{"D", 'D', 8}).encode(Value::number(1), "D"), StoreError);
  EXPECT_THROW(KeyCodec(dbase::Field{"L", 'L', 1}), StoreError);
  EXPECT_THROW(KeyCodec(dbase::Field{"C", 'C', 0}), StoreError);
  EXPECT_THROW(KeyCodec(KeyType::Numeric, 8), StoreError);
  EXPECT_THROW(KeyCodec(KeyType::Character, 255), StoreError);
}

}  // namespace
}  // namespace store::mdx

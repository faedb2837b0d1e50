// Fitting values to .dbf fields and their bytes: rounding, widths, conversions
// and code pages, as a table of cases.
#include "store/dbase/field_codec.h"

#include <gtest/gtest.h>

#include <optional>

#include "dbf_bytes.h"
#include "store/date.h"
#include "store/error.h"

namespace store::dbase {
namespace {

using testing::field;

// The field's bytes for a fitted value, as a record being built gets them.
std::string encoded(const Field& field, const Value& fitted, CodePage page = CodePage::Win1250) {
  std::string bytes(field.width, ' ');
  encodeFieldOver(bytes.data(), field, fitted, page);
  return bytes;
}

// The layouts of the program's tables map DECIMAL(p,s) to N(p+2,s) when s > 0
// and to N(p+1,0) when s = 0.
const Field kTva = field("TVA", 'N', 6, 2);           // DECIMAL(4,2)
const Field kCantin = field("CANTIN", 'N', 10, 2);    // DECIMAL(8,2)
const Field kIdgest = field("IDGEST", 'N', 13, 0);    // DECIMAL(12,0)
const Field kUm = field("UM", 'C', 3);
const Field kProdus = field("PRODUS", 'C', 8);
const Field kData = field("DATA", 'D', 8);
const Field kGata = field("GATA", 'L', 1);
const Field kRata = field("RATA", 'F', 12, 6);

Value amount(int64_t tenThousandths) { return Value::number(tenThousandths); }
Value text(const char* bytes) { return Value::text(bytes); }
Value day(int y, int m, int d) { return Value::date(date::julianDay(y, m, d)); }

struct Case {
  const char* what;
  Field field;
  Value input;
  std::optional<Value> fitted;  // nullopt: the value must be refused
  std::string bytes;            // the encoded field, or a part of the error message
};

TEST(FieldCodec, FitsAndEncodesValues) {
  const std::vector<Case> cases = {
      {"VAT rate 24 in DECIMAL(4,2)", kTva, amount(240000), amount(240000), " 24.00"},
      {"largest DECIMAL(4,2)", kTva, amount(999900), amount(999900), " 99.99"},
      {"negative DECIMAL(4,2)", kTva, amount(-999900), amount(-999900), "-99.99"},
      {"a negative cent in DECIMAL(4,2)", kTva, amount(-500), amount(-500), " -0.05"},
      {"zero keeps its places", kTva, amount(0), amount(0), "  0.00"},
      {"a hundred fills DECIMAL(4,2) when written", kTva, amount(1000000), amount(1000000), "100.00"},
      {"a thousand does not", kTva, amount(10000000), std::nullopt, "does not fit N(6,2)"},
      {"largest DECIMAL(8,2)", kCantin, amount(99999999900), amount(99999999900), "9999999.99"},
      {"most negative DECIMAL(8,2)", kCantin, amount(-9999999900), amount(-9999999900), "-999999.99"},
      {"DECIMAL(8,2) overflow", kCantin, amount(100000000000), std::nullopt, "CANTIN: 10000000 does not fit N(10,2)"},
      {"DECIMAL(8,2) negative overflow", kCantin, amount(-99999999900), std::nullopt, "does not fit N(10,2)"},
      {"rounds down to the even cent", kCantin, amount(10050), amount(10000), "      1.00"},
      {"rounds up to the even cent", kCantin, amount(10150), amount(10200), "      1.02"},
      {"rounds negative ties to even", kCantin, amount(-10050), amount(-10000), "     -1.00"},
      {"rounds above the tie", kCantin, amount(10051), amount(10100), "      1.01"},
      {"a tiny negative rounds to zero", kCantin, amount(-40), amount(0), "      0.00"},
      {"a negative amount below one keeps its zero", kCantin, amount(-500), amount(-500), "     -0.05"},
      {"rounding can overflow", kCantin, amount(99999999950), std::nullopt, "does not fit N(10,2)"},
      {"float from CAST AS FLOAT", kCantin, Value::real(12.5), amount(125000), "     12.50"},
      {"infinite float", kCantin, Value::real(1.0 / 0.0), std::nullopt, "is not a number"},
      {"text holding a number", kCantin, text("123"), amount(1230000), "    123.00"},
      {"text holding a padded number", kCantin, text(" 12.50"), amount(125000), "     12.50"},
      {"text holding a rounded number", kCantin, text("1.015"), amount(10200), "      1.02"},
      {"text that is not a number", kCantin, text("12a.5"), std::nullopt, "CANTIN: '12a.5' is not a number"},
      {"blank text is blank", kCantin, text(""), Value::null(), "          "},
      {"Null is blank", kCantin, Value::null(), Value::null(), "          "},
      {"a date is not a number", kCantin, day(2024, 1, 15), std::nullopt, "is not a number"},
      {"identifier", kIdgest, amount(1234567890120000), amount(1234567890120000), " 123456789012"},
      {"minus one", kIdgest, amount(-10000), amount(-10000), "           -1"},
      {"whole numbers round half to even", kIdgest, amount(25000), amount(20000), "            2"},
      {"whole numbers round half to even upwards", kIdgest, amount(35000), amount(40000), "            4"},
      {"13 digits fill DECIMAL(12,0)", kIdgest, amount(99999999999990000), amount(99999999999990000),
       "9999999999999"},
      {"14 digits do not", kIdgest, amount(100000000000000000), std::nullopt, "does not fit N(13,0)"},
      {"a power of ten has one digit more", kIdgest, amount(10000000000000000), amount(10000000000000000),
       "1000000000000"},
      {"and one less below it", kIdgest, amount(-9999999999990000), amount(-9999999999990000), "-999999999999"},
      {"more decimals than an amount has", kRata, amount(15), amount(15), "    0.001500"},
      {"stored date", kData, day(2024, 1, 15), day(2024, 1, 15), "20240115"},
      {"typed date", kData, text("15.01.2024"), day(2024, 1, 15), "20240115"},
      {"short typed date", kData, text("5.1.2024"), day(2024, 1, 5), "20240105"},
      {"impossible date", kData, text("31.02.2024"), std::nullopt, "DATA: '31.02.2024' is not a date"},
      {"blank date", kData, Value::null(), Value::null(), "        "},
      {"a number is not a date", kData, amount(10000), std::nullopt, "is not a date"},
      {"unit", kUm, text("BUC"), text("BUC"), "BUC"},
      {"short unit", kUm, text("KG"), text("KG"), "KG "},
      {"trailing blanks are pad", kUm, text("KG    "), text("KG"), "KG "},
      {"too long is refused, not cut", kUm, text("LITRI"), std::nullopt, "UM: 'LITRI' is 5 characters, longer than C(3)"},
      {"Null text is blank", kUm, Value::null(), text(""), "   "},
      {"a number becomes its shortest text", kProdus, amount(125000), text("12.5"), "12.5    "},
      {"a float too", kProdus, Value::real(3.0), text("3"), "3       "},
      {"Romanian letters in Windows-1250", kProdus, text("\xE3\xE2\xEE\xBA\xFE"), text("\xE3\xE2\xEE\xBA\xFE"),
       "\xE3\xE2\xEE\xBA\xFE   "},
      {"true", kGata, Value::boolean(true), Value::boolean(true), "T"},
      {"false typed as N", kGata, text("n"), Value::boolean(false), "F"},
      {"blank logical", kGata, Value::null(), Value::null(), " "},
      {"not a logical", kGata, text("maybe"), std::nullopt, "is not a logical value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (!c.fitted) {
      try {
        fitValue(c.field, c.input, {"Gestiuni.dbf"});
        ADD_FAILURE() << "accepted";
      } catch (const StoreError& error) {
        EXPECT_NE(std::string(error.what()).find(c.bytes), std::string::npos) << error.what();
        EXPECT_EQ(std::string(error.what()).rfind("Gestiuni.dbf: column " + c.field.name, 0), 0) << error.what();
      }
      continue;
    }
    const Value fitted = fitValue(c.field, c.input, {"Gestiuni.dbf"});
    EXPECT_EQ(fitted, *c.fitted);
    EXPECT_EQ(encoded(c.field, fitted), c.bytes);
  }
}

TEST(FieldCodec, TranscodesTextToTheTablesCodePage) {
  const FieldTarget cp852{"Vechi.dbf", CodePage::Cp852};
  // s-cedilla is 0xBA in Windows-1250 and 0xAD in code page 852.
  const Value fitted = fitValue(kUm, text("\xBA"), cp852);
  EXPECT_EQ(fitted, text("\xBA"));
  EXPECT_EQ(encoded(kUm, fitted, CodePage::Cp852), "\xAD  ");

  // The euro sign (0x80 in Windows-1250) has no byte in code page 852.
  try {
    fitValue(kUm, text("\x80"), cp852);
    ADD_FAILURE() << "accepted";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find("Vechi.dbf: column UM"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace store::dbase

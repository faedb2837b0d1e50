// Exact amounts, dates and code pages.
#include <gtest/gtest.h>

#include "store/codepage.h"
#include "store/date.h"
#include "store/decimal.h"
#include "store/error.h"

namespace store {
namespace {

struct ParseCase {
  const char* text;
  std::optional<int64_t> expected;
};

TEST(Decimal, ParseRoundsHalfToEven) {
  const ParseCase cases[] = {
      {"12.5", 125000},       {"-3.25", -32500},       {"  7 ", 70000},
      {".5", 5000},           {"3.", 30000},           {"0.00005", 0},
      {"0.00015", 2},         {"0.000150001", 2},      {"0.000250001", 3},
      {"-0.00015", -2},       {"1.23456", 12346},      {"+4", 40000},
      {"", std::nullopt},     {"-", std::nullopt},     {"1.2.3", std::nullopt},
      {"12a", std::nullopt},  {"1,5", std::nullopt},   {"99999999999999999999", std::nullopt},
      {"922337203685477.5807", INT64_MAX},             {"-922337203685477.5808", INT64_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(decimal::parse(c.text), c.expected) << c.text;
}

TEST(Decimal, RoundAndFormat) {
  EXPECT_EQ(decimal::roundTo(10050, 2), 10000);   // 1.005 -> 1.00
  EXPECT_EQ(decimal::roundTo(10150, 2), 10200);   // 1.015 -> 1.02
  EXPECT_EQ(decimal::roundTo(-10150, 2), -10200);
  EXPECT_EQ(decimal::roundTo(25000, 0), 20000);   // 2.5 -> 2
  EXPECT_EQ(decimal::format(240000, 2), "24.00");
  EXPECT_EQ(decimal::format(-32500, 2), "-3.25");
  EXPECT_EQ(decimal::format(-50, 2), "0.00");  // -0.005 rounds to zero, shown without a sign
  EXPECT_EQ(decimal::format(5, 0), "0");
  EXPECT_EQ(decimal::formatShortest(125000), "12.5");
  EXPECT_EQ(decimal::formatShortest(-1), "-0.0001");
  EXPECT_EQ(decimal::formatShortest(0), "0");
  EXPECT_EQ(decimal::fromDouble(0.00005), 0);
  EXPECT_EQ(decimal::fromDouble(1.5), 15000);
  EXPECT_EQ(decimal::fromDouble(1e300), std::nullopt);
  EXPECT_EQ(decimal::integerDigits(9999999), 3);
  EXPECT_EQ(decimal::add(INT64_MAX, 1), std::nullopt);
}

TEST(Date, JulianDaysAndTexts) {
  EXPECT_EQ(date::julianDay(2024, 1, 15), 2460325);
  EXPECT_EQ(date::parseDisplay("15.01.2024"), 2460325);
  EXPECT_EQ(date::parseStored("20240115"), 2460325);
  EXPECT_EQ(date::formatDisplay(2460325), "15.01.2024");
  EXPECT_EQ(date::formatStored(date::julianDay(2000, 2, 29)), "20000229");
  for (const char* bad : {"29.02.2023", "32.01.2024", "1.13.2024", "01.01.24", "aa.bb.cccc", "", "01-01-2024"})
    EXPECT_EQ(date::parseDisplay(bad), std::nullopt) << bad;
  for (int jd = 2400000; jd < 2500000; jd += 997) {
    auto ymd = date::fromJulianDay(jd);
    EXPECT_EQ(date::julianDay(ymd.year, ymd.month, ymd.day), jd);
  }
}

TEST(CodePage, RomanianTextRoundTripsAndForeignCharactersFail) {
  QString romanian = QString::fromUtf8("ĂÂÎŞŢăâîşţ €");
  std::string bytes = encode(romanian);
  EXPECT_EQ(bytes, "\xC3\xC2\xCE\xAA\xDE\xE3\xE2\xEE\xBA\xFE \x80");
  EXPECT_EQ(decode(bytes), romanian);
  EXPECT_EQ(transcode("\xAC", CodePage::Cp852, CodePage::Win1250), "\xC8");  // Č
  EXPECT_EQ(codePageOfDriver(0), CodePage::Win1250);
  EXPECT_EQ(codePageOfDriver(0x57), CodePage::Win1252);
  try {
    encode(QString::fromUtf8("aΩb"));  // Greek omega is not in Windows-1250
    FAIL();
  } catch (const StoreError& e) {
    EXPECT_NE(std::string(e.what()).find("U+03A9"), std::string::npos) << e.what();
  }
}

TEST(CodePage, CommaBelowLettersAreStoredAsTheCedillaLetters) {
  EXPECT_EQ(encode(QString::fromUtf8("ȘșȚț")), encode(QString::fromUtf8("ŞşŢţ")));
  EXPECT_EQ(withCedillaLetters(QString::fromUtf8("știință și țară")), QString::fromUtf8("ştiinţă şi ţară"));
  EXPECT_EQ(firstUnencodable(QString::fromUtf8("școală")), std::nullopt);
}

TEST(CodePage, FirstUnencodableNamesTheCharacterAndWhereItIs) {
  struct Case {
    const char* text;
    qsizetype position;
    const char* character;
    const char* codePoint;
  };
  for (const Case& c : {Case{"abΩ", 2, "Ω", "U+03A9"}, Case{"x\xF0\x9F\x98\x80y", 1, "\xF0\x9F\x98\x80", "U+1F600"},
                        Case{"ţ→", 1, "→", "U+2192"}}) {
    auto bad = firstUnencodable(QString::fromUtf8(c.text));
    ASSERT_TRUE(bad.has_value()) << c.text;
    EXPECT_EQ(bad->position, c.position) << c.text;
    EXPECT_EQ(bad->character, QString::fromUtf8(c.character)) << c.text;
    EXPECT_EQ(bad->codePoint, QLatin1String(c.codePoint)) << c.text;
  }
  EXPECT_EQ(firstUnencodable(QString::fromUtf8("Č"), CodePage::Win1252)->codePoint, "U+010C");
}

}  // namespace
}  // namespace store

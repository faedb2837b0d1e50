// Number and date masks, with the fixed separators.
#include <gtest/gtest.h>

#include <QLocale>

#include "reports/masks.h"
#include "store/decimal.h"

namespace reports {
namespace {

TEST(MasksTest, NumbersThroughEachMask) {
  struct Case {
    const char* value;
    const char* mask;
    const char* printed;
  };
  const Case cases[] = {
      {"1234.5", "0.00", "1234.50"},
      {"1234.5", "#,##0.00", "1,234.50"},
      {"-3", "0.00", "-3.00"},
      {"-3", "#,##0.00", "-3.00"},
      {"-1234567.891", "#,##0.00", "-1,234,567.89"},
      {"999.995", "#,##0.00", "1,000.00"},   // rounding carries into a new group
      {"0.125", "0.00", "0.12"},             // ties go to the even neighbour
      {"0.135", "0.00", "0.14"},
      {"0", "#,##0.00", "0.00"},
      {"123", "#,##0.00", "123.00"},
      {"10", "", "10"},                      // no mask: shortest general form
      {"2.5", "", "2.5"},
      {"-0.0001", "", "-0.0001"},
      {"1234.5", "0", "1234"},               // no decimals: rounded half to even
  };
  for (const Case& c : cases)
    EXPECT_EQ(formatNumber(*store::decimal::parse(c.value), c.mask), c.printed) << c.value << " " << c.mask;
}

TEST(MasksTest, DatesTakeTwoDigitDayAndMonth) {
  EXPECT_EQ(formatDate(QDate(2006, 3, 5), "dd.MM.yyyy"), "05.03.2006");
  EXPECT_EQ(formatDate(QDate(2006, 12, 31), ""), "31.12.2006");
  EXPECT_EQ(formatDate(QDate(), "dd.MM.yyyy"), "");
}

// Month names follow the user's regional settings; digits and separators do not.
TEST(MasksTest, MonthNamesComeFromTheRegionalSettings) {
  struct Case {
    const char* locale;
    const char* mask;
    const char* printed;
  };
  const Case cases[] = {
      {"ro_RO", "dd.MMM.yyyy", "10.dec.2026"}, {"ro_RO", "MMM.yyyy", "mar.2024"},
      {"ro_RO", "dd MMM yyyy", "10 dec. 2026"},
      {"ro_RO", "MMMM yyyy", "martie 2024"},    {"en_US", "dd.MMM.yyyy", "10.Dec.2026"},
      {"en_US", "MMM.yyyy", "Mar.2024"},        {"ar_EG", "dd.MM.yyyy", "10.12.2026"},
  };
  const QLocale before;
  for (const Case& c : cases) {
    QLocale::setDefault(QLocale(c.locale));
    const QDate date = QString(c.printed).contains("2026") ? QDate(2026, 12, 10) : QDate(2024, 3, 1);
    EXPECT_EQ(formatDate(date, c.mask), c.printed) << c.locale << " " << c.mask;
  }
  QLocale::setDefault(before);
}

}  // namespace
}  // namespace reports

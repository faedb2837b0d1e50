// The month arithmetic the monthly reports share.
#include <gtest/gtest.h>

#include "reports/listings/month.h"

namespace {

struct MonthCase {
  QDate date, first, next;
};

TEST(Month, FirstDayAndNextMonth) {
  const MonthCase cases[] = {
      {QDate(2024, 1, 31), QDate(2024, 1, 1), QDate(2024, 2, 1)},
      {QDate(2024, 3, 1), QDate(2024, 3, 1), QDate(2024, 4, 1)},
      {QDate(2024, 2, 29), QDate(2024, 2, 1), QDate(2024, 3, 1)},
      {QDate(2023, 12, 31), QDate(2023, 12, 1), QDate(2024, 1, 1)},
  };
  for (const MonthCase& c : cases) {
    EXPECT_EQ(reports::PrimaZi(c.date), c.first) << c.date.toString().toStdString();
    EXPECT_EQ(reports::nextMonthStart(c.date), c.next) << c.date.toString().toStdString();
  }
  EXPECT_EQ(reports::dayText(QDate(2024, 3, 1)), "01.03.2024");
}

}  // namespace

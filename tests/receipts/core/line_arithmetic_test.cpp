// The line arithmetic and the price with VAT, case by case.
#include <gtest/gtest.h>

#include "receipts/line_arithmetic.h"
#include "store/error.h"

namespace receipts {
namespace {

struct LineCase {
  const char* what;
  int64_t rate, quantityInvoice, quantityReceived, price;  // ten-thousandths
  int64_t value, vatTimesRate, vat, total, valueCut;
};

TEST(LineArithmeticTest, Cases) {
  const LineCase cases[] = {
      {"worked example: R 24, 3 x 1.3333", 240000, 30000, 30000, 13333, 39999, 959976, 9600, 49599, 39900},
      {"VAT tie 28.5 goes to the even 28", 190000, 10000, 10000, 150, 150, 2850, 28, 178, 100},
      {"VAT tie 47.5 goes to the even 48", 190000, 10000, 10000, 250, 250, 4750, 48, 298, 200},
      {"value tie 1666.5 goes to 1666", 240000, 3333, 3333, 5000, 1666, 39984, 400, 2066, 1600},
      {"value tie 4999.5 goes to 5000", 0, 9999, 9999, 5000, 5000, 0, 0, 5000, 5000},
      {"invoice quantity takes no part in the value", 240000, 50000, 30000, 13333, 39999, 959976, 9600, 49599, 39900},
      {"discount: negative everywhere", 240000, 10000, 10000, -50000, -50000, -1200000, -12000, -62000, -50000},
      {"negative value cut toward zero", 240000, 30000, 30000, -13333, -39999, -959976, -9600, -49599, -39900},
      {"fractional rate 9.5", 95000, 10000, 10000, 10000, 10000, 95000, 950, 10950, 10000},
  };
  for (const LineCase& c : cases) {
    LineAmounts line = computeLine(c.rate, c.quantityInvoice, c.quantityReceived, c.price);
    EXPECT_EQ(line.quantityInvoice, c.quantityInvoice) << c.what;
    EXPECT_EQ(line.quantityReceived, c.quantityReceived) << c.what;
    EXPECT_EQ(line.value, c.value) << c.what;
    EXPECT_EQ(line.vatTimesRate, c.vatTimesRate) << c.what;
    EXPECT_EQ(line.vat, c.vat) << c.what;
    EXPECT_EQ(line.total, c.total) << c.what;
    EXPECT_EQ(line.valueCut, c.valueCut) << c.what;
  }
}

TEST(LineArithmeticTest, ValuesBeyondSixtyFourBitsAreRefused) {
  // 999999 x 99999999 at a VAT rate of 9999 % leaves 64 bits in t1.
  EXPECT_THROW(computeLine(99990000, 9999990000, 9999990000, 999999990000), store::StoreError);
}

TEST(LineArithmeticTest, PriceWithVat) {
  struct Case {
    int64_t rate, price, shown;
  } cases[] = {
      {240000, 13333, 16500},   // 1.3333 at 24 %: 1.65
      {0, 250, 200},            // 0.025 at 0 %: 0.02, the tie 2.5 hundredths goes to 2
      {240000, 25000, 31000},   // 2.5 at 24 %: 3.10
      {240000, -50000, -62000}, // a discount: -6.20
      {190000, 0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(priceWithVat(c.rate, c.price), c.shown) << c.rate << " " << c.price;
}

}  // namespace
}  // namespace receipts

// Line values and the price with VAT, in exact integers.
#include "receipts/line_arithmetic.h"

#include <limits>
#include <string>

#include "store/decimal.h"
#include "store/error.h"

namespace receipts {

namespace {

using Wide = __int128;

// numerator / denominator to the nearest whole number, ties to even.
// REQUIRES: denominator > 0.
int64_t divideHalfEven(Wide numerator, Wide denominator, const char* what) {
  Wide quotient = numerator / denominator;
  Wide remainder = numerator % denominator;
  if (remainder < 0) remainder = -remainder;
  const Wide twice = remainder * 2;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) quotient += numerator < 0 ? -1 : 1;
  if (quotient > std::numeric_limits<int64_t>::max() || quotient < std::numeric_limits<int64_t>::min())
    throw store::StoreError(std::string("the line's ") + what + " is too large to compute");
  return static_cast<int64_t>(quotient);
}

constexpr Wide kScale = store::decimal::kScale;

}  // namespace

LineAmounts computeLine(int64_t rate, int64_t quantityInvoice, int64_t quantityReceived, int64_t price) {
  LineAmounts line;
  line.quantityInvoice = quantityInvoice;
  line.quantityReceived = quantityReceived;
  line.value = divideHalfEven(Wide(quantityReceived) * price, kScale, "value");
  line.vatTimesRate = divideHalfEven(Wide(rate) * line.value, kScale, "VAT");
  line.vat = divideHalfEven(line.vatTimesRate, 100, "VAT");
  line.total = divideHalfEven(Wide(line.value) + line.vat, 1, "total");
  // Hundredths are 100 ten-thousandths; C++ division cuts toward zero.
  line.valueCut = line.value / 100 * 100;
  return line;
}

int64_t priceWithVat(int64_t rate, int64_t price) {
  const int64_t rateFraction = divideHalfEven(rate, 100, "VAT rate");  // 24 % -> 2400
  const int64_t withVat = divideHalfEven(Wide(price) * rateFraction + Wide(price) * kScale, kScale, "price");
  const int64_t hundredths = divideHalfEven(Wide(withVat) * 100, kScale, "price");
  return divideHalfEven(Wide(hundredths) * kScale, 100, "price");
}

}  // namespace receipts

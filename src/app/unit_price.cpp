// Division of amounts at four decimals without floating point.
#include "app/unit_price.h"

#include "store/decimal.h"

namespace app {

int64_t averagePrice(int64_t value, int64_t quantity) {
  if (quantity == 0) return 0;
  const __int128 numerator = static_cast<__int128>(value) * store::decimal::kScale;
  __int128 quotient = numerator / quantity;
  const __int128 remainder = numerator % quantity;
  const __int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
  const __int128 divisor = quantity < 0 ? -quantity : quantity;
  if (twice > divisor || (twice == divisor && quotient % 2 != 0)) quotient += (numerator < 0) != (quantity < 0) ? -1 : 1;
  return static_cast<int64_t>(quotient);
}

}  // namespace app

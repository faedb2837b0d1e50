// The average unit price of a stock: its value divided by its quantity.
#pragma once

#include <cstdint>

namespace app {

// value ÷ quantity in ten-thousandths, rounded half to even; 0 for a zero quantity.
int64_t averagePrice(int64_t value, int64_t quantity);

}  // namespace app

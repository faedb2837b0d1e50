// Invent26: the printed inventory, the stock on hand of every product.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout inventoryLayout();

}  // namespace reports

// LMJF: the printed list of inventory objects and fixed assets with their
// stock per unit.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout inventoryObjectsLayout();

}  // namespace reports

// LRapLunVar: the printed monthly storeroom report, grouped by unit.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout monthlyLayout();

}  // namespace reports

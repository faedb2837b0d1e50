// LInventariere: the count list of one unit at a date, grouped by kind of goods.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout countListLayout();

}  // namespace reports

// LRVC: the printed cumulative value report, a line per unit.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout cumulativeLayout();

}  // namespace reports

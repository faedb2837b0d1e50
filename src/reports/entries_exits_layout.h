// LInOut: the printed entries and exits of a period, landscape.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout entriesExitsLayout();

}  // namespace reports

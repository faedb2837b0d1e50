// LNIR: the printed receipts centralizer of one month.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout centralizerLayout();

}  // namespace reports

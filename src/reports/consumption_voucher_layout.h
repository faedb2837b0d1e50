// LBonConsum: the printed consumption voucher over the lines of one voucher.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout consumptionVoucherLayout();

}  // namespace reports

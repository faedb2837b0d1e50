// LVerificare: the numbered findings of the data check.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout dataCheckLayout();

}  // namespace reports

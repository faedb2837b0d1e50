// LVerificare: the findings of the data check, one numbered line each.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout dataCheckLayout();

}  // namespace reports

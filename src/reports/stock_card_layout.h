// LFisaProd: the printed stock card of a product in a unit.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout stockCardLayout();

}  // namespace reports

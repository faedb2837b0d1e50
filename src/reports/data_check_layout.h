// LVerificare: the numbered findings of the data check.
#pragma once

#include <QString>

#include "reports/layout.h"

namespace reports {

Layout dataCheckLayout();

// Whether `line` prints whole on one row of the findings' column.
bool fitsFindingLine(const QString& line);

}  // namespace reports

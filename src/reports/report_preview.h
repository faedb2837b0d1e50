// Previewing a layout modally: what the windows call after setting captions.
#pragma once

#include "reports/layout.h"
#include "store/sql/result_set.h"

namespace reports {

// Generates the layout's pages from `rows` as they stand (its cursor is put
// back), shows them in a preview window through the interaction, and returns
// when the preview closes.
void previewReport(const Layout& layout, store::sql::ResultSet& rows);

}  // namespace reports

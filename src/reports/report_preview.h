// Previewing a layout modally: what the windows call after setting captions.
#pragma once

#include "reports/layout.h"
#include "store/sql/result_set.h"

namespace reports {

// Opens the preview window through the interaction, generates the layout's
// pages from `rows` as they stand (its cursor is put back) while the status
// bar shows the progress, and returns when the preview closes.
void previewReport(const Layout& layout, store::sql::ResultSet& rows);

}  // namespace reports

// Generation of a report's pages from a layout and its result set.
//
// The order: the title band on page 1, the column header on every page, one
// detail band per visible record (or, in a layout with a sub-detail band, the
// group header whenever the group field changes, the sub-detail, and the
// group footer after each group's last record), the summary after the last
// record and the page footer at the bottom of every page. A band that does
// not fit above the page footer starts a new page. An empty result set still
// gives one page. SUM(field) expressions add up the records processed so far
// and restart after printing when they reset.
#pragma once

#include <functional>

#include "reports/layout.h"
#include "reports/page_model.h"
#include "store/sql/result_set.h"

namespace reports {

// Called while pages are generated with the share of the records walked so
// far, a whole percentage from 0 to 100.
using Progress = std::function<void(int percent)>;

// Walks `rows` from its first visible record and leaves its cursor where it
// was; `progress`, when given, hears 0 first and 100 last. REQUIRES: a
// QGuiApplication exists (text is measured).
Document generate(const Layout& layout, store::sql::ResultSet& rows, const Progress& progress = {});

}  // namespace reports

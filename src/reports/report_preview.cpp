// The modal preview of a layout.
#include "reports/report_preview.h"

#include "reports/generator.h"
#include "reports/preview_window.h"
#include "ui/interaction.h"

namespace reports {

void previewReport(const Layout& layout, store::sql::ResultSet& rows) {
  PreviewWindow window(generate(layout, rows), layout.zoom, layout.sidePanes);
  ui::interaction().preview(window);
}

}  // namespace reports

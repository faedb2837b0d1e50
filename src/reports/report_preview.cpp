// The modal preview of a layout.
#include "reports/report_preview.h"

#include "reports/generator.h"
#include "reports/preview_window.h"
#include "ui/interaction.h"

namespace reports {

void previewReport(const Layout& layout, store::sql::ResultSet& rows) {
  Document pending;
  pending.title = layout.title;
  pending.pageWidth = layout.pageWidth();
  pending.pageHeight = layout.pageHeight();
  PreviewWindow window(std::move(pending), layout.zoom, layout.sidePanes);
  ui::interaction().preview(window, [&] {
    window.setDocument(generate(layout, rows, [&](int percent) { window.showProgress(percent); }));
  });
}

}  // namespace reports

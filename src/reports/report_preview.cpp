// The modal preview of a layout.
#include "reports/report_preview.h"

#include <optional>
#include <string>
#include <vector>

#include "app/export/table_export.h"
#include "app/grid_rows.h"
#include "app/windows/grid_export.h"
#include "app/windows/save_path.h"

#include "reports/generator.h"
#include "reports/preview_window.h"
#include "reports/renderer.h"
#include "ui/insert_beside.h"
#include "ui/interaction.h"

namespace reports {

namespace {

// Where previewReport sends the report instead of the preview, while a
// Redirect lives (one at a time: the buttons run on the one UI thread).
struct Target {
  enum class Kind { Pdf, Spreadsheet } kind;
  QString path;
};

std::optional<Target>& target() {
  static std::optional<Target> current;
  return current;
}

class Redirect {
 public:
  explicit Redirect(Target to) { target() = std::move(to); }
  ~Redirect() { target().reset(); }
  Redirect(const Redirect&) = delete;
  Redirect& operator=(const Redirect&) = delete;
};

// The report's rows as a table: every column of the result set under its
// name, numbers with two decimals as amounts.
app::ExportTable tableOf(store::sql::ResultSet& rows) {
  const std::vector<std::string>& names = rows.columnNames();
  std::vector<app::GridField> fields;
  app::ExportTable table;
  QStringList titles;
  for (const std::string& name : names) {
    bool number = false;
    const int current = rows.recordNumber();
    for (rows.first(); !rows.eof(); rows.next()) {
      const store::Value& value = rows.value(name);
      if (value.isSqlNull()) continue;
      number = value.kind() == store::Value::Kind::Number || value.kind() == store::Value::Kind::Float;
      break;
    }
    app::moveTo(rows, current);
    fields.push_back({name.c_str(), number ? 2 : -1});
    titles << QString::fromStdString(name);
    table.amountColumns << number;
    table.columnWidths << (number ? 14 : 32);
  }
  table.headerRows << titles;
  table.rows = app::gridRows(rows, fields);
  return table;
}

// The layout's title and page size without pages: what the preview shows
// while the pages are generated.
Document blankDocument(const Layout& layout) {
  Document document;
  document.title = layout.title;
  document.pageWidth = layout.pageWidth();
  document.pageHeight = layout.pageHeight();
  return document;
}

QPushButton* addTargetButton(QPushButton* printButton, const QString& caption, const QString& hint,
                             std::function<void()> run) {
  auto* button = new QPushButton(caption);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  ui::insertBeside(printButton, button);
  QObject::connect(button, &QPushButton::clicked, button, [run] { ui::guarded(run); });
  return button;
}

}  // namespace

QPushButton* addPdfButton(QPushButton* printButton, std::function<QString()> proposedName,
                          std::function<void()> print) {
  return addTargetButton(printButton, "PDF", "Salveaza documentul direct ca fisier PDF, fara previzualizare.",
                         [proposedName, print] {
                           const QString path =
                               app::askSavePath("Salveaza ca PDF", proposedName(), "PDF (*.pdf)", {"pdf"});
                           if (path.isEmpty()) return;
                           const Redirect toFile({Target::Kind::Pdf, path});
                           print();
                         });
}

QPushButton* addSpreadsheetButton(QPushButton* printButton, std::function<QString()> proposedName,
                                  std::function<void()> print) {
  return addTargetButton(printButton, "Exporta", "Exporta randurile raportului intr-o foaie de calcul.",
                         [proposedName, print] {
                           const QString path = app::askSavePath("Exporta raportul", proposedName(),
                                                                 app::kSpreadsheetFilter, {"xlsx", "csv"});
                           if (path.isEmpty()) return;
                           const Redirect toFile({Target::Kind::Spreadsheet, path});
                           print();
                         });
}

void previewReport(const Layout& layout, store::sql::ResultSet& rows) {
  if (target()) {
    if (target()->kind == Target::Kind::Pdf) writePdf(generate(layout, rows, {}), target()->path);
    else app::exportTable(tableOf(rows), target()->path);
    return;
  }
  PreviewWindow window(blankDocument(layout), layout.zoom, layout.sidePanes);
  ui::interaction().preview(window, [&] {
    window.setDocument(generate(layout, rows, [&](int percent) { window.showProgress(percent); }));
  });
}

void previewReports(const Layout& layout, const std::vector<store::sql::ResultSet*>& rows,
                    const std::function<void(size_t)>& prepare) {
  Document all = blankDocument(layout);
  const auto generateAll = [&](const Progress& progress) {
    for (size_t i = 0; i < rows.size(); ++i) {
      prepare(i);
      const Progress share = [&](int percent) {
        if (progress) progress(static_cast<int>((i * 100 + static_cast<size_t>(percent)) / rows.size()));
      };
      Document one = generate(layout, *rows[i], share);
      all.pages.insert(all.pages.end(), one.pages.begin(), one.pages.end());
    }
    return all;
  };
  if (target()) return writePdf(generateAll({}), target()->path);
  PreviewWindow window(blankDocument(layout), layout.zoom, layout.sidePanes);
  ui::interaction().preview(window, [&] {
    window.setDocument(generateAll([&](int percent) { window.showProgress(percent); }));
  });
}

}  // namespace reports

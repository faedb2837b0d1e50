// Previewing a layout modally: what the windows call after setting captions.
// A window's "PDF" button runs the same print handler under StraightToPdf,
// so the same pages go to a PDF file instead of the preview.
#pragma once

#include <QPushButton>
#include <QString>
#include <functional>

#include "reports/layout.h"
#include "store/sql/result_set.h"

namespace reports {

// Opens the preview window through the interaction, generates the layout's
// pages from `rows` as they stand (its cursor is put back) while the status
// bar shows the progress, and returns when the preview closes.
void previewReport(const Layout& layout, store::sql::ResultSet& rows);

// While one lives, previewReport writes the pages it generates to `path` as
// a PDF file instead of opening the preview. One at a time.
class StraightToPdf {
 public:
  explicit StraightToPdf(const QString& path);
  ~StraightToPdf();
  StraightToPdf(const StraightToPdf&) = delete;
  StraightToPdf& operator=(const StraightToPdf&) = delete;
  bool written() const;
};

// While one lives, previewReport writes the report's rows (every column of
// the data set, under its name) to `path` as .xlsx or .csv instead.
class StraightToSpreadsheet {
 public:
  explicit StraightToSpreadsheet(const QString& path);
  ~StraightToSpreadsheet();
  StraightToSpreadsheet(const StraightToSpreadsheet&) = delete;
  StraightToSpreadsheet& operator=(const StraightToSpreadsheet&) = delete;
};

// An "Exporta" button placed right after the window's print button, for a
// report without a grid: it asks for a .xlsx or .csv file, then runs `print`
// under StraightToSpreadsheet.
QPushButton* addSpreadsheetButton(QPushButton* printButton, std::function<QString()> proposedName,
                                  std::function<void()> print);

// A "PDF" button placed right after the window's print button: it asks for a
// file (proposing `proposedName`() + ".pdf", asking before replacing one),
// then runs `print` under StraightToPdf. Returns the button.
QPushButton* addPdfButton(QPushButton* printButton, std::function<QString()> proposedName,
                          std::function<void()> print);

}  // namespace reports

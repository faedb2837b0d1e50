// Previewing a layout modally: what the windows call after setting captions.
// A window's "PDF" and "Exporta" buttons run the same print handler with the
// preview replaced by a file, so the same pages (or rows) go to that file.
#pragma once

#include <QPushButton>
#include <QString>
#include <functional>
#include <vector>

#include "reports/layout.h"
#include "store/sql/result_set.h"

namespace reports {

// Opens the preview window through the interaction, generates the layout's
// pages from `rows` as they stand (its cursor is put back) while the status
// bar shows the progress, and returns when the preview closes.
void previewReport(const Layout& layout, store::sql::ResultSet& rows);

// previewReport for several reports of one layout shown as one document,
// each after the other with its own page numbers: `prepare`(i) sets the
// captions of report i before its pages are generated from `rows`[i]. A
// "PDF" button's file gets every report's pages.
void previewReports(const Layout& layout, const std::vector<store::sql::ResultSet*>& rows,
                    const std::function<void(size_t)>& prepare);

// An "Exporta" button placed right after the window's print button, for a
// report without a grid: it asks for a .xlsx or .csv file, then runs `print`
// with previewReport writing the report's rows (every column of the data
// set, under its name) to that file instead of opening the preview.
QPushButton* addSpreadsheetButton(QPushButton* printButton, std::function<QString()> proposedName,
                                  std::function<void()> print);

// A "PDF" button placed right after the window's print button: it asks for a
// file (proposing `proposedName`() + ".pdf", asking before replacing one),
// then runs `print` with previewReport writing the pages it generates to
// that file instead of opening the preview. Returns the button.
QPushButton* addPdfButton(QPushButton* printButton, std::function<QString()> proposedName,
                          std::function<void()> print);

}  // namespace reports

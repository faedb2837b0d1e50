// The frame the six report windows share: the caption "Rapoarte", the bold
// heading, the body each window fills, the named buttons and the status bar
// "ESC - Iesire". Esc closes the window (a modal dialog's own key).
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>
#include <functional>

#include "app/windows/grid_export.h"
#include "ui/data_grid.h"

namespace reports {

class ReportWindow : public QDialog {
  Q_OBJECT
 public:
  ReportWindow(const char* objectName, const QString& heading, QWidget* parent = nullptr);

  // The button called `name`; nullptr when there is none.
  QPushButton* button(const QString& name) const;

 protected:
  // The body between the heading and the status bar.
  QVBoxLayout* body() const { return body_; }
  // A push button named `name`, not a default button (Enter stays with the
  // grid and the lists).
  QPushButton* addButton(const char* name, const QString& caption, const QString& hint);
  // The row of "LISTEAZA" (ConvexBtn2), "PDF" and "IESIRE" (ConvexBtn1) at
  // the body's bottom right; "LISTEAZA" runs `print` guarded (its error goes
  // to the error box), "PDF" runs it into a PDF file proposed as
  // `pdfName`() + ".pdf", "IESIRE" runs `close`.
  void addPrintAndCloseRow(const std::function<void()>& print, const std::function<void()>& close,
                           std::function<QString()> pdfName);
  // An "Exporta" button (ExportBtn) placed right after `print` in its row,
  // exporting `grid` as the grid's own Ctrl+E does.
  void addExportButton(QPushButton* print, ui::DataGrid* grid, app::GridExportSource source);

 private:
  QVBoxLayout* body_;
};

}  // namespace reports

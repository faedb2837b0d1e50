// The report windows' common frame.
#include "reports/windows/report_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>

#include "ui/insert_beside.h"
#include "ui/interaction.h"
#include "reports/report_preview.h"

namespace reports {

ReportWindow::ReportWindow(const char* objectName, const QString& heading, QWidget* parent) : QDialog(parent) {
  setObjectName(objectName);
  setWindowTitle("Rapoarte");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(heading);
  title->setAlignment(Qt::AlignCenter);
  QFont bold = title->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.4);
  title->setFont(bold);
  layout->addWidget(title);
  body_ = new QVBoxLayout;
  layout->addLayout(body_, 1);
  auto* status = new QStatusBar;
  status->setSizeGripEnabled(false);
  status->showMessage("ESC - Iesire");
  layout->addWidget(status);
}

QPushButton* ReportWindow::addButton(const char* name, const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

void ReportWindow::addPrintAndCloseRow(const std::function<void()>& print, const std::function<void()>& close,
                                       std::function<QString()> pdfName) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  QPushButton* listeaza = addButton("ConvexBtn2", "LISTEAZA", "Listeaza raportul.");
  QPushButton* iesire = addButton("ConvexBtn1", "IESIRE", "Inchide fereastra.");
  row->addWidget(listeaza);
  row->addWidget(iesire);
  body_->addLayout(row);
  connect(listeaza, &QPushButton::clicked, this, [print] { ui::guarded(print); });
  connect(iesire, &QPushButton::clicked, this, close);
  addPdfButton(listeaza, std::move(pdfName), [listeaza] { listeaza->click(); });
}

void ReportWindow::addExportButton(QPushButton* print, ui::DataGrid* grid, app::GridExportSource source) {
  QAction* exportAction = app::addGridExport(grid, std::move(source));
  QPushButton* exporta = addButton("ExportBtn", "Exporta", "Exporta tabelul afisat intr-o foaie de calcul (Ctrl+E).");
  connect(exporta, &QPushButton::clicked, exportAction, &QAction::trigger);
  ui::insertBeside(print, exporta);
}

QPushButton* ReportWindow::button(const QString& name) const { return findChild<QPushButton*>(name); }

}  // namespace reports

// The report windows' common frame.
#include "reports/windows/report_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>

#include "ui/interaction.h"

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

void ReportWindow::addPrintAndCloseRow(const std::function<void()>& print, const std::function<void()>& close) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  QPushButton* listeaza = addButton("ConvexBtn2", "LISTEAZA", "Listeaza raportul.");
  QPushButton* iesire = addButton("ConvexBtn1", "IESIRE", "Inchide fereastra.");
  row->addWidget(listeaza);
  row->addWidget(iesire);
  body_->addLayout(row);
  connect(listeaza, &QPushButton::clicked, this, [print] { ui::guarded(print); });
  connect(iesire, &QPushButton::clicked, this, close);
}

QPushButton* ReportWindow::button(const QString& name) const { return findChild<QPushButton*>(name); }

}  // namespace reports

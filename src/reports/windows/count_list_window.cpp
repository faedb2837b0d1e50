// The count list window: its three choices and the printing.
#include "reports/windows/count_list_window.h"

#include <QFormLayout>

#include "app/windows/input_helpers.h"
#include "app/windows/load_combo.h"
#include "reports/listings/count_list.h"
#include "reports/report_preview.h"
#include "store/query.h"
#include "ui/interaction.h"

namespace reports {

CountListWindow::CountListWindow(std::function<store::Database&()> database, TLISTARI& listari,
                                 std::function<QString()> institution, QWidget* parent)
    : ReportWindow("TFormInventariere", "Lista de inventariere.", parent),
      database_(std::move(database)),
      listari_(listari),
      institution_(std::move(institution)) {
  auto* form = new QFormLayout;
  comboBox1_ = new QComboBox;
  comboBox1_->setObjectName("ComboBox1");
  form->addRow("GESTIUNEA", comboBox1_);
  dataX_ = new app::DatePicker;
  dataX_->setObjectName("DataX");
  form->addRow("LA DATA", dataX_);
  checkBox1_ = new QCheckBox("INCLUDE PRODUSELE FARA STOC");
  checkBox1_->setObjectName("CheckBox1");
  checkBox1_->setToolTip("Listeaza si produsele care nu au stoc la data aleasa.");
  form->addRow(checkBox1_);
  body()->addLayout(form);
  body()->addStretch();
  addPrintAndCloseRow([this] { ConvexBtn2Click(); }, [this] { accept(); },
                      [this] { return "Lista_inventariere_" + dataX_->date().toString("dd.MM.yyyy"); });
}

void CountListWindow::ArataInventariere() {
  comboBox1_->clear();
  comboBox1_->addItem(kEveryUnit);
  store::Query list(database_());
  app::LoadCombo(list, comboBox1_, database_().dataFolder() + "\\Gestiuni.dbf", QString(), "GESTIUNE");
  dataX_->setDate(QDate::currentDate());
  checkBox1_->setChecked(false);
  ui::interaction().runDialog(*this);
}

void CountListWindow::ConvexBtn2Click() {
  const QString unit = comboBox1_->currentIndex() <= 0 ? QString() : comboBox1_->currentText();
  const QDate date = dataX_->date();
  app::Statements sx(database_());
  std::vector<CountList> lists = countLists(sx, unit, date, checkBox1_->isChecked());
  if (lists.empty()) return app::HError("Nu aveti ce lista !", button("ConvexBtn2"));
  std::vector<store::sql::ResultSet*> rows;
  for (CountList& list : lists) rows.push_back(&list.lines);
  const QString institution = institution_();
  previewReports(listari_.layout("LInventariere"), rows,
                 [&](size_t i) { fillCountList(listari_, institution, lists[i], date); });
}

}  // namespace reports

// The inventory window: its controls and handlers.
#include "reports/windows/inventory_window.h"

#include <QDate>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScopeGuard>

#include "app/windows/input_helpers.h"
#include "app/windows/load_combo.h"
#include "reports/masks.h"
#include "reports/report_preview.h"
#include "reports/windows/grid_rows.h"
#include "ui/interaction.h"
#include "ui/field_label.h"

namespace reports {

namespace {

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr char kLayout[] = "Invent26";

}  // namespace

InventoryWindow::InventoryWindow(std::function<store::Database&()> database, TLISTARI& listari,
                                 std::function<QString()> institution, QWidget* parent)
    : ReportWindow("TForm26", "Inventar.", parent),
      database_(std::move(database)),
      listari_(listari),
      institution_(std::move(institution)) {
  resize(800, 600);
  comboBox1_ = new QComboBox;
  comboBox1_->setObjectName("ComboBox1");
  checkBox1_ = new QCheckBox("ARATA PRODUSELE EPUIZATE");
  checkBox1_->setObjectName("CheckBox1");
  auto* choice = new QHBoxLayout;
  choice->addWidget(ui::fieldLabel("GESTIUNEA", comboBox1_));
  choice->addWidget(comboBox1_, 1);
  choice->addWidget(checkBox1_);
  body()->addLayout(choice);

  smdbGrid2_ = new ui::DataGrid;
  smdbGrid2_->setEnterMovesLikeTab(true);
  smdbGrid2_->setObjectName("SMDBGrid2");
  smdbGrid2_->setColumns({{"DENUMIRE PRODUS"}, {"UM"}, {"STOC CANT.", kRight}, {"STOC VAL.", kRight}});
  smdbGrid2_->verticalHeader()->setVisible(true);  // the record numbers
  body()->addWidget(smdbGrid2_, 1);

  label16_ = new QLabel("0.00");
  label16_->setObjectName("Label16");
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(addButton("LIST26", "LISTEAZA", "Listeaza Tabelul cu Mijloacele Fixe."));
  bottom->addStretch();
  bottom->addWidget(new QLabel("TOTAL VALOARE"));
  bottom->addWidget(label16_);
  body()->addLayout(bottom);
  const auto fileName = [] { return "Inventar_" + QDate::currentDate().toString("MM.yyyy"); };
  addPdfButton(button("LIST26"), fileName, [this] { button("LIST26")->click(); });
  addExportButton(button("LIST26"), smdbGrid2_,
                  {fileName,
                   [this] { return QList<QStringList>{{"TOTAL VALOARE", "", "", label16_->text()}}; }});

  connect(checkBox1_, &QCheckBox::clicked, this, [this] {
    if (inventory_) ui::guarded([this] { CheckBox1Click(); });
  });
  connect(comboBox1_, &QComboBox::currentIndexChanged, this, [this] {
    if (inventory_) ui::guarded([this] { CheckBox1Click(); });
  });
  connect(button("LIST26"), &QPushButton::clicked, this, [this] { ui::guarded([this] { LIST26Click(); }); });
  connect(this, &QDialog::finished, this, [this] { FormClose(); });
}

InventoryWindow::~InventoryWindow() = default;

void InventoryWindow::ArataInventar() {
  ui::guarded([this] {
    inventory_.reset();  // the controls' signals rebuild nothing while they are reset
    checkBox1_->setChecked(false);
    checkBox1_->setText("ARATA PRODUSELE EPUIZATE");
    comboBox1_->clear();
    comboBox1_->addItem("Indiferent");
    store::Database& database = database_();
    store::Query list(database);
    app::LoadCombo(list, comboBox1_, database.dataFolder() + "\\Gestiuni.dbf", QString(), "GESTIUNE");
    inventory_ = std::make_unique<Inventory>(database);
    Total26();
    CheckBox1Click();
    ui::interaction().runDialog(*this);
  });
  if (inventory_) inventory_->clear();
  inventory_.reset();
  smdbGrid2_->setRows({}, -1);
}

void InventoryWindow::CheckBox1Click() {
  const bool exhausted = checkBox1_->isChecked();
  checkBox1_->setText(exhausted ? "ARATA PRODUSELE CU STOC" : "ARATA PRODUSELE EPUIZATE");
  inventory_->build(comboBox1_->currentIndex() > 0 ? comboBox1_->currentText() : QString(), exhausted);
  Total26();
  showRows(smdbGrid2_, &inventory_->Mx(), {{"PRODUS"}, {"UM"}, {"TCANT", 2}, {"TVAL", 2}});
}

void InventoryWindow::Total26() {
  int64_t total = 0;
  // The label shows the sum reached so far also when reading a row fails.
  const auto showTotal = qScopeGuard([&] { label16_->setText(formatNumber(total, "#,##0.00")); });
  if (!inventory_ || !inventory_->isOpen()) return;
  smdbGrid2_->setUpdatesEnabled(false);
  const auto resume = qScopeGuard([this] { smdbGrid2_->setUpdatesEnabled(true); });
  inventory_->addValues(total);
}

void InventoryWindow::LIST26Click() {
  if (!inventory_ || inventory_->empty()) {
    app::HError("Nu aveti ce lista !", button("LIST26"));
    return;
  }
  listari_.setCaption(kLayout, "Institutie", institution_());
  listari_.setCaption(kLayout, "Data10", QDateTime::currentDateTime().toString("dd.MM.yyyy  HH.mm"));
  listari_.setCaption(kLayout, "Detalii10", "la data " + QDate::currentDate().toString("dd.MM.yyyy"));
  listari_.setTitle(kLayout, "I N V E N T A R,");
  listari_.setCaption(kLayout, "QRLabel1", "GESTIUNE : " + comboBox1_->currentText());
  listari_.setEnabled(kLayout, "QRLabel1", comboBox1_->currentIndex() > 0);
  previewReport(listari_.layout(kLayout), inventory_->Mx());
}

void InventoryWindow::FormClose() {
  if (inventory_) inventory_->close();
}

}  // namespace reports

// The inventory objects window: the listing in the grid and its printing.
#include "reports/windows/inventory_objects_window.h"

#include <QDate>

#include "reports/report_preview.h"
#include "store/decimal.h"
#include "ui/interaction.h"

namespace reports {

namespace {

QString amountText(const store::sql::ResultSet& rows, std::string_view column) {
  return QString::fromStdString(store::decimal::format(rows.asNumber(column), 2));
}

// Q1's rows as the grid shows them, the amounts with two decimals.
QList<QStringList> gridRows(store::sql::ResultSet& rows) {
  QList<QStringList> out;
  for (rows.first(); !rows.eof(); rows.next())
    out.append({rows.asText("GESTIUNE"), rows.asText("PRODUS"), rows.asText("UM"), amountText(rows, "CF"),
                amountText(rows, "VF"), rows.asText("TIPUL")});
  rows.first();
  return out;
}

}  // namespace

InventoryObjectsWindow::InventoryObjectsWindow(std::function<store::Database&()> database, TLISTARI& listari,
                                               std::function<QString()> institution, QWidget* parent)
    : ReportWindow("TForm10", "Obiecte de Inventar si Mijloace Fixe.", parent),
      database_(std::move(database)),
      listari_(listari),
      institution_(std::move(institution)) {
  smdbGrid1_ = new ui::DataGrid;
  smdbGrid1_->setEnterMovesLikeTab(true);
  smdbGrid1_->setObjectName("SMDBGrid1");
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  smdbGrid1_->setColumns({{"GESTIUNEA"},
                          {"PRODUSUL"},
                          {"UM", Qt::AlignCenter},
                          {"CANTITATE", right},
                          {"VALOARE", right},
                          {"TIPUL"}});
  body()->addWidget(smdbGrid1_, 1);
  const auto fileName = [] { return "Obiecte_de_inventar_" + QDate::currentDate().toString("dd.MM.yyyy"); };
  addPrintAndCloseRow([this] { ConvexBtn2Click(); }, [this] { accept(); }, fileName);
  addExportButton(button("ConvexBtn2"), smdbGrid1_, {fileName, {}});
}

InventoryObjectsWindow::~InventoryObjectsWindow() = default;

void InventoryObjectsWindow::ArataObInv() {
  ui::guarded([this] {
    listing_ = std::make_unique<InventoryObjects>(database_());
    listing_->open();
    smdbGrid1_->setRows(gridRows(listing_->Q1()), listing_->Q1().isEmpty() ? -1 : 0);
    ui::interaction().runDialog(*this);
  });
  if (listing_) listing_->close();
  listing_.reset();
  smdbGrid1_->setRows({}, -1);
}

void InventoryObjectsWindow::ConvexBtn2Click() {
  const QString layout = "LMJF";
  listari_.setCaption(layout, "QRLabel85", "Stocuri la " + QDate::currentDate().toString("dd.MM.yyyy"));
  listari_.setCaption(layout, "QRLabel83", institution_());
  previewReport(listari_.layout(layout), listing_->Q1());
}

}  // namespace reports

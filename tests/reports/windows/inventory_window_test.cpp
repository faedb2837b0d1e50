// The inventory window through its handlers: opening, the unit list and the
// check box rebuilding the listing, the total label and LISTEAZA.
#include <QHeaderView>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "report_window_fixture.h"
#include "reports/windows/inventory_window.h"

namespace reports::testing {
namespace {

class InventoryWindowTest : public SingleWindowFixture<InventoryWindow> {
 protected:
  void addStock() {
    const QDate day(2024, 3, 5);
    addLedger({{day, "MAGAZIE", "CAIET", "BUC", "10", "25", "9.99", "24.97"},
               {day, "MAGAZIE", "GUMA", "BUC", "1", "3", "3", "9"},
               {day, "MAGAZIE", "HARTIE", "TOP", "5", "1234447.86"},
               {day, "SALA \"MARE\"", "TABLA", "BUC", "1", "120"}});
  }
  void openWith(const std::function<void()>& steps) { open(&InventoryWindow::ArataInventar, steps); }
  QString caption(const char* element) { return listari.caption("Invent26", element); }
  bool enabled(const char* element) { return listari.layout("Invent26").element(element).enabled; }
};

TEST_F(InventoryWindowTest, OpeningListsTheProductsWithStockAndTheirTotal) {
  addStock();
  openWith([this] {
    EXPECT_FALSE(window->checkBox()->isChecked());
    EXPECT_EQ(window->checkBox()->text(), "ARATA PRODUSELE EPUIZATE");
    QStringList units;
    for (int i = 0; i < window->unitBox()->count(); ++i) units << window->unitBox()->itemText(i);
    EXPECT_EQ(units, (QStringList{"Indiferent", "MAGAZIE", "SALA \"MARE\""}));
    EXPECT_EQ(titles(window->grid()), (QStringList{"DENUMIRE PRODUS", "UM", "STOC CANT.", "STOC VAL."}));
    EXPECT_EQ(gridRows(window->grid()),
              (QStringList{"CAIET|BUC|0.01|0.03", "HARTIE|TOP|5.00|1234447.86", "TABLA|BUC|1.00|120.00"}));
    EXPECT_TRUE(window->grid()->verticalHeader()->isVisibleTo(window.get()));
    EXPECT_EQ(window->grid()->model()->headerData(2, Qt::Vertical).toString(), "3");
    EXPECT_EQ(window->grid()->currentRow(), 2);  // the total's walk ends on the last row
    EXPECT_EQ(window->totalLabel()->text(), "1,234,567.89");
  });
  ASSERT_FALSE(script.shown().empty());
  EXPECT_EQ(script.shown().front().what, "runDialog");
  EXPECT_EQ(script.shown().front().text, "TForm26");
  EXPECT_EQ(window->grid()->rowCount(), 0);
}

TEST_F(InventoryWindowTest, CheckBoxAndUnitListRebuildTheListing) {
  addStock();
  openWith([this] {
    window->inventory().sx().setObserver([this](const QString& text) { sent << text; });
    window->checkBox()->click();
    EXPECT_EQ(window->checkBox()->text(), "ARATA PRODUSELE CU STOC");
    EXPECT_EQ(gridRows(window->grid()), QStringList{"GUMA|BUC|-2.00|-6.00"});
    EXPECT_EQ(window->totalLabel()->text(), "-6.00");
    window->checkBox()->click();
    EXPECT_EQ(window->checkBox()->text(), "ARATA PRODUSELE EPUIZATE");
    EXPECT_EQ(window->grid()->rowCount(), 3);
    window->unitBox()->setCurrentIndex(2);
    EXPECT_EQ(gridRows(window->grid()), QStringList{"TABLA|BUC|1.00|120.00"});
    EXPECT_EQ(window->totalLabel()->text(), "120.00");
    ASSERT_EQ(sent.size(), 3);
    EXPECT_TRUE(sent[2].contains("WHERE GESTIUNE=\"SALA \"\"MARE\"\"\" AND VALIN>=0\n")) << sent[2].toStdString();
  });
}

TEST_F(InventoryWindowTest, ListeazaFillsTheCaptionsAndPrintsTheListing) {
  addStock();
  openWith([this] {
    const QString today = QDate::currentDate().toString("dd.MM.yyyy");
    QStringList texts = printed("LIST26");
    EXPECT_EQ(previewCaption(), "Vizualizare : I N V E N T A R,");
    EXPECT_EQ(previewZoom, PreviewZoom::PageWidth);
    EXPECT_TRUE(previewPanes);
    EXPECT_EQ(caption("Institutie"), kInstitution);
    EXPECT_TRUE(QRegularExpression("^" + QRegularExpression::escape(today) + "  \\d\\d\\.\\d\\d$")
                    .match(caption("Data10"))
                    .hasMatch())
        << caption("Data10").toStdString();
    EXPECT_EQ(caption("Detalii10"), "la data " + today);
    EXPECT_FALSE(enabled("QRLabel1"));
    for (const char* text : {kInstitution, "I N V E N T A R,", "CAIET", "1234447.86", "1234567.89", "Pag.1"})
      EXPECT_TRUE(texts.contains(text)) << text << " in " << texts.join(" | ").toStdString();
    EXPECT_FALSE(texts.contains("1,234,567.89"));
    EXPECT_FALSE(texts.join("|").contains("GESTIUNE : "));

    window->unitBox()->setCurrentIndex(1);
    texts = printed("LIST26");
    EXPECT_EQ(caption("QRLabel1"), "GESTIUNE : MAGAZIE");
    EXPECT_TRUE(enabled("QRLabel1"));
    EXPECT_TRUE(texts.contains("GESTIUNE : MAGAZIE"));
    EXPECT_FALSE(texts.contains("TABLA"));
  });
}

TEST_F(InventoryWindowTest, EmptyLedgerHasNothingToPrint) {
  openWith([this] {
    EXPECT_EQ(window->unitBox()->count(), 1);
    EXPECT_EQ(window->unitBox()->currentText(), "Indiferent");
    EXPECT_EQ(window->grid()->rowCount(), 0);
    EXPECT_EQ(window->totalLabel()->text(), "0.00");
    window->button("LIST26")->click();
    EXPECT_EQ(balloon(), "Nu aveti ce lista !");
  });
}

}  // namespace
}  // namespace reports::testing

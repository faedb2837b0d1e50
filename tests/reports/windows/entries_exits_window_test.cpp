// The entries and exits window through its handlers: opening with the last
// month, the dates and lists rebuilding the listing and its totals, and
// LISTEAZA with its heading lines.
#include <gtest/gtest.h>

#include "report_window_fixture.h"
#include "reports/listings/entries_exits.h"
#include "reports/windows/entries_exits_window.h"

namespace reports::testing {
namespace {

class EntriesExitsWindowTest : public SingleWindowFixture<EntriesExitsWindow> {
 protected:
  void addMovements() {
    addLedger({{QDate(2024, 3, 1), "MAGAZIE", "CAIET", "BUC", "10", "20", "0", "0", 1, "NIR 1"},
               {QDate(2024, 3, 10), "MAGAZIE", "CAIET", "BUC", "0", "0", "4", "8", -1, "BC 1"},
               {QDate(2024, 3, 12), "SALA", "CAIET", "BUC", "3", "7.5", "1", "2.5", -1, "TR 1"},
               {QDate(2024, 3, 31), "SALA", "CRETA", "CUT", "2", "4", "0", "0", 2, "NIR 2"},
               {QDate(2024, 3, 15), "SALA", "BURETE", "BUC", "1", "-1"}});
  }
  void openWith(const std::function<void()>& steps) { open(&EntriesExitsWindow::ArataBonTransf, steps); }
  void chooseMarch() {
    window->fromPicker()->setDate(QDate(2024, 3, 1));
    window->toPicker()->setDate(QDate(2024, 3, 31));
  }
  static QStringList items(QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
  }
  QString caption(const char* element) { return listari.caption("LInOut", element); }
};

TEST_F(EntriesExitsWindowTest, OpeningShowsTheLastMonthWithEveryList) {
  addMovements();
  const QDate today = QDate::currentDate();
  addLedger({{today, "MAGAZIE", "CAIET", "BUC", "1", "3"}});
  openWith([&] {
    EXPECT_EQ(window->fromPicker()->date(), periodStart(today));
    EXPECT_EQ(window->toPicker()->date(), today);
    EXPECT_EQ(items(window->unitBox()), (QStringList{"Indiferent", "MAGAZIE", "SALA"}));
    EXPECT_EQ(items(window->productBox()), (QStringList{"Indiferent", "CAIET", "CRETA"}));
    EXPECT_EQ(items(window->operationBox()), (QStringList{"Indiferent", "Intrari", "Iesiri"}));
    EXPECT_EQ(titles(window->grid()), (QStringList{"DATA", "DOC. JUSTIFICATIV", "PRODUSUL", "UM", "CANT INTR.",
                                                   "VAL. INTR.", "CANT. IESITA", "VAL. IESITA", "GESTIUNEA"}));
    EXPECT_EQ(gridRows(window->grid()),
              QStringList{today.toString("dd.MM.yyyy") + "|DOC|CAIET|BUC|1.00|3.00|0.00|0.00|MAGAZIE"});
    EXPECT_EQ(window->totalIn()->text(), "3.00");
    EXPECT_EQ(window->totalOut()->text(), "0.00");
  });
  EXPECT_EQ(script.shown().front().text, "TForm6");
}

TEST_F(EntriesExitsWindowTest, EveryControlRebuildsTheListingAndTotals) {
  addMovements();
  openWith([this] {
    window->listing().sx().setObserver([this](const QString& text) { sent << text; });
    chooseMarch();
    EXPECT_EQ(gridRows(window->grid()),
              (QStringList{"01.03.2024|NIR 1|CAIET|BUC|10.00|20.00|0.00|0.00|MAGAZIE",
                           "10.03.2024|BC 1|CAIET|BUC|0.00|0.00|4.00|8.00|MAGAZIE",
                           "12.03.2024|TR 1|CAIET|BUC|3.00|7.50|1.00|2.50|SALA",
                           "31.03.2024|NIR 2|CRETA|CUT|2.00|4.00|0.00|0.00|SALA"}));
    EXPECT_EQ(window->totalIn()->text(), "31.50");
    EXPECT_EQ(window->totalOut()->text(), "10.50");
    EXPECT_EQ(sent.size(), 4);  // each date: the totals, then the listing
    window->operationBox()->setCurrentIndex(2);
    EXPECT_EQ(window->grid()->rowCount(), 2);
    EXPECT_EQ(window->totalIn()->text(), "7.50");
    window->unitBox()->setCurrentText("SALA");
    EXPECT_EQ(gridRows(window->grid()), QStringList{"12.03.2024|TR 1|CAIET|BUC|3.00|7.50|1.00|2.50|SALA"});
    EXPECT_TRUE(sent.last().contains("AND GESTIUNE=\"SALA\"\nAND VALIN>=0\nAND VALOUT>=0.01\n"));
  });
}

TEST_F(EntriesExitsWindowTest, StartAfterTheEndListsNothing) {
  addMovements();
  openWith([this] {
    window->toPicker()->setDate(QDate(2024, 3, 1));
    window->fromPicker()->setDate(QDate(2024, 3, 31));
    EXPECT_EQ(window->grid()->rowCount(), 0);
    EXPECT_EQ(window->totalIn()->text(), "0.00");
    EXPECT_EQ(window->totalOut()->text(), "0.00");
    window->button("ConvexBtn2")->click();
    EXPECT_EQ(balloon(), "Nu aveti ce lista!");
  });
}

TEST_F(EntriesExitsWindowTest, ListeazaPrintsTheHeadingLinesAndTheWindowsTotals) {
  addMovements();
  openWith([this] {
    chooseMarch();
    QStringList texts = printed("ConvexBtn2");
    EXPECT_EQ(previewCaption(), "Vizualizare : LISTA DEBITELOR");
    EXPECT_EQ(previewZoom, PreviewZoom::PageWidth);
    EXPECT_TRUE(previewPanes);
    EXPECT_EQ(caption("QRLabel13"), kInstitution);
    EXPECT_EQ(caption("QRLabel14"), QDate::currentDate().toString("dd.MM.yyyy"));
    EXPECT_EQ(caption("QRLabel15"), "intrari - iesiri in perioada 01.03.2024 - 31.03.2024");
    EXPECT_EQ(caption("QRLabel16"), "");
    // The summary's sums are the window's totals.
    EXPECT_EQ(texts.mid(texts.indexOf("TOTAL")), (QStringList{"TOTAL", "INTOCMIT,", window->totalIn()->text(),
                                                              window->totalOut()->text(), "Pag.1"}));

    window->operationBox()->setCurrentIndex(2);
    window->productBox()->setCurrentText("CAIET");
    texts = printed("ConvexBtn2");
    EXPECT_EQ(caption("QRLabel15"), "Iesiri in perioada 01.03.2024 - 31.03.2024");
    EXPECT_EQ(caption("QRLabel16"), "  Produsul: CAIET");
    for (const char* text : {"Iesiri in perioada 01.03.2024 - 31.03.2024", "  Produsul: CAIET", "BC 1", "TR 1"})
      EXPECT_TRUE(texts.contains(text)) << text << " in " << texts.join(" | ").toStdString();
    EXPECT_FALSE(texts.contains("NIR 1"));
    EXPECT_EQ(texts.mid(texts.indexOf("TOTAL") + 2, 2), (QStringList{"7.50", "10.50"}));
  });
}

}  // namespace
}  // namespace reports::testing

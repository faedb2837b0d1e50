// The receipts centralizer window through its handlers: opening on the
// current month, the month picker rebuilding the listing, the total and the
// month label, and LISTEAZA.
#include <QLocale>
#include <gtest/gtest.h>

#include "report_window_fixture.h"
#include "reports/windows/centralizer_window.h"

namespace reports::testing {
namespace {

class CentralizerWindowTest : public SingleWindowFixture<CentralizerWindow> {
 protected:
  void addReceipts() {
    addLedger({{QDate(2024, 3, 1), "MAGAZIE", "CAIET", "BUC", "10", "20", "0", "0", 2, "NIR 2"},
               {QDate(2024, 3, 1), "MAGAZIE", "CRETA", "CUT", "5", "1214.5", "0", "0", 2, "NIR 2"},
               {QDate(2024, 3, 5), "SALA", "CAIET", "BUC", "2", "4", "0", "0", -1, "TR 1"},
               {QDate(2024, 3, 31), "SALA", "GUMA", "BUC", "4", "8", "0", "0", 4, "NIR 4"}});
  }
  void openWith(const std::function<void()>& steps) { open(&CentralizerWindow::ArataRapNIR, steps); }
  static QString monthText(const QDate& date) { return QLocale().toString(date, "MMM.yyyy"); }
};

TEST_F(CentralizerWindowTest, OpeningOnAMonthWithoutReceipts) {
  addReceipts();
  openWith([this] {
    EXPECT_EQ(window->monthPicker()->date(), QDate::currentDate());
    EXPECT_EQ(window->monthLabel()->text(), monthText(QDate::currentDate()));
    EXPECT_EQ(window->grid()->rowCount(), 0);
    EXPECT_EQ(window->totalLabel()->text(), "0.00");
    window->button("ConvexBtn2")->click();
    EXPECT_EQ(balloon(), "Nu aveti ce lista!");
  });
  EXPECT_EQ(script.shown().front().text, "TForm7");
}

TEST_F(CentralizerWindowTest, ChangingTheMonthRebuildsAndListeazaPrintsIt) {
  addReceipts();
  openWith([this] {
    window->monthPicker()->setDate(QDate(2024, 3, 17));
    EXPECT_EQ(window->monthLabel()->text(), monthText(QDate(2024, 3, 1)));
    EXPECT_EQ(window->grid()->horizontalHeaderItem(2)->text(), "DOCUMENT JUSTIFICATIV");
    EXPECT_EQ(gridRows(window->grid()),
              (QStringList{"01.03.2024|MAGAZIE|NIR 2|1234.50", "31.03.2024|SALA|NIR 4|8.00"}));
    EXPECT_EQ(window->totalLabel()->text(), "1242.50");

    const QStringList texts = printed("ConvexBtn2");
    EXPECT_EQ(previewCaption(), "Vizualizare : LISTA DEBITELOR");
    EXPECT_EQ(previewZoom, PreviewZoom::Actual);
    EXPECT_FALSE(previewPanes);
    EXPECT_EQ(listari.caption("LNIR", "QRLabel37"), kInstitution);
    EXPECT_EQ(listari.caption("LNIR", "QRLabel38"), QDate::currentDate().toString("dd.MM.yyyy"));
    EXPECT_EQ(listari.caption("LNIR", "QRLabel48"), "LUNA 03.2024");
    for (const char* text : {"LUNA 03.2024", "NIR 2", "1234.50", "8.00", "1,242.50"})
      EXPECT_TRUE(texts.contains(text)) << text << " in " << texts.join(" | ").toStdString();

    window->monthPicker()->setDate(QDate(2024, 5, 2));
    EXPECT_EQ(window->monthLabel()->text(), monthText(QDate(2024, 5, 1)));
    EXPECT_EQ(window->grid()->rowCount(), 0);
    EXPECT_EQ(window->totalLabel()->text(), "0.00");
    window->button("ConvexBtn2")->click();
    EXPECT_EQ(balloon(), "Nu aveti ce lista!");
  });
}

}  // namespace
}  // namespace reports::testing

// The monthly report window through its handlers: the unit list, the year
// check, printing with its captions and a failing computation.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>

#include "app/windows/progress_counter.h"
#include "report_window_fixture.h"
#include "reports/windows/monthly_report_window.h"

namespace reports::testing {
namespace {

class MonthlyReportWindowTest : public ReportWindowFixture {
 protected:
  void SetUp() override {
    ReportWindowFixture::SetUp();
    window = std::make_unique<MonthlyReportWindow>(databaseAccess(), listari, institutionName(), counter);
  }
  void TearDown() override {
    window.reset();
    ReportWindowFixture::TearDown();
  }
  void open(const std::function<void()>& steps) {
    whileOpen([this] { window->ArataRapLunVar(); }, steps);
  }
  // Chooses March 2024 and the unit at `unitIndex`.
  void choose(int unitIndex) {
    window->monthList()->setCurrentIndex(2);
    window->yearBox()->setValue(2024);
    window->unitList()->setCurrentIndex(unitIndex);
  }
  QPushButton* listeaza() const { return window->button("ConvexBtn2"); }

  app::ProgressCounter counter;
  std::unique_ptr<MonthlyReportWindow> window;
};

TEST_F(MonthlyReportWindowTest, ListsEveryUnitIncludingThoseOnlyInTheLedger) {
  addReceiptLines({{"MAGAZIE", "CAIET", "CONSUMABIL"}, {"ATELIER", "CAIET", "CONSUMABIL"}, {"", "CAIET", "CONSUMABIL"}});
  addLedger({{QDate(2024, 3, 5), "MAGAZIE", "CAIET", "BUC", "2", "20"},
             {QDate(2024, 3, 6), "DOAR REGISTRU", "TUS", "BUC", "1", "7.5"}});
  open([this] {
    EXPECT_EQ(window->monthList()->currentText(), "Ianuarie");
    EXPECT_EQ(window->yearBox()->value(), QDate::currentDate().year());
    QStringList units;
    for (int i = 0; i < window->unitList()->count(); ++i) units << window->unitList()->itemText(i);
    EXPECT_EQ(units, (QStringList{"TOATE GESTIUNILE", "ATELIER", "MAGAZIE"}));
    EXPECT_EQ(window->unitList()->currentIndex(), 0);

    choose(0);
    const QStringList texts = printed(listeaza(), [] { EXPECT_TRUE(scratchExists("R2.dbf")); });
    EXPECT_EQ(previewCaption(), "Vizualizare : ");  // the layout has no title
    EXPECT_EQ(listari.caption("LRapLunVar", "DataLC"), "luna Martie.2024");
    EXPECT_EQ(listari.caption("LRapLunVar", "QRLabel39"), "SCOALA NR. 1");
    EXPECT_EQ(listari.caption("LRapLunVar", "OraR"), today());
    for (const char* text : {"RAPORT LUNAR VARNELA", "luna Martie.2024", "DOAR REGISTRU", "MAGAZIE", "TOTAL GENERAL",
                             "27.50", "pag. 1"})
      EXPECT_TRUE(texts.contains(text)) << text << ": " << texts.join("|").toStdString();
    EXPECT_FALSE(scratchExists("R1.dbf"));
    EXPECT_FALSE(scratchExists("R2.dbf"));
    EXPECT_FALSE(counter.isVisible());
  });
}

TEST_F(MonthlyReportWindowTest, ExportaWritesTheReportRowsToASpreadsheet) {
  addReceiptLines({{"MAGAZIE", "CAIET", "CONSUMABIL"}});
  addLedger({{QDate(2024, 3, 5), "MAGAZIE", "CAIET", "BUC", "2", "20"},
             {QDate(2024, 3, 6), "MAGAZIE", "TUS \"A\"; B", "BUC", "1", "7.5"}});
  QTemporaryDir folder;
  const QString path = folder.filePath("lunar");
  open([&] {
    choose(0);
    script.answerSaveFile(path + ".csv");
    QPushButton* exporta = nullptr;
    for (QPushButton* button : window->findChildren<QPushButton*>())
      if (button->text() == "Exporta") exporta = button;
    ASSERT_NE(exporta, nullptr);
    exporta->click();
    EXPECT_FALSE(scratchExists("R2.dbf"));
  });
  QFile file(path + ".csv");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).remove(QChar(0xFEFF)).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);  // the column names, two products
  EXPECT_TRUE(lines[0].startsWith("GESTIUNE;")) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].contains(";VFIN")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].contains("MAGAZIE;CAIET;")) << lines[1].toStdString();
  EXPECT_TRUE(lines[1].contains(";20.00")) << lines[1].toStdString();
  EXPECT_TRUE(lines[2].contains("\"TUS \"\"A\"\"; B\"")) << lines[2].toStdString();
}

TEST_F(MonthlyReportWindowTest, ChosenUnitPrintsOnlyItsRows) {
  addReceiptLines({{"MAGAZIE", "CAIET", "CONSUMABIL"}, {"ATELIER", "CAIET", "CONSUMABIL"}});
  addLedger({{QDate(2024, 3, 5), "MAGAZIE", "CAIET", "BUC", "2", "20"},
             {QDate(2024, 3, 6), "ATELIER", "TUS", "BUC", "1", "7.5"}});
  open([this] {
    choose(2);
    EXPECT_EQ(window->unitList()->currentText(), "MAGAZIE");
    const QStringList texts = printed(listeaza());
    EXPECT_TRUE(texts.contains("CAIET"));
    EXPECT_FALSE(texts.contains("ATELIER"));
    EXPECT_FALSE(texts.contains("TUS"));
    EXPECT_EQ(texts.count("20.00"), 6);  // VI, VFIN, their unit totals and grand totals
  });
}

TEST_F(MonthlyReportWindowTest, YearsOutsideThoseOfTheLedgerAreRefused) {
  const int current = QDate::currentDate().year();
  struct Case {
    QString year;
    bool accepted;
  };
  const Case cases[] = {{QString::number(current), true}, {QString::number(current + 1), false}, {"1989", false},
                        {"1990", true},                   {"19a0", false}};
  open([&] {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.year.toStdString());
      if (ui::Balloon* shown = ui::Balloon::current()) shown->close();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      // Typed text reaches the spin box's edit as it stands, digits or not.
      window->yearBox()->findChild<QLineEdit*>()->setText(c.year);
      if (c.accepted) {
        EXPECT_FALSE(printed(listeaza()).isEmpty());
        EXPECT_EQ(balloon(), "");
      } else {
        listeaza()->click();
        EXPECT_EQ(balloon(), "Nu inteleg data asta ciudata !?");
        EXPECT_FALSE(scratchExists("R2.dbf"));
      }
    }
  });
  EXPECT_EQ(std::count_if(script.shown().begin(), script.shown().end(),
                          [](const ui::ScriptedInteraction::Shown& s) { return s.what == "preview"; }),
            2);
}

TEST_F(MonthlyReportWindowTest, FailedComputationGivesTheWindowBackAndShowsTheError) {
  addLedger({{QDate(2024, 2, 1), "A", "P", "BUC", "1", "6000000"}, {QDate(2024, 3, 2), "A", "P", "BUC", "1", "6000000"}});
  open([this] {
    choose(0);
    script.expectErrorBox();
    listeaza()->click();
    EXPECT_NE(script.shown().back().text.indexOf("Raportul lunar nu se poate face: valoarea 12000000 "
       "nu incape in coloana VFIN a tabelului temporar R2.dbf (cel mult 9999999.99)."), -1)
        << script.shown().back().text.toStdString();
    EXPECT_FALSE(counter.isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(counter.caption()->text(), "Creez raportul...");
    EXPECT_FALSE(scratchExists("R1.dbf"));
    EXPECT_FALSE(scratchExists("R2.dbf"));
  });
}

}  // namespace
}  // namespace reports::testing

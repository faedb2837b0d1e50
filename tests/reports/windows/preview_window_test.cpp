// The preview window driven offscreen: paging by buttons and keys, zoom,
// search, the printer, saving and loading, closing.
#include <QFile>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "reports/generator.h"
#include "reports/listari.h"
#include "reports/page_file.h"
#include "reports/preview_window.h"
#include "reports/report_preview.h"
#include "ui/scripted_interaction.h"

namespace reports {
namespace {

class PreviewWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    store::sql::ResultSet rows = testing::manyReceiptLines(100);  // three pages
    window = std::make_unique<PreviewWindow>(generate(listari.layout("ReceptiiPRN"), rows), PreviewZoom::WholePage, true);
    window->show();
  }
  void TearDown() override {
    EXPECT_TRUE(script.finished()) << script.failures().join("; ").toStdString() << " pending: "
                                   << script.pending().join(", ").toStdString();
  }
  void trigger(const char* hint) {
    QAction* action = window->action(hint);
    ASSERT_TRUE(action) << hint;
    action->trigger();
  }

  // The print setup's answer: print to the PDF file `output`.
  void answerSetupPrintingTo(const QString& output) {
    script.answerDialog([output](QDialog& dialog) {
      auto* setup = qobject_cast<QPrintDialog*>(&dialog);
      if (!setup) return false;
      setup->printer()->setOutputFormat(QPrinter::PdfFormat);
      setup->printer()->setOutputFileName(output);
      return true;
    });
  }
  // A file of the test's folder holding `bytes`; its path.
  QString writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    return path;
  }
  static QString pdfInfo(const QString& pdf) {
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished(30000);
    return QString::fromUtf8(info.readAllStandardOutput());
  }

  ui::ScriptedInteraction script;
  QTemporaryDir folder;
  TLISTARI listari;
  std::unique_ptr<PreviewWindow> window;
};

TEST_F(PreviewWindowTest, CaptionToolbarAndStatusAsTheUserSeesThem) {
  EXPECT_EQ(window->windowTitle(), "Vizualizare : Listare Nota de receptie");
  EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  for (const char* hint : {"Zoom to fit", "Zoom to width", "100% Size", "Prima pagina", "Pagina precedenta",
                           "Pagina urmatoare", "Ultima pagina", "Setare imprimanta", "Print", "Salveaza raportul",
                           "Incarca raportul"})
    EXPECT_TRUE(window->action(hint)) << hint;
  auto* close = window->findChild<QPushButton*>("CloseButton");
  ASSERT_TRUE(close);
  EXPECT_EQ(close->text(), "&Inchide");
  EXPECT_EQ(close->toolTip(), "Inchide");
  EXPECT_EQ(window->pageStatus()->text(), "Pag. 1 of 3");
  EXPECT_EQ(window->titleStatus()->text(), "Listare Nota de receptie");
  EXPECT_EQ(window->thumbnails()->count(), 3);
  EXPECT_TRUE(window->sidePanes()->isVisibleTo(window.get()));
  EXPECT_EQ(window->sidePanes()->tabText(0), "ThumbNails");
  EXPECT_EQ(window->sidePanes()->tabText(1), "Search Results");
}

TEST_F(PreviewWindowTest, ButtonsAndKeysTurnThePages) {
  struct Step {
    std::function<void()> act;
    int page;
  };
  const Step steps[] = {
      {[&] { trigger("Pagina urmatoare"); }, 1},
      {[&] { trigger("Ultima pagina"); }, 2},
      {[&] { trigger("Pagina urmatoare"); }, 2},  // stays on the last page
      {[&] { trigger("Prima pagina"); }, 0},
      {[&] { trigger("Pagina precedenta"); }, 0},
      {[&] { QTest::keyClick(window.get(), Qt::Key_PageDown); }, 1},
      {[&] { QTest::keyClick(window.get(), Qt::Key_PageUp); }, 0},
      {[&] { QTest::keyClick(window.get(), Qt::Key_End); }, 2},
      {[&] { QTest::keyClick(window.get(), Qt::Key_Home); }, 0},
      {[&] { QTest::keyClick(window.get(), Qt::Key_PageDown, Qt::ControlModifier); }, 2},
      {[&] { QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ControlModifier); }, 0},
      {[&] { window->thumbnails()->setCurrentRow(1); }, 1},
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    steps[i].act();
    EXPECT_EQ(window->currentPage(), steps[i].page) << "step " << i;
  }
  EXPECT_EQ(window->pageStatus()->text(), "Pag. 2 of 3");
}

// The scroll area and the lists would keep the paging keys for themselves.
TEST_F(PreviewWindowTest, PagingKeysTurnPagesWhateverHasTheFocus) {
  QWidget* focusHolders[] = {window->pageView(), window->thumbnails(), window->searchResults(), window->searchText()};
  for (QWidget* holder : focusHolders) {
    window->showPage(0);
    QTest::keyClick(holder, Qt::Key_PageDown);
    EXPECT_EQ(window->currentPage(), 1) << holder->metaObject()->className();
    QTest::keyClick(holder, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(window->currentPage(), 2) << holder->metaObject()->className();
    QTest::keyClick(holder, Qt::Key_PageUp);
    EXPECT_EQ(window->currentPage(), 1) << holder->metaObject()->className();
  }
}

TEST_F(PreviewWindowTest, EnterNeverClosesThePreview) {
  QTest::keyClick(window.get(), Qt::Key_Return);
  EXPECT_TRUE(window->isVisible());
  QTest::keyClick(window->pageView(), Qt::Key_Enter);
  EXPECT_TRUE(window->isVisible());
  window->findChild<QPushButton*>("CloseButton")->setFocus();
  QTest::keyClick(window->findChild<QPushButton*>("CloseButton"), Qt::Key_Return);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(PreviewWindowTest, ThumbnailsReadLeftToRightThenDown) {
  QListWidget* thumbnails = window->thumbnails();
  thumbnails->setFixedWidth(2 * thumbnails->iconSize().width() + 60);  // room for two a row
  QTest::qWait(0);
  thumbnails->doItemsLayout();
  const QRect first = thumbnails->visualItemRect(thumbnails->item(0)), second = thumbnails->visualItemRect(thumbnails->item(1)),
              third = thumbnails->visualItemRect(thumbnails->item(2));
  EXPECT_EQ(second.top(), first.top());
  EXPECT_GT(second.left(), first.left());
  EXPECT_GT(third.top(), first.top());
}

TEST_F(PreviewWindowTest, ArrowsScrollAndTurnThePagePastTheBottom) {
  trigger("Zoom to width");
  ASSERT_GT(window->pageView()->height(), 0);
  // The page is taller than the view at page width: the arrows scroll it first.
  QTest::keyClick(window.get(), Qt::Key_Down);
  EXPECT_EQ(window->currentPage(), 0);
  for (int i = 0; i < 500 && window->currentPage() == 0; ++i) QTest::keyClick(window.get(), Qt::Key_Down);
  EXPECT_EQ(window->currentPage(), 1);
  QTest::keyClick(window.get(), Qt::Key_Up);
  EXPECT_EQ(window->currentPage(), 0);
}

TEST_F(PreviewWindowTest, ZoomChoicesSizeThePage) {
  trigger("Zoom to fit");
  const double fit = window->pixelsPerMm();
  trigger("Zoom to width");
  const double width = window->pixelsPerMm();
  trigger("100% Size");
  EXPECT_EQ(window->zoom(), PreviewZoom::Actual);
  EXPECT_NEAR(window->pixelsPerMm(), window->logicalDpiX() / 25.4, 1e-9);
  EXPECT_LT(fit, width);  // the view is wider than an A4 page is tall, proportionally
  EXPECT_TRUE(window->action("100% Size")->isChecked());
  EXPECT_FALSE(window->action("Zoom to fit")->isChecked());
  EXPECT_EQ(window->pageView()->pixmap().width(), qRound(210 * window->pixelsPerMm()));
}

TEST_F(PreviewWindowTest, SearchListsThePagesHoldingTheText) {
  window->sidePanes()->hide();
  window->searchText()->setText("produs 9");
  QTest::keyClick(window->searchText(), Qt::Key_Return);
  EXPECT_TRUE(window->isVisible());  // Enter searched, it did not close the preview
  EXPECT_TRUE(window->sidePanes()->isVisibleTo(window.get()));
  EXPECT_EQ(window->sidePanes()->currentIndex(), 1);
  // PRODUS 9 stands on page 1, 90 to 93 on page 2, 94 to 99 on page 3.
  ASSERT_EQ(window->searchResults()->count(), 3);
  EXPECT_EQ(window->searchResults()->item(0)->text(), "Pag. 1");
  EXPECT_EQ(window->searchResults()->item(2)->text(), "Pag. 3");
  emit window->searchResults()->itemActivated(window->searchResults()->item(1));
  EXPECT_EQ(window->currentPage(), 1);
  window->searchText()->setText("NIMIC");
  QTest::keyClick(window->searchText(), Qt::Key_Return);
  EXPECT_EQ(window->searchResults()->count(), 0);
  EXPECT_EQ(window->currentPage(), 1);
}

TEST_F(PreviewWindowTest, SaveAndLoadOwnFormatAndSaveAsPdf) {
  const QString saved = folder.filePath("nota.vrp"), pdf = folder.filePath("nota.pdf");
  script.answerSaveFile(saved);
  trigger("Salveaza raportul");
  EXPECT_EQ(loadPages(saved), window->document());
  script.answerSaveFile(pdf);
  trigger("Salveaza raportul");
  QFile pdfFile(pdf);
  ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdfFile.read(5) == "%PDF-");

  // Loading replaces the pages shown.
  store::sql::ResultSet one = testing::manyReceiptLines(1);
  savePages(generate(listari.layout("ReceptiiPRN"), one), saved);
  trigger("Ultima pagina");
  script.answerOpenFile(saved);
  trigger("Incarca raportul");
  EXPECT_EQ(window->document().pages.size(), 1u);
  EXPECT_EQ(window->currentPage(), 0);
  EXPECT_EQ(window->pageStatus()->text(), "Pag. 1 of 1");
  EXPECT_EQ(window->thumbnails()->count(), 1);
}

TEST_F(PreviewWindowTest, SavingOverAFileAsksFirst) {
  const QString existing = writeFile("arhiva.zip", "backup");
  QFile file(existing);
  script.answerSaveFile(existing);
  script.answerMessage("NU");
  trigger("Salveaza raportul");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "backup");
  file.close();
  EXPECT_EQ(script.shown().back().kind, "Confirmation");
  EXPECT_TRUE(script.shown().back().text.contains("exista deja")) << script.shown().back().text.toStdString();

  script.answerSaveFile(existing);
  script.answerMessage("DA");
  trigger("Salveaza raportul");
  EXPECT_EQ(loadPages(existing), window->document());
}

TEST_F(PreviewWindowTest, LoadingAnotherFileShowsTheErrorAndKeepsThePages) {
  const QString other = writeFile("other.vrp", "nope");
  script.answerOpenFile(other);
  script.expectErrorBox();
  trigger("Incarca raportul");
  EXPECT_EQ(script.shown().back().text,
            "Operatia nu a putut fi terminata.\r\n\r\nDetalii tehnice: Not a saved report: " + other);
  EXPECT_EQ(window->document().pages.size(), 3u);
}

TEST_F(PreviewWindowTest, PrinterChosenInSetupPrintsEveryPage) {
  const QString output = folder.filePath("printed.pdf");
  answerSetupPrintingTo(output);
  trigger("Setare imprimanta");
  trigger("Print");
  EXPECT_TRUE(pdfInfo(output).contains(QRegularExpression("Pages: +3\\n")));
}

// Print with no printer set up opens the setup; cancelled, it says how to
// choose one, and the same preview prints once a printer is chosen.
TEST_F(PreviewWindowTest, PrintWithoutPrinterOpensTheSetupAndPrintsAfterwards) {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "this machine has a printer";
  script.answerDialog([](QDialog&) { return false; });
  script.answerMessage("OK");
  trigger("Print");
  EXPECT_EQ(script.shown().back().kind, "Warning");
  EXPECT_TRUE(script.shown().back().text.startsWith("Nu este aleasa nici o imprimanta")) << script.shown().back().text.toStdString();

  const QString output = folder.filePath("printed.pdf");
  answerSetupPrintingTo(output);
  trigger("Print");
  EXPECT_TRUE(pdfInfo(output).contains(QRegularExpression("Pages: +3\\n")));
}

TEST_F(PreviewWindowTest, EscAndTheCloseButtonClose) {
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  window->show();
  window->findChild<QPushButton*>("CloseButton")->click();
  EXPECT_FALSE(window->isVisible());
}

TEST(ReportPreviewTest, PreviewOfALayoutOpensAtItsZoomWithoutSidePanes) {
  ui::ScriptedInteraction script;
  TLISTARI listari;
  store::sql::ResultSet card = testing::threeMovements();
  int pages = 0;
  script.answerPreview([&](QDialog& dialog) {
    auto& preview = dynamic_cast<PreviewWindow&>(dialog);
    pages = int(preview.document().pages.size());
    EXPECT_EQ(preview.zoom(), PreviewZoom::Actual);
    EXPECT_FALSE(preview.sidePanes()->isVisibleTo(&preview));
  });
  previewReport(listari.layout("LFisaProd"), card);
  EXPECT_EQ(pages, 1);
  EXPECT_TRUE(script.finished());
}

TEST_F(PreviewWindowTest, GenerationProgressShowsInStepsOfAtLeastFiveAndClearsAtTheEnds) {
  struct Step {
    int percent;
    const char* shown;
  };
  const Step steps[] = {{0, ""},     {3, ""},      {7, "7%"}, {9, "7%"}, {12, "12%"}, {60, "60%"},
                        {64, "60%"}, {100, ""},    {4, ""},   {5, "5%"}, {0, ""}};
  for (const Step& step : steps) {
    window->showProgress(step.percent);
    EXPECT_EQ(window->progressStatus()->text(), step.shown) << step.percent;
  }
}

TEST_F(PreviewWindowTest, PreviewOfALayoutGeneratesItsPagesOnceTheWindowIsUp) {
  store::sql::ResultSet rows = testing::manyReceiptLines(100);
  QStringList seen;
  script.answerPreview([&](QDialog& dialog) {
    auto& preview = dynamic_cast<PreviewWindow&>(dialog);
    seen << preview.pageStatus()->text() << preview.progressStatus()->text() << preview.windowTitle();
  });
  previewReport(listari.layout("ReceptiiPRN"), rows);
  EXPECT_EQ(seen, QStringList({"Pag. 1 of 3", "", "Vizualizare : Listare Nota de receptie"}));
}

}  // namespace
}  // namespace reports

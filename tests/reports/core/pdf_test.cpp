// A receipt note written as PDF and read back with pdftotext: the texts are
// there, in their rows and at their columns.
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "reports/chart_layout.h"
#include "reports/generator.h"
#include "reports/listari.h"
#include "reports/renderer.h"

namespace reports {
namespace {

QString pdftotext(const QStringList& arguments) {
  QProcess process;
  process.start("pdftotext", arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

class PdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    listari.setCaption("ReceptiiPRN", "FirmP", "SCOALA NR. 1");
    listari.setCaption("ReceptiiPRN", "Rec1", "POPA");
    store::sql::ResultSet rows = testing::receiptLines({{"HARTIE A4", "BUC", "3", "2.5", "1.3333", "4", "0.96", "4.96"},
                                                        {"CAIET", "BUC", "10", "10", "2", "20", "4.8", "24.8"}});
    pdf = folder.filePath("nota.pdf");
    writePdf(generate(listari.layout("ReceptiiPRN"), rows), pdf);
  }

  QTemporaryDir folder;
  TLISTARI listari;
  QString pdf;
};

TEST_F(PdfTest, LayoutTextKeepsEachLineOnOneRow) {
  const QString text = pdftotext({"-layout", pdf, "-"});
  ASSERT_FALSE(text.isEmpty()) << "pdftotext failed on " << pdf.toStdString();
  EXPECT_TRUE(text.contains("NOTA DE RECEPTIE"));
  EXPECT_TRUE(text.contains(QRegularExpression("HARTIE A4 +BUC +3\\.00 +2\\.50 +1\\.33 +4\\.00 +0\\.96 +4\\.96\\n")));
  EXPECT_TRUE(text.contains(QRegularExpression("CAIET +BUC +10\\.00 +10\\.00 +2\\.00 +20\\.00 +4\\.80 +24\\.80\\n")));
  EXPECT_TRUE(text.contains(QRegularExpression("Valoarea marfii furnizor +29\\.76")));
}

TEST_F(PdfTest, ValuesEndAtTheirColumnsRightEdges) {
  const QString boxes = pdftotext({"-bbox", pdf, "-"});
  ASSERT_FALSE(boxes.isEmpty());
  // Right edges in mm from the band's left (the left margin is 15 mm).
  struct Column {
    const char* word;
    double rightEdge;
  };
  for (const Column& c : {Column{"2.50", 102.4}, Column{"1.33", 117.2}, Column{"24.80", 178.6}, Column{"29.76", 178.9}}) {
    const QRegularExpression word(QString("xMax=\"([0-9.]+)\"[^>]*>%1<").arg(QRegularExpression::escape(c.word)));
    const QRegularExpressionMatch match = word.match(boxes);
    ASSERT_TRUE(match.hasMatch()) << c.word;
    const double rightMm = match.captured(1).toDouble() * 25.4 / 72;
    EXPECT_NEAR(rightMm, 15 + c.rightEdge, 0.5) << c.word;
  }
}

// A chart's page: its title and texts stay text in the PDF, the picture beside them.
TEST(ChartPdfTest, ChartPdfCarriesTheChartsTitle) {
  QTemporaryDir folder;
  QImage chart(680, 430, QImage::Format_RGB32);
  chart.fill(Qt::darkGreen);
  store::sql::ResultSet none;
  const QString pdf = folder.filePath("grafic.pdf");
  writePdf(generate(chartLayout("GRAFIC FISA", "Produsul : CAIET", "Stoc pentru aprox. 3,5 luni", "SCOALA", chart),
                    none),
           pdf);
  const QString text = pdftotext({"-layout", pdf, "-"});
  EXPECT_TRUE(text.contains("GRAFIC FISA")) << text.toStdString();
  EXPECT_TRUE(text.contains("Produsul : CAIET"));
  EXPECT_TRUE(text.contains("Stoc pentru aprox. 3,5 luni"));
  EXPECT_GT(QFileInfo(pdf).size(), 2000);
}

}  // namespace
}  // namespace reports

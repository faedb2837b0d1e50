// A picture on a page: a chart's layout places it under its heading, the
// saved report keeps it (and older saved reports without pictures still
// load), and a page is written as a PNG picture.
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "reports/chart_layout.h"
#include "reports/generator.h"
#include "reports/page_file.h"
#include "reports/renderer.h"

namespace reports {
namespace {

// A 680 x 430 picture, red with a blue left half.
QImage sample() {
  QImage image(680, 430, QImage::Format_RGB32);
  image.fill(Qt::red);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width() / 2; ++x) image.setPixel(x, y, qRgb(0, 0, 255));
  return image;
}

Document chartPages() {
  store::sql::ResultSet none;
  return generate(chartLayout("GRAFIC FISA", "Produsul : CAIET", "Stoc pentru aprox. 3,5 luni", "SCOALA NR. 1", sample()),
                  none);
}

TEST(PicturePagesTest, ChartLayoutPlacesThePictureUnderItsHeading) {
  const Document pages = chartPages();
  ASSERT_EQ(pages.pages.size(), 1u);
  EXPECT_EQ(pages.title, "GRAFIC FISA");
  const QStringList texts = pages.texts(0);
  for (const char* text : {"SCOALA NR. 1", "GRAFIC FISA", "Produsul : CAIET", "Stoc pentru aprox. 3,5 luni", "pag. 1"})
    EXPECT_TRUE(texts.contains(text)) << text;
  ASSERT_EQ(pages.pages[0].pictures.size(), 1u);
  const PlacedPicture& picture = pages.pages[0].pictures[0];
  EXPECT_DOUBLE_EQ(picture.x, 20);
  EXPECT_DOUBLE_EQ(picture.y, 32);
  EXPECT_DOUBLE_EQ(picture.width, 180);
  EXPECT_DOUBLE_EQ(picture.height, 180.0 * 430 / 680);
  EXPECT_EQ(picture.image, sample());
}

TEST(PicturePagesTest, SavedReportKeepsItsPictures) {
  QTemporaryDir folder;
  const QString path = folder.filePath("grafic.vrp");
  const Document pages = chartPages();
  savePages(pages, path);
  EXPECT_EQ(loadPages(path), pages);
}

// A report saved before pages had pictures (version 1: no picture count).
TEST(PicturePagesTest, ReportSavedWithoutPicturesStillLoads) {
  QTemporaryDir folder;
  const QString path = folder.filePath("vechi.vrp");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  QDataStream s(&file);
  s << quint32(0x56524e50) << quint32(1) << QString("VECHI") << 210.0 << 297.0 << quint32(1);
  s << quint32(1) << 20.0 << 10.0 << 30.0 << 4.0 << QString("pag. 1") << QString("Arial") << 10.0 << false
    << qint32(0);
  s << quint32(1) << 20.0 << 15.0 << 200.0 << 15.0 << 1.0;
  file.close();
  const Document loaded = loadPages(path);
  ASSERT_EQ(loaded.pages.size(), 1u);
  EXPECT_EQ(loaded.title, "VECHI");
  EXPECT_EQ(loaded.texts(0), QStringList{"pag. 1"});
  EXPECT_EQ(loaded.pages[0].lines.size(), 1u);
  EXPECT_TRUE(loaded.pages[0].pictures.empty());
}

TEST(PicturePagesTest, PagesAreWrittenAsPngPictures) {
  QTemporaryDir folder;
  Document pages = chartPages();
  pages.pages.push_back(pages.pages[0]);
  writePng(pages, folder.filePath("grafic.png"));
  const QImage first(folder.filePath("grafic.png"));
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(first.size(), QSize(1240, 1754));  // A4 at 150 dots per inch
  const double dotsPerMm = 150 / 25.4;
  // The picture's left half is blue and its right half red where it was placed.
  EXPECT_EQ(first.pixel(int(65 * dotsPerMm), int(80 * dotsPerMm)), qRgb(0, 0, 255));
  EXPECT_EQ(first.pixel(int(155 * dotsPerMm), int(80 * dotsPerMm)), qRgb(255, 0, 0));
  EXPECT_EQ(first.pixel(int(5 * dotsPerMm), int(80 * dotsPerMm)), qRgb(255, 255, 255));
  EXPECT_EQ(QImage(folder.filePath("grafic-2.png")).size(), QSize(1240, 1754));
}

}  // namespace
}  // namespace reports

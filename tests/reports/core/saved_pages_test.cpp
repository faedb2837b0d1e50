// The preview's own file format: a saved report loads back unchanged; a file
// that is not one is refused with its name.
#include <QDataStream>
#include <QFile>
#include <cmath>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "reports/generator.h"
#include "reports/listari.h"
#include "reports/page_file.h"

namespace reports {
namespace {

TEST(SavedPagesTest, SavedReportLoadsBackUnchanged) {
  QTemporaryDir folder;
  TLISTARI listari;
  store::sql::ResultSet rows = testing::manyReceiptLines(60);
  const Document pages = generate(listari.layout("ReceptiiPRN"), rows);
  ASSERT_EQ(pages.pages.size(), 2u);
  const QString path = folder.filePath("nota.vrp");
  savePages(pages, path);
  EXPECT_EQ(loadPages(path), pages);
}

TEST(SavedPagesTest, OtherFilesAreRefusedByName) {
  QTemporaryDir folder;
  const QString path = folder.filePath("other.vrp");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a report at all");
  file.close();
  for (const QString& bad : {path, folder.filePath("missing.vrp")}) {
    try {
      loadPages(bad);
      ADD_FAILURE() << "loaded " << bad.toStdString();
    } catch (const std::runtime_error& error) {
      EXPECT_TRUE(QString(error.what()).endsWith(bad)) << error.what();
    }
  }
}

// A saved report whose header or counts were damaged is refused with a clear
// message instead of dividing by a zero page size or allocating without bound.
TEST(SavedPagesTest, DamagedReportsAreRefused) {
  QTemporaryDir folder;
  const QString path = folder.filePath("damaged.vrp");
  struct Case {
    const char* what;
    double width, height;
    quint32 pages, texts;
  };
  const Case cases[] = {
      {"zero width", 0, 297, 1, 0},
      {"huge height", 210, 1e300, 1, 0},
      {"not a number", std::nan(""), 297, 1, 0},
      {"huge page count", 210, 297, 0xffffffffu, 0},
      {"huge text count", 210, 297, 1, 0x7fffffffu},
  };
  for (const Case& c : cases) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QDataStream s(&file);
    s << quint32(0x56524e50) << quint32(1) << QString("Raport") << c.width << c.height << c.pages << c.texts
      << quint32(0);
    file.close();
    try {
      loadPages(path);
      ADD_FAILURE() << "loaded with " << c.what;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(QString(error.what()), "Raportul salvat este deteriorat si nu poate fi incarcat: " + path) << c.what;
    }
  }
}

}  // namespace
}  // namespace reports

// The preview's own file format: a saved report loads back unchanged; a file
// that is not one is refused with its name.
#include <QFile>
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

}  // namespace
}  // namespace reports

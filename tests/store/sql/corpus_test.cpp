// Runs every statement text the program sends (data/corpus.sql), in order,
// against the three permanent tables and the temporary ones, and checks what
// the SELECTs give.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "fake_catalog.h"
#include "store/database.h"
#include "store/error.h"
#include "store/sql/executor.h"

namespace store::sql {
namespace {

struct CorpusStatement {
  QString text;
  QStringList expectations;  // the "-- " lines, without the marker
  int line = 0;              // of the statement's first line in the file
};

std::vector<CorpusStatement> loadCorpus(const QString& dataFolder, const QString& programFolder) {
  // The corpus lives beside this source file.
  QFile file(QFileInfo(QStringLiteral(__FILE__)).dir().filePath("data/corpus.sql"));
  if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
  std::vector<CorpusStatement> statements;
  CorpusStatement current;
  QStringList sqlLines;
  int lineNumber = 0;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
    ++lineNumber;
    if (line == ";;") {
      if (!sqlLines.isEmpty()) {
        current.text = sqlLines.join('\n');
        current.text.replace("{Data}", dataFolder).replace("{Program}", programFolder);
        statements.push_back(current);
      }
      current = CorpusStatement();
      sqlLines.clear();
    } else if (sqlLines.isEmpty() && line.startsWith("-- ")) {
      current.expectations << line.mid(3);
    } else {
      if (sqlLines.isEmpty()) current.line = lineNumber;
      sqlLines << line;
    }
  }
  return statements;
}

// Checks "rows: N" and "column NAME: v1|v2|..." against a result.
void checkExpectations(const CorpusStatement& statement, ResultSet& result) {
  for (const QString& expectation : statement.expectations) {
    if (expectation.startsWith("rows: ")) {
      EXPECT_EQ(result.recordCount(), expectation.mid(6).toInt()) << "corpus line " << statement.line;
      continue;
    }
    ASSERT_TRUE(expectation.startsWith("column ")) << expectation.toStdString();
    int colon = expectation.indexOf(": ");
    std::string column = expectation.mid(7, colon - 7).toStdString();
    QStringList values;
    for (result.first(); !result.eof(); result.next()) values << result.asText(column);
    EXPECT_EQ(values.join('|').toStdString(), expectation.mid(colon + 2).toStdString())
        << "column " << column << ", corpus line " << statement.line;
  }
}

// Runs the corpus against `catalog`, with {Data} and {Program} standing for
// the two folders.
void runCorpus(Catalog& catalog, const QString& data, const QString& program) {
  std::vector<CorpusStatement> statements = loadCorpus(data, program);
  ASSERT_FALSE(statements.empty());
  for (const CorpusStatement& statement : statements) {
    SCOPED_TRACE("corpus line " + std::to_string(statement.line) + ":\n" + statement.text.toStdString());
    std::unique_ptr<ResultSet> result;
    try {
      result = execute(catalog, statement.text);
    } catch (const StoreError& error) {
      ADD_FAILURE() << error.what();
      continue;
    }
    bool isSelect = statement.text.trimmed().startsWith("SELECT", Qt::CaseInsensitive);
    EXPECT_EQ(result != nullptr, isSelect);
    if (result) checkExpectations(statement, *result);
    else EXPECT_TRUE(statement.expectations.isEmpty());
  }
}

TEST(SqlCorpus, EveryStatementOfTheProgramRunsAndGivesItsRows) {
  QString program = QDir::tempPath() + "\\varnela-corpus";
  testing::FakeCatalog catalog;
  runCorpus(catalog, program + "\\Data", program);
  EXPECT_EQ(catalog.indexes.size(), 5u);
  EXPECT_TRUE(catalog.hasTable(program + "\\gest.DBF"));
}

// The same statements on real table files through the Database.
TEST(SqlCorpus, RunsOnRealTables) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("Data"));
  Database database(dir.path() + "/Data");
  runCorpus(database, dir.path() + "\\Data", dir.path());
}

}  // namespace
}  // namespace store::sql

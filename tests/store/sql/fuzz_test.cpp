// Statement texts mangled at random, and absurdly nested ones, give a clean
// StoreError (or run), never a crash, a hang or another exception.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <random>

#include "fake_catalog.h"
#include "store/error.h"
#include "store/sql/executor.h"

namespace store::sql {
namespace {

// The statements of the corpus, {Data} and {Program} replaced.
std::vector<QString> corpusStatements() {
  QFile file(QFileInfo(QStringLiteral(__FILE__)).dir().filePath("data/corpus.sql"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  std::vector<QString> statements;
  QStringList lines;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
    if (line == ";;") {
      if (!lines.isEmpty()) statements.push_back(lines.join('\n').replace("{Data}", "D").replace("{Program}", "P"));
      lines.clear();
    } else if (!line.startsWith("-- ")) {
      lines << line;
    }
  }
  return statements;
}

// Runs a statement; true when it gave a StoreError.
bool runsCleanly(testing::FakeCatalog& catalog, const QString& text) {
  try {
    execute(catalog, text);
    return false;
  } catch (const StoreError&) {
    return true;
  }
}

QString mutate(const QString& text, std::mt19937& random) {
  static const QString kPieces[] = {"(", ")", "\"", "'", ",", ".", "*", "-", "+", "/", "=", "<", ">", "<>", " ",
                                    "\n", "0", "9.5", "SELECT", "FROM", "WHERE", "AND", "OR", "NOT", "NULL",
                                    "IS", "AS", "SUM(", "COUNT(*)", "CAST(", "GROUP BY", "ORDER BY", "\"\"",
                                    "31.02.2024", "99999999999999999999", QString::fromUtf8("\u0103\u2603"),
                                    "INNER JOIN", "(SELECT", "DISTINCT", ";"};
  QString result = text;
  int edits = 1 + int(random() % 4);
  for (int e = 0; e < edits; ++e) {
    int at = result.isEmpty() ? 0 : int(random() % uint32_t(result.size() + 1));
    switch (random() % 5) {
      case 0:  // delete a stretch
        result.remove(at, 1 + int(random() % 6));
        break;
      case 1:  // insert a piece
        result.insert(at, kPieces[random() % std::size(kPieces)]);
        break;
      case 2:  // duplicate a stretch
        result.insert(at, result.mid(int(random() % uint32_t(result.size() + 1)), 1 + int(random() % 12)));
        break;
      case 3:  // cut the end off
        result.truncate(at);
        break;
      default:  // replace one character
        if (at < result.size()) result[at] = QChar(char16_t(32 + random() % 95));
        break;
    }
  }
  return result;
}

TEST(SqlFuzz, MangledStatementsOnlyGiveStoreErrors) {
  std::vector<QString> statements = corpusStatements();
  ASSERT_FALSE(statements.empty());
  testing::FakeCatalog catalog;
  for (const QString& statement : statements) runsCleanly(catalog, statement);
  std::mt19937 random(20261210);
  int errors = 0;
  const int kRounds = 20000;
  for (int round = 0; round < kRounds; ++round) {
    QString text = mutate(statements[random() % statements.size()], random);
    try {
      errors += runsCleanly(catalog, text);
    } catch (const std::exception& error) {
      FAIL() << "not a StoreError: " << error.what() << "\n" << text.toStdString();
    }
  }
  // Most mangled statements are refused; the rest ran.
  EXPECT_GT(errors, kRounds / 2);
}

TEST(SqlFuzz, DeepNestingIsRefusedNotOverflowed) {
  testing::FakeCatalog catalog;
  catalog.addTable("T.dbf", {testing::field("A", 'N', 10)});
  const int kDepth = 100000;
  const QString cases[] = {
      "SELECT " + QString("(").repeated(kDepth) + "1" + QString(")").repeated(kDepth) + " FROM \"T.dbf\"",
      "SELECT A FROM \"T.dbf\" WHERE " + QString("NOT ").repeated(kDepth) + "A=1",
      "SELECT " + QString("-").repeated(kDepth) + "1 FROM \"T.dbf\"",
      "SELECT " + QString("1+").repeated(kDepth) + "1 FROM \"T.dbf\"",
      "SELECT A FROM \"T.dbf\" WHERE " + QString("A=1 OR ").repeated(kDepth) + "A=2",
      "SELECT " + QString("(SELECT ").repeated(kDepth) + "1",
      "UPDATE \"T.dbf\" SET A=" + QString("(").repeated(kDepth),
  };
  for (const QString& text : cases) {
    try {
      execute(catalog, text);
      ADD_FAILURE() << "accepted: " << text.left(60).toStdString();
    } catch (const StoreError& error) {
      EXPECT_NE(std::string(error.what()).find("nested too deeply"), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace store::sql

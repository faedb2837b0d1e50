// The undo journal: rollback, commit and recovery after a crash.
#include "store/journal/journal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "store/error.h"

namespace store::journal {
namespace {

QByteArray readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

class JournalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    table = dir.filePath("T.dbf");
    writeFile(table, "0123456789");
  }
  // Overwrites, appends, truncates and creates/replaces files in one transaction.
  void changeEverything(Journal& journal) {
    JournaledFile file(journal, table);
    file.write(2, "ab");
    file.write(10, "APPENDED");
    file.write(3, "XYZ");
    journal.noteCreated(dir.filePath("new.mdx"));
    writeFile(dir.filePath("new.mdx"), "fresh");
    writeFile(dir.filePath("other.dbf"), "old other");
    journal.saveWholeFile(dir.filePath("other.dbf"));
    writeFile(dir.filePath("other.dbf"), "replaced");
  }
  QTemporaryDir dir;
  QString table;
};

TEST_F(JournalTest, RollbackRestoresBytesLengthsAndFiles) {
  Journal journal(dir.path());
  journal.begin();
  changeEverything(journal);
  EXPECT_EQ(readFile(table), "01aXYZ6789APPENDED");
  journal.rollback();
  EXPECT_EQ(readFile(table), "0123456789");
  EXPECT_FALSE(QFile::exists(dir.filePath("new.mdx")));
  EXPECT_EQ(readFile(dir.filePath("other.dbf")), "old other");
  EXPECT_FALSE(QFile::exists(journal.path()));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no backup copies left
}

TEST_F(JournalTest, CommitKeepsChangesAndRemovesJournal) {
  Journal journal(dir.path());
  journal.begin();
  changeEverything(journal);
  journal.commit();
  EXPECT_EQ(readFile(table), "01aXYZ6789APPENDED");
  EXPECT_EQ(readFile(dir.filePath("other.dbf")), "replaced");
  EXPECT_FALSE(QFile::exists(journal.path()));
  EXPECT_FALSE(Journal::recover(dir.path()));
}

TEST_F(JournalTest, ManyWritesLandInTheirOrderAndRollBack) {
  // Close writes become one run, far ones stay apart; overlapping writes
  // keep the order given, and a run may end past the end of the file.
  writeFile(table, QByteArray(10000, '.'));
  QByteArray expected(10000, '.');
  const std::vector<std::pair<int64_t, std::string>> writes = {
      {9998, "ENDS-PAST"}, {5, "bb"}, {2, "aaaa"}, {9000, "far"}, {3, "X"}, {7000, "middle"}};
  for (const auto& [offset, bytes] : writes) {
    if (offset + int64_t(bytes.size()) > expected.size()) expected.resize(offset + bytes.size());
    expected.replace(offset, int(bytes.size()), QByteArray::fromStdString(bytes));
  }
  Journal journal(dir.path());
  journal.begin();
  JournaledFile(journal, table).writeMany(writes);
  EXPECT_EQ(readFile(table), expected);
  journal.rollback();
  EXPECT_EQ(readFile(table), QByteArray(10000, '.'));
}

TEST_F(JournalTest, TruncationIsUndone) {
  Journal journal(dir.path());
  journal.begin();
  JournaledFile file(journal, table);
  file.truncate(4);
  file.write(4, "zz");
  journal.rollback();
  EXPECT_EQ(readFile(table), "0123456789");
}

TEST_F(JournalTest, WritesOutsideATransactionAreDirect) {
  Journal journal(dir.path());
  JournaledFile file(journal, table);
  file.write(0, "A");
  EXPECT_EQ(readFile(table), "A123456789");
  EXPECT_FALSE(QFile::exists(journal.path()));
}

// A child process changes the files and dies without committing; recovery in
// the parent finds every file as before the transaction.
TEST_F(JournalTest, RecoverAfterAKilledProcess) {
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    Journal journal(dir.path());
    journal.begin();
    changeEverything(journal);
    _exit(0);  // no commit, no destructor
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(QFile::exists(dir.filePath("varnela.jnl")));
  EXPECT_TRUE(Journal::recover(dir.path()));
  EXPECT_EQ(readFile(table), "0123456789");
  EXPECT_FALSE(QFile::exists(dir.filePath("new.mdx")));
  EXPECT_EQ(readFile(dir.filePath("other.dbf")), "old other");
  EXPECT_FALSE(QFile::exists(dir.filePath("varnela.jnl")));
}

// A torn last record means its change was never made: recovery ignores it
// and undoes the intact ones.
TEST_F(JournalTest, TornRecordIsIgnored) {
  {
    Journal journal(dir.path());
    journal.begin();
    JournaledFile file(journal, table);
    file.write(0, "AB");
    QFile copy(journal.path());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    QByteArray intact = copy.readAll();
    copy.close();
    writeFile(dir.filePath("keep.jnl"), intact);
    journal.commit();
  }
  QByteArray journalBytes = readFile(dir.filePath("keep.jnl"));
  QFile::remove(dir.filePath("keep.jnl"));
  writeFile(table, "AB23456789");
  for (int cut : {1, 5, 20}) {
    writeFile(dir.filePath("varnela.jnl"), journalBytes + QByteArray("R\x05\0\0\0garbage", 12).left(cut));
    EXPECT_TRUE(Journal::recover(dir.path()));
    EXPECT_EQ(readFile(table), "0123456789") << "cut " << cut;
    writeFile(table, "AB23456789");
  }
}

TEST_F(JournalTest, OpeningAMissingFileNamesIt) {
  Journal journal(dir.path());
  try {
    JournaledFile file(journal, dir.filePath("Nope.dbf"));
    FAIL() << "no error";
  } catch (const StoreError& e) {
    EXPECT_NE(std::string(e.what()).find("Nope.dbf"), std::string::npos) << e.what();
  }
}

// A failed statement inside a longer transaction undoes only its own changes,
// even where it rewrote bytes an earlier statement had already changed.
TEST_F(JournalTest, SavepointUndoesOnlyLaterChanges) {
  Journal journal(dir.path());
  journal.begin();
  JournaledFile file(journal, table);
  file.write(0, "AA");
  int64_t mark = journal.savepoint();
  file.write(0, "BB");
  file.write(10, "tail");
  journal.rollbackTo(mark);
  EXPECT_EQ(readFile(table), "AA23456789");
  file.write(2, "CC");
  journal.rollback();
  EXPECT_EQ(readFile(table), "0123456789");
}

}  // namespace
}  // namespace store::journal

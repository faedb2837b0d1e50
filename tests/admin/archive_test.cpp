// The backup archive: round trips, the exact layout, hand-built archives and
// damaged ones, which must leave the Data folder untouched.
#include <QDir>
#include <QtEndian>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include "admin/archive.h"
#include "admin/backup_files.h"
#include "store/error.h"

namespace admin {
namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray int32(qint32 v) {
  QByteArray b(4, '\0');
  for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((static_cast<quint32>(v) >> (8 * i)) & 0xFF);
  return b;
}

QByteArray zlibStream(const QByteArray& data) {
  uLongf length = compressBound(static_cast<uLong>(data.size()));
  QByteArray out(static_cast<qsizetype>(length), '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &length, reinterpret_cast<const Bytef*>(data.constData()),
            static_cast<uLong>(data.size()), 9);
  out.resize(static_cast<qsizetype>(length));
  return out;
}

// One record as the format lays it out, built without our writer.
QByteArray record(const QByteArray& name, const QByteArray& data) {
  return int32(static_cast<qint32>(name.size())) + name + int32(static_cast<qint32>(data.size())) + zlibStream(data);
}

std::map<QString, QByteArray> folderContents(const QString& folder) {
  std::map<QString, QByteArray> files;
  for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) files[name] = readAll(folder + "/" + name);
  return files;
}

class ArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program = dir.path() + "/Varnela";
    data = program + "/Data";
    put(data + "/CapNote.dbf", QByteArray(3000, 'c'));
    put(data + "/Gestiuni.dbf", QByteArray::fromHex("03 7e 0c 0a") + QByteArray(50000, 'g'));
    put(data + "/Gestiuni.mdx", QByteArray(4096, '\x01'));
    put(data + "/Varnela2.ini", "[INDEX]\r\nIDCAP=5\r\n");
    put(data + "/Empty.dbf", QByteArray());
    put(data + "/Sub/Inner.dbf", "not stored");
    archive = dir.path() + "/backup.vrz";
  }
  void backup() { CompressFiles(archive, ListFileDir(program), [](int, int) {}); }
  void restore() { DecompressFiles(archive, program, [](int, int) {}); }

  QTemporaryDir dir;
  QString program, data, archive;
};

TEST_F(ArchiveTest, BackupStoresTheDataFilesOnlyWithTheirNames) {
  backup();
  QByteArray bytes = readAll(archive);
  EXPECT_EQ(bytes.left(4), int32(5));
  // Walk the records by hand: name, size, a zlib stream starting 78 DA.
  QStringList names;
  z_stream stream{};
  qsizetype at = 4;
  for (int i = 0; i < 5; ++i) {
    qint32 length = qFromLittleEndian<qint32>(bytes.constData() + at);
    names << QString::fromLatin1(bytes.mid(at + 4, length));
    at += 4 + length + 4;
    EXPECT_EQ(bytes.mid(at, 2), QByteArray::fromHex("78da"));
    inflateInit(&stream);
    QByteArray sink(1 << 20, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(bytes.data() + at);
    stream.avail_in = static_cast<uInt>(bytes.size() - at);
    stream.next_out = reinterpret_cast<Bytef*>(sink.data());
    stream.avail_out = static_cast<uInt>(sink.size());
    ASSERT_EQ(inflate(&stream, Z_FINISH), Z_STREAM_END);
    at = bytes.size() - stream.avail_in;
    inflateEnd(&stream);
  }
  EXPECT_EQ(at, bytes.size());
  names.sort();
  EXPECT_EQ(names, QStringList({"Data\\CapNote.dbf", "Data\\Empty.dbf", "Data\\Gestiuni.dbf", "Data\\Gestiuni.mdx",
                                "Data\\Varnela2.ini"}));
}

TEST_F(ArchiveTest, RestoreGivesByteIdenticalFilesAndDropsNewOnes) {
  put(program + "/Arhiva/old.txt", "archived");
  backup();
  auto before = folderContents(data);
  put(data + "/Added.dbf", "after the backup");
  put(data + "/Gestiuni.dbf", "changed");
  QFile::remove(program + "/Arhiva/old.txt");
  restore();
  EXPECT_EQ(folderContents(data), before);
  EXPECT_EQ(readAll(program + "/Arhiva/old.txt"), "archived");
  EXPECT_EQ(readAll(data + "/Empty.dbf"), "");
  EXPECT_EQ(readAll(data + "/Sub/Inner.dbf"), "not stored");  // sub-folders are left alone
  EXPECT_EQ(QDir(program).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"Arhiva", "Data"}));
}

TEST_F(ArchiveTest, HandBuiltArchiveRestores) {
  QByteArray ini = "[SETARI]\r\nDENUMIRE=\xAA" "coala\r\n";
  put(archive, int32(3) + record("Data\\Note.dbf", QByteArray(70000, 'n')) + record("Data\\Varnela2.ini", ini) +
                   record("Arhiva\\vechi.vrz", "x"));
  restore();
  EXPECT_EQ(folderContents(data), (std::map<QString, QByteArray>{{"Note.dbf", QByteArray(70000, 'n')},
                                                                  {"Varnela2.ini", ini}}));
  EXPECT_EQ(readAll(program + "/Arhiva/vechi.vrz"), "x");  // Arhiva created when missing
}

TEST_F(ArchiveTest, DamagedArchivesLeaveTheDataFolderUntouched) {
  backup();
  const QByteArray good = readAll(archive);
  const qint32 firstNameLength = qFromLittleEndian<qint32>(good.constData() + 4);
  const qsizetype firstStream = 4 + 4 + firstNameLength + 4;
  QByteArray flipped = good;
  flipped[firstStream + 20] = static_cast<char>(flipped[firstStream + 20] ^ 0x55);
  QByteArray hugeSize = int32(1) + int32(13) + "Data\\Huge.dbf" + int32(2000000000) + zlibStream("tiny");
  QByteArray wrongSize = int32(1) + int32(12) + "Data\\Bad.dbf" + int32(5) + zlibStream("four");
  struct Case {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"cut in the count", good.left(2)},
      {"cut in a header", good.left(6)},
      {"cut in a name", good.left(10)},
      {"cut in a stream", good.left(firstStream + 10)},
      {"cut after a record", good.left(good.size() - 3)},
      {"flipped byte in a stream", flipped},
      {"dot-dot name", int32(1) + record("Data\\..\\evil.dbf", "x")},
      {"absolute name", int32(1) + record("/etc/evil", "x")},
      {"other prefix", int32(1) + record("Program\\varnela", "x")},
      {"forward slash", int32(1) + record("Data\\sub/evil", "x")},
      {"negative count", int32(-1)},
      {"negative name length", int32(1) + int32(-5)},
      {"huge declared size", hugeSize},
      {"declared size too large", wrongSize},
      {"no files", int32(0)},
  };
  const auto before = folderContents(data);
  for (const auto& c : cases) {
    put(archive, c.bytes);
    try {
      restore();
      ADD_FAILURE() << c.what << ": restored";
    } catch (const ArchiveError& e) {
      EXPECT_NE(std::string(e.what()).find("backup.vrz"), std::string::npos) << c.what << ": " << e.what();
    }
    EXPECT_EQ(folderContents(data), before) << c.what;
    EXPECT_FALSE(QFile::exists(dir.path() + "/etc/evil")) << c.what;
    EXPECT_FALSE(QFile::exists(program + "/evil.dbf")) << c.what;
    EXPECT_EQ(QDir(program).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"Data"})) << c.what;
  }
}

TEST_F(ArchiveTest, RandomDamageNeverCrashes) {
  backup();
  const QByteArray good = readAll(archive);
  QRandomGenerator random(7);
  for (int round = 0; round < 300; ++round) {
    QByteArray bytes = good;
    for (int flips = 1 + random.bounded(4); flips > 0; --flips) {
      qsizetype at = random.bounded(bytes.size());
      bytes[at] = static_cast<char>(random.bounded(256));
    }
    put(archive, bytes.left(random.bounded(bytes.size() + 1)));
    try {
      restore();
    } catch (const std::exception&) {
    }
  }
}

TEST_F(ArchiveTest, AFailedBackupLeavesNoArchive) {
  put(archive, "the old archive");
  std::vector<ArchiveSource> files = ListFileDir(program);
  files.push_back({"Data\\Gone.dbf", data + "/Gone.dbf"});
  EXPECT_THROW(CompressFiles(archive, files, [](int, int) {}), store::StoreError);
  EXPECT_EQ(readAll(archive), "the old archive");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"backup.vrz"}));
}

}  // namespace
}  // namespace admin

namespace admin {
namespace {

// A restore stopped after each of its moves, as a crash or power cut would
// stop it: the next start finishes it (or puts the old files back when it
// cannot), and leaves no staging folder behind.
class InterruptedRestoreTest : public ArchiveTest {
 protected:
  void SetUp() override {
    ArchiveTest::SetUp();
    backup();
    restored = folderContents(data);
    put(data + "/Gestiuni.dbf", "changed after the backup");
    put(data + "/Added.dbf", "added after the backup");
    old = folderContents(data);
  }
  // Runs the restore in a child process that ends right after move `stop`;
  // true when it got there.
  bool restoreStoppingAfter(int stop) {
    pid_t child = fork();
    if (child == 0) {
      DecompressFiles(archive, program, [](int, int) {}, [stop](int move) {
        if (move == stop) _exit(0);
      });
      _exit(3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  QStringList stagingFolders() const {
    return QDir(program).entryList({QString(kStagingPrefix) + "*"}, QDir::Dirs | QDir::NoDotAndDotDot);
  }
  std::map<QString, QByteArray> restored, old;
};

TEST_F(InterruptedRestoreTest, EveryStopIsFinishedAtTheNextStart) {
  int stop = 0;
  for (; restoreStoppingAfter(stop); ++stop) {
    SCOPED_TRACE(stop);
    ASSERT_EQ(stagingFolders().size(), 1u);
    const RestoreRecovery recovery = recoverInterruptedRestore(program);
    EXPECT_FALSE(recovery.unresolved);
    ASSERT_EQ(recovery.messages.size(), 1);
    EXPECT_TRUE(recovery.messages[0].contains("terminata")) << recovery.messages[0].toStdString();
    EXPECT_EQ(folderContents(data), restored);
    EXPECT_TRUE(stagingFolders().isEmpty());
    for (const auto& [name, bytes] : old) put(data + "/" + name, bytes);  // the next round starts from the old files
  }
  EXPECT_EQ(stop, 11);  // six files aside, five in
  EXPECT_EQ(folderContents(data), restored);
}

TEST_F(InterruptedRestoreTest, AMissingRestoredFileMeansTheOldFilesGoBack) {
  ASSERT_TRUE(restoreStoppingAfter(7));  // the old files aside, one restored file in
  const QString staging = program + "/" + stagingFolders().at(0);
  ASSERT_TRUE(QFile::remove(staging + "/Data/Varnela2.ini") || QFile::remove(staging + "/Data/Gestiuni.dbf") ||
              QFile::remove(staging + "/Data/CapNote.dbf"));
  const RestoreRecovery recovery = recoverInterruptedRestore(program);
  EXPECT_FALSE(recovery.unresolved);
  ASSERT_EQ(recovery.messages.size(), 1);
  EXPECT_TRUE(recovery.messages[0].contains("anulata")) << recovery.messages[0].toStdString();
  EXPECT_EQ(folderContents(data), old);
  EXPECT_TRUE(stagingFolders().isEmpty());
}

TEST_F(InterruptedRestoreTest, StopBeforeTheFirstMoveChangesNothing) {
  put(program + "/" + kStagingPrefix + "abc123/Data/Gestiuni.dbf", "unpacked only");
  const RestoreRecovery recovery = recoverInterruptedRestore(program);
  ASSERT_EQ(recovery.messages.size(), 1);
  EXPECT_TRUE(recovery.messages[0].contains("neschimbate"));
  EXPECT_EQ(folderContents(data), old);
  EXPECT_TRUE(stagingFolders().isEmpty());
}

// A plan whose files are neither where it left them nor where it put them:
// nothing is deleted and the message names the staging folder.
TEST_F(InterruptedRestoreTest, AnUnfinishableRestoreKeepsEveryFile) {
  ASSERT_TRUE(restoreStoppingAfter(7));
  const QString staging = program + "/" + stagingFolders().at(0);
  // A new file where an old one must go back: neither way can be completed.
  QDir kept(staging + "/kept/Data");
  const QString blocked = kept.entryList(QDir::Files).at(0);
  put(data + "/" + blocked, "in the way");
  QDir moveIn(staging + "/Data");
  for (const QString& name : moveIn.entryList(QDir::Files)) QFile::remove(moveIn.filePath(name));
  const RestoreRecovery recovery = recoverInterruptedRestore(program);
  EXPECT_TRUE(recovery.unresolved);
  ASSERT_EQ(recovery.messages.size(), 1);
  EXPECT_TRUE(recovery.messages[0].contains(QDir::toNativeSeparators(staging))) << recovery.messages[0].toStdString();
  EXPECT_TRUE(QFileInfo::exists(kept.filePath(blocked)));
}

}  // namespace
}  // namespace admin

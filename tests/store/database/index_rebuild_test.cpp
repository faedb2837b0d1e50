// The start-up index rebuild: removing, packing and creating indexes.
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <vector>

#include "store/error.h"
#include "store/index_rebuild.h"
#include "store/table_object.h"
#include "store_fixture.h"

namespace store::testing {
namespace {

char indexFlag(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || !file.seek(28)) return '?';
  char flag = '?';
  file.getChar(&flag);
  return flag;
}

class IndexRebuildTest : public StoreFixture {
 protected:
  void SetUp() override {
    StoreFixture::SetUp();
    sxQuery = std::make_unique<Query>(*db);
    sursaTable = std::make_unique<TableObject>(*db);
    createPermanentTables();
    for (int id = 1; id <= 6; ++id)
      run(QString("INSERT INTO \"%1\" (IDGEST, IDNOTA, IDCAP) VALUES (%2, %3, -1)")
              .arg(table("Gestiuni.dbf"))
              .arg(id)
              .arg(10 - id));
  }
  void rebuild(const QString& name, const QStringList& columns) {
    StergePuneIndex(sx(), sursa(), table(name), columns, [this](const QString& message) { messages << message; });
  }
  std::unique_ptr<Query> sxQuery;
  std::unique_ptr<TableObject> sursaTable;
  Query& sx() { return *sxQuery; }
  TableObject& sursa() { return *sursaTable; }
  QStringList messages;
};

TEST_F(IndexRebuildTest, PacksAndCreatesTheTagsInOrder) {
  run("DELETE FROM \"" + table("Gestiuni.dbf") + "\" WHERE IDGEST=2 OR IDGEST=5");
  EXPECT_EQ(db->image(table("Gestiuni.dbf")).rowCount(), 6u);  // deleted rows stay until the pack
  rebuild("Gestiuni.dbf", {"IDNOTA", "IDCAP", "IDGEST"});
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(db->image(table("Gestiuni.dbf")).rowCount(), 4u);
  EXPECT_EQ(indexFlag(data + "/Gestiuni.dbf"), 1);
  EXPECT_TRUE(QFileInfo::exists(data + "/Gestiuni.mdx"));
  auto rows = run("SELECT IDGEST FROM \"" + table("Gestiuni.dbf") + "\" ORDER BY IDGEST");
  QStringList ids;
  for (rows->first(); !rows->eof(); rows->next()) ids << rows->asText("IDGEST");
  EXPECT_EQ(ids, QStringList({"1", "3", "4", "6"}));
  // A second creation of an existing tag fails quietly.
  EXPECT_FALSE(CreazaIndex(sx(), table("Gestiuni.dbf"), "IDGEST"));
}

TEST_F(IndexRebuildTest, RemoveIndexClearsTheFlagAndDeletesTheIndexFile) {
  rebuild("Gestiuni.dbf", {"IDGEST"});
  RemoveIndex(*db, table("Gestiuni.dbf"));
  EXPECT_EQ(indexFlag(data + "/Gestiuni.dbf"), 0);
  EXPECT_FALSE(QFileInfo::exists(data + "/Gestiuni.mdx"));
  // A flag left set with the index file missing: cleared, and the pack works.
  rebuild("Gestiuni.dbf", {"IDGEST"});
  QFile::remove(data + "/Gestiuni.mdx");
  RemoveIndex(*db, table("Gestiuni.dbf"));
  EXPECT_EQ(indexFlag(data + "/Gestiuni.dbf"), 0);
  rebuild("Gestiuni.dbf", {"IDNOTA"});
  EXPECT_EQ(indexFlag(data + "/Gestiuni.dbf"), 1);
  RemoveIndex(*db, table("Missing.dbf"));  // nothing to open: no error
}

// A table whose header disagrees with its size is refused by name before
// anything writes to it: no flag cleared, no index deleted, no pack (which
// would drop the records past the count), and a 0-byte file stays 0 bytes.
TEST_F(IndexRebuildTest, DamagedTablesAreRefusedAndLeftUntouched) {
  rebuild("Gestiuni.dbf", {"IDGEST"});
  run("DELETE FROM \"" + table("Gestiuni.dbf") + "\" WHERE IDGEST=2");
  db.reset();
  QFile file(data + "/Gestiuni.dbf");
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.seek(4));
  ASSERT_EQ(file.write(QByteArray("\x05\x00\x00\x00", 4)), 4);  // one record fewer than the file holds
  file.close();
  QFile empty(data + "/CapNote.dbf");
  ASSERT_TRUE(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
  empty.close();
  const auto before = snapshot();
  db = std::make_unique<Database>(data);
  sxQuery = std::make_unique<Query>(*db);
  sursaTable = std::make_unique<TableObject>(*db);
  for (const char* name : {"Gestiuni.dbf", "CapNote.dbf"}) {
    SCOPED_TRACE(name);
    for (const std::function<void()>& step : std::vector<std::function<void()>>{
             [&] { RemoveIndex(*db, table(name)); }, [&] { rebuild(name, {"IDGEST"}); }}) {
      try {
        step();
        ADD_FAILURE() << "accepted";
      } catch (const StoreError& error) {
        EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
      }
    }
  }
  EXPECT_EQ(snapshot(), before);
}

TEST_F(IndexRebuildTest, EmptyColumnListOnlyPacks) {
  rebuild("CapNote.dbf", {});
  EXPECT_EQ(indexFlag(data + "/CapNote.dbf"), 0);
  EXPECT_FALSE(QFileInfo::exists(data + "/CapNote.mdx"));
}

TEST_F(IndexRebuildTest, UnknownColumnGivesFalse) {
  EXPECT_FALSE(CreazaIndex(sx(), table("Gestiuni.dbf"), "NOPE"));
  EXPECT_TRUE(CreazaIndex(sx(), table("Gestiuni.dbf"), "IDGEST"));
}

TEST_F(IndexRebuildTest, MissingTableIsReportedAndSkipped) {
  QFile::remove(data + "/Note.dbf");
  rebuild("Note.dbf", {"IDNOTA", "IDCAP"});
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], "Fisierul " + table("Note.dbf") + " nu exista!\r\nObligatoriu RESTAURATI !");
}

TEST_F(IndexRebuildTest, PackFailsWhileTheTableIsOpenElsewhere) {
  TableObject other(*db);
  other.open(table("Gestiuni.dbf"));
  EXPECT_THROW(PackTable(sursa(), table("Gestiuni.dbf")), StoreError);
  EXPECT_FALSE(sursa().isOpen());
}

}  // namespace
}  // namespace store::testing

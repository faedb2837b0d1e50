// A table's production .mdx kept true by its writes: tags made by
// createIndex, keys following inserts, key changes and deletes, tags rebuilt
// by the pack; each tag walked by index_dump (libdbd-xbase-perl).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "dbf_bytes.h"
#include "store/dbase/dbf_table.h"
#include "store/error.h"

namespace store::dbase {
namespace {

using testing::field;

const FieldList kFields = {field("IDNOTA", 'N', 13), field("IDCAP", 'N', 13), field("DATA", 'D', 8),
                           field("PRODUS", 'C', 12), field("CANT", 'N', 10, 2)};
const std::vector<std::string> kTags = {"IDNOTA", "DATA", "PRODUS", "CANT"};

// The record numbers of a tag in the order index_dump walks it; nullopt when
// index_dump is not installed. It prints each key's raw bytes (which may hold
// any byte, line feeds too), a blank and the record number on a line.
std::optional<std::vector<uint32_t>> dumpedRecords(const QString& mdxPath, const Field& field) {
  const QString program = "/usr/bin/index_dump";
  if (!QFile::exists(program)) return std::nullopt;
  QProcess process;
  process.start(program, {"--tag", QString::fromStdString(field.name), mdxPath});
  process.waitForFinished(60000);
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  const qsizetype keyLength = field.type == 'C' ? field.width : field.type == 'D' ? 8 : 12;
  const QByteArray out = process.readAllStandardOutput();
  std::vector<uint32_t> records;
  for (qsizetype at = 0; at + keyLength < out.size();) {
    const qsizetype end = out.indexOf('\n', at + keyLength);
    if (out[at + keyLength] != ' ' || end < 0) {
      ADD_FAILURE() << "unexpected index_dump output at byte " << at;
      break;
    }
    records.push_back(out.mid(at + keyLength + 1, end - at - keyLength - 1).toUInt());
    at = end + 1;
  }
  return records;
}

// Every record, deleted ones too, in key order (equal keys by record number):
// numbers and dates by value, texts by their bytes padded to the width.
std::vector<uint32_t> keyOrder(const TableImage& image, int field) {
  std::vector<uint32_t> rows(image.rowCount());
  std::iota(rows.begin(), rows.end(), 0u);
  auto key = [&](uint32_t row) {
    const Value value = image.value(row, field);
    int64_t number = 0;
    std::string text;
    if (value.kind() == Value::Kind::Number) number = value.asNumber();
    if (value.kind() == Value::Kind::Date) number = value.asDate();
    if (value.kind() == Value::Kind::Text) text = value.asText();
    text.resize(image.fields[field].width, ' ');
    return std::make_pair(number, std::vector<uint8_t>(text.begin(), text.end()));
  };
  std::stable_sort(rows.begin(), rows.end(), [&](uint32_t a, uint32_t b) { return key(a) < key(b); });
  for (uint32_t& row : rows) ++row;
  return rows;
}

class DbfIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    inTransaction([&] { DbfTable::create(journal, path, kFields); });
    table = std::make_unique<DbfTable>(path);
  }

  template <typename Change>
  void inTransaction(Change&& change) {
    journal.begin();
    change();
    journal.commit();
  }

  std::vector<Value> randomRow() {
    static const char* const kProducts[] = {"HARTIE", "TONER", "BEC", "CRETA", "DOSAR", "PIX", "SAPUN", "MANUSI"};
    std::uniform_int_distribution<int> id(-5, 500), product(0, 7), day(0, 400), amount(-100000, 1000000);
    return {Value::number(id(random) * 10000LL), Value::number(id(random) * 10000LL),
            Value::date(date::julianDay(2024, 1, 1) + day(random)),
            Value::text(std::string(kProducts[product(random)]) + " " + std::to_string(product(random))),
            Value::number(amount(random) * 100LL)};
  }

  void expectTagsWalkEveryRecordInKeyOrder() {
    for (const std::string& tag : kTags) {
      SCOPED_TRACE(tag);
      const int field = table->image().fieldIndex(tag);
      const auto dumped = dumpedRecords(mdxPath, table->image().fields[field]);
      if (!dumped) GTEST_SKIP() << "index_dump (libdbd-xbase-perl) is not installed";
      EXPECT_EQ(*dumped, keyOrder(table->image(), field));
    }
  }

  QTemporaryDir dir;
  QString path = dir.filePath("Note.dbf");
  QString mdxPath = dir.filePath("Note.mdx");
  journal::Journal journal{dir.path()};
  std::unique_ptr<DbfTable> table;
  std::mt19937 random{1215};
};

TEST_F(DbfIndexTest, KeysFollowEveryWriteAndThePack) {
  std::vector<std::vector<Value>> rows;
  for (int i = 0; i < 300; ++i) rows.push_back(randomRow());
  inTransaction([&] { table->insertRows(journal, rows); });
  inTransaction([&] {
    for (const std::string& tag : kTags) table->createIndex(journal, tag, tag);
  });
  const std::string header = testing::readFile(path);
  EXPECT_EQ(header[28], 1);
  for (int f = 0; f < 5; ++f) EXPECT_EQ(header[32 + 32 * f + 31], f == 1 ? 0 : 1) << kFields[f].name;
  EXPECT_TRUE(table->image().fields[3].tagged);
  expectTagsWalkEveryRecordInKeyOrder();

  rows.clear();
  for (int i = 0; i < 200; ++i) rows.push_back(randomRow());
  inTransaction([&] { table->insertRows(journal, rows); });
  std::vector<RowChange> changes;
  std::uniform_int_distribution<uint32_t> anyRow(0, 499);
  for (int i = 0; i < 100; ++i) {
    const std::vector<Value> values = randomRow();
    changes.push_back({anyRow(random), {{0, values[0]}, {2, values[2]}, {3, values[3]}, {1, values[1]}}});
  }
  // Assigning a key its own value changes nothing in the index.
  changes.push_back({7, {{0, table->image().value(7, 0)}}});
  inTransaction([&] { table->updateRows(journal, changes); });
  std::vector<uint32_t> doomed;
  for (int i = 0; i < 50; ++i) doomed.push_back(anyRow(random));
  inTransaction([&] { table->deleteRows(journal, doomed); });
  expectTagsWalkEveryRecordInKeyOrder();

  table->pack();
  EXPECT_LT(table->image().rowCount(), 500u);
  EXPECT_EQ(testing::readFile(path)[28], 1);
  expectTagsWalkEveryRecordInKeyOrder();

  // A table read again opens its index again on the first write.
  table = std::make_unique<DbfTable>(path);
  inTransaction([&] {
    table->insertRows(journal, {randomRow()});
    table->updateRows(journal, {{0, {{3, Value::text("AAA")}}}});
  });
  expectTagsWalkEveryRecordInKeyOrder();
}

TEST_F(DbfIndexTest, FindsAnIndexNamedInUpperCase) {
  inTransaction([&] {
    table->insertRows(journal, {randomRow(), randomRow()});
    for (const std::string& tag : kTags) table->createIndex(journal, tag, tag);
  });
  mdxPath = dir.filePath("NOTE.MDX");
  ASSERT_TRUE(QFile::rename(dir.filePath("Note.mdx"), mdxPath));
  table = std::make_unique<DbfTable>(path);
  inTransaction([&] {
    table->insertRows(journal, {randomRow()});
    table->updateRows(journal, {{0, {{0, Value::number(-990000)}, {3, Value::text("ZZZ")}}}});
  });
  expectTagsWalkEveryRecordInKeyOrder();
}

TEST_F(DbfIndexTest, AFailedStatementLeavesTableAndIndexAsTheyWere) {
  inTransaction([&] {
    table->insertRows(journal, {randomRow(), randomRow()});
    for (const std::string& tag : kTags) table->createIndex(journal, tag, tag);
  });
  const std::string dbfBefore = testing::readFile(path), mdxBefore = testing::readFile(mdxPath);

  journal.begin();
  table->insertRows(journal, {randomRow(), randomRow(), randomRow()});
  table->updateRows(journal, {{0, {{3, Value::text("ZZZ")}}}});
  journal.rollback();
  EXPECT_EQ(testing::readFile(path), dbfBefore);
  EXPECT_EQ(testing::readFile(mdxPath), mdxBefore);

  journal.begin();
  for (const auto& [tag, column] : std::vector<std::pair<std::string, std::string>>{
           {"IDNOTA", "IDNOTA"}, {"NOPE", "NOPE"}, {"ALTUL", "IDCAP"}}) {
    SCOPED_TRACE(tag);
    try {
      table->createIndex(journal, tag, column);
      ADD_FAILURE() << "created";
    } catch (const StoreError& error) {
      EXPECT_NE(std::string(error.what()).find("Note."), std::string::npos) << error.what();
    }
  }
  journal.commit();
  EXPECT_EQ(testing::readFile(path), dbfBefore);
  EXPECT_EQ(testing::readFile(mdxPath), mdxBefore);
}

TEST_F(DbfIndexTest, APackThatFailsLeavesTheOldTableWhole) {
  inTransaction([&] {
    table->insertRows(journal, {randomRow(), randomRow(), randomRow()});
    table->createIndex(journal, "IDNOTA", "IDNOTA");
    table->deleteRows(journal, {0});
  });
  const std::string before = testing::readFile(path);
  // A folder where the new .mdx is to be renamed makes the pack fail after
  // the new table was written in full.
  ASSERT_TRUE(QFile::remove(mdxPath));
  ASSERT_TRUE(QDir(dir.path()).mkdir("Note.mdx"));
  EXPECT_THROW(table->pack(), StoreError);
  EXPECT_EQ(testing::readFile(path), before);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Note.dbf"});
}

TEST_F(DbfIndexTest, WithoutItsIndexATableIsPackedAndIndexedAfresh) {
  inTransaction([&] {
    table->insertRows(journal, {randomRow(), randomRow(), randomRow()});
    table->createIndex(journal, "IDNOTA", "IDNOTA");
    table->createIndex(journal, "PRODUS", "PRODUS");
    table->deleteRows(journal, {1});
  });
  // What the index rebuild does first: clear byte 28 and delete the .mdx.
  {
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadWrite));
    raw.seek(28);
    raw.write("\0", 1);
  }
  ASSERT_TRUE(QFile::remove(mdxPath));
  table = std::make_unique<DbfTable>(path);
  table->pack();
  EXPECT_FALSE(QFile::exists(mdxPath));
  EXPECT_EQ(table->image().rowCount(), 2u);

  inTransaction([&] { table->createIndex(journal, "IDNOTA", "IDNOTA"); });
  const std::string bytes = testing::readFile(path);
  EXPECT_EQ(bytes[28], 1);
  EXPECT_EQ(bytes[32 + 31], 1);           // IDNOTA
  EXPECT_EQ(bytes[32 + 3 * 32 + 31], 0);  // PRODUS's tag went with the old file
  EXPECT_FALSE(table->image().fields[3].tagged);
}

}  // namespace
}  // namespace store::dbase

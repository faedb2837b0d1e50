// MdxFile end to end: the files it writes are read back by index_dump
// (libdbd-xbase-perl) and by our own checking walk, after whole builds and
// after thousands of journaled single-key changes.
#include "store/mdx/mdx_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

#include "store/error.h"
#include "store/mdx/mdx_layout.h"
#include "mdx_test_support.h"

namespace store::mdx {
namespace {

using namespace store::mdx::testing;

const dbase::Field* const kFields[] = {&kAmountField, &kDateField, &kTextField};

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

uint16_t u16At(const QByteArray& bytes, int at) { return getU16(std::string_view(bytes.constData(), bytes.size()), at); }
uint32_t u32At(const QByteArray& bytes, int at) { return getU32(std::string_view(bytes.constData(), bytes.size()), at); }

// Records with one value per indexed field, changed at random the way a
// ledger is: rows appended, deleted, edited.
class LedgerModel {
 public:
  explicit LedgerModel(uint32_t seed) : random_(seed) {}

  std::vector<KeyEntry> entries(const dbase::Field& field) const {
    std::vector<KeyEntry> out;
    for (const auto& [record, values] : rows_) out.push_back({values.at(field.name), record});
    return out;
  }
  std::vector<MdxFile::TagSpec> specs() const {
    std::vector<MdxFile::TagSpec> out;
    for (const dbase::Field* field : kFields) out.push_back({field->name, *field, entries(*field)});
    return out;
  }

  void append(int count) {
    for (int i = 0; i < count; ++i) addRow();
  }

  // One random change, told to the index through `insert` and `remove`.
  void change(MdxFile& index) {
    const unsigned dice = random_() % 100;
    if (dice < 45 || live_.empty()) {
      const uint32_t record = addRow();
      for (const dbase::Field* field : kFields) index.insert(field->name, *field, {rows_[record][field->name], record});
    } else if (dice < 80) {
      const size_t slot = random_() % live_.size();
      const uint32_t record = live_[slot];
      for (const dbase::Field* field : kFields) index.remove(field->name, *field, {rows_[record][field->name], record});
      live_[slot] = live_.back();
      live_.pop_back();
      rows_.erase(record);
    } else {
      const uint32_t record = live_[random_() % live_.size()];
      const dbase::Field& field = *kFields[random_() % 3];
      Value& value = rows_[record][field.name];
      index.remove(field.name, field, {value, record});
      value = randomValue(field, random_);
      index.insert(field.name, field, {value, record});
    }
  }

 private:
  uint32_t addRow() {
    const uint32_t record = nextRecord_++;
    for (const dbase::Field* field : kFields) rows_[record][field->name] = randomValue(*field, random_);
    live_.push_back(record);
    return record;
  }

  std::mt19937 random_;
  uint32_t nextRecord_ = 1;
  std::map<uint32_t, std::map<std::string, Value>> rows_;
  std::vector<uint32_t> live_;
};

class MdxFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  // Every tag read back by scanTag and by index_dump equals `model`'s rows;
  // without index_dump the test is marked skipped once our own walk passed.
  void expectTagsHold(const LedgerModel& model) {
    MdxFile index(journal, path);
    for (const dbase::Field* field : kFields) {
      SCOPED_TRACE(field->name);
      const std::vector<IndexItem> expected = expectedItems(*field, model.entries(*field));
      EXPECT_EQ(index.scanTag(field->name), expected);
      if (!indexDumpAvailable()) GTEST_SKIP() << "index_dump (libdbd-xbase-perl) is not installed";
      std::string failure;
      const auto dumped = indexDump(path, field->name, KeyCodec(*field).keyLength(), failure);
      ASSERT_TRUE(dumped.has_value()) << failure;
      EXPECT_EQ(dumped->size(), expected.size());
      EXPECT_TRUE(*dumped == expected) << "index_dump shows the tag differently";
    }
  }

  QTemporaryDir dir;
  QString path = dir.filePath("GESTIUNI.mdx");
  journal::Journal journal{dir.path()};
};

TEST_F(MdxFileTest, CreateWritesAnEmptyProductionIndex) {
  MdxFile::create(journal, path, "GESTIUNI");
  const QByteArray bytes = readAll(path);
  ASSERT_EQ(bytes.size(), 2048);
  EXPECT_EQ(bytes[header::kVersion], 2);
  EXPECT_EQ(bytes.mid(header::kTableName, 16), QByteArray("GESTIUNI\0\0\0\0\0\0\0\0", 16));
  EXPECT_EQ(u16At(bytes, 20), 2);
  EXPECT_EQ(u16At(bytes, 22), 1024);
  EXPECT_EQ(bytes[24], 1);
  EXPECT_EQ(bytes[25], 48);
  EXPECT_EQ(bytes[26], 32);
  EXPECT_EQ(bytes[28], 0);
  EXPECT_EQ(bytes[31], 0x1B);
  EXPECT_EQ(u32At(bytes, header::kPageCount), 4u);
  EXPECT_EQ(u32At(bytes, header::kFirstFreePage), 0u);
  EXPECT_TRUE(MdxFile(journal, path).tagNames().empty());
  if (indexDumpAvailable()) {
    EXPECT_TRUE(indexDumpTags(path).isEmpty());
  }
}

TEST_F(MdxFileTest, CreationAndReplacementAreUndoneWithTheTransaction) {
  journal.begin();
  MdxFile::create(journal, path, "GESTIUNI");
  EXPECT_TRUE(QFile::exists(path));
  journal.rollback();
  EXPECT_FALSE(QFile::exists(path));

  MdxFile::writeWhole(path, "GESTIUNI", {{"OLD", kDateField, {}}});
  journal.begin();
  MdxFile::create(journal, path, "GESTIUNI");
  EXPECT_TRUE(MdxFile(journal, path).tagNames().empty());
  journal.rollback();
  EXPECT_EQ(MdxFile(journal, path).tagNames(), std::vector<std::string>({"OLD"}));
}

// Tag table entries must form a binary search tree by name from tag 1, with
// parent links back, whatever order the tags were added in.
TEST_F(MdxFileTest, TagTableStaysANameTreeForAnyOrder) {
  const std::vector<std::vector<std::string>> orders = {
      {"IDGEST", "CANTIN", "PRODUS", "DATA", "GESTIUNE", "ZZ", "A"},
      {"A", "B", "C", "D", "E"},
      {"E", "D", "C", "B", "A"},
      {"M", "C", "X", "A", "E", "W", "Z", "D"},
  };
  for (const auto& order : orders) {
    SCOPED_TRACE(order.front());
    QFile::remove(path);
    MdxFile::create(journal, path, "T");
    {
      MdxFile index(journal, path);
      for (const std::string& name : order) index.addTag(name, kAmountField, {{Value::number(1), 1}});
      EXPECT_EQ(index.tagNames(), order);
    }
    const QByteArray bytes = readAll(path);
    auto slot = [&](int number) { return bytes.mid(kTagTableStart + (number - 1) * kTagEntryLength, kTagEntryLength); };
    auto nameOf = [&](int number) {
      const QByteArray name = slot(number).mid(entry::kName, entry::kNameLength);
      return name.left(qstrnlen(name.constData(), name.size()));
    };
    // Walk from tag 1 within (low, high) bounds; every tag must be reached once.
    int reached = 0;
    std::function<void(int, int, QByteArray, QByteArray)> walk = [&](int number, int parent, QByteArray low,
                                                                      QByteArray high) {
      if (number == 0) return;
      ++reached;
      const QByteArray name = nameOf(number);
      EXPECT_EQ(slot(number)[entry::kParent], parent) << name.constData();
      EXPECT_TRUE(low.isEmpty() || low < name) << name.constData();
      EXPECT_TRUE(high.isEmpty() || name < high) << name.constData();
      walk(slot(number)[entry::kLeft], number, low, name);
      walk(slot(number)[entry::kRight], number, name, high);
    };
    walk(1, 0, {}, {});
    EXPECT_EQ(reached, static_cast<int>(order.size()));
    if (indexDumpAvailable()) {
      EXPECT_EQ(indexDumpTags(path).size(), static_cast<qsizetype>(order.size()));
    }
  }
}

TEST_F(MdxFileTest, AddTagRefusesARepeatedNameAndAFullTable) {
  MdxFile::create(journal, path, "T");
  MdxFile index(journal, path);
  index.addTag("cant", kAmountField, {});
  EXPECT_TRUE(index.hasTag("CANT"));
  EXPECT_THROW(index.addTag("CANT", kAmountField, {}), StoreError);
  EXPECT_THROW(index.addTag("BAD NAME", kAmountField, {}), StoreError);
  EXPECT_THROW(index.addTag("TOOLONGNAME", kAmountField, {}), StoreError);
  EXPECT_THROW(index.addTag("FLAG", dbase::Field{"FLAG", 'L', 1}, {}), StoreError);
  EXPECT_THROW(index.addTag("TWICE", kAmountField, {{Value::number(1), 4}, {Value::number(1), 4}}), StoreError);
  for (int i = 2; i <= kMaxTags; ++i) index.addTag("T" + std::to_string(i), kDateField, {});
  EXPECT_EQ(index.tagNames().size(), 47u);
  EXPECT_THROW(index.addTag("T48", kDateField, {}), StoreError);
  EXPECT_EQ(MdxFile(journal, path).tagNames().size(), 47u);
}

TEST_F(MdxFileTest, WholeBuiltTagsReadBackInKeyOrder) {
  LedgerModel model(1);
  model.append(30000);  // three levels for every key type
  std::vector<MdxFile::TagSpec> specs;
  std::mt19937 random(8);
  for (const dbase::Field* field : kFields) {
    std::vector<KeyEntry> shuffled = model.entries(*field);
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    specs.push_back({field->name, *field, std::move(shuffled)});
  }
  MdxFile::writeWhole(path, "GESTIUNI", std::move(specs));
  if (indexDumpAvailable()) {
    EXPECT_EQ(indexDumpTags(path), QStringList({"CANT", "DATA", "GESTIUNE"}));
  }
  expectTagsHold(model);
}

TEST_F(MdxFileTest, WriteWholeReplacesAnExistingFile) {
  MdxFile::writeWhole(path, "OLD", {{"OLDTAG", kDateField, {{Value::date(2460325), 1}}}});
  MdxFile::writeWhole(path, "NEW", {{"NEWTAG", kTextField, {{Value::text("X"), 1}}}});
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"GESTIUNI.mdx"}));  // no temporary left
  MdxFile index(journal, path);
  EXPECT_EQ(index.tagNames(), std::vector<std::string>({"NEWTAG"}));
  EXPECT_EQ(index.scanTag("NEWTAG"), (std::vector<IndexItem>{{"X         ", 1}}));
}

TEST_F(MdxFileTest, TagsAddedToAnOpenFileReadBack) {
  LedgerModel model(2);
  model.append(5000);
  MdxFile::create(journal, path, "GESTIUNI");
  journal.begin();
  {
    MdxFile index(journal, path);
    for (const dbase::Field* field : kFields) index.addTag(field->name, *field, model.entries(*field));
  }
  journal.commit();
  expectTagsHold(model);
}

TEST_F(MdxFileTest, KeyByKeyChangesKeepEveryTagTrue) {
  LedgerModel model(3);
  model.append(20000);
  MdxFile::writeWhole(path, "GESTIUNI", model.specs());
  for (int batch = 0; batch < 3; ++batch) {
    SCOPED_TRACE(batch);
    journal.begin();
    {
      MdxFile index(journal, path);
      for (int i = 0; i < 800; ++i) model.change(index);
    }
    journal.commit();
    expectTagsHold(model);
  }
}

TEST_F(MdxFileTest, TagGrowsFromEmptyAndShrinksBackToEmpty) {
  MdxFile::create(journal, path, "T");
  MdxFile index(journal, path);
  index.addTag("CANT", kAmountField, {});
  std::map<uint32_t, Value> rows;
  // Both readers must agree with the rows left: nodes emptied on the way are
  // unlinked, and interior nodes may be left with a single child.
  auto expectRows = [&] {
    std::vector<KeyEntry> entries;
    for (const auto& [record, value] : rows) entries.push_back({value, record});
    const std::vector<IndexItem> expected = expectedItems(kAmountField, entries);
    EXPECT_EQ(index.scanTag("CANT"), expected);
    if (!indexDumpAvailable()) return;
    std::string failure;
    const auto dumped = indexDump(path, "CANT", kNumericKeyLength, failure);
    ASSERT_TRUE(dumped.has_value()) << failure;
    EXPECT_TRUE(*dumped == expected);
  };
  // Ascending keys take the append-only split; 9000 of them make three levels.
  for (uint32_t record = 1; record <= 9000; ++record) {
    rows[record] = Value::number(record * 100);
    index.insert("CANT", kAmountField, {rows[record], record});
  }
  expectRows();
  std::vector<uint32_t> order;
  for (const auto& row : rows) order.push_back(row.first);
  std::shuffle(order.begin(), order.end(), std::mt19937(4));
  for (size_t i = 0; i < order.size(); ++i) {
    index.remove("CANT", kAmountField, {rows[order[i]], order[i]});
    rows.erase(order[i]);
    if (i % 2000 == 1999) expectRows();
  }
  expectRows();
  EXPECT_TRUE(rows.empty());
  rows[77] = Value::number(-5);
  index.insert("cant", kAmountField, {rows[77], 77});
  expectRows();
}

TEST_F(MdxFileTest, ChangesOfAnAbortedTransactionAreRolledBack) {
  LedgerModel model(5);
  model.append(3000);
  MdxFile::writeWhole(path, "GESTIUNI", model.specs());
  const QByteArray before = readAll(path);
  journal.begin();
  {
    LedgerModel changed = model;
    MdxFile index(journal, path);
    for (int i = 0; i < 2000; ++i) changed.change(index);
    index.addTag("EXTRA", kDateField, changed.entries(kDateField));
  }
  journal.rollback();
  EXPECT_EQ(readAll(path), before);
}

TEST_F(MdxFileTest, RefusesToWriteAfterTheFileMovedUnderneath) {
  MdxFile::create(journal, path, "T");
  MdxFile index(journal, path);
  index.addTag("CANT", kAmountField, {});
  journal.begin();
  for (uint32_t record = 1; record <= 200; ++record) index.insert("CANT", kAmountField, {Value::number(record), record});
  journal.rollback();  // the file shrinks back; `index` still counts the pages it had
  EXPECT_THROW(index.insert("CANT", kAmountField, {Value::number(1), 1}), StoreError);
  EXPECT_TRUE(MdxFile(journal, path).scanTag("CANT").empty());
}

TEST_F(MdxFileTest, ReportsKeysThatAreNotThereOrAlreadyThere) {
  MdxFile::create(journal, path, "T");
  MdxFile index(journal, path);
  index.addTag("DATA", kDateField, {{Value::date(2460325), 1}});
  EXPECT_THROW(index.insert("DATA", kDateField, {Value::date(2460325), 1}), StoreError);
  EXPECT_THROW(index.remove("DATA", kDateField, {Value::date(2460326), 1}), StoreError);
  EXPECT_THROW(index.remove("DATA", kDateField, {Value::date(2460325), 2}), StoreError);
  EXPECT_THROW(index.insert("NOSUCH", kDateField, {Value::date(2460325), 2}), StoreError);
  EXPECT_THROW(index.insert("DATA", kAmountField, {Value::number(1), 2}), StoreError);
  EXPECT_THROW(index.insert("DATA", kDateField, {Value::text("x"), 2}), StoreError);
  EXPECT_THROW(index.insert("DATA", kDateField, {Value::date(2460325), 0}), StoreError);
  EXPECT_EQ(index.scanTag("DATA").size(), 1u);
}

// One new ledger row must cost a few blocks in the journal, not the tag:
// also when it joins a run of equal keys thousands of leaves long.
TEST_F(MdxFileTest, OneInsertTouchesOnlyAFewBlocks) {
  constexpr uint32_t kRows = 200000;
  std::vector<KeyEntry> units;
  std::vector<KeyEntry> amounts;
  for (uint32_t record = 1; record <= kRows; ++record) {
    units.push_back({Value::text(record % 3 == 0 ? "MAGAZIE" : "DEPOZIT"), record});
    amounts.push_back({Value::number(static_cast<int64_t>(record % 1000) * 10000), record});
  }
  MdxFile::writeWhole(path, "GESTIUNI",
                      {{"GESTIUNE", kTextField, std::move(units)}, {"CANT", kAmountField, std::move(amounts)}});
  const int64_t sizeBefore = QFileInfo(path).size();
  for (uint32_t record = kRows + 1; record <= kRows + 3; ++record) {
    journal.begin();
    {
      MdxFile index(journal, path);
      index.insert("GESTIUNE", kTextField, {Value::text("DEPOZIT"), record});
      index.insert("CANT", kAmountField, {Value::number(5000000), record});
    }
    EXPECT_LT(QFileInfo(journal.path()).size(), 10 * kBlockSize);
    journal.commit();
  }
  EXPECT_LE(QFileInfo(path).size() - sizeBefore, 12 * kBlockSize);
  MdxFile index(journal, path);
  const std::vector<IndexItem> items = index.scanTag("GESTIUNE");
  ASSERT_EQ(items.size(), kRows + 3);
  // The new rows close the DEPOZIT run, just before the MAGAZIE ones.
  const size_t magazie = kRows / 3;
  EXPECT_EQ(items[items.size() - magazie - 1].record, kRows + 3);
  EXPECT_EQ(items[items.size() - magazie].key.substr(0, 7), "MAGAZIE");
}

}  // namespace
}  // namespace store::mdx

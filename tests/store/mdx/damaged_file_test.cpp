// Damaged .mdx files: cut, pointing outside themselves, looping, or with
// random bytes flipped. Each must end in a StoreError naming the file (or, for
// harmless flips, in success), never in a crash or a hang.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "mdx_test_support.h"
#include "store/error.h"
#include "store/mdx/mdx_file.h"
#include "store/mdx/mdx_layout.h"

namespace store::mdx {
namespace {

using namespace store::mdx::testing;

constexpr uint32_t kNewRecord = 100000;

class DamagedFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    build(10000);  // three levels in every tag
  }

  void build(uint32_t rows) {
    std::mt19937 random(11);
    std::vector<MdxFile::TagSpec> tags;
    for (const dbase::Field* field : {&kAmountField, &kDateField, &kTextField}) {
      std::vector<KeyEntry> entries;
      for (uint32_t record = 1; record <= rows; ++record) entries.push_back({randomValue(*field, random), record});
      tags.push_back({field->name, *field, std::move(entries)});
    }
    MdxFile::writeWhole(path, "GESTIUNI", std::move(tags));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    pristine = file.readAll();
  }

  void write(const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }

  uint32_t u32(int at) const { return getU32(std::string_view(pristine.constData(), pristine.size()), at); }
  void putU32At(QByteArray& bytes, int at, uint32_t value) const {
    qToLittleEndian<quint32>(value, bytes.data() + at);
  }
  uint32_t tagHeaderPage(int number) const { return u32(kTagTableStart + (number - 1) * kTagEntryLength); }
  uint32_t rootPage(int number) const { return u32(static_cast<int>(pageOffset(tagHeaderPage(number)))); }

  // Opens the file and reads, inserts into and removes from every tag.
  void useEveryTag() {
    MdxFile index(journal, path);
    for (const dbase::Field* field : {&kAmountField, &kDateField, &kTextField}) {
      index.scanTag(field->name);
      index.insert(field->name, *field, {Value::null(), kNewRecord});
      index.remove(field->name, *field, {Value::null(), kNewRecord});
    }
  }

  // The damage must surface as a StoreError that names the file.
  void expectStoreError(const std::string& what, const std::function<void()>& use = {}) {
    SCOPED_TRACE(what);
    try {
      use ? use() : useEveryTag();
      ADD_FAILURE() << "no error";
    } catch (const StoreError& error) {
      EXPECT_NE(std::string(error.what()).find("GESTIUNI.mdx"), std::string::npos) << error.what();
    }
  }

  QTemporaryDir dir;
  QString path = dir.filePath("GESTIUNI.mdx");
  journal::Journal journal{dir.path()};
  QByteArray pristine;
};

TEST_F(DamagedFileTest, TheUndamagedFileWorks) { EXPECT_NO_THROW(useEveryTag()); }

TEST_F(DamagedFileTest, TruncatedFilesAreRefused) {
  for (qsizetype length : {qsizetype(0), qsizetype(100), qsizetype(2047), qsizetype(2048), qsizetype(3000),
                           pristine.size() - kBlockSize, pristine.size() - 1}) {
    write(pristine.left(length));
    expectStoreError(("cut to " + std::to_string(length)).c_str());
  }
}

TEST_F(DamagedFileTest, PageNumbersOutsideTheFileAreRefused) {
  const uint32_t pages = u32(header::kPageCount);
  struct Damage {
    const char* what;
    int at;
    uint32_t value;
  };
  const Damage damages[] = {
      {"tag header page past the end", kTagTableStart + entry::kHeaderPage, pages},
      {"tag header page inside the file header", kTagTableStart + entry::kHeaderPage, 1},
      {"root page past the end", static_cast<int>(pageOffset(tagHeaderPage(2))), pages + 100},
      {"root page 0", static_cast<int>(pageOffset(tagHeaderPage(3))), 0},
      {"child page past the end", static_cast<int>(pageOffset(rootPage(1))) + node::kItems, 0xFFFFFFF0},
      {"rightmost child past the end",
       static_cast<int>(pageOffset(rootPage(2)) + node::kItems + u32(static_cast<int>(pageOffset(rootPage(2)))) * 12),
       pages + 10},
      {"page count larger than the file", header::kPageCount, pages + 2},
      {"more tags than the table holds", header::kTagsInUse, 48},
      {"key count larger than a block holds", static_cast<int>(pageOffset(rootPage(1))), 64},
  };
  for (const Damage& damage : damages) {
    QByteArray bytes = pristine;
    putU32At(bytes, damage.at, damage.value);
    write(bytes);
    expectStoreError(damage.what);
  }
}

TEST_F(DamagedFileTest, InconsistentTagHeadersAreRefused) {
  const int header = static_cast<int>(pageOffset(tagHeaderPage(1)));
  struct Damage {
    const char* what;
    int at;
    char value;
  };
  const Damage damages[] = {
      {"key length of a date on a number tag", header + tagheader::kKeyLength, 8},
      {"item length", header + tagheader::kItemLength, 12},
      {"key type differing from the tag table", header + tagheader::kKeyType, 'D'},
      {"no key expression", header + tagheader::kExpression, 0},
      {"unknown key type in the tag table", kTagTableStart + entry::kKeyType, 'X'},
      {"version", header::kVersion, 3},
      {"block size", header::kBlockSizeAt + 1, 8},
  };
  for (const Damage& damage : damages) {
    QByteArray bytes = pristine;
    bytes[damage.at] = damage.value;
    write(bytes);
    expectStoreError(damage.what);
  }
}

TEST_F(DamagedFileTest, LoopsInTheTreeAreRefused) {
  const dbase::Field* fields[] = {&kAmountField, &kDateField, &kTextField};
  // Keys below every key in the tags, blanks included: the leftmost path.
  const Value lowest[] = {Value::number(INT64_MIN), Value::date(INT32_MIN), Value::text("\x01")};
  for (int tag = 1; tag <= 3; ++tag) {
    const uint32_t root = rootPage(tag);
    const int rootAt = static_cast<int>(pageOffset(root));
    const uint32_t firstChild = u32(rootAt + node::kItems);
    const int childAt = static_cast<int>(pageOffset(firstChild));
    // The root points to itself; a child points back up to the root. Both
    // the full walk and the descent of an insert down the leftmost path
    // must notice.
    for (int at : {rootAt + node::kItems, childAt + node::kItems}) {
      QByteArray bytes = pristine;
      putU32At(bytes, at, root);
      write(bytes);
      const std::string what = "loop in tag " + std::to_string(tag);
      expectStoreError(what);
      const dbase::Field& field = *fields[tag - 1];
      expectStoreError(what + " met by an insert", [&] {
        MdxFile(journal, path).insert(field.name, field, {lowest[tag - 1], kNewRecord});
      });
    }
  }
}

// Random flips, most of them in the header, the tag table and the first
// bytes of each block where the structure lives; run under the sanitizers
// in CI.
TEST_F(DamagedFileTest, RandomByteFlipsNeverCrash) {
  build(1500);  // small, so that thousands of rounds stay quick
  std::mt19937 random(2024);
  int refused = 0;
  for (int round = 0; round < 2500; ++round) {
    QByteArray bytes = pristine;
    const int flips = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < flips; ++i) {
      qsizetype at = 0;
      switch (random() % 3) {
        case 0: at = random() % header::kLength; break;
        case 1: at = (random() % (bytes.size() / kBlockSize)) * kBlockSize + random() % 24; break;
        default: at = random() % bytes.size(); break;
      }
      bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
    }
    write(bytes);
    try {
      useEveryTag();
    } catch (const StoreError&) {
      ++refused;
    }
  }
  EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace store::mdx

// Reading .dbf files written by other programs, and refusing damaged ones.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

#include "dbf_bytes.h"
#include "store/dbase/dbf_table.h"
#include "store/dbase/image_reader.h"
#include "store/error.h"

namespace store::dbase {
namespace {

using testing::DbfBytes;

Value day(int y, int m, int d) { return Value::date(date::julianDay(y, m, d)); }

class DbfReadTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  // Writes the bytes as T.dbf and loads them.
  std::unique_ptr<DbfTable> load(const DbfBytes& file) {
    const QString path = dir.filePath("T.dbf");
    testing::writeFile(path, file.bytes());
    return std::make_unique<DbfTable>(path);
  }

  QTemporaryDir dir;
};

TEST_F(DbfReadTest, ReadsTablesWithMemoFlagsFloatsAndLogicals) {
  for (const uint8_t version : {0x83, 0x8B}) {
    SCOPED_TRACE(version);
    DbfBytes file;
    file.version = version;
    file.extraHeaderBytes = 263;  // some writers reserve room after the descriptors
    file.extraRecordBytes = 5;    // and records longer than their fields
    file.endByte = false;         // a missing end byte is no damage
    file.field("NAME", 'C', 6).field("RATE", 'F', 10, 3).field("OK", 'L', 1).field("WHEN", 'D', 8);
    file.field("QTY", 'N', 5);
    file.record({"ab", "-1.2345", "T", "20240115", "42"})
        .record({"", "", "?", "", ""})
        .record({"xyz", "0.500", "n", "00000000", "*****"}, /*deleted=*/true)
        .record({"  lead", ".5", "y", "19991231", "-7"});

    const auto table = load(file);
    const TableImage& image = table->image();
    ASSERT_EQ(image.rowCount(), 4u);
    EXPECT_EQ(image.header.version, version);
    EXPECT_EQ(image.header.headerLength, 32 + 5 * 32 + 1 + 263);
    EXPECT_EQ(image.header.recordLength, 1 + 6 + 10 + 1 + 8 + 5 + 5);
    EXPECT_EQ(image.fields[0].offset, 1u);
    EXPECT_EQ(image.fields[4].offset, 26u);
    EXPECT_EQ(image.deleted, (std::vector<uint8_t>{0, 0, 1, 0}));

    const std::vector<std::vector<Value>> expected = {
        {Value::text("ab"), Value::number(-12345), Value::boolean(true), day(2024, 1, 15), Value::number(420000)},
        {Value::text(""), Value::null(), Value::null(), Value::null(), Value::null()},
        {Value::text("xyz"), Value::number(5000), Value::boolean(false), Value::null(), Value::null()},
        {Value::text("  lead"), Value::number(5000), Value::boolean(true), day(1999, 12, 31), Value::number(-70000)},
    };
    for (uint32_t row = 0; row < expected.size(); ++row)
      for (int f = 0; f < 5; ++f)
        EXPECT_EQ(image.value(row, f), expected[row][f]) << "record " << row << " field " << f;
  }
}

TEST_F(DbfReadTest, TranscodesCodePage852TextToWindows1250) {
  DbfBytes file;
  file.driver = 0x64;
  file.field("PRODUS", 'C', 10);
  // "ăşţ" in code page 852: 0xC7 0xAD 0xEE.
  file.record({"\xC7\xAD\xEE lapte"});
  const auto table = load(file);
  EXPECT_EQ(table->image().codePage, CodePage::Cp852);
  EXPECT_EQ(table->image().value(0, 0), Value::text("\xE3\xBA\xFE lapte"));
}

TEST_F(DbfReadTest, InternsEachDistinctTextOnceWhateverItsPad) {
  DbfBytes file;
  file.field("DOCJUS", 'C', 12);
  // Enough distinct texts to outgrow the loader's first hash table, each
  // seen twice, once padded with NULs as some writers do.
  for (int i = 0; i < 3000; ++i) file.record({"NIR " + std::to_string(i)});
  for (int i = 2999; i >= 0; --i) file.record({"NIR " + std::to_string(i)});
  for (int i = 0; i < 3000; i += 7) file.records[i].replace(1 + 4 + std::to_string(i).size(), 1, 1, '\0');
  file.record({""}).record({"   "});

  const auto table = load(file);
  const TableImage& image = table->image();
  EXPECT_EQ(image.columns[0]->dictionary->size(), 3001u);  // the empty text is code 0
  for (uint32_t i = 0; i < 3000; ++i) {
    const Value expected = Value::text("NIR " + std::to_string(i));
    ASSERT_EQ(image.value(i, 0), expected);
    ASSERT_EQ(image.value(5999 - i, 0), expected);
  }
  EXPECT_EQ(image.columns[0]->codes[6000], 0u);
  EXPECT_EQ(image.columns[0]->codes[6001], 0u);
}

// A valid two-field table with two records, for the damage cases to spoil.
std::string validFile() {
  DbfBytes file;
  file.field("CANTIN", 'N', 10, 2).field("DATA", 'D', 8);
  file.record({"12.50", "20240115"}).record({"-3.00", "20240116"});
  return file.bytes();
}

TEST_F(DbfReadTest, RefusesDamagedFilesNamingThem) {
  struct Case {
    const char* what;
    std::string bytes;
    const char* message;
  };
  const std::string valid = validFile();
  auto with = [&](size_t at, std::string bytes) { return std::string(valid).replace(at, bytes.size(), bytes); };
  auto built = [](auto change) {
    DbfBytes file;
    file.field("CANTIN", 'N', 10, 2).field("DATA", 'D', 8);
    change(file);
    return file.bytes();
  };
  const std::vector<Case> cases = {
      {"empty file", "", "the file is empty (0 bytes)"},
      {"truncated header", valid.substr(0, 20), "too short"},
      {"truncated descriptors", valid.substr(0, 32 + 40), "header length"},
      {"header length past the end", with(8, std::string("\x00\x10", 2)), "runs past the end of the file"},
      {"header length cuts a descriptor", with(8, std::string("\x50\x00", 2)), "without a closing 0x0D"},
      {"no descriptor terminator", with(32 + 64, "X"), "without a closing 0x0D"},
      {"more records than the file holds", with(4, std::string("\x03\x00\x00\x00", 4)), "truncated"},
      {"a record cut short", valid.substr(0, valid.size() - 5), "truncated"},
      {"count one too small", with(4, std::string("\x01\x00\x00\x00", 4)),
       "the header counts 1 records but the file holds 2"},
      {"count one too large", with(4, std::string("\x03\x00\x00\x00", 4)),
       "truncated: the header counts 3 records but the file holds 2"},
      {"bytes after the end byte", valid + "XY", "3 stray bytes after the 2 records"},
      {"another byte for the end byte", with(valid.size() - 1, "X"), "1 stray bytes after the 2 records"},
      {"record length shorter than the fields", with(10, std::string("\x05\x00", 2)), "record length"},
      {"record length zero", with(10, std::string("\x00\x00", 2)), "record length"},
      {"unknown version", with(0, "\x30"), "version byte 0x30"},
      {"dBase 7", with(0, "\x04"), "version byte 0x04"},
      {"no fields", built([](DbfBytes& f) { f.fields.clear(); }), "no fields"},
      {"field width 0", built([](DbfBytes& f) { f.fields[0].width = 0; }), "field CANTIN: width 0"},
      {"memo field", built([](DbfBytes& f) { f.fields[1].type = 'M'; }), "field DATA: unsupported field type 'M'"},
      {"numeric wider than 20", built([](DbfBytes& f) { f.fields[0].width = 21; }), "above 20"},
      {"date not 8 wide", built([](DbfBytes& f) { f.fields[1].width = 6; }), "must be 8 wide"},
      {"nameless field", built([](DbfBytes& f) { f.fields[0].name = ""; }), "no name"},
      {"field named twice", built([](DbfBytes& f) { f.fields[1] = {"cantin", 'C', 3}; }), "appears twice"},
      {"bad number", built([](DbfBytes& f) { f.record({"12a.5", "20240115"}); }),
       "record 1, field CANTIN: '12a.5' is not a number"},
      {"number beyond an amount", built([](DbfBytes& f) { f.fields[0].width = 20; f.record({"99999999999999999999"}); }),
       "record 1, field CANTIN: '99999999999999999999' is beyond the range of an amount"},
      {"bad date", built([](DbfBytes& f) { f.record({"1", "20240115"}).record({"1", "20240231"}); }),
       "record 2, field DATA: '20240231' is not a date"},
      {"bad deletion flag", with(valid.size() - 1 - 19, "#"), "record 2: deletion flag"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = dir.filePath("Gestiuni.dbf");
    testing::writeFile(path, c.bytes);
    try {
      // The header and the flags are checked on loading, the values when
      // the image is first read.
      DbfTable table(path);
      table.image();
      ADD_FAILURE() << "loaded";
    } catch (const StoreError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind("Gestiuni.dbf: ", 0), 0u) << message;
      EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
  }
}

// A table large enough to be decoded on both cores: a bad value in the last
// record is found whichever thread decodes its field, leaves no half-filled
// column behind, and a file mended on disk is read again.
TEST_F(DbfReadTest, DecodesFieldsWhenFirstNeededOnBothCores) {
  constexpr int kRows = 70000;
  auto ledger = [](const std::string& lastAmount) {
    DbfBytes file;
    file.field("ID", 'N', 8).field("PRODUS", 'C', 20).field("DATA", 'D', 8).field("SUMA", 'N', 10, 2);
    for (int row = 0; row < kRows; ++row)
      file.record({std::to_string(row + 1), "produs " + std::to_string(row % 97), "20240115",
                   row + 1 == kRows ? lastAmount : std::to_string(row % 1000) + ".25"},
                  /*deleted=*/row % 1000 == 7);
    return file;
  };
  const QString path = dir.filePath("T.dbf");
  testing::writeFile(path, ledger("12a.50").bytes());
  DbfTable table(path);
  EXPECT_EQ(table.fields().size(), 4u);
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      table.image();
      ADD_FAILURE() << "a bad amount was read";
    } catch (const StoreError& error) {
      EXPECT_NE(std::string(error.what()).find("record 70000, field SUMA: '12a.50' is not a number"), std::string::npos)
          << error.what();
    }
  }
  testing::writeFile(path, ledger("3.75").bytes());
  const TableImage& image = table.image();
  ASSERT_EQ(image.rowCount(), static_cast<uint32_t>(kRows));
  for (const uint32_t row : {0u, 7u, 4242u, static_cast<uint32_t>(kRows - 1)}) {
    SCOPED_TRACE(row);
    EXPECT_EQ(image.value(row, 0), Value::number((row + 1) * decimal::kScale));
    EXPECT_EQ(image.value(row, 1), Value::text("produs " + std::to_string(row % 97)));
    EXPECT_EQ(image.value(row, 2), day(2024, 1, 15));
    EXPECT_EQ(image.deleted[row], row % 1000 == 7 ? 1 : 0);
  }
  EXPECT_EQ(image.value(kRows - 1, 3), Value::number(37500));
  EXPECT_EQ(image.value(4242, 3), Value::number(242 * decimal::kScale + 2500));
}

TEST_F(DbfReadTest, MissingFileIsAStoreError) {
  EXPECT_THROW(DbfTable(dir.filePath("Nope.dbf")), StoreError);
}

// Random damage anywhere in a file must give a clean refusal or an image
// whose every value can be read; never a crash (this runs under ASan/UBSan).
TEST(DbfReadFuzz, MangledBytesNeverCrash) {
  DbfBytes file;
  file.field("ID", 'N', 6).field("SUMA", 'F', 8, 2).field("NUME", 'C', 5).field("ZI", 'D', 8).field("OK", 'L', 1);
  for (int i = 0; i < 6; ++i)
    file.record({std::to_string(i), "1.25", "ab", "20240101", "T"}, /*deleted=*/i == 3);
  const std::string valid = file.bytes();

  std::mt19937 random(20240115);
  int loaded = 0;
  for (int attempt = 0; attempt < 4000; ++attempt) {
    std::string bytes = valid;
    if (attempt % 5 == 4) {
      bytes.resize(random() % bytes.size());
    } else {
      const int changes = 1 + static_cast<int>(random() % 4);
      for (int c = 0; c < changes; ++c) bytes[random() % bytes.size()] = static_cast<char>(random() & 0xFF);
    }
    try {
      const auto image = readImage(bytes, "F.dbf");
      for (uint32_t row = 0; row < image->rowCount(); ++row)
        for (int f = 0; f < static_cast<int>(image->fields.size()); ++f) image->value(row, f);
      ++loaded;
    } catch (const StoreError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("F.dbf: ", 0), 0u) << error.what();
    }
  }
  // Both outcomes must occur, or the loop tested nothing.
  EXPECT_GT(loaded, 0);
  EXPECT_LT(loaded, 4000);
}

}  // namespace
}  // namespace store::dbase

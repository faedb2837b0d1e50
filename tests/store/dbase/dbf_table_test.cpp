// Writing .dbf tables: create, insert, update, delete and pack keep the image
// equal to the file, batches are all-or-nothing, and independent readers
// (dbfread, GDAL) read back what we wrote.
#include "store/dbase/dbf_table.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

#include "dbf_bytes.h"
#include "store/coded_rows.h"
#include "store/dbase/dbf_layout.h"
#include "store/error.h"

namespace store::dbase {
namespace {

using Row = std::vector<Value>;
using testing::field;

// A ledger-like layout with every field type.
const FieldList kFields = {field("IDGEST", 'N', 13), field("DATA", 'D', 8),       field("PRODUS", 'C', 20),
                           field("UM", 'C', 3),      field("CANTIN", 'N', 10, 2), field("GATA", 'L', 1),
                           field("RATA", 'F', 12, 4)};

Value amount(int64_t tenThousandths) { return Value::number(tenThousandths); }
Value text(const char* bytes) { return Value::text(bytes); }
Value day(int y, int m, int d) { return Value::date(date::julianDay(y, m, d)); }

// Each record's values, deleted ones included.
std::vector<Row> rowsOf(const TableImage& image) {
  std::vector<Row> rows(image.rowCount());
  for (uint32_t row = 0; row < image.rowCount(); ++row)
    for (int f = 0; f < static_cast<int>(image.fields.size()); ++f) rows[row].push_back(image.value(row, f));
  return rows;
}

std::vector<Row> liveRows(const std::vector<Row>& rows, const std::vector<uint8_t>& deleted) {
  std::vector<Row> live;
  for (size_t row = 0; row < rows.size(); ++row)
    if (!deleted[row]) live.push_back(rows[row]);
  return live;
}

// Runs a reader; nullopt when the tool is not installed.
std::optional<QString> runTool(const QString& program, const QStringList& arguments) {
  if (!QFile::exists(program)) return std::nullopt;
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return std::nullopt;
  if (process.exitCode() != 0) {
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    if (errors.contains("ModuleNotFoundError")) return std::nullopt;
    ADD_FAILURE() << program.toStdString() << " failed: " << errors.toStdString();
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

// What dbfread reads: the header's mdx flag, then one line per live record.
const char* kDbfreadScript = R"(
import sys
from dbfread import DBF
table = DBF(sys.argv[1])
def shown(v):
    if v is None: return '<null>'
    if isinstance(v, bool): return 'T' if v else 'F'
    if isinstance(v, (int, float)): return '%.4f' % v
    if hasattr(v, 'strftime'): return v.strftime('%Y%m%d')
    return v
sys.stdout.reconfigure(encoding='utf-8')
print('mdx', table.header.mdx_flag)
for record in table:
    print('|'.join(shown(v) for v in record.values()))
)";

QString dbfreadShown(const Value& value) {
  switch (value.kind()) {
    case Value::Kind::Null: return "<null>";
    case Value::Kind::Number: return QString::fromStdString(decimal::format(value.asNumber(), 4));
    case Value::Kind::Date: return QString::fromStdString(date::formatStored(value.asDate()));
    case Value::Kind::Bool: return value.asBool() ? "T" : "F";
    default: return decode(value.asText());
  }
}

void expectDbfreadReads(const QString& path, const std::vector<Row>& live, int mdxFlag) {
  const auto output = runTool("/usr/bin/python3", {"-c", kDbfreadScript, path});
  if (!output) GTEST_SKIP() << "python3-dbfread is not installed";
  std::vector<std::string> expected{"mdx " + std::to_string(mdxFlag)};
  for (const Row& row : live) {
    QStringList values;
    for (const Value& value : row) values << dbfreadShown(value);
    expected.push_back(values.join('|').toStdString());
  }
  std::vector<std::string> lines;
  for (const QString& line : output->trimmed().split('\n')) lines.push_back(line.toStdString());
  EXPECT_EQ(lines, expected);
}

// ogrinfo prints each live record as "OGRFeature(...):n" and "  NAME (Type) = value"
// lines; a blank field shows as "(null)" or not at all.
using Feature = std::map<std::string, std::string>;

std::vector<Feature> ogrFeatures(const QString& output) {
  std::vector<Feature> features;
  for (const QString& line : output.split('\n')) {
    if (line.startsWith("OGRFeature(")) features.emplace_back();
    const qsizetype equals = line.indexOf(") = ");
    if (features.empty() || !line.startsWith("  ") || equals < 0) continue;
    const QString value = line.mid(equals + 4);
    if (value != "(null)" && !value.isEmpty()) features.back()[line.trimmed().section(' ', 0, 0).toStdString()] = value.toStdString();
  }
  return features;
}

void expectOgrReads(const QString& path, const FieldList& fields, const std::vector<Row>& live) {
  const auto output = runTool("/usr/bin/ogrinfo", {"-ro", "-al", path});
  if (!output) GTEST_SKIP() << "gdal-bin is not installed";
  std::vector<Feature> expected(live.size());
  for (size_t row = 0; row < live.size(); ++row) {
    for (size_t f = 0; f < fields.size(); ++f) {
      const Value& value = live[row][f];
      if (value.isSqlNull()) continue;
      QString shown;
      switch (value.kind()) {
        case Value::Kind::Number:
          shown = QString::fromStdString(decimal::format(value.asNumber(), fields[f].decimals));
          break;
        case Value::Kind::Date:
          shown = QDate::fromJulianDay(value.asDate()).toString("yyyy/MM/dd");
          break;
        default:
          shown = dbfreadShown(value);
      }
      expected[row][fields[f].name] = shown.toStdString();
    }
  }
  EXPECT_EQ(ogrFeatures(*output), expected) << output->toStdString();
}

class DbfTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    path = dir.filePath("Gestiuni.dbf");
    journal = std::make_unique<journal::Journal>(dir.path());
  }

  template <typename Change>
  void inTransaction(Change&& change) {
    journal->begin();
    change();
    journal->commit();
  }

  std::unique_ptr<DbfTable> createTable(const FieldList& fields = kFields) {
    inTransaction([&] { DbfTable::create(*journal, path, fields); });
    return std::make_unique<DbfTable>(path);
  }

  QTemporaryDir dir;
  QString path;
  std::unique_ptr<journal::Journal> journal;
};

TEST_F(DbfTableTest, CreatesAnEmptyTableWithTheLayoutGiven) {
  const auto table = createTable();
  const std::string bytes = testing::readFile(path);
  const QDate today = QDate::currentDate();
  ASSERT_EQ(bytes.size(), 32u + 7 * 32 + 1 + 1);
  EXPECT_EQ(bytes[0], '\x03');
  EXPECT_EQ(static_cast<uint8_t>(bytes[1]), today.year() - 1900);
  EXPECT_EQ(bytes[2], today.month());
  EXPECT_EQ(bytes[3], today.day());
  EXPECT_EQ(bytes.substr(4, 4), std::string(4, '\0'));
  EXPECT_EQ(bytes[28], '\0');
  EXPECT_EQ(static_cast<uint8_t>(bytes[29]), 0xC8);
  EXPECT_EQ(bytes[bytes.size() - 2], '\x0D');
  EXPECT_EQ(bytes.back(), '\x1A');

  const TableImage& image = table->image();
  EXPECT_EQ(image.rowCount(), 0u);
  EXPECT_EQ(image.header.recordLength, 1 + 13 + 8 + 20 + 3 + 10 + 1 + 12);
  ASSERT_EQ(image.fields.size(), kFields.size());
  EXPECT_EQ(image.fields[0].offset, 1u);  // right after the deletion flag
  EXPECT_EQ(image.fields[1].offset, 14u);
  EXPECT_EQ(image.fields[6].offset, 56u);
}

TEST_F(DbfTableTest, CreateRefusesAnExistingFileAndABadLayout) {
  createTable();
  const std::string before = testing::readFile(path);
  EXPECT_THROW(inTransaction([&] { DbfTable::create(*journal, path, kFields); }), StoreError);
  EXPECT_EQ(testing::readFile(path), before);
  journal->rollback();

  const QString other = dir.filePath("Alt.dbf");
  for (const FieldList& bad : {FieldList{field("X", 'C', 0)}, FieldList{field("N", 'N', 21)}, FieldList{},
                               FieldList{field("A", 'C', 2), field("a", 'N', 2)}}) {
    try {
      DbfTable::create(*journal, other, bad);
      ADD_FAILURE() << "created";
    } catch (const StoreError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("Alt.dbf: ", 0), 0u) << error.what();
    }
    EXPECT_FALSE(QFile::exists(other));
  }
}

TEST_F(DbfTableTest, CreationIsUndoneWithItsTransaction) {
  journal->begin();
  DbfTable::create(*journal, path, kFields);
  EXPECT_TRUE(QFile::exists(path));
  journal->rollback();
  EXPECT_FALSE(QFile::exists(path));
  // Outside a transaction the table is simply created.
  DbfTable::create(*journal, path, kFields);
  EXPECT_EQ(DbfTable(path).image().fields.size(), kFields.size());
}

TEST_F(DbfTableTest, WritesReadsBackAndPacksEveryFieldType) {
  const auto table = createTable();
  // Romanian letters in Windows-1250: ă â î ş ţ, Ş Ă.
  const std::vector<Row> inserted = {
      {amount(10000), text("15.01.2024"), text("Lapte \xE3\xE2\xEE\xBA\xFE"), text("L"), amount(10050),
       Value::boolean(true), amount(5000)},
      {amount(20000), Value::null(), Value::null(), text(""), amount(-32500), Value::null(), Value::null()},
      {amount(30000), day(2024, 2, 29), text("Zah\xE3r"), text("KG"), amount(10150), Value::boolean(false),
       Value::real(-12.3456)},
      {amount(-10000), day(1999, 12, 31), text("\xAATIUC\xC3"), text("BUC"), amount(-9999999900), Value::boolean(true),
       amount(0)},
      {text("5"), day(2024, 3, 1), text("de sters"), text("BUC"), text(" 7.5"), text("T"), amount(1)},
  };
  inTransaction([&] { table->insertRows(*journal, inserted); });
  std::vector<Row> expected = {
      {amount(10000), day(2024, 1, 15), text("Lapte \xE3\xE2\xEE\xBA\xFE"), text("L"), amount(10000),
       Value::boolean(true), amount(5000)},
      {amount(20000), Value::null(), text(""), text(""), amount(-32500), Value::null(), Value::null()},
      {amount(30000), day(2024, 2, 29), text("Zah\xE3r"), text("KG"), amount(10200), Value::boolean(false),
       amount(-123456)},
      {amount(-10000), day(1999, 12, 31), text("\xAATIUC\xC3"), text("BUC"), amount(-9999999900),
       Value::boolean(true), amount(0)},
      {amount(50000), day(2024, 3, 1), text("de sters"), text("BUC"), amount(75000), Value::boolean(true), amount(1)},
  };
  std::vector<uint8_t> deleted(5, 0);
  EXPECT_EQ(rowsOf(table->image()), expected);
  EXPECT_FALSE(table->isStale());

  inTransaction([&] {
    table->updateRows(*journal, {{1, {{4, text("12.5")}, {2, text("nou")}}},
                                 {2, {{1, text("01.03.2024")}, {6, Value::null()}}},
                                 {0, {{4, amount(1)}, {4, amount(30000)}}}});  // the last value of a field wins
  });
  expected[1][4] = amount(125000);
  expected[1][2] = text("nou");
  expected[2][1] = day(2024, 3, 1);
  expected[2][6] = Value::null();
  expected[0][4] = amount(30000);
  inTransaction([&] { table->deleteRows(*journal, {4, 1}); });
  deleted[4] = deleted[1] = 1;

  EXPECT_EQ(rowsOf(table->image()), expected);
  EXPECT_EQ(table->image().deleted, deleted);
  EXPECT_FALSE(table->isStale());
  {
    DbfTable reread(path);
    EXPECT_EQ(rowsOf(reread.image()), expected);
    EXPECT_EQ(reread.image().deleted, deleted);
  }
  expectDbfreadReads(path, liveRows(expected, deleted), 0);
  expectOgrReads(path, kFields, liveRows(expected, deleted));

  table->pack();
  expected = liveRows(expected, deleted);
  EXPECT_EQ(rowsOf(table->image()), expected);
  EXPECT_EQ(table->image().deleted, std::vector<uint8_t>(3, 0));
  const std::string bytes = testing::readFile(path);
  EXPECT_EQ(bytes.size(), table->image().header.headerLength + 3u * table->image().header.recordLength + 1);
  EXPECT_EQ(bytes.substr(4, 4), std::string("\x03\x00\x00\x00", 4));
  EXPECT_EQ(static_cast<uint8_t>(bytes[29]), 0xC8);
  EXPECT_EQ(bytes.back(), '\x1A');
  EXPECT_EQ(rowsOf(DbfTable(path).image()), expected);
  expectDbfreadReads(path, expected, 0);
  expectOgrReads(path, kFields, expected);
}

TEST_F(DbfTableTest, PackWithoutDeletedRecordsLeavesTheFileAlone) {
  const auto table = createTable();
  inTransaction([&] { table->insertRows(*journal, {Row(kFields.size()), Row(kFields.size())}); });
  const std::string before = testing::readFile(path);
  const auto stampBefore = QFileInfo(path).lastModified();
  table->pack();
  EXPECT_EQ(testing::readFile(path), before);
  EXPECT_EQ(QFileInfo(path).lastModified(), stampBefore);
  EXPECT_FALSE(table->isStale());
}

TEST_F(DbfTableTest, AppendsOverTheEndByteOfAForeignFile) {
  // A file whose record length exceeds its fields and that has no end byte.
  testing::DbfBytes foreign;
  foreign.extraRecordBytes = 3;
  foreign.endByte = false;
  foreign.field("NUME", 'C', 4).field("SUMA", 'N', 6, 1);
  foreign.record({"ab", "1.5"});
  testing::writeFile(path, foreign.bytes());
  DbfTable table(path);
  inTransaction([&] { table.insertRows(*journal, {{text("cd"), amount(-25000)}}); });
  const std::string bytes = testing::readFile(path);
  const std::string expectedRecord = std::string(" cd    -2.5") + "   ";
  EXPECT_EQ(bytes.substr(bytes.size() - 15), expectedRecord + "\x1A");
  EXPECT_EQ(bytes[4], 2);
  EXPECT_EQ(rowsOf(DbfTable(path).image()), rowsOf(table.image()));
}

TEST_F(DbfTableTest, UpdatesAndDeletesRewriteOnlyTheirBytes) {
  // Another writer's spelling of numbers ("12.5" in an N(6,2)) stays as it
  // is in the fields a statement does not assign.
  testing::DbfBytes foreign;
  foreign.field("A", 'N', 6, 2).field("B", 'C', 3).field("C", 'N', 6, 2);
  foreign.record({"12.5", "x", "7"}).record({"1", "y", ".5"});
  testing::writeFile(path, foreign.bytes());
  DbfTable table(path);
  inTransaction([&] {
    table.updateRows(*journal, {{1, {{1, text("zz")}}}});
    table.deleteRows(*journal, {0});
  });
  std::string expected = foreign.bytes();
  expected.replace(1, 7, layout::dateAndCount(QDate::currentDate(), 2));
  expected[32 + 3 * 32 + 1] = '*';
  expected.replace(32 + 3 * 32 + 1 + 16 + 7, 3, "zz ");
  EXPECT_EQ(testing::readFile(path), expected);
}

TEST_F(DbfTableTest, ABatchWithOneMisfitWritesNothing) {
  const auto table = createTable();
  std::vector<Row> rows;
  for (int i = 0; i < 600; ++i)
    rows.push_back({amount(i * 10000), day(2024, 1, 1 + i % 28), text("produs"), text("BUC"), amount(i * 100),
                    Value::boolean(i % 2 == 0), amount(i)});
  inTransaction([&] { table->insertRows(*journal, rows); });
  const std::string before = testing::readFile(path);
  const std::vector<Row> imageBefore = rowsOf(table->image());

  std::vector<RowChange> changes;
  for (uint32_t row = 0; row < 600; ++row)
    changes.push_back({row, {{4, amount(row == 499 ? 100000000000 : 70000)}, {3, text("KG")}}});
  journal->begin();
  try {
    table->updateRows(*journal, changes);
    ADD_FAILURE() << "the 500th value was accepted";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find("Gestiuni.dbf: column CANTIN: 10000000"), std::string::npos)
        << error.what();
  }
  std::vector<Row> tooLong = rows;
  tooLong[300][2] = text("a text longer than twenty");
  EXPECT_THROW(table->insertRows(*journal, tooLong), StoreError);
  EXPECT_THROW(table->insertRows(*journal, {Row(3)}), StoreError);
  EXPECT_THROW(table->updateRows(*journal, {{600, {{0, amount(1)}}}}), StoreError);
  EXPECT_THROW(table->deleteRows(*journal, {0, 600}), StoreError);
  journal->commit();

  EXPECT_EQ(testing::readFile(path), before);
  EXPECT_EQ(rowsOf(table->image()), imageBefore);
  EXPECT_FALSE(table->isStale());
}

// A grouping hands its texts on as codes of a dictionary, which the table
// fits, encodes and looks up once per distinct text: the file and the image
// must be those the same texts give as values, and a misfit among the
// codes must still write nothing.
TEST_F(DbfTableTest, TextsGivenAsCodesAreWrittenAsTheSameTextsGivenAsValues) {
  const std::vector<const char*> names = {"creion", "", "caiet \xBA  ", "creion", "Zah\xE3r"};
  auto dictionary = std::make_shared<TextDictionary>();
  TextCodes codes{dictionary, {}};
  std::vector<Row> asValues;
  CellRows cells(kFields.size() - 1);  // all but PRODUS
  for (int i = 0; i < 600; ++i) {
    const char* name = names[size_t(i) % names.size()];
    codes.codes.push_back(dictionary->intern(name));
    Row row = {amount(i * 10000), day(2024, 1, 1 + i % 28), text(name), text("BUC"), amount(i * 125),
               Value::boolean(i % 2 == 0), amount(i)};
    asValues.push_back(row);
    row.erase(row.begin() + 2);
    std::move(row.begin(), row.end(), cells.appendRow());
  }
  const auto byValue = createTable();
  inTransaction([&] { byValue->insertRows(*journal, asValues); });

  const QString valuesPath = path;
  path = dir.filePath("Coded.dbf");
  const auto byCode = createTable();
  std::vector<std::optional<TextCodes>> coded(kFields.size());
  coded[2] = codes;
  inTransaction([&] { byCode->insertRows(*journal, CodedRows(coded, std::move(cells))); });
  EXPECT_EQ(testing::readFile(path), testing::readFile(valuesPath));
  EXPECT_EQ(rowsOf(byCode->image()), rowsOf(byValue->image()));

  const std::string before = testing::readFile(path);
  const auto refused = [&](size_t column, const char* name, const std::string& message) {
    std::vector<std::optional<TextCodes>> misfit(kFields.size());
    misfit[column] = TextCodes{dictionary, {dictionary->intern("creion"), dictionary->intern(name)}};
    CellRows blanks(kFields.size() - 1);
    blanks.appendRow();
    blanks.appendRow();
    journal->begin();
    try {
      byCode->insertRows(*journal, CodedRows(misfit, std::move(blanks)));
      ADD_FAILURE() << message << " was accepted";
    } catch (const StoreError& error) {
      EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
    }
    journal->commit();
  };
  refused(2, "a text longer than twenty", "Coded.dbf: column PRODUS: 'a text longer than twenty'");
  refused(1, "15.01.2024", "Coded.dbf: field DATA takes values, not codes of texts");
  EXPECT_EQ(testing::readFile(path), before);
}

TEST_F(DbfTableTest, TellsWhenTheFileChangedOnDisk) {
  const auto table = createTable();
  EXPECT_FALSE(table->isStale());
  inTransaction([&] { table->insertRows(*journal, {Row(kFields.size())}); });
  EXPECT_FALSE(table->isStale());

  // A rolled-back insert changes the file back behind the image's back.
  journal->begin();
  table->insertRows(*journal, {Row(kFields.size())});
  journal->rollback();
  EXPECT_TRUE(table->isStale());
  table->reload();
  EXPECT_FALSE(table->isStale());
  EXPECT_EQ(table->image().rowCount(), 1u);

  // Another file renamed over ours, even of the same size.
  const QString other = dir.filePath("copy.dbf");
  ASSERT_TRUE(QFile::copy(path, other));
  ASSERT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
  EXPECT_TRUE(table->isStale());
  table->reload();
  EXPECT_FALSE(table->isStale());

  ASSERT_TRUE(QFile::remove(path));
  EXPECT_TRUE(table->isStale());
}

TEST_F(DbfTableTest, WritesTextInTheTablesOwnCodePage) {
  testing::DbfBytes foreign;
  foreign.driver = 0x64;  // code page 852
  foreign.field("NUME", 'C', 4);
  testing::writeFile(path, foreign.bytes());
  DbfTable table(path);
  inTransaction([&] { table.insertRows(*journal, {{text("\xBA\xFE")}}); });
  const std::string bytes = testing::readFile(path);
  EXPECT_EQ(bytes.substr(bytes.size() - 6), " \xAD\xEE  \x1A");
  EXPECT_EQ(table.image().value(0, 0), text("\xBA\xFE"));
  // The euro sign has no byte in code page 852.
  journal->begin();
  EXPECT_THROW(table.insertRows(*journal, {{text("\x80")}}), StoreError);
  journal->commit();
  EXPECT_EQ(testing::readFile(path), bytes);
}

}  // namespace
}  // namespace store::dbase

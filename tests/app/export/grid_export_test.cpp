// The grid export read back by independent readers: the .xlsx by openpyxl,
// the .csv by Python's csv module, cell by cell against the grid.
#include <QApplication>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/export/table_export.h"
#include "app/windows/grid_export.h"
#include "app/windows/progress_counter.h"
#include "ui/data_grid.h"
#include "ui/scripted_interaction.h"

namespace {

constexpr auto kRight = Qt::AlignRight | Qt::AlignVCenter;

// Reads a file with /usr/bin/python3 and returns every row as a list of
// cells, each as [type, value]: numbers as numbers, dates as "dd.MM.yyyy".
QJsonArray readBack(const QString& path) {
  const char* script = R"(
import csv, json, sys, datetime
path = sys.argv[1]
rows = []
if path.lower().endswith(".csv"):
    with open(path, newline="", encoding="utf-8-sig") as f:
        raw = open(path, "rb").read()
        assert raw.startswith(b"\xef\xbb\xbf"), "no byte-order mark"
        for row in csv.reader(f, delimiter=";"):
            rows.append([["text", c] for c in row])
else:
    import openpyxl
    book = openpyxl.load_workbook(path)
    sheet = book.active
    rows.append([["frozen", sheet.freeze_panes or ""]])
    for row in sheet.iter_rows():
        cells = []
        for c in row:
            if c.value is None: cells.append(["empty", ""])
            elif isinstance(c.value, datetime.datetime):
                cells.append(["date", c.value.strftime("%d.%m.%Y") + " " + c.number_format])
            elif isinstance(c.value, (int, float)):
                cells.append(["number", c.value, c.number_format, c.font.b])
            else: cells.append(["text", c.value, bool(c.font.b)])
        rows.append(cells)
print(json.dumps(rows))
)";
  QProcess python;
  python.start("/usr/bin/python3", {"-c", script, path});
  EXPECT_TRUE(python.waitForFinished(30000));
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

class GridExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid_.setColumns({{"DATA", Qt::AlignCenter}, {"PRODUSUL"}, {"CANT.", kRight}, {"VAL.", kRight}});
    grid_.setBands({{2, 2, "INTRARI"}});
    grid_.setRows({{"05.03.2024", "CAIET \"A4\"; ŞCOALĂ", "2.50", "1,234.56"},
                   {"31.12.2024", "HÂRTIE", "-3.00", "0.00"}},
                  0);
  }
  QString path(const QString& name) const { return QDir(folder_.path()).filePath(name); }

  ui::DataGrid grid_;
  QTemporaryDir folder_;
};

TEST_F(GridExportTest, XlsxHoldsNumbersDatesAndTextsUnderBoldFrozenTitles) {
  app::exportTable(app::snapshotOf(grid_, {{"TOTAL", "", "", "1,234.56"}}), path("fisa.xlsx"));
  const QJsonArray rows = readBack(path("fisa.xlsx"));
  ASSERT_EQ(rows.size(), 1 + 2 + 2 + 1);  // the frozen pane, two header rows, two rows, the total
  EXPECT_EQ(rows[0][0][1].toString(), "A3");
  EXPECT_EQ(rows[1][2][1].toString(), "INTRARI");
  EXPECT_TRUE(rows[1][2][2].toBool());
  EXPECT_EQ(rows[1][3][0].toString(), "empty");  // the band's title only over its first column
  EXPECT_EQ(rows[2][3][1].toString(), "VAL.");
  const QJsonArray first = rows[3].toArray();
  EXPECT_EQ(first[0][1].toString(), "05.03.2024 dd.mm.yyyy");
  EXPECT_EQ(first[1][1].toString(), "CAIET \"A4\"; ŞCOALĂ");
  EXPECT_EQ(first[2][1].toDouble(), 2.5);
  EXPECT_EQ(first[3][1].toDouble(), 1234.56);
  EXPECT_EQ(first[3][2].toString(), "#,##0.00");
  EXPECT_EQ(rows[4][2][1].toDouble(), -3.0);
  EXPECT_EQ(rows[5][0][1].toString(), "TOTAL");
  EXPECT_EQ(rows[5][3][1].toDouble(), 1234.56);
  EXPECT_TRUE(rows[5][3][3].toBool());
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"fisa.xlsx"});
}

TEST_F(GridExportTest, CsvIsUtf8WithSemicolonsAndPointAmountsQuotedAsRfc4180) {
  app::exportTable(app::snapshotOf(grid_, {{"TOTAL", "", "", "1,234.56"}}), path("fisa.CSV"));
  const QJsonArray rows = readBack(path("fisa.CSV"));
  ASSERT_EQ(rows.size(), 5);
  const QStringList expected[] = {{"", "", "INTRARI", ""},
                                  {"DATA", "PRODUSUL", "CANT.", "VAL."},
                                  {"05.03.2024", "CAIET \"A4\"; ŞCOALĂ", "2.50", "1234.56"},
                                  {"31.12.2024", "HÂRTIE", "-3.00", "0.00"},
                                  {"TOTAL", "", "", "1234.56"}};
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 4; ++column)
      EXPECT_EQ(rows[row][column][1].toString(), expected[row][column]) << row << "," << column;
}

TEST_F(GridExportTest, ManyRowsGoOutUnderTheCounterAndReplaceAFileOnlyAfterDa) {
  QList<QStringList> rows;
  for (int i = 0; i < 5000; ++i) rows << QStringList{"01.01.2025", "P" + QString::number(i), "1.00", "2.00"};
  grid_.setRows(rows, 0);
  app::ProgressCounter counter;
  app::setExportCounter(&counter);
  QAction* exportAction = app::addGridExport(&grid_, {[] { return QString("Fisa"); }, {}});
  ui::ScriptedInteraction script;
  ui::setInteraction(&script);
  QFile old(path("fisa.csv"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  script.answerSaveFile(path("fisa.csv"));
  script.answerMessage("NU");  // keep the old file
  exportAction->trigger();
  EXPECT_EQ(QFileInfo(path("fisa.csv")).size(), 3);
  script.answerSaveFile(path("fisa.csv"));
  script.answerMessage("DA");
  exportAction->trigger();
  EXPECT_EQ(readBack(path("fisa.csv")).size(), 2 + 5000);
  EXPECT_EQ(counter.percentLabel()->text(), "100%");  // it followed the rows to the end
  EXPECT_FALSE(counter.isVisible());
  EXPECT_TRUE(grid_.window()->isEnabled());
  EXPECT_TRUE(script.pending().isEmpty());
  EXPECT_TRUE(script.failures().isEmpty()) << script.failures().join("; ").toStdString();
  ui::setInteraction(nullptr);
  app::setExportCounter(nullptr);
}

TEST(TableExport, CsvFieldsAndAmounts) {
  EXPECT_EQ(app::csvRecord({"a", "b;c", "say \"x\"", "two\nlines"}).toStdString(),
            "a;\"b;c\";\"say \"\"x\"\"\";\"two\nlines\"\r\n");
  struct Case {
    const char* shown;
    const char* csv;
  } cases[] = {{"1,234,567.89", "1234567.89"}, {"-0.50", "-0.50"}, {"12", "12"}, {"1,5", "1,5"}, {"N.I.R. 1", "N.I.R. 1"},
      {"123,456", "123456"}, {",123", ",123"}, {"1234,567", "1234,567"}, {"12.", "12."}, {"-", "-"}, {"1.2.3", "1.2.3"}};
  for (const Case& c : cases) EXPECT_EQ(app::csvAmount(c.shown), c.csv) << c.shown;
}

TEST(TableExport, AFailedExportLeavesNoFile) {
  QTemporaryDir folder;
  const QString missing = folder.path() + "/nu-exista/raport.xlsx";
  for (const QString& path : {missing, QString(missing).replace(".xlsx", ".csv")})
    EXPECT_THROW(app::exportTable({{{"A"}}, {{"1"}}, {}, {false}, {6}}, path), std::exception) << path.toStdString();
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{});
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The Database: permanent tables, transactions, recovery after a crash.
#include <QFileInfo>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "store/error.h"
#include "store/table_object.h"
#include "store_fixture.h"

namespace store::testing {
namespace {

struct ExpectedField {
  const char* table;
  const char* name;
  char type;
  int width;
  int decimals;
};

TEST_F(StoreFixture, CreazaBazeCreatesTheThreeTablesWithTheirLayouts) {
  createPermanentTables();
  const ExpectedField fields[] = {
      {"CapNote.dbf", "IDCAP", 'N', 13, 0},    {"CapNote.dbf", "DATANOTA", 'D', 8, 0},
      {"CapNote.dbf", "TVA", 'N', 6, 2},       {"CapNote.dbf", "V1", 'N', 10, 2},
      {"CapNote.dbf", "GESTIONAR", 'C', 24, 0}, {"Note.dbf", "OBS", 'C', 150, 0},
      {"Note.dbf", "NRNOTA", 'N', 9, 0},       {"Gestiuni.dbf", "EXPLIC", 'C', 100, 0},
      {"Gestiuni.dbf", "VALOUT", 'N', 10, 2},  {"Gestiuni.dbf", "GESTIUNE", 'C', 32, 0},
  };
  for (const auto& expected : fields) {
    const dbase::TableImage& image = db->image(table(expected.table));
    int index = image.fieldIndex(expected.name);
    ASSERT_GE(index, 0) << expected.table << " " << expected.name;
    const dbase::Field& field = image.fields[static_cast<size_t>(index)];
    EXPECT_EQ(field.type, expected.type) << expected.name;
    EXPECT_EQ(field.width, expected.width) << expected.name;
    EXPECT_EQ(field.decimals, expected.decimals) << expected.name;
    EXPECT_EQ(image.rowCount(), 0u);
  }
  EXPECT_EQ(db->image(table("CapNote.dbf")).fields.size(), 14u);
  EXPECT_EQ(db->image(table("Note.dbf")).fields.size(), 16u);
  EXPECT_EQ(db->image(table("Gestiuni.dbf")).fields.size(), 13u);
}

TEST_F(StoreFixture, CreazaBazeLeavesExistingTablesAlone) {
  createPermanentTables();
  run("INSERT INTO \"" + table("Gestiuni.dbf") + "\" (IDGEST, PRODUS) VALUES (1, \"PIX\")");
  QFile::remove(data + "/Note.dbf");
  QFile other(data + "/CapNote.dbf");
  run("DELETE FROM \"" + table("CapNote.dbf") + "\"");
  auto before = snapshot();
  createPermanentTables();
  auto after = snapshot();
  EXPECT_EQ(before["Gestiuni.dbf"], after["Gestiuni.dbf"]);
  EXPECT_EQ(before["CapNote.dbf"], after["CapNote.dbf"]);
  EXPECT_TRUE(after.count("Note.dbf"));
}

TEST_F(StoreFixture, CreazaBazeFindsATableWrittenInAnotherCase) {
  createPermanentTables();
  db.reset();
  ASSERT_TRUE(QFile::rename(data + "/CapNote.dbf", data + "/CAPNOTE.DBF"));
  db = std::make_unique<Database>(data);
  EXPECT_NO_THROW(createPermanentTables());
  EXPECT_FALSE(snapshot().count("CapNote.dbf"));
}

TEST_F(StoreFixture, TablesAreFoundWhateverTheCaseAndSeparator) {
  createPermanentTables();
  run("INSERT INTO \"" + data + "\\CAPNOTE.dbf\" (IDCAP, TVA) VALUES (7, 24)");
  auto rows = run("SELECT IDCAP, TVA FROM \"" + data + "/capnote.DBF\"");
  ASSERT_EQ(rows->recordCount(), 1);
  EXPECT_EQ(rows->asNumber("TVA"), 240000);
  try {
    run("SELECT * FROM \"" + data + "/Nope.dbf\"");
    FAIL();
  } catch (const StoreError& e) {
    EXPECT_NE(std::string(e.what()).find("Nope.dbf"), std::string::npos) << e.what();
  }
}

// The statements of adding one receipt line: the line, its ledger entry and
// the note's total, over three files with their indexes.
QStringList receiptLineStatements(const std::function<QString(const QString&)>& table) {
  return {
      "INSERT INTO \"" + table("Note.dbf") +
          "\" (IDNOTA, IDCAP, NRNOTA, DATANOTA, PRODUS, UM, C2, C3, C4, C5, C6, C7, TIP, GESTIUNE)\n"
          "VALUES (11, 5, 3, \"05.03.2006\", \"HARTIE A4\", \"TOP\", 10, 10, 12.5, 125, 23.75, 148.75, "
          "\"CONSUMABIL\", \"SECRETARIAT\")",
      "INSERT INTO \"" + table("Gestiuni.dbf") +
          "\" (IDGEST, IDCAP, IDNOTA, DATA, PRODUS, UM, DOCJUS, EXPLIC, CANTIN, VALIN, CANTOUT, VALOUT, GESTIUNE)\n"
          "VALUES (21, 5, 11, \"05.03.2006\", \"HARTIE A4\", \"TOP\", \"N.I.R. nr.3\", \"FURNIZOR\", 10, 148.75, 0, 0, "
          "\"SECRETARIAT\")",
      "UPDATE \"" + table("CapNote.dbf") + "\"\nSET V1=\n(SELECT SUM(C7)\nFROM \"" + table("Note.dbf") +
          "\"\nWHERE IDCAP=5\n)\nWHERE IDCAP=5",
      "UPDATE \"" + table("Gestiuni.dbf") + "\"\nSET VALIN=150\nWHERE IDNOTA=11",
      "DELETE FROM \"" + table("Note.dbf") + "\"\nWHERE IDNOTA=10",
  };
}

class TransactionTest : public StoreFixture {
 protected:
  void SetUp() override {
    StoreFixture::SetUp();
    createPermanentTables();
    auto t = [this](const QString& name) { return table(name); };
    run("INSERT INTO \"" + t("CapNote.dbf") + "\" (IDCAP, NRNOTA, V1) VALUES (5, 3, 0)");
    run("INSERT INTO \"" + t("Note.dbf") + "\" (IDNOTA, IDCAP, C7) VALUES (10, 5, 1)");
    for (const char* column : {"IDNOTA", "IDCAP"})
      run(QString("CREATE INDEX %1 ON \"%2\" (%1)").arg(column, t("Note.dbf")));
    for (const char* column : {"IDNOTA", "IDCAP", "IDGEST"})
      run(QString("CREATE INDEX %1 ON \"%2\" (%1)").arg(column, t("Gestiuni.dbf")));
    statements = receiptLineStatements(t);
  }
  QStringList statements;
};

TEST_F(TransactionTest, RollbackRestoresEveryFile) {
  auto before = snapshot();
  db->begin();
  for (const QString& statement : statements) run(statement);
  EXPECT_EQ(db->image(table("Note.dbf")).rowCount(), 2u);
  db->rollback();
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(run("SELECT COUNT(*) AS N FROM \"" + table("Gestiuni.dbf") + "\"")->asNumber("N"), 0);
}

TEST_F(TransactionTest, CommitKeepsEveryStatement) {
  db->begin();
  for (const QString& statement : statements) run(statement);
  db->commit();
  auto header = run("SELECT V1 FROM \"" + table("CapNote.dbf") + "\" WHERE IDCAP=5");
  EXPECT_EQ(header->asNumber("V1"), 1497500);  // 1 + 148.75: line 10 is deleted only afterwards
  auto ledger = run("SELECT VALIN FROM \"" + table("Gestiuni.dbf") + "\" WHERE IDNOTA=11");
  EXPECT_EQ(ledger->asNumber("VALIN"), 1500000);
  EXPECT_FALSE(QFileInfo::exists(data + "/varnela.jnl"));
}

// A statement that fails inside a transaction undoes only itself; the
// transaction can still be committed or rolled back as a whole.
TEST_F(TransactionTest, AFailedStatementUndoesOnlyItself) {
  db->begin();
  run(statements[0]);
  auto afterFirst = snapshot();
  const dbase::DbfTable* ledger = db->cachedTable(table("Gestiuni.dbf"));
  ASSERT_NE(ledger, nullptr);
  EXPECT_THROW(run("UPDATE \"" + table("Note.dbf") + "\" SET C7=12345678901 WHERE IDCAP=5"), StoreError);
  EXPECT_EQ(snapshot(), afterFirst);
  // Only the failed statement's table is read again; the ledger's image stays.
  EXPECT_EQ(db->cachedTable(table("Gestiuni.dbf")), ledger);
  db->commit();
  EXPECT_EQ(db->image(table("Note.dbf")).rowCount(), 2u);
}

// A value that does not fit fails the whole statement: rows before it stay
// unchanged on disk.
TEST_F(StoreFixture, AStatementIsAllOrNothing) {
  createPermanentTables();
  const QString ledger = table("Gestiuni.dbf");
  db->begin();
  for (int i = 1; i <= 600; ++i)
    run(QString("INSERT INTO \"%1\" (IDGEST, VALIN) VALUES (%2, %3)").arg(ledger).arg(i).arg(i == 500 ? 9000000 : 1));
  db->commit();
  auto before = snapshot();
  try {
    run("UPDATE \"" + ledger + "\" SET VALIN=VALIN+2000000");
    FAIL() << "the 500th row overflows DECIMAL(8,2)";
  } catch (const StoreError& e) {
    std::string message = e.what();
    EXPECT_NE(message.find("VALIN"), std::string::npos) << message;
    EXPECT_NE(message.find("Gestiuni"), std::string::npos) << message;
  }
  EXPECT_EQ(snapshot(), before);
}

// The process dies after each statement boundary of the transaction (and in
// the middle of statements); reopening the folder rolls the journal back and
// every table and index file is as before the transaction.
TEST_F(TransactionTest, AKilledTransactionIsRolledBackOnNextOpen) {
  const auto before = snapshot();
  db.reset();
  auto runChild = [&](int statementsToRun, bool killMidway) {
    pid_t child = fork();
    if (child == 0) {
      try {
        Database childDb(data);
        childDb.begin();
        for (int i = 0; i < statementsToRun; ++i) childDb.execute(statements[i]);
        if (!killMidway) _exit(0);
        for (int round = 0;; ++round)  // until the parent's signal lands
          childDb.execute("UPDATE \"" + table("Gestiuni.dbf") + "\" SET VALIN=" + QString::number(round % 900));
      } catch (...) {
        _exit(3);
      }
    }
    if (killMidway) {
      usleep(static_cast<useconds_t>(3000 + 1700 * statementsToRun));
      kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
  };
  for (int boundary = 0; boundary <= statements.size(); ++boundary) {
    for (bool midway : {false, true}) {
      runChild(boundary, midway);
      Database reopened(data);
      EXPECT_EQ(snapshot(), before) << "after " << boundary << " statements" << (midway ? ", killed midway" : "");
      EXPECT_EQ(reopened.image(table("Note.dbf")).rowCount(), 1u);
    }
  }
}

TEST_F(StoreFixture, ExclusiveOpenFailsWhileTheTableIsInUse) {
  createPermanentTables();
  TableObject appender(*db), packer(*db);
  appender.open(table("Note.dbf"));
  EXPECT_THROW(packer.open(table("NOTE.dbf"), true), StoreError);
  appender.close();
  packer.open(table("Note.dbf"), true);
  EXPECT_THROW(appender.open(table("Note.dbf")), StoreError);
}

TEST_F(StoreFixture, TableObjectAppendsRowsByColumnName) {
  createPermanentTables();
  TableObject r1(*db);
  r1.open(table("Gestiuni.dbf"));
  r1.append();
  r1.setText("gestiune", QString::fromUtf8("MAGAZIE ŞCOALĂ"));
  r1.setNumber("CANTIN", 25000);
  r1.post();
  r1.append();
  r1.setNumber("CANTIN", 1'000'000'000'000);  // does not fit DECIMAL(8,2)
  EXPECT_THROW(r1.post(), StoreError);
  EXPECT_THROW(r1.setText("NOPE", "x"), StoreError);
  auto rows = run("SELECT GESTIUNE, CANTIN FROM \"" + table("Gestiuni.dbf") + "\"");
  ASSERT_EQ(rows->recordCount(), 1);
  EXPECT_EQ(rows->asText("GESTIUNE"), QString::fromUtf8("MAGAZIE ŞCOALĂ"));
  EXPECT_EQ(rows->asNumber("CANTIN"), 25000);
}

TEST_F(StoreFixture, QueryKeepsItsFilterAcrossOpenings) {
  createPermanentTables();
  for (int id : {-1, 4, -1})
    run(QString("INSERT INTO \"%1\" (IDGEST, IDCAP) VALUES (1, %2)").arg(table("Gestiuni.dbf")).arg(id));
  Query q(*db);
  q.add("SELECT * FROM \"" + table("Gestiuni.dbf") + "\"");
  q.setFilter("IDCAP=-1");
  q.setFiltered(true);
  q.open();
  EXPECT_EQ(q.rows().recordCount(), 2);
  q.close();
  q.open();
  EXPECT_EQ(q.rows().recordCount(), 2);
  q.setFiltered(false);
  EXPECT_EQ(q.rows().recordCount(), 3);
  Query insert(*db);
  insert.add("DELETE FROM \"" + table("Gestiuni.dbf") + "\" WHERE IDCAP=4");
  EXPECT_THROW(insert.open(), StoreError);
}

}  // namespace
}  // namespace store::testing

// The data check: each finding on a small Data folder that has exactly that
// fault, and the repair of the counters.
#include <QDir>
#include <gtest/gtest.h>

#include "admin/data_check.h"
#include "app/counters.h"
#include "app/statement_text.h"
#include "support/data_folder_fixture.h"

namespace admin {
namespace {

class DataCheckTest : public test_support::DataFolderFixture {
 public:  // the cases' lambdas add their faults through these
  // A consistent Data folder: one receipt note with one line and its entry,
  // a voucher and a transfer of part of it, every counter above its numbers.
  void SetUp() override {
    DataFolderFixture::SetUp();
    header(1, 1);
    line(1, 1, "10", "25");
    ledger(1, 1, 1, "01.03.2006", "A", "CAIET", "10", "25", "0", "0", "N.I.R. nr.1");
    ledger(2, -1, -1, "02.03.2006", "A", "CAIET", "0", "0", "4", "10", "Bon Consum nr.4");
    ledger(3, -1, -1, "03.03.2006", "A", "CAIET", "0", "0", "1", "2.5", "Nota de Transfer nr.2", "Transfer catre B.");
    ledger(4, -1, -1, "03.03.2006", "B", "CAIET", "1", "2.5", "0", "0", "Nota de Transfer nr.2", "Transfer de la A.");
    for (const char* key : {"IDCAP", "IDNOTA", "IDGEST", "NRNOTA", "BonConsum", "TRANSFER"}) app::SetCod(key, "100");
  }

  void run(const QStringList& statement) {
    store::Query q(*database);
    q.sql() = statement;
    q.execSQL();
  }
  void header(int idcap, int number) {
    run({"INSERT INTO \"" + data() + "/CapNote.dbf\" (IDCAP,NRNOTA,DATANOTA)",
         QString("VALUES (%1,%2,\"01.03.2006\")").arg(idcap).arg(number)});
  }
  void line(int idnota, int idcap, const QString& received, const QString& value) {
    run({"INSERT INTO \"" + data() + "/Note.dbf\" (IDNOTA,IDCAP,NRNOTA,PRODUS,C3,C7,GESTIUNE)",
         QString("VALUES (%1,%2,1,\"CAIET\",%3,%4,\"A\")").arg(idnota).arg(idcap).arg(received, value)});
  }
  void ledger(int idgest, int idcap, int idnota, const QString& date, const QString& unit, const QString& product,
              const QString& in, const QString& valueIn, const QString& out, const QString& valueOut,
              const QString& document, const QString& explanation = QString()) {
    run({"INSERT INTO \"" + data() + "/Gestiuni.dbf\"",
         "(IDGEST,IDCAP,IDNOTA,DATA,PRODUS,UM,DOCJUS,EXPLIC,CANTIN,VALIN,CANTOUT,VALOUT,GESTIUNE)",
         QString("VALUES (%1,%2,%3,\"%4\",%5,\"BUC\",%6,%7,%8,%9,")
                 .arg(idgest)
                 .arg(idcap)
                 .arg(idnota)
                 .arg(date, app::quoted(product), app::quoted(document), app::quoted(explanation), in, valueIn) +
             QString("%1,%2,%3)").arg(out, valueOut, app::quoted(unit))});
  }
  QStringList findings() { return checkData(*database).findings; }
};

TEST_F(DataCheckTest, ConsistentDataHasNoFinding) {
  std::vector<int> heard;
  const DataCheckResult result = checkData(*database, [&](int percent) { heard.push_back(percent); });
  EXPECT_TRUE(result.findings.isEmpty()) << result.findings.join("\n").toStdString();
  EXPECT_TRUE(result.counters.empty());
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.front(), 0);
  EXPECT_EQ(heard.back(), 100);
  EXPECT_TRUE(std::is_sorted(heard.begin(), heard.end()));
}

TEST_F(DataCheckTest, EachFaultGivesItsOneFinding) {
  const struct {
    const char* fault;
    std::function<void(DataCheckTest&)> make;
    QString finding;
  } cases[] = {
      {"a line without its entry", [](DataCheckTest& t) { t.line(2, 1, "3", "6"); },
       "Linia IDNOTA 2 (nota nr. 1, CAIET) nu are intrare in Gestiuni.dbf."},
      {"a line with two entries",
       [](DataCheckTest& t) {
         t.line(2, 1, "3", "6");
         t.ledger(5, 1, 2, "01.03.2006", "A", "CAIET", "3", "6", "0", "0", "N.I.R. nr.1");
         t.ledger(6, 1, 2, "01.03.2006", "A", "CAIET", "3", "6", "0", "0", "N.I.R. nr.1");
       },
       "Linia IDNOTA 2 (nota nr. 1, CAIET) are 2 intrari in Gestiuni.dbf."},
      {"an entry that differs from its line",
       [](DataCheckTest& t) {
         t.line(2, 1, "3", "6");
         t.ledger(5, 1, 2, "01.03.2006", "A", "CAIET", "2", "6", "0", "0", "N.I.R. nr.1");
       },
       "Linia IDNOTA 2 (nota nr. 1, CAIET): intrarea IDGEST 5 are intrat 2.00 cu valoarea 6.00, iesit 0.00 cu "
       "valoarea 0.00 si IDCAP 1; linia are cantitatea 3.00, valoarea 6.00 si IDCAP 1."},
      {"an entry without its line",
       [](DataCheckTest& t) { t.ledger(5, 1, 9, "01.03.2006", "A", "CAIET", "1", "1", "0", "0", "N.I.R. nr.1"); },
       "Intrarea IDGEST 5 (CAIET, gestiunea A) este de pe o nota de receptie, dar linia IDNOTA 9 nu exista in "
       "Note.dbf."},
      {"a stock below zero",
       [](DataCheckTest& t) {
         t.ledger(5, -1, -1, "04.03.2006", "A", "CAIET", "0", "0", "6", "15", "Bon Consum nr.5");
         t.ledger(6, -1, -1, "05.03.2006", "A", "CAIET", "0", "0", "1", "1", "Bon Consum nr.6");
       },
       "Stocul produsului CAIET in gestiunea A scade sub zero la data 04.03.2006, documentul Bon Consum nr.5 "
       "(stoc -1.00)."},
      {"a ledger identifier used twice",
       [](DataCheckTest& t) { t.ledger(2, -1, -1, "04.03.2006", "B", "CAIET", "0", "0", "1", "2.5", "Bon Consum nr.7"); },
       "Identificatorul IDGEST 2 este folosit de 2 ori in Gestiuni.dbf."},
      {"a header identifier used twice", [](DataCheckTest& t) { t.header(1, 2); },
       "Identificatorul IDCAP 1 este folosit de 2 ori in CapNote.dbf."},
      {"a counter not above the identifiers", [](DataCheckTest&) { app::SetCod("IDGEST", "4"); },
       "Contorul INDEX/IDGEST este \"4\", dar cel mai mare IDGEST folosit este 4."},
      {"a voucher counter below the numbers", [](DataCheckTest&) { app::SetCod("BonConsum", "3"); },
       "Contorul INDEX/BonConsum este \"3\", dar cel mai mare numar de bon de consum folosit este 4."},
      {"a transfer counter that is not a number", [](DataCheckTest&) { app::SetCod("TRANSFER", "x"); },
       "Contorul INDEX/TRANSFER este \"x\", dar cel mai mare numar de nota de transfer folosit este 2."},
  };
  for (const auto& c : cases) {
    database.reset();
    QDir(data()).removeRecursively();
    SetUp();
    c.make(*this);
    EXPECT_EQ(findings().join("\n").toStdString(), c.finding.toStdString()) << c.fault;
  }
}

// An exit posted before a receipt of the same day is covered by the end of
// that day: no finding.
TEST_F(DataCheckTest, StockCountsAtTheEndOfEachDay) {
  ledger(5, -1, -1, "04.03.2006", "A", "CAIET", "0", "0", "8", "20", "Bon Consum nr.5");
  ledger(6, -1, -1, "04.03.2006", "A", "CAIET", "3", "3", "0", "0", "DOC");
  EXPECT_TRUE(findings().isEmpty()) << findings().join("\n").toStdString();
}

TEST_F(DataCheckTest, ManyFindingsOfOneKindAreCut) {
  for (int id = 2; id < kFindingsListed + 12; ++id) line(id, 1, "1", "1");
  app::SetCod("IDNOTA", "1000");
  const QStringList found = findings();
  ASSERT_EQ(found.size(), kFindingsListed + 1) << found.last().toStdString();
  EXPECT_EQ(found.back(), "Inca 10 probleme de acest fel nu sunt listate.");
}

TEST_F(DataCheckTest, RaisingTheCountersChangesOnlyThoseBehind) {
  app::SetCod("IDGEST", "2");
  app::SetCod("NRNOTA", "");
  const DataCheckResult result = checkData(*database);
  ASSERT_EQ(result.counters.size(), 2u);
  raiseCounters(result.counters);
  EXPECT_EQ(app::CodExistent("IDGEST"), "5");
  EXPECT_EQ(app::CodExistent("NRNOTA"), "2");
  for (const char* key : {"IDCAP", "IDNOTA", "BonConsum", "TRANSFER"}) EXPECT_EQ(app::CodExistent(key), "100") << key;
  EXPECT_TRUE(findings().isEmpty());
  EXPECT_EQ(rows("Gestiuni.dbf", {"IDGEST"}, "IDGEST").size(), 4);
}

// A long finding goes on over the next rows, broken between words, its
// number on its first row only.
TEST_F(DataCheckTest, FindingsBecomeTheListingsRows) {
  const QString word = QString(40, 'x');
  const auto fitsNinetyFive = [](const QString& line) { return line.size() <= 95; };
  store::sql::ResultSet rows = findingRows({"Prima.", word + " " + word + " " + word + " sfarsit."}, fitsNinetyFive);
  QStringList texts;
  for (rows.first(); !rows.eof(); rows.next()) texts << rows.asText("NR") + "|" + rows.asText("PROBLEMA");
  EXPECT_EQ(texts, (QStringList{"1|Prima.", "2|" + word + " " + word, "|" + word + " sfarsit."}));
}

}  // namespace
}  // namespace admin

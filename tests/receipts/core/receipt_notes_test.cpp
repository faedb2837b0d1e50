// The receipt notes actions against real tables: the statements each sends,
// in order, what the tables hold afterwards, and that a failing action
// leaves nothing behind.
#include <QDate>

#include "ui/error_text.h"
#include "app/counters.h"
#include "receipts_fixture.h"
#include "store/error.h"

namespace receipts::testing {
namespace {

NoteHeader header(const QString& number, const QDate& date, const QString& supplier = "ABC SRL") {
  NoteHeader h;
  h.number = number;
  h.noteDate = date;
  h.supplier = supplier;
  h.invoiceNumber = "F1";
  h.invoiceDate = QDate(2006, 3, 4);
  h.delegate = "ION";
  h.idSeries = "AB";
  h.idNumber = "123456";
  h.policeOffice = "SECTIA 1";
  h.receptioner = "POPA";
  h.vatRate = "24";
  h.custodian = "ENE";
  return h;
}

LineEntry line(const QString& product, const QString& quantity, const QString& price,
               const QString& stockUnit = "MAGAZIE") {
  return LineEntry{product, "BUC", quantity, quantity, price, "CONSUMABIL", "0", stockUnit, "fara"};
}

class ReceiptNotesTest : public ReceiptNotesFixture {
 protected:
  // "{Data}\<file>" between double quotes.
  QString table(const QString& file) { return "\"" + data() + "\\" + file + "\""; }
  QString vx(const QString& idcap) {
    return "UPDATE " + table("CAPNOTE.dbf") + "\nSET V1=\n(SELECT SUM(C7)\nFROM " + table("NOTE.dbf") +
           "\nWHERE IDCAP=" + idcap + "\n)\nWHERE IDCAP=" + idcap;
  }
};

TEST_F(ReceiptNotesTest, NewInstallationShowsNoLines) {
  EXPECT_TRUE(notes->notesEmpty());
  EXPECT_TRUE(notes->linesEmpty());
  EXPECT_EQ(notes->linesFilter(), "IDCAP=-1");
}

TEST_F(ReceiptNotesTest, OpeningReadsTheLinesThenTheNotes) {
  notes->open();
  EXPECT_EQ(takeSent(), (QStringList{"SELECT * FROM " + table("NOTE.dbf") + "\nORDER BY PRODUS",
                                     "SELECT * FROM " + table("CAPNOTE.dbf") + "\nORDER BY DATANOTA,NRNOTA"}));
}

TEST_F(ReceiptNotesTest, AddNoteSendsItsInsertAndBecomesCurrent) {
  notes->addNote(header("12", QDate(2006, 3, 5)));
  EXPECT_EQ(takeSent(), QStringList{"INSERT INTO " + table("CAPNOTE.dbf") +
                                    "\n(NRNOTA,DATANOTA,IDCAP,FURNIZOR,NRFACT,DATAFACT,DELEGAT,BISERIA,BINR,BIPOL,"
                                    "RECEPTIO,V1,TVA,\n GESTIONAR )\n"
                                    "VALUES (12,\"05.03.2006\",1,\"ABC SRL\",\"F1\",\n"
                                    "\"04.03.2006\",\"ION\",\"AB\",\"123456\",\"SECTIA 1\",\"POPA\",0,24,\n"
                                    "\"ENE\" )"});
  EXPECT_EQ(notes->C1().asText("V1"), "0");
  EXPECT_EQ(notes->C1().asText("NRNOTA"), "12");
  EXPECT_EQ(notes->linesFilter(), "IDCAP=1");
  EXPECT_TRUE(notes->linesEmpty());
  // An older note goes first; adding it makes it current all the same.
  notes->addNote(header("3", QDate(2005, 1, 1)));
  EXPECT_EQ(notes->C1().recordNumber(), 1);
  EXPECT_EQ(notes->C1().asText("IDCAP"), "2");
}

TEST_F(ReceiptNotesTest, AddLineWritesTheLineItsEntryAndTheTotal) {
  notes->addNote(header("12", QDate(2006, 3, 5)));
  takeSent();
  notes->addLine(line("HARTIE A4", "3", "1.3333"));
  EXPECT_EQ(takeSent(), (QStringList{
                            "INSERT INTO " + table("NOTE.dbf") +
                                "\n(IDCAP,NRNOTA,DATANOTA,IDNOTA,PRODUS,UM,C2,C3,C4,C5,C6,C7,TIP,NRINV,GESTIUNE,OBS)\n"
                                "VALUES (\n1,\n12,\n\"05.03.2006\",\n1,\n\"HARTIE A4\",\n\"BUC\",\n3,3,\n1.3333,\n"
                                "3.99,\n0.96,\n4.9599,\n\"CONSUMABIL\",\n0,\n\"MAGAZIE\",\n\"fara\")",
                            "INSERT INTO " + table("Gestiuni.dbf") +
                                "\n(IDGEST, IDNOTA, IDCAP, DATA, PRODUS, DOCJUS,\nCANTIN, VALIN, CANTOUT, VALOUT, "
                                "GESTIUNE,UM )\nVALUES (\n1,\n1,\n1,\n\"05.03.2006\",\n\"HARTIE A4\",\n"
                                "\"N.I.R. nr.12\",\n3,\n4.9599,\n0,0,\n\"MAGAZIE\",\n\"BUC\" )",
                            vx("1")}));
  EXPECT_EQ(rows("Note.dbf", {"IDNOTA", "C2", "C3", "C4", "C5", "C6", "C7", "GESTIUNE"}, "IDNOTA"),
            QStringList{"IDNOTA=1 C2=3 C3=3 C4=1.33 C5=3.99 C6=0.96 C7=4.96 GESTIUNE=MAGAZIE"});
  EXPECT_EQ(rows("Gestiuni.dbf", {"IDGEST", "IDNOTA", "IDCAP", "DATA", "DOCJUS", "CANTIN", "VALIN", "CANTOUT", "VALOUT"},
                 "IDGEST"),
            QStringList{"IDGEST=1 IDNOTA=1 IDCAP=1 DATA=05.03.2006 DOCJUS=N.I.R. nr.12 CANTIN=3 VALIN=4.96 "
                        "CANTOUT=0 VALOUT=0"});
  EXPECT_EQ(notes->C1().asText("V1"), "4.96");
  EXPECT_EQ(notes->R1().asText("IDNOTA"), "1");
}

TEST_F(ReceiptNotesTest, NewLineBecomesCurrentAmongTheNotesLines) {
  notes->addNote(header("12", QDate(2006, 3, 5)));
  notes->addLine(line("ZAHAR", "1", "2"));
  notes->addLine(line("CAFEA", "1", "3"));
  EXPECT_EQ(notes->R1().recordCount(), 2);
  EXPECT_EQ(notes->R1().asText("PRODUS"), "CAFEA");
  notes->addLine(line("MIERE", "1", "4"));
  EXPECT_EQ(notes->R1().recordNumber(), 2);  // ordered by product: CAFEA, MIERE, ZAHAR
  EXPECT_EQ(notes->C1().asText("V1"), "11.16");
}

TEST_F(ReceiptNotesTest, DiscountLineIsNegativeWithoutStockUnit) {
  notes->addNote(header("12", QDate(2006, 3, 5)));
  notes->addLine(line("REDUCERE", "1", "-5", ""));
  EXPECT_EQ(rows("Note.dbf", {"C4", "C5", "C6", "C7", "GESTIUNE"}, "IDNOTA"),
            QStringList{"C4=-5 C5=-5 C6=-1.2 C7=-6.2 GESTIUNE="});
  EXPECT_EQ(rows("Gestiuni.dbf", {"VALIN", "GESTIUNE"}, "IDGEST"), QStringList{"VALIN=-6.2 GESTIUNE="});
  EXPECT_EQ(notes->C1().asText("V1"), "-6.2");
}

TEST_F(ReceiptNotesTest, DeletingTheOnlyLineEmptiesTheTotalAndAddingRestoresIt) {
  notes->addNote(header("12", QDate(2006, 3, 5)));
  notes->addLine(line("HARTIE A4", "3", "1.3333"));
  takeSent();
  notes->deleteLine();
  EXPECT_EQ(takeSent(), (QStringList{"DELETE FROM " + table("Note.dbf") + "\nWHERE IDNOTA=1",
                                     "DELETE FROM " + table("Gestiuni.dbf") + "\nWHERE IDNOTA=1", vx("1")}));
  EXPECT_EQ(notes->C1().asText("V1"), "");
  EXPECT_TRUE(notes->linesEmpty());
  EXPECT_TRUE(rows("Gestiuni.dbf", {"IDGEST"}, "IDGEST").isEmpty());
  notes->addLine(line("HARTIE A4", "1", "10"));
  EXPECT_EQ(notes->C1().asText("V1"), "12.4");
}

TEST_F(ReceiptNotesTest, ChangingANoteRewritesItsLinesAndEntries) {
  notes->addNote(header("12", QDate(2006, 3, 5)));
  notes->addLine(line("HARTIE A4", "3", "1.3333"));
  notes->addLine(line("TONER", "1", "100"));
  abbreviation = "NIR";
  takeSent();
  NoteHeader changed = header("13", QDate(2006, 3, 6), "XYZ SA");
  notes->changeNote(changed);
  EXPECT_EQ(takeSent(),
            (QStringList{"UPDATE " + table("CAPNOTE.dbf") +
                             "\nSET NRNOTA=13,\nDATANOTA=\"06.03.2006\",\nFURNIZOR=\"XYZ SA\",\nNRFACT=\"F1\",\n"
                             "DATAFACT=\"04.03.2006\",\nDELEGAT=\"ION\",\nBISERIA=\"AB\",\nBINR=\"123456\",\n"
                             "BIPOL=\"SECTIA 1\",\nRECEPTIO=\"POPA\",\nTVA=24,\nGESTIONAR=\"ENE\"\nWHERE IDCAP=1",
                         "UPDATE " + table("Note.dbf") + "\nSET NRNOTA=13,\nDATANOTA=\"06.03.2006\"\nWHERE IDCAP=1",
                         "UPDATE " + table("Gestiuni.dbf") +
                             "\nSET DOCJUS=\"NIR Nr.13\",\nDATA=\"06.03.2006\"\nWHERE IDCAP=1"}));
  EXPECT_EQ(rows("Note.dbf", {"NRNOTA", "DATANOTA"}, "IDNOTA"),
            (QStringList{"NRNOTA=13 DATANOTA=06.03.2006", "NRNOTA=13 DATANOTA=06.03.2006"}));
  EXPECT_EQ(rows("Gestiuni.dbf", {"DOCJUS", "DATA"}, "IDGEST"),
            (QStringList{"DOCJUS=NIR Nr.13 DATA=06.03.2006", "DOCJUS=NIR Nr.13 DATA=06.03.2006"}));
  EXPECT_EQ(notes->C1().asText("FURNIZOR"), "XYZ SA");
  EXPECT_EQ(notes->R1().recordCount(), 2);
}

TEST_F(ReceiptNotesTest, RenamingAProductRenamesItAcrossTheLedgerOnly) {
  notes->addNote(header("1", QDate(2006, 1, 10)));
  notes->addLine(line("MERE", "10", "2"));
  notes->addNote(header("2", QDate(2006, 2, 10)));
  notes->addLine(line("MERE", "5", "2"));
  // An exit of the product, as the movements window writes it.
  database->execute("INSERT INTO \"" + data() + "/Gestiuni.dbf\" (IDGEST,IDCAP,IDNOTA,DATA,PRODUS,UM,CANTOUT,VALOUT) "
                    "VALUES (99,-1,-1,\"11.02.2006\",\"MERE\",\"BUC\",1,2)");
  takeSent();
  LineEntry renamed = line("PERE", "5", "2");
  renamed.unit = "KG";
  notes->changeLine(renamed);
  EXPECT_EQ(takeSent(),
            (QStringList{"UPDATE " + table("NOTE.dbf") +
                             "\nSET PRODUS =\"PERE\",\nUM=\"KG\",\nC2=5,C3=5,\nC4=2,\nC5=10,\nC6=2.4,\nC7=12.4,\n"
                             "TIP=\"CONSUMABIL\",\nNRINV=\"0\",\nOBS=\"fara\",\nGESTIUNE=\"MAGAZIE\"\nWHERE IDNOTA=2",
                         "UPDATE " + table("GESTIUNI.dbf") +
                             "\nSET PRODUS=\"PERE\",\nCANTIN=5,\nVALIN =12.4,\nGESTIUNE=\"MAGAZIE\",\nUM=\"KG\"\n"
                             "WHERE IDNOTA=2",
                         "UPDATE " + table("GESTIUNI.dbf") + "\nSET PRODUS=\"PERE\",\nUM=\"KG\"\nWHERE PRODUS=\"MERE\"",
                         vx("2")}));
  EXPECT_EQ(rows("Note.dbf", {"IDNOTA", "PRODUS", "UM"}, "IDNOTA"),
            (QStringList{"IDNOTA=1 PRODUS=MERE UM=BUC", "IDNOTA=2 PRODUS=PERE UM=KG"}));
  EXPECT_EQ(rows("Gestiuni.dbf", {"IDGEST", "PRODUS", "UM"}, "IDGEST"),
            (QStringList{"IDGEST=1 PRODUS=PERE UM=KG", "IDGEST=2 PRODUS=PERE UM=KG", "IDGEST=99 PRODUS=PERE UM=KG"}));
  EXPECT_EQ(notes->R1().asText("PRODUS"), "PERE");
}

TEST_F(ReceiptNotesTest, DeletingANoteRemovesItsLinesAndEntriesAndLeavesExits) {
  notes->addNote(header("1", QDate(2006, 1, 10)));
  notes->addLine(line("MERE", "10", "2"));
  notes->addNote(header("2", QDate(2006, 2, 10)));
  notes->addLine(line("PERE", "5", "2"));
  database->execute("INSERT INTO \"" + data() + "/Gestiuni.dbf\" (IDGEST,IDCAP,IDNOTA,DATA,PRODUS,CANTOUT,VALOUT) "
                    "VALUES (99,-1,-1,\"11.02.2006\",\"MERE\",4,8)");
  notes->selectNote(1);
  takeSent();
  notes->deleteNote();
  EXPECT_EQ(takeSent(), (QStringList{"DELETE FROM " + table("NOTE.dbf") + "\nWHERE IDCAP=1",
                                     "DELETE FROM " + table("CAPNOTE.dbf") + "\nWHERE IDCAP=1",
                                     "DELETE FROM " + table("Gestiuni.dbf") + "\nWHERE IDCAP=1"}));
  EXPECT_EQ(rows("Gestiuni.dbf", {"IDGEST"}, "IDGEST"), (QStringList{"IDGEST=2", "IDGEST=99"}));
  EXPECT_EQ(notes->C1().asText("IDCAP"), "2");  // the last note is current
  EXPECT_EQ(notes->R1().asText("PRODUS"), "PERE");
  notes->deleteNote();
  EXPECT_TRUE(notes->notesEmpty());
  EXPECT_EQ(notes->linesFilter(), "IDCAP=-1");
}

TEST_F(ReceiptNotesTest, CorrectingATotalSetsTheLineTheEntryAndTheNote) {
  notes->addNote(header("12", QDate(2006, 3, 5)));
  notes->addLine(line("HARTIE A4", "3", "1.3333"));
  notes->addLine(line("TONER", "1", "100"));
  notes->selectLine(1);
  takeSent();
  ASSERT_EQ(notes->correctionProblem("5"), std::nullopt);
  notes->correctTotal("5");
  EXPECT_EQ(takeSent(), (QStringList{"UPDATE " + table("Note.dbf") + "\nSET C7=5\nWHERE IDNOTA=1",
                                     "UPDATE " + table("Gestiuni.dbf") + "\nSET VALIN=5\nWHERE IDNOTA=1", vx("1")}));
  EXPECT_EQ(rows("Note.dbf", {"C5", "C6", "C7"}, "IDNOTA"),
            (QStringList{"C5=3.99 C6=0.96 C7=5", "C5=100 C6=24 C7=124"}));
  EXPECT_EQ(rows("Gestiuni.dbf", {"VALIN"}, "IDGEST"), (QStringList{"VALIN=5", "VALIN=124"}));
  EXPECT_EQ(notes->C1().asText("V1"), "129");
  EXPECT_EQ(notes->R1().asText("IDNOTA"), "1");
}

TEST_F(ReceiptNotesTest, CorrectionValuesAreCheckedAgainstTheColumn) {
  notes->addNote(header("12", QDate(2006, 3, 5)));
  notes->addLine(line("HARTIE A4", "3", "1.3333"));
  for (const char* good : {"9999999.99", "-999999.99", "0", " 12.5"})
    EXPECT_EQ(notes->correctionProblem(good), std::nullopt) << good;
  for (const char* bad : {"abc", "", "-", "1,5", "1e3"})
    EXPECT_EQ(notes->correctionProblem(bad), "Valoarea introdusa este incorecta!") << bad;
  for (const char* tooWide : {"10000000", "-1000000", "9999999.999"}) {
    std::optional<QString> problem = notes->correctionProblem(tooWide);
    ASSERT_TRUE(problem) << tooWide;
    EXPECT_EQ(*problem, QString("Valoarea ") + tooWide +
                            " nu incape in coloana: Total Val.Facturata poate fi intre -999999.99 si 9999999.99. "
                            "Nu s-a modificat nimic.");
  }
}

TEST_F(ReceiptNotesTest, DoubleQuotesAreSavedAsTyped) {
  notes->addNote(header("12", QDate(2006, 3, 5), "ABC \"NORD\" SRL"));
  EXPECT_TRUE(takeSent().first().contains("\"ABC \"\"NORD\"\" SRL\""));
  EXPECT_EQ(notes->C1().asText("FURNIZOR"), "ABC \"NORD\" SRL");
  notes->addLine(line("CUTIE 5\"", "1", "1"));
  EXPECT_EQ(rows("Gestiuni.dbf", {"PRODUS"}, "IDGEST"), QStringList{"PRODUS=CUTIE 5\""});
  // The old name stands in the WHERE of the rename.
  notes->changeLine(line("CUTIE \"MARE\"", "1", "1"));
  EXPECT_EQ(rows("Note.dbf", {"PRODUS"}, "IDNOTA"), QStringList{"PRODUS=CUTIE \"MARE\""});
  EXPECT_EQ(rows("Gestiuni.dbf", {"PRODUS"}, "IDGEST"), QStringList{"PRODUS=CUTIE \"MARE\""});
}

// Each action is all or nothing: a failure after its first statement leaves
// the tables as they were and says so.
TEST_F(ReceiptNotesTest, FailedLineAddLeavesNoLine) {
  notes->addNote(header("12", QDate(2006, 3, 5)));
  app::SetCod("IDGEST", "x");  // the ledger row's identifier cannot be taken
  try {
    notes->addLine(line("HARTIE A4", "3", "1.3333"));
    FAIL() << "the action should fail";
  } catch (const store::StoreError& error) {
    EXPECT_TRUE(QString(error.what()).startsWith(QString(ui::kCouldNotFinish) + " " + app::kNothingSaved))
        << error.what();
  }
  EXPECT_TRUE(rows("Note.dbf", {"IDNOTA"}, "IDNOTA").isEmpty());
  EXPECT_TRUE(notes->linesEmpty());
  EXPECT_EQ(notes->C1().asText("V1"), "0");
  EXPECT_EQ(app::CodExistent("IDNOTA"), "1");  // nothing saved: the counter is put back
  EXPECT_EQ(app::CodExistent("IDGEST"), "x");
}

TEST_F(ReceiptNotesTest, FailedNoteChangeLeavesHeaderAndLines) {
  notes->addNote(header("12", QDate(2006, 3, 5)));
  notes->addLine(line("HARTIE A4", "3", "1.3333"));
  abbreviation = QString(45, 'N');  // DOCJUS holds 50 characters: the third statement fails
  EXPECT_THROW(notes->changeNote(header("13", QDate(2006, 3, 6))), store::StoreError);
  EXPECT_EQ(rows("CapNote.dbf", {"NRNOTA", "DATANOTA"}, "IDCAP"), QStringList{"NRNOTA=12 DATANOTA=05.03.2006"});
  EXPECT_EQ(rows("Note.dbf", {"NRNOTA", "DATANOTA"}, "IDNOTA"), QStringList{"NRNOTA=12 DATANOTA=05.03.2006"});
  EXPECT_EQ(rows("Gestiuni.dbf", {"DOCJUS"}, "IDGEST"), QStringList{"DOCJUS=N.I.R. nr.12"});
  EXPECT_EQ(notes->C1().asText("NRNOTA"), "12");  // the data sets are open again on the note
  EXPECT_EQ(notes->R1().recordCount(), 1);
}

TEST_F(ReceiptNotesTest, TotalBeyondItsColumnUndoesTheLine) {
  notes->addNote(header("12", QDate(2006, 3, 5)));
  NoteHeader noVat = header("12", QDate(2006, 3, 5));
  noVat.vatRate = "0";
  notes->changeNote(noVat);
  notes->addLine(line("UTILAJ", "1", "6000000"));
  // V1 would be 12000000.00, wider than its column.
  EXPECT_THROW(notes->addLine(line("UTILAJ 2", "1", "6000000")), store::StoreError);
  EXPECT_EQ(rows("Note.dbf", {"PRODUS"}, "IDNOTA"), QStringList{"PRODUS=UTILAJ"});
  EXPECT_EQ(rows("Gestiuni.dbf", {"PRODUS"}, "IDGEST"), QStringList{"PRODUS=UTILAJ"});
  EXPECT_EQ(notes->C1().asText("V1"), "6000000");
}

}  // namespace
}  // namespace receipts::testing

// The header and line dialogs' save checks, their remembered values, and
// the unit-of-measure check with its statements.
#include <QDate>
#include <QFile>

#include "ui/error_text.h"
#include "app/counters.h"
#include "app/settings.h"
#include "receipts/line_entry.h"
#include "receipts/note_header.h"
#include "receipts/product_names.h"
#include "receipts_fixture.h"
#include "store/error.h"

namespace receipts::testing {
namespace {

NoteHeader completeHeader() {
  NoteHeader h;
  h.number = "12";
  h.supplier = "  ABC   NORD  SRL ";
  h.invoiceNumber = "F1";
  h.delegate = "ION";
  h.idSeries = " AB";
  h.idNumber = "123";
  h.policeOffice = "SECTIA 1";
  h.receptioner = "POPA";
  h.vatRate = "24";
  return h;
}

struct HeaderCase {
  void (*change)(NoteHeader&);
  HeaderField field;
  const char* message;
};

// Each change made to a complete header is refused at `field` with `message`.
void expectRefusals(std::initializer_list<HeaderCase> cases) {
  for (const HeaderCase& c : cases) {
    NoteHeader h = completeHeader();
    c.change(h);
    std::optional<HeaderProblem> problem = checkHeader(h);
    ASSERT_TRUE(problem) << c.message;
    EXPECT_EQ(problem->field, c.field) << c.message;
    EXPECT_EQ(problem->message, c.message);
  }
}

TEST(HeaderChecksTest, EachMissingFieldInOrder) {
  expectRefusals({
      {[](NoteHeader& h) { h.number = ""; }, HeaderField::Number, "Nu ati trecut numarul Notei de Receptie !"},
      {[](NoteHeader& h) { h.number = "0"; }, HeaderField::Number, "Nu ati trecut numarul Notei de Receptie !"},
      {[](NoteHeader& h) { h.supplier = "   "; }, HeaderField::Supplier, "Nu ati trecut FURNIZORUL !"},
      {[](NoteHeader& h) { h.invoiceNumber = ""; }, HeaderField::InvoiceNumber, "Nu ati trecut FACTURA !"},
      {[](NoteHeader& h) { h.delegate = " "; }, HeaderField::Delegate, "Nu ati trecut DELEGAT !"},
      {[](NoteHeader& h) { h.idSeries = ""; }, HeaderField::IdSeries, "Nu ati trecut B.I. Seria !"},
      {[](NoteHeader& h) { h.idNumber = ""; }, HeaderField::IdNumber, "Nu ati trecut B.I.Nr. !"},
      {[](NoteHeader& h) { h.policeOffice = ""; }, HeaderField::PoliceOffice, "Nu ati trecut B.I. Politia !"},
      {[](NoteHeader& h) { h.receptioner = "  "; }, HeaderField::Receptioner, "Nu ati trecut RECEPTIONER !"},
      // Two missing: the earlier check wins.
      {[](NoteHeader& h) { h.delegate = h.receptioner = ""; }, HeaderField::Delegate, "Nu ati trecut DELEGAT !"},
  });
}

TEST(HeaderChecksTest, CleansFieldsAndFillsEmptyNumbers) {
  NoteHeader h = completeHeader();
  h.vatRate = ".";
  h.custodian = "  ENE  ";
  EXPECT_EQ(checkHeader(h), std::nullopt);
  EXPECT_EQ(h.supplier, "ABC NORD SRL");
  EXPECT_EQ(h.idSeries, "AB");
  EXPECT_EQ(h.vatRate, "0");
  EXPECT_EQ(h.custodian, "  ENE  ");  // neither cleaned nor required
  NoteHeader erased = completeHeader();
  erased.number = "";
  checkHeader(erased);
  EXPECT_EQ(erased.number, "0");
  // The series is cleaned before the receptioner's check fails.
  NoteHeader late = completeHeader();
  late.receptioner = "";
  checkHeader(late);
  EXPECT_EQ(late.idSeries, "AB");
}

// Values the save could not write are refused before the dialog closes.
TEST(HeaderChecksTest, RefusesValuesTheColumnsCannotHold) {
  expectRefusals({
      {[](NoteHeader& h) { h.supplier = QString::fromUtf8("ABC Ω"); }, HeaderField::Supplier,
       "Caracterul 'Ω' (U+03A9) nu poate fi memorat. Folositi doar litere romanesti sau latine!"},
      {[](NoteHeader& h) { h.custodian = QString::fromUtf8("ENE →"); }, HeaderField::Custodian,
       "Caracterul '→' (U+2192) nu poate fi memorat. Folositi doar litere romanesti sau latine!"},
      {[](NoteHeader& h) { h.vatRate = "-"; }, HeaderField::VatRate, "Valoarea TVA trebuie sa fie un numar !"},
      {[](NoteHeader& h) { h.vatRate = "-."; }, HeaderField::VatRate, "Valoarea TVA trebuie sa fie un numar !"},
      {[](NoteHeader& h) { h.vatRate = "1000"; }, HeaderField::VatRate, "Valoarea TVA este prea mare !"},
  });
  NoteHeader romanian = completeHeader();
  romanian.supplier = QString::fromUtf8("ȘTIINȚĂ ŞI ŢARĂ");  // both forms of the letters are stored
  romanian.vatRate = "999.99";
  EXPECT_EQ(checkHeader(romanian), std::nullopt);
}

class RememberedValuesTest : public DataFolderFixture {};

TEST_F(RememberedValuesTest, FirstUseAndTheNextNote) {
  NoteHeader first = newNoteHeader(QDate(2006, 3, 5));
  EXPECT_EQ(first.number, "1");
  EXPECT_EQ(first.receptioner, "");
  EXPECT_EQ(first.custodian, "");
  EXPECT_EQ(first.vatRate, "24");
  EXPECT_EQ(first.noteDate, QDate(2006, 3, 5));
  EXPECT_EQ(first.invoiceDate, QDate(2006, 3, 5));
  app::SetCod("NRNOTA", "100");
  NoteHeader saved = completeHeader();
  saved.number = "57";
  saved.custodian = "ENE";
  rememberHeader(saved);
  NoteHeader next = newNoteHeader(QDate(2006, 3, 6));
  EXPECT_EQ(next.number, "58");
  EXPECT_EQ(next.receptioner, "POPA");
  EXPECT_EQ(next.custodian, "ENE");
  EXPECT_EQ(next.supplier, "");
}

LineEntry completeLine() {
  return LineEntry{"  HARTIE   A4 ", " KG ", "3.", "007", "1.50", "CONSUMABIL", "", " MAGAZIE  ", "fara"};
}

TEST(LineChecksTest, EachMissingFieldInOrder) {
  struct Case {
    void (*clear)(LineEntry&);
    LineField field;
    const char* message;
  } cases[] = {
      {[](LineEntry& l) { l.unit = "  "; }, LineField::Unit, "Nu ati trecut Unitatea de Masura !"},
      {[](LineEntry& l) { l.product = ""; }, LineField::Product, "Nu ati trecut DENUMIREA PRODUSULUI !"},
      {[](LineEntry& l) { l.quantityInvoice = "."; }, LineField::QuantityInvoice, "Nu ati trecut CANTITATEA dupa factura !"},
      {[](LineEntry& l) { l.quantityReceived = "-"; }, LineField::QuantityReceived, "Nu ati trecut CANTITATEA la receptie !"},
      {[](LineEntry& l) { l.price = "0"; }, LineField::Price, "Nu ati trecut PRET FURNIZOR !"},
      {[](LineEntry& l) { l.stockUnit = "  "; }, LineField::StockUnit, "Nu ati trecut GESTIUNEA !"},
      // The defaults of a new line stop at the product.
      {[](LineEntry& l) { l = LineEntry{"", "BUC", "0", "0", "0", "CONSUMABIL", "0", "MAGAZIE", ""}; },
       LineField::Product, "Nu ati trecut DENUMIREA PRODUSULUI !"},
  };
  for (const Case& c : cases) {
    LineEntry l = completeLine();
    c.clear(l);
    std::optional<LineProblem> problem = checkLine(l);
    ASSERT_TRUE(problem) << c.message;
    EXPECT_EQ(problem->field, c.field) << c.message;
    EXPECT_EQ(problem->message, c.message);
  }
}

TEST(LineChecksTest, RefusesValuesTheColumnsCannotHold) {
  const int64_t vat24 = 240000;
  const QString tooLarge = "Valoarea liniei (cantitate x pret, cu TVA) este prea mare !";
  struct Case {
    void (*change)(LineEntry&);
    LineField field;
    QString message;
  } cases[] = {
      {[](LineEntry& l) { l.remarks = QString::fromUtf8("vezi Ω"); }, LineField::Remarks,
       "Caracterul 'Ω' (U+03A9) nu poate fi memorat. Folositi doar litere romanesti sau latine!"},
      {[](LineEntry& l) { l.quantityInvoice = "100000000"; }, LineField::QuantityInvoice,
       "Cantitatea dupa factura este prea mare !"},
      {[](LineEntry& l) { l.quantityReceived = "10000000"; }, LineField::QuantityReceived,
       "Cantitatea la receptie este prea mare !"},
      {[](LineEntry& l) { l.price = "0.00001"; }, LineField::Price,
       "Pretul furnizor are prea multe zecimale (cel mult 4) !"},
      // 1000 x 99999 is 99,999,000: more than C5's 9,999,999.99.
      {[](LineEntry& l) { l.quantityInvoice = l.quantityReceived = "1000"; l.price = "99999"; }, LineField::Price,
       tooLarge},
      // 9,000,000 fits C5, but with its VAT the total does not fit C7.
      {[](LineEntry& l) { l.quantityReceived = "9000"; l.price = "1000"; }, LineField::Price, tooLarge},
      {[](LineEntry& l) { l.inventoryNumber = "-"; }, LineField::InventoryNumber,
       "Numarul de inventar poate avea doar cifre !"},
      {[](LineEntry& l) { l.inventoryNumber = "."; }, LineField::InventoryNumber,
       "Numarul de inventar poate avea doar cifre !"},
      {[](LineEntry& l) { l.inventoryNumber = "1.5"; }, LineField::InventoryNumber,
       "Numarul de inventar poate avea doar cifre !"},
      {[](LineEntry& l) { l.inventoryNumber = "123456789"; }, LineField::InventoryNumber,
       "Numarul de inventar este prea mare !"},
  };
  for (const Case& c : cases) {
    LineEntry l = completeLine();
    c.change(l);
    ASSERT_EQ(checkLine(l), std::nullopt) << c.message.toStdString();
    std::optional<LineProblem> problem = checkLineFits(l, vat24);
    ASSERT_TRUE(problem) << c.message.toStdString();
    EXPECT_EQ(problem->field, c.field) << c.message.toStdString();
    EXPECT_EQ(problem->message, c.message);
  }
  LineEntry largest = completeLine();
  largest.product = QString::fromUtf8("ȘURUB ȚEAVĂ");
  largest.quantityInvoice = largest.quantityReceived = "1000";
  largest.price = "8000";  // 8,000,000 + 24 % = 9,920,000 fits
  largest.inventoryNumber = "12345678";
  ASSERT_EQ(checkLine(largest), std::nullopt);
  EXPECT_EQ(checkLineFits(largest, vat24), std::nullopt);
}

TEST(LineChecksTest, NormalisesAndCompletes) {
  LineEntry l = completeLine();
  EXPECT_EQ(checkLine(l), std::nullopt);
  EXPECT_EQ(l.product, "HARTIE A4");
  EXPECT_EQ(l.unit, "KG");
  EXPECT_EQ(l.stockUnit, "MAGAZIE");
  EXPECT_EQ(l.quantityInvoice, "3");
  EXPECT_EQ(l.quantityReceived, "7");
  EXPECT_EQ(l.price, "1.5");
  completeLine(l);
  EXPECT_EQ(l.inventoryNumber, "0");
  EXPECT_EQ(l.stockUnit, "MAGAZIE");
  // A negative price needs no stock-keeping unit and loses a chosen one.
  LineEntry discount = completeLine();
  discount.price = "-5";
  discount.stockUnit = "";
  EXPECT_EQ(checkLine(discount), std::nullopt);
  discount.stockUnit = "MAGAZIE";
  completeLine(discount);
  EXPECT_EQ(discount.stockUnit, "");
}

class UnitCheckTest : public ReceiptNotesFixture {
 protected:
  void SetUp() override {
    ReceiptNotesFixture::SetUp();
    NoteHeader h = completeHeader();
    h.noteDate = h.invoiceDate = QDate(2006, 3, 5);
    notes->addNote(h);
    LineEntry sac{"CIMENT", "SAC", "2", "2", "10", "CONSUMABIL", "0", "MAGAZIE", ""};
    notes->addLine(sac);
    h.number = "13";
    notes->addNote(h);
    takeSent();
  }
};

TEST_F(UnitCheckTest, ConflictNamesTheNoteAndChangingItRewritesBothTables) {
  std::optional<UnitConflict> conflict = findUnitConflict(notes->sx(), "CIMENT", "KG", std::nullopt);
  const QString note = "\"" + data() + "\\Note.dbf\"";
  EXPECT_EQ(takeSent(), QStringList{"SELECT *\nFROM " + note + "\nWHERE PRODUS=\"CIMENT\"\nAND UM<>\"KG\""});
  ASSERT_TRUE(conflict);
  EXPECT_EQ(conflict->question(),
            "Unitatea de masura este SAC\r\nconform N.I.R.12/05.03.2006.\r\n"
            "Doriti sa schimbati unitatea de masura peste tot?");
  EXPECT_EQ(findUnitConflict(notes->sx(), "CIMENT", "SAC", std::nullopt), std::nullopt);
  takeSent();
  changeUnitEverywhere(notes->sx(), "CIMENT", "KG");
  const QString ledger = "\"" + data() + "\\Gestiuni.dbf\"";
  EXPECT_EQ(takeSent(), (QStringList{"UPDATE " + note + "\nSET UM=\"KG\"\nWHERE PRODUS=\"CIMENT\"",
                                     "UPDATE " + ledger + "\nSET UM=\"KG\"\nWHERE PRODUS=\"CIMENT\""}));
  EXPECT_EQ(rows("Note.dbf", {"UM"}, "IDNOTA"), QStringList{"UM=KG"});
  EXPECT_EQ(rows("Gestiuni.dbf", {"UM"}, "IDGEST"), QStringList{"UM=KG"});
}

TEST_F(UnitCheckTest, UnitChangeIsAllOrNothing) {
  // Without the ledger the second statement fails: the first is undone.
  ASSERT_TRUE(QFile::remove(data() + "/Gestiuni.dbf"));
  try {
    changeUnitEverywhere(notes->sx(), "CIMENT", "KG");
    FAIL() << "the change should fail";
  } catch (const store::StoreError& error) {
    EXPECT_TRUE(QString(error.what()).startsWith(QString(ui::kCouldNotFinish) + " " + app::kNothingSaved))
        << error.what();
  }
  EXPECT_EQ(rows("Note.dbf", {"UM"}, "IDNOTA"), QStringList{"UM=SAC"});
}

TEST_F(UnitCheckTest, ChangingALineLeavesItsOwnNoteOut) {
  const QString note = "\"" + data() + "\\Note.dbf\"";
  EXPECT_EQ(findUnitConflict(notes->sx(), "CIMENT", "KG", QString("1")), std::nullopt);
  EXPECT_EQ(takeSent(),
            QStringList{"SELECT *\nFROM " + note + "\nWHERE PRODUS=\"CIMENT\"\nAND IDCAP<>1\nAND UM<>\"KG\""});
  EXPECT_TRUE(findUnitConflict(notes->sx(), "CIMENT", "KG", QString("2")));
}

TEST_F(UnitCheckTest, ProductTypeAhead) {
  notes->addLine(LineEntry{"CIMENT ALB", "SAC", "1", "1", "12", "CONSUMABIL", "0", "MAGAZIE", ""});
  notes->addLine(LineEntry{"VAR", "SAC", "1", "1", "5", "CONSUMABIL", "0", "MAGAZIE", ""});
  ProductNames u1(*database);
  EXPECT_EQ(u1.typed("C"), std::nullopt);  // closed: nothing offered
  takeSent();
  u1.open(notes->sx());
  EXPECT_EQ(takeSent(), QStringList{"SELECT DISTINCT PRODUS\nFROM \"" + data() + "\\Note.dbf\"\nORDER BY PRODUS"});
  EXPECT_EQ(u1.typed("CI"), "CIMENT");
  EXPECT_EQ(u1.down(), "CIMENT ALB");
  EXPECT_EQ(u1.down(), "VAR");
  EXPECT_EQ(u1.down(), "VAR");  // not past the end
  EXPECT_EQ(u1.typed("X"), " ");  // nothing matches: a blank, the cursor stays
  EXPECT_EQ(u1.up(), "CIMENT ALB");
  EXPECT_EQ(u1.typed("  "), "CIMENT");
  EXPECT_EQ(u1.up(), "CIMENT");  // not before the start
  EXPECT_EQ(u1.typed("cim"), " ");  // compared exactly
}

}  // namespace
}  // namespace receipts::testing

// The header and line dialogs on real widgets: their checks in order with
// the balloons, entry rules, remembered values, the price with VAT, the
// product type-ahead and the unit-of-measure warning.
#include <QTest>

#include "app/counters.h"
#include "app/settings.h"
#include "window_fixture.h"

namespace receipts::testing {
namespace {

class HeaderDialogTest : public WindowFixture {};

TEST_F(HeaderDialogTest, ChecksInOrderWithTheirBalloons) {
  header.StergeFormular();
  EXPECT_EQ(header.edit(1)->text(), "1");  // first use ever
  EXPECT_EQ(header.edit(9)->text(), "24");
  EXPECT_EQ(header.edit(8)->text(), "");
  EXPECT_EQ(header.noteDate()->date(), QDate::currentDate());
  script.answerDialog([this](QDialog&) {
    EXPECT_TRUE(header.edit(9)->isEnabled());
    header.edit(1)->clear();
    struct Step {
      QLineEdit* fix;
      const char* value;
      const char* balloon;
    } steps[] = {
        {header.edit(1), "57", "Nu ati trecut numarul Notei de Receptie !"},
        {header.edit(2), "  ABC   NORD ", "Nu ati trecut FURNIZORUL !"},
        {header.edit(3), "F1", "Nu ati trecut FACTURA !"},
        {header.edit(4), "ION", "Nu ati trecut DELEGAT !"},
        {header.edit(5), "AB", "Nu ati trecut B.I. Seria !"},
        {header.edit(6), "123", "Nu ati trecut B.I.Nr. !"},
        {header.edit(7), "SECTIA 1", "Nu ati trecut B.I. Politia !"},
        {header.edit(8), "POPA", "Nu ati trecut RECEPTIONER !"},
    };
    for (const Step& step : steps) {
      header.BitBtn1Click();
      EXPECT_EQ(balloon(), step.balloon);
      EXPECT_EQ(header.result(), QDialog::Rejected) << step.balloon;
      step.fix->setText(step.value);
    }
    EXPECT_EQ(header.edit(2)->text(), "ABC NORD");  // cleaned by the failed saves
    header.edit(13)->setText("ENE");
    header.BitBtn1Click();
    return true;
  });
  ASSERT_TRUE(header.Adauga("ADAUGARE Nota de Receptie"));
  EXPECT_EQ(header.windowTitle(), "ADAUGARE Nota de Receptie");
  EXPECT_EQ(header.fields().supplier, "ABC NORD");
  // The dialog itself writes nothing: the number and the people are
  // remembered only once the window has saved the note.
  header.StergeFormular();
  EXPECT_EQ(header.edit(1)->text(), "1");
  EXPECT_EQ(header.edit(8)->text(), "");
  EXPECT_EQ(header.edit(2)->text(), "");
}

TEST_F(HeaderDialogTest, ErasedNumberBecomesZeroAndCancelSavesNothing) {
  header.StergeFormular();
  script.answerDialog([this](QDialog&) {
    header.edit(1)->clear();
    header.BitBtn1Click();
    EXPECT_EQ(header.edit(1)->text(), "0");
    return false;
  });
  EXPECT_FALSE(header.Adauga("ADAUGARE Nota de Receptie"));
  EXPECT_EQ(app::CodExistent("NRNOTA"), "1");
}

TEST_F(HeaderDialogTest, UpperCaseAndNumericEntry) {
  header.show();
  QTest::keyClicks(header.edit(2), "abc srl");
  EXPECT_EQ(header.edit(2)->text(), "ABC SRL");
  header.edit(9)->setText("0");
  header.edit(9)->setCursorPosition(1);
  QTest::keyClicks(header.edit(9), "19a.55");
  EXPECT_EQ(header.edit(9)->text(), "19.5");  // letters ignored, four characters at most
  QTest::keyClicks(header.edit(1), "12a");
  EXPECT_EQ(header.edit(1)->text(), "12");
  EXPECT_EQ(header.edit(1)->maxLength(), 8);
  EXPECT_EQ(header.edit(2)->maxLength(), 50);
  EXPECT_EQ(header.edit(7)->maxLength(), 24);
}

class LineDialogTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    notes = std::make_unique<ReceiptNotes>(*database, [] { return QString("N.I.R."); });
    notes->open();
    NoteHeader h{"12", QDate(2006, 3, 5), "ABC", "F1", QDate(2006, 3, 5), "ION", "AB", "1", "S1", "POPA", "24", ""};
    notes->addNote(h);
    notes->addLine(LineEntry{"CIMENT", "SAC", "2", "2", "10", "CONSUMABIL", "0", "DEPOZIT", ""});
    notes->addLine(LineEntry{"CIMENT ALB", "SAC", "1", "1", "12", "CONSUMABIL", "0", "MAGAZIE", ""});
    h.number = "13";
    notes->addNote(h);
    line.attach(notes->sx(), 240000, std::nullopt);
    line.StergeFormular();
  }
  void TearDown() override {
    notes.reset();
    WindowFixture::TearDown();
  }
  std::unique_ptr<ReceiptNotes> notes;
};

TEST_F(LineDialogTest, DefaultsStopAtTheProduct) {
  EXPECT_EQ(line.unitEdit()->text(), "BUC");
  EXPECT_EQ(line.priceEdit()->text(), "0");
  EXPECT_EQ(line.typeBox()->currentText(), "CONSUMABIL");
  EXPECT_FALSE(line.inventoryEdit()->isVisibleTo(&line));
  EXPECT_EQ(line.stockUnitBox()->count(), 2);  // the units in the ledger, first selected
  EXPECT_EQ(line.stockUnitBox()->currentText(), "DEPOZIT");
  script.answerDialog([this](QDialog&) {
    line.BitBtn1Click();
    EXPECT_EQ(balloon(), "Nu ati trecut DENUMIREA PRODUSULUI !");
    line.productBox()->setEditText("VAR");
    line.BitBtn1Click();
    EXPECT_EQ(balloon(), "Nu ati trecut CANTITATEA dupa factura !");
    line.quantityInvoiceEdit()->setText(".");
    line.BitBtn1Click();
    EXPECT_EQ(balloon(), "Nu ati trecut CANTITATEA dupa factura !");
    line.quantityInvoiceEdit()->setText("2");
    line.BitBtn1Click();
    EXPECT_EQ(balloon(), "Nu ati trecut CANTITATEA la receptie !");
    line.quantityReceivedEdit()->setText("2.");
    line.BitBtn1Click();
    EXPECT_EQ(balloon(), "Nu ati trecut PRET FURNIZOR !");
    EXPECT_EQ(line.quantityReceivedEdit()->text(), "2");
    line.priceEdit()->setText("3");
    line.stockUnitBox()->setEditText("  ");
    line.BitBtn1Click();
    EXPECT_EQ(balloon(), "Nu ati trecut GESTIUNEA !");
    line.unitEdit()->clear();
    line.BitBtn1Click();
    EXPECT_EQ(balloon(), "Nu ati trecut Unitatea de Masura !");
    return false;
  });
  EXPECT_FALSE(line.Adauga("ADAUGARE PRODUS"));
}

TEST_F(LineDialogTest, PriceWithVatAndInventoryNumber) {
  line.priceEdit()->setText("1.3333");
  EXPECT_EQ(line.priceWithVatLabel()->text(), "1.65");
  line.priceEdit()->setText("2.5");
  EXPECT_EQ(line.priceWithVatLabel()->text(), "3.10");
  line.priceEdit()->setText("-");
  EXPECT_EQ(line.priceWithVatLabel()->text(), "0.00");
  line.typeBox()->setCurrentText("MIJLOC FIX");
  EXPECT_TRUE(line.inventoryEdit()->isVisibleTo(&line));
  line.inventoryEdit()->setText("1234");
  line.typeBox()->setCurrentText("CONSUMABIL");
  EXPECT_FALSE(line.inventoryEdit()->isVisibleTo(&line));
  EXPECT_EQ(line.fields().inventoryNumber, "1234");  // kept, and saved with the line
}

TEST_F(LineDialogTest, NegativePriceSavesWithoutStockUnit) {
  script.answerDialog([this](QDialog&) {
    line.productBox()->setEditText("REDUCERE");
    line.quantityInvoiceEdit()->setText("1");
    line.quantityReceivedEdit()->setText("1");
    line.priceEdit()->setText("-5");
    line.typeBox()->setCurrentText("DISCOUNT");
    line.inventoryEdit()->clear();
    line.BitBtn1Click();
    return true;
  });
  ASSERT_TRUE(line.Adauga("ADAUGARE PRODUS"));
  EXPECT_EQ(line.fields().stockUnit, "");
  EXPECT_EQ(line.fields().inventoryNumber, "0");
}

TEST_F(LineDialogTest, UnitWarningNuRestoresTheKnownUnit) {
  script.answerDialog([this](QDialog&) {
    line.productBox()->setEditText("CIMENT");
    line.unitEdit()->setText("KG");
    line.quantityInvoiceEdit()->setText("1");
    line.quantityReceivedEdit()->setText("1");
    line.priceEdit()->setText("1");
    script.answerMessage("NU");
    line.BitBtn1Click();
    EXPECT_EQ(script.shown().back().text,
              "Unitatea de masura este SAC\r\nconform N.I.R.12/05.03.2006.\r\n"
              "Doriti sa schimbati unitatea de masura peste tot?");
    EXPECT_EQ(script.shown().back().kind, "Warning");
    EXPECT_EQ(line.unitEdit()->text(), "SAC");
    EXPECT_NE(line.result(), QDialog::Accepted);
    line.BitBtn1Click();  // passes the check now
    return true;
  });
  ASSERT_TRUE(line.Adauga("ADAUGARE PRODUS"));
  EXPECT_EQ(rows("Note.dbf", {"UM"}, "IDNOTA"), (QStringList{"UM=SAC", "UM=SAC"}));
}

TEST_F(LineDialogTest, UnitWarningDaChangesEveryRowOfTheProduct) {
  script.answerDialog([this](QDialog&) {
    line.productBox()->setEditText("CIMENT");
    line.unitEdit()->setText("KG");
    line.quantityInvoiceEdit()->setText("1");
    line.quantityReceivedEdit()->setText("1");
    line.priceEdit()->setText("1");
    script.answerMessage("DA");
    script.answerMessage("OK");
    line.BitBtn1Click();
    return true;
  });
  ASSERT_TRUE(line.Adauga("ADAUGARE PRODUS"));
  EXPECT_EQ(script.shown().back().text, "Unitatea de masura a fost schimbata peste tot.");
  EXPECT_EQ(script.shown().back().kind, "Information");
  EXPECT_EQ(rows("Note.dbf", {"PRODUS", "UM"}, "IDNOTA"),
            (QStringList{"PRODUS=CIMENT UM=KG", "PRODUS=CIMENT ALB UM=SAC"}));
  EXPECT_EQ(rows("Gestiuni.dbf", {"PRODUS", "UM"}, "IDGEST"),
            (QStringList{"PRODUS=CIMENT UM=KG", "PRODUS=CIMENT ALB UM=SAC"}));
}

TEST_F(LineDialogTest, ChangingALineLeavesItsNoteOutOfTheUnitCheck) {
  notes->selectNote(1);  // note 12, whose line holds CIMENT in SAC
  line.attach(notes->sx(), 240000, notes->C1().asText("IDCAP"));
  script.answerDialog([this](QDialog&) {
    line.setFields(LineEntry{"CIMENT", "KG", "1", "1", "1", "CONSUMABIL", "0", "DEPOZIT", ""});
    line.BitBtn1Click();  // no warning
    return true;
  });
  EXPECT_TRUE(line.Adauga("MODIFICARE PRODUS"));
}

TEST_F(LineDialogTest, ProductTypeAhead) {
  script.answerDialog([this](QDialog&) {
    line.show();
    QTest::keyClicks(line.productBox()->lineEdit(), "ci");
    EXPECT_EQ(line.productBox()->currentText(), "CI");  // typed in capitals, the typed text stays
    EXPECT_EQ(line.productBox()->itemText(0), "CIMENT");
    // The arrows go where the user's keys go: to the box, which has the focus.
    QTest::keyClick(line.productBox(), Qt::Key_Down);
    EXPECT_EQ(line.productBox()->currentText(), "CIMENT ALB");
    QTest::keyClick(line.productBox(), Qt::Key_Down);  // past the last product it stays
    EXPECT_EQ(line.productBox()->currentText(), "CIMENT ALB");
    QTest::keyClick(line.productBox(), Qt::Key_Up);
    EXPECT_EQ(line.productBox()->currentText(), "CIMENT");
    QTest::keyClicks(line.productBox()->lineEdit(), "X");
    EXPECT_EQ(line.productBox()->itemText(0), " ");  // nothing matches
    line.hide();
    return false;
  });
  line.Adauga("ADAUGARE PRODUS");
}

}  // namespace
}  // namespace receipts::testing

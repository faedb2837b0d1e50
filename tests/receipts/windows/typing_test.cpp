// A storekeeper's typing into the real edit boxes of the receipt dialogs:
// Romanian letters, the decimal comma, and values the tables cannot hold,
// refused before anything (counters included) is written.
#include <QTest>

#include "app/counters.h"
#include "app/windows/code_page_letters.h"
#include "window_fixture.h"

namespace receipts::testing {
namespace {

class TypingTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    QCoreApplication::instance()->installEventFilter(&letters);
  }

  // Each character as a key press carrying it, as a keyboard layout sends it.
  static void type(QWidget* box, const QString& text) {
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }

  // A comma from the keypad's decimal key of a Romanian layout.
  static void keypadComma(QWidget* box) { QTest::keyClick(box, Qt::Key_Comma, Qt::KeypadModifier); }

  app::CodePageLetters letters;
};

TEST_F(TypingTest, RomanianLettersAndTheDecimalCommaAreSavedAsTyped) {
  open([this] {
    script.answerDialog([this](QDialog&) {
      header.edit(1)->setText("12");
      for (int field : {2, 3, 4, 5, 6, 7, 8}) header.edit(field)->clear();
      type(header.edit(2), QString::fromUtf8("știință și țară"));
      EXPECT_EQ(header.edit(2)->text(), QString::fromUtf8("ŞTIINŢĂ ŞI ŢARĂ"));  // seen as it will be stored
      for (int field : {3, 4, 5, 6, 7, 8}) type(header.edit(field), "X1");
      header.BitBtn1Click();
      return true;
    });
    window->BitBtn1Click();
    script.answerDialog([this](QDialog&) {
      type(line.productBox()->lineEdit(), QString::fromUtf8("șurub"));
      line.unitEdit()->setText("BUC");
      for (QLineEdit* quantity : {line.quantityInvoiceEdit(), line.quantityReceivedEdit()}) {
        quantity->clear();
        QTest::keyClicks(quantity, "2");
        QTest::keyClick(quantity, Qt::Key_Comma);
        QTest::keyClicks(quantity, "5");
      }
      line.priceEdit()->clear();
      QTest::keyClicks(line.priceEdit(), "1");
      keypadComma(line.priceEdit());
      QTest::keyClicks(line.priceEdit(), "25");
      EXPECT_EQ(line.priceEdit()->text(), "1.25");
      type(line.remarksEdit(), QString::fromUtf8("Țeavă"));
      line.stockUnitBox()->setEditText("MAGAZIE");
      line.BitBtn1Click();
      return true;
    });
    window->BitBtn4Click();
  });
  EXPECT_EQ(rows("CapNote.dbf", {"FURNIZOR"}, "IDCAP"),
            QStringList{QString::fromUtf8("FURNIZOR=ŞTIINŢĂ ŞI ŢARĂ")});
  EXPECT_EQ(rows("Note.dbf", {"PRODUS", "C2", "C3", "C4", "OBS"}, "IDNOTA"),
            QStringList{QString::fromUtf8("PRODUS=ŞURUB C2=2.5 C3=2.5 C4=1.25 OBS=Ţeavă")});
}

// Each refusal keeps the dialog open with what was typed and writes nothing:
// no row, no counter moved.
TEST_F(TypingTest, ValuesTheTablesCannotHoldAreRefusedBeforeAnythingIsWritten) {
  open([this] {
    answerHeader("12");
    window->BitBtn1Click();
    const QStringList counters{"NRNOTA", "IDCAP", "IDNOTA", "IDGEST"};
    auto counterTexts = [&] {
      QStringList texts;
      for (const QString& key : counters) texts << app::CodExistent(key);
      return texts;
    };
    const QStringList before = counterTexts();
    struct HeaderCase {
      int field;
      QString typed;
      QString balloon;
    };
    for (const HeaderCase& c : {HeaderCase{2, QString::fromUtf8("ABC Ω"),
                                           QString::fromUtf8("Caracterul 'Ω' (U+03A9) nu poate fi memorat. "
                                                             "Folositi doar litere romanesti sau latine!")},
                                HeaderCase{9, "-", "Valoarea TVA trebuie sa fie un numar !"}}) {
      script.answerDialog([&](QDialog&) {
        header.edit(1)->setText("13");
        for (int field : {2, 3, 4, 5, 6, 7, 8}) header.edit(field)->setText("X");
        header.edit(c.field)->setText(c.typed);
        header.BitBtn1Click();
        EXPECT_EQ(balloon(), c.balloon);
        EXPECT_EQ(header.edit(c.field)->text(), c.typed);
        return false;  // the dialog stayed open: the user gives up
      });
      window->BitBtn1Click();
    }
    struct LineCase {
      QString quantity;
      QString price;
      QString inventory;
      QString balloon;
    };
    const LineCase lineCases[] = {
        {"1000", "99999", "", "Valoarea liniei (cantitate x pret, cu TVA) este prea mare !"},
        {"1", "0.00001", "", "Pretul furnizor are prea multe zecimale (cel mult 4) !"},
        {"1", "2", "1.5", "Numarul de inventar poate avea doar cifre !"}};
    for (const LineCase& c : lineCases) {
      script.answerDialog([&](QDialog&) {
        line.productBox()->setEditText("MERE");
        line.unitEdit()->setText("KG");
        line.quantityInvoiceEdit()->setText(c.quantity);
        line.quantityReceivedEdit()->setText(c.quantity);
        line.priceEdit()->setText(c.price);
        line.inventoryEdit()->setText(c.inventory);
        line.stockUnitBox()->setEditText("MAGAZIE");
        line.BitBtn1Click();
        EXPECT_EQ(balloon(), c.balloon);
        return false;
      });
      window->BitBtn4Click();
    }
    EXPECT_EQ(counterTexts(), before);
  });
  EXPECT_EQ(rows("CapNote.dbf", {"NRNOTA"}, "IDCAP"), QStringList{"NRNOTA=12"});
  EXPECT_TRUE(rows("Note.dbf", {"IDNOTA"}, "IDNOTA").isEmpty());
}

}  // namespace
}  // namespace receipts::testing

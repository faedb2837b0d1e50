// The receipt notes window driven through its handlers with scripted answers.
#include <QInputDialog>
#include <QSplitter>
#include <QTest>

#include "ui/error_text.h"
#include "app/counters.h"
#include "app/settings.h"
#include "window_fixture.h"

namespace receipts::testing {
namespace {

class ReceiptNotesWindowTest : public WindowFixture {};

TEST_F(ReceiptNotesWindowTest, NewInstallationReportsEveryEmptyList) {
  open([this] {
    EXPECT_EQ(window->notes().linesFilter(), "IDCAP=-1");
    EXPECT_EQ(window->notesGrid()->rowCount(), 0);
    EXPECT_EQ(window->linesGrid()->rowCount(), 0);
    struct Case {
      const char* button;
      const char* message;
    } cases[] = {
        {"BitBtn2", "Nu am ce modifica ! Tabelul cu note de receptie este gol!"},
        {"BitBtn3", "Nu am ce sterge ! Tabelul cu note de receptie este gol!"},
        {"BitBtn4", "Alegeti sau adaugati mai intai o Nota de Receptie !"},
        {"BitBtn5", "Nu am ce modifica! Introduceti mai intai produsele!"},
        {"BitBtn6", "Nu am ce sterge !"},
        {"BitBtn7", "Nu am ce lista!"},
    };
    for (const Case& c : cases) {
      window->button(c.button)->click();
      EXPECT_EQ(balloon(), c.message) << c.button;
    }
    script.answerMessage("OK");
    window->button("ConvexBtn1")->click();
    EXPECT_EQ(script.shown().back().text, "Alegeti mai intai un Produs!");
    EXPECT_EQ(script.shown().back().kind, "Error");
    // Adding a note works, and then the note has no lines to list.
    answerHeader("12");
    window->button("G3")->click();
    EXPECT_EQ(window->notesGrid()->rowCount(), 1);
    window->button("BitBtn7")->click();
    EXPECT_EQ(balloon(), "Nota de Receptie este goala !");
  });
}

TEST_F(ReceiptNotesWindowTest, AddNoteAndLineShowInGridsAndTexts) {
  open([this] {
    answerHeader("12", "ABC \"NORD\" SRL");
    window->BitBtn1Click();
    EXPECT_EQ(rowOf(window->notesGrid(), 0),
              (QStringList{"12", "05.03.2006", "ABC \"NORD\" SRL", "F1", QDate::currentDate().toString("dd.MM.yyyy"), "24"}));
    EXPECT_EQ(window->totalText()->text(), "0.00");
    EXPECT_EQ(window->receptionerText()->text(), "POPA");
    EXPECT_EQ(window->linesGrid()->rowCount(), 0);
    answerLine("HARTIE A4", "BUC", "3", "1.3333");
    window->BitBtn4Click();
    EXPECT_EQ(rowOf(window->linesGrid(), 0), (QStringList{"HARTIE A4", "BUC", "3.00", "3.00", "1.33", "3.99", "0.96",
                                                          "4.96", "CONSUMABIL", "MAGAZIE"}));
    EXPECT_EQ(window->totalText()->text(), "4.96");
    EXPECT_EQ(window->linesGrid()->currentRow(), 0);
  });
  EXPECT_EQ(rows("CapNote.dbf", {"FURNIZOR"}, "IDCAP"), QStringList{"FURNIZOR=ABC \"NORD\" SRL"});
  EXPECT_EQ(app::CodExistent("NRNOTA"), "13");  // the saved note moves the proposed number on
  EXPECT_EQ(app::CitesteStr_din_Ini("CONSTANTE", "RECEPTIONER"), "POPA");
  EXPECT_EQ(rows("Gestiuni.dbf", {"DOCJUS", "CANTIN", "VALIN"}, "IDGEST"),
            QStringList{"DOCJUS=N.I.R. nr.12 CANTIN=3 VALIN=4.96"});
}

TEST_F(ReceiptNotesWindowTest, GridsBandsSplitterAndRowChoice) {
  open([this] {
    answerHeader("1");
    window->BitBtn1Click();
    answerLine("MERE", "KG", "1", "2");
    window->BitBtn4Click();
    answerHeader("2");
    window->BitBtn1Click();
    answerLine("PERE", "KG", "1", "3");
    window->BitBtn4Click();
    EXPECT_EQ(window->linesGrid()->bandTitle(2), "CANTITATEA");
    EXPECT_EQ(window->linesGrid()->bandTitle(3), "CANTITATEA");
    EXPECT_EQ(window->linesGrid()->bandTitle(4), "");
    EXPECT_EQ(window->linesGrid()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(window->splitter()->count(), 2);
    EXPECT_EQ(window->splitter()->orientation(), Qt::Vertical);
    // Choosing the first note shows its line.
    window->notesGrid()->setCurrentCell(0, 1);
    EXPECT_EQ(window->notes().C1().asText("NRNOTA"), "1");
    EXPECT_EQ(window->linesGrid()->rowCount(), 1);
    EXPECT_EQ(window->linesGrid()->item(0, 0)->text(), "MERE");
    EXPECT_EQ(window->totalText()->text(), "2.48");
    EXPECT_EQ(window->rectifyAction()->text(), "Rectifica Total Valoare Facturata");
  });
}

TEST_F(ReceiptNotesWindowTest, DeletingAsksFirst) {
  abbreviation = "NIR";
  open([this] {
    answerHeader("12");
    window->BitBtn1Click();
    answerLine("MERE", "KG", "1", "2");
    window->BitBtn4Click();
    script.answerMessage("NU");
    window->BitBtn6Click();
    EXPECT_EQ(script.shown().back().text, "VRETI SA STERGETI PRODUSUL MERE ?");
    EXPECT_EQ(script.shown().back().kind, "Confirmation");
    EXPECT_EQ(window->linesGrid()->rowCount(), 1);
    script.answerMessage("DA");
    window->BitBtn6Click();
    EXPECT_EQ(window->linesGrid()->rowCount(), 0);
    EXPECT_EQ(window->totalText()->text(), "");  // the sum over no lines is empty
    script.answerMessage("RENUNT");
    window->BitBtn3Click();
    EXPECT_EQ(script.shown().back().text, "VRETI SA STERGETI NIR Nr.12 ?");
    EXPECT_EQ(window->notesGrid()->rowCount(), 1);
    script.answerMessage("DA");
    window->BitBtn3Click();
    EXPECT_EQ(window->notesGrid()->rowCount(), 0);
  });
}

TEST_F(ReceiptNotesWindowTest, ChangeNoteKeepsTheVatRateAndRewritesTheLedger) {
  open([this] {
    answerHeader("12");
    window->BitBtn1Click();
    answerLine("MERE", "KG", "1", "2");
    window->BitBtn4Click();
    script.answerDialog([this](QDialog&) {
      EXPECT_EQ(header.windowTitle(), "MODIFICARE Nota de Receptie");
      EXPECT_FALSE(header.edit(9)->isEnabled());
      EXPECT_EQ(header.edit(9)->text(), "24");
      EXPECT_EQ(header.edit(1)->text(), "12");
      header.edit(1)->setText("13");
      header.BitBtn1Click();
      return true;
    });
    window->BitBtn2Click();
    EXPECT_EQ(window->notesGrid()->item(0, 0)->text(), "13");
  });
  EXPECT_EQ(rows("Gestiuni.dbf", {"DOCJUS"}, "IDGEST"), QStringList{"DOCJUS=N.I.R. Nr.13"});
  EXPECT_EQ(rows("Note.dbf", {"NRNOTA"}, "IDNOTA"), QStringList{"NRNOTA=13"});
}

TEST_F(ReceiptNotesWindowTest, ChangeLineFillsTheDialogFromTheLine) {
  open([this] {
    answerHeader("12");
    window->BitBtn1Click();
    answerLine("MERE", "KG", "2", "-5", "");
    window->BitBtn4Click();
    script.answerDialog([this](QDialog&) {
      EXPECT_EQ(line.windowTitle(), "MODIFICARE PRODUS");
      EXPECT_EQ(line.productBox()->currentText(), "MERE");
      EXPECT_EQ(line.unitEdit()->text(), "KG");
      EXPECT_EQ(line.quantityReceivedEdit()->text(), "2");
      EXPECT_EQ(line.priceEdit()->text(), "-5");
      EXPECT_EQ(line.stockUnitBox()->currentText(), "");  // a negative price has none
      line.productBox()->setEditText("PERE");
      line.priceEdit()->setText("5");
      line.stockUnitBox()->setEditText("MAGAZIE");
      line.BitBtn1Click();
      return true;
    });
    window->BitBtn5Click();
    EXPECT_EQ(rowOf(window->linesGrid(), 0), (QStringList{"PERE", "KG", "2.00", "2.00", "5.00", "10.00", "2.40",
                                                          "12.40", "CONSUMABIL", "MAGAZIE"}));
  });
}

TEST_F(ReceiptNotesWindowTest, RectifyChecksTheValueFirst) {
  open([this] {
    answerHeader("12");
    window->BitBtn1Click();
    answerLine("HARTIE A4", "BUC", "3", "1.3333");
    window->BitBtn4Click();
    auto answerBox = [this](const QString& typed) {
      script.answerDialog([typed](QDialog& dialog) {
        auto& box = static_cast<QInputDialog&>(dialog);
        EXPECT_EQ(box.windowTitle(), "Rectificare");
        EXPECT_EQ(box.labelText(), "Total Val.Facturata");
        EXPECT_EQ(box.textValue(), "4.96");
        box.setTextValue(typed);
        return true;
      });
    };
    answerBox("abc");
    script.answerMessage("OK");
    window->Rectifica1Click();
    EXPECT_EQ(script.shown().back().text, "Valoarea introdusa este incorecta!");
    answerBox("10000000");
    script.answerMessage("OK");
    window->rectifyAction()->trigger();
    EXPECT_TRUE(script.shown().back().text.startsWith("Valoarea 10000000 nu incape in coloana"));
    EXPECT_EQ(window->totalText()->text(), "4.96");
    // Cancelled: nothing asked further.
    script.answerDialog([](QDialog&) { return false; });
    window->Rectifica1Click();
    answerBox("5");
    window->Rectifica1Click();
    EXPECT_EQ(window->totalText()->text(), "5.00");
    EXPECT_EQ(window->linesGrid()->item(0, 7)->text(), "5.00");
  });
  EXPECT_EQ(rows("Gestiuni.dbf", {"VALIN"}, "IDGEST"), QStringList{"VALIN=5"});
}

TEST_F(ReceiptNotesWindowTest, FailedActionSaysNothingWasSaved) {
  open([this] {
    answerHeader("12");
    window->BitBtn1Click();
    answerLine("MERE", "KG", "1", "2");
    window->BitBtn4Click();
    abbreviation = QString(45, 'N');  // too long for DOCJUS: the last statement fails
    script.answerDialog([this](QDialog&) {
      header.edit(1)->setText("13");
      header.BitBtn1Click();
      return true;
    });
    script.expectErrorBox();
    window->BitBtn2Click();
    EXPECT_TRUE(script.shown().back().text.startsWith(QString(ui::kCouldNotFinish) + " " + app::kNothingSaved))
        << script.shown().back().text.toStdString();
    EXPECT_EQ(window->notesGrid()->item(0, 0)->text(), "12");
    EXPECT_EQ(window->linesGrid()->rowCount(), 1);
  });
  EXPECT_EQ(rows("Note.dbf", {"NRNOTA"}, "IDNOTA"), QStringList{"NRNOTA=12"});
  EXPECT_EQ(app::CodExistent("NRNOTA"), "13");  // the failed change numbered nothing
}

TEST_F(ReceiptNotesWindowTest, EscapeAndInchideClose) {
  window->show();
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  window->show();
  window->button("ConvexBtn2")->click();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->button("ConvexBtn1")->toolTip(), "Rectifica Total Valoare Facturata la produsul selectat.");
  EXPECT_EQ(window->button("G3")->text(), "ADAUGA");
}

}  // namespace
}  // namespace receipts::testing

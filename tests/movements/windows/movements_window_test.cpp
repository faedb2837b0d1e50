// The movements window through its handlers, with scripted dialogs.
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "ui/error_text.h"
#include "app/counters.h"
#include "app/shell.h"
#include "movements/exit_dialog.h"
#include "movements/movements_window.h"
#include "movements/target_chooser.h"
#include "movements_fixture.h"
#include "reports/listari.h"
#include "reports/preview_window.h"
#include "ui/balloon.h"
#include "ui/scripted_interaction.h"

namespace movements::testing {
namespace {

class MovementsWindowTest : public MovementsFixture {
 protected:
  void SetUp() override {
    MovementsFixture::SetUp();
    window = std::make_unique<MovementsWindow>([this]() -> store::Database& { return *database; });
    window->attachDialogs(exitDialog, chooser);
  }
  void TearDown() override {
    EXPECT_TRUE(script.finished()) << script.failures().join("; ").toStdString() << " pending: "
                                   << script.pending().join(", ").toStdString();
    window.reset();
    MovementsFixture::TearDown();
  }
  // Queues `answers` for the dialogs and questions the steps will meet,
  // then opens the window and runs `steps` while it is shown.
  void open(const std::function<void()>& steps, const std::function<void()>& answers = [] {}) {
    script.answerDialog([steps](QDialog&) {
      steps();
      return false;
    });
    answers();
    window->ArataBonuri();
  }
  void type(const QString& text) { window->productBox()->setEditText(text); }
  // The entry dialog answered: `quantity` typed, then `value` when given, then MEMOREAZA.
  void answerExit(const QString& quantity, const QString& value = QString(), const QString& target = QString()) {
    script.answerDialog([=, this](QDialog&) {
      exitDialog.quantityEdit()->setText(quantity);
      exitDialog.Edit2Change();
      if (!value.isNull()) exitDialog.valueEdit()->setText(value);
      if (!target.isNull()) exitDialog.targetBox()->setCurrentText(target);
      exitDialog.B11Click();
      return exitDialog.result() == QDialog::Accepted;
    });
  }
  static QString balloon() { return ui::Balloon::current() ? ui::Balloon::current()->message() : QString(); }
  QStringList shownProducts() {
    QStringList out;
    for (const CardRow& row : window->card().rows()) out << row.product + "@" + row.unit;
    return out;
  }

  ui::ScriptedInteraction script;
  ExitDialog exitDialog;
  TargetChooser chooser;
  std::unique_ptr<MovementsWindow> window;
};

TEST_F(MovementsWindowTest, ArrowKeysWalkFromAPrefixThroughTheUnitsProducts) {
  ledger(1, "01.03.2006", "A", "CEAPA", "2", "2", "0", "0");
  ledger(2, "01.03.2006", "A", "CEAI", "1", "1", "0", "0");
  ledger(3, "01.03.2006", "A", "ZAHAR", "1", "1", "0", "0");
  open([&] {
    EXPECT_EQ(window->unitBox()->currentText(), "A");
    type("CE");
    EXPECT_TRUE(window->card().cardEmpty());
    // The keys go where the user's keys go: to the box, which has the focus.
    QComboBox* box = window->productBox();
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(window->productBox()->currentText(), "CEAI");
    EXPECT_EQ(shownProducts(), QStringList{"CEAI@A"});
    EXPECT_EQ(window->productLabel()->text(), "PRODUSUL : CEAI");
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(shownProducts(), QStringList{"CEAPA@A"});
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(shownProducts(), QStringList{"CEAI@A"});
    QTest::keyClick(box, Qt::Key_Up);  // at the first product it stays
    EXPECT_EQ(window->productBox()->currentText(), "CEAI");
    // The drop-down lists the unit's products; choosing one shows its card.
    QStringList listed;
    for (int i = 0; i < box->count(); ++i) listed << box->itemText(i);
    EXPECT_EQ(listed, (QStringList{"CEAI", "CEAPA", "ZAHAR"}));
    box->setCurrentIndex(2);
    EXPECT_EQ(shownProducts(), QStringList{"ZAHAR@A"});
  });
}

TEST_F(MovementsWindowTest, SwitchingUnitsKeepsTheProductAndTheGridShowsTheBands) {
  ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0");
  ledger(2, "01.03.2006", "B", "CEAI", "0", "0", "3", "6");
  open([&] {
    type("CEAI");
    window->unitBox()->setCurrentText("B");
    EXPECT_EQ(shownProducts(), QStringList{"CEAI@B"});
    ui::DataGrid* grid = window->grid();
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 9)->text(), "-6.00");
    EXPECT_EQ(grid->bandTitle(8), "STOC FINAL");
    EXPECT_EQ(grid->bandTitle(2), "STOC INITIAL");
  });
}

// A character no product can hold is named in a balloon, not searched for
// (the script takes no error box); the comma-below letters are searched as
// the stored cedilla letters.
TEST_F(MovementsWindowTest, ProductBoxNamesACharacterTheTablesCannotHold) {
  ledger(1, "01.03.2006", "A", QString::fromUtf8("ŞURUB"), "10", "25", "0", "0");
  open([&] {
    type(QString::fromUtf8("ŞURUB Ω"));
    EXPECT_EQ(balloon(),
              QString::fromUtf8("Caracterul 'Ω' (U+03A9) nu poate fi memorat. Folositi doar litere romanesti sau latine!"));
    type(QString::fromUtf8("ȘURUB"));
    EXPECT_EQ(window->grid()->rowCount(), 1);
  });
}

// "Listeaza Fisa" without a card gives its balloon; with one it fills the four
// captions and previews the card's rows with their stocks and totals.
TEST_F(MovementsWindowTest, ListeazaFisaPrintsTheCard) {
  reports::TLISTARI listari;
  window->attachPrintout(listari, [] { return QString("SCOALA NR. 1"); });
  ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0", 1);
  ledger(2, "02.03.2006", "A", "CEAI", "0", "0", "4", "10");
  ledger(3, "03.03.2006", "A", "CEAI", "0", "0", "6", "15");
  QStringList printed;
  open([&] {
    window->button("G3")->click();
    EXPECT_EQ(balloon(), "Alegeti mai intai un produs!");
    type("CEAI");
    window->button("G3")->click();
  }, [&] {
    script.answerPreview([&](QDialog& dialog) {
      printed = dynamic_cast<reports::PreviewWindow&>(dialog).document().texts(0);
    });
  });
  EXPECT_EQ(listari.caption("LFisaProd", "QRLabel18"), "SCOALA NR. 1");
  EXPECT_EQ(listari.caption("LFisaProd", "QRLabel12"), "Gestiunea : A");
  EXPECT_EQ(listari.caption("LFisaProd", "QRLabel19"), QDate::currentDate().toString("dd.MM.yyyy"));
  EXPECT_EQ(listari.caption("LFisaProd", "QRLabel21"), "Produsul : CEAI");
  for (const char* text : {"01.03.2006", "10.00", "6.00", "0.00", "25.00", "15.00", "Produsul : CEAI"})
    EXPECT_TRUE(printed.contains(text)) << text << " in " << printed.join(" | ").toStdString();
}

TEST_F(MovementsWindowTest, ConsumptionThroughTheDialogPostsAndAdvancesTheNumber) {
  ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0", 1);
  open([&] {
    type("CEAI");
    window->ConvexBtn1Click();
    EXPECT_EQ(exitDialog.valueEdit()->text(), "10.00");
    EXPECT_EQ(exitDialog.windowTitle(), "Bon de Consum");
    EXPECT_EQ(window->grid()->rowCount(), 2);
    EXPECT_EQ(window->grid()->item(1, 8)->text(), "6.00");
    EXPECT_EQ(window->grid()->item(1, 9)->text(), "15.00");
  }, [&] {
    answerExit("4");
    script.answerMessage("NU");
  });
  EXPECT_EQ(script.shown().back().text, "Listati bonul de consum?");
  EXPECT_EQ(ledgerRows({"DOCJUS", "CANTOUT", "VALOUT"}).at(1), "DOCJUS=Bon Consum nr.1 CANTOUT=4 VALOUT=10");
  EXPECT_EQ(app::CodExistent("BonConsum"), "2");
}

// DA after a posted voucher previews it; "Listeaza Bon" prints the voucher
// or the note of the selected row and refuses a receipt entry.
TEST_F(MovementsWindowTest, PostedVoucherAndTheCardsRowsPrintTheirDocuments) {
  reports::TLISTARI listari;
  window->attachPrintout(listari, [] { return QString("SCOALA NR. 1"); });
  ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0", 1);
  receiptLine(1, "B", "CAFEA");
  QStringList voucher, note;
  open([&] {
    type("CEAI");
    window->ConvexBtn1Click();
    window->ConvexBtn2Click();
    window->grid()->selectRow(0);
    window->button("ConvexBtn6")->click();
    EXPECT_EQ(balloon(), "Miscarea selectata nu este pe un bon de consum sau pe o nota de transfer!");
    window->grid()->selectRow(2);
    window->button("ConvexBtn6")->click();
  }, [&] {
    answerExit("4");
    script.answerMessage("DA");
    script.answerPreview([&](QDialog& dialog) {
      voucher = dynamic_cast<reports::PreviewWindow&>(dialog).document().texts(0);
    });
    answerExit("2", QString(), "B");
    script.answerMessage("NU");
    script.answerPreview([&](QDialog& dialog) {
      note = dynamic_cast<reports::PreviewWindow&>(dialog).document().texts(0);
    });
  });
  for (const char* text : {"BON DE CONSUM", "Gestiunea: A", "CEAI", "4.00", "2.50", "10.00", "Nr. 1 din "})
    EXPECT_TRUE(voucher.join("|").contains(text)) << text << " in " << voucher.join(" | ").toStdString();
  for (const char* text : {"BON DE PREDARE, TRANSFER, RESTITUIRE", "Gestiunea predatoare: A",
                           "Gestiunea primitoare: B", "2.00", "5.00"})
    EXPECT_TRUE(note.join("|").contains(text)) << text << " in " << note.join(" | ").toStdString();
}

TEST_F(MovementsWindowTest, WholeStockNeedsTheWholeValue) {
  ledger(1, "01.03.2006", "A", "CEAI", "3", "10", "0", "0", 1);
  open([&] {
    type("CEAI");
    window->ConvexBtn1Click();
    EXPECT_TRUE(window->card().rows().back().finalValue == 0);
  }, [&] {
    script.answerDialog([&](QDialog&) {
      EXPECT_EQ(exitDialog.display("Label16")->text(), "3.33");
      exitDialog.quantityEdit()->setText("3");
      exitDialog.Edit2Change();
      EXPECT_EQ(exitDialog.valueEdit()->text(), "9.99");
      exitDialog.B11Click();
      EXPECT_EQ(balloon(), "Valoare incorecta!");
      EXPECT_NE(exitDialog.result(), QDialog::Accepted);
      exitDialog.valueEdit()->setText("10.00");
      exitDialog.B11Click();
      return exitDialog.result() == QDialog::Accepted;
    });
    script.answerMessage("NU");
  });
}

TEST_F(MovementsWindowTest, OldDateAsksAndNoMeansNotSaved) {
  ledger(1, "01.01.2000", "A", "CEAI", "10", "25", "0", "0", 1);
  open([&] {
    type("CEAI");
    window->ConvexBtn1Click();
    window->ConvexBtn1Click();
  }, [&] {
    script.answerDialog([&](QDialog&) {
      exitDialog.datePicker()->setDate(QDate::currentDate().addDays(-31));
      exitDialog.quantityEdit()->setText("1");
      exitDialog.Edit2Change();
      exitDialog.B11Click();  // 31 days back: no question
      EXPECT_EQ(exitDialog.result(), QDialog::Accepted);
      return false;
    });
    script.answerMessage("NU");  // no voucher printed
    script.answerDialog([&](QDialog&) {
      exitDialog.datePicker()->setDate(QDate::currentDate().addDays(-32));
      exitDialog.quantityEdit()->setText("1");
      exitDialog.Edit2Change();
      exitDialog.B11Click();
      return false;
    });
    script.answerMessage("NU");
  });
  ASSERT_EQ(script.shown().size(), 5u);
  EXPECT_EQ(script.shown()[4].what, "message");
  EXPECT_EQ(script.shown()[4].text, "Data e cam veche!\r\nContinuam totusi ?");
  EXPECT_EQ(ledgerRows({"IDGEST"}).size(), 2);  // the exit dated 31 days back only
}

TEST_F(MovementsWindowTest, NoStockRefusesBothExits) {
  ledger(1, "01.03.2006", "A", "CEAI", "1", "1", "0", "0", 1);
  ledger(2, "02.03.2006", "A", "CEAI", "0", "0", "1", "1");
  open([&] {
    type("CEAI");
    window->ConvexBtn1Click();
    EXPECT_EQ(balloon(), "Nu aveti ce da pe consum! Stocul este 0.00.");
    window->ConvexBtn2Click();
    EXPECT_EQ(balloon(), "Nu aveti ce transfera! Stocul este 0.00.");
    type("");
    window->ConvexBtn1Click();
    EXPECT_EQ(balloon(), "Alegeti mai intai un produs!");
    window->ConvexBtn4Click();
    EXPECT_EQ(balloon(), "Nu aveti ce sterge !");
  });
}

TEST_F(MovementsWindowTest, TransferThenDeleteFromTheTargetAndReceiptEntriesStay) {
  ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0", 1);
  ledger(2, "01.03.2006", "B", "CAFEA", "1", "1", "0", "0", 2);
  receiptLine(1, "A", "CEAI");
  receiptLine(2, "B", "CAFEA");
  app::SetCod("IDGEST", "10");
  open([&] {
    type("CEAI");
    window->grid()->selectRow(0);
    window->ConvexBtn4Click();
    EXPECT_EQ(balloon(), "Operatiunea aceasta se sterge din Nota de Receptie!");
    window->ConvexBtn2Click();
    EXPECT_EQ(exitDialog.windowTitle(), "Bon de Transfer");
    EXPECT_EQ(ledgerRows({"IDGEST", "GESTIUNE", "EXPLIC"}).at(3), "IDGEST=11 GESTIUNE=B EXPLIC=Transfer de la A.");
    window->unitBox()->setCurrentText("B");
    EXPECT_EQ(shownProducts(), QStringList{"CEAI@B"});
    window->ConvexBtn4Click();
    EXPECT_TRUE(window->card().cardEmpty());
  }, [&] {
    answerExit("6", "15.00", "B");
    script.answerMessage("NU");  // "Listati nota de transfer?"
    script.answerMessage("DA");
  });
  EXPECT_EQ(script.shown().back().text, "Doriti sa stergeti Nota de Transfer nr.1?");
  EXPECT_EQ(ledgerRows({"IDGEST"}), (QStringList{"IDGEST=1", "IDGEST=2"}));
}

TEST_F(MovementsWindowTest, MutaFisaMovesTheCardToTheChosenUnit) {
  ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0", 1);
  ledger(2, "01.03.2006", "B", "CAFEA", "1", "1", "0", "0", 2);
  receiptLine(1, "A", "CEAI");
  receiptLine(2, "B", "CAFEA");
  open([&] {
    type("CEAI");
    window->ConvexBtn5Click();
    EXPECT_TRUE(window->card().cardEmpty());
    window->unitBox()->setCurrentText("B");
    EXPECT_EQ(shownProducts(), QStringList{"CEAI@B"});
  }, [&] {
    script.answerDialog([&](QDialog&) {
      EXPECT_EQ(chooser.list()->count(), 1);
      chooser.BitBtn1Click();
      return true;
    });
  });
}

// No other unit holds receipt lines: the chooser's list is empty and the
// move is refused, the card staying where it is.
TEST_F(MovementsWindowTest, MutaFisaWithoutATargetIsRefused) {
  ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0", 1);
  ledger(2, "01.03.2006", "B", "CAFEA", "1", "1", "0", "0", 2);
  receiptLine(1, "A", "CEAI");
  open([&] {
    type("CEAI");
    window->ConvexBtn5Click();
    EXPECT_EQ(shownProducts(), QStringList{"CEAI@A"});
  }, [&] {
    script.answerDialog([&](QDialog&) {
      EXPECT_EQ(chooser.list()->count(), 0);
      chooser.BitBtn1Click();
      EXPECT_EQ(balloon(), "Alegeti un Beneficiar!");
      return false;
    });
  });
  EXPECT_EQ(ledgerRows({"GESTIUNE"}), (QStringList{"GESTIUNE=A", "GESTIUNE=B"}));
}

TEST_F(MovementsWindowTest, OnlyOneUnitRefusesTheMove) {
  ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0", 1);
  open([&] {
    type("CEAI");
    window->ConvexBtn5Click();
    EXPECT_EQ(balloon(), "Nu aveti decat o gestiune!");
  });
}

TEST_F(MovementsWindowTest, AFailedTransferSaysNothingWasSaved) {
  ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0", 1);
  receiptLine(1, "B", "CAFEA");
  app::SetCod("IDGEST", "2147483646");
  open([&] {
    type("CEAI");
    window->ConvexBtn2Click();
    EXPECT_EQ(window->grid()->rowCount(), 1);
  }, [&] {
    answerExit("1", QString(), "B");
    script.expectErrorBox();
  });
  EXPECT_TRUE(script.shown().back().text.startsWith(QString(ui::kCouldNotFinish) + " " + app::kNothingSaved));
  EXPECT_EQ(ledgerRows({"IDGEST"}), QStringList{"IDGEST=1"});
  // Nothing was saved, so neither the transfer number nor the identifier moved.
  EXPECT_EQ(app::CodExistent("TRANSFER"), "1");
  EXPECT_EQ(app::CodExistent("IDGEST"), "2147483646");
}

TEST(ShellMovementsTest, FiseMiscariOpensTheMovementsWindow) {
  QTemporaryDir home;
  qputenv("VARNELA_HOME", home.path().toUtf8());
  ui::ScriptedInteraction script;
  {
    app::Shell shell;
    shell.openStore();
    store::Query sx(shell.database());
    store::CreazaBaze(sx, app::dataFolder());
    shell.admin().setUnlocked(true);
    QString caption;
    script.answerDialog([&](QDialog& dialog) {
      caption = dialog.windowTitle();
      return false;
    });
    shell.mainWindow().button("ToolButton6")->click();
    EXPECT_EQ(caption, "MISCARI");
    EXPECT_FALSE(QFile::exists(app::programFolder() + "/GesT.dbf"));
  }
  EXPECT_TRUE(script.finished()) << script.failures().join("; ").toStdString();
  qunsetenv("VARNELA_HOME");
}

}  // namespace
}  // namespace movements::testing

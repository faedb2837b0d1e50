// The administrator lock: unlocking, locking, the prompt, closing.
#include <QTest>
#include <QTimer>

#include "admin/password.h"
#include "app/shell.h"
#include "shell_fixture.h"

namespace app::testing {
namespace {

class UnlockTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    shell = std::make_unique<Shell>();
    shell->mainWindow().show();
    shell->mainWindow().activateWindow();  // shortcuts work in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shell->mainWindow()));
  }
  MainWindow& main() { return shell->mainWindow(); }
  bool unlocked() { return main().button("ToolButton12")->isEnabled(); }
  void pressAdmin() { main().button("ToolButton2")->click(); }
  std::unique_ptr<Shell> shell;
};

TEST_F(UnlockTest, NoPasswordEmptyEntryUnlocksThenOpensTheWindow) {
  script.answerText(QString());
  pressAdmin();
  EXPECT_TRUE(unlocked());
  for (const char* name : {"ToolButton6", "ToolButton7", "ToolButton4"}) EXPECT_TRUE(main().button(name)->isEnabled());
  EXPECT_TRUE(main().adminShowsUnlockedPicture());
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].kind, "IDENTIFICARE ADMIN");
  EXPECT_EQ(script.shown()[0].text, "PAROLA :");
  script.answerDialog([](QDialog& dialog) { return dialog.objectName() == "TForm4"; });
  pressAdmin();
  EXPECT_EQ(script.shown().back().what, "runDialog");
}

TEST_F(UnlockTest, SetPasswordRefusesEmptyAndWrongEntries) {
  Scrie_Reg("Erori", admin::CodeazaStr("abc"));
  for (const char* typed : {"", "ABC", "abcd"}) {
    script.answerText(QString(typed));
    script.answerMessage("OK");
    pressAdmin();
    EXPECT_FALSE(unlocked()) << typed;
    EXPECT_EQ(script.shown().back().text, "PAROLA INCORECTA !");
    EXPECT_EQ(script.shown().back().kind, "Error");
  }
  script.answerText(QString("abc"));
  QTest::keyClick(&main(), Qt::Key_F10);  // F10 is " Admin"
  EXPECT_TRUE(unlocked());
}

TEST_F(UnlockTest, CancelChangesNothingAndClearingLocksAgain) {
  script.answerText(std::nullopt);
  pressAdmin();
  EXPECT_FALSE(unlocked());
  EXPECT_EQ(script.shown().size(), 1u);
  shell->admin().setUnlocked(true);
  EXPECT_TRUE(unlocked());
  shell->admin().checkBox1()->click();
  EXPECT_FALSE(unlocked());
  EXPECT_FALSE(main().adminShowsUnlockedPicture());
}

TEST_F(UnlockTest, ClosingAsksAndOnlyDaCloses) {
  for (const char* answer : {"NU", "RENUNT"}) {
    script.answerMessage(answer);
    QTest::keyClick(&main(), Qt::Key_Escape);
    EXPECT_TRUE(main().isVisible()) << answer;
    ASSERT_FALSE(script.shown().empty());
    EXPECT_EQ(script.shown().back().text, "Vreti sa inchideti programul?");
    EXPECT_EQ(script.shown().back().kind, "Confirmation");
    EXPECT_EQ(script.shown().back().buttons, 1);
  }
  script.answerMessage("DA");
  main().button("ToolButton1")->click();
  EXPECT_FALSE(main().isVisible());
}

// After a restore the program ends without the closing question, whatever
// windows are open.
TEST_F(UnlockTest, EndAfterRestoreAsksNothing) {
  QTimer::singleShot(0, &Shell::endAfterRestore);
  QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // the program kept running
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(script.shown().empty()) << script.shown().front().text.toStdString();
}

TEST_F(UnlockTest, ReportsMenuHoldsEightItemsInOrder) {
  QStringList captions;
  for (QAction* action : main().reportsMenu()->actions()) captions << action->text();
  EXPECT_EQ(captions, QStringList({"Inventar", "Intrari - Iesiri", "-------------------------------------",
                                   "Centralizator Note de Receptie", "Obiecte de Inventar", "Raport Lunar Varnela",
                                   "Raport Valoric Cumulativ", "Lista de inventariere"}));
  QStringList tips;
  for (const char* name : {"ToolButton12", "ToolButton6", "ToolButton7", "ToolButton2", "ToolButton4", "ToolButton1"})
    tips << main().button(name)->text() + "|" + main().button(name)->toolTip();
  EXPECT_EQ(tips, QStringList({"Receptii|Note de Receptie.", "Fise.Miscari|Fise produse. Iesiri si transferuri.",
                               "Rapoarte|Rapoarte.", " Admin|Administrare program.",
                               "Salvare|Salvare - Restaurare baza de date.", " Iesire|Inchide program."}));
}

}  // namespace
}  // namespace app::testing

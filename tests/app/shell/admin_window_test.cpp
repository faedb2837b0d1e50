// The administrator window: settings and the password change.
#include <QPushButton>
#include <QTest>

#include "admin/password.h"
#include "admin/admin_window.h"
#include "admin/password_prompt.h"
#include "shell_fixture.h"
#include "ui/balloon.h"

namespace app::testing {
namespace {

class AdminWindowTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    QDir().mkpath(dataFolder());
  }
  admin::AdminWindow admin;
};

TEST_F(AdminWindowTest, DifferentPasswordsGiveTheBalloonAndABeep) {
  admin.show();
  admin.edit2()->setText("abc");
  admin.edit3()->setText("abd");
  admin.edit2()->setFocus();
  admin.BitBtn1Click();
  ui::Balloon* balloon = ui::Balloon::current();
  ASSERT_NE(balloon, nullptr);
  EXPECT_EQ(balloon->title(), "Problema !");
  EXPECT_EQ(balloon->message(), "Nu ati scris parola noua la fel in cele doua casute !");
  EXPECT_EQ(script.beeps(), 1);
  EXPECT_EQ(Citeste_Reg("Erori"), "");
}

TEST_F(AdminWindowTest, SamePasswordIsStoredScrambled) {
  admin.edit2()->setText("abc");
  admin.edit3()->setText("abc");
  script.answerMessage("OK");
  admin.BitBtn1Click();
  EXPECT_EQ(Citeste_Reg("Erori"), admin::CodeazaStr("abc"));
  EXPECT_EQ(script.shown().back().text, "Parola a fost schimbata cu succes!");
  EXPECT_EQ(script.shown().back().kind, "Information");
  EXPECT_TRUE(admin.edit2()->text().isEmpty());
  EXPECT_TRUE(admin.edit3()->text().isEmpty());
}

// Enter walks the fields to the button; only Enter on the button changes the password.
TEST_F(AdminWindowTest, EnterWalksToTheButtonWhichEnterPresses) {
  admin.show();
  admin.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&admin));
  admin.edit2()->setFocus();
  QTest::keyClicks(admin.edit2(), "abc");
  QTest::keyClick(admin.edit2(), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), admin.edit3());
  QTest::keyClicks(admin.edit3(), "abc");
  QTest::keyClick(admin.edit3(), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), admin.bitBtn1());
  EXPECT_TRUE(script.shown().empty());
  script.answerMessage("OK");
  QTest::keyClick(admin.bitBtn1(), Qt::Key_Return);
  EXPECT_EQ(Citeste_Reg("Erori"), admin::CodeazaStr("abc"));
}

TEST(PasswordPromptTest, EnterMovesToOkAndASecondEnterAccepts) {
  admin::PasswordPrompt prompt;
  prompt.prepare("IDENTIFICARE ADMIN", "PAROLA :");
  prompt.show();
  prompt.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&prompt));
  prompt.field()->setFocus();
  QTest::keyClicks(prompt.field(), "secret");
  QTest::keyClick(prompt.field(), Qt::Key_Return);
  auto* ok = prompt.findChild<QPushButton*>("BitBtn1");
  EXPECT_EQ(QApplication::focusWidget(), ok);
  EXPECT_TRUE(prompt.isVisible());
  QTest::keyClick(ok, Qt::Key_Return);
  EXPECT_FALSE(prompt.isVisible());
  EXPECT_EQ(prompt.result(), QDialog::Accepted);
  EXPECT_EQ(prompt.typed(), "secret");
}

TEST_F(AdminWindowTest, EmptyPasswordsSwitchThePasswordOffOnlyWithDa) {
  Scrie_Reg("Erori", admin::CodeazaStr("abc"));
  script.answerMessage("NU");
  admin.BitBtn1Click();
  EXPECT_EQ(Citeste_Reg("Erori"), admin::CodeazaStr("abc"));
  EXPECT_EQ(script.shown().back().text, QString(24, ' ') + "ATENTIE !\r\nDoriti sa dezactivati parola ?");
  EXPECT_EQ(script.shown().back().kind, "Warning");
  script.answerMessage("DA");
  admin.BitBtn1Click();
  EXPECT_EQ(Citeste_Reg("Erori"), "");
}

TEST_F(AdminWindowTest, SettingsAreSavedOnCloseAndEmptyOnesAreNotLoaded) {
  admin.edit1()->setText(QString::fromUtf8("Şcoala nr. 5"));
  admin.edit7()->setText("");
  admin.show();
  QTest::keyClick(&admin, Qt::Key_Escape);
  EXPECT_EQ(CitesteStr_din_Ini("SETARI", "DENUMIRE"), QString::fromUtf8("Şcoala nr. 5"));
  EXPECT_EQ(CitesteStr_din_Ini("SETARI", "DENUMREC"), "");
  admin::AdminWindow next;
  next.IncarcaConstante();
  EXPECT_EQ(next.institution(), QString::fromUtf8("Şcoala nr. 5"));
  EXPECT_EQ(next.receiptAbbreviation(), "N.I.R.");
}

// A character the INI file cannot hold keeps the window open on its field;
// the comma-below letters are saved as the cedilla letters.
TEST_F(AdminWindowTest, SettingsTheIniCannotHoldKeepTheWindowOpen) {
  admin.edit1()->setText(QString::fromUtf8("Școala Ω"));
  admin.show();
  QTest::keyClick(&admin, Qt::Key_Escape);
  EXPECT_TRUE(admin.isVisible());
  ASSERT_NE(ui::Balloon::current(), nullptr);
  EXPECT_EQ(ui::Balloon::current()->message(),
            QString::fromUtf8("Caracterul 'Ω' (U+03A9) nu poate fi memorat. "
                              "Folositi doar litere romanesti sau latine!"));
  EXPECT_EQ(CitesteStr_din_Ini("SETARI", "DENUMIRE"), "");
  admin.edit1()->setText(QString::fromUtf8("Școala"));
  QTest::keyClick(&admin, Qt::Key_Escape);
  EXPECT_FALSE(admin.isVisible());
  EXPECT_EQ(CitesteStr_din_Ini("SETARI", "DENUMIRE"), QString::fromUtf8("Şcoala"));
}

}  // namespace
}  // namespace app::testing

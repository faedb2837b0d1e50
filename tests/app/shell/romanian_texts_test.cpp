// The program's translation of Qt's own texts, and the comma-below letters
// typed into any edit box.
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/windows/code_page_letters.h"
#include "app/windows/romanian_texts.h"

namespace app::testing {
namespace {

class RomanianTextsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(installRomanianTexts()); }
};

TEST_F(RomanianTextsTest, StandardButtonsAndTheSaveDialogSpeakRomanian) {
  QInputDialog box;  // the RECTIFICARE box
  box.show();         // its buttons are made when it is first shown
  auto* buttons = box.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QStringList texts;
  for (QAbstractButton* button : buttons->buttons()) texts << button->text().remove('&');
  texts.sort();
  EXPECT_EQ(texts, (QStringList{"OK", "Renunt"}));

  // The save-file dialog's and the printer set-up's texts, by Qt's own contexts.
  struct Text {
    const char* context;
    const char* english;
    const char* romanian;
  };
  for (const Text& t :
       {Text{"QFileDialog", "Look in:", "Cauta in:"}, Text{"QFileDialog", "File &name:", "&Nume fisier:"},
        Text{"QFileDialog", "&Save", "&Salveaza"}, Text{"QPrintWidget", "Printer", "Imprimanta"},
        Text{"QPrintDialog", "&Print", "&Tipareste"}})
    EXPECT_EQ(QCoreApplication::translate(t.context, t.english), t.romanian) << t.english;
}

TEST(CodePageLettersTest, TypedCommaBelowLettersBecomeTheCedillaLetters) {
  CodePageLetters letters;
  QCoreApplication::instance()->installEventFilter(&letters);
  QLineEdit edit;
  for (QChar c : QString::fromUtf8("Școală, țară: ȘȚ şţ ă"))
    QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  EXPECT_EQ(edit.text(), QString::fromUtf8("Şcoală, ţară: ŞŢ şţ ă"));
  QCoreApplication::instance()->removeEventFilter(&letters);
}

}  // namespace
}  // namespace app::testing

// The receipt notes window in the program: "Receptii" opens it.
#include <QToolButton>

#include "app/shell.h"
#include "window_fixture.h"

namespace receipts::testing {
namespace {

class ShellReceiptsTest : public DataFolderFixture {
 protected:
  ui::ScriptedInteraction script;
};

TEST_F(ShellReceiptsTest, ReceptiiOpensTheReceiptNotesWindow) {
  app::Shell shell;
  shell.openStore();
  shell.admin().setUnlocked(true);
  QString caption;
  script.answerDialog([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    EXPECT_TRUE(shell.receiptNotes().notes().isOpen());
    return false;
  });
  shell.mainWindow().button("ToolButton12")->click();
  EXPECT_EQ(caption, "Note de Receptie");
  EXPECT_FALSE(shell.receiptNotes().notes().isOpen());  // closed with the window
  EXPECT_TRUE(script.finished()) << script.failures().join("; ").toStdString();
}

}  // namespace
}  // namespace receipts::testing

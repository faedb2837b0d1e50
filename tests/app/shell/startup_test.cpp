// The whole program started offscreen on an empty program folder.
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "app/shell.h"
#include "shell_fixture.h"
#include "store/mdx/mdx_file.h"

namespace app::testing {
namespace {

class StartupTest : public ShellFixture {
 protected:
  // Shows the splash and waits for the start-up tick to finish.
  void start(Shell& shell) {
    shell.splash().show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return shell.mainWindow().isVisible(); }, 10000));
  }
  std::vector<std::string> tags(const QString& table) {
    store::journal::Journal journal(dataFolder());
    return store::mdx::MdxFile(journal, dataFolder() + "/" + table + ".mdx").tagNames();
  }
};

TEST_F(StartupTest, FirstStartCreatesEverything) {
  Shell shell;
  start(shell);
  for (const char* table : {"CapNote.dbf", "Note.dbf", "Gestiuni.dbf"}) {
    EXPECT_TRUE(QFileInfo::exists(dataFolder() + "/" + table)) << table;
    EXPECT_EQ(shell.database().image(dataFolder() + "/" + table).rowCount(), 0u) << table;
  }
  EXPECT_FALSE(QFileInfo::exists(dataFolder() + "/CapNote.mdx"));
  EXPECT_EQ(tags("Note"), (std::vector<std::string>{"IDNOTA", "IDCAP"}));
  EXPECT_EQ(tags("Gestiuni"), (std::vector<std::string>{"IDNOTA", "IDCAP", "IDGEST"}));
  EXPECT_EQ(CitesteStr_din_Ini("CONST", "DEBUG"), "0");
  EXPECT_EQ(Citeste_Reg("CALE"), QDir::toNativeSeparators(home.path()));
  EXPECT_EQ(Citeste_Reg("VER"), "Varnela 2.25");
  EXPECT_FALSE(shell.splash().isVisible());
  EXPECT_EQ(shell.splash().status(), "Refac bazele de date ...");
  EXPECT_EQ(shell.splash().barWidth(), 217);
  EXPECT_EQ(shell.mainWindow().windowTitle(), "Varnela 2.25");
  for (const char* name : {"ToolButton12", "ToolButton6", "ToolButton7", "ToolButton4"})
    EXPECT_FALSE(shell.mainWindow().button(name)->isEnabled()) << name;
  for (const char* name : {"ToolButton2", "ToolButton1"}) EXPECT_TRUE(shell.mainWindow().button(name)->isEnabled());
}

TEST_F(StartupTest, EveryReportsMenuItemOpensItsWindow) {
  Shell shell;
  start(shell);
  const std::pair<const char*, const char*> items[] = {
      {"Inventar1", "TForm26"},           {"IntrariIesiri1", "TForm6"},
      {"CentralizatorNotedeReceptie1", "TForm7"}, {"Raportlunarvarnela1", "TForm8"},
      {"RaportValoricCumulativ1", "TForm9"},      {"Obiectedeinventar1", "TForm10"}};
  for (const auto& [item, window] : items) {
    script.answerDialog([](QDialog&) { return false; });
    auto* action = shell.mainWindow().findChild<QAction*>(item);
    ASSERT_TRUE(action) << item;
    action->trigger();
    ASSERT_FALSE(script.shown().empty()) << item;
    EXPECT_EQ(script.shown().back().what, "runDialog") << item;
    EXPECT_EQ(script.shown().back().text, window) << item;
  }
  // The temporary tables of the windows that made one are gone again.
  for (const char* scratch : {"Obi.dbf", "R1.dbf", "R2.dbf", "RVC.dbf", "RVC2.dbf"})
    EXPECT_FALSE(QFileInfo::exists(home.filePath(scratch))) << scratch;
}

TEST_F(StartupTest, DebugOtherThanOneBecomesZero) {
  QDir().mkpath(dataFolder());
  for (const char* stored : {"2", "yes", "", "1"}) {
    ScrieStr_in_Ini("CONST", "DEBUG", stored);
    Shell shell;
    start(shell);
    EXPECT_EQ(CitesteStr_din_Ini("CONST", "DEBUG"), QString(stored) == "1" ? "1" : "0") << stored;
  }
}

TEST_F(StartupTest, RowsSurviveAndAMissingTableIsRecreated) {
  {
    Shell shell;
    start(shell);
    shell.database().execute("INSERT INTO \"" + dataFolder() + "/Gestiuni.dbf\" (IDGEST, PRODUS) VALUES (1, \"PIX\")");
  }
  QFile::remove(dataFolder() + "/Note.dbf");
  QFile::remove(dataFolder() + "/Note.mdx");
  Shell shell;
  start(shell);
  EXPECT_EQ(shell.database().image(dataFolder() + "/Gestiuni.dbf").rowCount(), 1u);
  EXPECT_EQ(tags("Note"), (std::vector<std::string>{"IDNOTA", "IDCAP"}));
}

// A Data folder that cannot be written: the INI file and the store each
// report it by path, and the main window still shows, locked.
TEST_F(StartupTest, UnwritableDataFolderIsReportedAndTheMainWindowShows) {
  QFile blocker(home.filePath("Data"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
  blocker.close();
  script.expectErrorBox();
  script.expectErrorBox();
  Shell shell;
  start(shell);
  ASSERT_EQ(script.shown().size(), 2u);
  for (const auto& shown : script.shown()) EXPECT_TRUE(shown.text.contains("Data")) << shown.text.toStdString();
  EXPECT_FALSE(shell.mainWindow().button("ToolButton12")->isEnabled());
}

// A table whose header counts fewer records than it holds is refused by
// name and left byte for byte; the other tables are still rebuilt.
TEST_F(StartupTest, DamagedTableIsRefusedAndTheOthersAreRebuilt) {
  {
    Shell shell;
    start(shell);
    for (int id = 1; id <= 3; ++id)
      shell.database().execute("INSERT INTO \"" + dataFolder() + "/Gestiuni.dbf\" (IDGEST) VALUES (" +
                               QString::number(id) + ")");
    shell.database().execute("DELETE FROM \"" + dataFolder() + "/Gestiuni.dbf\" WHERE IDGEST=1");
  }
  QFile file(dataFolder() + "/Gestiuni.dbf");
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.seek(4));
  ASSERT_EQ(file.write(QByteArray("\x02\x00\x00\x00", 4)), 4);
  file.close();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();
  QFile::remove(dataFolder() + "/Note.mdx");
  script.expectErrorBox();
  script.expectErrorBox();  // the index removal and the pack each refuse it
  Shell shell;
  start(shell);
  for (const auto& shown : script.shown())
    EXPECT_TRUE(shown.text.contains("Gestiuni.dbf: the header counts 2 records but the file holds 3"))
        << shown.text.toStdString();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
  EXPECT_EQ(tags("Note"), (std::vector<std::string>{"IDNOTA", "IDCAP"}));
}

// A restore stopped before it moved the ledger into Data: the start
// finishes it and says so before it would create the missing table empty.
TEST_F(StartupTest, InterruptedRestoreIsFinishedBeforeMissingTablesAreCreated) {
  {
    Shell shell;
    start(shell);
    shell.database().execute("INSERT INTO \"" + dataFolder() + "/Gestiuni.dbf\" (IDGEST, PRODUS) VALUES (1, \"PIX\")");
  }
  const QString staging = home.filePath("restaurare-test01");
  QDir().mkpath(staging + "/Data");
  ASSERT_TRUE(QFile::rename(dataFolder() + "/Gestiuni.dbf", staging + "/Data/Gestiuni.dbf"));
  QFile plan(staging + "/restaurare.plan");
  ASSERT_TRUE(plan.open(QIODevice::WriteOnly));
  plan.write("restaurare-test01/Data/Gestiuni.dbf\tData/Gestiuni.dbf\n");
  plan.close();
  script.answerMessage("OK");
  Shell shell;
  start(shell);
  ASSERT_FALSE(script.shown().empty());
  EXPECT_EQ(script.shown().front().text, "O restaurare intrerupta a fost terminata acum: in Data sunt datele restaurate.");
  EXPECT_EQ(shell.database().image(dataFolder() + "/Gestiuni.dbf").rowCount(), 1u);
  EXPECT_FALSE(QFileInfo::exists(staging));
}

// A registry file that cannot be written is reported, and the data store
// still opens with its tables.
TEST_F(StartupTest, UnwritableRegistryLeavesTheDataStoreOpen) {
  QFile blocker(home.filePath("blocked"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the registry's folder should be
  blocker.close();
  setRegistryFile(home.filePath("blocked/registry.ini"));
  script.expectErrorBox();
  Shell shell;
  start(shell);
  ASSERT_FALSE(script.shown().empty());
  EXPECT_TRUE(script.shown().front().text.contains("blocked")) << script.shown().front().text.toStdString();
  EXPECT_EQ(shell.database().image(dataFolder() + "/Gestiuni.dbf").rowCount(), 0u);
  EXPECT_EQ(tags("Gestiuni"), (std::vector<std::string>{"IDNOTA", "IDCAP", "IDGEST"}));
}

}  // namespace
}  // namespace app::testing

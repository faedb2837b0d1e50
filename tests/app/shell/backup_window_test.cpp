// The backup window's questions, messages and the end of the program after a
// restore.
#include <QFile>

#include "admin/backup_window.h"
#include "app/windows/progress_counter.h"
#include "shell_fixture.h"

namespace app::testing {
namespace {

class BackupWindowTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    QDir().mkpath(dataFolder());
    write(dataFolder() + "/Gestiuni.dbf", "ledger");
    archive = home.filePath("salvare.vrz");
  }
  static void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  static QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  ProgressCounter counter;
  int ended = 0;
  admin::BackupWindow window{counter, [this] { ++ended; }};
  QString archive;
};

TEST_F(BackupWindowTest, BackupThenRestoreEndsTheProgram) {
  script.answerSaveFile(home.filePath("salvare"));  // typed without extension
  script.answerMessage("OK");
  window.BitBtn1Click();
  EXPECT_EQ(script.shown().back().text, "Salvare incheiata cu succes !");
  EXPECT_EQ(script.shown()[0].text, "Unde salvam arhiva ?");
  ASSERT_TRUE(QFile::exists(archive));
  EXPECT_TRUE(counter.isHidden());
  EXPECT_TRUE(window.isEnabled());

  write(dataFolder() + "/Gestiuni.dbf", "changed");
  script.answerOpenFile(archive);
  script.answerMessage("OK");
  window.BitBtn2Click();
  EXPECT_EQ(script.shown().back().text, "Restaurare incheiata cu succes !\r\nPorniti din nou programul!");
  EXPECT_EQ(read(dataFolder() + "/Gestiuni.dbf"), "ledger");
  EXPECT_EQ(ended, 1);
}

TEST_F(BackupWindowTest, ReplacingAnArchiveAsksFirst) {
  write(archive, "old archive");
  script.answerSaveFile(archive);
  script.answerMessage("NU");
  window.BitBtn1Click();
  EXPECT_EQ(script.shown().back().text, "Vreti sa inlocuiti salvarea " + QDir::toNativeSeparators(archive) + "?");
  EXPECT_EQ(script.shown().back().kind, "Warning");
  EXPECT_EQ(read(archive), "old archive");
  script.answerSaveFile(QString());  // cancelled: nothing at all
  window.BitBtn1Click();
}

// A backup into the Data folder, or a folder below it, is refused before
// anything is written.
TEST_F(BackupWindowTest, BackupInsideTheDataFolderIsRefused) {
  QDir().mkpath(dataFolder() + "/sub");
  for (const QString& target : {dataFolder() + "/salvare.vrz", dataFolder() + "/sub/../sub/salvare"}) {
    script.answerSaveFile(target);
    script.answerMessage("OK");
    window.BitBtn1Click();
    ASSERT_FALSE(script.shown().empty());
    EXPECT_EQ(script.shown().back().text, "Salvarea nu poate fi pusa in folderul Data, pe care il salveaza!\r\n"
                                          "Alegeti alt folder.");
    EXPECT_EQ(script.shown().back().kind, "Error");
  }
  EXPECT_EQ(QDir(dataFolder()).entryList(QDir::Files), QStringList{"Gestiuni.dbf"});
  EXPECT_TRUE(QDir(dataFolder() + "/sub").isEmpty());
}

TEST_F(BackupWindowTest, MissingOrDamagedArchiveChangesNothing) {
  script.answerOpenFile(home.filePath("nu.vrz"));
  script.answerMessage("OK");
  window.BitBtn2Click();
  EXPECT_EQ(script.shown().back().text, "Salvarea " + QDir::toNativeSeparators(home.filePath("nu.vrz")) + " nu exista !");
  EXPECT_EQ(script.shown().back().kind, "Error");
  write(archive, QByteArray::fromHex("01000000 0d000000") + "Data\\X.dbf");
  script.answerOpenFile(archive);
  script.expectErrorBox();
  window.BitBtn2Click();
  EXPECT_TRUE(script.shown().back().text.contains("damaged"));
  EXPECT_EQ(read(dataFolder() + "/Gestiuni.dbf"), "ledger");
  EXPECT_EQ(ended, 0);
  EXPECT_TRUE(window.isEnabled());
}

}  // namespace
}  // namespace app::testing

// Where the program keeps its data: VARNELA_HOME, the executable's folder of
// a program run from its build, or the user's data folder for an installed one.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/settings.h"

namespace {

void touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(ProgramFolder, AnInstallIsRecognisedByItsMenuEntryBesideBin) {
  QTemporaryDir root;
  touch(root.path() + "/usr/share/applications/varnela.desktop");
  QDir().mkpath(root.path() + "/usr/bin");
  QDir().mkpath(root.path() + "/build");
  touch(root.path() + "/opt/share/applications/other.desktop");
  QDir().mkpath(root.path() + "/opt/bin");
  struct Case {
    const char* folder;
    bool installed;
  } cases[] = {{"/usr/bin", true}, {"/build", false}, {"/opt/bin", false}, {"/usr/share", false}};
  for (const Case& c : cases)
    EXPECT_EQ(app::isInstalledProgram(root.path() + c.folder), c.installed) << c.folder;
}

TEST(ProgramFolder, VarnelaHomeWinsAndIsCleaned) {
  QTemporaryDir home;
  qputenv("VARNELA_HOME", (home.path() + "/sub/../prog/").toUtf8());
  EXPECT_EQ(app::programFolder(), home.path() + "/prog");
  EXPECT_EQ(app::dataFolder(), home.path() + "/prog/Data");
  qunsetenv("VARNELA_HOME");
}

}  // namespace

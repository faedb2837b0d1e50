// A program folder and registry file of its own for each shell test, and a
// scripted interaction that must be used up by the end of the test.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/settings.h"
#include "ui/scripted_interaction.h"

namespace app::testing {

class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    qputenv("VARNELA_HOME", home.path().toUtf8());
    setRegistryFile(home.filePath("registry.ini"));
  }
  void TearDown() override {
    EXPECT_TRUE(script.finished()) << script.failures().join("; ").toStdString() << " pending: "
                                   << script.pending().join(", ").toStdString();
    setRegistryFile(QString());
    qunsetenv("VARNELA_HOME");
  }
  QTemporaryDir home;
  ui::ScriptedInteraction script;
};

}  // namespace app::testing

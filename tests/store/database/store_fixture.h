// A temporary Data folder with the permanent tables, for the database tests.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

namespace store::testing {

class StoreFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    data = folder.path() + "/Data";
    QDir().mkpath(data);
    db = std::make_unique<Database>(data);
  }

  // The path as the program writes it into a statement.
  QString table(const QString& name) const { return QDir::toNativeSeparators(data + "/" + name); }

  void createPermanentTables() {
    Query sx(*db);
    CreazaBaze(sx, data);
  }

  std::unique_ptr<sql::ResultSet> run(const QString& text) { return db->execute(text); }

  // Every file of the Data folder with its bytes.
  std::map<QString, QByteArray> snapshot() const {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(data).entryList(QDir::Files)) {
      QFile file(data + "/" + name);
      if (file.open(QIODevice::ReadOnly)) files[name] = file.readAll();
    }
    return files;
  }

  QTemporaryDir folder;
  QString data;
  std::unique_ptr<Database> db;
};

}  // namespace store::testing

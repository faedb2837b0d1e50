// A program folder of its own for each test of a working window's logic:
// the Data folder with the three permanent tables created empty, a Database
// over it, and the rows of a table read back as texts.
#pragma once

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "app/settings.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

namespace test_support {

class DataFolderFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    qputenv("VARNELA_HOME", home.path().toUtf8());
    QDir().mkpath(app::dataFolder());
    database = std::make_unique<store::Database>(app::dataFolder());
    store::Query sx(*database);
    store::CreazaBaze(sx, app::dataFolder());
  }
  void TearDown() override {
    database.reset();
    qunsetenv("VARNELA_HOME");
  }

  // "{Data}" of the statement texts.
  QString data() const { return app::dataFolder(); }

  // Every row of a table as "COLUMN=value" texts of the named columns, in
  // the order of `orderBy`.
  QStringList rows(const QString& table, const QStringList& columns, const QString& orderBy) {
    store::Query q(*database);
    q.add("SELECT " + columns.join(",") + " FROM \"" + data() + "/" + table + "\" ORDER BY " + orderBy);
    q.open();
    QStringList out;
    for (q.rows().first(); !q.rows().eof(); q.rows().next()) {
      QStringList row;
      for (const QString& column : columns) row << column + "=" + q.rows().asText(column.toStdString());
      out << row.join(" ");
    }
    return out;
  }

  QTemporaryDir home;
  std::unique_ptr<store::Database> database;
};

}  // namespace test_support

// A program folder of its own for each receipts test: the Data folder with
// the three permanent tables created empty, a Database over it, and the
// statement texts the receipt logic sends, in order.
#pragma once

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "app/settings.h"
#include "receipts/receipt_notes.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

namespace receipts::testing {

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

// The receipt notes logic over the fixture's Data folder, recording the texts.
class ReceiptNotesFixture : public DataFolderFixture {
 protected:
  void SetUp() override {
    DataFolderFixture::SetUp();
    notes = std::make_unique<ReceiptNotes>(*database, [this] { return abbreviation; });
    notes->sx().setObserver([this](const QString& text) { sent << text; });
    notes->open();
    sent.clear();
  }
  void TearDown() override {
    notes.reset();
    DataFolderFixture::TearDown();
  }

  // The texts sent since the last call.
  QStringList takeSent() {
    QStringList taken = sent;
    sent.clear();
    return taken;
  }

  QString abbreviation = "N.I.R.";
  QStringList sent;
  std::unique_ptr<ReceiptNotes> notes;
};

}  // namespace receipts::testing

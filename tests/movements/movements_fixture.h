// A program folder of its own for each movements test: the permanent tables
// created empty, ledger and receipt-line rows written directly, and the
// stock card over them with the statement texts it sends.
#pragma once

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "app/settings.h"
#include "app/statement_text.h"
#include "movements/stock_card.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

namespace movements::testing {

class MovementsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    qputenv("VARNELA_HOME", home.path().toUtf8());
    QDir().mkpath(app::dataFolder());
    database = std::make_unique<store::Database>(app::dataFolder());
    store::Query sx(*database);
    store::CreazaBaze(sx, app::dataFolder());
    card = std::make_unique<StockCard>(*database);
    card->sx().setObserver([this](const QString& text) { sent << text; });
  }
  void TearDown() override {
    card.reset();
    database.reset();
    qunsetenv("VARNELA_HOME");
  }

  QString data() const { return app::dataFolder(); }

  // One ledger row; `idcap` 1 or more for a receipt entry.
  void ledger(int idgest, const QString& date, const QString& unit, const QString& product, const QString& in,
              const QString& valueIn, const QString& out, const QString& valueOut, int idcap = -1,
              const QString& document = "DOC", const QString& um = "BUC") {
    store::Query q(*database);
    q.sql() = QStringList{"INSERT INTO \"" + data() + "/Gestiuni.dbf\"",
                          "(IDGEST,IDCAP,IDNOTA,DATA,PRODUS,DOCJUS,EXPLIC,CANTIN,VALIN,CANTOUT,VALOUT,GESTIUNE,UM)",
                          "VALUES (" + QString::number(idgest) + "," + QString::number(idcap) + "," +
                              QString::number(idcap) + ",\"" + date + "\"," + app::quoted(product) + "," +
                              app::quoted(document) + ",\"\"," + in + "," + valueIn + "," + out + "," + valueOut +
                              "," + app::quoted(unit) + "," + app::quoted(um) + ")"};
    q.execSQL();
  }
  // One receipt line naming `unit`, as the unit lists of the chooser read them.
  void receiptLine(int idnota, const QString& unit, const QString& product) {
    store::Query q(*database);
    q.sql() = QStringList{"INSERT INTO \"" + data() + "/Note.dbf\" (IDCAP,IDNOTA,PRODUS,GESTIUNE)",
                          "VALUES (1," + QString::number(idnota) + "," + app::quoted(product) + "," +
                              app::quoted(unit) + ")"};
    q.execSQL();
  }

  // Every ledger row as "COLUMN=value" texts of the named columns, by IDGEST.
  QStringList ledgerRows(const QStringList& columns) {
    store::Query q(*database);
    q.add("SELECT " + columns.join(",") + " FROM \"" + data() + "/Gestiuni.dbf\" ORDER BY IDGEST");
    q.open();
    QStringList out;
    for (q.rows().first(); !q.rows().eof(); q.rows().next()) {
      QStringList row;
      for (const QString& column : columns) row << column + "=" + q.rows().asText(column.toStdString());
      out << row.join(" ");
    }
    return out;
  }

  QStringList takeSent() {
    QStringList taken = sent;
    sent.clear();
    return taken;
  }

  QTemporaryDir home;
  std::unique_ptr<store::Database> database;
  std::unique_ptr<StockCard> card;
  QStringList sent;
};

}  // namespace movements::testing

// A program folder of its own for each movements test: the permanent tables
// created empty, ledger and receipt-line rows written directly, and the
// stock card over them with the statement texts it sends.
#pragma once

#include <QStringList>
#include <memory>

#include "app/statement_text.h"
#include "movements/stock_card.h"
#include "support/data_folder_fixture.h"

namespace movements::testing {

class MovementsFixture : public test_support::DataFolderFixture {
 protected:
  void SetUp() override {
    DataFolderFixture::SetUp();
    card = std::make_unique<StockCard>(*database);
    card->sx().setObserver([this](const QString& text) { sent << text; });
  }
  void TearDown() override {
    card.reset();
    DataFolderFixture::TearDown();
  }

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

  QStringList ledgerRows(const QStringList& columns) { return rows("Gestiuni.dbf", columns, "IDGEST"); }

  QStringList takeSent() {
    QStringList taken = sent;
    sent.clear();
    return taken;
  }

  std::unique_ptr<StockCard> card;
  QStringList sent;
};

}  // namespace movements::testing

// The four actions: their statements in order, the rows they leave, one
// transaction each.
#include "ui/error_text.h"
#include "app/counters.h"
#include "movements/movement_actions.h"
#include "movements_fixture.h"
#include "store/error.h"

namespace movements::testing {
namespace {

class MovementActionsTest : public MovementsFixture {
 protected:
  void SetUp() override {
    MovementsFixture::SetUp();
    ledger(1, "01.03.2006", "A", "CEAI", "10", "25", "0", "0", 1, "N.I.R. nr.1");
    app::SetCod("IDGEST", "20");
    card->open();
    card->filterUnit("A");
    card->selectCard("A", "CEAI");
    takeSent();
  }
  ExitEntry exit(const QString& quantity, const QString& value, const QString& name, const QString& number) {
    ExitEntry e;
    e.documentName = name;
    e.number = number;
    e.explanation = "X";
    e.quantity = quantity;
    e.value = value;
    e.target = "B";
    e.date = QDate(2006, 3, 2);
    return e;
  }
  const QStringList columns{"IDGEST", "IDCAP", "IDNOTA", "DATA",   "PRODUS", "DOCJUS",
                            "EXPLIC", "CANTIN", "VALIN", "CANTOUT", "VALOUT", "GESTIUNE"};
};

TEST_F(MovementActionsTest, StockAndAveragePrice) {
  ledger(2, "02.03.2006", "A", "CEAI", "0", "0", "7", "15");
  const CardStock stock = stockOf(card->sx(), "A", "CEAI");  // 3 for 10.00
  EXPECT_EQ(stock.quantity, 30000);
  EXPECT_EQ(stock.value, 100000);
  EXPECT_EQ(stock.price, 33333);
  EXPECT_EQ(stockAt(card->sx(), "A", "CEAI", QDate(2006, 2, 28)), 0);
  EXPECT_EQ(stockAt(card->sx(), "A", "CEAI", QDate(2006, 3, 1)), 100000);
  EXPECT_EQ(stockOf(card->sx(), "A", "NIMIC").price, 0);
}

TEST_F(MovementActionsTest, ConsumptionWritesOneExitAndRebuildsTheCard) {
  postConsumption(*card, card->key(), exit("4", "10.00", "Bon Consum", "15"));
  EXPECT_EQ(takeSent().at(0), "INSERT INTO \"" + data() + "\\Gestiuni.dbf\"\n"
                              "(IDGEST, IDCAP,IDNOTA,DATA, PRODUS, DOCJUS,EXPLIC,\n"
                              "CANTIN,VALIN,CANTOUT,VALOUT,\n"
                              "GESTIUNE,UM )\n"
                              "VALUES (\n20,-1,-1,\n\"02.03.2006\",\n\"CEAI\",\n\"Bon Consum nr.15\",\n\"X\",\n"
                              "0,0,\n4,\n10.00,\n\"A\",\n\"BUC\" )");
  EXPECT_EQ(ledgerRows(columns).at(1),
            "IDGEST=20 IDCAP=-1 IDNOTA=-1 DATA=02.03.2006 PRODUS=CEAI DOCJUS=Bon Consum nr.15 EXPLIC=X CANTIN=0 "
            "VALIN=0 CANTOUT=4 VALOUT=10 GESTIUNE=A");
  ASSERT_EQ(card->rows().size(), 2u);
  EXPECT_EQ(card->rows()[1].finalQuantity, 60000);
  EXPECT_EQ(card->rows()[1].finalValue, 150000);
}

TEST_F(MovementActionsTest, VoucherWithoutNumberHasTheBareName) {
  postConsumption(*card, card->key(), exit("1", "2.50", "Bon Consum", ""));
  EXPECT_EQ(card->rows().back().document, "Bon Consum");
}

TEST_F(MovementActionsTest, TransferWritesTwoLegsWithConsecutiveIdentifiers) {
  postTransfer(*card, card->key(), exit("6", "15.00", "Nota de Transfer", "3"));
  const QStringList sent = takeSent();
  EXPECT_TRUE(sent.at(0).contains("CANTIN,VALIN,CANTOUT,VALOUT,GESTIUNE,UM )\nVALUES (\n20,-1,-1,"));
  EXPECT_TRUE(sent.at(1).contains("\n21,-1,-1,"));
  const QStringList rows = ledgerRows(columns);
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[1], "IDGEST=20 IDCAP=-1 IDNOTA=-1 DATA=02.03.2006 PRODUS=CEAI DOCJUS=Nota de Transfer nr.3 "
                     "EXPLIC=Transfer catre B. X CANTIN=0 VALIN=0 CANTOUT=6 VALOUT=15 GESTIUNE=A");
  EXPECT_EQ(rows[2], "IDGEST=21 IDCAP=-1 IDNOTA=-1 DATA=02.03.2006 PRODUS=CEAI DOCJUS=Nota de Transfer nr.3 "
                     "EXPLIC=Transfer de la A. X CANTIN=6 VALIN=15 CANTOUT=0 VALOUT=0 GESTIUNE=B");
  EXPECT_EQ(card->rows().back().finalQuantity, 40000);
}

// A key handled at the end of a rebuild switches the card to another product
// while the built rows stay those of the first (or none): the actions post
// to the product and unit of measure of the ledger rows, whose stock the
// window checks.
TEST_F(MovementActionsTest, ExitsPostTheLedgerProductNotTheBuiltRows) {
  ledger(2, "01.03.2006", "A", "PIX", "5", "10", "0", "0", 1, "N.I.R. nr.2", "KG");
  for (const char* first : {"CEAI", "NIMIC"}) {
    bool switched = false;
    card->setEventPump([&] {
      if (card->rebuilding() && !switched) {
        switched = true;
        card->selectCard("A", "PIX");  // returns without rebuilding: one rebuild runs already
      }
    });
    card->selectCard("A", first);
    card->setEventPump(nullptr);
    ASSERT_TRUE(switched);
    ASSERT_FALSE(card->cardEmpty()) << first;
    const CardKey key = card->key();
    EXPECT_EQ(key.unit, "A");
    EXPECT_EQ(key.product, "PIX");
    EXPECT_EQ(key.unitOfMeasure, "KG");
    EXPECT_EQ(stockOf(card->sx(), key.unit, key.product).quantity, 50000);
  }
  postTransfer(*card, card->key(), exit("1", "2.00", "Nota de Transfer", "3"));
  postConsumption(*card, card->key(), exit("1", "2.00", "Bon Consum", "4"));
  const QStringList posted = rows("Gestiuni.dbf", {"PRODUS", "UM", "GESTIUNE"}, "IDGEST");
  EXPECT_EQ(posted.mid(2), (QStringList{"PRODUS=PIX UM=KG GESTIUNE=A", "PRODUS=PIX UM=KG GESTIUNE=B",
                                        "PRODUS=PIX UM=KG GESTIUNE=A"}));
}

TEST_F(MovementActionsTest, DeletingEitherLegOfATransferRemovesBoth) {
  postTransfer(*card, card->key(), exit("6", "15.00", "Nota de Transfer", "3"));
  card->filterUnit("B");
  card->selectCard("B", "CEAI");
  ASSERT_EQ(card->rows().size(), 1u);
  card->setCurrent(0);
  EXPECT_FALSE(isReceiptEntry(card->currentRow()));
  takeSent();
  deleteMovement(*card);
  EXPECT_EQ(takeSent().at(0), "DELETE FROM \"" + data() + "\\Gestiuni.dbf\"\nWHERE PRODUS=\"CEAI\"\n"
                              "AND DOCJUS=\"Nota de Transfer nr.3\"\nAND DATA=\"02.03.2006\"");
  EXPECT_EQ(ledgerRows({"IDGEST"}), QStringList{"IDGEST=1"});
  EXPECT_TRUE(card->cardEmpty());
}

TEST_F(MovementActionsTest, ReceiptEntryIsRecognised) {
  card->setCurrent(0);
  EXPECT_TRUE(isReceiptEntry(card->currentRow()));
}

TEST_F(MovementActionsTest, MovingACardMergesItIntoTheTarget) {
  receiptLine(1, "A", "CEAI");
  receiptLine(2, "B", "CEAI");
  ledger(5, "01.03.2006", "B", "CEAI", "2", "4", "0", "0", 2);
  postConsumption(*card, card->key(), exit("1", "2.50", "Bon", "1"));
  takeSent();
  card->setCurrent(0);
  moveCard(*card, "B");
  const QStringList sent = takeSent();
  ASSERT_GE(sent.size(), 2);
  EXPECT_EQ(sent[0], "UPDATE \"" + data() + "\\Note.dbf\"\nSET GESTIUNE=\"B\"\nWHERE GESTIUNE=\"A\"\nAND PRODUS=\"CEAI\"");
  EXPECT_EQ(sent[1], "UPDATE \"" + data() + "\\Gestiuni.dbf\"\nSET GESTIUNE=\"B\"\nWHERE GESTIUNE=\"A\"\nAND PRODUS=\"CEAI\"");
  card->selectCard("A", "CEAI");
  EXPECT_TRUE(card->cardEmpty());
  card->selectCard("B", "CEAI");
  EXPECT_EQ(card->rows().size(), 3u);
  EXPECT_EQ(ledgerRows({"GESTIUNE"}), QStringList(3, "GESTIUNE=B"));
}

TEST_F(MovementActionsTest, AFailedTransferLeavesNeitherLeg) {
  // The exit leg is written; the entry leg's identifier cannot be had.
  app::SetCod("IDGEST", "2147483646");
  try {
    postTransfer(*card, card->key(), exit("6", "15.00", "Nota de Transfer", "3"));
    FAIL() << "the transfer was posted";
  } catch (const store::StoreError& error) {
    EXPECT_TRUE(QString(error.what()).startsWith(QString(ui::kCouldNotFinish) + " " + app::kNothingSaved));
  }
  EXPECT_EQ(takeSent().filter("INSERT").size(), 1);
  EXPECT_EQ(ledgerRows({"IDGEST"}), QStringList{"IDGEST=1"});
  EXPECT_EQ(card->rows().size(), 1u);
}

TEST_F(MovementActionsTest, QuotesInTextsAreWrittenAsTyped) {
  ExitEntry quoted = exit("1", "2.50", "Bon \"A\"", "");
  quoted.explanation = "zis \"bine\"";
  postConsumption(*card, card->key(), quoted);
  EXPECT_EQ(ledgerRows({"DOCJUS", "EXPLIC"}).at(1), "DOCJUS=Bon \"A\" EXPLIC=zis \"bine\"");
}

}  // namespace
}  // namespace movements::testing

// The consumption voucher and the transfer note read back from the ledger:
// which rows belong to a document, from whichever of its rows it is asked,
// and the captions of their layouts.
#include <gtest/gtest.h>

#include "listing_fixture.h"
#include "reports/listings/exit_documents.h"

namespace reports::testing {
namespace {

const QDate kDay(2006, 3, 2);

class ExitDocumentsTest : public ListingFixture {
 protected:
  void SetUp() override {
    ListingFixture::SetUp();
    sx = std::make_unique<app::Statements>(*database);
  }
  void TearDown() override {
    sx.reset();
    ListingFixture::TearDown();
  }
  std::optional<ExitDocument> of(const QString& unit, const QString& document, const QString& explanation,
                                 int64_t in, int64_t out) {
    return exitDocumentOf(*sx, {unit, document, explanation, kDay, false, in, out});
  }
  std::unique_ptr<app::Statements> sx;
};

TEST(ExitDocumentKindTest, TellsTheDocumentARowWasPostedOn) {
  const struct {
    LedgerMovement row;
    ExitDocumentKind kind;
  } cases[] = {
      {{"A", "N.I.R. nr.1", "", kDay, true, 100000, 0}, ExitDocumentKind::None},
      {{"A", "Bon Consum nr.1", "sala 12", kDay, false, 0, 40000}, ExitDocumentKind::Consumption},
      {{"A", "Bon Consum nr.2", "", kDay, false, 0, 0}, ExitDocumentKind::Consumption},
      {{"A", "Nota de Transfer nr.1", "Transfer catre B. x", kDay, false, 0, 10000}, ExitDocumentKind::Transfer},
      {{"B", "Nota de Transfer nr.1", "Transfer de la A. x", kDay, false, 10000, 0}, ExitDocumentKind::Transfer},
      {{"B", "DOC", "intrare", kDay, false, 10000, 0}, ExitDocumentKind::None},
  };
  for (const auto& c : cases) EXPECT_EQ(exitDocumentKind(c.row), c.kind) << c.row.document.toStdString();
}

// Two postings under one number and date in unit A make one voucher; the
// same text in another unit, on another day, and a transfer leg stay out.
TEST_F(ExitDocumentsTest, VoucherGathersTheConsumptionRowsOfItsUnitNumberAndDate) {
  addLedger({{kDay, "A", "CEAI", "BUC", "0", "0", "4", "10", -1, "Bon Consum nr.7", "sala 12"},
             {kDay, "A", "CAFEA", "KG", "0", "0", "1.5", "30", -1, "Bon Consum nr.7", "sala 12"},
             {kDay, "A", "ZAHAR", "KG", "0", "0", "2", "5", -1, "Bon Consum nr.7", "cancelarie"},
             {kDay, "B", "CEAI", "BUC", "0", "0", "1", "1", -1, "Bon Consum nr.7"},
             {kDay.addDays(1), "A", "CEAI", "BUC", "0", "0", "1", "1", -1, "Bon Consum nr.7"},
             {kDay, "A", "APA", "L", "0", "0", "3", "3", -1, "Bon Consum nr.7", "Transfer catre B. x"}});
  std::optional<ExitDocument> voucher = of("A", "Bon Consum nr.7", "sala 12", 0, 15000);
  ASSERT_TRUE(voucher);
  EXPECT_EQ(voucher->kind, ExitDocumentKind::Consumption);
  EXPECT_EQ(voucher->number(), "7");
  EXPECT_EQ(voucher->explanation, "sala 12; cancelarie");
  EXPECT_EQ(rowTexts(voucher->lines, {"PRODUS", "UM", "CANTNEC", "CANTELIB", "PRET", "VALOARE"}),
            (QStringList{"CEAI|BUC|4.00|4.00|2.50|10.00", "CAFEA|KG|1.50|1.50|20.00|30.00",
                         "ZAHAR|KG|2.00|2.00|2.50|5.00"}));
  TLISTARI listari;
  EXPECT_EQ(fillExitDocument(listari, "SCOALA NR. 1", *voucher), "LBonConsum");
  EXPECT_EQ(listari.caption("LBonConsum", "Institutie"), "Unitatea: SCOALA NR. 1");
  EXPECT_EQ(listari.caption("LBonConsum", "Gestiunea"), "Gestiunea: A");
  EXPECT_EQ(listari.caption("LBonConsum", "NrData"), "Nr. 7 din 02.03.2006");
  EXPECT_EQ(listari.caption("LBonConsum", "Explicatie"), "Locul de consum / explicatii: sala 12; cancelarie");
}

// A note from A to B with two products, asked from either leg; a leg of the
// same number to C is another note; an empty explanation ends the legs with ".".
TEST_F(ExitDocumentsTest, TransferNoteFromEitherLegListsTheExitLegsTowardsItsReceiver) {
  addLedger({{kDay, "A", "CRETA", "CUT", "0", "0", "6", "15", -1, "Nota de Transfer nr.3", "Transfer catre B. mutare"},
             {kDay, "B", "CRETA", "CUT", "6", "15", "0", "0", -1, "Nota de Transfer nr.3", "Transfer de la A. mutare"},
             {kDay, "A", "BURETE", "BUC", "0", "0", "1", "4", -1, "Nota de Transfer nr.3", "Transfer catre B."},
             {kDay, "B", "BURETE", "BUC", "1", "4", "0", "0", -1, "Nota de Transfer nr.3", "Transfer de la A."},
             {kDay, "A", "CRETA", "CUT", "0", "0", "1", "2.5", -1, "Nota de Transfer nr.3", "Transfer catre C. x"},
             {kDay, "C", "CRETA", "CUT", "1", "2.5", "0", "0", -1, "Nota de Transfer nr.3", "Transfer de la A. x"}});
  const QStringList columns{"PRODUS", "UM", "CANT", "PRET", "VALOARE"};
  const QStringList lines{"CRETA|CUT|6.00|2.50|15.00", "BURETE|BUC|1.00|4.00|4.00"};
  for (const auto& [unit, explanation, in, out] :
       {std::tuple{"A", "Transfer catre B. mutare", 0, 60000}, std::tuple{"B", "Transfer de la A.", 10000, 0}}) {
    std::optional<ExitDocument> note = of(unit, "Nota de Transfer nr.3", explanation, in, out);
    ASSERT_TRUE(note) << unit;
    EXPECT_EQ(note->kind, ExitDocumentKind::Transfer);
    EXPECT_EQ(note->unit, "A");
    EXPECT_EQ(note->receivingUnit, "B");
    EXPECT_EQ(note->explanation, "mutare");
    EXPECT_EQ(rowTexts(note->lines, columns), lines) << unit;
  }
  std::optional<ExitDocument> toC = of("C", "Nota de Transfer nr.3", "Transfer de la A. x", 10000, 0);
  ASSERT_TRUE(toC);
  EXPECT_EQ(rowTexts(toC->lines, columns), QStringList{"CRETA|CUT|1.00|2.50|2.50"});
  TLISTARI listari;
  EXPECT_EQ(fillExitDocument(listari, "SCOALA", *toC), "LBonTransfer");
  EXPECT_EQ(listari.caption("LBonTransfer", "Predator"), "Gestiunea predatoare: A");
  EXPECT_EQ(listari.caption("LBonTransfer", "Primitor"), "Gestiunea primitoare: C");
  EXPECT_EQ(listari.caption("LBonTransfer", "NrData"), "Nr. 3 din 02.03.2006");
}

// A voucher saved without a number is named by its document text.
TEST_F(ExitDocumentsTest, VoucherWithoutANumberIsNamedByItsText) {
  addLedger({{kDay, "A", "CEAI", "BUC", "0", "0", "1", "2.5", -1, "Bon Consum"}});
  std::optional<ExitDocument> voucher = of("A", "Bon Consum", "", 0, 10000);
  ASSERT_TRUE(voucher);
  EXPECT_EQ(voucher->number(), "");
  TLISTARI listari;
  fillExitDocument(listari, "SCOALA", *voucher);
  EXPECT_EQ(listari.caption("LBonConsum", "NrData"), "Bon Consum din 02.03.2006");
}

// A row whose document is gone (or a lone leg whose other leg was deleted)
// gives no document.
TEST_F(ExitDocumentsTest, NoDocumentWithoutItsRows) {
  addLedger({{kDay, "A", "CRETA", "CUT", "0", "0", "6", "15", -1, "Nota de Transfer nr.3", "Transfer catre B. x"}});
  EXPECT_FALSE(of("A", "Nota de Transfer nr.3", "Transfer catre B. x", 0, 60000));
  EXPECT_FALSE(of("A", "Bon Consum nr.9", "", 0, 10000));
  EXPECT_FALSE(of("A", "N.I.R. nr.1", "", 10000, 0));
}

}  // namespace
}  // namespace reports::testing

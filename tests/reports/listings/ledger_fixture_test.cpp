// The report tests' ledger fixture writes rows the statements read back.
#include <gtest/gtest.h>

#include "ledger_fixture.h"

namespace reports::testing {
namespace {

class LedgerFixtureTest : public LedgerFixture {};

TEST_F(LedgerFixtureTest, RowsReadBackThroughStatements) {
  addLedger({{QDate(2024, 3, 5), "MAGAZIE", "HARTIE A4", "TOP", "10", "125.5"},
             {QDate(2024, 3, 6), "MAGAZIE", "HARTIE A4", "TOP", "0", "0", "4", "50.2"}});
  addReceiptLines({{"MAGAZIE", "HARTIE A4", "CONSUMABIL"}});
  EXPECT_EQ(rows("Gestiuni.dbf", {"IDGEST", "DATA", "PRODUS", "VALIN", "VALOUT"}, "IDGEST"),
            QStringList({"IDGEST=1 DATA=05.03.2024 PRODUS=HARTIE A4 VALIN=125.5 VALOUT=0",
                         "IDGEST=2 DATA=06.03.2024 PRODUS=HARTIE A4 VALIN=0 VALOUT=50.2"}));
  EXPECT_EQ(rows("Note.dbf", {"PRODUS", "TIP", "GESTIUNE"}, "IDNOTA"),
            QStringList({"PRODUS=HARTIE A4 TIP=CONSUMABIL GESTIUNE=MAGAZIE"}));
}

}  // namespace
}  // namespace reports::testing

// Results read in place from a table (a whole table in some order, as the
// windows open their data sets): they keep showing the table as it was when
// the query ran, whatever is written to it afterwards, and a filter shows
// its rows in the result's order.
#include "store/table_object.h"
#include "store_fixture.h"

namespace store::testing {
namespace {

class OpenResultTest : public StoreFixture {
 protected:
  void SetUp() override {
    StoreFixture::SetUp();
    createPermanentTables();
    // IDNOTA, IDCAP, PRODUS: three notes, the products out of name order.
    const char* lines[][3] = {{"1", "7", "ZAHAR"}, {"2", "8", "CAFEA"}, {"3", "7", "CEAI"},
                              {"4", "8", "ZAHAR"}, {"5", "7", "CAFEA"}, {"6", "9", "OREZ"}};
    for (const auto& [idnota, idcap, product] : lines)
      run(QString("INSERT INTO \"%1\" (IDNOTA, IDCAP, PRODUS, C7) VALUES (%2, %3, '%4', %2)")
              .arg(notes(), idnota, idcap, product));
  }

  QString notes() const { return table("Note.dbf"); }

  // IDNOTA of the rows the cursor shows, in order.
  static std::string shown(sql::ResultSet& rows) {
    std::string ids;
    for (rows.first(); !rows.eof(); rows.next()) ids += rows.asText("IDNOTA").toStdString() + " ";
    return ids;
  }
};

TEST_F(OpenResultTest, KeepsShowingTheTableAsItWasWhenOpened) {
  Query r1(*db);
  r1.add("SELECT * FROM \"" + notes() + "\" ORDER BY PRODUS");
  r1.open();
  const std::string before = "2 5 3 6 1 4 ";
  ASSERT_EQ(shown(r1.rows()), before);

  run("UPDATE \"" + notes() + "\" SET PRODUS='AAA', C7=99 WHERE IDCAP=7");
  run("INSERT INTO \"" + notes() + "\" (IDNOTA, IDCAP, PRODUS) VALUES (10, 7, 'BBB')");
  run("DELETE FROM \"" + notes() + "\" WHERE IDCAP=8");
  EXPECT_EQ(shown(r1.rows()), before);
  r1.rows().locate("IDNOTA", "1");
  EXPECT_EQ(r1.rows().asText("PRODUS"), "ZAHAR");
  EXPECT_EQ(r1.rows().asNumber("C7"), 10000);

  TableObject table(*db);
  table.open(notes(), /*exclusive=*/true);
  table.pack();  // moves the records that remain
  table.close();
  EXPECT_EQ(shown(r1.rows()), before);

  r1.close();
  r1.open();
  EXPECT_EQ(shown(r1.rows()), "1 3 5 10 6 ");  // AAA (1, 3, 5), BBB, OREZ
}

TEST_F(OpenResultTest, AFilterShowsItsRowsInTheResultsOrder) {
  Query r1(*db);
  r1.add("SELECT * FROM \"" + notes() + "\" ORDER BY PRODUS");
  r1.setFilter("IDCAP=7");
  r1.setFiltered(true);
  r1.open();
  EXPECT_EQ(shown(r1.rows()), "5 3 1 ");
  EXPECT_EQ(r1.rows().recordCount(), 3);
  r1.setFilter("PRODUS='ZAHAR'");
  EXPECT_EQ(shown(r1.rows()), "1 4 ");  // equal keys keep the table's order
  r1.setFilter("PRODUS>='CEAI'");
  EXPECT_EQ(shown(r1.rows()), "3 6 1 4 ");
  r1.setFiltered(false);
  EXPECT_EQ(shown(r1.rows()), "2 5 3 6 1 4 ");

  Query descending(*db);
  descending.add("SELECT IDNOTA, PRODUS FROM \"" + notes() + "\" WHERE IDCAP<>9 ORDER BY PRODUS DESC, IDNOTA DESC");
  descending.open();
  EXPECT_EQ(shown(descending.rows()), "4 1 3 5 2 ");
}

}  // namespace
}  // namespace store::testing

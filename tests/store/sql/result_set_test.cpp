// The result set as the windows use it: cursor moves and their end tests,
// reading values, locate, and the row filter switched on and off; and its
// rows handed over whole.
#include <gtest/gtest.h>

#include "store/date.h"
#include "store/error.h"
#include "store/sql/result_set.h"

namespace store::sql {
namespace {

// PRODUS, GESTIUNE, TCANT, IDCAP, DATA: four rows as an inventory gives them.
ResultSet makeInventory() {
  auto row = [](const char* product, const char* unit, int64_t quantity, int64_t idcap, const char* day) {
    return std::vector<Value>{Value::text(product), Value::text(unit), Value::number(quantity),
                              Value::number(idcap * 10000), day ? Value::date(*date::parseDisplay(day)) : Value::null()};
  };
  return ResultSet({"PRODUS", "GESTIUNE", "TCANT", "IDCAP", "DATA"},
                   {row("CAFEA", "X", 25000, 3, "01.02.2024"), row("CEAI", "Y", 0, -1, nullptr),
                    row("CEAPA", "X", 100, -1, "03.02.2024"), row("ZAHAR", "X", -20000, 7, "04.02.2024")});
}

std::string column(ResultSet& result, const char* name) {
  std::string text;
  for (result.first(); !result.eof(); result.next()) text += result.asText(name).toStdString() + ";";
  return text;
}

TEST(ResultSet, CursorStopsOnTheEndRowsAndReportsRunningOff) {
  ResultSet result = makeInventory();
  EXPECT_FALSE(result.isEmpty());
  EXPECT_EQ(result.recordCount(), 4);
  EXPECT_TRUE(result.bof());
  EXPECT_FALSE(result.eof());
  EXPECT_EQ(result.recordNumber(), 1);
  result.next();
  EXPECT_FALSE(result.bof());
  EXPECT_EQ(result.asText("produs"), "CEAI");
  result.last();
  EXPECT_TRUE(result.eof());
  EXPECT_EQ(result.recordNumber(), 4);
  result.next();  // past the end: stays on the last row
  EXPECT_TRUE(result.eof());
  EXPECT_EQ(result.asText("PRODUS"), "ZAHAR");
  result.prior();
  EXPECT_FALSE(result.eof());
  EXPECT_EQ(result.asText("PRODUS"), "CEAPA");
  result.first();
  result.prior();
  EXPECT_TRUE(result.bof());
  EXPECT_EQ(result.asText("PRODUS"), "CAFEA");
  EXPECT_EQ(column(result, "PRODUS"), "CAFEA;CEAI;CEAPA;ZAHAR;");
  EXPECT_EQ(result.asText("PRODUS"), "ZAHAR");  // a read loop ends on the last row
}

TEST(ResultSet, ReadsValuesAsTextNumberAndDate) {
  ResultSet result = makeInventory();
  EXPECT_EQ(result.asText("TCANT"), "2.5");
  EXPECT_EQ(result.asNumber("TCANT"), 25000);
  EXPECT_EQ(result.asText("DATA"), "01.02.2024");
  EXPECT_EQ(result.asDate("DATA"), QDate(2024, 2, 1));
  EXPECT_EQ(result.columnIndex("tcant"), 2);
  EXPECT_EQ(result.columnIndex("NOPE"), -1);
  EXPECT_THROW(result.value("NOPE"), StoreError);
  EXPECT_THROW(result.asNumber("PRODUS"), StoreError);
  result.next();
  EXPECT_EQ(result.asText("DATA"), "");
  EXPECT_EQ(result.asDate("DATA"), std::nullopt);

  ResultSet sums({"STOC", "F"}, {{Value::null(), Value::real(39.68)}});
  EXPECT_EQ(sums.asText("STOC"), "");
  EXPECT_EQ(sums.asNumber("STOC"), 0);
  EXPECT_EQ(sums.asText("F"), "39.68");
  EXPECT_EQ(sums.asNumber("F"), 396800);

  ResultSet empty({"A"}, {});
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_TRUE(empty.bof());
  EXPECT_TRUE(empty.eof());
  EXPECT_EQ(empty.recordNumber(), 0);
  EXPECT_THROW(empty.value("A"), StoreError);
}

TEST(ResultSet, LocateFindsTheFirstEqualOrPrefixedRow) {
  ResultSet result = makeInventory();
  EXPECT_TRUE(result.locate("PRODUS", "CEA", true));
  EXPECT_EQ(result.asText("PRODUS"), "CEAI");
  EXPECT_TRUE(result.locate("PRODUS", "CEAPA"));
  EXPECT_EQ(result.recordNumber(), 3);
  EXPECT_FALSE(result.locate("PRODUS", "CEA"));  // equality needs the whole text
  EXPECT_FALSE(result.locate("PRODUS", "cea", true));  // and the same letter case
  EXPECT_EQ(result.asText("PRODUS"), "CEAPA");  // a failed locate leaves the cursor
  EXPECT_TRUE(result.locate("IDCAP", "7"));
  EXPECT_EQ(result.asText("PRODUS"), "ZAHAR");
  EXPECT_TRUE(result.locate("TCANT", "0.01"));
  EXPECT_EQ(result.asText("PRODUS"), "CEAPA");
  EXPECT_TRUE(result.locate("DATA", "01.02.2024"));
  EXPECT_EQ(result.asText("PRODUS"), "CAFEA");
  EXPECT_THROW(result.locate("NOPE", "x"), StoreError);
}

TEST(ResultSet, TakenRowsAreTheVisibleOnesInOrderAndLeaveNone) {
  for (const char* filter : {"", "GESTIUNE='X'"}) {
    ResultSet result = makeInventory();
    std::string expected = "CAFEA;CEAI;CEAPA;ZAHAR;";
    if (*filter) {
      result.setFilter(filter);
      result.setFiltered(true);
      expected = "CAFEA;CEAPA;ZAHAR;";
    }
    const CodedRows taken = result.takeRows();
    ASSERT_EQ(taken.width(), 5u);
    std::string products;
    for (size_t r = 0; r < taken.rowCount(); ++r) products += taken.value(r, 0).asText() + ";";
    EXPECT_EQ(products, expected) << filter;
    EXPECT_EQ(taken.value(0, 2), Value::number(25000)) << filter;
    EXPECT_TRUE(result.isEmpty()) << filter;
    EXPECT_EQ(result.recordCount(), 0) << filter;
  }
}

TEST(ResultSet, CodedTextsAreReadFilteredLocatedAndHandedOverAsCodes) {
  auto dictionary = std::make_shared<dbase::TextDictionary>();
  const TextCodes units{dictionary, {dictionary->intern("X"), dictionary->intern("Y"), dictionary->intern("X")}};
  const auto coded = [&] {
    return ResultSet(CodedRows({units, std::nullopt}, CellRows{{Value::number(10000)}, {Value::number(20000)},
                                                               {Value::number(30000)}}),
                     {"GESTIUNE", "TCANT"});
  };
  ResultSet result = coded();
  EXPECT_EQ(result.asText("GESTIUNE"), "X");
  EXPECT_TRUE(result.locate("GESTIUNE", "Y"));
  EXPECT_EQ(result.asNumber("TCANT"), 20000);
  result.setFilter("GESTIUNE='X'");
  result.setFiltered(true);
  EXPECT_EQ(result.recordCount(), 2);
  const CodedRows visible = result.takeRows();
  ASSERT_EQ(visible.rowCount(), 2u);
  EXPECT_EQ(visible.value(1, 0), Value::text("X"));
  EXPECT_EQ(visible.value(1, 1), Value::number(30000));

  ResultSet whole = coded();
  const CodedRows all = whole.takeRows();
  ASSERT_NE(all.coded(0), nullptr);
  EXPECT_EQ(all.value(1, 0), Value::text("Y"));
}

TEST(ResultSet, FilterHidesRowsWhileOn) {
  struct Case {
    const char* filter;
    const char* products;
  };
  const Case cases[] = {
      {"TCANT>=0.01", "CAFEA;CEAPA;"},
      {"TCANT<0.01", "CEAI;ZAHAR;"},
      {"IDCAP=-1", "CEAI;CEAPA;"},
      {"GESTIUNE='X'", "CAFEA;CEAPA;ZAHAR;"},
      {"GESTIUNE <> 'X'", "CEAI;"},
      {"DATA>'02.02.2024'", "CEAPA;ZAHAR;"},
      {"PRODUS='NIMIC'", ""},
  };
  for (const Case& c : cases) {
    ResultSet result = makeInventory();
    result.setFilter(c.filter);
    EXPECT_EQ(column(result, "PRODUS"), "CAFEA;CEAI;CEAPA;ZAHAR;") << c.filter << ": off until switched on";
    result.setFiltered(true);
    EXPECT_EQ(column(result, "PRODUS"), c.products) << c.filter;
    EXPECT_EQ(result.recordCount(), int(std::count(c.products, c.products + strlen(c.products), ';')));
    result.setFiltered(false);
    EXPECT_EQ(result.recordCount(), 4) << c.filter;
  }

  ResultSet result = makeInventory();
  result.setFiltered(true);
  result.setFilter("GESTIUNE='Y'");  // a new expression keeps the filter on
  EXPECT_EQ(column(result, "PRODUS"), "CEAI;");
  EXPECT_FALSE(result.locate("PRODUS", "ZAHAR"));  // hidden rows cannot be located
  for (const char* malformed : {"TCANT", "TCANT>=", "TCANT>=0.01 AND IDCAP=1", "NOPE=1", "TCANT>=x", "=1"})
    EXPECT_THROW(result.setFilter(malformed), StoreError) << malformed;
  EXPECT_EQ(column(result, "PRODUS"), "CEAI;");  // a rejected expression changes nothing
}

}  // namespace
}  // namespace store::sql

// Rows with coded text columns: each column reads back from its codes or
// its cell, and codes or cells that do not match the rows are refused.
#include "store/coded_rows.h"

#include <gtest/gtest.h>

#include "store/error.h"

namespace store {
namespace {

TEST(CodedRowsTest, ColumnsReadFromTheirCodesOrTheirCells) {
  auto dictionary = std::make_shared<dbase::TextDictionary>();
  const TextCodes units{dictionary, {dictionary->intern("MAGAZIE"), dictionary->intern("")}};
  const CodedRows rows({std::nullopt, units, std::nullopt},
                       CellRows{{Value::number(1), Value::text("a")}, {Value::null(), Value::text("b")}});
  ASSERT_EQ(rows.width(), 3u);
  ASSERT_EQ(rows.rowCount(), 2u);
  EXPECT_EQ(rows.cellOf(0), 0);
  EXPECT_EQ(rows.cellOf(1), -1);
  EXPECT_EQ(rows.cellOf(2), 1);
  EXPECT_EQ(rows.value(0, 1), Value::text("MAGAZIE"));
  EXPECT_EQ(rows.value(1, 1), Value::text(""));
  EXPECT_EQ(rows.value(1, 2), Value::text("b"));
  EXPECT_TRUE(rows.value(1, 0).isNull());

  CellRows none(0);  // every column coded: the rows have no cells
  none.appendRow();
  none.appendRow();
  const CodedRows allCoded({units}, std::move(none));
  ASSERT_EQ(allCoded.rowCount(), 2u);
  EXPECT_EQ(allCoded.value(0, 0), Value::text("MAGAZIE"));
  EXPECT_EQ(allCoded.cells().row(1), allCoded.cells().row(0));

  const CodedRows values{{Value::number(1), Value::text("a")}};
  EXPECT_EQ(values.coded(1), nullptr);
  EXPECT_EQ(values.value(0, 1), Value::text("a"));
}

TEST(CodedRowsTest, CodesAndCellsMustMatchTheRows) {
  auto dictionary = std::make_shared<dbase::TextDictionary>();
  const TextCodes one{dictionary, {0}};
  EXPECT_THROW(CodedRows({one}, CellRows(0)), StoreError);  // one code, no row
  EXPECT_THROW(CodedRows({one, std::nullopt}, CellRows{{Value::number(1), Value::number(2)}}), StoreError);
  EXPECT_NO_THROW(CodedRows({one, std::nullopt}, CellRows{{Value::number(1)}}));
}

}  // namespace
}  // namespace store

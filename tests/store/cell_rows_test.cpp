// Rows kept in chunks: every row reads back whole and in order, across
// chunk boundaries and for a width that fills a chunk with one row.
#include <gtest/gtest.h>

#include "store/cell_rows.h"
#include "store/error.h"

namespace store {
namespace {

TEST(CellRowsTest, RowsReadBackAcrossChunks) {
  for (const size_t width : {size_t{1}, size_t{3}, size_t{70000}, size_t{300000}}) {
    SCOPED_TRACE(width);
    CellRows rows(width);
    const size_t count = width == 1 ? 600000 : 7;  // several chunks either way
    for (size_t r = 0; r < count; ++r) {
      Value* cells = rows.appendRow();
      cells[0] = Value::number(int64_t(r));
      cells[width - 1] = Value::text("r" + std::to_string(r));
    }
    ASSERT_EQ(rows.rowCount(), count);
    for (const size_t r : {size_t{0}, count / 2, count - 1}) {
      EXPECT_EQ(rows.row(r)[width - 1], Value::text("r" + std::to_string(r)));
      if (width > 1) {
        EXPECT_EQ(rows.row(r)[0], Value::number(int64_t(r)));
      }
      if (width > 2) {
        EXPECT_TRUE(rows.row(r)[1].isNull());
      }
    }
  }
}

TEST(CellRowsTest, RowsGivenAsVectorsKeepTheirWidthAndValues) {
  const CellRows rows{{Value::text("A"), Value::number(1)}, {Value::text("B"), Value::null()}};
  ASSERT_EQ(rows.width(), 2u);
  ASSERT_EQ(rows.rowCount(), 2u);
  EXPECT_EQ(rows.row(1)[0], Value::text("B"));
  EXPECT_TRUE(rows.row(1)[1].isNull());
  EXPECT_EQ(CellRows(std::vector<std::vector<Value>>{}).rowCount(), 0u);
  EXPECT_THROW((CellRows{{Value::number(1)}, {Value::number(2), Value::number(3)}}), StoreError);
}

}  // namespace
}  // namespace store

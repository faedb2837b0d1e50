// Rows kept in chunks: every row reads back whole and in order, across
// chunk boundaries and for a width that fills a chunk with one row.
#include <gtest/gtest.h>

#include "store/sql/cell_rows.h"

namespace store::sql {
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

}  // namespace
}  // namespace store::sql

// The read-only grid's Enter key, which the report and card grids make move
// like Tab, and its column widths.
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/data_grid.h"

namespace {

TEST(DataGridTest, EnterMovesLikeTabOnlyWhereAsked) {
  for (bool likeTab : {true, false}) {
    ui::DataGrid grid;
    grid.setColumns({{"A"}, {"B"}, {"C"}});
    grid.setRows({{"1", "2", "3"}, {"4", "5", "6"}}, 0);
    grid.setCurrentCell(0, 0);
    grid.setEnterMovesLikeTab(likeTab);
    std::vector<std::pair<int, int>> cells;
    for (int press = 0; press < 3; ++press) {
      // The keypad's Enter too.
      const bool keypad = press == 1;
      QTest::keyClick(&grid, keypad ? Qt::Key_Enter : Qt::Key_Return, keypad ? Qt::KeypadModifier : Qt::NoModifier);
      cells.emplace_back(grid.currentRow(), grid.currentColumn());
    }
    const std::vector<std::pair<int, int>> expected =
        likeTab ? std::vector<std::pair<int, int>>{{0, 1}, {0, 2}, {1, 0}}
                : std::vector<std::pair<int, int>>{{0, 0}, {0, 0}, {0, 0}};
    EXPECT_EQ(cells, expected) << (likeTab ? "like Tab" : "plain");
  }
}

// Every title, band title and text fits its column at the first fill; a
// column the user widened stays wide, and the scroll bar reaches the last one.
TEST(DataGridTest, ColumnsFitTheirTitlesBandsAndTexts) {
  ui::DataGrid grid;
  grid.resize(500, 200);
  grid.setColumns({{"DOCUMENT JUSTIFICATIV"}, {"CANT."}, {"VAL."}, {"EXPLICATIE"}});
  grid.setBands({{1, 2, "STOC INITIAL AL PERIOADEI"}});
  const QString longName = "CREION MECANIC CU RADIERA SI MINA DE REZERVA 0.5";
  grid.setRows({{"NIR 12", "1.00", "10.00", longName}, {"BC 3", "1234567.00", "98765432.10", "X"}}, 0);
  grid.show();
  const QFontMetrics metrics(grid.font());
  for (int column = 0; column < grid.columnCount(); ++column) {
    EXPECT_GE(grid.columnWidth(column), grid.fontMetrics().horizontalAdvance(grid.horizontalHeaderItem(column)->text()))
        << column;
    for (int row = 0; row < grid.rowCount(); ++row)
      EXPECT_GE(grid.columnWidth(column), metrics.horizontalAdvance(grid.item(row, column)->text())) << row << "," << column;
  }
  EXPECT_GE(grid.columnWidth(1) + grid.columnWidth(2), metrics.horizontalAdvance("STOC INITIAL AL PERIOADEI"));

  grid.setColumnWidth(0, 400);
  grid.setRows({{"NIR 13", "2.00", "20.00", "Y"}}, 0);
  EXPECT_EQ(grid.columnWidth(0), 400);
  grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
  EXPECT_GT(grid.horizontalScrollBar()->maximum(), 0);
  EXPECT_LE(grid.columnViewportPosition(3) + grid.columnWidth(3), grid.viewport()->width());
}

}  // namespace

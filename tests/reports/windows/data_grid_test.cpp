// The read-only grid's Enter key, which the report and card grids make move
// like Tab.
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

}  // namespace

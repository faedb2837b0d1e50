// The stock card's pages over fixture cards shaped like the movements
// window's Tx: lines, totals without and with a mask, page numbers.
#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "reports/generator.h"
#include "reports/listari.h"

namespace reports {
namespace {

using testing::countText;
using testing::findText;

// Left margin 20 mm, bands 182 mm wide.
constexpr double kLeft = 20, kRight = 202;

class StockCardPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    listari.setCaption("LFisaProd", "QRLabel18", "SCOALA NR. 1");
    listari.setCaption("LFisaProd", "QRLabel12", "Gestiunea : MAGAZIE");
    listari.setCaption("LFisaProd", "QRLabel19", "05.03.2006");
    listari.setCaption("LFisaProd", "QRLabel21", "Produsul : HARTIE A4");
  }
  Document generateOver(store::sql::ResultSet rows) { return generate(listari.layout("LFisaProd"), rows); }

  // The texts whose right edge is at `rightEdge` mm from the band's left, top to bottom.
  static QStringList column(const Document& pages, int page, double rightEdge) {
    QStringList texts;
    for (const PlacedText& t : pages.pages.at(page).texts)
      if (std::abs(t.x + t.width - (kLeft + rightEdge)) < 1e-6) texts << t.text;
    return texts;
  }

  TLISTARI listari;
};

TEST_F(StockCardPagesTest, ThreeMovementsPrintTheirStocksAndTotals) {
  const Document pages = generateOver(testing::threeMovements());
  ASSERT_EQ(pages.pages.size(), 1u);
  EXPECT_EQ(column(pages, 0, 18.3), (QStringList{"01.03.2006", "02.03.2006", "03.03.2006"}));
  EXPECT_EQ(column(pages, 0, 136.3), (QStringList{"10.00", "6.00", "0.00"}));
  // Band right also holds the date and two column captions above the lines.
  EXPECT_EQ(column(pages, 0, 182).mid(3), (QStringList{"25.00", "15.00", "0.00", "pag.1"}));
  // The totals: quantities without a mask, values with two decimals.
  EXPECT_EQ(column(pages, 0, 107.2), QStringList{"10"});
  EXPECT_EQ(column(pages, 0, 122.0), QStringList{"10"});
  EXPECT_EQ(column(pages, 0, 153.5), QStringList{"25.00"});
  EXPECT_EQ(column(pages, 0, 168.3), QStringList{"25.00"});
}

TEST_F(StockCardPagesTest, TitleHasInstitutionUnitAndDateInPlace) {
  const Document pages = generateOver(testing::threeMovements());
  const PlacedText* institution = findText(pages, 0, "SCOALA NR. 1");
  const PlacedText* unit = findText(pages, 0, "Gestiunea : MAGAZIE");
  const PlacedText* date = findText(pages, 0, "05.03.2006");
  ASSERT_TRUE(institution && unit && date);
  EXPECT_NEAR(institution->x, kLeft, 1e-6);
  EXPECT_NEAR(institution->y, 12, 1e-6);
  EXPECT_NEAR(unit->x, kLeft, 1e-6);
  EXPECT_NEAR(unit->y, 12 + 4.2, 1e-6);
  EXPECT_NEAR(date->x + date->width, kRight, 1e-6);
  EXPECT_NEAR(date->y, 12, 1e-6);
}

TEST_F(StockCardPagesTest, LongCardNumbersItsPagesAndRepeatsTheHeader) {
  std::vector<testing::Movement> movements;
  for (int i = 0; i < 60; ++i) movements.push_back({1 + i % 28, "NIR " + std::to_string(i + 1), "1", "0", "1", "2", "0", "2"});
  const Document pages = generateOver(testing::stockCard(movements));
  ASSERT_EQ(pages.pages.size(), 2u);
  for (int page = 0; page < 2; ++page) {
    const QString number = "pag." + QString::number(page + 1);
    const PlacedText* footer = findText(pages, page, number);
    ASSERT_TRUE(footer) << page;
    EXPECT_NEAR(footer->y, 297 - 12 - 4.2, 1e-6);
    EXPECT_EQ(countText(pages, page, "Document justificativ"), 1);
    EXPECT_EQ(countText(pages, page, "RAPORT INDIVIDUAL PRODUS"), page == 0 ? 1 : 0);
  }
  EXPECT_TRUE(findText(pages, 1, "NIR 60"));
  EXPECT_TRUE(findText(pages, 1, "TOTAL"));
  EXPECT_TRUE(findText(pages, 1, "60"));
}

TEST_F(StockCardPagesTest, HeaderCaptionsKeepTheirBlanksAndRules) {
  const Document pages = generateOver(testing::threeMovements());
  const QString quantity = QString(15, ' ') + "CANTITATE" + QString(14, ' ');
  const PlacedText* caption = findText(pages, 0, quantity);
  ASSERT_TRUE(caption);
  EXPECT_NEAR(caption->x, kLeft + 95.5, 1e-6);
  EXPECT_NEAR(caption->width, 40, 1e-6);
  // The caption's own rule spans its box.
  bool ruled = false;
  for (const PlacedLine& line : pages.pages[0].lines)
    ruled = ruled || (std::abs(line.x1 - (kLeft + 95.5)) < 1e-6 && std::abs(line.x2 - (kLeft + 135.5)) < 1e-6);
  EXPECT_TRUE(ruled);
}

}  // namespace
}  // namespace reports

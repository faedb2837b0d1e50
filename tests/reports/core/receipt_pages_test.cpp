// The receipt note's pages: placement, page breaks, the total and the
// custodian's block.
#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "reports/generator.h"
#include "reports/listari.h"

namespace reports {
namespace {

using testing::countText;
using testing::findText;

class ReceiptPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    listari.setCaption("ReceptiiPRN", "FirmP", "SCOALA NR. 1");
    listari.setCaption("ReceptiiPRN", "NumaP", "Nr. 12 din 05.Mar.2006");
    listari.setCaption("ReceptiiPRN", "Rec1", "POPA");
    listari.setCaption("ReceptiiPRN", "Rec5", "IONESCU");
  }
  Document generateOver(store::sql::ResultSet rows) { return generate(listari.layout("ReceptiiPRN"), rows); }

  TLISTARI listari;
};

// Left margin 15 mm, top margin 20 mm; bands 180 mm wide.
constexpr double kLeft = 15, kTop = 20, kRight = 195;
constexpr double kTitle = 36.0, kHeader = 14.0, kDetail = 5.0;

TEST_F(ReceiptPagesTest, EmptyNoteGivesOnePageWithZeroTotal) {
  const Document pages = generateOver(testing::receiptLines({}));
  ASSERT_EQ(pages.pages.size(), 1u);
  EXPECT_TRUE(findText(pages, 0, "NOTA DE RECEPTIE"));
  EXPECT_TRUE(findText(pages, 0, "DENUMIRE MARFA"));
  const PlacedText* total = findText(pages, 0, "0.00");
  ASSERT_TRUE(total);
  // The summary follows the column header directly.
  EXPECT_NEAR(total->y, kTop + kTitle + kHeader + 4.2, 1e-6);
}

TEST_F(ReceiptPagesTest, TitleAndColumnsStandWhereTheLayoutPutsThem) {
  const Document pages = generateOver(testing::receiptLines({{"HARTIE A4", "BUC", "3", "2.5", "1.3333", "4", "0.96", "4.96"}}));
  ASSERT_EQ(pages.pages.size(), 1u);
  const PlacedText* firm = findText(pages, 0, "SCOALA NR. 1");
  ASSERT_TRUE(firm);
  EXPECT_NEAR(firm->x, kLeft, 1e-6);
  EXPECT_NEAR(firm->y, kTop, 1e-6);
  const PlacedText* number = findText(pages, 0, "Nr. 12 din 05.Mar.2006");
  ASSERT_TRUE(number);
  EXPECT_NEAR(number->x + number->width, kRight, 1e-6);
  const PlacedText* heading = findText(pages, 0, "NOTA DE RECEPTIE");
  ASSERT_TRUE(heading);
  EXPECT_NEAR(heading->x + heading->width / 2, (kLeft + kRight) / 2, 1e-6);
  EXPECT_NEAR(heading->y, kTop + 10.1, 1e-6);

  const double detailTop = kTop + kTitle + kHeader + 0.5;
  struct Column {
    const char* text;
    double rightEdge;
  };
  for (const Column& c : {Column{"3.00", 85.5}, Column{"2.50", 102.4}, Column{"1.33", 117.2}, Column{"4.00", 136.3},
                          Column{"0.96", 157.4}, Column{"4.96", 178.6}}) {
    const PlacedText* value = findText(pages, 0, c.text);
    ASSERT_TRUE(value) << c.text;
    EXPECT_NEAR(value->x + value->width, kLeft + c.rightEdge, 1e-6) << c.text;
    EXPECT_NEAR(value->y, detailTop, 1e-6) << c.text;
  }
  const PlacedText* product = findText(pages, 0, "HARTIE A4");
  ASSERT_TRUE(product);
  EXPECT_NEAR(product->x, kLeft, 1e-6);
  // The total is the sum of C7 at its own right edge, in the summary.
  int totals = 0;
  for (const PlacedText& t : pages.pages[0].texts)
    if (t.text == "4.96" && std::abs(t.x + t.width - (kLeft + 178.9)) < 1e-6) ++totals;
  EXPECT_EQ(totals, 1);
  // Rules: the column header's top and bottom, the group caption's, the line's, the summary's top.
  EXPECT_EQ(pages.pages[0].lines.size(), 5u);
}

TEST_F(ReceiptPagesTest, LongNoteRepeatsTheColumnHeaderAndEndsWithTheSummary) {
  // Page 1 holds (297 - 12 - 20 - 36 - 14) / 5 = 43 lines, later pages 50.
  const Document pages = generateOver(testing::manyReceiptLines(100));
  ASSERT_EQ(pages.pages.size(), 3u);
  EXPECT_TRUE(findText(pages, 0, "PRODUS 43"));
  EXPECT_FALSE(findText(pages, 0, "PRODUS 44"));
  const PlacedText* firstOnPage2 = findText(pages, 1, "PRODUS 44");
  ASSERT_TRUE(firstOnPage2);
  EXPECT_NEAR(firstOnPage2->y, kTop + kHeader + 0.5, 1e-6);
  EXPECT_TRUE(findText(pages, 1, "PRODUS 93"));
  EXPECT_TRUE(findText(pages, 2, "PRODUS 100"));
  for (int page = 0; page < 3; ++page) {
    EXPECT_EQ(countText(pages, page, "DENUMIRE MARFA"), 1) << page;
    EXPECT_EQ(countText(pages, page, "NOTA DE RECEPTIE"), page == 0 ? 1 : 0) << page;
    EXPECT_EQ(countText(pages, page, "Valoarea marfii furnizor"), page == 2 ? 1 : 0) << page;
  }
  EXPECT_TRUE(findText(pages, 2, "1240.00"));
}

TEST_F(ReceiptPagesTest, SummaryThatDoesNotFitGoesToANewPage) {
  // 43 lines fill page 1 exactly: the summary (43.7 mm) opens page 2 under the column header.
  const Document pages = generateOver(testing::manyReceiptLines(43));
  ASSERT_EQ(pages.pages.size(), 2u);
  const PlacedText* caption = findText(pages, 1, "Valoarea marfii furnizor");
  ASSERT_TRUE(caption);
  EXPECT_NEAR(caption->y, kTop + kHeader + 4.2, 1e-6);
  EXPECT_EQ(countText(pages, 1, "DENUMIRE MARFA"), 1);
}

TEST_F(ReceiptPagesTest, CustodianBlockFollowsTheCustodianName) {
  const QString dots(45, '.');
  for (bool custodian : {true, false}) {
    listari.setCaption("ReceptiiPRN", "Rec5", custodian ? "IONESCU" : "");
    listari.setEnabled("ReceptiiPRN", "RECS5", custodian);
    const Document pages = generateOver(testing::manyReceiptLines(1));
    EXPECT_TRUE(findText(pages, 0, "Gestionar"));
    EXPECT_TRUE(findText(pages, 0, "POPA"));
    EXPECT_EQ(countText(pages, 0, dots), custodian ? 2 : 1) << custodian;
    EXPECT_EQ(countText(pages, 0, "IONESCU"), custodian ? 1 : 0) << custodian;
  }
}

TEST_F(ReceiptPagesTest, DiscountLineLowersTheTotal) {
  const Document pages = generateOver(testing::receiptLines({{"CAIET", "BUC", "10", "10", "2", "20", "4.8", "24.8"},
                                                             {"DISCOUNT", "BUC", "1", "1", "-5", "-5", "-1.2", "-6.2"}}));
  EXPECT_TRUE(findText(pages, 0, "-5.00"));
  EXPECT_TRUE(findText(pages, 0, "-6.20"));
  EXPECT_TRUE(findText(pages, 0, "18.60"));
}

TEST_F(ReceiptPagesTest, GenerationLeavesTheCursorOnItsRecord) {
  store::sql::ResultSet rows = testing::manyReceiptLines(5);
  rows.first();
  rows.next();
  rows.next();
  generate(listari.layout("ReceptiiPRN"), rows);
  EXPECT_EQ(rows.recordNumber(), 3);
}

TEST_F(ReceiptPagesTest, RowFilterHidesLinesFromThePrintout) {
  store::sql::ResultSet rows = testing::receiptLines({{"CAIET", "BUC", "10", "10", "2", "20", "4.8", "24.8"},
                                                      {"DISCOUNT", "BUC", "1", "1", "-5", "-5", "-1.2", "-6.2"}});
  rows.setFilter("C7>=0");
  rows.setFiltered(true);
  const Document pages = generate(listari.layout("ReceptiiPRN"), rows);
  EXPECT_FALSE(findText(pages, 0, "DISCOUNT"));
  EXPECT_EQ(countText(pages, 0, "24.80"), 2) << pages.texts(0).join("|").toStdString();  // the line and the total
}

}  // namespace
}  // namespace reports

// Group header, sub-detail and group footer on a small layout shaped like the
// monthly report's: per-group sums restart, the summary covers every group.
#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "reports/generator.h"

namespace reports {
namespace {

using testing::amount;
using testing::text;

Layout unitTotalsLayout() {
  const Font font{"Arial", 10, false};
  Layout layout;
  layout.name = "UnitTotals";
  layout.margins = {10, 15, 16, 6};
  Band header = makeBand(BandKind::GroupHeader, 6);
  header.groupField = "GESTIUNE";
  header.elements = {at(fieldText("GESTIUNE", font), 0, 0)};
  Band detail = makeBand(BandKind::SubDetail, 5);
  detail.elements = {at(fieldText("PRODUS", font), 0, 0), at(systemData(SystemValue::RecordNumber, "#", font), 80, 0),
                     rightEdgeAt(fieldText("VAL", font, "0.00"), 120, 0)};
  Band footer = makeBand(BandKind::GroupFooter, 6);
  Element unitSum = rightEdgeAt(sumOf("VAL", font, "#,##0.00"), 120, 0);
  unitSum.name = "UnitSum";
  unitSum.resetAfterPrint = true;
  footer.elements = {at(staticText("Label", "Total gestiune", font), 0, 0), unitSum};
  Band summary = makeBand(BandKind::Summary, 6);
  summary.elements = {rightEdgeAt(sumOf("VAL", font, "#,##0.00"), 150, 0)};
  Band pageFooter = makeBand(BandKind::PageFooter, 5);
  pageFooter.elements = {bandRight(systemData(SystemValue::PageNumber, "pag. ", font), 0)};
  layout.bands = {header, detail, footer, summary, pageFooter};
  return layout;
}

TEST(GroupedPagesTest, UnitTotalsRestartWhileTheGrandTotalCoversAll) {
  store::sql::ResultSet rows({"GESTIUNE", "PRODUS", "VAL"}, {{text("A"), text("P1"), amount("1000")},
                                                             {text("A"), text("P2"), amount("500.5")},
                                                             {text("B"), text("P3"), amount("7")}});
  const Document pages = generate(unitTotalsLayout(), rows);
  ASSERT_EQ(pages.pages.size(), 1u);
  EXPECT_EQ(pages.texts(0), (QStringList{"A", "P1", "#1", "1000.00", "P2", "#2", "500.50", "Total gestiune", "1,500.50",
                                         "B", "P3", "#3", "7.00", "Total gestiune", "7.00", "1,507.50", "pag. 1"}));
}

TEST(GroupedPagesTest, PageNumberTakesTwoDigits) {
  std::vector<std::vector<store::Value>> values;
  for (int i = 0; i < 600; ++i) values.push_back({text("A"), text("P" + std::to_string(i)), amount("1")});
  store::sql::ResultSet rows({"GESTIUNE", "PRODUS", "VAL"}, std::move(values));
  const Document pages = generate(unitTotalsLayout(), rows);
  ASSERT_GE(pages.pages.size(), 12u);
  EXPECT_TRUE(testing::findText(pages, 11, "pag. 12"));
  EXPECT_TRUE(testing::findText(pages, int(pages.pages.size()) - 1, "600.00"));
}

}  // namespace
}  // namespace reports

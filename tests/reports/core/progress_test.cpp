// The generation's progress: whole percentages of the records walked.
#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "reports/generator.h"
#include "reports/listari.h"

namespace reports {
namespace {

std::vector<int> heardWhileGenerating(store::sql::ResultSet rows) {
  TLISTARI listari;
  std::vector<int> heard;
  generate(listari.layout("ReceptiiPRN"), rows, [&](int percent) { heard.push_back(percent); });
  return heard;
}

TEST(GenerationProgress, RisesFromZeroToHundredHearingEachPercentageOnce) {
  for (int records : {0, 1, 3, 250}) {
    const std::vector<int> heard = heardWhileGenerating(testing::manyReceiptLines(records));
    ASSERT_GE(heard.size(), 2u) << records;
    EXPECT_EQ(heard.front(), 0) << records;
    EXPECT_EQ(heard.back(), 100) << records;
    EXPECT_TRUE(std::adjacent_find(heard.begin(), heard.end(), std::greater_equal<int>()) == heard.end())
        << records << " records: not strictly rising";
  }
  EXPECT_EQ(heardWhileGenerating(testing::manyReceiptLines(3)), std::vector<int>({0, 33, 66, 100}));
}

}  // namespace
}  // namespace reports

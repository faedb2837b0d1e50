// Sharing a range between the two cores: every index once, and a failure
// carried back to the caller, the first half's before the second's.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "store/split_work.h"

namespace store {
namespace {

TEST(SplitInTwoTest, CoversTheRangeOnceWhetherSplitOrNot) {
  for (const uint32_t count : {0u, 1u, 999u, 1000u, 100001u}) {
    SCOPED_TRACE(count);
    std::vector<std::atomic<int>> seen(count);
    std::atomic<int> halves = 0;
    splitInTwo(
        count,
        [&](int, uint32_t begin, uint32_t end) {
          ++halves;
          for (uint32_t i = begin; i < end; ++i) ++seen[i];
        },
        1000);
    EXPECT_EQ(halves, count >= 1000 ? 2 : 1);
    for (uint32_t i = 0; i < count; ++i) ASSERT_EQ(seen[i], 1) << i;
  }
}

TEST(SplitInTwoTest, TheEarlierHalfsFailureWins) {
  struct Case {
    bool firstFails, secondFails;
    const char* expected;
  };
  for (const Case& c : {Case{true, true, "first"}, Case{false, true, "second"}, Case{true, false, "first"}}) {
    try {
      splitInTwo(
          10,
          [&](int half, uint32_t, uint32_t) {
            if (half == 0 && c.firstFails) throw std::runtime_error("first");
            if (half == 1 && c.secondFails) throw std::runtime_error("second");
          },
          2);
      ADD_FAILURE() << "no failure";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), c.expected);
    }
  }
}

}  // namespace
}  // namespace store

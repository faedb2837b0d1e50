// The dictionary of a text column: one code per distinct text, kept as it
// grows past many times its first size, and the texts' ranks.
#include <gtest/gtest.h>

#include <string>

#include "store/dbase/table_image.h"

namespace store::dbase {
namespace {

TEST(TextDictionary, GivesEachTextOneCodeThroughGrowth) {
  TextDictionary dictionary;
  EXPECT_EQ(dictionary.intern(""), 0u);
  // Texts that differ only late, and prefixes of each other.
  auto text = [](int i) { return "PRODUS " + std::string(size_t(i % 7), 'X') + std::to_string(i); };
  for (int i = 0; i < 5000; ++i) EXPECT_EQ(dictionary.intern(text(i)), uint32_t(i + 1)) << text(i);
  for (int i = 4999; i >= 0; --i) {
    EXPECT_EQ(dictionary.intern(text(i)), uint32_t(i + 1));
    EXPECT_EQ(dictionary.find(text(i)), uint32_t(i + 1));
    EXPECT_EQ(dictionary.text(uint32_t(i + 1)), text(i));
  }
  EXPECT_EQ(dictionary.size(), 5001u);
  EXPECT_EQ(dictionary.find(""), 0u);
  EXPECT_FALSE(dictionary.find("PRODUS"));
  EXPECT_FALSE(dictionary.find(text(0) + " "));
}

TEST(TextDictionary, RanksFollowByteOrderAndTheGrowth) {
  TextDictionary dictionary;
  dictionary.intern("ZAHAR");
  dictionary.intern("CAFEA");
  EXPECT_EQ(dictionary.ranks(), (std::vector<uint32_t>{0, 2, 1}));
  dictionary.intern("\xBA" "ervete");  // ș in Windows-1250 sorts after the letters
  dictionary.intern("CEAI");
  EXPECT_FALSE(dictionary.ranked());
  EXPECT_EQ(dictionary.ranks(), (std::vector<uint32_t>{0, 3, 1, 4, 2}));
}

}  // namespace
}  // namespace store::dbase

// The message dialog's width rule, button places and line breaking, and the
// progress counter's figures.
#include "app/message_layout.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(MessageLayout, WidthRule) {
  struct Case {
    std::vector<int> labels;
    int dialog;
  } cases[] = {
      {{100}, 260},        // short text: the minimum
      {{159}, 260},        // just under W - 60
      {{160}, 260},        // at W - 60: W := 160 + 60 = 220
      {{300}, 400},        // W := 360
      {{300, 100}, 400},   // a later short line changes nothing
      {{100, 300, 350}, 450},
  };
  for (const auto& c : cases) EXPECT_EQ(messageDialogWidth(c.labels), c.dialog);
}

TEST(MessageLayout, ButtonPlaces) {
  EXPECT_EQ(messageButtonLefts(260, 1), (std::vector<int>{26, 142}));
  EXPECT_EQ(messageButtonLefts(260, 0), (std::vector<int>{85}));
  EXPECT_EQ(messageButtonLefts(401, 1), (std::vector<int>{73, 236}));
  EXPECT_EQ(messageButtonLefts(401, 0), (std::vector<int>{155}));
}

TEST(MessageLayout, LinesBreakAtLineBreaksAndWrapAtWords) {
  auto tenPerChar = [](const QString& s) { return static_cast<int>(s.size()) * 10; };
  EXPECT_EQ(wrapMessage("Fisierul x nu exista!\r\nObligatoriu RESTAURATI !", 385, tenPerChar),
            QStringList({"Fisierul x nu exista!", "Obligatoriu RESTAURATI !"}));
  // 40 characters fit in 385 pixels at ten per character.
  QString longLine = "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj";
  EXPECT_EQ(wrapMessage(longLine, 385, tenPerChar),
            QStringList({"aaaa bbbb cccc dddd eeee ffff gggg", "hhhh iiii jjjj"}));
  EXPECT_EQ(wrapMessage("one\ntwo", 385, tenPerChar).size(), 2);
}

TEST(MessageLayout, KindIsNormalized) {
  EXPECT_EQ(normalizedKind("information"), "Information");
  EXPECT_EQ(normalizedKind("ERROR"), "Error");
  EXPECT_EQ(normalizedKind("Confirmation"), "Confirmation");
}

TEST(ProgressCounter, Figures) {
  EXPECT_EQ(counterPosition(3, 7)->percent, 42);
  EXPECT_EQ(counterPosition(3, 7)->barWidth, 126);
  EXPECT_EQ(counterPosition(7, 7)->barWidth, 300);
  EXPECT_EQ(counterPosition(29, 100)->percent, 29);
  EXPECT_EQ(counterPosition(0, 7)->barWidth, 0);
  EXPECT_FALSE(counterPosition(8, 7).has_value());
  EXPECT_FALSE(counterPosition(1, 0).has_value());
}

}  // namespace
}  // namespace app

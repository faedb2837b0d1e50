// Number entry keystrokes, FaNumar and Curata.
#include "app/number_entry.h"

#include <gtest/gtest.h>

namespace app {
namespace {

// Types `keys` into a box and returns its text; '<' is Backspace, '>' Delete,
// ',' the comma key (Romanian layouts and their keypad).
struct Typing {
  const char* start;
  int caret;
  int maxLength;
  const char* keys;
  const char* expected;
  int expectedCaret;
};

int keyOf(char c) {
  switch (c) {
    case '<': return Qt::Key_Backspace;
    case '>': return Qt::Key_Delete;
    case '-': return Qt::Key_Minus;
    case '.': return Qt::Key_Period;
    case ',': return Qt::Key_Comma;
    default: return c >= '0' && c <= '9' ? Qt::Key_0 + (c - '0') : Qt::Key_A;
  }
}

TEST(NumberEntry, KeySequences) {
  const Typing cases[] = {
      {"", 0, 4, "24.5", "24.5", 4},     {"", 0, 4, "24.56", "24.5", 4},   // the maximum length stops the 6
      {"0", 1, 10, "7", "7", 1},         {"0", 1, 10, "-", "-", 1},        // a lone 0 is replaced
      {"-12", 0, 10, "3", "-12", 0},     {"-12", 1, 10, "3", "-312", 2},   // nothing in front of the sign
      {"12", 0, 10, "<", "12", 0},       {"12", 2, 10, ">", "12", 2},      // nothing to delete
      {"125", 2, 10, "<", "15", 1},      {"125", 1, 10, ">", "15", 1},
      {"12", 1, 10, "-", "12", 1},       {"-1", 0, 10, "-", "-1", 0},      // minus only at the start, once
      {"1.5", 1, 10, ".", "1.5", 1},     {"15", 1, 10, ".", "1.5", 2},     // one point at most
      {"12", 2, 10, "a", "12", 2},
      {"", 0, 10, "2,5", "2.5", 3},      {"1.5", 3, 10, ",", "1.5", 3},    // "," is the decimal point
      {"25", 1, 10, ",.", "2.5", 2},
  };
  for (const auto& c : cases) {
    EditState box{c.start, c.caret, c.caret, 0, c.maxLength};
    for (const char* k = c.keys; *k; ++k) box = Lasa_Numar(box, keyOf(*k), Qt::NoModifier).state;
    EXPECT_EQ(box.text, QString(c.expected)) << c.start << " + " << c.keys;
    EXPECT_EQ(box.caret, c.expectedCaret) << c.start << " + " << c.keys;
  }
}

TEST(NumberEntry, SelectionIsReplacedAndEachChangeIsReported) {
  EditState box{"12.5", 4, 0, 4, 10};
  KeyOutcome typed = Lasa_Numar(box, Qt::Key_8, Qt::NoModifier);
  EXPECT_EQ(typed.state.text, "8");
  EXPECT_EQ(typed.textsSet, (std::vector<QString>{"", "8"}));
  KeyOutcome zero = Lasa_Numar(EditState{"0", 1, 1, 0, 10}, Qt::Key_7, Qt::NoModifier);
  EXPECT_EQ(zero.textsSet, (std::vector<QString>{"", "7"}));
  KeyOutcome back = Lasa_Numar(EditState{"12.5", 4, 1, 2, 10}, Qt::Key_Backspace, Qt::NoModifier);
  EXPECT_EQ(back.state.text, "15");  // only the selection goes
  EXPECT_EQ(back.state.caret, 1);
  EXPECT_FALSE(Lasa_Numar(box, Qt::Key_Left, Qt::NoModifier).handled);
  EXPECT_FALSE(StergeSelectia(EditState{"12", 1, 1, 0, 10}).has_value());
}

TEST(FaNumar, CanonicalText) {
  const std::pair<const char*, const char*> cases[] = {
      {"12.", "12"}, {"007", "7"},   {"1.50", "1.5"}, {"-", "0"},        {".", "0"},     {"", "0"},
      {"  3", "3"},  {"-0.25", "-0.25"}, {".5", "0.5"}, {"1e3", "1000"}, {"12a", "0"}, {"3 ", "0"},
      {"0.1234567890123456", "0.123456789012346"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(FaNumar(in), QString(out)) << in;
}

TEST(Curata, TrimsAndCollapses) {
  EXPECT_EQ(Curata("  a   b  "), "a b");
  EXPECT_EQ(Curata("\t\x01x  y\r\n"), "x y");
  EXPECT_EQ(Curata(""), "");
  EXPECT_EQ(Curata("a b"), "a b");
}

}  // namespace
}  // namespace app

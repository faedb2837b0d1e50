// Exact decimal amounts as signed 64-bit counts of ten-thousandths.
//
// Quantities, values and prices are never held in floating point: 12.5 is
// 125000. Conversions from text or from a real round to the nearest
// ten-thousandth with ties to the even neighbour, and so does narrowing to
// fewer decimals (a table column keeps two).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace store::decimal {

inline constexpr int kScaleDigits = 4;
inline constexpr int64_t kScale = 10000;

// Parses an optional sign, digits and an optional point with digits
// ("-12.345", "7", ".5", "3."); surrounding blanks are allowed. Extra decimals
// round half to even. Empty after trimming, any other character, or a value
// beyond int64 gives nullopt.
std::optional<int64_t> parse(std::string_view text);

// Rounds ten-thousandths to `decimals` places (0..4), ties to even.
int64_t roundTo(int64_t tenThousandths, int decimals);

// Fixed text with exactly `decimals` places ("-3.25", "24.00"), rounding half
// to even first; no grouping.
std::string format(int64_t tenThousandths, int decimals);

// Shortest text that keeps the value: "12.5", "3", "-0.0001".
std::string formatShortest(int64_t tenThousandths);

// value * 10000 rounded half to even; nullopt when not finite or out of range.
std::optional<int64_t> fromDouble(double value);

inline double toDouble(int64_t tenThousandths) {
  return static_cast<double>(tenThousandths) / static_cast<double>(kScale);
}

// Checked arithmetic: nullopt on overflow.
std::optional<int64_t> add(int64_t a, int64_t b);
std::optional<int64_t> subtract(int64_t a, int64_t b);

// Number of digits before the point in |value| (0 for values below 1).
int integerDigits(int64_t tenThousandths);

}  // namespace store::decimal

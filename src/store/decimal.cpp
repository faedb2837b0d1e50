// Decimal text and ten-thousandths: parsing, rounding and formatting.
#include "store/decimal.h"

#include <cmath>
#include <limits>

namespace store::decimal {

namespace {

constexpr int64_t kPow10[] = {1, 10, 100, 1000, 10000};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Divides by `divisor` (> 0) rounding the quotient half to even.
inline int64_t divideHalfEven(int64_t value, int64_t divisor) {
  int64_t quotient = value / divisor;
  int64_t remainder = value % divisor;
  if (remainder == 0) return quotient;
  int64_t twice = 2 * (remainder < 0 ? -remainder : remainder);
  bool roundAway = twice > divisor || (twice == divisor && (quotient % 2 != 0));
  if (roundAway) quotient += (value < 0 ? -1 : 1);
  return quotient;
}

}  // namespace

std::optional<int64_t> parse(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  if (begin == end) return std::nullopt;
  bool negative = false;
  if (text[begin] == '-' || text[begin] == '+') {
    negative = text[begin] == '-';
    ++begin;
  }
  // Accumulate the magnitude as a negative number so INT64_MIN parses.
  int64_t magnitude = 0;  // negative accumulator, in ten-thousandths
  bool anyDigit = false, seenPoint = false;
  int decimals = 0;
  int firstDropped = -1;      // the first digit beyond the fourth decimal
  bool droppedNonZero = false;  // any later non-zero digit beyond it
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  for (size_t i = begin; i < end; ++i) {
    char c = text[i];
    if (c == '.') {
      if (seenPoint) return std::nullopt;
      seenPoint = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    anyDigit = true;
    int digit = c - '0';
    if (seenPoint && decimals >= kScaleDigits) {
      if (firstDropped < 0) firstDropped = digit;
      else if (digit != 0) droppedNonZero = true;
      continue;
    }
    if (seenPoint) ++decimals;
    if (magnitude < kMin / 10) return std::nullopt;
    magnitude *= 10;
    if (magnitude < kMin + digit) return std::nullopt;
    magnitude -= digit;
  }
  if (!anyDigit) return std::nullopt;
  for (int d = decimals; d < kScaleDigits; ++d) {
    if (magnitude < kMin / 10) return std::nullopt;
    magnitude *= 10;
  }
  if (firstDropped > 5 || (firstDropped == 5 && (droppedNonZero || (magnitude % 2) != 0))) {
    if (magnitude == kMin) return std::nullopt;
    magnitude -= 1;
  }
  if (negative) return magnitude;
  if (magnitude == kMin) return std::nullopt;
  return -magnitude;
}

int64_t roundTo(int64_t tenThousandths, int decimals) {
  // Each unit spelled as a constant: every stored amount passes here, and a
  // division by a constant is a multiplication.
  switch (decimals) {
    case 3: return divideHalfEven(tenThousandths, 10) * 10;
    case 2: return divideHalfEven(tenThousandths, 100) * 100;
    case 1: return divideHalfEven(tenThousandths, 1000) * 1000;
    default: return decimals >= kScaleDigits ? tenThousandths : divideHalfEven(tenThousandths, 10000) * 10000;
  }
}

std::string format(int64_t tenThousandths, int decimals) {
  if (decimals > kScaleDigits) decimals = kScaleDigits;
  if (decimals < 0) decimals = 0;
  int64_t units = divideHalfEven(tenThousandths, kPow10[kScaleDigits - decimals]);
  bool negative = units < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
  std::string digits = std::to_string(magnitude);
  if (decimals > 0) {
    if (digits.size() <= static_cast<size_t>(decimals))
      digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<size_t>(decimals), 1, '.');
  }
  if (negative) digits.insert(0, 1, '-');
  return digits;
}

std::string formatShortest(int64_t tenThousandths) {
  std::string text = format(tenThousandths, kScaleDigits);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

std::optional<int64_t> fromDouble(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double scaled = value * static_cast<double>(kScale);
  if (!(scaled > -9.2e18 && scaled < 9.2e18)) return std::nullopt;
  return static_cast<int64_t>(std::nearbyint(scaled));  // default mode: ties to even
}

std::optional<int64_t> add(int64_t a, int64_t b) {
  int64_t result;
  if (__builtin_add_overflow(a, b, &result)) return std::nullopt;
  return result;
}

std::optional<int64_t> subtract(int64_t a, int64_t b) {
  int64_t result;
  if (__builtin_sub_overflow(a, b, &result)) return std::nullopt;
  return result;
}

int integerDigits(int64_t tenThousandths) {
  uint64_t magnitude = tenThousandths < 0 ? 0 - static_cast<uint64_t>(tenThousandths)
                                          : static_cast<uint64_t>(tenThousandths);
  magnitude /= static_cast<uint64_t>(kScale);
  int digits = 0;
  while (magnitude > 0) {
    ++digits;
    magnitude /= 10;
  }
  return digits;
}

}  // namespace store::decimal

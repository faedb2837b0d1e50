// Julian day numbers and the two date texts.
#include "store/date.h"

#include <cstdio>

namespace store::date {

namespace {

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

std::optional<int> digitsValue(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

bool isValid(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= daysInMonth(year, month);
}

int32_t julianDay(int year, int month, int day) {
  // Fliegel and Van Flandern's formula for the proleptic Gregorian calendar.
  int a = (14 - month) / 12;
  int y = year + 4800 - a;
  int m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

Ymd fromJulianDay(int32_t jd) {
  int a = jd + 32044;
  int b = (4 * a + 3) / 146097;
  int c = a - 146097 * b / 4;
  int d = (4 * c + 3) / 1461;
  int e = c - 1461 * d / 4;
  int m = (5 * e + 2) / 153;
  Ymd ymd;
  ymd.day = e - (153 * m + 2) / 5 + 1;
  ymd.month = m + 3 - 12 * (m / 10);
  ymd.year = 100 * b + d - 4800 + m / 10;
  return ymd;
}

std::optional<int32_t> parseDisplay(std::string_view text) {
  size_t first = text.find('.');
  if (first == std::string_view::npos) return std::nullopt;
  size_t second = text.find('.', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  std::string_view dd = text.substr(0, first), mm = text.substr(first + 1, second - first - 1),
                   yyyy = text.substr(second + 1);
  if (dd.size() > 2 || mm.size() > 2 || yyyy.size() != 4) return std::nullopt;
  auto d = digitsValue(dd), m = digitsValue(mm), y = digitsValue(yyyy);
  if (!d || !m || !y || !isValid(*y, *m, *d)) return std::nullopt;
  return julianDay(*y, *m, *d);
}

std::optional<int32_t> parseStored(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  auto y = digitsValue(text.substr(0, 4)), m = digitsValue(text.substr(4, 2)),
       d = digitsValue(text.substr(6, 2));
  if (!d || !m || !y || !isValid(*y, *m, *d)) return std::nullopt;
  return julianDay(*y, *m, *d);
}

std::string formatDisplay(int32_t jd) {
  Ymd ymd = fromJulianDay(jd);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", ymd.day, ymd.month, ymd.year);
  return buffer;
}

std::string formatStored(int32_t jd) {
  Ymd ymd = fromJulianDay(jd);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", ymd.year, ymd.month, ymd.day);
  return buffer;
}

}  // namespace store::date

// Calendar dates as Julian day numbers.
//
// A DATE value is the Julian day number (2024-01-15 is 2460325), the same
// number the .mdx keys hold as a double, so dates compare in calendar order as
// plain integers. Tables store "YYYYMMDD"; statements write "dd.MM.yyyy".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace store::date {

struct Ymd {
  int year;
  int month;
  int day;
};

bool isValid(int year, int month, int day);
int32_t julianDay(int year, int month, int day);  // REQUIRES: isValid
Ymd fromJulianDay(int32_t julianDay);

// "dd.MM.yyyy" (also d.M.yyyy); nullopt when not a real calendar date.
std::optional<int32_t> parseDisplay(std::string_view text);
// "YYYYMMDD" as stored in a .dbf; nullopt when not a real calendar date.
std::optional<int32_t> parseStored(std::string_view text);

std::string formatDisplay(int32_t julianDay);  // dd.MM.yyyy
std::string formatStored(int32_t julianDay);   // YYYYMMDD

}  // namespace store::date

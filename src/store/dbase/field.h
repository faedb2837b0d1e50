// A field descriptor of a .dbf table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace store::dbase {

struct Field {
  std::string name;      // upper case as stored, at most 10 ASCII characters
  char type = 'C';       // C, N, F, D or L
  uint8_t width = 0;     // bytes in the record
  uint8_t decimals = 0;  // N and F only
  uint32_t offset = 0;   // from the start of the record; the deletion flag is byte 0, so the first field is at 1
  bool tagged = false;   // byte 31: the field has a tag in the production .mdx
};

using FieldList = std::vector<Field>;

}  // namespace store::dbase

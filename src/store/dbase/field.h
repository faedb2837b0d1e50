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
  uint32_t offset = 0;   // byte position in the record: byte 0 is the deletion flag, so the first field starts at 1
  bool tagged = false;   // byte 31: the field has a tag in the production .mdx
};

using FieldList = std::vector<Field>;

}  // namespace store::dbase

// Building a tag whole, bottom-up, from all its items at once.
//
// The leaves are filled as far as the block allows, the items spread evenly
// so that no leaf is left nearly empty; each level above holds as many
// children per node as fit, until one node, the root, remains. The blocks
// come out in file order: the tag header, the leaves, then each level up.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/mdx/key_codec.h"

namespace store::mdx {

// The keys of one tag side by side at their fixed length, each with its
// record; a million keys stay one allocation and sort by moving indexes.
struct KeyTable {
  size_t keyLength = 0;
  std::string keys;
  std::vector<uint32_t> records;

  size_t size() const { return records.size(); }
  std::string_view key(size_t i) const { return std::string_view(keys).substr(i * keyLength, keyLength); }
};

// Puts the table in tag order: by key, equal keys by record number.
// `prefixes` holds codec.orderPrefix() of each key, in the table's order.
void sortKeys(const KeyCodec& codec, KeyTable& table, const std::vector<uint64_t>& prefixes);

// The tag's header block followed by its node blocks, for placing at
// `firstPage`; REQUIRES: `sorted` is in tag order.
std::string buildTag(uint32_t firstPage, const KeyCodec& codec, const std::string& expression, const KeyTable& sorted);

}  // namespace store::mdx

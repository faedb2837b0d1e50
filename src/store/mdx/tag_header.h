// The header block of one tag: where its B-tree starts, how big its keys are
// and which field they come from.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/mdx/btree_node.h"
#include "store/mdx/key_codec.h"

namespace store::mdx {

struct TagHeader {
  uint32_t rootPage = 0;
  uint32_t sizeInPages = 0;  // the header block and every node block of the tag
  KeyCodec codec;
  std::string expression;    // the field name
  uint8_t updateCounter = 0;

  NodeShape shape() const { return {codec.keyLength(), codec.itemLength(), codec.keysPerBlock()}; }

  // Throws StoreError (prefixed with `where`) when the block is no tag header
  // of a file of `pageCount` pages or disagrees with `entryKeyType`, the key
  // type the tag table gives.
  static TagHeader parse(std::string_view block, KeyType entryKeyType, uint32_t pageCount, const std::string& where);
  std::string serialize() const;  // a whole block
};

}  // namespace store::mdx

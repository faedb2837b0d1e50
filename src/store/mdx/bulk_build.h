// Building a tag whole, bottom-up, from all its items at once.
//
// The leaves are filled as far as the block allows, the items spread evenly
// so that no leaf is left nearly empty; each level above holds as many
// children per node as fit, until one node, the root, remains. The blocks
// come out in file order: the tag header, the leaves, then each level up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/mdx/btree_node.h"
#include "store/mdx/key_codec.h"

namespace store::mdx {

// Puts items in tag order: by key, equal keys by record number.
void sortItems(const KeyCodec& codec, std::vector<IndexItem>& items);

// The tag's header block followed by its node blocks, for placing at
// `firstPage`; REQUIRES: `sorted` is in tag order.
std::string buildTag(uint32_t firstPage, const KeyCodec& codec, const std::string& expression,
                     const std::vector<IndexItem>& sorted);

}  // namespace store::mdx

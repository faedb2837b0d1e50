// Parsing and writing of B-tree node blocks.
#include "store/mdx/btree_node.h"

#include "store/error.h"
#include "store/mdx/mdx_layout.h"

namespace store::mdx {

BtreeNode BtreeNode::parse(std::string_view block, const NodeShape& shape, uint32_t pageCount,
                           const std::string& where) {
  const uint32_t count = getU32(block, node::kKeyCount);
  if (count > static_cast<uint32_t>(shape.keysPerBlock))
    throw StoreError(where + ": " + std::to_string(count) + " keys in a node that holds " +
                     std::to_string(shape.keysPerBlock));
  BtreeNode result;
  result.keys.reserve(count);
  result.pointers.reserve(count + 1);
  int at = node::kItems;
  for (uint32_t i = 0; i < count; ++i, at += shape.itemLength) {
    result.pointers.push_back(getU32(block, at));
    result.keys.emplace_back(block.substr(static_cast<size_t>(at + 4), static_cast<size_t>(shape.keyLength)));
  }
  const uint32_t rightmost = getU32(block, at);
  if (rightmost != 0) result.pointers.push_back(rightmost);

  if (result.isLeaf()) {
    for (uint32_t record : result.pointers)
      if (record == 0) throw StoreError(where + ": record number 0 in a leaf");
  } else {
    for (uint32_t child : result.pointers)
      if (child < kFirstDataPage || child > pageCount - kPagesPerBlock)
        throw StoreError(where + ": child page " + std::to_string(child) + " lies outside the file's " +
                         std::to_string(pageCount) + " pages");
  }
  return result;
}

std::string BtreeNode::serialize(const NodeShape& shape) const {
  std::string block(kBlockSize, '\0');
  putU32(block, node::kKeyCount, static_cast<uint32_t>(keys.size()));
  int at = node::kItems;
  for (size_t i = 0; i < keys.size(); ++i, at += shape.itemLength) {
    putU32(block, at, pointers[i]);
    block.replace(static_cast<size_t>(at + 4), keys[i].size(), keys[i]);
  }
  if (!isLeaf()) putU32(block, at, pointers.back());
  return block;
}

}  // namespace store::mdx

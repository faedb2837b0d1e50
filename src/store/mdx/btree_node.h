// One B-tree node of a tag, parsed out of its block and written back.
//
// A leaf holds n (key, record) items. An interior node holds n (key, child)
// items, each key the highest key below that child, and one more child after
// them, the rightmost, which has no key of its own. On disk the word after
// the n items is that rightmost child in an interior node and 0 in a leaf,
// which is how the two are told apart.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace store::mdx {

struct NodeShape {
  int keyLength;
  int itemLength;
  int keysPerBlock;
};

// One key of a tag with the record it belongs to, as a leaf holds it.
struct IndexItem {
  std::string key;
  uint32_t record;
  friend bool operator==(const IndexItem&, const IndexItem&) = default;
};

struct BtreeNode {
  std::vector<std::string> keys;
  // Records in a leaf (one per key); child pages in an interior node (one
  // more than the keys).
  std::vector<uint32_t> pointers;

  bool isLeaf() const { return pointers.size() == keys.size(); }

  // Throws StoreError when the block cannot be a node of this shape: a key
  // count above the block's room, a record number 0, or a child page outside
  // [kFirstDataPage, pageCount - kPagesPerBlock]. `where` names the file,
  // tag and page for the message.
  static BtreeNode parse(std::string_view block, const NodeShape& shape, uint32_t pageCount, const std::string& where);

  // A whole block, zero-filled past the items.
  std::string serialize(const NodeShape& shape) const;
};

}  // namespace store::mdx

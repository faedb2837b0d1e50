// Bottom-up construction of a whole tag.
#include "store/mdx/bulk_build.h"

#include <algorithm>

#include "store/mdx/btree_node.h"
#include "store/mdx/mdx_layout.h"
#include "store/mdx/tag_header.h"
#include "store/radix_sort.h"

namespace store::mdx {

namespace {

struct BuiltNode {
  uint32_t page;
  std::string highest;
};

// Splits `total` things into `groups` runs whose lengths differ by one at most.
size_t runStart(size_t total, size_t groups, size_t run) { return run * total / groups; }

size_t groupsOf(size_t total, size_t perGroup) { return std::max<size_t>(1, (total + perGroup - 1) / perGroup); }

// A key's place in the sort: its order prefix, record and position.
struct Slot {
  uint64_t prefix;
  uint32_t record;
  uint32_t index;
};

}  // namespace

void sortKeys(const KeyCodec& codec, KeyTable& table, const std::vector<uint64_t>& prefixes) {
  // Sorting small order that carry the key's order prefix keeps the sort in
  // cache; only equal prefixes of longer text keys look at the keys.
  std::vector<Slot> order(table.size());
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = {prefixes[i], table.records[i], static_cast<uint32_t>(i)};
  const bool whole = codec.prefixIsWhole();
  auto before = [&](const Slot& a, const Slot& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    const int byKey = whole ? 0 : codec.compare(table.key(a.index), table.key(b.index));
    return byKey < 0 || (byKey == 0 && a.record < b.record);
  };
  // Identifier columns usually grow with the record number: nothing to sort.
  if (std::is_sorted(order.begin(), order.end(), before)) return;
  // Keys taken in record order and ordered by their prefix alone need only
  // a stable sort by prefix.
  if (whole && std::is_sorted(table.records.begin(), table.records.end())) stableRadixSort(order, [](const Slot& slot) { return slot.prefix; });
  else std::sort(order.begin(), order.end(), before);
  KeyTable sorted{table.keyLength, std::string(), std::vector<uint32_t>(order.size())};
  sorted.keys.reserve(table.keys.size());
  for (size_t i = 0; i < order.size(); ++i) {
    sorted.keys.append(table.key(order[i].index));
    sorted.records[i] = order[i].record;
  }
  table = std::move(sorted);
}

std::string buildTag(uint32_t firstPage, const KeyCodec& codec, const std::string& expression, const KeyTable& sorted) {
  TagHeader header{.codec = codec, .expression = expression};
  const NodeShape shape = header.shape();
  // The header block comes first but knows the root only at the end: its
  // place is kept and filled last.
  std::string blocks(kBlockSize, '\0');
  uint32_t nextPage = firstPage + kPagesPerBlock;

  std::vector<BuiltNode> level;
  const size_t leaves = groupsOf(sorted.size(), static_cast<size_t>(shape.keysPerBlock));
  blocks.reserve(static_cast<size_t>(kBlockSize) * (leaves + leaves / static_cast<size_t>(shape.keysPerBlock) + 3));
  for (size_t j = 0; j < leaves; ++j) {
    // Leaves are written straight from the table: they are nearly all the
    // blocks, and a BtreeNode would copy every key once more.
    const size_t begin = runStart(sorted.size(), leaves, j);
    const size_t end = runStart(sorted.size(), leaves, j + 1);
    std::string leaf(kBlockSize, '\0');
    putU32(leaf, node::kKeyCount, static_cast<uint32_t>(end - begin));
    for (size_t i = begin; i < end; ++i) {
      const int at = node::kItems + static_cast<int>(i - begin) * shape.itemLength;
      putU32(leaf, at, sorted.records[i]);
      leaf.replace(static_cast<size_t>(at + 4), sorted.keyLength, sorted.key(i));
    }
    blocks += leaf;
    level.push_back({nextPage, end > begin ? std::string(sorted.key(end - 1)) : std::string()});
    nextPage += kPagesPerBlock;
  }
  const size_t childrenPerNode = static_cast<size_t>(shape.keysPerBlock) + 1;
  while (level.size() > 1) {
    std::vector<BuiltNode> upper;
    const size_t nodes = groupsOf(level.size(), childrenPerNode);
    for (size_t j = 0; j < nodes; ++j) {
      BtreeNode interior;
      const size_t end = runStart(level.size(), nodes, j + 1);
      for (size_t i = runStart(level.size(), nodes, j); i < end; ++i) {
        interior.pointers.push_back(level[i].page);
        if (i + 1 < end) interior.keys.push_back(level[i].highest);  // the last child goes without a key
      }
      blocks += interior.serialize(shape);
      upper.push_back({nextPage, level[end - 1].highest});
      nextPage += kPagesPerBlock;
    }
    level = std::move(upper);
  }

  header.rootPage = level.front().page;
  header.sizeInPages = nextPage - firstPage;
  blocks.replace(0, kBlockSize, header.serialize());
  return blocks;
}

}  // namespace store::mdx

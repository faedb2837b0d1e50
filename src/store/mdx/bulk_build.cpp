// Bottom-up construction of a whole tag.
#include "store/mdx/bulk_build.h"

#include <algorithm>

#include "store/mdx/mdx_layout.h"
#include "store/mdx/tag_header.h"

namespace store::mdx {

namespace {

struct BuiltNode {
  uint32_t page;
  std::string highest;
};

// Splits `total` things into `groups` runs whose lengths differ by one at most.
size_t runStart(size_t total, size_t groups, size_t run) { return run * total / groups; }

size_t groupsOf(size_t total, size_t perGroup) { return std::max<size_t>(1, (total + perGroup - 1) / perGroup); }

}  // namespace

void sortItems(const KeyCodec& codec, std::vector<IndexItem>& items) {
  std::sort(items.begin(), items.end(), [&](const IndexItem& a, const IndexItem& b) {
    const int order = codec.compare(a.key, b.key);
    return order < 0 || (order == 0 && a.record < b.record);
  });
}

std::string buildTag(uint32_t firstPage, const KeyCodec& codec, const std::string& expression,
                     const std::vector<IndexItem>& sorted) {
  TagHeader header{.codec = codec, .expression = expression};
  const NodeShape shape = header.shape();
  std::string blocks;
  uint32_t nextPage = firstPage + kPagesPerBlock;
  auto placeBlock = [&](const BtreeNode& node) {
    blocks += node.serialize(shape);
    const uint32_t page = nextPage;
    nextPage += kPagesPerBlock;
    return page;
  };

  std::vector<BuiltNode> level;
  const size_t leaves = groupsOf(sorted.size(), static_cast<size_t>(shape.keysPerBlock));
  for (size_t j = 0; j < leaves; ++j) {
    BtreeNode leaf;
    for (size_t i = runStart(sorted.size(), leaves, j); i < runStart(sorted.size(), leaves, j + 1); ++i) {
      leaf.keys.push_back(sorted[i].key);
      leaf.pointers.push_back(sorted[i].record);
    }
    std::string highest = leaf.keys.empty() ? std::string() : leaf.keys.back();
    level.push_back({placeBlock(leaf), std::move(highest)});
  }
  const size_t childrenPerNode = static_cast<size_t>(shape.keysPerBlock) + 1;
  while (level.size() > 1) {
    std::vector<BuiltNode> upper;
    const size_t nodes = groupsOf(level.size(), childrenPerNode);
    for (size_t j = 0; j < nodes; ++j) {
      BtreeNode node;
      const size_t end = runStart(level.size(), nodes, j + 1);
      for (size_t i = runStart(level.size(), nodes, j); i < end; ++i) {
        node.pointers.push_back(level[i].page);
        if (i + 1 < end) node.keys.push_back(level[i].highest);
      }
      upper.push_back({placeBlock(node), level[end - 1].highest});
    }
    level = std::move(upper);
  }

  header.rootPage = level.front().page;
  header.sizeInPages = nextPage - firstPage;
  return header.serialize() + blocks;
}

}  // namespace store::mdx

// Key-by-key maintenance and full walks of a tag's B-tree.
#include "store/mdx/tag_tree.h"

#include <algorithm>

#include "store/error.h"
#include "store/mdx/mdx_layout.h"

namespace store::mdx {

TagTree::TagTree(const BlockSource& source, TagHeader header, std::string where)
    : source_(source),
      header_(std::move(header)),
      where_(std::move(where)),
      shape_(header_.shape()),
      pageCount_(source.pageCount()) {}

std::string TagTree::at(uint32_t page) const { return where_ + ", page " + std::to_string(page); }

BtreeNode TagTree::load(uint32_t page) const {
  if (page < kFirstDataPage || page > pageCount_ - kPagesPerBlock)
    throw StoreError(at(page) + ": no such node in a file of " + std::to_string(pageCount_) + " pages");
  const auto changed = changed_.find(page);
  const std::string block = changed != changed_.end() ? changed->second : source_.readBlock(page);
  return BtreeNode::parse(block, shape_, pageCount_, at(page));
}

void TagTree::store(uint32_t page, const BtreeNode& node) { changed_[page] = node.serialize(shape_); }

uint32_t TagTree::appendBlock() {
  const uint32_t page = pageCount_;
  pageCount_ += kPagesPerBlock;
  header_.sizeInPages += kPagesPerBlock;
  headerChanged_ = true;
  return page;
}

std::vector<TagTree::Step> TagTree::descend(std::string_view key, uint32_t record) const {
  std::vector<Step> path;
  uint32_t page = header_.rootPage;
  for (int depth = 0;; ++depth) {
    if (depth >= kMaxDepth) throw StoreError(where_ + ": the tree is deeper than " + std::to_string(kMaxDepth) + " levels");
    for (const Step& step : path)
      if (step.page == page) throw StoreError(at(page) + ": the node is its own descendant");
    BtreeNode node = load(page);
    if (node.isLeaf()) {
      path.push_back({page, std::move(node), 0});
      return path;
    }
    const size_t child = chooseChild(node, key, record, depth);
    const uint32_t next = node.pointers[child];
    path.push_back({page, std::move(node), child});
    page = next;
  }
}

size_t TagTree::chooseChild(const BtreeNode& node, std::string_view key, uint32_t record, int depth) const {
  const KeyCodec& codec = header_.codec;
  const auto begin = node.keys.begin();
  const auto lower = std::partition_point(begin, node.keys.end(), [&](const std::string& k) {
    return codec.compare(k, key) < 0;
  });
  const auto upper = std::partition_point(lower, node.keys.end(), [&](const std::string& k) {
    return codec.compare(k, key) == 0;
  });
  // The children in [lower, upper) all end with `key`, so the interior keys
  // cannot tell them apart; their last records can, and they ascend.
  size_t first = static_cast<size_t>(lower - begin);
  size_t count = static_cast<size_t>(upper - lower);
  while (count > 0) {
    const size_t half = count / 2;
    if (highestRecord(node.pointers[first + half], depth + 1) < record) {
      first += half + 1;
      count -= half + 1;
    } else {
      count = half;
    }
  }
  return first;  // == keys.size() picks the rightmost child
}

uint32_t TagTree::highestRecord(uint32_t page, int depth) const {
  for (;; ++depth) {
    if (depth >= kMaxDepth) throw StoreError(where_ + ": the tree is deeper than " + std::to_string(kMaxDepth) + " levels");
    const BtreeNode node = load(page);
    if (node.isLeaf()) return node.pointers.empty() ? 0 : node.pointers.back();
    page = node.pointers.back();
  }
}

size_t TagTree::leafPosition(const BtreeNode& leaf, std::string_view key, uint32_t record) const {
  size_t first = 0;
  size_t count = leaf.keys.size();
  while (count > 0) {
    const size_t half = count / 2;
    const size_t i = first + half;
    const int order = header_.codec.compare(leaf.keys[i], key);
    if (order < 0 || (order == 0 && leaf.pointers[i] < record)) {
      first = i + 1;
      count -= half + 1;
    } else {
      count = half;
    }
  }
  return first;
}

TagTree::Outcome TagTree::settle(Step& step, bool appending, bool isRoot) {
  BtreeNode& node = step.node;
  Outcome outcome;
  if (node.pointers.empty() && !isRoot) {
    // Unlinked by the parent; the block stays in the file unused.
    outcome.emptied = true;
    return outcome;
  }
  if (node.keys.size() <= static_cast<size_t>(shape_.keysPerBlock)) {
    store(step.page, node);
    return outcome;
  }
  BtreeNode right;
  if (node.isLeaf()) {
    // Keys arriving in ascending order (new records with growing numbers)
    // would leave every leaf half empty with a middle split; keep the left
    // leaf full instead and start the right one with the new key.
    const size_t keep = appending ? node.keys.size() - 1 : (node.keys.size() + 1) / 2;
    right.keys.assign(node.keys.begin() + static_cast<ptrdiff_t>(keep), node.keys.end());
    right.pointers.assign(node.pointers.begin() + static_cast<ptrdiff_t>(keep), node.pointers.end());
    node.keys.resize(keep);
    node.pointers.resize(keep);
    outcome.leftHighest = node.keys.back();
  } else {
    // The left half keeps `keep` children; the key of its last one moves up.
    const size_t keep = node.pointers.size() / 2;
    right.keys.assign(node.keys.begin() + static_cast<ptrdiff_t>(keep), node.keys.end());
    right.pointers.assign(node.pointers.begin() + static_cast<ptrdiff_t>(keep), node.pointers.end());
    outcome.leftHighest = node.keys[keep - 1];
    node.keys.resize(keep - 1);
    node.pointers.resize(keep);
  }
  outcome.split = true;
  outcome.rightPage = appendBlock();
  store(step.page, node);
  store(outcome.rightPage, right);
  return outcome;
}

std::optional<std::string> TagTree::applyToParent(Step& parent, const Outcome& child) const {
  BtreeNode& node = parent.node;
  size_t i = parent.child;
  if (child.emptied) {
    node.pointers.erase(node.pointers.begin() + static_cast<ptrdiff_t>(i));
    if (i < node.keys.size()) {
      node.keys.erase(node.keys.begin() + static_cast<ptrdiff_t>(i));
      return std::nullopt;
    }
    // The rightmost child went: the one before it takes its place, and its
    // key, now the highest of this node, leaves the key list.
    if (node.keys.empty()) return std::nullopt;
    std::string highest = std::move(node.keys.back());
    node.keys.pop_back();
    return highest;
  }
  if (child.split) {
    node.keys.insert(node.keys.begin() + static_cast<ptrdiff_t>(i), child.leftHighest);
    node.pointers.insert(node.pointers.begin() + static_cast<ptrdiff_t>(i + 1), child.rightPage);
    ++i;
  }
  if (!child.highest) return std::nullopt;
  if (i < node.keys.size()) {
    node.keys[i] = *child.highest;
    return std::nullopt;
  }
  return child.highest;  // the rightmost child: this node's own highest key changed
}

void TagTree::propagate(std::vector<Step>& path, Outcome outcome) {
  for (size_t level = path.size() - 1; level > 0; --level) {
    if (!outcome.split && !outcome.emptied && !outcome.highest) return;
    Step& parent = path[level - 1];
    std::optional<std::string> highest = applyToParent(parent, outcome);
    outcome = settle(parent, false, level == 1);
    outcome.highest = std::move(highest);
  }
  Step& root = path.front();
  if (outcome.split) {
    BtreeNode top;
    top.keys = {outcome.leftHighest};
    top.pointers = {root.page, outcome.rightPage};
    header_.rootPage = appendBlock();
    store(header_.rootPage, top);
    return;
  }
  // A root with one child and no keys only adds a level: hand over to the child.
  BtreeNode node = root.node;
  for (int depth = 0; !node.isLeaf() && node.pointers.size() == 1; ++depth) {
    if (depth >= kMaxDepth) throw StoreError(where_ + ": the tree is deeper than " + std::to_string(kMaxDepth) + " levels");
    header_.rootPage = node.pointers.front();
    headerChanged_ = true;
    node = load(header_.rootPage);
  }
}

void TagTree::insert(std::string_view key, uint32_t record) {
  std::vector<Step> path = descend(key, record);
  Step& leaf = path.back();
  const size_t pos = leafPosition(leaf.node, key, record);
  if (pos < leaf.node.keys.size() && leaf.node.pointers[pos] == record &&
      header_.codec.compare(leaf.node.keys[pos], key) == 0)
    throw StoreError(at(leaf.page) + ": record " + std::to_string(record) + " is already indexed under that key");
  const bool appending = pos == leaf.node.keys.size();
  leaf.node.keys.insert(leaf.node.keys.begin() + static_cast<ptrdiff_t>(pos), std::string(key));
  leaf.node.pointers.insert(leaf.node.pointers.begin() + static_cast<ptrdiff_t>(pos), record);
  Outcome outcome = settle(leaf, appending, path.size() == 1);
  if (appending) outcome.highest = std::string(key);
  propagate(path, std::move(outcome));
}

void TagTree::remove(std::string_view key, uint32_t record) {
  std::vector<Step> path = descend(key, record);
  Step& leaf = path.back();
  const size_t pos = leafPosition(leaf.node, key, record);
  if (pos >= leaf.node.keys.size() || leaf.node.pointers[pos] != record ||
      header_.codec.compare(leaf.node.keys[pos], key) != 0)
    throw StoreError(where_ + ": record " + std::to_string(record) + " is not indexed under that key");
  leaf.node.keys.erase(leaf.node.keys.begin() + static_cast<ptrdiff_t>(pos));
  leaf.node.pointers.erase(leaf.node.pointers.begin() + static_cast<ptrdiff_t>(pos));
  std::optional<std::string> highest;
  if (pos == leaf.node.keys.size() && !leaf.node.keys.empty()) highest = leaf.node.keys.back();
  Outcome outcome = settle(leaf, false, path.size() == 1);
  outcome.highest = std::move(highest);
  propagate(path, std::move(outcome));
}

std::vector<IndexItem> TagTree::scan() const {
  std::vector<IndexItem> items;
  std::vector<bool> seen(pageCount_, false);
  int leafDepth = -1;
  scanNode(header_.rootPage, 0, leafDepth, seen, items);
  return items;
}

std::string TagTree::scanNode(uint32_t page, int depth, int& leafDepth, std::vector<bool>& seen,
                              std::vector<IndexItem>& items) const {
  if (depth >= kMaxDepth) throw StoreError(where_ + ": the tree is deeper than " + std::to_string(kMaxDepth) + " levels");
  const BtreeNode node = load(page);
  if (seen[page]) throw StoreError(at(page) + ": the node is reached twice");
  seen[page] = true;
  if (!node.isLeaf()) {
    std::string highest;
    for (size_t i = 0; i < node.pointers.size(); ++i) {
      highest = scanNode(node.pointers[i], depth + 1, leafDepth, seen, items);
      if (i < node.keys.size() && header_.codec.compare(highest, node.keys[i]) != 0)
        throw StoreError(at(page) + ": key " + std::to_string(i) + " is not the highest key of its child");
    }
    return highest;
  }
  if (leafDepth < 0) leafDepth = depth;
  if (leafDepth != depth) throw StoreError(at(page) + ": leaves lie at different depths");
  if (node.keys.empty()) {
    if (depth > 0) throw StoreError(at(page) + ": an empty leaf below the root");
    return std::string();
  }
  for (size_t i = 0; i < node.keys.size(); ++i) {
    if (!items.empty()) {
      const int order = header_.codec.compare(items.back().key, node.keys[i]);
      if (order > 0 || (order == 0 && items.back().record >= node.pointers[i]))
        throw StoreError(at(page) + ": item " + std::to_string(i) + " is out of order");
    }
    items.push_back({node.keys[i], node.pointers[i]});
  }
  return node.keys.back();
}

}  // namespace store::mdx

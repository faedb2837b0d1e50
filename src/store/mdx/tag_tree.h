// The B-tree of one tag, changed key by key as dBase does, and walked whole.
//
// Items are ordered by key and, among equal keys, by record number; an
// interior key is the highest key below its child. insert() puts an item in
// its place and splits a full node into two (the new one appended at the end
// of the file), giving the parent one more child and the tree a new root
// when the root splits. remove() takes out exactly one (key, record) item;
// a node left empty is unlinked from its parent and left unused in the
// file, and a root left with a single child hands the root over to it.
//
// A TagTree works on one operation's worth of blocks: it reads through a
// BlockSource, keeps every block it changes or appends, and the caller
// writes those (and the tag header, when its root or size changed) in one
// journaled batch. Walking guards against damaged files: page numbers are
// checked against the file, and a page met twice on one path or a tree
// deeper than kMaxDepth is reported as a StoreError, never followed.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/mdx/btree_node.h"
#include "store/mdx/tag_header.h"

namespace store::mdx {

class BlockSource {
 public:
  virtual ~BlockSource() = default;
  virtual uint32_t pageCount() const = 0;
  // The block starting at `page`; throws StoreError.
  virtual std::string readBlock(uint32_t page) const = 0;
};

class TagTree {
 public:
  static constexpr int kMaxDepth = 32;

  // `where` names the file and tag in messages.
  TagTree(const BlockSource& source, TagHeader header, std::string where);

  // Throws StoreError when the item is already there.
  void insert(std::string_view key, uint32_t record);
  // Throws StoreError when the item is not there.
  void remove(std::string_view key, uint32_t record);

  // Every item in tree order. Checks the whole tree on the way: leaves all
  // at one depth, items in order, interior keys equal to their child's
  // highest key, no page used twice; throws StoreError on the first fault.
  std::vector<IndexItem> scan() const;

  // What the operations so far changed.
  const TagHeader& header() const { return header_; }
  bool headerChanged() const { return headerChanged_; }
  uint32_t pageCount() const { return pageCount_; }
  const std::map<uint32_t, std::string>& changedBlocks() const { return changed_; }

 private:
  struct Step {
    uint32_t page;
    BtreeNode node;
    size_t child;  // which child the path goes on to (interior nodes)
  };
  // How a changed node looks to its parent.
  struct Outcome {
    bool split = false;
    std::string leftHighest;         // with split: the highest key of the left half
    uint32_t rightPage = 0;          // with split: the new right half
    bool emptied = false;            // the node has no items left
    std::optional<std::string> highest;  // the (last) node's highest key, when it changed
  };

  BtreeNode load(uint32_t page) const;
  void store(uint32_t page, const BtreeNode& node);
  uint32_t appendBlock();
  // The path from the root to the leaf where (key, record) is or belongs.
  std::vector<Step> descend(std::string_view key, uint32_t record) const;
  // The first child whose highest item is not below (key, record); the
  // rightmost child when there is none.
  size_t chooseChild(const BtreeNode& node, std::string_view key, uint32_t record, int depth) const;
  // The record of the last item below `page`, down the rightmost children.
  uint32_t highestRecord(uint32_t page, int depth) const;
  // The first item of the leaf not below (key, record).
  size_t leafPosition(const BtreeNode& leaf, std::string_view key, uint32_t record) const;
  // Writes the step's changed node, split in two when it overflowed, or
  // reports it empty for the parent to unlink (the root stays, as a leaf).
  Outcome settle(Step& step, bool appending, bool isRoot);
  // Brings the parent's keys and children up to date with what happened to
  // the child on the path; returns the parent's new highest key when that
  // changed too.
  std::optional<std::string> applyToParent(Step& parent, const Outcome& child) const;
  // Carries an outcome up the path to the root.
  void propagate(std::vector<Step>& path, Outcome outcome);
  // Appends the subtree's items and returns its highest key.
  std::string scanNode(uint32_t page, int depth, int& leafDepth, std::vector<bool>& seen,
                       std::vector<IndexItem>& items) const;
  std::string at(uint32_t page) const;  // "file, tag T, page P" for messages

  const BlockSource& source_;
  TagHeader header_;
  std::string where_;
  NodeShape shape_;
  uint32_t pageCount_;
  bool headerChanged_ = false;
  std::map<uint32_t, std::string> changed_;
};

}  // namespace store::mdx

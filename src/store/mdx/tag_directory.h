// The first four pages of an .mdx: the file header and the tag table.
//
// Kept in memory as the raw 2048 bytes so that writing it back leaves every
// byte we do not interpret as it was. The tag table entries form a binary
// tree ordered by tag name (left, right and parent links by 1-based tag
// number, tag 1 the root); new tags are linked in as leaves of that tree.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/mdx/key_codec.h"

namespace store::mdx {

struct TagEntry {
  std::string name;
  uint32_t headerPage;
  KeyType keyType;
};

class TagDirectory {
 public:
  // A header of an empty file (four pages, no tags) created today.
  static TagDirectory fresh(const std::string& tableName);
  // Throws StoreError (prefixed with `where`) when the bytes are no .mdx
  // header of a file of `fileSize` bytes or a tag entry is unusable.
  static TagDirectory parse(std::string_view bytes, int64_t fileSize, const std::string& where);

  const std::string& bytes() const { return bytes_; }

  uint32_t pageCount() const;
  void setPageCount(uint32_t pages);
  void stampUpdateDate();

  int tagCount() const;
  TagEntry entry(int number) const;  // REQUIRES: 1 <= number <= tagCount()
  // 1-based number of the tag, 0 when absent; letter case is ignored.
  int find(const std::string& name) const;
  // Fills the next slot and links it into the name tree. REQUIRES: the name
  // is new, valid (see validTagName) and tagCount() < kMaxTags.
  void add(const TagEntry& tag);

 private:
  explicit TagDirectory(std::string bytes) : bytes_(std::move(bytes)) {}
  int slotOffset(int number) const;
  std::string bytes_;
};

// Upper-cases an ASCII tag name; throws StoreError when it is empty, longer
// than 10 characters or holds anything but letters, digits and '_'.
std::string validTagName(const std::string& name);

}  // namespace store::mdx

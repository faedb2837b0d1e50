// The production .mdx index of a table, in the dBase IV layout.
//
// Holds up to 47 tags, each a B-tree of keys over one field: packed BCD for N
// and F, the Julian day as a double for D, the padded bytes for C. Tags are
// built whole by addTag() and kept true afterwards key by key, as dBase does,
// by insert() and remove(); every in-place change goes through the journal.
// The engine's queries do not read the .mdx; other dBase tools do.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/dbase/field.h"
#include "store/journal/journal.h"
#include "store/mdx/btree_node.h"
#include "store/value.h"

#include <functional>

namespace store::mdx {

struct KeyEntry {
  Value value;      // as in the table image; Null for a blank field
  uint32_t record;  // 1-based record number
};

// The keys of a whole tag, read one at a time while the tag is built, so a
// million-record table needs no list of values beside its image.
struct KeySource {
  uint32_t count = 0;
  std::function<Value(uint32_t index)> valueOf;        // index 0 .. count-1
  std::function<uint32_t(uint32_t index)> recordOf;   // 1-based; unset: index + 1

  KeySource() = default;
  KeySource(uint32_t keyCount, std::function<Value(uint32_t)> value)
      : count(keyCount), valueOf(std::move(value)) {}
  // Keys given as a list (any order).
  KeySource(std::vector<KeyEntry> entries);  // NOLINT: a list converts implicitly
  KeySource(std::initializer_list<KeyEntry> entries) : KeySource(std::vector<KeyEntry>(entries)) {}
};

class MdxFile {
 public:
  // Writes a new .mdx with no tags through a temporary file renamed into
  // place; an active journal notes its creation (or keeps a copy of the file
  // it replaces). `tableName` is the .dbf name without its extension.
  static void create(journal::Journal& journal, const QString& path, const std::string& tableName);

  // Opens and checks the header, the tag table and each tag's header; throws
  // StoreError naming the file when it is damaged. The B-trees are checked
  // as they are walked.
  MdxFile(journal::Journal& journal, const QString& path);
  ~MdxFile();
  MdxFile(const MdxFile&) = delete;
  MdxFile& operator=(const MdxFile&) = delete;

  // Tag names are upper case; lookups ignore case.
  std::vector<std::string> tagNames() const;
  bool hasTag(const std::string& name) const;

  // Builds a tag over `field` from `keys` (any order). Throws when a tag of
  // that name exists or the file is full.
  void addTag(const std::string& name, const dbase::Field& field, const KeySource& keys);

  // Keeps a tag true after a record was appended or its key changed.
  void insert(const std::string& tag, const dbase::Field& field, const KeyEntry& entry);
  void remove(const std::string& tag, const dbase::Field& field, const KeyEntry& entry);

  // Every (key, record) of a tag in tree order. The whole tree is checked on
  // the way (order, interior keys, depths, pages used once); a fault is a
  // StoreError naming the file, tag and page.
  std::vector<IndexItem> scanTag(const std::string& tag) const;

  // Writes a complete new .mdx holding the given tags (used by the pack) to
  // `path`, through a temporary file renamed into place; not journaled.
  struct TagSpec {
    std::string name;
    dbase::Field field;
    KeySource keys;
  };
  static void writeWhole(const QString& path, const std::string& tableName, std::vector<TagSpec> tags);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace store::mdx

// MdxFile: opening and checking an .mdx, adding tags, keeping them true key
// by key, and writing whole files.
//
// Whole files (create, writeWhole) go to a temporary file renamed into place.
// Changes to an open file go through the journal: one operation's changed
// blocks, appended blocks and header fields are written as one batch.
#include "store/mdx/mdx_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "store/error.h"
#include "store/mdx/bulk_build.h"
#include "store/mdx/key_codec.h"
#include "store/mdx/mdx_layout.h"
#include "store/mdx/tag_directory.h"
#include "store/mdx/tag_header.h"
#include "store/mdx/tag_tree.h"
#include "store/split_work.h"

namespace store::mdx {

namespace {

std::string nameOf(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

std::string tagWhere(const std::string& where, const std::string& tag) { return where + ", tag " + tag; }

KeyCodec codecFor(const dbase::Field& field, const std::string& where) {
  try {
    return KeyCodec(field);
  } catch (const StoreError& error) {
    throw StoreError(where + ": " + error.what());
  }
}

// Encodes and sorts a tag's keys, lays the tag out at the end of the file
// `directory` describes and enters it there; returns the tag's blocks.
std::string appendTag(TagDirectory& directory, const std::string& name, const dbase::Field& field,
                      const KeySource& keys, const std::string& where) {
  const std::string tag = validTagName(name);
  const std::string context = tagWhere(where, tag);
  if (directory.find(tag) != 0) throw StoreError(context + ": the tag exists already");
  if (directory.tagCount() >= kMaxTags)
    throw StoreError(context + ": the file holds " + std::to_string(kMaxTags) + " tags, no room for another");
  const KeyCodec codec = codecFor(field, context);

  // A large tag's keys are encoded on both cores, each thread filling its
  // half of the table.
  const size_t keyLength = static_cast<size_t>(codec.keyLength());
  KeyTable table{keyLength, std::string(static_cast<size_t>(keys.count) * keyLength, '\0'),
                 std::vector<uint32_t>(keys.count)};
  std::vector<uint64_t> prefixes(keys.count);
  splitInTwo(keys.count, [&](int, uint32_t begin, uint32_t end) {
    for (uint32_t i = begin; i < end; ++i) {
      const uint32_t record = keys.recordOf ? keys.recordOf(i) : i + 1;
      if (record == 0) throw StoreError(context + ": record number 0");
      const Value value = keys.valueOf(i);
      std::string key;
      try {
        key = codec.encode(value, field.name);
      } catch (const StoreError& error) {
        throw StoreError(context + ", record " + std::to_string(record) + ": " + error.what());
      }
      key.copy(table.keys.data() + i * keyLength, keyLength);
      table.records[i] = record;
      prefixes[i] = codec.orderPrefix(value, key);
    }
  });
  sortKeys(codec, table, prefixes);
  for (size_t i = 1; i < table.size(); ++i)
    if (table.records[i] == table.records[i - 1] && codec.compare(table.key(i), table.key(i - 1)) == 0)
      throw StoreError(context + ": record " + std::to_string(table.records[i]) + " is given twice");

  const uint32_t firstPage = directory.pageCount();
  std::string blocks = buildTag(firstPage, codec, field.name, table);
  directory.add({tag, firstPage, codec.type()});
  directory.setPageCount(firstPage + static_cast<uint32_t>(blocks.size() / kPageSize));
  directory.stampUpdateDate();
  return blocks;
}

[[noreturn]] void throwWriteError(const QSaveFile& file) {
  throw StoreError("cannot write " + nameOf(file.fileName()) + ": " + file.errorString().toStdString());
}

void writeOrThrow(QSaveFile& file, const std::string& bytes) {
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
    throwWriteError(file);
}

}  // namespace

KeySource::KeySource(std::vector<KeyEntry> entries) : count(static_cast<uint32_t>(entries.size())) {
  auto list = std::make_shared<const std::vector<KeyEntry>>(std::move(entries));
  valueOf = [list](uint32_t i) { return (*list)[i].value; };
  recordOf = [list](uint32_t i) { return (*list)[i].record; };
}

struct MdxFile::Impl : BlockSource {
  Impl(journal::Journal& journal, const QString& path)
      : where(nameOf(path)), file(journal, path), directory(readDirectory()) {
    for (int number = 1; number <= directory.tagCount(); ++number) {
      const TagEntry entry = directory.entry(number);
      headers.push_back(
          TagHeader::parse(readBlock(entry.headerPage), entry.keyType, pageCount(), tagWhere(where, entry.name)));
    }
  }

  TagDirectory readDirectory() const {
    const int64_t size = file.size();
    return TagDirectory::parse(file.read(0, std::min<int64_t>(size, header::kLength)), size, where);
  }

  uint32_t pageCount() const override { return directory.pageCount(); }
  std::string readBlock(uint32_t page) const override { return file.read(pageOffset(page), kBlockSize); }

  // 1-based tag number; throws when there is no such tag.
  int tagNumber(const std::string& name) const {
    const int number = directory.find(name);
    if (number == 0) throw StoreError(where + ": no tag " + name);
    return number;
  }

  // What this object knows of the file (page count, roots) is only true
  // while nobody else changes the file; a rollback or another writer that
  // moved its end is caught here rather than written over.
  void checkUnchanged() const {
    const int64_t size = file.size();
    if (size != static_cast<int64_t>(pageCount()) * kPageSize)
      throw StoreError(where + ": the file has " + std::to_string(size) + " bytes, not the " +
                       std::to_string(pageCount()) + " pages it had; open it again");
  }

  TagTree treeFor(int number, const dbase::Field& field) const {
    checkUnchanged();
    const TagEntry entry = directory.entry(number);
    const std::string context = tagWhere(where, entry.name);
    const KeyCodec codec = codecFor(field, context);
    const KeyCodec& own = headers[number - 1].codec;
    if (codec.type() != own.type() || codec.keyLength() != own.keyLength())
      throw StoreError(context + ": field " + field.name + " does not match the tag's " +
                       std::to_string(own.keyLength()) + "-byte " + std::string(1, static_cast<char>(own.type())) +
                       " keys");
    return TagTree(*this, headers[number - 1], context);
  }

  std::string keyFor(int number, const dbase::Field& field, const KeyEntry& entry) const {
    const std::string context = tagWhere(where, directory.entry(number).name);
    if (entry.record == 0) throw StoreError(context + ": record number 0");
    try {
      return headers[number - 1].codec.encode(entry.value, field.name);
    } catch (const StoreError& error) {
      throw StoreError(context + ", record " + std::to_string(entry.record) + ": " + error.what());
    }
  }

  // Writes what one insert or remove changed, in one journaled batch.
  void commit(int number, const TagTree& tree) {
    std::vector<std::pair<int64_t, std::string>> writes;
    for (const auto& [page, block] : tree.changedBlocks()) writes.emplace_back(pageOffset(page), block);
    if (tree.headerChanged()) {
      const std::string block = tree.header().serialize();
      writes.emplace_back(pageOffset(directory.entry(number).headerPage), block.substr(0, tagheader::kExpression));
    }
    TagDirectory updated = directory;
    if (tree.pageCount() != directory.pageCount()) {
      updated.setPageCount(tree.pageCount());
      updated.stampUpdateDate();
      writes.emplace_back(header::kPageCount, updated.bytes().substr(header::kPageCount, 4));
      writes.emplace_back(header::kUpdated, updated.bytes().substr(header::kUpdated, 3));
    }
    file.writeMany(writes);
    directory = std::move(updated);
    headers[number - 1] = tree.header();
  }

  std::string where;
  journal::JournaledFile file;
  TagDirectory directory;
  std::vector<TagHeader> headers;  // by tag number - 1
};

void MdxFile::create(journal::Journal& journal, const QString& path, const std::string& tableName) {
  if (journal.active()) {
    if (QFileInfo::exists(path))
      journal.saveWholeFile(path);
    else
      journal.noteCreated(path);
  }
  writeWhole(path, tableName, {});
}

MdxFile::MdxFile(journal::Journal& journal, const QString& path) : impl_(std::make_unique<Impl>(journal, path)) {
  // The index is rebuilt from its table at every start, so a commit need
  // not wait for the index pages to reach the disk.
  journal.noteDerived(path);
}

MdxFile::~MdxFile() = default;

std::vector<std::string> MdxFile::tagNames() const {
  std::vector<std::string> names;
  for (int number = 1; number <= impl_->directory.tagCount(); ++number)
    names.push_back(impl_->directory.entry(number).name);
  return names;
}

bool MdxFile::hasTag(const std::string& name) const { return impl_->directory.find(name) != 0; }

void MdxFile::addTag(const std::string& name, const dbase::Field& field, const KeySource& keys) {
  impl_->checkUnchanged();
  TagDirectory updated = impl_->directory;
  const uint32_t firstPage = updated.pageCount();
  const std::string blocks = appendTag(updated, name, field, keys, impl_->where);
  impl_->file.writeMany({{pageOffset(firstPage), blocks}, {0, updated.bytes()}});
  const TagEntry entry = updated.entry(updated.tagCount());
  impl_->headers.push_back(TagHeader::parse(std::string_view(blocks).substr(0, kBlockSize), entry.keyType,
                                            updated.pageCount(), tagWhere(impl_->where, entry.name)));
  impl_->directory = std::move(updated);
}

void MdxFile::insert(const std::string& tag, const dbase::Field& field, const KeyEntry& entry) {
  const int number = impl_->tagNumber(tag);
  TagTree tree = impl_->treeFor(number, field);
  tree.insert(impl_->keyFor(number, field, entry), entry.record);
  impl_->commit(number, tree);
}

void MdxFile::remove(const std::string& tag, const dbase::Field& field, const KeyEntry& entry) {
  const int number = impl_->tagNumber(tag);
  TagTree tree = impl_->treeFor(number, field);
  tree.remove(impl_->keyFor(number, field, entry), entry.record);
  impl_->commit(number, tree);
}

std::vector<IndexItem> MdxFile::scanTag(const std::string& tag) const {
  const int number = impl_->tagNumber(tag);
  const TagEntry entry = impl_->directory.entry(number);
  return TagTree(*impl_, impl_->headers[number - 1], tagWhere(impl_->where, entry.name)).scan();
}

void MdxFile::writeWhole(const QString& path, const std::string& tableName, std::vector<TagSpec> tags) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) throwWriteError(file);
  // Each tag goes to the file as soon as it is built, so only one tag's
  // blocks are held at a time; the header, complete only at the end, is
  // written over its place last.
  TagDirectory directory = TagDirectory::fresh(tableName);
  writeOrThrow(file, directory.bytes());
  for (TagSpec& tag : tags) {
    writeOrThrow(file, appendTag(directory, tag.name, tag.field, tag.keys, nameOf(path)));
  }
  if (!file.seek(0)) throwWriteError(file);
  writeOrThrow(file, directory.bytes());
  if (!file.commit()) throwWriteError(file);
}

}  // namespace store::mdx

// File header and tag table of an .mdx.
#include "store/mdx/tag_directory.h"

#include <QDate>
#include <algorithm>
#include <cctype>
#include <set>

#include "store/error.h"
#include "store/mdx/mdx_layout.h"

namespace store::mdx {

namespace {

void putDate(std::string& bytes, int at, const QDate& date) {
  putU8(bytes, at, static_cast<uint8_t>(date.year() - 1900));
  putU8(bytes, at + 1, static_cast<uint8_t>(date.month()));
  putU8(bytes, at + 2, static_cast<uint8_t>(date.day()));
}

std::string expectation(const char* what, int found, int wanted) {
  return std::string(what) + " is " + std::to_string(found) + ", not " + std::to_string(wanted);
}

}  // namespace

std::string validTagName(const std::string& name) {
  if (name.empty() || name.size() > kMaxTagNameLength)
    throw StoreError("tag name \"" + name + "\" must have 1 to 10 characters");
  std::string upper = name;
  for (char& c : upper) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
      throw StoreError("tag name \"" + name + "\" may hold only letters, digits and '_'");
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return upper;
}

TagDirectory TagDirectory::fresh(const std::string& tableName) {
  // Zero-filled: the tag table's unused slots, the free page (none) and the
  // reserved bytes all read as 0.
  std::string bytes(header::kLength, '\0');
  const QDate today = QDate::currentDate();
  putU8(bytes, header::kVersion, kVersionValue);
  putDate(bytes, header::kCreated, today);
  bytes.replace(header::kTableName, std::min<size_t>(tableName.size(), header::kTableNameLength),
                tableName.substr(0, header::kTableNameLength));
  putU16(bytes, header::kPagesPerBlockAt, kPagesPerBlock);
  putU16(bytes, header::kBlockSizeAt, kBlockSize);
  putU8(bytes, header::kProductionFlag, 1);
  putU8(bytes, header::kTagSlots, kTagSlotCount);
  putU8(bytes, header::kTagEntryLengthAt, kTagEntryLength);
  putU8(bytes, header::kMarker, kMarkerValue);
  putU32(bytes, header::kPageCount, kFirstDataPage);
  putDate(bytes, header::kUpdated, today);
  return TagDirectory(std::move(bytes));
}

TagDirectory TagDirectory::parse(std::string_view bytes, int64_t fileSize, const std::string& where) {
  if (fileSize < header::kLength || bytes.size() < static_cast<size_t>(header::kLength))
    throw StoreError(where + ": " + std::to_string(fileSize) + " bytes are too few for an .mdx header");
  TagDirectory directory{std::string(bytes.substr(0, header::kLength))};
  const std::string& b = directory.bytes_;
  auto check = [&](bool ok, const std::string& problem) {
    if (!ok) throw StoreError(where + ": " + problem);
  };
  check(getU8(b, header::kVersion) == kVersionValue, expectation("version", getU8(b, header::kVersion), kVersionValue));
  check(getU16(b, header::kPagesPerBlockAt) == kPagesPerBlock,
        expectation("pages per block", getU16(b, header::kPagesPerBlockAt), kPagesPerBlock));
  check(getU16(b, header::kBlockSizeAt) == kBlockSize,
        expectation("block size", getU16(b, header::kBlockSizeAt), kBlockSize));
  check(getU8(b, header::kTagEntryLengthAt) == kTagEntryLength,
        expectation("tag entry length", getU8(b, header::kTagEntryLengthAt), kTagEntryLength));
  check(getU8(b, header::kTagSlots) == kTagSlotCount,
        expectation("tag slot count", getU8(b, header::kTagSlots), kTagSlotCount));
  const int tags = getU16(b, header::kTagsInUse);
  check(tags <= kMaxTags, std::to_string(tags) + " tags in use, more than " + std::to_string(kMaxTags));
  const uint32_t pages = directory.pageCount();
  // A shorter file was cut off; a longer one holds bytes no page count covers.
  check(pages >= kFirstDataPage && static_cast<int64_t>(pages) * kPageSize == fileSize,
        "the header counts " + std::to_string(pages) + " pages but the file has " + std::to_string(fileSize) +
            " bytes");

  std::set<std::string> names;
  for (int number = 1; number <= tags; ++number) {
    const std::string_view slot = std::string_view(b).substr(directory.slotOffset(number), kTagEntryLength);
    const std::string tagWhere = "tag entry " + std::to_string(number);
    const TagEntry tag = directory.entry(number);
    check(!tag.name.empty() && names.insert(tag.name).second, tagWhere + " has an empty or repeated name");
    check(tag.headerPage >= kFirstDataPage && tag.headerPage <= pages - kPagesPerBlock,
          tagWhere + " (" + tag.name + "): header page " + std::to_string(tag.headerPage) + " lies outside the " +
              std::to_string(pages) + " pages");
    const auto keyType = static_cast<char>(tag.keyType);
    check(keyType == 'C' || keyType == 'N' || keyType == 'D',
          tagWhere + " (" + tag.name + "): unknown key type " + std::to_string(static_cast<uint8_t>(keyType)));
    // The name tree is only walked when a tag is added, but a link past the
    // tags in use shows the table itself is damaged.
    for (int link : {entry::kLeft, entry::kRight, entry::kParent})
      check(getU8(slot, link) <= tags, tagWhere + " (" + tag.name + ") links to a tag beyond the " +
                                           std::to_string(tags) + " in use");
  }
  return directory;
}

int TagDirectory::slotOffset(int number) const { return kTagTableStart + (number - 1) * kTagEntryLength; }

uint32_t TagDirectory::pageCount() const { return getU32(bytes_, header::kPageCount); }

void TagDirectory::setPageCount(uint32_t pages) { putU32(bytes_, header::kPageCount, pages); }

void TagDirectory::stampUpdateDate() { putDate(bytes_, header::kUpdated, QDate::currentDate()); }

int TagDirectory::tagCount() const { return getU16(bytes_, header::kTagsInUse); }

TagEntry TagDirectory::entry(int number) const {
  const std::string_view slot = std::string_view(bytes_).substr(slotOffset(number), kTagEntryLength);
  std::string_view name = slot.substr(entry::kName, entry::kNameLength);
  name = name.substr(0, name.find('\0'));
  return {std::string(name), getU32(slot, entry::kHeaderPage), static_cast<KeyType>(getU8(slot, entry::kKeyType))};
}

int TagDirectory::find(const std::string& name) const {
  auto sameLetter = [](char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
  };
  for (int number = 1; number <= tagCount(); ++number) {
    const std::string stored = entry(number).name;
    if (std::equal(stored.begin(), stored.end(), name.begin(), name.end(), sameLetter)) return number;
  }
  return 0;
}

void TagDirectory::add(const TagEntry& tag) {
  const int number = tagCount() + 1;
  const int at = slotOffset(number);
  bytes_.replace(static_cast<size_t>(at), kTagEntryLength, std::string(kTagEntryLength, '\0'));
  putU32(bytes_, at + entry::kHeaderPage, tag.headerPage);
  bytes_.replace(static_cast<size_t>(at + entry::kName), tag.name.size(), tag.name);
  putU8(bytes_, at + entry::kKeyFormat, kKeyFormatValue);
  putU8(bytes_, at + entry::kConstant, kEntryConstantValue);
  putU8(bytes_, at + entry::kKeyType, static_cast<uint8_t>(tag.keyType));

  // Walk down from tag 1 by name; the walk is bounded by the tag count so
  // that links a damaged file loops through cannot hold it.
  int parent = number > 1 ? 1 : 0;
  for (int steps = 0; parent != 0 && steps < number; ++steps) {
    const int parentAt = slotOffset(parent);
    const int side = tag.name < entry(parent).name ? entry::kLeft : entry::kRight;
    const int next = getU8(bytes_, parentAt + side);
    if (next == 0 || next >= number) {
      putU8(bytes_, parentAt + side, static_cast<uint8_t>(number));
      putU8(bytes_, at + entry::kParent, static_cast<uint8_t>(parent));
      break;
    }
    parent = next;
  }
  putU16(bytes_, header::kTagsInUse, static_cast<uint16_t>(number));
}

}  // namespace store::mdx

// The byte layout of a dBase III/IV table file: its 32-byte header, the
// field descriptors closed by 0x0D, and the records that follow. Parses and
// checks a header read from disk, and builds the header of a table we write.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/dbase/table_image.h"

namespace store::dbase::layout {

inline constexpr int64_t kHeaderSize = 32;
inline constexpr int64_t kDescriptorSize = 32;
inline constexpr char kDescriptorEnd = 0x0D;
inline constexpr char kEndOfFile = 0x1A;
inline constexpr char kLiveFlag = 0x20;
inline constexpr char kDeletedFlag = 0x2A;

// Byte positions in the header.
inline constexpr int64_t kUpdateDateAt = 1;  // 3 bytes, followed by the record count
inline constexpr int64_t kMdxFlagAt = 28;
// Byte position of a field's tag flag inside its descriptor.
inline constexpr int64_t kTaggedFlagInDescriptor = 31;

inline constexpr uint8_t kMaxNumericWidth = 20;
inline constexpr size_t kMaxFieldName = 10;

struct TableLayout {
  HeaderInfo header;
  FieldList fields;  // with offsets computed from the widths
  uint32_t recordCount = 0;
};

// Checks that the version is one we read, that the descriptors lie inside
// the header length and end with 0x0D, that every field is a supported type
// and width and fits the record length, and that the file holds every record
// the header counts. Throws StoreError starting with `fileName`.
TableLayout parse(std::string_view file, const QString& fileName);
// The same checks on a file read in part: `head` holds its first bytes, at
// least the whole header (or the whole file when shorter); `fileSize` and
// `lastByte` tell the rest.
TableLayout parse(std::string_view head, int64_t fileSize, char lastByte, const QString& fileName);

// The header of a new, empty table: version 0x03, `created` as the update
// date, driver 0xC8 (Windows-1250), no production index; descriptors for
// `fields` with upper-cased names, then 0x0D. Header and record length follow
// from the fields.
std::string build(const FieldList& fields, QDate created);

// Bytes 1-7: the update date and the record count.
std::string dateAndCount(QDate updated, uint32_t recordCount);

// Where a field's descriptor starts in the file.
inline int64_t descriptorAt(int field) { return kHeaderSize + kDescriptorSize * field; }

}  // namespace store::dbase::layout

// Sizes and byte offsets of the dBase IV .mdx layout, and the little-endian
// field access every .mdx unit shares.
//
// A file is a run of 512-byte pages; B-tree nodes and tag headers each take
// one block of two pages. Pages 0-3 hold the file header and the tag table
// (slot 0 of the table, at 512, is unused; tag n sits at 544 + 32 (n - 1)).
// Every page number in the file counts 512-byte pages from the start.
#pragma once

#include <QtEndian>
#include <cstdint>
#include <string>
#include <string_view>

namespace store::mdx {

inline constexpr int kPageSize = 512;
inline constexpr int kPagesPerBlock = 2;
inline constexpr int kBlockSize = kPageSize * kPagesPerBlock;
inline constexpr uint32_t kFirstDataPage = 4;  // after the header and the tag table

// File header.
namespace header {
inline constexpr int kVersion = 0;            // u8, 2
inline constexpr int kCreated = 1;            // 3 bytes: year - 1900, month, day
inline constexpr int kTableName = 4;          // 16 bytes, NUL-padded
inline constexpr int kTableNameLength = 16;
inline constexpr int kPagesPerBlockAt = 20;   // u16
inline constexpr int kBlockSizeAt = 22;       // u16
inline constexpr int kProductionFlag = 24;    // u8, 1
inline constexpr int kTagSlots = 25;          // u8, 48
inline constexpr int kTagEntryLengthAt = 26;  // u8, 32
inline constexpr int kTagsInUse = 28;         // u16
inline constexpr int kMarker = 31;            // u8, 0x1B
inline constexpr int kPageCount = 32;         // u32
inline constexpr int kFirstFreePage = 36;     // u32
inline constexpr int kUpdated = 44;           // 3 bytes like kCreated
inline constexpr int kLength = 4 * kPageSize; // header and tag table together
}  // namespace header

inline constexpr uint8_t kVersionValue = 2;
inline constexpr uint8_t kMarkerValue = 0x1B;
inline constexpr int kTagSlotCount = 48;
inline constexpr int kMaxTags = kTagSlotCount - 1;
inline constexpr int kTagEntryLength = 32;
inline constexpr int kTagTableStart = 544;

// One tag table entry, relative to its start.
namespace entry {
inline constexpr int kHeaderPage = 0;   // u32
inline constexpr int kName = 4;         // 11 bytes, NUL-padded
inline constexpr int kNameLength = 11;
inline constexpr int kKeyFormat = 15;   // u8, 0x10
inline constexpr int kLeft = 16;        // u8, 1-based tag number or 0
inline constexpr int kRight = 17;
inline constexpr int kParent = 18;
inline constexpr int kConstant = 19;    // u8, 0x02
inline constexpr int kKeyType = 20;     // 'C', 'N' or 'D'
}  // namespace entry

inline constexpr uint8_t kKeyFormatValue = 0x10;
inline constexpr uint8_t kEntryConstantValue = 0x02;
inline constexpr int kMaxTagNameLength = 10;

// Tag header, relative to the start of its block.
namespace tagheader {
inline constexpr int kRootPage = 0;       // u32
inline constexpr int kSizeInPages = 4;    // u32
inline constexpr int kKeyFormat = 8;      // u8
inline constexpr int kKeyType = 9;        // u8
inline constexpr int kMarker = 11;        // u8, 0x1B
inline constexpr int kKeyLength = 12;     // u16
inline constexpr int kKeysPerBlock = 14;  // u16
inline constexpr int kSecondaryType = 16; // u16: 1 for D keys, else 0
inline constexpr int kItemLength = 18;    // u16
inline constexpr int kUpdateCounter = 20; // u8
inline constexpr int kUnique = 23;        // u8
inline constexpr int kExpression = 24;    // NUL-terminated field name
inline constexpr int kSingleField = 480;  // u8, 1
}  // namespace tagheader

// B-tree node, relative to the start of its block.
namespace node {
inline constexpr int kKeyCount = 0;  // u32
inline constexpr int kLink = 4;      // u32, 0: we keep no chains
inline constexpr int kItems = 8;
}  // namespace node

inline uint32_t pageOffset(uint32_t page) { return page * static_cast<uint32_t>(kPageSize); }

inline uint8_t getU8(std::string_view bytes, int at) { return static_cast<uint8_t>(bytes[at]); }
inline uint16_t getU16(std::string_view bytes, int at) { return qFromLittleEndian<quint16>(bytes.data() + at); }
inline uint32_t getU32(std::string_view bytes, int at) { return qFromLittleEndian<quint32>(bytes.data() + at); }

inline void putU8(std::string& bytes, int at, uint8_t value) { bytes[at] = static_cast<char>(value); }
inline void putU16(std::string& bytes, int at, uint16_t value) { qToLittleEndian<quint16>(value, bytes.data() + at); }
inline void putU32(std::string& bytes, int at, uint32_t value) { qToLittleEndian<quint32>(value, bytes.data() + at); }

}  // namespace store::mdx

// The parsed, column-wise image of one .dbf file, kept in memory between
// statements so an unchanged table is never re-read or re-parsed.
//
// Each field is decoded once into a column of fixed-size values:
// - N and F: int64 ten-thousandths (extra decimals rounded half to even),
//   kNullNumber for a blank field;
// - D: Julian day number, kNullDate for a blank field;
// - L: 1, 0, or kNullNumber for '?' or blank (in `numbers`);
// - C: a code into the column's dictionary of distinct texts (Windows-1250
//   bytes without the trailing pad blanks); code 0 is always the empty text.
// Deleted records stay in the image (flagged), as they stay in the file.
// A column is filled when it is first needed (see DbfTable::image()); until
// then it is empty and not `decoded`.
//
// The image is owned by the table object that loaded it; the SQL executor
// reads it, and the table object keeps it equal to the file after every
// write it makes.
//
// Columns are shared with the result sets that read them in place (see
// store/sql/executor/table_view.h), which must keep seeing the rows as they
// were when their query ran. So a column is copied before a record of it
// changes while anyone else holds it; appending needs no copy, since a
// reader knows how many records it took, and a dictionary only ever grows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/codepage.h"
#include "store/dbase/field.h"
#include "store/value.h"

namespace store {
class CodedRows;
}

namespace store::dbase {

inline constexpr int64_t kNullNumber = std::numeric_limits<int64_t>::min();
inline constexpr int32_t kNullDate = std::numeric_limits<int32_t>::min();

// Distinct texts of one C column; code 0 is the empty text.
class TextDictionary {
 public:
  TextDictionary();
  uint32_t intern(std::string_view text);
  std::optional<uint32_t> find(std::string_view text) const;
  const std::string& text(uint32_t code) const { return texts_[code]; }
  uint32_t size() const { return static_cast<uint32_t>(texts_.size()); }

  // The place of each code's text in byte order, indexed by code: sorted on
  // first use and again only once the dictionary has grown, so queries that
  // order by a text column rank its dictionary once, not each time.
  const std::vector<uint32_t>& ranks() const;
  bool ranked() const { return ranks_.size() == texts_.size(); }

 private:
  static uint32_t hashOf(std::string_view text);
  // The slot holding `text`, or the free slot where it would go.
  size_t slotFor(std::string_view text, uint32_t hash) const;
  void grow();

  mutable std::vector<uint32_t> ranks_;
  // A deque never moves its elements, so text() references stay valid.
  std::deque<std::string> texts_;
  std::vector<uint32_t> hashes_;  // each code's text hash
  // Open addressing over the codes: code + 1 per used slot, 0 for a free
  // one; a power of two in size, never more than half full. Looking a text
  // up costs one hash and mostly one probe, without a node to chase.
  std::vector<uint32_t> slots_;
  // The code interned last: rows appended in order repeat a text (the unit
  // of every product of one unit) far more often than they change it.
  uint32_t lastCode_ = 0;
};

struct Column {
  bool decoded = false;          // read from the file yet (see image_reader.h)
  std::vector<int64_t> numbers;  // N, F, L
  std::vector<int32_t> dates;    // D
  std::vector<uint32_t> codes;   // C
  std::shared_ptr<TextDictionary> dictionary;  // C; a copy of the column shares it
};

// The value of record `row` of a column of field type `type`, as the engine
// reads it.
Value valueOf(char type, const Column& column, uint32_t row);

struct HeaderInfo {
  uint8_t version = 0x03;
  uint8_t updateYear = 0, updateMonth = 0, updateDay = 0;  // year - 1900
  uint16_t headerLength = 0;
  uint16_t recordLength = 0;
  uint8_t mdxFlag = 0;
  uint8_t languageDriver = kDriverWin1250;
};

class TableImage {
 public:
  TableImage() = default;
  // Copying would share the columns, which appendRows extends in place.
  TableImage(const TableImage&) = delete;
  TableImage& operator=(const TableImage&) = delete;

  HeaderInfo header;
  FieldList fields;
  CodePage codePage = CodePage::Win1250;
  std::vector<std::shared_ptr<Column>> columns;  // one per field, never null
  std::vector<uint8_t> deleted;  // one per record: 1 when flagged 0x2A
  uint32_t rowCount() const { return static_cast<uint32_t>(deleted.size()); }

  // Case-insensitive; -1 when absent.
  int fieldIndex(std::string_view name) const;

  // The value of one field of one record, as the engine reads it.
  Value value(uint32_t row, int field) const;

  // Records (deleted ones included, ascending) whose C field `field` holds
  // dictionary code `code`. Built on first use and kept up to date by
  // appendRows/setValue; REQUIRES: fields[field].type == 'C'.
  const std::vector<uint32_t>& rowsWithCode(int field, uint32_t code) const;

  // Mutations used by the table object after it has written the file.
  // New records have one value (or one code of a coded column) per field,
  // already fitted to the fields (see store/dbase/field_codec.h).
  void appendRows(const CodedRows& rows);
  void setValue(uint32_t row, int field, const Value& value);
  void setDeleted(uint32_t row, bool isDeleted);
  // Removes the deleted records, as the pack does on disk.
  void dropDeleted();

 private:
  // Field f's column, copied first when a reader shares it.
  Column& ownColumn(size_t f);

  mutable std::vector<std::unique_ptr<std::unordered_map<uint32_t, std::vector<uint32_t>>>> postings_;
};

}  // namespace store::dbase

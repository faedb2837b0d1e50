// Record decoding from .dbf bytes into a TableImage.
#include "store/dbase/image_reader.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <numeric>

#include "store/date.h"
#include "store/dbase/dbf_layout.h"
#include "store/decimal.h"
#include "store/error.h"
#include "store/split_work.h"

namespace store::dbase {

namespace {

// Records decoded per pass over the fields: small enough that a block's
// bytes stay in the cache while each of its columns is decoded.
constexpr uint32_t kBlockRows = 1024;

// Blank fields are usually spaces; some writers pad with NULs.
bool isPad(char c) { return c == ' ' || c == '\0'; }

std::string_view trimRight(std::string_view bytes) {
  size_t end = bytes.size();
  while (end > 0 && isPad(bytes[end - 1])) --end;
  return bytes.substr(0, end);
}

bool consistsOf(std::string_view bytes, std::string_view allowed) {
  return bytes.find_first_not_of(allowed) == std::string_view::npos;
}

// Blanks, an optional sign, digits with at most one point: a number that
// decimal::parse refuses only for its size.
bool isWellFormedNumber(std::string_view bytes) {
  const size_t begin = bytes.find_first_not_of(' ');
  if (begin == std::string_view::npos) return false;
  std::string_view number = bytes.substr(begin, bytes.find_last_not_of(' ') + 1 - begin);
  if (number[0] == '-' || number[0] == '+') number.remove_prefix(1);
  auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  const auto digits = static_cast<size_t>(std::count_if(number.begin(), number.end(), isDigit));
  return digits > 0 && digits + (number.find('.') != std::string_view::npos ? 1 : 0) == number.size();
}

// The dictionary codes of one C column's raw field bytes, while loading.
// The dictionary's own map costs several cache misses per lookup, which on a
// million records dominates the load. This open-addressing table keeps the
// hash beside each code, so a probe reads one slot, and confirms a match
// against its own packed copy of the distinct raw texts rather than against
// the dictionary's scattered strings. Only a text not seen before is handed
// to the dictionary (and transcoded on the way, for another code page).
class FieldCodes {
 public:
  // `internNew` gives the code of a text (trimmed raw bytes) not seen before.
  template <typename Intern>
  uint32_t code(std::string_view bytes, Intern&& internNew) {
    if (slots_.empty()) slots_.resize(kInitialSlots);  // C columns only
    const uint64_t hash = std::hash<std::string_view>{}(bytes);
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
      Slot& slot = slots_[i];
      if (slot.code == kEmpty) {
        const std::string_view text = trimRight(bytes);
        slot = {hash, texts_.size(), static_cast<uint32_t>(text.size()), internNew(text)};
        texts_ += text;
        const uint32_t code = slot.code;
        if (++used_ * 2 > slots_.size()) grow();
        return code;
      }
      if (slot.hash == hash && holds(slot, bytes)) return slot.code;
    }
  }

 private:
  struct Slot {
    uint64_t hash = 0;  // of the raw bytes, pad included
    uint64_t textAt = 0;  // in texts_
    uint32_t textLength = 0;
    uint32_t code = kEmpty;
  };
  // No dictionary reaches this many texts: a table has fewer records.
  static constexpr uint32_t kEmpty = std::numeric_limits<uint32_t>::max();
  static constexpr size_t kInitialSlots = 1024;

  // Whether the raw field bytes are the slot's text followed by pad.
  bool holds(const Slot& slot, std::string_view bytes) const {
    return slot.textLength <= bytes.size() &&
           std::memcmp(texts_.data() + slot.textAt, bytes.data(), slot.textLength) == 0 &&
           std::all_of(bytes.begin() + slot.textLength, bytes.end(), isPad);
  }

  void grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    const size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (slot.code == kEmpty) continue;
      size_t i = slot.hash & mask;
      while (slots_[i].code != kEmpty) i = (i + 1) & mask;
      slots_[i] = slot;
    }
  }

  std::vector<Slot> slots_;
  std::string texts_;  // each distinct text once, without its pad
  size_t used_ = 0;
};

class RecordDecoder {
 public:
  RecordDecoder(const TableImage& image, const QString& fileName)
      : recordLength_(image.header.recordLength), codePage_(image.codePage), fileName_(fileName) {}

  // The records decoded next: `bytes` holds records from `first` on.
  void setSlice(std::string_view bytes, uint32_t first) {
    slice_ = bytes.data();
    first_ = first;
  }

  void decodeFlags(uint32_t begin, uint32_t end, std::vector<uint8_t>& deleted) const {
    for (uint32_t row = begin; row < end; ++row) {
      const char flag = *recordAt(row);
      if (flag == layout::kDeletedFlag) {
        deleted[row] = 1;
      } else if (flag != layout::kLiveFlag) {
        throw StoreError(fileName_.toStdString() + ": record " + std::to_string(row + 1) + ": deletion flag byte " +
                         std::to_string(static_cast<uint8_t>(flag)) + " is neither a blank nor '*'");
      }
    }
  }

  // `codes` serves C fields only.
  void decodeColumn(const Field& field, uint32_t begin, uint32_t end, Column& column, FieldCodes& codes) const {
    switch (field.type) {
      case 'N':
      case 'F':
        decodeRange(field, begin, end, column.numbers, [&](std::string_view bytes, uint32_t row) {
          if (auto value = decimal::parse(bytes)) return *value;
          // dBase fills a number too wide for its field with asterisks.
          if (consistsOf(bytes, std::string_view(" \0*", 3))) return kNullNumber;
          badValue(field, row, bytes,
                   isWellFormedNumber(bytes) ? "is beyond the range of an amount" : "is not a number");
        });
        break;
      case 'D':
        decodeRange(field, begin, end, column.dates, [&](std::string_view bytes, uint32_t row) {
          if (auto day = date::parseStored(bytes)) return *day;
          // Some writers leave a blank date as zeros rather than spaces.
          if (consistsOf(bytes, std::string_view(" \0" "0", 3))) return kNullDate;
          badValue(field, row, bytes, "is not a date (YYYYMMDD)");
        });
        break;
      case 'L':
        decodeRange(field, begin, end, column.numbers, [&](std::string_view bytes, uint32_t row) -> int64_t {
          switch (bytes[0]) {
            case 'T': case 't': case 'Y': case 'y': return 1;
            case 'F': case 'f': case 'N': case 'n': return 0;
            case ' ': case '?': case '\0': return kNullNumber;
            default: badValue(field, row, bytes, "is not a logical value");
          }
        });
        break;
      default:  // 'C'; the layout admits no other type
        decodeRange(field, begin, end, column.codes, [&](std::string_view bytes, uint32_t row) {
          return codes.code(bytes, [&](std::string_view text) { return internText(field, row, text, *column.dictionary); });
        });
    }
  }

 private:
  // Appends one field of records [begin, end) to `out`. A field whose bytes
  // equal the previous record's takes its value without decoding again, which
  // pays off for the many repeated units, dates and zero amounts of a ledger.
  template <typename T, typename Decode>
  void decodeRange(const Field& field, uint32_t begin, uint32_t end, std::vector<T>& out, Decode decode) const {
    std::string_view previous;
    T previousValue{};
    const char* bytes = recordAt(begin) + field.offset;
    for (uint32_t row = begin; row < end; ++row, bytes += recordLength_) {
      std::string_view current(bytes, field.width);
      if (current != previous) {
        previousValue = decode(current, row);
        previous = current;
      }
      out.push_back(previousValue);
    }
  }

  uint32_t internText(const Field& field, uint32_t row, std::string_view text, TextDictionary& dictionary) const {
    if (codePage_ == CodePage::Win1250) return dictionary.intern(text);
    try {
      return dictionary.intern(transcode(text, codePage_, CodePage::Win1250));
    } catch (const StoreError& error) {
      badValue(field, row, text, error.what());
    }
  }

  [[noreturn]] void badValue(const Field& field, uint32_t row, std::string_view bytes, const std::string& what) const {
    const std::string shown = decode(trimRight(bytes), codePage_).trimmed().toStdString();
    throw StoreError(fileName_.toStdString() + ": record " + std::to_string(row + 1) + ", field " + field.name +
                     ": '" + shown + "' " + what);
  }

  const char* recordAt(uint32_t row) const { return slice_ + static_cast<int64_t>(row - first_) * recordLength_; }

  const char* slice_ = nullptr;
  uint32_t first_ = 0;
  int64_t recordLength_;
  CodePage codePage_;
  const QString& fileName_;
};

// Columns are reserved rather than sized: the decoder appends to them, so
// their memory is written once instead of being zeroed first.
void prepareColumn(const Field& field, uint32_t rows, Column& column) {
  switch (field.type) {
    case 'D':
      column.dates.reserve(rows);
      break;
    case 'C':
      column.codes.reserve(rows);
      column.dictionary = std::make_shared<TextDictionary>();
      break;
    default:
      column.numbers.reserve(rows);
  }
}

// Decodes records [begin, end) a block at a time, so that a block's bytes
// stay in the cache while each of its columns is decoded: the deletion flags
// into the image when `withFlags`, and the fields into `columns` (one per
// field, reserved for `reserved` records).
void decodeRecords(const RecordSlices& records, const QString& fileName, TableImage& image, const std::vector<int>& fields,
                 bool withFlags, uint32_t begin, uint32_t end, const std::vector<Column*>& columns, uint32_t reserved) {
  RecordDecoder decoder(image, fileName);
  std::string buffer;
  std::vector<FieldCodes> codes(fields.size());
  for (size_t i = 0; i < fields.size(); ++i) prepareColumn(image.fields[fields[i]], reserved, *columns[i]);
  for (uint32_t blockEnd = 0; begin < end; begin = blockEnd) {
    blockEnd = begin + std::min(kBlockRows, end - begin);
    decoder.setSlice(records(begin, blockEnd - begin, buffer), begin);
    if (withFlags) decoder.decodeFlags(begin, blockEnd, image.deleted);
    for (size_t i = 0; i < fields.size(); ++i)
      decoder.decodeColumn(image.fields[fields[i]], begin, blockEnd, *columns[i], codes[i]);
  }
}

// Appends the records of `later`, decoded by another thread with its own
// dictionary, to `column`.
void append(Column& column, Column&& later) {
  auto concatenate = [](auto& values, const auto& more) { values.insert(values.end(), more.begin(), more.end()); };
  concatenate(column.numbers, later.numbers);
  concatenate(column.dates, later.dates);
  if (!later.dictionary) return;
  std::vector<uint32_t> codeOf(later.dictionary->size());
  for (uint32_t code = 0; code < codeOf.size(); ++code)
    codeOf[code] = column.dictionary->intern(later.dictionary->text(code));
  column.codes.reserve(column.codes.size() + later.codes.size());
  for (uint32_t code : later.codes) column.codes.push_back(codeOf[code]);
}

// Decodes the deletion flags when `withFlags`, and the columns of `fields`
// not decoded yet, in one pass over the records. A large table is read on
// both cores, each thread taking half of the records; the second half's
// columns are appended to the first's.
void decode(const RecordSlices& records, const QString& fileName, TableImage& image, std::vector<int> fields,
            bool withFlags) {
  std::erase_if(fields, [&](int field) { return image.columns[field]->decoded; });
  if (fields.empty() && !withFlags) return;
  const uint32_t rows = image.rowCount();
  std::vector<Column*> firstColumns;
  for (int field : fields) firstColumns.push_back(image.columns[field].get());
  std::vector<Column> later(fields.size());
  std::vector<Column*> laterColumns;
  for (Column& column : later) laterColumns.push_back(&column);
  try {
    splitInTwo(rows, [&](int half, uint32_t begin, uint32_t end) {
      // The first half's columns become the image's: room for every record.
      if (half == 0) decodeRecords(records, fileName, image, fields, withFlags, begin, end, firstColumns, rows);
      else decodeRecords(records, fileName, image, fields, withFlags, begin, end, laterColumns, end - begin);
    });
  } catch (...) {
    // A column left half decoded is dropped: it is decoded again, and fails
    // again, when next needed.
    for (int field : fields) image.columns[field] = std::make_shared<Column>();
    throw;
  }
  for (size_t i = 0; i < fields.size(); ++i) {
    Column& column = *image.columns[fields[i]];
    append(column, std::move(later[i]));
    column.decoded = true;
  }
}

}  // namespace

std::unique_ptr<TableImage> readImage(const layout::TableLayout& table, const RecordSlices& records,
                                      const QString& fileName, const std::vector<int>& fields) {
  auto image = std::make_unique<TableImage>();
  image->header = table.header;
  image->fields = table.fields;
  image->codePage = codePageOfDriver(table.header.languageDriver);
  for (size_t f = 0; f < image->fields.size(); ++f) image->columns.push_back(std::make_shared<Column>());
  image->deleted.assign(table.recordCount, 0);
  decode(records, fileName, *image, fields, /*withFlags=*/true);
  return image;
}

void decodeFields(const RecordSlices& records, const QString& fileName, TableImage& image,
                  const std::vector<int>& fields) {
  decode(records, fileName, image, fields, /*withFlags=*/false);
}

std::unique_ptr<TableImage> readImage(std::string_view file, const QString& fileName) {
  const layout::TableLayout table = layout::parse(file, fileName);
  const RecordSlices inMemory = [&](uint32_t first, uint32_t count, std::string&) {
    const size_t length = table.header.recordLength;
    return file.substr(table.header.headerLength + first * length, count * length);
  };
  std::vector<int> all(table.fields.size());
  std::iota(all.begin(), all.end(), 0);
  return readImage(table, inMemory, fileName, all);
}

}  // namespace store::dbase

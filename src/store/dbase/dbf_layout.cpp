// Parsing and building .dbf headers and field descriptors.
#include "store/dbase/dbf_layout.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <set>

#include "store/error.h"

namespace store::dbase::layout {

namespace {

constexpr uint8_t kVersionPlain = 0x03;
constexpr uint8_t kVersionDbase3Memo = 0x83;
constexpr uint8_t kVersionDbase4Memo = 0x8B;

constexpr int64_t kRecordCountAt = 4;
constexpr int64_t kHeaderLengthAt = 8;
constexpr int64_t kRecordLengthAt = 10;
constexpr int64_t kLanguageDriverAt = 29;
constexpr int64_t kTypeInDescriptor = 11;
constexpr int64_t kWidthInDescriptor = 16;
constexpr int64_t kDecimalsInDescriptor = 17;

uint8_t byteAt(std::string_view bytes, int64_t at) { return static_cast<uint8_t>(bytes[at]); }

uint32_t littleEndian(std::string_view bytes, int64_t at, int length) {
  uint32_t value = 0;
  for (int i = length - 1; i >= 0; --i) value = (value << 8) | byteAt(bytes, at + i);
  return value;
}

void putLittleEndian(std::string& bytes, int64_t at, uint32_t value, int length) {
  for (int i = 0; i < length; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

[[noreturn]] void fail(const QString& fileName, const std::string& what) {
  throw StoreError(fileName.toStdString() + ": " + what);
}

std::string hexByte(uint8_t value) {
  static const char kDigits[] = "0123456789ABCDEF";
  return std::string("0x") + kDigits[value >> 4] + kDigits[value & 0xF];
}

bool isNameCharacter(char c) { return c > 0x20 && c < 0x7F; }

// Checks the type, width and decimals of one field; shared by reading and
// creating so that we never write a table we would refuse to read.
void checkField(const Field& field, const QString& fileName) {
  const std::string where = "field " + field.name + ": ";
  if (field.name.empty()) fail(fileName, "a field has no name");
  if (field.name.size() > kMaxFieldName || !std::all_of(field.name.begin(), field.name.end(), isNameCharacter))
    fail(fileName, "field name '" + field.name + "' is not 1 to 10 ASCII characters");
  if (field.width == 0) fail(fileName, where + "width 0");
  switch (field.type) {
    case 'C':
      break;
    case 'N':
    case 'F':
      if (field.width > kMaxNumericWidth)
        fail(fileName, where + "numeric width " + std::to_string(field.width) + " is above 20");
      if (field.decimals > 0 && field.decimals >= field.width)
        fail(fileName, where + std::to_string(field.decimals) + " decimals do not fit width " +
                           std::to_string(field.width));
      break;
    case 'D':
      if (field.width != 8) fail(fileName, where + "a date field must be 8 wide, not " + std::to_string(field.width));
      break;
    case 'L':
      if (field.width != 1) fail(fileName, where + "a logical field must be 1 wide, not " + std::to_string(field.width));
      break;
    default:
      fail(fileName, where + "unsupported field type " +
                         (isNameCharacter(field.type) ? "'" + std::string(1, field.type) + "'"
                                                      : hexByte(static_cast<uint8_t>(field.type))));
  }
}

Field parseDescriptor(std::string_view descriptor, const QString& fileName) {
  Field field;
  std::string_view name = descriptor.substr(0, kMaxFieldName + 1);
  field.name = std::string(name.substr(0, name.find('\0')));
  field.type = static_cast<char>(std::toupper(byteAt(descriptor, kTypeInDescriptor)));
  field.width = byteAt(descriptor, kWidthInDescriptor);
  // Only numbers have decimals; some writers put other things there for C.
  if (field.type == 'N' || field.type == 'F') field.decimals = byteAt(descriptor, kDecimalsInDescriptor);
  field.tagged = byteAt(descriptor, kTaggedFlagInDescriptor) != 0;
  checkField(field, fileName);
  return field;
}

}  // namespace

TableLayout parse(std::string_view file, const QString& fileName) {
  return parse(file, static_cast<int64_t>(file.size()), file.empty() ? '\0' : file.back(), fileName);
}

TableLayout parse(std::string_view file, int64_t fileSize, char lastByte, const QString& fileName) {
  if (fileSize == 0) fail(fileName, "the file is empty (0 bytes)");
  if (fileSize < kHeaderSize)
    fail(fileName, "only " + std::to_string(fileSize) + " bytes, too short for a dBase table header");
  TableLayout table;
  HeaderInfo& header = table.header;
  header.version = byteAt(file, 0);
  // 0x83 and 0x8B announce a memo file; we have no memo fields to read from
  // it, so such tables read like the others.
  if (header.version != kVersionPlain && header.version != kVersionDbase3Memo && header.version != kVersionDbase4Memo)
    fail(fileName, "not a dBase III/IV table (version byte " + hexByte(header.version) + ")");
  header.updateYear = byteAt(file, kUpdateDateAt);
  header.updateMonth = byteAt(file, kUpdateDateAt + 1);
  header.updateDay = byteAt(file, kUpdateDateAt + 2);
  table.recordCount = littleEndian(file, kRecordCountAt, 4);
  header.headerLength = static_cast<uint16_t>(littleEndian(file, kHeaderLengthAt, 2));
  header.recordLength = static_cast<uint16_t>(littleEndian(file, kRecordLengthAt, 2));
  header.mdxFlag = byteAt(file, kMdxFlagAt);
  header.languageDriver = byteAt(file, kLanguageDriverAt);

  // Records start at the header length, which some writers make longer than
  // the descriptors need: it is honoured, never computed.
  const int64_t headerLength = header.headerLength;
  if (headerLength > fileSize)
    fail(fileName, "header length " + std::to_string(headerLength) + " runs past the end of the file (" +
                       std::to_string(fileSize) + " bytes)");

  std::set<std::string> names;
  uint32_t nextOffset = 1;  // byte 0 of a record is the deletion flag
  int64_t at = kHeaderSize;
  for (;;) {
    if (at < headerLength && at < static_cast<int64_t>(file.size()) && file[at] == kDescriptorEnd) break;
    if (at + kDescriptorSize > headerLength || at + kDescriptorSize > static_cast<int64_t>(file.size()))
      fail(fileName, "the field descriptors run past the header length without a closing 0x0D");
    Field field = parseDescriptor(file.substr(at, kDescriptorSize), fileName);
    std::string upper = field.name;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    if (!names.insert(upper).second) fail(fileName, "field " + field.name + " appears twice");
    field.offset = nextOffset;
    nextOffset += field.width;
    table.fields.push_back(std::move(field));
    at += kDescriptorSize;
  }
  if (table.fields.empty()) fail(fileName, "the table has no fields");
  if (nextOffset > header.recordLength)
    fail(fileName, "the fields need " + std::to_string(nextOffset) + " bytes per record but the record length is " +
                       std::to_string(header.recordLength));

  // The records fill the file exactly, followed by the end byte or nothing:
  // a missing end byte is no damage, anything else is. A count that is too
  // small would hide the records past it, and a pack would drop them for good.
  const int64_t records = (fileSize - headerLength) / header.recordLength;
  const int64_t rest = fileSize - headerLength - static_cast<int64_t>(table.recordCount) * header.recordLength;
  if (table.recordCount > records)
    fail(fileName, "truncated: the header counts " + std::to_string(table.recordCount) + " records but the file holds " +
                       std::to_string(records));
  if (records > table.recordCount)
    fail(fileName, "the header counts " + std::to_string(table.recordCount) + " records but the file holds " +
                       std::to_string(records));
  if (rest > 1 || (rest == 1 && lastByte != kEndOfFile))
    fail(fileName, std::to_string(rest) + " stray bytes after the " + std::to_string(table.recordCount) +
                       " records, where only the end byte 0x1A may stand");
  return table;
}

std::string build(const FieldList& fields, QDate created) {
  const int64_t headerLength = kHeaderSize + kDescriptorSize * static_cast<int64_t>(fields.size()) + 1;
  int64_t recordLength = 1;
  for (const Field& field : fields) recordLength += field.width;
  if (headerLength > std::numeric_limits<uint16_t>::max() || recordLength > std::numeric_limits<uint16_t>::max())
    throw StoreError("a table of " + std::to_string(fields.size()) + " fields and " + std::to_string(recordLength) +
                     " bytes per record is too large for a dBase header");

  std::string bytes(static_cast<size_t>(headerLength), '\0');
  bytes[0] = static_cast<char>(kVersionPlain);
  bytes.replace(kUpdateDateAt, 7, dateAndCount(created, 0));
  putLittleEndian(bytes, kHeaderLengthAt, static_cast<uint32_t>(headerLength), 2);
  putLittleEndian(bytes, kRecordLengthAt, static_cast<uint32_t>(recordLength), 2);
  bytes[kLanguageDriverAt] = static_cast<char>(kDriverWin1250);
  for (size_t i = 0; i < fields.size(); ++i) {
    const Field& field = fields[i];
    const int64_t at = descriptorAt(static_cast<int>(i));
    for (size_t c = 0; c < field.name.size() && c < kMaxFieldName; ++c)
      bytes[at + c] = static_cast<char>(std::toupper(static_cast<unsigned char>(field.name[c])));
    bytes[at + kTypeInDescriptor] = field.type;
    bytes[at + kWidthInDescriptor] = static_cast<char>(field.width);
    bytes[at + kDecimalsInDescriptor] = static_cast<char>(field.decimals);
  }
  bytes[headerLength - 1] = kDescriptorEnd;
  return bytes;
}

std::string dateAndCount(QDate updated, uint32_t recordCount) {
  std::string bytes(7, '\0');
  // The year byte holds year - 1900, which a byte keeps until 2155.
  bytes[0] = static_cast<char>(std::clamp(updated.year() - 1900, 0, 255));
  bytes[1] = static_cast<char>(updated.month());
  bytes[2] = static_cast<char>(updated.day());
  putLittleEndian(bytes, 3, recordCount, 4);
  return bytes;
}

}  // namespace store::dbase::layout

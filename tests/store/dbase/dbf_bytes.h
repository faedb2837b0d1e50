// Test helpers: field descriptors, .dbf files built byte by byte, the way other programs write
// them (any version, driver, header and record length, raw field text), and
// whole-file reads and writes.
#pragma once

#include <QFile>
#include <QString>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "store/codepage.h"
#include "store/dbase/field.h"
#include "store/decimal.h"
#include "store/date.h"
#include "store/value.h"

namespace store {

// Readable values in test failure messages.
inline void PrintTo(const Value& value, std::ostream* out) {
  switch (value.kind()) {
    case Value::Kind::Null: *out << "Null"; break;
    case Value::Kind::Number: *out << "Number " << decimal::formatShortest(value.asNumber()); break;
    case Value::Kind::Float: *out << "Float " << value.asFloat(); break;
    case Value::Kind::Text: *out << "Text '" << decode(value.asText()).toStdString() << "'"; break;
    case Value::Kind::Date: *out << "Date " << date::formatDisplay(value.asDate()); break;
    case Value::Kind::Bool: *out << (value.asBool() ? "TRUE" : "FALSE"); break;
  }
}

namespace dbase::testing {

inline Field field(const char* name, char type, uint8_t width, uint8_t decimals = 0) {
  Field result;
  result.name = name;
  result.type = type;
  result.width = width;
  result.decimals = decimals;
  return result;
}

struct RawField {
  std::string name;
  char type;
  uint8_t width;
  uint8_t decimals = 0;
};

struct DbfBytes {
  uint8_t version = 0x03;
  uint8_t driver = 0xC8;
  uint8_t mdxFlag = 0;
  int extraHeaderBytes = 0;  // after the 0x0D, inside the header length
  int extraRecordBytes = 0;  // after the last field of each record
  std::optional<uint32_t> countInHeader;  // the real count when unset
  bool endByte = true;
  std::vector<RawField> fields;
  std::vector<std::string> records;

  DbfBytes& field(std::string name, char type, uint8_t width, uint8_t decimals = 0) {
    fields.push_back({std::move(name), type, width, decimals});
    return *this;
  }

  // One value per field as its text; N and F are right-aligned, the others
  // left-aligned, each padded with blanks to the field width.
  DbfBytes& record(const std::vector<std::string>& values, bool deleted = false) {
    std::string bytes(1, deleted ? '*' : ' ');
    for (size_t f = 0; f < fields.size(); ++f) {
      std::string value = f < values.size() ? values[f] : std::string();
      std::string pad(fields[f].width > value.size() ? fields[f].width - value.size() : 0, ' ');
      bool numeric = fields[f].type == 'N' || fields[f].type == 'F';
      bytes += numeric ? pad + value : value + pad;
    }
    bytes.append(static_cast<size_t>(extraRecordBytes), ' ');
    records.push_back(bytes);
    return *this;
  }

  std::string bytes() const {
    int recordLength = 1 + extraRecordBytes;
    for (const RawField& f : fields) recordLength += f.width;
    const int headerLength = 32 + 32 * static_cast<int>(fields.size()) + 1 + extraHeaderBytes;
    std::string out(static_cast<size_t>(headerLength), '\0');
    out[0] = static_cast<char>(version);
    out[1] = 124, out[2] = 1, out[3] = 15;
    const uint32_t count = countInHeader.value_or(static_cast<uint32_t>(records.size()));
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
    out[8] = static_cast<char>(headerLength & 0xFF), out[9] = static_cast<char>(headerLength >> 8);
    out[10] = static_cast<char>(recordLength & 0xFF), out[11] = static_cast<char>(recordLength >> 8);
    out[28] = static_cast<char>(mdxFlag);
    out[29] = static_cast<char>(driver);
    for (size_t i = 0; i < fields.size(); ++i) {
      const size_t at = 32 + 32 * i;
      out.replace(at, fields[i].name.size(), fields[i].name);
      out[at + 11] = fields[i].type;
      out[at + 16] = static_cast<char>(fields[i].width);
      out[at + 17] = static_cast<char>(fields[i].decimals);
    }
    out[32 + 32 * fields.size()] = 0x0D;
    for (const std::string& record : records) out += record;
    if (endByte) out += '\x1A';
    return out;
  }
};

inline void writeFile(const QString& path, const std::string& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write " + path.toStdString());
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

inline std::string readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

}  // namespace dbase::testing
}  // namespace store

// Shared pieces of the .mdx tests: the three indexed fields, random key
// values, the expected content of a tag worked out without the index code,
// and a reader of index_dump's output.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "store/dbase/field.h"
#include "store/mdx/btree_node.h"
#include "store/mdx/key_codec.h"
#include "store/mdx/mdx_file.h"
#include "store/value.h"

namespace store::mdx::testing {

inline const dbase::Field kAmountField{"CANT", 'N', 12, 2, 0, true};
inline const dbase::Field kDateField{"DATA", 'D', 8, 0, 12, true};
inline const dbase::Field kTextField{"GESTIUNE", 'C', 10, 0, 20, true};

// Values from small domains, so that equal keys run across several leaves,
// with blanks now and then.
inline Value randomValue(const dbase::Field& field, std::mt19937& random) {
  if (random() % 50 == 0) return Value::null();
  switch (field.type) {
    case 'N': return Value::number((static_cast<int64_t>(random() % 4001) - 2000) * 25);
    case 'D': return Value::date(2460000 + static_cast<int32_t>(random() % 300));
    default: {
      std::string text = "G" + std::to_string(random() % 40);
      if (random() % 5 == 0) text += "\xC8\xE2";  // Windows-1250 letters sort by byte
      return Value::text(text);
    }
  }
}

// The tag's items as they must come out: ordered by the field's own value
// (numbers, day numbers, bytes), blanks as 0, day 0 and blanks, then by record.
inline std::vector<IndexItem> expectedItems(const dbase::Field& field, const std::vector<KeyEntry>& entries) {
  struct Sortable {
    int64_t number;
    std::string text;
    uint32_t record;
  };
  std::vector<Sortable> rows;
  for (const KeyEntry& entry : entries) {
    const Value& v = entry.value;
    if (field.type == 'C') {
      std::string text = v.isNull() ? std::string() : v.asText();
      text.resize(field.width, ' ');
      rows.push_back({0, text, entry.record});
    } else {
      rows.push_back({v.isNull() ? 0 : (field.type == 'D' ? v.asDate() : v.asNumber()), {}, entry.record});
    }
  }
  std::sort(rows.begin(), rows.end(), [](const Sortable& a, const Sortable& b) {
    return std::tie(a.number, a.text, a.record) < std::tie(b.number, b.text, b.record);
  });
  std::vector<IndexItem> items;
  for (const Sortable& row : rows) {
    std::string key = field.type == 'C'   ? row.text
                      : field.type == 'D' ? encodeDateKey(static_cast<double>(row.number))
                                          : encodeNumberKey(row.number);
    items.push_back({key, row.record});
  }
  return items;
}

inline bool indexDumpAvailable() { return !QStandardPaths::findExecutable("index_dump").isEmpty(); }

// Runs `index_dump --tag TAG FILE`, which prints each item as the raw key
// bytes, a blank, the record number and a line feed. nullopt (with the
// reason in `failure`) when it fails or prints anything else.
inline std::optional<std::vector<IndexItem>> indexDump(const QString& path, const std::string& tag, int keyLength,
                                                       std::string& failure) {
  QProcess process;
  process.start("index_dump", {"--tag", QString::fromStdString(tag), path});
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    failure = "index_dump failed: " + process.readAllStandardError().toStdString();
    return std::nullopt;
  }
  const QByteArray out = process.readAllStandardOutput();
  std::vector<IndexItem> items;
  qsizetype at = 0;
  while (at < out.size()) {
    const qsizetype blank = at + keyLength;
    const qsizetype end = out.indexOf('\n', blank);
    if (blank >= out.size() || out[blank] != ' ' || end < 0) {
      failure = "unexpected index_dump output at byte " + std::to_string(at);
      return std::nullopt;
    }
    bool ok = false;
    const uint32_t record = out.mid(blank + 1, end - blank - 1).toUInt(&ok);
    if (!ok) {
      failure = "bad record number at byte " + std::to_string(blank + 1);
      return std::nullopt;
    }
    items.push_back({std::string(out.constData() + at, static_cast<size_t>(keyLength)), record});
    at = end + 1;
  }
  return items;
}

// The tag names index_dump lists for the file, one a line.
inline QStringList indexDumpTags(const QString& path) {
  QProcess process;
  process.start("index_dump", {path});
  process.waitForFinished(60000);
  return QString::fromLatin1(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

}  // namespace store::mdx::testing

// DbfTable: loading a .dbf into its image, and every write to the file and
// its production index.
#include "store/dbase/dbf_table.h"

#include <sys/stat.h>

#include <QByteArrayView>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>
#include <optional>

#include "store/dbase/dbf_layout.h"
#include "store/dbase/field_codec.h"
#include "store/dbase/image_reader.h"
#include "store/dbase/table_file.h"
#include "store/error.h"
#include "store/mdx/mdx_file.h"
#include "store/split_work.h"

namespace store::dbase {

struct DbfTable::DiskStamp {
  int64_t size = 0;
  int64_t modifiedNs = 0;
  uint64_t inode = 0;

  bool operator==(const DiskStamp&) const = default;

  static DiskStamp of(const struct stat& status) {
    return {static_cast<int64_t>(status.st_size),
            static_cast<int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
            static_cast<uint64_t>(status.st_ino)};
  }
  static std::optional<DiskStamp> ofFile(const QString& path) {
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return std::nullopt;
    return of(status);
  }
};

namespace {

[[noreturn]] void fail(const QString& fileName, const std::string& what) {
  throw StoreError(fileName.toStdString() + ": " + what);
}

// A blank field is keyed as Null, whatever its type.
// Taken by value: a value made for the key alone is moved, not copied again.
Value keyOf(Value value) { return value.isSqlNull() ? Value::null() : std::move(value); }

// Fits coded column `column` of a batch to `field` once per text it holds:
// its codes move onto a new dictionary of the fitted texts. Returns the
// field's bytes for each code of that dictionary, `field.width` of them each.
std::string fitCodedTexts(const Field& field, CodedRows& rows, size_t column, const FieldTarget& target) {
  const TextCodes& source = *rows.coded(column);
  auto fitted = std::make_shared<TextDictionary>();
  std::string bytes(field.width, ' ');  // code 0, the empty text: all blanks
  constexpr uint32_t kNotSeen = std::numeric_limits<uint32_t>::max();
  std::vector<uint32_t> fittedCode(source.dictionary->size(), kNotSeen);
  TextCodes result{fitted, std::vector<uint32_t>(source.codes.size())};
  for (size_t r = 0; r < source.codes.size(); ++r) {
    uint32_t& code = fittedCode[source.codes[r]];
    if (code == kNotSeen) {
      Value text = Value::text(source.dictionary->text(source.codes[r]));
      fitInPlace(field, text, target);
      code = fitted->intern(text.asText());
      if (size_t(code) * field.width == bytes.size()) {
        bytes.append(field.width, ' ');
        encodeFieldOver(bytes.data() + size_t(code) * field.width, field, text, target.codePage);
      }
    }
    result.codes[r] = code;
  }
  rows.recode(column, std::move(result));
  return bytes;
}

void writeOrFail(QSaveFile& file, std::string_view bytes, const QString& fileName) {
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
    fail(fileName, "cannot write: " + file.errorString().toStdString());
}

void commitOrFail(QSaveFile& file, const QString& fileName) {
  if (!file.commit()) fail(fileName, "cannot write: " + file.errorString().toStdString());
}

// The records of an open table file, a slice at a time.
RecordSlices slicesOf(const TableFile& file) {
  return [&file](uint32_t first, uint32_t count, std::string& buffer) { return file.records(first, count, buffer); };
}

}  // namespace

DbfTable::DbfTable(const QString& path) : path_(path) { reload(); }

DbfTable::~DbfTable() = default;

QString DbfTable::fileName() const { return QFileInfo(path_).fileName(); }

QString DbfTable::productionIndexPath() const {
  const QFileInfo info(path_);
  const QDir folder = info.dir();
  const QString name = info.completeBaseName() + QStringLiteral(".mdx");
  // Files copied from DOS may be named "GESTIUNI.MDX"; name filters ignore case.
  if (!folder.exists(name))
    for (const QString& found : folder.entryList({name}, QDir::Files)) return folder.filePath(found);
  return folder.filePath(name);
}

int64_t DbfTable::recordAt(uint32_t row) const {
  return image_->header.headerLength + static_cast<int64_t>(row) * image_->header.recordLength;
}

bool DbfTable::isStale() const {
  const auto now = DiskStamp::ofFile(path_);
  return !now || !stamp_ || *now != *stamp_;
}

void DbfTable::reload() { reload(TableFile(path_), {}); }

void DbfTable::reload(const TableFile& file, const std::vector<int>& fields) {
  // The stamp comes from the descriptor we read, so a file replaced while
  // we read it shows as stale afterwards rather than being missed.
  image_ = readImage(file.layout(), slicesOf(file), fileName(), fields);
  stamp_ = std::make_unique<DiskStamp>(DiskStamp::of(file.status()));
  mdx_.reset();
}

TableImage& DbfTable::imageWith(const std::vector<int>& fields) {
  if (std::all_of(fields.begin(), fields.end(), [&](int f) { return image_->columns[f]->decoded; })) return *image_;
  // The decoded columns and the flags reflect the file as we last read or
  // wrote it; a file changed by someone else since is read again.
  const TableFile file(path_);
  if (!stamp_ || DiskStamp::of(file.status()) != *stamp_) {
    reload(file, fields);
    return *image_;
  }
  dbase::decodeFields(slicesOf(file), fileName(), *image_, fields);
  return *image_;
}

void DbfTable::decodeFields(const QStringList& names) {
  std::vector<int> fields;
  for (const QString& name : names)
    if (const int f = fieldIndex(name.toStdString()); f >= 0) fields.push_back(f);
  imageWith(fields);
}

TableImage& DbfTable::wholeImage() {
  std::vector<int> all(image_->fields.size());
  std::iota(all.begin(), all.end(), 0);
  return imageWith(all);
}

const TableImage& DbfTable::image() { return wholeImage(); }

void DbfTable::noteOwnWrite(QDate updated) {
  HeaderInfo& header = image_->header;
  header.updateYear = static_cast<uint8_t>(std::clamp(updated.year() - 1900, 0, 255));
  header.updateMonth = static_cast<uint8_t>(updated.month());
  header.updateDay = static_cast<uint8_t>(updated.day());
  stamp_.reset();
  if (auto now = DiskStamp::ofFile(path_)) stamp_ = std::make_unique<DiskStamp>(*now);
}

void DbfTable::create(journal::Journal& journal, const QString& path, const FieldList& fields) {
  const QString name = QFileInfo(path).fileName();
  if (QFileInfo::exists(path)) fail(name, "the table already exists");
  std::string bytes = layout::build(fields, QDate::currentDate());
  bytes.push_back(layout::kEndOfFile);
  // Run the reader's checks on the new header, so we never write a table we
  // would refuse to open.
  layout::parse(bytes, name);
  if (journal.active()) journal.noteCreated(path);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) fail(name, "cannot create: " + file.errorString().toStdString());
  writeOrFail(file, bytes, name);
  commitOrFail(file, name);
}

mdx::MdxFile& DbfTable::productionIndex(journal::Journal& journal) {
  if (!mdx_) mdx_ = std::make_unique<mdx::MdxFile>(journal, productionIndexPath());
  return *mdx_;
}

std::vector<int> DbfTable::maintainedTags(journal::Journal& journal) {
  const TableImage& image = *image_;
  std::vector<int> tagged;
  if (image.header.mdxFlag == 0) return tagged;
  for (size_t f = 0; f < image.fields.size(); ++f)
    if (image.fields[f].tagged) tagged.push_back(static_cast<int>(f));
  if (tagged.empty() || !QFileInfo::exists(productionIndexPath())) return {};
  mdx::MdxFile& index = productionIndex(journal);
  std::erase_if(tagged, [&](int f) { return !index.hasTag(image.fields[f].name); });
  return tagged;
}

void DbfTable::insertRows(journal::Journal& journal, CodedRows rows) {
  if (rows.rowCount() == 0) return;
  TableImage& image = wholeImage();
  const FieldList& fields = image.fields;
  const std::string table = fileName().toStdString();
  const FieldTarget target{table, image.codePage};
  const uint64_t newCount = static_cast<uint64_t>(image.rowCount()) + rows.rowCount();
  if (newCount > std::numeric_limits<uint32_t>::max()) fail(fileName(), "too many records for a dBase table");
  if (rows.width() != fields.size())
    fail(fileName(),
         "a new record needs " + std::to_string(fields.size()) + " values, not " + std::to_string(rows.width()));

  // Fit (in place) and encode every value before the first byte is written.
  // All blank to begin with: the live flag is a blank, and so are the bytes
  // past the last field of a record longer than its fields. The new records
  // overwrite the old end-of-file byte and end with a new one.
  static_assert(layout::kLiveFlag == ' ');
  const size_t recordLength = image.header.recordLength;
  std::string records(rows.rowCount() * recordLength + 1, ' ');
  records.back() = layout::kEndOfFile;
  std::vector<std::string> codedBytes(fields.size());  // per coded column: its field's bytes for each code
  for (size_t f = 0; f < fields.size(); ++f) {
    if (!rows.coded(f)) continue;
    if (fields[f].type != 'C') fail(fileName(), "field " + fields[f].name + " takes values, not codes of texts");
    codedBytes[f] = fitCodedTexts(fields[f], rows, f, target);
  }
  // Each record is fitted and encoded on its own: a large batch is shared
  // by both cores, and the first record that does not fit is still the one
  // named.
  CellRows& cells = rows.cells();
  const auto fitAndEncode = [&](int, uint32_t begin, uint32_t end) {
    for (uint32_t r = begin; r < end; ++r) {
      Value* row = cells.row(r);
      char* record = records.data() + r * recordLength;
      for (size_t f = 0; f < fields.size(); ++f) {
        if (const TextCodes* texts = rows.coded(f)) {
          std::memcpy(record + fields[f].offset, codedBytes[f].data() + size_t(texts->codes[r]) * fields[f].width,
                      fields[f].width);
          continue;
        }
        Value& value = row[rows.cellOf(f)];
        fitInPlace(fields[f], value, target);
        encodeFieldOver(record + fields[f].offset, fields[f], value, image.codePage);
      }
    }
  };
  splitInTwo(static_cast<uint32_t>(rows.rowCount()), fitAndEncode,
             std::max<uint32_t>(1, kWorthASecondThread / static_cast<uint32_t>(std::max<size_t>(1, fields.size()))));

  const std::vector<int> tags = maintainedTags(journal);
  const QDate today = QDate::currentDate();
  std::vector<std::pair<int64_t, std::string>> writes;
  writes.emplace_back(recordAt(image.rowCount()), std::move(records));
  writes.emplace_back(layout::kUpdateDateAt, layout::dateAndCount(today, static_cast<uint32_t>(newCount)));
  journal::JournaledFile(journal, path_).writeMany(writes);
  const uint32_t first = image.rowCount();
  image.appendRows(rows);
  for (int f : tags)
    for (uint32_t r = 0; r < rows.rowCount(); ++r)
      productionIndex(journal).insert(fields[f].name, fields[f], {keyOf(rows.value(r, size_t(f))), first + r + 1});
  noteOwnWrite(today);
}

void DbfTable::updateRows(journal::Journal& journal, std::vector<RowChange> changes) {
  TableImage& image = wholeImage();
  const FieldList& fields = image.fields;
  const std::string table = fileName().toStdString();
  const FieldTarget target{table, image.codePage};

  // Every value is checked and fitted before anything is written; a large
  // batch is shared by both cores, and the first change that fails is still
  // the one named.
  const auto fit = [&](int, uint32_t begin, uint32_t end) {
    for (uint32_t c = begin; c < end; ++c) {
      RowChange& change = changes[c];
      if (change.row >= image.rowCount())
        fail(fileName(), "record " + std::to_string(change.row + 1) + " does not exist");
      std::vector<std::pair<int, Value>>& fittedFields = change.assignments;
      for (auto& [field, value] : fittedFields) {
        if (field < 0 || static_cast<size_t>(field) >= fields.size())
          fail(fileName(), "no field number " + std::to_string(field));
        fitInPlace(fields[field], value, target);
      }
      // A field assigned twice keeps its last value. Assignments mostly come
      // in field order already, and sorting them would cost a buffer per record.
      const auto byField = [](const auto& a, const auto& b) { return a.first < b.first; };
      if (!std::is_sorted(fittedFields.begin(), fittedFields.end(), byField))
        std::stable_sort(fittedFields.begin(), fittedFields.end(), byField);
    }
  };
  splitInTwo(static_cast<uint32_t>(changes.size()), fit);

  // Each change's fields as they are written: a field assigned twice only
  // with its last value.
  const auto forEachWritten = [&changes](const auto& visit) {
    for (RowChange& change : changes) {
      std::vector<std::pair<int, Value>>& fittedFields = change.assignments;
      for (size_t i = 0; i < fittedFields.size(); ++i)
        if (i + 1 == fittedFields.size() || fittedFields[i + 1].first != fittedFields[i].first)
          visit(change.row, fittedFields[i].first, fittedFields[i].second);
    }
  };
  std::vector<std::pair<int64_t, std::string>> writes;
  writes.reserve(changes.size() + 1);
  forEachWritten([&](uint32_t row, int field, const Value& value) {
    // Neighbouring fields form one run of bytes, written in one piece.
    const Field& written = fields[field];
    const int64_t at = recordAt(row) + written.offset;
    if (writes.empty() || writes.back().first + static_cast<int64_t>(writes.back().second.size()) != at)
      writes.emplace_back(at, std::string());
    std::string& run = writes.back().second;
    run.append(written.width, ' ');
    encodeFieldOver(run.data() + run.size() - written.width, written, value, image.codePage);
  });
  if (writes.empty()) return;

  const std::vector<int> tags = maintainedTags(journal);
  const QDate today = QDate::currentDate();
  writes.emplace_back(layout::kUpdateDateAt, layout::dateAndCount(today, image.rowCount()));
  journal::JournaledFile(journal, path_).writeMany(writes);
  forEachWritten([&](uint32_t row, int field, const Value& value) {
    if (std::find(tags.begin(), tags.end(), field) != tags.end()) {
      const Field& indexed = fields[field];
      const Value oldKey = keyOf(image.value(row, field));
      const Value newKey = keyOf(value);
      if (oldKey != newKey) {
        productionIndex(journal).remove(indexed.name, indexed, {oldKey, row + 1});
        productionIndex(journal).insert(indexed.name, indexed, {newKey, row + 1});
      }
    }
    image.setValue(row, field, value);
  });
  noteOwnWrite(today);
}

void DbfTable::deleteRows(journal::Journal& journal, const std::vector<uint32_t>& rows) {
  TableImage& image = wholeImage();
  std::vector<std::pair<int64_t, std::string>> writes;
  for (uint32_t row : rows) {
    if (row >= image.rowCount()) fail(fileName(), "record " + std::to_string(row + 1) + " does not exist");
    if (!image.deleted[row]) writes.emplace_back(recordAt(row), std::string(1, layout::kDeletedFlag));
  }
  if (writes.empty()) return;
  // Deleted records keep their keys in the .mdx until the pack.
  const QDate today = QDate::currentDate();
  writes.emplace_back(layout::kUpdateDateAt, layout::dateAndCount(today, image.rowCount()));
  journal::JournaledFile(journal, path_).writeMany(writes);
  for (uint32_t row : rows) image.setDeleted(row, true);
  noteOwnWrite(today);
}

void DbfTable::createIndex(journal::Journal& journal, const std::string& tag, const std::string& fieldName) {
  const int f = image_->fieldIndex(fieldName);
  if (f < 0) fail(fileName(), "no field " + fieldName + " to index");
  TableImage& image = imageWith({f});
  const Field& field = image.fields[f];
  if (QByteArrayView(tag).compare(QByteArrayView(field.name), Qt::CaseInsensitive) != 0)
    fail(fileName(), "index " + tag + " must be named after its field " + field.name);

  const QDate today = QDate::currentDate();
  std::vector<std::pair<int64_t, std::string>> writes = {
      {layout::kUpdateDateAt, layout::dateAndCount(today, image.rowCount())},
      {layout::kMdxFlagAt, std::string(1, '\x01')},
      {layout::descriptorAt(f) + layout::kTaggedFlagInDescriptor, std::string(1, '\x01')}};
  const QString indexPath = productionIndexPath();
  const bool freshIndex = !QFileInfo::exists(indexPath);
  if (freshIndex) {
    mdx_.reset();
    mdx::MdxFile::create(journal, indexPath, QFileInfo(path_).completeBaseName().toStdString());
    // Flags left from an index file that was deleted name tags that are gone.
    for (size_t other = 0; other < image.fields.size(); ++other)
      if (image.fields[other].tagged && static_cast<int>(other) != f)
        writes.emplace_back(layout::descriptorAt(static_cast<int>(other)) + layout::kTaggedFlagInDescriptor,
                            std::string(1, '\0'));
  }
  // Every record is keyed, deleted ones too, as dBase keeps them until the pack.
  productionIndex(journal).addTag(field.name, field,
                                  mdx::KeySource(image.rowCount(), [&](uint32_t row) { return keyOf(image.value(row, f)); }));

  journal::JournaledFile(journal, path_).writeMany(writes);
  image.header.mdxFlag = 1;
  if (freshIndex)
    for (Field& other : image.fields) other.tagged = false;
  image.fields[f].tagged = true;
  noteOwnWrite(today);
}

bool DbfTable::detachProductionIndex(const QString& tablePath) {
  QFile file(tablePath);
  if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) return false;
  // Nothing is written to a table whose header and size disagree (an empty
  // file included): it is refused by name, its index left where it is.
  const TableFile table(tablePath);
  if (table.layout().header.mdxFlag != 0 && (!file.seek(layout::kMdxFlagAt) || file.write("\0", 1) != 1))
    fail(QFileInfo(tablePath).fileName(), "cannot clear the index flag: " + file.errorString().toStdString());
  file.close();
  const QFileInfo info(tablePath);
  const QDir folder = info.dir();
  // Files copied from DOS may be named "GESTIUNI.MDX"; name filters ignore case.
  for (const QString& index : folder.entryList({info.completeBaseName() + ".mdx"}, QDir::Files))
    QFile::remove(folder.filePath(index));
  return true;
}

void DbfTable::detachProductionIndex() {
  mdx_.reset();
  if (!detachProductionIndex(path_)) fail(fileName(), "cannot open the table to clear its index flag");
  image_->header.mdxFlag = 0;
  stamp_.reset();
  if (auto now = DiskStamp::ofFile(path_)) stamp_ = std::make_unique<DiskStamp>(*now);
}

void DbfTable::pack() {
  if (isStale()) reload();
  if (std::find(image_->deleted.begin(), image_->deleted.end(), 1) == image_->deleted.end()) return;
  std::vector<int> tagged;
  for (size_t f = 0; f < image_->fields.size(); ++f)
    if (image_->fields[f].tagged) tagged.push_back(static_cast<int>(f));
  const TableImage& image = imageWith(tagged);
  mdx_.reset();

  const uint32_t live = static_cast<uint32_t>(std::count(image.deleted.begin(), image.deleted.end(), 0));
  std::vector<mdx::MdxFile::TagSpec> tags;
  if (image.header.mdxFlag != 0 && QFileInfo::exists(productionIndexPath())) {
    auto liveRows = std::make_shared<std::vector<uint32_t>>();
    liveRows->reserve(live);
    for (uint32_t row = 0; row < image.rowCount(); ++row)
      if (!image.deleted[row]) liveRows->push_back(row);
    for (size_t f = 0; f < image.fields.size(); ++f) {
      if (!image.fields[f].tagged) continue;
      mdx::MdxFile::TagSpec& tag = tags.emplace_back();
      tag.name = image.fields[f].name;
      tag.field = image.fields[f];
      // The packed file numbers the live records from 1 in their old order.
      tag.keys = mdx::KeySource(live, [&image, liveRows, f](uint32_t i) {
        return keyOf(image.value((*liveRows)[i], static_cast<int>(f)));
      });
    }
  }

  const TableFile source(path_);
  QSaveFile packed(path_);
  if (!packed.open(QIODevice::WriteOnly)) fail(fileName(), "cannot write: " + packed.errorString().toStdString());
  std::string buffer;
  std::string header(source.bytes(0, image.header.headerLength, buffer));
  header.replace(layout::kUpdateDateAt, 7, layout::dateAndCount(QDate::currentDate(), live));
  writeOrFail(packed, header, fileName());
  // Consecutive live records go out together, a bounded slice at a time.
  constexpr uint32_t kSliceRecords = 4096;
  for (uint32_t row = 0; row < image.rowCount();) {
    if (image.deleted[row]) {
      ++row;
      continue;
    }
    const uint32_t first = row;
    while (row < image.rowCount() && !image.deleted[row] && row - first < kSliceRecords) ++row;
    writeOrFail(packed, source.records(first, row - first, buffer), fileName());
  }
  writeOrFail(packed, std::string_view(&layout::kEndOfFile, 1), fileName());

  // The .mdx is replaced first and the .dbf last: until that last rename the
  // old table is whole on disk, and a crash in between leaves at worst an
  // index of the packed records beside the old table, which the index
  // rebuild at start-up replaces anyway.
  if (!tags.empty())
    mdx::MdxFile::writeWhole(productionIndexPath(), QFileInfo(path_).completeBaseName().toStdString(),
                             std::move(tags));
  commitOrFail(packed, fileName());
  // The records that stay are already in memory: drop the deleted ones
  // instead of reading the new file again.
  image_->dropDeleted();
  noteOwnWrite(QDate::currentDate());
}

}  // namespace store::dbase

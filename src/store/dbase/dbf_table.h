// One .dbf table file with its parsed image and its production .mdx.
//
// Reads a dBase III/IV table (version 0x03, 0x83 or 0x8B; memo ignored) into
// a TableImage, and writes it. Loading reads the header and the deletion
// flags; a field's values are decoded when first needed, so the index
// rebuild reads only the indexed fields of a large table. Writes: appended, changed and deleted records, whose
// bytes go through the journal and whose keys are maintained in the .mdx
// tags the way dBase maintains them (deleted records stay indexed until the
// pack). Every batch is checked whole before the first byte is written, so a
// value that does not fit fails the batch with nothing written.
//
// Tags are named after the field they cover (CREATE INDEX IDNOTA ON ... (IDNOTA)),
// which is how a table finds the tag of each field whose descriptor flag
// (byte 31) is set. The .mdx is opened on first need and stays open with the
// table.
//
// The Database owns DbfTable objects, one per file, and asks isStale() before
// each statement so a file replaced on disk is read again. The file's size,
// modification time and inode, taken when it was read and after each of our
// own writes, tell whether someone else changed or replaced it.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "store/coded_rows.h"
#include "store/dbase/table_image.h"
#include "store/journal/journal.h"

namespace store::mdx {
class MdxFile;
}

namespace store::dbase {

class TableFile;

struct RowChange {
  uint32_t row = 0;                               // 0-based record
  std::vector<std::pair<int, Value>> assignments;  // field index, new value
};

class DbfTable {
 public:
  // Loads the file; throws StoreError naming the file on a missing, damaged,
  // truncated or unsupported table.
  explicit DbfTable(const QString& path);
  ~DbfTable();
  DbfTable(const DbfTable&) = delete;
  DbfTable& operator=(const DbfTable&) = delete;

  const QString& path() const { return path_; }
  // The whole image, every field decoded (on the first call after a load).
  const TableImage& image();
  // The fields, known from the header without decoding any record.
  const FieldList& fields() const { return image_->fields; }
  int fieldIndex(std::string_view name) const { return image_->fieldIndex(name); }

  // True when the file on disk is no longer the one this image reflects.
  bool isStale() const;
  void reload();
  // Decodes the named fields (unknown names ignored) in one pass, ahead of
  // statements that will read them, such as the index rebuild's.
  void decodeFields(const QStringList& names);

  // Writes a new empty table (version 0x03, driver 0xC8, no index) through a
  // temporary file renamed into place; the journal notes its creation.
  // Throws when the file exists.
  static void create(journal::Journal& journal, const QString& path, const FieldList& fields);

  // Each value is fitted to its field (store/dbase/field_codec.h); Null leaves a
  // field blank. One row per new record, one value per field. The rows
  // are taken by value and fitted in place: a caller that moves its batch in
  // has no value copied. A coded column's texts are fitted, encoded and
  // looked up in the table's dictionary once per distinct text.
  void insertRows(journal::Journal& journal, CodedRows rows);
  void updateRows(journal::Journal& journal, std::vector<RowChange> changes);
  void deleteRows(journal::Journal& journal, const std::vector<uint32_t>& rows);

  // Adds a tag named `tag` over field `field` to the production .mdx
  // (created when missing), sets byte 28 and the field's flag byte 31.
  // Throws when the tag exists, the field does not, or `tag` is not the
  // field's name (letter case aside).
  void createIndex(journal::Journal& journal, const std::string& tag, const std::string& field);

  // Clears byte 28 and deletes the production .mdx, keeping the image (the
  // records do not change). Part of the index rebuild, outside transactions.
  void detachProductionIndex();
  // The same byte work on a table that is not loaded: false, and nothing
  // done, when the file cannot be opened for writing; a failed write throws.
  static bool detachProductionIndex(const QString& tablePath);

  // Drops deleted records and rebuilds the tag of every flagged field,
  // writing new files renamed over the old ones; keeps bytes 28 and 29. Does
  // nothing when no record is deleted. Not part of a transaction.
  void pack();

 private:
  QString fileName() const;
  QString productionIndexPath() const;
  int64_t recordAt(uint32_t row) const;
  // Reads `file`, this table's file just opened, with `fields` decoded.
  void reload(const dbase::TableFile& file, const std::vector<int>& fields);
  // The image with at least `fields` decoded, from the file as it is now.
  TableImage& imageWith(const std::vector<int>& fields);
  TableImage& wholeImage();
  // The fields whose tags the writes keep true; opens the .mdx if needed.
  std::vector<int> maintainedTags(journal::Journal& journal);
  mdx::MdxFile& productionIndex(journal::Journal& journal);
  void noteOwnWrite(QDate updated);

  QString path_;
  std::unique_ptr<TableImage> image_;
  struct DiskStamp;
  std::unique_ptr<DiskStamp> stamp_;
  std::unique_ptr<mdx::MdxFile> mdx_;
};

}  // namespace store::dbase

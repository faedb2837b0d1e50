// What the SQL executor needs of the tables: the Database implements it, and
// tests may implement it over images built in memory.
//
// Paths are the texts between double quotes in the statement; the catalog
// resolves them (either separator, file names matched case-insensitively) and
// throws StoreError naming the path of a table that does not exist. Every
// write of one statement runs inside one journal transaction that the
// Database opens and closes around the statement, so the executor computes
// all the changes first and hands them over in one batch per table.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "store/dbase/dbf_table.h"

namespace store::sql {

class Catalog {
 public:
  virtual ~Catalog() = default;

  // The current image of the table at `path`.
  virtual const dbase::TableImage& image(const QString& path) = 0;

  virtual void createTable(const QString& path, const dbase::FieldList& fields) = 0;
  virtual void createIndex(const std::string& tag, const QString& path, const std::string& column) = 0;

  // One value per field of the table, in field order; Null leaves a field
  // blank. Values are fitted to the fields by the table (rounding, range and
  // width checks naming table, column and value). Batches are taken by
  // value, so that a caller that moves them in has none of its values copied;
  // a coded column's texts are taken as codes (see store/coded_rows.h).
  virtual void insertRows(const QString& path, CodedRows rows) = 0;
  virtual void updateRows(const QString& path, std::vector<dbase::RowChange> changes) = 0;
  virtual void deleteRows(const QString& path, const std::vector<uint32_t>& rows) = 0;
};

}  // namespace store::sql

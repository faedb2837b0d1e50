// What the SQL executor needs of the tables: the Database implements it.
//
// Paths are the texts between double quotes in the statement, resolved by
// the catalog (either separator, file names matched case-insensitively).
// Every write call of one statement runs inside one journal transaction that
// the Database opens and closes around the statement, so the executor only
// has to compute all changes first and hand them over in one batch per table.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "store/dbase/dbf_table.h"

namespace store::sql {

class Catalog {
 public:
  virtual ~Catalog() = default;

  // The table at `path`, loaded and current; throws StoreError "table not
  // found" with the path.
  virtual dbase::DbfTable& table(const QString& path) = 0;
  virtual void createTable(const QString& path, const dbase::FieldList& fields) = 0;
  virtual void createIndex(const std::string& tag, const QString& path, const std::string& column) = 0;

  virtual void insertRows(dbase::DbfTable& table, const std::vector<std::vector<Value>>& rows) = 0;
  virtual void updateRows(dbase::DbfTable& table, const std::vector<dbase::RowChange>& changes) = 0;
  virtual void deleteRows(dbase::DbfTable& table, const std::vector<uint32_t>& rows) = 0;
};

}  // namespace store::sql

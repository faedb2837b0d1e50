// A Catalog over table images held in memory, for testing the SQL engine
// without files. It fits values to fields the way a table does (numbers
// rounded to the field's decimals, range and width checked) and applies a
// batch only when every value of it fits.
#pragma once

#include <QString>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "store/sql/catalog.h"

namespace store::sql::testing {

class FakeCatalog : public Catalog {
 public:
  // Adds an empty table; `fields` need only names, types, widths and decimals.
  dbase::TableImage& addTable(const QString& path, dbase::FieldList fields);
  bool hasTable(const QString& path) const;

  const dbase::TableImage& image(const QString& path) override;
  void createTable(const QString& path, const dbase::FieldList& fields) override;
  void createIndex(const std::string& tag, const QString& path, const std::string& column) override;
  void insertRows(const QString& path, CodedRows rows) override;
  void updateRows(const QString& path, std::vector<dbase::RowChange> changes) override;
  void deleteRows(const QString& path, const std::vector<uint32_t>& rows) override;

  int writeCalls = 0;  // insertRows, updateRows and deleteRows calls so far
  std::vector<std::string> indexes;  // "TAG on COLUMN" per createIndex

 private:
  dbase::TableImage& table(const QString& path);
  Value fitted(const dbase::TableImage& image, int field, const Value& value) const;
  std::map<QString, std::unique_ptr<dbase::TableImage>> tables_;  // by lower-case path with '/'
};

// A field for addTable.
dbase::Field field(const char* name, char type, int width, int decimals = 0);

}  // namespace store::sql::testing

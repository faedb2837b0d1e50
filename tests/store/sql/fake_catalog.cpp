// The in-memory catalog of the SQL engine's tests.
#include "fake_catalog.h"

#include "store/decimal.h"
#include "store/error.h"

namespace store::sql::testing {

namespace {

QString keyOf(const QString& path) {
  QString key = path.toLower();
  key.replace('\\', '/');
  return key;
}

}  // namespace

dbase::Field field(const char* name, char type, int width, int decimals) {
  dbase::Field f;
  f.name = name;
  f.type = type;
  f.width = uint8_t(width);
  f.decimals = uint8_t(decimals);
  return f;
}

dbase::TableImage& FakeCatalog::addTable(const QString& path, dbase::FieldList fields) {
  auto image = std::make_unique<dbase::TableImage>();
  uint32_t offset = 1;
  for (dbase::Field& f : fields) {
    f.offset = offset;
    offset += f.width;
    auto column = std::make_shared<dbase::Column>();
    if (f.type == 'C') column->dictionary = std::make_shared<dbase::TextDictionary>();
    image->columns.push_back(std::move(column));
  }
  image->fields = std::move(fields);
  dbase::TableImage& result = *image;
  tables_[keyOf(path)] = std::move(image);
  return result;
}

bool FakeCatalog::hasTable(const QString& path) const { return tables_.count(keyOf(path)) != 0; }

dbase::TableImage& FakeCatalog::table(const QString& path) {
  auto found = tables_.find(keyOf(path));
  if (found == tables_.end()) throw StoreError("table \"" + path.toStdString() + "\" does not exist");
  return *found->second;
}

const dbase::TableImage& FakeCatalog::image(const QString& path) { return table(path); }

void FakeCatalog::createTable(const QString& path, const dbase::FieldList& fields) {
  if (hasTable(path)) throw StoreError("table \"" + path.toStdString() + "\" exists already");
  addTable(path, fields);
}

void FakeCatalog::createIndex(const std::string& tag, const QString& path, const std::string& column) {
  if (table(path).fieldIndex(column) < 0) throw StoreError("no column " + column);
  indexes.push_back(tag + " on " + column);
}

Value FakeCatalog::fitted(const dbase::TableImage& image, int field, const Value& value) const {
  const dbase::Field& f = image.fields[field];
  if (value.isNull()) return value;
  auto misfit = [&]() -> Value { throw StoreError("value does not fit column " + f.name); };
  switch (f.type) {
    case 'C':
      if (value.kind() != Value::Kind::Text || value.asText().size() > f.width) return misfit();
      return Value::text(value.asText().substr(0, value.asText().find_last_not_of(' ') + 1));
    case 'D':
      return value.kind() == Value::Kind::Date ? value : misfit();
    default: {
      if (value.kind() != Value::Kind::Number) return misfit();
      int64_t rounded = decimal::roundTo(value.asNumber(), f.decimals);
      int room = f.width - (f.decimals > 0 ? f.decimals + 1 : 0) - (rounded < 0 ? 1 : 0);
      if (decimal::integerDigits(rounded) > room) return misfit();
      return Value::number(rounded);
    }
  }
}

void FakeCatalog::insertRows(const QString& path, CodedRows rows) {
  dbase::TableImage& image = table(path);
  ++writeCalls;
  if (rows.rowCount() > 0 && rows.width() != image.fields.size()) throw StoreError("row of the wrong size");
  for (size_t r = 0; r < rows.rowCount(); ++r)
    for (size_t f = 0; f < rows.width(); ++f) {
      if (rows.coded(f)) continue;  // codes are texts of a dictionary, already as the image keeps them
      Value& cell = rows.cells().row(r)[rows.cellOf(f)];
      cell = fitted(image, int(f), cell);
    }
  image.appendRows(rows);
}

void FakeCatalog::updateRows(const QString& path, std::vector<dbase::RowChange> changes) {
  dbase::TableImage& image = table(path);
  ++writeCalls;
  std::vector<dbase::RowChange> fitted = std::move(changes);
  for (dbase::RowChange& change : fitted)
    for (auto& [field, value] : change.assignments) value = this->fitted(image, field, value);
  for (const dbase::RowChange& change : fitted)
    for (const auto& [field, value] : change.assignments) image.setValue(change.row, field, value);
}

void FakeCatalog::deleteRows(const QString& path, const std::vector<uint32_t>& rows) {
  dbase::TableImage& image = table(path);
  ++writeCalls;
  for (uint32_t row : rows) image.setDeleted(row, true);
}

}  // namespace store::sql::testing

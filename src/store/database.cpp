// The Database: path resolution, the image cache, statements and transactions.
#include "store/database.h"

#include <QDir>
#include <QFileInfo>

#include "store/error.h"
#include "store/sql/executor.h"

namespace store {

namespace {

std::string shown(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

}  // namespace

Database::Database(const QString& dataFolder)
    : dataFolder_(QDir(dataFolder).absolutePath()),
      recovered_(journal::Journal::recover(dataFolder_)),
      journal_(dataFolder_) {}

Database::~Database() = default;

QString Database::resolvePath(const QString& path) {
  QString slashed = path;
  slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
  QFileInfo info(slashed);
  QString absolute = info.absoluteFilePath();
  if (info.exists()) return absolute;
  QDir folder = info.absoluteDir();
  const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : names)
    if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0) return folder.absoluteFilePath(name);
  return absolute;
}

dbase::DbfTable& Database::table(const QString& path) {
  QString resolved = resolvePath(path);
  auto found = tables_.find(resolved);
  if (found != tables_.end()) {
    if (!found->second->isStale()) return *found->second;
    tables_.erase(found);
  }
  if (!QFileInfo(resolved).isFile()) throw StoreError("table not found: " + shown(path));
  auto loaded = std::make_unique<dbase::DbfTable>(resolved);
  dbase::DbfTable& result = *loaded;
  tables_[resolved] = std::move(loaded);
  return result;
}

void Database::forget(const QString& path) { tables_.erase(resolvePath(path)); }

dbase::DbfTable* Database::cachedTable(const QString& path) {
  auto found = tables_.find(resolvePath(path));
  return found == tables_.end() || found->second->isStale() ? nullptr : found->second.get();
}

const dbase::TableImage& Database::image(const QString& path) { return table(path).image(); }

template <typename Change>
void Database::inTransaction(const QString& path, Change&& change, bool derived) {
  bool own = !journal_.active();
  int64_t savepoint = own ? 0 : journal_.savepoint();
  if (own) journal_.begin(!derived && QFileInfo(path).absolutePath() == dataFolder_);
  try {
    change();
  } catch (...) {
    // The files go back to their state before the statement. It wrote one
    // table (and its index): that image followed the undone writes and is
    // read again when needed; the others stay.
    if (own) journal_.rollback();
    else journal_.rollbackTo(savepoint);
    tables_.erase(resolvePath(path));
    throw;
  }
  if (own) journal_.commit();
}

// A statement changes at most one table, through one of the catalog calls
// below, each of which is all-or-nothing; a SELECT opens no transaction.
std::unique_ptr<sql::ResultSet> Database::execute(const QString& statementText) {
  return sql::execute(*this, statementText);
}

void Database::begin() {
  if (journal_.active()) throw StoreError("a transaction is already open");
  journal_.begin();
}

void Database::commit() {
  if (!journal_.active()) throw StoreError("no transaction is open");
  journal_.commit();
}

void Database::rollback() {
  if (!journal_.active()) throw StoreError("no transaction is open");
  journal_.rollback();
  tables_.clear();
}

void Database::acquire(const QString& path, bool exclusive) {
  QString resolved = resolvePath(path);
  Use& use = uses_[resolved];
  if (use.exclusive || (exclusive && use.shared > 0))
    throw StoreError("table is in use: " + shown(resolved));
  if (exclusive) use.exclusive = true;
  else ++use.shared;
}

void Database::release(const QString& path, bool exclusive) {
  QString resolved = resolvePath(path);
  auto found = uses_.find(resolved);
  if (found == uses_.end()) return;
  if (exclusive) found->second.exclusive = false;
  else if (found->second.shared > 0) --found->second.shared;
  if (!found->second.exclusive && found->second.shared == 0) uses_.erase(found);
}

void Database::createTable(const QString& path, const dbase::FieldList& fields) {
  QString resolved = resolvePath(path);
  if (QFileInfo::exists(resolved)) throw StoreError("table already exists: " + shown(resolved));
  inTransaction(resolved, [&] { dbase::DbfTable::create(journal_, resolved, fields); });
  tables_.erase(resolved);
}

void Database::createIndex(const std::string& tag, const QString& path, const std::string& column) {
  dbase::DbfTable& target = table(path);
  // Undone like any statement if it fails or the program is killed, but
  // the start-up's rebuild makes the index and its flags again anyway.
  inTransaction(target.path(), [&] { target.createIndex(journal_, tag, column); }, /*derived=*/true);
}

void Database::insertRows(const QString& path, CodedRows rows) {
  dbase::DbfTable& target = table(path);
  inTransaction(target.path(), [&] { target.insertRows(journal_, std::move(rows)); });
}

void Database::updateRows(const QString& path, std::vector<dbase::RowChange> changes) {
  dbase::DbfTable& target = table(path);
  inTransaction(target.path(), [&] { target.updateRows(journal_, std::move(changes)); });
}

void Database::deleteRows(const QString& path, const std::vector<uint32_t>& rows) {
  dbase::DbfTable& target = table(path);
  inTransaction(target.path(), [&] { target.deleteRows(journal_, rows); });
}

}  // namespace store

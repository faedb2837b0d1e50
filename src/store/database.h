// A Data folder and the tables the program reaches through SQL.
//
// The Database runs statement texts (execute), keeps one parsed image per
// table file and reloads it only when the file changed on disk, and makes
// every statement all-or-nothing: a statement outside an explicit
// transaction is a transaction of its own. begin / commit / rollback group
// several statements over several files into one. The undo journal lives in
// the Data folder; constructing a Database first rolls back a journal that a
// crash left there.
//
// Paths are the texts the statements give: either separator, the file name
// matched case-insensitively in its folder.
#pragma once

#include <QString>
#include <map>
#include <memory>

#include "store/journal/journal.h"
#include "store/sql/catalog.h"
#include "store/sql/result_set.h"

namespace store {

class Database : public sql::Catalog {
 public:
  explicit Database(const QString& dataFolder);
  ~Database() override;
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  const QString& dataFolder() const { return dataFolder_; }
  // True when the constructor found and rolled back an interrupted transaction.
  bool recovered() const { return recovered_; }

  // Runs one statement; a SELECT gives its rows, any other statement nullptr.
  std::unique_ptr<sql::ResultSet> execute(const QString& statementText);

  void begin();     // throws when a transaction is already open
  void commit();    // throws when none is open
  void rollback();  // throws when none is open
  bool inTransaction() const { return journal_.active(); }

  // The table file at `path` as the engine sees it (loaded, current).
  dbase::DbfTable& table(const QString& path);
  // The file `path` names, with its file name's letter case as on disk;
  // the path itself when no file matches.
  static QString resolvePath(const QString& path);

  // Table objects (store/table_object.h) register here while open, so that an
  // exclusive open fails while the table is open elsewhere in the process.
  void acquire(const QString& path, bool exclusive);
  void release(const QString& path, bool exclusive);

  // Drops `path` from the cache of images; the next use reads it again.
  void forget(const QString& path);
  // The cached table at `path` when its image is current, else nullptr.
  dbase::DbfTable* cachedTable(const QString& path);

  journal::Journal& journal() { return journal_; }

  // sql::Catalog
  const dbase::TableImage& image(const QString& path) override;
  void createTable(const QString& path, const dbase::FieldList& fields) override;
  void createIndex(const std::string& tag, const QString& path, const std::string& column) override;
  void insertRows(const QString& path, CodedRows rows) override;
  void updateRows(const QString& path, std::vector<dbase::RowChange> changes) override;
  void deleteRows(const QString& path, const std::vector<uint32_t>& rows) override;

 private:
  // Runs `change` to the file `path` inside the open transaction, or inside
  // one of its own; that one waits for the disk only for files in the Data
  // folder (the program's scratch tables are made anew on every use), and
  // only when `derived` is false: an index is rebuilt from its table at
  // every start, so creating one need not wait for the disk.
  template <typename Change>
  void inTransaction(const QString& path, Change&& change, bool derived = false);

  QString dataFolder_;
  bool recovered_ = false;
  journal::Journal journal_;
  std::map<QString, std::unique_ptr<dbase::DbfTable>> tables_;  // by resolved absolute path
  struct Use {
    int shared = 0;
    bool exclusive = false;
  };
  std::map<QString, Use> uses_;
};

}  // namespace store

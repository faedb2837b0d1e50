// RemoveIndex, CreazaIndex, PackTable and StergePuneIndex.
#include "store/index_rebuild.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "store/error.h"

namespace store {

void RemoveIndex(Database& database, const QString& tablePath) {
  QString path = Database::resolvePath(tablePath);
  // A table already loaded keeps its image: only the index goes.
  if (dbase::DbfTable* table = database.cachedTable(path)) {
    table->detachProductionIndex();
    QCoreApplication::processEvents();
    return;
  }
  database.forget(path);
  if (dbase::DbfTable::detachProductionIndex(path)) QCoreApplication::processEvents();
}

bool CreazaIndex(Query& sx, const QString& tablePath, const QString& column) {
  sx.close();
  sx.sql().clear();
  sx.add("CREATE INDEX " + column + " ON \"" + tablePath + "\" (" + column + ")");
  try {
    sx.execSQL();
    return true;
  } catch (const StoreError&) {
    return false;
  }
}

void PackTable(TableObject& sursa, const QString& tablePath) {
  sursa.close();
  QCoreApplication::processEvents();
  try {
    sursa.open(tablePath, /*exclusive=*/true);
    sursa.pack();
  } catch (...) {
    sursa.close();
    QCoreApplication::processEvents();
    throw;
  }
  sursa.close();
  QCoreApplication::processEvents();
}

QString missingTableMessage(const QString& tablePath) {
  return "Fisierul " + tablePath + " nu exista!\r\nObligatoriu RESTAURATI !";
}

void StergePuneIndex(Query& sx, TableObject& sursa, const QString& tablePath, const QStringList& columns,
                     const std::function<void(const QString&)>& reportMissing) {
  if (!QFileInfo::exists(Database::resolvePath(tablePath))) {
    reportMissing(missingTableMessage(tablePath));
    return;
  }
  // The flags the pack needs and the fields the indexes need, in one pass.
  sx.database().table(tablePath).decodeFields(columns);
  PackTable(sursa, tablePath);
  QCoreApplication::processEvents();
  for (const QString& column : columns) {
    CreazaIndex(sx, tablePath, column);
    QCoreApplication::processEvents();
  }
}

}  // namespace store

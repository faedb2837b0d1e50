// RemoveIndex, CreazaIndex, PackTable and StergePuneIndex.
#include "store/index_rebuild.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "store/error.h"

namespace store {

void RemoveIndex(Database& database, const QString& tablePath) {
  QString path = Database::resolvePath(tablePath);
  database.forget(path);
  QFile table(path);
  if (!table.open(QIODevice::ReadWrite)) return;
  constexpr qint64 kIndexFlagOffset = 28;
  if (!table.seek(kIndexFlagOffset) || table.write("\0", 1) != 1)
    throw StoreError("cannot clear the index flag of " + QDir::toNativeSeparators(path).toStdString() + ": " +
                     table.errorString().toStdString());
  table.close();
  QFile::remove(Database::resolvePath(tablePath.left(tablePath.size() - 4) + ".mdx"));
  QCoreApplication::processEvents();
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
  PackTable(sursa, tablePath);
  QCoreApplication::processEvents();
  for (const QString& column : columns) {
    CreazaIndex(sx, tablePath, column);
    QCoreApplication::processEvents();
  }
}

}  // namespace store

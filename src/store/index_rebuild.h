// The index rebuild run at every start: detach and delete a table's
// production index, pack the table, create its tags again.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "store/query.h"
#include "store/table_object.h"

namespace store {

// Clears the production-index flag (byte 28) of the table and deletes its
// .mdx. A table file that cannot be opened is left alone without an error;
// a failure to write the flag is a StoreError. `database` drops its image of
// the table, which no longer matches the file.
void RemoveIndex(Database& database, const QString& tablePath);

// Sends `CREATE INDEX {column} ON "{table}" ({column})` through `sx`; any
// error is swallowed and gives false.
bool CreazaIndex(Query& sx, const QString& tablePath, const QString& column);

// Opens the table exclusively through `sursa`, packs it (dropping deleted
// records and rebuilding its tags) and closes it again, also on failure;
// errors go on to the caller.
void PackTable(TableObject& sursa, const QString& tablePath);

// The message of a missing table: "Fisierul <path> nu exista!", CR LF,
// "Obligatoriu RESTAURATI !".
QString missingTableMessage(const QString& tablePath);

// Packs the table and creates one tag per column, in order. A missing table
// file is reported through `reportMissing` with missingTableMessage() and
// skipped.
void StergePuneIndex(Query& sx, TableObject& sursa, const QString& tablePath, const QStringList& columns,
                     const std::function<void(const QString&)>& reportMissing);

}  // namespace store

// Runs one statement text against a catalog.
//
// The text passes the lexer, the parser and the binder, then the executor:
// SELECT gives a ResultSet; CREATE TABLE, CREATE INDEX, INSERT, UPDATE and
// DELETE change the tables through the catalog and give nullptr. Errors are
// StoreError: a syntax error names the token and its line and column, a
// binding error the unknown table (with its path) or column.
#pragma once

#include <QString>
#include <memory>

#include "store/sql/catalog.h"
#include "store/sql/result_set.h"

namespace store::sql {

std::unique_ptr<ResultSet> execute(Catalog& catalog, const QString& statementText);

}  // namespace store::sql

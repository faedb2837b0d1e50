// Resolves a parsed statement against the catalog's tables.
//
// Tables are looked up by path (the catalog throws for a missing one), column
// names case-insensitively within the statement's tables, and every
// expression gets its value type. Errors name the unknown column or alias,
// the mismatched types, or the invalid date or number text, with the line
// and column of the statement text.
#pragma once

#include "store/sql/binder/bound.h"
#include "store/sql/catalog.h"
#include "store/sql/parser/ast.h"

namespace store::sql {

BoundStatement bindStatement(Catalog& catalog, const ast::Statement& statement);

}  // namespace store::sql

// Runs the statements that change tables: INSERT, UPDATE, DELETE, CREATE
// TABLE and CREATE INDEX. Every new row or assignment of a statement is
// computed first, then handed to the catalog in one call, which writes all
// or nothing.
#pragma once

#include "store/sql/binder/bound.h"
#include "store/sql/catalog.h"

namespace store::sql {

void runInsert(Catalog& catalog, BoundInsert& insert);
void runUpdate(Catalog& catalog, BoundUpdate& update);
void runDelete(Catalog& catalog, BoundDelete& del);
void runCreateTable(Catalog& catalog, const BoundCreateTable& create);
void runCreateIndex(Catalog& catalog, const BoundCreateIndex& create);

}  // namespace store::sql

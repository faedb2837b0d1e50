// Runs the statements that change tables: INSERT, UPDATE, DELETE, CREATE
// TABLE and CREATE INDEX. Every new row or assignment of a statement is
// computed first, then handed to the catalog in one call, which writes all
// or nothing.
#pragma once

#include "store/sql/binder/bound.h"
#include "store/sql/catalog.h"

namespace store::sql {

void run(Catalog& catalog, BoundInsert& insert);
void run(Catalog& catalog, BoundUpdate& update);
void run(Catalog& catalog, BoundDelete& del);
void run(Catalog& catalog, BoundCreateTable& create);
void run(Catalog& catalog, BoundCreateIndex& create);

}  // namespace store::sql

// Recursive-descent parser of the engine's SQL dialect.
//
// Grammar, keywords case-insensitive (an optional ";" may end the text):
//   statement := select | insert | update | delete | create
//   select  := SELECT [DISTINCT] item {, item} FROM table [alias]
//              {[INNER] JOIN table [alias] ON expr} [WHERE expr]
//              [GROUP BY expr {, expr}] [ORDER BY expr [ASC|DESC] {, ...}]
//   item    := * | alias.* | expr [AS name]
//   insert  := INSERT INTO table [(name {, name})] VALUES (expr {, expr}) {, (...)}
//   update  := UPDATE table SET name = expr {, name = expr} [WHERE expr]
//   delete  := DELETE FROM table [WHERE expr]
//   create  := CREATE TABLE table (name type {, name type})
//            | CREATE INDEX name ON table (name)
//   type    := CHAR(n) | DECIMAL(p[,s]) | NUMERIC(p[,s]) | DATE
//   table   := "path"
// Expressions: OR < AND < NOT < comparison, IS [NOT] NULL < + - < * / <
// unary - < literal, column, alias.column, (expr), (select),
// SUM/COUNT/MAX/MIN/AVG(expr), COUNT(*), CAST(expr AS type), NULL.
#pragma once

#include <QString>

#include "store/sql/parser/ast.h"

namespace store::sql {

// Throws StoreError for a syntax error, naming the token with its line and
// column, and for nesting deeper than the parser allows.
ast::Statement parseStatement(const QString& text);

}  // namespace store::sql

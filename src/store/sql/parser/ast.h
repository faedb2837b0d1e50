// The parsed form of a statement, as written: names are unresolved texts and
// nothing here knows of tables, fields or types (the binder adds those).
#pragma once

#include <QString>
#include <memory>
#include <variant>
#include <vector>

#include "store/sql/lexer/token.h"

namespace store::sql::ast {

enum class ExprKind {
  Number,     // text: the digits as written
  Text,       // text: the literal's characters
  Null,
  Column,     // qualifier (table alias, may be empty) and text (the name)
  Unary,      // unaryOp on left
  Binary,     // binaryOp on left and right
  IsNull,     // left IS [NOT] NULL; negated for IS NOT
  Aggregate,  // aggregate over left; left is null for COUNT(*)
  Cast,       // CAST(left AS text)
  Subquery,   // a parenthesized SELECT giving one value
};

enum class UnaryOp { Negate, Not };
enum class BinaryOp { Add, Subtract, Multiply, Divide, Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, And, Or };
enum class AggregateFunction { Sum, Count, Max, Min, Avg };

struct Select;

struct Expr {
  ExprKind kind = ExprKind::Null;
  SourcePos pos;
  QString text;
  QString qualifier;
  UnaryOp unaryOp = UnaryOp::Negate;
  BinaryOp binaryOp = BinaryOp::Add;
  AggregateFunction aggregate = AggregateFunction::Count;
  bool negated = false;
  int height = 1;  // levels of the tree below and including this node
  std::unique_ptr<Expr> left;
  std::unique_ptr<Expr> right;
  std::unique_ptr<Select> subquery;
};
using ExprPtr = std::unique_ptr<Expr>;

struct Name {
  QString text;
  SourcePos pos;
};

struct TableRef {
  QString path;   // the text between the double quotes
  QString alias;  // empty when none
  SourcePos pos;
};

struct SelectItem {
  ExprPtr expr;          // null for * and alias.*
  QString starQualifier; // alias of alias.*; empty for a plain *
  QString alias;
  QString sourceText;    // the item as written, naming an unaliased expression
};

struct Join {
  TableRef table;
  ExprPtr on;
};

struct OrderItem {
  ExprPtr expr;
  bool descending = false;
};

struct Select {
  bool distinct = false;
  std::vector<SelectItem> items;
  TableRef from;
  std::vector<Join> joins;
  ExprPtr where;
  std::vector<ExprPtr> groupBy;
  std::vector<OrderItem> orderBy;
};

enum class ColumnType { Char, Decimal, Date };

struct ColumnDefinition {
  Name name;
  ColumnType type = ColumnType::Char;
  int length = 0;     // CHAR(n)
  int precision = 0;  // DECIMAL(p,s)
  int scale = 0;
};

struct CreateTable {
  TableRef table;
  std::vector<ColumnDefinition> columns;
};

struct CreateIndex {
  Name tag;
  TableRef table;
  Name column;
};

struct Insert {
  TableRef table;
  std::vector<Name> columns;  // empty: every field in order
  std::vector<std::vector<ExprPtr>> rows;
};

struct Assignment {
  Name column;
  ExprPtr value;
};

struct Update {
  TableRef table;
  std::vector<Assignment> assignments;
  ExprPtr where;
};

struct Delete {
  TableRef table;
  ExprPtr where;
};

using Statement = std::variant<Select, Insert, Update, Delete, CreateTable, CreateIndex>;

}  // namespace store::sql::ast

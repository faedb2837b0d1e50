// The bound form of a statement: tables resolved to their images, columns to
// (table, field) pairs, every expression carrying its value type, constant
// subexpressions folded, and literals compared with or stored into dates and
// numbers already converted.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "store/dbase/table_image.h"
#include "store/sql/parser/ast.h"
#include "store/sql/scalar.h"

namespace store::sql {

struct BoundSelect;

struct BoundExpr {
  enum class Kind { Constant, Column, Unary, Binary, IsNull, Aggregate, Cast, Subquery };
  Kind kind = Kind::Constant;
  ValueType type = ValueType::Null;
  SourcePos pos;
  Value constant;                 // Constant
  int table = -1, field = -1;     // Column: index into the statement's tables, field of its image
  int aggregate = -1;             // Aggregate: index into BoundSelect::aggregates
  ast::UnaryOp unaryOp = ast::UnaryOp::Negate;
  ast::BinaryOp binaryOp = ast::BinaryOp::Add;
  bool negated = false;           // IS NOT NULL
  std::unique_ptr<BoundExpr> left, right;
  std::unique_ptr<BoundSelect> subquery;  // Subquery: one output, evaluated once

  bool isConstant() const { return kind == Kind::Constant; }
  bool isColumn() const { return kind == Kind::Column; }
};
using BoundExprPtr = std::unique_ptr<BoundExpr>;

struct BoundTable {
  QString path;
  QString alias;
  const dbase::TableImage* image = nullptr;
};

struct BoundAggregate {
  ast::AggregateFunction function = ast::AggregateFunction::Count;
  BoundExprPtr argument;  // null for COUNT(*)
  ValueType type = ValueType::Number;
  SourcePos pos;
};

struct BoundOutput {
  std::string name;
  BoundExprPtr expr;
};

struct BoundOrder {
  int output = -1;   // a result column, or
  BoundExprPtr expr; // an expression over the source rows (or groups)
  bool descending = false;
};

struct BoundSelect {
  std::vector<BoundTable> tables;
  std::vector<BoundExprPtr> conditions;  // the WHERE and ON conditions, split at AND
  std::vector<BoundOutput> outputs;
  std::vector<BoundAggregate> aggregates;
  std::vector<BoundExprPtr> groupBy;     // columns
  bool grouped = false;                  // GROUP BY or an aggregate: one result row per group
  bool distinct = false;
  std::vector<BoundOrder> orderBy;
};

struct BoundInsert {
  BoundTable table;
  std::vector<std::vector<BoundExprPtr>> rows;  // one per field; null leaves it blank
};

struct BoundUpdate {
  BoundTable table;
  std::vector<std::pair<int, BoundExprPtr>> assignments;  // field index, new value
  std::vector<BoundExprPtr> conditions;
};

struct BoundDelete {
  BoundTable table;
  std::vector<BoundExprPtr> conditions;
};

struct BoundCreateTable {
  QString path;
  dbase::FieldList fields;
};

struct BoundCreateIndex {
  std::string tag;
  QString path;
  std::string column;
};

using BoundStatement =
    std::variant<BoundSelect, BoundInsert, BoundUpdate, BoundDelete, BoundCreateTable, BoundCreateIndex>;

}  // namespace store::sql

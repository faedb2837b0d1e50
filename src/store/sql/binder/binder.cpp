// The binder: name resolution, typing, literal conversion and constant
// folding over the parsed tree.
#include "store/sql/binder/binder.h"

#include <QByteArray>

#include "store/codepage.h"
#include "store/date.h"
#include "store/decimal.h"
#include "store/error.h"

namespace store::sql {

namespace {

using ast::BinaryOp;
using ast::ExprKind;
using Kind = BoundExpr::Kind;

[[noreturn]] void failAt(const std::string& message, SourcePos pos) {
  throw StoreError(message + describePosition(pos));
}

std::string quoted(const QString& text) { return "\"" + text.toStdString() + "\""; }

bool isComparison(BinaryOp op) {
  return op == BinaryOp::Equal || op == BinaryOp::NotEqual || op == BinaryOp::Less ||
         op == BinaryOp::LessEqual || op == BinaryOp::Greater || op == BinaryOp::GreaterEqual;
}

bool isLogical(BinaryOp op) { return op == BinaryOp::And || op == BinaryOp::Or; }

bool isCondition(ValueType type) { return type == ValueType::Bool || type == ValueType::Null; }

BoundExprPtr makeConstant(Value value, ValueType type, SourcePos pos) {
  auto node = std::make_unique<BoundExpr>();
  node->kind = Kind::Constant;
  node->type = type;
  node->pos = pos;
  node->constant = std::move(value);
  return node;
}

// Three-valued AND / OR of two constant conditions.
Value logical(BinaryOp op, const Value& a, const Value& b) {
  bool decisive = op == BinaryOp::Or;  // the operand value that decides alone
  if ((!a.isNull() && a.asBool() == decisive) || (!b.isNull() && b.asBool() == decisive))
    return Value::boolean(decisive);
  if (a.isNull() || b.isNull()) return Value::null();
  return Value::boolean(!decisive);
}

// Evaluates a node whose operands are all constants, in place.
void fold(BoundExpr& node) {
  Value result;
  const Value& a = node.left->constant;
  switch (node.kind) {
    case Kind::Unary:
      if (node.unaryOp == ast::UnaryOp::Negate) result = negate(a, node.pos);
      else if (!a.isNull()) result = Value::boolean(!a.asBool());
      break;
    case Kind::IsNull:
      result = Value::boolean(a.isSqlNull() != node.negated);
      break;
    case Kind::Cast:
      result = castToFloat(a);
      break;
    case Kind::Binary: {
      const Value& b = node.right->constant;
      if (isLogical(node.binaryOp)) result = logical(node.binaryOp, a, b);
      else if (isComparison(node.binaryOp)) result = compare(node.binaryOp, a, b);
      else result = arithmetic(node.binaryOp, a, b, node.pos);
      break;
    }
    default:
      return;
  }
  node.kind = Kind::Constant;
  node.constant = std::move(result);
  node.left.reset();
  node.right.reset();
}

void splitConjuncts(BoundExprPtr expr, std::vector<BoundExprPtr>& out) {
  if (expr->kind == Kind::Binary && expr->binaryOp == BinaryOp::And) {
    splitConjuncts(std::move(expr->left), out);
    splitConjuncts(std::move(expr->right), out);
    return;
  }
  out.push_back(std::move(expr));
}

class Binder {
 public:
  explicit Binder(Catalog& catalog) : catalog_(catalog) {}

  BoundStatement bind(const ast::Statement& statement) {
    return std::visit([this](const auto& s) -> BoundStatement { return bindOne(s); }, statement);
  }

 private:
  // What names and aggregates an expression may use.
  struct Scope {
    const std::vector<BoundTable>* tables = nullptr;
    BoundSelect* aggregates = nullptr;  // where aggregates go; null where none are allowed
  };

  BoundTable openTable(const ast::TableRef& ref) {
    BoundTable table;
    table.path = ref.path;
    table.alias = ref.alias;
    table.image = &catalog_.image(ref.path);
    return table;
  }

  // --- statements -----------------------------------------------------------

  BoundStatement bindOne(const ast::Select& select) { return bindSelect(select); }

  BoundSelect bindSelect(const ast::Select& select) {
    BoundSelect bound;
    bound.tables.push_back(openTable(select.from));
    for (const ast::Join& join : select.joins) bound.tables.push_back(openTable(join.table));
    Scope plain{&bound.tables, nullptr};
    for (const ast::Join& join : select.joins) addConditions(*join.on, plain, bound.conditions);
    if (select.where) addConditions(*select.where, plain, bound.conditions);

    for (const ast::ExprPtr& key : select.groupBy) {
      BoundExprPtr column = bindExpr(*key, plain);
      if (!column->isColumn()) failAt("GROUP BY takes column names", key->pos);
      bound.groupBy.push_back(std::move(column));
    }
    Scope withAggregates{&bound.tables, &bound};
    for (const ast::SelectItem& item : select.items) bindSelectItem(item, withAggregates, bound);
    bound.grouped = !bound.groupBy.empty() || !bound.aggregates.empty();
    bound.distinct = select.distinct;
    if (bound.grouped)
      for (const BoundOutput& output : bound.outputs) checkGrouped(*output.expr, bound);

    for (const ast::OrderItem& item : select.orderBy) {
      BoundOrder order;
      order.descending = item.descending;
      order.output = outputNamed(*item.expr, bound);
      if (order.output < 0) {
        if (bound.distinct) failAt("ORDER BY of a DISTINCT query must name a result column", item.expr->pos);
        order.expr = bindExpr(*item.expr, bound.grouped ? withAggregates : plain);
        if (bound.grouped) checkGrouped(*order.expr, bound);
      }
      bound.orderBy.push_back(std::move(order));
    }
    return bound;
  }

  void bindSelectItem(const ast::SelectItem& item, Scope& scope, BoundSelect& bound) {
    if (!item.expr) {
      bool anyTable = false;
      for (size_t t = 0; t < bound.tables.size(); ++t) {
        const BoundTable& table = bound.tables[t];
        if (!item.starQualifier.isEmpty() && table.alias.compare(item.starQualifier, Qt::CaseInsensitive) != 0)
          continue;
        anyTable = true;
        for (size_t f = 0; f < table.image->fields.size(); ++f) {
          BoundExprPtr column = columnNode(int(t), int(f), {});
          column->type = typeOfField(table.image->fields[f]);
          bound.outputs.push_back({table.image->fields[f].name, std::move(column)});
        }
      }
      if (!anyTable) throw StoreError("unknown table alias " + quoted(item.starQualifier));
      return;
    }
    BoundOutput output;
    output.expr = bindExpr(*item.expr, scope);
    if (!item.alias.isEmpty()) output.name = item.alias.toStdString();
    else if (output.expr->isColumn())
      output.name = bound.tables[output.expr->table].image->fields[output.expr->field].name;
    else output.name = item.sourceText.toStdString();
    bound.outputs.push_back(std::move(output));
  }

  // The result column an ORDER BY item names (alias or column name, or a
  // 1-based position), or -1 when it is an expression of its own.
  int outputNamed(const ast::Expr& expr, const BoundSelect& bound) const {
    if (expr.kind == ExprKind::Column && expr.qualifier.isEmpty()) {
      for (size_t i = 0; i < bound.outputs.size(); ++i)
        if (expr.text.compare(QString::fromStdString(bound.outputs[i].name), Qt::CaseInsensitive) == 0)
          return int(i);
    }
    if (expr.kind == ExprKind::Number) {
      bool ok = false;
      int position = expr.text.toInt(&ok);
      if (ok && position >= 1 && position <= int(bound.outputs.size())) return position - 1;
      failAt("ORDER BY position " + expr.text.toStdString() + " names no result column", expr.pos);
    }
    return -1;
  }

  // Columns outside aggregates must be grouping columns.
  void checkGrouped(const BoundExpr& expr, const BoundSelect& bound) const {
    if (expr.kind == Kind::Aggregate || expr.kind == Kind::Subquery) return;
    if (expr.isColumn()) {
      for (const BoundExprPtr& key : bound.groupBy)
        if (key->table == expr.table && key->field == expr.field) return;
      failAt("column " + bound.tables[expr.table].image->fields[expr.field].name +
                 " is neither grouped nor aggregated",
             expr.pos);
    }
    if (expr.left) checkGrouped(*expr.left, bound);
    if (expr.right) checkGrouped(*expr.right, bound);
  }

  void addConditions(const ast::Expr& expr, Scope& scope, std::vector<BoundExprPtr>& out) {
    BoundExprPtr condition = bindExpr(expr, scope);
    if (!isCondition(condition->type)) failAt("a condition must be true or false", expr.pos);
    splitConjuncts(std::move(condition), out);
  }

  BoundStatement bindOne(const ast::Insert& insert) {
    BoundInsert bound;
    bound.table = openTable(insert.table);
    const dbase::FieldList& fields = bound.table.image->fields;
    std::vector<int> targets;
    if (insert.columns.empty()) {
      for (size_t f = 0; f < fields.size(); ++f) targets.push_back(int(f));
    } else {
      for (const ast::Name& name : insert.columns) {
        int field = fieldOf(*bound.table.image, name);
        if (std::find(targets.begin(), targets.end(), field) != targets.end())
          failAt("column " + quoted(name.text) + " given twice", name.pos);
        targets.push_back(field);
      }
    }
    std::vector<BoundTable> noTables;
    Scope scope{&noTables, nullptr};
    for (const std::vector<ast::ExprPtr>& row : insert.rows) {
      if (row.size() != targets.size())
        failAt(std::to_string(row.size()) + " values for " + std::to_string(targets.size()) + " columns",
               row.front()->pos);
      std::vector<BoundExprPtr> values(fields.size());
      for (size_t i = 0; i < row.size(); ++i)
        values[targets[i]] = bindStored(*row[i], scope, fields[targets[i]]);
      bound.rows.push_back(std::move(values));
    }
    return bound;
  }

  BoundStatement bindOne(const ast::Update& update) {
    BoundUpdate bound;
    bound.table = openTable(update.table);
    std::vector<BoundTable> tables{bound.table};
    Scope scope{&tables, nullptr};
    for (const ast::Assignment& assignment : update.assignments) {
      int field = fieldOf(*bound.table.image, assignment.column);
      bound.assignments.emplace_back(field,
                                     bindStored(*assignment.value, scope, bound.table.image->fields[field]));
    }
    if (update.where) addConditions(*update.where, scope, bound.conditions);
    return bound;
  }

  BoundStatement bindOne(const ast::Delete& del) {
    BoundDelete bound;
    bound.table = openTable(del.table);
    std::vector<BoundTable> tables{bound.table};
    Scope scope{&tables, nullptr};
    if (del.where) addConditions(*del.where, scope, bound.conditions);
    return bound;
  }

  BoundStatement bindOne(const ast::CreateTable& create) {
    BoundCreateTable bound;
    bound.path = create.table.path;
    uint32_t offset = 1;  // the deletion flag byte comes first
    for (const ast::ColumnDefinition& column : create.columns) {
      dbase::Field field;
      field.name = column.name.text.toUpper().toStdString();
      if (field.name.size() > 10) failAt("column name " + quoted(column.name.text) + " is longer than 10 characters", column.name.pos);
      for (const dbase::Field& earlier : bound.fields)
        if (earlier.name == field.name) failAt("column " + quoted(column.name.text) + " given twice", column.name.pos);
      switch (column.type) {
        case ast::ColumnType::Char:
          field.type = 'C';
          field.width = uint8_t(column.length);
          break;
        case ast::ColumnType::Decimal:
          field.type = 'N';
          field.width = uint8_t(column.precision + (column.scale > 0 ? 2 : 1));  // sign and point
          field.decimals = uint8_t(column.scale);
          break;
        case ast::ColumnType::Date:
          field.type = 'D';
          field.width = 8;
          break;
      }
      field.offset = offset;
      offset += field.width;
      bound.fields.push_back(std::move(field));
    }
    return bound;
  }

  BoundStatement bindOne(const ast::CreateIndex& create) {
    return BoundCreateIndex{create.tag.text.toUpper().toStdString(), create.table.path,
                            create.column.text.toUpper().toStdString()};
  }

  int fieldOf(const dbase::TableImage& image, const ast::Name& name) const {
    int field = image.fieldIndex(name.text.toStdString());
    if (field < 0) failAt("unknown column " + quoted(name.text), name.pos);
    return field;
  }

  // A value bound for storing into `field`: a constant is fitted now, so a
  // bad date or number text is reported with its position.
  BoundExprPtr bindStored(const ast::Expr& expr, Scope& scope, const dbase::Field& field) {
    BoundExprPtr value = bindExpr(expr, scope);
    if (value->isConstant()) {
      try {
        value->constant = fitToField(value->constant, field);
      } catch (const StoreError& error) {
        failAt(error.what(), expr.pos);
      }
      value->type = value->constant.isNull() ? ValueType::Null : typeOfField(field);
    }
    return value;
  }

  // --- expressions ----------------------------------------------------------

  BoundExprPtr columnNode(int table, int field, SourcePos pos) const {
    auto node = std::make_unique<BoundExpr>();
    node->kind = Kind::Column;
    node->table = table;
    node->field = field;
    node->pos = pos;
    return node;
  }

  BoundExprPtr bindColumn(const ast::Expr& expr, const Scope& scope) const {
    int foundTable = -1, foundField = -1;
    bool aliasSeen = false;
    const std::vector<BoundTable>& tables = *scope.tables;
    for (size_t t = 0; t < tables.size(); ++t) {
      if (!expr.qualifier.isEmpty()) {
        if (tables[t].alias.compare(expr.qualifier, Qt::CaseInsensitive) != 0) continue;
        aliasSeen = true;
      }
      int field = tables[t].image->fieldIndex(expr.text.toStdString());
      if (field < 0) continue;
      if (foundTable >= 0) failAt("ambiguous column " + quoted(expr.text), expr.pos);
      foundTable = int(t);
      foundField = field;
    }
    if (!expr.qualifier.isEmpty() && !aliasSeen)
      failAt("unknown table alias " + quoted(expr.qualifier), expr.pos);
    if (foundTable < 0) {
      QString shown = expr.qualifier.isEmpty() ? expr.text : expr.qualifier + "." + expr.text;
      failAt("unknown column " + quoted(shown), expr.pos);
    }
    BoundExprPtr node = columnNode(foundTable, foundField, expr.pos);
    node->type = typeOfField(tables[foundTable].image->fields[foundField]);
    return node;
  }

  BoundExprPtr bindExpr(const ast::Expr& expr, Scope& scope) {
    switch (expr.kind) {
      case ExprKind::Number: {
        std::optional<int64_t> number = decimal::parse(expr.text.toStdString());
        if (!number) failAt("number " + expr.text.toStdString() + " is out of range", expr.pos);
        return makeConstant(Value::number(*number), ValueType::Number, expr.pos);
      }
      case ExprKind::Text: {
        try {
          return makeConstant(Value::text(encode(expr.text)), ValueType::Text, expr.pos);
        } catch (const StoreError& error) {
          failAt(error.what(), expr.pos);
        }
      }
      case ExprKind::Null:
        return makeConstant(Value::null(), ValueType::Null, expr.pos);
      case ExprKind::Column:
        return bindColumn(expr, scope);
      case ExprKind::Unary:
        return bindUnary(expr, scope);
      case ExprKind::Binary:
        return bindBinary(expr, scope);
      case ExprKind::IsNull: {
        auto node = std::make_unique<BoundExpr>();
        node->kind = Kind::IsNull;
        node->type = ValueType::Bool;
        node->pos = expr.pos;
        node->negated = expr.negated;
        node->left = bindExpr(*expr.left, scope);
        return finish(std::move(node));
      }
      case ExprKind::Aggregate:
        return bindAggregate(expr, scope);
      case ExprKind::Cast: {
        QString type = expr.text.toUpper();
        if (type != "FLOAT" && type != "DOUBLE" && type != "REAL")
          failAt("cannot cast to " + expr.text.toStdString() + "; only FLOAT is supported", expr.pos);
        auto node = std::make_unique<BoundExpr>();
        node->kind = Kind::Cast;
        node->type = ValueType::Float;
        node->pos = expr.pos;
        node->left = bindExpr(*expr.left, scope);
        if (!isNumeric(node->left->type) && node->left->type != ValueType::Null)
          failAt(std::string("cannot cast ") + typeName(node->left->type) + " to FLOAT", expr.pos);
        return finish(std::move(node));
      }
      case ExprKind::Subquery: {
        auto node = std::make_unique<BoundExpr>();
        node->kind = Kind::Subquery;
        node->pos = expr.pos;
        node->subquery = std::make_unique<BoundSelect>(bindSelect(*expr.subquery));
        if (node->subquery->outputs.size() != 1) failAt("a subquery must give one column", expr.pos);
        node->type = node->subquery->outputs.front().expr->type;
        return node;
      }
    }
    failAt("unsupported expression", expr.pos);
  }

  BoundExprPtr finish(BoundExprPtr node) {
    bool constant = node->left->isConstant() && (!node->right || node->right->isConstant());
    if (constant) fold(*node);
    return node;
  }

  BoundExprPtr bindUnary(const ast::Expr& expr, Scope& scope) {
    auto node = std::make_unique<BoundExpr>();
    node->kind = Kind::Unary;
    node->unaryOp = expr.unaryOp;
    node->pos = expr.pos;
    node->left = bindExpr(*expr.left, scope);
    ValueType operand = node->left->type;
    if (expr.unaryOp == ast::UnaryOp::Not) {
      if (!isCondition(operand)) failAt(std::string("NOT cannot apply to ") + typeName(operand), expr.pos);
      node->type = ValueType::Bool;
    } else {
      if (!isNumeric(operand) && operand != ValueType::Null)
        failAt(std::string("cannot negate ") + typeName(operand), expr.pos);
      node->type = operand == ValueType::Null ? ValueType::Number : operand;
    }
    return finish(std::move(node));
  }

  BoundExprPtr bindBinary(const ast::Expr& expr, Scope& scope) {
    auto node = std::make_unique<BoundExpr>();
    node->kind = Kind::Binary;
    node->binaryOp = expr.binaryOp;
    node->pos = expr.pos;
    node->left = bindExpr(*expr.left, scope);
    node->right = bindExpr(*expr.right, scope);
    ValueType a = node->left->type, b = node->right->type;
    if (isLogical(expr.binaryOp)) {
      if (!isCondition(a) || !isCondition(b))
        failAt(std::string(expr.binaryOp == BinaryOp::And ? "AND" : "OR") + " needs conditions", expr.pos);
      node->type = ValueType::Bool;
    } else if (isComparison(expr.binaryOp)) {
      convertLiteralFor(*node->right, a);
      convertLiteralFor(*node->left, b);
      a = node->left->type;
      b = node->right->type;
      bool comparable = a == ValueType::Null || b == ValueType::Null || a == b || (isNumeric(a) && isNumeric(b));
      if (!comparable) failAt(std::string("cannot compare ") + typeName(a) + " with " + typeName(b), expr.pos);
      node->type = ValueType::Bool;
    } else {
      bool numeric = (isNumeric(a) || a == ValueType::Null) && (isNumeric(b) || b == ValueType::Null);
      if (!numeric) failAt(std::string("arithmetic on ") + typeName(a) + " and " + typeName(b), expr.pos);
      node->type = (a == ValueType::Float || b == ValueType::Float) ? ValueType::Float : ValueType::Number;
    }
    return finish(std::move(node));
  }

  // A text literal compared with a date or number becomes that date or
  // number; compared with text it loses its pad blanks as CHAR values do.
  void convertLiteralFor(BoundExpr& literal, ValueType other) const {
    if (!literal.isConstant() || literal.constant.kind() != Value::Kind::Text) return;
    const std::string& text = literal.constant.asText();
    if (other == ValueType::Text) {
      size_t end = text.find_last_not_of(' ');
      literal.constant = Value::text(end == std::string::npos ? std::string() : text.substr(0, end + 1));
      return;
    }
    if (other != ValueType::Date && !isNumeric(other)) return;
    if (QByteArray::fromStdString(text).trimmed().isEmpty()) {
      literal.constant = Value::null();
      literal.type = ValueType::Null;
      return;
    }
    if (other == ValueType::Date) {
      std::optional<int32_t> day = date::parseDisplay(text);
      if (!day) failAt("invalid date \"" + decode(text).toStdString() + "\"", literal.pos);
      literal.constant = Value::date(*day);
      literal.type = ValueType::Date;
    } else {
      std::optional<int64_t> number = decimal::parse(text);
      if (!number) failAt("invalid number \"" + decode(text).toStdString() + "\"", literal.pos);
      literal.constant = Value::number(*number);
      literal.type = ValueType::Number;
    }
  }

  BoundExprPtr bindAggregate(const ast::Expr& expr, Scope& scope) {
    if (!scope.aggregates) failAt("an aggregate is not allowed here", expr.pos);
    BoundAggregate aggregate;
    aggregate.function = expr.aggregate;
    aggregate.pos = expr.pos;
    if (expr.left) {
      Scope inner{scope.tables, nullptr};  // aggregates do not nest
      aggregate.argument = bindExpr(*expr.left, inner);
    }
    ValueType argument = aggregate.argument ? aggregate.argument->type : ValueType::Number;
    switch (expr.aggregate) {
      case ast::AggregateFunction::Count:
        aggregate.type = ValueType::Number;
        break;
      case ast::AggregateFunction::Sum:
      case ast::AggregateFunction::Avg:
        if (!isNumeric(argument) && argument != ValueType::Null)
          failAt(std::string("cannot sum ") + typeName(argument), expr.pos);
        aggregate.type = argument == ValueType::Float ? ValueType::Float : ValueType::Number;
        break;
      case ast::AggregateFunction::Max:
      case ast::AggregateFunction::Min:
        aggregate.type = argument;
        break;
    }
    auto node = std::make_unique<BoundExpr>();
    node->kind = Kind::Aggregate;
    node->type = aggregate.type;
    node->pos = expr.pos;
    node->aggregate = int(scope.aggregates->aggregates.size());
    scope.aggregates->aggregates.push_back(std::move(aggregate));
    return node;
  }

  Catalog& catalog_;
};

}  // namespace

BoundStatement bindStatement(Catalog& catalog, const ast::Statement& statement) {
  return Binder(catalog).bind(statement);
}

}  // namespace store::sql

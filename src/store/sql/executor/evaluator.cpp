// The general expression evaluator.
#include "store/sql/executor/evaluator.h"

#include "store/error.h"

namespace store::sql {

using ast::BinaryOp;
using Kind = BoundExpr::Kind;

Value evaluate(const BoundExpr& expr, const RowContext& context) {
  switch (expr.kind) {
    case Kind::Constant:
      return expr.constant;
    case Kind::Column:
      return (*context.tables)[expr.table].image->value(context.rows[expr.table], expr.field);
    case Kind::Aggregate:
      return context.aggregates[expr.aggregate];
    case Kind::Unary: {
      Value operand = evaluate(*expr.left, context);
      if (expr.unaryOp == ast::UnaryOp::Negate) return negate(operand, expr.pos);
      return operand.isNull() ? operand : Value::boolean(!operand.asBool());
    }
    case Kind::IsNull:
      return Value::boolean(evaluate(*expr.left, context).isSqlNull() != expr.negated);
    case Kind::Cast:
      return castToFloat(evaluate(*expr.left, context));
    case Kind::Binary: {
      Value a = evaluate(*expr.left, context);
      if (expr.binaryOp == BinaryOp::And || expr.binaryOp == BinaryOp::Or) {
        bool decisive = expr.binaryOp == BinaryOp::Or;
        if (!a.isNull() && a.asBool() == decisive) return a;
        Value b = evaluate(*expr.right, context);
        if (!b.isNull() && b.asBool() == decisive) return b;
        return a.isNull() || b.isNull() ? Value::null() : Value::boolean(!decisive);
      }
      Value b = evaluate(*expr.right, context);
      switch (expr.binaryOp) {
        case BinaryOp::Add:
        case BinaryOp::Subtract:
        case BinaryOp::Multiply:
        case BinaryOp::Divide:
          return arithmetic(expr.binaryOp, a, b, expr.pos);
        default:
          return compare(expr.binaryOp, a, b);
      }
    }
    case Kind::Subquery:
      break;
  }
  throw StoreError("subquery evaluated before it was run" + describePosition(expr.pos));
}

}  // namespace store::sql

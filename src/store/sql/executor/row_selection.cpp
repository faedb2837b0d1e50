// Compiled row filters and the choice of the driving posting list.
#include "store/sql/executor/row_selection.h"

#include <algorithm>
#include <numeric>

#include "store/sql/executor/evaluator.h"

namespace store::sql {

namespace {

using ast::BinaryOp;
using Kind = BoundExpr::Kind;

template <typename Predicate>
void keepIf(std::vector<uint32_t>& rows, Predicate passes) {
  size_t kept = 0;
  for (uint32_t row : rows)
    if (passes(row)) rows[kept++] = row;
  rows.resize(kept);
}

// Narrows an ascending list of records to those that pass.
class RowFilter {
 public:
  virtual ~RowFilter() = default;
  virtual void apply(std::vector<uint32_t>& rows) const = 0;
};
using FilterPtr = std::unique_ptr<RowFilter>;

class ConstantFilter : public RowFilter {
 public:
  explicit ConstantFilter(bool passes) : passes_(passes) {}
  void apply(std::vector<uint32_t>& rows) const override {
    if (!passes_) rows.clear();
  }

 private:
  bool passes_;
};

class CodeFilter : public RowFilter {
 public:
  CodeFilter(const uint32_t* codes, uint32_t code, bool equal) : codes_(codes), code_(code), equal_(equal) {}
  void apply(std::vector<uint32_t>& rows) const override {
    if (equal_) keepIf(rows, [&](uint32_t row) { return codes_[row] == code_; });
    else keepIf(rows, [&](uint32_t row) { return codes_[row] != code_; });
  }

 private:
  const uint32_t* codes_;
  uint32_t code_;
  bool equal_;
};

// A condition on one CHAR column, decided once per dictionary entry.
class CodeSetFilter : public RowFilter {
 public:
  CodeSetFilter(const uint32_t* codes, std::vector<uint8_t> passes) : codes_(codes), passes_(std::move(passes)) {}
  void apply(std::vector<uint32_t>& rows) const override {
    keepIf(rows, [&](uint32_t row) { return passes_[codes_[row]] != 0; });
  }

 private:
  const uint32_t* codes_;
  std::vector<uint8_t> passes_;
};

// `column op constant` over an int64 or int32 column, its blank value failing.
template <typename T>
class CompareFilter : public RowFilter {
 public:
  CompareFilter(const T* column, T null, BinaryOp op, T constant)
      : column_(column), null_(null), op_(op), constant_(constant) {}
  void apply(std::vector<uint32_t>& rows) const override {
    const T* c = column_;
    const T n = null_, k = constant_;
    switch (op_) {
      case BinaryOp::Equal: keepIf(rows, [&](uint32_t r) { return c[r] == k && c[r] != n; }); break;
      case BinaryOp::NotEqual: keepIf(rows, [&](uint32_t r) { return c[r] != k && c[r] != n; }); break;
      case BinaryOp::Less: keepIf(rows, [&](uint32_t r) { return c[r] < k && c[r] != n; }); break;
      case BinaryOp::LessEqual: keepIf(rows, [&](uint32_t r) { return c[r] <= k && c[r] != n; }); break;
      case BinaryOp::Greater: keepIf(rows, [&](uint32_t r) { return c[r] > k && c[r] != n; }); break;
      case BinaryOp::GreaterEqual: keepIf(rows, [&](uint32_t r) { return c[r] >= k && c[r] != n; }); break;
      default: rows.clear(); break;
    }
  }

 private:
  const T* column_;
  T null_;
  BinaryOp op_;
  T constant_;
};

template <typename T>
class NullFilter : public RowFilter {
 public:
  NullFilter(const T* column, T null, bool wantNull) : column_(column), null_(null), wantNull_(wantNull) {}
  void apply(std::vector<uint32_t>& rows) const override {
    keepIf(rows, [&](uint32_t row) { return (column_[row] == null_) == wantNull_; });
  }

 private:
  const T* column_;
  T null_;
  bool wantNull_;
};

class AllOfFilter : public RowFilter {
 public:
  explicit AllOfFilter(std::vector<FilterPtr> parts) : parts_(std::move(parts)) {}
  void apply(std::vector<uint32_t>& rows) const override {
    for (const FilterPtr& part : parts_) {
      if (rows.empty()) return;
      part->apply(rows);
    }
  }

 private:
  std::vector<FilterPtr> parts_;
};

class AnyOfFilter : public RowFilter {
 public:
  AnyOfFilter(FilterPtr left, FilterPtr right) : left_(std::move(left)), right_(std::move(right)) {}
  void apply(std::vector<uint32_t>& rows) const override {
    std::vector<uint32_t> fromRight = rows;
    left_->apply(rows);
    right_->apply(fromRight);
    std::vector<uint32_t> merged;
    merged.reserve(rows.size() + fromRight.size());
    std::set_union(rows.begin(), rows.end(), fromRight.begin(), fromRight.end(), std::back_inserter(merged));
    rows = std::move(merged);
  }

 private:
  FilterPtr left_, right_;
};

// Row-at-a-time evaluation; `negate` asks for the rows where it is false.
class EvaluatingFilter : public RowFilter {
 public:
  EvaluatingFilter(const std::vector<BoundTable>& tables, int table, const BoundExpr& condition, bool negate)
      : tables_(tables), table_(table), condition_(condition), negate_(negate) {}
  void apply(std::vector<uint32_t>& rows) const override {
    std::vector<uint32_t> tuple(tables_.size(), 0);
    RowContext context{&tables_, tuple.data(), nullptr};
    keepIf(rows, [&](uint32_t row) {
      tuple[table_] = row;
      Value result = evaluate(condition_, context);
      return !result.isNull() && result.asBool() != negate_;
    });
  }

 private:
  const std::vector<BoundTable>& tables_;
  int table_;
  const BoundExpr& condition_;
  bool negate_;
};

class FilterCompiler {
 public:
  FilterCompiler(const std::vector<BoundTable>& tables, int table)
      : tables_(tables), table_(table), image_(*tables[table].image) {}

  FilterPtr compile(const BoundExpr& expr, bool negate) {
    switch (expr.kind) {
      case Kind::Constant: {
        const Value& value = expr.constant;
        return std::make_unique<ConstantFilter>(!value.isNull() && value.asBool() != negate);
      }
      case Kind::Unary:
        if (expr.unaryOp == ast::UnaryOp::Not) return compile(*expr.left, !negate);
        break;
      case Kind::IsNull:
        if (expr.left->isColumn()) return compileIsNull(expr.left->field, expr.negated == negate);
        break;
      case Kind::Binary:
        if (expr.binaryOp == BinaryOp::And || expr.binaryOp == BinaryOp::Or) {
          FilterPtr left = compile(*expr.left, negate), right = compile(*expr.right, negate);
          if ((expr.binaryOp == BinaryOp::And) != negate) {
            std::vector<FilterPtr> parts;
            parts.push_back(std::move(left));
            parts.push_back(std::move(right));
            return std::make_unique<AllOfFilter>(std::move(parts));
          }
          return std::make_unique<AnyOfFilter>(std::move(left), std::move(right));
        }
        if (FilterPtr typed = compileComparison(expr, negate)) return typed;
        break;
      default:
        break;
    }
    return std::make_unique<EvaluatingFilter>(tables_, table_, expr, negate);
  }

 private:
  FilterPtr compileIsNull(int field, bool wantNull) {
    const dbase::Column& column = *image_.columns[field];
    switch (image_.fields[field].type) {
      case 'C': return std::make_unique<CodeFilter>(column.codes.data(), 0, wantNull);  // code 0: blank
      case 'D': return std::make_unique<NullFilter<int32_t>>(column.dates.data(), dbase::kNullDate, wantNull);
      default: return std::make_unique<NullFilter<int64_t>>(column.numbers.data(), dbase::kNullNumber, wantNull);
    }
  }

  // `column op constant` in either order; null when the operands are not so.
  FilterPtr compileComparison(const BoundExpr& expr, bool negate) {
    const BoundExpr* column = expr.left.get();
    const BoundExpr* constant = expr.right.get();
    BinaryOp op = expr.binaryOp;
    if (!column->isColumn()) {
      std::swap(column, constant);
      op = mirrored(op);
    }
    if (!column->isColumn() || !constant->isConstant()) return nullptr;
    if (negate) op = inverted(op);
    const Value& value = constant->constant;
    if (value.isNull()) return std::make_unique<ConstantFilter>(false);
    const dbase::Column& data = *image_.columns[column->field];
    switch (image_.fields[column->field].type) {
      case 'C': {
        if (value.kind() != Value::Kind::Text) return nullptr;
        const dbase::TextDictionary& dictionary = *data.dictionary;
        if (op == BinaryOp::Equal || op == BinaryOp::NotEqual) {
          std::optional<uint32_t> code = dictionary.find(value.asText());
          if (!code) return std::make_unique<ConstantFilter>(op == BinaryOp::NotEqual);
          return std::make_unique<CodeFilter>(data.codes.data(), *code, op == BinaryOp::Equal);
        }
        std::vector<uint8_t> passes(dictionary.size());
        for (uint32_t code = 0; code < dictionary.size(); ++code)
          passes[code] = holds(op, dictionary.text(code).compare(value.asText()));
        return std::make_unique<CodeSetFilter>(data.codes.data(), std::move(passes));
      }
      case 'D':
        if (value.kind() != Value::Kind::Date) return nullptr;
        return std::make_unique<CompareFilter<int32_t>>(data.dates.data(), dbase::kNullDate, op, value.asDate());
      case 'N':
      case 'F':
        if (value.kind() != Value::Kind::Number) return nullptr;
        return std::make_unique<CompareFilter<int64_t>>(data.numbers.data(), dbase::kNullNumber, op,
                                                        value.asNumber());
      default:
        return nullptr;
    }
  }

  const std::vector<BoundTable>& tables_;
  int table_;
  const dbase::TableImage& image_;
};

constexpr uint32_t kPostingsAlwaysPay = 65536;  // records
constexpr uint64_t kRowsPerText = 8;  // fewer records per distinct text: no posting lists

// The records holding the text of a top-level `CHAR column = text`, or null
// when the condition is not of that form. `missing` is set when no record
// can hold the text.
const std::vector<uint32_t>* postingsOf(const dbase::TableImage& image, const BoundExpr& condition, bool& missing) {
  if (condition.kind != Kind::Binary || condition.binaryOp != BinaryOp::Equal) return nullptr;
  const BoundExpr* column = condition.left.get();
  const BoundExpr* constant = condition.right.get();
  if (!column->isColumn()) std::swap(column, constant);
  if (!column->isColumn() || !constant->isConstant() || constant->constant.kind() != Value::Kind::Text) return nullptr;
  if (image.fields[column->field].type != 'C') return nullptr;
  // Posting lists cost a pass over the column and memory for as long as the
  // image lives; a column of nearly unique texts (document numbers,
  // explanations) is better tested by code on the rows another condition
  // selects.
  const dbase::TextDictionary& dictionary = *image.columns[column->field]->dictionary;
  if (image.rowCount() > kPostingsAlwaysPay && uint64_t(dictionary.size()) * kRowsPerText > image.rowCount())
    return nullptr;
  std::optional<uint32_t> code = dictionary.find(constant->constant.asText());
  if (!code) {
    missing = true;
    return nullptr;
  }
  return &image.rowsWithCode(column->field, *code);
}

}  // namespace

std::vector<uint32_t> selectRows(const std::vector<BoundTable>& tables, int table,
                                 const std::vector<const BoundExpr*>& conditions) {
  const dbase::TableImage& image = *tables[table].image;
  const std::vector<uint32_t>* driver = nullptr;
  size_t driverCondition = conditions.size();
  for (size_t i = 0; i < conditions.size(); ++i) {
    bool missing = false;
    const std::vector<uint32_t>* postings = postingsOf(image, *conditions[i], missing);
    if (missing) return {};
    if (postings && (!driver || postings->size() < driver->size())) {
      driver = postings;
      driverCondition = i;
    }
  }

  std::vector<uint32_t> rows;
  if (driver) {
    rows = *driver;
  } else {
    rows.resize(image.rowCount());
    std::iota(rows.begin(), rows.end(), 0u);
  }
  const uint8_t* deleted = image.deleted.data();
  keepIf(rows, [&](uint32_t row) { return deleted[row] == 0; });

  FilterCompiler compiler(tables, table);
  for (size_t i = 0; i < conditions.size() && !rows.empty(); ++i) {
    if (i == driverCondition) continue;
    compiler.compile(*conditions[i], false)->apply(rows);
  }
  return rows;
}

}  // namespace store::sql

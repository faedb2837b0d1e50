// Aggregate accumulation: typed loops for plain columns, a Value-based
// accumulator for everything else.
#include "store/sql/executor/aggregation.h"

#include "store/decimal.h"
#include "store/error.h"
#include "store/split_work.h"
#include "store/sql/executor/evaluator.h"

namespace store::sql {

namespace {

using ast::AggregateFunction;

int64_t divideHalfEven(int64_t value, int64_t divisor) {
  int64_t quotient = value / divisor, remainder = value % divisor;
  int64_t twice = 2 * (remainder < 0 ? -remainder : remainder);
  if (twice > divisor || (twice == divisor && quotient % 2 != 0)) quotient += value < 0 ? -1 : 1;
  return quotient;
}

[[noreturn]] void sumOverflow(const BoundAggregate& aggregate) {
  throw StoreError("the sum overflows" + describePosition(aggregate.pos));
}

bool wantsMaximum(const BoundAggregate& aggregate) { return aggregate.function == AggregateFunction::Max; }

// One aggregate over groups, accumulated in exact int64 (numbers, and dates
// for MAX / MIN) with a count of the values seen.
struct IntegerState {
  std::vector<int64_t> value;
  std::vector<int64_t> count;
  IntegerState(uint32_t groups) : value(groups, 0), count(groups, 0) {}

  template <typename T>
  void accumulate(const BoundAggregate& aggregate, const T* column, T null, const uint32_t* rows,
                  const std::vector<uint32_t>& groupOf) {
    size_t n = groupOf.size();
    switch (aggregate.function) {
      case AggregateFunction::Sum:
      case AggregateFunction::Avg:
        for (size_t i = 0; i < n; ++i) {
          T v = column[rows[i]];
          if (v == null) continue;
          uint32_t g = groupOf[i];
          if (__builtin_add_overflow(value[g], int64_t(v), &value[g])) sumOverflow(aggregate);
          ++count[g];
        }
        break;
      case AggregateFunction::Count:
        for (size_t i = 0; i < n; ++i)
          if (column[rows[i]] != null) ++count[groupOf[i]];
        break;
      case AggregateFunction::Max:
      case AggregateFunction::Min: {
        bool maximum = wantsMaximum(aggregate);
        for (size_t i = 0; i < n; ++i) {
          T v = column[rows[i]];
          if (v == null) continue;
          uint32_t g = groupOf[i];
          if (count[g]++ == 0 || (maximum ? v > value[g] : v < value[g])) value[g] = v;
        }
        break;
      }
    }
  }

  Value result(const BoundAggregate& aggregate, uint32_t g, bool isDate) const {
    if (aggregate.function == AggregateFunction::Count) return Value::number(count[g] * decimal::kScale);
    if (count[g] == 0) return Value::null();
    if (aggregate.function == AggregateFunction::Avg) return Value::number(divideHalfEven(value[g], count[g]));
    return isDate ? Value::date(static_cast<int32_t>(value[g])) : Value::number(value[g]);
  }
};

// MAX / MIN / COUNT of a CHAR column: the winning dictionary code per group.
void accumulateText(const BoundAggregate& aggregate, const dbase::Column& column, const uint32_t* rows,
                    const std::vector<uint32_t>& groupOf, uint32_t groups, std::vector<Value>& out,
                    size_t stride, size_t slot) {
  const uint32_t* codes = column.codes.data();
  const dbase::TextDictionary& dictionary = *column.dictionary;
  std::vector<uint32_t> best(groups, 0);  // 0: no value yet (blank counts as null)
  std::vector<int64_t> count(groups, 0);
  bool maximum = wantsMaximum(aggregate);
  for (size_t i = 0; i < groupOf.size(); ++i) {
    uint32_t code = codes[rows[i]];
    if (code == 0) continue;
    uint32_t g = groupOf[i];
    ++count[g];
    if (best[g] == code) continue;
    int order = best[g] == 0 ? 0 : dictionary.text(code).compare(dictionary.text(best[g]));
    if (best[g] == 0 || (maximum ? order > 0 : order < 0)) best[g] = code;
  }
  for (uint32_t g = 0; g < groups; ++g) {
    Value& result = out[g * stride + slot];
    if (aggregate.function == AggregateFunction::Count) result = Value::number(count[g] * decimal::kScale);
    else result = best[g] == 0 ? Value::null() : Value::text(dictionary.text(best[g]));
  }
}

// Any argument, evaluated per tuple.
void accumulateEvaluated(const BoundAggregate& aggregate, const std::vector<BoundTable>& tables,
                         const Tuples& tuples, const std::vector<uint32_t>& groupOf, uint32_t groups,
                         std::vector<Value>& out, size_t stride, size_t slot) {
  std::vector<Value> best(groups);
  std::vector<int64_t> count(groups, 0);
  std::vector<double> realSum(groups, 0);
  std::vector<int64_t> exactSum(groups, 0);
  std::vector<uint32_t> tuple;
  for (size_t i = 0; i < groupOf.size(); ++i) {
    uint32_t g = groupOf[i];
    if (!aggregate.argument) {
      ++count[g];
      continue;
    }
    tuples.gather(i, tuple);
    Value v = evaluate(*aggregate.argument, RowContext{&tables, tuple.data(), nullptr});
    if (v.isSqlNull()) continue;
    ++count[g];
    switch (aggregate.function) {
      case AggregateFunction::Sum:
      case AggregateFunction::Avg:
        if (v.kind() == Value::Kind::Float) realSum[g] += v.asFloat();
        else if (__builtin_add_overflow(exactSum[g], v.asNumber(), &exactSum[g])) sumOverflow(aggregate);
        break;
      case AggregateFunction::Max:
      case AggregateFunction::Min: {
        int order = count[g] == 1 ? 0 : compareValues(v, best[g]);
        if (count[g] == 1 || (wantsMaximum(aggregate) ? order > 0 : order < 0)) best[g] = std::move(v);
        break;
      }
      case AggregateFunction::Count:
        break;
    }
  }
  bool real = aggregate.type == ValueType::Float;
  for (uint32_t g = 0; g < groups; ++g) {
    Value& result = out[g * stride + slot];
    switch (aggregate.function) {
      case AggregateFunction::Count: result = Value::number(count[g] * decimal::kScale); break;
      case AggregateFunction::Max:
      case AggregateFunction::Min: result = best[g]; break;
      case AggregateFunction::Sum:
        if (count[g] == 0) result = Value::null();
        else result = real ? Value::real(realSum[g]) : Value::number(exactSum[g]);
        break;
      case AggregateFunction::Avg:
        if (count[g] == 0) result = Value::null();
        else result = real ? Value::real(realSum[g] / count[g]) : Value::number(divideHalfEven(exactSum[g], count[g]));
        break;
    }
  }
}

}  // namespace

std::vector<Value> computeAggregates(const std::vector<BoundTable>& tables, const Tuples& tuples,
                                     const std::vector<uint32_t>& groupOf, uint32_t groupCount,
                                     const std::vector<BoundAggregate>& aggregates) {
  size_t stride = aggregates.size();
  std::vector<Value> out(size_t(groupCount) * stride);
  const auto accumulate = [&](size_t a) {
    const BoundAggregate& aggregate = aggregates[a];
    const BoundExpr* argument = aggregate.argument.get();
    bool typedColumn = argument && argument->isColumn() &&
                       tables[argument->table].image->fields[argument->field].type != 'L';
    if (!typedColumn) {
      accumulateEvaluated(aggregate, tables, tuples, groupOf, groupCount, out, stride, a);
      return;
    }
    const dbase::TableImage& image = *tables[argument->table].image;
    const dbase::Column& column = *image.columns[argument->field];
    const uint32_t* rows = tuples.rows[argument->table].data();
    char type = image.fields[argument->field].type;
    if (type == 'C') {
      accumulateText(aggregate, column, rows, groupOf, groupCount, out, stride, a);
      return;
    }
    IntegerState state(groupCount);
    if (type == 'D') state.accumulate<int32_t>(aggregate, column.dates.data(), dbase::kNullDate, rows, groupOf);
    else state.accumulate<int64_t>(aggregate, column.numbers.data(), dbase::kNullNumber, rows, groupOf);
    for (uint32_t g = 0; g < groupCount; ++g) out[g * stride + a] = state.result(aggregate, g, type == 'D');
  };
  // Each aggregate is a pass of its own over the tuples: over many tuples,
  // the two cores take half of the aggregates each. An aggregate only reads
  // the images and writes its own slots.
  const uint32_t worthAThread = tuples.size() >= kWorthASecondThread ? 2 : UINT32_MAX;
  splitInTwo(uint32_t(stride), [&](int, uint32_t begin, uint32_t end) {
    for (uint32_t a = begin; a < end; ++a) accumulate(a);
  }, worthAThread);
  return out;
}

}  // namespace store::sql

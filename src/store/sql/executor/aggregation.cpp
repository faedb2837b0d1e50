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

bool wantsMaximum(AggregateFunction function) { return function == AggregateFunction::Max; }

Value countValue(int64_t count) { return Value::number(count * decimal::kScale); }

// A group's entry is fetched this many tuples ahead of its turn: the
// tuples come in table order, their groups anywhere.
constexpr size_t kEntriesAhead = 16;

// One aggregate over groups, accumulated in exact int64 (numbers, and dates
// for MAX / MIN) with a count of the values seen.
class IntegerState : public GroupAggregates::PerGroup {
 public:
  IntegerState(AggregateFunction function, uint32_t groups, bool isDate)
      : function_(function), isDate_(isDate), entries_(groups) {}

  template <typename T>
  void accumulate(const BoundAggregate& aggregate, const T* column, T null, const uint32_t* rows,
                  const std::vector<uint32_t>& groupOf) {
    size_t n = groupOf.size();
    switch (function_) {
      case AggregateFunction::Sum:
      case AggregateFunction::Avg:
        for (size_t i = 0; i < n; ++i) {
          if (i + kEntriesAhead < n) __builtin_prefetch(&entries_[groupOf[i + kEntriesAhead]]);
          T v = column[rows[i]];
          if (v == null) continue;
          Entry& entry = entries_[groupOf[i]];
          if (__builtin_add_overflow(entry.value, int64_t(v), &entry.value)) sumOverflow(aggregate);
          ++entry.count;
        }
        break;
      case AggregateFunction::Count:
        for (size_t i = 0; i < n; ++i) {
          if (i + kEntriesAhead < n) __builtin_prefetch(&entries_[groupOf[i + kEntriesAhead]]);
          if (column[rows[i]] != null) ++entries_[groupOf[i]].count;
        }
        break;
      case AggregateFunction::Max:
      case AggregateFunction::Min: {
        bool maximum = wantsMaximum(function_);
        for (size_t i = 0; i < n; ++i) {
          if (i + kEntriesAhead < n) __builtin_prefetch(&entries_[groupOf[i + kEntriesAhead]]);
          T v = column[rows[i]];
          if (v == null) continue;
          Entry& entry = entries_[groupOf[i]];
          if (entry.count++ == 0 || (maximum ? v > entry.value : v < entry.value)) entry.value = v;
        }
        break;
      }
    }
  }

  Value valueOf(uint32_t g) const override {
    const Entry& entry = entries_[g];
    if (function_ == AggregateFunction::Count) return countValue(entry.count);
    if (entry.count == 0) return Value::null();
    if (function_ == AggregateFunction::Avg) return Value::number(divideHalfEven(entry.value, entry.count));
    return isDate_ ? Value::date(static_cast<int32_t>(entry.value)) : Value::number(entry.value);
  }
  void prefetch(uint32_t g) const override { __builtin_prefetch(&entries_[g]); }

 private:
  // A group's sum (or extreme) beside its count: one cache line for both.
  struct Entry {
    int64_t value = 0;
    int64_t count = 0;
  };
  AggregateFunction function_;
  bool isDate_;
  std::vector<Entry> entries_;
};

// MAX / MIN / COUNT of a CHAR column: the winning dictionary code per group.
class TextState : public GroupAggregates::PerGroup {
 public:
  TextState(AggregateFunction function, const dbase::Column& column, const uint32_t* rows,
            const std::vector<uint32_t>& groupOf, uint32_t groups)
      : function_(function), dictionary_(column.dictionary), best_(groups, 0), count_(groups, 0) {
    const uint32_t* codes = column.codes.data();
    const bool maximum = wantsMaximum(function);
    for (size_t i = 0; i < groupOf.size(); ++i) {
      uint32_t code = codes[rows[i]];
      if (code == 0) continue;  // 0: no value yet (blank counts as null)
      uint32_t g = groupOf[i];
      ++count_[g];
      if (best_[g] == code) continue;
      int order = best_[g] == 0 ? 0 : dictionary_->text(code).compare(dictionary_->text(best_[g]));
      if (best_[g] == 0 || (maximum ? order > 0 : order < 0)) best_[g] = code;
    }
  }

  Value valueOf(uint32_t g) const override {
    if (function_ == AggregateFunction::Count) return countValue(count_[g]);
    return best_[g] == 0 ? Value::null() : Value::text(dictionary_->text(best_[g]));
  }
  void prefetch(uint32_t g) const override {
    __builtin_prefetch(&best_[g]);
    __builtin_prefetch(&count_[g]);
  }

 private:
  AggregateFunction function_;
  std::shared_ptr<const dbase::TextDictionary> dictionary_;
  std::vector<uint32_t> best_;
  std::vector<int64_t> count_;
};

// Any argument, evaluated per tuple.
class EvaluatedState : public GroupAggregates::PerGroup {
 public:
  EvaluatedState(const BoundAggregate& aggregate, const std::vector<BoundTable>& tables, const Tuples& tuples,
                 const std::vector<uint32_t>& groupOf, uint32_t groups)
      : function_(aggregate.function),
        real_(aggregate.type == ValueType::Float),
        best_(groups),
        count_(groups, 0),
        realSum_(groups, 0),
        exactSum_(groups, 0) {
    std::vector<uint32_t> tuple;
    for (size_t i = 0; i < groupOf.size(); ++i) {
      uint32_t g = groupOf[i];
      if (!aggregate.argument) {
        ++count_[g];
        continue;
      }
      tuples.gather(i, tuple);
      Value v = evaluate(*aggregate.argument, RowContext{&tables, tuple.data(), nullptr});
      if (v.isSqlNull()) continue;
      ++count_[g];
      switch (function_) {
        case AggregateFunction::Sum:
        case AggregateFunction::Avg:
          if (v.kind() == Value::Kind::Float) realSum_[g] += v.asFloat();
          else if (__builtin_add_overflow(exactSum_[g], v.asNumber(), &exactSum_[g])) sumOverflow(aggregate);
          break;
        case AggregateFunction::Max:
        case AggregateFunction::Min: {
          int order = count_[g] == 1 ? 0 : compareValues(v, best_[g]);
          if (count_[g] == 1 || (wantsMaximum(function_) ? order > 0 : order < 0)) best_[g] = std::move(v);
          break;
        }
        case AggregateFunction::Count:
          break;
      }
    }
  }

  Value valueOf(uint32_t g) const override {
    switch (function_) {
      case AggregateFunction::Count: return countValue(count_[g]);
      case AggregateFunction::Max:
      case AggregateFunction::Min: return best_[g];
      case AggregateFunction::Sum:
        if (count_[g] == 0) return Value::null();
        return real_ ? Value::real(realSum_[g]) : Value::number(exactSum_[g]);
      case AggregateFunction::Avg:
        if (count_[g] == 0) return Value::null();
        return real_ ? Value::real(realSum_[g] / count_[g]) : Value::number(divideHalfEven(exactSum_[g], count_[g]));
    }
    return Value::null();
  }
  void prefetch(uint32_t g) const override {
    __builtin_prefetch(&best_[g]);
    __builtin_prefetch(&count_[g]);
  }

 private:
  AggregateFunction function_;
  bool real_;
  std::vector<Value> best_;
  std::vector<int64_t> count_;
  std::vector<double> realSum_;
  std::vector<int64_t> exactSum_;
};

}  // namespace

GroupAggregates computeAggregates(const std::vector<BoundTable>& tables, const Tuples& tuples,
                                  const std::vector<uint32_t>& groupOf, uint32_t groupCount,
                                  const std::vector<BoundAggregate>& aggregates) {
  std::vector<std::unique_ptr<GroupAggregates::PerGroup>> perAggregate(aggregates.size());
  const auto accumulate = [&](size_t a) -> std::unique_ptr<GroupAggregates::PerGroup> {
    const BoundAggregate& aggregate = aggregates[a];
    const BoundExpr* argument = aggregate.argument.get();
    bool typedColumn = argument && argument->isColumn() &&
                       tables[argument->table].image->fields[argument->field].type != 'L';
    if (!typedColumn) return std::make_unique<EvaluatedState>(aggregate, tables, tuples, groupOf, groupCount);
    const dbase::TableImage& image = *tables[argument->table].image;
    const dbase::Column& column = *image.columns[argument->field];
    const uint32_t* rows = tuples.rows[argument->table].data();
    char type = image.fields[argument->field].type;
    if (type == 'C') return std::make_unique<TextState>(aggregate.function, column, rows, groupOf, groupCount);
    auto state = std::make_unique<IntegerState>(aggregate.function, groupCount, type == 'D');
    if (type == 'D') state->accumulate<int32_t>(aggregate, column.dates.data(), dbase::kNullDate, rows, groupOf);
    else state->accumulate<int64_t>(aggregate, column.numbers.data(), dbase::kNullNumber, rows, groupOf);
    return state;
  };
  // Each aggregate is a pass of its own over the tuples: over many tuples,
  // the two cores take half of the aggregates each. An aggregate only reads
  // the images and fills its own state.
  const uint32_t worthAThread = tuples.size() >= kWorthASecondThread ? 2 : UINT32_MAX;
  splitInTwo(uint32_t(aggregates.size()), [&](int, uint32_t begin, uint32_t end) {
    for (uint32_t a = begin; a < end; ++a) perAggregate[a] = accumulate(a);
  }, worthAThread);
  return GroupAggregates(std::move(perAggregate));
}

}  // namespace store::sql

// The SELECT pipeline.
#include "store/sql/executor/select_executor.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <iterator>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "store/error.h"
#include "store/split_work.h"
#include "store/sql/executor/aggregation.h"
#include "store/sql/executor/evaluator.h"
#include "store/sql/executor/group_table.h"
#include "store/sql/executor/row_selection.h"
#include "store/sql/executor/tuples.h"
#include "store/sql/executor/typed_order.h"

namespace store::sql {

using Kind = BoundExpr::Kind;

void resolveSubqueries(BoundExpr& expr) {
  if (expr.kind == Kind::Subquery) {
    SelectResult result = runSelect(*expr.subquery);
    if (result.rows.rowCount() > 1) throw StoreError("the subquery gives more than one row" + describePosition(expr.pos));
    expr.constant = result.rows.rowCount() == 0 ? Value::null() : result.rows.value(0, 0);
    expr.kind = Kind::Constant;
    expr.subquery.reset();
    return;
  }
  if (expr.left) resolveSubqueries(*expr.left);
  if (expr.right) resolveSubqueries(*expr.right);
}

namespace {

// Bit t set when the expression reads a column of table t.
uint64_t tablesUsed(const BoundExpr& expr) {
  uint64_t mask = expr.isColumn() ? uint64_t(1) << expr.table : 0;
  if (expr.left) mask |= tablesUsed(*expr.left);
  if (expr.right) mask |= tablesUsed(*expr.right);
  return mask;
}

// A key that equal values (and only they) share, for hashing values whose
// kinds are not known in advance.
void appendKey(const Value& value, std::string& key) {
  key.push_back(static_cast<char>(value.kind()));
  switch (value.kind()) {
    case Value::Kind::Text: {
      uint32_t length = static_cast<uint32_t>(value.asText().size());
      key.append(reinterpret_cast<const char*>(&length), sizeof length);
      key.append(value.asText());
      break;
    }
    case Value::Kind::Float: {
      double real = value.asFloat() == 0 ? 0.0 : value.asFloat();  // -0 and 0 are one key
      key.append(reinterpret_cast<const char*>(&real), sizeof real);
      break;
    }
    case Value::Kind::Null:
      break;
    default: {
      int64_t number = value.kind() == Value::Kind::Date ? value.asDate() : value.asNumber();
      if (value.kind() == Value::Kind::Bool) number = value.asBool();
      key.append(reinterpret_cast<const char*>(&number), sizeof number);
      break;
    }
  }
}

// One slot per combination of the codes of some CHAR columns (a perfect
// hash), for grouping or telling records apart by those columns without
// hashing, when the combinations are few enough for an array of them.
struct DenseSlots {
  std::vector<const uint32_t*> codes;  // per column
  std::vector<uint64_t> strides;
  uint64_t count = 1;

  // Nullopt when an array of every combination would cost more than
  // `lookups` lookups save.
  static std::optional<DenseSlots> of(const std::vector<const dbase::Column*>& columns, size_t lookups) {
    constexpr uint64_t kMaxSlots = uint64_t(1) << 22;
    DenseSlots dense;
    for (const dbase::Column* column : columns) {
      dense.strides.push_back(dense.count);
      dense.count *= column->dictionary->size();
      if (dense.count > kMaxSlots || dense.count > 8 * lookups + 4096) return std::nullopt;
      dense.codes.push_back(column->codes.data());
    }
    return dense;
  }
  // The slot of record `record` (of the columns' one table).
  uint64_t of(uint32_t record) const {
    uint64_t slot = 0;
    for (size_t k = 0; k < codes.size(); ++k) slot += codes[k][record] * strides[k];
    return slot;
  }
  // The slot of tuple i, whose record in column k's table is records[k][i].
  uint64_t of(const std::vector<const uint32_t*>& records, size_t i) const {
    uint64_t slot = 0;
    for (size_t k = 0; k < codes.size(); ++k) slot += codes[k][records[k][i]] * strides[k];
    return slot;
  }
};

class SelectRunner {
 public:
  explicit SelectRunner(BoundSelect& select) : select_(select), tables_(select.tables) {}

  SelectResult run() {
    // Each row holds its result columns, then the ORDER BY keys that are not
    // result columns, needed until the rows are sorted.
    size_t width = select_.outputs.size();
    for (const BoundOrder& order : select_.orderBy)
      if (order.expr) ++width;
    rows_ = CellRows(width);
    resolveAllSubqueries();
    Tuples tuples = joinedTuples();
    SelectResult result;
    for (const BoundOutput& output : select_.outputs) result.names.push_back(output.name);
    if (select_.grouped) {
      produceGroups(tuples, groupColumns(select_.groupBy));
      if (select_.distinct) removeDuplicates();
    } else if (select_.distinct && allOutputsAreColumns()) {
      std::vector<const BoundExpr*> keys;
      for (const BoundOutput& output : select_.outputs) keys.push_back(output.expr.get());
      produceGroups(tuples, keys);
    } else {
      produceRows(tuples);
      if (select_.distinct) removeDuplicates();
    }
    if (std::any_of(codes_.begin(), codes_.end(), [](const auto& codes) { return codes.has_value(); }))
      result.rows = CodedRows(std::move(codes_), std::move(rows_));  // in order as they are
    else
      result.rows = sortedRows();
    return result;
  }

 private:
  void resolveAllSubqueries() {
    for (BoundExprPtr& condition : select_.conditions) resolveSubqueries(*condition);
    for (BoundOutput& output : select_.outputs) resolveSubqueries(*output.expr);
    for (BoundAggregate& aggregate : select_.aggregates)
      if (aggregate.argument) resolveSubqueries(*aggregate.argument);
    for (BoundOrder& order : select_.orderBy)
      if (order.expr) resolveSubqueries(*order.expr);
  }

  static std::vector<const BoundExpr*> groupColumns(const std::vector<BoundExprPtr>& keys) {
    std::vector<const BoundExpr*> columns;
    for (const BoundExprPtr& key : keys) columns.push_back(key.get());
    return columns;
  }

  bool allOutputsAreColumns() const {
    return std::all_of(select_.outputs.begin(), select_.outputs.end(),
                       [](const BoundOutput& output) { return output.expr->isColumn(); });
  }

  // One column's values as the words of a hash key: a text's dictionary
  // code, a number, a Julian day.
  struct KeyColumn {
    const uint32_t* codes = nullptr;
    const int64_t* numbers = nullptr;
    const int32_t* dates = nullptr;

    static KeyColumn of(const dbase::TableImage& image, int field) {
      const dbase::Column& data = *image.columns[field];
      switch (image.fields[field].type) {
        case 'C': return {data.codes.data(), nullptr, nullptr};
        case 'D': return {nullptr, nullptr, data.dates.data()};
        default: return {nullptr, data.numbers.data(), nullptr};
      }
    }
    uint64_t at(uint32_t record) const {
      return codes ? codes[record] : dates ? uint64_t(int64_t(dates[record])) : uint64_t(numbers[record]);
    }
  };

  // --- filtering and joining -------------------------------------------------

  Tuples joinedTuples() {
    size_t tableCount = tables_.size();
    if (tableCount > 64) throw StoreError("a SELECT may join at most 64 tables");
    std::vector<std::vector<const BoundExpr*>> ownConditions(tableCount);
    std::vector<const BoundExpr*> crossConditions;
    for (const BoundExprPtr& condition : select_.conditions) {
      uint64_t mask = tablesUsed(*condition);
      if (std::popcount(mask) > 1) crossConditions.push_back(condition.get());
      else ownConditions[mask == 0 ? 0 : std::countr_zero(mask)].push_back(condition.get());
    }
    Tuples tuples;
    tuples.rows.push_back(selectRows(tables_, 0, ownConditions[0]));
    const bool duplicatesCount = !duplicatesLeaveTheResult();
    for (size_t t = 1; t < tableCount; ++t) {
      std::vector<uint32_t> records = selectRows(tables_, int(t), ownConditions[t]);
      if (!duplicatesCount) keepDistinctRecords(int(t), records);
      joinTable(tuples, int(t), records, crossConditions);
    }
    filterTuples(tuples, crossConditions);
    return tuples;
  }

  // True when tuples that repeat one another leave the result as it is:
  // groups whose every aggregate is a MAX or a MIN, or DISTINCT rows. Then a
  // record of a joined table that equals an earlier one in every field the
  // statement reads only repeats the tuples of that one, later.
  bool duplicatesLeaveTheResult() const {
    if (!select_.grouped) return select_.distinct;
    return std::all_of(select_.aggregates.begin(), select_.aggregates.end(), [](const BoundAggregate& aggregate) {
      return aggregate.function == ast::AggregateFunction::Max || aggregate.function == ast::AggregateFunction::Min;
    });
  }

  // Fields of table t that the statement reads anywhere, ascending.
  std::vector<int> fieldsRead(int t) const {
    std::vector<int> fields;
    const std::function<void(const BoundExpr&)> visit = [&](const BoundExpr& expr) {
      if (expr.isColumn() && expr.table == t) fields.push_back(expr.field);
      if (expr.left) visit(*expr.left);
      if (expr.right) visit(*expr.right);
    };
    for (const BoundExprPtr& condition : select_.conditions) visit(*condition);
    for (const BoundOutput& output : select_.outputs) visit(*output.expr);
    for (const BoundAggregate& aggregate : select_.aggregates)
      if (aggregate.argument) visit(*aggregate.argument);
    for (const BoundExprPtr& key : select_.groupBy) visit(*key);
    for (const BoundOrder& order : select_.orderBy)
      if (order.expr) visit(*order.expr);
    std::sort(fields.begin(), fields.end());
    fields.erase(std::unique(fields.begin(), fields.end()), fields.end());
    return fields;
  }

  // Drops each record of table t that equals an earlier one in every field
  // read (see duplicatesLeaveTheResult): a join that lists a product's
  // lines for a MAX of their kind then pairs each row with a few records
  // instead of all of them.
  void keepDistinctRecords(int t, std::vector<uint32_t>& records) const {
    const dbase::TableImage& image = *tables_[t].image;
    const std::vector<int> fields = fieldsRead(t);
    std::vector<const dbase::Column*> texts;
    for (int field : fields)
      if (image.fields[field].type == 'C') texts.push_back(image.columns[field].get());
    if (texts.size() == fields.size()) {
      if (const std::optional<DenseSlots> dense = DenseSlots::of(texts, records.size())) {
        std::vector<uint8_t> seen(dense->count, 0);
        std::erase_if(records, [&](uint32_t record) { return std::exchange(seen[dense->of(record)], 1) != 0; });
        return;
      }
    }
    std::vector<KeyColumn> columns;
    for (int field : fields) columns.push_back(KeyColumn::of(image, field));
    GroupTable seen(std::max<size_t>(1, columns.size()));
    std::vector<uint64_t> key(std::max<size_t>(1, columns.size()), 0);
    size_t kept = 0;
    for (uint32_t record : records) {
      for (size_t k = 0; k < columns.size(); ++k) key[k] = columns[k].at(record);
      const uint32_t before = seen.groupCount();
      if (seen.findOrInsert(key.data()) == before) records[kept++] = record;
    }
    records.resize(kept);
  }

  // Joins table t's records to the tuples so far: by hashing on the
  // equalities between t's columns and earlier tables' columns, which are
  // taken out of `pending`; by pairing every tuple with every record when
  // there are none.
  void joinTable(Tuples& tuples, int t, const std::vector<uint32_t>& records,
                 std::vector<const BoundExpr*>& pending) {
    std::vector<std::pair<const BoundExpr*, const BoundExpr*>> keys;  // earlier side, t's side
    for (auto it = pending.begin(); it != pending.end();) {
      const BoundExpr& c = **it;
      bool equality = c.kind == Kind::Binary && c.binaryOp == ast::BinaryOp::Equal && c.left->isColumn() &&
                       c.right->isColumn() && c.left->type == c.right->type;
      if (equality && c.right->table == t && c.left->table < t) keys.emplace_back(c.left.get(), c.right.get());
      else if (equality && c.left->table == t && c.right->table < t) keys.emplace_back(c.right.get(), c.left.get());
      else {
        ++it;
        continue;
      }
      it = pending.erase(it);
    }

    Tuples joined;
    joined.rows.resize(t + 1);
    auto append = [&](size_t i, uint32_t record) {
      for (int u = 0; u < t; ++u) joined.rows[u].push_back(tuples.rows[u][i]);
      joined.rows[t].push_back(record);
    };
    if (keys.empty()) {
      for (size_t i = 0; i < tuples.size(); ++i)
        for (uint32_t record : records) append(i, record);
    } else if (keys.size() == 1 && tables_[keys[0].first->table].image->fields[keys[0].first->field].type == 'C') {
      joinOnText(tuples, *keys[0].first, *keys[0].second, records, append);
    } else {
      std::unordered_map<std::string, std::vector<uint32_t>> byKey;
      std::string key;
      for (uint32_t record : records) {
        if (keyOf(keys, false, &record, key)) byKey[key].push_back(record);
      }
      std::vector<uint32_t> tuple;
      for (size_t i = 0; i < tuples.size(); ++i) {
        tuples.gather(i, tuple);
        if (!keyOf(keys, true, tuple.data(), key)) continue;
        auto found = byKey.find(key);
        if (found == byKey.end()) continue;
        for (uint32_t record : found->second) append(i, record);
      }
    }
    tuples = std::move(joined);
  }

  // Joins on one equality of two CHAR columns by dictionary codes: each text
  // of t's column is looked up once in the earlier column's dictionary, and
  // t's records are listed by the earlier code they match, so no record's
  // text is copied or hashed. Pairs come out as the hash join gives them:
  // by tuple, then by record.
  template <typename Append>
  void joinOnText(const Tuples& tuples, const BoundExpr& earlier, const BoundExpr& own,
                  const std::vector<uint32_t>& records, Append append) const {
    const dbase::Column& earlierColumn = *tables_[earlier.table].image->columns[earlier.field];
    const dbase::Column& ownColumn = *tables_[own.table].image->columns[own.field];
    constexpr uint32_t kNoMatch = UINT32_MAX, kNotLooked = UINT32_MAX - 1;
    std::vector<uint32_t> earlierCode(ownColumn.dictionary->size(), kNotLooked);
    const uint32_t codeCount = earlierColumn.dictionary->size();
    std::vector<uint32_t> start(size_t(codeCount) + 1, 0);
    std::vector<uint32_t> matched(records.size(), kNoMatch);
    for (size_t r = 0; r < records.size(); ++r) {
      const uint32_t code = ownColumn.codes[records[r]];
      uint32_t& earlier = earlierCode[code];
      if (earlier == kNotLooked)
        earlier = earlierColumn.dictionary->find(ownColumn.dictionary->text(code)).value_or(kNoMatch);
      if ((matched[r] = earlier) != kNoMatch) ++start[matched[r] + 1];
    }
    for (uint32_t c = 0; c < codeCount; ++c) start[c + 1] += start[c];
    std::vector<uint32_t> byCode(start[codeCount]);
    std::vector<uint32_t> next(start.begin(), start.end() - 1);
    for (size_t r = 0; r < records.size(); ++r)
      if (matched[r] != kNoMatch) byCode[next[matched[r]]++] = records[r];
    const std::vector<uint32_t>& earlierRecords = tuples.rows[earlier.table];
    for (size_t i = 0; i < tuples.size(); ++i) {
      const uint32_t code = earlierColumn.codes[earlierRecords[i]];
      for (uint32_t k = start[code]; k < start[code + 1]; ++k) append(i, byCode[k]);
    }
  }

  // The hash key of one side of the join equalities: `records` is a tuple
  // of the earlier tables, or the one record of the new table. False when a
  // value is Null (which equals nothing).
  bool keyOf(const std::vector<std::pair<const BoundExpr*, const BoundExpr*>>& keys, bool earlierSide,
             const uint32_t* records, std::string& key) const {
    key.clear();
    for (const auto& [earlier, own] : keys) {
      const BoundExpr& column = earlierSide ? *earlier : *own;
      uint32_t record = earlierSide ? records[column.table] : records[0];
      Value value = tables_[column.table].image->value(record, column.field);
      if (value.isNull()) return false;
      appendKey(value, key);
    }
    return true;
  }

  void filterTuples(Tuples& tuples, const std::vector<const BoundExpr*>& conditions) {
    if (conditions.empty()) return;
    Tuples kept;
    kept.rows.resize(tuples.rows.size());
    std::vector<uint32_t> tuple;
    for (size_t i = 0; i < tuples.size(); ++i) {
      tuples.gather(i, tuple);
      RowContext context{&tables_, tuple.data(), nullptr};
      bool passes = std::all_of(conditions.begin(), conditions.end(),
                                [&](const BoundExpr* c) { return isTrue(evaluate(*c, context)); });
      if (!passes) continue;
      for (size_t t = 0; t < tuple.size(); ++t) kept.rows[t].push_back(tuple[t]);
    }
    tuples = std::move(kept);
  }

  // --- result rows -----------------------------------------------------------

  // One result row per tuple.
  void produceRows(const Tuples& tuples) {
    std::vector<uint32_t> order(tuples.size());
    std::iota(order.begin(), order.end(), 0u);
    sortTyped(tuples, order, [](uint32_t tuple) { return tuple; });
    emitInOrder(tuples, order, [](size_t, Value*) -> const Value* { return nullptr; }, [](size_t) {});
  }

  // One result row per group of equal `keys` (columns); with no keys, one
  // row for all the tuples, also when there are none.
  void produceGroups(const Tuples& tuples, const std::vector<const BoundExpr*>& keys) {
    std::vector<uint32_t> groupOf(tuples.size(), 0);
    std::vector<uint32_t> firstTuple;
    uint32_t groupCount = 1;
    if (keys.empty()) {
      firstTuple.push_back(0);
    } else {
      groupCount = assignGroups(tuples, keys, groupOf, firstTuple);
    }
    const GroupAggregates aggregates = computeAggregates(tables_, tuples, groupOf, groupCount, select_.aggregates);
    if (keys.empty() && tuples.size() == 0) {  // the one group of an aggregate over no rows
      std::vector<uint32_t> noRecords(tables_.size(), 0);
      std::vector<Value> values(aggregates.count());
      aggregates.valuesOf(0, values.data());
      emitRow(RowContext{&tables_, noRecords.data(), values.data()});
      return;
    }
    std::vector<uint32_t> order(groupCount);
    std::iota(order.begin(), order.end(), 0u);
    if (!keys.empty()) sortTyped(tuples, order, [&](uint32_t group) { return firstTuple[group]; });
    std::vector<uint32_t> representatives(groupCount);
    for (size_t k = 0; k < order.size(); ++k) representatives[k] = firstTuple[order[k]];
    emitInOrder(
        tuples, representatives,
        [&](size_t k, Value* buffer) {
          aggregates.valuesOf(order[k], buffer);
          return buffer;
        },
        [&](size_t k) { aggregates.prefetch(order[k]); });
  }

  // Makes every row of the result, one per entry of `sequence` (a tuple
  // number), reading aggregates from aggregatesOf(position, buffer), which
  // may fill `buffer` (one Value per aggregate); prefetchAggregates(position)
  // is called some rows ahead.
  //
  // A text column read as it is stays codes of its table's dictionary
  // (CodedRows) when the rows go to the result as they are made.
  //
  // The records of a result are scattered over the table, so reading a row
  // misses the cache once per column, and once more per text for the
  // dictionary entry. Fetching a row's column entries some rows ahead, and
  // its dictionary entries a little later (their codes have arrived by
  // then), overlaps those misses.
  template <typename AggregatesOf, typename PrefetchAggregates>
  void emitInOrder(const Tuples& tuples, const std::vector<uint32_t>& sequence, AggregatesOf aggregatesOf,
                   PrefetchAggregates prefetchAggregates) {
    constexpr size_t kColumnsAhead = 16, kTextsAhead = 8;
    struct Prefetch {
      const char* base;
      size_t size;
      const uint32_t* records;
      const dbase::Column* column;  // for texts
    };
    std::vector<Prefetch> prefetches;
    // The rows go to the result as they are made: its text columns can
    // stay codes of their tables' dictionaries, without cells.
    const bool codeTexts = !select_.distinct && (select_.orderBy.empty() || sorted_);
    codes_.assign(select_.outputs.size(), std::nullopt);
    struct CodedOutput {
      const uint32_t* codes;
      const uint32_t* records;
      uint32_t* into;
    };
    std::vector<CodedOutput> codedOutputs;
    for (size_t o = 0; o < select_.outputs.size(); ++o) {
      const BoundExpr& expr = *select_.outputs[o].expr;
      if (!expr.isColumn()) continue;
      const dbase::Column& column = *tables_[expr.table].image->columns[expr.field];
      const uint32_t* records = tuples.rows[expr.table].data();
      const bool coded = codeTexts && tables_[expr.table].image->fields[expr.field].type == 'C';
      if (coded) {
        codes_[o] = TextCodes{column.dictionary, std::vector<uint32_t>(sequence.size())};
        codedOutputs.push_back({column.codes.data(), records, codes_[o]->codes.data()});
      }
      if (!column.codes.empty())  // a coded text's own entry is not read
        prefetches.push_back({reinterpret_cast<const char*>(column.codes.data()), 4, records,
                              coded ? nullptr : &column});
      else if (!column.dates.empty())
        prefetches.push_back({reinterpret_cast<const char*>(column.dates.data()), 4, records, nullptr});
      else if (!column.numbers.empty())
        prefetches.push_back({reinterpret_cast<const char*>(column.numbers.data()), 8, records, nullptr});
    }
    if (!codedOutputs.empty()) rows_ = CellRows(select_.outputs.size() - codedOutputs.size());
    // The rows are made first and filled in place: many rows are shared by
    // both cores (evaluating only reads the images), and the first failure
    // is still the first row's.
    for (size_t k = 0; k < sequence.size(); ++k) rows_.appendRow();
    splitInTwo(uint32_t(sequence.size()), [&](int, uint32_t begin, uint32_t end) {
      std::vector<uint32_t> tuple;
      std::vector<Value> aggregates(select_.aggregates.size());  // this core's buffer for aggregatesOf()
      for (size_t k = begin; k < end; ++k) {
        // A group's aggregates, read in ORDER BY order, lie anywhere in theirs.
        if (k + kColumnsAhead < end) prefetchAggregates(k + kColumnsAhead);
        for (const Prefetch& p : prefetches) {
          if (k + kColumnsAhead < end) __builtin_prefetch(p.base + p.size * p.records[sequence[k + kColumnsAhead]]);
          if (p.column && k + kTextsAhead < end)
            __builtin_prefetch(&p.column->dictionary->text(p.column->codes[p.records[sequence[k + kTextsAhead]]]));
        }
        for (const CodedOutput& coded : codedOutputs) coded.into[k] = coded.codes[coded.records[sequence[k]]];
        tuples.gather(sequence[k], tuple);
        fillRow(rows_.row(k), RowContext{&tables_, tuple.data(), aggregatesOf(k, aggregates.data())});
      }
    }, std::max<uint32_t>(1, kWorthASecondThread / uint32_t(std::max<size_t>(1, select_.outputs.size()))));
  }

  // Puts `entries` in ORDER BY order when every ORDER BY item is a plain
  // column, comparing the tuples `tupleOf` gives for them; the result rows
  // then need no sorting of their own.
  template <typename TupleOf>
  void sortTyped(const Tuples& tuples, std::vector<uint32_t>& entries, TupleOf tupleOf) {
    if (select_.orderBy.empty()) return;
    std::optional<TypedOrder> order = TypedOrder::of(select_, entries.size());
    if (!order) return;
    order->sort(tuples, entries, tupleOf);
    sorted_ = true;
  }

  uint32_t assignGroups(const Tuples& tuples, const std::vector<const BoundExpr*>& keys,
                        std::vector<uint32_t>& groupOf, std::vector<uint32_t>& firstTuple) const {
    std::vector<KeyColumn> columns;
    for (const BoundExpr* key : keys) columns.push_back(KeyColumn::of(*tables_[key->table].image, key->field));
    if (uint32_t groups = assignDenseGroups(tuples, keys, groupOf, firstTuple)) return groups;
    GroupTable table(columns.size());
    std::vector<uint64_t> key(columns.size());
    for (size_t i = 0; i < tuples.size(); ++i) {
      for (size_t k = 0; k < columns.size(); ++k) key[k] = columns[k].at(tuples.rows[keys[k]->table][i]);
      uint32_t group = table.findOrInsert(key.data());
      if (group == firstTuple.size()) firstTuple.push_back(uint32_t(i));
      groupOf[i] = group;
    }
    return table.groupCount();
  }

  // Groups by CHAR columns whose dictionaries are small enough that every
  // combination of codes gets a slot of one array (a perfect hash). Returns
  // the number of groups, or 0 when the keys do not qualify.
  uint32_t assignDenseGroups(const Tuples& tuples, const std::vector<const BoundExpr*>& keys,
                             std::vector<uint32_t>& groupOf, std::vector<uint32_t>& firstTuple) const {
    std::vector<const dbase::Column*> columns;
    std::vector<const uint32_t*> rows;
    for (const BoundExpr* key : keys) {
      const dbase::TableImage& image = *tables_[key->table].image;
      if (image.fields[key->field].type != 'C') return 0;
      columns.push_back(image.columns[key->field].get());
      rows.push_back(tuples.rows[key->table].data());
    }
    const std::optional<DenseSlots> dense = DenseSlots::of(columns, tuples.size());
    if (!dense) return 0;
    constexpr uint32_t kFree = UINT32_MAX;
    std::vector<uint32_t> groupOfSlot(dense->count, kFree);
    uint32_t groupCount = 0;
    for (size_t i = 0; i < tuples.size(); ++i) {
      uint32_t& group = groupOfSlot[dense->of(rows, i)];
      if (group == kFree) {
        group = groupCount++;
        firstTuple.push_back(uint32_t(i));
      }
      groupOf[i] = group;
    }
    return groupCount;  // 0 only without tuples, which the hash table handles alike
  }

  // Computes the result columns, and the sort keys that are not result
  // columns, of one result row.
  void emitRow(const RowContext& context) { fillRow(rows_.appendRow(), context); }

  // The row's result columns but the coded ones, then its ORDER BY keys
  // when the rows are yet to be sorted.
  void fillRow(Value* cells, const RowContext& context) const {
    for (size_t o = 0; o < select_.outputs.size(); ++o)
      if (o >= codes_.size() || !codes_[o]) *cells++ = evaluate(*select_.outputs[o].expr, context);
    if (!sorted_)
      for (const BoundOrder& order : select_.orderBy)
        if (order.expr) *cells++ = evaluate(*order.expr, context);
  }

  void removeDuplicates() {
    std::unordered_set<std::string> seen;
    CellRows unique(rows_.width());
    std::string key;
    for (size_t row = 0; row < rows_.rowCount(); ++row) {
      key.clear();
      Value* cells = rows_.row(row);
      for (size_t c = 0; c < select_.outputs.size(); ++c) appendKey(cells[c], key);
      if (seen.insert(key).second) std::move(cells, cells + rows_.width(), unique.appendRow());
    }
    rows_ = std::move(unique);
  }

  // The result columns of the rows, in ORDER BY order.
  CellRows sortedRows() {
    const size_t outputCount = select_.outputs.size();
    std::vector<uint32_t> order(rows_.rowCount());
    std::iota(order.begin(), order.end(), 0u);
    if (!select_.orderBy.empty() && !sorted_) {
      std::vector<size_t> keyColumn;
      size_t hidden = outputCount;
      for (const BoundOrder& item : select_.orderBy) keyColumn.push_back(item.expr ? hidden++ : size_t(item.output));
      std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        const Value* x = rows_.row(a);
        const Value* y = rows_.row(b);
        for (size_t k = 0; k < keyColumn.size(); ++k) {
          int byKey = compareForSort(x[keyColumn[k]], y[keyColumn[k]]);
          if (byKey != 0) return select_.orderBy[k].descending ? byKey > 0 : byKey < 0;
        }
        return false;
      });
    } else if (rows_.width() == outputCount) {
      return std::move(rows_);
    }
    CellRows result(outputCount);
    for (uint32_t row : order) {
      Value* cells = rows_.row(row);
      std::move(cells, cells + outputCount, result.appendRow());
    }
    return result;
  }

  BoundSelect& select_;
  const std::vector<BoundTable>& tables_;
  CellRows rows_{0};  // result columns, then the ORDER BY keys not among them
  std::vector<std::optional<TextCodes>> codes_;  // per result column: its texts when coded (no cell in rows_)
  bool sorted_ = false;  // the rows came out in ORDER BY order already
};

}  // namespace

SelectResult runSelect(BoundSelect& select) { return SelectRunner(select).run(); }

}  // namespace store::sql

// Choosing the statements a view can answer, and reading and sorting its rows.
#include "store/sql/executor/table_view.h"

#include <algorithm>
#include <numeric>

#include "store/sql/executor/row_selection.h"
#include "store/sql/executor/select_executor.h"
#include "store/sql/executor/tuples.h"
#include "store/sql/executor/typed_order.h"

namespace store::sql {

std::shared_ptr<const TableView> TableView::of(BoundSelect& select) {
  if (select.tables.size() != 1 || select.grouped || select.distinct) return nullptr;
  if (!std::all_of(select.outputs.begin(), select.outputs.end(),
                   [](const BoundOutput& output) { return output.expr->isColumn(); }))
    return nullptr;
  const std::optional<std::vector<TypedOrder::SortColumn>> order = TypedOrder::columnsOf(select);
  if (!order) return nullptr;

  const dbase::TableImage& image = *select.tables[0].image;
  auto view = std::make_shared<TableView>();
  for (const BoundOutput& output : select.outputs)
    view->outputs_.push_back({image.fields[output.expr->field].type, image.columns[output.expr->field]});
  for (const TypedOrder::SortColumn& key : *order)
    view->sortKeys_.push_back({key.type, image.columns[size_t(key.field)], key.descending});
  std::vector<const BoundExpr*> conditions;
  for (BoundExprPtr& condition : select.conditions) {
    resolveSubqueries(*condition);
    conditions.push_back(condition.get());
  }
  view->records_ = selectRows(select.tables, 0, conditions);
  return view;
}

Value TableView::cell(uint32_t row, int column) const {
  const ViewColumn& output = outputs_[size_t(column)];
  return dbase::valueOf(output.type, *output.data, records_[row]);
}

std::vector<uint32_t> TableView::rowsPassing(int column, const std::function<bool(const Value&)>& passes) const {
  const ViewColumn& output = outputs_[size_t(column)];
  std::vector<uint32_t> rows;
  if (output.type != 'C') {
    for (uint32_t row = 0; row < rowCount(); ++row)
      if (passes(cell(row, column))) rows.push_back(row);
    return rows;
  }
  enum : uint8_t { kUnknown, kPasses, kFails };
  const dbase::TextDictionary& dictionary = *output.data->dictionary;
  std::vector<uint8_t> verdict(dictionary.size(), kUnknown);
  const uint32_t* codes = output.data->codes.data();
  for (uint32_t row = 0; row < rowCount(); ++row) {
    const uint32_t code = codes[records_[row]];
    if (verdict[code] == kUnknown) verdict[code] = passes(Value::text(dictionary.text(code))) ? kPasses : kFails;
    if (verdict[code] == kPasses) rows.push_back(row);
  }
  return rows;
}

void TableView::sort(std::vector<uint32_t>& rows) const {
  if (sortKeys_.empty() || rows.size() < 2) return;
  // The rows' records as the one table of a tuple list, each row its own entry.
  Tuples tuples;
  tuples.rows.emplace_back(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) tuples.rows[0][i] = records_[rows[i]];
  std::vector<TypedOrder::SortColumn> columns;
  for (const ViewColumn& key : sortKeys_) columns.push_back({0, 0, key.type, key.data.get(), key.descending});
  std::vector<uint32_t> entries(rows.size());
  std::iota(entries.begin(), entries.end(), 0u);
  TypedOrder::over(columns, rows.size()).sort(tuples, entries, [](uint32_t entry) { return entry; });
  std::vector<uint32_t> sorted(rows.size());
  for (size_t i = 0; i < entries.size(); ++i) sorted[i] = rows[entries[i]];
  rows = std::move(sorted);
}

}  // namespace store::sql

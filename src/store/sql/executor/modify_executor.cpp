// INSERT, UPDATE, DELETE and the two CREATE statements.
#include "store/sql/executor/modify_executor.h"

#include "store/split_work.h"
#include "store/sql/executor/evaluator.h"
#include "store/sql/executor/row_selection.h"
#include "store/sql/executor/select_executor.h"

namespace store::sql {

namespace {

std::vector<const BoundExpr*> conditionList(std::vector<BoundExprPtr>& conditions) {
  std::vector<const BoundExpr*> list;
  for (BoundExprPtr& condition : conditions) {
    resolveSubqueries(*condition);
    list.push_back(condition.get());
  }
  return list;
}

}  // namespace

void run(Catalog& catalog, BoundInsert& insert) {
  const dbase::FieldList& fields = insert.table.image->fields;
  std::vector<BoundTable> noTables;
  RowContext context{&noTables, nullptr, nullptr};
  CellRows rows(fields.size());
  for (std::vector<BoundExprPtr>& values : insert.rows) {
    Value* row = rows.appendRow();
    for (size_t f = 0; f < fields.size(); ++f) {
      if (!values[f]) continue;
      resolveSubqueries(*values[f]);
      row[f] = fitToField(evaluate(*values[f], context), fields[f]);
    }
  }
  catalog.insertRows(insert.table.path, std::move(rows));
}

void run(Catalog& catalog, BoundUpdate& update) {
  std::vector<BoundTable> tables{update.table};
  std::vector<const BoundExpr*> conditions = conditionList(update.conditions);
  for (auto& [field, value] : update.assignments) resolveSubqueries(*value);
  std::vector<uint32_t> rows = selectRows(tables, 0, conditions);
  if (rows.empty()) return;

  const dbase::FieldList& fields = update.table.image->fields;
  // Each record's new values are computed on their own: many records are
  // shared by both cores, and the first failure is still the first record's.
  std::vector<dbase::RowChange> changes(rows.size());
  splitInTwo(static_cast<uint32_t>(rows.size()), [&](int, uint32_t begin, uint32_t end) {
    for (uint32_t i = begin; i < end; ++i) {
      RowContext context{&tables, &rows[i], nullptr};
      dbase::RowChange& change = changes[i];
      change.row = rows[i];
      for (const auto& [field, value] : update.assignments)
        change.assignments.emplace_back(field, fitToField(evaluate(*value, context), fields[field]));
    }
  });
  catalog.updateRows(update.table.path, std::move(changes));
}

void run(Catalog& catalog, BoundDelete& del) {
  std::vector<BoundTable> tables{del.table};
  std::vector<uint32_t> rows = selectRows(tables, 0, conditionList(del.conditions));
  if (!rows.empty()) catalog.deleteRows(del.table.path, rows);
}

void run(Catalog& catalog, BoundCreateTable& create) {
  catalog.createTable(create.path, create.fields);
}

void run(Catalog& catalog, BoundCreateIndex& create) {
  catalog.createIndex(create.tag, create.path, create.column);
}

}  // namespace store::sql

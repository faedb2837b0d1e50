// Query: running its text and carrying the filter across openings.
#include "store/query.h"

#include "store/error.h"

namespace store {

void Query::open() {
  rows_.reset();
  std::unique_ptr<sql::ResultSet> rows = database_.execute(text());
  if (!rows) throw StoreError("the statement gives no rows to open: " + sql_.value(0).trimmed().toStdString());
  if (!filter_.isEmpty()) rows->setFilter(filter_);
  rows->setFiltered(filtered_ && !filter_.isEmpty());
  rows->first();
  rows_ = std::move(rows);
}

void Query::execSQL() {
  rows_.reset();
  database_.execute(text());
}

sql::ResultSet& Query::rows() {
  if (!rows_) throw StoreError("the query is not open");
  return *rows_;
}

void Query::setFilter(const QString& expression) {
  if (rows_) {
    rows_->setFilter(expression);
    rows_->setFiltered(filtered_ && !expression.isEmpty());
  }
  filter_ = expression;
}

void Query::setFiltered(bool on) {
  if (rows_) rows_->setFiltered(on && !filter_.isEmpty());
  filtered_ = on;
}

}  // namespace store

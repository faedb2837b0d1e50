// A query object as the windows use it: SQL text set line by line, then
// opened (a SELECT, whose rows stay readable until close) or executed.
//
// The row filter set on the query survives close and open, like a data set's
// filter; QueryRst (app/windows/load_combo.h) clears it.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "store/database.h"
#include "store/sql/result_set.h"

namespace store {

class Query {
 public:
  explicit Query(Database& database) : database_(database) {}

  QStringList& sql() { return sql_; }
  const QStringList& sql() const { return sql_; }
  void add(const QString& line) { sql_.append(line); }
  // The lines joined by line breaks, as the engine receives them.
  QString text() const { return sql_.join(QLatin1Char('\n')); }

  // Runs the text; a statement that gives no rows is an error here.
  void open();
  // Runs the text; a SELECT's rows are discarded.
  void execSQL();
  void close() { rows_.reset(); }
  bool isOpen() const { return rows_ != nullptr; }

  // REQUIRES: isOpen(); throws StoreError otherwise.
  sql::ResultSet& rows();

  void setFilter(const QString& expression);
  void setFiltered(bool on);
  const QString& filter() const { return filter_; }
  bool filtered() const { return filtered_; }

  Database& database() { return database_; }

 private:
  Database& database_;
  QStringList sql_;
  std::unique_ptr<sql::ResultSet> rows_;
  QString filter_;
  bool filtered_ = false;
};

}  // namespace store

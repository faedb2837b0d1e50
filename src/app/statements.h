// The work query Sx of a working window: every change statement and every
// one-off SELECT goes through here, and each user action runs as one store
// transaction.
//
// An observer, when set, sees each statement text just before it is sent;
// tests use it to compare the texts with what each action must send.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "store/database.h"
#include "store/query.h"

namespace app {

// Appended to the engine's message when an action was rolled back.
inline constexpr char kNothingSaved[] = "Nimic din aceasta operatie nu a fost salvat.";

class Statements {
 public:
  explicit Statements(store::Database& database);
  Statements(const Statements&) = delete;
  Statements& operator=(const Statements&) = delete;

  store::Database& database() { return database_; }

  // "{Data}\<fileName>" between double quotes, as statements name tables.
  QString table(const QString& fileName) const;

  // Clears Sx, gives it `lines` and runs it.
  void execute(const QStringList& lines);
  // Clears Sx, gives it `lines` and opens it; the rows stay in Sx until the
  // next statement.
  store::sql::ResultSet& select(const QStringList& lines);
  // Gives a window's data set `lines` and opens it (its filter stays).
  void open(store::Query& dataSet, const QStringList& lines);

  // Runs `action` inside one transaction: everything or, when it throws,
  // nothing. The error then goes on worded for the error box: the Romanian
  // sentence with kNothingSaved first, the engine's message after it; the
  // identifier counters the action advanced are put back.
  void asOneAction(const std::function<void()>& action);

  void setObserver(std::function<void(const QString&)> observer) { observer_ = std::move(observer); }

 private:
  void prepare(store::Query& query, const QStringList& lines);
  store::Database& database_;
  store::Query sx_;
  std::function<void(const QString&)> observer_;
};

}  // namespace app

// The check of the data: whether the three tables agree with each other and
// with the identifier counters, without widgets.
//
// What is checked: every receipt line has exactly one ledger entry, with its
// quantity received and its total value; every ledger entry of a receipt
// note has its line; no stock of a unit and product goes below zero at the
// end of any date (the first such date and its document are named); no
// identifier is used twice; every counter of the INI section "INDEX" is
// above the largest identifier or document number in use.
//
// The tables are read through the store's table images in a few passes
// (sorts and one walk each), never with a statement per row, so a ledger
// of a million rows is checked within seconds.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

#include "store/database.h"
#include "store/sql/result_set.h"

namespace admin {

// A counter of "INDEX" that is not above the largest number in use.
struct CounterShortfall {
  QString key;
  QString stored;      // the counter's text as it stands
  int64_t largest = 0;  // the largest identifier or number in use
};

struct DataCheckResult {
  QStringList findings;  // one sentence each, the counters' last
  std::vector<CounterShortfall> counters;
};

// Hears the share of the work done, a whole percentage from 0 to 100.
using CheckProgress = std::function<void(int percent)>;

// At most this many findings of one kind are listed; a last line says how
// many more there are.
inline constexpr int kFindingsListed = 200;

DataCheckResult checkData(store::Database& database, const CheckProgress& progress = {});

// Sets each counter to the largest number in use + 1; nothing else changes.
// Throws store::StoreError when that number does not fit a counter.
void raiseCounters(const std::vector<CounterShortfall>& counters);

// Whether a line of a finding prints whole on one row of the listing.
using FitsFindingLine = std::function<bool(const QString& line)>;

// The findings as the listing's rows: NR, the finding's number on its first
// row and empty on the rows that carry it on, and PROBLEMA, its text; a
// finding wider than `fits` allows goes on over the next rows, broken
// between words.
store::sql::ResultSet findingRows(const QStringList& findings, const FitsFindingLine& fits);

}  // namespace admin
